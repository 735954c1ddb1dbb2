#include "model/writer.h"

#include <array>
#include <cstdio>
#include <functional>
#include <string>

#include "core/data_error_output.h"
#include "core/file_io.h"
#include "core/preferences.h"
#include "core/safe_output_file.h"
#include "core/text_formats.h"
#include "core/units.h"
#include "model/data_set.h"
#include "model/data_sets.h"
#include "model/subsystem_registration.h"
#include "platform/services.h"
#include "profile/material_properties.h"

namespace {

class YesMultistageWarning final : public SaveMultistageWarning {
public:
    bool Ask(const std::string&, const std::string&, bool&) override { return true; }
};

bool WriteBlock(e_WriterBlock block, Cpp_Kliven4DataSet& dataSet, std::FILE* file, int stage,
                bool document) {
    const auto& writer = BlockWriterTable().writers[static_cast<size_t>(block)];
    return writer ? writer(dataSet, file, stage, document) : true;
}

bool HasSecondStage(e_WriterBlock block, const Cpp_Kliven4DataSet& dataSet) {
    const auto& query = BlockWriterTable().secondStage[static_cast<size_t>(block)];
    return query && query(dataSet);
}

struct s_SecondStageKind {
    e_WriterBlock block;  // Count stands for the materials
    const char* text;
    const char* question;
};

const s_SecondStageKind secondStageKinds[] = {
    {e_WriterBlock::Count,
     "Material property data exist for the second stage even though multi-stage computations "
     "have not been specified.",
     "Do you want to save the second stage material properties anyway?"},
    {e_WriterBlock::PiezometricLines,
     "Piezometric line data exist for the second stage even though multi-stage computations "
     "have not been specified.",
     "Do you want to save the second stage piezometric lines anyway?"},
    {e_WriterBlock::InterpolationData,
     "Interpolation data points exist for the second stage even though multi-stage "
     "computations have not been specified.",
     "Do you want to save the second stage interpolation data anyway?"},
    {e_WriterBlock::DistributedLoads,
     "Distributed load data exist for the second stage even though multi-stage computations "
     "have not been specified.",
     "Do you want to save the second stage distributed load data anyway?"},
    {e_WriterBlock::LineLoads,
     "Line load data exist for the second stage even though multi-stage computations have not "
     "been specified.",
     "Do you want to save the second stage line load data anyway?"},
};

// What a writer puts into a file, through a temporary file; false when the writer failed or
// the text could not be had.
bool WrittenText(const std::function<bool(std::FILE*)>& writer, std::string& text) {
    text.clear();
    std::FILE* buffer = std::tmpfile();
    if (buffer == nullptr) return false;
    bool ok = writer(buffer);
    if (std::fflush(buffer) != 0 || std::ferror(buffer)) ok = false;
    std::rewind(buffer);
    char chunk[4096];
    std::size_t n = 0;
    while ((n = std::fread(chunk, 1, sizeof chunk, buffer)) > 0) text.append(chunk, n);
    if (std::ferror(buffer)) ok = false;
    std::fclose(buffer);
    return ok;
}

}  // namespace

DialogSlot<SaveMultistageWarning>& SaveMultistageWarningSlot() {
    static DialogSlot<SaveMultistageWarning> slot("save multi-stage warning",
                                                  std::make_unique<YesMultistageWarning>());
    return slot;
}

bool WriteExternalFileNames(Cpp_Kliven4DataSet& dataSet, std::FILE* file) {
    // Without the interpolation data's writer there is nothing to say, and a bare command line
    // would make the document unreadable.
    if (!BlockWriterTable().writers[static_cast<size_t>(e_WriterBlock::ExternalFiles)]) return true;
    std::fputs("EXTernal file data follow -\n", file);
    bool ok = WriteBlock(e_WriterBlock::ExternalFiles, dataSet, file, 1, true);
    if (!WriteBlock(e_WriterBlock::ExternalFiles, dataSet, file, 2, true)) ok = false;
    return ok;
}

bool IsMultiStage(const Cpp_Kliven4DataSet& dataSet) {
    const auto& query = BlockWriterTable().isMultiStage;
    return query && query(dataSet);
}

bool AskSaveMultistageData(const std::string& text, const std::string& question) {
    if (!Cpp_KlivenSettings::ShowWarnings()) return true;
    SaveMultistageWarning& dialog = SaveMultistageWarningSlot().Get();
    bool dontWarnAgain = false;
    if (!dialog.Ask(text, question, dontWarnAgain)) return false;
    Cpp_KlivenSettings::SetShowWarnings(!dontWarnAgain);
    return true;
}

bool WriteInputFile(Cpp_Kliven4DataSet& dataSet, bool document, bool withoutAnalysis,
                    std::FILE* file) {
    if (file == nullptr) return false;
    InitializeBlockWriters();
    std::string format;
    if (!Cpp_Strings::MakeNumberFormat(1, 20, Cpp_KlivenSettings::CoordinateDecimals(), format) ||
        !Cpp_Strings::MakeNumberFormat(1, 20, Cpp_KlivenSettings::ForceDecimals(), format) ||
        !Cpp_Strings::MakeNumberFormat(1, 20, Cpp_KlivenSettings::UnitWeightDecimals(), format))
        return false;

    bool ok = true;
    auto block = [&](e_WriterBlock b, int stage) {
        if (!WriteBlock(b, dataSet, file, stage, document)) ok = false;
    };
    if (document) {
        block(e_WriterBlock::Nails, 1);
        block(e_WriterBlock::Geogrids, 1);
        if (!WriteExternalFileNames(dataSet, file)) ok = false;
    }
    WriteUnitsCommand(document, file);
    if (!dataSet.Heading().WriteKLIVEN4InputDataFile(file)) ok = false;
    block(e_WriterBlock::ProfileLines, 1);
    if (!dataSet.MaterialData().WriteInputDataFile(file, 1)) ok = false;
    block(e_WriterBlock::PiezometricLines, 1);
    block(e_WriterBlock::InterpolationData, 1);
    block(e_WriterBlock::SlopeGeometry, 1);
    block(e_WriterBlock::DistributedLoads, 1);
    block(e_WriterBlock::LineLoads, 1);
    block(e_WriterBlock::Reinforcement, 1);

    // The second stage. The document keeps every stage's data without asking.
    const bool multiStage = IsMultiStage(dataSet);
    bool headerWritten = false;
    for (const auto& kind : secondStageKinds) {
        const bool isMaterials = kind.block == e_WriterBlock::Count;
        bool write = multiStage;
        if (!write) {
            const bool hasData = isMaterials
                                     ? dataSet.MaterialData().GetMaterialList().HasSecondStageData()
                                     : HasSecondStage(kind.block, dataSet);
            write = hasData && (document || AskSaveMultistageData(kind.text, kind.question));
        }
        if (!write) continue;
        // A kind held only as a record that writes nothing adds no second stage of its own.
        std::string text;
        const bool written = WrittenText(
            [&](std::FILE* to) {
                return isMaterials ? dataSet.MaterialData().WriteInputDataFile(to, 2)
                                   : WriteBlock(kind.block, dataSet, to, 2, document);
            },
            text);
        if (!written) ok = false;
        if (text.empty() && !multiStage) continue;
        if (!headerWritten) std::fputs("SECond stage input data\n", file);
        headerWritten = true;
        std::fwrite(text.data(), 1, text.size(), file);
    }

    if (!withoutAnalysis) block(e_WriterBlock::Analysis, 1);
    if (Cpp_Kliven4DataSet::GraphicsOutputFlag()) std::fputs("GRAphics output file\n", file);
    if (document) block(e_WriterBlock::ConstructionLines, 1);
    if (!withoutAnalysis) {
        const auto& defined = BlockWriterTable().isDefined;
        std::fputs(defined && defined(dataSet) ? "COMpute\n" : "NO compute\n", file);
    }
    return ok && !std::ferror(file);
}

namespace {
std::string g_writeFailure;
}  // namespace

const std::string& LastWriteFailureReason() { return g_writeFailure; }

bool WriteInputFileTo(Cpp_Kliven4DataSet& dataSet, bool document,
                      const std::filesystem::path& target,
                      const std::function<bool(std::FILE*)>& prefix) {
    g_writeFailure.clear();
    Cpp_SafeOutputFile out;
    if (!out.Open(target)) return (g_writeFailure = out.FailureReason(), false);
    if ((prefix && !prefix(out.File())) || !WriteInputFile(dataSet, document, false, out.File()))
        return (g_writeFailure = "the data could not be written", false);
    if (!out.Commit()) return (g_writeFailure = out.FailureReason(), false);
    return true;
}

bool WriteComputationInputFile(WindowHandle parent, std::filesystem::path& path, bool ask) {
    Cpp_Kliven4DataSet& dataSet = *Cpp_Kliven4Data::CurrentDataSet();
    InitializeBlockWriters();
    Cpp_DataErrorOutput::OpenErrorLog();
    const auto& check = BlockWriterTable().dataCheck;
    const bool clean = check && check(dataSet);
    Cpp_DataErrorOutput::CloseErrorLog();
    Cpp_DataErrorOutput::DisplayErrorLog(parent, false);
    if (!clean) {
        const char* text = "Errors in data - cannot write KLIVEN4 input data file.";
        if (parent != nullptr)
            ShowErrorOnWindow(parent, "ERROR", text);
        else
            ShowErrorMessage("ERROR", text);
        return false;
    }
    if (ask) {
        std::filesystem::path chosen;
        if (!Cpp_FileIO::GetKlivenInputFileName(path, chosen)) return false;
        path = chosen;
    }
    if (!WriteInputFileTo(dataSet, false, path)) {
        const std::string text = "Unable to write the KLIVEN data file " + path.string() + " (" +
                                 LastWriteFailureReason() +
                                 ").  The previous file, if any, was kept.";
        if (parent != nullptr)
            ShowErrorOnWindow(parent, "File I/O Error", text);
        else
            ShowErrorMessage("File I/O Error", text);
        return false;
    }
    Cpp_FileIO::SetComputationInputFileName(path);
    return true;
}
