#include "model/stress_log.h"

#include "core/file_io.h"
#include "core/format_text.h"
#include "core/preferences.h"
#include "platform/services.h"

namespace {

const char kExtension[] = "stresses-kliven";
const char kMissing[] = "        ???????";

std::string Fixed(double value, int width, int decimals) {
    return FormatText("%*.*f", width, ClampDecimals(decimals), value);
}

std::string Integer(long value, int width) { return FormatText("%*ld", width, value); }

}  // namespace

std::string EffectiveStressLogHeader(bool tabDelimited) {
    if (tabDelimited)
        return "X\tY\tDepth Below Ground Surface\tTotal Vertical Overburden Pressure\tPore Water "
               "Pressure\tProfile Line Number\tMaterial Number\tEffective Vertical Overburden "
               "Pressure\n";
    return "                                       Depth         Total      |           Pore "
           "Water Pressure            |      Effective\n"
           "                                       Below        Vertical    |                  "
           "Profile                 |       Vertical\n"
           "                                      Ground       Overburden   |                   "
           "Line       Material    |      Overburden\n"
           "      X                 Y             Surface       Pressure    |    Pressure      "
           "Number       Number     |       Pressure\n" +
           std::string(64, ' ') + "|" + std::string(42, ' ') + "|\n";
}

std::string EffectiveStressLogRow(const s_PointStressResult& r, bool tabDelimited,
                                  int coordinateDecimals, int decimals) {
    std::string row = Fixed(r.x, 15, coordinateDecimals);
    if (tabDelimited) {
        const std::string missing = "\t???????";
        auto field = [](const std::string& text) { return "\t" + text; };
        row += field(Fixed(r.y, 15, coordinateDecimals));
        row += r.overburdenOk
                   ? field(Fixed(r.depth, 15, decimals)) + field(Fixed(r.overburden, 15, decimals))
                   : missing + missing;
        row += r.poreOk ? field(Fixed(r.pore, 15, decimals)) + field(Integer(r.lineNumber, 10)) +
                              field(Integer(r.materialNumber, 10))
                        : missing + missing + missing;
        row += r.EffectiveOk() ? field(Fixed(r.Effective(), 15, decimals)) : missing;
        return row + "\n";
    }
    row += Fixed(r.y, 15, coordinateDecimals);
    row += r.overburdenOk ? Fixed(r.depth, 15, decimals) + Fixed(r.overburden, 15, decimals)
                          : std::string(kMissing) + kMissing;
    row += "    |";
    row += r.poreOk ? Fixed(r.pore, 12, decimals) + Integer(r.lineNumber, 10) +
                          Integer(r.materialNumber, 13) + "       |"
                    : std::string("     ???????       ?????       ?????      |");
    row += r.EffectiveOk() ? Fixed(r.Effective(), 15, decimals) : std::string(kMissing);
    return row + "\n";
}

std::string OverburdenLogHeader() {
    return "      X                 Y          Overburden Pressure\n";
}

std::string OverburdenLogRow(const s_PointStressResult& r, int coordinateDecimals,
                             int stressDecimals) {
    return Fixed(r.x, 15, coordinateDecimals) + Fixed(r.y, 15, coordinateDecimals) +
           (r.overburdenOk ? Fixed(r.overburden, 15, stressDecimals)
                           : std::string("  Could not compute")) +
           "\n";
}

Cpp_StressLog::OpenResult Cpp_StressLog::Open() {
    Close();
    std::filesystem::path folder;
    std::string name;
    const std::filesystem::path document = Cpp_FileIO::GetInputFileName();
    if (!document.empty()) {
        folder = document.parent_path();
        name = document.stem().string();
    } else {
        platform::FileDialogRequest request;
        request.title = "Stress Log File";
        request.filter = "Stress logs (*.stresses-kliven)|*.stresses-kliven|All files (*.*)|*.*|";
        request.defaultExtension = kExtension;
        const auto chosen = platform::Services().FileDialogs().GetSaveFileName(request);
        if (!chosen) return Cancelled;
        folder = chosen->parent_path();
        name = chosen->stem().string();
    }
    if (!Cpp_FileIO::OpenNamedOutputFile(folder, name, kExtension, path_, file_)) {
        file_ = nullptr;
        return Failed;
    }
    headerPending_ = true;
    return Opened;
}

void Cpp_StressLog::Close() {
    if (file_) std::fclose(file_);
    file_ = nullptr;
}

void Cpp_StressLog::Write(const std::string& header, const std::string& row) {
    if (!file_) return;
    if (headerPending_) std::fputs(header.c_str(), file_);
    headerPending_ = false;
    std::fputs(row.c_str(), file_);
    std::fflush(file_);
}

void Cpp_StressLog::WriteEffectiveStressRow(const s_PointStressResult& result, bool tabDelimited,
                                            int decimals) {
    Write(EffectiveStressLogHeader(tabDelimited),
          EffectiveStressLogRow(result, tabDelimited, Cpp_KlivenSettings::CoordinateDecimals(),
                                decimals));
}

void Cpp_StressLog::WriteOverburdenRow(const s_PointStressResult& result) {
    Write(OverburdenLogHeader(), OverburdenLogRow(result, Cpp_KlivenSettings::CoordinateDecimals(),
                                                  Cpp_KlivenSettings::StressDecimals()));
}
