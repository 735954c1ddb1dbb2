#include "loads/reinforcement_line.h"

#include <algorithm>
#include <cmath>

#include "core/data_error_output.h"
#include "core/echo_lines.h"
#include "core/format_text.h"
#include "core/geometry.h"
#include "core/input_lines.h"
#include "core/preferences.h"
#include "loads/data_lines.h"
#include "loads/load_messages.h"

namespace {

// The forces of a node of a reinforcement line (a plain node, as line tools may insert, has
// none).
const Cpp_ReinforcementPoint* AsReinforcementPoint(const Cpp_PointXY* p) {
    return dynamic_cast<const Cpp_ReinforcementPoint*>(p);
}
double LongitudinalOf(const Cpp_PointXY* p) {
    const auto* r = AsReinforcementPoint(p);
    return r ? r->longitudinalForce : 0.0;
}
double TransverseOf(const Cpp_PointXY* p) {
    const auto* r = AsReinforcementPoint(p);
    return r ? r->transverseForce : 0.0;
}

int CoordinateWriteDecimals() { return std::max(9, Cpp_KlivenSettings::CoordinateDecimals()); }

}  // namespace

Cpp_ReinforcementPoint::Cpp_ReinforcementPoint(double x, double y, double longitudinal,
                                               double transverse)
    : Cpp_PointXY(x, y), longitudinalForce(longitudinal), transverseForce(transverse) {
    longitudinalCornerHere = longitudinalCornerNext = {x, y};
    transverseCornerHere = transverseCornerNext = {x, y};
}

Cpp_ReinforcementLine::Cpp_ReinforcementLine(int number, const char* description,
                                             double angleDegrees, int option)
    : option_(option) {
    SetNumber(number);
    if (description) SetDescription(description);
    SetAngle(angleDegrees);
}

Cpp_ReinforcementLine::~Cpp_ReinforcementLine() = default;

Cpp_ReinforcementLine::Cpp_ReinforcementLine(const Cpp_ReinforcementLine& other)
    : Cpp_Line(other), option_(other.option_), angleDegrees_(other.angleDegrees_),
      angleRadians_(other.angleRadians_) {
    CopyPointsOf(other);
}

Cpp_ReinforcementLine& Cpp_ReinforcementLine::operator=(const Cpp_ReinforcementLine& other) {
    if (this != &other) {
        Cpp_Line::operator=(other);
        option_ = other.option_;
        angleDegrees_ = other.angleDegrees_;
        angleRadians_ = other.angleRadians_;
        CopyPointsOf(other);
    }
    return *this;
}

void Cpp_ReinforcementLine::CopyPointsOf(const Cpp_ReinforcementLine& other) {
    FreeReinforcementPoints();
    Cpp_PointXY* last = nullptr;
    for (const Cpp_PointXY* p = other.FirstPoint(); p; p = p->Next()) {
        last = AddPointAfter(last, p->X(), p->Y(), LongitudinalOf(p), TransverseOf(p));
        last->SetNumber(p->Number());
    }
}

void Cpp_ReinforcementLine::FreeReinforcementPoints() {
    Cpp_PointXY* p = ReleasePoints();
    while (p) {
        Cpp_PointXY* next = p->Next();
        delete p;
        p = next;
    }
}

Cpp_ReinforcementPoint* Cpp_ReinforcementLine::FirstReinforcementPoint() const {
    return static_cast<Cpp_ReinforcementPoint*>(FirstPoint());
}

Cpp_ReinforcementPoint* Cpp_ReinforcementLine::AddPoint(double x, double y, double longitudinal,
                                                        double transverse) {
    return AddPointAfter(LastPoint(), x, y, longitudinal, transverse);
}

Cpp_ReinforcementPoint* Cpp_ReinforcementLine::AddPointAfter(Cpp_PointXY* last, double x, double y,
                                                             double longitudinal,
                                                             double transverse) {
    auto* node = new Cpp_ReinforcementPoint(x, y, longitudinal, transverse);
    if (last) {
        last->SetNext(node);
        node->previous = dynamic_cast<Cpp_ReinforcementPoint*>(last);
    } else {
        ReplacePoints(node);
    }
    return node;
}

Cpp_ReinforcementPoint* Cpp_ReinforcementLine::AddPointCopy(const Cpp_ReinforcementPoint& p) {
    return AddPoint(p.X(), p.Y(), p.longitudinalForce, p.transverseForce);
}

Cpp_ReinforcementPoint* Cpp_ReinforcementLine::InsertPoint(Cpp_ReinforcementPoint* after, double x,
                                                           double y, double longitudinal,
                                                           double transverse) {
    auto* node = new Cpp_ReinforcementPoint(x, y, longitudinal, transverse);
    Cpp_ReinforcementPoint* next = nullptr;
    if (after) {
        next = after->NextPoint();
        node->SetNext(next);
        after->SetNext(node);
        node->previous = after;
    } else {
        next = static_cast<Cpp_ReinforcementPoint*>(ReleasePoints());
        node->SetNext(next);
        ReplacePoints(node);
    }
    if (next) next->previous = node;
    return node;
}

Cpp_ReinforcementPoint* Cpp_ReinforcementLine::GetLastPoint() const {
    return dynamic_cast<Cpp_ReinforcementPoint*>(LastPoint());
}

Cpp_ReinforcementPoint*
Cpp_ReinforcementLine::GetPreviousPoint(const Cpp_ReinforcementPoint* point) const {
    Cpp_PointXY* previous = nullptr;
    for (Cpp_PointXY* p = FirstPoint(); p; p = p->Next()) {
        if (p == point) return dynamic_cast<Cpp_ReinforcementPoint*>(previous);
        previous = p;
    }
    return nullptr;
}

bool Cpp_ReinforcementLine::RebuildBackLinks() {
    Cpp_ReinforcementPoint* previous = nullptr;
    for (Cpp_PointXY* p = FirstPoint(); p; p = p->Next()) {
        auto* r = dynamic_cast<Cpp_ReinforcementPoint*>(p);
        if (r) r->previous = previous;
        previous = r;
    }
    return FirstPoint() != nullptr;
}

void Cpp_ReinforcementLine::DeleteAllPoints() {
    ClearDescription();
    FreeReinforcementPoints();
}

void Cpp_ReinforcementLine::SetAngle(double degrees) {
    angleDegrees_ = degrees;
    angleRadians_ = degrees * GetPi() / 180.0;
}

double Cpp_ReinforcementLine::GetMaxForce() const {
    double m = 0.0;
    for (const Cpp_PointXY* p = FirstPoint(); p; p = p->Next())
        m = std::max({m, std::fabs(LongitudinalOf(p)), std::fabs(TransverseOf(p))});
    return m;
}

int Cpp_ReinforcementLine::CopyPointsToArray(std::vector<s_ReinforcementLinePtType>& points) const {
    int n = 0;
    for (const Cpp_PointXY* p = FirstPoint(); p; p = p->Next(), ++n) {
        if (points.size() <= static_cast<size_t>(n)) points.resize(static_cast<size_t>(n) + 1);
        points[static_cast<size_t>(n)] = {p->X(), p->Y(), LongitudinalOf(p), TransverseOf(p)};
    }
    return n;
}

bool Cpp_ReinforcementLine::WriteInputData(std::FILE* file) const {
    const int angleDecimals = Cpp_KlivenSettings::AngleDecimals();
    const int coordinateDecimals = CoordinateWriteDecimals();
    const int forceDecimals = Cpp_KlivenSettings::ForceDecimals();
    std::fprintf(file, "     %1d ", GetNumber());
    std::fputs(SeparatedField(FormatText("%10.*f", angleDecimals, angleDegrees_)).c_str(), file);
    std::fprintf(file, "     %1d", option_);
    if (!Description().empty()) std::fprintf(file, " %s", Description().c_str());
    std::fprintf(file, "\n");
    for (const Cpp_PointXY* p = FirstPoint(); p; p = p->Next()) {
        auto field = [](int decimals, double value) {
            return SeparatedField(FormatText("%20.*f", decimals, value));
        };
        std::fputs(("          " + field(coordinateDecimals, p->X()) +
                    field(coordinateDecimals, p->Y()) + field(forceDecimals, LongitudinalOf(p)) +
                    field(forceDecimals, TransverseOf(p)) + "\n")
                       .c_str(),
                   file);
    }
    std::fprintf(file, "\n");
    return true;
}

bool Cpp_ReinforcementLine::ReadInput(std::FILE* input, bool echo) {
    std::FILE* echoFile = echo ? Cpp_DataErrorOutput::GetErrorFile() : nullptr;
    const int cd = Cpp_KlivenSettings::CoordinateDecimals();
    const int fd = Cpp_KlivenSettings::ForceDecimals();
    long count = 0;
    Cpp_PointXY* last = LastPoint();
    loads::s_DataLine line;
    for (;;) {
        if (!loads::ReadDataLine(input, line)) return !Cpp_LoadErrors::Error5720(GetNumber());
        if (line.values.empty()) {
            if (!line.blank) Cpp_LoadErrors::Error5740(line.text);
            return true;
        }
        const int n = line.Count();
        if (n < 4) return !Cpp_LoadErrors::Error5770(GetNumber(), n, line.text);
        for (int i = 0; i + 4 <= n; i += 4) {
            // A coordinate whose arithmetic would overflow is refused here.
            if (!IsUsableCoordinate(line.values[i]) || !IsUsableCoordinate(line.values[i + 1]))
                return !Cpp_LoadErrors::Error5720(GetNumber());
            last = AddPointAfter(last, line.values[i], line.values[i + 1], line.values[i + 2],
                                 line.values[i + 3]);
            ++count;
            echo::Write(echoFile, FormatText("%3ld%13.*f%13.*f%14.*f%14.*f\n", count, cd,
                                             line.values[i], cd, line.values[i + 1], fd,
                                             line.values[i + 2], fd, line.values[i + 3]));
        }
        if (n % 4 != 0) return !Cpp_LoadErrors::Error5810(GetNumber(), n, line.text);
    }
}

bool Cpp_ReinforcementLine::CheckDuplicatePoints() const {
    bool ok = true;
    const Cpp_PointXY* first = FirstPoint();
    int firstNumber = 1;
    const Cpp_PointXY* second = first ? first->Next() : nullptr;
    int secondNumber = 2;
    while (first && second) {
        if (first->X() == second->X() && first->Y() == second->Y()) {
            const double l1 = LongitudinalOf(first), t1 = TransverseOf(first);
            const double l2 = LongitudinalOf(second), t2 = TransverseOf(second);
            if (l1 == l2 && t1 == t2)
                Cpp_LoadErrors::Error5840(false, GetNumber(), firstNumber, first->X(), first->Y(),
                                          l1, t1, secondNumber, second->X(), second->Y(), l2, t2);
            else
                Cpp_LoadErrors::Error5850(GetNumber(), firstNumber, first->X(), first->Y(), l1, t1,
                                          secondNumber, second->X(), second->Y(), l2, t2);
            ok = false;
            second = second->Next();
            ++secondNumber;
        } else {
            first = second;
            firstNumber = secondNumber;
            second = second->Next();
            ++secondNumber;
        }
    }
    return ok;
}

bool Cpp_ReinforcementLine::CheckOptionAndForces() const {
    bool ok = true;
    if (option_ != ForcesOnSidesAndBase && option_ != ForcesOnBaseOnly) {
        Cpp_LoadErrors::Error5820(GetNumber());
        ok = false;
    }
    const Cpp_PointXY* first = FirstPoint();
    if (!first) return ok;
    long number = 2;
    for (const Cpp_PointXY* p = first->Next(); p && p->Next(); p = p->Next(), ++number)
        if (LongitudinalOf(p) == 0.0 && TransverseOf(p) == 0.0)
            Cpp_LoadErrors::Notice5940(GetNumber(), number);
    return ok;
}

bool Cpp_ReinforcementLine::CheckSlopeIntersection(const Cpp_Line& slope) const {
    if (!slope.HasSegment()) return true;
    bool ok = true;
    int i = 1;
    for (const Cpp_PointXY* r = FirstPoint(); r && r->Next(); r = r->Next(), ++i) {
        int j = 1;
        for (const Cpp_PointXY* s = slope.FirstPoint(); s && s->Next(); s = s->Next(), ++j) {
            Cpp_PointXY crossing;
            if (SegmentsIntersect(*r, *r->Next(), *s, *s->Next(), 1e-6, crossing)) {
                Cpp_LoadErrors::Error5910(GetNumber(), i, i + 1, j, j + 1);
                ok = false;
            }
        }
    }
    return ok;
}
