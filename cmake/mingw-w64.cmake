# What the two cross toolchains share; each sets the processor, VELMAR_MINGW_PREFIX and the
# compilers' thread model (VELMAR_MINGW_THREADS) first.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_C_COMPILER ${VELMAR_MINGW_PREFIX}-gcc-${VELMAR_MINGW_THREADS})
set(CMAKE_CXX_COMPILER ${VELMAR_MINGW_PREFIX}-g++-${VELMAR_MINGW_THREADS})
set(CMAKE_RC_COMPILER ${VELMAR_MINGW_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${VELMAR_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# Never the build machine's own packages (its Linux GoogleTest, say).
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Tests and tools built here run under Wine, in a prefix kept inside the build tree.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-exec)
