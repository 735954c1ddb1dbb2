#include "core/echo_writer.h"

#include <algorithm>
#include <cmath>

#include "core/format_text.h"
#include "core/number_text.h"
#include "core/text_formats.h"

namespace {

std::FILE* g_file = nullptr;
int g_indent = 0;

void Write(std::string_view text) {
    if (g_file != nullptr && !text.empty()) fwrite_unlocked(text.data(), 1, text.size(), g_file);
}

// One text reused by every number, so writing a number allocates nothing.
std::string& NumberText() {
    static std::string text;
    text.clear();
    return text;
}

void WriteNumber(int kind, double value, int width, int decimals) {
    if (decimals < 0) {  // not a format of the builder's usual kind: as it always was written
        std::string format;
        if (Cpp_Strings::MakeNumberFormat(kind, width, decimals, format))
            Write(FormatDynamic(format, value));
        return;
    }
    std::string& text = NumberText();
    if (kind == 1)
        AppendFixed(text, value, width, decimals);
    else
        AppendExponential(text, value, width, decimals);
    Write(text);
}

}  // namespace

void SetOutputFile(std::FILE* file) {
    g_file = file;
    g_indent = 0;
}
void SetOutputFileOnly(std::FILE* file) { g_file = file; }
std::FILE* GetOutputFile() { return g_file; }
void PrintIndent() { PrintSpaces(g_indent); }

void PrintSpaces(int n) {
    if (n < 1 || n > 256) return;
    static const std::string blanks(256, ' ');
    Write(std::string_view(blanks).substr(0, static_cast<size_t>(n)));
}

void PrintBlankLines(int n) {
    if (n < 1) return;
    Write(std::string(static_cast<size_t>(n), '\n'));
}

void PrintNewLine() { Write("\n"); }
void PrintFormFeed() { Write("\f\n"); }

void PrintRepeatedChar(int n, char c) {
    if (n < 1) return;
    Write(std::string(static_cast<size_t>(n), c));
}

void PrintText(std::string_view text, bool newline) {
    if (g_file == nullptr || text.empty()) return;
    Write(text);
    if (newline) Write("\n");
}

void PrintTextBetween(std::string_view text, std::string_view leading, std::string_view trailing) {
    if (g_file == nullptr || text.empty()) return;
    Write(leading);
    Write(text);
    Write(trailing);
}

void PrintDouble(double value, int width, int decimals, bool newline) {
    if (g_file == nullptr) return;
    WriteNumber(1, value, width, decimals);
    if (newline) Write("\n");
}

void PrintDoubleWithText(double value, std::string_view leading, std::string_view trailing,
                         int width, int decimals) {
    if (g_file == nullptr) return;
    Write(leading);
    WriteNumber(1, value, width, decimals);
    Write(trailing);
}

int AutoDecimals(double value, int decimals, int maximumDecimals) {
    const int limit = std::max(maximumDecimals, decimals);
    double whole = 0.0;
    double fraction = std::fabs(std::modf(value, &whole));
    if (fraction > 0.0) {
        int d = static_cast<int>(std::ceil(-std::log10(fraction)));
        if (d > decimals) return std::min(d, limit);
    }
    return decimals;
}

void PrintDoubleAutoDecimals(double value, std::string_view leading, std::string_view trailing,
                             int width, int decimals, int maximumDecimals) {
    PrintDoubleWithText(value, leading, trailing, width,
                        AutoDecimals(value, decimals, maximumDecimals));
}

void PrintExponential(double value, int width, int decimals, bool newline) {
    if (g_file == nullptr) return;
    WriteNumber(2, value, width, decimals);
    if (newline) Write("\n");
}

void PrintExponentialWithText(double value, std::string_view leading, std::string_view trailing,
                              int width, int decimals) {
    if (g_file == nullptr) return;
    Write(leading);
    WriteNumber(2, value, width, decimals);
    Write(trailing);
}

void PrintInteger(long value, int width, bool newline) {
    if (g_file == nullptr) return;
    std::string& text = NumberText();
    AppendInteger(text, value, width);
    Write(text);
    if (newline) Write("\n");
}

void PrintIntegerWithText(long value, std::string_view leading, std::string_view trailing,
                          int width) {
    if (g_file == nullptr) return;
    Write(leading);
    PrintInteger(value, width, false);
    Write(trailing);
}
