#pragma once
// Reporting an exception that reached an entry point of the program (reading a file, drawing
// the view, a mouse click, a key, a command). The known failure classes of the model are tried
// in one fixed order and each writes its own line to the echo listing; an int or a text also
// shows the "KLIVEN Exception" box. Anything else is reported by the catch-all: a line in the
// listing, the status line and standard error. Nothing is rethrown.
//
// Reading a file, drawing the view and every handler of the frame use this one table.
//
//     try { ... } catch (...) { ReportEntryPointException("DrawView"); }

#include <string>

// Call only inside a catch block. Answers the text that was reported.
std::string ReportEntryPointException(const char* where) noexcept;
