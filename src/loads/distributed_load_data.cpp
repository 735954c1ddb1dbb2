#include "loads/distributed_load_data.h"
#include "loads/loads_state.h"

#include <algorithm>
#include <cmath>

#include "core/data_error_output.h"
#include "core/echo_lines.h"
#include "core/format_text.h"
#include "core/input_lines.h"
#include "core/message_boxes.h"
#include "core/preferences.h"
#include "graphics/line.h"
#include "loads/data_lines.h"
#include "loads/load_messages.h"

namespace {

struct s_StageDefaults {
    bool points = true;
    bool normal = true;
    bool shear = true;
};

s_StageDefaults& Defaults(int stage) {
    static s_StageDefaults defaults[2];
    return defaults[stage == 2 ? 1 : 0];
}

const char* const kColumnHeads = "                                  Normal        Shear\n"
                                 "Point       X           Y        Pressure       Stress\n";

}  // namespace

void ResetDistributedLoadDisplayDefaults() {
    Defaults(1) = s_StageDefaults{};
    Defaults(2) = s_StageDefaults{};
}

Cpp_DistributedLoadPoint::Cpp_DistributedLoadPoint(double x, double y, double normal, double shear)
    : Cpp_PointXY(x, y), normalStress(normal), shearStress(shear) {
    normalDiagram[0] = normalDiagram[1] = {x, y};
    shearDiagram[0] = shearDiagram[1] = {x, y};
}

void Cpp_DistributedLoadPoint::SetValues(double x, double y, double normal, double shear) {
    Set(x, y);
    normalStress = normal;
    shearStress = shear;
}

Cpp_DistributedLoadData::~Cpp_DistributedLoadData() { DeleteAllPoints(); }

void Cpp_DistributedLoadData::InitForStage(int stage) {
    stage_ = stage;
    ReloadDisplayFlags();
}

void Cpp_DistributedLoadData::ReloadDisplayFlags() {
    const s_StageDefaults& d = Defaults(stage_);
    showPoints = d.points;
    showNormalStress = d.normal;
    showShearStress = d.shear;
}

void Cpp_DistributedLoadData::GetDefaultDisplayFlags(int stage, bool& points, bool& normal,
                                                     bool& shear) {
    const s_StageDefaults& d = Defaults(stage);
    points = d.points;
    normal = d.normal;
    shear = d.shear;
}

void Cpp_DistributedLoadData::SetDefaultDisplayFlags(int stage, bool points, bool normal,
                                                     bool shear) {
    Defaults(stage) = {points, normal, shear};
}

Cpp_DistributedLoadPoint* Cpp_DistributedLoadData::AddPoint(double x, double y, double normal,
                                                            double shear) {
    auto* node = new Cpp_DistributedLoadPoint(x, y, normal, shear);
    if (last_)
        last_->SetNext(node);
    else
        first_ = node;
    last_ = node;
    node->SetNumber(++count_);
    return node;
}

void Cpp_DistributedLoadData::DeleteAllPoints() {
    Cpp_PointXY* p = first_;
    while (p) {
        Cpp_PointXY* next = p->Next();
        delete p;
        p = next;
    }
    first_ = last_ = nullptr;
    count_ = 0;
}

std::vector<s_DistributedLoadPoint> Cpp_DistributedLoadData::GetPoints() const {
    std::vector<s_DistributedLoadPoint> points;
    for (const Cpp_DistributedLoadPoint* p = first_; p; p = p->NextPoint())
        points.push_back(p->GetPointRecord());
    return points;
}

void Cpp_DistributedLoadData::SetPoints(const std::vector<s_DistributedLoadPoint>& points) {
    DeleteAllPoints();
    for (const s_DistributedLoadPoint& p : points) AddPoint(p.x, p.y, p.normal, p.shear);
}

double Cpp_DistributedLoadData::GetMaxValue() const {
    double m = 0.0;
    for (const Cpp_DistributedLoadPoint* p = first_; p; p = p->NextPoint())
        m = std::max({m, std::fabs(p->normalStress), std::fabs(p->shearStress)});
    return m;
}

void Cpp_DistributedLoadData::ClearPiezometricLine() {
    usesPiezometricLine_ = false;
    piezometricLine_ = 0;
}

bool Cpp_DistributedLoadData::SetPiezometricLine(int number) {
    if (number < 1) {
        ShowErrorMessage("ERROR",
                         FormatText("Not a valid piezometric line number (= %d) for computing "
                                    "distributed loads.",
                                    number));
        return false;
    }
    if (count_ > 0 &&
        !AskYesNoOnMainWindow(
            "Discard distributed load points?",
            FormatText("There are already %d distributed load points that will be deleted if you "
                       "use a piezometric line to define the distributed loads.  Do you want to "
                       "delete the existing points and use a piezometric line to generate new "
                       "distributed loads?",
                       count_)))
        return false;
    DeleteAllPoints();
    piezometricLine_ = number;
    usesPiezometricLine_ = true;
    return true;
}

void Cpp_DistributedLoadData::EchoRow(std::FILE* echoFile, long count,
                                      const Cpp_DistributedLoadPoint& p) const {
    const int cd = Cpp_KlivenSettings::CoordinateDecimals();
    const int sd = Cpp_KlivenSettings::StressDecimals();
    echo::Write(echoFile, FormatText("%4ld%12.*f%12.*f%13.*f%13.*f\n", count, cd, p.X(), cd, p.Y(),
                                     sd, p.normalStress, sd, p.shearStress));
}

bool Cpp_DistributedLoadData::ReadInput(std::FILE* input, std::FILE* echoFile, bool echo) {
    Cpp_Errors errors(echoFile);
    DeleteAllPoints();
    ClearPiezometricLine();
    if (echo && echoFile) {
        if (stage_ == 2)
            echo::StartTable(echoFile, 12, '2',
                             {"NEW DISTRIBUTED LOAD DATA - SECOND/THIRD-STAGE COMPUTATIONS"});
        else
            echo::StartTable(echoFile, 11, '*',
                             {"NEW DISTRIBUTED LOAD DATA - CONVENTIONAL/FIRST-STAGE COMPUTATIONS"});
        echo::Write(echoFile, kColumnHeads);
        echo::Write(echoFile, "\n");
    }
    bool firstLine = true;
    long count = 0;
    loads::s_DataLine line;
    for (;;) {
        if (!loads::ReadDataLine(input, line)) return !Cpp_LoadErrors::Error5300(stage_);
        if (line.values.empty()) {
            if (!line.blank) return !Cpp_LoadErrors::Error5330(stage_, line.text);
            if (firstLine && echo)
                echo::Write(echoFile, "All Distributed Load Data Has Been Deleted - No Distributed "
                                      "Loads Currently Exist.\n");
            return true;
        }
        if (firstLine && line.Count() == 1) {
            const int number = line.Int(0);
            if (number < 1) return !Cpp_LoadErrors::Error5320(number, stage_, line.text);
            usesPiezometricLine_ = true;
            piezometricLine_ = number;
            echo::Write(echoFile,
                        FormatText("Distributed loads will be generated from piezometric line "
                                   "number %d\nSee Output Table number %d\n\n",
                                   number, stage_ == 2 ? 28 : 27));
            return true;
        }
        const int n = line.Count();
        for (int i = 0; i + 4 <= n; i += 4) {
            // A coordinate whose arithmetic would overflow is refused here.
            if (!IsUsableCoordinate(line.values[i]) || !IsUsableCoordinate(line.values[i + 1]))
                return !Cpp_LoadErrors::Error5300(stage_);
            Cpp_DistributedLoadPoint* p = AddPoint(line.values[i], line.values[i + 1],
                                                   line.values[i + 2], line.values[i + 3]);
            EchoRow(echoFile, ++count, *p);
        }
        if (n % 4 != 0) return !Cpp_LoadErrors::Error5380(stage_, n, line.text);
        firstLine = false;
    }
}

bool Cpp_DistributedLoadData::WriteKLIVEN4InputDataFile(std::FILE* file) const {
    if (usesPiezometricLine_) {
        std::fprintf(file, "DIStributed load data follow -\n");
        std::fprintf(file, "     %1ld = Piezometric line for generating distributed loads\n",
                     static_cast<long>(piezometricLine_));
        return true;
    }
    if (!first_) return true;
    const int cd = Cpp_KlivenSettings::CoordinateDecimals();
    const int sd = Cpp_KlivenSettings::StressDecimals();
    std::fprintf(file, "DIStributed load data follow -\n");
    for (const Cpp_DistributedLoadPoint* p = first_; p; p = p->NextPoint())
        std::fputs(("    " + SeparatedField(FormatText("%15.*f", cd, p->X())) +
                    SeparatedField(FormatText("%15.*f", cd, p->Y())) +
                    SeparatedField(FormatText("%15.*f", sd, p->normalStress)) +
                    SeparatedField(FormatText("%15.*f", sd, p->shearStress)) + "\n")
                       .c_str(),
                   file);
    std::fprintf(file, "\n");
    return true;
}

void Cpp_DistributedLoadData::PrintData(int lineNumber, std::FILE* echoFile) const {
    if (!echoFile) return;
    echo::StartTable(echoFile, stage_ == 2 ? 28 : 27, stage_ == 2 ? '2' : '*',
                     {stage_ == 2
                          ? "DISTRIBUTED LOADS GENERATED - SECOND/THIRD-STAGE COMPUTATIONS"
                          : "DISTRIBUTED LOADS GENERATED - CONVENTIONAL/FIRST-STAGE COMPUTATIONS",
                      FormatText("(Generated from piezometric line number %d)", lineNumber)});
    echo::Write(echoFile, kColumnHeads);
    echo::Write(echoFile, "\n");
    long count = 0;
    for (const Cpp_DistributedLoadPoint* p = first_; p; p = p->NextPoint())
        EchoRow(echoFile, ++count, *p);
    if (count == 0)
        echo::Write(echoFile,
                    "No distributed loads - the piezometric line is nowhere above the slope.\n");
}

void Cpp_DistributedLoadData::ReverseOrder() {
    Cpp_DistributedLoadPoint* previous = nullptr;
    Cpp_DistributedLoadPoint* p = first_;
    last_ = first_;
    while (p) {
        Cpp_DistributedLoadPoint* next = p->NextPoint();
        p->SetNext(previous);
        previous = p;
        p = next;
    }
    first_ = previous;
}

bool Cpp_DistributedLoadData::Check(const Cpp_Line* slope, std::FILE* echoFile) {
    Cpp_DataErrorOutput::SetErrorFile(echoFile);
    if (!first_) return true;
    if (count_ == 1) Cpp_LoadErrors::Error5430(stage_);

    // Points entered right to left are turned round; any other disorder is left alone.
    bool decreases = false, increases = false;
    for (const Cpp_DistributedLoadPoint* p = first_; p->Next(); p = p->NextPoint()) {
        if (p->Next()->X() < p->X()) decreases = true;
        if (p->Next()->X() > p->X()) increases = true;
    }
    if (decreases && !increases) ReverseOrder();

    if (!slope || !slope->HasPoints()) {
        Cpp_LoadErrors::Warning5420();
        return true;
    }
    const double tolerance = 1.0;
    bool ok = true;
    long number = 1;
    for (const Cpp_DistributedLoadPoint* p = first_; p; p = p->NextPoint(), ++number) {
        const double x = p->X(), y = p->Y();
        bool onSlope = false;
        for (const Cpp_PointXY* s = slope->FirstPoint(); s && s->Next() && !onSlope;
             s = s->Next()) {
            const Cpp_PointXY* t = s->Next();
            if (!(s->X() <= x && x <= t->X())) continue;
            if (t->X() != s->X()) {
                const double ys = s->Y() + (t->Y() - s->Y()) * (x - s->X()) / (t->X() - s->X());
                onSlope = std::fabs(ys - y) < tolerance;
            } else {
                bool outside = false;
                const double lowest = slope->YLine(x, VERTICAL_LOWEST, outside);
                const double highest = slope->YLine(x, VERTICAL_HIGHEST, outside);
                onSlope = lowest <= y && y <= highest;
            }
        }
        if (!onSlope) {
            Cpp_LoadErrors::Error5440(number, stage_, x, y);
            ok = false;
        }
    }

    long segment = 1;
    for (const Cpp_DistributedLoadPoint* p = first_; p->Next(); p = p->NextPoint(), ++segment) {
        const Cpp_DistributedLoadPoint* q = p->NextPoint();
        if (p->normalStress == 0.0 && p->shearStress == 0.0 && q->normalStress == 0.0 &&
            q->shearStress == 0.0)
            continue;
        const double a = p->X(), b = q->X();
        if (a == b) continue;
        const double loadSlope = (q->Y() - p->Y()) / (b - a);
        for (const Cpp_PointXY* s = slope->FirstPoint(); s && s->Next(); s = s->Next()) {
            const double s1 = s->X(), s2 = s->Next()->X();
            double overlap;
            if (a <= s1 && s2 <= b)
                overlap = s2 - s1;
            else if (a <= s1 && s1 <= b)
                overlap = b - s1;
            else if (a <= s2 && s2 <= b)
                overlap = s2 - a;
            else
                continue;
            if (overlap <= 0.0001 || s1 == s2) continue;
            const double slopeSlope = (s->Next()->Y() - s->Y()) / (s2 - s1);
            if (std::fabs(slopeSlope - loadSlope) >= 0.0001) {
                Cpp_LoadErrors::Error5480(segment, stage_, p->Number(), p->X(), p->Y(), q->Number(),
                                          q->X(), q->Y());
                ok = false;
                break;
            }
        }
    }
    return ok;
}
