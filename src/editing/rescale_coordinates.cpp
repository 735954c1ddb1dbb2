#include "editing/rescale_coordinates.h"

#include "core/cursor_mode.h"
#include "core/message_boxes.h"
#include "editing/construction_items.h"
#include "editing/cursor_modes.h"
#include "graphics/graphics.h"
#include "graphics/prompts.h"
#include "model/data_sets.h"
#include "model/derived_data.h"
#include "model/program_state.h"

#include <cmath>
#include <memory>

namespace {

struct RescaleState {
    Cpp_Kliven4DataSet* dataSet = nullptr;
    s_tagTypePointXY first;
    s_tagTypePointXY second;
};

RescaleState& State() {
    static RescaleState state;
    static const bool resetAdded = (AddProgramStateReset(&RescaleCoordinates::Reset), true);
    (void)resetAdded;
    return state;
}

class CancelledRescaleDialog final : public Cpp_RescaleDialog {
public:
    bool Run(s_RescaleValues&) override { return false; }
};

// One coordinate's map from two old and two new values; false when the old values are equal
// or the result is not finite.
bool LinearMap(double old1, double old2, double new1, double new2, double& scale, double& offset) {
    if (old1 == old2) return false;
    scale = (new2 - new1) / (old2 - old1);
    offset = new1 - scale * old1;
    return std::isfinite(scale) && std::isfinite(offset);
}

void TransformConstructionItems(double a, double b, double c, double d) {
    for (const auto& line : GetConstructionLineList().Lines()) {
        line->Rescale(a, b, c, d);
        line->ClearSlopeCache();
    }
    for (const auto& circle : GetConstructionCircleList().Circles()) {
        double v1 = 0.0, v2 = 0.0;
        circle->GetDefinitionPoint(v1, v2);
        switch (circle->GetDefinitionType()) {
        case CircleGivenRadius: v1 *= a == c ? std::fabs(a) : 1.0; break;
        case CircleThroughPoint:
            v1 = a * v1 + b;
            v2 = c * v2 + d;
            break;
        case CircleTangentHorizontal: v1 = c * v1 + d; break;
        case CircleTangentVertical: v1 = a * v1 + b; break;
        default: break;
        }
        circle->Define(a * circle->CentreX() + b, c * circle->CentreY() + d,
                       circle->GetDefinitionType(), v1, v2);
    }
}

}  // namespace

bool RescaleCoefficients(const s_RescaleValues& v, double& a, double& b, double& c, double& d) {
    double ga = 1.0, gb = 0.0, gc = 1.0, gd = 0.0;
    if (v.rescaleX && !LinearMap(v.old1.x, v.old2.x, v.new1.x, v.new2.x, ga, gb)) return false;
    if (v.rescaleY && !LinearMap(v.old1.y, v.old2.y, v.new1.y, v.new2.y, gc, gd)) return false;
    a = ga;
    b = gb;
    c = gc;
    d = gd;
    return true;
}

std::string RescaleValuesProblem(const s_RescaleValues& v) {
    if (v.rescaleX && v.old1.x == v.old2.x)
        return "Both old X values are the same; cannot re-scale X-coordinates.";
    if (v.rescaleY && v.old1.y == v.old2.y)
        return "Both old Y values are the same; cannot re-scale Y-coordinates.";
    double a, b, c, d;
    if (!RescaleCoefficients(v, a, b, c, d))
        return "These values give no finite scale; cannot re-scale.";
    return "";
}

DialogSlot<Cpp_RescaleDialog>& RescaleDialogSlot() {
    static DialogSlot<Cpp_RescaleDialog> slot("rescale coordinates dialog",
                                              std::make_unique<CancelledRescaleDialog>());
    return slot;
}

bool RescaleCoordinates::Start() {
    SetCursorMode(CursorModeRescaleFirstPoint);
    ShowPromptResource(1302);
    SetToolTipText("Select first point for rescaling");
    return true;
}

bool RescaleCoordinates::FirstPointClick(Cpp_Kliven4DataSet* dataSet,
                                         const s_tagTypePointXY& point) {
    if (!dataSet) return false;
    State().dataSet = dataSet;
    State().first = point;
    SetCursorMode(CursorModeRescaleSecondPoint);
    ShowPromptResource(1303);
    SetToolTipText("Set second point for rescaling");
    return true;
}

bool RescaleCoordinates::SecondPointClick(const s_tagTypePointXY& point) {
    State().second = point;
    const bool done = Apply();
    SetCursorMode(0);
    ClearPromptBar();
    ClearToolTip();
    return done;
}

bool RescaleCoordinates::StartWithPoints(Cpp_Kliven4DataSet* dataSet, const s_tagTypePointXY& first,
                                         const s_tagTypePointXY& second) {
    if (!dataSet) return false;
    State().dataSet = dataSet;
    State().first = first;
    State().second = second;
    return Apply();
}

bool RescaleCoordinates::Apply() {
    RescaleState& state = State();
    if (!state.dataSet) return false;
    s_RescaleValues values{state.first, state.second, state.first, state.second, true, true};
    if (state.first.x == state.second.x) {
        if (!AskOkCancel(nullptr, "Notice",
                         "Cannot rescale X-coordinates when both points selected have the same "
                         "X; Rescale Y-coordinates only?"))
            return false;
        values.rescaleX = false;
    }
    if (state.first.y == state.second.y) {
        if (!values.rescaleX) {
            ShowErrorMessage("Error",
                             "Cannot rescale coordinates when both points have the same X,Y "
                             "values?");
            return false;
        }
        if (!AskOkCancel(nullptr, "Notice",
                         "Cannot rescale Y-coordinates when both points selected have the same "
                         "Y; Rescale X-coordinates only?"))
            return false;
        values.rescaleY = false;
    }
    if (!RescaleDialogSlot().Get().Run(values)) {
        state.dataSet = nullptr;
        return false;
    }
    double a = 1.0, b = 0.0, c = 1.0, d = 0.0;
    if (!RescaleCoefficients(values, a, b, c, d) ||
        !::RescaleCoordinates(*state.dataSet, a, b, c, d))
        return false;
    TransformConstructionItems(a, b, c, d);
    double xmin, xmax, ymin, ymax;
    if (Cpp_Kliven4Data::ExtentsOfAllDataSets(xmin, xmax, ymin, ymax)) {
        Cpp_Graphics::SetDataRangeX(xmin, xmax);
        Cpp_Graphics::SetDataRangeY(ymin, ymax);
        Cpp_Graphics::WindowToDataExtents();
    }
    Cpp_Graphics::InvalidateScale();
    return true;
}

void RescaleCoordinates::Reset() { State() = RescaleState{}; }
