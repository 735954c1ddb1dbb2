#pragma once
// The heading (free text lines) and the one-line label of a problem: the HEA and LAB blocks of
// the input format, the heading lines at the top of every echo-table page, and the text the
// heading dialog edits.
//
//     heading.ReadInput(olderFormat, in);   // after the HEA command line
//     heading.ReadLabel(in);                // after the LAB command line
//     heading.WriteKLIVEN4InputDataFile(out);
//
// Lines read from a file keep at most 78 characters (the rest of a longer physical line is
// dropped) with trailing blanks removed; the label keeps its trailing blanks.

#include "core/dialog_slot.h"

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

class Cpp_Heading {
public:
    static constexpr size_t kMaxLineLength = 78;

    void AddLine(const std::string& text) { lines_.push_back(text); }
    void DeleteLines() { lines_.clear(); }
    void DeleteLabel() { label_.reset(); }
    int NumberOfLines() const { return static_cast<int>(lines_.size()); }
    const std::vector<std::string>& Lines() const { return lines_; }
    // The first line that is not empty, or null.
    const std::string* FirstNonBlankLine() const;
    // The label, empty when there is none.
    std::string Label() const { return label_.value_or(std::string()); }
    void SetLabel(const std::string& label) { label_ = label; }

    // Makes file the echo writer's file (indent 0) and writes each line after the indent.
    void PrintLines(std::FILE* file) const;
    // HEA: normal mode reads lines up to a blank line (not stored) or the end of the file; in
    // the older format exactly three lines, blank ones included. Always true.
    bool ReadInput(bool olderFormat, std::FILE* file);
    // LAB: the next line that is not a comment line; empty at the end of the file. Always true.
    bool ReadLabel(std::FILE* file);
    // "HEAding follows -" with the lines and an empty line (when there are lines), then
    // "LABel follows -" with the label (when it is not empty). Always true.
    bool WriteKLIVEN4InputDataFile(std::FILE* file) const;

    // The heading dialog's text: the lines joined with "\r\n".
    std::string JoinedText() const;
    // Takes the dialog's text back: lines split at each "\r" (a following "\n" skipped) or
    // "\n", with trailing blanks removed; blank pieces are dropped (a blank line would end the
    // heading when the file is read again) and each line is cut to kMaxLineLength, so what is
    // stored is exactly what a file read gives back. The label when not empty.
    void SetFromEditedText(const std::string& text, const std::string& label);
    // The 1-based number, among the lines SetFromEditedText would keep, of the first line
    // longer than kMaxLineLength, and its length; 0 when every line fits.
    static int FirstLineTooLong(const std::string& text, size_t& length);

    // "Problem Heading and Label Input" on the lines and the label; on OK they are replaced by
    // the edited text. True on OK, false on Cancel (nothing changed).
    bool Edit();

private:
    std::vector<std::string> lines_;
    std::optional<std::string> label_;
};

// The heading dialog: the joined heading text and the label, edited in place; true on OK.
class Cpp_HeadingDialog {
public:
    virtual ~Cpp_HeadingDialog() = default;
    virtual bool Run(std::string& text, std::string& label) = 0;
};

// The registered heading dialog; the stand-in cancels.
DialogSlot<Cpp_HeadingDialog>& HeadingDialogSlot();
