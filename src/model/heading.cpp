#include "model/heading.h"

#include "core/echo_writer.h"
#include "core/input_lines.h"

namespace {

// The next physical line that is not a comment line, cut to the heading length; a cut line is
// noted in the current listing, since saving keeps only what was read.
bool ReadHeadingLine(std::FILE* file, std::string& line) {
    while (ReadPhysicalLine(file, line)) {
        if (IsCommentLine(line)) continue;
        if (line.size() > Cpp_Heading::kMaxLineLength) {
            line.resize(Cpp_Heading::kMaxLineLength);
            if (std::FILE* listing = GetOutputFile())
                std::fprintf(listing,
                             "NOTE: A heading line longer than %zu characters was cut to:\n%s\n",
                             Cpp_Heading::kMaxLineLength, line.c_str());
        }
        return true;
    }
    return false;
}

std::string WithoutTrailingBlanks(const std::string& line) {
    size_t end = line.find_last_not_of(' ');
    if (end == std::string::npos) return line.empty() ? line : std::string(" ");
    return line.substr(0, end + 1);
}

}  // namespace

const std::string* Cpp_Heading::FirstNonBlankLine() const {
    for (const auto& line : lines_)
        if (!line.empty()) return &line;
    return nullptr;
}

void Cpp_Heading::PrintLines(std::FILE* file) const {
    SetOutputFile(file);
    for (const auto& line : lines_) {
        PrintIndent();
        PrintText(line);
        PrintNewLine();
    }
}

bool Cpp_Heading::ReadInput(bool olderFormat, std::FILE* file) {
    DeleteLines();
    std::string line;
    int read = 0;
    while (ReadHeadingLine(file, line)) {
        ++read;
        if (!olderFormat && IsBlankLine(line)) break;
        AddLine(WithoutTrailingBlanks(line));
        if (olderFormat && read == 3) break;
    }
    return true;
}

bool Cpp_Heading::ReadLabel(std::FILE* file) {
    DeleteLabel();
    std::string line;
    label_ = ReadHeadingLine(file, line) ? line : std::string();
    return true;
}

bool Cpp_Heading::WriteKLIVEN4InputDataFile(std::FILE* file) const {
    if (file == nullptr) return false;
    if (!lines_.empty()) {
        std::fputs("HEAding follows -\n", file);
        for (const auto& line : lines_) {
            std::fputs(line.c_str(), file);
            std::fputc('\n', file);
        }
        std::fputc('\n', file);
    }
    if (label_ && !label_->empty()) {
        std::fputs("LABel follows -\n", file);
        std::fputs(label_->c_str(), file);
        std::fputc('\n', file);
    }
    return true;
}

std::string Cpp_Heading::JoinedText() const {
    std::string text;
    for (size_t i = 0; i < lines_.size(); ++i) {
        if (i > 0) text += "\r\n";
        text += lines_[i];
    }
    return text;
}

void Cpp_Heading::SetFromEditedText(const std::string& text, const std::string& label) {
    DeleteLabel();
    DeleteLines();
    std::string piece;
    for (size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c == '\r' || c == '\n') {
            AddLine(piece);
            piece.clear();
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        } else {
            piece.push_back(c);
        }
    }
    if (!piece.empty()) AddLine(piece);
    if (!label.empty()) label_ = label;
}
