# Runs a generator into OUTPUT and fails unless the result is byte for byte the
# COMMITTED file. Arguments: PYTHON, GENERATOR, COMMITTED, OUTPUT.
execute_process(COMMAND ${PYTHON} ${GENERATOR} ${OUTPUT} RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${GENERATOR} failed (${status})")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${COMMITTED} ${OUTPUT} RESULT_VARIABLE differs)
if(NOT differs EQUAL 0)
  message(FATAL_ERROR "${COMMITTED} is not what ${GENERATOR} writes now; "
                      "compare it with ${OUTPUT} and regenerate it with the generator.")
endif()
