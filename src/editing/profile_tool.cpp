#include "editing/profile_tool.h"
#include "editing/edit_modes.h"
#include "editing/tool_table.h"
#include "graphics/prompts.h"

#include "core/cursor_mode.h"
#include "core/message_boxes.h"
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
#include "profile/profile_drawing.h"
#include "profile/profile_line.h"

#include <string>
#include <vector>

namespace {

CmDialogBarProfileTool& Bar() { return TheToolBars().profile; }
Cpp_ProfileLineList& Lines() { return Cpp_Kliven4Data::CurrentDataSet()->ProfileLines(); }

}  // namespace

s_DrawAttributesType Cpp_ProfileTool::GetDisplayAttributes() {
    const s_LinePenType& pen = ProfileLinePen();
    const s_SymbolAttributesType points = ProfilePointAttributes();
    return s_DrawAttributesType(pen.width, pen.colour, points.penWidth, points.markerSize,
                                points.style, points.colour);
}

void Cpp_ProfileTool::StartEntryTool() {
    const Cpp_ProfileLineList& lines = Lines();
    const int number = lines.FirstUnusedNumber();
    Bar().SetLineData(number, lines.FirstUnusedMaterialNumber(),
                      NumberedText("Profile Line No. %d", number));
    Bar().FocusNumberEdit();
}

bool Cpp_ProfileTool::StartLineEntry(int px, int py, double x, double y, bool fromBar) {
    if (!ChooseEntryPoint(Bar(), px, py, x, y, fromBar)) return false;
    Cpp_LineEntry::StartEnterPoints(px, py, x, y, GetDisplayAttributes());
    Bar().EnableFinishButton(true);
    SetCursorMode(CursorModeProfileLineEntry);
    return true;
}

bool Cpp_ProfileTool::EnterPointFromTool(int px, int py, double x, double y, bool fromBar) {
    if (!ChooseEntryPoint(Bar(), px, py, x, y, fromBar)) return false;
    const bool added =
        fromBar ? Cpp_LineEntry::AddTypedPoint(x, y) : Cpp_LineEntry::AddClickedPoint(px, py, x, y);
    if (added) return false;
    // The last point again: the line is finished.
    return AddLine();
}

bool Cpp_ProfileTool::AddLine() {
    if (!Cpp_LineEntry::IsActive()) return false;
    // The bar is read first: a field that holds no number keeps the entry going.
    int number = 0, material = 0;
    std::string description;
    if (!Bar().GetLineData(number, material, description)) return false;
    Bar().EnableFinishButton(false);
    std::vector<s_tagTypePointXY> points;
    int count = 2;
    Cpp_LineEntry::FinishEnterPoints(points, count);
    InvalidateViewWindow();
    if (count == 0) {
        ShowErrorMessage("Profile Line Error", "Line had fewer than 2 points and was rejected.");
        return false;
    }
    Cpp_ProfileLineList& lines = Lines();
    if (!SettleNewLineNumber(lines, LINEKIND_PROFILE, number)) return false;
    Cpp_ProfileLine* line = lines.CreateLine(number, material, description);
    for (const s_tagTypePointXY& p : points) line->AddPoint(p.x, p.y);
    line->NumberPoints();
    const int next = lines.FirstUnusedNumber();
    Bar().SetLineData(next, lines.FirstUnusedMaterialNumber(),
                      NumberedText("Profile line #%1d", next));
    Bar().FocusNumberEdit();
    UpdateDisplayBoundsFromGeometry();
    return true;
}

void Cpp_ProfileTool::CancelEntryTool() {
    Bar().EnableFinishButton(false);
    Cpp_LineEntry::CancelEnterPoints();
}

bool Cpp_ProfileTool::StartAddPointAtEnd(Cpp_Line* line, Cpp_PointXY* endPoint) {
    if (!Cpp_LineTool::StartAddPointAtEnd(line, endPoint, LINEKIND_PROFILE, GetDisplayAttributes()))
        return false;
    Bar().SetEntryOption(4);
    return true;
}

bool Cpp_ProfileTool::DeletePoint(Cpp_Line* line, Cpp_PointXY* point) {
    Cpp_ProfileLineList& lines = Lines();
    if (lines.IndexOf(line) < 0) return false;
    Cpp_LineTool::SetEditingAttributes(GetDisplayAttributes());
    if (line->NumberOfPoints() <= 1) {
        Cpp_LineTool::EraseInWindow(line);
        return lines.RemoveLine(line);
    }
    return Cpp_LineTool::DeletePoint(line, point);
}

namespace {

// The new line's number, material and description as the user chooses them; false on Cancel.
struct s_NewProfileLine {
    int number = 0;
    int material = 0;
    bool leftPortionNew = false;
    std::string description;
};
bool AskSplitInformation(const Cpp_ProfileLine& line, s_NewProfileLine& out) {
    const Cpp_ProfileLineList& lines = Lines();
    const int number = lines.FirstUnusedNumber();
    const int proposed = lines.FirstUnusedMaterialNumber();
    const std::string description = NumberedText("Profile line number %1d", number);
    s_ProfileSplitInformation information;
    information.splitLineMaterial = line.GetMaterialNumber();
    information.newMaterial = proposed;
    information.materialChoice = 1;
    information.leftPortionNew = false;
    information.description = description;
    if (!LineEditingDialogsSlot().Get().ProfileSplit(information)) return false;
    out.number = number;
    switch (information.materialChoice) {
    case 0: out.material = line.GetMaterialNumber(); break;
    case 2: out.material = information.newMaterial; break;
    default: out.material = proposed; break;
    }
    out.leftPortionNew = information.leftPortionNew;
    out.description = information.description.empty() ? description : information.description;
    return true;
}

// Cuts the line after the point and makes the new line as chosen.
void SplitAfter(Cpp_ProfileLine& line, Cpp_PointXY* point, const s_NewProfileLine& chosen) {
    const std::vector<s_tagTypePointXY> right = CutLineAfter(line, point);
    Cpp_ProfileLine* made = nullptr;
    if (chosen.leftPortionNew) {
        const std::string former = line.Description();
        made = Lines().CreateLine(line.GetNumber(), line.GetMaterialNumber(), former);
        line.SetNumber(chosen.number);
        line.SetMaterialNumber(chosen.material);
        line.SetDescription(chosen.description);
    } else {
        made = Lines().CreateLine(chosen.number, chosen.material, chosen.description);
    }
    for (const s_tagTypePointXY& p : right) made->AddPoint(p.x, p.y);
    line.NumberPoints();
    made->NumberPoints();
    InvalidateViewWindow();
}

Cpp_ProfileLine* ListedProfileLine(Cpp_Line* line) {
    return Lines().IndexOf(line) < 0 ? nullptr : static_cast<Cpp_ProfileLine*>(line);
}

}  // namespace

bool Cpp_ProfileTool::SplitLineAtPoint(Cpp_Line* line, Cpp_PointXY* point) {
    Cpp_ProfileLine* profile = ListedProfileLine(line);
    if (!profile || !point || !profile->ContainsPoint(point)) return false;
    s_NewProfileLine chosen;
    if (!AskSplitInformation(*profile, chosen)) return false;
    SplitAfter(*profile, point, chosen);
    return true;
}

bool Cpp_ProfileTool::SplitLineAtSegment(Cpp_Line* line, Cpp_PointXY* segmentStart, bool fromBar) {
    Cpp_ProfileLine* profile = ListedProfileLine(line);
    if (!profile || !segmentStart || !profile->ContainsPoint(segmentStart)) return false;
    s_tagTypePointXY at;
    if (!CompleteSplitFromBar(Bar(), fromBar, at)) return false;
    s_NewProfileLine chosen;
    if (!AskSplitInformation(*profile, chosen)) {
        InvalidateViewWindow();  // the split point drawn is taken away
        return false;
    }
    Cpp_PointXY* cut = profile->InsertPointAfter(segmentStart, at.x, at.y);
    SplitAfter(*profile, cut, chosen);
    return true;
}

// ---------------------------------------------------------------------------------------------
// The tool object.

namespace {

using namespace tool_cells;
using namespace view_input_ops;

// With Shift held the cursor's point goes into the bar's X and Y.
void ProfileShiftMove(s_InputCall& c) {
    if (c.in.shift) TheToolBars().profile.SetPoint(c.rounded.x, c.rounded.y);
}
void ProfileEntryMove(s_InputCall& c) {
    ProfileShiftMove(c);
    LineEntryPointMove(c);
}
void ProfileFirstPoint(s_InputCall& c) {
    Cpp_ProfileTool::StartLineEntry(c.in.device.x, c.in.device.y, c.rounded.x, c.rounded.y, false);
}
void ProfileFirstPointFromBar(s_InputCall&) { Cpp_ProfileTool::StartLineEntry(0, 0, 0, 0, true); }
void ProfilePoint(s_InputCall& c) {
    if (Cpp_ProfileTool::EnterPointFromTool(c.in.device.x, c.in.device.y, c.rounded.x, c.rounded.y,
                                            false))
        LineKindAdded(c, 2);
}
void ProfilePointFromBar(s_InputCall& c) {
    if (Cpp_ProfileTool::EnterPointFromTool(0, 0, 0, 0, true)) LineKindAdded(c, 2);
}
void ProfileFinish(s_InputCall& c) {
    if (Cpp_ProfileTool::AddLine()) LineKindAdded(c, 2);
}
void ProfileEscape(s_InputCall& c) {
    if (c.in.shift) {
        Cpp_LineEntry::UndoLastEnteredPoint();
    } else {
        Cpp_ProfileTool::CancelEntryTool();
    }
}

//                                 Left  Move  Enter Esc   Bksp  Right
const s_CursorModeRow kSteps[] = {
    {18,
     18,
     "Profile line entry",
     {R(ProfilePoint), R(ProfileEntryMove), R(ProfilePointFromBar), R(ProfileEscape), X,
      R(ProfileFinish)}},
};

}  // namespace

ProfileTool::ProfileTool() : Tool(EditModeProfileLines, EditModeProfileLines, "Profile Lines") {}

s_ToolInputs ProfileTool::Inputs(int) const {
    return {R(ProfileFirstPoint), R(ProfileFirstPointFromBar), R(ProfileShiftMove),
            R(ShowViewMenu)};
}

std::span<const s_CursorModeRow> ProfileTool::Steps() const { return kSteps; }

void ProfileTool::Reset(ToolContext&) { Cpp_LineEntry::Drop(); }

std::optional<bool> ProfileTool::Delete(ToolContext& context, int cursorMode) {
    (void)context;
    (void)cursorMode;
    // Takes the last entered point back, as Shift+Escape does.
    Cpp_LineEntry::UndoLastEnteredPoint();
    return std::nullopt;
}

void ProfileTool::RegisterDrawing() const { Cpp_LineEntry::RegisterDrawing(); }

void ProfileTool::Prompt(const s_ToolPrompt& prompt) const {
    SetStatusTextFromId(prompt.view, 1311);
}

int ProfileTool::Bar(int) const { return BarProfile; }

void ProfileTool::Chosen(ToolContext& context, int editMode) {
    Cpp_ProfileTool::StartEntryTool();
    ShowToolPrompt(context, editMode);
}
