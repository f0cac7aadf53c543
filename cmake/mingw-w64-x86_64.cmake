set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(VELMAR_MINGW_PREFIX x86_64-w64-mingw32)
# The posix thread model: GoogleTest and the C++ runtime need std::thread-style primitives.
set(VELMAR_MINGW_THREADS posix)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
