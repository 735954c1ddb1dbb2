// The analysis items and the tension crack at their layers of the data set's drawing, and the
// display flags of the analysis data taken from the data set's record.

#include "model/analysis_layers.h"

#include "analysis/analysis_computation_data.h"
#include "analysis/analysis_drawing.h"
#include "graphics/graphics.h"
#include "model/data_set.h"
#include "model/data_sets.h"
#include "profile/slope_drawing.h"
#include "profile/slope_geometry.h"
#include "registry/data_set_drawing.h"
#include "registry/display_selections.h"

namespace {

using A = Cpp_AnalysisComputationData;

void AnalysisLayer(Cpp_Kliven4DataSet& ds, const s_DrawContextType&) {
    const A& a = ds.Analysis();
    if (!a.HasData()) return;
    if (a.GetDisplaySlipSurfacePoints()) DrawSlipSurfacePoints(a);
    if (a.GetDisplaySlipSurface()) DrawSlipSurface(a);
    if (a.GetDisplayNoncircularSearchPoints()) DrawNoncircularSearchPoints(a);
    if (a.GetDisplayCenter()) DrawCenter(a);
    if (a.GetDisplayRadiusItems()) DrawRadiusItems(a);
    if (a.GetDisplaySearchGrid()) DrawSearchGrid(a);
}

// The computed results: only the factor-of-safety triangulations are drawn, and only with
// results and their switch on.
void ResultsLayer(Cpp_Kliven4DataSet& ds, const s_DrawContextType&) {
    const Cpp_ResultsDisplay& results = ds.ResultsDisplay();
    if (results.HasResults() && results.GetDisplaySwitch(7)) results.DrawFTriangulations();
}

// The crack of the analysis data with the slope's tension crack: crack bottom and water surface,
// then tension crack and water.
void Crack(Cpp_Kliven4DataSet& ds, const s_DrawContextType&) {
    const Cpp_Crack& crack = ds.AnalysisComputationData()->GetCrack();
    if (crack.GetShowCrack()) DrawCrackBottom(crack, true);
    if (crack.GetShowCrackWater()) DrawWaterSurface(crack, true);
    const Cpp_SlopeGeometry& g = ds.SlopeGeometry();
    if (g.GetShowTensionCrack()) DrawTensionCrack(g, crack);
    if (g.GetShowCrackWater()) DrawCrackWaterSurface(g);
}

// Palette options 35 to 38: the centre, then the first two of the owner's default flags (slip
// surface, its points), then the search grid.
void ApplyFlags(Cpp_Kliven4DataSet& ds, const s_DisplayFlagsType& f) {
    A& a = *ds.AnalysisComputationData();
    a.SetDisplayFlags(f.analysis1, f.analysis2, f.initialCentre, f.noncircularSearchPoints,
                      a.GetDisplayRadiusItems(), f.searchGrid);
}

void ApplyDefaults(const s_DisplayFlagsType& f) {
    bool slip = true, points = true, centre = true, radius = true, grid = true;
    A::GetDefaultDisplayFlags(slip, points, centre, radius, grid);
    A::SetDefaultDisplayFlags(f.analysis1, f.analysis2, f.initialCentre, f.noncircularSearchPoints,
                              radius, f.searchGrid);
}

// The scales of the result diagrams, computed with each fit of the mapping.
class SliceScales final : public Cpp_Graphics::ScaleParticipant {
public:
    bool RecomputeScale(int unitSystem) override {
        Cpp_Slices::ComputeScaleA(unitSystem);
        Cpp_Slices::ComputeScaleB(unitSystem);
        Cpp_Slices::ComputeScaleC();
        Cpp_Slices::ComputeScaleD(unitSystem);
        return true;
    }
};
SliceScales g_sliceScales;

}  // namespace

void UpdateSliceScaleMaxima() {
    Cpp_Slices::SetLargestValueA(Cpp_Kliven4Data::MaximumSliceValue());
    Cpp_Slices::SetLargestValueF(Cpp_Kliven4Data::MaximumSliceQuantity(0));
    Cpp_Slices::SetLargestValueC(Cpp_Kliven4Data::MaximumSliceQuantity(2));
    Cpp_Slices::SetLargestValueE(Cpp_Kliven4Data::MaximumSliceQuantity(1));
    Cpp_Slices::SetLargestValueB(Cpp_Kliven4Data::MaximumSliceQuantity(3));
    Cpp_Slices::SetLargestValueD(Cpp_Kliven4Data::MaximumSliceQuantity(4));
}

void RegisterAnalysisDrawing() {
    Cpp_DataSetDrawing::Register(e_DrawLayer::FirstResults, "results display", &ResultsLayer);
    Cpp_DataSetDrawing::Register(e_DrawLayer::Crack, "tension crack", &Crack);
    Cpp_DataSetDrawing::Register(e_DrawLayer::Analysis, "analysis items", &AnalysisLayer);
    Cpp_DisplaySelections::RegisterOwner(&ApplyFlags, &ApplyDefaults);
    Cpp_Graphics::AddScaleParticipant(&g_sliceScales);
    UpdateSliceScaleMaxima();
}
