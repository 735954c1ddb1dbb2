// main() of the test programs without Qt.
#include "support/test_support.h"

#include <gtest/gtest.h>

int main(int argc, char* argv[]) {
    ::testing::InitGoogleTest(&argc, argv);
    testsupport::InstallStateReset();
    return RUN_ALL_TESTS();
}
