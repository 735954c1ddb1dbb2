#include "core/data_error_output.h"

#include <cstdarg>
#include <optional>
#include <utility>

#include "core/echo_writer.h"
#include "core/format_text.h"
#include "core/safe_output_file.h"
#include "platform/services.h"

namespace {

struct MessageState {
    std::FILE* messageFile = nullptr;
    std::FILE* listingFile = nullptr;
    std::vector<std::string> lines;
    std::string headerLine;
    bool headerFlag = false;
    std::optional<std::string> pendingTitle;
    Cpp_SafeOutputFile log;
    std::vector<std::string> firstMessage;
};

MessageState& State() {
    static MessageState state;
    return state;
}

const char* const kLogName = "Error.log";

}  // namespace

Cpp_DataErrorOutput::Cpp_DataErrorOutput() { State().messageFile = nullptr; }

void Cpp_DataErrorOutput::SetErrorFile(std::FILE* file) { State().messageFile = file; }
std::FILE* Cpp_DataErrorOutput::GetErrorFile() { return State().messageFile; }

void Cpp_DataErrorOutput::Reset(std::FILE* file) {
    auto& s = State();
    s.listingFile = file;
    s.lines.clear();
    s.headerFlag = false;
}

void Cpp_DataErrorOutput::SetPendingTitle(const std::string& title) {
    State().pendingTitle = title;
}

void Cpp_DataErrorOutput::DiscardPendingTitle() { State().pendingTitle.reset(); }

bool Cpp_DataErrorOutput::OutputPendingTitle() {
    auto& s = State();
    if (!s.pendingTitle || s.pendingTitle->empty()) return false;
    s.headerLine = *s.pendingTitle;
    s.headerFlag = true;
    s.pendingTitle.reset();
    return true;
}

std::string Cpp_DataErrorOutput::NumberLine(long number, int kind) {
    switch (kind) {
    case 0: return FormatText("KLIVEN ERROR NUMBER %1ld", number);
    case 1: return FormatText("KLIVEN WARNING NUMBER %1ld", number);
    case 2: return FormatText("KLIVEN NOTICE NUMBER %1ld", number);
    default: return FormatText("KLIVEN FATAL APPLICATION ERROR NUMBER %1ld", number);
    }
}

bool Cpp_DataErrorOutput::SetErrorNumber(long number, int kind) {
    State().lines.push_back(NumberLine(number, kind));
    return true;
}

void Cpp_DataErrorOutput::AddString(const std::string& text) { State().lines.push_back(text); }

void Cpp_DataErrorOutput::AddLine(const char* format, ...) {
    std::va_list args;
    va_start(args, format);
    State().lines.push_back(FormatTextV(format, args));
    va_end(args);
}

bool Cpp_DataErrorOutput::AddInputLine(const std::string& line) {
    AddString("The following line of input data was entered:");
    std::string text = line;
    if (!text.empty() && text.back() == '\n') text.pop_back();
    AddString(text);
    return true;
}

void Cpp_DataErrorOutput::WriteToFile(std::FILE* file, int blankLinesBefore, int blankLinesAfter,
                                      bool isLog) {
    auto& s = State();
    SetOutputFile(file);
    if (!isLog) {
        PrintBlankLines(blankLinesBefore);
        if (s.headerFlag) PrintText(s.headerLine);
    }
    for (const auto& line : s.lines) {
        PrintText(line);
        PrintNewLine();
    }
    if (!isLog)
        PrintBlankLines(blankLinesAfter);
    else
        PrintText("///ENDLOG\n");
}

bool Cpp_DataErrorOutput::Output(int blankLinesBefore, int blankLinesAfter) {
    auto& s = State();
    if (s.firstMessage.empty()) s.firstMessage = s.lines;
    // The echo writer's current file is restored afterwards, so a reader that raises a message
    // in the middle of its echo table keeps writing to the listing.
    std::FILE* previous = GetOutputFile();
    if (s.listingFile != nullptr)
        WriteToFile(s.listingFile, blankLinesBefore, blankLinesAfter, false);
    bool toLog = false;
    if (s.log.IsOpen()) {
        WriteToFile(s.log.File(), blankLinesBefore, blankLinesAfter, true);
        toLog = true;
    }
    SetOutputFile(previous);
    return toLog;
}

void Cpp_DataErrorOutput::Begin(long number, int kind) {
    Reset(State().messageFile);
    SetErrorNumber(number, kind);
}

void Cpp_DataErrorOutput::BeginReading(long number, int kind, const std::string& frameLine) {
    Begin(number, kind);
    AddString(frameLine);
}

void Cpp_DataErrorOutput::BeginCheck(long number, int kind) {
    Reset(State().messageFile);
    OutputPendingTitle();
    SetErrorNumber(number, kind);
}

bool Cpp_DataErrorOutput::Finish() {
    Output(1, 0);
    return true;
}

bool Cpp_DataErrorOutput::FinishWithInputLine(const std::string& line) {
    AddInputLine(line);
    return Finish();
}

const std::vector<std::string>& Cpp_DataErrorOutput::Lines() { return State().lines; }

bool Cpp_DataErrorOutput::OpenErrorLog() {
    auto& s = State();
    CloseErrorLog();
    if (s.log.Open(kLogName)) return true;
    ShowErrorOnMainWindow("File I/O Error",
                          "Unable to open file for error logging.  You may not have permission "
                          "to write to the directory.  Make sure you are running KLIVEN in a "
                          "directory you can write to.");
    return false;
}

void Cpp_DataErrorOutput::CloseErrorLog() {
    auto& s = State();
    if (s.log.IsOpen()) s.log.Commit();
}

bool Cpp_DataErrorOutput::ErrorLogHasLines() {
    std::FILE* f = std::fopen(kLogName, "r");
    if (f == nullptr) return false;
    int c = std::fgetc(f);
    std::fclose(f);
    return c != EOF;
}

bool Cpp_DataErrorOutput::DisplayErrorLog(WindowHandle, bool) {
    CloseErrorLog();
    std::error_code ec;
    std::filesystem::path log = std::filesystem::absolute(kLogName, ec);
    platform::Services().DataErrors().DisplayDataErrors(ec ? std::filesystem::path(kLogName) : log);
    return true;
}

void Cpp_DataErrorOutput::ClearFirstMessage() { State().firstMessage.clear(); }

const std::vector<std::string>& Cpp_DataErrorOutput::FirstMessage() { return State().firstMessage; }

void Cpp_DataErrorOutput::ResetForTests() {
    auto& s = State();
    s.firstMessage.clear();
    s.log.Discard();
    s.messageFile = nullptr;
    s.listingFile = nullptr;
    s.lines.clear();
    s.headerLine.clear();
    s.headerFlag = false;
    s.pendingTitle.reset();
}

int Cpp_PrintString::Print(std::FILE* file, int blankLinesBefore, int blankLinesAfter) const {
    SetOutputFile(file);
    PrintBlankLines(blankLinesBefore);
    for (const auto& line : lines_) {
        PrintText(line);
        PrintNewLine();
    }
    PrintBlankLines(blankLinesAfter);
    return 1;
}

bool PrintErrorNumber(Cpp_PrintString& s, long number, int kind) {
    s.AddString(Cpp_DataErrorOutput::NumberLine(number, kind));
    return true;
}

bool PrintInputLine(Cpp_PrintString& s, const std::string& line) {
    s.AddString("The following line of input data was entered:");
    s.AddString(line);
    return true;
}

void Cpp_Errors::UnexpectedError(const std::string& where) {
    ShowErrorMessage("Unexpected Error",
                     "Unexpected error in " + where +
                         " - This error should never occur - Notify Kordel\n"
                         "The operation was stopped; the program and your data are kept.");
    throw Exc_UnexpectedError();
}

bool Cpp_DataErrors::UnrecognizedCommandWord(const std::string& word, const std::string& line) {
    Begin(1200, 0);
    AddLine("Unrecognized command word: %s", word.c_str());
    return FinishWithInputLine(line);
}
