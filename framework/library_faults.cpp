#include <new>
#include <string>

#include "exceptions.h"

// The standard library reports its own faults through these functions. Its definitions raise
// the standard exception classes, whose message strings bring a second copy of every string
// function into a statically linked program (a sixth of this one). Here a failed allocation
// stays what it is; the faults only a programming error can cause raise a framework exception
// without a message, which the window procedures and the start-up report as "No error message is
// available.", as they reported the standard ones. Linked into programs only: the tests keep
// the library's own.
namespace std {

void __throw_bad_alloc() { throw bad_alloc(); }
void __throw_bad_array_new_length() { throw bad_array_new_length(); }
void __throw_length_error(const char*) { throw CException(); }
void __throw_logic_error(const char*) { throw CException(); }
void __throw_out_of_range_fmt(const char*, ...) { throw CException(); }

}  // namespace std
