#include "core/input_lines.h"

#include "core/echo_writer.h"
#include "core/read_progress.h"

#include <stdio.h>

#include <cctype>
#include <charconv>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>

namespace {

bool IsWordSeparator(char c) { return c == ' ' || c == '\t' || c == ','; }

// A control character (a NUL byte, a form feed, a carriage return inside the line...) is damage
// of the file: kept, it would cut or split the line when the text is written again. Each one
// becomes a blank, and the listing being written says so with the repaired line.
bool IsControlCharacter(unsigned char u) { return (u < 0x20 && u != '\t') || u == 0x7f; }

// True when a byte of the 8 in w is below 0x20 or is 0x7f (a tab also answers true here).
bool MayHoldControlCharacter(std::uint64_t w) {
    constexpr std::uint64_t ones = 0x0101010101010101ULL;
    constexpr std::uint64_t highs = 0x8080808080808080ULL;
    const std::uint64_t below = (w - ones * 0x20) & ~w & highs;
    const std::uint64_t del = w ^ (ones * 0x7f);
    return below | ((del - ones) & ~del & highs);
}

void ReplaceControlCharacters(std::string& line) {
    // Every line passes here: look eight bytes at a time, and byte by byte only where a word
    // may hold one; repair only a damaged line.
    bool damaged = false;
    const char* p = line.data();
    const std::size_t n = line.size();
    std::size_t i = 0;
    for (; i + 8 <= n && !damaged; i += 8) {
        std::uint64_t w;
        std::memcpy(&w, p + i, 8);
        if (MayHoldControlCharacter(w))
            for (std::size_t k = i; k < i + 8; ++k)
                damaged |= IsControlCharacter(static_cast<unsigned char>(p[k]));
    }
    for (; i < n && !damaged; ++i) damaged = IsControlCharacter(static_cast<unsigned char>(p[i]));
    if (!damaged) return;
    for (char& c : line)
        if (IsControlCharacter(static_cast<unsigned char>(c))) c = ' ';
    if (std::FILE* listing = GetOutputFile())
        std::fprintf(listing,
                     "NOTE: Control characters in the following input line were replaced by "
                     "blanks:\n%s\n",
                     line.c_str());
}

// Reads one line into line (without "\n" and a "\r" before it). Returns false at end of file
// when nothing was read.
bool ReadRawLine(std::FILE* file, std::string& line) {
    line.clear();
    if (file == nullptr) return false;
    Cpp_ReadProgress::LineRead();
    thread_local char* buffer = nullptr;
    thread_local size_t capacity = 0;
    ssize_t n = ::getline(&buffer, &capacity, file);
    if (n <= 0) return false;
    size_t len = static_cast<size_t>(n);
    if (len > 0 && buffer[len - 1] == '\n') --len;
    if (len > 0 && buffer[len - 1] == '\r') --len;
    line.assign(buffer, len);
    ReplaceControlCharacters(line);
    return true;
}

}  // namespace

bool ReadPhysicalLine(std::FILE* file, std::string& line) { return ReadRawLine(file, line); }

bool IsCommentLine(std::string_view line) {
    size_t i = 0;
    while (i < line.size() && line[i] == ' ') ++i;
    if (i + 1 >= line.size()) return false;
    return line[i] == '/' && (line[i + 1] == '/' || line[i + 1] == '*');
}

bool ReadNextLine(std::FILE* file, std::string& line) {
    while (ReadRawLine(file, line)) {
        if (IsCommentLine(line)) continue;
        for (char& c : line)
            if (c == '\t') c = ' ';
        line.push_back('\n');
        return true;
    }
    line.clear();
    return false;
}

bool ReadNextLineCopy(std::FILE* file, std::string& commandWord, std::string& line) {
    commandWord.clear();
    if (!ReadNextLine(file, line)) return false;
    FirstWordPrefix(line, commandWord);
    return true;
}

std::size_t ParseDecimalPrefix(std::string_view text, double& value) {
    size_t p = 0;
    bool negative = false;
    if (p < text.size() && (text[p] == '+' || text[p] == '-')) {
        negative = text[p] == '-';
        ++p;
    }
    auto digit = [&](size_t i) {
        return i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]));
    };
    if (!(digit(p) || (p < text.size() && text[p] == '.' && digit(p + 1)))) return 0;
    if (text[p] == '0' && p + 1 < text.size() && (text[p + 1] == 'x' || text[p + 1] == 'X'))
        return 0;
    double v = 0.0;
    const char* first = text.data() + p;
    auto [ptr, ec] =
        std::from_chars(first, text.data() + text.size(), v, std::chars_format::general);
    if (ec != std::errc()) return 0;
    value = negative ? -v : v;
    return static_cast<size_t>(ptr - text.data());
}

int TruncateToInt(double value) {
    if (!(value == value)) return 0;
    if (value >= 2147483647.0) return std::numeric_limits<int>::max();
    if (value <= -2147483648.0) return std::numeric_limits<int>::min();
    return static_cast<int>(value);
}

bool ParseDecimal(std::string_view text, double& value) {
    size_t b = 0, e = text.size();
    while (b < e && std::isspace(static_cast<unsigned char>(text[b]))) ++b;
    while (e > b && std::isspace(static_cast<unsigned char>(text[e - 1]))) --e;
    if (b == e) return false;
    double v = 0.0;
    size_t used = ParseDecimalPrefix(text.substr(b, e - b), v);
    if (used != e - b) return false;
    value = v;
    return true;
}

void SplitNumberLine(std::string_view line, std::vector<double>& values, int maxValues,
                     std::string& rest) {
    values.clear();
    rest.clear();
    const size_t n = line.size();
    size_t pos = 0;
    size_t afterLast = 0;  // just after the separator that ended the last number taken
    while (maxValues <= 0 || static_cast<int>(values.size()) < maxValues) {
        while (pos < n && IsWordSeparator(line[pos])) ++pos;
        if (pos >= n) break;
        double v = 0.0;
        const size_t used = ParseDecimalPrefix(line.substr(pos), v);
        if (used == 0) break;
        values.push_back(v);
        // The whole word is skipped (12abc counts as 12), with the separator that ends it.
        pos += used;
        while (pos < n && !IsWordSeparator(line[pos])) ++pos;
        if (pos < n) ++pos;
        afterLast = pos;
    }
    // The rest keeps the line as written (commas included); leading blanks and line ends go.
    size_t start = afterLast;
    while (start < n && (line[start] == ' ' || line[start] == '\t')) ++start;
    size_t end = n;
    while (end > start && (line[end - 1] == '\n' || line[end - 1] == '\r')) --end;
    rest.assign(line.substr(start, end - start));
}

bool ReadNumbersFromLine(std::FILE* file, std::vector<double>& values, int maxValues,
                         std::string& lineText, std::string& rest, bool& blankLine,
                         bool& endOfFile) {
    values.clear();
    rest.clear();
    // The next line that is not a comment line, without its line end, tabs as blanks.
    bool found = false;
    while (ReadRawLine(file, lineText)) {
        if (IsCommentLine(lineText)) continue;
        found = true;
        break;
    }
    if (!found) {
        endOfFile = true;
        lineText.clear();
        return false;
    }
    endOfFile = false;
    for (char& c : lineText)
        if (c == '\t') c = ' ';
    if (IsBlankLine(lineText)) {
        blankLine = true;
        return true;
    }
    blankLine = false;
    SplitNumberLine(lineText, values, maxValues, rest);
    return true;
}

bool ReadNumberLine(std::FILE* file, s_InputLineType& record) {
    bool ok = ReadNumbersFromLine(file, record.values, record.maxValues, record.text, record.rest,
                                  record.blankLine, record.endOfFile);
    record.numValues = static_cast<int>(record.values.size());
    return ok;
}

bool IsBlankLine(std::string_view text) {
    for (char c : text)
        if (c != ' ' && c != '\t' && c != '\r' && c != '\n') return false;
    return true;
}

bool FirstWordPrefix(std::string_view text, std::string& word) {
    word.clear();
    // The line end is never taken as the first character of a word.
    size_t limit = text.size();
    if (limit > 0 && text[limit - 1] == '\n') --limit;
    size_t i = 0;
    while (i < limit && text[i] == ' ') ++i;
    if (i >= limit) return true;
    size_t count = std::min<size_t>(3, text.size() - i);
    for (size_t k = 0; k < count; ++k)
        word.push_back(static_cast<char>(std::toupper(static_cast<unsigned char>(text[i + k]))));
    return true;
}

void KeywordInitials(std::string& text, std::string& initials) {
    if (!text.empty() && text.back() == '\n') text.pop_back();
    initials.clear();
    bool inWord = false;
    for (char c : text) {
        if (c == ' ') {
            inWord = false;
        } else if (!inWord) {
            inWord = true;
            if (c != '\n' && c != '\r') initials.push_back(c);
        }
    }
}

void KeywordInitialsAndFirstWord(std::string_view text, std::string& initials,
                                 std::string& firstWord) {
    initials.clear();
    firstWord.clear();
    bool inWord = false;
    int words = 0;
    for (char c : text) {
        if (c == ' ' || c == '\n' || c == '\r') {
            inWord = false;
            continue;
        }
        if (!inWord) {
            inWord = true;
            ++words;
            initials.push_back(c);
        }
        if (words == 1)
            firstWord.push_back(static_cast<char>(std::toupper(static_cast<unsigned char>(c))));
    }
}

void SkipLeadingWords(std::string& text, int n) {
    if (n < 1 || text.empty()) return;
    size_t i = 0;
    const size_t last = text.size() - 1;  // the line end is never examined
    while (i < last && text[i] == ' ') ++i;
    int words = 0;
    bool inWord = true;
    for (; i < last; ++i) {
        char c = text[i];
        if (inWord) {
            if (c == ' ' || c == '\t') {
                inWord = false;
                if (++words == n) {
                    text.erase(0, i + 1);
                    return;
                }
            }
        } else if (c != ' ') {
            inWord = true;
        }
    }
    text.erase(0, last);
}

bool SkipLines(std::FILE* file, int n) {
    if (file == nullptr) return false;
    std::string line;
    for (int k = 0; k < n; ++k)
        if (!ReadRawLine(file, line)) return false;
    return true;
}
