// Individual geogrids drawn as a horizontal line of alternating thick and thin pieces from the
#include "loads/loads_state.h"
// head at the slope face to the end; and their picking.

#include "loads/geogrid_data.h"

#include "core/geometry.h"
#include "graphics/graphics.h"
#include "loads/load_drawing_support.h"

#include <algorithm>
#include <cmath>

namespace {

const s_ColorType kGeogridColour(15, 7);
constexpr int kThickPen = 5;
constexpr int kThinPen = 3;
constexpr double kThickInches = 0.1;
constexpr double kThinInches = 0.35;
bool g_filters[2] = {true, true};

}  // namespace

void ResetGeogridPickFilters() { g_filters[0] = g_filters[1] = true; }

void Cpp_GeogridData::DrawGeogrid(platform::DeviceContext& dc, const Cpp_Geogrid& grid,
                                  bool erase) {
    if (!loads::DrawsOnCurrentOutput()) return;
    const platform::ColorRef colour = erase ? dc.GetBkColor() : kGeogridColour.RGBColor();
    const int inch =
        (Cpp_Graphics::PixelsPerInch(&dc, true) + Cpp_Graphics::PixelsPerInch(&dc, false)) / 2;
    const double pieces[2] = {std::max(1.0, std::floor(kThickInches * inch)),
                              std::max(1.0, std::floor(kThinInches * inch))};
    const int pens[2] = {kThickPen, kThinPen};
    // Along the grid in world units, so the pieces keep their place when the view is clipped.
    const double perPixel = Cpp_Graphics::PixelsToWorldLength(1.0);
    const double total = std::fabs(grid.endX - grid.headX);
    if (!(total > 0) || !(perPixel > 0)) return;
    const double direction = grid.endX >= grid.headX ? 1.0 : -1.0;
    const Cpp_Graphics::WorldRect box = Cpp_Graphics::ClipBox();
    if (grid.headY < box.ymin || grid.headY > box.ymax) return;
    platform::ScopedDcState state(dc);
    double at = 0.0;
    for (int k = 0; at < total; k = 1 - k) {
        const double next = std::min(total, at + pieces[k] * perPixel);
        double x1 = grid.headX + direction * at, x2 = grid.headX + direction * next;
        double y1 = grid.headY, y2 = grid.headY;
        if (Cpp_Graphics::ClipSegment(box, x1, y1, x2, y2)) {
            dc.SetPen({platform::PenStyle::Solid, pens[k], colour});
            dc.Polyline({Cpp_Graphics::WorldToPixel(x1, y1), Cpp_Graphics::WorldToPixel(x2, y2)});
        }
        at = next;
    }
}

bool Cpp_GeogridData::Draw() const {
    platform::DeviceContext* dc = Cpp_Graphics::GetCurrentDC();
    if (!dc || !loads::DrawsOnCurrentOutput()) return true;
    for (const auto& grid : grids_.Geogrids()) DrawGeogrid(*dc, *grid, false);
    return true;
}

Cpp_Geogrid* Cpp_IndividualGeogridList::HitTestA(s_PickType& pick) const {
    Cpp_Geogrid* best = nullptr;
    for (const auto& g : grids_) {
        const double d =
            PointSegmentDistanceCoords(pick.x, pick.y, g->headX, g->headY, g->endX, g->headY);
        if (!(d < pick.tolerance)) continue;
        if (AcceptNearerCandidate(pick, d * d)) best = g.get();
    }
    return best;
}

Cpp_Geogrid* Cpp_IndividualGeogridList::HitTestB(s_PickType& pick, bool& head) const {
    Cpp_Geogrid* best = nullptr;
    for (const auto& g : grids_) {
        if (IsNearPick(g->headX, g->headY, pick)) {
            best = g.get();
            head = true;
        }
        if (IsNearPick(g->endX, g->headY, pick)) {
            best = g.get();
            head = false;
        }
    }
    return best;
}

bool Cpp_IndividualGeogridList::GetSelectionFilterA() { return g_filters[0]; }
bool Cpp_IndividualGeogridList::GetSelectionFilterB() { return g_filters[1]; }
void Cpp_IndividualGeogridList::SetSelectionFilters(bool segments, bool ends) {
    g_filters[0] = segments;
    g_filters[1] = ends;
}
