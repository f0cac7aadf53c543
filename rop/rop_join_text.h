#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

// The pieces one after another in one allocation. A chain of operator+ makes a temporary string
// and its clean-up at every step, which in the window's program costs kilobytes of code for a
// one-line text.
std::string JoinRopText(std::initializer_list<std::string_view> parts);
