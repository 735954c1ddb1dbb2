#pragma once
// Reading and writing analysis blocks through temporary files, with the listing captured.

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "analysis/analysis_computation_data.h"
#include "core/data_error_output.h"
#include "core/echo_writer.h"
#include "core/preferences.h"

class AnalysisBlockTest : public ::testing::Test {
protected:
    void SetUp() override {
        Cpp_KlivenSettings::Reset();
        Cpp_DataErrorOutput::ResetForTests();
    }
    void TearDown() override {
        SetOutputFile(nullptr);
        Cpp_DataErrorOutput::ResetForTests();
    }

    static std::string FileText(std::FILE* f) {
        std::fflush(f);
        std::rewind(f);
        std::string text;
        char buffer[4096];
        size_t n;
        while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0) text.append(buffer, n);
        return text;
    }

    // Reads a block given without its command line; the listing is kept in listing_.
    bool Read(Cpp_AnalysisComputationData& a, const std::string& text, bool older = false) {
        std::FILE* in = std::tmpfile();
        std::FILE* out = std::tmpfile();
        std::fputs(text.c_str(), in);
        std::rewind(in);
        const bool ok = a.ReadInput(older, in, out, true);
        SetOutputFile(nullptr);
        Cpp_DataErrorOutput::SetErrorFile(nullptr);
        listing_ = FileText(out);
        std::fclose(in);
        std::fclose(out);
        return ok;
    }

    static std::string Write(const Cpp_AnalysisComputationData& a) {
        std::FILE* f = std::tmpfile();
        a.WriteKLIVEN4InputDataFile(f);
        std::string text = FileText(f);
        std::fclose(f);
        return text;
    }

    // The block as written, without its command line.
    static std::string Body(const std::string& block) {
        const size_t eol = block.find('\n');
        return eol == std::string::npos ? std::string() : block.substr(eol + 1);
    }

    bool Listed(const std::string& text) const { return listing_.find(text) != std::string::npos; }
    bool Message(int number) const {
        return Listed("KLIVEN ERROR NUMBER " + std::to_string(number) + "\n") ||
               Listed("KLIVEN WARNING NUMBER " + std::to_string(number) + "\n");
    }

    std::string listing_;
};
