#include "porepressure/triangulation_drawing.h"

#include "core/format_text.h"
#include "core/text_line_dialogs.h"
#include "graphics/graphic_string.h"
#include "graphics/graphics.h"
#include "graphics/level_of_detail.h"
#include "graphics/line_drawing.h"
#include "graphics/point_symbols.h"
#include "porepressure/contours.h"
#include "porepressure/triangle.h"
#include "porepressure/vertex.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>

namespace {

struct TriangleDrawingState {
    bool exists = false;
    int lineType = 0;
    platform::Pen pen;
    int widthPixels = 1;
    platform::ColorRef colour = 0;
};
TriangleDrawingState g_triangles;

struct VertexLabelState {
    bool pens = false;
    bool labels = false;
    platform::Font font;
    platform::ColorRef colour = 0;
    int gap = 5;
};
VertexLabelState g_vertices;

bool Drawable() {
    const int mode = Cpp_Graphics::OutputMode();
    return mode == Cpp_Graphics::kOutputScreen || mode == Cpp_Graphics::kOutputPrinter;
}

std::vector<platform::DevicePoint> Outline(const Cpp_Triangle& t) {
    std::vector<platform::DevicePoint> p;
    for (short k : {1, 2, 3, 1})
        p.push_back(Cpp_Graphics::WorldToPixel(t.Vertex(k)->X(), t.Vertex(k)->Y()));
    return p;
}

bool Complete(const Cpp_Triangle& t) { return t.Vertex(1) && t.Vertex(2) && t.Vertex(3); }

// The triangle's box meets the clip box.
bool InView(const Cpp_Triangle& t, const Cpp_Graphics::WorldRect& box) {
    const double x1 = t.Vertex(1)->X(), x2 = t.Vertex(2)->X(), x3 = t.Vertex(3)->X();
    const double y1 = t.Vertex(1)->Y(), y2 = t.Vertex(2)->Y(), y3 = t.Vertex(3)->Y();
    return std::max({x1, x2, x3}) >= box.xmin && std::min({x1, x2, x3}) <= box.xmax &&
           std::max({y1, y2, y3}) >= box.ymin && std::min({y1, y2, y3}) <= box.ymax;
}

void StyledEdges(platform::DeviceContext& dc, const Cpp_Triangle& t) {
    for (short i = 1; i <= 3; ++i) {
        const Cpp_VERTEX* a = t.Vertex(i);
        const Cpp_VERTEX* b = t.Vertex(static_cast<short>(Cpp_Triangle::NextIndex(i)));
        if (a->Number() > b->Number()) std::swap(a, b);
        DrawPolyline(dc, {a->X(), b->X()}, {a->Y(), b->Y()});
    }
}

// World to pixel as Cpp_Graphics::WorldToPixel computes it (the same arithmetic, so the same
// pixels), with the mapping read once for a whole mesh.
struct PixelMapping {
    double xScale = Cpp_Graphics::XScale(), xOffset = Cpp_Graphics::XOffset();
    double yScale = Cpp_Graphics::YScale(), yOffset = Cpp_Graphics::YOffset();
    static int Clamp(double v) {
        if (!(v > -Cpp_Graphics::kPixelClamp)) return -Cpp_Graphics::kPixelClamp;  // also NaN
        if (v > Cpp_Graphics::kPixelClamp) return Cpp_Graphics::kPixelClamp;
        return static_cast<int>(v);
    }
    platform::DevicePoint operator()(double x, double y) const {
        return {Clamp(xScale * x + xOffset), Clamp(yScale * y + yOffset)};
    }
};

// The triangle outlines in the view's picture, at the detail a pixel shows. An edge longer than
// a pixel is drawn once (of two triangles sharing it, the one first in memory draws it). An edge
// whose ends are one pixel or neighbouring pixels lights no pixel but its ends (which the exact
// line lights too, or the line from the next edge does): only those pixels are marked, and the
// marked pixels go to the device as runs along the rows, so that a mesh denser than the pixels
// costs the pixels, not the edges. A view with no two points within a pixel of each other has
// no such edge and gets every edge as before.
void DrawEdgesAtPixelDetail(platform::DeviceContext& dc, const Cpp_TriangleList& triangles,
                            const Cpp_Graphics::WorldRect& box) {
    const platform::DeviceRect page = dc.PageRect();
    const int w = std::max(0, page.Width()), h = std::max(0, page.Height());
    // Buffers kept between drawings: fresh memory of this size costs more in page faults than
    // the drawing itself.
    static std::vector<unsigned char> dots;
    static std::vector<platform::DevicePoint> ends;
    // A mesh of many edges: each edge may be set a pixel across from the exact line.
    constexpr std::size_t kDenseEdges = 20000;
    // The last mark takes the marks of points off the page and of the edges not marked, so
    // that the walk below decides by selection, not by branches it would mispredict in a
    // mesh half of whose edges are within a pixel.
    const std::size_t none = static_cast<std::size_t>(w) * h;
    dots.assign(none + 1, 0);
    const auto cell = [&](const platform::DevicePoint& p) {
        const unsigned x = static_cast<unsigned>(p.x - page.left);
        const unsigned y = static_cast<unsigned>(p.y - page.top);
        return x < static_cast<unsigned>(w) && y < static_cast<unsigned>(h)
                   ? static_cast<std::size_t>(y) * w + x
                   : none;
    };
    // Every edge is written; only those to draw are kept (used moves on past them).
    std::size_t used = 0;
    ends.resize(std::max<std::size_t>(ends.capacity(), 6 * 1024));
    bool anyDot = false;
    const PixelMapping toPixel;
    // The vertices of a triangle lie anywhere in memory: those of a triangle some places ahead
    // in the list are fetched while this one is drawn, so that the walk does not wait for each.
    constexpr int kAhead = 12;
    const Cpp_Triangle* ahead = triangles.First();
    for (int k = 0; k < kAhead && ahead; ++k) ahead = ahead->Next();
    for (const Cpp_Triangle* t = triangles.First(); t; t = t->Next()) {
        if (ahead) {
            for (short k = 1; k <= 3; ++k) __builtin_prefetch(ahead->Vertex(k));
            ahead = ahead->Next();
        }
        if (!Complete(*t) || !InView(*t, box)) continue;
        platform::DevicePoint p[3];
        std::size_t c[3];
        for (short k = 1; k <= 3; ++k) {
            p[k - 1] = toPixel(t->Vertex(k)->X(), t->Vertex(k)->Y());
            c[k - 1] = cell(p[k - 1]);
        }
        if (used + 6 > ends.size()) ends.resize(ends.size() * 2);
        for (int i = 0; i < 3; ++i) {
            const int j = i == 2 ? 0 : i + 1;
            const platform::DevicePoint& a = p[i];
            const platform::DevicePoint& b = p[j];
            const bool within = static_cast<unsigned>(a.x - b.x + 1) <= 2 &&
                                static_cast<unsigned>(a.y - b.y + 1) <= 2;
            // Of two triangles sharing an edge the one first in memory draws it.
            const auto across = reinterpret_cast<std::uintptr_t>(t->GetNeighbour(i + 1));
            const bool owned = (across == 0) | (across > reinterpret_cast<std::uintptr_t>(t));
            dots[within ? c[i] : none] = 1;
            dots[within ? c[j] : none] = 1;
            anyDot |= within;
            ends[used] = a;
            ends[used + 1] = b;
            used += (!within & owned) ? 2 : 0;
        }
    }
    ends.resize(used);
    if (ends.empty() && !anyDot) return;
    const platform::Pen previous = dc.SetPen(g_triangles.pen);
    if (ends.size() / 2 >= kDenseEdges) {
        dc.DenseSegments(ends);
    } else if (!ends.empty()) {
        dc.Segments(ends);
    }
    if (anyDot) {
        // Each run of marked pixels in a row is a line from its first pixel to the one after
        // its last (a line leaves out its last pixel).
        ends.clear();
        for (int y = 0; y < h; ++y) {
            const unsigned char* row = dots.data() + static_cast<size_t>(y) * w;
            int x = 0;
            while (x < w) {
                // Eight unmarked pixels at a time.
                while (x + 8 <= w) {
                    std::uint64_t word;
                    std::memcpy(&word, row + x, sizeof word);
                    if (word) break;
                    x += 8;
                }
                while (x < w && !row[x]) ++x;
                if (x >= w) break;
                const int first = x;
                while (x < w && row[x]) ++x;
                ends.push_back({page.left + first, page.top + y});
                ends.push_back({page.left + x, page.top + y});
            }
        }
        dc.DenseSegments(ends);
    }
    dc.SetPen(previous);
}

}  // namespace

bool Cpp_TriangleDrawing::BeginDrawing(const TriangulationDrawOptions& a) {
    g_triangles = TriangleDrawingState();
    platform::DeviceContext* dc = Cpp_Graphics::GetCurrentDC();
    if (!dc || !Drawable()) return false;
    g_triangles.colour = a.triangleColour.RGBColor();
    g_triangles.widthPixels = a.triangleWidth.DeviceWidth(*dc);
    g_triangles.lineType = a.triangleLineType;
    if (a.triangleLineType > 0) {
        s_LinePenType pen;
        pen.width = a.triangleWidth;
        pen.style = a.triangleLineType;
        pen.colour = a.triangleColour;
        pen.layerName = a.triangleLayer.name;
        CreateLinePen(pen);
    }
    g_triangles.pen = {platform::PenStyle::Solid, g_triangles.widthPixels, g_triangles.colour};
    g_triangles.exists = true;
    return true;
}

void Cpp_TriangleDrawing::EndDrawing() {
    if (g_triangles.lineType > 0) DeletePenObject();
    g_triangles = TriangleDrawingState();
}

bool Cpp_TriangleDrawing::PenExists() { return g_triangles.exists; }

void Cpp_TriangleDrawing::Draw(const Cpp_Triangle& t) {
    platform::DeviceContext* dc = Cpp_Graphics::GetCurrentDC();
    if (!dc || !g_triangles.exists || !Complete(t)) return;
    if (g_triangles.lineType > 0) {
        StyledEdges(*dc, t);
        return;
    }
    const platform::Pen previous = dc->SetPen(g_triangles.pen);
    dc->Polyline(Outline(t));
    dc->SetPen(previous);
}

void Cpp_TriangleDrawing::DrawAll(const Cpp_TriangleList& triangles) {
    platform::DeviceContext* dc = Cpp_Graphics::GetCurrentDC();
    if (!dc || !g_triangles.exists) return;
    const Cpp_Graphics::WorldRect box = Cpp_Graphics::ClipBox();
    if (g_triangles.lineType > 0) {
        for (const Cpp_Triangle* t = triangles.First(); t; t = t->Next())
            if (Complete(*t) && InView(*t, box)) StyledEdges(*dc, *t);
        return;
    }
    if (DrawingAtPixelDetail()) {
        DrawEdgesAtPixelDetail(*dc, triangles, box);
        return;
    }
    std::vector<std::vector<platform::DevicePoint>> outlines;
    for (const Cpp_Triangle* t = triangles.First(); t; t = t->Next())
        if (Complete(*t) && InView(*t, box)) outlines.push_back(Outline(*t));
    if (outlines.empty()) return;
    const platform::Pen previous = dc->SetPen(g_triangles.pen);
    dc->PolyPolyline(outlines);
    dc->SetPen(previous);
}

void Cpp_TriangleDrawing::Erase(const Cpp_Triangle& t) {
    platform::DeviceContext* dc = Cpp_Graphics::GetCurrentDC();
    if (!dc || !Drawable() || !Complete(t)) return;
    platform::ScopedDcState state(*dc);
    const platform::ColorRef bk = dc->GetBkColor();
    platform::Brush brush;
    brush.kind = platform::BrushKind::Solid;
    brush.color = bk;
    dc->SetBrush(brush);
    dc->SetPen({platform::PenStyle::Solid, 1, bk});
    std::vector<platform::DevicePoint> p = Outline(t);
    p.pop_back();
    dc->Polygon(p);
}

void Cpp_TriangleDrawing::EraseEdge(const Cpp_Triangle& t, int width, short i, short j) {
    if (!Complete(t) || i < 1 || i > 3 || j < 1 || j > 3) return;
    EraseLine(width, *t.Vertex(i), *t.Vertex(j));
}

void Cpp_TriangleDrawing::EraseLine(int width, const Cpp_VERTEX& a, const Cpp_VERTEX& b) {
    platform::DeviceContext* dc = Cpp_Graphics::GetCurrentDC();
    if (!dc || !Drawable()) return;
    const platform::Pen previous =
        dc->SetPen({platform::PenStyle::Solid, std::max(1, width), dc->GetBkColor()});
    dc->Polyline(
        {Cpp_Graphics::WorldToPixel(a.X(), a.Y()), Cpp_Graphics::WorldToPixel(b.X(), b.Y())});
    dc->SetPen(previous);
}

void Cpp_TriangleDrawing::DrawVertices(const Cpp_Triangle& t) {
    if (!Drawable() || !Complete(t)) return;
    for (short k = 1; k <= 3; ++k) DrawVertexLabelled(*t.Vertex(k));
}

void Cpp_TriangleDrawing::DrawHighlighted(const Cpp_Triangle& t, const platform::Brush& pattern) {
    platform::DeviceContext* dc = Cpp_Graphics::GetCurrentDC();
    if (!dc || Cpp_Graphics::OutputMode() != Cpp_Graphics::kOutputScreen || !Complete(t)) return;
    platform::ScopedDcState state(*dc);
    dc->SetBrush(pattern);
    std::vector<platform::DevicePoint> p = Outline(t);
    p.pop_back();
    dc->FillPolygon(p);
}

bool SetupVertexPens(const TriangulationDrawOptions& options, bool useExplicitFill) {
    platform::DeviceContext* dc = Cpp_Graphics::GetCurrentDC();
    if (!dc) return false;
    s_SymbolAttributesType a;
    a.markerSize = options.vertexMarkerSize;
    a.penWidth = options.vertexWidth;
    a.style = options.vertexSymbol;
    a.colour = options.vertexColour;
    a.backgroundFill = useExplicitFill ? options.vertexColour.RGBColor() : dc->GetBkColor();
    g_vertices.pens = SetupPointPens(*dc, a);
    return g_vertices.pens;
}

void EndVertexDrawing() {
    g_vertices.pens = false;
    DeletePointPens();
}

bool VertexPensSet() { return g_vertices.pens; }

bool SetupVertexLabelText(const TriangulationDrawOptions& options, int markerSizePixels,
                          bool /*useExplicitBackground*/) {
    platform::DeviceContext* dc = Cpp_Graphics::GetCurrentDC();
    if (!dc) return false;
    g_vertices.font = options.labelFont.ForDevice(*dc);
    g_vertices.colour = options.labelColour.RGBColor();
    g_vertices.gap = static_cast<int>(markerSizePixels * 0.5 + 2);
    g_vertices.labels = true;
    return true;
}

void ReleaseVertexLabelText() { g_vertices.labels = false; }

namespace {

// The label right of and above the point, at the gap from it.
void DrawValueText(platform::DeviceContext& dc, const platform::DevicePoint& p, double value) {
    char text[64];
    std::snprintf(text, sizeof text, "%1.2f", value);
    dc.TextOut(p.x + g_vertices.gap, p.y - g_vertices.gap, text);
}

struct LabelTextScope {
    platform::DeviceContext& dc;
    explicit LabelTextScope(platform::DeviceContext& d) : dc(d) {
        dc.Save();
        dc.SetFont(g_vertices.font);
        dc.SetTextColor(g_vertices.colour);
        dc.SetBkMode(platform::BackgroundMode::Transparent);
        dc.SetTextAlign(platform::AlignLeft | platform::AlignBottom);
    }
    ~LabelTextScope() { dc.Restore(); }
};

}  // namespace

void DrawVertexLabelled(const Cpp_VERTEX& v) {
    platform::DeviceContext* dc = Cpp_Graphics::GetCurrentDC();
    if (!dc || !Drawable()) return;
    if (g_vertices.pens) DrawSymbol(*dc, v.X(), v.Y());
    if (g_vertices.labels) {
        LabelTextScope scope(*dc);
        DrawValueText(*dc, Cpp_Graphics::WorldToPixel(v.X(), v.Y()), v.Value());
    }
}

void DrawAllVertices(const Cpp_VertexList& vertices) {
    platform::DeviceContext* dc = Cpp_Graphics::GetCurrentDC();
    if (!dc || !g_vertices.pens) return;
    // Dense points in the view's picture: a symbol whose centre falls in a cell (half a symbol
    // square) that already holds one is covered by it and is not drawn. A printed page and the
    // clipboard picture get every point. Points off the page are not sent.
    const bool detail = DrawingAtPixelDetail();
    const int cell = detail ? std::max(1, PointDrawingState().markerSize / 2) : 1;
    const platform::DeviceRect page = dc->PageRect();
    const int pad = PointDrawingState().markerSize;
    const int columns = std::max(1, (page.Width() + 2 * pad) / cell + 1);
    const int rows = std::max(1, (page.Height() + 2 * pad) / cell + 1);
    std::vector<unsigned char> taken(static_cast<size_t>(columns) * rows, 0);
    std::vector<double> xs, ys;
    for (const Cpp_VERTEX* v = vertices.First(); v; v = v->Next()) {
        const platform::DevicePoint p = Cpp_Graphics::WorldToPixel(v->X(), v->Y());
        const int c = (p.x - page.left + pad) / cell, r = (p.y - page.top + pad) / cell;
        if (p.x < page.left - pad || p.y < page.top - pad || c >= columns || r >= rows) continue;
        unsigned char& t = taken[static_cast<size_t>(r) * columns + c];
        if (t && detail) continue;
        t = 1;
        xs.push_back(v->X());
        ys.push_back(v->Y());
    }
    DrawSymbols(*dc, xs.data(), ys.data(), static_cast<int>(xs.size()));
}

void DrawAllVertexValues(const Cpp_VertexList& vertices, bool useSecond) {
    platform::DeviceContext* dc = Cpp_Graphics::GetCurrentDC();
    if (!dc || !Drawable() || !g_vertices.labels) return;
    const Cpp_Graphics::WorldRect box = Cpp_Graphics::GetVisibleWindow();
    const bool haveBox = box.xmax > box.xmin && box.ymax > box.ymin;
    const Cpp_Graphics::WorldRect clip = haveBox ? box : Cpp_Graphics::ClipBox();
    LabelTextScope scope(*dc);
    // Dense points: a label that would overlap one already drawn is left out (it could not be
    // read anyway). The page is divided into cells one text height square; a label takes the
    // cells its box covers.
    const platform::TextMetrics m = dc->GetTextMetrics();
    const int cell = std::max(4, m.height);
    const int charWidth = std::max(1, m.averageCharWidth);
    const platform::DeviceRect page = dc->PageRect();
    const int columns = std::max(1, page.Width() / cell + 1);
    const int rows = std::max(1, page.Height() / cell + 1);
    std::vector<unsigned char> taken(static_cast<size_t>(columns) * rows, 0);
    char text[64];
    for (const Cpp_VERTEX* v = vertices.First(); v; v = v->Next()) {
        if (v->X() < clip.xmin || v->X() > clip.xmax || v->Y() < clip.ymin || v->Y() > clip.ymax)
            continue;
        const platform::DevicePoint p = Cpp_Graphics::WorldToPixel(v->X(), v->Y());
        const int length = std::snprintf(text, sizeof text, "%1.2f",
                                         useSecond ? v->SecondValue() : v->FirstValue());
        const int left = p.x + g_vertices.gap - page.left, bottom = p.y - g_vertices.gap - page.top;
        const int c0 = std::clamp(left / cell, 0, columns - 1);
        const int c1 = std::clamp((left + length * charWidth) / cell, 0, columns - 1);
        const int r0 = std::clamp((bottom - m.height) / cell, 0, rows - 1);
        const int r1 = std::clamp(bottom / cell, 0, rows - 1);
        bool free = true;
        for (int r = r0; r <= r1 && free; ++r)
            for (int c = c0; c <= c1 && free; ++c)
                free = !taken[static_cast<size_t>(r) * columns + c];
        if (!free) continue;
        for (int r = r0; r <= r1; ++r)
            for (int c = c0; c <= c1; ++c) taken[static_cast<size_t>(r) * columns + c] = 1;
        dc->TextOut(p.x + g_vertices.gap, p.y - g_vertices.gap, text);
    }
}

std::vector<std::string> TriangleCircumcircleAndCentroidLines(const Cpp_Triangle& t) {
    if (!Complete(t)) return {"Circumcircle has an infinite radius - cannot be computed."};
    double cx = 0, cy = 0, r2 = 0;
    bool failed = false;
    t.Circumcircle(cx, cy, r2, failed);
    if (failed) return {"Circumcircle has an infinite radius - cannot be computed."};
    double gx = 0, gy = 0;
    t.Centroid(gx, gy);
    return {FormatText("Centroid at X = %1.4f, Y = %1.4f", gx, gy),
            FormatText("Circumcircle center at - X = %1.4f, Y = %1.4f", cx, cy),
            FormatText("Circumcircle radius = %1.4f", std::sqrt(r2))};
}

void ShowCircumcircleAndCentroid(const Cpp_Triangle& triangle) {
    TextLineDialogsSlot().Get().ShowInformation(TriangleCircumcircleAndCentroidLines(triangle));
}

// ---------------------------------------------------------------- step-by-step redraw

void Cpp_TriangulationRedraw::BeforeSplitOnEdge(const TriangulationDrawOptions& o,
                                                const Cpp_Triangle& t,
                                                const Cpp_Triangle* neighbour, short i, short j) {
    if (!o.on) return;
    if (o.contours) {
        Cpp_TriangleDrawing::Erase(t);
        if (neighbour) Cpp_TriangleDrawing::Erase(*neighbour);
        return;
    }
    platform::DeviceContext* dc = Cpp_Graphics::GetCurrentDC();
    if (!dc) return;
    Cpp_TriangleDrawing::EraseEdge(t, o.triangleWidth.DeviceWidth(*dc), i, j);
}

void Cpp_TriangulationRedraw::BeforeSplitInside(const TriangulationDrawOptions& o,
                                                const Cpp_Triangle& t) {
    if (o.on && o.contours) Cpp_TriangleDrawing::Erase(t);
}

void Cpp_TriangulationRedraw::BeforeSwap(const TriangulationDrawOptions& o, const Cpp_Triangle& t1,
                                         const Cpp_Triangle& t2, const Cpp_VERTEX& a,
                                         const Cpp_VERTEX& b) {
    if (!o.on) return;
    if (o.contours) {
        Cpp_TriangleDrawing::Erase(t1);
        Cpp_TriangleDrawing::Erase(t2);
        return;
    }
    platform::DeviceContext* dc = Cpp_Graphics::GetCurrentDC();
    if (dc) Cpp_TriangleDrawing::EraseLine(o.triangleWidth.DeviceWidth(*dc), a, b);
}

void Cpp_TriangulationRedraw::AfterChange(const TriangulationDrawOptions& o,
                                          const std::vector<const Cpp_Triangle*>& changed,
                                          const Cpp_VERTEX* newPoint,
                                          const Cpp_Contours* contours) {
    if (!o.on) return;
    if (o.triangles)
        for (const Cpp_Triangle* t : changed)
            if (t) Cpp_TriangleDrawing::Draw(*t);
    if (o.vertices) {
        if (newPoint) DrawVertexLabelled(*newPoint);
        for (const Cpp_Triangle* t : changed)
            if (t) Cpp_TriangleDrawing::DrawVertices(*t);
    }
    if (o.contours && contours)
        for (const Cpp_Triangle* t : changed)
            if (t) contours->DrawTriangle(*t);
}

void Cpp_TriangulationRedraw::BeforeDeleteVertex(const TriangulationDrawOptions& /*options*/,
                                                 const std::vector<const Cpp_Triangle*>& around,
                                                 bool boundary) {
    for (int pass = 0; pass < (boundary ? 2 : 1); ++pass)
        for (const Cpp_Triangle* t : around)
            if (t) Cpp_TriangleDrawing::Erase(*t);
}

// ---------------------------------------------------------------- the redraw as an observer

Cpp_TriangulationRedrawer::Cpp_TriangulationRedrawer(const TriangulationDrawOptions& options,
                                                     const Cpp_Contours* contours)
    : options_(options), contours_(contours) {
    platform::DeviceContext* dc = Cpp_Graphics::GetCurrentDC();
    if (!options_.on || !dc) return;
    if (options_.triangles) pen_ = Cpp_TriangleDrawing::BeginDrawing(options_);
    if (options_.vertices) vertexPens_ = SetupVertexPens(options_, false);
    margin_ = std::max(options_.vertexMarkerSize.DeviceSize(*dc),
                       options_.triangleWidth.DeviceWidth(*dc)) +
              2;
}

Cpp_TriangulationRedrawer::~Cpp_TriangulationRedrawer() {
    if (pen_) Cpp_TriangleDrawing::EndDrawing();
    if (vertexPens_) EndVertexDrawing();
}

void Cpp_TriangulationRedrawer::TouchPoint(const Cpp_VERTEX& v) {
    const platform::DevicePoint p = Cpp_Graphics::WorldToPixel(v.X(), v.Y());
    const platform::DeviceRect r{p.x - margin_, p.y - margin_, p.x + margin_ + 1,
                                 p.y + margin_ + 1};
    if (!any_) {
        touched_ = r;
        any_ = true;
        return;
    }
    touched_.left = std::min(touched_.left, r.left);
    touched_.top = std::min(touched_.top, r.top);
    touched_.right = std::max(touched_.right, r.right);
    touched_.bottom = std::max(touched_.bottom, r.bottom);
}

void Cpp_TriangulationRedrawer::Touch(const Cpp_Triangle* t) {
    if (!t || !Complete(*t)) return;
    for (short k = 1; k <= 3; ++k) TouchPoint(*t->Vertex(k));
}

void Cpp_TriangulationRedrawer::BeforeSplitOnEdge(const Cpp_Triangle& t,
                                                  const Cpp_Triangle* neighbour, short i, short j) {
    if (!options_.on) return;
    Touch(&t);
    if (options_.contours) Touch(neighbour);
    Cpp_TriangulationRedraw::BeforeSplitOnEdge(options_, t, neighbour, i, j);
}

void Cpp_TriangulationRedrawer::BeforeSplitInside(const Cpp_Triangle& t) {
    if (!options_.on) return;
    Touch(&t);
    Cpp_TriangulationRedraw::BeforeSplitInside(options_, t);
}

void Cpp_TriangulationRedrawer::AfterSplit(const std::vector<const Cpp_Triangle*>& changed,
                                           const Cpp_VERTEX& point) {
    if (!options_.on) return;
    for (const Cpp_Triangle* t : changed) Touch(t);
    Cpp_TriangulationRedraw::AfterChange(options_, changed, &point, contours_);
}

void Cpp_TriangulationRedrawer::BeforeSwap(const Cpp_Triangle& t1, const Cpp_Triangle& t2,
                                           const Cpp_VERTEX& a, const Cpp_VERTEX& b) {
    if (!options_.on) return;
    Touch(&t1);
    Touch(&t2);
    Cpp_TriangulationRedraw::BeforeSwap(options_, t1, t2, a, b);
}

void Cpp_TriangulationRedrawer::AfterSwap(const Cpp_Triangle& t1, const Cpp_Triangle& t2) {
    if (!options_.on) return;
    Cpp_TriangulationRedraw::AfterChange(options_, {&t1, &t2}, nullptr, contours_);
}

void Cpp_TriangulationRedrawer::TriangleAdded(const Cpp_Triangle& t) {
    if (!options_.on) return;
    Touch(&t);
    Cpp_TriangulationRedraw::AfterChange(options_, {&t}, nullptr, contours_);
}

void Cpp_TriangulationRedrawer::PocketTriangleAdded(const Cpp_Triangle& t) {
    if (!options_.on) return;
    Touch(&t);
    if (options_.triangles) Cpp_TriangleDrawing::Draw(t);
    if (options_.contours && contours_) contours_->DrawTriangle(t);
}

void Cpp_TriangulationRedrawer::RememberOuter(const std::vector<const Cpp_Triangle*>& around) {
    outer_.clear();
    for (const Cpp_Triangle* t : around)
        for (int i = 1; i <= 3; ++i) {
            const Cpp_Triangle* n = t->GetNeighbour(i);
            if (n && std::find(around.begin(), around.end(), n) == around.end() &&
                std::find(outer_.begin(), outer_.end(), n) == outer_.end())
                outer_.push_back(n);
        }
}

void Cpp_TriangulationRedrawer::DrawOuter() {
    if (options_.triangles)
        for (const Cpp_Triangle* t : outer_) Cpp_TriangleDrawing::Draw(*t);
}

void Cpp_TriangulationRedrawer::HoleFilled(const std::vector<const Cpp_Triangle*>& made) {
    if (!options_.on) return;
    // The edges the erase took from the triangles outside, then every vertex of the rim.
    DrawOuter();
    if (options_.vertices) {
        for (const Cpp_Triangle* t : outer_) Cpp_TriangleDrawing::DrawVertices(*t);
        for (const Cpp_Triangle* t : made) Cpp_TriangleDrawing::DrawVertices(*t);
    }
    outer_.clear();
}

// The square of a vertex's symbol in the background colour: the part of the symbol outside
// the triangles around the vertex is not erased with them.
void Cpp_TriangulationRedrawer::EraseSymbol(const Cpp_VERTEX& v) {
    platform::DeviceContext* dc = Cpp_Graphics::GetCurrentDC();
    if (!dc || !Drawable()) return;
    const platform::DevicePoint p = Cpp_Graphics::WorldToPixel(v.X(), v.Y());
    const int half =
        options_.vertexMarkerSize.DeviceSize(*dc) / 2 + options_.vertexWidth.DeviceWidth(*dc) + 1;
    dc->FillRect({p.x - half, p.y - half, p.x + half + 1, p.y + half + 1}, dc->GetBkColor());
}

void Cpp_TriangulationRedrawer::BeforeDeleteVertex(const Cpp_VERTEX& p,
                                                   const std::vector<const Cpp_Triangle*>& around,
                                                   bool boundary) {
    for (const Cpp_Triangle* t : around) Touch(t);
    TouchPoint(p);
    Cpp_TriangulationRedraw::BeforeDeleteVertex(options_, around, boundary);
    if (options_.on && options_.vertices) EraseSymbol(p);
    RememberOuter(around);
}

void Cpp_TriangulationRedrawer::BeforeMoveVertex(const Cpp_VERTEX& p,
                                                 const std::vector<const Cpp_Triangle*>& around) {
    if (!options_.on) return;
    for (const Cpp_Triangle* t : around) Touch(t);
    if (options_.triangles || options_.contours)
        for (const Cpp_Triangle* t : around) Cpp_TriangleDrawing::Erase(*t);
    if (options_.vertices) EraseSymbol(p);
    RememberOuter(around);
}

void Cpp_TriangulationRedrawer::AfterMoveVertex(const Cpp_VERTEX& p,
                                                const std::vector<const Cpp_Triangle*>& around) {
    if (!options_.on) return;
    for (const Cpp_Triangle* t : around) Touch(t);
    TouchPoint(p);
    DrawOuter();
    if (options_.triangles)
        for (const Cpp_Triangle* t : around) Cpp_TriangleDrawing::Draw(*t);
    if (options_.vertices) {
        for (const Cpp_Triangle* t : outer_) Cpp_TriangleDrawing::DrawVertices(*t);
        for (const Cpp_Triangle* t : around) Cpp_TriangleDrawing::DrawVertices(*t);
        DrawVertexLabelled(p);
    }
    if (options_.contours && contours_)
        for (const Cpp_Triangle* t : around) contours_->DrawTriangle(*t);
    outer_.clear();
}

void Cpp_TriangulationRedrawer::DrawVertex(const Cpp_VERTEX& v) {
    if (!options_.on || !options_.vertices) return;
    TouchPoint(v);
    DrawVertexLabelled(v);
}
