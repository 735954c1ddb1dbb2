// The profile, the slope and the material tables at their layers of the data set's drawing,
// and the placing of the material labels before each paint. (The tension crack belongs to the
// analysis data, whose drawing registers its layer.)

#include "model/profile_layers.h"

#include "graphics/graphics.h"
#include "model/data_set.h"
#include "profile/material_properties.h"
#include "profile/material_table_drawing.h"
#include "profile/profile_drawing.h"
#include "profile/profile_line.h"
#include "profile/slope_drawing.h"
#include "profile/slope_geometry.h"
#include "registry/data_set_drawing.h"
#include "registry/view_preparations.h"

#include <cmath>

namespace {

// The floor of the regions: the lowest visible y when it is below the profile, stepped by
// the visible height so a pan keeps it (and the region polygons with it).
double RegionFloor(const Cpp_ProfileLineList& list, double lowestVisibleY) {
    const double dataFloor = list.RegionFloor(1e300);
    if (lowestVisibleY >= dataFloor) return dataFloor;
    const auto v = Cpp_Graphics::GetVisibleWindow();
    const double h = v.ymax - v.ymin;
    if (!(h > 0)) return lowestVisibleY;
    return dataFloor - std::ceil((dataFloor - lowestVisibleY) / h) * h;
}

void Regions(Cpp_Kliven4DataSet& ds, const s_DrawContextType& c) {
    const Cpp_ProfileLineList& list = ds.ProfileLines();
    if (!list.GetShowMaterialFill() || list.IsEmpty()) return;
    const Cpp_MaterialPropertyData& materials = ds.MaterialData();
    SetMaterialAppearanceLookup([&materials](int number, s_MaterialAppearanceType& m) {
        const Cpp_MaterialProperties* p = materials.GetMaterialList().FindMaterialConst(number);
        if (!p) return false;
        m.hasOwnColour = p->HasOwnColour();
        m.colour = p->GetColour();
        m.fillPattern = p->GetFillPattern();
        return true;
    });
    try {
        DrawMaterialRegions(list, 1, RegionFloor(list, c.lowestVisibleY));
    } catch (...) {
        SetMaterialAppearanceLookup(nullptr);
        throw;
    }
    SetMaterialAppearanceLookup(nullptr);
}

void ProfileLines(Cpp_Kliven4DataSet& ds, const s_DrawContextType&) {
    const Cpp_ProfileLineList& list = ds.ProfileLines();
    if (list.GetShowPoints()) DrawProfilePoints(list);
    if (list.GetShowLines()) DrawProfileLines(list);
    if (list.GetShowCheckMarks()) DrawProfileCheckMarks(list);
}

void MaterialNumbers(Cpp_Kliven4DataSet& ds, const s_DrawContextType&) {
    Cpp_ProfileLineList& list = ds.ProfileLines();
    if (list.GetShowMaterialNumbers()) DrawMaterialNumbers(list);
}

void Slope(Cpp_Kliven4DataSet& ds, const s_DrawContextType&) {
    const Cpp_SlopeGeometry& g = ds.SlopeGeometry();
    if (g.GetSlopeLine().GetShowSlopePoints()) DrawSlopePoints(g);
    if (g.GetSlopeLine().GetShowSlopeLine()) DrawSlopeLine(g);
}

void ProfileLabels(Cpp_Kliven4DataSet& ds, const s_DrawContextType&) {
    Cpp_ProfileLineList& list = ds.ProfileLines();
    if (list.GetShowLineNumbers()) DrawProfileLineNumbers(list);
    if (list.GetShowPointCoordinates()) DrawProfilePointCoordinates(list);
}

void MaterialTables(Cpp_Kliven4DataSet& ds, const s_DrawContextType& c) {
    DrawMaterialTables(ds.MaterialData(), ds.IsMultiStage(), c.rect);
}

void PlaceLabels(Cpp_Kliven4DataSet& ds) {
    const auto v = Cpp_Graphics::GetVisibleWindow();
    ds.ProfileLines().PlaceMaterialLabels(v.xmin, v.xmax, v.ymin, v.ymax);
}

void ApplyFlags(Cpp_Kliven4DataSet& ds, const s_DisplayFlagsType& f) {
    Cpp_ProfileLineList& list = ds.ProfileLines();
    list.SetShowLines(f.profileLines);
    list.SetShowPoints(f.profilePoints);
    list.SetShowLineNumbers(f.profileNumbers);
    list.SetShowMaterialFill(f.materialFill);
    list.SetShowMaterialNumbers(f.materialNumbers);
    list.SetShowPointCoordinates(f.profileCoordinates);
    Cpp_SlopeGeometry& g = ds.SlopeGeometry();
    g.GetSlopeLine().SetShowSlopeLine(f.slopeLine);
    g.GetSlopeLine().SetShowSlopePoints(f.slopePoints);
    g.SetDisplayFlag(f.slopeGeometry[0]);
    g.SetShowCrackWater(f.slopeGeometry[1]);
    Cpp_MaterialPropertyData& materials = ds.MaterialData();
    for (int stage : {1, 2}) {
        materials.SetShowTable(stage, f.materialTable[stage - 1]);
        materials.TableLayout(stage).SetShown(f.materialTable[stage - 1]);
    }
}

void ApplyDefaults(const s_DisplayFlagsType& f) {
    Cpp_ProfileLineList::SetDefaultDisplayFlags(f.profileLines, f.profilePoints, f.profileNumbers,
                                                f.materialNumbers, f.materialFill);
    Cpp_SlopeLine::SetDefaultDisplayFlags(f.slopeLine, f.slopePoints);
    Cpp_SlopeGeometry::SetDefaultDisplayFlags(f.slopeGeometry[0], f.slopeGeometry[1]);
    for (int stage : {1, 2})
        Cpp_MaterialPropertyData::SetDefaultShowTable(stage, f.materialTable[stage - 1]);
}

}  // namespace

void RegisterProfileDrawingLayers() {
    Cpp_DisplaySelections::RegisterOwner(&ApplyFlags, &ApplyDefaults);
    Cpp_DataSetDrawing::Register(e_DrawLayer::MaterialRegions, "material regions", &Regions);
    Cpp_DataSetDrawing::Register(e_DrawLayer::ProfileLines, "profile lines", &ProfileLines);
    Cpp_DataSetDrawing::Register(e_DrawLayer::MaterialNumbers, "material numbers",
                                 &MaterialNumbers);
    Cpp_DataSetDrawing::Register(e_DrawLayer::Slope, "slope", &Slope);
    Cpp_DataSetDrawing::Register(e_DrawLayer::ProfileLabels, "profile line numbers",
                                 &ProfileLabels);
    Cpp_DataSetDrawing::Register(e_DrawLayer::MaterialTables, "material tables", &MaterialTables);
    RegisterViewPreparation(&PlaceLabels);
}
