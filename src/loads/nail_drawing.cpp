// Individual soil nails drawn as a line from the head to the embedded end with a short bar
#include "loads/loads_state.h"
// across the head; their extents and picking.

#include "loads/nail_data.h"

#include "core/geometry.h"
#include "core/world_rect.h"
#include "graphics/graphics.h"
#include "loads/load_drawing_support.h"

#include <algorithm>
#include <cmath>

namespace {

const s_ColorType kNailColour(13, 7);
const s_LineWidthType kNailWidth(static_cast<short>(3));
constexpr int kHeadBarPixels = 9;
bool g_filters[2] = {true, true};

}  // namespace

void ResetNailPickFilters() { g_filters[0] = g_filters[1] = true; }

void Cpp_NailData::DrawNail(platform::DeviceContext& dc, const Cpp_IndividualNail& nail,
                            bool erase) {
    if (!loads::DrawsOnCurrentOutput()) return;
    const platform::Pen pen{platform::PenStyle::Solid, std::max(1, kNailWidth.DeviceWidth(dc)),
                            erase ? dc.GetBkColor() : kNailColour.RGBColor()};
    platform::ScopedDcState state(dc);
    dc.SetPen(pen);
    loads::DrawWorldPolyline(dc, {nail.headX, nail.endX}, {nail.headY, nail.endY});
    const double dx = nail.endX - nail.headX, dy = nail.endY - nail.headY;
    const double length = std::hypot(dx, dy);
    if (!(length > 0)) return;
    if (!Cpp_Graphics::IsVisible(nail.headX, nail.headY)) return;
    const platform::DevicePoint head = Cpp_Graphics::WorldToPixel(nail.headX, nail.headY);
    const int bx = static_cast<int>(kHeadBarPixels * dy / length);
    const int by = static_cast<int>(kHeadBarPixels * dx / length);
    dc.Polyline({{head.x + bx, head.y + by}, {head.x - bx, head.y - by}});
}

bool Cpp_NailData::Draw() const {
    platform::DeviceContext* dc = Cpp_Graphics::GetCurrentDC();
    if (!dc || !loads::DrawsOnCurrentOutput()) return true;
    for (const auto& nail : nails_.Nails()) DrawNail(*dc, *nail, false);
    return true;
}

bool Cpp_NailData::GetBounds(double& xmin, double& xmax, double& ymin, double& ymax) const {
    Cpp_Extents extents;
    for (const auto& n : nails_.Nails()) {
        const double x0 = std::min(n->headX, n->endX), x1 = std::max(n->headX, n->endX);
        const double y0 = std::min(n->headY, n->endY), y1 = std::max(n->headY, n->endY);
        extents.Add(x0, x1, y0, y1);
    }
    return extents.Get(xmin, xmax, ymin, ymax);
}

Cpp_IndividualNail* Cpp_IndividualNailList::HitTestA(s_PickType& pick) const {
    Cpp_IndividualNail* best = nullptr;
    for (const auto& n : nails_) {
        const double d =
            PointSegmentDistanceCoords(pick.x, pick.y, n->headX, n->headY, n->endX, n->endY);
        if (!(d < pick.tolerance)) continue;
        if (AcceptNearerCandidate(pick, d * d)) best = n.get();
    }
    return best;
}

Cpp_IndividualNail* Cpp_IndividualNailList::HitTestB(s_PickType& pick, bool& head) const {
    Cpp_IndividualNail* best = nullptr;
    for (const auto& n : nails_) {
        if (IsNearPick(n->headX, n->headY, pick)) {
            best = n.get();
            head = true;
        }
        if (IsNearPick(n->endX, n->endY, pick)) {
            best = n.get();
            head = false;
        }
    }
    return best;
}

bool Cpp_IndividualNailList::GetSelectionFilterA() { return g_filters[0]; }
bool Cpp_IndividualNailList::GetSelectionFilterB() { return g_filters[1]; }
void Cpp_IndividualNailList::SetSelectionFilters(bool segments, bool ends) {
    g_filters[0] = segments;
    g_filters[1] = ends;
}
