#include "editing/circle_tool.h"
#include "editing/two_step_edits.h"
#include "editing/view_load_steps.h"
#include "editing/view_slip_surface_steps.h"
#include "editing/view_tool_steps.h"

#include "analysis/analysis_computation_data.h"
#include "core/cursor_mode.h"
#include "core/message_boxes.h"
#include "core/preferences.h"
#include "core/text_formats.h"
#include "editing/cursor_modes.h"
#include "editing/edit_modes.h"
#include "editing/noncircular_tool.h"
#include "editing/radius_tool.h"
#include "editing/search_grid_tool.h"
#include "editing/shift_direction_tool.h"
#include "editing/tool_dialog_bars.h"
#include "editing/tool_table.h"
#include "editing/view_navigation.h"
#include "graphics/graphics.h"
#include "graphics/prompts.h"
#include "model/data_set.h"
#include "model/data_sets.h"
#include "model/program_state.h"
#include "registry/view_preparations.h"

#include <cmath>
#include <cstdio>

namespace {

CmDialogBarCircleTool& Bar() { return TheToolBars().circle; }

// The tool's state, held by the tool object of the table.
CircleTool& Self() { return static_cast<CircleTool&>(*ToolForEditMode(EditModeCircle)); }
CircleTool::s_RadiusStep& RadiusStep() { return Self().radiusStep; }

s_PixelPoint ToPixel(double x, double y) {
    return {Cpp_Graphics::XToPixel(x), Cpp_Graphics::YToPixel(y)};
}

void CentreCircleOn(platform::DeviceContext& dc) {
    const int r = std::abs(RadiusStep().pixelRadius);
    const s_PixelPoint c = RadiusStep().centrePixel;
    const platform::Pen oldPen =
        dc.SetPen(platform::Pen{platform::PenStyle::Solid, 1, kCircleBandColor});
    const platform::Brush oldBrush = dc.SetBrush(platform::Brush{platform::BrushKind::Hollow});
    const platform::RasterOp oldOp = dc.SetRop2(platform::RasterOp::XorPen);
    dc.Ellipse(c.x - r, c.y - r, c.x + r, c.y + r);
    dc.SetRop2(oldOp);
    dc.SetBrush(oldBrush);
    dc.SetPen(oldPen);
}

void BandOn(platform::DeviceContext& dc) {
    if (RadiusStep().centreDrag) {
        CentreCircleOn(dc);
        return;
    }
    DrawRadiusBand(dc, ToPixel(RadiusStep().centre.x, RadiusStep().centre.y), RadiusStep().tip,
                   RadiusStep().kind, RadiusStep().tangent == 1);
}
void Band() {
    if (!RadiusStep().active) return;
    if (ViewInputHost* view = GetViewWindow()) view->DrawOverlay(view->ClientRect(), BandOn);
}

void EndRadiusStep(const Cpp_AnalysisComputationData& analysis) {
    RadiusStep().active = false;
    SetCursorMode(CursorModeNone);
    Cpp_CircleTool::ShowToolPrompt(analysis);
    ClearPromptBar();
}

// "%1.<d>f" of the decimals, "%1.2f" when it cannot be built.
std::string Formatted(double value, int decimals) {
    std::string format;
    if (!Cpp_Strings::MakeNumberFormat(1, 1, decimals, format)) format = "%1.2f";
    char text[96];
    std::snprintf(text, sizeof text, format.c_str(), value);
    return text;
}
std::string Coordinate(double v) { return Formatted(v, Cpp_KlivenSettings::CoordinateDecimals()); }
std::string Length(double v) { return Formatted(v, Cpp_KlivenSettings::LengthDecimals()); }

void DrawFeedback(platform::DeviceContext& dc, Cpp_Kliven4DataSet*) { Cpp_CircleTool::Repaint(dc); }

const bool g_resetAdded = (AddProgramStateReset(&Cpp_CircleTool::Reset), true);

}  // namespace

void DrawRadiusBand(platform::DeviceContext& dc, s_PixelPoint centre, s_PixelPoint tip, int kind,
                    bool irregular) {
    int r = 0;
    switch (kind) {
    case 0:
    case 1: r = static_cast<int>(std::hypot(tip.x - centre.x, tip.y - centre.y)); break;
    case 2: r = tip.y - centre.y; break;
    default: return;
    }
    r = std::abs(r);
    const platform::Pen oldPen =
        dc.SetPen(platform::Pen{platform::PenStyle::Solid, 1, kCircleBandColor});
    const platform::Brush oldBrush = dc.SetBrush(platform::Brush{platform::BrushKind::Hollow});
    const platform::RasterOp oldOp = dc.SetRop2(platform::RasterOp::XorPen);
    dc.Ellipse(centre.x - r, centre.y - r, centre.x + r, centre.y + r);
    if (kind == 0) {
        dc.MoveTo(centre.x, centre.y);
        dc.LineTo(tip.x, tip.y);
    } else if (kind == 1) {
        dc.Ellipse(tip.x - 5, tip.y - 5, tip.x + 5, tip.y + 5);
    } else if (!irregular) {
        dc.MoveTo(0, tip.y);
        dc.LineTo(2000, tip.y);
    }
    dc.SetRop2(oldOp);
    dc.SetBrush(oldBrush);
    dc.SetPen(oldPen);
}

bool Cpp_CircleTool::StartCircleTool(Cpp_AnalysisComputationData& analysis) {
    analysis.GetFixedSearchGrid().SetDefaultCounts();
    if (analysis.GetRadiusOption() == -1) analysis.SetRadiusOption(0);
    Cpp_TangentLine& tangent = *analysis.GetTangentLine();
    if (tangent.GetOption() == Cpp_TangentLine::kUndefined) {
        tangent.ChangeOption(Cpp_TangentLine::kHorizontal);
        tangent.SetElevation(0.0);
    }
    // The options windows the first time the tool is used in a search mode.
    auto& shown = Cpp_AnalysisComputationData::ToolFlags();
    if (analysis.GetMode() == Cpp_AnalysisComputationData::kSearchType1 && !shown[0]) {
        analysis.EditCircleSearch1ToolOptions();
        shown[0] = true;
    } else if (analysis.GetMode() == Cpp_AnalysisComputationData::kSearchType2 && !shown[1]) {
        analysis.EditFixedGridToolOptions();
        shown[1] = true;
    }
    return false;
}

bool Cpp_CircleTool::FillCircleToolBar(Cpp_AnalysisComputationData& analysis) {
    CmDialogBarCircleTool& bar = Bar();
    bar.onModeChanged = [&analysis](int mode) { CircleToolModeChanged(analysis, mode); };
    bar.onRadiusOptionChanged = [&analysis](int kind, bool irregular) {
        CircleToolRadiusOptionChanged(analysis, kind, irregular);
    };
    int mode = 0, kind = 0;
    bool irregular = false;
    double x = 0, y = 0, first = 0, second = 0;
    if (GetCircleToolData(analysis, 0, mode, x, y, kind, irregular, first, second))
        bar.SetCircleData(mode, x, y, kind, irregular, first, second);
    return false;
}

namespace {
// The two values of the radius option in force (radius; point; elevation of a horizontal
// tangent) and whether its tangent line is irregular; false for an option outside 0 to 3.
bool RuleValues(const Cpp_AnalysisComputationData& analysis, double& first, double& second,
                bool& irregular) {
    irregular = false;
    first = second = 0.0;
    switch (analysis.GetRadiusOption()) {
    case 0: first = analysis.GetRadius(); return true;
    case 1:
        first = analysis.GetThroughPointX();
        second = analysis.GetThroughPointY();
        return true;
    case 2:
        if (analysis.GetTangentLine()->GetOption() == Cpp_TangentLine::kIrregular)
            irregular = true;
        else
            first = analysis.GetTangentLine()->GetElevation();
        return true;
    case 3: return true;
    default: return false;
    }
}
}  // namespace

bool Cpp_CircleTool::GetCircleToolData(const Cpp_AnalysisComputationData& analysis, int cornerIndex,
                                       int& mode, double& x, double& y, int& kind, bool& irregular,
                                       double& first, double& second) {
    mode = analysis.GetMode();
    s_tagTypePointXY centre;
    switch (mode) {
    case Cpp_AnalysisComputationData::kIndividual: centre = analysis.GetCircleCenter(); break;
    case Cpp_AnalysisComputationData::kSearchType1: centre = analysis.GetStartCenter(); break;
    case Cpp_AnalysisComputationData::kSearchType2:
        centre = analysis.GetFixedSearchGrid().Corner(cornerIndex + 1);
        break;
    default: break;
    }
    x = centre.x;
    y = centre.y;
    kind = analysis.GetRadiusOption();
    return RuleValues(analysis, first, second, irregular);
}

namespace {
// The tangent line's option, keeping the points of a line that is irregular already.
void SetTangentOption(Cpp_TangentLine& tangent, int option) {
    if (option == Cpp_TangentLine::kIrregular && tangent.GetOption() == option) return;
    tangent.ChangeOption(option);
}
}  // namespace

bool Cpp_CircleTool::SetRadiusRule(Cpp_AnalysisComputationData& analysis, int kind, double first,
                                   double second, bool irregular) {
    switch (kind) {
    case 0:
        analysis.SetRadiusOption(kind);
        analysis.SetRadius(first);
        return true;
    case 1:
        analysis.SetRadiusOption(kind);
        analysis.SetThroughPoint(first, second);
        return true;
    case 2: {
        analysis.SetRadiusOption(kind);
        Cpp_TangentLine& tangent = *analysis.GetTangentLine();
        SetTangentOption(tangent,
                         irregular ? Cpp_TangentLine::kIrregular : Cpp_TangentLine::kHorizontal);
        if (!irregular) tangent.SetElevation(first);
        return true;
    }
    default: return false;
    }
}

void Cpp_CircleTool::CircleToolModeChanged(Cpp_AnalysisComputationData& analysis, int mode) {
    analysis.SetMode(mode);
    analysis.SetDataDefined(true);
    if (mode == Cpp_AnalysisComputationData::kSearchType2)
        analysis.GetFixedSearchGrid().SetDefaultCounts();
    ShowToolPrompt(analysis);
}

void Cpp_CircleTool::CircleToolRadiusOptionChanged(Cpp_AnalysisComputationData& analysis, int kind,
                                                   bool irregular) {
    analysis.SetRadiusOption(kind);
    if (kind == 2)
        SetTangentOption(*analysis.GetTangentLine(),
                         irregular ? Cpp_TangentLine::kIrregular : Cpp_TangentLine::kHorizontal);
    double first = 0.0, second = 0.0;
    bool isIrregular = false;
    RuleValues(analysis, first, second, isIrregular);
    Bar().SetRadiusValues(first, second);
}

void Cpp_CircleTool::CircleToolMouseMove(double x, double y) {
    CmDialogBarCircleTool& bar = Bar();
    const int mode = bar.GetMode();
    if (mode != 1 && mode != 3) return;
    bool irregular = false;
    const int kind = bar.GetRadiusKind(irregular);
    if (kind == 1)
        bar.SetRadiusValues(x, y);
    else if (kind == 2 && !irregular)
        bar.SetRadiusValues(y, 0.0);
}

bool Cpp_CircleTool::CircleToolClick(Cpp_AnalysisComputationData& analysis, int px, int py,
                                     double x, double y) {
    int mode = 0, kind = 0;
    bool irregular = false;
    double bx = 0, by = 0, first = 0, second = 0;
    if (!Bar().GetCircleData(mode, bx, by, kind, irregular, first, second)) return true;
    if (mode == Cpp_AnalysisComputationData::kSearchType2) return false;
    RadiusStep().kind = kind;
    RadiusStep().tangent = kind == 2 ? (irregular ? 1 : 0) : -1;
    RadiusStep().centre = {x, y};
    RadiusStep().tip = {px, py};
    RadiusStep().active = true;
    Band();
    switch (kind) {
    case 1: SetStatusTextFromId(true, 1401); break;
    case 2:
        if (irregular) {
            FinishCircleTool(analysis, x, y, false);
            if (ViewInputHost* view = GetViewWindow()) view->InvalidateView();
            return true;
        }
        SetStatusTextFromId(true, 1402);
        break;
    default: SetStatusTextFromId(true, 1400); break;
    }
    SetCursorMode(CursorModeCircleRadius);
    return true;
}

std::string Cpp_CircleTool::CircleToolRadiusMouseMove(int px, int py, double x, double y,
                                                      bool shift) {
    if (!RadiusStep().active) return {};
    const bool horizontal = RadiusStep().kind == 2 && RadiusStep().tangent == 0;
    const double r = RadiusStep().kind == 2
                         ? RadiusStep().centre.y - y
                         : std::hypot(x - RadiusStep().centre.x, y - RadiusStep().centre.y);
    CmDialogBarCircleTool& bar = Bar();
    if (shift) {
        if (RadiusStep().kind == 0)
            bar.SetRadiusValues(r, 0.0);
        else if (RadiusStep().kind == 1)
            bar.SetRadiusValues(x, y);
        else if (horizontal)
            bar.SetRadiusValues(y, 0.0);
    }
    Band();
    RadiusStep().tip = {px, py};
    Band();
    double cx = 0, cy = 0;
    if (!bar.GetCenter(cx, cy)) return {};
    switch (RadiusStep().kind) {
    case 0: return "Radius: " + Length(r);
    case 1: return "X: " + Coordinate(x) + ", Y: " + Coordinate(y) + "\nRadius: " + Length(r);
    case 2:
        if (horizontal) return "Tangent elev (y): " + Coordinate(y) + "\nRadius: " + Length(r);
        return {};
    default: return {};
    }
}

bool Cpp_CircleTool::FinishCircleTool(Cpp_AnalysisComputationData& analysis, double x, double y,
                                      bool fromBar) {
    Band();
    int mode = 0, kind = 0;
    bool irregular = false;
    double bx = 0, by = 0, first = 0, second = 0;
    if (!Bar().GetCircleData(mode, bx, by, kind, irregular, first, second)) {
        Band();  // the step goes on with the bar mended
        return false;
    }
    const int kindNow = RadiusStep().kind;
    if (kindNow == 2 && RadiusStep().tangent != 0 && RadiusStep().tangent != 1) {
        Band();
        return false;
    }
    analysis.SetMode(mode);
    analysis.SetRadiusOption(kindNow);
    Cpp_TangentLine& tangent = *analysis.GetTangentLine();
    SetTangentOption(tangent, RadiusStep().tangent);
    const s_tagTypePointXY c = RadiusStep().centre;
    analysis.SetStartCenter(c.x, c.y);
    analysis.SetCircleCenter(c.x, c.y);
    CmDialogBarCircleTool& bar = Bar();
    switch (kindNow) {
    case 0: {
        const double r = fromBar ? first : std::hypot(x - c.x, y - c.y);
        analysis.SetRadius(r);
        bar.SetCircleData(mode, c.x, c.y, 0, false, r, 0.0);
        break;
    }
    case 1: {
        const s_tagTypePointXY p =
            fromBar ? s_tagTypePointXY{first, second} : s_tagTypePointXY{x, y};
        analysis.SetThroughPoint(p.x, p.y);
        analysis.SetRadius(std::hypot(p.x - c.x, p.y - c.y));
        bar.SetCircleData(mode, c.x, c.y, 1, false, p.x, p.y);
        break;
    }
    default:
        analysis.SetRadius(0.0);
        if (RadiusStep().tangent == 0) {
            const double elevation = fromBar ? first : y;
            tangent.SetElevation(elevation);
            bar.SetCircleData(mode, c.x, c.y, 2, false, elevation, 0.0);
        } else {
            bar.SetCircleData(mode, c.x, c.y, 2, true, 0.0, 0.0);
            if (tangent.NumberOfPoints() < 2)
                ShowMessageByKind("Notice",
                                  "OK, but the irregular tangent line does not yet exist.\nUse "
                                  "the Radius Tool to enter the irregular tangent line next.",
                                  6);
        }
        break;
    }
    analysis.SetDataDefined(true);
    EndRadiusStep(analysis);
    return true;
}

void Cpp_CircleTool::CancelCircleToolRadius() {
    Band();
    RadiusStep().active = false;
    SetCursorMode(CursorModeNone);
    if (Cpp_Kliven4DataSet* set = Cpp_Kliven4Data::CurrentDataSetOrNull())
        ShowToolPrompt(*set->AnalysisComputationData());
    ClearPromptBar();
}

bool Cpp_CircleTool::CircleToolEnter(Cpp_AnalysisComputationData& analysis) {
    int mode = 0, kind = 0;
    bool irregular = false;
    double x = 0, y = 0, first = 0, second = 0;
    if (!Bar().GetCircleData(mode, x, y, kind, irregular, first, second)) return false;
    analysis.SetMode(mode);
    analysis.SetDataDefined(true);
    switch (mode) {
    case Cpp_AnalysisComputationData::kIndividual: analysis.SetCircleCenter(x, y); break;
    case Cpp_AnalysisComputationData::kSearchType1: analysis.SetStartCenter(x, y); break;
    case Cpp_AnalysisComputationData::kSearchType2:
        Cpp_FixedSearchGridTool::StartEntry(analysis.GetFixedSearchGrid(), 0, 0, 0, 0, false, true);
        return false;
    default: break;
    }
    return SetRadiusRule(analysis, kind, first, second, irregular);
}

bool Cpp_CircleTool::GridCornerClick(Cpp_AnalysisComputationData& analysis, int px, int py,
                                     double x, double y, bool fromBar) {
    if (!Cpp_FixedSearchGridTool::EnterCornersClick(analysis.GetFixedSearchGrid(), px, py, x, y,
                                                    fromBar))
        return false;
    CircleToolBarData(analysis);
    return true;
}

bool Cpp_CircleTool::CircleToolButtonUp(Cpp_AnalysisComputationData& analysis, double x, double y) {
    if (Cpp_FixedSearchGridTool::FinishRectangleEntry(analysis.GetFixedSearchGrid(), x, y))
        CircleToolBarData(analysis);
    SetCursorMode(CursorModeNone);
    ClearPromptBar();
    return true;
}

bool Cpp_CircleTool::CircleToolBarData(Cpp_AnalysisComputationData& analysis) {
    if (!analysis.IsCircular()) return false;
    CmDialogBarCircleTool& bar = Bar();
    bool irregular = false;
    const int kind = bar.GetRadiusKind(irregular);
    analysis.SetMode(bar.GetMode());
    analysis.SetDataDefined(true);
    if (kind >= 0) analysis.SetRadiusOption(kind);
    return false;
}

bool Cpp_CircleTool::SetGridCornerFromBar(Cpp_AnalysisComputationData& analysis, bool centre,
                                          int cornerIndex) {
    int mode = 0, kind = 0;
    bool irregular = false;
    double x = 0, y = 0, first = 0, second = 0;
    if (!Bar().GetCircleData(mode, x, y, kind, irregular, first, second)) return false;
    if (!centre) return SetRadiusRule(analysis, kind, first, second, irregular);
    switch (mode) {
    case Cpp_AnalysisComputationData::kIndividual: analysis.SetCircleCenter(x, y); break;
    case Cpp_AnalysisComputationData::kSearchType1: analysis.SetStartCenter(x, y); break;
    case Cpp_AnalysisComputationData::kSearchType2:
        if (cornerIndex < 0 || cornerIndex > 3) return false;
        analysis.GetFixedSearchGrid().SetCorner(cornerIndex + 1, x, y);
        break;
    default: return false;
    }
    analysis.SetMode(mode);
    return true;
}

namespace {
// The radius in pixels of the circle the radius rule gives about a centre pixel.
int PixelRadiusAt(const Cpp_AnalysisComputationData& analysis, s_PixelPoint pixel) {
    s_tagTypePointXY centre;
    Cpp_Graphics::PixelToWorldPoint(pixel.x, pixel.y, centre.x, centre.y);
    double radius = 0.0;
    if (!analysis.RadiusForCenter(centre, radius)) return 0;
    return Cpp_Graphics::WorldLengthToPixelsY(radius);
}

// The drags start from a selected item: the prompt of the mode they were started in (the
// select mode) comes back.
void EndDrag() {
    RadiusStep() = CircleTool::s_RadiusStep{};
    SetCursorMode(CursorModeNone);
    ClearPromptBar();
    ViewInputHost* view = GetViewWindow();
    Cpp_Kliven4DataSet* set = Cpp_Kliven4Data::CurrentDataSetOrNull();
    if (!view || !set) return;
    const Cpp_AnalysisComputationData& analysis = *set->AnalysisComputationData();
    s_ToolPromptContext context;
    context.circleToolMode = analysis.GetMode();
    context.fixedGridByLine = analysis.GetFixedSearchGrid().IsLine();
    SetToolPrompt(true, view->EditMode(), context);
}
}  // namespace

bool Cpp_CircleTool::StartCenterChange(const Cpp_AnalysisComputationData& analysis, int px,
                                       int py) {
    RadiusStep() = CircleTool::s_RadiusStep{};
    RadiusStep().centreDrag = true;
    RadiusStep().centrePixel = {px, py};
    RadiusStep().pixelRadius = PixelRadiusAt(analysis, RadiusStep().centrePixel);
    RadiusStep().active = true;
    Band();
    SetCursorMode(CursorModeMoveCircleCentre);
    SetStatusTextFromId(true, 1363);
    return true;
}

void Cpp_CircleTool::CenterToolMouseMove(const Cpp_AnalysisComputationData& analysis, int px,
                                         int py) {
    if (!RadiusStep().active || !RadiusStep().centreDrag) return;
    Band();
    RadiusStep().centrePixel = {px, py};
    RadiusStep().pixelRadius = PixelRadiusAt(analysis, RadiusStep().centrePixel);
    Band();
}

bool Cpp_CircleTool::CenterToolClick(Cpp_AnalysisComputationData& analysis, double x, double y) {
    if (!RadiusStep().active || !RadiusStep().centreDrag) return false;
    Band();
    if (analysis.GetMode() == Cpp_AnalysisComputationData::kIndividual)
        analysis.SetCircleCenter(x, y);
    else if (analysis.GetMode() == Cpp_AnalysisComputationData::kSearchType1)
        analysis.SetStartCenter(x, y);
    EndDrag();
    return true;
}

void Cpp_CircleTool::CancelCenterTool() {
    Band();
    EndDrag();
}

bool Cpp_CircleTool::StartRadiusRuleDrag(const Cpp_AnalysisComputationData& analysis, int px,
                                         int py) {
    const int option = analysis.GetRadiusOption();
    const int tangent = analysis.GetTangentLine()->GetOption();
    static constexpr int modes[] = {CursorModeDragRadiusTip, CursorModeDragFixedPoint,
                                    CursorModeDragHorizontalTangent};
    static constexpr int texts[] = {1364, 1365, 1366};
    if (option < 0 || option > 2 || (option == 2 && tangent != Cpp_TangentLine::kHorizontal))
        return false;
    RadiusStep() = CircleTool::s_RadiusStep{};
    RadiusStep().kind = option;
    RadiusStep().tangent = tangent;
    RadiusStep().centre = analysis.InitialCenter();
    RadiusStep().tip = {px, py};
    RadiusStep().active = true;
    SetCursorMode(modes[option]);
    SetStatusTextFromId(true, texts[option]);
    Band();
    return true;
}

std::string Cpp_CircleTool::RadiusRuleDragMouseMove(int px, int py, double x, double y) {
    if (!RadiusStep().active || RadiusStep().centreDrag) return {};
    Band();
    RadiusStep().tip = {px, py};
    Band();
    const double r = std::hypot(x - RadiusStep().centre.x, y - RadiusStep().centre.y);
    switch (RadiusStep().kind) {
    case 0: return "Radius: " + Length(r);
    case 1: return "X: " + Coordinate(x) + " , Y: " + Coordinate(y) + "\nRadius: " + Length(r);
    case 2:
        return "Y-tangent: " + Coordinate(y) +
               "\nRadius: " + Coordinate(std::fabs(RadiusStep().centre.y - y));
    default: return {};
    }
}

bool Cpp_CircleTool::RadiusRuleDragClick(Cpp_AnalysisComputationData& analysis, double x,
                                         double y) {
    if (!RadiusStep().active || RadiusStep().centreDrag) return false;
    Band();
    const s_tagTypePointXY c = RadiusStep().centre;
    switch (analysis.GetRadiusOption()) {
    case 0: analysis.SetRadius(std::hypot(x - c.x, y - c.y)); break;
    case 1:
        analysis.SetThroughPoint(x, y);
        analysis.SetRadius(std::hypot(x - c.x, y - c.y));
        break;
    case 2:
        analysis.SetRadius(0.0);
        if (analysis.GetTangentLine()->GetOption() == Cpp_TangentLine::kHorizontal)
            analysis.GetTangentLine()->SetElevation(y);
        break;
    default: Band(); return false;
    }
    EndDrag();
    return true;
}

void Cpp_CircleTool::CancelRadiusRuleDrag() {
    Band();
    EndDrag();
}

void Cpp_CircleTool::ShowToolPrompt(const Cpp_AnalysisComputationData& analysis) {
    s_ToolPromptContext context;
    context.circleToolMode = analysis.GetMode();
    context.fixedGridByLine = analysis.GetFixedSearchGrid().IsLine();
    SetToolPrompt(true, EditModeCircle, context);
}

bool Cpp_CircleTool::IsActive() { return RadiusStep().active; }

void Cpp_CircleTool::Repaint(platform::DeviceContext& dc) {
    const int mode = GetCursorMode();
    if (RadiusStep().active &&
        (mode == CursorModeCircleRadius || mode == CursorModeMoveCircleCentre ||
         (mode >= CursorModeDragRadiusTip && mode <= CursorModeDragFixedPoint)))
        BandOn(dc);
}

void Cpp_CircleTool::RegisterDrawing() {
    RegisterAfterDataDrawing(e_AfterDataStep::ToolFeedback, &DrawFeedback);
    Cpp_FixedSearchGridTool::RegisterDrawing();
    Cpp_RubberBandCircle::RegisterDrawing();
    Cpp_NoncircularTool::RegisterDrawing();
    Cpp_ShiftDirectionTool::RegisterDrawing();
}

void Cpp_CircleTool::Reset() { RadiusStep() = CircleTool::s_RadiusStep{}; }

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
    {99,
     99,
     "Move (\"Drag\") Item",
     {R(GridCornerDrop), R(GridCornerDragMove), R(GridCornerDropFromBar), R(GridCornerMoveCancel),
      N, H}},
    {103,
     103,
     "Move (\"Drag\") Item",
     {R(CentreClick), R(CentreMove), D, R(CentreCancel), R(CentreCancel), H}},
    {104,
     106,
     "Move (\"Drag\") Item",
     {R(RadiusRuleClick), R(RadiusRuleMove), D, R(RadiusRuleCancel), R(RadiusRuleCancel), H}},
};

}  // namespace

CircleTool::CircleTool() : Tool(EditModeCircle, EditModeCircle, "Circle") {}

s_ToolInputs CircleTool::Inputs(int) const {
    return {R(CircleClick), R(CircleEnter), R(CircleMove), R(ShowViewMenu)};
}

std::span<const s_CursorModeRow> CircleTool::Steps() const { return kSteps; }

void CircleTool::Reset(ToolContext& context) {
    // A radius step or a search-grid entry or move under way is dropped.
    const bool underWay = radiusStep.active || searchGrid.tool != s_SearchGridStep::e_Kind::None;
    radiusStep = s_RadiusStep{};
    searchGrid = s_SearchGridStep{};
    if (!underWay) return;
    ClearPromptBar();
    if (context.View()) context.View()->InvalidateView();
}

bool CircleTool::Exit(ToolContext& context, int) {
    // The circle bar's mode and radius kind stay with the data.
    if (Cpp_Kliven4DataSet* dataSet = context.DataSet())
        if (Cpp_AnalysisComputationData* analysis = dataSet->AnalysisComputationData())
            Cpp_CircleTool::CircleToolBarData(*analysis);
    return true;
}

void CircleTool::RegisterDrawing() const { Cpp_CircleTool::RegisterDrawing(); }

void CircleTool::Prompt(const s_ToolPrompt& prompt) const {
    const s_ToolPromptContext& c = prompt.context;
    const bool view = prompt.view;
    switch (c.circleToolMode) {
    case 1: SetStatusText(view, "Left-click to enter center point for circle"); break;
    case 3: SetStatusText(view, "Left-click to enter center point for initial trial circle"); break;
    case 4:
        SetStatusText(view, c.fixedGridByLine ? "Left-click to enter first point on search line"
                                              : "Left-click to enter first corner point of grid");
        break;
    default: SetStatusText(view, "Unknown mode of computations"); break;
    }
}

int CircleTool::Bar(int) const { return BarCircle; }

void CircleTool::ButtonUp(ToolContext& context, int cursorMode, const s_ViewInput& in) {
    // A fixed grid dragged with the button held ends; at rest the circle tool's own release.
    if ((cursorMode == CursorModeSearchGridDrag || cursorMode == CursorModeNone) && context.View())
        CircleButtonUp(*context.View(), in);
}

void CircleTool::Chosen(ToolContext& context, int) {
    // The circle bar filled from the data, the prompt of its mode.
    Cpp_Kliven4DataSet* dataSet = context.DataSet();
    Cpp_AnalysisComputationData* analysis = dataSet ? dataSet->AnalysisComputationData() : nullptr;
    if (!analysis) return;
    Cpp_CircleTool::FillCircleToolBar(*analysis);
    Cpp_CircleTool::ShowToolPrompt(*analysis);
}
