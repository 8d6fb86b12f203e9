// The main of every GoogleTest program: gtest's own, but a skip under CI fails.
#include "support/ciskips.h"

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    stud::testing::failSkipsUnderCi();
    return RUN_ALL_TESTS();
}
