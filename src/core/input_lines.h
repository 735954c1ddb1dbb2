#pragma once
// Input lines of the problem file: what every block reader reads its lines and numbers with.
//
// Usage in a block reader:
//     std::string word, line;
//     while (ReadNextLineCopy(in, word, line)) { if (word == "PRO") ... }   // command lines
//     s_InputLineType rec;            // rec.maxValues = 3 to read at most three values
//     if (!ReadNumberLine(in, rec)) { /* end of file */ }
//     if (rec.blankLine) { /* block ends */ }
//     double x = rec.values[0]; ... rec.numValues, rec.text (the line), rec.rest (text after the
//     numbers)
//
// Rules of every function here:
// - Lines of any length are read whole; "\r\n" and "\n" both end a line (the "\r" is stripped
//   before anything looks at the line); a last line without a line end is still a line.
// - Comment lines ("//" or "/*" after leading blanks; blanks only, a tab makes it an ordinary
//   line) are skipped wherever a line is read by ReadNextLine / ReadNextLineCopy / ReadNumberLine.
// - Lines handed out by ReadNextLine and ReadNextLineCopy always end in exactly one "\n" (also the
//   last line of a file without one), and tabs are turned into blanks.
// - Numbers are strict decimals in the C locale: an optional sign, digits with an optional point
//   and exponent. "inf", "nan", hex ("0x...") and out-of-range values are not numbers.

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

// The record of one number line, filled by ReadNumberLine.
struct s_InputLineType {
    bool blankLine = false;  // the line held only blanks (no values)
    bool endOfFile = false;  // no line was left
    bool flag = false;       // left alone by the line functions; free for the block reader
    std::vector<double> values;
    std::string text;    // the line as read, without its line end
    int maxValues = 20;  // set by the caller; 0 or less reads every number of the line
    int numValues = 0;   // values.size()
    std::string rest;    // the text after the numbers, leading blanks skipped
};

// Reads one physical line without its line end ("\r\n" or "\n"); false at end of file.
// Nothing is skipped or changed. Used by readers that need lines exactly as written.
// In every line read by the functions here, a control character other than a tab (a NUL byte,
// for one) is damage and becomes a blank; the current listing (echo writer) gets a note with
// the repaired line.
bool ReadPhysicalLine(std::FILE* file, std::string& line);

// True when, after leading blanks (not tabs), the line begins with "//" or "/*".
bool IsCommentLine(std::string_view line);

// The next line that is not a comment line, tabs turned into blanks, ending in "\n".
// False at end of file (line left empty).
bool ReadNextLine(std::FILE* file, std::string& line);

// The next command line (as ReadNextLine) and its command word (FirstWordPrefix). False at end
// of file.
bool ReadNextLineCopy(std::FILE* file, std::string& commandWord, std::string& line);

// Reads one data line and splits it into numbers (commas and tabs separate like blanks) and the
// trailing text. False at end of file (endOfFile set). A line of blanks sets blankLine and gives
// no values. A word that begins with a number (12abc) gives that number and is skipped whole;
// the first word that is not a number ends the values; it and what follows form the rest.
bool ReadNumbersFromLine(std::FILE* file, std::vector<double>& values, int maxValues,
                         std::string& lineText, std::string& rest, bool& blankLine,
                         bool& endOfFile);
bool ReadNumberLine(std::FILE* file, s_InputLineType& record);

// The same split applied to a line already in memory (no line end expected).
void SplitNumberLine(std::string_view line, std::vector<double>& values, int maxValues,
                     std::string& rest);

// True when the text holds only blanks, tabs, carriage returns and line ends (or nothing).
bool IsBlankLine(std::string_view text);

// The command word of a text: the first three characters from the first non-blank character,
// upper-cased. A word shorter than three characters keeps the line end ("NO\n"), so it never
// equals a three-character command such as "NO ". Only blanks: an empty word. Always true.
bool FirstWordPrefix(std::string_view text, std::string& word);

// Removes one trailing line end from text (in place), then writes the first character of each
// blank-separated word as written: "Circular Search" gives "CS".
void KeywordInitials(std::string& text, std::string& initials);
// The initials of every blank-separated word (line end kept) and the first word upper-cased.
void KeywordInitialsAndFirstWord(std::string_view text, std::string& initials,
                                 std::string& firstWord);

// Removes the first n words of text in place: leading blanks, then words ended by a blank or tab;
// the text after the n-th word's ending blank remains. The last character is never examined.
void SkipLeadingWords(std::string& text, int n);

// Reads and drops n physical lines; false at end of file or when file is null.
bool SkipLines(std::FILE* file, int n);

// Strict decimal number at the start of text (after nothing: no blanks skipped). On success
// value is set and the number of characters used is returned; 0 when text does not begin with
// a decimal number.
std::size_t ParseDecimalPrefix(std::string_view text, double& value);
// The whole text (blanks around it allowed) is one strict decimal number.
bool ParseDecimal(std::string_view text, double& value);

// The largest magnitude of a coordinate taken from a file. Sums, differences and products of
// such values stay finite, so the geometry built on them never meets an infinity or a NaN;
// readers refuse a larger coordinate with their block's numbered message.
inline constexpr double kLargestCoordinate = 1.0e15;
inline bool IsUsableCoordinate(double value) {
    return value >= -kLargestCoordinate && value <= kLargestCoordinate;
}

// A value read from a data line as an integer: truncated toward zero and held to the range of
// int, so a number too large for it keeps its sign instead of wrapping (NaN gives 0).
int TruncateToInt(double value);
