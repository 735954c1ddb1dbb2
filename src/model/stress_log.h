#pragma once
// The stress log: the points computed in the vertical-effective-stress and overburden dialogs,
// one row each, in a text file named after the data file with the extension "stresses-kliven".
// The log writes through its own file, never through the shared echo writer, so an echo listing
// open at the same time is not disturbed.
//
//     Cpp_StressLog log;
//     if (log.Open() == Cpp_StressLog::Opened) log.WriteEffectiveStressRow(result, tabs, 2);
//
// Every file the log creates gets its header before its first row.

#include "model/point_stress_results.h"

#include <cstdio>
#include <filesystem>
#include <string>

// Rows and headers as they stand in the file (each line ends with "\n"). The coordinates take
// the coordinate decimals of the preferences; decimals are kept within 0 to 15.
std::string EffectiveStressLogHeader(bool tabDelimited);
std::string EffectiveStressLogRow(const s_PointStressResult& result, bool tabDelimited,
                                  int coordinateDecimals, int decimals);
std::string OverburdenLogHeader();
std::string OverburdenLogRow(const s_PointStressResult& result, int coordinateDecimals,
                             int stressDecimals);

class Cpp_StressLog {
public:
    enum OpenResult { Opened, Failed, Cancelled };

    Cpp_StressLog() = default;
    ~Cpp_StressLog() { Close(); }
    Cpp_StressLog(const Cpp_StressLog&) = delete;
    Cpp_StressLog& operator=(const Cpp_StressLog&) = delete;

    // Creates the log empty (replacing an older one): beside the data file, named after it;
    // without a data file the user is asked for the name. Failed after the "File I/O Error"
    // box, Cancelled when the user gave no name.
    OpenResult Open();
    void Close();
    bool IsOpen() const { return file_ != nullptr; }
    const std::filesystem::path& Path() const { return path_; }

    // The header of this file when it has none yet, then the row. Nothing without a file.
    void WriteEffectiveStressRow(const s_PointStressResult& result, bool tabDelimited,
                                 int decimals);
    void WriteOverburdenRow(const s_PointStressResult& result);

private:
    void Write(const std::string& header, const std::string& row);

    std::FILE* file_ = nullptr;
    std::filesystem::path path_;
    bool headerPending_ = true;
};
