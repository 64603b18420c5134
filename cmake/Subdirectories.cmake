# lodestrel_add_subdirectories(): adds every child folder that has a
# CMakeLists.txt, so tests and benchmarks of a new folder need no edit here.
function(lodestrel_add_subdirectories)
  file(GLOB children LIST_DIRECTORIES true ${CMAKE_CURRENT_SOURCE_DIR}/*)
  foreach(child IN LISTS children)
    if(IS_DIRECTORY ${child} AND EXISTS ${child}/CMakeLists.txt)
      add_subdirectory(${child})
    endif()
  endforeach()
endfunction()
