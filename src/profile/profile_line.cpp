#include "profile/profile_line.h"
#include "profile/profile_state.h"

#include "profile/profile_sweep.h"

namespace {

struct DefaultFlags {
    bool lines = true;
    bool points = true;
    bool lineNumbers = true;
    bool materialNumbers = true;
    bool materialFill = true;
    bool checkMarks = true;
};
DefaultFlags g_defaults;
bool g_pickFilters[5] = {true, true, true, true, true};

}  // namespace

void ResetProfileLineDefaults() {
    g_defaults = DefaultFlags{};
    for (bool& filter : g_pickFilters) filter = true;
}

Cpp_ProfileLine::Cpp_ProfileLine(int number, int materialNumber, std::string_view description)
    : materialNumber_(materialNumber) {
    SetNumber(number);
    SetDescription(description);
}

void Cpp_ProfileLine::CopyTo(Cpp_ProfileLine& target) const {
    target.DeleteDescriptionAndPoints();
    if (HasDescription()) target.SetDescription(Description());
    target.SetNumber(GetNumber());
    target.SetMaterialNumber(materialNumber_);
    for (const Cpp_PointXY* p = FirstPoint(); p; p = p->Next()) target.AddPoint(p->X(), p->Y());
}

Cpp_ProfileLineList::Cpp_ProfileLineList() : Cpp_LineList(LINEKIND_PROFILE) {}
Cpp_ProfileLineList::~Cpp_ProfileLineList() = default;

int Cpp_ProfileLineList::FirstUnusedMaterialNumber() const {
    std::vector<int> used;
    for (const auto& line : Lines())
        used.push_back(static_cast<const Cpp_ProfileLine&>(*line).GetMaterialNumber());
    return SmallestUnusedNumber(used);
}

Cpp_ProfileLine* Cpp_ProfileLineList::CreateLine(int number, int materialNumber,
                                                 std::string_view description) {
    return static_cast<Cpp_ProfileLine*>(
        Append(std::make_unique<Cpp_ProfileLine>(number, materialNumber, description)));
}

void Cpp_ProfileLineList::TransformCoordinates(double xScale, double xOffset, double yScale,
                                               double yOffset) {
    for (const auto& line : Lines()) line->Rescale(xScale, xOffset, yScale, yOffset);
}

void Cpp_ProfileLineList::SetDefaultDisplayFlags(bool lines, bool points, bool lineNumbers,
                                                 bool materialNumbers, bool materialFill) {
    g_defaults.lines = lines;
    g_defaults.points = points;
    g_defaults.lineNumbers = lineNumbers;
    g_defaults.materialNumbers = materialNumbers;
    g_defaults.materialFill = materialFill;
}

void Cpp_ProfileLineList::ApplyDefaultDisplayFlags() {
    showLines_ = g_defaults.lines;
    showPoints_ = g_defaults.points;
    showLineNumbers_ = g_defaults.lineNumbers;
    showMaterialNumbers_ = g_defaults.materialNumbers;
    showMaterialFill_ = g_defaults.materialFill;
    showCheckMarks_ = g_defaults.checkMarks;
}

void Cpp_ProfileLineList::SetPickFilter(int kind) {
    g_pickFilters[0] = kind == 0 || kind == 3;
    g_pickFilters[1] = kind == 0 || kind == 4;
    g_pickFilters[2] = g_pickFilters[3] = g_pickFilters[4] = kind == 0;
}

bool Cpp_ProfileLineList::GetPickFilter(int filter) {
    return filter >= 1 && filter <= 5 && g_pickFilters[filter - 1];
}
