#include "core/output_table.h"

#include <algorithm>
#include <array>
#include <utility>

#include "core/echo_writer.h"
#include "core/file_io.h"
#include "core/format_text.h"
#include "core/output_settings.h"
#include "core/text_formats.h"

namespace {

std::FILE* g_tableFile = nullptr;
std::array<std::string, 20> g_titles;

std::function<void(std::FILE*)>& HeadingPrinter() {
    static std::function<void(std::FILE*)> printer;
    return printer;
}

}  // namespace

Cpp_OutputTable::Cpp_OutputTable(std::FILE* file) {
    g_tableFile = file;
    ClearTitles();
}

void Cpp_OutputTable::SetFileOnly(std::FILE* file) { g_tableFile = file; }

void Cpp_OutputTable::ClearTitles() {
    for (auto& t : g_titles) t.clear();
}

bool Cpp_OutputTable::SetTitleLine(int n, const std::string& text) {
    if (n < 1 || n > 20) return false;
    g_titles[static_cast<size_t>(n - 1)] = text.substr(0, 79);
    return true;
}

std::string Cpp_OutputTable::GetTitleLine(int n) {
    if (n < 1 || n > 20) return {};
    return g_titles[static_cast<size_t>(n - 1)];
}

void Cpp_OutputTable::SetHeadingPrinter(std::function<void(std::FILE*)> printer) {
    HeadingPrinter() = std::move(printer);
}

void Cpp_OutputTable::StartTable(long table, long subtable, char frame, bool header) {
    if (g_tableFile == nullptr) throw Exc_NoFileForOutputTable();
    SetOutputFile(g_tableFile);
    if (header) {
        PrintFormFeed();
        PrintIndent();
        PrintText("Time and date of run: " + GetRunTimeText(), true);
        PrintIndent();
        std::string name = CurrentOutputSettings().showFullPath
                               ? Cpp_FileIO::GetInputFileName().string()
                               : Cpp_FileIO::GetInputFileTitle();
        PrintText("Name of input data file: " + name + "\n");
        PrintBlankLines(1);
        if (HeadingPrinter()) {
            HeadingPrinter()(g_tableFile);
            SetOutputFile(g_tableFile);
        }
    }
    PrintBlankLines(1);
    PrintIndent();
    if (table > 0) {
        if (subtable < 1)
            PrintText(FormatText("TABLE NO. %ld\n", table));
        else
            PrintText(FormatText("TABLE NO. %ld.%ld\n", table, subtable));
    }
    PrintTitle(frame);
}

void Cpp_OutputTable::PrintTitle(char frame) {
    if (g_tableFile == nullptr) throw Exc_NoFileForOutputTable();
    SetOutputFile(g_tableFile);
    size_t longest = 0;
    for (const auto& t : g_titles) longest = std::max(longest, t.size());
    if (longest < 1) return;
    const int border = static_cast<int>(longest) + 4;
    PrintIndent();
    PrintRepeatedChar(border, frame);
    PrintNewLine();
    for (auto& t : g_titles) {
        if (t.empty()) continue;
        t.resize(longest, ' ');
        PrintIndent();
        PrintText(std::string(1, frame) + " " + t + " " + std::string(1, frame) + "\n");
    }
    PrintIndent();
    PrintRepeatedChar(border, frame);
    PrintNewLine();
}
