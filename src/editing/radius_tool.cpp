#include "editing/radius_tool.h"
#include "editing/tangent_line_tools.h"
#include "editing/two_step_edits.h"
#include "editing/view_load_steps.h"
#include "editing/view_slip_surface_steps.h"
#include "editing/view_tool_steps.h"

#include "analysis/analysis_computation_data.h"
#include "analysis/analysis_drawing.h"
#include "analysis/analysis_drawing_attributes.h"
#include "analysis/radius_definition.h"
#include "core/cursor_mode.h"
#include "core/preferences.h"
#include "core/text_formats.h"
#include "editing/circle_tool.h"
#include "editing/cursor_modes.h"
#include "editing/edit_modes.h"
#include "editing/line_entry_tool.h"
#include "editing/tool_dialog_bars.h"
#include "editing/tool_table.h"
#include "editing/view_navigation.h"
#include "graphics/graphic_grid.h"
#include "graphics/graphics.h"
#include "graphics/prompts.h"
#include "model/data_set.h"
#include "model/data_sets.h"
#include "model/program_state.h"
#include "registry/view_preparations.h"

#include <cmath>
#include <cstdio>
#include <vector>

namespace {

CmDialogBarRadiusTool& Bar() { return TheToolBars().radius; }

// A bar that is not shown (entry option outside 1 to 4) is not read.
bool InUse(const CmDialogBar& bar) {
    return bar.GetEntryOption() >= 1 && bar.GetEntryOption() <= 4;
}

s_PixelPoint ToPixel(double x, double y) {
    return {Cpp_Graphics::XToPixel(x), Cpp_Graphics::YToPixel(y)};
}

template <typename Draw>
void OnView(Draw&& draw) {
    if (ViewInputHost* view = GetViewWindow()) view->DrawOverlay(view->ClientRect(), draw);
}

// A new definition drawn about the current centre.
void DrawNewDefinition(const Cpp_AnalysisComputationData& analysis,
                       const Cpp_RadiusDefinition& definition) {
    const s_tagTypePointXY c = analysis.CurrentCenter();
    const bool centreDefined = !analysis.GetFixedSearchGrid().Compare();
    OnView([&](platform::DeviceContext& dc) {
        Cpp_ScopedGraphicsDC scope(dc, Cpp_Graphics::kOutputScreen);
        DrawRadiusDefinition(definition, c.x, c.y, centreDefined);
    });
}

bool CircleOrFloatingGrid(int mode) {
    return mode == Cpp_AnalysisComputationData::kIndividual ||
           mode == Cpp_AnalysisComputationData::kSearchType1;
}

std::string Formatted(double value, int decimals) {
    std::string format;
    if (!Cpp_Strings::MakeNumberFormat(1, 1, decimals, format)) return {};
    char text[96];
    std::snprintf(text, sizeof text, format.c_str(), value);
    return text;
}

// The tool's state, held by the tool object of the table.
RadiusTool& Self() { return static_cast<RadiusTool&>(*ToolForEditMode(EditModeRadius)); }
RadiusTool::s_RubberBand& Band() { return Self().rubberBand; }

bool Horizontal(const Cpp_RadiusDefinition& d) {
    return d.GetTangentLine()->GetOption() == Cpp_TangentLine::kHorizontal;
}

void RubberBandOn(platform::DeviceContext& dc) {
    if (!Band().definition) return;
    const int option = Band().definition->GetOption();
    DrawRadiusBand(dc, ToPixel(Band().centre.x, Band().centre.y), Band().cursor, option,
                   option == 2 && !Horizontal(*Band().definition));
}
void RubberBand() {
    if (Band().definition) OnView(RubberBandOn);
}

void EndRubberBand() {
    Band().definition = nullptr;
    SetCursorMode(CursorModeNone);
    ClearPromptBar();
    ClearToolTip();
    // The prompt of the mode the change was started in (the select mode).
    s_ToolPromptContext context;
    if (Cpp_Kliven4DataSet* set = Cpp_Kliven4Data::CurrentDataSetOrNull())
        context.circleSearchMode = set->AnalysisComputationData()->GetMode();
    if (ViewInputHost* view = GetViewWindow()) SetToolPrompt(true, view->EditMode(), context);
}

void DrawFeedback(platform::DeviceContext& dc, Cpp_Kliven4DataSet*) {
    Cpp_RubberBandCircle::Repaint(dc);
}

const bool g_resetAdded = (AddProgramStateReset(&Cpp_RubberBandCircle::Reset), true);

}  // namespace

// ---------------------------------------------------------------------------------------------
// Radius tool

bool Cpp_RadiusTool::RadiusToolClick(Cpp_AnalysisComputationData& analysis, int px, int py,
                                     double x, double y, bool fromBar) {
    CmDialogBarRadiusTool& bar = Bar();
    s_tagTypePointXY typed;
    if (!bar.GetRadiusPoint(typed)) return true;
    bool irregular = false;
    const int kind = bar.GetRadiusKind(irregular);
    const s_tagTypePointXY c = analysis.CurrentCenter();
    const double v = fromBar ? typed.x : std::hypot(x - c.x, y - c.y);
    const s_tagTypePointXY p = fromBar ? typed : s_tagTypePointXY{x, y};
    const double e = fromBar ? typed.x : y;
    // An irregular line waits for its points; nothing changes before it is stored.
    if (kind == 2 && irregular) {
        if (fromBar) {
            px = Cpp_Graphics::XToPixel(p.x);
            py = Cpp_Graphics::YToPixel(p.y);
        }
        return RadiusToolStartTangentLine(px, py, p.x, p.y);
    }
    const int mode = analysis.GetMode();
    if (CircleOrFloatingGrid(mode)) {
        analysis.SetRadiusOption(kind);
        switch (kind) {
        case 0:
            analysis.SetDataDefined(true);
            analysis.SetRadius(v);
            bar.SetRadiusData(0, false, v, 0.0);
            break;
        case 1:
            analysis.SetDataDefined(true);
            analysis.SetThroughPoint(p.x, p.y);
            bar.SetRadiusData(1, false, p.x, p.y);
            break;
        case 2: {
            analysis.SetDataDefined(true);
            Cpp_TangentLine& tangent = *analysis.GetTangentLine();
            if (tangent.GetOption() != Cpp_TangentLine::kHorizontal)
                tangent.ChangeOption(Cpp_TangentLine::kHorizontal);
            tangent.SetElevation(e);
            bar.SetRadiusData(2, false, e, 0.0);
            break;
        }
        default: analysis.SetRadiusOption(-1); break;
        }
        if (ViewInputHost* view = GetViewWindow()) view->InvalidateView();
    } else if (mode == Cpp_AnalysisComputationData::kSearchType2) {
        Cpp_RadiusDefinitionList& list = analysis.GetRadiusDefinitionList();
        Cpp_RadiusDefinition* added = nullptr;
        double first = 0.0, second = 0.0;
        switch (kind) {
        case 0:
            added = list.AddGivenRadius(v);
            first = v;
            break;
        case 1:
            added = list.AddFixedPoint(p.x, p.y);
            first = p.x;
            second = p.y;
            break;
        case 2:
            added = list.AddTangentLine();
            added->GetTangentLine()->ChangeOption(Cpp_TangentLine::kHorizontal);
            added->GetTangentLine()->SetElevation(e);
            first = e;
            break;
        default: break;
        }
        if (added) {
            analysis.SetDataDefined(true);
            bar.SetRadiusData(kind, false, first, second);
            bar.RefreshCriterionList();
            DrawNewDefinition(analysis, *added);
        }
    }
    return true;
}

bool Cpp_RadiusTool::RadiusToolStartTangentLine(int px, int py, double x, double y) {
    Cpp_LineEntry::StartEnterPoints(px, py, x, y, analysis_look::TangentLineDisplayAttributes());
    SetCursorMode(CursorModeTangentLineEntry);
    return true;
}

bool Cpp_RadiusTool::RadiusToolEnterTypedPoint(Cpp_AnalysisComputationData& analysis, int px,
                                               int py, double x, double y, bool fromBar,
                                               bool& stored) {
    stored = false;
    CmDialogBarRadiusTool& bar = Bar();
    bool added = false;
    if (fromBar) {
        s_tagTypePointXY p;
        if (!bar.GetRadiusPoint(p)) return true;
        added = Cpp_LineEntry::AddTypedPoint(p.x, p.y);
    } else {
        added = Cpp_LineEntry::AddClickedPoint(px, py, x, y);
        if (added) bar.SetRadiusData(2, true, x, y);
    }
    if (!added) stored = RadiusToolFinishTangentLine(analysis);
    return true;
}

bool Cpp_RadiusTool::RadiusToolFinishTangentLine(Cpp_AnalysisComputationData& analysis) {
    std::vector<s_tagTypePointXY> points;
    int count = 2;
    Cpp_LineEntry::FinishEnterPoints(points, count);
    SetCursorMode(CursorModeNone);
    if (count < 2) return false;
    const int mode = analysis.GetMode();
    if (CircleOrFloatingGrid(mode)) {
        analysis.SetDataDefined(true);
        analysis.SetRadiusOption(2);
        analysis.GetTangentLine()->SetIrregularPoints(points.data(), count);
    } else if (mode == Cpp_AnalysisComputationData::kSearchType2) {
        analysis.SetDataDefined(true);
        Cpp_RadiusDefinition* added = analysis.GetRadiusDefinitionList().AddTangentLine();
        added->GetTangentLine()->SetIrregularPoints(points.data(), count);
        DrawNewDefinition(analysis, *added);
    } else {
        return false;
    }
    CmDialogBarRadiusTool& bar = Bar();
    bar.SetRadiusData(2, true, 0.0, 0.0);
    bar.RefreshCriterionList();
    return true;
}

void Cpp_RadiusTool::CancelTangentLine() {
    Cpp_LineEntry::CancelEnterPoints();
    SetCursorMode(CursorModeNone);
}

bool Cpp_RadiusTool::GetRadiusToolValues(int& kind, bool& irregular, double& first,
                                         double& second) {
    const ViewInputHost* view = GetViewWindow();
    if (!view || (view->EditMode() != EditModeSelect && view->EditMode() != EditModeRadius))
        return false;
    CmDialogBarRadiusTool& bar = Bar();
    s_tagTypePointXY typed;
    if (!InUse(bar) || !bar.GetRadiusPoint(typed)) return false;
    kind = bar.GetRadiusKind(irregular);
    first = typed.x;
    second = typed.y;
    return true;
}

bool Cpp_RadiusTool::RadiusToolApplyBarValues(Cpp_AnalysisComputationData& analysis,
                                              int pointIndex) {
    if (!CircleOrFloatingGrid(analysis.GetMode())) return false;
    CmDialogBarRadiusTool& bar = Bar();
    s_tagTypePointXY typed;
    if (!InUse(bar) || !bar.GetRadiusPoint(typed)) return false;
    Cpp_TangentLine& tangent = *analysis.GetTangentLine();
    switch (analysis.GetRadiusOption()) {
    case 0: analysis.SetRadius(typed.x); return true;
    case 1: analysis.SetThroughPoint(typed.x, typed.y); return true;
    case 2:
        if (tangent.GetOption() == Cpp_TangentLine::kHorizontal)
            return tangent.SetElevation(typed.x);
        if (tangent.GetOption() != Cpp_TangentLine::kIrregular || pointIndex < 0 ||
            pointIndex >= tangent.NumberOfPoints())
            return false;
        tangent.Points()[static_cast<std::size_t>(pointIndex)] = typed;
        return true;
    default: return false;
    }
}

bool Cpp_RadiusTool::AssignDefinitionFromBar(Cpp_RadiusDefinition& definition, int pointIndex) {
    int kind = 0;
    bool irregular = false;
    double first = 0.0, second = 0.0;
    if (!GetRadiusToolValues(kind, irregular, first, second)) return false;
    return definition.AssignFromToolBar(first, second, pointIndex);
}

// ---------------------------------------------------------------------------------------------
// Rubber-band circle

bool Cpp_RubberBandCircle::StartChange(Cpp_RadiusDefinition* definition, double centreX,
                                       double centreY, int px, int py) {
    if (!definition) return false;
    Band() = RadiusTool::s_RubberBand{};
    Band().definition = definition;
    Band().centre = {centreX, centreY};
    Band().cursor = Band().raw = {px, py};
    Cpp_Graphics::PixelToWorldPoint(px, py, Band().world.x, Band().world.y);
    SetCursorMode(CursorModeChangeGivenRadius);
    const int option = definition->GetOption();
    SetStatusTextFromId(true, option == 0 ? 1364 : option == 1 ? 1365 : 1366);
    RubberBand();
    return true;
}

void Cpp_RubberBandCircle::MouseMove(int rawPx, int rawPy, int px, int py, double x, double y) {
    if (!Band().definition) return;
    RubberBand();
    Band().raw = {rawPx, rawPy};
    Band().cursor = {px, py};
    Band().world = {x, y};
    RubberBand();
    const std::string tip = TooltipText(x, y);
    if (!tip.empty()) SetToolTipText(tip);
}

std::string Cpp_RubberBandCircle::TooltipText(double x, double y) {
    if (!Band().definition) return {};
    const std::string cx = Formatted(x, Cpp_KlivenSettings::CoordinateDecimals());
    const std::string cy = Formatted(y, Cpp_KlivenSettings::CoordinateDecimals());
    const std::string r = Formatted(std::hypot(x - Band().centre.x, y - Band().centre.y),
                                    Cpp_KlivenSettings::LengthDecimals());
    if (cx.empty() || r.empty()) return {};
    switch (Band().definition->GetOption()) {
    case 0: return "Radius: " + r;
    case 1: return "X: " + cx + " , Y: " + cy + "\nRadius: " + r;
    case 2:
        if (!Horizontal(*Band().definition)) return {};
        return "Y-tangent: " + cy + "\nRadius: " +
               Formatted(std::fabs(Band().centre.y - y), Cpp_KlivenSettings::CoordinateDecimals());
    default: return {};
    }
}

bool Cpp_RubberBandCircle::Click(double x, double y, bool fromToolBar) {
    if (!Band().definition) return false;
    Cpp_RadiusDefinition& d = *Band().definition;
    RubberBand();
    const int option = d.GetOption();
    const int tangent = d.GetTangentLine()->GetOption();
    if (option > 2 || (option == 2 && tangent == Cpp_TangentLine::kUndefined)) return false;
    if (fromToolBar) {
        Cpp_RadiusDefinition copy = d;
        if (!Bar().ApplyToRadiusDefinition(copy)) return false;
        if (option == 0) d.SetGivenRadius(copy.GetGivenRadius());
        if (option == 1) d.SetFixedPoint(copy.GetFixedPoint().x, copy.GetFixedPoint().y);
        if (option == 2 && tangent == Cpp_TangentLine::kHorizontal)
            d.GetTangentLine()->SetElevation(copy.GetTangentLine()->GetElevation());
    } else {
        if (option == 0) d.SetGivenRadius(std::hypot(Band().centre.y - y, Band().centre.x - x));
        if (option == 1) d.SetFixedPoint(x, y);
        if (option == 2 && tangent == Cpp_TangentLine::kHorizontal)
            d.GetTangentLine()->SetElevation(y);
    }
    EndRubberBand();
    return true;
}

void Cpp_RubberBandCircle::Cancel() {
    RubberBand();
    EndRubberBand();
}

bool Cpp_RubberBandCircle::Repaint(platform::DeviceContext& dc) {
    if (!Band().definition || GetCursorMode() != CursorModeChangeGivenRadius) return true;
    s_tagTypePointXY at;
    Cpp_Graphics::PixelToWorldPoint(Band().raw.x, Band().raw.y, at.x, at.y);
    if (Cpp_GraphicGrid::SnapOn()) Cpp_GraphicGrid::SnapToGrid(at.x, at.y, true);
    if (at.x != Band().world.x || at.y != Band().world.y) {
        Band().world = at;
        Band().cursor = ToPixel(at.x, at.y);
        const std::string tip = TooltipText(at.x, at.y);
        if (!tip.empty()) SetToolTipText(tip);
    }
    RubberBandOn(dc);
    return true;
}

bool Cpp_RubberBandCircle::IsActive() { return Band().definition != nullptr; }

void Cpp_RubberBandCircle::RegisterDrawing() {
    RegisterAfterDataDrawing(e_AfterDataStep::ToolFeedback, &DrawFeedback);
}

void Cpp_RubberBandCircle::Reset() { Band() = RadiusTool::s_RubberBand{}; }

// ---------------------------------------------------------------------------------------------
// The tool object.

namespace {

using namespace tool_cells;
using namespace view_input_ops;
using namespace view_tool_steps;
using namespace view_slip_surface_steps;
using namespace view_load_ops;
using namespace view_edit_steps;

//                                 Left  Move  Enter Esc   Bksp  Right
const s_CursorModeRow kSteps[] = {
    {41,
     41,
     "Tangent line entry",
     {R(TangentPointClick), R(TangentPointMove), R(TangentPointEnter), R(TangentEscape), N,
      R(TangentFinish)}},
    {88, 88, "Add Point at End", {N, D, R(TangentAddAtEndEnter), H, H, H}},
    {97,
     97,
     "Move (\"Drag\") Item",
     {R(TangentDrop), R(TangentDragMove), R(TangentDropFromBar), R(DragPointCancel), N, H}},
    {107,
     107,
     "Change radius",
     {R(RubberBandClick), R(RubberBandMove), R(RubberBandEnter), R(RubberBandCancel),
      R(RubberBandCancel), H}},
    {119,
     119,
     "Insert Point",
     {R(TangentInsertClick), R(TangentInsertMove), R(TangentInsertEnter), R(InsertCancel),
      R(InsertCancel), H}},
};

}  // namespace

RadiusTool::RadiusTool() : Tool(EditModeRadius, EditModeRadius, "Radius") {}

s_ToolInputs RadiusTool::Inputs(int) const {
    return {R(RadiusClick), R(RadiusEnter), R(RadiusMove), R(ShowViewMenu)};
}

std::span<const s_CursorModeRow> RadiusTool::Steps() const { return kSteps; }

void RadiusTool::Reset(ToolContext& context) {
    Cpp_LineEntry::Drop();
    // A radius definition being changed with the rubber-band circle is left as it is.
    const bool underWay = rubberBand.definition != nullptr;
    rubberBand = s_RubberBand{};
    if (!underWay) return;
    ClearPromptBar();
    ClearToolTip();
    if (context.View()) context.View()->InvalidateView();
}

void RadiusTool::RegisterDrawing() const {
    Cpp_LineEntry::RegisterDrawing();
    Cpp_RubberBandCircle::RegisterDrawing();
}

void RadiusTool::Prompt(const s_ToolPrompt& prompt) const {
    const bool view = prompt.view;
    switch (prompt.context.circleSearchMode) {
    case 1: SetStatusText(view, "Enter how radius of circle defined"); break;
    case 3: SetStatusText(view, "Enter how radii defined for initial mode of search."); break;
    case 4: SetStatusText(view, "Enter a criterion for radii"); break;
    default: SetStatusText(view, "Unknown mode of computations"); break;
    }
}

int RadiusTool::Bar(int) const { return BarRadius; }

void RadiusTool::Chosen(ToolContext& context, int editMode) {
    context.Bars().radius.FillCriterionList();
    ShowToolPrompt(context, editMode);
}

s_ToolPromptContext RadiusTool::PromptContext(ToolContext& context) const {
    s_ToolPromptContext prompt;
    if (Cpp_Kliven4DataSet* dataSet = context.DataSet())
        if (const Cpp_AnalysisComputationData* analysis = dataSet->AnalysisComputationData())
            prompt.circleSearchMode = analysis->GetMode();
    return prompt;
}
