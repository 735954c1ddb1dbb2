#pragma once
// The view input's way to the drawing view and the main frame (editing/view_input.h): the
// frame's edit mode, bars and panes, the view's repaint, scrolling, rubber bands and pop-up
// menus. The frame owns one and hands it to its view.

#include "editing/view_input.h"

#include <functional>

namespace app {

class DrawingView;
class MainFrame;

class FrameViewInput final : public ViewInputHost {
public:
    FrameViewInput(MainFrame& frame, DrawingView& view);

    int EditMode() const override;
    void EnterSelectMode() override;
    void HideCurrentToolBar() override;
    // The edit-options bar's "Select:" filter and its two switches.
    int PickKindIndex() const override;
    bool WheelEditingOn() const override;
    bool ConstructionPointSnapOn() const override;
    void ShowCursorPosition(double x, double y) override;
    void SetLongForceText(bool shown, const std::string& text) override;
    void SetToolTip(const std::string& text) override;
    void RunCommand(int id) override;
    void DataChanged(int kind) override;
    void DataChangedDrawn(int kind) override;

    void InvalidateView() override;
    void UpdateView() override;
    bool ScrollView(int horizontal, int vertical) override;
    void DrawOverlay(const platform::DeviceRect& touched,
                     const std::function<void(platform::DeviceContext&)>& draw) override;
    platform::DeviceRect ClientRect() const override;
    s_PixelPoint ScreenTopLeft() const override;
    int TrackMenu(const MenuList& menu, s_PixelPoint screen) override;
    std::int64_t Milliseconds() const override;

    // The clock of the drag delay (tests replace it); null: the steady clock.
    std::function<std::int64_t()> clock;

private:
    MainFrame& frame_;
    DrawingView& view_;
};

}  // namespace app
