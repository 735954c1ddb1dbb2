#include "model/point_stresses.h"

#include "core/format_text.h"
#include "core/message_boxes.h"
#include "model/data_check.h"
#include "model/data_set.h"
#include "porepressure/pore_pressure.h"
#include "profile/material_properties.h"

namespace {

bool Fail(const std::string& text) {
    ShowErrorMessage("ERROR", text);
    return false;
}

}  // namespace

bool OverburdenPressure(const Cpp_Kliven4DataSet& dataSet, double x, double y, double& depth,
                        double& overburden) {
    depth = 0.0;
    overburden = 0.0;
    bool outside = true;
    const double surface = dataSet.SlopeGeometry().GetSlopeLine().YLine(x, 3, outside);
    if (outside)
        return Fail(
            "Unable to compute overburden pressure because point is outside of bounds of current slope.");
    const Cpp_MaterialPropertiesList& materials = dataSet.MaterialData().GetMaterialList();
    s_MaterialQuery query;
    query.exists = [&](int m) { return materials.FindMaterialConst(m) != nullptr; };
    if (!dataSet.ProfileLines().LinesWithoutMaterial(query).empty())
        return Fail(
            "Unable to compute overburden pressure - there are no material properties for at least one of the profile lines.");
    depth = surface - y;
    const UnitWeightLookup unitWeight = [&](int m, int stage, double at, double& w) {
        const Cpp_MaterialProperties* material = materials.FindMaterialConst(m);
        return material && material->UnitWeight(stage, at, w);
    };
    if (!dataSet.ProfileLines().OverburdenStress(x, y, surface, Cpp_Kliven4DataSet::CurrentStage(),
                                                 DataSetLengthTolerance(dataSet), unitWeight,
                                                 overburden))
        return Fail("Not able to compute overburden pressure.");
    return true;
}

bool PoreWaterPressureAtPoint(const Cpp_Kliven4DataSet& dataSet, double x, double y,
                              int& lineNumber, int& materialNumber, int stage, double& pressure,
                              std::string& description) {
    pressure = 0.0;
    const Cpp_MaterialPropertiesList& materials = dataSet.MaterialData().GetMaterialList();
    const Cpp_MaterialProperties* material = nullptr;
    bool byLine = true;
    auto missingMaterial = [&](int number) {
        return Fail(FormatText(
            "Unable to compute pore water pressure - could not find properties for material number %1d",
            number));
    };
    if (lineNumber > 0) {
        const Cpp_ProfileLine* line = dataSet.ProfileLines().FindProfileLine(lineNumber);
        if (!line)
            return Fail(FormatText(
                "Unable to compute pore water pressure - no data for Profile Line number %1d",
                lineNumber));
        materialNumber = line->GetMaterialNumber();
        material = materials.FindMaterialConst(materialNumber);
        if (!material) return missingMaterial(materialNumber);
    } else if (materialNumber > 0) {
        byLine = false;
        material = materials.FindMaterialConst(materialNumber);
        if (!material) return missingMaterial(materialNumber);
    } else {
        const Cpp_ProfileLine* line = dataSet.ProfileLines().FindLineAbovePoint(x, y);
        if (!line) return false;
        lineNumber = line->GetNumber();
        materialNumber = line->GetMaterialNumber();
        material = materials.FindMaterialConst(materialNumber);
        if (!material) return missingMaterial(materialNumber);
    }
    const Cpp_PorePressure& record = material->Stage(stage).GetPorePressureRecord();
    double rSubU = -1.0;
    std::string text;
    switch (record.GetOption()) {
    case 2: text = "There are no pore water pressures in this material."; break;
    case 3:
        pressure = record.GetValue();
        text = "Pore water pressures are specified as constant in this material.";
        break;
    case 4:
        rSubU = record.GetValue();
        text = FormatText(
            "Pore water pressures are specified by constant value of r-sub-u (= %1.3f) in this material.",
            rSubU);
        break;
    case 5: {
        const int piezometric = record.GetPiezometricLineNumber();
        const auto& query = RegisteredPiezometricPressureQuery();
        if (!query || !query(dataSet, stage, piezometric, x, y, pressure))
            return Fail(FormatText(
                "Unable to compute pore water pressures using data for material %1d\nPore water pressures were defined by piezometric line %d in this material.",
                materialNumber, piezometric));
        text =
            FormatText("Pore water pressures are defined by piezometric line %1d in this material.",
                       piezometric);
        break;
    }
    case 6:
    case 7: {
        const int kind = record.GetOption() == 6 ? 1 : 2;
        const auto& query = RegisteredInterpolatedValueQuery();
        double value = 0.0;
        const int found = query ? query(dataSet, stage, kind, materialNumber, x, y, value) : 1;
        if (found == 1)
            return Fail(FormatText(
                "Unable to compute pore water pressures for material number %d\nPore water pressures were defined by interpolation in this material and no suitable interpolation data could be found.",
                materialNumber));
        if (found != 0)
            return Fail(FormatText(
                "Unable to compute pore water pressures for material number %d\nPore water pressures were defined by interpolation in this material.",
                materialNumber));
        if (kind == 1) {
            pressure = value;
            text =
                "Pore water pressures are computed by interpolating values of pressure in this material.";
        } else {
            rSubU = value;
            text =
                "Pore water pressures are computed by interpolating values of pore water pressure coefficient (r-sub-u) in this material.";
        }
        break;
    }
    case 12: pressure = 0.0; return true;
    default: return false;
    }
    if (byLine)
        description = FormatText(
            "Pore water pressures were computed using Profile Line %d - Material %d.\n%s",
            lineNumber, materialNumber, text.c_str());
    else
        description =
            FormatText("Pore water pressures were computed using data for material %d.\n%s",
                       materialNumber, text.c_str());
    if (rSubU >= -0.5 && (record.GetOption() == 4 || record.GetOption() == 7)) {
        double depth = 0.0, overburden = 0.0;
        if (!OverburdenPressure(dataSet, x, y, depth, overburden))
            return Fail(
                "Unable to compute pore water pressure from r-sub-u value because could not get a value for overburden pressure.");
        pressure = overburden * rSubU;
    }
    pressure = record.ApplyNegativeRule(pressure);
    return true;
}
