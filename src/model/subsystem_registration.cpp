// The one registration point of the subsystems: the block readers, the block writers, the block
// checks and the drawing layers of profile, pore pressure, loads and analysis are all
// registered from here, into the registries of src/registry/. The program, the tests and the
// benchmarks call RegisterSubsystems (or one of its parts); the reader, the writer and the data
// check also call their part before they run, so a reader, writer or check a test registered
// first stays. This file sits above the subsystems it names, so it may include their headers;
// a subsystem adds its lines here when it gains a block, a check or a layer.

#include "model/subsystem_registration.h"

#include "analysis/analysis_drawing.h"
#include "core/data_error_output.h"
#include "core/output_settings.h"
#include "core/preferences.h"
#include "graphics/graphic_grid.h"
#include "graphics/views.h"
#include "loads/load_checks.h"
#include "model/analysis_layers.h"
#include "model/data_check.h"
#include "model/data_set.h"
#include "model/load_blocks.h"
#include "model/load_drawing_layers.h"
#include "model/porepressure_blocks.h"
#include "model/porepressure_drawing_layers.h"
#include "model/profile_layers.h"
#include "profile/material_properties.h"
#include "profile/slope_messages.h"
#include "registry/block_checks.h"
#include "registry/block_readers.h"
#include "registry/block_writers.h"

#include <cstdio>

namespace {

// ---- block readers

bool ReadHeadingBlock(s_BlockReadContext& c) {
    return c.dataSet.HeadingAddress()->ReadInput(c.olderFormat, c.input);
}

bool ReadAnalysisBlock(s_BlockReadContext& c) {
    return c.dataSet.AnalysisComputationData()->ReadInput(c.olderFormat, c.input, c.listing,
                                                          c.echo);
}

bool ReadLabelBlock(s_BlockReadContext& c) {
    return c.dataSet.HeadingAddress()->ReadLabel(c.input);
}

bool ReadUnitsBlock(s_BlockReadContext& c) {
    return ReadUnitsCommand(c.input, c.listing, c.unitSystem);
}

bool ReadMaterialsBlock(s_BlockReadContext& c) {
    return c.dataSet.MaterialData().ReadInput(c.input, c.listing, c.stage, c.echo);
}

// The views and the grid belong to the document, not to the data: a damaged block is noted in
// the listing and reading goes on.
bool ReadViewsBlock(s_BlockReadContext& c) {
    if (!ReadViews(c.input) && c.listing)
        std::fputs("The saved views block is damaged; views that could not be read are not set.\n",
                   c.listing);
    return true;
}

bool ReadGridBlock(s_BlockReadContext& c) {
    if (!Cpp_GraphicGrid::ReadInput(c.input) && c.listing)
        std::fputs("The grid settings block is damaged; settings that could not be read keep "
                   "their previous values.\n",
                   c.listing);
    return true;
}

// ---- block checks

s_MaterialQuery MaterialQueryOf(const Cpp_Kliven4DataSet& dataSet, bool multiStage) {
    const Cpp_MaterialPropertiesList* list = &dataSet.MaterialData().GetMaterialList();
    s_MaterialQuery query;
    query.exists = [list](int number) { return list->FindMaterialConst(number) != nullptr; };
    query.strengthOption = [list](int number, int stage) {
        const Cpp_MaterialProperties* m = list->FindMaterialConst(number);
        return m ? m->GetStrengthOption(stage) : 0;
    };
    query.stages = multiStage ? 2 : 1;
    return query;
}

bool CheckProfileLines(s_DataCheckContext& c) {
    const s_MaterialQuery materials = MaterialQueryOf(c.dataSet, c.multiStage);
    c.profileLinesPassed = c.dataSet.ProfileLines().CheckData(c.listing, c.tolerance, false,
                                                              c.profileCheckFlag != 0, &materials);
    return c.profileLinesPassed;
}

bool CheckSlopePresent(s_DataCheckContext& c) {
    Cpp_SlopeGeometry& slope = c.dataSet.SlopeGeometry();
    bool ok = true;
    if (!slope.HasSlopeData()) {
        if (!c.profileLinesPassed) {
            Cpp_Errors errors(c.listing);
            Cpp_SlopeMessages::BadProfileData5100();
            return false;
        }
        slope.DeleteAll();
        if (!slope.Generate(c.dataSet.ProfileLines(), false, c.listing)) return false;
        slope.SetEnteredFlag(false);
        if (c.listing) {
            slope.PrintComputedHeader(c.listing, true);
            slope.PrintPoints(c.listing, CurrentOutputSettings().coordinateDecimals);
        }
    }
    if (slope.HasSlopeData()) {
        slope.DeleteCrackBottom();
        slope.DeleteCrackWater();
        if (const Cpp_Crack* crack = DataSetCrack(c.dataSet)) {
            if (!slope.ComputeCrackBottom(*crack, c.listing)) ok = false;
            if (!slope.ComputeCrackWaterLevels(*crack)) ok = false;
        }
    }
    return ok;
}

bool CheckMaterials(s_DataCheckContext& c) {
    return c.dataSet.MaterialData().GetMaterialList().Check(c.multiStage, &c.dataSet);
}

bool CheckSlopeGeometry(s_DataCheckContext& c) {
    return c.dataSet.SlopeGeometry().CheckData(c.listing);
}

bool CheckPiezometricLines(s_DataCheckContext& c) {
    bool ok = c.dataSet.PiezometricLines(1)->Check(c.listing);
    if (c.multiStage && !c.dataSet.PiezometricLines(2)->Check(c.listing)) ok = false;
    return ok;
}

bool CheckInterpolationData(s_DataCheckContext& c) {
    bool ok = c.dataSet.InterpolationData(1)->Check(1, c.listing);
    if (c.multiStage && !c.dataSet.InterpolationData(2)->Check(2, c.listing)) ok = false;
    if (!CheckInterpolationDataForMaterials(c.dataSet, c.listing)) ok = false;
    return ok;
}

// Distributed loads, line loads and reinforcement run under their own banners.
bool CheckLoads(s_DataCheckContext& c) {
    return CheckLoadsAndReinforcement(c.dataSet.Loads(), &c.dataSet.SlopeGeometry().GetSlopeLine(),
                                      c.tolerance, c.multiStage, c.listing);
}

bool CheckAnalysis(s_DataCheckContext& c) {
    return c.dataSet.AnalysisComputationData()->Check(c.dataSet.SlopeGeometry(), c.tolerance,
                                                      c.listing);
}

}  // namespace

void InitializeBlockReaders() {
    RegisterPorePressureQueries();
    RegisterBlockReader("PIE", ReadPiezometricLineBlock);
    RegisterBlockReader("INT", ReadInterpolationBlock);
    RegisterBlockReader("EXT", ReadExternalFileBlock);
    RegisterBlockReader("HEA", ReadHeadingBlock);
    RegisterBlockReader("LAB", ReadLabelBlock);
    RegisterBlockReader("ENG", ReadUnitsBlock);
    RegisterBlockReader("SIU", ReadUnitsBlock);
    RegisterBlockReader("OTH", ReadUnitsBlock);
    RegisterBlockReader("MAT", ReadMaterialsBlock);
    RegisterBlockReader("VIE", ReadViewsBlock);
    RegisterBlockReader("GRI", ReadGridBlock);
    RegisterBlockReader("ANA", ReadAnalysisBlock);
    RegisterBlockReader("DIS", ReadDistributedLoadsBlock);
    RegisterBlockReader("LIN", ReadLineLoadsBlock);
    RegisterBlockReader("REI", ReadReinforcementBlock);
    RegisterBlockReader("NAI", ReadNailsBlock);
    RegisterBlockReader("GEO", ReadGeogridsBlock);
    RegisterBlockReader("PRO", [](s_BlockReadContext& c) {
        return c.dataSet.ProfileLines().ReadInput(c.parent, c.input, c.listing, c.echo);
    });
    RegisterBlockReader("SLO", [](s_BlockReadContext& c) {
        return c.dataSet.SlopeGeometry().ReadInput(c.input, c.listing, c.echo);
    });
}

void InitializeBlockWriters() {
    RegisterPorePressureBlockWriters();
    RegisterLoadBlockWriters();
    RegisterDefaultBlockWriter(
        e_WriterBlock::Analysis, [](Cpp_Kliven4DataSet& d, std::FILE* f, int, bool document) {
            return d.AnalysisComputationData()->WriteKLIVEN4InputDataFile(f, document);
        });
    RegisterDefaultAnalysisQueries(
        [](const Cpp_Kliven4DataSet& d) { return d.Analysis().IsMultiStage(); },
        [](const Cpp_Kliven4DataSet& d) { return d.Analysis().HasData(); });
    RegisterDefaultBlockWriter(e_WriterBlock::ProfileLines,
                               [](Cpp_Kliven4DataSet& d, std::FILE* f, int, bool) {
                                   return d.ProfileLines().WriteInputDataFile(f);
                               });
    RegisterDefaultBlockWriter(e_WriterBlock::SlopeGeometry,
                               [](Cpp_Kliven4DataSet& d, std::FILE* f, int, bool) {
                                   return d.SlopeGeometry().WriteInputDataFile(f);
                               });
    RegisterDefaultDataCheck([](Cpp_Kliven4DataSet& d) { return d.CheckData(0, nullptr); });
}

void InitializeBlockChecks() {
    RegisterDefaultBlockCheck(e_CheckBlock::ProfileLines, CheckProfileLines);
    RegisterDefaultBlockCheck(e_CheckBlock::SlopePresent, CheckSlopePresent);
    RegisterDefaultBlockCheck(e_CheckBlock::Materials, CheckMaterials);
    RegisterDefaultBlockCheck(e_CheckBlock::PiezometricLines, CheckPiezometricLines);
    RegisterDefaultBlockCheck(e_CheckBlock::InterpolationData, CheckInterpolationData);
    RegisterDefaultBlockCheck(e_CheckBlock::SlopeGeometry, CheckSlopeGeometry);
    RegisterDefaultBlockCheck(e_CheckBlock::DistributedLoads, CheckLoads);
    RegisterDefaultBlockCheck(e_CheckBlock::Analysis, CheckAnalysis);
}

void RegisterDrawingLayers() {
    RegisterProfileDrawingLayers();
    RegisterPorePressureDrawing();
    RegisterLoadDrawingLayers();
    RegisterAnalysisDrawing();
}

void RegisterSubsystems() {
    InitializeBlockReaders();
    InitializeBlockWriters();
    InitializeBlockChecks();
    RegisterDrawingLayers();
}
