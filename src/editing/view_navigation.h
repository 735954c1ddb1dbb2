#pragma once
// The view's own navigation steps: "Zoom Window" (a full-window cross-hair, then a box between
// two corners), zoom to the data, and a pan by a dragged vector. The outlines are drawn in XOR
// with a one-pixel grey pen on what the view shows, so drawing one twice removes it; after a
// full paint RepaintNavigation draws the current one again (RegisterNavigationDrawing).
//
//     SetViewWindow(&host);
//     StartZoomWindow(x, y);   // cursor mode 2: the cross-hair follows the mouse
//     StartZoomBox(x, y);      // first corner, cursor mode 3: the box follows the mouse
//     DrawZoomBoxMove(x, y);
//     FinishZoomBox();         // zooms to the box, cursor mode 0
//
// The rubber-band start and end pixels are the ones of core/cursor_mode.h.

#include "editing/view_input.h"

// The view the navigation draws on (null until the view registers itself).
void SetViewWindow(ViewInputHost* view);
ViewInputHost* GetViewWindow();
// The whole view drawn again (nothing while there is no view).
void InvalidateViewWindow();

// The colour of the navigation outlines and the selection band.
inline constexpr platform::ColorRef kNavigationPenColor = platform::MakeRgb(160, 160, 160);

// Zoom Window (cursor modes 2 and 3).
bool StartZoomWindow(int x, int y);
void MoveCrosshair(int x, int y);
void StartZoomBox(int x, int y);
void DrawZoomBoxMove(int x, int y);
void FinishZoomBox();
// The world window becomes the box between two pixels (in any order). A box without width or
// height leaves the window as it was; false then.
bool ZoomToPixelBox(int x1, int y1, int x2, int y2);
// Kind 1 the cross-hair, kind 2 the box: erased, cursor mode 0.
bool EraseRubberBand(int kind);

// Pan (cursor modes 4 and 5).
void StartPan(int x, int y);
void DrawPanLineMove(int x, int y);
void FinishPan();
void PanByPixels(int x1, int y1, int x2, int y2);
// Kind 1 the cross-hair, kind 2 the cross-hair and the pan line: erased, cursor mode 0.
void EraseRubberBandOnRightClick(int kind);

// After a full paint: the cross-hair, box or pan line of the step under way drawn again.
void RepaintNavigation(platform::DeviceContext& dc);
// Makes the painting of the view call RepaintNavigation after the data (the view does it once).
void RegisterNavigationDrawing();

// The text of the cursor (loaded by cursor mode changes; nothing shows it).
void LoadCursorText(int stringId, bool save);
void RestoreCursorText();
const std::string& GetCursorText();

// The hooks of core/cursor_mode.h that keep the cursor text (the view adds its arrow cursor).
s_CursorModeHooks NavigationCursorModeHooks();

void ResetViewNavigationState();
