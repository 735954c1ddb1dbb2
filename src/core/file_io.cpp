#include "core/file_io.h"

#include <cstdlib>
#include <system_error>

#include "core/message_boxes.h"
#include "core/safe_output_file.h"

namespace fs = std::filesystem;

namespace {

struct FileState {
    fs::path programDirectory;
    fs::path inputFile;
    fs::path computationInputFile;
    Cpp_SafeOutputFile listing;
    fs::path listingPath;
    std::FILE* debug = nullptr;
};

FileState& State() {
    static FileState state;
    return state;
}

std::string CutExtension(const std::string& extension, const char* fallback) {
    std::string ext = extension.empty() ? fallback : extension;
    if (ext.size() > 127) ext.resize(127);
    return ext;
}

void ReportCannotOpen(const fs::path& path) {
    ShowErrorOnMainWindow(
        "File I/O Error",
        "Unable to open output file named " + path.string() +
            ".  You may not have permission to write to this directory.  Make sure your input "
            "data file is located in a directory you can write to.");
}

}  // namespace

void Cpp_FileIO::SetProgramDirectory(const fs::path& executable) {
    State().programDirectory = executable.parent_path();
}
fs::path Cpp_FileIO::GetProgramDirectory() { return State().programDirectory; }
bool Cpp_FileIO::CopyProgramDirectory(std::string& out) {
    out = State().programDirectory.string();
    return !out.empty();
}

void Cpp_FileIO::SetInputFileName(const fs::path& path) { State().inputFile = path; }
fs::path Cpp_FileIO::GetInputFileName() { return State().inputFile; }
std::string Cpp_FileIO::GetInputFileTitle() { return State().inputFile.filename().string(); }

void Cpp_FileIO::SetComputationInputFileName(const fs::path& path) {
    State().computationInputFile = path;
}
fs::path Cpp_FileIO::GetComputationInputFileName() { return State().computationInputFile; }

bool Cpp_FileIO::OpenOutputFile(const std::string& extension) {
    auto& s = State();
    CloseOutputFile();
    fs::path base = s.inputFile.empty() ? fs::path("OUTPUT.OUT") : s.inputFile;
    fs::path path = base.parent_path() / base.stem();
    path += "." + CutExtension(extension, "OUT");
    if (!s.listing.Open(path)) {
        ReportCannotOpen(path);
        return false;
    }
    s.listingPath = path;
    return true;
}

std::FILE* Cpp_FileIO::OutputFile() { return State().listing.File(); }
std::string Cpp_FileIO::GetOutputFileName() { return State().listingPath.filename().string(); }
fs::path Cpp_FileIO::GetOutputFilePath() { return State().listingPath; }

bool Cpp_FileIO::CloseOutputFile() {
    auto& s = State();
    if (!s.listing.IsOpen()) return true;
    return s.listing.Commit();
}

bool Cpp_FileIO::OpenNamedOutputFile(const fs::path& folder, const std::string& name,
                                     const std::string& extension, fs::path& outPath,
                                     std::FILE*& outFile) {
    fs::path path = folder / name;
    path += "." + CutExtension(extension, "OUT");
    outFile = std::fopen(path.c_str(), "w");
    if (outFile == nullptr) {
        ReportCannotOpen(path);
        return false;
    }
    outPath = path;
    return true;
}

std::FILE* Cpp_FileIO::OpenInInputDirectory(const std::string& name) {
    std::string trimmed = name;
    trimmed.erase(0, trimmed.find_first_not_of(' ') == std::string::npos
                         ? trimmed.size()
                         : trimmed.find_first_not_of(' '));
    while (!trimmed.empty() && (trimmed.back() == '\n' || trimmed.back() == '\r'))
        trimmed.pop_back();
    if (trimmed.empty()) return nullptr;
    fs::path path = State().inputFile.parent_path() / fs::path(trimmed).filename();
    return std::fopen(path.c_str(), "r");
}

fs::path Cpp_FileIO::ProgramDataFolder() {
    fs::path folder;
    if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg != nullptr && *xdg != '\0')
        folder = xdg;
    else if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0')
        folder = fs::path(home) / ".local" / "share";
    else
        folder = fs::temp_directory_path();
    return folder / "dravonet";
}

bool Cpp_FileIO::OpenDebugFile() {
    CloseDebugFile();
    std::error_code ec;
    fs::path folder = ProgramDataFolder();
    fs::create_directories(folder, ec);
    State().debug = std::fopen((folder / "debug.out").c_str(), "w");
    return State().debug != nullptr;
}

void Cpp_FileIO::CloseDebugFile() {
    if (State().debug != nullptr) {
        std::fclose(State().debug);
        State().debug = nullptr;
    }
}

std::FILE* Cpp_FileIO::DebugOutputFile() { return State().debug; }

bool Cpp_FileIO::GraphicsExchangeFileName(const fs::path& path, fs::path& out) {
    fs::path folder = fs::absolute(path).parent_path();
    std::error_code ec;
    fs::current_path(folder, ec);
    out = folder / path.stem();
    out += ".graphics-kliven";
    return true;
}

void Cpp_FileIO::ResetForTests() {
    auto& s = State();
    s.listing.Discard();
    s.listingPath.clear();
    s.inputFile.clear();
    s.computationInputFile.clear();
    s.programDirectory.clear();
    CloseDebugFile();
}
