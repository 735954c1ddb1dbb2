#include "model/read_input_file.h"

#include <cstdio>
#include <exception>
#include <memory>
#include <system_error>

#include "core/cursor_mode.h"
#include "core/data_error_output.h"
#include "core/echo_writer.h"
#include "core/file_io.h"
#include "core/output_table.h"
#include "core/text_exception.h"
#include "model/data_sets.h"
#include "model/subsystem_registration.h"
#include "registry/block_readers.h"

namespace fs = std::filesystem;

namespace {

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};

void ReportException(std::FILE* listing, const std::string& text) {
    SetOutputFile(listing);
    PrintText(text);
}

}  // namespace

bool ReadInputDataFile(WindowHandle parent, const fs::path& file, bool closeListing) {
    std::error_code ec;
    fs::path path = fs::absolute(file, ec);
    if (ec) path = file;
    std::unique_ptr<std::FILE, FileCloser> input(std::fopen(path.c_str(), "r"));
    if (!input) {
        ShowErrorMessage("File I/O Error",
                         "Unable to open input data file named " + path.string() + ".");
        return false;
    }
    ResetCursorMode();
    Cpp_FileIO::SetInputFileName(path);
    fs::current_path(path.parent_path(), ec);
    Cpp_FileIO::OpenOutputFile("preoutput-kliven");
    std::FILE* listing = Cpp_FileIO::OutputFile();

    InitializeBlockReaders();
    Cpp_Kliven4Data::DeleteAllDataSets();
    Cpp_Kliven4DataSet* dataSet = Cpp_Kliven4Data::NewDataSet(1, false);
    Cpp_Kliven4Data::SetCurrentDataSet(dataSet);
    dataSet->ResetForNewData();

    bool ok = false;
    try {
        bool endFlag = false;
        ok = dataSet->ReadInputData(parent, input.get(), listing, endFlag);
    } catch (const Cpp_TextException& e) {
        ReportException(listing, e.Text() + "\n");
        ShowErrorMessage("KLIVEN Exception", e.Text());
    } catch (const Cpp_Kliven4DataSet::Exc_IllegalStage&) {
        ReportException(listing, "Illegal stage for Cpp_Kliven4DataSet.\n");
    } catch (const Cpp_OutputTable::Exc_NoFileForOutputTable&) {
        ReportException(listing, "No output file for printing output table.\n");
    } catch (const Cpp_Errors::Exc_UnexpectedError&) {
        ReportException(listing, "Unexpected error while reading the input data.\n");
    } catch (const std::exception& e) {
        ReportException(listing,
                        std::string("Error while reading the input data: ") + e.what() + "\n");
    } catch (...) {
        ReportException(listing, "Unknown exception while reading the input data.\n");
    }
    Cpp_Kliven4DataSet::SetCurrentStage(1);
    SetOutputFile(nullptr);

    // The listing is complete on disk before any box waits for the user.
    if (closeListing) {
        Cpp_DataErrorOutput::SetErrorFile(nullptr);
        Cpp_FileIO::CloseOutputFile();
    } else if (listing != nullptr) {
        std::fflush(listing);
    }
    if (!ok)
        ShowErrorMessage("KLIVEN",
                         "Unable to read input data.  Check output file for details.  Output "
                         "file is named: " +
                             Cpp_FileIO::GetOutputFileName());
    return ok;
}
