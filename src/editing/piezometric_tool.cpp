#include "editing/piezometric_tool.h"
#include "editing/edit_modes.h"
#include "editing/tool_table.h"
#include "graphics/prompts.h"

#include "core/cursor_mode.h"
#include "core/preferences.h"
#include "editing/cursor_modes.h"
#include "editing/display_bounds.h"
#include "editing/line_editing_dialogs.h"
#include "editing/line_entry_tool.h"
#include "editing/line_point_tools.h"
#include "editing/tool_dialog_bars.h"
#include "editing/view_navigation.h"
#include "graphics/graphics.h"
#include "model/data_set.h"
#include "model/data_sets.h"
#include "porepressure/piezometric_drawing.h"
#include "porepressure/piezometric_line.h"

#include <string>
#include <vector>

namespace {

CmDialogBarPiezometricTool& Bar() { return TheToolBars().piezometric; }
int Stage() { return Cpp_Kliven4DataSet::CurrentStage(); }
Cpp_PiezometricLineList& Lines() {
    return *Cpp_Kliven4Data::CurrentDataSet()->PiezometricLines(Stage());
}

// The bar for the next line of the list, with the unit weight given.
void PrepareBar(const Cpp_PiezometricLineList& lines, double unitWeight) {
    const int number = lines.FirstUnusedNumber();
    Bar().SetLineData(number, unitWeight, NumberedText("Piezometric Line No. %d", number));
    Bar().FocusBarFirstEdit();
}

bool ChoosePoint(int& px, int& py, double& x, double& y, bool fromBar) {
    if (fromBar) {
        if (!Bar().GetPoint(x, y)) return false;
        px = Cpp_Graphics::XToPixel(x);
        py = Cpp_Graphics::YToPixel(y);
        Bar().FocusBarSecondEdit();
    } else {
        Bar().SetPoint(x, y);
    }
    return true;
}

}  // namespace

void Cpp_PiezometricTool::StartEntryTool() {
    const Cpp_PiezometricLineList& lines = Lines();
    const double unitWeight = lines.IsEmpty()
                                  ? Cpp_KlivenSettings::UnitWeightOfWater()
                                  : lines.PiezometricLineAt(lines.Count() - 1)->UnitWeight();
    PrepareBar(lines, unitWeight);
}

bool Cpp_PiezometricTool::StartLineEntry(int px, int py, double x, double y, bool fromBar) {
    if (!ChoosePoint(px, py, x, y, fromBar)) return false;
    Cpp_LineEntry::StartEnterPoints(px, py, x, y, GetPiezometricDisplayAttributes(Stage()));
    Bar().EnableFinishButton(true);
    SetCursorMode(CursorModePiezometricLineEntry);
    return true;
}

bool Cpp_PiezometricTool::EnterPointFromTool(int px, int py, double x, double y, bool fromBar) {
    if (!ChoosePoint(px, py, x, y, fromBar)) return false;
    const bool added =
        fromBar ? Cpp_LineEntry::AddTypedPoint(x, y) : Cpp_LineEntry::AddClickedPoint(px, py, x, y);
    return added ? false : AddLine();
}

bool Cpp_PiezometricTool::AddLine() {
    if (!Cpp_LineEntry::IsActive()) return false;
    // The bar is read first: a field that holds no number keeps the entry going.
    int number = 0;
    double unitWeight = 0;
    std::string description;
    if (!Bar().GetLineData(number, unitWeight, description)) return false;
    std::vector<s_tagTypePointXY> points;
    int count = 2;
    Cpp_LineEntry::FinishEnterPoints(points, count);
    Bar().EnableFinishButton(false);
    InvalidateViewWindow();
    if (count == 0) return false;
    Cpp_PiezometricLineList& lines = Lines();
    if (!SettleNewLineNumber(lines, LINEKIND_PIEZOMETRIC, number)) return false;
    Cpp_PiezometricLine* line = lines.CreateLine(number, unitWeight, description);
    for (const s_tagTypePointXY& p : points) line->AddPoint(p.x, p.y);
    line->NumberPoints();
    PrepareBar(lines, unitWeight);
    UpdateDisplayBoundsFromGeometry();
    return true;
}

void Cpp_PiezometricTool::CancelEntryTool() {
    Bar().EnableFinishButton(false);
    Cpp_LineEntry::CancelEnterPoints();
}

bool Cpp_PiezometricTool::StartAddPointAtEnd(Cpp_Line* line, Cpp_PointXY* endPoint) {
    if (!Cpp_LineTool::StartAddPointAtEnd(line, endPoint, LINEKIND_PIEZOMETRIC,
                                          GetPiezometricDisplayAttributes(Stage())))
        return false;
    Bar().SetEntryOption(4);
    return true;
}

bool Cpp_PiezometricTool::AddPointAtEndFromToolBar(double x, double y, bool fromBar) {
    if (fromBar && !Bar().GetPoint(x, y)) return false;
    return Cpp_LineTool::AddPointAtEnd(x, y);
}

bool Cpp_PiezometricTool::CompleteInsertFromToolBar(double x, double y, bool link, bool fromBar) {
    if (fromBar && !Bar().GetPoint(x, y)) return false;
    return Cpp_LineTool::CompleteInsertOnSegment(x, y, link);
}

bool Cpp_PiezometricTool::EndDragPoint(bool fromBar) {
    double x = 0, y = 0;
    if (fromBar && !Bar().GetPoint(x, y)) return false;
    return Cpp_LineTool::DropDraggedPoint(x, y, fromBar);
}

namespace {

struct s_NewPiezometricLine {
    int number = 0;
    bool leftPortionNew = false;
    std::string description;
};
bool AskSplitData(s_NewPiezometricLine& out) {
    const int number = Lines().FirstUnusedNumber();
    const std::string description = NumberedText("Piezometric line number %1d", number);
    s_PiezometricSplitInformation information;
    information.newNumber = number;
    information.leftPortionNew = false;
    information.description = description;
    if (!LineEditingDialogsSlot().Get().PiezometricSplit(information)) return false;
    out.number = number;
    out.leftPortionNew = information.leftPortionNew;
    out.description = information.description.empty() ? description : information.description;
    return true;
}

// The right portion always becomes the line made; it keeps the split line's unit weight.
void SplitAfter(Cpp_PiezometricLine& line, Cpp_PointXY* point, const s_NewPiezometricLine& chosen) {
    const std::vector<s_tagTypePointXY> right = CutLineAfter(line, point);
    Cpp_PiezometricLine* made = nullptr;
    if (chosen.leftPortionNew) {
        made = Lines().CreateLine(line.GetNumber(), line.UnitWeight(), line.Description());
        line.SetNumber(chosen.number);
        line.SetDescription(chosen.description);
    } else {
        made = Lines().CreateLine(chosen.number, line.UnitWeight(), chosen.description);
    }
    for (const s_tagTypePointXY& p : right) made->AddPoint(p.x, p.y);
    line.NumberPoints();
    made->NumberPoints();
    InvalidateViewWindow();
}

Cpp_PiezometricLine* ListedPiezometricLine(Cpp_Line* line) {
    return Lines().IndexOf(line) < 0 ? nullptr : static_cast<Cpp_PiezometricLine*>(line);
}

}  // namespace

bool Cpp_PiezometricTool::SplitLineAtPoint(Cpp_Line* line, Cpp_PointXY* point) {
    Cpp_PiezometricLine* piezometric = ListedPiezometricLine(line);
    if (!piezometric || !point || !piezometric->ContainsPoint(point)) return false;
    s_NewPiezometricLine chosen;
    if (!AskSplitData(chosen)) return false;
    SplitAfter(*piezometric, point, chosen);
    return true;
}

bool Cpp_PiezometricTool::SplitLineAtSegment(Cpp_Line* line, Cpp_PointXY* segmentStart,
                                             bool fromBar) {
    Cpp_PiezometricLine* piezometric = ListedPiezometricLine(line);
    if (!piezometric || !segmentStart || !piezometric->ContainsPoint(segmentStart)) return false;
    s_tagTypePointXY at;
    if (!CompleteSplitFromBar(Bar(), fromBar, at)) return false;
    s_NewPiezometricLine chosen;
    if (!AskSplitData(chosen)) {
        InvalidateViewWindow();  // the split point drawn is taken away
        return false;
    }
    Cpp_PointXY* cut = piezometric->InsertPointAfter(segmentStart, at.x, at.y);
    SplitAfter(*piezometric, cut, chosen);
    return true;
}

// ---------------------------------------------------------------------------------------------
// The tool object.

namespace {

using namespace tool_cells;
using namespace view_input_ops;

// With Shift held the cursor's point goes into the bar's X and Y.
void PiezometricShiftMove(s_InputCall& c) {
    if (c.in.shift) TheToolBars().piezometric.SetPoint(c.rounded.x, c.rounded.y);
}
void PiezometricEntryMove(s_InputCall& c) {
    PiezometricShiftMove(c);
    LineEntryPointMove(c);
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
        LineKindAdded(c, 4);
}
void PiezometricPointFromBar(s_InputCall& c) {
    if (Cpp_PiezometricTool::EnterPointFromTool(0, 0, 0, 0, true)) LineKindAdded(c, 4);
}
void PiezometricFinish(s_InputCall& c) {
    if (Cpp_PiezometricTool::AddLine()) LineKindAdded(c, 4);
}
void PiezometricEscape(s_InputCall& c) {
    if (c.in.shift) {
        Cpp_LineEntry::UndoLastEnteredPoint();
    } else {
        Cpp_PiezometricTool::CancelEntryTool();
    }
}

//                                 Left  Move  Enter Esc   Bksp  Right
const s_CursorModeRow kSteps[] = {
    {19,
     19,
     "Piezometric line entry",
     {R(PiezometricPoint), R(PiezometricEntryMove), R(PiezometricPointFromBar),
      R(PiezometricEscape), X, R(PiezometricFinish)}},
};

}  // namespace

PiezometricTool::PiezometricTool()
    : Tool(EditModePiezometricLines, EditModePiezometricLines, "Piezometric Lines") {}

s_ToolInputs PiezometricTool::Inputs(int) const {
    return {R(PiezometricFirstPoint), R(PiezometricFirstPointFromBar), R(PiezometricShiftMove),
            R(ShowViewMenu)};
}

std::span<const s_CursorModeRow> PiezometricTool::Steps() const { return kSteps; }

void PiezometricTool::Reset(ToolContext&) { Cpp_LineEntry::Drop(); }

std::optional<bool> PiezometricTool::Delete(ToolContext& context, int cursorMode) {
    (void)context;
    (void)cursorMode;
    // Takes the last entered point back, as Shift+Escape does.
    Cpp_LineEntry::UndoLastEnteredPoint();
    return std::nullopt;
}

void PiezometricTool::RegisterDrawing() const { Cpp_LineEntry::RegisterDrawing(); }

void PiezometricTool::Prompt(const s_ToolPrompt& prompt) const {
    SetStatusTextFromId(prompt.view, 1314);
}

int PiezometricTool::Bar(int) const { return BarPiezometric; }

void PiezometricTool::Chosen(ToolContext& context, int editMode) {
    Cpp_PiezometricTool::StartEntryTool();
    ShowToolPrompt(context, editMode);
}
