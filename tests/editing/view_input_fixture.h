#pragma once
// A view and frame for the view input without a toolkit: it records what the input asked of
// them, answers menus with a chosen id and has a clock the test sets. Its rubber bands are
// drawn on a recording device context.

#include "editing/view_input.h"
#include "editing/view_navigation.h"
#include "graphics/graphics.h"
#include "platform/recording_dc.h"
#include "support/fake_services.h"

#include <gtest/gtest.h>
#include <utility>
#include <vector>

class FakeViewHost final : public ViewInputHost {
public:
    int EditMode() const override { return editMode; }
    void EnterSelectMode() override {
        ++selectModeEntered;
        editMode = 1;
    }
    void HideCurrentToolBar() override { ++barsHidden; }
    int PickKindIndex() const override { return pickKind; }
    bool WheelEditingOn() const override { return wheelEditing; }
    bool ConstructionPointSnapOn() const override { return constructionSnap; }
    void ShowCursorPosition(double x, double y) override { cursor = {x, y}; }
    void SetLongForceText(bool shown, const std::string& text) override {
        longForce = shown;
        longForceText = text;
    }
    void SetToolTip(const std::string& text) override { toolTip = text; }
    void RunCommand(int id) override { commands.push_back(id); }
    void DataChanged(int kind) override { dataChanges.push_back(kind); }
    void InvalidateView() override { ++invalidated; }
    void UpdateView() override { ++updated; }
    bool ScrollView(int horizontal, int vertical) override {
        scrolls.emplace_back(horizontal, vertical);
        return true;
    }
    void DrawOverlay(const platform::DeviceRect& touched,
                     const std::function<void(platform::DeviceContext&)>& draw) override {
        touchedRects.push_back(touched);
        draw(overlay);
    }
    platform::DeviceRect ClientRect() const override { return {0, 0, 400, 300}; }
    s_PixelPoint ScreenTopLeft() const override { return {100, 200}; }
    int TrackMenu(const MenuList& menu, s_PixelPoint screen) override {
        menus.push_back(menu);
        menuAt = screen;
        return chosen;
    }
    std::int64_t Milliseconds() const override { return now; }

    int editMode = 1;
    bool wheelEditing = false;
    bool constructionSnap = false;
    int selectModeEntered = 0, barsHidden = 0, invalidated = 0, updated = 0;
    s_tagTypePointXY cursor;
    bool longForce = false;
    std::string longForceText, toolTip;
    std::vector<int> commands;
    std::vector<int> dataChanges;
    std::vector<std::pair<int, int>> scrolls;
    std::vector<MenuList> menus;
    s_PixelPoint menuAt;
    int chosen = 0;
    int pickKind = 0;  // the "Select:" choice of the editing options bar
    std::int64_t now = 1000;
    platform::RecordingDeviceContext overlay;
    std::vector<platform::DeviceRect> touchedRects;
};

// A 400 x 300 view showing world x 0 to 400 and y 0 to 300 at one pixel a unit (y up).
class ViewInputTest : public ::testing::Test {
protected:
    void SetUp() override {
        Cpp_Graphics::Reset();
        Cpp_Graphics::SetScaleState(0, 400, 0, 300, 0, 1, 300, -1, 0, 400, 0, 300);
        SetViewWindow(&host);
    }

    static s_ViewInput At(int x, int y, bool shift = false, bool control = false) {
        s_ViewInput in;
        in.device = {x, y};
        Cpp_Graphics::PixelToWorldPoint(x, y, in.world.x, in.world.y);
        in.shift = shift;
        in.control = control;
        return in;
    }
    bool Click(int x, int y, bool shift = false) {
        bool redraw = false;
        return ViewLButtonDown(host, At(x, y, shift), redraw);
    }
    void Move(int x, int y, bool shift = false) { ViewMouseMove(host, At(x, y, shift)); }
    void Release(int x, int y) { ViewLButtonUp(host, At(x, y)); }
    bool Right(int x, int y) {
        bool redraw = false;
        return ViewRButtonDown(host, At(x, y), redraw);
    }
    void Key(int key, bool shift = false) {
        bool redraw = false;
        ViewKeyDown(host, key, shift, redraw);
    }
    std::string Status() { return fakes.statusLine.Text(); }

    testsupport::FakeServices fakes;
    FakeViewHost host;
};
