// main() of the test programs that need Qt: one application object per program.
#include "support/test_support.h"

#include <QApplication>
#include <clocale>
#include <gtest/gtest.h>

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication application(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    ::testing::InitGoogleTest(&argc, argv);
    testsupport::InstallStateReset();
    return RUN_ALL_TESTS();
}
