// The load-scaling dialog driven through its widgets.

#include "dialogs/load_scaling_dialog.h"
#include "platform/qt/modal_driver.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

namespace {

TEST(QtLoadScaling, RefusesABadFactorAndAnswersTheChoice) {
    dialogs::QtLoadScaling scaling;
    testsupport::WhenModal([](QWidget* modal) {
        auto* dialog = qobject_cast<dialogs::LoadScalingDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->windowTitle(), "Line Load Scale");
        EXPECT_EQ(dialog->Options()->checkedId(), 2);
        EXPECT_EQ(dialog->FactorEdit()->text(), "1.5");
        dialog->FactorEdit()->setText("1,5");
        dialog->accept();
        EXPECT_TRUE(dialog->isVisible());
        EXPECT_FALSE(dialog->ErrorLabel()->isHidden());
        dialog->FactorEdit()->setText("2.5");
        dialog->Options()->button(4)->click();
        dialog->accept();
    });
    EXPECT_EQ(scaling.GetLoadScaling(3, "Line Load Scale", {2, 1.5}),
              (platform::LoadScaling{4, 2.5}));
    testsupport::WhenModal([](QWidget* modal) { QTest::keyClick(modal, Qt::Key_Escape); });
    EXPECT_FALSE(scaling.GetLoadScaling(2, "Distributed Load Scale", {1, 1.0}).has_value());
}

}  // namespace
