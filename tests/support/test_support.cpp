#include "support/test_support.h"

#include "core/data_error_output.h"
#include "core/echo_writer.h"
#include "core/output_table.h"
#include "model/program_state.h"

#include <gtest/gtest.h>

#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>

namespace testsupport {

std::filesystem::path FixturesDir() { return DRAVONET_FIXTURES_DIR; }
std::filesystem::path ExamplesDir() { return DRAVONET_EXAMPLES_DIR; }

TempDir::TempDir() {
    std::error_code ec;
    workingFolder_ = std::filesystem::current_path(ec);
    std::random_device rd;
    for (int attempt = 0; attempt < 100; ++attempt) {
        auto candidate =
            std::filesystem::temp_directory_path() / ("dravonet-test-" + std::to_string(rd()));
        if (std::filesystem::create_directory(candidate)) {
            path_ = candidate;
            return;
        }
    }
    throw std::runtime_error("cannot create a temporary folder");
}

TempDir::~TempDir() {
    std::error_code ec;
    if (!workingFolder_.empty() && std::filesystem::current_path(ec) != workingFolder_)
        std::filesystem::current_path(workingFolder_, ec);
    std::filesystem::remove_all(path_, ec);
}

std::string ReadFile(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

void WriteFile(const std::filesystem::path& file, const std::string& text) {
    std::ofstream out(file, std::ios::binary);
    out << text;
}

std::FILE* FileWith(const std::string& text) {
    std::FILE* f = std::tmpfile();
    std::fputs(text.c_str(), f);
    std::rewind(f);
    return f;
}

std::string Contents(std::FILE* f) {
    std::rewind(f);
    std::string s;
    char buf[4096];
    size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) s.append(buf, n);
    return s;
}

bool Has(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

std::string CaptureListing(const std::function<void(std::FILE*)>& action) {
    Cpp_DataErrorOutput::ResetForTests();
    std::FILE* file = std::tmpfile();
    action(file);
    std::fflush(file);
    std::string text = Contents(file);
    std::fclose(file);
    Cpp_DataErrorOutput::ResetForTests();
    return text;
}

void DetachListing() {
    SetOutputFile(nullptr);
    Cpp_OutputTable::SetFileOnly(nullptr);
    Cpp_OutputTable::ClearTitles();
}

namespace {

class StateReset final : public ::testing::EmptyTestEventListener {
public:
    void OnTestStart(const ::testing::TestInfo&) override {
        std::error_code ec;
        workingFolder_ = std::filesystem::current_path(ec);
    }
    void OnTestEnd(const ::testing::TestInfo&) override {
        ResetProgramState();
        std::error_code ec;
        if (!workingFolder_.empty() && std::filesystem::current_path(ec) != workingFolder_)
            std::filesystem::current_path(workingFolder_, ec);
    }

private:
    std::filesystem::path workingFolder_;
};

}  // namespace

void InstallStateReset() { ::testing::UnitTest::GetInstance()->listeners().Append(new StateReset); }

}  // namespace testsupport
