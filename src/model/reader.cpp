// The reader dispatcher of the input format: command lines, the command table, the end of a
// data set and the recovery after a failed block.

#include <string>

#include "core/data_error_output.h"
#include "core/echo_writer.h"
#include "core/input_lines.h"
#include "model/data_set.h"
#include "registry/block_readers.h"

namespace {

enum class Row { Block, BlockNoRecovery, Com, No, Fir, Sec, Gra, Accept, Kl3, Kl4, Asc };

struct CommandRow {
    const char* word;    // as tested
    const char* reader;  // registered word of the block reader (Block rows)
    Row action;
    bool olderOnly;  // recognised only in the older-format mode
    bool echo;
    int unitSystem;
};

// In the order in which the words are tested; the first match wins.
const CommandRow kCommands[] = {
    {"HEA", "HEA", Row::Block, false, false, 0},
    {"LAB", "LAB", Row::Block, false, false, 0},
    {"PRO", "PRO", Row::Block, false, true, 0},
    {"MAT", "MAT", Row::Block, false, true, 0},
    {"PIE", "PIE", Row::Block, false, true, 0},
    {"INT", "INT", Row::Block, false, true, 0},
    {"SLO", "SLO", Row::Block, false, true, 0},
    {"DIS", "DIS", Row::Block, false, true, 0},
    {"SUR", "DIS", Row::Block, true, true, 0},
    {"LIN", "LIN", Row::Block, false, true, 0},
    {"FOR", "LIN", Row::Block, true, true, 0},
    {"REI", "REI", Row::Block, false, true, 0},
    {"ANA", "ANA", Row::Block, false, true, 0},
    {"COM", nullptr, Row::Com, false, false, 0},
    {"NO ", nullptr, Row::No, false, false, 0},
    {"FIR", nullptr, Row::Fir, false, false, 0},
    {"SEC", nullptr, Row::Sec, false, false, 0},
    {"ENG", "ENG", Row::Block, false, true, 1},
    {"SIU", "SIU", Row::Block, false, true, 2},
    {"SI ", "SIU", Row::Block, false, true, 2},
    {"OTH", "OTH", Row::Block, false, true, 3},
    {"GRA", nullptr, Row::Gra, false, false, 0},
    {"PLO", nullptr, Row::Gra, true, false, 0},
    {"SEP", nullptr, Row::Accept, false, false, 0},
    {"KL3", nullptr, Row::Kl3, false, false, 0},
    {"KL4", nullptr, Row::Kl4, false, false, 0},
    {"ASC", nullptr, Row::Asc, true, false, 0},
    {"VIE", "VIE", Row::BlockNoRecovery, false, true, 0},
    {"GRI", "GRI", Row::BlockNoRecovery, false, true, 0},
    {"EXT", "EXT", Row::BlockNoRecovery, false, true, 0},
    {"CON", "CON", Row::BlockNoRecovery, false, true, 0},
    {"NAI", "NAI", Row::BlockNoRecovery, false, false, 0},
    {"GEO", "GEO", Row::BlockNoRecovery, false, false, 0},
    {"ARE", nullptr, Row::Accept, false, false, 0},
};

const CommandRow* FindRow(const std::string& word, bool olderFormat) {
    for (const auto& row : kCommands)
        if (word == row.word && (!row.olderOnly || olderFormat)) return &row;
    return nullptr;
}

void WriteLine(std::FILE* listing, const char* text) {
    SetOutputFile(listing);
    PrintIndent();
    PrintText(text, true);
}

}  // namespace

bool Cpp_Kliven4DataSet::ReadInputData(WindowHandle parent, std::FILE* input, std::FILE* listing,
                                       bool& endFlag) {
    SetOutputFile(listing);
    Cpp_DataErrorOutput::SetErrorFile(listing);
    endFlag = false;
    bool commandLineRead = false;
    std::string word, line;

    while (ReadNextLineCopy(input, word, line)) {
        commandLineRead = true;
        const CommandRow* row = FindRow(word, IsOlderFormat());
        bool failed = false;
        if (row == nullptr) {
            Cpp_DataErrors::UnrecognizedCommandWord(word, line);
            failed = true;
        } else {
            switch (row->action) {
            case Row::Block:
            case Row::BlockNoRecovery: {
                const Cpp_BlockReader* reader = FindBlockReader(row->reader);
                if (reader == nullptr) {
                    SetOutputFile(listing);
                    PrintNewLine();
                    PrintIndent();
                    PrintText("The data of the command word " + word.substr(0, 3) +
                                  " cannot be read by this version of the program.",
                              true);
                    PrintIndent();
                    PrintText(line);
                    failed = true;
                    break;
                }
                s_BlockReadContext context{*this,     input,           listing,
                                           parent,    CurrentStage(),  IsOlderFormat(),
                                           row->echo, row->unitSystem, line};
                bool ok = (*reader)(context);
                SetOutputFile(listing);
                Cpp_DataErrorOutput::SetErrorFile(listing);
                if (row->action == Row::Block && !ok) failed = true;
                break;
            }
            case Row::Com: return true;
            case Row::No:
                SetOutputFile(listing);
                PrintNewLine();
                WriteLine(listing, "XXXXXXXXXX NO COMPUTATIONS FOR THESE DATA XXXXXXXXXX");
                return true;
            case Row::Fir: SetCurrentStage(1); break;
            case Row::Sec: SetCurrentStage(2); break;
            case Row::Gra: SetGraphicsOutputFlag(true); break;
            case Row::Accept: break;
            case Row::Kl3: SetOlderFormat(true); break;
            case Row::Kl4: SetOlderFormat(false); break;
            case Row::Asc:
                SetOutputFile(listing);
                PrintNewLine();
                WriteLine(listing, "ASCII command word (from KLIVEN3 input format) was read");
                WriteLine(listing, "This has no meaning in KLIVEN4 and was ignored.");
                break;
            }
        }
        if (failed && !SkipToNextDataSet(input, listing)) return false;
    }

    SetOutputFile(listing);
    PrintNewLine();
    PrintIndent();
    if (!commandLineRead) {
        PrintText("Read end-of-file on input while looking for another command word.", true);
        PrintText("End of input data assumed - normal termination.", true);
        endFlag = true;
    } else {
        PrintText("Read end-of-file on input while looking for command words.", true);
        PrintText("Abormal termination of input data.", true);
    }
    return false;
}

bool Cpp_Kliven4DataSet::SkipToNextDataSet(std::FILE* input, std::FILE* listing) {
    SetOutputFile(listing);
    std::string word, line;
    while (ReadNextLineCopy(input, word, line)) {
        if (word == "***") {
            Clear();
            ResetForNewData();
            return true;
        }
    }
    WriteLine(listing,
              "The end-of-file was reached in the input file while looking for another set of "
              "data.");
    return false;
}
