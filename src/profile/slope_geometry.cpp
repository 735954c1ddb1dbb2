#include "profile/slope_geometry.h"
#include "profile/profile_state.h"

#include "core/data_error_output.h"
#include "core/echo_writer.h"
#include "core/format_text.h"
#include "core/geometry.h"
#include "core/input_lines.h"
#include "core/kliven4_messages.h"
#include "core/message_boxes.h"
#include "core/output_settings.h"
#include "core/output_table.h"
#include "core/text_formats.h"
#include "graphics/line_table_dialogs.h"
#include "profile/profile_line.h"
#include "profile/profile_sweep.h"
#include "profile/slope_messages.h"

#include <algorithm>
#include <cmath>

namespace {

bool g_slopeLineDefault = true;
bool g_slopePointsDefault = true;
bool g_slopePickFilters[2] = {true, true};
bool g_showCrackDefault = true;
bool g_showWaterDefault = true;

double FirstToLastDistance(const Cpp_Line& line) {
    const Cpp_PointXY* first = line.FirstPoint();
    const Cpp_PointXY* last = line.LastPoint();
    return first && last ? first->Distance(*last) : 0.0;
}

// Inserts a point at x when x lies strictly inside a segment, farther than e from both ends.
void InsertInside(Cpp_Line& line, double x, double y, double e) {
    for (const Cpp_PointXY* p = line.FirstPoint(); p && p->Next(); p = p->Next()) {
        const Cpp_PointXY* q = p->Next();
        if (std::min(p->X(), q->X()) + e < x && x < std::max(p->X(), q->X()) - e) {
            line.InsertPointSortedByX(x, y);
            return;
        }
    }
}

struct Vertex {
    double x, y;
};

std::vector<Vertex> VerticesOf(const Cpp_Line& line, bool& monotone) {
    std::vector<Vertex> v;
    monotone = true;
    for (const Cpp_PointXY* p = line.FirstPoint(); p; p = p->Next()) {
        if (!v.empty() && p->X() < v.back().x) monotone = false;
        v.push_back({p->X(), p->Y()});
    }
    return v;
}

// Every point of line strictly inside a segment of reference (farther than e from both ends)
// takes the reference's elevation at its x (on the first such segment).
void TakeElevationsInside(Cpp_Line& line, const Cpp_Line& reference, double e) {
    bool monotone = true;
    const std::vector<Vertex> r = VerticesOf(reference, monotone);
    if (r.size() < 2) return;
    for (Cpp_PointXY* p = line.FirstPoint(); p; p = p->Next()) {
        const double x = p->X();
        size_t from = 0, to = r.size() - 1;
        if (monotone) {
            // Only the segments whose x range holds x can qualify.
            const auto it = std::upper_bound(r.begin(), r.end(), x - e,
                                             [](double v, const Vertex& w) { return v < w.x; });
            from = it == r.begin() ? 0 : static_cast<size_t>(it - r.begin()) - 1;
        }
        for (size_t k = from; k < to; ++k) {
            const Vertex& a = r[k];
            const Vertex& b = r[k + 1];
            if (monotone && a.x > x) break;
            if (a.x + e < x && x < b.x - e) {
                p->SetY(ElevationOnSegment(a.x, a.y, b.x, b.y, x));
                break;
            }
        }
    }
}

void CopyPoints(const Cpp_Line& from, Cpp_Line& to) {
    to.DeleteDescriptionAndPoints();
    Cpp_PointXY* last = nullptr;
    for (const Cpp_PointXY* p = from.FirstPoint(); p; p = p->Next())
        last = to.InsertPointAfter(last, p->X(), p->Y());
}

void EchoPoint(int number, double x, double y, int decimals) {
    PrintSpaces(5);
    PrintInteger(number, 4);
    PrintDouble(x, 12, decimals);
    PrintDouble(y, 12, decimals, true);
}

}  // namespace

void ResetSlopeGeometryDefaults() {
    g_slopeLineDefault = g_slopePointsDefault = true;
    g_slopePickFilters[0] = g_slopePickFilters[1] = true;
    g_showCrackDefault = g_showWaterDefault = true;
}

void Cpp_SlopeLine::SetDefaultDisplayFlags(bool line, bool points) {
    g_slopeLineDefault = line;
    g_slopePointsDefault = points;
}

void Cpp_SlopeLine::ApplyDefaultDisplayFlags() {
    showLine_ = g_slopeLineDefault;
    showPoints_ = g_slopePointsDefault;
}

void Cpp_SlopeLine::SetPickFilter(int kind) {
    g_slopePickFilters[0] = kind == 0 || kind == 10;
    g_slopePickFilters[1] = kind == 0 || kind == 11;
}

bool Cpp_SlopeLine::GetPickFilter(int filter) {
    return (filter == 1 || filter == 2) && g_slopePickFilters[filter - 1];
}

Cpp_SlopeGeometry::Cpp_SlopeGeometry() { ApplyDefaultDisplayFlags(); }

void Cpp_SlopeGeometry::SetDefaultDisplayFlags(bool crack, bool water) {
    g_showCrackDefault = crack;
    g_showWaterDefault = water;
}

void Cpp_SlopeGeometry::ApplyDefaultDisplayFlags() {
    showCrack_ = g_showCrackDefault;
    showWater_ = g_showWaterDefault;
    slopeLine_.ApplyDefaultDisplayFlags();
}

void Cpp_SlopeGeometry::Transform(double a, double b, double c, double d) {
    for (Cpp_Line* line : {static_cast<Cpp_Line*>(&slopeLine_), &crackBottom_, &crackWater_}) {
        line->Rescale(a, b, c, d);
        line->ClearSlopeCache();
    }
}

void Cpp_SlopeGeometry::DeleteAll() {
    slopeLine_.DeleteDescriptionAndPoints();
    crackBottom_.DeleteDescriptionAndPoints();
    crackWater_.DeleteDescriptionAndPoints();
    entered_ = false;
}

bool Cpp_SlopeGeometry::EnterPoints() {
    s_XYLineTable table;
    table.caption = "Enter points for slope geometry";
    slopeLine_.CopyToXYArray(table.points);
    if (!SimpleXYLineGridDialogSlot().Get().Run(table)) return false;
    DeleteAll();
    for (const s_tagTypePointXY& p : table.points) slopeLine_.AddPoint(p.x, p.y);
    slopeLine_.NumberPoints();
    entered_ = !table.points.empty();
    if (entered_) SlopeChanged();
    return true;
}

bool Cpp_SlopeGeometry::SlopeChanged(std::FILE* file) {
    const Cpp_Crack* crack = crackSource_ ? crackSource_() : nullptr;
    crackBottom_.DeleteDescriptionAndPoints();
    crackWater_.DeleteDescriptionAndPoints();
    if (!crack || !slopeLine_.HasPoints()) return true;
    const bool bottom = ComputeCrackBottom(*crack, file);
    const bool water = ComputeCrackWaterLevels(*crack);
    return bottom && water;
}

bool Cpp_SlopeGeometry::Generate(const Cpp_ProfileLineList& profile, bool echo, std::FILE* file) {
    Cpp_Errors errors(file);
    SetOutputFile(file);
    if (profile.IsEmpty()) return Cpp_SlopeMessages::NoProfileData5150();
    if (!profile.CheckEnoughPointsAndOrder(file)) {
        Cpp_SlopeMessages::BadProfileData5100();
        return false;
    }
    const Cpp_ProfileLineList::Sweep& s = profile.GetSweep();
    if (s.x.size() < 2) return Cpp_SlopeMessages::TooFewProfilePoints5210();

    Cpp_Line& slope = slopeLine_;
    slope.DeleteDescriptionAndPoints();
    Cpp_PointXY* last = nullptr;  // the tail, so that appending stays linear
    for (int i = 0; i < s.Intervals(); ++i) {
        int winner = -1;
        double best = 0.0;
        for (int li = 0; li < static_cast<int>(s.lines.size()); ++li) {
            const auto& cover = s.lines[li];
            if (!cover.Covers(i)) continue;
            if (winner < 0 || cover.Middle(i) > best) {
                winner = li;
                best = cover.Middle(i);
            }
        }
        if (winner < 0) {
            slope.DeleteDescriptionAndPoints();
            Cpp_SlopeMessages::NoSurfaceElevation5220(s.Midpoint(i));
            return false;
        }
        const double xl = s.x[i], xr = s.x[i + 1];
        const double yl = s.lines[winner].Left(i), yr = s.lines[winner].Right(i);
        if (!last || !(last->X() == xl && last->Y() == yl))
            last = slope.InsertPointAfter(last, xl, yl);
        if (last->X() != xr) last = slope.InsertPointAfter(last, xr, yr);
    }
    slope.NumberPoints();
    if (echo) {
        PrintText("Slope Geometry Generated from Profile Lines", true);
        for (const Cpp_PointXY* p = slope.FirstPoint(); p; p = p->Next())
            PrintText(FormatText("X: %15.5f,     Y: %15.5f", p->X(), p->Y()), true);
    }
    SlopeChanged(file);
    return true;
}

bool Cpp_SlopeGeometry::ComputeCrackBottom(const Cpp_Crack& crack, std::FILE* file) {
    Cpp_Errors errors(file);
    Cpp_Line& bottom = crackBottom_;
    bottom.DeleteDescriptionAndPoints();
    if (!slopeLine_.HasSegment()) return false;
    const int option = crack.GetCrackOption();
    if (option == 0) return true;
    CopyPoints(slopeLine_, bottom);
    const double e = 1e-8 * FirstToLastDistance(slopeLine_);
    if (option == 1) {
        for (Cpp_PointXY* p = bottom.FirstPoint(); p; p = p->Next())
            p->SetY(p->Y() - crack.CrackDepth(p->X()));
    } else if (option == 2) {
        double level = 0.0;
        crack.CrackBottomElevation(0.0, level);
        for (Cpp_PointXY* p = bottom.FirstPoint(); p && p->Next(); p = p->Next()) {
            const Cpp_PointXY* q = p->Next();
            if ((p->Y() - level) * (level - q->Y()) > 0.0) {
                const double x = p->X() == q->X() ? p->X()
                                                  : p->X() + (level - p->Y()) * (q->X() - p->X()) /
                                                                 (q->Y() - p->Y());
                p = bottom.InsertPointAfter(p, x, level);
            }
        }
        for (Cpp_PointXY* p = bottom.FirstPoint(); p; p = p->Next()) {
            double y = 0.0;
            if (crack.CrackBottomElevation(p->X(), y) && p->Y() > y) p->SetY(y);
        }
    } else if (option == 3 || option == 4) {
        for (const Cpp_CrackPoint* c = crack.CrackPointList().Head(); c; c = c->Next())
            InsertInside(bottom, c->X(), 0.0, e);
        TakeElevationsInside(bottom, slopeLine_, e);
        for (Cpp_PointXY* p = bottom.FirstPoint(); p; p = p->Next()) {
            if (option == 3) {
                p->SetY(p->Y() - crack.CrackDepth(p->X()));
            } else {
                double y = 0.0;
                if (crack.CrackBottomElevation(p->X(), y) && p->Y() > y) p->SetY(y);
            }
        }
    }
    bottom.NumberPoints();
    bool monotone = true;
    const std::vector<Vertex> sv = VerticesOf(slopeLine_, monotone);
    std::vector<const Cpp_PointXY*> nodes;
    for (const Cpp_PointXY* s = slopeLine_.FirstPoint(); s; s = s->Next()) nodes.push_back(s);
    for (const Cpp_PointXY* b = bottom.FirstPoint(); b && b->Next(); b = b->Next()) {
        const double lo = std::min(b->X(), b->Next()->X());
        const double hi = std::max(b->X(), b->Next()->X());
        size_t first = 0;
        if (monotone) {
            const auto it = std::lower_bound(sv.begin(), sv.end(), lo,
                                             [](const Vertex& w, double v) { return w.x < v; });
            first = it == sv.begin() ? 0 : static_cast<size_t>(it - sv.begin()) - 1;
        }
        for (size_t l = first; l + 1 < nodes.size(); ++l) {
            if (monotone && sv[l].x > hi) break;
            const Cpp_PointXY* s = nodes[l];
            Cpp_PointXY point;
            if (SegmentsIntersect(*b, *b->Next(), *s, *s->Next(), e, point)) {
                const int i = static_cast<int>(l) + 1;
                Cpp_SlopeMessages::CrackBottomIntersectsSlope5230(
                    i, i + 1, s->X(), s->Y(), s->Next()->X(), s->Next()->Y(), b->X(), b->Y(),
                    b->Next()->X(), b->Next()->Y());
                return false;
            }
        }
    }
    return true;
}

bool Cpp_SlopeGeometry::ComputeCrackWaterLevels(const Cpp_Crack& crack) {
    Cpp_Line& water = crackWater_;
    water.DeleteDescriptionAndPoints();
    if (!slopeLine_.HasSegment()) return false;
    const int option = crack.GetWaterOption();
    if (crack.GetCrackOption() == 0 || option == 0) return true;
    if (!crackBottom_.HasPoints()) return false;
    CopyPoints(crackBottom_, water);
    if (option == 1) {
        for (Cpp_PointXY* p = water.FirstPoint(); p; p = p->Next())
            p->SetY(p->Y() + crack.WaterDepth(p->X()));
    } else if (option == 2) {
        for (Cpp_PointXY* p = water.FirstPoint(); p; p = p->Next()) {
            double y = 0.0;
            if (crack.WaterSurfaceElevation(p->X(), y)) p->SetY(y);
        }
    } else if (option == 3 || option == 4) {
        const double e = 1e-8 * FirstToLastDistance(slopeLine_);
        const Cpp_CrackPoint* head = crack.WaterPointList().Head();
        for (const Cpp_CrackPoint* c = head; c; c = c->Next()) InsertInside(water, c->X(), 0.0, e);
        for (const Cpp_CrackPoint* c = head; c && c->Next(); c = c->Next()) {
            const Cpp_PointXY a(c->X(), c->Value()), b(c->Next()->X(), c->Next()->Value());
            for (const Cpp_PointXY* p = crackBottom_.FirstPoint(); p && p->Next(); p = p->Next()) {
                Cpp_PointXY point;
                if (SegmentsIntersect(a, b, *p, *p->Next(), e, point))
                    InsertInside(water, point.X(), point.Y(), e);
            }
        }
        if (head) InsertInside(water, head->X(), 0.0, e);
        TakeElevationsInside(water, crackBottom_, e);
        for (Cpp_PointXY* p = water.FirstPoint(); p; p = p->Next()) {
            if (option == 3) {
                p->SetY(p->Y() + crack.WaterDepth(p->X()));
            } else {
                double y = 0.0;
                if (crack.WaterSurfaceElevation(p->X(), y) && y > p->Y()) p->SetY(y);
            }
        }
    }
    water.NumberPoints();
    return true;
}

bool Cpp_SlopeGeometry::ReadInput(std::FILE* in, std::FILE* echoFile, bool echo) {
    Cpp_Errors errors(echoFile);
    SetOutputFile(echoFile);
    if (echo && echoFile) {
        Cpp_OutputTable table(echoFile);
        Cpp_OutputTable::SetTitleLine(1, "NEW SLOPE GEOMETRY DATA");
        Cpp_OutputTable::StartTable(10, 0, '*', true);
        PrintBlankLines(1);
    }
    DeleteAll();
    entered_ = true;
    const int decimals = CurrentOutputSettings().coordinateDecimals;
    int count = 0;
    Cpp_PointXY* tail = nullptr;
    bool ok = true;
    for (;;) {
        s_InputLineType line;
        line.maxValues = 0;
        if (!ReadNumberLine(in, line)) {
            Cpp_SlopeMessages::EndOfFile5030();
            ok = false;
            break;
        }
        if (line.numValues == 0) {
            if (line.blankLine || IsBlankLine(line.text)) break;
            Cpp_SlopeMessages::NonBlankTermination5000(line.text);
            ok = false;
            break;
        }
        const int pairs = line.numValues / 2;
        for (int k = 0; k < pairs; ++k) {
            if (echo && count == 0) {
                PrintSpaces(5);
                PrintText("Point       X           Y", true);
                PrintBlankLines(1);
            }
            const double x = line.values[2 * k], y = line.values[2 * k + 1];
            tail = slopeLine_.InsertPointAfter(tail, x, y);
            tail->SetNumber(++count);
            if (echo) EchoPoint(count, x, y, decimals);
        }
        if (line.numValues % 2 != 0) {
            Cpp_SlopeMessages::OddNumberOfValues5020(line.numValues, line.text);
            ok = false;
            break;
        }
    }
    if (ok && count == 0 && echo)
        PrintText("All slope data have been deleted (\"cancelled\") and will be re-generated.",
                  true);
    SlopeChanged(echoFile);
    return ok;
}

bool Cpp_SlopeGeometry::CheckData(std::FILE* file) {
    Cpp_Errors errors(file);
    SetOutputFile(file);
    if (!slopeLine_.HasPoints()) return true;
    slopeLine_.SetOption(2, false);
    slopeLine_.SetOption(3, false);
    bool ok = slopeLine_.CheckDuplicatePoints(LINEKIND_SLOPE, true);
    if (ok || Cpp_KLIVEN4Messages::GetStatus() != 0) {
        if (!slopeLine_.CheckPointOrder(LINEKIND_SLOPE, true)) ok = false;
        if ((ok || Cpp_KLIVEN4Messages::GetStatus() != 0) &&
            !slopeLine_.CheckEnoughPoints(LINEKIND_SLOPE))
            ok = false;
    }
    const bool deleted = slopeLine_.DuplicatePointsDeleted();
    const bool reversed = slopeLine_.PointsReversed();
    if (file && (deleted || reversed)) {
        Cpp_OutputTable table(file);
        Cpp_OutputTable::SetTitleLine(1, "SLOPE GEOMETRY DATA - (Revised Data");
        Cpp_OutputTable::SetTitleLine(2, " with Points Reversed and/or Deleted)");
        Cpp_OutputTable::StartTable(22, 0, '*', true);
        PrintBlankLines(1);
        if (deleted && reversed)
            PrintText("Duplicate points have been deleted and points reversed.", true);
        else if (deleted)
            PrintText("Duplicate points have been deleted from the following.", true);
        else
            PrintText("The order of the following points has been reversed", true);
        PrintBlankLines(1);
        const int decimals = CurrentOutputSettings().coordinateDecimals;
        int n = 0;
        for (const Cpp_PointXY* p = slopeLine_.FirstPoint(); p; p = p->Next()) {
            PrintInteger(++n, 3);
            PrintDouble(p->X(), 12, decimals);
            PrintDouble(p->Y(), 12, decimals, true);
        }
    }
    if (deleted || reversed) SlopeChanged(file);
    return ok;
}

bool Cpp_SlopeGeometry::WriteInputDataFile(std::FILE* out) const {
    if (!entered_ || !slopeLine_.HasPoints()) return true;
    std::string format;
    std::fputs("SLOpe geometry data follow -\n", out);
    if (!Cpp_Strings::MakeNumberFormat(1, 20, CurrentOutputSettings().coordinateDecimals, format))
        return false;
    for (const Cpp_PointXY* p = slopeLine_.FirstPoint(); p; p = p->Next()) {
        std::fputs("     ", out);
        std::fputs(SeparatedField(FormatDynamic(format, p->X())).c_str(), out);
        std::fputs(SeparatedField(FormatDynamic(format, p->Y())).c_str(), out);
        std::fputs("\n", out);
    }
    std::fputs("\n", out);
    return true;
}

void Cpp_SlopeGeometry::PrintComputedHeader(std::FILE* file, bool header) const {
    if (!file) return;
    Cpp_OutputTable table(file);
    Cpp_OutputTable::SetTitleLine(1, "NEW, COMPUTED SLOPE GEOMETRY DATA");
    Cpp_OutputTable::StartTable(26, 0, '*', header);
    PrintText("These slope geometry were generated from the Profile Lines.", true);
    PrintBlankLines(1);
    PrintSpaces(5);
    PrintText("Point       X           Y", true);
    PrintBlankLines(1);
}

void Cpp_SlopeGeometry::PrintPoints(std::FILE* file, int decimals) const {
    if (!file) return;
    SetOutputFile(file);
    int n = 0;
    for (const Cpp_PointXY* p = slopeLine_.FirstPoint(); p; p = p->Next())
        EchoPoint(++n, p->X(), p->Y(), decimals);
}

bool Cpp_SlopeGeometry::SnapToSlope(void* window, int kind, double& x, double& y, bool& warned,
                                    double maxDistance, bool& snapped, double pickTolerance) const {
    snapped = false;
    if (!slopeLine_.HasSegment()) {
        if (kind == 0) return true;
        if (!warned)
            ShowErrorOnWindow(window, "ERROR",
                              "Unable to snap point to slope - there is no slope data.");
        warned = true;
        return false;
    }
    if (kind < 1 || kind > 4) return true;
    double nx = x, ny = y;
    auto perpendicular = [&](double& fx, double& fy) {
        bool found = false;
        double best = 0.0;
        const Cpp_PointXY p(x, y);
        for (const Cpp_PointXY* a = slopeLine_.FirstPoint(); a->Next(); a = a->Next()) {
            const Cpp_PointXY* b = a->Next();
            const double dx = b->X() - a->X(), dy = b->Y() - a->Y();
            // The line through the point, perpendicular to the segment.
            const Cpp_PointXY q(x - dy, y + dx);
            Cpp_PointXY foot;
            if (!LineCrossesSegment(p, q, *a, *b, 0.0, foot)) continue;
            const double d = Distance(x, y, foot.X(), foot.Y());
            if (!found || d < best) {
                found = true;
                best = d;
                fx = foot.X();
                fy = foot.Y();
            }
        }
        return found;
    };
    if (kind == 1) {
        std::vector<double> xs, angles;
        if (slopeLine_.XValuesAtY(y, xs, angles) == 0) return true;
        nx = xs[0];
        for (double v : xs)
            if (std::fabs(v - x) < std::fabs(nx - x)) nx = v;
    } else if (kind == 2) {
        bool outside = false;
        ny = slopeLine_.YLine(x, 3, outside);
        if (outside) {
            ShowErrorOnWindow(window, "ERROR", "Unable to snap point to slope.");
            return false;
        }
    } else if (kind == 3) {
        if (!perpendicular(nx, ny)) {
            ShowErrorOnWindow(window, "ERROR", "Unable to snap point to slope.");
            return false;
        }
    } else {
        s_PickType pick{x, y, pickTolerance};
        if (const Cpp_PointXY* p = slopeLine_.FindNearestPoint(pick)) {
            nx = p->X();
            ny = p->Y();
        } else if (!perpendicular(nx, ny)) {
            ShowErrorOnWindow(window, "ERROR",
                              "Unable to snap point to point on slope or segment of slope.");
            return false;
        }
    }
    const double moved = Distance(x, y, nx, ny);
    if (maxDistance <= 0.0 || moved < maxDistance) {
        x = nx;
        y = ny;
        snapped = true;
    }
    return true;
}
