// Read before every source of a MinGW release build (see CMakeLists.txt). libstdc++ declares the
// members of std::string instantiated in the library (an extern template), so a program that
// calls any of them links the library's instantiation of them all, and keeps them all: GNU ld
// keeps every function that has unwind data in a PE file, whatever --gc-sections says. In
// velmar.exe that was 17.7 KB of code. The value -1, which c++config.h provides for this, leaves
// the declaration out for basic_string alone: each source instantiates the members it calls, from
// the same headers, and the link holds only those.
#include <bits/c++config.h>
#undef _GLIBCXX_EXTERN_TEMPLATE
#define _GLIBCXX_EXTERN_TEMPLATE -1
