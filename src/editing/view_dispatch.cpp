#include "editing/view_dispatch.h"

#include "core/dialog_slot.h"
#include "editing/cursor_modes.h"
#include "editing/edit_modes.h"
#include "editing/line_entry_tool.h"
#include "editing/noncircular_tool.h"
#include "editing/piezometric_tool.h"
#include "editing/profile_tool.h"
#include "editing/slope_tool.h"
#include "editing/selection_list.h"
#include "editing/view_load_steps.h"
#include "editing/view_navigation.h"
#include "editing/tangent_line_tools.h"
#include "editing/two_step_edits.h"
#include "editing/view_slip_surface_steps.h"
#include "editing/view_tool_steps.h"
#include "graphics/graphics.h"
#include "model/data_set.h"

#include <algorithm>

namespace {

using namespace view_input_ops;
using namespace view_tool_steps;
using namespace view_slip_surface_steps;
using namespace view_load_ops;
using namespace view_edit_steps;

constexpr s_InputCell N{e_InputCell::Nothing};
constexpr s_InputCell D{e_InputCell::Default};
constexpr s_InputCell H{e_InputCell::NotHandled};
constexpr s_InputCell M{e_InputCell::Missing};
constexpr s_InputCell X{e_InputCell::Delete};
constexpr s_InputCell R(InputOperation op) { return {e_InputCell::Run, op}; }

// The navigation steps of the view.
void ZoomBoxFirstCorner(s_InputCall& c) { StartZoomBox(c.in.device.x, c.in.device.y); }
void ZoomBoxSecondCorner(s_InputCall&) { FinishZoomBox(); }
void CrosshairMove(s_InputCall& c) { MoveCrosshair(c.in.device.x, c.in.device.y); }
void ZoomBoxMove(s_InputCall& c) { DrawZoomBoxMove(c.in.device.x, c.in.device.y); }
void EraseCrosshair(s_InputCall&) { EraseRubberBand(1); }
void EraseZoomBox(s_InputCall&) { EraseRubberBand(2); }
void PanAnchor(s_InputCall& c) { StartPan(c.in.device.x, c.in.device.y); }
void PanEnd(s_InputCall&) { FinishPan(); }
void PanLineMove(s_InputCall& c) { DrawPanLineMove(c.in.device.x, c.in.device.y); }
void ErasePanCrosshair(s_InputCall&) { EraseRubberBandOnRightClick(1); }
void ErasePanLine(s_InputCall&) { EraseRubberBandOnRightClick(2); }
void ZoomInClick(s_InputCall& c) {
    Cpp_Graphics::ZoomInAt(c.raw.x, c.raw.y);
    InvalidateViewWindow();
}
void ZoomOutClick(s_InputCall& c) {
    Cpp_Graphics::ZoomOutAt(c.raw.x, c.raw.y);
    InvalidateViewWindow();
}
void ToModeZero(s_InputCall&) { SetCursorMode(CursorModeNone); }

// The factor-of-safety text tool works on the results of the first selected item's data set.
Cpp_Selection* FirstSelectedWithDataSet() {
    Cpp_Selection* first = GetCurrentSelection().GetNth(1);
    return first && first->GetDataSet() ? first : nullptr;
}
void ResultsToolMove(s_InputCall& c) {
    if (Cpp_Selection* first = FirstSelectedWithDataSet()) {
        Cpp_ResultsDisplay& results = first->GetDataSet()->ResultsDisplay();
        c.view.DrawOverlay(c.view.ClientRect(), [&](platform::DeviceContext& dc) {
            results.MouseMoveTool(dc, c.in.device.x, c.in.device.y);
        });
    }
}
void ResultsToolClick(s_InputCall& c) {
    Cpp_Selection* first = FirstSelectedWithDataSet();
    if (!first || first->GetType() != SEL_RESULTS_FACTOR_TEXT) return;
    Cpp_ResultsDisplay& results = first->GetDataSet()->ResultsDisplay();
    c.view.DrawOverlay(c.view.ClientRect(),
                       [&](platform::DeviceContext& dc) { results.LButtonDownTool(dc); });
    ResetCursorMode();
    c.view.InvalidateView();
}
// The point-entry tool of the line kinds.
void LineAdded(s_InputCall& c, int kind) {
    c.modified = true;
    c.redraw = true;
    c.view.DataChanged(kind);
}
void EntryMove(s_InputCall& c) {
    Cpp_LineEntry::EnterPointsMouseMove(c.pickDevice.x, c.pickDevice.y, c.in.device.x,
                                        c.in.device.y, c.rounded.x, c.rounded.y);
    CoordinateToolTip(c);
}
void ProfileFirstPoint(s_InputCall& c) {
    Cpp_ProfileTool::StartLineEntry(c.in.device.x, c.in.device.y, c.rounded.x, c.rounded.y,
                                    false);
}
void ProfileFirstPointFromBar(s_InputCall&) { Cpp_ProfileTool::StartLineEntry(0, 0, 0, 0, true); }
void ProfilePoint(s_InputCall& c) {
    if (Cpp_ProfileTool::EnterPointFromTool(c.in.device.x, c.in.device.y, c.rounded.x,
                                            c.rounded.y, false))
        LineAdded(c, 2);
}
void ProfilePointFromBar(s_InputCall& c) {
    if (Cpp_ProfileTool::EnterPointFromTool(0, 0, 0, 0, true)) LineAdded(c, 2);
}
void ProfileFinish(s_InputCall& c) {
    if (Cpp_ProfileTool::AddLine()) LineAdded(c, 2);
}
void PiezometricFirstPoint(s_InputCall& c) {
    Cpp_PiezometricTool::StartLineEntry(c.in.device.x, c.in.device.y, c.rounded.x, c.rounded.y,
                                        false);
}
void PiezometricFirstPointFromBar(s_InputCall&) {
    Cpp_PiezometricTool::StartLineEntry(0, 0, 0, 0, true);
}
void PiezometricPoint(s_InputCall& c) {
    if (Cpp_PiezometricTool::EnterPointFromTool(c.in.device.x, c.in.device.y, c.rounded.x,
                                                c.rounded.y, false))
        LineAdded(c, 4);
}
void PiezometricPointFromBar(s_InputCall& c) {
    if (Cpp_PiezometricTool::EnterPointFromTool(0, 0, 0, 0, true)) LineAdded(c, 4);
}
void PiezometricFinish(s_InputCall& c) {
    if (Cpp_PiezometricTool::AddLine()) LineAdded(c, 4);
}
void PiezometricEscape(s_InputCall& c) {
    if (c.in.shift) {
        Cpp_LineEntry::UndoLastEnteredPoint();
    } else {
        Cpp_PiezometricTool::CancelEntryTool();
    }
}
void SlopeFirstPoint(s_InputCall& c) {
    Cpp_SlopeTool::StartLineEntry(c.in.device.x, c.in.device.y, c.rounded.x, c.rounded.y, false);
}
void SlopeFirstPointFromBar(s_InputCall&) { Cpp_SlopeTool::StartLineEntry(0, 0, 0, 0, true); }
void SlopePoint(s_InputCall& c) {
    if (Cpp_SlopeTool::EnterPointFromTool(c.in.device.x, c.in.device.y, c.rounded.x, c.rounded.y,
                                          false))
        LineAdded(c, 2);
}
void SlopePointFromBar(s_InputCall& c) {
    if (Cpp_SlopeTool::EnterPointFromTool(0, 0, 0, 0, true)) LineAdded(c, 2);
}
void SlopeFinish(s_InputCall& c) {
    if (Cpp_SlopeTool::FinishEntry()) LineAdded(c, 2);
}
void SlopeEscape(s_InputCall& c) {
    if (c.in.shift) {
        Cpp_LineEntry::UndoLastEnteredPoint();
    } else {
        Cpp_SlopeTool::CancelEntryTool();
    }
}
void ProfileEscape(s_InputCall& c) {
    if (c.in.shift) {
        Cpp_LineEntry::UndoLastEnteredPoint();
    } else {
        Cpp_ProfileTool::CancelEntryTool();
    }
}

//                                 Left  Move  Enter Esc   Bksp  Right
const s_CursorModeRow kCursorModes[] = {
    {0, 0, "", {D, D, D, R(EscapeAtModeZero), N, D}},
    {2,
     2,
     "Zoom Window",
     {R(ZoomBoxFirstCorner), R(CrosshairMove), N, R(EraseCrosshair), N, R(EraseCrosshair)}},
    {3,
     3,
     "Zoom Window",
     {R(ZoomBoxSecondCorner), R(ZoomBoxMove), N, R(EraseZoomBox), N, R(EraseZoomBox)}},
    {4, 4, "Pan", {R(PanAnchor), R(CrosshairMove), N, H, N, R(ErasePanCrosshair)}},
    {5, 5, "Pan", {R(PanEnd), R(PanLineMove), N, H, N, R(ErasePanLine)}},
    {6,
     6,
     "Zoom in",
     {R(ZoomInClick), D, R(ToModeZero), R(ToModeZero), R(ToModeZero), R(ToModeZero)}},
    {7,
     7,
     "Zoom out",
     {R(ZoomOutClick), D, R(ToModeZero), R(ToModeZero), R(ToModeZero), R(ToModeZero)}},
    {10, 11, "Rescale coordinates", {R(RescalePointClick), N, D, H, H, H}},
    {13, 13, "Line point entry", {M, M, M, M, X, M}},
    {14,
     14,
     "Distributed-load point entry",
     {R(DistributedLoadClick), R(DistributedLoadMove), R(DistributedLoadEnter),
      R(DistributedLoadEscape), X, R(DistributedLoadFinish)}},
    {16,
     16,
     "Construction circle entry",
     {R(CircleEntryClick), R(CircleEntryMove), R(CircleEntryEnter), R(CircleEntryEscape), N, H}},
    {17,
     17,
     "Construction line entry",
     {R(LineEntryClick), R(LineEntryMove), R(LineEntryEnter), R(LineEntryEscape), N,
      R(LineEntryFinish)}},
    {18,
     18,
     "Profile line entry",
     {R(ProfilePoint), R(EntryMove), R(ProfilePointFromBar), R(ProfileEscape), X,
      R(ProfileFinish)}},
    {19,
     19,
     "Piezometric line entry",
     {R(PiezometricPoint), R(EntryMove), R(PiezometricPointFromBar), R(PiezometricEscape), X,
      R(PiezometricFinish)}},
    {23,
     23,
     "Slope line entry",
     {R(SlopePoint), R(EntryMove), R(SlopePointFromBar), R(SlopeEscape), X, R(SlopeFinish)}},
    {36,
     36,
     "Reinforcement line entry",
     {R(ReinforcementClick), R(ReinforcementMove), R(ReinforcementEnter), R(ReinforcementEscape),
      R(ReinforcementBackspace), R(ReinforcementFinish)}},
    {37,
     37,
     "Circle radius",
     {R(CircleRadiusClick), R(CircleRadiusMove), R(CircleRadiusEnter), R(CircleRadiusCancel),
      R(CircleRadiusCancel), H}},
    {38,
     38,
     "Fixed search grid entry",
     {R(GridCornerClick), R(GridCornerMove), R(GridCornerEnter), R(GridEntryEscape), N, H}},
    {39, 39, "Fixed search grid entry", {N, R(GridRectangleMove), D, N, N, H}},
    {40,
     40,
     "Noncircular surface entry",
     {R(NoncircularPointClick), R(NoncircularPointMove), R(NoncircularPointEnter),
      R(NoncircularCancel), R(NoncircularCancel), R(NoncircularFinish)}},
    {41,
     41,
     "Tangent line entry",
     {R(TangentPointClick), R(TangentPointMove), R(TangentPointEnter), R(TangentEscape), N,
      R(TangentFinish)}},
    {42,
     43,
     "Crack entry",
     {R(CrackEntryClick), R(CrackEntryMove), R(CrackEntryEnter), R(CrackEntryEscape), N,
      R(CrackEntryFinish)}},
    {44, 44, "Selection band", {R(FinishBand), R(BandMove), D, R(EndBand), H, H}},
    {47, 48, "Reinforcement placement",
     {R(PlacementClick), R(PlacementBandMove), R(PlacementEnter), R(PlacementEscape), H, H}},
    {58, 58, "Material table drag", {M, M, D, H, H, N}},
    {59, 59, "Results display tool", {R(ResultsToolClick), R(ResultsToolMove), D, H, H, H}},
    {77, 77, "Click selection", {M, D, D, H, H, H}},
    {80, 80, "Compute Distance", {R(DistancePick), D, D, R(DistanceEscape), H, H}},
    {81,
     83,
     "Add Point at End",
     {R(AddAtEndClick), R(AddAtEndMove), R(AddAtEndEnter), R(AddAtEndCancel), R(AddAtEndCancel),
      H}},
    {84,
     84,
     "Add Point at End",
     {R(AddAtEndClick), R(AddAtEndMove), R(AddAtEndEnter), R(AddAtEndCancel), H, H}},
    {85,
     85,
     "Add Point at End",
     {R(ReinforcementAddEndClick), R(ReinforcementAddEndMove), R(ReinforcementAddEndEnter),
      R(ReinforcementAddEndEscape), R(ReinforcementAddEndEscape), H}},
    {86,
     86,
     "Add Point at End",
     {R(DistributedLoadAddEndClick), R(DistributedLoadAddEndMove), R(DistributedLoadAddEndEnter),
      R(DistributedLoadAddEndEscape), R(DistributedLoadAddEndEscape), H}},
    {87,
     87,
     "Add Point at End",
     {R(NoncircularAddAtEndClick), R(NoncircularAddAtEndMove), R(NoncircularAddAtEndEnter),
      R(AddAtEndCancel), N, H}},
    {88, 88, "Add Point at End", {N, D, R(TangentAddAtEndEnter), H, H, H}},
    {89,
     89,
     "Move (\"Drag\") Item",
     {R(DragPointDrop), R(DragPointMove), R(DragPointEnter), R(DragPointCancel),
      R(DragPointCancel), H}},
    {90,
     90,
     "Move (\"Drag\") Item",
     {R(DistributedLoadDragDrop), R(DistributedLoadDragMove), R(DistributedLoadDragEnter),
      R(DistributedLoadDragEscape), R(DistributedLoadDragEscape), H}},
    {91,
     91,
     "Move (\"Drag\") Item",
     {R(LineLoadDragDrop), R(LineLoadDragMove), R(LineLoadDragEnter), R(LineLoadDragEscape), N, H}},
    {92,
     93,
     "Move (\"Drag\") Item",
     {R(DragPointDrop), R(DragPointMove), R(DragPointEnter), R(DragPointCancel),
      R(DragPointCancel), H}},
    {94,
     94,
     "Move (\"Drag\") Item",
     {R(DragPointDrop), R(DragPointMove), D, R(DragPointCancel), H, H}},
    {95,
     95,
     "Move (\"Drag\") Item",
     {R(ReinforcementDragDrop), R(ReinforcementDragMove), R(ReinforcementDragEnter),
      R(ReinforcementDragEscape), R(ReinforcementDragEscape), H}},
    {96,
     96,
     "Move (\"Drag\") Item",
     {R(NoncircularDrop), R(NoncircularDragMove), R(NoncircularDropFromBar), R(DragPointCancel),
      N, H}},
    {97,
     97,
     "Move (\"Drag\") Item",
     {R(TangentDrop), R(TangentDragMove), R(TangentDropFromBar), R(DragPointCancel), N, H}},
    {98,
     98,
     "Move (\"Drag\") Item",
     {R(CrackDragDrop), R(CrackDragMove), R(CrackDragDropFromBar), R(CrackDragEscape), N, H}},
    {99,
     99,
     "Move (\"Drag\") Item",
     {R(GridCornerDrop), R(GridCornerDragMove), R(GridCornerDropFromBar), R(GridCornerMoveCancel),
      N, H}},
    {102,
     102,
     "Move (\"Drag\") Item",
     {R(DragSegmentDrop), R(DragSegmentMove), D, R(DragSegmentCancel), R(DragSegmentCancel), H}},
    {103,
     103,
     "Move (\"Drag\") Item",
     {R(CentreClick), R(CentreMove), D, R(CentreCancel), R(CentreCancel), H}},
    {104,
     106,
     "Move (\"Drag\") Item",
     {R(RadiusRuleClick), R(RadiusRuleMove), D, R(RadiusRuleCancel), R(RadiusRuleCancel), H}},
    {107,
     107,
     "Change radius",
     {R(RubberBandClick), R(RubberBandMove), R(RubberBandEnter), R(RubberBandCancel),
      R(RubberBandCancel), H}},
    {108, 109, "Move (\"Drag\") Item", {R(DragDrop), R(DragBandMove), D, H, H, H}},
    {110, 110, "Extend to Line", {R(ExtendTargetClick), D, D, R(ExtendEscape), H, H}},
    {111, 111, "Extend to Line", {R(ExtendDirectionClick), D, D, R(ExtendEscape), H, H}},
    {112,
     112,
     "Insert Point",
     {R(InsertClick), R(InsertMove), R(InsertEnter), R(InsertCancel), R(InsertCancel), H}},
    {113,
     113,
     "Insert Point",
     {R(DistributedLoadInsertClick), R(DistributedLoadInsertMove), R(DistributedLoadInsertEnter),
      R(DistributedLoadInsertEscape), N, H}},
    {114,
     115,
     "Insert Point",
     {R(InsertClick), R(InsertMove), R(InsertEnter), R(InsertCancel), R(InsertCancel), H}},
    {116,
     116,
     "Insert Point",
     {R(ReinforcementInsertClick), R(ReinforcementInsertMove), R(ReinforcementInsertEnter),
      R(ReinforcementInsertEscape), R(ReinforcementInsertEscape), H}},
    {117,
     117,
     "Insert Point",
     {R(InsertClick), R(InsertMove), R(InsertEnter), R(InsertCancel), R(InsertCancel), H}},
    {118,
     118,
     "Insert Point",
     {R(NoncircularInsertClick), R(NoncircularInsertMove), R(NoncircularInsertEnter),
      R(InsertCancel), R(InsertCancel), H}},
    {119,
     119,
     "Insert Point",
     {R(TangentInsertClick), R(TangentInsertMove), R(TangentInsertEnter), R(InsertCancel),
      R(InsertCancel), H}},
    {120,
     121,
     "Insert Point",
     {R(CrackInsertClick), R(CrackInsertMove), D, R(CrackInsertEscape), N, H}},
    {122, 122, "Move to Line Parallel", {R(ParallelReferenceClick), D, D, R(ParallelEscape), H, H}},
    {123, 123, "Adjust end of segment", {R(AdjustEndClick), D, D, H, H, H}},
    {125, 125, "Move Point a Distance", {R(MoveFromPointClick), D, D, R(EndStep), H, H}},
    {126, 126, "Move Point a Distance", {R(MoveFromLineClick), D, D, R(EndStep), H, H}},
    {127, 127, "Move Point a Distance", {M, D, D, H, H, H}},
    {128, 128, "Move to Line", {R(MoveToLineTargetClick), D, D, R(EndStep), H, H}},
    {129, 129, "Move to Line", {R(MoveToLineReferenceClick), D, D, R(EndStep), H, H}},
    {130,
     130,
     "Shift direction",
     {R(ShiftDirectionClick), R(ShiftDirectionMove), D, R(ShiftDirectionCancel),
      R(ShiftDirectionCancel), H}},
    {131, 131, "Shift direction", {R(ShiftParallelPick), D, D, R(ShiftParallelCancel), N, H}},
    {132,
     134,
     "Split Line",
     {R(SplitClick), R(SplitMove), R(SplitEnter), R(SplitEscape), H, H}},
    {135,
     135,
     "Split Line",
     {R(ReinforcementSplitClick), N, R(ReinforcementSplitClick), R(ReinforcementSplitEscape), H,
      H}},
    {136, 136, "Snap Horizontally", {R(SnapLineClick), D, D, R(EndStep), H, H}},
    {137, 137, "Snap to Point", {R(SnapPointClick), D, D, R(EndStep), H, H}},
    {139, 139, "Change segment length", {R(ChangeLengthClick), D, D, H, H, H}},
    {140,
     140,
     "Change segment slope",
     {R(ChangeSlopeClick), D, D, R(ChangeSlopeEscape), H, H}},
    {160, 160, "Renumber lines", {R(RenumberClick), D, D, R(RenumberEscape), N, H}},
};

//                                         Left  Enter Move  Right
const s_EditModeRow kEditModes[] = {
    {1, 1, "Select Items", R(SelectWithMouse), R(SelectModeEnter), R(SelectModeMove),
     R(SelectModeRight)},
    {2, 2, "Construction Lines", R(ConstructionClick), R(ConstructionEnter), R(ConstructionMove),
     R(ShowViewMenu)},
    {3, 3, "Distributed Loads", R(DistributedLoadFirstClick), R(DistributedLoadFirstEnter),
     R(DistributedLoadToolMove), R(ShowViewMenu)},
    {4, 4, "Line Loads", R(LineLoadClick), R(LineLoadEnter), R(LineLoadMove), R(ShowViewMenu)},
    {5, 5, "Materials", R(MaterialToolClick), H, N, R(ShowViewMenuWithStage)},
    {6, 6, "Profile Lines", R(ProfileFirstPoint), R(ProfileFirstPointFromBar), R(ShiftToToolBar),
     R(ShowViewMenu)},
    {7, 7, "Piezometric Lines", R(PiezometricFirstPoint), R(PiezometricFirstPointFromBar),
     R(ShiftToToolBar), R(ShowViewMenu)},
    {8, 10, "Interpolation Points", R(InterpolationClick), R(InterpolationEnter),
     R(InterpolationMove), R(InterpolationMenu)},
    {11, 11, "Interpolation Points", N, M, R(ShiftOrControlToolTip), R(ShowViewMenu)},
    {12, 12, "Slope Line", R(SlopeFirstPoint), R(SlopeFirstPointFromBar), R(ShiftToToolBar),
     R(ShowViewMenu)},
    {13, 13, "Reinforcement", R(ReinforcementFirstClick), R(ReinforcementFirstEnter),
     R(ReinforcementIdleMove), R(ShowViewMenu)},
    {14, 14, "Circle", R(CircleClick), R(CircleEnter), R(CircleMove), R(ShowViewMenu)},
    {15, 15, "Noncircular Surface", R(NoncircularClick), R(NoncircularEnter), R(NoncircularMove),
     R(ShowViewMenu)},
    {16, 16, "Radius", R(RadiusClick), R(RadiusEnter), R(RadiusMove), R(ShowViewMenu)},
    {17, 18, "Crack", R(CrackToolClick), R(CrackToolEnter), R(CrackToolMove), R(ShowViewMenu)},
    {19, 19, "Nails", R(NailToolClick), R(NailToolEnter), R(ShiftToToolBar), R(ShowViewMenu)},
    {20, 20, "Geogrids", R(GeogridToolClick), R(GeogridToolEnter), N, R(ShowViewMenu)},
};

}  // namespace

std::span<const s_CursorModeRow> CursorModeTable() { return kCursorModes; }
std::span<const s_EditModeRow> EditModeTable() { return kEditModes; }

const s_CursorModeRow* FindCursorModeRow(int mode) {
    const auto it = std::find_if(std::begin(kCursorModes), std::end(kCursorModes),
                                 [mode](const s_CursorModeRow& row) {
                                     return row.firstMode <= mode && mode <= row.lastMode;
                                 });
    return it == std::end(kCursorModes) ? nullptr : &*it;
}

const s_EditModeRow* FindEditModeRow(int mode) {
    const auto it = std::find_if(
        std::begin(kEditModes), std::end(kEditModes),
        [mode](const s_EditModeRow& row) { return row.firstMode <= mode && mode <= row.lastMode; });
    return it == std::end(kEditModes) ? nullptr : &*it;
}

std::string InputNotAvailableText(const char* what) { return NotAvailableText(what); }
