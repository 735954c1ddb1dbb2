#pragma once
// Numbered data messages: the buffer of the one message being built, its output to the echo
// listing and to "Error.log", and the block title shown before the first check message of a
// block. One message is built at a time; the state is program-wide.
//
// A reading message (a block reader found bad input):
//     Cpp_Errors errors(listing);                          // messages go to this listing
//     Cpp_DataErrorOutput::BeginReading(2010, 0, "ERROR IN PROFILE LINE INPUT DATA.");
//     Cpp_DataErrorOutput::AddLine("Profile line number: %1ld", number);   // checked like printf
//     Cpp_DataErrorOutput::FinishWithInputLine(line);      // echo of the line, then output
// A check message (the data check of a block):
//     Cpp_DataErrorOutput::SetPendingTitle("PROFILE LINES ...\n");  // before the block's check
//     Cpp_DataErrorOutput::BeginCheck(2230, 0);            // takes the title on the first one
//     Cpp_DataErrorOutput::AddLine("No points for profile line number: %1ld", number);
//     Cpp_DataErrorOutput::Finish();
//     Cpp_DataErrorOutput::DiscardPendingTitle();          // after the block
//
// Kinds: 0 error, 1 warning, 2 notice, 3 fatal application error.
// The listing gets one blank line, the pending title (once), then the lines; "Error.log" (while
// open) gets the lines and "///ENDLOG". A message has as many lines of any length as it needs;
// nothing here throws for length.
// Topic catalogues live in their own files, in the folder of the subsystem that raises them
// (<subsystem>/<topic>_messages.*), one function per number.

#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "core/message_boxes.h"

class Cpp_DataErrorOutput {
public:
    // Constructing one (as the context objects do) clears the message file.
    Cpp_DataErrorOutput();

    static void SetErrorFile(std::FILE* file);
    static std::FILE* GetErrorFile();
    static void Reset(std::FILE* file);
    static void SetPendingTitle(const std::string& title);
    static void DiscardPendingTitle();
    static bool OutputPendingTitle();
    static bool SetErrorNumber(long number, int kind);
    static void AddString(const std::string& text);
    static void AddLine(const char* format, ...) __attribute__((format(printf, 1, 2)));
    static bool AddInputLine(const std::string& line);
    static bool Output(int blankLinesBefore, int blankLinesAfter);
    static void WriteToFile(std::FILE* file, int blankLinesBefore, int blankLinesAfter, bool isLog);

    // The usual sequences. Begin: Reset with the message file and the number line.
    static void Begin(long number, int kind);
    static void BeginReading(long number, int kind, const std::string& frameLine);
    static void BeginCheck(long number, int kind);
    static bool Finish();  // Output(1, 0)
    static bool FinishWithInputLine(const std::string& line);

    // The lines of the message being built (tests and the data-error display read them).
    static const std::vector<std::string>& Lines();

    // The lines of the first message output since ClearFirstMessage; empty when none was. A
    // failed read names it as the reason.
    static void ClearFirstMessage();
    static const std::vector<std::string>& FirstMessage();

    // "Error.log" in the current folder.
    static bool OpenErrorLog();
    static void CloseErrorLog();
    static bool ErrorLogHasLines();
    // Closes the log and shows it through the data-error display of the platform.
    static bool DisplayErrorLog(WindowHandle parent, bool flag);

    // The number line of a kind: "KLIVEN ERROR NUMBER 1200" and its kin.
    static std::string NumberLine(long number, int kind);

    // Forgets the message, the title and the files (tests call this between cases).
    static void ResetForTests();
};

// A local message buffer printed to the listing only (never to "Error.log").
class Cpp_PrintString {
public:
    void AddString(const std::string& text) { lines_.push_back(text); }
    int Count() const { return static_cast<int>(lines_.size()); }
    const std::vector<std::string>& Lines() const { return lines_; }
    // Makes file the echo writer's file, writes the blank lines before, the lines, the blank
    // lines after; returns 1.
    int Print(std::FILE* file, int blankLinesBefore, int blankLinesAfter) const;

private:
    std::vector<std::string> lines_;
};

bool PrintErrorNumber(Cpp_PrintString& s, long number, int kind);
// The echo of an input line, unchanged (a trailing newline stays).
bool PrintInputLine(Cpp_PrintString& s, const std::string& line);

// Context objects: readers and checks construct one to name the listing messages go to.
class Cpp_Errors : public Cpp_DataErrorOutput {
public:
    explicit Cpp_Errors(std::FILE* file) { SetErrorFile(file); }

    // Thrown by UnexpectedError after its box; the entry points catch it like any failure.
    class Exc_UnexpectedError {};
    // A reader or check gives up and the files are to be closed.
    class Exc_CloseFilesAndQuit {};
    // "Unexpected error in WHERE - This error should never occur - ..." in a stop box captioned
    // "Unexpected Error", then Exc_UnexpectedError is thrown. The program keeps running.
    [[noreturn]] static void UnexpectedError(const std::string& where);
};

class Cpp_DataErrors : public Cpp_DataErrorOutput {
public:
    Cpp_DataErrors() = default;  // no file: messages reach only the log
    explicit Cpp_DataErrors(std::FILE* file) { SetErrorFile(file); }

    // 1200 E: "Unrecognized command word: %s" with the word as read, then the input line.
    static bool UnrecognizedCommandWord(const std::string& word, const std::string& line);
};
