#include "loads/geogrid_data.h"

#include <algorithm>
#include <cmath>

#include "core/echo_lines.h"
#include "core/format_text.h"
#include "core/geometry.h"
#include "core/preferences.h"
#include "core/world_rect.h"
#include "graphics/line.h"
#include "loads/data_lines.h"
#include "loads/geogrid_force_curve.h"
#include "loads/nail_geogrid_dialogs.h"
#include "loads/reinforcement_line.h"
#include "loads/reinforcement_transfer.h"
#include "loads/unit_values.h"

using loads::ReadUnitValue;
using loads::ReadValues;

namespace {

const char* const kGeogridReadError = "Error in reading data for geogrids";

std::vector<s_GeogridType>& StandardTypes() {
    static std::vector<s_GeogridType> table;
    return table;
}

int CoordinateWriteDecimals() { return std::max(9, Cpp_KlivenSettings::CoordinateDecimals()); }

void Error(const std::string& text) { ShowErrorMessage("ERROR", text); }

}  // namespace

// ---------------------------------------------------------------- property sets

s_UnitValueType Cpp_GeogridProperties::AllowableStrength() const {
    switch (strengthOption) {
    case SpecifiedDirectly: return allowableStrength;
    case FromUltimateAndFactors: {
        const double fs = oneFactorOfSafety ? factorOfSafetyStrength
                                            : fsCreep * fsInstallationDamage * fsBiological *
                                                  fsChemical * fsJoints;
        return {ultimateStrength.value / fs, ultimateStrength.unitIndex};
    }
    default: return {0.0, 0};
    }
}

double Cpp_GeogridProperties::InteractionFactor() const {
    switch (interactionOption) {
    case InteractionSpecified: return fStar;
    case InteractionFromEquation: return std::tan(DegreesToRadians(rho)) + alphaBeta * fq;
    default: return 0.0;
    }
}

double Cpp_GeogridProperties::PulloutResistancePerLength(double verticalStress) const {
    return 2.0 * InteractionFactor() * alpha * verticalStress / factorOfSafetyPullout;
}

double Cpp_GeogridProperties::DevelopedForceAtFace(int forcePerLengthUnit) const {
    return developedForceAtFace.ForcePerLengthIn(forcePerLengthUnit);
}

void Cpp_GeogridProperties::WriteKLIVEN4InputDataFile(std::FILE* file) const {
    std::fprintf(file, "%-s\n", name.c_str());
    std::fprintf(file, "  %1d  %1d\n", strengthOption, standardGridIndex);
    std::fprintf(file, "  %15.8e  %5d  %15.8e  %5d  %15.8e  %5d\n", allowableStrength.value,
                 allowableStrength.unitIndex, ultimateStrength.value, ultimateStrength.unitIndex,
                 longTermDesignStrength.value, longTermDesignStrength.unitIndex);
    std::fprintf(file, "  %5d  %10.5f  %10.5f  %10.5f %10.5f %10.5f %10.5f\n",
                 oneFactorOfSafety ? 1 : 0, factorOfSafetyStrength, fsInstallationDamage, fsCreep,
                 fsChemical, fsBiological, fsJoints);
    std::fprintf(file, "  %1d\n", interactionOption);
    std::fprintf(file, "  %15.8e  %15.8e  %15.8e  %15.8e\n", fStar, fq, alphaBeta, rho);
    std::fprintf(file, "  %15.8e  %10.5f\n", alpha, factorOfSafetyPullout);
    std::fprintf(file, "  %15.8e  %5d\n", developedForceAtFace.value,
                 developedForceAtFace.unitIndex);
    std::fprintf(file, "  %10.5f\n", overallFactorOfSafety);
}

bool Cpp_GeogridProperties::ReadInput(std::FILE* input) {
    if (!loads::ReadTextLine(input, name)) return false;
    loads::s_DataLine line;
    if (!ReadValues(input, line, 2)) return false;
    strengthOption = line.Int(0);
    standardGridIndex = line.Int(1);
    if (!ReadValues(input, line, 6) ||
        !ReadUnitValue(line, 0, loads::QuantityForcePerLength, allowableStrength) ||
        !ReadUnitValue(line, 2, loads::QuantityForcePerLength, ultimateStrength) ||
        !ReadUnitValue(line, 4, loads::QuantityForcePerLength, longTermDesignStrength))
        return false;
    if (!ReadValues(input, line, 7)) return false;
    oneFactorOfSafety = line.values[0] != 0.0;
    factorOfSafetyStrength = line.values[1];
    fsInstallationDamage = line.values[2];
    fsCreep = line.values[3];
    fsChemical = line.values[4];
    fsBiological = line.values[5];
    fsJoints = line.values[6];
    if (!ReadValues(input, line, 1)) return false;
    interactionOption = line.Int(0);
    if (!ReadValues(input, line, 4, true)) return false;
    fStar = line.values[0];
    fq = line.values[1];
    alphaBeta = line.values[2];
    rho = line.values[3];
    if (!ReadValues(input, line, 2)) return false;
    alpha = line.values[0];
    factorOfSafetyPullout = line.values[1];
    if (!ReadValues(input, line, 2) ||
        !ReadUnitValue(line, 0, loads::QuantityForcePerLength, developedForceAtFace))
        return false;
    if (!ReadValues(input, line, 1)) return false;
    overallFactorOfSafety = line.values[0];
    return true;
}

// ---------------------------------------------------------------- layouts

void Cpp_GeogridLayout::WriteKLIVEN4InputDataFile(std::FILE* file) const {
    std::fprintf(file, "  %1d\n", geogridType);
    std::fprintf(file, "  %15.8e  %5d  %15.8e  %5d\n", lowestElevation.value,
                 lowestElevation.unitIndex, verticalSpacing.value, verticalSpacing.unitIndex);
    std::fprintf(file, "  %15.8e  %5d  %15.8e  %5d\n", lowestLength.value, lowestLength.unitIndex,
                 highestLength.value, highestLength.unitIndex);
    std::fprintf(file, "  %1d\n", numberOfLayers);
}

bool Cpp_GeogridLayout::ReadInput(std::FILE* input) {
    loads::s_DataLine line;
    if (!ReadValues(input, line, 1)) return false;
    geogridType = line.Int(0);
    if (!ReadValues(input, line, 4, true) ||
        !ReadUnitValue(line, 0, loads::QuantityLength, lowestElevation) ||
        !ReadUnitValue(line, 2, loads::QuantityLength, verticalSpacing))
        return false;
    if (!ReadValues(input, line, 4, true) ||
        !ReadUnitValue(line, 0, loads::QuantityLength, lowestLength) ||
        !ReadUnitValue(line, 2, loads::QuantityLength, highestLength))
        return false;
    if (!ReadValues(input, line, 1)) return false;
    numberOfLayers = line.Int(0);
    return true;
}

// ---------------------------------------------------------------- individual geogrids

void Cpp_Geogrid::GetDefinition(double& y, double& l, int& type, int& face) const {
    y = headY;
    l = length;
    type = geogridType;
    face = facing;
}

void Cpp_Geogrid::SetDefinition(double y, double l, int type, int face) {
    headY = y;
    length = l;
    geogridType = type;
    facing = face;
}

void Cpp_Geogrid::SetGeometry(double x, double y, double xEnd) {
    headX = x;
    headY = y;
    endX = xEnd;
}

bool Cpp_Geogrid::ReadInput(std::FILE* input, std::FILE* echoFile, int position) {
    const std::string header =
        FormatText("--------------- Geogrid No. %ld  ---------------", static_cast<long>(position));
    echo::Write(echoFile, "\n" + std::string(header.size(), '-') + "\n" + header + "\n" +
                              std::string(header.size(), '-') + "\n\n");
    loads::s_DataLine line;
    if (!loads::ReadDataLine(input, line)) {
        ShowErrorMessage("Input Error", FormatText("Not able to read 1st line of input for geogrid "
                                                   "no. %1d.",
                                                   position));
        return false;
    }
    if (line.Count() < 3) {
        ShowErrorMessage("Input Error", FormatText("Not enough values on 1st line of input for "
                                                   "geogrid no. %1d.",
                                                   position));
        return false;
    }
    geogridType = line.Int(0);
    facing = line.Int(1);
    length = line.values[2];
    echo::Write(echoFile,
                FormatText("Geogrid type: %d\n%s\nGeogrid length: %.*f\n", geogridType,
                           facing == 1 ? "Slope faces to the left." : "Slope faces to the right.",
                           Cpp_KlivenSettings::LengthDecimals(), length));
    if (!loads::ReadDataLine(input, line)) {
        ShowErrorMessage("Input Error", FormatText("Not able to read 2nd line of input for geogrid "
                                                   "no. %1d.",
                                                   position));
        return false;
    }
    if (line.Count() < 3) {
        ShowErrorMessage("Input Error", FormatText("Not enough values on 2nd line of input for "
                                                   "geogrid no. %1d.",
                                                   position));
        return false;
    }
    headX = line.values[0];
    headY = line.values[1];
    endX = line.values[2];
    const int cd = Cpp_KlivenSettings::CoordinateDecimals();
    echo::Write(echoFile, FormatText("Geogrid head coordinates - X: %.*f     Y: %.*f\n"
                                     "Embedded end of geogrid - X: %.*f     Y: %.*f\n",
                                     cd, headX, cd, headY, cd, endX, cd, headY));
    return true;
}

void Cpp_Geogrid::WriteKLIVEN4InputDataFile(std::FILE* file) const {
    const int n = CoordinateWriteDecimals();
    std::fputs(("          " + SeparatedField(FormatText("%10d", geogridType)) +
                SeparatedField(FormatText("%10d", facing)) +
                SeparatedField(FormatText("%20.*f", Cpp_KlivenSettings::LengthDecimals(), length)) +
                "\n")
                   .c_str(),
               file);
    std::fputs(("          " + SeparatedField(FormatText("%20.*e", n, headX)) +
                SeparatedField(FormatText("%20.*e", n, headY)) +
                SeparatedField(FormatText("%20.*e", n, endX)) + "\n")
                   .c_str(),
               file);
}

Cpp_Geogrid* Cpp_IndividualGeogridList::AddEmptyGeogrid() {
    grids_.push_back(std::make_unique<Cpp_Geogrid>());
    return grids_.back().get();
}

Cpp_Geogrid* Cpp_IndividualGeogridList::AddGeogrid(double y, double length, int type, int facing) {
    Cpp_Geogrid* g = AddEmptyGeogrid();
    g->SetDefinition(y, length, type, facing);
    return g;
}

Cpp_Geogrid* Cpp_IndividualGeogridList::AddCopy(const Cpp_Geogrid& grid) {
    grids_.push_back(std::make_unique<Cpp_Geogrid>(grid));
    return grids_.back().get();
}

bool Cpp_IndividualGeogridList::DeleteGeogrid(const Cpp_Geogrid* grid) {
    const auto it = std::find_if(grids_.begin(), grids_.end(),
                                 [grid](const auto& g) { return g.get() == grid; });
    if (it == grids_.end()) return false;
    grids_.erase(it);
    return true;
}

void Cpp_IndividualGeogridList::RemoveLast() {
    if (!grids_.empty()) grids_.pop_back();
}

bool Cpp_IndividualGeogridList::GetBounds(double& xmin, double& xmax, double& ymin,
                                          double& ymax) const {
    Cpp_Extents extents;
    for (const auto& g : grids_) {
        extents.Add(g->headX, g->headY);
        extents.Add(g->endX, g->headY);
    }
    return extents.Get(xmin, xmax, ymin, ymax);
}

// ---------------------------------------------------------------- the data

Cpp_GeogridData::Cpp_GeogridData() {
    options.lengthUnit = GetUnitSystem() == UnitSystemSI ? LengthMeters : LengthFeet;
    options.forceUnit = ForcePounds;
}

Cpp_GeogridProperties Cpp_GeogridData::GetProperties(int i) const {
    if (i < 0 || i >= NumberOfPropertySets()) return {};
    return properties_[static_cast<size_t>(i)];
}

int Cpp_GeogridData::GetNumberOfGeogridTypes() { return static_cast<int>(StandardTypes().size()); }

s_GeogridType Cpp_GeogridData::GetStandardGeogridType(int i) {
    if (i < 0 || i >= GetNumberOfGeogridTypes()) return {};
    return StandardTypes()[static_cast<size_t>(i)];
}

bool Cpp_GeogridData::ReadIndividualGeogrids(std::FILE* input, std::FILE* echoFile) {
    for (const auto& g : grids_.Geogrids()) g->selected = false;
    loads::s_DataLine line;
    if (!ReadValues(input, line, 1)) {
        Error(kGeogridReadError);
        return false;
    }
    const int count = line.Int(0);
    for (int i = 1; i <= count; ++i) {
        Cpp_Geogrid* grid = grids_.AddEmptyGeogrid();
        if (!grid->ReadInput(input, echoFile, i)) {
            grids_.RemoveLast();
            ShowErrorMessage("Input Error", kGeogridReadError);
            return false;
        }
        if (grid->geogridType < 0 || grid->geogridType >= NumberOfPropertySets()) {
            ShowErrorMessage("Input Error",
                             FormatText("Geogrid type %1d of geogrid no. %1d is not one of the "
                                        "geogrid property sets.",
                                        grid->geogridType, i));
            grids_.RemoveLast();
            ShowErrorMessage("Input Error", kGeogridReadError);
            return false;
        }
    }
    return true;
}

bool Cpp_GeogridData::ReadInput(std::FILE* input, std::FILE* echoFile) {
    properties_.clear();
    layouts_.clear();
    loads::s_DataLine line;
    if (!ReadValues(input, line, 3)) {
        Error(kGeogridReadError);
        return false;
    }
    const int sets = std::max(0, line.Int(0));
    const int layouts = std::max(0, line.Int(1));
    layoutFacing = line.Int(2);
    for (int i = 0; i < sets; ++i) {
        Cpp_GeogridProperties set;
        if (!set.ReadInput(input)) {
            Error("Error in reading data for grid properties");
            Error(kGeogridReadError);
            return false;
        }
        properties_.push_back(std::move(set));
    }
    for (int i = 0; i < layouts; ++i) {
        Cpp_GeogridLayout layout;
        if (!layout.ReadInput(input) || layout.geogridType < 0 ||
            layout.geogridType >= NumberOfPropertySets()) {
            Error("Error in reading data for geogrid layout");
            Error(kGeogridReadError);
            return false;
        }
        layouts_.push_back(layout);
    }
    return ReadIndividualGeogrids(input, echoFile);
}

bool Cpp_GeogridData::WriteKLIVEN4InputDataFile(std::FILE* file) const {
    if (properties_.empty()) return true;
    std::fprintf(file, "GEOgrid data data follow -\n");
    std::fprintf(file, "     %10d     %10d     %1d\n", NumberOfPropertySets(),
                 static_cast<int>(layouts_.size()), layoutFacing);
    for (const Cpp_GeogridProperties& set : properties_) set.WriteKLIVEN4InputDataFile(file);
    for (const Cpp_GeogridLayout& layout : layouts_) layout.WriteKLIVEN4InputDataFile(file);
    std::fprintf(file, "     %1d = Number of individual geogrids.\n", grids_.Count());
    for (const auto& g : grids_.Geogrids()) g->WriteKLIVEN4InputDataFile(file);
    return true;
}

bool Cpp_GeogridData::EditGenerationOptions() {
    s_GeogridGenerationOptions edited = options;
    switch (GetUnitSystem()) {
    case UnitSystemEnglish:
        edited.lengthUnit = LengthFeet;
        edited.forceUnit = ForcePounds;
        break;
    case UnitSystemSI:
        edited.lengthUnit = LengthMeters;
        edited.forceUnit = ForceNewtons;
        break;
    default: GetOtherUnits(edited.lengthUnit, edited.forceUnit); break;
    }
    if (!ReinforcementGenerationDialogs().EditGeogridGenerationOptions(edited)) return false;
    options = edited;
    return true;
}

namespace {
const char* const kNoGridProperties = "There are no grid properties defined.  You must first enter "
                                      "grid properties before entering the grid layouts.";
}  // namespace

bool Cpp_GeogridData::EditProperties() {
    s_GeogridPropertiesDialogData data;
    data.types = properties_;
    Cpp_GeogridProperties& p = data.primed;
    p.fsBiological = 1.3;
    p.fsChemical = 2.0;
    p.fsCreep = 5.0;
    p.fsInstallationDamage = 3.0;
    p.fsJoints = 1.0;
    p.fStar = 0.5;
    p.interactionOption = Cpp_GeogridProperties::InteractionSpecified;
    p.fq = 0.0;
    p.alphaBeta = 0.0;
    p.rho = 0.0;
    p.alpha = 1.0;
    if (!NailGeogridDialogs().EditGeogridProperties(data)) return false;
    properties_ = std::move(data.types);
    return true;
}

bool Cpp_GeogridData::EditLayouts() {
    if (properties_.empty()) {
        ShowErrorMessage("Error", kNoGridProperties);
        return false;
    }
    s_GeogridLayoutsDialogData data;
    for (const Cpp_GeogridProperties& set : properties_) data.typeNames.push_back(set.name);
    data.layouts = layouts_;
    data.direction = layoutFacing == 1 ? 0 : layoutFacing == 2 ? 1 : -1;
    if (!NailGeogridDialogs().EditGeogridLayouts(data)) return false;
    std::vector<Cpp_GeogridLayout> stored;
    for (size_t i = 0; i < data.layouts.size(); ++i) {
        const Cpp_GeogridLayout& edited = data.layouts[i];
        if (edited.geogridType >= 0) {
            stored.push_back(edited);
        } else {
            // A layout without a type keeps only that.
            Cpp_GeogridLayout kept = i < layouts_.size() ? layouts_[i] : Cpp_GeogridLayout{};
            kept.geogridType = edited.geogridType;
            stored.push_back(kept);
        }
    }
    layouts_ = std::move(stored);
    if (data.direction == 0) layoutFacing = 1;
    if (data.direction == 1) layoutFacing = 2;
    return true;
}

bool Cpp_GeogridData::EditIndividualGeogrids(const Cpp_Line& slope) {
    if (properties_.empty()) {
        ShowErrorMessage("Error", kNoGridProperties);
        return false;
    }
    s_IndividualGeogridsDialogData data;
    for (const Cpp_GeogridProperties& set : properties_) data.typeNames.push_back(set.name);
    for (const auto& g : grids_.Geogrids()) data.grids.push_back(*g);
    std::stable_sort(data.grids.begin(), data.grids.end(),
                     [](const Cpp_Geogrid& a, const Cpp_Geogrid& b) { return a.headY < b.headY; });
    data.slope = &slope;
    if (!NailGeogridDialogs().EditIndividualGeogrids(data)) return false;
    grids_.DeleteAllGeogrids();
    for (const Cpp_Geogrid& g : data.grids) grids_.AddCopy(g);
    return true;
}

bool Cpp_GeogridData::ChooseFaceIntersection(const std::vector<double>& xs, int& index) {
    int chosen = -1;
    if (!ReinforcementGenerationDialogs().ChooseXValue(xs, chosen)) return false;
    if (chosen < 0 || chosen >= static_cast<int>(xs.size())) return false;
    index = chosen;
    return true;
}

bool Cpp_GeogridData::GenerateReinforcementLines(Cpp_ReinforcementLineList& list,
                                                 const OverburdenStressFunction& overburden,
                                                 const Cpp_Line& slope, double lengthTolerance,
                                                 WindowHandle parent) {
    (void)lengthTolerance;  // the overburden function carries the data set's tolerance
    if (properties_.empty()) {
        Error("No geogrid properties - cannot generate reinforcement lines.  Enter geogrid "
              "properties first");
        return false;
    }
    const bool haveLayouts = !layouts_.empty();
    const bool haveGrids = grids_.Count() > 0;
    if (haveLayouts && haveGrids) {
        Error("Both geogrid layouts and individual geogrids exist - cannot generate reinforcement "
              "for both.");
        return false;
    }
    if (!haveLayouts && !haveGrids) {
        Error("No geogrid layouts or individual geogrids to generate reinforcement for.");
        return false;
    }
    if (!EditGenerationOptions()) return false;
    const int unit = ForcePerLengthUnitIndex(options.lengthUnit, options.forceUnit);
    if (unit < 0) {
        s_UnitType length, force;
        length.SetUnit(options.lengthUnit);
        force.SetUnit(options.forceUnit);
        Error(FormatText("Length units (= %s) and force units (= %s) are not compatible.",
                         length.LengthWord(), force.ForceWord()));
        return false;
    }
    std::vector<s_GeneratedReinforcementLine> lines;
    const bool ok = haveLayouts ? GenerateLayoutReinforcement(overburden, slope, unit, lines)
                                : GenerateForIndividualGeogrids(overburden, slope, unit, lines);
    if (!ok) return false;
    TransferGeneratedLines(list, lines, parent);
    return true;
}

bool Cpp_GeogridData::GenerateLayoutReinforcement(
    const OverburdenStressFunction& overburden, const Cpp_Line& slope, int forcePerLengthUnit,
    std::vector<s_GeneratedReinforcementLine>& lines) {
    lines.clear();
    int facing = 0;
    std::vector<double> xs, angles;
    // The slope's overall direction decides the facing of a first layer that meets a
    // horizontal stretch of the slope.
    int overallFacing = 0;
    if (slope.HasSegment()) {
        const double rise = slope.LastPoint()->Y() - slope.FirstPoint()->Y();
        overallFacing = rise > 0.0 ? 1 : rise < 0.0 ? 2 : 0;
    }
    for (size_t li = 0; li < layouts_.size(); ++li) {
        const Cpp_GeogridLayout& layout = layouts_[li];
        const int lu = options.lengthUnit;
        const double lowLength = layout.lowestLength.LengthIn(lu);
        const double highLength = layout.highestLength.LengthIn(lu);
        const double ylow = layout.lowestElevation.LengthIn(lu);
        const double s = layout.verticalSpacing.LengthIn(lu);
        const int n = layout.numberOfLayers;
        const double tolerance = std::max(lowLength, highLength) * 1e-6;
        const double yhigh = n >= 2 ? ylow + (n - 1) * s : ylow;
        const double rate =
            n >= 2 && yhigh != ylow ? (highLength - lowLength) / (yhigh - ylow) : 0.0;
        double y = ylow;
        for (int j = 0; j < n; ++j, y += s) {
            const double length = lowLength + (y - ylow) * rate;
            const int count = slope.XValuesAtY(y, xs, angles);
            double x = 0.0, angle = 0.0;
            if (count == 0) {
                Error(FormatText(
                    "Geogrid layout number %d, layer number %d at y = %1.3f (%1.6e) does "
                    "not intersect the slope face.  Unable to generate the "
                    "reinforcement lines.",
                    static_cast<int>(li) + 1, j + 1, y, y));
                return false;
            }
            if (count == 1) {
                x = xs[0];
                angle = angles[0];
            } else {
                int chosen = -1;
                const std::vector<double> offered(xs.begin(), xs.begin() + count);
                if (!ChooseFaceIntersection(offered, chosen)) return false;
                x = xs[static_cast<size_t>(chosen)];
                angle = angles[static_cast<size_t>(chosen)];
            }
            if (angle > 0.0)
                facing = 1;
            else if (angle < 0.0)
                facing = 2;
            else if (facing == 0)
                facing = overallFacing;
            if (facing == 0) {
                Error(FormatText("Geogrid layout number %d, layer number %d at y = %1.3f meets a "
                                 "horizontal part of a level slope: the direction of the geogrid "
                                 "cannot be found.  Unable to generate the reinforcement lines.",
                                 static_cast<int>(li) + 1, j + 1, y));
                return false;
            }
            s_GeneratedReinforcementLine line;
            if (!GenerateGeogridReinforcement(static_cast<int>(lines.size()) + 1, y, x, length,
                                              layout.geogridType, facing, tolerance, overburden,
                                              slope, forcePerLengthUnit, line))
                return false;
            lines.push_back(std::move(line));
        }
    }
    return true;
}

bool Cpp_GeogridData::GenerateForIndividualGeogrids(
    const OverburdenStressFunction& overburden, const Cpp_Line& slope, int forcePerLengthUnit,
    std::vector<s_GeneratedReinforcementLine>& lines) {
    lines.clear();
    double longest = 0.0;
    for (const auto& g : grids_.Geogrids()) longest = std::max(longest, g->length);
    const double tolerance = longest * 1e-6;
    for (const auto& g : grids_.Geogrids()) {
        double y, length;
        int type, facing;
        g->GetDefinition(y, length, type, facing);
        s_GeneratedReinforcementLine line;
        if (!GenerateGeogridReinforcement(static_cast<int>(lines.size()) + 1, y, g->headX, length,
                                          type, facing, tolerance, overburden, slope,
                                          forcePerLengthUnit, line))
            return false;
        lines.push_back(std::move(line));
    }
    return true;
}

bool Cpp_GeogridData::GenerateGeogridReinforcement(int number, double y, double x0, double length,
                                                   int type, int facing, double tolerance,
                                                   const OverburdenStressFunction& overburden,
                                                   const Cpp_Line& slope, int forcePerLengthUnit,
                                                   s_GeneratedReinforcementLine& line) {
    if (type < 0 || type >= NumberOfPropertySets()) {
        Error(FormatText("Geogrid number %d: geogrid type %d is not one of the geogrid property "
                         "sets.  Unable to generate the reinforcement lines.",
                         number, type));
        return false;
    }
    const Cpp_GeogridProperties& set = properties_[static_cast<size_t>(type)];
    const s_UnitValueType ta = set.AllowableStrength();
    const double Ta = ta.value == 0.0 ? 0.0 : ta.ForcePerLengthIn(forcePerLengthUnit);

    int m = 0;
    if (options.incrementOption == s_GeogridGenerationOptions::NumberOfIncrements) {
        m = options.numberOfIncrements;
    } else if (options.incrementOption == s_GeogridGenerationOptions::IncrementDistance) {
        if (options.incrementDistance > 0.0)
            m = static_cast<int>(std::trunc((length - tolerance) / options.incrementDistance)) + 1;
    } else {
        return false;
    }
    if (m < 1 || !(length > 0.0)) {
        Error(FormatText("Geogrid number %d: length = %1.3f with %d increments leaves nothing to "
                         "integrate over.  The number of increments must be at least 1.  Unable to "
                         "generate the reinforcement lines.",
                         number, length, m));
        return false;
    }
    if (facing != 1 && facing != 2) {
        Error(FormatText("Geogrid number %d: the facing of the slope (= %d) must be 1 (left) or 2 "
                         "(right).  Unable to generate the reinforcement lines.",
                         number, facing));
        return false;
    }
    const double e = facing == 1 ? 1.0 : -1.0;
    const double delta = length / m;
    std::vector<double> x(static_cast<size_t>(m) + 1), p(static_cast<size_t>(m) + 1);
    double xk = x0;
    for (int k = 0; k <= m; ++k, xk += e * delta) {
        bool outside = false;
        const double surface = slope.YLine(xk, VERTICAL_HIGHEST, outside);
        double sigma = 0.0;
        if (outside || !overburden || !overburden(xk, y, surface, sigma)) sigma = 0.0;
        x[static_cast<size_t>(k)] = xk;
        p[static_cast<size_t>(k)] = set.PulloutResistancePerLength(sigma);
    }
    std::vector<s_GeogridCurvePoint> points;
    const e_GeogridCurveResult result =
        GeogridForcePoints(x, p, e, set.DevelopedForceAtFace(forcePerLengthUnit), Ta,
                           options.stopIfNotDeveloped, points);
    if (result != e_GeogridCurveResult::Ok) {
        const std::string text = GeogridCurveMessage(result);
        if (!text.empty()) Error(text);
        return false;
    }
    line.number = number;
    line.description = FormatText("Goegrid number %1ld", static_cast<long>(number));
    line.angle = 0.0;
    line.option = 1;
    line.points.clear();
    for (const s_GeogridCurvePoint& pt : points) line.points.push_back({pt.x, y, pt.force, 0.0});
    return true;
}
