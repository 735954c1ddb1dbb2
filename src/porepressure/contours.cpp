#include "porepressure/contours.h"

#include "core/text_exception.h"
#include "graphics/graphics.h"
#include "graphics/label_areas.h"
#include "porepressure/triangle.h"
#include "porepressure/vertex.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <unordered_map>

namespace {

constexpr double kPi = 3.14159265358979323846;

// The drawing state of the contour code, filled before every drawing.
struct ContourDrawingState {
    bool set = false;
    s_ColorType colour;
    s_LineWidthType minorWidth = s_LineWidthType(static_cast<short>(1));
    s_LineWidthType majorWidth = s_LineWidthType(static_cast<short>(3));
    platform::Pen minorPen;
    platform::Pen majorPen;
    int decimals = 2;
    s_ColorType labelColour;
    bool fontSet = false;
    platform::Font font;
    platform::ColorRef background = 0xFFFFFF;
    std::string layerName;
};
ContourDrawingState g_state;

bool Drawable() {
    const int mode = Cpp_Graphics::OutputMode();
    return mode == Cpp_Graphics::kOutputScreen || mode == Cpp_Graphics::kOutputPrinter;
}

// Label text extent " %s " with the label font, in pixels.
platform::TextSize LabelTextExtent(platform::DeviceContext& dc, const std::string& text) {
    const platform::Font previous = dc.SetFont(g_state.font);
    const platform::TextSize size = dc.GetTextExtent(" " + text + " ");
    dc.SetFont(previous);
    return size;
}

int LabelTextHeight(platform::DeviceContext& dc) {
    const platform::Font previous = dc.SetFont(g_state.font);
    const int h = dc.GetTextMetrics().height;
    dc.SetFont(previous);
    return h;
}

// The triangulation as arrays: vertices, values and neighbours by index (0, 1, 2 for the
// triangle's vertices 1, 2, 3; edge k runs from vertex k to vertex k + 1 and neighbour k lies
// across it).
struct Mesh {
    std::vector<Cpp_VERTEX*> vertex;  // 3 per triangle
    std::vector<double> value;        // 3 per triangle
    std::vector<int> neighbour;       // 3 per triangle, -1 on the hull
    std::vector<double> fmin, fmax;
    int count = 0;

    void Build(Cpp_TriangleList& triangles) {
        count = triangles.CountTriangles();
        std::vector<Cpp_Triangle*> list;
        list.reserve(count);
        for (Cpp_Triangle* t = triangles.First(); t; t = t->Next()) list.push_back(t);
        count = static_cast<int>(list.size());
        std::unordered_map<const Cpp_Triangle*, int> index;
        index.reserve(list.size() * 2);
        for (int i = 0; i < count; ++i) index.emplace(list[i], i);
        vertex.resize(3 * count);
        value.resize(3 * count);
        neighbour.resize(3 * count);
        fmin.resize(count);
        fmax.resize(count);
        for (int i = 0; i < count; ++i) {
            for (int k = 0; k < 3; ++k) {
                Cpp_VERTEX* v = list[i]->Vertex(static_cast<short>(k + 1));
                vertex[3 * i + k] = v;
                value[3 * i + k] = v ? v->Value() : 0.0;
                const Cpp_Triangle* n = list[i]->GetNeighbour(k + 1);
                auto it = n ? index.find(n) : index.end();
                neighbour[3 * i + k] = it == index.end() ? -1 : it->second;
            }
            fmin[i] = std::min({value[3 * i], value[3 * i + 1], value[3 * i + 2]});
            fmax[i] = std::max({value[3 * i], value[3 * i + 1], value[3 * i + 2]});
        }
    }
    bool Valid(int t) const { return vertex[3 * t] && vertex[3 * t + 1] && vertex[3 * t + 2]; }
    // The index in triangle n of the edge it shares with triangle t.
    int EntryIndex(int n, int t) const {
        for (int k = 0; k < 3; ++k)
            if (neighbour[3 * n + k] == t) return k;
        return -1;
    }
    int IndexOfVertex(int t, const Cpp_VERTEX* v) const {
        for (int k = 0; k < 3; ++k)
            if (vertex[3 * t + k] == v) return k;
        return -1;
    }
};

// Walks one contour value through the mesh.
class Tracer {
public:
    Tracer(const Mesh& mesh, std::vector<unsigned char>& visited, double v, double eps)
        : m_(mesh), visited_(visited), v_(v), eps_(eps) {}

    bool Flat(int t) const { return m_.fmax[t] - m_.fmin[t] < eps_; }

    void Trace(Cpp_ContourControlPointList& line, int t, int e) {
        line_ = &line;
        const int a = e, b = (e + 1) % 3;
        const double fa = F(t, a), fb = F(t, b);
        if (std::fabs(fa - v_) < eps_) {
            AddVertex(V(t, a));
            Walk(Mode::Vertex, t, -1, V(t, a));
        } else if (std::fabs(fb - v_) < eps_) {
            AddVertex(V(t, b));
            Walk(Mode::Vertex, t, -1, V(t, b));
        } else {
            const double s = (v_ - fa) / (fb - fa + eps_);
            AddOnEdge(t, a, b, s);
            Walk(Mode::Cross, t, e, nullptr);
        }
    }

private:
    enum class Mode { Cross, Vertex, Done };

    double F(int t, int k) const { return m_.value[3 * t + k]; }
    Cpp_VERTEX* V(int t, int k) const { return m_.vertex[3 * t + k]; }
    int N(int t, int k) const { return m_.neighbour[3 * t + k]; }
    void AddVertex(const Cpp_VERTEX* v) { line_->AddPoint(v->X(), v->Y()); }
    void AddOnEdge(int t, int from, int to, double s) {
        const Cpp_VERTEX* p = V(t, from);
        const Cpp_VERTEX* q = V(t, to);
        line_->AddPoint(p->X() + s * (q->X() - p->X()), p->Y() + s * (q->Y() - p->Y()));
    }

    // The triangles around vertex v from triangle c: one way round, then (when the hull was
    // reached) the other way.
    void Fan(int c, const Cpp_VERTEX* v, std::vector<int>& fan) const {
        fan.clear();
        fan.push_back(c);
        bool closed = false;
        int t = c;
        for (int guard = 0; guard < m_.count; ++guard) {
            const int a = m_.IndexOfVertex(t, v);
            if (a < 0) break;
            const int n = N(t, a);
            if (n < 0) break;
            if (n == c) {
                closed = true;
                break;
            }
            fan.push_back(n);
            t = n;
        }
        if (closed) return;
        t = c;
        for (int guard = 0; guard < m_.count; ++guard) {
            const int a = m_.IndexOfVertex(t, v);
            if (a < 0) break;
            const int n = N(t, (a + 2) % 3);
            if (n < 0 || n == c) break;
            fan.push_back(n);
            t = n;
        }
    }

    bool FanVisited(const std::vector<int>& fan) const {
        for (int t : fan)
            if (visited_[t]) return true;
        return false;
    }

    void Walk(Mode mode, int t, int entry, const Cpp_VERTEX* vertex) {
        const Cpp_VERTEX* start = vertex;
        bool atStart = vertex != nullptr;
        std::vector<int> fan;
        while (mode != Mode::Done) {
            if (mode == Mode::Cross) {
                if (t < 0 || visited_[t]) return;
                visited_[t] = 1;
                const int i = entry, nx = (i + 1) % 3, pv = (i + 2) % 3;
                if (std::fabs(F(t, pv) - v_) < eps_) {
                    vertex = V(t, pv);
                    AddVertex(vertex);
                    mode = Mode::Vertex;
                    atStart = false;
                    continue;
                }
                int edge;
                double s = (v_ - F(t, nx)) / (F(t, pv) - F(t, nx) + eps_);
                if (s > 0.0 && s < 1.0) {
                    edge = nx;
                    AddOnEdge(t, nx, pv, s);
                } else {
                    edge = pv;
                    s = (v_ - F(t, pv)) / (F(t, i) - F(t, pv) + eps_);
                    AddOnEdge(t, pv, i, s);
                }
                const int n = N(t, edge);
                if (n < 0) return;
                entry = m_.EntryIndex(n, t);
                if (entry < 0) return;
                t = n;
                continue;
            }
            // From a vertex.
            Fan(t, vertex, fan);
            bool moved = false;
            for (int f : fan) {  // (a) along an edge to a vertex on the level
                if (visited_[f]) continue;
                const int a = m_.IndexOfVertex(f, vertex);
                if (a < 0) continue;
                for (int side = 0; side < 2 && !moved; ++side) {
                    const int w = side == 0 ? (a + 1) % 3 : (a + 2) % 3;
                    const int edge = side == 0 ? a : w;  // the edge joining vertex and w
                    if (std::fabs(F(f, w) - v_) >= eps_) continue;
                    const int other = N(f, edge);
                    if (Flat(f) && (other < 0 || Flat(other))) continue;
                    visited_[f] = 1;
                    if (other >= 0) visited_[other] = 1;
                    vertex = V(f, w);
                    AddVertex(vertex);
                    t = f;
                    moved = true;
                }
                if (moved) break;
            }
            if (moved) {
                atStart = false;
                continue;
            }
            for (int f : fan) {  // (b) across the edge opposite the vertex
                if (visited_[f]) continue;
                const int a = m_.IndexOfVertex(f, vertex);
                if (a < 0) continue;
                const int p = (a + 1) % 3, q = (a + 2) % 3;
                const double s = (v_ - F(f, p)) / (F(f, q) - F(f, p) + eps_);
                if (!(s > 0.0 && s < 1.0)) continue;
                visited_[f] = 1;
                AddOnEdge(f, p, q, s);
                const int n = N(f, p);
                entry = n >= 0 ? m_.EntryIndex(n, f) : -1;
                t = n;
                moved = true;
                break;
            }
            if (moved) {
                if (t < 0 || entry < 0) return;
                mode = Mode::Cross;
                atStart = false;
                continue;
            }
            // (c) the line ends here.
            if (atStart && vertex == start && !FanVisited(fan)) AddVertex(vertex);
            return;
        }
    }

    const Mesh& m_;
    std::vector<unsigned char>& visited_;
    double v_;
    double eps_;
    Cpp_ContourControlPointList* line_ = nullptr;
};

std::uint64_t Mix(std::uint64_t h, std::uint64_t x) {
    h ^= x + 0x9E3779B97F4A7C15ull + (h << 6) + (h >> 2);
    return h;
}
std::uint64_t Bits(double d) {
    std::uint64_t u;
    std::memcpy(&u, &d, sizeof u);
    return u;
}

}  // namespace

// ---------------------------------------------------------------- labels

Cpp_ContourLabel::Cpp_ContourLabel(double x, double y, double angle, double value, int decimals)
    : x_(x), y_(y), value_(value), angle_(angle), text_(FormatValue(value, decimals)) {
    corners_.fill({x, y});
}

std::string Cpp_ContourLabel::FormatValue(double value, int decimals) {
    char text[400];
    const int n = std::clamp(decimals, 0, 18);
    const double fraction = value - std::trunc(value);
    const double scaled = std::floor(std::fabs(fraction) * std::pow(10.0, n) + 0.5);
    if (scaled >= 1.0 && n > 0)
        std::snprintf(text, sizeof text, "%1.*f", n, value);
    else
        std::snprintf(text, sizeof text, "%1.0f", value);
    std::string s = text;
    if (s.size() > 20) s.resize(20);
    return s;
}

void Cpp_ContourLabel::SetLabelRectangle() {
    platform::DeviceContext* dc = Cpp_Graphics::GetCurrentDC();
    if (!g_state.fontSet || !dc)
        throw Cpp_TextException("Cpp_ContourLabel::SetLabelRectangle - NULL Font");
    const double w = Cpp_Graphics::PixelsToWorldLength(LabelTextExtent(*dc, text_).cx + 4);
    const double h = Cpp_Graphics::PixelsToWorldLength(LabelTextHeight(*dc) + 4);
    const double a = angle_ * kPi / 180.0, c = std::cos(a), s = std::sin(a);
    corners_[0] = {x_ + c * w / 2 - s * h / 2, y_ + s * w / 2 + c * h / 2};
    corners_[1] = {x_ - c * w / 2 - s * h / 2, y_ - s * w / 2 + c * h / 2};
    corners_[2] = {x_ - c * w / 2 + s * h / 2, y_ - s * w / 2 - c * h / 2};
    corners_[3] = {x_ + c * w / 2 + s * h / 2, y_ + s * w / 2 - c * h / 2};
}

void Cpp_ContourLabel::Draw() const {
    platform::DeviceContext* dc = Cpp_Graphics::GetCurrentDC();
    if (!dc || !Drawable() || !g_state.set) return;
    if (!Cpp_Graphics::IsVisible(x_, y_)) return;
    platform::ScopedDcState state(*dc);
    platform::Brush brush;
    brush.kind = platform::BrushKind::Solid;
    brush.color = dc->GetBkColor();
    dc->SetBrush(brush);
    dc->SetPen(g_state.minorPen);
    std::vector<platform::DevicePoint> box;
    for (const auto& p : corners_) box.push_back(Cpp_Graphics::WorldToPixel(p.x, p.y));
    dc->Polygon(box);
    dc->SetTextColor(g_state.labelColour.RGBColor());
    dc->SetBkMode(platform::BackgroundMode::Transparent);
    dc->SetTextAlign(platform::AlignLeft | platform::AlignTop);
    const platform::DevicePoint centre = Cpp_Graphics::WorldToPixel(x_, y_);
    platform::Font font = g_state.font;
    double a = angle_;
    if (a > 90.0) a -= 180.0;
    if (a < -90.0) a += 180.0;
    dc->SetFont(font);
    const platform::TextSize size = dc->GetTextExtent(text_);
    const int h = dc->GetTextMetrics().height;
    if (a != 0.0) {
        font.escapement = static_cast<int>(std::lround(10.0 * a));
        dc->SetFont(font);
        const double r = a * kPi / 180.0;
        const double x = centre.x - size.cx / 2.0 * std::cos(r) - h / 2.0 * std::sin(r);
        const double y = centre.y + size.cx / 2.0 * std::sin(r) - h / 2.0 * std::cos(r);
        dc->TextOut(static_cast<int>(std::lround(x)), static_cast<int>(std::lround(y)), text_);
    } else {
        dc->TextOut(centre.x - size.cx / 2, centre.y - h / 2, text_);
    }
}

// ---------------------------------------------------------------- values

bool Cpp_Contours::GetContourInterval(double max, double min, int n, double& interval) {
    const double range = max - min;
    if (n > 0 && range > 0.0 && std::isfinite(range)) {
        const double d = std::pow(10.0, std::trunc(std::log10(range / n)));
        static const double multipliers[] = {0.1, 0.2, 0.25, 0.5, 1, 2, 2.5, 5, 10};
        for (double m : multipliers) {
            const double e = m * d;
            const double k = std::trunc((range + 0.001 * e) / e);
            if (k <= n) {
                interval = e;
                return true;
            }
        }
    }
    throw Cpp_TextException("Cpp_Contours::GetContourInterval - Failed to get contour interval");
}

bool Cpp_Contours::SetUpContourValues(Cpp_VertexList& vertices, bool useSecond) {
    setUp_ = 0;
    vertices.SelectValueComponent(useSecond);
    double vmin = 0, vmax = 0;
    if (!vertices.GetValueRange(vmin, vmax, useSecond)) return false;
    // Every value the same (or not a number): nothing to contour.
    if (!(vmax - vmin > 0.0) || !std::isfinite(vmax - vmin)) return false;
    minimum_ = vmin;
    eps_ = (vmax - vmin) * 1e-8;
    GetContourInterval(vmax, vmin, numberOfContours_, interval_);
    base_ = 0.0;
    lastValue_ = vmax;
    labelInterval_ = labelEveryN_ * interval_;
    setUp_ = 1;
    return true;
}

namespace {
bool NearMultiple(double value, double base, double step, double eps) {
    if (!(step > 0)) return false;
    const double q = (value - base) / step;
    const double r = std::fabs((value - base) - std::round(q) * step);
    return r < eps;
}
}  // namespace

bool Cpp_Contours::FirstContourValue(double x, double& value, bool& label, bool& major) const {
    const double r = (x - base_) - std::trunc((x - base_) / interval_) * interval_;
    value = x;
    if (std::fabs(r) >= eps_) {
        value = x - r;
        if (r > 0) value += interval_;
    }
    label = labelsOn_ && NearMultiple(value, base_, labelInterval_, eps_);
    major = false;
    return !(value > lastValue_ + eps_);
}

bool Cpp_Contours::NextContourValue(double& value, bool& label, bool& major) const {
    value += interval_;
    label = labelsOn_ && NearMultiple(value, base_, labelInterval_, eps_);
    major = false;
    return !(value > lastValue_ + eps_);
}

// ---------------------------------------------------------------- tracing

void Cpp_Contours::DeleteContourLines() {
    for (auto& line : lines_) line->DeleteAllPoints();
    lines_.clear();
    traced_ = false;
}

void Cpp_Contours::DeleteAll() {
    labels_.clear();
    DeleteContourLines();
    setUp_ = 0;
}

void Cpp_Contours::TraceContourLines(Cpp_TriangleList& triangles) {
    DeleteContourLines();
    labels_.clear();
    traced_ = true;
    ++traceCount_;
    if (triangles.IsEmpty() || !setUp_) return;
    Mesh mesh;
    mesh.Build(triangles);
    std::vector<unsigned char> visited(mesh.count, 0);
    double v = 0;
    bool label = false, major = false;
    bool more = FirstContourValue(minimum_, v, label, major);
    // A contour at the very minimum would only touch the data: it is lifted by 2 eps. The lift
    // moves every following value off its multiple of the label interval, so the label flags
    // are taken from the values before the lift.
    double lift = 0.0;
    if (v == minimum_) {
        lift = 2 * eps_;
        v = minimum_ + lift;
    }
    for (int guard = 0; more && guard < 10000; ++guard) {
        label = labelsOn_ && NearMultiple(v - lift, base_, labelInterval_, eps_);
        std::fill(visited.begin(), visited.end(), 0);
        Tracer tracer(mesh, visited, v, eps_);
        // Open lines from the hull.
        for (int t = 0; t < mesh.count; ++t) {
            if (visited[t] || !mesh.Valid(t)) continue;
            if (mesh.fmax[t] < v - eps_ || mesh.fmin[t] > v + eps_ || tracer.Flat(t)) continue;
            for (int k = 0; k < 3; ++k) {
                if (mesh.neighbour[3 * t + k] >= 0) continue;
                const double a = mesh.value[3 * t + k], b = mesh.value[3 * t + (k + 1) % 3];
                if (std::max(a, b) >= v - eps_ && std::min(a, b) <= v + eps_) {
                    lines_.push_back(
                        std::make_unique<Cpp_ContourControlPointList>(v, major, label));
                    tracer.Trace(*lines_.back(), t, k);
                    break;
                }
            }
        }
        // Closed lines inside.
        for (int t = 0; t < mesh.count; ++t) {
            if (visited[t] || !mesh.Valid(t)) continue;
            if (mesh.fmax[t] < v - eps_ || mesh.fmin[t] > v - eps_ || tracer.Flat(t)) continue;
            for (int k = 0; k < 3; ++k) {
                const double a = mesh.value[3 * t + k], b = mesh.value[3 * t + (k + 1) % 3];
                if ((a >= v - eps_ && b <= v - eps_) || (b >= v - eps_ && a <= v - eps_)) {
                    lines_.push_back(
                        std::make_unique<Cpp_ContourControlPointList>(v, major, label));
                    tracer.Trace(*lines_.back(), t, k);
                    break;
                }
            }
        }
        more = NextContourValue(v, label, major);
    }
}

std::uint64_t Cpp_Contours::Signature(Cpp_VertexList& vertices, Cpp_TriangleList& triangles) {
    std::uint64_t h = 1469598103934665603ull;
    for (const Cpp_VERTEX* v = vertices.First(); v; v = v->Next()) {
        h = Mix(h, Bits(v->X()));
        h = Mix(h, Bits(v->Y()));
        h = Mix(h, Bits(v->Value()));
    }
    // The triangles change only with the vertices or by a new triangulation, which makes new
    // triangles: their count and the ends of their list stand for them.
    h = Mix(h, reinterpret_cast<std::uintptr_t>(triangles.First()));
    h = Mix(h, reinterpret_cast<std::uintptr_t>(triangles.GetLastTriangle()));
    return Mix(h, static_cast<std::uint64_t>(triangles.CountTriangles()));
}

// ---------------------------------------------------------------- drawing

bool Cpp_Contours::Draw(Cpp_VertexList& vertices, Cpp_TriangleList& triangles, bool useSecond) {
    int count = 0;
    for (const Cpp_VERTEX* v = vertices.First(); v && count < 3; v = v->Next()) ++count;
    if (count < 3) return false;
    if (vertices.UsesSecondValue() != useSecond) vertices.SelectValueComponent(useSecond);
    const std::uint64_t signature = Signature(vertices, triangles);
    if (!traced_ || signature != signature_) {
        // Values, interval and lines follow the data; every value the same: nothing to draw.
        if (SetUpContourValues(vertices, useSecond)) {
            TraceContourLines(triangles);
        } else {
            DeleteContourLines();
            traced_ = true;
        }
        signature_ = signature;
    }
    labels_.clear();
    label_areas::RemoveOwner(this);
    if (setUp_) DrawContourLines();
    Cpp_ContourControlPointList::ReleaseWorkingNodes();
    return true;
}

void Cpp_Contours::DrawContourLines() {
    if (!g_state.set) return;
    for (const auto& line : lines_) {
        if (line->CountPoints() < 2) continue;
        Cpp_ContourControlPointList::InitWorkingList();
        const auto& points = line->Points();
        Cpp_ContourControlPointList::AppendWorkingPoint(points[0].x, points[0].y);
        for (size_t i = 1; i < points.size(); ++i)
            Cpp_ContourControlPointList::InterpolateControlPoints(points[i - 1], points[i],
                                                                  valueKind_, eps_, 0.0);
        if (!line->IsLabelled())
            Cpp_ContourControlPointList::Draw(line->IsMajor());
        else
            DrawLabelledLine(*line);
        Cpp_ContourControlPointList::ClearWorkingList();
    }
}

namespace {

// Where the segment p -> q (of parameter 0..1) is at distance r from c: the parameter of the
// crossing nearest to q (backward search) or to p (forward search), or -1.
double CircleCrossing(double px, double py, double qx, double qy, double cx, double cy, double r,
                      bool nearestToQ) {
    const double dx = qx - px, dy = qy - py;
    const double fx = px - cx, fy = py - cy;
    const double a = dx * dx + dy * dy;
    if (!(a > 0)) return -1;
    const double b = 2 * (fx * dx + fy * dy);
    const double c = fx * fx + fy * fy - r * r;
    const double disc = b * b - 4 * a * c;
    if (disc < 0) return -1;
    const double sq = std::sqrt(disc);
    const double t1 = (-b - sq) / (2 * a), t2 = (-b + sq) / (2 * a);
    double best = -1;
    for (double t : {t1, t2}) {
        if (t < 0 || t > 1) continue;
        if (best < 0 || (nearestToQ ? t > best : t < best)) best = t;
    }
    return best;
}

void DrawPiece(platform::DeviceContext& dc, const std::vector<double>& xs,
               const std::vector<double>& ys, const platform::Pen& pen) {
    if (xs.size() < 2) return;
    const auto runs = Cpp_Graphics::WorldPolylineToPixels(xs, ys);
    if (runs.empty()) return;
    const platform::Pen previous = dc.SetPen(pen);
    if (runs.size() == 1)
        dc.Polyline(runs[0]);
    else
        dc.PolyPolyline(runs);
    dc.SetPen(previous);
}

}  // namespace

void Cpp_Contours::DrawLabelledLine(const Cpp_ContourControlPointList& line) {
    platform::DeviceContext* dc = Cpp_Graphics::GetCurrentDC();
    if (!dc || !Drawable()) return;
    auto& w = Cpp_ContourControlPointList::WorkingList();
    const size_t n = w.size();
    double length = 0, xmin = w[0].x, xmax = w[0].x, ymin = w[0].y, ymax = w[0].y;
    for (size_t i = 1; i < n; ++i) {
        length += std::hypot(w[i].x - w[i - 1].x, w[i].y - w[i - 1].y);
        xmin = std::min(xmin, w[i].x), xmax = std::max(xmax, w[i].x);
        ymin = std::min(ymin, w[i].y), ymax = std::max(ymax, w[i].y);
    }
    const double extent = std::max(xmax - xmin, ymax - ymin);
    const std::string text = Cpp_ContourLabel::FormatValue(line.Value(), g_state.decimals);
    const double width = Cpp_Graphics::PixelsToWorldLength(LabelTextExtent(*dc, text).cx + 4);
    if (!(width < 0.75 * length && width < 0.75 * extent)) return;  // too short for its label

    // The label at the middle of the segment where half the length is reached.
    const double half = length / 2;
    double travelled = 0;
    size_t segment = 0;
    for (size_t i = 1; i < n; ++i) {
        const double l = std::hypot(w[i].x - w[i - 1].x, w[i].y - w[i - 1].y);
        if (travelled + l >= half) {
            segment = i - 1;
            break;
        }
        travelled += l;
        segment = i - 1;
    }
    const double cx = (w[segment].x + w[segment + 1].x) / 2;
    const double cy = (w[segment].y + w[segment + 1].y) / 2;
    const double sdx = w[segment + 1].x - w[segment].x, sdy = w[segment + 1].y - w[segment].y;
    const double angle = sdx == 0.0 ? 90.0 : std::atan2(sdy, sdx) * 180.0 / kPi;
    labels_.push_back(
        std::make_unique<Cpp_ContourLabel>(cx, cy, angle, line.Value(), g_state.decimals));
    Cpp_ContourLabel& label = *labels_.back();
    label.SetLabelRectangle();
    // A label that would overlap one drawn before it (a contour value or a material number)
    // is left out, and its line is drawn whole.
    auto area = [&label] {
        platform::DeviceRect r{INT_MAX, INT_MAX, INT_MIN, INT_MIN};
        for (const auto& c : label.Corners()) {
            const platform::DevicePoint p = Cpp_Graphics::WorldToPixel(c.x, c.y);
            r.left = std::min(r.left, p.x), r.right = std::max(r.right, p.x);
            r.top = std::min(r.top, p.y), r.bottom = std::max(r.bottom, p.y);
        }
        return r;
    };
    if (label_areas::Overlaps(area())) {
        labels_.pop_back();
        Cpp_ContourControlPointList::Draw(line.IsMajor());
        return;
    }
    w[segment].label = &label;

    // The gap: the run of the line inside the circle of radius width / 2 around the centre.
    const double r = width / 2;
    auto inside = [&](size_t i) { return std::hypot(w[i].x - cx, w[i].y - cy) < r; };
    // Backward from the centre.
    size_t before = segment;  // the last node kept before the gap
    double entryX = w[0].x, entryY = w[0].y;
    bool entryFound = false;
    {
        size_t i = segment;
        double qx = cx, qy = cy;  // inside end of the segment searched
        for (;;) {
            if (!inside(i)) {
                const double t = CircleCrossing(w[i].x, w[i].y, qx, qy, cx, cy, r, false);
                const double tt = t < 0 ? 1.0 : t;
                entryX = w[i].x + tt * (qx - w[i].x);
                entryY = w[i].y + tt * (qy - w[i].y);
                before = i;
                entryFound = true;
                break;
            }
            if (i == 0) break;
            qx = w[i].x, qy = w[i].y;
            --i;
        }
    }
    size_t after = segment + 1;  // the first node kept after the gap
    double exitX = w[n - 1].x, exitY = w[n - 1].y;
    bool exitFound = false;
    {
        size_t i = segment + 1;
        double px = cx, py = cy;
        for (; i < n; ++i) {
            if (!inside(i)) {
                const double t = CircleCrossing(px, py, w[i].x, w[i].y, cx, cy, r, false);
                const double tt = t < 0 ? 0.0 : t;
                exitX = px + tt * (w[i].x - px);
                exitY = py + tt * (w[i].y - py);
                after = i;
                exitFound = true;
                break;
            }
            px = w[i].x, py = w[i].y;
        }
    }
    const platform::Pen& pen = line.IsMajor() ? g_state.majorPen : g_state.minorPen;
    std::vector<double> xs, ys;
    if (entryFound) {
        for (size_t i = 0; i <= before; ++i) xs.push_back(w[i].x), ys.push_back(w[i].y);
        xs.push_back(entryX), ys.push_back(entryY);
        DrawPiece(*dc, xs, ys, pen);
    }
    if (exitFound) {
        xs.assign(1, exitX), ys.assign(1, exitY);
        for (size_t i = after; i < n; ++i) xs.push_back(w[i].x), ys.push_back(w[i].y);
        DrawPiece(*dc, xs, ys, pen);
    }
    // The label follows the chord of the gap.
    const double gx = exitX - entryX, gy = exitY - entryY;
    label.SetAngle(gx == 0.0 ? 0.0 : std::atan2(gy, gx) * 180.0 / kPi);
    label.SetLabelRectangle();
    label_areas::Add(area(), this);
}

void Cpp_Contours::DrawLabels() const {
    if (!g_state.set) return;
    for (const auto& label : labels_) label->Draw();
}

void Cpp_Contours::DrawTriangle(const Cpp_Triangle& triangle) const {
    platform::DeviceContext* dc = Cpp_Graphics::GetCurrentDC();
    if (!dc || !Drawable() || !setUp_ || !g_state.set) return;
    const Cpp_VERTEX* V[3] = {triangle.Vertex(1), triangle.Vertex(2), triangle.Vertex(3)};
    if (!V[0] || !V[1] || !V[2]) return;
    const double f1 = V[0]->Value(), f2 = V[1]->Value(), f3 = V[2]->Value();
    const double lo = std::min({f1, f2, f3}), hi = std::max({f1, f2, f3});
    if (!(hi - lo > eps_)) return;
    const double d = (f1 == f2 || f2 == f3 || f1 == f3) ? 1e-10 : 0.0;
    double v = 0;
    bool label = false, major = false;
    bool more = FirstContourValue(lo, v, label, major);
    if (v - hi >= eps_) return;
    auto at = [&](int i, int j, double t) -> s_tagTypePointXY {
        return {V[i]->X() + t * (V[j]->X() - V[i]->X()), V[i]->Y() + t * (V[j]->Y() - V[i]->Y())};
    };
    auto in = [](double t) { return t > 0.0 && t < 1.0; };
    auto segment = [&](s_tagTypePointXY a, s_tagTypePointXY b) {
        const platform::Pen previous = dc->SetPen(major ? g_state.majorPen : g_state.minorPen);
        const platform::DevicePoint p = Cpp_Graphics::WorldToPixel(a.x, a.y);
        const platform::DevicePoint q = Cpp_Graphics::WorldToPixel(b.x, b.y);
        dc->Polyline({p, q});
        dc->SetPen(previous);
    };
    auto point = [&](int i) -> s_tagTypePointXY { return {V[i]->X(), V[i]->Y()}; };
    for (int guard = 0; more && guard < 10000; ++guard) {
        const bool on1 = std::fabs(f1 - v) < eps_, on2 = std::fabs(f2 - v) < eps_,
                   on3 = std::fabs(f3 - v) < eps_;
        if (on1) {
            const double t = (v - f2) / (f3 - f2 + d);
            if (on2)
                segment(point(0), point(1));
            else if (on3)
                segment(point(0), point(2));
            else if (in(t))
                segment(point(0), at(1, 2, t));
            else
                segment(point(0), point(0));
        } else if (on2) {
            const double t = (v - f3) / (f1 - f3 + d);
            if (on3)
                segment(point(1), point(2));
            else if (in(t))
                segment(point(1), at(2, 0, t));
            else
                segment(point(1), point(1));
        } else if (on3) {
            const double t = (v - f1) / (f2 - f1 + d);
            if (in(t))
                segment(point(2), at(0, 1, t));
            else
                segment(point(2), point(2));
        } else {
            const double t12 = (v - f1) / (f2 - f1 + d);
            const double t13 = (v - f1) / (f3 - f1 + d);
            const double t23 = (v - f2) / (f3 - f2 + d);
            if (in(t12))
                segment(at(0, 1, t12), in(t13) ? at(0, 2, t13) : at(1, 2, t23));
            else if (in(t13))
                segment(at(0, 2, t13), at(1, 2, t23));
        }
        more = NextContourValue(v, label, major);
    }
}

// ---------------------------------------------------------------- drawing state

bool Cpp_Contours::SetDrawingAttributes(const s_FontType& labelFont, int labelDecimals,
                                        const s_ColorType& colour,
                                        const s_LineWidthType& minorWidth,
                                        const s_LineWidthType& majorWidth,
                                        const std::string& layerName) {
    platform::DeviceContext* dc = Cpp_Graphics::GetCurrentDC();
    if (!dc) return false;
    g_state.colour = colour;
    g_state.labelColour = colour;
    g_state.minorWidth = minorWidth;
    g_state.majorWidth = majorWidth;
    const platform::ColorRef rgb = colour.RGBColor();
    g_state.minorPen = {platform::PenStyle::Solid, minorWidth.DeviceWidth(*dc), rgb};
    g_state.majorPen = {platform::PenStyle::Solid, majorWidth.DeviceWidth(*dc), rgb};
    g_state.font = labelFont.ForDevice(*dc);
    g_state.fontSet = true;
    g_state.decimals = labelDecimals;
    g_state.background = dc->GetBkColor();
    g_state.layerName = layerName;
    g_state.set = true;
    return true;
}

void Cpp_Contours::ReleaseDrawingAttributes() {
    g_state.set = false;
    g_state.fontSet = false;
}

const platform::Pen& Cpp_Contours::MinorPen() { return g_state.minorPen; }
const platform::Pen& Cpp_Contours::MajorPen() { return g_state.majorPen; }
