#pragma once
// The writer of the input format: a data set written block by block, each block through its
// owner's writer, in a fixed order. It serves two files: the computation program's input
// (document false) and this program's own document (document true, which adds the nail, geogrid,
// external-file and construction-line blocks).
//
// Order: [document: NAI, GEO, EXT] units, heading and label, PRO, stage-1 MAT, PIE, INT, SLO
// (only an entered slope), DIS, LIN, REI, then "SECond stage input data" and the stage-2 MAT,
// PIE, INT, DIS, LIN, then ANA, "GRAphics output file", [document: CON], "COMpute" or
// "NO compute".
//
// Second-stage data are written when the analysis is multi-stage. In the computation input, a
// kind that holds second-stage data without a multi-stage analysis is written only when the user
// agrees (the save question); the document always keeps every stage's data.
//
// The owners of the blocks register their writers in registry/block_writers.h at start-up
// (InitializeBlockWriters in model/subsystem_registration.cpp), as the block readers are
// registered with the reader.

#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>

#include "core/dialog_slot.h"
#include "core/message_boxes.h"
#include "registry/block_writers.h"

class Cpp_Kliven4DataSet;

// The "Save Multi-Stage Data?" question, with the check box "Don't warn me again - save
// multi-stage data of they exist.". Its window is registered in SaveMultistageWarningSlot(); the
// stand-in answers Yes (the data are kept).
class SaveMultistageWarning {
public:
    virtual ~SaveMultistageWarning() = default;
    // True for Yes; dontWarnAgain is the check box as the user left it.
    virtual bool Ask(const std::string& text, const std::string& question, bool& dontWarnAgain) = 0;
};
DialogSlot<SaveMultistageWarning>& SaveMultistageWarningSlot();

// "EXTernal file data follow -" and the external-file settings of stage 1's and of stage 2's
// interpolation data (nothing while the interpolation data have no writer registered).
bool WriteExternalFileNames(Cpp_Kliven4DataSet& dataSet, std::FILE* file);

// The analysis data specify two-stage or three-stage computations.
bool IsMultiStage(const Cpp_Kliven4DataSet& dataSet);
// The save question; true without asking when the multi-stage prompt is off. Yes with the check
// box ticked switches the prompt off.
bool AskSaveMultistageData(const std::string& text, const std::string& question);

// Writes the blocks of the data set into an open file. False when a number format cannot be
// built or a block writer failed; the caller then keeps the previous file (see
// WriteInputFileTo).
bool WriteInputFile(Cpp_Kliven4DataSet& dataSet, bool document, bool withoutAnalysis,
                    std::FILE* file);
// Writes the data set into target through a temporary file in the same folder that is renamed
// over it; a failure is reported by false and leaves the previous file as it was. prefix, when
// given, writes what precedes the writer's blocks (the document's views and snap grid).
bool WriteInputFileTo(Cpp_Kliven4DataSet& dataSet, bool document,
                      const std::filesystem::path& target,
                      const std::function<bool(std::FILE*)>& prefix = {});
// Why the last WriteInputFileTo failed ("Permission denied"), for the message that reports it.
const std::string& LastWriteFailureReason();
// "Create KLIVEN Data File": the data check with its error log, then the computation input.
// With ask, the name comes from the save dialog (starting from path); otherwise path is used.
// False after errors in the data, a cancelled dialog or a failed write.
bool WriteComputationInputFile(WindowHandle parent, std::filesystem::path& path, bool ask);
