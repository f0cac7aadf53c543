#include <gtest/gtest.h>

#include "win_app.h"

// Tests have no WinMain: initialise the framework as the entry point would, then run the tests.
int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    AfxWinInit(::GetModuleHandleA(nullptr));
    return RUN_ALL_TESTS();
}
