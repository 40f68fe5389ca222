// The entry point of every test program: a recorder when its environment says so, else the tests.
#include "support/argument_recorder.h"

#include <gtest/gtest.h>

int main(int argc, char **argv) {
    int exitCode = 0;
    if (recordArgumentsIfAsked(argc, argv, exitCode))
        return exitCode;
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
