#include "analysis/analysis_picking.h"

#include <cmath>

#include "analysis/analysis_computation_data.h"
#include "analysis/analysis_drawing.h"
#include "core/geometry.h"

namespace {

using A = Cpp_AnalysisComputationData;

double SegmentDistance(const s_PickType& pick, const s_tagTypePointXY& p,
                       const s_tagTypePointXY& q) {
    return PointSegmentDistanceCoords(pick.x, pick.y, p.x, p.y, q.x, q.y);
}

bool NearestPoint(const std::vector<s_tagTypePointXY>& points, s_PickType& pick, int& index) {
    bool taken = false;
    for (int i = 0; i < static_cast<int>(points.size()); ++i) {
        const auto& p = points[i];
        if (!IsInPickBox(pick, p.x, p.y)) continue;
        if (AcceptNearerCandidate(pick, DistanceSquared(pick.x, pick.y, p.x, p.y))) {
            index = i;
            taken = true;
        }
    }
    return taken;
}

bool NearestSegment(const std::vector<s_tagTypePointXY>& points, s_PickType& pick, int& index) {
    bool taken = false;
    for (int i = 0; i + 1 < static_cast<int>(points.size()); ++i) {
        const double d = SegmentDistance(pick, points[i], points[i + 1]);
        if (d > pick.tolerance) continue;
        if (AcceptNearerCandidate(pick, d * d)) {
            index = i;
            taken = true;
        }
    }
    return taken;
}

std::vector<s_tagTypePointXY> SurfacePoints(const A& a) {
    std::vector<s_tagTypePointXY> out;
    for (const auto& p : a.GetNoncircularPointList().Points()) out.push_back(p.XY());
    return out;
}

bool Circles(const A& a) { return a.HasData() && a.IsCircular(); }

}  // namespace

bool HitTestGridCorner(const Cpp_FixedSearchGrid& grid, s_PickType& pick, int& corner,
                       s_tagTypePointXY& point) {
    bool taken = false;
    const int used = grid.IsLine() ? 2 : 4;
    for (int i = 1; i <= used; ++i) {
        const s_tagTypePointXY c = grid.Corner(i);
        if (!IsInPickBox(pick, c.x, c.y)) continue;
        if (AcceptNearerCandidate(pick, DistanceSquared(pick.x, pick.y, c.x, c.y))) {
            corner = i;
            point = c;
            taken = true;
        }
    }
    return taken;
}

bool HitTestGridArea(const Cpp_FixedSearchGrid& grid, const s_PickType& pick) {
    if (grid.IsLine())  // a line has no inside: its neighbourhood counts
        return SegmentDistance(pick, grid.Corner(1), grid.Corner(2)) <= pick.tolerance;
    std::vector<Cpp_PointXY> ring;
    for (int i : {1, 2, 3, 4, 1}) ring.emplace_back(grid.Corner(i));
    return Cpp_PointXY(pick.x, pick.y).IsInsidePolygon(ring, 0.0) == 1;
}

bool HitTestFixedGrid(const A& a, s_PickType& pick, s_AnalysisHit& hit) {
    if (!Circles(a) || a.GetMode() != A::kSearchType2) return false;
    int corner = 0;
    s_tagTypePointXY p;
    if (!HitTestGridCorner(a.GetFixedSearchGrid(), pick, corner, p)) return false;
    hit = {PICK_GRID_CORNER, p, corner, -1};
    return true;
}

bool HitTestCenter(const A& a, s_PickType& pick) {
    if (!Circles(a)) return false;
    const int mode = a.GetMode();
    bool inside = false;
    if (mode == A::kSearchType2) {
        inside = HitTestGridArea(a.GetFixedSearchGrid(), pick);
    } else if (mode == A::kSearchType1 || mode == A::kSearch6) {
        const s_tagTypePointXY c = a.GetStartCenter();
        const double S = a.GetAccuracyMarkSize();
        inside = c.x - S < pick.x && pick.x < c.x + S && c.y - S < pick.y && pick.y < c.y + S;
    }
    if (!inside) return false;
    pick.found = 1;
    pick.bestDistanceSquared = 0.0;
    return true;
}

bool HitTestThroughPoint(const A& a, s_PickType& pick, s_AnalysisHit& hit) {
    if (!Circles(a) || a.GetRadiusOption() != 1) return false;
    const double x = a.GetThroughPointX(), y = a.GetThroughPointY();
    if (!IsInPickBox(pick, x, y)) return false;
    if (!AcceptNearerCandidate(pick, DistanceSquared(pick.x, pick.y, x, y))) return false;
    hit = {PICK_FIXED_POINT, {x, y}, 0, -1};
    return true;
}

bool HitTestTangentLine(const A& a, s_PickType& pick, s_AnalysisHit& hit) {
    if (!Circles(a) || a.GetRadiusOption() != 2) return false;
    const Cpp_TangentLine& t = *a.GetTangentLine();
    if (t.GetOption() != Cpp_TangentLine::kHorizontal) return false;
    const double e = t.GetElevation();
    if (std::fabs(pick.y - e) > pick.tolerance) return false;
    const Cpp_Circle c = a.InitialCircle();
    const double cx = c.CenterX();
    if (!AcceptNearerCandidate(pick, DistanceSquared(pick.x, pick.y, cx, e))) return false;
    hit = {PICK_HORIZONTAL_TANGENT, {cx, e}, 0, -1};
    return true;
}

bool HitTestRadiusLine(const A& a, s_PickType& pick, s_AnalysisHit& hit) {
    if (!Circles(a) || a.GetMode() == A::kNone || a.GetMode() == A::kSearchType2 ||
        a.GetRadiusOption() != 0)
        return false;
    const Cpp_Circle c = a.InitialCircle();
    const double cx = c.CenterX(), cy = c.CenterY(), r = a.GetRadius();
    if (!(c.Radius() > 0.0)) return false;  // no trial circle yet
    if (std::fabs(pick.x - cx) > pick.tolerance || pick.y < cy - r || pick.y > cy) return false;
    if (!AcceptNearerCandidate(pick, (pick.x - cx) * (pick.x - cx))) return false;
    hit = {PICK_PRESCRIBED_RADIUS, {cx, pick.y}, 0, -1};
    return true;
}

bool HitTestSlipSurfaceLine(const A& a, s_PickType& pick, s_AnalysisHit& hit) {
    if (!a.HasData()) return false;
    if (a.IsCircular()) {
        const Cpp_Circle c = a.InitialCircle();
        const double r = c.Radius();
        if (!(r > 0.0)) return false;
        const double off = std::hypot(pick.x - c.CenterX(), pick.y - c.CenterY()) - r;
        if (!(std::fabs(off) < pick.tolerance)) return false;
        s_tagTypePointXY first, second;
        if (a.GetToolRadiusDefinition(first, second) && EndPointsOnCircle(c, first, second)) {
            if (pick.y >= std::max(first.y, second.y)) return false;
            if (pick.x < first.x || pick.x > second.x) return false;
        }
        pick.found = 1;
        pick.bestDistanceSquared = off * off;
        hit = {PICK_SLIP_SURFACE_SEGMENT, {pick.x, pick.y}, 0, -1};
        return true;
    }
    int index = -1;
    const auto points = SurfacePoints(a);
    if (!NearestSegment(points, pick, index)) return false;
    hit = {PICK_SLIP_SURFACE_SEGMENT, points[index], 0, index};
    return true;
}

bool HitTestSlipSurfacePoints(const A& a, s_PickType& pick, s_AnalysisHit& hit) {
    if (!a.HasData()) return false;
    if (a.IsCircular()) {
        const Cpp_Circle c = a.InitialCircle();
        if (!(c.Radius() > 0.0) || !IsInPickBox(pick, c.CenterX(), c.CenterY())) return false;
        if (!AcceptNearerCandidate(pick, DistanceSquared(pick.x, pick.y, c.CenterX(), c.CenterY())))
            return false;
        hit = {PICK_CIRCLE_CENTRE, c.Center(), 0, -1};
        return true;
    }
    int index = -1;
    const auto points = SurfacePoints(a);
    if (!NearestPoint(points, pick, index)) return false;
    hit = {PICK_NONCIRCULAR_POINT, points[index],
           a.GetNoncircularPointList().Points()[index].Number(), index};
    return true;
}

bool HitTestRadiusDefinition(const Cpp_RadiusDefinition& d, s_PickType& pick, bool centreDefined,
                             double x, double y, int& index) {
    bool hit = false;
    switch (d.GetOption()) {
    case Cpp_RadiusDefinition::kGivenRadius:
        hit = centreDefined && std::fabs(pick.x - x) <= pick.tolerance &&
              y - d.GetGivenRadius() <= pick.y && pick.y <= y;
        break;
    case Cpp_RadiusDefinition::kFixedPoint: {
        const s_tagTypePointXY p = d.GetFixedPoint();
        hit = IsInPickBox(pick, p.x, p.y);
        break;
    }
    case Cpp_RadiusDefinition::kTangentLine: {
        const Cpp_TangentLine& t = *d.GetTangentLine();
        if (t.GetOption() == Cpp_TangentLine::kIrregular)
            hit = NearestPoint(t.Points(), pick, index);
        else if (t.GetOption() == Cpp_TangentLine::kHorizontal)
            hit = std::fabs(pick.y - t.GetElevation()) <= pick.tolerance;
        break;
    }
    default: break;
    }
    if (hit) pick.found = 1;
    return hit;
}

bool HitTestRadiusDefinitionSegment(const Cpp_RadiusDefinition& d, s_PickType& pick, int& index) {
    if (d.GetOption() != Cpp_RadiusDefinition::kTangentLine ||
        d.GetTangentLine()->GetOption() != Cpp_TangentLine::kIrregular)
        return false;
    return NearestSegment(d.GetTangentLine()->Points(), pick, index);
}

bool HitTestTangentPoint(const Cpp_TangentLine& line, s_PickType& pick, int& index) {
    return line.GetOption() == Cpp_TangentLine::kIrregular &&
           NearestPoint(line.Points(), pick, index);
}

bool HitTestTangentSegment(const Cpp_TangentLine& line, s_PickType& pick, int& index) {
    return line.GetOption() == Cpp_TangentLine::kIrregular &&
           NearestSegment(line.Points(), pick, index);
}

std::vector<s_AnalysisHit> FindAnalysisCandidates(const A& a, double x, double y, double tolerance,
                                                  bool pointsOnly, bool segmentsOnly) {
    std::vector<s_AnalysisHit> out;
    if (!a.HasData()) return out;
    const bool points = !segmentsOnly, segments = !pointsOnly,
               others = !pointsOnly && !segmentsOnly;
    auto fresh = [&] {
        s_PickType p;
        p.x = x;
        p.y = y;
        p.tolerance = tolerance;
        return p;
    };
    const bool circles = a.IsCircular();
    const int mode = a.GetMode();
    const bool radiusShown = a.GetDisplayRadiusItems();
    const Cpp_TangentLine* tangent =
        circles && (mode == A::kIndividual || mode == A::kSearchType1) && a.GetRadiusOption() == 2
            ? a.GetTangentLine()
            : nullptr;
    s_AnalysisHit hit;
    s_PickType pick;
    if (points && a.GetDisplayCenter() && circles) {
        pick = fresh();
        if (HitTestSlipSurfacePoints(a, pick, hit)) out.push_back(hit);
    }
    if (points && a.GetDisplaySlipSurfacePoints() && !circles) {
        pick = fresh();
        if (HitTestSlipSurfacePoints(a, pick, hit)) out.push_back(hit);
    }
    if (points && radiusShown && tangent) {
        pick = fresh();
        int i = -1;
        if (HitTestTangentPoint(*tangent, pick, i))
            out.push_back({PICK_TANGENT_POINT, tangent->Points()[i], i + 1, i});
    }
    if (radiusShown && circles && (mode == A::kIndividual || mode == A::kSearchType1)) {
        pick = fresh();
        if (points && HitTestThroughPoint(a, pick, hit)) out.push_back(hit);
        pick = fresh();
        if (segments && HitTestTangentLine(a, pick, hit)) out.push_back(hit);
        pick = fresh();
        if (others && HitTestRadiusLine(a, pick, hit)) out.push_back(hit);
    }
    if (radiusShown && circles && mode == A::kSearchType2) {
        const Cpp_FixedSearchGrid& grid = a.GetFixedSearchGrid();
        const s_tagTypePointXY c = grid.Center();
        const auto& list = a.GetRadiusDefinitionList();
        for (int n = 1; points && n <= list.GetCount(); ++n) {
            const Cpp_RadiusDefinition& d = *list.GetNth(n);
            pick = fresh();
            int i = -1;
            if (!HitTestRadiusDefinition(d, pick, !grid.Compare(), c.x, c.y, i)) continue;
            int kind = 0;
            s_tagTypePointXY at{pick.x, pick.y};
            switch (d.GetOption()) {
            case 0:
                kind = PICK_DEFINITION_RADIUS;
                at = {c.x, pick.y};
                break;
            case 1:
                kind = PICK_DEFINITION_FIXED_POINT;
                at = d.GetFixedPoint();
                break;
            case 2:
                if (d.GetTangentLine()->GetOption() == Cpp_TangentLine::kHorizontal) {
                    kind = PICK_DEFINITION_HORIZONTAL_TANGENT;
                    at = {pick.x, d.GetTangentLine()->GetElevation()};
                } else {
                    kind = PICK_DEFINITION_TANGENT_POINT;
                    at = d.GetTangentLine()->Points()[i];
                }
                break;
            default: break;
            }
            if (kind) out.push_back({kind, at, n, i});
        }
        for (int n = 1; segments && n <= list.GetCount(); ++n) {
            pick = fresh();
            int i = -1;
            if (HitTestRadiusDefinitionSegment(*list.GetNth(n), pick, i))
                out.push_back({PICK_DEFINITION_TANGENT_SEGMENT,
                               list.GetNth(n)->GetTangentLine()->Points()[i], n, i});
        }
    }
    if (points && a.GetDisplaySearchGrid() && circles) {
        pick = fresh();
        if (HitTestFixedGrid(a, pick, hit)) out.push_back(hit);
    }
    if (segments && a.GetDisplaySlipSurface()) {
        pick = fresh();
        if (HitTestSlipSurfaceLine(a, pick, hit) &&
            (!circles || mode == A::kIndividual || mode == A::kSearchType1 ||
             mode == A::kSearchType2 || mode == A::kSearch6))
            out.push_back(hit);
    }
    if (segments && radiusShown && tangent) {
        pick = fresh();
        int i = -1;
        if (HitTestTangentSegment(*tangent, pick, i))
            out.push_back({PICK_TANGENT_SEGMENT, tangent->Points()[i], i + 1, i});
    }
    if (others && a.GetDisplaySearchGrid()) {
        pick = fresh();
        if (HitTestCenter(a, pick)) out.push_back({PICK_SEARCH_GRID, {x, y}, 0, -1});
    }
    return out;
}
