#include "porepressure/contour_control_points.h"

#include "graphics/graphics.h"
#include "porepressure/contours.h"

std::vector<Cpp_ContourWorkingPoint> Cpp_ContourControlPointList::working_;

void Cpp_ContourControlPointList::InitWorkingList() { working_.clear(); }

Cpp_ContourWorkingPoint& Cpp_ContourControlPointList::AppendWorkingPoint(double x, double y) {
    working_.push_back({x, y, nullptr});
    return working_.back();
}

void Cpp_ContourControlPointList::InterpolateControlPoints(const Cpp_ContourControlPoint& /*from*/,
                                                           const Cpp_ContourControlPoint& to,
                                                           int /*valueKind*/, double /*tolerance*/,
                                                           double /*blend*/) {
    AppendWorkingPoint(to.x, to.y);
}

void Cpp_ContourControlPointList::Draw(bool major) {
    const int mode = Cpp_Graphics::OutputMode();
    if (working_.empty() ||
        (mode != Cpp_Graphics::kOutputScreen && mode != Cpp_Graphics::kOutputPrinter))
        return;
    platform::DeviceContext* dc = Cpp_Graphics::GetCurrentDC();
    if (!dc || working_.size() < 2) return;
    std::vector<double> xs, ys;
    xs.reserve(working_.size());
    ys.reserve(working_.size());
    for (const auto& p : working_) {
        xs.push_back(p.x);
        ys.push_back(p.y);
    }
    const auto runs = Cpp_Graphics::WorldPolylineToPixels(xs, ys);
    if (runs.empty()) return;
    const platform::Pen previous =
        dc->SetPen(major ? Cpp_Contours::MajorPen() : Cpp_Contours::MinorPen());
    if (runs.size() == 1)
        dc->Polyline(runs[0]);
    else
        dc->PolyPolyline(runs);
    dc->SetPen(previous);
}
