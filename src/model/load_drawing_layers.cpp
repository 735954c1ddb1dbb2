#include "model/load_drawing_layers.h"

#include "graphics/graphics.h"
#include "loads/loads_data.h"
#include "model/data_set.h"
#include "model/data_sets.h"
#include "registry/data_set_drawing.h"
#include "registry/display_selections.h"

namespace {

class LoadScales final : public Cpp_Graphics::ScaleParticipant {
public:
    bool RecomputeScale(int unitSystem) override {
        Cpp_DistributedLoadData::ComputeLoadScale(unitSystem);
        Cpp_LineLoadList::ComputeForceScale(unitSystem);
        Cpp_ReinforcementLineList::ComputeForceScale(unitSystem);
        return true;
    }
    void SaveScale() override {
        Cpp_DistributedLoadData::SaveLoadScale();
        Cpp_LineLoadList::SaveForceScale();
        Cpp_ReinforcementLineList::SaveForceScale();
    }
    void RestoreScale() override {
        Cpp_DistributedLoadData::RestoreLoadScale();
        Cpp_LineLoadList::RestoreForceScale();
        Cpp_ReinforcementLineList::RestoreForceScale();
    }
};
LoadScales g_scales;
bool g_maximaSet = false;

void DistributedLoads(Cpp_Kliven4DataSet& ds, const s_DrawContextType&) {
    for (int s = 1; s <= 2; ++s) {
        const Cpp_DistributedLoadData& d = ds.Loads().DistributedLoads(s);
        if (d.showPoints) d.DrawPointSymbols();
    }
    for (int s = 1; s <= 2; ++s) {
        Cpp_DistributedLoadData& d = ds.Loads().DistributedLoads(s);
        if (d.showNormalStress || d.showShearStress)
            d.DrawDiagrams(d.showNormalStress, d.showShearStress);
    }
}

void LineLoads(Cpp_Kliven4DataSet& ds, const s_DrawContextType&) {
    for (int s = 1; s <= 2; ++s) {
        Cpp_LineLoadList& list = ds.Loads().LineLoads(s);
        if (list.display) list.Draw();
    }
}

void Reinforcement(Cpp_Kliven4DataSet& ds, const s_DrawContextType&) {
    Cpp_ReinforcementLineList& list = ds.Loads().reinforcement;
    double xmin = 0, xmax = 0, ymin = 0, ymax = 0;
    if (list.displayLongitudinalForce) list.DrawForces(true, xmin, xmax, ymin, ymax);
    if (list.displayTransverseForce) list.DrawForces(false, xmin, xmax, ymin, ymax);
    if (list.displayLines) list.Draw();
    if (list.displayPoints) list.DrawPoints();
}

void GeogridsAndNails(Cpp_Kliven4DataSet& ds, const s_DrawContextType&) {
    const Cpp_LoadsData& loads = ds.Loads();
    if (loads.geogrids.GetDisplayGeogrids()) loads.geogrids.Draw();
    if (loads.nails.GetDisplayNails()) loads.nails.Draw();
}

void LoadCoordinates(Cpp_Kliven4DataSet& ds, const s_DrawContextType&) {
    for (int s = 1; s <= 2; ++s) {
        const Cpp_DistributedLoadData& d = ds.Loads().DistributedLoads(s);
        if (d.showLabels) d.DrawPointLabels();
    }
}

void ApplyFlags(Cpp_Kliven4DataSet& ds, const s_DisplayFlagsType& f) {
    Cpp_LoadsData& loads = ds.Loads();
    for (int i = 0; i < 2; ++i) {
        Cpp_DistributedLoadData& d = loads.DistributedLoads(i + 1);
        d.showPoints = f.loadPoints[i];
        d.showNormalStress = f.loadDiagram[i];
        d.showShearStress = f.loadShear[i];
        d.showLabels = f.loadCoordinates[i];
        loads.LineLoads(i + 1).display = f.lineLoads[i];
    }
    loads.reinforcement.displayLines = f.reinforcement[0];
    loads.reinforcement.displayPoints = f.reinforcement[1];
    loads.reinforcement.displayLongitudinalForce = f.reinforcement[2];
    loads.reinforcement.displayTransverseForce = f.reinforcement[3];
}

void ApplyDefaults(const s_DisplayFlagsType& f) {
    for (int i = 0; i < 2; ++i) {
        Cpp_DistributedLoadData::SetDefaultDisplayFlags(i + 1, f.loadPoints[i], f.loadDiagram[i],
                                                        f.loadShear[i]);
        Cpp_LineLoadList::SetDefaultDisplayFlag(i + 1, f.lineLoads[i]);
    }
    Cpp_ReinforcementLineList::SetDefaultDisplayFlags(f.reinforcement[0], f.reinforcement[1],
                                                      f.reinforcement[2], f.reinforcement[3]);
}

// The scaling dialog of a selected load or force diagram.
class LoadScalingEditor final : public Cpp_Graphics::ScalingEditor {
public:
    bool Edit(int selectionType) override {
        switch (selectionType) {
        case 36:
        case 38:
        case 39: return Cpp_DistributedLoadData::ScaleDialog();
        case 62:
        case 64: return Cpp_LineLoadList::ScaleDialog();
        case 98:
        case 100:
        case 102:
        case 104: return Cpp_ReinforcementLineList::ScaleDialog();
        default: return false;
        }
    }
};
LoadScalingEditor g_scalingEditor;

}  // namespace

void ResetLoadScaleMaxima() { g_maximaSet = false; }

void UpdateLoadScaleMaxima() {
    Cpp_DistributedLoadData::SetLargestValue(Cpp_Kliven4Data::MaximumDistributedLoad());
    Cpp_LineLoadList::SetLargestForce(Cpp_Kliven4Data::MaximumLineLoad());
    Cpp_ReinforcementLineList::SetLargestForce(Cpp_Kliven4Data::MaximumReinforcementForce());
    g_maximaSet = true;
}

void RegisterLoadDrawingLayers() {
    Cpp_DisplaySelections::RegisterOwner(&ApplyFlags, &ApplyDefaults);
    Cpp_DataSetDrawing::Register(e_DrawLayer::DistributedLoads, "distributed loads",
                                 &DistributedLoads);
    Cpp_DataSetDrawing::Register(e_DrawLayer::LineLoads, "line loads", &LineLoads);
    Cpp_DataSetDrawing::Register(e_DrawLayer::Reinforcement, "reinforcement", &Reinforcement);
    Cpp_DataSetDrawing::Register(e_DrawLayer::GeogridsAndNails, "geogrids and nails",
                                 &GeogridsAndNails);
    Cpp_DataSetDrawing::Register(e_DrawLayer::LoadCoordinates, "load coordinates",
                                 &LoadCoordinates);
    Cpp_Graphics::AddScaleParticipant(&g_scales);
    Cpp_Graphics::ScalingEditorSlot().Set(&g_scalingEditor);
    if (!g_maximaSet) UpdateLoadScaleMaxima();
}
