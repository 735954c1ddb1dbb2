#include "core/file_io.h"

#include <algorithm>
#include <cstdlib>
#include <system_error>

#include "core/message_boxes.h"
#include "core/safe_output_file.h"
#include "core/text_exception.h"
#include "platform/services.h"

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

std::string Cpp_FileIO::CheckedFilter(const std::string& filter, const char* caller, int& pairs) {
    const auto separators = std::count(filter.begin(), filter.end(), '|');
    if (separators % 2 != 0)
        throw Cpp_TextException(std::string("Cpp_FileIO::") + caller +
                                " - Error in file filter string");
    pairs = static_cast<int>(separators / 2);
    std::string text = filter;
    if (!text.empty() && text.back() == '|') text.pop_back();
    return text;
}

bool Cpp_FileIO::GetWindowsInputFileName(WindowHandle, const std::string& title,
                                         const fs::path& initialFolder, const std::string& filter,
                                         int filterIndex, fs::path& inOutPath) {
    int pairs = 0;
    platform::FileDialogRequest request;
    request.filter = CheckedFilter(filter, "GetWindowsInputFileName", pairs);
    request.title = title;
    request.filterIndex = filterIndex >= 1 && filterIndex <= pairs ? filterIndex : 1;
    request.initialDirectory = initialFolder;
    request.initialFile = inOutPath;
    auto chosen = platform::Services().FileDialogs().GetOpenFileName(request);
    if (!chosen) return false;
    inOutPath = *chosen;
    return true;
}

bool Cpp_FileIO::GetWindowsOutputFileName(WindowHandle, const std::string& title,
                                          const std::string& filter, int filterIndex,
                                          std::string& inOutName, fs::path& outPath) {
    int pairs = 0;
    platform::FileDialogRequest request;
    request.filter = CheckedFilter(filter, "GetWindowsOutputFileName", pairs);
    request.title = title;
    request.filterIndex = filterIndex >= 1 && filterIndex <= pairs ? filterIndex : 1;
    fs::path offered(inOutName);
    request.initialDirectory = offered.parent_path();
    request.initialFile = offered.filename();
    request.confirmOverwrite = true;
    auto chosen = platform::Services().FileDialogs().GetSaveFileName(request);
    if (!chosen) return false;
    inOutName = chosen->filename().string();
    outPath = *chosen;
    return true;
}

bool Cpp_FileIO::GetDataFileName(WindowHandle owner, int kind, fs::path& outPath,
                                 std::FILE*& outFile) {
    struct DataKind {
        const char* title;
        const char* filter;
        const char* pattern;
    };
    static const DataKind kinds[] = {
        {"Open file for profile line data",
         "Data Files(*.PRL)|*.prl|Text Files(*.TXT)|*.txt|All Files(*.*)|*.*|", "*.PRL"},
        {"Open file for interpolation point data",
         "Data Files(*.INP)|*.inp|Data Files(*.INT)|*.int|Text Files(*.TXT)|*.txt|All "
         "Files(*.*)|*.*|",
         "*.INP"},
        {"Open SEEP2D file for interpolation point data",
         "GMS Kliven Export Files(*.UPP)|*.upp|Text Files(*.TXT)|*.txt|All Files(*.*)|*.*|",
         "*.UPP"},
        {"Open SEEPW file for interpolation point data",
         "Text Files(*.TXT)|*.txt|All Files(*.*)|*.*|", "*.TXT"},
    };
    if (kind < 1 || kind > 4) return false;
    const DataKind& k = kinds[kind - 1];
    fs::path path = State().inputFile.parent_path() / k.pattern;
    if (!GetWindowsInputFileName(owner, k.title, fs::path(), k.filter, 1, path)) return false;
    std::FILE* f = std::fopen(path.c_str(), "r");
    if (f == nullptr) return false;
    outFile = f;
    outPath = path;
    return true;
}

bool Cpp_FileIO::GetKlivenInputFileName(const fs::path& defaultPath, fs::path& chosen) {
    std::string name = defaultPath.string();
    fs::path path;
    if (!GetWindowsOutputFileName(nullptr, "Open file for KLIVEN  data",
                                  "KLIVEN Data Files(*.Input-KLIVEN)|*.input-kliven|Data "
                                  "Files(*.dat)|*.dat|All Files(*.*)|*.*|",
                                  1, name, path))
        return false;
    chosen = path;
    return true;
}

bool Cpp_FileIO::BrowseForFolder(WindowHandle, const std::string& title, fs::path& out) {
    auto chosen = platform::Services().FileDialogs().BrowseForFolder(title, fs::path());
    if (!chosen || chosen->empty()) return false;
    out = *chosen;
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
