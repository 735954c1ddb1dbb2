// The load and reinforcement tools in the running frame: their buttons, the prompts they leave,
// leaving a tool, and the bars' "Options" windows driven through their real widgets.

#include "app/application.h"
#include "app/main_frame.h"
#include "core/command_ids.h"
#include "core/cursor_mode.h"
#include "core/units.h"
#include "dialogs/dialog_bar_widget.h"
#include "editing/edit_modes.h"
#include "editing/line_entry_bars.h"
#include "editing/tool_dialog_bars.h"
#include "loads/distributed_load_data.h"
#include "loads/line_load.h"
#include "loads/load_drawing_support.h"
#include "loads/loads_state.h"
#include "loads/reinforcement_line.h"
#include "model/data_set.h"
#include "model/data_sets.h"
#include "platform/qt/modal_driver.h"
#include "support/fake_services.h"
#include "support/test_support.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDockWidget>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include <cstdlib>
#include <tuple>
#include <vector>

namespace {

class LoadToolsOnFrame : public ::testing::Test {
protected:
    LoadToolsOnFrame() { setenv("XDG_CONFIG_HOME", config.Path().c_str(), 1); }
    ~LoadToolsOnFrame() override { unsetenv("XDG_CONFIG_HOME"); }
    void SetUp() override {
        Frame().resize(900, 600);
        Frame().show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&Frame()));
    }
    void TearDown() override {
        Cpp_Kliven4Data::CurrentDataSet()->DistributedLoads(1)->ClearPiezometricLine();
        Frame().Doc().SetModifiedFlag(false);
    }
    app::MainFrame& Frame() { return program.Frame(); }
    template <class T = QWidget>
    T* Control(int bar, int id) {
        T* w = Frame().DialogBarWindow(bar)->findChild<T*>(QString("c%1").arg(id));
        EXPECT_NE(w, nullptr) << id;
        return w;
    }
    void Type(QLineEdit* field, const QString& text) {
        field->selectAll();
        QTest::keyClicks(field, text);
    }
    std::string Status() { return fakes.statusLine.Text(); }

    testsupport::TempDir config;
    app::Application program{{"dravonet"}};
    testsupport::FakeServices fakes;
};

TEST_F(LoadToolsOnFrame, TheDistributedLoadButtonPromptsAndALineZeroKeepsTheTool) {
    Frame().OnCommand(ID_ENTER_DISTRIBUTED_LOADS);
    EXPECT_EQ(Frame().GetEditMode(), EditModeDistributedLoads);
    EXPECT_EQ(Status(), "Left-click to enter distributed load point; Shift key to track x-y; "
                        "Wheel for normal stress; Ctrl-wheel for shear stress; Shift-ctrl to use "
                        "piezometric line.");
    // "Use piez. line:" ticked with line 0: leaving the tool is refused.
    QTest::mouseClick(Control<QCheckBox>(app::BarDistributedLoad, 1929), Qt::LeftButton);
    Type(Control<QLineEdit>(app::BarDistributedLoad, 1930), "0");
    Frame().OnCommand(ID_SELECT_ITEMS);
    ASSERT_FALSE(fakes.messageBoxes.requests.empty());
    EXPECT_EQ(fakes.messageBoxes.requests.back().caption, "ERROR");
    EXPECT_EQ(fakes.messageBoxes.requests.back().text,
              "Not a valid piezometric line number (= 0) for computing distributed loads.");
    EXPECT_EQ(Frame().GetEditMode(), EditModeDistributedLoads);
    EXPECT_TRUE(Frame().DialogBar(app::BarDistributedLoad)->isVisible());
    EXPECT_TRUE(Frame().IsToolBarButtonPressed(ID_ENTER_DISTRIBUTED_LOADS));
    EXPECT_FALSE(Cpp_Kliven4Data::CurrentDataSet()->DistributedLoads(1)->UsesPiezometricLine());
    // Line 2 is taken over as the tool is left.
    Type(Control<QLineEdit>(app::BarDistributedLoad, 1930), "2");
    Frame().OnCommand(ID_SELECT_ITEMS);
    EXPECT_EQ(Frame().GetEditMode(), EditModeSelect);
    const Cpp_DistributedLoadData& loads = *Cpp_Kliven4Data::CurrentDataSet()->DistributedLoads(1);
    EXPECT_TRUE(loads.UsesPiezometricLine());
    EXPECT_EQ(loads.PiezometricLineNumber(), 2);
}

// "Options" of the distributed-load bar: OK stores the snap and the step and, under a scale
// option that needs it, the maximum as the largest value; Cancel changes nothing.
TEST_F(LoadToolsOnFrame, TheDistributedLoadOptionsWindowStoresOnOkOnly) {
    loads::s_ArrowScaleState& scale = loads::DistributedLoadScale();
    const s_KindValueType saved = scale.Record(GetUnitSystem());
    Frame().OnCommand(ID_ENTER_DISTRIBUTED_LOADS);
    scale.Record(GetUnitSystem()).kind = 4;
    QPushButton* options = Control<QPushButton>(app::BarDistributedLoad, 1931);
    std::vector<QString> titles;
    testsupport::WhenModal([&](QWidget* modal) {
        titles.push_back(modal->windowTitle());
        auto* maximum = modal->findChild<QLineEdit*>("c1935");
        EXPECT_TRUE(maximum->isEnabled());
        maximum->setText("50");
        modal->findChild<QLineEdit*>("c1988")->setText("5");
        auto* snap = modal->findChild<QComboBox*>("c1933");
        snap->setCurrentIndex(2);
        testsupport::PressButton(modal, QDialogButtonBox::Ok);
    });
    QTest::mouseClick(options, Qt::LeftButton);
    EXPECT_EQ(Cpp_DistributedLoadData::LargestValue(), 50.0);
    EXPECT_TRUE(scale.scaleSet);
    const double scaled = Cpp_DistributedLoadData::ScaleValue(50.0);

    testsupport::WhenModal([&](QWidget* modal) {
        titles.push_back(modal->windowTitle());
        EXPECT_EQ(modal->findChild<QLineEdit*>("c1935")->text().toDouble(), 50.0);
        EXPECT_EQ(modal->findChild<QLineEdit*>("c1988")->text().toDouble(), 5.0);
        EXPECT_EQ(modal->findChild<QComboBox*>("c1933")->currentIndex(), 2);
        modal->findChild<QLineEdit*>("c1935")->setText("500");
        testsupport::PressButton(modal, QDialogButtonBox::Cancel);
    });
    QTest::mouseClick(options, Qt::LeftButton);
    EXPECT_EQ(Cpp_DistributedLoadData::LargestValue(), 50.0);
    EXPECT_EQ(Cpp_DistributedLoadData::ScaleValue(50.0), scaled);
    EXPECT_EQ(titles, (std::vector<QString>{"Distributed Load Data Entry Options",
                                            "Distributed Load Data Entry Options"}));
    scale.Record(GetUnitSystem()) = saved;
}

// "Options" of the line-load bar: OK stores the maximum (under a scale option that uses it) and
// the wheel steps; Cancel changes nothing.
TEST_F(LoadToolsOnFrame, TheLineLoadOptionsWindowStoresOnOkOnly) {
    loads::s_ArrowScaleState& scale = loads::LineLoadScale();
    const loads::s_ArrowScaleState saved = scale;
    scale.largestSet = false;
    Frame().OnCommand(ID_ENTER_LINE_LOADS);
    EXPECT_EQ(scale.largest, 10000.0);
    scale.Record(GetUnitSystem()).kind = 5;
    QPushButton* options = Control<QPushButton>(app::BarLineLoad, 1948);
    testsupport::WhenModal([&](QWidget* modal) {
        EXPECT_EQ(modal->windowTitle(), "Line Load Data Entry Options");
        auto* maximum = modal->findChild<QLineEdit*>("c1964");
        EXPECT_TRUE(maximum->isEnabled());
        EXPECT_EQ(maximum->text().toDouble(), 10000.0);
        testsupport::Retype(maximum, "800");
        testsupport::Retype(modal->findChild<QLineEdit*>("c2235"), "50");
        testsupport::Retype(modal->findChild<QLineEdit*>("c2237"), "2");
        testsupport::PressButton(modal, QDialogButtonBox::Ok);
    });
    QTest::mouseClick(options, Qt::LeftButton);
    EXPECT_EQ(scale.largest, 800.0);
    ASSERT_TRUE(Cpp_LineLoadList::WheelEditTool(false, 120));
    double x = 0, y = 0, first = 0, second = 0;
    int form = 0;
    ASSERT_TRUE(ActiveLineLoadBar()->GetLineLoadData(x, y, first, second, form));
    EXPECT_EQ(first, 50.0);

    testsupport::WhenModal([&](QWidget* modal) {
        testsupport::Retype(modal->findChild<QLineEdit*>("c1964"), "900");
        testsupport::Retype(modal->findChild<QLineEdit*>("c2235"), "7");
        testsupport::PressButton(modal, QDialogButtonBox::Cancel);
    });
    QTest::mouseClick(options, Qt::LeftButton);
    EXPECT_EQ(scale.largest, 800.0);
    ASSERT_TRUE(Cpp_LineLoadList::WheelEditTool(false, 120));
    ASSERT_TRUE(ActiveLineLoadBar()->GetLineLoadData(x, y, first, second, form));
    EXPECT_EQ(first, 100.0);
    scale = saved;
}

// The reinforcement bar on the frame: the tool's first use opens its options window; "Finish
// Line" adds the line entered so far with the bar's number; "Options" stores on OK only; leaving
// the tool drops a line being entered.
TEST_F(LoadToolsOnFrame, TheReinforcementBarsButtonsAndLeavingTheTool) {
    Cpp_ReinforcementLineList& lines = *Cpp_Kliven4Data::CurrentDataSet()->ReinforcementLines();
    std::vector<QString> titles;
    testsupport::WhenModal([&](QWidget* modal) {
        titles.push_back(modal->windowTitle());
        testsupport::Retype(modal->findChild<QLineEdit*>("c1807"), "400");
        testsupport::PressButton(modal, QDialogButtonBox::Ok);
    });
    Frame().OnCommand(ID_ENTER_REINFORCEMENT_LINES);
    ASSERT_EQ(Frame().GetEditMode(), EditModeReinforcement);
    EXPECT_EQ(Cpp_ReinforcementLineList::LargestForce(), 400.0);

    // Two points, then "Finish Line".
    auto* finish =
        Control<QPushButton>(app::BarReinforcement, CmDialogBarReinforcementTool::IdFinish);
    EXPECT_FALSE(finish->isEnabled());
    Type(Control<QLineEdit>(app::BarReinforcement, CmDialogBarReinforcementTool::IdLongForce),
         "100");
    ASSERT_TRUE(Cpp_ReinforcementLineList::EnterPointsClick(10, 20, false));
    EXPECT_TRUE(finish->isEnabled());
    EXPECT_FALSE(Cpp_ReinforcementLineList::EnterPointsTool(30, 20, false));
    Frame().Doc().SetModifiedFlag(false);
    QTest::mouseClick(finish, Qt::LeftButton);
    ASSERT_EQ(lines.Count(), 1);
    const Cpp_ReinforcementLine& line = *lines.ReinforcementLineAt(0);
    EXPECT_EQ(line.GetNumber(), 1);
    std::vector<s_ReinforcementLinePtType> points;
    line.CopyPointsToArray(points);
    ASSERT_EQ(points.size(), 2u);
    EXPECT_EQ(std::tuple(points[1].x, points[1].y, points[1].longitudinalForce),
              std::tuple(30.0, 20.0, 100.0));
    EXPECT_TRUE(Frame().Doc().IsModified());
    EXPECT_FALSE(Cpp_ReinforcementLineList::IsEnteringPoints());
    EXPECT_FALSE(finish->isEnabled());
    // The largest force over the data sets now sets the scale.
    EXPECT_EQ(Cpp_ReinforcementLineList::LargestForce(), 100.0);

    // "Options": OK stores, Cancel changes nothing (the window shows what is stored).
    QPushButton* options =
        Control<QPushButton>(app::BarReinforcement, CmDialogBarReinforcementTool::IdOptions);
    testsupport::WhenModal([&](QWidget* modal) {
        titles.push_back(modal->windowTitle());
        EXPECT_EQ(modal->findChild<QLineEdit*>("c1807")->text().toDouble(), 100.0);
        testsupport::Retype(modal->findChild<QLineEdit*>("c1807"), "800");
        testsupport::Retype(modal->findChild<QLineEdit*>("c1809"), "5");
        testsupport::PressButton(modal, QDialogButtonBox::Ok);
    });
    QTest::mouseClick(options, Qt::LeftButton);
    EXPECT_EQ(Cpp_ReinforcementLineList::LargestForce(), 800.0);
    testsupport::WhenModal([&](QWidget* modal) {
        titles.push_back(modal->windowTitle());
        EXPECT_EQ(modal->findChild<QLineEdit*>("c1809")->text().toDouble(), 5.0);
        testsupport::Retype(modal->findChild<QLineEdit*>("c1807"), "900");
        testsupport::Retype(modal->findChild<QLineEdit*>("c1809"), "7");
        testsupport::PressButton(modal, QDialogButtonBox::Cancel);
    });
    QTest::mouseClick(options, Qt::LeftButton);
    EXPECT_EQ(Cpp_ReinforcementLineList::LargestForce(), 800.0);
    testsupport::WhenModal([&](QWidget* modal) {
        titles.push_back(modal->windowTitle());
        EXPECT_EQ(modal->findChild<QLineEdit*>("c1807")->text().toDouble(), 800.0);
        EXPECT_EQ(modal->findChild<QLineEdit*>("c1809")->text().toDouble(), 5.0);
        testsupport::PressButton(modal, QDialogButtonBox::Cancel);
    });
    QTest::mouseClick(options, Qt::LeftButton);
    EXPECT_EQ(titles, std::vector<QString>(4, "Reinforcement Data Entry Options"));

    // A line being entered when the tool is left is dropped; nothing is added.
    ASSERT_TRUE(Cpp_ReinforcementLineList::EnterPointsClick(10, 40, false));
    EXPECT_FALSE(Cpp_ReinforcementLineList::EnterPointsTool(30, 40, false));
    Frame().OnCommand(ID_SELECT_ITEMS);
    EXPECT_EQ(Frame().GetEditMode(), EditModeSelect);
    EXPECT_FALSE(Cpp_ReinforcementLineList::IsEnteringPoints());
    EXPECT_EQ(lines.Count(), 1);
    EXPECT_EQ(GetCursorMode(), 0);
}

}  // namespace
