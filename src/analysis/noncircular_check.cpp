// Check, end-point adjustment and echo of a noncircular slip surface.

#include <algorithm>
#include <cmath>
#include <optional>

#include "analysis/analysis_messages.h"
#include "analysis/analysis_settings.h"
#include "analysis/noncircular_shear_surface.h"
#include "analysis/number_text.h"
#include "core/data_error_output.h"
#include "core/echo_writer.h"
#include "core/geometry.h"

using E = Cpp_AnalysisDataErrors;
using Line = std::vector<s_tagTypePointXY>;

namespace {

Cpp_PointXY P(const s_tagTypePointXY& p) { return Cpp_PointXY(p); }

// y of the line at x, the lowest y at a vertical segment; false outside the line.
bool YAt(const Line& line, double x, double& y) {
    bool found = false;
    for (size_t i = 0; i + 1 < line.size(); ++i) {
        const auto& a = line[i];
        const auto& b = line[i + 1];
        const double lo = std::min(a.x, b.x), hi = std::max(a.x, b.x);
        if (x < lo || x > hi) continue;
        double yi;
        if (a.x == b.x)
            yi = std::min(a.y, b.y);
        else
            yi = a.y + (b.y - a.y) * (x - a.x) / (b.x - a.x);
        if (!found || yi < y) y = yi;
        found = true;
    }
    return found;
}

double Dist(const s_tagTypePointXY& a, const s_tagTypePointXY& b) {
    return std::hypot(a.x - b.x, a.y - b.y);
}

// The point of line T that end E moves to, by the crossing of E-N with T or else by extending
// the line through E and N; nullopt when there is none or it lies beyond N.
std::optional<s_tagTypePointXY> MoveEnd(const s_tagTypePointXY& e, const s_tagTypePointXY& n,
                                        const Line& t, bool twoPoint) {
    std::optional<s_tagTypePointXY> best;
    for (size_t i = 0; i + 1 < t.size(); ++i) {
        Cpp_PointXY x;
        if (SegmentsIntersect(P(e), P(n), P(t[i]), P(t[i + 1]), 0.0, x)) {
            const s_tagTypePointXY c = x.XY();
            if (!twoPoint) return c;
            if (!best || Dist(c, e) < Dist(*best, e)) best = c;
        }
    }
    if (!best) {
        for (size_t i = 0; i + 1 < t.size(); ++i) {
            Cpp_PointXY x;
            double tt = 0, u = 0;
            if (!LineIntersection(P(e), P(n), P(t[i]), P(t[i + 1]), 0.0, x, tt, u)) continue;
            if (u < 0.0 || u > 1.0) continue;
            const s_tagTypePointXY c = x.XY();
            if (!best || Dist(c, e) < Dist(*best, e)) best = c;
        }
    }
    if (!best) return std::nullopt;
    if (e.x <= n.x ? best->x > n.x : best->x < n.x) return std::nullopt;
    return best;
}

}  // namespace

void Cpp_NoncircularShearSurface::PrintIndividualSurface(std::FILE* file) {
    SetOutputFileOnly(file);
    PrintIndent();
    PrintText("Coordinates of points on individual slip surface.", true);
    PrintNewLine();
    PrintIndent();
    PrintText("Point         X              Y", true);
    PrintNewLine();
}

void Cpp_NoncircularShearSurface::PrintIndividualPoint(long number, double x, double y,
                                                       std::FILE* file) {
    SetOutputFileOnly(file);
    const int d = analysis_settings::CoordinateDecimals();
    PrintIndent();
    PrintInteger(number, 4);
    PrintDouble(x, 15, d);
    PrintDouble(y, 15, d, true);
}

void Cpp_NoncircularShearSurface::PrintShiftPoints(std::FILE* file) {
    SetOutputFileOnly(file);
    PrintIndent();
    PrintText("Coordinates of points on shear surface which are to be shifted", true);
    PrintNewLine();
    PrintIndent();
    PrintText("Point         X              Y      Shift Angle", true);
    PrintNewLine();
}

void Cpp_NoncircularShearSurface::PrintShiftPoint(long number, double x, double y,
                                                  double angleDegrees, bool moveable, bool computed,
                                                  std::FILE* file) {
    SetOutputFileOnly(file);
    const int d = analysis_settings::CoordinateDecimals();
    PrintIndent();
    PrintInteger(number, 4);
    PrintDouble(x, 15, d);
    PrintDouble(y, 15, d);
    if (moveable && computed) {
        PrintText("   angle to be computed - moveable", true);
    } else if (moveable) {
        PrintDouble(angleDegrees, 10, analysis_settings::AngleDecimals());
        PrintSpaces(14);
        PrintText("- moveable", true);
    } else {
        PrintSpaces(24);
        PrintText("- fixed", true);
    }
}

bool Cpp_NoncircularShearSurface::AdjustEndPoints(const s_SlopeLinesType& lines, double tol,
                                                  bool& adjusted, std::FILE* file) {
    Cpp_DataErrorOutput::SetErrorFile(file);
    SetOutputFile(file);
    adjusted = false;
    if (lines.slope.size() < 2 || points_.size() < 2) return true;
    double yL = 0, yR = 0;
    const bool leftIn = YAt(lines.slope, points_.front().X(), yL);
    const bool rightIn = YAt(lines.slope, points_.back().X(), yR);
    if (!leftIn || !rightIn) {
        E::Error7340(!leftIn, !rightIn);
        return false;
    }
    const bool rises = yR >= yL;
    const bool hasCrack = lines.crackBottom.size() >= 2;
    const Line& crest = hasCrack ? lines.crackBottom : lines.slope;
    bool ok = true;
    bool endAdjusted[2] = {false, false};
    for (int end = 0; end < 2; ++end) {
        const bool left = end == 0;
        const bool onSlope = left ? rises : !rises;
        const Line& target = onSlope ? lines.slope : crest;
        const bool atCrackBottom = !onSlope && hasCrack;
        const size_t ei = left ? 0 : points_.size() - 1;
        const size_t ni = left ? 1 : points_.size() - 2;
        const long number = left ? 1 : static_cast<long>(points_.size());
        const s_tagTypePointXY e = points_[ei].XY();
        const auto moved = MoveEnd(e, points_[ni].XY(), target, points_.size() == 2);
        if (!moved) {
            E::Error7290(number);
            ok = false;
            continue;
        }
        if (Dist(*moved, e) <= tol) continue;
        points_[ei].SetXY(moved->x, moved->y);
        if (moved->x < lines.slope.front().x || moved->x > lines.slope.back().x) {
            E::Error7270(number);
            ok = false;
        }
        const int d = analysis_settings::CoordinateDecimals();
        PrintNewLine();
        PrintIndent();
        PrintText(left ? "Left end point on noncircular shear surface adjusted to:"
                       : "Right end point on noncircular shear surface adjusted to:",
                  true);
        PrintText("X: " + analysis_text::Fixed(moved->x, 1, d) +
                      ", Y: " + analysis_text::Fixed(moved->y, 1, d),
                  true);
        PrintText(atCrackBottom ? "Adjustment was made to put end point at bottom of crack."
                                : "Adjustment was made to put end point on the slope.",
                  true);
        endAdjusted[end] = true;
    }
    if (endAdjusted[0] && points_.size() > 2 && points_[0].DistanceTo(points_[1]) < tol) {
        points_.erase(points_.begin());
        PrintText("Left end point deleted after adjustment because it was same as adjacent point.",
                  true);
    }
    if (endAdjusted[1] && points_.size() > 2 &&
        points_.back().DistanceTo(points_[points_.size() - 2]) < tol) {
        points_.pop_back();
        PrintText("Right end point deleted after adjustment because it was same as adjacent point.",
                  true);
    }
    NumberPoints();
    adjusted = endAdjusted[0] || endAdjusted[1];
    return ok;
}

bool Cpp_NoncircularShearSurface::Check(const s_SlopeLinesType& lines, bool search, double tol,
                                        std::FILE* errorFile) {
    Cpp_DataErrorOutput::SetErrorFile(errorFile);
    adjusted_.clear();
    if (points_.empty()) return E::Error7380(), false;
    if (points_.size() == 1) return E::Error7390(), false;

    // Duplicates: positions in the messages are those before the check.
    SetOption(kDuplicatesDeleted, false);
    bool ok = true;
    {
        std::vector<Cpp_NoncircularShearSurfacePoint> kept;
        kept.push_back(points_[0]);
        size_t p = 0;  // index in kept of the current p
        std::vector<long> position{1};
        for (size_t j = 1; j < points_.size(); ++j) {
            const auto& q = points_[j];
            const auto& pp = kept[p];
            if (!q.IsAt(pp)) {
                kept.push_back(q);
                position.push_back(static_cast<long>(j + 1));
                p = kept.size() - 1;
                continue;
            }
            if (search && (q.IsShiftDirectionComputed() != pp.IsShiftDirectionComputed() ||
                           q.IsMoveable() != pp.IsMoveable() ||
                           q.GetShiftAngleRadians() != pp.GetShiftAngleRadians())) {
                E::Error7330(position[p], pp.X(), pp.Y(), static_cast<long>(j + 1), q.X(), q.Y());
                ok = false;
                kept.push_back(q);
                position.push_back(static_cast<long>(j + 1));
                continue;
            }
            E::Error7310(true, position[p], pp.X(), pp.Y(), static_cast<long>(j + 1), q.X(), q.Y());
            SetOption(kDuplicatesDeleted, true);
        }
        points_ = std::move(kept);
        NumberPoints();
    }
    if (!ok) return false;

    for (size_t i = 0; i + 1 < points_.size(); ++i) {
        if (points_[i].X() == points_[i + 1].X()) {
            E::Error7400(static_cast<long>(i + 1), points_[i].X(), points_[i].Y(),
                         points_[i + 1].X(), points_[i + 1].Y());
            return false;
        }
    }

    // Order: all decreasing is reversed with a warning; mixed is an error.
    SetOption(kReversed, false);
    int firstDecreasing = -1;
    bool anyIncreasing = false;
    for (size_t i = 0; i + 1 < points_.size(); ++i) {
        if (points_[i + 1].X() < points_[i].X()) {
            if (firstDecreasing < 0) firstDecreasing = static_cast<int>(i);
        } else {
            anyIncreasing = true;
        }
    }
    if (firstDecreasing >= 0) {
        const auto& a = points_[firstDecreasing];
        const auto& b = points_[firstDecreasing + 1];
        if (anyIncreasing) {
            E::Error7420(firstDecreasing + 1, a.X(), a.Y(), b.X(), b.Y());
            return false;
        }
        E::Warning7430(firstDecreasing + 1, a.X(), a.Y(), b.X(), b.Y());
        ReversePoints();
        NumberPoints();
        SetOption(kReversed, true);
    }

    // From here on the check works on the copy whose end points are adjusted; the stored points
    // come back when it ends, whatever the outcome.
    checked_ = points_;
    struct RestoreStored {
        Cpp_NoncircularShearSurface& s;
        ~RestoreStored() {
            s.adjusted_ = std::move(s.points_);
            s.points_ = s.checked_;
        }
    } restore{*this};
    bool adjusted = false;
    if (!AdjustEndPoints(lines, tol, adjusted, errorFile)) return false;

    const bool reversed = OptionBit(kReversed);
    if (reversed || adjusted) {
        SetOutputFileOnly(errorFile);
        PrintNewLine();
        PrintText(
            reversed && adjusted
                ? "Noncircular Shear Surface Points After Reversal of Order and End Point Adjustment"
            : reversed ? "Noncircular Shear Surface Points After Reversal of Order"
                       : "Noncircular Shear Surface Points After End Point Adjustment",
            true);
        if (search)
            PrintShiftPoints(errorFile);
        else
            PrintIndividualSurface(errorFile);
        long n = 1;
        for (const auto& p : points_) {
            if (search)
                PrintShiftPoint(n++, p.X(), p.Y(), p.GetShiftAngleDegrees(), p.IsMoveable(),
                                p.IsShiftDirectionComputed(), errorFile);
            else
                PrintIndividualPoint(n++, p.X(), p.Y(), errorFile);
        }
    }

    if (lines.slope.size() >= 2) {
        if (lines.slope.front().x > points_.front().X()) {
            E::Error7340(true, false);
            ok = false;
        }
        std::vector<s_tagTypePointXY> crossings;
        for (size_t i = 0; i + 1 < points_.size(); ++i) {
            for (size_t k = 0; k + 1 < lines.slope.size(); ++k) {
                Cpp_PointXY x;
                if (SegmentsIntersect(Cpp_PointXY(points_[i].XY()),
                                      Cpp_PointXY(points_[i + 1].XY()), P(lines.slope[k]),
                                      P(lines.slope[k + 1]), std::max(tol, 1e-9), x))
                    crossings.push_back(x.XY());
            }
        }
        if (!crossings.empty()) {
            E::Error7370(crossings);
            ok = false;
        }
        if (points_.back().X() > lines.slope.back().x) {
            E::Error7340(false, true);
            return false;
        }
    }
    return ok;
}
