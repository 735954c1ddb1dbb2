// The window-bounds dialog driven through its widgets, opened through the slot the
// "Set Display Bounds ..." command uses.

#include "dialogs/window_bounds_dialog.h"
#include "graphics/graphics.h"
#include "platform/qt/modal_driver.h"
#include "support/fake_services.h"

#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {

using Record = Cpp_Graphics::WindowBoundsRecord;

class WindowBoundsDialogTest : public ::testing::Test {
protected:
    void SetUp() override { Cpp_Graphics::WindowBoundsDialogSlot().Set(&window_); }
    void TearDown() override { Cpp_Graphics::WindowBoundsDialogSlot().Reset(); }

    // Opens the dialog on the record and runs the action on the window once it is up.
    bool Run(Record& record, std::function<void(dialogs::WindowBoundsDialog*)> action) {
        bool reached = false;
        testsupport::WhenModal([&](QWidget* modal) {
            auto* dialog = qobject_cast<dialogs::WindowBoundsDialog*>(modal);
            if (!dialog) {
                modal->close();
                return;
            }
            reached = true;
            action(dialog);
        });
        const bool ok = Cpp_Graphics::WindowBoundsDialogSlot().Get().Run(record);
        EXPECT_TRUE(reached);
        return ok;
    }

    static QLineEdit* Edit(QDialog* d, const char* name) { return d->findChild<QLineEdit*>(name); }
    static void Type(QDialog* d, const char* name, const QString& text) {
        testsupport::Retype(Edit(d, name), text);
    }
    static void Press(QDialog* d, QDialogButtonBox::StandardButton which) {
        testsupport::PressButton(d, which);
    }
    static void ExpectSame(const Record& a, const Record& b) {
        EXPECT_EQ(a.xmin, b.xmin);
        EXPECT_EQ(a.xmax, b.xmax);
        EXPECT_EQ(a.ymin, b.ymin);
        EXPECT_EQ(a.ymax, b.ymax);
        EXPECT_EQ(a.mode, b.mode);
    }

    testsupport::FakeServices fakes;
    dialogs::QtWindowBounds window_;
};

// The fields open on the record with the range rule applied; a click on the other range swaps
// which maximum is enabled; typed values and the choice come back on OK.
TEST_F(WindowBoundsDialogTest, TypedBoundsComeBackOnOk) {
    Record record{-2.5, 40, 0, 25, 0};
    ASSERT_TRUE(Run(record, [&](dialogs::WindowBoundsDialog* d) {
        EXPECT_EQ(d->windowTitle(), "Window Bounds");
        EXPECT_EQ(Edit(d, "xmin")->text(), "-2.5");
        EXPECT_EQ(Edit(d, "xmax")->text(), "40");
        EXPECT_EQ(Edit(d, "ymin")->text(), "0");
        EXPECT_EQ(Edit(d, "ymax")->text(), "25");
        EXPECT_TRUE(d->findChild<QRadioButton*>("xRange")->isChecked());
        EXPECT_TRUE(Edit(d, "xmax")->isEnabled());
        EXPECT_FALSE(Edit(d, "ymax")->isEnabled());
        EXPECT_TRUE(Edit(d, "xmin")->isEnabled());
        EXPECT_TRUE(Edit(d, "ymin")->isEnabled());

        QTest::mouseClick(d->findChild<QRadioButton*>("yRange"), Qt::LeftButton);
        EXPECT_FALSE(Edit(d, "xmax")->isEnabled());
        EXPECT_TRUE(Edit(d, "ymax")->isEnabled());
        EXPECT_TRUE(Edit(d, "xmin")->isEnabled());
        EXPECT_TRUE(Edit(d, "ymin")->isEnabled());

        Type(d, "xmin", "10");
        Type(d, "ymin", "-5.25");
        Type(d, "ymax", "1e2");
        Press(d, QDialogButtonBox::Ok);
    }));
    ExpectSame(record, Record{10, 40, -5.25, 100, 1});
    EXPECT_TRUE(fakes.messageBoxes.requests.empty());
}

// Cancel after typing, and Cancel after a refused number in each field, leave the record as it
// was; the refusal names no field but keeps the bad text selected in it.
TEST_F(WindowBoundsDialogTest, CancelAndRefusedNumbersChangeNothing) {
    struct Case {
        const char* field;
        QString typed;
        bool refused;
    };
    const Case cases[] = {
        {"xmin", "7", false},    {"xmax", "4,5", true}, {"xmin", "", true},
        {"ymax", "1e999", true}, {"ymin", "3 4", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.field + std::string(" ") + c.typed.toStdString());
        fakes.messageBoxes.requests.clear();
        const Record before{1, 9, 2, 8, 1};
        Record record = before;
        EXPECT_FALSE(Run(record, [&](dialogs::WindowBoundsDialog* d) {
            // A changed range choice is dropped too (the y maximum is typed in the y range).
            if (std::string(c.field) != "ymax")
                QTest::mouseClick(d->findChild<QRadioButton*>("xRange"), Qt::LeftButton);
            Type(d, c.field, c.typed);
            if (c.refused) {
                Press(d, QDialogButtonBox::Ok);
                EXPECT_TRUE(d->isVisible());
                ASSERT_EQ(fakes.messageBoxes.requests.size(), 1u);
                EXPECT_EQ(fakes.messageBoxes.requests[0].caption, "ERROR");
                EXPECT_EQ(fakes.messageBoxes.requests[0].text, "Enter a number.");
                EXPECT_EQ(fakes.messageBoxes.requests[0].icon, platform::BoxIcon::Stop);
                EXPECT_EQ(Edit(d, c.field)->selectedText(), c.typed);
            }
            Press(d, QDialogButtonBox::Cancel);
        }));
        ExpectSame(record, before);
        if (!c.refused) {
            EXPECT_TRUE(fakes.messageBoxes.requests.empty());
        }
    }
}

}  // namespace
