// "Layout Information for Nails" driven through its widgets, opened by the nail data's opener as
// its command opens it.

#include "dialogs/choice_dialogs.h"
#include "dialogs/nail_geogrid_windows.h"
#include "dialogs/nail_layout_sheet.h"
#include "loads/nail_data.h"
#include "loads/nail_geogrid_dialogs.h"
#include "platform/qt/modal_driver.h"
#include "support/fake_services.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <gtest/gtest.h>

#include <functional>

namespace {

using dialogs::NailLayoutSheet;

class NailLayoutSheetTest : public ::testing::Test {
protected:
    void SetUp() override {
        NailGeogridDialogsSlot().Set(&windows_);
        Cpp_NailProperties type;
        type.name = "Bar 25";
        nails.Properties().push_back(type);
        type.name = "Bar 32";
        nails.Properties().push_back(type);
    }
    void TearDown() override { NailGeogridDialogsSlot().Reset(); }

    // Opens the sheet and runs the action on it once it is up.
    bool Run(std::function<void(NailLayoutSheet*)> action) {
        bool reached = false;
        testsupport::WhenModal([&](QWidget* modal) {
            auto* sheet = qobject_cast<NailLayoutSheet*>(modal);
            if (!sheet) {
                modal->close();
                return;
            }
            reached = true;
            action(sheet);
            if (sheet->isVisible()) sheet->reject();
        });
        const bool ok = nails.ShowLayoutInformation();
        EXPECT_TRUE(reached);
        return ok;
    }
    static QLineEdit* Edit(QWidget* page, const char* name) {
        return page->findChild<QLineEdit*>(name);
    }
    static void Type(QWidget* page, const char* name, const QString& text) {
        testsupport::Retype(Edit(page, name), text);
    }
    static QComboBox* Combo(QWidget* page, const char* name) {
        return page->findChild<QComboBox*>(name);
    }
    // Fills the first page as a layout by both elevations and a spacing.
    static void ByElevationsAndSpacing(QWidget* page, const QString& spacing) {
        Combo(page, "type")->setCurrentIndex(1);
        Combo(page, "option")->setCurrentIndex(3);
        Type(page, "topY", "20");
        Type(page, "topDistance", "1");
        Type(page, "bottomY", "0");
        Type(page, "bottomDistance", "1");
        Type(page, "verticalSpacing", spacing);
    }

    testsupport::FakeServices fakes;
    dialogs::QtNailGeogridDialogs windows_;
    Cpp_NailData nails;
};

TEST_F(NailLayoutSheetTest, PagesFollowTheTypeAndTheOption) {
    EXPECT_FALSE(Run([](NailLayoutSheet* sheet) {
        EXPECT_EQ(sheet->windowTitle(), "Layout Information for Nails");
        ASSERT_EQ(sheet->Tabs()->count(), 8);
        EXPECT_EQ(sheet->Tabs()->tabText(0), "Layout 1");
        EXPECT_EQ(sheet->Tabs()->tabText(7), "Layout 8");
        QWidget* page = sheet->Page(0);
        QComboBox* type = Combo(page, "type");
        ASSERT_EQ(type->count(), 3);
        EXPECT_EQ(type->itemText(0), "No bar type - Layout not used.");
        EXPECT_EQ(type->itemText(2), "Bar 32");
        // No type: everything but the type is grey.
        for (const char* name :
             {"horizontalSpacing", "number", "verticalSpacing", "topY", "topDistance", "bottomY",
              "bottomDistance", "length", "inclination"})
            EXPECT_FALSE(Edit(page, name)->isEnabled()) << name;
        EXPECT_FALSE(Combo(page, "option")->isEnabled());
        type->setCurrentIndex(1);
        // Which fields each option enters: number, top y, top distance, bottom y, bottom
        // distance, vertical spacing.
        const struct {
            int option;
            bool fields[6];
        } rows[] = {
            {0, {true, true, true, false, false, true}},
            {1, {true, false, false, true, true, true}},
            {2, {true, true, true, true, true, false}},
            {3, {false, true, true, true, true, true}},
        };
        const char* names[] = {"number",  "topY",           "topDistance",
                               "bottomY", "bottomDistance", "verticalSpacing"};
        for (const auto& row : rows) {
            Combo(page, "option")->setCurrentIndex(row.option);
            for (int i = 0; i < 6; ++i)
                EXPECT_EQ(Edit(page, names[i])->isEnabled(), row.fields[i])
                    << "option " << row.option << " " << names[i];
        }
        EXPECT_TRUE(Edit(page, "horizontalSpacing")->isEnabled());
        page->findChild<QCheckBox*>("sameAsVertical")->click();
        EXPECT_FALSE(Edit(page, "horizontalSpacing")->isEnabled());
    }));
}

// Spacing 1.5 fits 13 nails between 19 and 1; spacing 4 fits none and offers 5 or 6.
TEST_F(NailLayoutSheetTest, ASpacingThatFitsNoWholeNumberOfNailsIsAdjusted) {
    EXPECT_TRUE(Run([](NailLayoutSheet* sheet) {
        QWidget* page = sheet->Page(0);
        ByElevationsAndSpacing(page, "1.5");
        sheet->Tabs()->setCurrentIndex(1);
        EXPECT_EQ(sheet->Tabs()->currentIndex(), 1);
        sheet->Tabs()->setCurrentIndex(0);
        Type(page, "verticalSpacing", "4");
        QString message, first, second;
        testsupport::WhenModal([&](QWidget* modal) {
            auto* ask = qobject_cast<dialogs::CmTwoButtonDialog*>(modal);
            ASSERT_NE(ask, nullptr);
            message = ask->MessageText;
            first = ask->Button1Text;
            second = ask->Button2Text;
            ask->done(1);
        });
        sheet->accept();
        EXPECT_EQ(message, "Vertical spacing results in a non-integer number of nails.  Choose an "
                           "integer number of nails from below and the vertical spacng will be "
                           "adjusted accordingly.");
        EXPECT_EQ(first, "5 Nails");
        EXPECT_EQ(second, "6 Nails");
        EXPECT_TRUE(sheet->isVisible());
        EXPECT_EQ(Edit(page, "verticalSpacing")->text(), "4.5");
        EXPECT_EQ(Edit(page, "number")->text(), "5");
        sheet->accept();  // 18 / 4.5 + 1 = 5: the page is left
    }));
    const Cpp_NailLayout& layout = nails.Layouts()[0];
    EXPECT_EQ(layout.propertySet, 1);
    EXPECT_EQ(layout.verticalOption, Cpp_NailLayout::ByTopBottomSpacing);
    EXPECT_EQ(layout.verticalSpacing, 4.5);
    EXPECT_EQ(layout.numberOfNails, 5);
    EXPECT_EQ(layout.topOfSlope, 20.0);
}

TEST_F(NailLayoutSheetTest, RefusedValuesKeepThePageOpen) {
    const struct {
        const char* field;
        const char* text;
        const char* message;
    } cases[] = {
        {"verticalSpacing", "0", "Error - Vertical spacing not allowed"},
        {"inclination", "95", "Enter a number between 0 and 90."},
        {"inclination", "-1", "Enter a number between 0 and 90."},
        {"length", "ten", "Enter a number."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        fakes.messageBoxes.requests.clear();
        EXPECT_FALSE(Run([&](NailLayoutSheet* sheet) {
            QWidget* page = sheet->Page(0);
            ByElevationsAndSpacing(page, "1.5");
            Type(page, c.field, c.text);
            sheet->Tabs()->setCurrentIndex(2);
            EXPECT_EQ(sheet->Tabs()->currentIndex(), 0);
            sheet->accept();
            EXPECT_TRUE(sheet->isVisible());
        }));
        ASSERT_EQ(fakes.messageBoxes.requests.size(), 2u);  // the page change, then OK
        EXPECT_EQ(fakes.messageBoxes.requests[0].text, c.message);
        EXPECT_EQ(fakes.messageBoxes.requests[0].caption, "ERROR");
        EXPECT_EQ(nails.Layouts()[0].propertySet, 0);
    }
}

// "Same as vertical spacing" stores a horizontal spacing of 0 with the flag; a page set back to
// no type keeps its slot's values but leaves it unused.
TEST_F(NailLayoutSheetTest, OkStoresEveryPage) {
    Cpp_NailLayout& second = nails.Layouts()[1];
    second.propertySet = 2;
    second.nailLength = 7;
    second.facing = 1;
    EXPECT_TRUE(Run([](NailLayoutSheet* sheet) {
        QWidget* page = sheet->Page(0);
        ByElevationsAndSpacing(page, "1.5");
        Type(page, "horizontalSpacing", "3");
        page->findChild<QCheckBox*>("sameAsVertical")->click();
        page->findChild<QRadioButton*>("right")->click();
        Combo(page, "unit")->setCurrentIndex(4);
        QWidget* other = sheet->Page(1);
        EXPECT_EQ(Combo(other, "type")->currentIndex(), 2);
        EXPECT_TRUE(other->findChild<QRadioButton*>("right")->isChecked());
        EXPECT_EQ(Edit(other, "length")->text(), "7");
        Combo(other, "type")->setCurrentIndex(0);
        QTest::keyClick(Edit(page, "length"), Qt::Key_Enter);
    }));
    const Cpp_NailLayout& first = nails.Layouts()[0];
    EXPECT_TRUE(first.sameAsVertical);
    EXPECT_EQ(first.horizontalSpacing, 0.0);
    EXPECT_EQ(first.facing, 1);
    EXPECT_EQ(first.dialogLengthUnit, 4);
    EXPECT_EQ(second.propertySet, 0);
    EXPECT_EQ(second.nailLength, 7.0);
}

}  // namespace
