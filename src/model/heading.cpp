#include "model/heading.h"

#include "core/echo_writer.h"
#include "core/input_lines.h"

#include <memory>

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

namespace {

// The pieces of the dialog's text that are kept as lines: split at "\r", "\r\n" or "\n",
// trailing blanks and tabs removed, blank pieces dropped.
std::vector<std::string> EditedLines(const std::string& text) {
    std::vector<std::string> lines;
    auto keep = [&lines](std::string piece) {
        const size_t end = piece.find_last_not_of(" \t");
        if (end == std::string::npos) return;
        piece.resize(end + 1);
        lines.push_back(std::move(piece));
    };
    std::string piece;
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            keep(piece);
            piece.clear();
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        } else {
            piece.push_back(c);
        }
    }
    keep(piece);
    return lines;
}

}  // namespace

void Cpp_Heading::SetFromEditedText(const std::string& text, const std::string& label) {
    DeleteLabel();
    DeleteLines();
    for (std::string& line : EditedLines(text)) {
        if (line.size() > kMaxLineLength) line.resize(kMaxLineLength);
        AddLine(line);
    }
    if (!label.empty()) label_ = label.substr(0, kMaxLineLength);
}

int Cpp_Heading::FirstLineTooLong(const std::string& text, size_t& length) {
    const std::vector<std::string> lines = EditedLines(text);
    for (size_t i = 0; i < lines.size(); ++i)
        if (lines[i].size() > kMaxLineLength) {
            length = lines[i].size();
            return static_cast<int>(i) + 1;
        }
    length = 0;
    return 0;
}

bool Cpp_Heading::Edit() {
    std::string text = JoinedText();
    std::string label = Label();
    if (!HeadingDialogSlot().Get().Run(text, label)) return false;
    SetFromEditedText(text, label);
    return true;
}

namespace {

class CancelledHeadingDialog final : public Cpp_HeadingDialog {
public:
    bool Run(std::string&, std::string&) override { return false; }
};

}  // namespace

DialogSlot<Cpp_HeadingDialog>& HeadingDialogSlot() {
    static DialogSlot<Cpp_HeadingDialog> slot("heading dialog",
                                              std::make_unique<CancelledHeadingDialog>());
    return slot;
}
