# The 32-bit build of velmar-conform, for 32-bit Windows and the 32-bit guests of emulators.
set(CMAKE_SYSTEM_PROCESSOR x86)
set(VELMAR_MINGW_PREFIX i686-w64-mingw32)
# The win32 thread model: the posix model's thread library calls GetTickCount64, which Windows
# has only from Vista on, so a program linked with it does not start on XP. velmar-conform
# starts no threads.
set(VELMAR_MINGW_THREADS win32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
