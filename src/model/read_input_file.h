#pragma once
// Reading a problem file into data set 1: the file's folder becomes current, the echo listing
// "NAME.preoutput-kliven" is written beside it, every data set is deleted, data set 1 is created
// and filled by Cpp_Kliven4DataSet::ReadInputData. Every failure thrown inside the read is caught
// here and reported through the entry points' table (model/exception_report.h); the user's
// previous data are gone only when the file could be opened. A read that fails without throwing
// shows the box "Unable to read input data. ..." captioned "Error": it names the listing, which
// is on disk by then, and says why: the first numbered message of the read (or, without one,
// the last lines of the listing). While the file is read the frame's progress control follows
// its position; a read the user stops there (Escape) fails with "Reading cancelled." on the
// status line and in the listing, and no box.
//
//     if (ReadInputDataFile(window, path)) { /* derive slope, crack, ... */ }
//     Cpp_FileIO::CloseOutputFile();   // or keep the listing open for the derived-data messages
//
// With closeListing the listing is closed before returning, complete on disk.

#include <filesystem>

#include "core/message_boxes.h"

bool ReadInputDataFile(WindowHandle parent, const std::filesystem::path& file,
                       bool closeListing = true);
