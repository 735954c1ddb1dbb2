// The view input: each input dispatched by cursor mode and edit mode, the tables walked row by
// row, the drag rule on an injected clock, the wheel, the keys and the view menu.

#include "core/command_ids.h"
#include "core/dialog_slot.h"
#include "editing/cursor_modes.h"
#include "editing/edit_modes.h"
#include "editing/selection_list.h"
#include "editing/tool_dialog_bars.h"
#include "editing/view_dispatch.h"
#include "editing/view_input_fixture.h"
#include "model/data_set.h"

#include <set>

namespace {

TEST(ViewDispatchTables, EveryModeHasOneRowAndEveryRunCellAnOperation) {
    std::set<int> seen;
    for (const s_CursorModeRow& row : CursorModeTable()) {
        ASSERT_LE(row.firstMode, row.lastMode);
        for (int mode = row.firstMode; mode <= row.lastMode; ++mode) {
            EXPECT_TRUE(seen.insert(mode).second) << "cursor mode " << mode << " twice";
            EXPECT_EQ(FindCursorModeRow(mode), &row);
        }
        for (const s_InputCell& cell : row.cells)
            EXPECT_EQ(cell.kind == e_InputCell::Run, cell.run != nullptr) << row.firstMode;
    }
    for (int mode : {1, 8, 9, 12, 15, 20, 45, 100, 124, 138, 161})
        EXPECT_EQ(FindCursorModeRow(mode), nullptr) << mode;
    for (int editMode = 1; editMode <= 20; ++editMode)
        EXPECT_NE(FindEditModeRow(editMode), nullptr) << editMode;
    EXPECT_EQ(FindEditModeRow(0), nullptr);
    EXPECT_EQ(FindEditModeRow(21), nullptr);
}

// No input of any step or tool answers that it is not there: every cell of every cursor-mode
// row, plain and with Shift or Ctrl, and every input of every tool at cursor mode 0.
TEST_F(ViewInputTest, NoInputOfAnyStepOrToolSaysItIsNotAvailable) {
    const auto fire = [&](int column, bool shift, bool control) {
        bool redraw = false;
        s_ViewInput in = At(20, 30, shift, control);
        switch (column) {
        case InputLeft:
            ViewLButtonDown(host, in, redraw);
            ViewLButtonUp(host, in);
            break;
        case InputMove: ViewMouseMove(host, in); break;
        case InputEnter: EnterKey(host, redraw); break;
        case InputEscape: EscapeKey(host, shift, redraw); break;
        case InputBackspace: BackspaceKey(host); break;
        case InputRight: ViewRButtonDown(host, in, redraw); break;
        default: break;
        }
        return fakes.statusLine.Text();
    };
    const bool modifiers[][2] = {{false, false}, {true, false}, {false, true}};
    int walked = 0;
    for (int editMode = 1; editMode <= 20; ++editMode) {
        host.editMode = editMode;
        for (int column = 0; column < InputColumnCount; ++column)
            for (const auto& keys : modifiers) {
                SetCursorMode(CursorModeNone);
                EXPECT_EQ(fire(column, keys[0], keys[1]).find("not available"), std::string::npos)
                    << "edit mode " << editMode << ", input " << column;
                ++walked;
            }
    }
    host.editMode = EditModeSelect;
    for (const s_CursorModeRow& row : CursorModeTable())
        for (int mode = row.firstMode; mode <= row.lastMode; ++mode)
            for (int column = 0; column < InputColumnCount; ++column)
                for (const auto& keys : modifiers) {
                    SetCursorMode(mode);
                    EXPECT_EQ(fire(column, keys[0], keys[1]).find("not available"),
                              std::string::npos)
                        << "cursor mode " << mode << ", input " << column;
                    ++walked;
                }
    EXPECT_GT(walked, 1000);
    SetCursorMode(CursorModeNone);
}

TEST_F(ViewInputTest, ClicksAndEnterAtModeZeroGoToTheToolOfTheEditMode) {
    struct Case {
        int editMode;
        std::string click;  // the status line after a click (empty: nothing said)
        std::string enter;
        bool enterHandled = false;  // taken by the tool although nothing was said
    };
    const Case cases[] = {
        {5, "", ""},  // no profile line at the point: no material to open
        // No reinforcement bar shown: no point to take.
        {13, "", "", true},
        {9, "", ""},   // the tool not started: no point is added
        {11, "", ""},  // the spare interpolation mode: no tool started, no point to add
        // No circle bar shown: nothing to read.
        {14, "", "", true},
        // No slope: the head cannot be snapped; no bar shown: nothing to place.
        {20, "", "", true},
    };
    for (const Case& c : cases) {
        host.editMode = c.editMode;
        fakes.statusLine.SetText("");
        EXPECT_FALSE(Click(50, 50)) << c.editMode;
        EXPECT_EQ(Status(), c.click) << c.editMode;
        Release(50, 50);
        fakes.statusLine.SetText("");
        bool redraw = true;
        EXPECT_EQ(EnterKey(host, redraw), !c.enter.empty() || c.enterHandled) << c.editMode;
        EXPECT_FALSE(redraw);
        EXPECT_EQ(Status(), c.enter) << c.editMode;
        EXPECT_EQ(GetCursorMode(), 0);
    }
}

TEST_F(ViewInputTest, EscapeAtModeZeroLeavesAToolForSelectModeAndInSelectModeHidesTheBar) {
    host.editMode = 7;
    Key(ViewKeyEscape);
    EXPECT_EQ(host.selectModeEntered, 1);
    EXPECT_EQ(host.barsHidden, 0);
    Key(ViewKeyEscape);  // now in select mode
    EXPECT_EQ(host.selectModeEntered, 1);
    EXPECT_EQ(host.barsHidden, 1);
}

TEST_F(ViewInputTest, KeysOfTheZoomStepsAndTheZoomClickModes) {
    struct Case {
        int mode;
        int key;
        int modeAfter;
    };
    const Case cases[] = {
        {CursorModeZoomWindow, ViewKeyEscape, 0}, {CursorModeZoomBox, ViewKeyEscape, 0},
        {CursorModeZoomWindow, ViewKeyEnter, 2},  {CursorModeZoomBox, ViewKeyBackspace, 3},
        {CursorModePanEnd, ViewKeyEscape, 5},     {CursorModeZoomIn, ViewKeyEnter, 0},
        {CursorModeZoomOut, ViewKeyBackspace, 0}, {CursorModeZoomIn, ViewKeyEscape, 0},
        {CursorModeZoomOut, ViewKeyDelete, 7},
    };
    for (const Case& c : cases) {
        SetCursorMode(c.mode);
        Key(c.key);
        EXPECT_EQ(GetCursorMode(), c.modeAfter) << c.mode << " key " << c.key;
    }
    // Enter at 2 to 5 is handled and does nothing; Backspace at 0 and 2 to 5 as well.
    bool redraw = false;
    SetCursorMode(CursorModePanStart);
    EXPECT_TRUE(EnterKey(host, redraw));
    EXPECT_TRUE(BackspaceKey(host));
    SetCursorMode(CursorModeAddPointSlopeLine);
    EXPECT_FALSE(BackspaceKey(host));
    SetCursorMode(CursorModeZoomIn);
    EXPECT_TRUE(Right(10, 10));
    EXPECT_EQ(GetCursorMode(), 0);
}

TEST_F(ViewInputTest, ZoomInAndOutClicksCentreTheWindowOnTheClick) {
    SetCursorMode(CursorModeZoomIn);
    Click(100, 100);  // world (100, 200)
    EXPECT_EQ(host.invalidated, 1);
    Cpp_Graphics::WorldRect w = Cpp_Graphics::GetWindow();
    EXPECT_DOUBLE_EQ(w.xmin, 0);
    EXPECT_DOUBLE_EQ(w.xmax, 200);
    EXPECT_DOUBLE_EQ(w.ymin, 125);
    EXPECT_DOUBLE_EQ(w.ymax, 275);
    SetCursorMode(CursorModeZoomOut);
    Click(100, 100);
    w = Cpp_Graphics::GetWindow();
    EXPECT_DOUBLE_EQ(w.xmin, -100);
    EXPECT_DOUBLE_EQ(w.xmax, 300);
    EXPECT_EQ(GetCursorMode(), CursorModeZoomOut);  // the click mode stays until a key
}

// The press becomes a drag only when the mouse reaches another pixel more than 250 ms after
// the press while the press is still armed.
TEST_F(ViewInputTest, APressDragsOnlyWhenMovedToAnotherPixelAfterTheDelay) {
    struct Case {
        const char* what;
        bool releaseFirst;
        std::int64_t after;  // milliseconds from the press to the move
        s_PixelPoint to;
        bool drags;
    };
    const Case cases[] = {
        {"moved at once", false, 100, {60, 50}, false},
        {"moved at exactly the delay", false, 250, {60, 50}, false},
        {"held still, then moved in place", false, 300, {50, 50}, false},
        {"released at once, then moved late", true, 300, {60, 50}, false},
        {"held and moved late", false, 251, {60, 50}, true},
    };
    for (const Case& c : cases) {
        host.editMode = 13;  // a tool whose click does not take the press
        fakes.statusLine.SetText("");
        host.now = 1000;
        Click(50, 50);
        fakes.statusLine.SetText("");
        if (c.releaseFirst) Release(50, 50);
        host.now = 1000 + c.after;
        Move(c.to.x, c.to.y);
        EXPECT_EQ(GetPressRecord().consumed, c.drags) << c.what;
        EXPECT_EQ(GetPressRecord().armed, !c.drags && !c.releaseFirst) << c.what;
        // With nothing selected the drag is a selection box.
        EXPECT_EQ(GetCursorMode(), c.drags ? CursorModePickBand : 0) << c.what;
        Release(c.to.x, c.to.y);
        EXPECT_FALSE(GetPressRecord().armed);
        Key(ViewKeyEscape);
    }
}

TEST_F(ViewInputTest, MoveShowsTheCursorPointAndInAToolTheCoordinateToolTip) {
    host.editMode = 6;
    Move(120, 100);
    EXPECT_DOUBLE_EQ(host.cursor.x, 120.0);
    EXPECT_DOUBLE_EQ(host.cursor.y, 200.0);
    EXPECT_EQ(host.toolTip, "X: 120.000000 , Y: 200.000000");
    int x = 0, y = 0;
    GetZoomAnchor(x, y);
    EXPECT_EQ(x, 120);
    EXPECT_EQ(y, 100);
    // The line-load tool shows no coordinates (its own tool tip needs its bar in use).
    host.editMode = 4;
    fakes.statusLine.SetText("");
    Move(121, 100);
    EXPECT_EQ(host.toolTip, "");
    EXPECT_EQ(Status(), "");
    // Shift copies the point into the tool's bar.
    host.editMode = 12;
    ShowToolBar(BarSlope, true, 1);
    fakes.statusLine.SetText("");
    double barX = 0, barY = 0;
    ASSERT_TRUE(TheToolBars().slope.GetPoint(barX, barY));
    const std::pair<double, double> before(barX, barY);
    Move(122, 100);
    EXPECT_EQ(Status(), "");
    ASSERT_TRUE(TheToolBars().slope.GetPoint(barX, barY));
    EXPECT_EQ(std::make_pair(barX, barY), before);
    Move(123, 100, true);
    EXPECT_EQ(Status(), "");
    ASSERT_TRUE(TheToolBars().slope.GetPoint(barX, barY));
    EXPECT_EQ(std::make_pair(barX, barY), std::make_pair(123.0, 200.0));
    ShowToolBar(BarSlope, false, 0);
}

TEST_F(ViewInputTest, WheelWithControlZoomsAboutTheCursorAndWithoutItScrollsOneLine) {
    struct Case {
        int steps;
        bool shift, control;
        std::pair<int, int> scroll;  // (0, 0): no scroll
        double scale;
    };
    const Case cases[] = {
        {1, false, false, {0, 1}, 1.0}, {-3, false, false, {0, -1}, 1.0},
        {1, true, false, {1, 0}, 1.0},  {-1, true, false, {-1, 0}, 1.0},
        {1, false, true, {0, 0}, 2.0},  {-1, false, true, {0, 0}, 0.5},
        {-2, true, true, {0, 0}, 0.5},
    };
    for (const Case& c : cases) {
        SetUp();
        host.scrolls.clear();
        s_ViewInput in = At(200, 100, c.shift, c.control);
        in.wheelSteps = c.steps;
        const double x = Cpp_Graphics::PixelToX(200), y = Cpp_Graphics::PixelToY(100);
        EXPECT_TRUE(ViewMouseWheel(host, in));
        if (c.scroll == std::pair<int, int>{0, 0}) {
            EXPECT_TRUE(host.scrolls.empty());
        } else {
            ASSERT_EQ(host.scrolls.size(), 1u);
            EXPECT_EQ(host.scrolls[0], c.scroll);
        }
        // A zoom by 2 per message, whatever the delta, about the point under the cursor.
        EXPECT_DOUBLE_EQ(Cpp_Graphics::XScale(), c.scale) << c.steps;
        EXPECT_DOUBLE_EQ(Cpp_Graphics::PixelToX(200), x);
        EXPECT_DOUBLE_EQ(Cpp_Graphics::PixelToY(100), y);
    }
}

TEST_F(ViewInputTest, RightClickShowsTheViewMenuBesideTheClickAndRunsTheChoice) {
    const MenuList view{{ID_REDRAW, "Redraw"},
                        {ID_POPUP_ZOOM_ALL, "Zoom All"},
                        {ID_POPUP_ZOOM_WINDOW, "Zoom Window"}};
    const auto same = [](const MenuList& a, const MenuList& b) {
        if (a.size() != b.size()) return false;
        for (std::size_t i = 0; i < a.size(); ++i)
            if (a[i].id != b[i].id || a[i].text != b[i].text || !a[i].enabled || a[i].checked)
                return false;
        return true;
    };
    host.chosen = ID_POPUP_ZOOM_WINDOW;
    for (int editMode : {1, 2, 6, 11, 20}) {
        host.editMode = editMode;
        host.menus.clear();
        host.commands.clear();
        EXPECT_TRUE(Right(30, 40));
        ASSERT_EQ(host.menus.size(), 1u) << editMode;
        EXPECT_TRUE(same(host.menus[0], view)) << editMode;
        EXPECT_EQ(host.menuAt.x, 100 + 30 + 4);
        EXPECT_EQ(host.menuAt.y, 200 + 40 + 5);
        EXPECT_EQ(host.commands, std::vector<int>{ID_POPUP_ZOOM_WINDOW});
    }
    // The materials tool adds the stage entry after a separator; nothing chosen runs nothing.
    host.editMode = 5;
    host.chosen = 0;
    host.menus.clear();
    host.commands.clear();
    EXPECT_TRUE(Right(30, 40));
    MenuList withStage = view;
    withStage.push_back({});
    withStage.push_back({ID_STAGE1_TO_STAGE2_PROPERTIES, "Stage 1 -> Stage 2 Properties"});
    ASSERT_EQ(host.menus.size(), 1u);
    EXPECT_TRUE(same(host.menus[0], withStage));
    EXPECT_TRUE(host.commands.empty());
    // The interpolation tools have their own menu.
    host.editMode = 8;
    host.menus.clear();
    EXPECT_TRUE(Right(30, 40));
    ASSERT_EQ(host.menus.size(), 1u);
    EXPECT_EQ(host.menus[0].front().text, "ReDraw");
    // A step without a right-button action leaves the click to the view.
    SetCursorMode(CursorModeRescaleFirstPoint);
    EXPECT_FALSE(Right(30, 40));
    SetCursorMode(0);
}

}  // namespace

// The factor-of-safety text tool moves its outline with the mouse and places the text with a
// click, when the text is the selected item.
TEST_F(ViewInputTest, TheResultsTextToolMovesItsOutlineAndPlacesTheTextOnAClick) {
    Cpp_Kliven4DataSet ds(1);
    Cpp_ResultsDisplay& results = ds.ResultsDisplay();
    results.SetTextBox(10, 30, 60, 50);
    results.SetTextPixelRect({100, 100, 140, 120}, 100, 100);
    Cpp_Selection text;
    text.SetFromValues(&ds, 0, SEL_RESULTS_FACTOR_TEXT, {});
    GetCurrentSelection().AddCopy(text);
    SetCursorMode(59);
    Move(110, 95);
    const Cpp_ResultsDisplay::s_PixelRect r = results.TextPixelRect();
    EXPECT_EQ(std::vector<int>({r.left, r.top, r.right, r.bottom}),
              std::vector<int>({110, 95, 150, 115}));
    EXPECT_EQ(host.overlay.Count(platform::DcRecordKind::Polyline), 2u);
    Click(110, 95);
    EXPECT_TRUE(results.TextPlaced());
    EXPECT_EQ(results.TextX(), 130.0);        // the middle of the outline
    EXPECT_EQ(results.TextY(), 195.0 - 5.0);  // less half the text's height
    EXPECT_EQ(GetCursorMode(), 0);
    EXPECT_GT(host.invalidated, 0);
    GetCurrentSelection().Clear();
}
