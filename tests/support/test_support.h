#pragma once
// Shared helpers of the test programs.

#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>

namespace testsupport {

// The folder of the small input files under tests/fixtures.
std::filesystem::path FixturesDir();
// The bundled examples a new user opens.
std::filesystem::path ExamplesDir();
// A fresh empty folder below the system's temporary folder, removed when the object goes. The
// working folder of that moment comes back too (opening a file moves it into the file's folder).
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::filesystem::path& Path() const { return path_; }

private:
    std::filesystem::path path_;
    std::filesystem::path workingFolder_;
};

std::string ReadFile(const std::filesystem::path& file);
void WriteFile(const std::filesystem::path& file, const std::string& text);

// A temporary file holding text, positioned at its start; the caller closes it.
std::FILE* FileWith(const std::string& text);
// All of a file, read from its start.
std::string Contents(std::FILE* f);
// Whether text contains part.
bool Has(const std::string& text, const std::string& part);
// Runs the action with a temporary listing and returns what was written to it; the data-error
// output is reset before and after.
std::string CaptureListing(const std::function<void(std::FILE*)>& action);
// Leaves the echo and the output tables without a listing file and the tables without titles.
void DetachListing();

// Installs in GoogleTest the listener that, after every test, returns the program-wide state to
// its start (ResetProgramState) and the working folder to the one the test began in; so tests
// pass in any order and in one process. Every test program's main calls it once.
void InstallStateReset();

}  // namespace testsupport
