#include "porepressure/interpolation_drawing.h"

#include "core/format_text.h"
#include "core/point_xy.h"
#include "core/preferences.h"
#include "graphics/graphics.h"
#include "graphics/pick.h"
#include "porepressure/contours.h"
#include "porepressure/interpolation_data.h"
#include "registry/display_selections.h"

#include <cmath>

namespace {

struct KindTable {
    int symbol[2];
    int pointColour[2];
    int triangleColour[2];
    const char* layer;
};
// Kinds 1 to 6.
const KindTable kKinds[6] = {
    {{12, 10}, {12, 12}, {6, 27}, "Press_Interp_"},  {{15, 13}, {13, 13}, {6, 27}, "Ru_Interp_"},
    {{12, 10}, {27, 27}, {6, 27}, "Su_Interp_"},     {{9, 7}, {17, 17}, {17, 17}, "Su_Interp_"},
    {{15, 13}, {27, 27}, {6, 27}, "COverP_Interp_"}, {{16, 18}, {3, 1}, {6, 27}, "Gamma_Interp_"},
};

int StageOf(const Cpp_InterpolationData& data) { return data.GetStage() == 2 ? 2 : 1; }

std::string Fixed(int decimals) {
    if (decimals < 0 || decimals > 18) return "%1.2f";
    return "%1." + std::to_string(decimals) + "f";
}

// The word of a kind in the information texts: 1 pressure, 2 r-sub-u, others strength.
int TextGroup(int kind) { return kind == 1 ? 1 : kind == 2 ? 2 : 3; }

}  // namespace

s_InterpolationLook InterpolationLook(int kind, int stage) {
    const int k = (kind >= 1 && kind <= 6) ? kind - 1 : 0;
    const int s = stage == 2 ? 1 : 0;
    s_InterpolationLook look;
    look.symbol = kKinds[k].symbol[s];
    look.pointColour = s_ColorType(kKinds[k].pointColour[s], 7);
    look.triangleColour = s_ColorType(kKinds[k].triangleColour[s], 7);
    look.layerName = std::string(kKinds[k].layer) + (s == 0 ? "1" : "2");
    look.valueLayerName = s == 0 ? "Interp_Value_1" : "Interp_Value_2";
    return look;
}

TriangulationDrawOptions InterpolationDrawOptions(int kind, int stage) {
    const s_InterpolationLook look = InterpolationLook(kind, stage);
    TriangulationDrawOptions o;
    o.on = o.triangles = o.vertices = o.contours = 1;
    o.triangleWidth = look.triangleWidth;
    o.triangleColour = look.triangleColour;
    o.triangleLayer = look.layerName;
    o.vertexWidth = look.pointWidth;
    o.vertexColour = look.pointColour;
    o.vertexMarkerSize = look.symbolSize;
    o.vertexSymbol = look.symbol;
    o.labelFont = look.labelFont;
    o.labelColour = look.labelColour;
    return o;
}

bool InterpolationKindShown(const s_DisplayFlagsType& flags, int kind, int stage) {
    const int s = stage == 2 ? 1 : 0;
    switch (kind) {
    case 1: return flags.pressurePoints[s];
    case 2: return flags.ruPoints[s];
    case 3:
    case 4: return flags.strengthPoints[s];
    case 5:
    case 6: return flags.otherPoints[s];
    default: return false;
    }
}

bool InterpolationDataSetShown(const s_DisplayFlagsType& flags, const Cpp_InterpolationDataSet& set,
                               int stage) {
    return !flags.designatedMaterials[stage == 2 ? 1 : 0] || set.IsDisplayed();
}

namespace {

template <class F>
void ForEachShownSet(Cpp_InterpolationData& data, int kind, const s_DisplayFlagsType& flags, F f) {
    const int stage = StageOf(data);
    for (const auto& set : data.DataSets())
        if (set && set->Kind() == kind && InterpolationDataSetShown(flags, *set, stage)) f(*set);
}

bool SetContourAttributes(int kind, int stage) {
    const s_InterpolationLook look = InterpolationLook(kind, stage);
    return Cpp_Contours::SetDrawingAttributes(look.labelFont, InterpolationKindDecimals(kind),
                                              look.pointColour, look.contourWidth,
                                              look.majorContourWidth, look.layerName);
}

}  // namespace

void DrawInterpolationTriangles(Cpp_InterpolationData& data, int kind,
                                const s_DisplayFlagsType& flags) {
    const int stage = StageOf(data);
    if (!flags.triangles[stage - 1] || !InterpolationKindShown(flags, kind, stage)) return;
    if (!Cpp_TriangleDrawing::BeginDrawing(InterpolationDrawOptions(kind, stage))) return;
    ForEachShownSet(data, kind, flags, [](Cpp_InterpolationDataSet& set) {
        Cpp_TriangleDrawing::DrawAll(set.GetTriangleList());
    });
    Cpp_TriangleDrawing::EndDrawing();
}

void DrawInterpolationPointSymbols(Cpp_InterpolationData& data, int kind,
                                   const s_DisplayFlagsType& flags) {
    const int stage = StageOf(data);
    if (!InterpolationKindShown(flags, kind, stage)) return;
    if (!SetupVertexPens(InterpolationDrawOptions(kind, stage), false)) return;
    ForEachShownSet(data, kind, flags,
                    [](Cpp_InterpolationDataSet& set) { DrawAllVertices(set.GetVertexList()); });
    EndVertexDrawing();
}

void DrawInterpolationContourLines(Cpp_InterpolationData& data, int kind,
                                   const s_DisplayFlagsType& flags) {
    const int stage = StageOf(data);
    if (!flags.contours[stage - 1] || !InterpolationKindShown(flags, kind, stage)) return;
    if (!SetContourAttributes(kind, stage)) return;
    try {
        ForEachShownSet(data, kind, flags, [](Cpp_InterpolationDataSet& set) {
            Cpp_VertexList& vertices = set.GetVertexList();
            set.GetContours().Draw(vertices, set.GetTriangleList(), vertices.UsesSecondValue());
        });
    } catch (...) {
        Cpp_Contours::ReleaseDrawingAttributes();
        throw;
    }
    Cpp_Contours::ReleaseDrawingAttributes();
}

void DrawInterpolationContourLabels(Cpp_InterpolationData& data, int kind,
                                    const s_DisplayFlagsType& flags) {
    const int stage = StageOf(data);
    if (!flags.contours[stage - 1] || !InterpolationKindShown(flags, kind, stage)) return;
    if (!SetContourAttributes(kind, stage)) return;
    ForEachShownSet(data, kind, flags,
                    [](Cpp_InterpolationDataSet& set) { set.GetContours().DrawLabels(); });
    Cpp_Contours::ReleaseDrawingAttributes();
}

void DrawInterpolationValueLabels(Cpp_InterpolationData& data, int kind,
                                  const s_DisplayFlagsType& flags) {
    const int stage = StageOf(data);
    if (!flags.interpolationValues[stage - 1] || !InterpolationKindShown(flags, kind, stage))
        return;
    platform::DeviceContext* dc = Cpp_Graphics::GetCurrentDC();
    if (!dc) return;
    const TriangulationDrawOptions options = InterpolationDrawOptions(kind, stage);
    const int marker = options.vertexMarkerSize.DeviceSize(*dc);
    if (!SetupVertexLabelText(options, marker, false)) return;
    ForEachShownSet(data, kind, flags, [](Cpp_InterpolationDataSet& set) {
        Cpp_VertexList& vertices = set.GetVertexList();
        DrawAllVertexValues(vertices, vertices.UsesSecondValue());
    });
    ReleaseVertexLabelText();
}

Cpp_VERTEX* HitTestInterpolationPoint(Cpp_InterpolationDataSet& set, s_PickType& pick) {
    Cpp_Triangle* start = nullptr;
    Cpp_VERTEX* v =
        FindNearestVertex(pick.x, pick.y, set.GetTriangleList(), set.GetVertexList(), start);
    if (!v) return nullptr;
    if (!IsInPickBox(pick, v->X(), v->Y())) return nullptr;
    const double d = (v->X() - pick.x) * (v->X() - pick.x) + (v->Y() - pick.y) * (v->Y() - pick.y);
    if (!AcceptNearerCandidate(pick, d)) return nullptr;
    pick.segmentNumber = v->Number();
    return v;
}

Cpp_Triangle* HitTestInterpolationTriangle(Cpp_InterpolationDataSet& set, double x, double y) {
    const int hull = set.GetHullList().CountRing();
    if (hull == 1 || hull == 2) return nullptr;
    return set.GetTriangleList().FindTriangleContaining(nullptr, x, y);
}

bool GetInterpolationToolTipText(Cpp_InterpolationDataSet& set, double x, double y,
                                 std::string& text, int& code, double& value) {
    const bool head = set.Kind() == 1 && set.GetOptionFlag();
    Cpp_Triangle* start = nullptr;
    text.clear();
    code = 0;
    if (!set.ValueAt(x, y, value, start, head)) return false;
    const int kind = set.Kind();
    if ((kind == 1 && !head) || kind == 3 || kind == 4) {
        const double scale = std::pow(10.0, Cpp_KlivenSettings::StressDecimals());
        value = std::round(value * scale) / scale;
    }
    switch (kind) {
    case 1:
        text = FormatText(head ? "H: %1.2f" : "U: %1.2f", value);
        code = 3;
        break;
    case 2:
        text = FormatText("ru: %1.2f", value);
        code = 4;
        break;
    case 5:
        text = FormatText("c/p: %1.2f", value);
        code = 6;
        break;
    case 6:
        text = FormatText("Unit Wt.: %1.2f", value);
        code = 7;
        break;
    default:
        text = FormatText("Su: %1.2f", value);
        code = 5;
        break;
    }
    return true;
}

bool AddInterpolationInformation(platform::InfoWindowService& info, Cpp_InterpolationDataSet& set,
                                 const Cpp_VERTEX* vertex, const Cpp_Triangle* triangle) {
    if (!info.Exists()) return false;
    info.Clear();
    const std::string xy = Fixed(Cpp_KlivenSettings::CoordinateDecimals());
    const std::string val = Fixed(Cpp_KlivenSettings::StressDecimals());
    auto num = [](const std::string& f, double v) { return platform::FormatNumber(f, v); };
    const int group = TextGroup(set.Kind());
    const char* const valueWords[4] = {"", ", Pressure: ", ", R-sub-u: ", ", Strength: "};
    const char* const pointWords[4] = {"", ", Pressure: ", ", Ru: ", ", Strength: "};
    auto material = [&]() {
        if (set.Material() >= 1)
            info.AddInteger(platform::kInfoRoot, "Used for material number: ", set.Material(),
                            "%1d");
        else
            info.AddText(platform::kInfoRoot, "Used for any/all materials");
    };
    if (triangle) {
        const char* const titles[4] = {
            "", "Selected pressure interpolation triangle",
            "Selected triangle for pore pressure coefficient (r-sub-u) interpolation",
            "Selected triangle for strength interpolation"};
        info.AddText(platform::kInfoRoot, titles[group]);
        material();
        for (short k = 1; k <= 3; ++k) {
            const Cpp_VERTEX* v = triangle->Vertex(k);
            if (!v) continue;
            info.AddText(platform::kInfoRoot, FormatText("Vertex %1d - X: ", k) + num(xy, v->X()) +
                                                  ", Y: " + num(xy, v->Y()) + valueWords[group] +
                                                  num(val, v->Value()));
        }
    } else if (vertex) {
        const char* const titles[4] = {
            "", "Selected pressure interpolation point",
            "Selected interpolation point for pore pressure coefficients (r-sub-u)",
            "Selected strength interpolation point"};
        info.AddText(platform::kInfoRoot, titles[group]);
        material();
        info.AddText(platform::kInfoRoot, "X: " + num(xy, vertex->X()) +
                                              ", Y: " + num(xy, vertex->Y()) + pointWords[group] +
                                              num(val, vertex->Value()));
    }
    const platform::InfoItem points = info.AddText(platform::kInfoRoot, "Interpolation points");
    int n = 0;
    for (const Cpp_VERTEX* v = set.GetVertexList().First(); v; v = v->Next()) {
        std::string line = FormatText("Pt: %1d, X: ", ++n) + num(xy, v->X()) +
                           ", Y: " + num(xy, v->Y()) + pointWords[group] + num(val, v->Value());
        if (v == vertex) line += " - Selected point";
        info.AddText(points, line);
    }
    return true;
}
