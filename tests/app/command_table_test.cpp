// Every command of the menus, the tool bar and the accelerators is carried out through the
// frame's command table, which also decides whether each is enabled and checked.

#include "app/commands/tool_commands.h"
#include "app/main_frame.h"
#include "core/command_ids.h"
#include "core/string_table.h"
#include "editing/dialog_bar.h"
#include "editing/tool_dialog_bars.h"
#include "graphics/graphic_grid.h"
#include "model/data_set.h"
#include "resources/string_table_resource.h"
#include "support/fake_services.h"

#include <QAction>
#include <QApplication>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <gtest/gtest.h>
#include <set>

namespace {

// The command id of an action, or 0 when it carries none.
int CommandId(const QAction* action) {
    const QString name = action->objectName();
    return name.startsWith("command") ? name.mid(7).toInt() : 0;
}

void CollectMenuActions(const QList<QAction*>& actions, std::vector<QAction*>& out) {
    for (QAction* action : actions) {
        if (action->isSeparator()) continue;
        if (action->menu())
            CollectMenuActions(action->menu()->actions(), out);
        else
            out.push_back(action);
    }
}

TEST(CommandTable, EveryMenuToolBarAndAcceleratorCommandHasAHandler) {
    testsupport::FakeServices fakes;
    app::MainFrame frame;
    frame.AddToRecentFiles("/nowhere/one.preinput-kliven");  // so the recent-file menu has one
    std::vector<QAction*> items;
    CollectMenuActions(frame.menuBar()->actions(), items);
    CollectMenuActions(frame.MainToolBar()->actions(), items);
    for (QAction* action : frame.findChildren<QAction*>())
        if (!action->shortcut().isEmpty()) items.push_back(action);
    ASSERT_GT(items.size(), 100u);
    for (const QAction* action : items) {
        const int id = CommandId(action);
        ASSERT_NE(id, 0) << action->text().toStdString() << " carries no command id";
        const app::s_Command* command = frame.Commands().Find(id);
        ASSERT_TRUE(command != nullptr) << id;
        EXPECT_TRUE(command->run != nullptr) << id;
    }
    frame.Doc().SetModifiedFlag(false);
}

// A command whose dialog is not registered says nothing; what the tools say once chosen.
TEST(CommandTable, CommandsSayWhatTheyDo) {
    testsupport::FakeServices fakes;
    app::MainFrame frame;
    const struct {
        int id;
        const char* status;
    } cases[] = {
        {ID_SETTINGS_UNITS, ""},                 // no window
        {ID_MATERIALS_STAGE2, "Stage 2 input"},  // the stage changes; no window opens
        {ID_RENUMBER_PIEZOMETRIC_LINES, ""},     // no action, nothing said
        {ID_ZOOM_WINDOW, ""},                    // the cross-hair appears, nothing is said
        {ID_TOOLBAR_ZOOM_IN, ""},
        {ID_ENTER_PROBLEM_HEADING, ""},  // no window
        {ID_SHOW_COORDINATES, ""},       // no action, nothing said
        {ID_ENTER_LINE_LOADS, ""},       // the line-load tool has no prompt of its own
        {ID_STAGE2, "Stage 2 input"},
    };
    for (const auto& c : cases) {
        fakes.statusLine.text.clear();
        frame.OnCommand(c.id);
        EXPECT_EQ(fakes.statusLine.text, c.status) << c.id;
    }
    frame.OnCommand(ID_STAGE1);
    frame.Doc().SetModifiedFlag(false);
}

// Choosing the select, construction or material tool shows the tool's own prompt from the string
// table, never the button's name.
TEST(CommandTable, ChosenToolsShowTheirPrompts) {
    testsupport::FakeServices fakes;
    std::string error;
    ASSERT_TRUE(resources::LoadStringTable(error)) << error;
    app::MainFrame frame;
    const struct {
        int id;
        const char* status;
    } cases[] = {
        {ID_ENTER_CONSTRUCTION_LINES, "Left-click to enter first point on new construction line"},
        {ID_ENTER_MATERIAL_PROPERTIES,
         "Left click to select a Profile Line for entering material properties."},
        {ID_SELECT_ITEMS, "Select item to modify, etc."},
        {ID_ENTER_PROFILE_LINES, "Left-click to enter first point on new profile line"},
        {ID_SELECT_ITEMS, "Select item to modify, etc."},
    };
    for (const auto& c : cases) {
        fakes.statusLine.text.clear();
        frame.OnCommand(c.id);
        EXPECT_EQ(fakes.statusLine.text, c.status) << c.id;
        EXPECT_TRUE(frame.IsToolBarButtonPressed(c.id)) << c.id;
    }
    ResetStringTable();
    frame.Doc().SetModifiedFlag(false);
}

TEST(CommandTable, EnablingAndCheckingGoThroughTheTable) {
    testsupport::FakeServices fakes;
    app::MainFrame frame;
    int runs = 0;
    bool enabled = false, checked = false;
    frame.Commands().Add(
        ID_SETTINGS_UNITS, [&](app::MainFrame&) { ++runs; },
        [&](const app::MainFrame&) { return enabled; },
        [&](const app::MainFrame&) { return checked; });
    frame.UpdateCommandStates();
    QAction* units = frame.Action(ID_SETTINGS_UNITS);
    EXPECT_FALSE(units->isEnabled());
    EXPECT_FALSE(units->isChecked());
    frame.OnCommand(ID_SETTINGS_UNITS);  // a disabled command does nothing, not even complain
    EXPECT_EQ(runs, 0);
    EXPECT_EQ(fakes.statusLine.text, "");
    enabled = checked = true;
    frame.UpdateCommandStates();
    EXPECT_TRUE(units->isEnabled());
    units->trigger();  // Qt clears the check mark on the click; the table sets it again
    EXPECT_EQ(runs, 1);
    EXPECT_TRUE(units->isChecked());

    // The real check marks follow what they show.
    QAction* snap = frame.Action(ID_GRID_SNAP);
    const bool snapOn = Cpp_GraphicGrid::SnapOn();
    snap->trigger();
    EXPECT_EQ(Cpp_GraphicGrid::SnapOn(), !snapOn);
    EXPECT_EQ(snap->isChecked(), !snapOn);
    snap->trigger();
    EXPECT_EQ(snap->isChecked(), snapOn);
    QAction* toolBar = frame.Action(ID_VIEW_TOOLBAR);
    toolBar->trigger();
    EXPECT_TRUE(frame.MainToolBar()->isHidden());
    EXPECT_FALSE(toolBar->isChecked());
    toolBar->trigger();
    EXPECT_FALSE(frame.MainToolBar()->isHidden());
    EXPECT_TRUE(toolBar->isChecked());

    // Clicking the button of the active tool again leaves it pressed, as the tool stays.
    QAction* profile = frame.Action(ID_ENTER_PROFILE_LINES);
    profile->trigger();
    EXPECT_TRUE(profile->isChecked());
    profile->trigger();
    EXPECT_EQ(frame.GetEditMode(), EditModeProfileLines);
    EXPECT_TRUE(profile->isChecked());
    EXPECT_FALSE(frame.Action(ID_SELECT_ITEMS)->isChecked());
    frame.Doc().SetModifiedFlag(false);
}

}  // namespace

namespace {

// Shift or Ctrl on a tool button opens the kind's data table (after making its stage current)
// instead of switching the tool.
TEST(CommandTable, ShiftAndCtrlOnToolButtons) {
    testsupport::FakeServices fakes;
    app::MainFrame frame;
    frame.show();
    auto click = [&](int id, Qt::KeyboardModifiers keys) {
        QWidget* button = frame.MainToolBar()->widgetForAction(frame.Action(id));
        QTest::mouseClick(button, Qt::LeftButton, keys);
    };
    click(ID_ENTER_MATERIAL_PROPERTIES, Qt::ControlModifier);
    EXPECT_EQ(fakes.statusLine.text, "Stage 2 input");  // no window to open
    EXPECT_EQ(Cpp_Kliven4DataSet::CurrentStage(), 2);
    EXPECT_EQ(frame.GetEditMode(), EditModeNone);
    // Without primary analysis data, the optional data send the user to the main dialog.
    click(ID_ENTER_CIRCULAR_SLIP_SURFACE, Qt::ControlModifier);
    EXPECT_EQ(fakes.messageBoxes.Texts().back(),
              "There are no primary Analysis/Computation data - Enter primary data first.");
    EXPECT_EQ(fakes.statusLine.text, "Stage 2 input");  // no main dialog to open
    click(ID_ENTER_PROFILE_LINES, Qt::ShiftModifier);
    // Without its registered window the table does nothing.
    EXPECT_EQ(fakes.statusLine.text, "Stage 2 input");
    EXPECT_EQ(frame.GetEditMode(), EditModeNone);
    click(ID_ENTER_PROFILE_LINES, Qt::ControlModifier);  // Ctrl switches this tool
    EXPECT_EQ(frame.GetEditMode(), EditModeProfileLines);
    click(ID_ENTER_MATERIAL_PROPERTIES, Qt::ShiftModifier);
    EXPECT_EQ(Cpp_Kliven4DataSet::CurrentStage(), 1);
    EXPECT_EQ(frame.GetEditMode(), EditModeSelect);  // the stage change went to select mode
    click(ID_SELECT_ITEMS, Qt::NoModifier);  // leaves no key held for the tests after this one
    EXPECT_EQ(QGuiApplication::keyboardModifiers(), Qt::NoModifier);
    frame.Doc().SetModifiedFlag(false);
    frame.close();
}

}  // namespace

namespace {

// Nothing the user can reach answers that it is not there: every command of the table (with no
// windows registered), every push button of every tool dialog bar, and Shift and Ctrl on every
// tool button. Anything modal that would open is closed at once.
TEST(CommandTable, NoCommandButtonOrModifiedPressSaysItIsNotAvailable) {
    testsupport::FakeServices fakes;
    app::MainFrame frame;
    frame.show();
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [] {
        if (QWidget* modal = QApplication::activeModalWidget()) modal->close();
    });
    closer.start(20);
    std::vector<std::string> said;
    const auto check = [&](const std::string& what) {
        if (fakes.statusLine.text.find("not available") != std::string::npos)
            said.push_back(what + ": " + fakes.statusLine.text);
        fakes.statusLine.text.clear();
    };
    // Leaving the program, printing and the about box are real windows of their own.
    const std::set<int> skipped = {ID_APP_EXIT, ID_FILE_PRINT, ID_FILE_PRINT_PREVIEW,
                                   ID_FILE_PRINT_SETUP, ID_APP_ABOUT};
    int walked = 0;
    for (int id : frame.Commands().Ids()) {
        if (skipped.count(id)) continue;
        frame.OnCommand(id);
        check("command " + std::to_string(id));
        ++walked;
    }
    for (int bar = 0; bar < BarCount; ++bar) {
        CmDialogBar* dialogBar = TheToolBars().Bar(bar);
        ASSERT_NE(dialogBar, nullptr) << bar;
        for (const s_BarControl& control : dialogBar->Layout()) {
            if (control.kind != e_BarControlKind::Button) continue;
            dialogBar->OnControl(control.id);
            check("bar " + std::to_string(bar) + " button " + control.text);
            ++walked;
        }
    }
    for (int id : app::ToolCommandIds())
        for (Qt::KeyboardModifiers keys : {Qt::ShiftModifier, Qt::ControlModifier}) {
            QWidget* button = frame.MainToolBar()->widgetForAction(frame.Action(id));
            ASSERT_NE(button, nullptr) << id;
            QTest::mouseClick(button, Qt::LeftButton, keys);
            check("tool " + std::to_string(id) + (keys == Qt::ShiftModifier ? " Shift" : " Ctrl"));
            ++walked;
        }
    EXPECT_TRUE(said.empty()) << said.front();
    EXPECT_GT(walked, 150);
    QTest::mouseClick(frame.MainToolBar()->widgetForAction(frame.Action(ID_SELECT_ITEMS)),
                      Qt::LeftButton);  // no key left held for the tests after this one
    frame.Doc().SetModifiedFlag(false);
    frame.close();
}

}  // namespace
