#include "model/read_input_file.h"

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <memory>
#include <string>
#include <system_error>
#include <vector>

#include "core/cursor_mode.h"
#include "core/data_error_output.h"
#include "core/echo_writer.h"
#include "core/file_io.h"
#include "core/output_table.h"
#include "core/read_progress.h"
#include "model/data_sets.h"
#include "model/exception_report.h"
#include "model/subsystem_registration.h"
#include "platform/services.h"
#include "registry/block_readers.h"

namespace fs = std::filesystem;

namespace {

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};

// A line of the reason as a box can show it: bytes that are not printable text become '?' and
// a long line (a binary file has few line ends) is cut.
std::string Printable(const std::string& line) {
    constexpr std::size_t kLongest = 100;
    std::string text;
    for (unsigned char c : line) {
        if (c == '\n' || c == '\r') continue;
        text += (c == '\t' || (c >= 0x20 && c < 0x7f)) ? static_cast<char>(c) : '?';
        if (text.size() == kLongest) {
            text += "...";
            break;
        }
    }
    return text;
}

// Why a read failed, as the box says it: the first numbered message of the read, else the last
// two lines the listing received.
std::string FailureReason(const fs::path& listing) {
    std::vector<std::string> lines = Cpp_DataErrorOutput::FirstMessage();
    if (lines.empty()) {
        std::ifstream in(listing);
        for (std::string line; std::getline(in, line);)
            if (line.find_first_not_of(" \t\r") != std::string::npos) lines.push_back(line);
        if (lines.size() > 2) lines.erase(lines.begin(), lines.end() - 2);
        for (std::string& line : lines) line.erase(0, line.find_first_not_of(' '));
    }
    std::string reason;
    for (const std::string& line : lines) reason += "\n" + Printable(line);
    return reason;
}

// A read the user stopped: a line in the listing and a short status message, no box.
void ReportCancelledRead(std::FILE* listing) {
    if (listing != nullptr) std::fputs("\nReading cancelled.\n", listing);
    platform::Services().StatusLine().SetText("Reading cancelled.");
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
    bool thrown = false;
    Cpp_DataErrorOutput::ClearFirstMessage();
    bool cancelled = false;
    try {
        // The progress control follows the file's position; Escape stops the read.
        std::error_code sizeError;
        const std::uintmax_t size = fs::file_size(path, sizeError);
        Cpp_ReadProgress progress(input.get(), sizeError ? 0 : static_cast<std::int64_t>(size));
        bool endFlag = false;
        ok = dataSet->ReadInputData(parent, input.get(), listing, endFlag);
    } catch (const Cpp_ReadProgress::Exc_ReadCancelled&) {
        cancelled = true;
    } catch (...) {
        // Reported in the listing by the entry points' table; no failure box follows.
        ReportEntryPointException("ReadInputDataFile");
        thrown = true;
    }
    if (cancelled || Cpp_ReadProgress::ReadCancelled()) {
        cancelled = true;
        ok = false;
        ReportCancelledRead(listing);
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
    if (!ok && !thrown && !cancelled) {
        const std::string reason = FailureReason(Cpp_FileIO::GetOutputFilePath());
        ShowErrorMessage("Error",
                         "Unable to read input data.  Check output file for details.  Output "
                         "file is named: " +
                             Cpp_FileIO::GetOutputFileName() +
                             (reason.empty() ? std::string() : "\n" + reason));
    }
    return ok;
}
