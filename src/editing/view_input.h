#pragma once
// The drawing view's mouse and keys, turned into tool actions. The view computes one plain
// record per toolkit event (device point, buttons, Shift/Ctrl/Alt) and calls one input
// function per event; the function converts and snaps the point and dispatches first by the
// cursor mode (the step of a running tool) and, at cursor mode 0, by the frame's edit mode
// (the active tool). What runs for which mode and input is data: view_dispatch.h.
//
//     s_ViewInput in;
//     in.device = {120, 84};
//     in.buttons = MouseButtonLeft;
//     bool redraw = false;
//     if (ViewLButtonDown(host, in, redraw)) document.SetModifiedFlag(true);
//     if (redraw) view.Redraw();
//
// The view and the frame are reached through ViewInputHost, so the input runs (and is tested)
// without a toolkit. Every function may throw what the tools throw: the view calls each one
// inside its guard.

#include "core/cursor_mode.h"
#include "core/point_xy.h"
#include "platform/device_context.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// Bits of s_ViewInput::buttons.
enum e_MouseButton : unsigned {
    MouseButtonNone = 0,
    MouseButtonLeft = 1,
    MouseButtonRight = 2,
    MouseButtonMiddle = 4,
};

struct s_ViewInput {
    s_PixelPoint device;                 // pixels from the view's top left corner
    s_tagTypePointXY world;              // the device point in world units (not snapped)
    unsigned buttons = MouseButtonNone;  // the buttons pressed or held, e_MouseButton bits
    bool shift = false;
    bool control = false;
    bool alt = false;
    int wheelSteps = 0;  // whole wheel notches, positive away from the user; 0 otherwise
};

// The virtual key numbers the key functions take.
enum e_ViewKey : int {
    ViewKeyBackspace = 8,
    ViewKeyEnter = 13,
    ViewKeyEscape = 27,
    ViewKeyArrowLeft = 37,
    ViewKeyArrowUp = 38,
    ViewKeyArrowRight = 39,
    ViewKeyArrowDown = 40,
    ViewKeyDelete = 46,
};

// One entry of a pop-up menu built without the toolkit; the view shows the list. An entry
// with id 0 and a text is a sub-menu (its entries in subMenu); id 0 without a text is a
// separator.
struct s_MenuEntry {
    int id = 0;
    std::string text;
    bool enabled = true;
    bool checked = false;
    std::vector<s_MenuEntry> subMenu = {};
};
using MenuList = std::vector<s_MenuEntry>;

// What the input functions need of the view and the main frame.
class ViewInputHost {
public:
    virtual ~ViewInputHost() = default;

    // The frame.
    virtual int EditMode() const = 0;
    virtual void EnterSelectMode() = 0;
    virtual void HideCurrentToolBar() = 0;
    // The editing options bar: the "Select:" kind index, "Wheel Editing:", "Const. Pt. Snap:".
    virtual int PickKindIndex() const = 0;
    virtual bool WheelEditingOn() const = 0;
    virtual bool ConstructionPointSnapOn() const = 0;
    // The X and Y panes, the "Long. Force" pane, the tool tip at the cursor.
    virtual void ShowCursorPosition(double x, double y) = 0;
    virtual void SetLongForceText(bool shown, const std::string& text) = 0;
    virtual void SetToolTip(const std::string& text) = 0;
    // Carries out a menu command (as if chosen from the frame's menus).
    virtual void RunCommand(int id) = 0;
    // A tool changed the document's data (kind 2 the profile lines, 4 the piezometric lines,
    // 0 other data): the document is modified and the data that hang on them made again.
    virtual void DataChanged(int kind) { (void)kind; }
    // The same for a change already drawn on the view's picture: the view is not drawn again.
    virtual void DataChangedDrawn(int kind) { DataChanged(kind); }

    // The view.
    virtual void InvalidateView() = 0;  // the whole client area is drawn again
    virtual void UpdateView() = 0;      // what is invalid is drawn now
    // Scrolls one line step: horizontal and vertical are -1, 0 or 1 (right and up positive).
    // True when it scrolled.
    virtual bool ScrollView(int horizontal, int vertical) = 0;
    // Draws on what the view shows now, without a repaint (rubber bands in XOR); everything
    // drawn lies in `touched` (client pixels), which alone is shown again.
    virtual void DrawOverlay(const platform::DeviceRect& touched,
                             const std::function<void(platform::DeviceContext&)>& draw) = 0;
    virtual platform::DeviceRect ClientRect() const = 0;
    // The top left corner of the view on the screen.
    virtual s_PixelPoint ScreenTopLeft() const = 0;
    // Shows a pop-up menu at a screen point; the id chosen, 0 when none was.
    virtual int TrackMenu(const MenuList& menu, s_PixelPoint screen) = 0;

    // A monotonic clock in milliseconds (the drag delay).
    virtual std::int64_t Milliseconds() const = 0;
};

// The press record: one left-button press, from the press to its release.
struct s_PressRecord {
    bool buttonDown = false;
    bool consumed = false;  // the release does nothing
    bool armed = false;     // a move may still start a drag
    s_PixelPoint press;
    s_PixelPoint lastCursor;  // last press or move
    std::int64_t time = 0;
    // The cursor mode of the drag this press started by a held move; its release drops it.
    int heldDrag = 0;
};
const s_PressRecord& GetPressRecord();
// The last cursor pixel (Zoom Window starts its cross-hair there).
void GetZoomAnchor(int& x, int& y);
// A press moved after this many milliseconds to another pixel drags.
inline constexpr std::int64_t kDragDelayMilliseconds = 250;

// The input functions. "redraw" is cleared on entry and set when the whole view must be drawn
// again; the functions without it invalidate the view themselves where they need to.
// True when the document was modified.
bool ViewLButtonDown(ViewInputHost& view, const s_ViewInput& in, bool& redraw);
// True when the document was modified (a drag started by the held press dropped).
bool ViewLButtonUp(ViewInputHost& view, const s_ViewInput& in);
void ViewMouseMove(ViewInputHost& view, const s_ViewInput& in);
// in.wheelSteps carries the direction; true when handled.
bool ViewMouseWheel(ViewInputHost& view, const s_ViewInput& in);
// True when handled (false: the view's default processing).
bool ViewRButtonDown(ViewInputHost& view, const s_ViewInput& in, bool& redraw);
void ViewKeyDown(ViewInputHost& view, int key, bool shift, bool& redraw);
bool EnterKey(ViewInputHost& view, bool& redraw);
bool EscapeKey(ViewInputHost& view, bool shift, bool& redraw);
bool BackspaceKey(ViewInputHost& view);
bool DeleteKey(ViewInputHost& view);
bool ArrowKey(ViewInputHost& view, int key);
// The wheel as an edit of the item or tool value (also the tool bars' wheel message).
bool MouseWheelEdit(ViewInputHost& view, int delta, bool shift, bool control);

// Whether Shift, Ctrl or Alt is held now (for steps that run without an input record, such as
// the drawing of a tool's band when the view is painted again).
bool IsShiftDown();
bool IsControlDown();
bool IsAltDown();

// The press record and the points back to their start (part of the program-wide reset).
void ResetViewInputState();
