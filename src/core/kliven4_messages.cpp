#include "core/kliven4_messages.h"

#include "core/echo_writer.h"
#include "core/format_text.h"

namespace {
struct Buffers {
    int status = 0;
    std::vector<std::string> errors, warnings, notices;
};
Buffers& B() {
    static Buffers b;
    return b;
}
}  // namespace

void Cpp_KLIVEN4Messages::Clear() {
    B().errors.clear();
    B().warnings.clear();
    B().notices.clear();
}
void Cpp_KLIVEN4Messages::SetStatus(int status) { B().status = status; }
int Cpp_KLIVEN4Messages::GetStatus() { return B().status; }

void Cpp_KLIVEN4Messages::StartMessage(long number, int kind) {
    switch (kind) {
    case 0: B().errors.push_back(FormatText("KLIVEN ERROR NUMBER %1ld", number)); break;
    case 1: B().warnings.push_back(FormatText("KLIVEN WARNING NUMBER %1ld", number)); break;
    case 2: B().notices.push_back(FormatText("KLIVEN NOTICE NUMBER %1ld", number)); break;
    default: break;
    }
}

void Cpp_KLIVEN4Messages::AddErrorLine(const std::string& line) { B().errors.push_back(line); }
void Cpp_KLIVEN4Messages::AddWarningLine(const std::string& line) { B().warnings.push_back(line); }
void Cpp_KLIVEN4Messages::AddNoticeLine(const std::string& line) { B().notices.push_back(line); }
const std::vector<std::string>& Cpp_KLIVEN4Messages::Errors() { return B().errors; }
const std::vector<std::string>& Cpp_KLIVEN4Messages::Warnings() { return B().warnings; }
const std::vector<std::string>& Cpp_KLIVEN4Messages::Notices() { return B().notices; }

void Cpp_KLIVEN4Messages::PrintAll(int blankLinesBefore, int indent, bool firstLineIndented,
                                   std::FILE* f) {
    if (f == nullptr) return;
    if (B().errors.empty() && B().warnings.empty() && B().notices.empty()) return;
    for (int i = 0; i < blankLinesBefore; ++i) std::fputc('\n', f);
    bool first = true;
    for (const auto* list : {&B().notices, &B().warnings, &B().errors}) {
        for (const auto& line : *list) {
            if (!first || firstLineIndented)
                for (int i = 0; i < indent; ++i) std::fputc(' ', f);
            first = false;
            std::fputs(line.c_str(), f);
            std::fputc('\n', f);
        }
    }
}
