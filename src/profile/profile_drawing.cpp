#include "profile/profile_drawing.h"

#include "graphics/fill_patterns.h"
#include "graphics/graphic_string.h"
#include "graphics/graphics.h"
#include "graphics/label_areas.h"
#include "graphics/palette.h"
#include "graphics/point_symbols.h"
#include "profile/profile_line.h"
#include "profile/profile_sweep.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>

namespace {

MaterialAppearanceLookup g_materials;

const s_ColorType kProfileColour(9, 7);

s_FontType LabelFont() { return s_FontType("Arial", 8); }

bool Drawable() {
    const int mode = Cpp_Graphics::OutputMode();
    return mode == Cpp_Graphics::kOutputScreen || mode == Cpp_Graphics::kOutputPrinter;
}

// The region polygons in world coordinates, kept while the profile and the floor stay; a pan or
// zoom that keeps the floor reuses them.
struct RegionCache {
    const void* list = nullptr;
    std::uint64_t fingerprint = 0;
    double floor = 0;
    std::vector<std::vector<double>> xs, ys;
    bool valid = false;
};
RegionCache g_regions;

}  // namespace

void SetMaterialAppearanceLookup(MaterialAppearanceLookup lookup) {
    g_materials = std::move(lookup);
}

platform::ColorRef GetFillColour(const Cpp_ProfileLine& line) {
    s_MaterialAppearanceType m;
    const bool linked = g_materials && g_materials(line.GetMaterialNumber(), m);
    if (Cpp_Graphics::BlackAndWhite()) return 0;
    if (linked && m.hasOwnColour) return m.colour & 0xFFFFFF;
    if (!linked && line.HasOwnColour()) return line.GetOwnColour() & 0xFFFFFF;
    return Cpp_WindowsPalette::RGBColor(
        Cpp_ProfileLineList::ColourTableIndex(line.GetMaterialNumber()));
}

int GetFillPattern(const Cpp_ProfileLine& line) {
    s_MaterialAppearanceType m;
    const bool linked = g_materials && g_materials(line.GetMaterialNumber(), m);
    int pattern = linked ? m.fillPattern : line.GetFillPattern();
    if (pattern < -1) pattern = Cpp_ProfileLineList::PatternTableNumber(line.GetMaterialNumber());
    return pattern;
}

const s_LinePenType& ProfileLinePen() {
    static const s_LinePenType pen = [] {
        s_LinePenType p;
        p.width = s_LineWidthType(static_cast<short>(0));
        p.style = 0;
        p.colour = kProfileColour;
        p.layerName = "Profile_Lines";
        return p;
    }();
    return pen;
}

s_SymbolAttributesType ProfilePointAttributes() {
    s_SymbolAttributesType a;
    a.markerSize = s_MarkerSizeType(static_cast<short>(5));
    a.penWidth = s_LineWidthType(static_cast<short>(1));
    a.style = 3;
    a.colour = kProfileColour;
    a.layerName = "Profile_Points";
    return a;
}

bool DrawMaterialRegions(const Cpp_ProfileLineList& list, int patternScale, double floor) {
    (void)patternScale;  // the device scales the 8 x 8 cells
    if (!Drawable()) return false;
    platform::DeviceContext* dcp = Cpp_Graphics::GetCurrentDC();
    if (!dcp) return false;
    platform::DeviceContext& dc = *dcp;
    const auto& sweep = list.GetSweep();
    if (!g_regions.valid || g_regions.list != &list || g_regions.fingerprint != sweep.fingerprint ||
        g_regions.floor != floor) {
        g_regions.list = &list;
        g_regions.fingerprint = sweep.fingerprint;
        g_regions.floor = floor;
        g_regions.xs.assign(list.Count(), {});
        g_regions.ys.assign(list.Count(), {});
        std::vector<s_tagTypePointXY> polygon;
        for (int i = 0; i < list.Count(); ++i) {
            const Cpp_ProfileLine* line = list.ProfileLineAt(i);
            if (line->GetMaterialNumber() < 1) continue;
            if (!list.RegionPolygon(line, floor, polygon) || polygon.size() <= 2) continue;
            for (const auto& p : polygon) {
                g_regions.xs[i].push_back(p.x);
                g_regions.ys[i].push_back(p.y);
            }
        }
        g_regions.valid = true;
    }
    platform::ScopedDcState state(dc);
    for (int i = 0; i < list.Count() && i < static_cast<int>(g_regions.xs.size()); ++i) {
        const Cpp_ProfileLine* line = list.ProfileLineAt(i);
        if (line->GetMaterialNumber() < 1) continue;
        const int pattern = GetFillPattern(*line);
        if (pattern == 0 || g_regions.xs[i].size() <= 2) continue;
        const std::vector<platform::DevicePoint> pixels =
            Cpp_Graphics::WorldPolygonToPixels(g_regions.xs[i], g_regions.ys[i]);
        if (pixels.size() < 3) continue;
        const platform::ColorRef colour = GetFillColour(*line);
        dc.SetPen({platform::PenStyle::Null, 1, colour});
        if (pattern == -1) {
            platform::Brush b;
            b.kind = platform::BrushKind::Solid;
            b.color = colour;
            dc.SetBrush(b);
        } else {
            dc.SetBrush(Cpp_FillPatterns::CreatePatternBrush(pattern));
            dc.SetTextColor(colour);
            dc.SetBkColor(0xFFFFFF);
            dc.SetBkMode(platform::BackgroundMode::Opaque);
        }
        dc.FillPolygon(pixels);
    }
    return true;
}

bool FillMaterialRegion(platform::DeviceContext& dc, const Cpp_ProfileLineList& list, double floor,
                        const Cpp_ProfileLine& line) {
    if (Cpp_Graphics::OutputMode() != Cpp_Graphics::kOutputScreen) return false;
    std::vector<s_tagTypePointXY> polygon;
    if (!list.RegionPolygon(&line, floor, polygon) || polygon.size() <= 2) return false;
    std::vector<double> xs, ys;
    for (const auto& p : polygon) {
        xs.push_back(p.x);
        ys.push_back(p.y);
    }
    const auto pixels = Cpp_Graphics::WorldPolygonToPixels(xs, ys);
    if (pixels.size() < 3) return false;
    platform::ScopedDcState state(dc);
    dc.SetBrush(Cpp_FillPatterns::CreatePatternBrush(23));
    dc.SetTextColor(0);
    dc.SetRop2(platform::RasterOp::XorPen);
    dc.SetPolyFillMode(platform::FillMode::Alternate);
    dc.FillPolygon(pixels);
    return true;
}

bool DrawProfileLines(const Cpp_ProfileLineList& list) {
    platform::DeviceContext* dc = Cpp_Graphics::GetCurrentDC();
    if (!dc) return true;
    CreateLinePen(ProfileLinePen());
    for (const auto& line : list.Lines()) DrawLine(*dc, *line);
    DeletePenObject();
    return true;
}

bool DrawProfilePoints(const Cpp_ProfileLineList& list) {
    platform::DeviceContext* dc = Cpp_Graphics::GetCurrentDC();
    if (!dc) return true;
    SetupPointPens(*dc, ProfilePointAttributes());
    for (const auto& line : list.Lines()) DrawLinePoints(*dc, *line);
    DeletePointPens();
    return true;
}

bool DrawProfilePointCoordinates(const Cpp_ProfileLineList& list) {
    platform::DeviceContext* dc = Cpp_Graphics::GetCurrentDC();
    if (!dc) return true;
    platform::ScopedDcState state(*dc);
    dc->SetBkMode(platform::BackgroundMode::Transparent);
    Cpp_GraphicString::SetDrawingAttributes(LabelFont(), 9, 2, 1, 0, false, kProfileColour,
                                            "Profile_Coordinates");
    for (const auto& line : list.Lines()) DrawLinePointCoordinates(*line, 1, false);
    Cpp_GraphicString::ReleaseDrawingAttributes();
    return true;
}

bool DrawProfileLineNumbers(Cpp_ProfileLineList& list) {
    Cpp_GraphicString::SetCentredAttributes(LabelFont(), 1, true, kProfileColour,
                                            "Profile_Numbers");
    ComputeLabelFrames(list, 2, 1);
    Cpp_GraphicString::ReleaseDrawingAttributes();
    return true;
}

bool DrawMaterialNumbers(Cpp_ProfileLineList& list) {
    platform::DeviceContext* dc = Cpp_Graphics::GetCurrentDC();
    if (!dc || !Drawable()) return true;
    Cpp_GraphicString::SetCentredAttributes(LabelFont(), 1, true, kProfileColour,
                                            "Material_Numbers");
    const int h = dc->GetTextMetrics().height;
    int w = 0;
    char text[32];
    for (const auto& line : list.Lines()) {
        std::snprintf(text, sizeof text, "%1d",
                      static_cast<const Cpp_ProfileLine&>(*line).GetMaterialNumber());
        w = std::max(w, dc->GetTextExtent(text).cx);
    }
    if (w == 0) w = h;
    // Half the box in whole pixels.
    // NOLINTNEXTLINE(bugprone-integer-division)
    const double hw = (w + 1) / 2, hh = (h + 1) / 2;
    const int r = static_cast<int>(std::sqrt(hw * hw + hh * hh)) + 2;
    const Cpp_Graphics::WorldRect box = Cpp_Graphics::ClipBox();
    Cpp_GraphicString block;
    for (int i = 0; i < list.Count(); ++i) {
        Cpp_ProfileLine* line = list.ProfileLineAt(i);
        if (!line->IsMaterialLabelPlaced()) continue;
        const double x = line->MaterialLabelX(), y = line->MaterialLabelY();
        if (x < box.xmin || x > box.xmax || y < box.ymin || y > box.ymax) continue;
        const platform::DevicePoint p = Cpp_Graphics::WorldToPixel(x, y);
        s_TextFrameType frame{static_cast<short>(p.y - r), static_cast<short>(p.x - r),
                              static_cast<short>(p.y + r), static_cast<short>(p.x + r)};
        line->SetMaterialLabelFrame({frame.top, frame.left, frame.bottom, frame.right});
        label_areas::Add({p.x - r, p.y - r, p.x + r, p.y + r}, line);
        std::snprintf(text, sizeof text, "%1d", line->GetMaterialNumber());
        block.Clear();
        block.AddString(text);
        block.DrawAt(p.x, p.y, frame);
    }
    Cpp_GraphicString::ReleaseDrawingAttributes();
    return true;
}

bool DrawProfileCheckMarks(const Cpp_ProfileLineList& list) {
    platform::DeviceContext* dc = Cpp_Graphics::GetCurrentDC();
    if (!dc || list.CheckMarks().empty()) return true;
    s_SymbolAttributesType a;
    a.markerSize = s_MarkerSizeType(static_cast<short>(8));
    a.penWidth = s_LineWidthType(static_cast<short>(2));
    a.style = 1;
    a.colour = s_ColorType(4, 7);
    a.layerName = "Check_Marks";
    SetupPointPens(*dc, a);
    CreateMarkPen(a.markerSize, a.penWidth, a.colour);
    DrawCheckMarks(*dc, list);
    DeleteMarkPen();
    DeletePointPens();
    return true;
}
