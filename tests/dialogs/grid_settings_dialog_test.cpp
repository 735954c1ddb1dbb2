// The grid settings dialog driven through its widgets, opened the way the "Grid Settings ..."
// command opens it.

#include "core/units.h"
#include "dialogs/grid_settings_dialog.h"
#include "graphics/graphic_grid.h"
#include "platform/qt/modal_driver.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {

class GridSettingsDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        Cpp_GraphicGrid::Reset();
        Cpp_GraphicGrid::SettingsDialogSlot().Set(&window_);
    }
    void TearDown() override { Cpp_GraphicGrid::SettingsDialogSlot().Reset(); }

    // Opens the dialog from the model and runs the action on the window once it is up.
    bool Edit(std::function<void(dialogs::GridSettingsDialog*)> action) {
        bool reached = false;
        testsupport::WhenModal([&](QWidget* modal) {
            auto* dialog = qobject_cast<dialogs::GridSettingsDialog*>(modal);
            if (!dialog) {
                modal->close();
                return;
            }
            reached = true;
            action(dialog);
        });
        const bool ok = Cpp_GraphicGrid::EditSettings();
        EXPECT_TRUE(reached);
        return ok;
    }

    static QLineEdit* Edit(QDialog* d, const char* name) { return d->findChild<QLineEdit*>(name); }
    static QCheckBox* Check(QDialog* d, const char* name) { return d->findChild<QCheckBox*>(name); }
    static void Type(QDialog* d, const char* name, const QString& text) {
        testsupport::Retype(Edit(d, name), text);
    }
    static void Press(QDialog* d, QDialogButtonBox::StandardButton which) {
        testsupport::PressButton(d, which);
    }

    static void ExpectSame(const s_GridSettingsType& a, const s_GridSettingsType& b) {
        EXPECT_EQ(a.spacing, b.spacing);
        EXPECT_EQ(a.horizontalZero, b.horizontalZero);
        EXPECT_EQ(a.verticalZero, b.verticalZero);
        EXPECT_EQ(a.pointsIncrement, b.pointsIncrement);
        EXPECT_EQ(a.linesIncrement, b.linesIncrement);
        EXPECT_EQ(a.displayPoints, b.displayPoints);
        EXPECT_EQ(a.displayLines, b.displayLines);
        EXPECT_EQ(a.snap, b.snap);
    }

    dialogs::QtGridSettings window_;
};

// The fields open on the current settings; typed values and ticks come back on OK, after a bad
// number was refused and mended in the same window.
TEST_F(GridSettingsDialogTest, TypedValuesComeBackOnOk) {
    const s_GridSettingsType before = Cpp_GraphicGrid::CurrentSettings();
    ASSERT_TRUE(Edit([&](dialogs::GridSettingsDialog* d) {
        EXPECT_EQ(d->windowTitle(), "Display Grid Information");
        EXPECT_EQ(Edit(d, "spacing")->text(), QString::number(before.spacing));
        EXPECT_EQ(Edit(d, "linesIncrement")->text(), QString::number(before.linesIncrement));
        EXPECT_EQ(Edit(d, "pointsIncrement")->text(), QString::number(before.pointsIncrement));
        EXPECT_EQ(Check(d, "displayPoints")->isChecked(), before.displayPoints);
        EXPECT_EQ(Check(d, "displayLines")->isChecked(), before.displayLines);
        EXPECT_EQ(Check(d, "snap")->isChecked(), before.snap);
        EXPECT_FALSE(Check(d, "applyToApplication")->isChecked());
        EXPECT_EQ(d->findChild<QLabel*>("spacingUnit")->text().toStdString(),
                  CurrentLengthUnitWord());
        EXPECT_TRUE(Edit(d, "horizontalZero")->isHidden());

        Type(d, "spacing", "2,5");
        Press(d, QDialogButtonBox::Ok);
        EXPECT_TRUE(d->isVisible());
        EXPECT_EQ(d->ErrorLabel()->text(), "Grid spacing increment: \"2,5\" is not a number.");

        Type(d, "spacing", "2.5");
        Type(d, "linesIncrement", "4");
        Type(d, "pointsIncrement", "2");
        Edit(d, "horizontalZero")->setText("-7.25");
        Edit(d, "verticalZero")->setText("1e3");
        QTest::keyClick(Check(d, "snap"), Qt::Key_Space);
        QTest::keyClick(Check(d, "displayPoints"), Qt::Key_Space);
        Press(d, QDialogButtonBox::Ok);
    }));
    const s_GridSettingsType after = Cpp_GraphicGrid::CurrentSettings();
    EXPECT_EQ(after.spacing, 2.5);
    EXPECT_EQ(after.linesIncrement, 4);
    EXPECT_EQ(after.pointsIncrement, 2);
    EXPECT_EQ(after.horizontalZero, -7.25);
    EXPECT_EQ(after.verticalZero, 1000.0);
    EXPECT_EQ(after.snap, !before.snap);
    EXPECT_EQ(after.displayPoints, !before.displayPoints);
    EXPECT_EQ(after.displayLines, before.displayLines);
    EXPECT_EQ(Cpp_GraphicGrid::Spacing(), 2.5);
}

// Cancel after typing, and Cancel after a refused number, both leave the settings as they were.
TEST_F(GridSettingsDialogTest, CancelAndRefusedNumbersChangeNothing) {
    struct Case {
        const char* field;
        QString typed;
        QString message;
    };
    const Case cases[] = {
        {"spacing", "10", ""},
        {"linesIncrement", "4.5", "Display lines every: \"4.5\" is not a whole number."},
        {"pointsIncrement", "", "Display points every: \"\" is not a whole number."},
        {"spacing", "1e999", "Grid spacing increment: \"1e999\" is not a number."},
        {"horizontalZero", "x", "Horizontal (x) grid zero: \"x\" is not a number."},
        {"verticalZero", "3 4", "Vertical (y) grid zero: \"3 4\" is not a number."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.field + std::string(" ") + c.typed.toStdString());
        const s_GridSettingsType before = Cpp_GraphicGrid::CurrentSettings();
        EXPECT_FALSE(Edit([&](dialogs::GridSettingsDialog* d) {
            QTest::keyClick(Check(d, "snap"), Qt::Key_Space);
            Edit(d, c.field)->setText(c.typed);
            if (!c.message.isEmpty()) {
                Press(d, QDialogButtonBox::Ok);
                EXPECT_TRUE(d->isVisible());
                EXPECT_FALSE(d->ErrorLabel()->isHidden());
                EXPECT_EQ(d->ErrorLabel()->text(), c.message);
            }
            Press(d, QDialogButtonBox::Cancel);
        }));
        ExpectSame(Cpp_GraphicGrid::CurrentSettings(), before);
    }
}

}  // namespace
