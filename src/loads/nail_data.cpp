#include "loads/nail_data.h"

#include <algorithm>
#include <cmath>

#include "core/echo_lines.h"
#include "core/format_text.h"
#include "core/preferences.h"
#include "core/units.h"
#include "graphics/line.h"
#include "loads/data_lines.h"
#include "loads/generation_dialogs.h"
#include "loads/nail_force_distribution.h"
#include "loads/nail_geogrid_dialogs.h"
#include "loads/reinforcement_line.h"
#include "loads/reinforcement_transfer.h"
#include "loads/unit_values.h"

using loads::ReadUnitValue;
using loads::ReadValues;

namespace {

const char* const kNailReadError = "Error in reading data for nails";

int LengthDecimals() { return Cpp_KlivenSettings::LengthDecimals(); }
int CoordinateWriteDecimals() { return std::max(9, Cpp_KlivenSettings::CoordinateDecimals()); }

}  // namespace

bool Cpp_IndividualNail::ReadInput(std::FILE* input, std::FILE* echoFile, int position) {
    const std::string header =
        FormatText("--------------- Nail No. %ld  ---------------", static_cast<long>(position));
    echo::Write(echoFile, "\n" + std::string(header.size(), '-') + "\n" + header + "\n" +
                              std::string(header.size(), '-') + "\n\n");
    loads::s_DataLine line;
    if (!loads::ReadDataLine(input, line)) {
        ShowErrorMessage(
            "Input Error",
            FormatText("Not able to read 1st line of input for nail no. %1d.", position));
        return false;
    }
    if (line.Count() < 5) {
        ShowErrorMessage("Input Error",
                         FormatText("Not enough values on 1st line of input for nail "
                                    "no. %1d.",
                                    position));
        return false;
    }
    nailType = line.Int(0);
    facing = line.Int(1);
    horizontalSpacing = line.values[2];
    length = line.values[3];
    inclination = line.values[4];
    const int ld = LengthDecimals();
    echo::Write(echoFile,
                FormatText("Nail type: %d\n%s\nHorizontal nail spacing: %.*f\nNail length: %.*f\n"
                           "Nail inclination (degrees): %.*f\n",
                           nailType,
                           facing == 0 ? "Slope faces to the left." : "Slope faces to the right.",
                           ld, horizontalSpacing, ld, length, Cpp_KlivenSettings::AngleDecimals(),
                           inclination));
    if (!loads::ReadDataLine(input, line)) {
        ShowErrorMessage(
            "Input Error",
            FormatText("Not able to read 2nd line of input for nail no. %1d.", position));
        return false;
    }
    if (line.Count() < 4) {
        ShowErrorMessage("Input Error",
                         FormatText("Not enough values on 2nd line of input for nail "
                                    "no. %1d.",
                                    position));
        return false;
    }
    headX = line.values[0];
    headY = line.values[1];
    endX = line.values[2];
    endY = line.values[3];
    const int cd = Cpp_KlivenSettings::CoordinateDecimals();
    echo::Write(echoFile, FormatText("Nail head coordinates - X: %.*f     Y: %.*f\n"
                                     "Embedded end of nail - X: %.*f     Y: %.*f\n",
                                     cd, headX, cd, headY, cd, endX, cd, endY));
    return true;
}

void Cpp_IndividualNail::WriteKLIVEN4InputDataFile(std::FILE* file) const {
    const int ld = LengthDecimals();
    const int ad = Cpp_KlivenSettings::AngleDecimals();
    const int n = CoordinateWriteDecimals();
    std::fputs(("          " + SeparatedField(FormatText("%10d", nailType)) +
                SeparatedField(FormatText("%10d", facing)) +
                SeparatedField(FormatText("%20.*f", ld, horizontalSpacing)) +
                SeparatedField(FormatText("%20.*f", ld, length)) +
                SeparatedField(FormatText("%10.*f", ad, inclination)) + "\n")
                   .c_str(),
               file);
    std::fputs(("          " + SeparatedField(FormatText("%20.*f", n, headX)) +
                SeparatedField(FormatText("%20.*f", n, headY)) +
                SeparatedField(FormatText("%20.*f", n, endX)) +
                SeparatedField(FormatText("%20.*f", n, endY)) + "\n")
                   .c_str(),
               file);
}

Cpp_IndividualNail* Cpp_IndividualNailList::AddEmptyNail() {
    nails_.push_back(std::make_unique<Cpp_IndividualNail>());
    return nails_.back().get();
}

Cpp_IndividualNail* Cpp_IndividualNailList::AddNail(double headY, double length, double inclination,
                                                    double spacing, int type, int facing) {
    Cpp_IndividualNail* n = AddEmptyNail();
    n->headY = headY;
    n->length = length;
    n->inclination = inclination;
    n->horizontalSpacing = spacing;
    n->nailType = type;
    n->facing = facing;
    return n;
}

bool Cpp_IndividualNailList::DeleteNail(const Cpp_IndividualNail* nail) {
    const auto it = std::find_if(nails_.begin(), nails_.end(),
                                 [nail](const auto& n) { return n.get() == nail; });
    if (it == nails_.end()) return false;
    nails_.erase(it);
    return true;
}

void Cpp_IndividualNailList::RemoveLast() {
    if (!nails_.empty()) nails_.pop_back();
}

Cpp_NailData::Cpp_NailData() {
    generationLengthUnit = GetUnitSystem() == UnitSystemSI ? LengthMeters : LengthFeet;
    generationForceUnit = ForcePounds;
}

Cpp_NailProperties Cpp_NailData::GetNailProperties(int i) const {
    if (i < 0 || i >= NumberOfPropertySets()) return {};
    return properties_[static_cast<size_t>(i)];
}

bool Cpp_NailData::EditProperties() {
    std::vector<Cpp_NailProperties> types = properties_;
    if (!NailGeogridDialogs().EditNailProperties(types)) return false;
    properties_ = std::move(types);
    return true;
}

bool Cpp_NailData::ShowLayoutInformation() {
    std::array<s_NailLayoutPage, MaximumLayouts> pages;
    for (int i = 0; i < MaximumLayouts; ++i)
        pages[static_cast<size_t>(i)] = layouts_[static_cast<size_t>(i)].ToDialogData();
    std::vector<std::string> names;
    for (const Cpp_NailProperties& set : properties_) names.push_back(set.name);
    if (!NailGeogridDialogs().EditNailLayouts(pages, names)) return false;
    for (int i = 0; i < MaximumLayouts; ++i)
        layouts_[static_cast<size_t>(i)].FromDialogData(pages[static_cast<size_t>(i)]);
    return true;
}

int Cpp_NailData::ActiveLayoutCount() const {
    return static_cast<int>(std::count_if(layouts_.begin(), layouts_.end(),
                                          [](const Cpp_NailLayout& l) { return l.IsActive(); }));
}

bool Cpp_NailData::ReadPropertySet(std::FILE* input, Cpp_NailProperties& set) {
    std::string name;
    if (!loads::ReadTextLine(input, name)) return false;
    set.name = name;
    loads::s_DataLine line;
    if (!ReadValues(input, line, 3)) return false;
    set.capacityOption = line.Int(0);
    set.pulloutOption = line.Int(1);
    set.barTypeIndex = line.Int(2);
    if (!ReadValues(input, line, 4) || !ReadUnitValue(line, 0, loads::QuantityArea, set.barArea) ||
        !ReadUnitValue(line, 2, loads::QuantityLength, set.barDiameter))
        return false;
    if (!ReadValues(input, line, 4) ||
        !ReadUnitValue(line, 0, loads::QuantityStress, set.barYieldStress) ||
        !ReadUnitValue(line, 2, loads::QuantityForce, set.barYieldForce))
        return false;
    if (!ReadValues(input, line, 2) ||
        !ReadUnitValue(line, 0, loads::QuantityForce, set.nailHeadStrength))
        return false;
    if (!ReadValues(input, line, 6) ||
        !ReadUnitValue(line, 0, loads::QuantityLength, set.holeDiameter) ||
        !ReadUnitValue(line, 2, loads::QuantityStress, set.bondStress) ||
        !ReadUnitValue(line, 4, loads::QuantityForcePerLength, set.resistancePerLength))
        return false;
    if (!ReadValues(input, line, 4)) return false;
    set.alphaF = line.values[0];
    set.alphaN = line.values[1];
    set.alphaQ = line.values[2];
    set.supplementalFactorOfSafety = line.values[3];
    return true;
}

bool Cpp_NailData::ReadLayout(std::FILE* input, Cpp_NailLayout& layout) {
    loads::s_DataLine line;
    if (!ReadValues(input, line, 1)) return false;
    layout.propertySet = line.Int(0);
    // A layout must name one of the property sets read (0 leaves the slot unused).
    if (layout.propertySet > NumberOfPropertySets()) return false;
    if (!ReadValues(input, line, 1)) return false;
    layout.facing = line.Int(0);
    if (!ReadValues(input, line, 2)) return false;
    layout.sameAsVertical = line.Int(0) == 1;
    layout.horizontalSpacing = line.values[1];
    if (!ReadValues(input, line, 1)) return false;
    layout.verticalOption = line.Int(0);
    if (!ReadValues(input, line, 1)) return false;
    layout.numberOfNails = line.Int(0);
    if (!ReadValues(input, line, 5)) return false;
    layout.verticalSpacing = line.values[0];
    layout.topOfSlope = line.values[1];
    layout.distanceFromTop = line.values[2];
    layout.bottomOfSlope = line.values[3];
    layout.distanceFromBottom = line.values[4];
    if (!ReadValues(input, line, 2)) return false;
    layout.inclination = line.values[0];
    layout.nailLength = line.values[1];
    return true;
}

bool Cpp_NailData::ReadIndividualNails(std::FILE* input, std::FILE* echoFile) {
    for (const auto& nail : nails_.Nails()) nail->selected = false;
    loads::s_DataLine line;
    if (!ReadValues(input, line, 1)) {
        ShowErrorMessage("ERROR", kNailReadError);
        return false;
    }
    const int count = line.Int(0);
    for (int i = 1; i <= count; ++i) {
        Cpp_IndividualNail* nail = nails_.AddEmptyNail();
        if (!nail->ReadInput(input, echoFile, i)) {
            nails_.RemoveLast();
            ShowErrorMessage("ERROR", kNailReadError);
            return false;
        }
        if (nail->nailType < 0 || nail->nailType >= NumberOfPropertySets()) {
            ShowErrorMessage("Input Error",
                             FormatText("Nail type %1d of nail no. %1d is not one of the nail "
                                        "property sets.",
                                        nail->nailType, i));
            nails_.RemoveLast();
            ShowErrorMessage("ERROR", kNailReadError);
            return false;
        }
    }
    return true;
}

bool Cpp_NailData::ReadInput(std::FILE* input, std::FILE* echoFile) {
    properties_.clear();
    loads::s_DataLine line;
    int sets = 0;
    if (loads::ReadDataLine(input, line) && line.Count() >= 1) sets = std::max(0, line.Int(0));
    for (int i = 0; i < sets; ++i) {
        Cpp_NailProperties set;
        if (!ReadPropertySet(input, set)) {
            ShowErrorMessage("ERROR", kNailReadError);
            ShowErrorMessage("ERROR", kNailReadError);
            return false;
        }
        properties_.push_back(std::move(set));
    }
    for (Cpp_NailLayout& l : layouts_) l.propertySet = 0;
    if (loads::ReadDataLine(input, line)) {
        if (line.Count() < 1 || line.Int(0) > MaximumLayouts) {
            ShowErrorMessage("ERROR", kNailReadError);
            return false;
        }
        const int m = line.Int(0);
        for (int i = 0; i < m; ++i) {
            Cpp_NailLayout layout;
            if (!ReadLayout(input, layout)) {
                ShowErrorMessage("ERROR", "Error in reading data for nail layout");
                ShowErrorMessage("ERROR", kNailReadError);
                return false;
            }
            layouts_[static_cast<size_t>(i)] = layout;
        }
    }
    return ReadIndividualNails(input, echoFile);
}

bool Cpp_NailData::WriteKLIVEN4InputDataFile(std::FILE* file) const {
    if (properties_.empty()) return true;
    std::fprintf(file, "NAIl data follow -\n");
    std::fprintf(file, "     %1d = Number of sets of nail properties.\n", NumberOfPropertySets());
    for (const Cpp_NailProperties& set : properties_) set.WriteKLIVEN4InputDataFile(file);
    std::fprintf(file, "     %1d = Number of nail layouts.\n", ActiveLayoutCount());
    for (const Cpp_NailLayout& l : layouts_)
        if (l.IsActive()) l.WriteKLIVEN4InputDataFile(file);
    std::fprintf(file, "     %1d = Number of individual nails.\n", nails_.Count());
    for (const auto& nail : nails_.Nails()) nail->WriteKLIVEN4InputDataFile(file);
    return true;
}

bool Cpp_NailData::EditGenerationUnits() {
    int length = generationLengthUnit, force = generationForceUnit;
    if (!ReinforcementGenerationDialogs().EditNailGenerationUnits(length, force)) return false;
    generationLengthUnit = length;
    generationForceUnit = force;
    return true;
}

bool Cpp_NailData::GenerateReinforcementLines(Cpp_ReinforcementLineList& list,
                                              const Cpp_Line& slope, WindowHandle parent) {
    if (properties_.empty()) {
        ShowErrorMessage("ERROR", "No nail properties - cannot generate reinforcement lines.  "
                                  "Enter nail properties first");
        return false;
    }
    const int a = ActiveLayoutCount();
    const int b = nails_.Count();
    if (a > 0 && b > 0) {
        ShowErrorMessage("ERROR", "Both nail layouts and individual nails exist - cannot generate "
                                  "reinforcement for both.");
        return false;
    }
    if (a == 0 && b == 0) {
        ShowErrorMessage("ERROR", "No nail layouts or individual nails to generate reinforcement "
                                  "for.");
        return false;
    }
    if (!EditGenerationUnits()) return false;
    if (ForcePerLengthUnitIndex(generationLengthUnit, generationForceUnit) < 0) {
        s_UnitType length, force;
        length.SetUnit(generationLengthUnit);
        force.SetUnit(generationForceUnit);
        ShowErrorMessage("ERROR", FormatText("Length units (= %s) and force units (= %s) are not "
                                             "compatible.",
                                             length.LengthWord(), force.ForceWord()));
        return false;
    }
    const auto lines = a > 0 ? GenerateForLayouts(slope) : GenerateForIndividualNails();
    TransferGeneratedLines(list, lines, parent);
    return true;
}

bool Cpp_NailData::AddNailLine(std::vector<s_GeneratedReinforcementLine>& lines, int propertySet,
                               double sh, double x0, double y0, int facing, double inclination,
                               double length, const char* what, int which) {
    if (facing != 0 && facing != 1) {
        ShowErrorMessage("ERROR", FormatText("Error for %s number %1d.  The facing of the slope "
                                             "(= %1d) must be 0 (left) or 1 (right).",
                                             what, which, facing));
        return false;
    }
    double P = 0.0, Th = 0.0, T = 0.0;
    const Cpp_NailProperties& set = properties_[static_cast<size_t>(propertySet)];
    if (!set.DesignValuesPerWidth(generationLengthUnit, generationForceUnit, sh, P, Th, T)) {
        ShowErrorMessage("ERROR",
                         FormatText("Error for %s number %1d.  Horizontal spacing = %1.3f "
                                    "and factor of safety = %1.3f must be greater than zero.",
                                    what, which, sh, set.supplementalFactorOfSafety));
        return false;
    }
    s_GeneratedReinforcementLine line;
    line.number = static_cast<int>(lines.size()) + 1;
    line.description = FormatText("Nail number %1ld", static_cast<long>(line.number));
    for (const s_NailLinePoint& p : NailLinePoints(x0, y0, facing, inclination, length, P, Th, T))
        line.points.push_back({p.x, p.y, p.force, 0.0});
    lines.push_back(std::move(line));
    return true;
}

std::vector<s_GeneratedReinforcementLine> Cpp_NailData::GenerateForLayouts(const Cpp_Line& slope) {
    std::vector<s_GeneratedReinforcementLine> lines;
    const double delta = std::pow(10.0, -Cpp_KlivenSettings::CoordinateDecimals());
    std::vector<double> xs, angles;
    for (int slot = 1; slot <= MaximumLayouts; ++slot) {
        const Cpp_NailLayout& layout = layouts_[static_cast<size_t>(slot - 1)];
        if (!layout.IsActive()) continue;
        const int set = layout.propertySet - 1;
        if (set >= NumberOfPropertySets()) {
            ShowErrorMessage("ERROR",
                             FormatText("Error for layout number %1d.  Nail property set %1d "
                                        "does not exist.",
                                        slot, layout.propertySet));
            continue;
        }
        double s = 0.0, y = 0.0;
        int n = 0;
        if (!layout.GetSpacingAndCount(s, n) || !layout.GetTopNailElevation(y)) {
            ShowErrorMessage("ERROR",
                             FormatText("Error for layout number %1d.  The elevations, "
                                        "spacing and number of nails do not define a row of "
                                        "nails.",
                                        slot));
            continue;
        }
        if (n > 1 && s <= 0.0) {
            ShowErrorMessage("ERROR",
                             FormatText("Error for layout number %1d.  Vertical spacing = "
                                        "%1.3f (%1.6e) is not allowed whenmore than one nail.",
                                        slot, s, s));
            continue;
        }
        const double e = layout.facing == 1 ? -1.0 : 1.0;
        for (int j = 0; j < n; ++j) {
            const double yj = y - j * s;
            const int count = slope.XValuesAtY(yj, xs, angles);
            if (count == 0) {
                ShowErrorMessage("ERROR", "Nail does not intersect the slope face");
                break;
            }
            if (count > 1) {
                ShowErrorMessage("ERROR", "Nail intersects the slope multiple times - unable to "
                                          "generate reinforcement lines.");
                break;
            }
            if (!AddNailLine(lines, set, layout.GetHorizontalSpacing(), xs[0] + e * delta, yj,
                             layout.facing, layout.GetInclination(), layout.nailLength, "layout",
                             slot))
                break;
        }
    }
    return lines;
}

std::vector<s_GeneratedReinforcementLine> Cpp_NailData::GenerateForIndividualNails() {
    std::vector<s_GeneratedReinforcementLine> lines;
    int position = 0;
    for (const auto& nail : nails_.Nails()) {
        ++position;
        if (nail->nailType < 0 || nail->nailType >= NumberOfPropertySets()) {
            ShowErrorMessage("ERROR",
                             FormatText("Error for nail number %1d.  Nail type %1d is not one "
                                        "of the nail property sets.",
                                        position, nail->nailType));
            continue;
        }
        AddNailLine(lines, nail->nailType, nail->horizontalSpacing, nail->headX, nail->headY,
                    nail->facing, nail->inclination * std::atan(1.0) / 45.0, nail->length, "nail",
                    position);
    }
    return lines;
}
