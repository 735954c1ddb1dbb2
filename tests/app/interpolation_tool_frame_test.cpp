// The interpolation-point tools in the running frame: their buttons start the tool of their
// kind, leaving the tool ends it, "Show Point Values" switches the value labels and redraws, and
// "Options" of the bar opens the tool's option window.

#include "app/application.h"
#include "app/main_frame.h"
#include "core/command_ids.h"
#include "dialogs/dialog_bar_widget.h"
#include "editing/interpolation_tool.h"
#include "editing/tool_dialog_bars.h"
#include "model/data_set.h"
#include "model/data_sets.h"
#include "platform/qt/modal_driver.h"
#include "support/test_support.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include <cstdlib>

namespace {

class InterpolationFrame : public ::testing::Test {
protected:
    InterpolationFrame() { setenv("XDG_CONFIG_HOME", config.Path().c_str(), 1); }
    ~InterpolationFrame() override { unsetenv("XDG_CONFIG_HOME"); }
    testsupport::TempDir config;
    app::Application program{{"dravonet"}};
};

TEST_F(InterpolationFrame, ButtonsStartTheToolOfTheirKindAndShowPointValuesSwitchesTheLabels) {
    app::MainFrame& frame = program.Frame();
    frame.show();
    frame.InitialUpdate();
    for (auto [id, kind] : {std::pair{ID_ENTER_PRESSURE_INTERPOLATION_POINTS, 1},
                            {ID_ENTER_RSUBU_INTERPOLATION_POINTS, 2},
                            {ID_ENTER_STRENGTH_INTERPOLATION_POINTS, 3}}) {
        frame.OnCommand(id);
        EXPECT_TRUE(Cpp_InterpolationTool::IsActive());
        EXPECT_EQ(Cpp_InterpolationTool::Kind(), kind);
        EXPECT_EQ(TheToolBars().interpolation.GetInterpolationKind(), kind);
    }
    frame.OnCommand(ID_ENTER_PROFILE_LINES);
    EXPECT_FALSE(Cpp_InterpolationTool::IsActive());

    frame.OnCommand(ID_ENTER_PRESSURE_INTERPOLATION_POINTS);
    const bool& shown = Cpp_Kliven4Data::CurrentDataSet()->DisplayFlags().interpolationValues[0];
    const bool before = shown;
    frame.OnCommand(ID_SHOW_POINT_VALUES);
    EXPECT_NE(shown, before);
    frame.UpdateCommandStates();
    EXPECT_EQ(frame.Commands().Find(ID_SHOW_POINT_VALUES)->checked(frame), shown);
    EXPECT_FALSE(frame.Commands().IsEnabled(frame, ID_SHOW_COORDINATES));
    frame.OnCommand(ID_SHOW_POINT_VALUES);
    EXPECT_EQ(shown, before);
    frame.Doc().SetModifiedFlag(false);
    frame.close();
}

// "Options" of the bar: the window shows the wheel step of pressures; OK keeps the typed one.
TEST_F(InterpolationFrame, TheOptionsButtonEditsTheStepOfTheToolKind) {
    app::MainFrame& frame = program.Frame();
    frame.show();
    frame.InitialUpdate();
    frame.OnCommand(ID_ENTER_PRESSURE_INTERPOLATION_POINTS);
    auto* options = frame.DialogBarWindow(app::BarInterpolation)->findChild<QPushButton*>("c1996");
    ASSERT_NE(options, nullptr);
    QString title, shown;
    testsupport::WhenModal([&](QWidget* modal) {
        title = modal->windowTitle();
        auto* step = modal->findChild<QLineEdit*>("c1999");
        shown = step->text();
        step->selectAll();
        QTest::keyClicks(step, "25");
        testsupport::PressButton(modal, QDialogButtonBox::Ok);
    });
    QTest::mouseClick(options, Qt::LeftButton);
    EXPECT_EQ(title, "Interpolation Data Entry Options");
    EXPECT_EQ(shown.toDouble(), 10.0);
    EXPECT_EQ(Cpp_InterpolationTool::WheelStep(1, false), 25.0);
    EXPECT_EQ(Cpp_InterpolationTool::WheelStep(1, true), 1.0);
    frame.Doc().SetModifiedFlag(false);
    frame.close();
}

}  // namespace
