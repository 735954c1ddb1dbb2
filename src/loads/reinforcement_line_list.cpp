#include "loads/loads_state.h"
#include <algorithm>
#include <cmath>

#include "core/data_error_output.h"
#include "core/echo_lines.h"
#include "core/format_text.h"
#include "core/geometry.h"
#include "core/kliven4_messages.h"
#include "core/preferences.h"
#include "core/world_rect.h"
#include "loads/data_lines.h"
#include "loads/load_messages.h"
#include "loads/reinforcement_line.h"

namespace {

struct s_DefaultFlags {
    bool lines = true;
    bool points = true;
    bool longitudinal = true;
    bool transverse = true;
};

s_DefaultFlags& Defaults() {
    static s_DefaultFlags flags;
    return flags;
}

bool GoOnAfterError() { return Cpp_KLIVEN4Messages::GetStatus() != 0; }

// One segment of a line, for the checks between lines.
struct s_Segment {
    const Cpp_Line* line;
    int number;  // from 1 along the line
    const Cpp_PointXY* a;
    const Cpp_PointXY* b;
    double xmin;
    double xmax;
    double ymin;
    double ymax;
};

}  // namespace

void ResetReinforcementDisplayDefaults() { Defaults() = s_DefaultFlags{}; }

Cpp_ReinforcementLineList::Cpp_ReinforcementLineList() : Cpp_LineList(LINEKIND_REINFORCEMENT) {
    ReloadDisplayFlags();
}

void Cpp_ReinforcementLineList::ReloadDisplayFlags() {
    displayLines = Defaults().lines;
    displayPoints = Defaults().points;
    displayLongitudinalForce = Defaults().longitudinal;
    displayTransverseForce = Defaults().transverse;
}

void Cpp_ReinforcementLineList::GetDefaultDisplayFlags(bool& lines, bool& points,
                                                       bool& longitudinal, bool& transverse) {
    lines = Defaults().lines;
    points = Defaults().points;
    longitudinal = Defaults().longitudinal;
    transverse = Defaults().transverse;
}

void Cpp_ReinforcementLineList::SetDefaultDisplayFlags(bool lines, bool points, bool longitudinal,
                                                       bool transverse) {
    Defaults() = {lines, points, longitudinal, transverse};
}

Cpp_ReinforcementLine* Cpp_ReinforcementLineList::AddNewLine(int number, const char* description,
                                                             double angleDegrees, int option) {
    while (RemoveLineByNumber(number)) {}
    auto line = std::make_unique<Cpp_ReinforcementLine>(number, description, angleDegrees, option);
    return static_cast<Cpp_ReinforcementLine*>(Append(std::move(line)));
}

Cpp_ReinforcementLine* Cpp_ReinforcementLineList::AddEmptyLine() {
    const int number = FirstUnusedNumber();
    auto* line = static_cast<Cpp_ReinforcementLine*>(NewLine());
    line->SetNumber(number);
    return line;
}

bool Cpp_ReinforcementLineList::GetExtents(double& xmin, double& xmax, double& ymin,
                                           double& ymax) const {
    Cpp_Extents extents;
    for (const auto& line : Lines()) {
        double a, b, c, d;
        if (line->GetExtents(a, b, c, d)) extents.Add(a, b, c, d);
    }
    const s_WorldRect& r = extents.Rect();  // all zero when there is none
    xmin = r.xmin, xmax = r.xmax, ymin = r.ymin, ymax = r.ymax;
    return !extents.IsEmpty();
}

bool Cpp_ReinforcementLineList::GetLowestY(double& y) const {
    double xmin, xmax, ymin, ymax;
    if (!GetExtents(xmin, xmax, ymin, ymax)) return false;
    y = ymin;
    return true;
}

bool Cpp_ReinforcementLineList::DeletePoint(Cpp_Line* line, Cpp_PointXY* point) {
    if (!Cpp_LineList::DeletePoint(line, point)) return false;
    if (IndexOf(line) >= 0) static_cast<Cpp_ReinforcementLine*>(line)->RebuildBackLinks();
    return true;
}

int Cpp_ReinforcementLineList::HighestNumber() const {
    int highest = 0;
    for (const auto& line : Lines()) highest = std::max(highest, line->GetNumber());
    return highest;
}

double Cpp_ReinforcementLineList::GetMaxForce() const {
    double m = 0.0;
    for (int i = 0; i < Count(); ++i) m = std::max(m, ReinforcementLineAt(i)->GetMaxForce());
    return m;
}

int Cpp_ReinforcementLineList::TotalPoints() const {
    int n = 0;
    for (const auto& line : Lines()) n += line->NumberOfPoints();
    return n;
}

void Cpp_ReinforcementLineList::AddGeneratedLines(
    const std::vector<s_GeneratedReinforcementLine>& lines, bool renumber) {
    int next = HighestNumber();
    for (const s_GeneratedReinforcementLine& g : lines) {
        const int number = renumber ? ++next : g.number;
        Cpp_ReinforcementLine* line = AddNewLine(number, g.description.c_str(), g.angle, g.option);
        Cpp_PointXY* last = nullptr;
        for (const s_ReinforcementLinePtType& p : g.points)
            last = line->AddPointAfter(last, p.x, p.y, p.longitudinalForce, p.transverseForce);
    }
}

bool Cpp_ReinforcementLineList::ReadInput(std::FILE* input, std::FILE* echoFile, bool echo) {
    Cpp_Errors errors(echoFile);
    std::FILE* listing = echo ? echoFile : nullptr;
    if (listing) echo::StartTable(listing, 15, '*', {"NEW REINFORCEMENT LINE DATA"});
    for (const auto& line : Lines()) line->SetEnteredInCurrentTable(false);
    const int ad = Cpp_KlivenSettings::AngleDecimals();

    loads::s_DataLine data;
    for (;;) {
        if (!loads::ReadDataLine(input, data)) return !Cpp_LoadErrors::Error5710();
        if (data.values.empty()) {
            if (!data.blank) return !Cpp_LoadErrors::Error5740(data.text);
            long entered = 0, retained = 0;
            for (const auto& line : Lines()) {
                if (line->EnteredInCurrentTable())
                    ++entered;
                else
                    ++retained;
                line->SetEnteredInCurrentTable(false);
            }
            if (listing && retained > 0) {
                echo::Write(listing, FormatText("\nData entered for %1ld new reinforcement lines\n",
                                                entered));
                echo::Write(
                    listing,
                    FormatText("Data retained for %1ld old reinforcement lines - See earlier "
                               "input tables.\n",
                               retained));
            }
            return true;
        }
        const int number = data.Int(0);
        const double angle = data.Count() >= 2 ? data.values[1] : 0.0;
        const int option = data.Count() >= 3 ? data.Int(2) : 1;
        if (listing) {
            echo::Write(listing,
                        FormatText("\n_________________ Reinforcement Line: %d _________________\n",
                                   number));
            if (!data.rest.empty())
                echo::Write(listing, FormatText("Description: %s\n", data.rest.c_str()));
            echo::Write(listing, FormatText("Maximum rotation angle: %1.*f degrees\n", ad, angle));
        }
        if (Cpp_Line* existing = FindLine(number)) {
            if (existing->EnteredInCurrentTable()) return !Cpp_LoadErrors::Error5700(number);
            RemoveLineByNumber(number);
        }
        Cpp_ReinforcementLine* line = AddNewLine(number, data.rest.c_str(), angle, option);
        line->SetEnteredInCurrentTable(true);
        if (listing) {
            if (option == 1)
                echo::Write(listing, "Option 1 - Reinforcement forces are applied to both\n"
                                     "base of slice (slip surface) and sides of slices.\n");
            else if (option == 2)
                echo::Write(listing, "Option 2 - Reinforcement forces are applied to base\n"
                                     "           of slice (slip surface) only.\n");
            else
                echo::Write(listing, "UNRECOGNIZED OPTION FOR APPLYING REINFORCEMENT\n"
                                     "FORCES TO SLICES.\n");
            echo::Write(listing, "                               Longitudinal   Transverse\n"
                                 "Point      X            Y          Force         Force\n");
        }
        if (!line->ReadInput(input, listing != nullptr)) return false;
    }
}

bool Cpp_ReinforcementLineList::WriteKLIVEN4InputDataFile(std::FILE* file) const {
    if (IsEmpty()) return true;
    std::fprintf(file, "REInforcement line data follow -\n");
    for (int i = 0; i < Count(); ++i)
        if (!ReinforcementLineAt(i)->WriteInputData(file)) return false;
    std::fprintf(file, "\n");
    return true;
}

bool Cpp_ReinforcementLineList::Check(double tolerance, const Cpp_Line* slope,
                                      std::FILE* echoFile) {
    Cpp_DataErrorOutput::SetErrorFile(echoFile);
    if (IsEmpty()) return true;
    const double tol = tolerance > 0.0 ? tolerance : 1e-8 * LongestLine();
    bool ok = true;
    auto stepFailed = [&](bool stepOk) {
        if (!stepOk) ok = false;
        return !stepOk && !GoOnAfterError();
    };

    // 1. Duplicate points.
    bool stepOk = true;
    for (int i = 0; i < Count(); ++i) stepOk &= ReinforcementLineAt(i)->CheckDuplicatePoints();
    if (stepFailed(stepOk)) return false;

    // 2. Point order, reversing lines whose x never increases.
    stepOk = true;
    for (int i = 0; i < Count(); ++i) {
        Cpp_ReinforcementLine* line = ReinforcementLineAt(i);
        const Cpp_PointXY* firstDecrease = nullptr;
        long pointNumber = 0;
        bool increases = false;
        long n = 1;
        for (const Cpp_PointXY* p = line->FirstPoint(); p && p->Next(); p = p->Next(), ++n) {
            if (p->Next()->X() < p->X() && !firstDecrease) {
                firstDecrease = p;
                pointNumber = n;
            }
            if (p->Next()->X() > p->X()) increases = true;
        }
        if (!firstDecrease) continue;
        const double x1 = firstDecrease->X(), y1 = firstDecrease->Y();
        const double x2 = firstDecrease->Next()->X(), y2 = firstDecrease->Next()->Y();
        if (!increases) {
            line->ReversePoints();
            line->RebuildBackLinks();
            line->NumberPoints();
            line->SetOption(3, true);
            Cpp_LoadErrors::Error5890(true, line->GetNumber(), pointNumber, x1, y1, x2, y2);
        } else {
            Cpp_LoadErrors::Error5890(false, line->GetNumber(), pointNumber, x1, y1, x2, y2);
            stepOk = false;
        }
    }
    if (stepFailed(stepOk)) return false;

    // 3. Enough points.
    stepOk = true;
    for (const auto& line : Lines()) {
        const int n = line->NumberOfPoints();
        if (n == 0) {
            Cpp_LoadErrors::Error5860(line->GetNumber());
            stepOk = false;
        } else if (n == 1) {
            Cpp_LoadErrors::Error5870(line->GetNumber());
            stepOk = false;
        }
    }
    if (stepFailed(stepOk)) return false;

    // 4. Segments of different lines that cross or coincide (notices only).
    CheckSegmentsOfDifferentLines(tol);

    // 5. Option and forces.
    stepOk = true;
    for (int i = 0; i < Count(); ++i) stepOk &= ReinforcementLineAt(i)->CheckOptionAndForces();
    if (stepFailed(stepOk)) return false;

    // 6. Crossings of the slope line.
    if (slope && slope->HasSegment()) {
        stepOk = true;
        for (int i = 0; i < Count(); ++i)
            stepOk &= ReinforcementLineAt(i)->CheckSlopeIntersection(*slope);
        if (stepFailed(stepOk)) return false;
    }
    return ok;
}

bool Cpp_ReinforcementLineList::CheckSegmentsOfDifferentLines(double tolerance) {
    std::vector<s_Segment> segments;
    for (const auto& line : Lines()) {
        int n = 1;
        for (const Cpp_PointXY* p = line->FirstPoint(); p && p->Next(); p = p->Next(), ++n) {
            const Cpp_PointXY* q = p->Next();
            segments.push_back({line.get(), n, p, q, std::min(p->X(), q->X()) - tolerance,
                                std::max(p->X(), q->X()) + tolerance,
                                std::min(p->Y(), q->Y()) - tolerance,
                                std::max(p->Y(), q->Y()) + tolerance});
        }
    }
    // Pairs whose x ranges overlap, in the order of the lines and their segments.
    std::vector<size_t> order(segments.size());
    for (size_t i = 0; i < order.size(); ++i) order[i] = i;
    std::sort(order.begin(), order.end(),
              [&](size_t a, size_t b) { return segments[a].xmin < segments[b].xmin; });
    std::vector<std::pair<size_t, size_t>> pairs;
    for (size_t i = 0; i < order.size(); ++i) {
        const s_Segment& a = segments[order[i]];
        for (size_t j = i + 1; j < order.size() && segments[order[j]].xmin <= a.xmax; ++j) {
            const s_Segment& b = segments[order[j]];
            if (b.line == a.line || b.ymin > a.ymax || b.ymax < a.ymin) continue;
            pairs.emplace_back(std::min(order[i], order[j]), std::max(order[i], order[j]));
        }
    }
    std::sort(pairs.begin(), pairs.end());
    bool found = false;
    for (const auto& [i, j] : pairs) {
        const s_Segment& a = segments[i];
        const s_Segment& b = segments[j];
        s_tagTypePointXY first, second;
        double t1 = 0.0, t2 = 0.0;
        Cpp_PointXY crossing;
        if (SegmentsCollinear(*a.a, *a.b, *b.a, *b.b, tolerance, t1, t2) &&
            SegmentsOverlap(*a.a, *a.b, *b.a, *b.b, first, second)) {
            Cpp_LoadErrors::Notice5920(a.line->GetNumber(), a.number, a.a->X(), a.a->Y(), a.b->X(),
                                       a.b->Y(), b.line->GetNumber(), b.number, b.a->X(), b.a->Y(),
                                       b.b->X(), b.b->Y());
            AddSegmentMark(first.x, first.y, second.x, second.y);
            found = true;
        } else if (SegmentsIntersect(*a.a, *a.b, *b.a, *b.b, tolerance, crossing)) {
            Cpp_LoadErrors::Notice5930(a.line->GetNumber(), a.number, a.a->X(), a.a->Y(), a.b->X(),
                                       a.b->Y(), b.line->GetNumber(), b.number, b.a->X(), b.a->Y(),
                                       b.b->X(), b.b->Y(), crossing.X(), crossing.Y());
            AddPointMark(crossing.X(), crossing.Y());
            found = true;
        }
    }
    return !found;
}

bool Cpp_ReinforcementLineList::CheckAllInterfaces(int, const void*, int, std::FILE*) const {
    return true;
}
