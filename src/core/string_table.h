#pragma once
// The program's string table: the texts that prompts, tool tips, message boxes and profile keys
// name by number. It is filled once at start-up from the program's resources (the text file
// resources/string_table.txt, which the user interface reads and hands to FillStringTable);
// until then every id is missing, and callers that need a text then do nothing.
//
// The text form, one entry a line: the id, one space, the text to the end of the line. Blank
// lines and lines starting with '#' are skipped.
//
//     1309 Right-click for edit options

#include <map>
#include <optional>
#include <string>
#include <string_view>

using StringTableEntries = std::map<int, std::string>;

// The text of an id, or nothing when the table lacks it.
std::optional<std::string> LoadStringText(int id);

// Replaces the table.
void FillStringTable(StringTableEntries entries);
// The table is emptied (tests).
void ResetStringTable();

// Reads the text form. False at the first bad line, with `error` naming it ("line 3: no id");
// then `entries` holds the lines before it. A repeated id is a bad line too.
bool ParseStringTable(std::string_view text, StringTableEntries& entries, std::string& error);
