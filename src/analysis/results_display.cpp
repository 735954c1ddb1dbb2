#include "analysis/results_display.h"

#include "core/format_text.h"
#include "graphics/graphics.h"
#include "platform/device_context.h"
#include "porepressure/triangulation_drawing.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kDegrees = 57.29577951308232;

// Defaults of switches 0 to 7.
unsigned char g_defaults[Cpp_ResultsDisplay::kSwitches] = {1, 1, 1, 1, 1, 1, 0, 0};

// The "F_Triangulation" look: yellow (palette 6), 1 pt.
TriangulationDrawOptions TriangulationLook() {
    TriangulationDrawOptions o;
    o.triangleWidth = s_LineWidthType(static_cast<short>(1));
    o.triangleColour = s_ColorType(6, 2);
    o.triangleLayer = "F_Triangulation";
    return o;
}

void XorOutline(platform::DeviceContext& dc, const Cpp_ResultsDisplay::s_PixelRect& r) {
    platform::ScopedDcState state(dc);
    dc.SetPen(platform::Pen{platform::PenStyle::Solid, 1, platform::MakeRgb(0, 255, 0)});
    dc.SetRop2(platform::RasterOp::XorPen);
    dc.Polyline({{r.left, r.top},
                 {r.right, r.top},
                 {r.right, r.bottom},
                 {r.left, r.bottom},
                 {r.left, r.top}});
}

bool EarthPressureValid(int mode) { return mode == 4 || mode == 5; }

}  // namespace

Cpp_ResultsDisplay::Cpp_ResultsDisplay() { ResetFromDefaults(); }

void Cpp_ResultsDisplay::Clear() {
    criticalSurfaceLine_.DeleteAllPoints();
    vertices_.DeleteAllVertices();
    triangles_.DeleteAll();
    vertices2_.DeleteAllVertices();
    triangles2_.DeleteAll();
    contours_.DeleteAll();
    searchGeometry_.Clear();
    searchGeometry2_.Clear();
}

void Cpp_ResultsDisplay::SetDefaultDisplayFlags(const unsigned char (&values)[6]) {
    const int switches[6] = {0, 1, 2, 4, 6, 7};
    for (int i = 0; i < 6; ++i) g_defaults[switches[i]] = values[i];
}

void Cpp_ResultsDisplay::ResetFromDefaults() {
    std::copy(g_defaults, g_defaults + kSwitches, switches_);
}

void Cpp_ResultsDisplay::SetEarthPressure(int k, const s_EarthPressure& entry) {
    if (k >= 1 && k <= 3) earthPressure_[k - 1] = entry;
}

void Cpp_ResultsDisplay::SetTextBox(double xmin, double xmax, double ymax, double ymin) {
    boxXmin_ = xmin;
    boxXmax_ = xmax;
    boxYmax_ = ymax;
    boxYmin_ = ymin;
}

bool Cpp_ResultsDisplay::GetCircleBounds(bool isCircular, double& xmin, double& xmax, double& ymin,
                                         double& ymax) const {
    if (!hasResults_ || !isCircular || !switches_[1]) return false;
    xmin = xmax = criticalCircle_.CenterX();
    ymin = ymax = criticalCircle_.CenterY();
    return true;
}

bool Cpp_ResultsDisplay::IsInsideBox(double x, double y) const {
    return boxXmin_ < x && x < boxXmax_ && boxYmin_ < y && y < boxYmax_;
}

bool Cpp_ResultsDisplay::HitTestCorner(int k, double x, double y, double tolerance) const {
    if (k >= 1 && k <= 3) {
        const s_EarthPressure& e = earthPressure_[k - 1];
        if (std::fabs(x - e.x) < tolerance && std::fabs(y - e.y) < tolerance) return true;
    }
    return std::fabs(x - referenceX_) < tolerance && std::fabs(y - referenceY_) < tolerance;
}

bool Cpp_ResultsDisplay::HitTestPickGeometry(s_PickType& pick) const {
    int index = 0;
    return searchGeometry_.ContainsPoint(pick, index);
}

const Cpp_Triangle* Cpp_ResultsDisplay::FindTriangleAt(double x, double y) const {
    if (triangles_.IsEmpty()) return nullptr;
    return triangles_.FindTriangleContaining(triangles_.First(), x, y);
}

bool Cpp_ResultsDisplay::HitTestCriticalCircle(s_PickType& pick, double& x, double& y) const {
    if (criticalCircle_.Radius() == 0.0) return false;
    const double cx = criticalCircle_.CenterX(), cy = criticalCircle_.CenterY();
    if (std::fabs(pick.x - cx) > pick.tolerance || std::fabs(pick.y - cy) > pick.tolerance)
        return false;
    const double d = (pick.x - cx) * (pick.x - cx) + (pick.y - cy) * (pick.y - cy);
    if (pick.found && d >= pick.bestDistanceSquared) return false;
    pick.found = 1;
    pick.bestDistanceSquared = pick.secondaryDistanceSquared = d;
    x = cx;
    y = cy;
    return true;
}

double Cpp_ResultsDisplay::GetEarthPressureForce(int k) const {
    if (!EarthPressureValid(resultMode_) || k < 1 || k > 3) return 0.0;
    return earthPressure_[k - 1].force;
}

s_tagTypePointXY Cpp_ResultsDisplay::GetEarthPressurePoint(int k) const {
    if (!EarthPressureValid(resultMode_) || k < 1 || k > 3) return {0.0, 0.0};
    return {earthPressure_[k - 1].x, earthPressure_[k - 1].y};
}

bool Cpp_ResultsDisplay::GetEarthPressureText(int k, std::string& text) const {
    const s_EarthPressure entry = k >= 1 && k <= 3 ? earthPressure_[k - 1] : s_EarthPressure();
    const s_tagTypePointXY p = GetEarthPressurePoint(k);
    text = FormatText(
        "Earth pressure force\nForce: %1.3f\nFactor of safety: %1.3f\nInclination: %1.2f\nX: "
        "%1.3f, Y: %1.3f",
        GetEarthPressureForce(k), entry.factorOfSafety, entry.inclination * kDegrees, p.x, p.y);
    return true;
}

int Cpp_ResultsDisplay::DrawFTriangulations() const {
    const TriangulationDrawOptions look = TriangulationLook();
    for (const Cpp_TriangleList* list : {&triangles_, &triangles2_}) {
        if (list->IsEmpty()) continue;
        if (Cpp_TriangleDrawing::BeginDrawing(look)) Cpp_TriangleDrawing::DrawAll(*list);
        Cpp_TriangleDrawing::EndDrawing();
    }
    return 1;
}

void Cpp_ResultsDisplay::SetTextPixelRect(const s_PixelRect& rect, int mouseX, int mouseY) {
    textPixelRect_ = rect;
    lastMouseX_ = mouseX;
    lastMouseY_ = mouseY;
}

void Cpp_ResultsDisplay::MouseMoveTool(platform::DeviceContext& dc, int px, int py) {
    XorOutline(dc, textPixelRect_);
    const int dx = px - lastMouseX_, dy = py - lastMouseY_;
    textPixelRect_.left += dx;
    textPixelRect_.right += dx;
    textPixelRect_.top += dy;
    textPixelRect_.bottom += dy;
    XorOutline(dc, textPixelRect_);
    lastMouseX_ = px;
    lastMouseY_ = py;
}

void Cpp_ResultsDisplay::LButtonDownTool(platform::DeviceContext& dc) {
    XorOutline(dc, textPixelRect_);
    const s_PixelRect& r = textPixelRect_;
    textX_ = Cpp_Graphics::PixelToX(0.5 * (r.left + r.right));
    textY_ = Cpp_Graphics::PixelToY(0.5 * (r.top + r.bottom)) - 0.5 * (boxYmax_ - boxYmin_);
    textPlaced_ = true;
}

void Cpp_ResultsDisplay::ResetProgramWide() {
    const unsigned char start[kSwitches] = {1, 1, 1, 1, 1, 1, 0, 0};
    std::copy(start, start + kSwitches, g_defaults);
}
