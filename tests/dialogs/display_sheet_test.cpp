// The "Display Selections" sheet driven through its widgets: from the "Selections ..." command,
// and through the display selections' opener with interpolation rows.

#include "app/application.h"
#include "app/main_frame.h"
#include "core/dialog_slot.h"
#include "core/file_io.h"
#include "dialogs/display_sheet.h"
#include "model/data_set.h"
#include "model/data_sets.h"
#include "platform/qt/modal_driver.h"
#include "platform/services.h"
#include "registry/display_selections.h"
#include "support/test_support.h"

#include <QApplication>
#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <QTreeWidget>
#include <gtest/gtest.h>

#include <cstdlib>

namespace {

using dialogs::DisplaySheetDialog;
using dialogs::InterpolationDisplayDialog;

class DisplaySheetTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetDialogSlots();
        Cpp_DisplaySelections::Reset();
        Cpp_DisplaySelections::SheetSlot().Set(&sheet);
    }
    void TearDown() override {
        ResetDialogSlots();
        Cpp_DisplaySelections::Reset();
    }
    bool Edit(s_DisplayFlagsType* flags, std::vector<InterpolationDisplayType>* rows,
              std::function<void(DisplaySheetDialog&)> action) {
        testsupport::WhenModal([action](QWidget* modal) {
            auto* dialog = qobject_cast<DisplaySheetDialog*>(modal);
            ASSERT_NE(dialog, nullptr);
            action(*dialog);
            if (dialog->isVisible()) dialog->reject();
        });
        return Cpp_DisplaySelections::EditDisplaySelections(flags, rows);
    }
    dialogs::QtDisplaySheet sheet;
};

// Each box shows its flag and gives it back on OK only; "Set All" of "Input Geometry" leaves
// the coordinate boxes as they were.
TEST_F(DisplaySheetTest, BoxesShowTheirFlagsAndSetAllLeavesTheCoordinates) {
    s_DisplayFlagsType flags;
    flags.profileCoordinates = false;
    flags.piezometricCoordinates[1] = true;
    flags.loadShear[1] = false;
    flags.reinforcement[3] = false;
    flags.searchGrid = false;
    flags.slopeGeometry[1] = false;
    flags.materialFill = false;
    const s_DisplayFlagsType before = flags;
    for (bool ok : {false, true}) {
        SCOPED_TRACE(ok ? "OK" : "Cancel");
        EXPECT_EQ(Edit(&flags, nullptr,
                       [&](DisplaySheetDialog& d) {
                           EXPECT_EQ(d.windowTitle(), "Display Selections");
                           ASSERT_EQ(d.Pages()->count(), 3);
                           EXPECT_EQ(d.Pages()->tabText(0), "Input Geometry");
                           EXPECT_EQ(d.Pages()->tabText(1), "Interpolation Data");
                           EXPECT_EQ(d.Pages()->tabText(2), "Analysis/Computation Data");
                           QCheckBox* shear2 =
                               d.Box(0, "Distributed Loads - Stage 2", "Shear (Tangential) Stress");
                           QCheckBox* piezoCoords2 =
                               d.Box(0, "Piezometric Line - Stage 2", "Point coordinates");
                           QCheckBox* profileCoords =
                               d.Box(0, "Profile Lines", "Profile point coordinates");
                           QCheckBox* reinforcementPoints =
                               d.Box(0, "Reinforcement", "Reinforcement points");
                           ASSERT_TRUE(shear2 && piezoCoords2 && profileCoords &&
                                       reinforcementPoints);
                           EXPECT_FALSE(shear2->isChecked());
                           EXPECT_TRUE(piezoCoords2->isChecked());
                           EXPECT_FALSE(profileCoords->isChecked());
                           EXPECT_FALSE(reinforcementPoints->isChecked());
                           d.SetAllButton(0)->click();
                           EXPECT_TRUE(shear2->isChecked());
                           EXPECT_TRUE(reinforcementPoints->isChecked());
                           EXPECT_FALSE(profileCoords->isChecked());
                           EXPECT_TRUE(piezoCoords2->isChecked());
                           d.Pages()->setCurrentIndex(2);
                           QCheckBox* grid = d.Box(2, "Analysis/Computation", "Search grid");
                           QCheckBox* crackWater =
                               d.Box(2, "Analysis/Computation", "Crack water information");
                           ASSERT_TRUE(grid && crackWater);
                           EXPECT_FALSE(grid->isChecked());
                           EXPECT_FALSE(crackWater->isChecked());
                           grid->click();
                           QTest::keyClick(grid, ok ? Qt::Key_Return : Qt::Key_Escape);
                       }),
                  ok);
        s_DisplayFlagsType expected = before;
        if (ok) {
            expected.loadShear[1] = true;
            expected.reinforcement[3] = true;
            expected.searchGrid = true;
        }
        EXPECT_EQ(flags, expected);
    }
}

// The contours and triangles of a stage are one flag shown in each interpolation group: the
// boxes move together, and the radio group gives the designated-materials switch.
TEST_F(DisplaySheetTest, InterpolationPageFlags) {
    s_DisplayFlagsType flags;
    flags.contours[1] = false;
    flags.ruPoints[0] = false;
    EXPECT_TRUE(Edit(&flags, nullptr, [](DisplaySheetDialog& d) {
        d.Pages()->setCurrentIndex(1);
        QCheckBox* ru = d.Box(1, "R-sub-u Values - Stage 1", "Points");
        QCheckBox* pressureContours2 = d.Box(1, "Pressure Values - Stage 2", "Contours");
        QCheckBox* strengthContours2 =
            d.Box(1, "Undrained Shear Strength Values - Stage 2", "Contours");
        ASSERT_TRUE(ru && pressureContours2 && strengthContours2);
        EXPECT_FALSE(ru->isChecked());
        EXPECT_FALSE(strengthContours2->isChecked());
        pressureContours2->click();
        EXPECT_TRUE(strengthContours2->isChecked());
        d.ClearAllButton(1)->click();
        ru->click();
        d.AppliesToDesignated(0)->click();
        d.accept();
    }));
    EXPECT_TRUE(flags.ruPoints[0]);
    EXPECT_FALSE(flags.pressurePoints[0]);
    EXPECT_FALSE(flags.contours[1]);
    EXPECT_FALSE(flags.triangles[0]);
    EXPECT_TRUE(flags.designatedMaterials[0]);
    EXPECT_FALSE(flags.designatedMaterials[1]);
}

// Only stage 1 has designated materials to list: its "Designate" works, stage 2's is disabled
// and a click on it opens nothing.
TEST_F(DisplaySheetTest, OnlyTheStageOneDesignateButtonIsOffered) {
    std::vector<InterpolationDisplayType> rows = {{3, 1, true}};
    EXPECT_FALSE(Edit(nullptr, &rows, [](DisplaySheetDialog& d) {
        d.Pages()->setCurrentIndex(1);
        EXPECT_TRUE(d.DesignateButton(0)->isEnabled());
        EXPECT_FALSE(d.DesignateButton(1)->isEnabled());
        QTest::mouseClick(d.DesignateButton(1), Qt::LeftButton);
        EXPECT_EQ(QApplication::activeModalWidget(), &d);
        d.reject();
    }));
    EXPECT_TRUE(rows[0].display);
}

// Two stage-1 strength sets (materials 1 and 3) and a pressure set: "Designate" lists the two;
// clearing the second row and OK switches off only material 3's set. A Cancel of the sheet
// keeps every row.
TEST_F(DisplaySheetTest, DesignateSwitchesSingleStrengthSets) {
    for (bool sheetOk : {false, true}) {
        SCOPED_TRACE(sheetOk ? "sheet OK" : "sheet Cancel");
        std::vector<InterpolationDisplayType> rows = {{3, 1, true}, {1, 2, true}, {3, 3, true}};
        EXPECT_EQ(Edit(nullptr, &rows,
                       [&](DisplaySheetDialog& d) {
                           d.Pages()->setCurrentIndex(1);
                           testsupport::WhenModal([](QWidget* modal) {
                               auto* list = qobject_cast<InterpolationDisplayDialog*>(modal);
                               ASSERT_NE(list, nullptr);
                               EXPECT_EQ(list->windowTitle(),
                                         "Select Interpolation Data Sets for Display");
                               QTreeWidget* t = list->List();
                               ASSERT_EQ(t->topLevelItemCount(), 2);
                               EXPECT_EQ(t->topLevelItem(0)->text(0), "1");
                               EXPECT_EQ(t->topLevelItem(1)->text(0), "3");
                               EXPECT_EQ(t->topLevelItem(1)->text(1), "YES");
                               EXPECT_TRUE(list->DisplaySelection()->isChecked());
                               list->DisplaySelection()->click();  // no row selected: nothing
                               EXPECT_EQ(t->topLevelItem(0)->text(1), "YES");
                               t->setCurrentItem(t->topLevelItem(1));
                               list->DisplaySelection()->click();
                               EXPECT_EQ(t->topLevelItem(1)->text(1), "NO");
                               EXPECT_EQ(t->topLevelItem(0)->text(1), "YES");
                               list->accept();
                           });
                           d.DesignateButton(0)->click();
                           if (sheetOk) d.accept();
                       }),
                  sheetOk);
        EXPECT_TRUE(rows[0].display);
        EXPECT_TRUE(rows[1].display);
        EXPECT_EQ(rows[2].display, !sheetOk);
    }
}

// The "Selections ..." command of the running program opens the registered sheet on the
// default flags (no data set); Cancel says nothing.
TEST(DisplaySheetCommand, SelectionsOpensTheSheet) {
    ResetDialogSlots();
    Cpp_DisplaySelections::Reset();
    testsupport::TempDir config;
    setenv("XDG_CONFIG_HOME", config.Path().c_str(), 1);
    {
        app::Application program({"dravonet"});
        app::MainFrame& frame = program.Frame();
        frame.InitialUpdate();
        for (bool ok : {false, true}) {
            platform::Services().StatusLine().SetText("");
            testsupport::WhenModal([ok](QWidget* modal) {
                auto* d = qobject_cast<DisplaySheetDialog*>(modal);
                ASSERT_NE(d, nullptr);
                QCheckBox* lines = d->Box(0, "Profile Lines", "Profile lines");
                ASSERT_NE(lines, nullptr);
                lines->click();
                QTest::keyClick(lines, ok ? Qt::Key_Enter : Qt::Key_Escape);
            });
            frame.OnCommand(32934);
            Cpp_Kliven4DataSet* dataSet = Cpp_Kliven4Data::CurrentDataSetOrNull();
            const s_DisplayFlagsType& shown =
                dataSet ? dataSet->DisplayFlags() : Cpp_DisplaySelections::Defaults();
            EXPECT_EQ(shown.profileLines, !ok);
            EXPECT_EQ(platform::Services().StatusLine().Text(), "");
        }
        frame.Doc().SetModifiedFlag(false);
        frame.close();
    }
    ResetDialogSlots();
    Cpp_DisplaySelections::Reset();
    Cpp_FileIO::ResetForTests();
    unsetenv("XDG_CONFIG_HOME");
}

}  // namespace
