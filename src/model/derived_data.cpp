#include "model/derived_data.h"

#include "core/data_error_output.h"
#include "core/message_boxes.h"
#include "core/output_settings.h"
#include "core/units.h"
#include "loads/distributed_load_data.h"
#include "loads/geogrid_data.h"
#include "loads/line_load.h"
#include "loads/load_messages.h"
#include "loads/nail_data.h"
#include "loads/reinforcement_line.h"
#include "model/data_check.h"
#include "model/data_set.h"
#include "porepressure/piezometric_line.h"
#include "profile/crack.h"

#include <algorithm>
#include <cmath>

namespace {

struct Vertex {
    double x, y;
};

std::vector<Vertex> VerticesOf(const Cpp_Line& line) {
    std::vector<Vertex> v;
    for (const Cpp_PointXY* p = line.FirstPoint(); p; p = p->Next()) v.push_back({p->X(), p->Y()});
    return v;
}

// The first segment whose end x differ and whose x range holds x; -1 when none.
int SegmentHolding(const std::vector<Vertex>& v, double x) {
    for (size_t k = 0; k + 1 < v.size(); ++k) {
        const Vertex& a = v[k];
        const Vertex& b = v[k + 1];
        if (a.x != b.x && std::min(a.x, b.x) <= x && x <= std::max(a.x, b.x))
            return static_cast<int>(k);
    }
    return -1;
}

double At(const std::vector<Vertex>& v, int k, double x) {
    const Vertex& a = v[k];
    const Vertex& b = v[k + 1];
    return a.y + (b.y - a.y) / (b.x - a.x) * (x - a.x);
}

}  // namespace

bool ComputeWaterLoadPoints(const Cpp_Line& slope, const Cpp_Line& piezometric, double gamma,
                            std::vector<s_WaterLoadPoint>& out) {
    out.clear();
    if (!slope.HasPoints() || !piezometric.HasPoints()) return false;
    const std::vector<Vertex> s = VerticesOf(slope);
    const std::vector<Vertex> w = VerticesOf(piezometric);
    double ymin = s[0].y, ymax = s[0].y;
    for (const Vertex& v : s) {
        ymin = std::min(ymin, v.y);
        ymax = std::max(ymax, v.y);
    }
    const double tol = 1e-8 * std::hypot(ymax - ymin, s.back().x - s.front().x);

    std::vector<double> xs;
    for (const Vertex& v : s) xs.push_back(v.x);
    for (const Vertex& v : w) xs.push_back(v.x);
    std::vector<s_tagTypePointXY> crossings;
    piezometric.IntersectionsWithLine(slope, crossings, tol);
    for (const auto& c : crossings) xs.push_back(c.x);
    std::sort(xs.begin(), xs.end());
    xs.erase(std::unique(xs.begin(), xs.end()), xs.end());
    const size_t k = xs.size();

    std::vector<char> vertical(k, 0);
    for (size_t j = 0; j < k; ++j)
        for (size_t q = 0; q + 1 < s.size(); ++q)
            if (s[q].x == xs[j] && s[q + 1].x == xs[j]) vertical[j] = 1;

    std::vector<s_WaterLoadPoint> l;
    double prevS = 0.0, prevW = 0.0;
    for (size_t j = 1; j < k; ++j) {
        const double t = (xs[j - 1] + xs[j]) * 0.5;
        const int ss = SegmentHolding(s, t);
        if (ss < 0) continue;
        const double sL = At(s, ss, xs[j - 1]);
        const double sR = At(s, ss, xs[j]);
        const int ws = SegmentHolding(w, t);
        if (ws >= 0) {
            const double wL = At(w, ws, xs[j - 1]);
            const double wR = At(w, ws, xs[j]);
            if (l.empty())
                l.push_back({xs[j - 1], sL, wL - sL > tol ? gamma * (wL - sL) : 0.0});
            else if (std::fabs(sL - prevS) > tol || std::fabs(wL - prevW) > tol)
                l.push_back({xs[j - 1], sL, sL < wL ? gamma * (wL - sL) : 0.0});
            l.push_back({xs[j], sR, wR - sR > tol ? gamma * (wR - sR) : 0.0});
            prevW = wR;
            prevS = sR;
        }
        if (vertical[j]) {
            const int hs = SegmentHolding(w, xs[j]);
            if (hs < 0) continue;
            const double h = At(w, hs, xs[j]);
            double lo = 0.0, hi = 0.0;
            bool first = true;
            for (const Vertex& v : s)
                if (v.x == xs[j]) {
                    lo = first ? v.y : std::min(lo, v.y);
                    hi = first ? v.y : std::max(hi, v.y);
                    first = false;
                }
            if (lo + tol < h && h < hi - tol) {
                l.push_back({xs[j], h, 0.0});
                prevS = prevW = h;
            }
        }
    }
    auto wet = [](const s_WaterLoadPoint& p) { return p.pressure != 0.0; };
    const auto firstWet = std::find_if(l.begin(), l.end(), wet);
    if (firstWet == l.end()) return true;
    const size_t first = static_cast<size_t>(firstWet - l.begin());
    size_t last = l.size() - 1;
    while (!wet(l[last])) --last;
    size_t start = first;
    if (first > 0 &&
        !(l[first - 1].x == l[first].x && std::fabs(l[first - 1].y - l[first].y) <= tol))
        start = first - 1;
    size_t end = last;
    if (last + 1 < l.size() &&
        !(l[last + 1].x == l[last].x && std::fabs(l[last + 1].y - l[last].y) <= tol))
        end = last + 1;
    if (end - start > 1)
        for (size_t i = start + 1; i < end; ++i)
            if (l[i].pressure <= 0.0 && l[i - 1].pressure <= 0.0 && l[i + 1].pressure <= 0.0)
                l[i].pressure = -99.0;
    for (size_t i = start; i <= end; ++i)
        if (l[i].pressure != -99.0) out.push_back(l[i]);
    return true;
}

bool GenerateWaterLoads(Cpp_Kliven4DataSet& dataSet, int stage, std::FILE* listing) {
    Cpp_Errors errors(listing);
    Cpp_DistributedLoadData* loads = dataSet.DistributedLoads(stage);
    const int number = loads->PiezometricLineNumber();
    loads->DeleteAllPoints();
    const Cpp_PiezometricLine* line = dataSet.PiezometricLines(stage)->FindLine(number);
    if (!line) return (Cpp_LoadErrors::Error5340(number, stage), false);
    Cpp_SlopeGeometry& slope = dataSet.SlopeGeometry();
    bool generated = false;
    if (!slope.HasSlopeData()) {
        slope.DeleteAll();
        if (!slope.Generate(dataSet.ProfileLines(), false, listing))
            return (Cpp_LoadErrors::Error5350(stage), false);
        slope.SetEnteredFlag(false);
        generated = true;
    }
    std::vector<s_WaterLoadPoint> points;
    if (!ComputeWaterLoadPoints(slope.GetSlopeLine(), *line, line->UnitWeight(), points))
        return false;
    for (const s_WaterLoadPoint& p : points) loads->AddPoint(p.x, p.y, p.pressure, 0.0);
    if (listing) {
        loads->PrintData(number, listing);
        if (generated) {
            slope.PrintComputedHeader(listing, true);
            slope.PrintPoints(listing, CurrentOutputSettings().coordinateDecimals);
        }
    }
    return true;
}

bool RecomputeSlopeAndCrackGeometry(Cpp_Kliven4DataSet& dataSet) {
    Cpp_SlopeGeometry& slope = dataSet.SlopeGeometry();
    slope.DeleteAll();
    return slope.Generate(dataSet.ProfileLines(), false, nullptr);  // the crack lines follow
}

bool RenumberAllLinePoints(Cpp_Kliven4DataSet& dataSet) {
    dataSet.ProfileLines().NumberAllPoints();
    for (int stage : {1, 2}) dataSet.PiezometricLines(stage)->NumberAllPoints();
    dataSet.ReinforcementLines()->NumberAllPoints();
    dataSet.SlopeGeometry().GetSlopeLine().NumberPoints();
    return true;
}

bool GenerateSlopeGeometry(Cpp_Kliven4DataSet& dataSet, std::FILE* listing) {
    return dataSet.SlopeGeometry().Generate(dataSet.ProfileLines(), listing != nullptr, listing);
}

bool ComputeCrackBottom(Cpp_Kliven4DataSet& dataSet, std::FILE* listing) {
    const Cpp_Crack* crack = DataSetCrack(dataSet);
    return crack && dataSet.SlopeGeometry().ComputeCrackBottom(*crack, listing);
}

bool ComputeCrackWaterLevels(Cpp_Kliven4DataSet& dataSet) {
    const Cpp_Crack* crack = DataSetCrack(dataSet);
    return crack && dataSet.SlopeGeometry().ComputeCrackWaterLevels(*crack);
}

bool Cpp_Kliven4DataSet::EditOptionalAnalysisData(void* window, bool& noData) {
    bool crackChanged = false;
    bool waterChanged = false;
    if (!AnalysisComputationData()->EditOptionalData(window, crackChanged, waterChanged, noData))
        return false;
    if (crackChanged || waterChanged) {
        if (!SlopeGeometry().HasSlopeData()) GenerateSlopeGeometry(*this, nullptr);
        if (crackChanged) ComputeCrackBottom(*this, nullptr);
        ComputeCrackWaterLevels(*this);
    }
    return true;
}

namespace {

// The crack's constants and points: x like every x; a depth (options 1 and 3) scales with y, an
// elevation (options 2 and 4) maps like every y.
void RescaleCrack(Cpp_Crack& crack, double a, double b, double c, double d) {
    const auto value = [&](int option, double v) {
        return option == 2 || option == 4 ? c * v + d : std::fabs(c) * v;
    };
    crack.SetCrackConstant(value(crack.GetCrackOption(), crack.GetCrackConstant()));
    crack.SetWaterConstant(value(crack.GetWaterOption(), crack.GetWaterConstant()));
    for (Cpp_CrackPoint* p = crack.CrackPointList().Head(); p; p = p->Next())
        p->SetXY(a * p->X() + b, value(crack.GetCrackOption(), p->Value()));
    for (Cpp_CrackPoint* p = crack.WaterPointList().Head(); p; p = p->Next())
        p->SetXY(a * p->X() + b, value(crack.GetWaterOption(), p->Value()));
}

// Individual nails and geogrids by their heads and ends; lengths and inclinations follow the
// mapped points, a mirrored x turns the facing. Nail layouts by their elevations and distances.
void RescaleReinforcementItems(Cpp_Kliven4DataSet& dataSet, double a, double b, double c,
                               double d) {
    for (const auto& n : dataSet.SoilNails()->GetIndividualNailList().Nails()) {
        n->headX = a * n->headX + b;
        n->endX = a * n->endX + b;
        n->headY = c * n->headY + d;
        n->endY = c * n->endY + d;
        const double dx = std::fabs(n->endX - n->headX), drop = n->headY - n->endY;
        n->length = std::hypot(dx, drop);
        n->inclination = std::atan2(drop, dx) * 180.0 / M_PI;
        if (a < 0) n->facing = n->facing == 1 ? 0 : 1;
    }
    for (Cpp_NailLayout& layout : dataSet.SoilNails()->Layouts()) {
        if (!layout.IsActive()) continue;
        layout.topOfSlope = c * layout.topOfSlope + d;
        layout.bottomOfSlope = c * layout.bottomOfSlope + d;
        layout.distanceFromTop *= std::fabs(c);
        layout.distanceFromBottom *= std::fabs(c);
        layout.verticalSpacing *= std::fabs(c);
        layout.horizontalSpacing *= std::fabs(a);
        if (a == c) layout.nailLength *= std::fabs(a);
    }
    // Geogrid layouts keep their own units: an elevation is mapped in the unit system's length
    // unit and stored back in its own; lengths and spacings scale whatever their unit.
    int unit = GetUnitSystem() == UnitSystemSI ? LengthMeters : LengthFeet;
    if (GetUnitSystem() == UnitSystemOther) {
        int force = 0;
        GetOtherUnits(unit, force);
    }
    const auto known = [](const s_UnitValueType& v) {
        return v.unitIndex >= 0 && v.unitIndex < LengthUnitCount;
    };
    for (Cpp_GeogridLayout& layout : dataSet.Geogrids()->Layouts()) {
        s_UnitValueType& e = layout.lowestElevation;
        if (known(e))
            e.value = s_UnitValueType(c * e.LengthIn(unit) + d, unit).LengthIn(e.unitIndex);
        else
            e.value = c * e.value + d;
        layout.verticalSpacing.value *= std::fabs(c);
        if (a == c) {
            layout.lowestLength.value *= std::fabs(a);
            layout.highestLength.value *= std::fabs(a);
        }
    }
    for (const auto& g : dataSet.Geogrids()->GetIndividualGeogridList().Geogrids()) {
        g->SetGeometry(a * g->headX + b, c * g->headY + d, a * g->endX + b);
        g->length = std::fabs(g->endX - g->headX);
        if (a < 0) g->facing = g->facing == 2 ? 1 : 2;
    }
}

}  // namespace

bool RescaleCoordinates(Cpp_Kliven4DataSet& dataSet, double a, double b, double c, double d) {
    for (double v : {a, b, c, d})
        if (!std::isfinite(v)) return false;
    dataSet.ProfileLines().TransformCoordinates(a, b, c, d);
    dataSet.SlopeGeometry().Transform(a, b, c, d);
    for (const auto& line : dataSet.ReinforcementLines()->Lines()) {
        line->Rescale(a, b, c, d);
        line->ClearSlopeCache();
    }
    for (int stage : {1, 2}) {
        dataSet.PiezometricLines(stage)->TransformCoordinates(a, b, c, d);
        Cpp_InterpolationData& interpolation = *dataSet.InterpolationData(stage);
        for (const auto& set : interpolation.DataSets())
            for (Cpp_InterpolationPoint& point : set->Points()) point.Transform(a, b, c, d);
        if (interpolation.CountAllPoints() > 0)
            interpolation.RebuildAllBackLinks() && interpolation.TriangulateAll(nullptr) &&
                interpolation.ComputeAllBoundaries();
        std::vector<s_DistributedLoadPoint> loads = dataSet.DistributedLoads(stage)->GetPoints();
        for (s_DistributedLoadPoint& p : loads) p = {a * p.x + b, c * p.y + d, p.normal, p.shear};
        dataSet.DistributedLoads(stage)->SetPoints(loads);
        for (const auto& load : dataSet.LineLoads(stage)->Loads()) load->Transform(a, b, c, d);
    }
    RescaleReinforcementItems(dataSet, a, b, c, d);
    Cpp_AnalysisComputationData& analysis = *dataSet.AnalysisComputationData();
    RescaleCrack(analysis.GetCrack(), a, b, c, d);
    if (analysis.Rescale(a, b, c, d)) {
        if (a == c)
            analysis.ScaleLengths(std::fabs(a));
        else
            ShowMessageByKind("Notice",
                              "X and Y are rescaled by different factors: circles cannot stay "
                              "circles, so the radii of the analysis/computation data are left as "
                              "they were.  Check them before computing.",
                              3);
    }
    return true;
}
