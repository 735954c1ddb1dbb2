#pragma once
// The block readers of the input format, by command word. The reader dispatcher
// (Cpp_Kliven4DataSet::ReadInputData) looks up the reader of each block here.
//
// To plug in a block reader: write a function
//     bool ReadProfileLinesBlock(s_BlockReadContext& context);
// that reads the block's lines from context.input after its command line, writes its echo table
// to context.listing when context.echo is on, raises numbered messages on bad input and returns
// false when the block has errors; then add one line to InitializeBlockReaders() in
// model/subsystem_registration.cpp:
//     RegisterBlockReader("PRO", ReadProfileLinesBlock);
//
// The words, as registered: HEA LAB PRO MAT PIE INT SLO DIS LIN REI ANA ENG SIU OTH VIE GRI EXT
// CON NAI GEO. The older words SUR and FOR use the DIS and LIN readers, "SI " uses SIU.
// Stage-dependent readers (MAT, PIE, INT, DIS, LIN) work on context.stage.
// Until a row's reader is registered, a block of that word is reported in the listing as not
// readable and fails like a block with errors (the reader skips to the next "***" line).

#include <cstdio>
#include <functional>
#include <string>

#include "core/message_boxes.h"

class Cpp_Kliven4DataSet;

struct s_BlockReadContext {
    Cpp_Kliven4DataSet& dataSet;
    std::FILE* input;
    std::FILE* listing;
    WindowHandle parent;      // owner of question boxes (profile-line and interpolation readers)
    int stage;                // current stage, 1 or 2
    bool olderFormat;         // KL3 mode: older layouts of the heading and the analysis data
    bool echo;                // write the echo table (off for NAI and GEO)
    int unitSystem;           // ENG 1, SIU and "SI " 2, OTH 3; 0 for other words
    std::string commandLine;  // the command line that began the block, with its "\n"
};

using Cpp_BlockReader = std::function<bool(s_BlockReadContext&)>;

// Registers (or replaces) the reader of a command word.
void RegisterBlockReader(const std::string& word, Cpp_BlockReader reader);
// The reader of a word, or null while none is registered.
const Cpp_BlockReader* FindBlockReader(const std::string& word);
// Forgets every reader (tests).
void ClearBlockReaders();
