#include "app/launcher.h"

#include "core/file_io.h"
#include "core/preferences.h"
#include "platform/services.h"

#include <cstdio>
#include <cstdlib>
#include <system_error>
#include <unistd.h>

namespace fs = std::filesystem;

namespace app {

namespace {

struct Run {
    int handle = 0;
    bool running = false;
};

Run computation;
Run graphics;
fs::path graphicsFile;

bool CanRead(const fs::path& path) {
    if (path.empty()) return false;
    std::error_code ec;
    if (fs::is_directory(path, ec)) return false;
    std::FILE* f = std::fopen(path.c_str(), "r");
    if (!f) return false;
    std::fclose(f);
    return true;
}

bool IsExecutable(const fs::path& path) {
    std::error_code ec;
    return !path.empty() && fs::is_regular_file(path, ec) && ::access(path.c_str(), X_OK) == 0;
}

// A run still going is ended, and its handle released either way.
void EndRun(Run& run) {
    if (!run.running) return;
    platform::ProcessService& processes = platform::Services().Processes();
    if (processes.IsRunning(run.handle)) processes.Terminate(run.handle);
    processes.Release(run.handle);
    run = {};
}

void Start(Run& run, const fs::path& program, const fs::path& dataFile,
           const fs::path& workingDirectory) {
    const int handle =
        platform::Services().Processes().Start(program, {dataFile.string()}, workingDirectory);
    if (handle > 0) {
        run.handle = handle;
        run.running = true;
        platform::Services().StatusLine().SetText("Started " + program.filename().string() +
                                                  " on " + dataFile.filename().string());
    } else {
        ShowErrorMessage("Cannot Start Program",
                         "The program " + program.string() + " could not be started.");
    }
}

fs::path CurrentFolder() {
    std::error_code ec;
    fs::path cwd = fs::current_path(ec);
    return ec ? fs::path() : cwd;
}

// Asks for a data file; true with a readable choice in path.
bool LookForFile(WindowHandle parent, const std::string& title, const std::string& subfolder,
                 fs::path& path, int kind) {
    const fs::path cwd = CurrentFolder();
    fs::path chosen = path;
    if (!FindFileDialog(parent, title, cwd.empty() ? fs::path() : cwd / subfolder, chosen, kind))
        return false;
    if (!CanRead(chosen)) {
        ShowErrorMessage("Cannot Open File", "The file you selected cannot be opened");
        return false;
    }
    path = chosen;
    return true;
}

}  // namespace

bool FindFileDialog(WindowHandle /*parent*/, const std::string& title,
                    const fs::path& initialFolder, fs::path& path, int kind) {
    platform::FileDialogRequest request;
    switch (kind) {
    case 0:
        request.filter = "KLIVEN4 input files (*.input-kliven)|*.input-kliven|All Files(*.*)|*|";
        break;
    case 1:
        request.filter = "KLIVEN4 graphics exchange files (*.graphics-kliven)|*.graphics-kliven|"
                         "All Files(*.*)|*|";
        break;
    case 2:
    case 3:
        request.filter = "Programs (kliven4, vistrel4)|kliven4;vistrel4|All Files(*.*)|*|";
        break;
    default: return false;
    }
    request.title = title;
    request.filterIndex = 1;
    std::error_code ec;
    if (!initialFolder.empty() && fs::is_directory(initialFolder, ec))
        request.initialDirectory = initialFolder;
    else if (path.has_parent_path())
        request.initialDirectory = path.parent_path();
    request.initialFile = path.filename();
    auto chosen = platform::Services().FileDialogs().GetOpenFileName(request);
    if (!chosen) return false;
    path = *chosen;
    return true;
}

fs::path FindProgram(const std::string& name) {
    std::string stored;
    bool locate = false;
    Cpp_KlivenSettings::GetProgramsDirectory(stored, locate);
    if (!stored.empty() && IsExecutable(fs::path(stored) / name)) return fs::path(stored) / name;
    const fs::path own = Cpp_FileIO::GetProgramDirectory();
    if (!own.empty() && IsExecutable(own / name)) return own / name;
    if (const char* path = std::getenv("PATH")) {
        std::string all = path;
        std::size_t start = 0;
        while (start <= all.size()) {
            std::size_t end = all.find(':', start);
            if (end == std::string::npos) end = all.size();
            const std::string folder = all.substr(start, end - start);
            if (!folder.empty() && IsExecutable(fs::path(folder) / name))
                return fs::path(folder) / name;
            start = end + 1;
        }
    }
    return {};
}

bool LaunchComputationProgram(WindowHandle parent, fs::path input) {
    EndRun(computation);
    if (!CanRead(input)) {
        if (!AskYesNoOnMainWindow("Application Not Found",
                                  "Cannot open the file named: " + input.string() +
                                      ".\nDo you want to look for it?"))
            return false;
        if (!LookForFile(parent, "Find KLIVEN input file", "PDF Files", input, 0)) return false;
    }
    std::string stored;
    bool locate = false;
    Cpp_KlivenSettings::GetProgramsDirectory(stored, locate);
    const fs::path program = FindProgram(kComputationProgram);
    std::error_code ec;
    input = fs::absolute(input, ec);
    Cpp_FileIO::GraphicsExchangeFileName(input, graphicsFile);
    if (!locate && !program.empty()) {
        Start(computation, program, input, input.parent_path());
        return true;
    }
    std::string own;
    Cpp_FileIO::CopyProgramDirectory(own);
    if (!AskYesNoOnMainWindow("KLIVEN Application Not Found",
                              "KLIVEN could not be located.\nDo you want to look for the KLIVEN "
                              "executable?\nApplication directory: " +
                                  own + "\n"))
        return false;
    fs::path chosen = kComputationProgram;
    if (!FindFileDialog(parent, "Find Application", {}, chosen, 2)) return false;
    if (!locate) {
        WritePreferenceString(PreferenceSectionGeneral, PreferenceKeyProgramsDirectory,
                              chosen.parent_path().string());
        s_KlivenSettingsValues values = Cpp_KlivenSettings::Values();
        values.programsDirectory = chosen.parent_path().string();
        Cpp_KlivenSettings::SetValues(values);
        platform::Services().Profile().Flush();
    }
    Start(computation, chosen, input, input.parent_path());
    return false;
}

bool LaunchGraphicsProgram(WindowHandle parent) {
    EndRun(graphics);
    fs::path dataFile = graphicsFile;
    if (!CanRead(dataFile)) {
        const std::string text =
            dataFile.empty()
                ? "Cannot open a graphics exchange file for Vistrel - no file name available.\n"
                  "  Do you want to look for a graphics exchange file?"
                : "Cannot open the file named: " + dataFile.string() +
                      ".\nDo you want to look for it?";
        if (!AskYesNoOnMainWindow("Graphics File Not Found", text)) return false;
        if (!LookForFile(parent, "Find KLIVEN/Vistrel graphics exchange file",
                         "Graphics Exchange Files", dataFile, 1))
            return false;
    }
    std::string stored;
    bool locate = false;
    Cpp_KlivenSettings::GetProgramsDirectory(stored, locate);
    const fs::path program = FindProgram(kGraphicsProgram);
    std::error_code ec;
    dataFile = fs::absolute(dataFile, ec);
    if (!locate && !program.empty()) {
        Start(graphics, program, dataFile, program.parent_path());
        return true;
    }
    if (!AskYesNoOnMainWindow("Vistrel4 Application Not Found",
                              "Vistrel4 could not be located.\nDo you want to look for the "
                              "Vistrel4 executable?"))
        return false;
    fs::path chosen = kGraphicsProgram;
    if (!FindFileDialog(parent, "Find Application", {}, chosen, 3)) return false;
    Start(graphics, chosen, dataFile, chosen.parent_path());
    return false;
}

bool PickExistingInputFileAndRun(WindowHandle parent) {
    fs::path chosen = "*.input-kliven";
    const fs::path cwd = CurrentFolder();
    if (!FindFileDialog(parent, "Find KLIVEN input file",
                        cwd.empty() ? fs::path() : cwd / "PDF Files", chosen, 0))
        return false;
    if (!CanRead(chosen)) {
        ShowErrorMessage("Cannot Open File", "The file you selected cannot be opened");
        return false;
    }
    Cpp_FileIO::SetComputationInputFileName(chosen);
    return LaunchComputationProgram(parent, chosen);
}

const fs::path& GraphicsExchangeFile() { return graphicsFile; }

void ResetLaunchState() {
    computation = {};
    graphics = {};
    graphicsFile.clear();
}

}  // namespace app
