# GoogleTest for the tests: an installed one first (MSYS2's package, Debian's libgtest-dev for
# the native build), else built from the sources that Debian's googletest package keeps (the
# cross build, for which no prebuilt Windows library exists). Without either, the program still
# builds and the tests are left out.
if(NOT BUILD_TESTING)
    return()
endif()

find_package(GTest CONFIG QUIET)
if(GTest_FOUND)
    return()
endif()

set(GOOGLETEST_SOURCE_DIR /usr/src/googletest CACHE PATH "GoogleTest sources to build with")
if(NOT EXISTS ${GOOGLETEST_SOURCE_DIR}/CMakeLists.txt)
    message(WARNING "GoogleTest not found (no package, no sources in ${GOOGLETEST_SOURCE_DIR}): "
                    "building without the tests")
    set(BUILD_TESTING OFF CACHE BOOL "Build the tests (needs GoogleTest)" FORCE)
    return()
endif()

set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
add_subdirectory(${GOOGLETEST_SOURCE_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
