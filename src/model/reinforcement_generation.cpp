#include "model/reinforcement_generation.h"

#include "loads/loads_data.h"
#include "model/data_check.h"
#include "model/data_set.h"
#include "profile/material_properties.h"

bool GenerateNailReinforcement(Cpp_Kliven4DataSet& dataSet, WindowHandle parent) {
    const Cpp_Line slope = dataSet.SlopeGeometry().CopySlopeLine();
    Cpp_LoadsData& loads = dataSet.Loads();
    return loads.nails.GenerateReinforcementLines(loads.reinforcement, slope, parent);
}

bool GenerateGeogridReinforcement(Cpp_Kliven4DataSet& dataSet, WindowHandle parent) {
    const Cpp_MaterialPropertiesList& materials = dataSet.MaterialData().GetMaterialList();
    s_MaterialQuery query;
    query.exists = [&](int m) { return materials.FindMaterialConst(m) != nullptr; };
    if (!dataSet.ProfileLines().LinesWithoutMaterial(query).empty()) {
        ShowErrorMessage("ERROR", "Unable to generate reinforcement lines for geogrids - there are "
                                  "no material properties for at least one of the profile lines.");
        return false;
    }
    const Cpp_Line slope = dataSet.SlopeGeometry().CopySlopeLine();
    const double tolerance = DataSetLengthTolerance(dataSet);
    const UnitWeightLookup unitWeight = [&](int m, int stage, double x, double& w) {
        const Cpp_MaterialProperties* material = materials.FindMaterialConst(m);
        return material && material->UnitWeight(stage, x, w);
    };
    const Cpp_ProfileLineList& profile = dataSet.ProfileLines();
    const OverburdenStressFunction overburden = [&](double x, double y, double surface,
                                                    double& stress) {
        return profile.OverburdenStress(x, y, surface, 1, tolerance, unitWeight, stress);
    };
    Cpp_LoadsData& loads = dataSet.Loads();
    return loads.geogrids.GenerateReinforcementLines(loads.reinforcement, overburden, slope,
                                                     tolerance, parent);
}
