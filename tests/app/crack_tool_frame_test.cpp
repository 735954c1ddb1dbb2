// The crack tools in the running frame: their buttons refuse without primary analysis data and
// start the tool with them, and "Options" of the crack bar opens the wheel-step window.

#include "analysis/analysis_computation_data.h"
#include "app/application.h"
#include "app/main_frame.h"
#include "core/command_ids.h"
#include "dialogs/dialog_bar_widget.h"
#include "editing/crack_tool.h"
#include "editing/edit_modes.h"
#include "editing/tool_dialog_bars.h"
#include "model/data_set.h"
#include "model/data_sets.h"
#include "platform/qt/modal_driver.h"
#include "support/fake_services.h"
#include "support/test_support.h"

#include <QDockWidget>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <gtest/gtest.h>

#include <cstdlib>

namespace {

Cpp_AnalysisComputationData& Analysis() {
    return *Cpp_Kliven4Data::CurrentDataSet()->AnalysisComputationData();
}

class CrackButtons : public ::testing::Test {
protected:
    testsupport::FakeServices fakes;
    app::MainFrame frame;
};

TEST_F(CrackButtons, RefuseWithoutPrimaryAnalysisDataAndStartTheToolWithThem) {
    frame.EnterSelectMode();
    Analysis().SetDataDefined(false);
    for (int id : {ID_ENTER_TENSION_CRACK, ID_ENTER_WATER_IN_CRACK}) {
        fakes.messageBoxes.requests.clear();
        frame.OnCommand(id);
        ASSERT_EQ(fakes.messageBoxes.requests.size(), 1u);
        EXPECT_EQ(fakes.messageBoxes.requests[0].caption, "Halt - Not Ready for This Input");
        EXPECT_EQ(fakes.messageBoxes.requests[0].text,
                  "There are no primary Analysis/Computation data - Enter primary data first.");
        EXPECT_EQ(frame.GetEditMode(), EditModeSelect);
    }

    Analysis().SetDataDefined(true);
    Analysis().GetCrack().SetCrackOption(1);
    Analysis().GetCrack().SetCrackConstant(3.5);
    fakes.messageBoxes.requests.clear();
    frame.OnCommand(ID_ENTER_TENSION_CRACK);
    EXPECT_TRUE(fakes.messageBoxes.requests.empty());
    EXPECT_EQ(frame.GetEditMode(), EditModeCrack);
    EXPECT_EQ(frame.ToolBarOption(app::BarCrack), 1);
    int kind = 0;
    double x = 0, value = 0, unitWeight = 0;
    ASSERT_TRUE(TheToolBars().crack.GetCrackData(kind, x, value, unitWeight));
    EXPECT_EQ(kind, 1);
    EXPECT_EQ(value, 3.5);
    EXPECT_EQ(fakes.statusLine.Text(), "Type crack depth and press Enter key to enter depth.");

    frame.OnCommand(ID_ENTER_WATER_IN_CRACK);
    EXPECT_EQ(frame.GetEditMode(), EditModeCrackWater);
    EXPECT_EQ(fakes.statusLine.Text(), "Type water depth and press Enter key to enter depth.");
}

// Regression: after the refusal the tension-crack button stayed drawn pressed, so the bar showed
// a tool that was not current. The buttons of the real tool bar, clicked with the mouse, show
// the mode that is current once the refusal's box is answered; with analysis data the button
// takes the tool and stays pressed.
TEST_F(CrackButtons, ARefusedButtonIsNotLeftPressed) {
    frame.show();
    frame.EnterSelectMode();
    const auto button = [&](int id) {
        return qobject_cast<QToolButton*>(frame.MainToolBar()->widgetForAction(frame.Action(id)));
    };
    ASSERT_NE(button(ID_ENTER_TENSION_CRACK), nullptr);
    Analysis().SetDataDefined(false);
    for (int id : {ID_ENTER_TENSION_CRACK, ID_ENTER_WATER_IN_CRACK}) {
        fakes.messageBoxes.requests.clear();
        QTest::mouseClick(button(id), Qt::LeftButton);
        EXPECT_EQ(fakes.messageBoxes.Texts(),
                  std::vector<std::string>{
                      "There are no primary Analysis/Computation data - Enter primary data "
                      "first."});
        EXPECT_EQ(frame.GetEditMode(), EditModeSelect);
        EXPECT_FALSE(button(id)->isChecked()) << id;
        EXPECT_FALSE(frame.Action(id)->isChecked()) << id;
        EXPECT_TRUE(button(ID_SELECT_ITEMS)->isChecked()) << id;
    }

    Analysis().SetDataDefined(true);
    QTest::mouseClick(button(ID_ENTER_TENSION_CRACK), Qt::LeftButton);
    EXPECT_EQ(frame.GetEditMode(), EditModeCrack);
    EXPECT_TRUE(button(ID_ENTER_TENSION_CRACK)->isChecked());
    EXPECT_FALSE(button(ID_SELECT_ITEMS)->isChecked());
    // A second click on the current tool's button leaves it current and pressed.
    QTest::mouseClick(button(ID_ENTER_TENSION_CRACK), Qt::LeftButton);
    EXPECT_EQ(frame.GetEditMode(), EditModeCrack);
    EXPECT_TRUE(button(ID_ENTER_TENSION_CRACK)->isChecked());
}

class CrackOptions : public ::testing::Test {
protected:
    CrackOptions() { setenv("XDG_CONFIG_HOME", config.Path().c_str(), 1); }
    ~CrackOptions() override { unsetenv("XDG_CONFIG_HOME"); }
    testsupport::TempDir config;
    app::Application program{{"dravonet"}};
};

// "Options" of the crack bar: the window shows the step, OK keeps the typed one, Cancel
// (Escape) the old.
TEST_F(CrackOptions, TheOptionsButtonEditsTheWheelStep) {
    app::MainFrame& frame = program.Frame();
    frame.show();
    frame.InitialUpdate();
    Analysis().SetDataDefined(true);
    frame.OnCommand(ID_ENTER_TENSION_CRACK);
    auto* options = frame.DialogBarWindow(app::BarCrack)->findChild<QPushButton*>("c2236");
    ASSERT_NE(options, nullptr);
    QString title, shown;
    testsupport::WhenModal([&](QWidget* modal) {
        title = modal->windowTitle();
        auto* step = modal->findChild<QLineEdit*>("c2238");
        shown = step->text();
        step->selectAll();
        QTest::keyClicks(step, "0.25");
        QTest::keyClick(step, Qt::Key_Return);
    });
    QTest::mouseClick(options, Qt::LeftButton);
    EXPECT_EQ(title, "Crack Tool Options");
    EXPECT_EQ(shown.toDouble(), 1.0);
    EXPECT_EQ(Cpp_CrackTool::WheelStep(), 0.25);

    testsupport::WhenModal([&](QWidget* modal) {
        auto* step = modal->findChild<QLineEdit*>("c2238");
        step->selectAll();
        QTest::keyClicks(step, "9");
        QTest::keyClick(step, Qt::Key_Escape);
    });
    QTest::mouseClick(options, Qt::LeftButton);
    EXPECT_EQ(Cpp_CrackTool::WheelStep(), 0.25);
    frame.Doc().SetModifiedFlag(false);
    frame.close();
}

}  // namespace
