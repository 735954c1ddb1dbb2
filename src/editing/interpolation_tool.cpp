#include "editing/interpolation_tool.h"
#include "editing/cursor_modes.h"
#include "editing/edit_modes.h"
#include "editing/tool_table.h"
#include "editing/two_step_edits.h"
#include "editing/view_load_steps.h"
#include "editing/view_slip_surface_steps.h"
#include "editing/view_tool_steps.h"
#include "graphics/prompts.h"
#include "platform/services.h"

#include "core/command_ids.h"
#include "core/message_boxes.h"
#include "core/preferences.h"
#include "core/tool_option_dialogs.h"
#include "editing/tool_dialog_bars.h"
#include "graphics/graphics.h"
#include "model/data_set.h"
#include "model/data_sets.h"
#include "model/program_state.h"
#include "porepressure/interpolation_data.h"
#include "porepressure/interpolation_drawing.h"
#include "porepressure/triangulation_drawing.h"
#include "porepressure/triangulation_repair.h"
#include "registry/display_selections.h"

#include <cstdio>
#include <functional>
#include <optional>

namespace {

CmDialogBarInterpolationTool& Bar() { return TheToolBars().interpolation; }

// The tool's state, held by the tool object of the table.
InterpolationTool& Self() {
    return static_cast<InterpolationTool&>(*ToolForEditMode(EditModePressurePoints));
}
InterpolationTool::s_State& ToolState() { return Self().state; }
InterpolationTool::s_WheelSteps& Steps() { return Self().steps; }

Cpp_InterpolationData* Data() {
    return Cpp_Kliven4Data::CurrentDataSet()->InterpolationData(ToolState().stage);
}

// The data set of (kind, material), or null when there is none.
Cpp_InterpolationDataSet* FindDataSet(Cpp_InterpolationData& data, int kind, int material) {
    for (const auto& set : data.DataSets())
        if (set && set->Kind() == kind && set->Material() == material) return set.get();
    return nullptr;
}

// Exactly the data set of (kind, material), made when missing: only for a change that goes into
// it, so that a tool that was only opened adds no empty data set to the document.
Cpp_InterpolationDataSet* DataSetOf(Cpp_InterpolationData& data, int kind, int material) {
    if (Cpp_InterpolationDataSet* set = FindDataSet(data, kind, material)) return set;
    return data.CreateDataSet(kind, material);
}

double& StepOf(int kind, bool head) {
    static double none = 0.0;
    switch (kind) {
    case 1: return head ? Steps().head : Steps().pressure;
    case 2: return Steps().rSubU;
    case 3: return Steps().strength;
    case 5: return Steps().cOverP;
    default: none = 0.0; return none;
    }
}

std::string Formatted(const char* format, double value) {
    char text[64];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

// The stage whose interpolation data hold the set.
int StageOfSet(const Cpp_InterpolationDataSet& set) {
    Cpp_Kliven4DataSet* dataSet = Cpp_Kliven4Data::CurrentDataSet();
    for (int stage : {1, 2})
        for (const auto& s : dataSet->InterpolationData(stage)->DataSets())
            if (s.get() == &set) return stage;
    return 1;
}

// Whether the last point edit was drawn on the view's picture in place.
bool g_drawnInPlace = false;

// The draw options of an edit of a data set drawn in place, or none when the view must be drawn
// again whole: with contours (traced lines with their labels) or value labels of the set's kind
// shown. A set that is not shown is edited with every switch off.
std::optional<TriangulationDrawOptions> InPlaceOptions(const Cpp_InterpolationDataSet& set,
                                                       int stage) {
    const s_DisplayFlagsType& flags = Cpp_Kliven4Data::CurrentDataSet()->DisplayFlags();
    const int kind = set.Kind();
    TriangulationDrawOptions o = InterpolationDrawOptions(kind, stage);
    o.on = o.triangles = o.vertices = o.contours = 0;
    if (!InterpolationKindShown(flags, kind, stage) ||
        !InterpolationDataSetShown(flags, set, stage))
        return o;
    if (flags.contours[stage - 1]) return std::nullopt;
    if (kind == 1 && stage == 1 && flags.interpolationValues[0]) return std::nullopt;
    o.on = 1;
    o.triangles = flags.triangles[stage - 1] ? 1 : 0;
    o.vertices = 1;
    return o;
}

// Runs an edit of the set's triangulation, with the step-by-step redraw on the view's picture
// when that can follow it; otherwise the edit runs alone and the view is drawn again whole.
// `point` (when it answers a vertex) is drawn labelled at the end.
template <class Edit>
void EditDrawnInPlace(const Cpp_InterpolationDataSet& set, int stage, Edit edit,
                      const std::function<const Cpp_VERTEX*()>& point = {}) {
    g_drawnInPlace = false;
    const std::optional<TriangulationDrawOptions> options = InPlaceOptions(set, stage);
    bool ran = false, whole = false;
    if (options) {
        g_drawnInPlace = Cpp_Graphics::DrawOnPicture([&](platform::DeviceContext&) {
            Cpp_TriangulationRedrawer redraw(*options);
            ran = true;
            edit(options->on ? &redraw : nullptr);
            if (point && options->on && options->vertices)
                if (const Cpp_VERTEX* v = point()) redraw.DrawVertex(*v);
            whole = redraw.NeedsFullRedraw();
            return redraw.Touched();
        });
    }
    if (!ran) edit(nullptr);
    if (whole) g_drawnInPlace = false;
}

void ResetAll() {
    g_drawnInPlace = false;
    ToolState() = InterpolationTool::s_State{};
    Steps() = InterpolationTool::s_WheelSteps{};
}
const bool g_resetAdded = (AddProgramStateReset(&ResetAll), true);

}  // namespace

void Cpp_InterpolationTool::StartEntryTool(int kind, int stage) {
    ToolState().active = true;
    ToolState().kind = kind;
    ToolState().stage = stage == 2 ? 2 : 1;
    ToolState().material = 0;
    const Cpp_InterpolationDataSet* set = FindDataSet(*Data(), kind, 0);
    Bar().SetPointData((set ? set->CountPoints() : 0) + 1, 0.0, 0.0, 0, 0.0);
}

void Cpp_InterpolationTool::ResetToolState() { ToolState() = InterpolationTool::s_State{}; }
bool Cpp_InterpolationTool::IsActive() { return ToolState().active; }
int Cpp_InterpolationTool::Kind() { return ToolState().kind; }

Cpp_InterpolationDataSet* Cpp_InterpolationTool::CurrentDataSet() {
    if (!ToolState().active) return nullptr;
    return FindDataSet(*Data(), ToolState().kind, ToolState().material);
}

bool Cpp_InterpolationTool::AddPointFromTool(double x, double y, bool typed) {
    g_drawnInPlace = false;
    if (!ToolState().active) return false;
    CmDialogBarInterpolationTool& bar = Bar();
    int number = 0, material = 0;
    double value = 0.0, barX = 0.0, barY = 0.0;
    if (!bar.GetPointData(number, barX, barY, material, value)) return false;
    if (typed) {
        x = barX;
        y = barY;
        bar.FocusXEdit();
    } else {
        bar.SetPoint(x, y);
    }
    Cpp_InterpolationData& data = *Data();
    Cpp_InterpolationData::s_SourceRecord& source =
        data.Source(Cpp_InterpolationData::RecordOfKind(ToolState().kind));
    if (source.source == -1) source.source = 0;
    ToolState().material = material;
    Cpp_InterpolationDataSet* set = DataSetOf(data, ToolState().kind, material);
    if (!set->HasNoPointAt(x, y)) {
        ShowQuestionMessage(nullptr, "Notice", "This point has already been entered");
        return false;
    }
    // The new point's symbol is drawn over its triangles at the end, as in the whole picture.
    EditDrawnInPlace(
        *set, ToolState().stage,
        [&](TriangulationObserver* observer) { set->AddPoint(x, y, value, observer); },
        [set]() -> const Cpp_VERTEX* { return set->GetVertexList().Last(); });
    bar.SetPointData(set->CountPoints() + 1, x, y, material, value);
    return true;
}

bool Cpp_InterpolationTool::ShowPointValues() {
    Cpp_Kliven4DataSet* dataSet = Cpp_Kliven4Data::CurrentDataSet();
    return dataSet->DisplayFlags().interpolationValues[ToolState().stage - 1];
}

bool Cpp_InterpolationTool::ToggleShowPointValues() {
    bool& shown = Cpp_Kliven4Data::CurrentDataSet()
                      ->DisplayFlags()
                      .interpolationValues[ToolState().stage - 1];
    shown = !shown;
    return shown;
}

MenuList Cpp_InterpolationTool::PopupMenu() {
    const Cpp_InterpolationDataSet* set = CurrentDataSet();
    const bool heads = set && set->Kind() == 1 && set->GetOptionFlag();
    return {
        {ID_INTERPOLATION_REDRAW, "ReDraw"},
        {ID_SHOW_COORDINATES, "Show Coordinates", false},
        {ID_SHOW_POINT_VALUES, "Show Point Values", true, ShowPointValues()},
        {ID_INTERPOLATION_EDIT_HEADS, heads ? "Display / Edit Pressures" : "Display / Edit Heads"}};
}

bool Cpp_InterpolationTool::ShowToolOptionsDialog() {
    if (!ToolState().active) return false;
    Cpp_InterpolationDataSet* set = CurrentDataSet();
    Cpp_InterpolationData& data = *Data();
    s_DisplayFlagsType& flags = Cpp_Kliven4Data::CurrentDataSet()->DisplayFlags();
    const int kind = ToolState().kind;
    Cpp_InterpolationData::s_SourceRecord& source =
        data.Source(Cpp_InterpolationData::RecordOfKind(kind));
    const bool head = kind == 1 && set && set->GetOptionFlag();
    s_InterpolationToolOptions o;
    o.kind = kind;
    o.importFromFile = kind == 1 ? source.source >= 1 && source.source <= 3 : source.source == 1;
    o.fileType = kind == 1 && o.importFromFile ? source.source - 1 : 0;
    o.fileName = source.fileName;
    o.viewOnly = source.importToPreprocessor;  // "Import to preprocessor"
    o.heads = head ? 1 : 0;
    o.contours = flags.contours[ToolState().stage - 1];
    o.values = flags.interpolationValues[ToolState().stage - 1];
    o.step = StepOf(kind, head);
    if (!ToolOptionDialogsSlot().Get().Interpolation(o)) return false;
    if (o.importFromFile) {
        source.source = kind == 1 ? o.fileType + 1 : 1;
        source.fileName = o.fileName;
    } else {
        source.source = 0;
        source.fileName.clear();
    }
    source.importToPreprocessor = o.viewOnly;
    if (kind == 1 && (o.heads != 0) != head) {
        set = DataSetOf(data, kind, ToolState().material);
        set->SetOptionFlag(o.heads != 0);
    }
    flags.contours[ToolState().stage - 1] = o.contours;
    flags.interpolationValues[ToolState().stage - 1] = o.values;
    StepOf(kind, kind == 1 && o.heads != 0) = o.step;
    return true;
}

double Cpp_InterpolationTool::WheelStep(int kind, bool head) { return StepOf(kind, head); }

bool Cpp_InterpolationTool::WheelChangeToolValue(int delta) {
    double value = 0.0;
    if (!Bar().GetValue(value)) return false;
    const Cpp_InterpolationDataSet* set = CurrentDataSet();
    const double step =
        StepOf(ToolState().kind, set && ToolState().kind == 1 && set->GetOptionFlag());
    Bar().SetValue(delta < 0 ? value - step : value + step);
    return true;
}

bool Cpp_InterpolationTool::WheelChangeValue(Cpp_InterpolationDataSet& set, Cpp_VERTEX* vertex,
                                             int delta) {
    const bool head = set.Kind() == 1 && set.GetOptionFlag();
    const double step = StepOf(set.Kind(), head);
    if (!vertex || step == 0.0) return false;
    const double change = delta < 1 ? -step : step;
    const double gammaW = Cpp_InterpolationData::UnitWeightOfWater();
    if (head) {
        const double h = vertex->SecondValue() + change;
        vertex->SetSecondValue(h);
        vertex->SetFirstValue(gammaW * (h - vertex->Y()));
        Bar().SetValue(h);
    } else {
        const double v = vertex->FirstValue() + change;
        vertex->SetFirstValue(v);
        if (set.Kind() == 1) vertex->SetSecondValue(vertex->Y() + v / gammaW);
        Bar().SetValue(v);
    }
    set.RebuildPoints(gammaW);
    set.GetContours().DeleteAll();
    return true;
}

bool Cpp_InterpolationTool::DeletePoint(Cpp_InterpolationDataSet& set, Cpp_VERTEX* vertex) {
    if (!vertex) return false;
    EditDrawnInPlace(set, StageOfSet(set), [&](TriangulationObserver* observer) {
        DeleteVertexAndRetriangulate(set.GetVertexList(), set.GetTriangleList(), vertex, nullptr,
                                     observer);
    });
    // The points follow the vertices, numbered 1, 2, ... again.
    int number = 0;
    for (Cpp_VERTEX* v = set.GetVertexList().First(); v; v = v->Next()) v->SetNumber(++number);
    set.RebuildPoints(Cpp_InterpolationData::UnitWeightOfWater());
    set.GetContours().DeleteAll();
    return true;
}

bool Cpp_InterpolationTool::MovePoint(Cpp_InterpolationDataSet& set, Cpp_VERTEX* vertex, double x,
                                      double y) {
    if (!vertex) return false;
    const auto ask = [] { return AskYesNo(nullptr, "Notice", kInvertedTrianglesQuestion); };
    bool ok = true;
    // A move that turns a triangle over asks first and triangulates the set again: the question
    // is not asked while the view's picture is being drawn on, and the picture is drawn whole.
    if (WouldInvert(CollectTrianglesAroundVertex(set.GetTriangleList(), vertex), x, y)) {
        g_drawnInPlace = false;
        ok = CheckForInvertedTriangles(x, y, set.GetTriangleList(), set.GetVertexList(), vertex,
                                       ask);
    } else {
        EditDrawnInPlace(set, StageOfSet(set), [&](TriangulationObserver* observer) {
            ok = CheckForInvertedTriangles(x, y, set.GetTriangleList(), set.GetVertexList(), vertex,
                                           ask, nullptr, observer);
        });
    }
    set.RebuildPoints(Cpp_InterpolationData::UnitWeightOfWater());
    set.GetContours().DeleteAll();
    return ok;
}

bool Cpp_InterpolationTool::GetToolToolTipText(double x, double y, bool shift, bool control,
                                               std::string& text) {
    Cpp_InterpolationDataSet* set = CurrentDataSet();
    if (!set) return false;
    if (shift) Bar().SetPoint(x, y);
    const bool head = set->Kind() == 1 && set->GetOptionFlag();
    double value = 0.0;
    Cpp_Triangle* start = nullptr;
    if (!set->ValueAt(x, y, value, start, head)) return false;
    if ((set->Kind() == 1 && !head) || set->Kind() == 3)
        value = Cpp_KlivenSettings::RoundStress(value);
    if (control) Bar().SetValue(value);
    switch (set->Kind()) {
    case 1: text = Formatted(head ? "H: %1.2f" : "U: %1.2f", value); break;
    case 2: text = Formatted("ru: %1.2f", value); break;
    case 3: text = Formatted("Su: %1.2f", value); break;
    case 5: text = Formatted("c/p: %1.2f", value); break;
    default: text = Formatted("Unit Wt.: %1.2f", value); break;
    }
    return true;
}

bool Cpp_InterpolationTool::DrawnInPlace() { return g_drawnInPlace; }

void Cpp_InterpolationTool::Reset() { ResetAll(); }

// ---------------------------------------------------------------------------------------------
// The tool object.

namespace {

using namespace tool_cells;
using namespace view_input_ops;
using namespace view_tool_steps;
using namespace view_slip_surface_steps;
using namespace view_load_ops;
using namespace view_edit_steps;

// The interpolation kind of the bar for edit modes 8 to 11.
constexpr int kBarKinds[] = {1, 2, 3, 5};

}  // namespace

InterpolationTool::InterpolationTool()
    : Tool(EditModePressurePoints, EditModeInterpolationSpare, "Interpolation Points") {}

s_ToolInputs InterpolationTool::Inputs(int editMode) const {
    if (editMode == EditModeInterpolationSpare)
        return {N, R(InterpolationEnter), R(InterpolationMove), R(ShowViewMenu)};
    return {R(InterpolationClick), R(InterpolationEnter), R(InterpolationMove),
            R(InterpolationMenu)};
}

bool InterpolationTool::Enter(ToolContext& context, int editMode) {
    // The bar learns its kind before it is shown.
    context.Bars().interpolation.SetInterpolationKind(kBarKinds[editMode - EditModePressurePoints],
                                                      false);
    return true;
}

bool InterpolationTool::Exit(ToolContext&, int) {
    // The tool starts afresh next time.
    Cpp_InterpolationTool::ResetToolState();
    return true;
}

std::optional<bool> InterpolationTool::Wheel(ToolContext& context, int cursorMode, int delta, bool,
                                             bool) {
    if (cursorMode != CursorModeNone || !context.View()) return std::nullopt;
    return Cpp_InterpolationTool::WheelChangeToolValue(delta);
}

void InterpolationTool::Prompt(const s_ToolPrompt& prompt) const {
    switch (prompt.editMode) {
    case EditModePressurePoints: SetStatusTextFromId(prompt.view, 1316); break;
    case EditModeRSubUPoints: SetStatusTextFromId(prompt.view, 1332); break;
    case EditModeStrengthPoints: SetStatusTextFromId(prompt.view, 1344); break;
    default: SetStatusText(prompt.view, ""); break;
    }
}

int InterpolationTool::Bar(int) const { return BarInterpolation; }

void InterpolationTool::Chosen(ToolContext& context, int editMode) {
    // The kind of the mode on the current stage.
    Cpp_InterpolationTool::StartEntryTool(kBarKinds[editMode - EditModePressurePoints],
                                          context.Stage());
    ShowToolPrompt(context, editMode);
}
