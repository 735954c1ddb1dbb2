#include "app/document.h"

#include "analysis/analysis_computation_data.h"
#include "app/draw_view.h"
#include "app/exception_report.h"
#include "core/data_error_output.h"
#include "core/file_io.h"
#include "editing/construction_items.h"
#include "editing/selection_list.h"
#include "editing/tool_table.h"
#include "editing/view_navigation.h"
#include "graphics/graphic_grid.h"
#include "graphics/graphics.h"
#include "graphics/palette.h"
#include "graphics/views.h"
#include "loads/distributed_load_data.h"
#include "model/circle_end_points.h"
#include "model/data_sets.h"
#include "model/derived_data.h"
#include "model/read_input_file.h"
#include "model/writer.h"
#include "platform/services.h"
#include "porepressure/vertex.h"
#include "profile/material_properties.h"
#include "profile/profile_line.h"
#include "profile/slope_geometry.h"

#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <system_error>

namespace fs = std::filesystem;

namespace app {

namespace {

// Links the profile lines to the materials they name; the first line without a material record
// is reported in the listing (message 2220).
bool AssignMaterials(const Cpp_Kliven4DataSet& dataSet, std::FILE* listing) {
    const Cpp_MaterialPropertiesList* materials = &dataSet.MaterialData().GetMaterialList();
    s_MaterialQuery query;
    query.exists = [materials](int number) {
        return materials->FindMaterialConst(number) != nullptr;
    };
    return dataSet.ProfileLines().AssignMaterials(query, true, listing);
}

}  // namespace

bool SetUpNewData(Cpp_Kliven4DataSet& dataSet, WindowHandle window, bool showLog) {
    std::FILE* listing = Cpp_FileIO::OutputFile();
    Cpp_DataErrorOutput::OpenErrorLog();
    bool ok = true;
    // A slope line that came with the file counts as entered; otherwise it is generated.
    Cpp_SlopeGeometry& slope = dataSet.SlopeGeometry();
    slope.SetEnteredFlag(slope.HasSlopeData());
    if (!slope.HasSlopeData()) slope.Generate(dataSet.ProfileLines(), true, listing);
    const Cpp_Crack& crack = dataSet.AnalysisComputationData()->GetCrack();
    slope.ComputeCrackBottom(crack, listing);
    slope.ComputeCrackWaterLevels(crack);
    UpdateCircleEndPoints(dataSet);
    if (!dataSet.PrepareInterpolationData(listing)) ok = false;
    if (ok)
        for (int stage = 1; stage <= 2; ++stage)
            if (dataSet.DistributedLoads(stage)->UsesPiezometricLine())
                GenerateWaterLoads(dataSet, stage, nullptr);
    Cpp_DataErrorOutput::CloseErrorLog();
    if (showLog && Cpp_DataErrorOutput::ErrorLogHasLines())
        Cpp_DataErrorOutput::DisplayErrorLog(window, false);
    return ok;
}

bool ReadProblemFile(WindowHandle window, const fs::path& path, bool quiet) {
    bool ok = false;
    try {
        ResetTriangulationGlobals();
        ok = ReadInputDataFile(window, path, false);
        if (ok) {
            Cpp_Kliven4DataSet* dataSet = Cpp_Kliven4Data::CurrentDataSet();
            AssignMaterials(*dataSet, Cpp_FileIO::OutputFile());
            RenumberAllLinePoints(*dataSet);
            if (!SetUpNewData(*dataSet, window, !quiet) && !quiet)
                ShowErrorMessage("Error",
                                 "Unable to setup for new data read - problem with interpolation "
                                 "data.");
            if (!quiet) ZoomToExtents();
        }
    } catch (...) {
        ReportEntryPointException("ReadInputDataFile");
        ok = false;
    }
    Cpp_DataErrorOutput::SetErrorFile(nullptr);
    Cpp_FileIO::CloseOutputFile();
    Cpp_Graphics::SetStartupFlag(true);
    return ok;
}

fs::path ComputationInputNameFor(const fs::path& path, const std::string& documentExtension) {
    const std::string ext = path.extension().string();
    fs::path base = path;
    if (ext.empty() || ext == "." || ext == documentExtension) base.replace_extension();
    return fs::path(base.string() + kComputationInputExtension);
}

bool SetInputFileNames(const fs::path& path, const std::string& documentExtension) {
    Cpp_FileIO::SetComputationInputFileName(ComputationInputNameFor(path, documentExtension));
    return true;
}

fs::path DocumentFileNameFor(const fs::path& path, const std::string& documentExtension) {
    const std::string name = path.filename().string();
    if (name.size() >= documentExtension.size() &&
        name.compare(name.size() - documentExtension.size(), documentExtension.size(),
                     documentExtension) == 0)
        return path;
    if (path.extension() == ".") return fs::path(path.string() + documentExtension.substr(1));
    return fs::path(path.string() + documentExtension);
}

bool SavePreprocessorDataFile(const fs::path& path, const std::string& documentExtension,
                              fs::path& written) {
    if (path.empty()) return false;
    const fs::path target = DocumentFileNameFor(path, documentExtension);
    Cpp_Kliven4DataSet* dataSet = Cpp_Kliven4Data::CurrentDataSet();
    const bool ok = WriteInputFileTo(*dataSet, true, target, [](std::FILE* file) {
        std::ostringstream out;
        WriteViews(out);
        Cpp_GraphicGrid::WriteKLIVEN4InputDataFile(out);
        const std::string text = out.str();
        return std::fwrite(text.data(), 1, text.size(), file) == text.size();
    });
    if (ok) written = target;
    return ok;
}

CDravonetDoc::CDravonetDoc() { Cpp_FileIO::OpenDebugFile(); }

CDravonetDoc::~CDravonetDoc() {
    Cpp_WindowsPalette::DeletePalette();
    Cpp_GraphicGrid::FreeGridArrays();
    Cpp_FileIO::CloseDebugFile();
}

void CDravonetDoc::ClearModel() {
    // No tool keeps a step on the data about to be deleted.
    ToolContext context(GetViewWindow());
    ResetTools(context);
    ResetTriangulationGlobals();
    Cpp_Kliven4Data::DeleteAllDataSets();
    DeleteAllConstructionItems();
    ClearSelectionLists();
}

bool CDravonetDoc::OnNewDocument() {
    ClearModel();
    ClearViews();
    if (onReset) onReset();
    Cpp_FileIO::SetInputFileName({});
    Cpp_FileIO::SetComputationInputFileName({});
    path_.clear();
    modified_ = false;
    Changed();
    return true;
}

// The problem open now, kept in a file of its own while another file is read, so that a file
// that is not a problem leaves it as it was.
struct CDravonetDoc::KeptProblem {
    fs::path folder;
    fs::path file;
    fs::path path, inputName, computationInputName, currentFolder;
    bool modified = false;
};

bool CDravonetDoc::KeepProblem(KeptProblem& kept) const {
    std::error_code ec;
    kept.path = path_;
    kept.modified = modified_;
    kept.inputName = Cpp_FileIO::GetInputFileName();
    kept.computationInputName = Cpp_FileIO::GetComputationInputFileName();
    kept.currentFolder = fs::current_path(ec);
    std::string pattern = (fs::temp_directory_path(ec) / "dravonet-open-XXXXXX").string();
    if (ec || ::mkdtemp(pattern.data()) == nullptr) return false;
    kept.folder = pattern;
    fs::path written;
    if (!SavePreprocessorDataFile(kept.folder / "kept", kDocumentExtension, written)) {
        fs::remove_all(kept.folder, ec);
        kept.folder.clear();
        return false;
    }
    kept.file = written;
    return true;
}

void CDravonetDoc::RestoreProblem(const KeptProblem& kept) {
    ClearModel();
    ClearViews();
    {
        // The problem comes back whole: its read shows no progress and cannot be stopped.
        platform::ProgressService& shown = platform::Services().Progress();
        platform::Services().SetProgress(nullptr);
        ReadProblemFile(window, kept.file, true);
        platform::Services().SetProgress(&shown);
    }
    Cpp_FileIO::SetInputFileName(kept.inputName);
    Cpp_FileIO::SetComputationInputFileName(kept.computationInputName);
    std::error_code ec;
    fs::current_path(kept.currentFolder, ec);
    fs::remove_all(kept.folder, ec);
    path_ = kept.path;
    modified_ = kept.modified;
}

bool CDravonetDoc::OnOpenDocument(const fs::path& path) {
    std::error_code ec;
    fs::path full = fs::absolute(path, ec);
    if (ec) full = path;
    if (std::FILE* probe = std::fopen(full.c_str(), "r")) {
        std::fclose(probe);
    } else {
        ShowErrorMessage("File I/O Error",
                         "Unable to open input data file named " + full.string() + ".");
        return false;
    }
    KeptProblem kept;
    const bool keeping = KeepProblem(kept);
    if (onReset) onReset();
    ClearModel();
    ClearViews();
    const bool ok = ReadProblemFile(window, full);
    if (ok) {
        if (keeping) fs::remove_all(kept.folder, ec);
        SetInputFileNames(full, kDocumentExtension);
        path_ = full;
        modified_ = false;
    } else if (keeping) {
        RestoreProblem(kept);
    } else {
        // Nothing could be kept: the partial data stay, and Save must ask for a new name.
        Cpp_FileIO::SetInputFileName({});
        path_.clear();
        modified_ = false;
    }
    Changed();
    return ok;
}

bool CDravonetDoc::OnSaveDocument(const fs::path& path) {
    fs::path written;
    if (!SavePreprocessorDataFile(path, kDocumentExtension, written)) {
        ShowErrorMessage("File I/O Error",
                         "Unable to save the document as " +
                             DocumentFileNameFor(path, kDocumentExtension).string() + " (" +
                             (LastWriteFailureReason().empty() ? std::string("no file name")
                                                               : LastWriteFailureReason()) +
                             ").  The previous file, if any, was kept.");
        return false;
    }
    Cpp_FileIO::SetInputFileName(written);
    SetInputFileNames(written, kDocumentExtension);
    path_ = written;
    modified_ = false;
    Changed();
    return true;
}

void CDravonetDoc::SetPathName(const fs::path& path) {
    path_ = path;
    Changed();
}

void CDravonetDoc::SetModifiedFlag(bool modified) {
    if (modified_ == modified) return;
    modified_ = modified;
    Changed();
}

std::string CDravonetDoc::Title() const {
    return path_.empty() ? std::string(kNewDocumentName) : path_.filename().string();
}

void CDravonetDoc::Changed() {
    if (onChanged) onChanged();
}

}  // namespace app
