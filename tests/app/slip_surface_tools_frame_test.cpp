// The circle and radius buttons in the running frame: the radius tool refuses noncircular data
// and keeps the tool that was active; the circle tool fills its bar, and leaving it keeps the
// bar's mode and radius kind with the analysis data.

#include "analysis/analysis_computation_data.h"
#include "app/application.h"
#include "app/main_frame.h"
#include "core/command_ids.h"
#include "core/cursor_mode.h"
#include "dialogs/dialog_bar_widget.h"
#include "editing/edit_modes.h"
#include "editing/noncircular_crack_bars.h"
#include "editing/noncircular_tool.h"
#include "editing/tool_dialog_bars.h"
#include "model/data_set.h"
#include "model/data_sets.h"
#include "platform/qt/modal_driver.h"
#include "support/fake_services.h"
#include "support/test_support.h"

#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

Cpp_AnalysisComputationData& Analysis() {
    return *Cpp_Kliven4Data::CurrentDataSet()->AnalysisComputationData();
}

class SlipSurfaceButtons : public ::testing::Test {
protected:
    testsupport::FakeServices fakes;
    app::MainFrame frame;
};

TEST_F(SlipSurfaceButtons, TheRadiusToolRefusesNoncircularDataAndTheModeStays) {
    frame.EnterSelectMode();
    Analysis().SetCircular(false);
    Analysis().SetMode(1);
    Analysis().SetDataDefined(true);
    frame.OnCommand(ID_ENTER_RADIUS_INFORMATION);
    ASSERT_EQ(fakes.messageBoxes.requests.size(), 1u);
    EXPECT_EQ(fakes.messageBoxes.requests[0].caption, "Notice");
    EXPECT_EQ(fakes.messageBoxes.requests[0].text,
              "Current data are for noncircular slip surfaces.  Enter data for circular slip "
              "surfaces (using the Circle Tool) before entering radius data.");
    EXPECT_EQ(frame.GetEditMode(), EditModeSelect);

    Analysis().SetCircular(true);
    Analysis().SetMode(1);
    fakes.messageBoxes.requests.clear();
    frame.OnCommand(ID_ENTER_RADIUS_INFORMATION);
    EXPECT_TRUE(fakes.messageBoxes.requests.empty());
    EXPECT_EQ(frame.GetEditMode(), EditModeRadius);
    EXPECT_EQ(fakes.statusLine.Text(), "Enter how radius of circle defined");
}

TEST_F(SlipSurfaceButtons, TheCircleToolFillsItsBarAndLeavingItKeepsTheBarsModeAndRadiusKind) {
    frame.EnterSelectMode();
    Analysis().SetMode(1);
    Analysis().SetDataDefined(true);
    Analysis().SetCircleCenter(12, 34);
    Analysis().SetRadiusOption(0);
    Analysis().SetRadius(8);
    frame.OnCommand(ID_ENTER_CIRCULAR_SLIP_SURFACE);
    EXPECT_TRUE(fakes.messageBoxes.requests.empty());
    EXPECT_EQ(frame.GetEditMode(), EditModeCircle);
    EXPECT_EQ(fakes.statusLine.Text(), "Left-click to enter center point for circle");
    int mode = 0, kind = 0;
    bool irregular = false;
    double x = 0, y = 0, first = 0, second = 0;
    CmDialogBarCircleTool& bar = TheToolBars().circle;
    ASSERT_TRUE(bar.GetCircleData(mode, x, y, kind, irregular, first, second));
    EXPECT_EQ(mode, 1);
    EXPECT_EQ(x, 12.0);
    EXPECT_EQ(y, 34.0);
    EXPECT_EQ(kind, 0);
    EXPECT_EQ(first, 8.0);

    bar.Controls().SetIndex(CmDialogBarCircleTool::IdMode, 1);
    bar.Controls().SetIndex(CmDialogBarCircleTool::IdRadius, 1);
    frame.EnterSelectMode();
    EXPECT_EQ(Analysis().GetMode(), 3);
    EXPECT_EQ(Analysis().GetRadiusOption(), 1);
}

class SlipSurfaceOptions : public ::testing::Test {
protected:
    SlipSurfaceOptions() { setenv("XDG_CONFIG_HOME", config.Path().c_str(), 1); }
    ~SlipSurfaceOptions() override { unsetenv("XDG_CONFIG_HOME"); }
    testsupport::TempDir config;
    app::Application program{{"dravonet"}};
};

// "Options" of the circle bar in the fixed-grid mode: OK (Enter) keeps the typed counts, Cancel
// (Escape) changes nothing.
TEST_F(SlipSurfaceOptions, TheCircleBarsOptionsEditTheFixedGridCounts) {
    app::MainFrame& frame = program.Frame();
    frame.show();
    frame.InitialUpdate();
    Analysis().SetMode(4);
    Analysis().SetDataDefined(true);
    Cpp_AnalysisComputationData::ToolFlags()[1] = true;  // the first-use window was shown
    frame.OnCommand(ID_ENTER_CIRCULAR_SLIP_SURFACE);
    ASSERT_EQ(frame.GetEditMode(), EditModeCircle);
    EXPECT_EQ(Analysis().GetFixedSearchGrid().PointsAcross(), 7);
    auto* options =
        frame.DialogBarWindow(app::BarCircle)
            ->findChild<QPushButton*>(QString("c%1").arg(CmDialogBarCircleTool::IdOptions));
    ASSERT_NE(options, nullptr);
    QString title;
    testsupport::WhenModal([&](QWidget* modal) {
        title = modal->windowTitle();
        auto* across = modal->findChild<QLineEdit*>("c2150");
        across->selectAll();
        QTest::keyClicks(across, "5");
        auto* up = modal->findChild<QLineEdit*>("c2152");
        up->selectAll();
        QTest::keyClicks(up, "4");
        QTest::keyClick(up, Qt::Key_Return);
    });
    QTest::mouseClick(options, Qt::LeftButton);
    EXPECT_EQ(title, "Options for \"Fixed Grid\" Search with Circles");
    EXPECT_EQ(Analysis().GetFixedSearchGrid().PointsAcross(), 5);
    EXPECT_EQ(Analysis().GetFixedSearchGrid().PointsUp(), 4);

    testsupport::WhenModal([&](QWidget* modal) {
        auto* across = modal->findChild<QLineEdit*>("c2150");
        across->selectAll();
        QTest::keyClicks(across, "9");
        QTest::keyClick(across, Qt::Key_Escape);
    });
    QTest::mouseClick(options, Qt::LeftButton);
    EXPECT_EQ(Analysis().GetFixedSearchGrid().PointsAcross(), 5);
    frame.Doc().SetModifiedFlag(false);
    frame.close();
}

// The string table is the program's: the prompts read from it need the application.
class SlipSurfaceOnProgram : public SlipSurfaceOptions {
protected:
    testsupport::FakeServices fakes;
};

// The noncircular button loads its bar from the analysis data; leaving the tool stores the bar's
// mode (individual surface or search) and drops a surface being entered.
TEST_F(SlipSurfaceOnProgram, LeavingTheNoncircularToolStoresTheBarsModeAndDropsAnEntry) {
    app::MainFrame& frame = program.Frame();
    frame.EnterSelectMode();
    Analysis().SetCircular(false);
    Analysis().SetMode(1);
    Analysis().SetDataDefined(true);
    // The tool's first use shows its options window.
    QString title;
    testsupport::WhenModal([&](QWidget* modal) {
        title = modal->windowTitle();
        static_cast<QDialog*>(modal)->reject();
    });
    frame.OnCommand(ID_ENTER_NONCIRCULAR_SLIP_SURFACE);
    EXPECT_EQ(title, "Noncircular Slip Surface Data Options");
    EXPECT_TRUE(fakes.messageBoxes.requests.empty());
    ASSERT_EQ(frame.GetEditMode(), EditModeNoncircular);
    EXPECT_EQ(fakes.statusLine.Text(),
              "Left-click to begin entering noncircular shear surface points");
    CmDialogBarNoncircularTool& bar = TheToolBars().noncircular;
    EXPECT_EQ(bar.GetMode(), 1);
    bar.Controls().SetIndex(CmDialogBarNoncircularTool::IdMode, 1);  // the search
    ASSERT_TRUE(Cpp_NoncircularTool::StartNoncircularEntry(
        10, 10, 5, 5, false, Cpp_Kliven4Data::CurrentDataSet()->SlopeGeometry()));
    EXPECT_EQ(fakes.statusLine.Text(),
              "Left-click or Enter key to enter points; Backspace to undo last; Right-click to "
              "finish; Escape to cancel.");
    frame.EnterSelectMode();
    EXPECT_EQ(frame.GetEditMode(), EditModeSelect);
    EXPECT_EQ(Analysis().GetMode(), 3);
    EXPECT_FALSE(Cpp_NoncircularTool::IsEntering());
    EXPECT_FALSE(Analysis().GetNoncircularPointList().HasPoints());
    EXPECT_EQ(GetCursorMode(), 0);
    frame.Doc().SetModifiedFlag(false);
}

}  // namespace
