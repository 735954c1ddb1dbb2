#include "model/circle_end_points.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "analysis/analysis_computation_data.h"
#include "analysis/analysis_messages.h"
#include "core/geometry.h"
#include "core/kliven4_messages.h"
#include "core/text_exception.h"
#include "graphics/line.h"
#include "model/data_set.h"

namespace {

enum { kEntry = 1, kExit = 2 };

struct Crossing {
    double x = 0.0;
    double y = 0.0;
    int kind = 0;
};

// Every place where the line crosses the circle, in point order, with its direction: an entry
// where the line runs into the circle (counter-clockwise sense), an exit where it leaves.
std::vector<Crossing> Crossings(const Cpp_Line& line, const Cpp_Circle& c, double tolerance) {
    std::vector<Crossing> out;
    for (const Cpp_PointXY* p1 = line.FirstPoint(); p1 && p1->Next(); p1 = p1->Next()) {
        const Cpp_PointXY* p2 = p1->Next();
        Cpp_PointXY found[2];
        const int n = IntersectCircleWithSegment(c.CenterX(), c.CenterY(), c.Radius(), *p1, *p2,
                                                 found, tolerance);
        const double phi = std::atan2(p2->Y() - p1->Y(), p2->X() - p1->X());
        for (int i = 0; i < n; ++i) {
            const Cpp_PointXY& p = found[i];
            const double theta = std::atan2(p.X() - c.CenterX(), c.CenterY() - p.Y());
            int kind = 0;
            if (p.X() == p1->X() && p.Y() == p1->Y())
                kind = phi > theta ? kEntry : 0;
            else if (p.X() == p2->X() && p.Y() == p2->Y())
                kind = theta > phi ? kExit : 0;
            else
                kind = phi > theta ? kEntry : kExit;
            if (kind != 0) out.push_back({p.X(), p.Y(), kind});
        }
    }
    return out;
}

bool PassesRestrictions(const Cpp_AnalysisComputationData& a, const Cpp_Circle& c,
                        const Crossing& A, const Crossing& B) {
    const double cx = c.CenterX(), cy = c.CenterY(), r = c.Radius();
    const double leftX = A.y > cy ? cx - r : A.x;
    const double rightX = B.y > cy ? cx + r : B.x;
    for (int k = 0; k < 4; ++k) {
        bool set = false;
        double lo = 0.0, hi = 0.0;
        a.GetRestriction(k, set, lo, hi);
        if (!set) continue;
        bool holds = true;
        switch (k) {
        case 0: holds = cx + lo <= leftX && rightX <= cx + hi; break;
        case 1: holds = cx + lo <= rightX && leftX <= cx + hi; break;
        case 2: holds = lo <= leftX && rightX <= hi; break;
        case 3: holds = lo <= rightX && leftX <= hi; break;
        }
        if (!holds) return false;
    }
    return true;
}

}  // namespace

bool get_end_points_of_circle(Cpp_Kliven4DataSet& dataSet, Cpp_Circle circle,
                              s_tagTypePointXY& first, s_tagTypePointXY& second) {
    using E = Cpp_AnalysisDataErrors;
    Cpp_KLIVEN4Messages::Clear();
    const Cpp_SlopeGeometry& geometry = dataSet.SlopeGeometry();
    const Cpp_Line& slope = geometry.GetSlopeLine();
    if (slope.NumberOfPoints() < 2)
        throw Cpp_TextException("No slope geometry in get_end_points_of_circle");
    const Cpp_AnalysisComputationData& analysis = dataSet.Analysis();
    const bool crack = analysis.GetCrack().GetCrackOption() != 0;
    const Cpp_Line& crackBottom = geometry.GetCrackBottomLine();
    if (crack && crackBottom.NumberOfPoints() < 2) {
        // The crack bottom is derived from the slope; until it exists there is nothing to
        // intersect, which is a state of the data, not a failure of the program.
        Cpp_KLIVEN4Messages::AddNoticeLine("No crack point list in get_end_points_of_circle");
        return false;
    }

    const double tolerance = circle.Radius() * 1e-10;
    const std::vector<Crossing> slopeList = Crossings(slope, circle, tolerance);
    const std::vector<Crossing> crackList =
        crack ? Crossings(crackBottom, circle, tolerance) : slopeList;

    const long n = static_cast<long>(slopeList.size());
    if (n < 2) {
        E::Notice8070();
        return false;
    }
    if (crack && crackList.size() < 2) {
        E::Error8100();
        return false;
    }
    if (n % 2 != 0) {
        std::vector<s_tagTypePointXY> points;
        for (const Crossing& c : slopeList) points.push_back({c.x, c.y});
        E::Warning8260(points, n);
    }

    switch (analysis.GetFace()) {
    case 1: dataSet.SetOrientationFlag(true); break;
    case 2: dataSet.SetOrientationFlag(false); break;
    case 0: dataSet.SetOrientationFlag(slopeList.back().y >= slopeList.front().y); break;
    default: break;
    }

    std::vector<std::pair<Crossing, Crossing>> pairs;
    if (!dataSet.GetOrientationFlag()) {
        for (const Crossing& e : crackList) {
            if (e.kind != kEntry) continue;
            auto x = std::find_if(slopeList.begin(), slopeList.end(),
                                  [&](const Crossing& s) { return s.kind == kExit && s.x >= e.x; });
            if (x != slopeList.end()) pairs.push_back({e, *x});
        }
    } else {
        for (auto x = crackList.rbegin(); x != crackList.rend(); ++x) {
            if (x->kind != kExit) continue;
            auto e = std::find_if(slopeList.rbegin(), slopeList.rend(), [&](const Crossing& s) {
                return s.kind == kEntry && s.x <= x->x;
            });
            if (e != slopeList.rend()) pairs.push_back({*e, *x});
        }
    }
    if (pairs.empty()) {
        E::Notice8140(n);
        return false;
    }

    const long pairCount = static_cast<long>(pairs.size());
    const std::pair<Crossing, Crossing>* chosen = &pairs.front();
    if (analysis.HasRestrictions()) {
        chosen = nullptr;
        long passed = 0;
        for (const auto& p : pairs)
            if (PassesRestrictions(analysis, circle, p.first, p.second)) {
                if (!chosen) chosen = &p;
                ++passed;
            }
        if (!chosen) {
            E::Notice8010(n, pairCount);
            return false;
        }
        if (pairCount > 1 && passed == 1) E::Notice8230(n, pairCount);
        if (passed > 1) E::Warning8220(n, pairCount, passed);
    } else if (pairCount > 1) {
        E::Notice8240(n);
    }
    first = {chosen->first.x, chosen->first.y};
    second = {chosen->second.x, chosen->second.y};
    return true;
}

bool UpdateCircleEndPoints(Cpp_Kliven4DataSet& dataSet) {
    Cpp_AnalysisComputationData& analysis = *dataSet.AnalysisComputationData();
    if (!analysis.IsCircular()) return false;
    const bool slope = dataSet.SlopeGeometry().GetSlopeLine().NumberOfPoints() >= 2;
    const int mode = analysis.GetMode();
    if (mode == Cpp_AnalysisComputationData::kCentreList) {
        if (!slope) return false;
        bool result = false;
        for (Cpp_Circle& c : analysis.GetCenterPointList()) {
            Cpp_KLIVEN4Messages::Clear();
            double r = c.Radius();
            if (r == 0.0 && !analysis.RadiusForCenter(c.Center(), r)) continue;
            s_tagTypePointXY a, b;
            if (get_end_points_of_circle(dataSet, Cpp_Circle(c.CenterX(), c.CenterY(), r), a, b)) {
                c.SetRadius(r);
                result = c.SetAll(a, b);
            }
        }
        return result;
    }
    if (mode != Cpp_AnalysisComputationData::kIndividual &&
        mode != Cpp_AnalysisComputationData::kSearchType1 &&
        mode != Cpp_AnalysisComputationData::kSearchType2)
        return false;
    const Cpp_Circle circle = analysis.InitialCircle();
    if (!(circle.Radius() > 0.0)) return false;
    s_tagTypePointXY a{circle.CenterX(), circle.CenterY() - circle.Radius()}, b = a;
    if (slope && !get_end_points_of_circle(dataSet, circle, a, b)) return false;
    analysis.SetRadiusDefinitionFromTool(a, b);
    return true;
}
