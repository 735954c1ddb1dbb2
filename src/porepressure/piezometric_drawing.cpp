#include "porepressure/piezometric_drawing.h"
#include "porepressure/porepressure_state.h"

#include "core/format_text.h"
#include "core/preferences.h"
#include "graphics/graphics.h"
#include "graphics/pick.h"
#include "porepressure/piezometric_line.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

int StageIndex(int stage) { return stage == 2 ? 1 : 0; }
int ListStage(const Cpp_PiezometricLineList& list) { return list.GetStage() == 2 ? 2 : 1; }

const char* const kLineLayers[2] = {"Piezometric_Lines_1", "Piezometric_Lines_2"};
const char* const kPointLayers[2] = {"Piezometric_Points_1", "Piezometric_Points_2"};
const char* const kNumberLayers[2] = {"Piezometric_Numbers_1", "Piezometric_Numbers_2"};
const int kColours[2] = {12, 13};
const int kSymbols[2] = {6, 4};

s_PiezometricPickFlags g_pick[2];

// A fixed-point format with the decimals ("%1.2f" for a count out of range).
std::string Fixed(int decimals) {
    if (decimals < 0 || decimals > 18) return "%1.2f";
    return "%1." + std::to_string(decimals) + "f";
}

std::string Number(const std::string& format, double value) {
    return platform::FormatNumber(format, value);
}

std::array<s_LinePenType, 2> MakeLinePens() {
    std::array<s_LinePenType, 2> p;
    for (int i = 0; i < 2; ++i) {
        p[i].width = s_LineWidthType(static_cast<short>(0));
        p[i].style = 0;
        p[i].colour = s_ColorType(kColours[i], 7);
        p[i].layerName = kLineLayers[i];
        p[i].lineTypeName = "CONTINUOUS";
    }
    return p;
}

}  // namespace

void ResetPiezometricPickFlags() {
    for (auto& flags : g_pick) flags = s_PiezometricPickFlags{};
}

s_ColorType PiezometricColour(int stage) { return s_ColorType(kColours[StageIndex(stage)], 7); }

const s_LinePenType& PiezometricLinePen(int stage) {
    static const std::array<s_LinePenType, 2> pens = MakeLinePens();
    return pens[StageIndex(stage)];
}

s_SymbolAttributesType PiezometricPointAttributes(int stage) {
    s_SymbolAttributesType a;
    a.markerSize = s_MarkerSizeType(static_cast<short>(6));
    a.penWidth = s_LineWidthType(static_cast<short>(1));
    a.style = kSymbols[StageIndex(stage)];
    a.colour = PiezometricColour(stage);
    a.layerName = kPointLayers[StageIndex(stage)];
    return a;
}

const s_FontType& PiezometricLabelFont() {
    static const s_FontType font("Arial", 8, 400);
    return font;
}

const char* PiezometricNumberLayer(int stage) { return kNumberLayers[StageIndex(stage)]; }

s_DrawAttributesType GetPiezometricDisplayAttributes(int stage) {
    const s_SymbolAttributesType p = PiezometricPointAttributes(stage);
    return s_DrawAttributesType(PiezometricLinePen(stage).width, PiezometricColour(stage),
                                p.penWidth, p.markerSize, p.style, p.colour);
}

bool DrawPiezometricLines(const Cpp_PiezometricLineList& list) {
    platform::DeviceContext* dc = Cpp_Graphics::GetCurrentDC();
    if (!dc || list.IsEmpty()) return true;
    CreateLinePen(PiezometricLinePen(ListStage(list)));
    for (const auto& line : list.Lines()) DrawLine(*dc, *line);
    DeletePenObject();
    return true;
}

bool DrawPiezometricPoints(const Cpp_PiezometricLineList& list) {
    platform::DeviceContext* dc = Cpp_Graphics::GetCurrentDC();
    if (!dc || list.IsEmpty()) return true;
    SetupPointPensOnBackground(PiezometricPointAttributes(ListStage(list)));
    for (const auto& line : list.Lines()) DrawLinePoints(*dc, *line);
    DeletePointPens();
    return true;
}

bool DrawPiezometricLineNumbers(Cpp_PiezometricLineList& list) {
    if (list.IsEmpty()) return true;
    const int stage = ListStage(list);
    if (!Cpp_GraphicString::SetCentredAttributes(PiezometricLabelFont(), kPiezometricLabelFrame,
                                                 true, PiezometricColour(stage),
                                                 PiezometricNumberLayer(stage)))
        return false;
    ComputeLabelFrames(list, 2, kPiezometricLabelFrame);
    Cpp_GraphicString::ReleaseDrawingAttributes();
    return true;
}

bool DrawPiezometricPointCoordinates(const Cpp_PiezometricLineList& list) {
    platform::DeviceContext* dc = Cpp_Graphics::GetCurrentDC();
    if (!dc || list.IsEmpty()) return true;
    const platform::BackgroundMode previous = dc->SetBkMode(platform::BackgroundMode::Transparent);
    Cpp_GraphicString::SetDrawingAttributes(PiezometricLabelFont(), 9, 2, 1, 0, false,
                                            PiezometricColour(ListStage(list)),
                                            "Profile_Coordinates");
    for (const auto& line : list.Lines()) DrawLinePointCoordinates(*line, 1, false);
    Cpp_GraphicString::ReleaseDrawingAttributes();
    dc->SetBkMode(previous);
    return true;
}

s_PiezometricPickFlags& PiezometricPickFlags(int stage) { return g_pick[StageIndex(stage)]; }

void SetPiezometricPickFilter(int stage, bool points, bool segments, bool numbers) {
    g_pick[StageIndex(stage)] = {points, segments, numbers};
}

s_PiezometricHit HitTestPiezometricLines(const Cpp_PiezometricLineList& list, s_PickType& pick,
                                         bool usePickFilter) {
    s_PiezometricHit hit;
    const s_PiezometricPickFlags& flags = PiezometricPickFlags(ListStage(list));
    const bool points = list.GetShowPoints() && (!usePickFilter || flags.points);
    const bool segments = list.GetShowLines() && (!usePickFilter || flags.segments);
    const bool numbers = list.GetShowLineNumbers() && (!usePickFilter || flags.numbers);
    if (points) {
        Cpp_Line* line = nullptr;
        if (Cpp_PointXY* p = list.FindNearestLinePoint(pick, line)) {
            hit = {PICK_PIEZOMETRIC_POINT, static_cast<Cpp_PiezometricLine*>(line), p};
        }
    }
    if (numbers) {
        if (Cpp_Line* line = list.FindNearestLabel(pick))
            hit = {PICK_PIEZOMETRIC_NUMBER, static_cast<Cpp_PiezometricLine*>(line), nullptr};
    }
    if (segments && hit.kind == 0) {
        Cpp_Line* line = nullptr;
        if (Cpp_PointXY* p = list.FindNearestSegment(pick, line))
            hit = {PICK_PIEZOMETRIC_SEGMENT, static_cast<Cpp_PiezometricLine*>(line), p};
    }
    return hit;
}

bool AddPiezometricInformation(platform::InfoWindowService& info, const Cpp_PiezometricLine& line,
                               int kind, const Cpp_PointXY* point, int stage, bool multiStage) {
    if (kind != PICK_PIEZOMETRIC_POINT && kind != PICK_PIEZOMETRIC_SEGMENT &&
        kind != PICK_PIEZOMETRIC_NUMBER)
        return false;
    if (!info.Exists()) return true;
    info.Clear();
    const std::string angle = Fixed(Cpp_KlivenSettings::AngleDecimals());
    const std::string coordinate = Fixed(Cpp_KlivenSettings::CoordinateDecimals());
    const std::string unitWeight = Fixed(Cpp_KlivenSettings::UnitWeightDecimals());
    const std::string length = Fixed(Cpp_KlivenSettings::LengthDecimals());
    const int number = line.GetNumber();
    const Cpp_PointXY* second =
        (kind == PICK_PIEZOMETRIC_SEGMENT && point) ? point->Next() : nullptr;
    switch (kind) {
    case PICK_PIEZOMETRIC_POINT:
        info.AddText(platform::kInfoRoot,
                     multiStage
                         ? FormatText("Point on piezometric line %1d selected (Stage %1d data)",
                                      number, stage)
                         : FormatText("Point on piezometric line %1d selected", number));
        if (point)
            info.AddText(platform::kInfoRoot, "X: " + Number(coordinate, point->X()) +
                                                  ", Y: " + Number(coordinate, point->Y()));
        break;
    case PICK_PIEZOMETRIC_SEGMENT:
        info.AddText(platform::kInfoRoot,
                     multiStage
                         ? FormatText("Segment on piezometric line %1d selected (Stage %1d data)",
                                      number, stage)
                         : FormatText("Segment on piezometric line %1d selected", number));
        if (point && second)
            info.AddLengthAndSlopeOfSegment(platform::kInfoRoot, point->X(), point->Y(),
                                            second->X(), second->Y(), coordinate, length, angle,
                                            true);
        break;
    default:
        info.AddText(
            platform::kInfoRoot,
            multiStage
                ? FormatText("The number (text) for piezometric line %1d was "
                             "selected (Stage %1d data)",
                             number, stage)
                : FormatText("The number (text) for piezometric line %1d was selected", number));
        break;
    }
    info.AddReal(platform::kInfoRoot, "Unit weight of  fluid: ", line.UnitWeight(), unitWeight);
    const platform::InfoItem points =
        info.AddText(platform::kInfoRoot, "Piezometric line coordinates");
    for (const Cpp_PointXY* p = line.FirstPoint(); p; p = p->Next()) {
        std::string mark;
        if (kind == PICK_PIEZOMETRIC_POINT && p == point) mark = " - Selected point";
        if (kind == PICK_PIEZOMETRIC_SEGMENT && p == point) mark = " - First selected point";
        if (kind == PICK_PIEZOMETRIC_SEGMENT && p == second) mark = " - Second selected point";
        info.AddText(points, "X: " + Number(coordinate, p->X()) +
                                 " , Y: " + Number(coordinate, p->Y()) + " " + mark);
    }
    return true;
}

std::string PiezometricPointToolTip(const Cpp_PiezometricLine& line, const Cpp_PointXY& point) {
    return FormatText("Piez. Pt. No. %1d\nLine No. %1d\nX: %1.3f, Y: %1.3f", point.Number(),
                      line.GetNumber(), point.X(), point.Y());
}

std::string PiezometricSegmentToolTip(const Cpp_PiezometricLine& line, const Cpp_PointXY& start,
                                      int stage, bool multiStage) {
    if (multiStage)
        return FormatText(
            "Piezometric line no. %1d\nStage %1d\nSegment %1d\nFluid unit weight: %1.2f",
            line.GetNumber(), stage, start.Number(), line.UnitWeight());
    return FormatText("Piezometric line no. %1d\nSegment %1d\nFluid unit weight: %1.2f",
                      line.GetNumber(), start.Number(), line.UnitWeight());
}
