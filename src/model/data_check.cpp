#include "model/data_check.h"

#include "analysis/analysis_computation_data.h"
#include "core/data_error_output.h"
#include "core/format_text.h"
#include "core/kliven4_messages.h"
#include "core/message_boxes.h"
#include "core/output_settings.h"
#include "core/text_line_dialogs.h"
#include "core/world_rect.h"
#include "graphics/graphics.h"
#include "loads/distributed_load_data.h"
#include "loads/line_load.h"
#include "loads/load_checks.h"
#include "loads/loads_data.h"
#include "loads/reinforcement_line.h"
#include "model/data_set.h"
#include "model/subsystem_registration.h"
#include "model/writer.h"
#include "porepressure/contours.h"
#include "porepressure/interpolation_data.h"
#include "porepressure/piezometric_line.h"
#include "porepressure/porepressure_messages.h"
#include "porepressure/triangle.h"
#include "profile/material_properties.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <map>

namespace {

const char* const kBanners[] = {
    "********** ERROR(S) OR WARNING(S) IN PROFILE LINE DATA **********\n",
    "",
    "********** ERROR(S) OR WARNING(S) IN MATERIAL PROPERTY DATA **********\n",
    "********** ERROR(S) OR WARNING(S) IN PIEZOMETRIC LINE DATA **********\n",
    "********** ERROR(S) OR WARNING(S) IN INTERPOLATION DATA **********\n",
    "********** ERROR(S) OR WARNING(S) IN SLOPE GEOMETRY DATA **********\n",
    "********** ERROR(S) OR WARNING(S) IN DISTRIBUTED LOAD DATA **********\n",
    "********** ERROR(S) OR WARNING(S) IN LINE LOAD DATA **********\n",
    "********** ERROR(S) OR WARNING(S) IN REINFORCEMENT DATA **********\n",
    "********** ERROR(S) OR WARNING(S) IN ANALYSIS/COMPUTATION DATA **********\n",
};

}  // namespace

const char* DataCheckBanner(e_CheckBlock block) { return kBanners[static_cast<int>(block)]; }

const Cpp_Crack* DataSetCrack(const Cpp_Kliven4DataSet& dataSet) {
    const auto& query = DataCheckRegistry().crack;
    return query ? query(dataSet) : &dataSet.Analysis().GetCrack();
}

bool CheckDataSet(Cpp_Kliven4DataSet& dataSet, int profileCheckFlag, std::FILE* listing) {
    Cpp_Errors errors(listing);
    double xmin = 0, xmax = 0, ymin = 0, ymax = 0;
    if (DataSetExtents(dataSet, xmin, xmax, ymin, ymax)) {
        Cpp_Graphics::SetDataRangeX(xmin, xmax);
        Cpp_Graphics::SetDataRangeY(ymin, ymax);
    }
    s_DataCheckContext context{
        dataSet,          listing, DataSetLengthTolerance(dataSet), dataSet.IsMultiStage(),
        profileCheckFlag, true};
    Cpp_KLIVEN4Messages::SetStatus(1);
    InitializeBlockChecks();
    bool failed = false;
    for (int b = 0; b < static_cast<int>(e_CheckBlock::Count); ++b) {
        const auto block = static_cast<e_CheckBlock>(b);
        const Cpp_BlockCheck& check = DataCheckRegistry().checks[b];
        Cpp_DataErrorOutput::SetErrorFile(listing);
        if (*DataCheckBanner(block))
            Cpp_DataErrorOutput::SetPendingTitle(DataCheckBanner(block));
        else
            Cpp_DataErrorOutput::DiscardPendingTitle();
        if (check && !check(context)) failed = true;
        Cpp_DataErrorOutput::DiscardPendingTitle();
    }
    return !failed;
}

bool Cpp_Kliven4DataSet::CheckData(int profileCheckFlag, std::FILE* listing) {
    return CheckDataSet(*this, profileCheckFlag, listing);
}

bool CheckInterpolationDataForMaterials(Cpp_Kliven4DataSet& dataSet, std::FILE* listing) {
    Cpp_Errors errors(listing);
    const Cpp_MaterialPropertiesList& list = dataSet.MaterialData().GetMaterialList();
    if (list.IsEmpty()) return true;
    const int stages = dataSet.IsMultiStage() ? 2 : 1;
    bool ok = true;
    auto hasKind = [](const Cpp_InterpolationData& data, int kind) {
        for (const auto& set : data.DataSets())
            if (set->Kind() == kind) return true;
        return false;
    };
    for (const Cpp_MaterialProperties* m : list.Materials()) {
        for (int stage = 1; stage <= stages; ++stage) {
            const Cpp_InterpolationData& data = *dataSet.InterpolationData(stage);
            const int p = m->GetPorePressureOption(stage);
            const int q = m->GetStrengthOption(stage);
            if (p >= 6 && p <= 11) {
                const int kind = (p % 2 == 0) ? 1 : 2;
                if (!hasKind(data, kind) && ((p == 6 && !data.PressureIsByMaterial()) ||
                                             (p == 7 && !data.RSubUIsByMaterial()))) {
                    Cpp_PorePressureMessages::Message4870(m->GetNumber(), stage);
                    ok = false;
                }
            }
            if (q == 9 || q == 15 || q == 16) {
                const int kind = q == 9 ? 3 : q == 15 ? 4 : 5;
                const bool byMaterial =
                    q == 16 ? data.COverPIsByMaterial() : data.StrengthIsByMaterial();
                if (!hasKind(data, kind) && !byMaterial) {
                    Cpp_PorePressureMessages::Message4880(m->GetNumber(), stage);
                    ok = false;
                }
            }
        }
    }
    auto uses = [](const Cpp_MaterialProperties& m, int stage, int kind) {
        const int p = m.GetPorePressureOption(stage);
        const int q = m.GetStrengthOption(stage);
        switch (kind) {
        case 1: return p == 6 || p == 8 || p == 10;
        case 2: return p == 7 || p == 9 || p == 11;
        case 3: return q == 9;
        case 4: return q == 15;
        case 5: return q == 16;
        case 6: return m.GetUnitWeightOption(stage) == 3;
        default: return false;
        }
    };
    for (int stage = 1; stage <= stages; ++stage) {
        for (const auto& set : dataSet.InterpolationData(stage)->DataSets()) {
            bool used = false;
            for (const Cpp_MaterialProperties* m : list.Materials())
                if (uses(*m, stage, set->Kind()) &&
                    (set->Material() == 0 || set->Material() == m->GetNumber()))
                    used = true;
            if (!used)
                Cpp_PorePressureMessages::MessageDataNotUsed(set->Kind(), set->Material(), stage);
        }
    }
    return ok;
}

bool DeleteTrianglesOutsideMaterial(Cpp_Kliven4DataSet& dataSet, Cpp_InterpolationDataSet& set,
                                    int stage) {
    const Cpp_MaterialPropertiesList& list = dataSet.MaterialData().GetMaterialList();
    auto matches = [&](int number) {
        const Cpp_MaterialProperties* m = list.FindMaterialConst(number);
        if (!m) return false;
        switch (set.Kind()) {
        case 1: return m->GetPorePressureOption(stage) == 6;
        case 2: return m->GetPorePressureOption(stage) == 7;
        case 3: return m->GetStrengthOption(stage) == 9;
        case 4: return m->GetStrengthOption(stage) == 15;
        case 5: return m->GetStrengthOption(stage) == 16;
        case 6: return m->GetUnitWeightOption(stage) == 3;
        default: return false;
        }
    };
    std::vector<Cpp_Triangle*> outside;
    for (Cpp_Triangle* t = set.GetTriangleList().First(); t; t = t->Next()) {
        double x = 0.0, y = 0.0;
        t->Centroid(x, y);
        const Cpp_ProfileLine* line = dataSet.ProfileLines().FindLineAbovePoint(x, y);
        const bool keep = line && (set.Material() != 0 ? line->GetMaterialNumber() == set.Material()
                                                       : matches(line->GetMaterialNumber()));
        if (!keep) outside.push_back(t);
    }
    if (outside.empty()) return false;
    set.GetTriangleList().DeleteTriangles(outside);
    set.GetContours().DeleteAll();
    return true;
}

bool CopyStage1ToStage2Properties(Cpp_Kliven4DataSet& dataSet, void* parent) {
    const Cpp_MaterialPropertiesList& list = dataSet.MaterialData().GetMaterialList();
    s_MaterialQuery query;
    query.exists = [&](int m) { return list.FindMaterialConst(m) != nullptr; };
    const std::vector<int> missing = dataSet.ProfileLines().LinesWithoutMaterial(query);
    if (!missing.empty()) {
        std::string text =
            "Profile Lines with the following number(s) have no material properties: ";
        for (size_t i = 0; i < missing.size(); ++i)
            text += FormatText(i == 0 ? "%1d" : ", %1d", missing[i]);
        text += ".  Continue anyway?";
        if (!AskYesNo(parent, "Warning", text)) return false;
    }
    dataSet.MaterialData().GetMaterialList().CopyFirstStageToSecondStage();
    return true;
}

bool CheckDataCommand(Cpp_Kliven4DataSet& dataSet, void* parent) {
    // A log that cannot be opened is reported by OpenErrorLog itself; the check runs regardless
    // and its messages still reach any listing.
    Cpp_DataErrorOutput::OpenErrorLog();
    const bool ok = CheckDataSet(dataSet, 1, nullptr);
    Cpp_DataErrorOutput::CloseErrorLog();
    Cpp_DataErrorOutput::DisplayErrorLog(parent, false);
    return ok;
}

bool DataSetExtents(const Cpp_Kliven4DataSet& dataSet, double& xmin, double& xmax, double& ymin,
                    double& ymax) {
    Cpp_Extents extents;
    double a, b, c, d;
    for (const auto& line : dataSet.ProfileLines().Lines())
        if (line->GetExtents(a, b, c, d)) extents.Add(a, b, c, d);
    for (int stage : {1, 2}) {
        for (const auto& line : dataSet.PiezometricLines(stage)->Lines())
            if (line->GetExtents(a, b, c, d)) extents.Add(a, b, c, d);
        if (dataSet.InterpolationData(stage)->GetExtents(a, b, c, d)) extents.Add(a, b, c, d);
    }
    if (dataSet.SlopeGeometry().GetExtents(a, b, c, d)) extents.Add(a, b, c, d);
    auto& ds = const_cast<Cpp_Kliven4DataSet&>(dataSet);
    for (int stage : {1, 2})
        for (const auto& p : ds.DistributedLoads(stage)->GetPoints()) extents.Add(p.x, p.y);
    if (ds.ReinforcementLines()->GetExtents(a, b, c, d)) extents.Add(a, b, c, d);
    if (LoadsExtents(dataSet.Loads(), a, b, c, d)) extents.Add(a, b, c, d);
    for (const auto& [name, contributor] : DataCheckRegistry().extents)
        if (contributor(dataSet, a, b, c, d)) extents.Add(a, b, c, d);
    if (const Cpp_Crack* crack = DataSetCrack(dataSet))
        if (crack->GetCrackPointExtents(a, b, c, d)) extents.Add(a, b, c, d);
    const Cpp_AnalysisComputationData& analysis = dataSet.Analysis();
    if (analysis.GetCircleBounds(a, b, c, d)) extents.Add(a, b, c, d);
    if (analysis.GetNoncircularBounds(a, b, c, d)) extents.Add(a, b, c, d);
    if (analysis.GetRadiusItemBounds(a, b, c, d)) extents.Add(a, b, c, d);
    // Computed results: the lowest slice base and the critical centre.
    const Cpp_ResultsDisplay& results = dataSet.ResultsDisplay();
    if (results.HasResults()) {
        if (results.GetCircleBounds(analysis.IsCircular(), a, b, c, d)) extents.Add(a, b, c, d);
        if (!extents.Get(xmin, xmax, ymin, ymax)) return false;
        if (dataSet.Slices().Count() > 0)
            ymin = std::min(ymin, dataSet.Slices().GetLowestBottomY());
        return true;
    }
    return extents.Get(xmin, xmax, ymin, ymax);
}

double DataSetLengthTolerance(const Cpp_Kliven4DataSet& dataSet) {
    double xmin, xmax, ymin, ymax;
    if (!DataSetExtents(dataSet, xmin, xmax, ymin, ymax)) return 0.0;
    return 1e-8 * std::hypot(xmax - xmin, ymax - ymin);
}

std::vector<std::string> SummaryLines(const Cpp_Kliven4DataSet& dataSet) {
    auto count = [&](e_SummaryCount kind, int stage) {
        const auto& query = DataCheckRegistry().counts[static_cast<size_t>(kind)];
        if (query) return query(dataSet, stage);
        auto& ds = const_cast<Cpp_Kliven4DataSet&>(dataSet);
        switch (kind) {
        case e_SummaryCount::PiezometricLines: return dataSet.PiezometricLines(stage)->Count();
        case e_SummaryCount::PressurePoints:
            return dataSet.InterpolationData(stage)->CountPoints(1);
        case e_SummaryCount::RSubUPoints: return dataSet.InterpolationData(stage)->CountPoints(2);
        case e_SummaryCount::StrengthPoints:
            return dataSet.InterpolationData(stage)->CountPoints(3);
        case e_SummaryCount::CpPoints: return dataSet.InterpolationData(stage)->CountPoints(5);
        case e_SummaryCount::DistributedLoadPoints: return ds.DistributedLoads(stage)->Count();
        case e_SummaryCount::LineLoads: return ds.LineLoads(stage)->Count();
        case e_SummaryCount::ReinforcementLines: return ds.ReinforcementLines()->Count();
        default: return 0;
        }
    };
    auto line = [](const char* text, int n) { return text + std::to_string(n); };
    const bool multi = dataSet.IsMultiStage();
    std::vector<std::string> lines;
    lines.push_back(
        line("Number of lines in problem heading: ", dataSet.Heading().NumberOfLines()));
    lines.push_back(line("Number of profile lines: ", dataSet.ProfileLines().Count()));
    lines.push_back(
        line("Number of materials: ", dataSet.MaterialData().GetMaterialList().Count()));
    struct StageLine {
        e_SummaryCount kind;
        const char* text;
    };
    const StageLine stageLines[] = {
        {e_SummaryCount::PiezometricLines, "Number of piezometric lines"},
        {e_SummaryCount::PressurePoints,
         "Number of pressure points for pore water pressure interpolation"},
        {e_SummaryCount::RSubUPoints,
         "Number of pore pressure coefficient (r-sub-u) points for pore water pressure interpolation"},
        {e_SummaryCount::StrengthPoints,
         "Number of undrained shear strength points for strength interpolation"},
        {e_SummaryCount::CpPoints, "Number of c/p points for strength interpolation"},
        {e_SummaryCount::DistributedLoadPoints, "Number of distributed load points"},
        {e_SummaryCount::LineLoads, "Number of line loads"},
    };
    const std::string dashes = "- - - - - - - - - - - - - - - - - - - - -";
    if (multi) lines.push_back(dashes + " Data for Stage 1 " + dashes);
    for (const StageLine& s : stageLines)
        lines.push_back(std::string(s.text) + (multi ? " - stage 1: " : ": ") +
                        std::to_string(count(s.kind, 1)));
    if (multi) lines.push_back(dashes + " Data for Stage 2 " + dashes);
    for (const StageLine& s : stageLines) {
        const int n = count(s.kind, 2);
        if (multi || n > 0)
            lines.push_back(std::string(s.text) + " - stage 2: " + std::to_string(n));
    }
    if (multi) lines.push_back(dashes + " Data used for both stages " + dashes);
    lines.push_back(line("Number of slope points: ", dataSet.SlopeGeometry().GetPointCount()));
    lines.push_back(
        line("Number of reinforcement lines: ", count(e_SummaryCount::ReinforcementLines, 1)));
    return lines;
}

void WriteSummary(const Cpp_Kliven4DataSet& dataSet) {
    TextLineDialogsSlot().Get().ShowSummary(SummaryLines(dataSet));
}
