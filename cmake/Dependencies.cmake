# Finds every system package the build needs and stops the configure step with
# the Debian package to install when one is missing.

function(lodestrel_require found what package)
  if(NOT ${found})
    message(FATAL_ERROR "${what} was not found. Install the Debian package '${package}' "
                        "(or run scripts/install-deps).")
  endif()
endfunction()

find_package(Qt6 QUIET COMPONENTS Core Gui Widgets Test)
lodestrel_require(Qt6_FOUND "Qt 6 (Core, Gui, Widgets, Test)" qt6-base-dev)

find_package(SQLite3 QUIET)
lodestrel_require(SQLite3_FOUND "SQLite 3" libsqlite3-dev)

find_package(X11 QUIET)
lodestrel_require(X11_FOUND "Xlib" libx11-dev)
lodestrel_require(X11_Xext_FOUND "the X11 extension library (DPMS)" libxext-dev)

find_package(Iconv QUIET)
lodestrel_require(Iconv_FOUND "iconv" libc6-dev)

if(LODESTREL_TESTS)
  find_package(GTest QUIET)
  lodestrel_require(GTest_FOUND "GoogleTest" libgtest-dev)
  find_package(Python3 QUIET COMPONENTS Interpreter)
  lodestrel_require(Python3_Interpreter_FOUND "Python 3 (for the generator checks)" python3)
endif()

if(LODESTREL_BENCH)
  find_package(benchmark QUIET)
  lodestrel_require(benchmark_FOUND "Google Benchmark" libbenchmark-dev)
endif()
