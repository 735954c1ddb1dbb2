// The INT block (interpolation points of a stage, or the point files they come from) and the EXT
// block of the document (the point files of both stages and whether they are read into the
// program after opening).
//
//     INTerpolation data follow -          INTerpolation data follow -
//          Pressure values                 FILE points.dat
//          10.0  20.0  5.0                 (the named file holds the kind sections)
//                                          INTerpolation data follow -
//                                          SEEP2D mesh.upp

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <system_error>

#include "core/data_error_output.h"
#include "core/echo_writer.h"
#include "core/format_text.h"
#include "core/input_lines.h"
#include "core/output_settings.h"
#include "core/output_table.h"
#include "core/text_exception.h"
#include "core/text_formats.h"
#include "porepressure/interpolation_data.h"
#include "porepressure/porepressure_messages.h"

namespace {

// The text after the first word of a line and its blanks, without line end or trailing blanks.
std::string RestAfterFirstWord(const std::string& line) {
    std::size_t i = line.find_first_not_of(' ');
    if (i == std::string::npos) return std::string();
    i = line.find(' ', i);
    if (i == std::string::npos) return std::string();
    i = line.find_first_not_of(' ', i);
    if (i == std::string::npos) return std::string();
    std::string rest = line.substr(i);
    while (!rest.empty() && (rest.back() == '\n' || rest.back() == '\r' || rest.back() == ' '))
        rest.pop_back();
    return rest;
}

bool Put(std::FILE* file, const std::string& text) {
    return std::fwrite(text.data(), 1, text.size(), file) == text.size();
}

// A coordinate in its field of the block: with the format's decimals when that text reads back as
// the same number, else as the shortest text that does, so that two points held apart are never
// written alike (and merged as duplicates on reading).
std::string CoordinateField(const std::string& format, int width, double value) {
    const std::string fixed = FormatDynamic(format, value);
    const std::size_t first = fixed.find_first_not_of(' ');
    double back = 0.0;
    if (first != std::string::npos) {
        const char* begin = fixed.data() + first;
        const char* end = fixed.data() + fixed.size();
        const auto [ptr, ec] = std::from_chars(begin, end, back);
        if (ec == std::errc() && ptr == end && back == value) return SeparatedField(fixed);
    }
    char buffer[64];
    const auto [ptr, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
    if (ec != std::errc()) return SeparatedField(fixed);
    std::string shortest(buffer, ptr);
    if (static_cast<int>(shortest.size()) < width)
        shortest.insert(0, static_cast<std::size_t>(width) - shortest.size(), ' ');
    return SeparatedField(shortest);
}

}  // namespace

bool Cpp_InterpolationData::KindWrittenAsPoints(int kind) const {
    if (!HasDataOfKind(kind)) return false;
    const s_SourceRecord& record = sources_[RecordOfKind(kind)];
    // Data from a named file are written as the file's name; without a name only the points
    // themselves can keep them.
    return !(KindFromFile(kind) && !record.fileName.empty());
}

bool Cpp_InterpolationData::ReadInput(std::FILE* input, std::FILE* echo, bool echoFlag,
                                      WindowHandle parent) {
    if (stage_ != 1 && stage_ != 2)
        throw Cpp_TextException("Cpp_InterpolationData::ReadInput - Illegal stage");
    Cpp_Errors errors(echo);
    SetOutputFile(echo);
    if (echoFlag && echo) {
        Cpp_OutputTable table(echo);
        if (stage_ == 2) {
            table.SetTitleLine(1, "NEW INTERPOLATION DATA - SECOND/THIRD-STAGE COMPUTATIONS");
            table.StartTable(9, 0, '2', true);
        } else {
            table.SetTitleLine(1, "NEW INTERPOLATION DATA - CONVENTIONAL/FIRST-STAGE COMPUTATIONS");
            table.StartTable(8, 0, '*', true);
        }
    }
    MarkAllPointsOld();

    // The first line may name the source of the whole block.
    std::string line;
    if (!ReadNextLine(input, line)) {
        Cpp_PorePressureMessages::Message4710(stage_);
        return false;
    }
    if (IsBlankLine(line)) {
        PrintSummary();
        return true;
    }
    std::string initials, word;
    KeywordInitialsAndFirstWord(line, initials, word);
    if (word == "FILE") {
        std::string used;
        std::FILE* named = nullptr;
        if (!OpenWithQuestion(RestAfterFirstWord(line), 2, line, parent, used, named)) return false;
        if (echoFlag) PrintText("The following data were read from file: " + used, true);
        const bool ok = ReadKindSections(named, echoFlag, SectionMode::FileLine, used, nullptr);
        std::fclose(named);
        if (ok) PrintSummary();
        return ok;
    }
    if (word == "SEEP2D" || word == "SEEPW") {
        const int source = word == "SEEP2D" ? 2 : 3;
        s_SourceRecord& record = sources_[kPressure];
        if (record.source != -1 && record.source != source) {
            Cpp_PorePressureMessages::Message4705(1, stage_, line);
            return false;
        }
        record.source = source;
        record.fileName = RestAfterFirstWord(line);
        // The file was read into the program, so the document reads it again.
        record.importToPreprocessor = true;
        return source == 2 ? ReadSeep2dFile(record.fileName, echo, echoFlag, parent)
                           : ReadSeepwFile(record.fileName, echo, echoFlag, parent);
    }
    const bool ok = ReadKindSections(input, echoFlag, SectionMode::Block, std::string(), &line);
    if (ok) PrintSummary();
    return ok;
}

bool Cpp_InterpolationData::WritePointsOfKinds(std::FILE* file, const std::vector<int>& kinds,
                                               int coordinateDecimals, bool skipImported,
                                               bool& headerWritten) const {
    constexpr int kWidth = 15;
    for (int kind : kinds) {
        std::string valueFormat, coordinateFormat;
        if (!Cpp_Strings::MakeNumberFormat(1, kWidth, InterpolationKindDecimals(kind),
                                           valueFormat) ||
            !Cpp_Strings::MakeNumberFormat(1, kWidth, coordinateDecimals, coordinateFormat))
            return false;
        bool kindHeader = false;
        for (const auto& set : sets_) {
            if (set->Kind() != kind) continue;
            std::string out;
            for (const auto& p : set->Points()) {
                if (skipImported && p.IsImported()) continue;
                out += "     " + CoordinateField(coordinateFormat, kWidth, p.X()) +
                       CoordinateField(coordinateFormat, kWidth, p.Y()) +
                       SeparatedField(FormatDynamic(valueFormat, p.Value())) +
                       SeparatedField(FormatText("%10d", set->Material())) + "\n";
            }
            if (out.empty()) continue;
            if (!headerWritten) {
                if (!Put(file, "INTerpolation data follow -\n")) return false;
                headerWritten = true;
            }
            if (!kindHeader) {
                if (!Put(file, std::string("     ") + InterpolationKindText(kind).header + "\n"))
                    return false;
                kindHeader = true;
            }
            if (!Put(file, out)) return false;
        }
        if (kindHeader && !Put(file, "\n")) return false;
    }
    return true;
}

bool Cpp_InterpolationData::WriteKLIVEN4InputDataFile(std::FILE* file) {
    // The document names a point file only through the external-file records, which know the
    // pressure, r-sub-u and strength files; the other kinds read from a file keep their points.
    std::vector<int> kinds;
    for (int kind = 1; kind <= 6; ++kind)
        if (KindWrittenAsPoints(kind) || (HasDataOfKind(kind) && RecordOfKind(kind) > kStrength))
            kinds.push_back(kind);
    if (kinds.empty()) return true;
    int decimals = CurrentOutputSettings().coordinateDecimals;
    static const char* const dataFiles[] = {
        "pore water pressure data file", "pore pressure coefficient (r-sub-u) data file",
        "strength values data file", "anisotropic strength data file"};
    for (int kind = 1; kind <= 4; ++kind) {
        if (decimals >= maxDecimals_) break;
        if (std::find(kinds.begin(), kinds.end(), kind) == kinds.end()) continue;
        const std::string text =
            FormatText(
                "Number of decimals set for coordinates in Preprocessor (= %d) is less that the number "
                "of decimals in the imported ",
                decimals) +
            dataFiles[kind - 1] +
            FormatText(" (= %d).  Do you want to use the larger number of decimals (strongly "
                       "recommended)?",
                       maxDecimals_);
        if (AskYesNoOnMainWindowEx("Use more decimals?", text, true)) decimals = maxDecimals_;
    }
    bool header = false;
    if (!WritePointsOfKinds(file, kinds, decimals, true, header)) return false;
    return !header || Put(file, "\n");
}

bool Cpp_InterpolationData::WriteKLIVEN4InputDataFileWithFileNames(std::FILE* file) const {
    const int decimals = CurrentOutputSettings().coordinateDecimals;
    std::vector<std::string> names;
    for (int record = 0; record < kRecords; ++record) {
        const s_SourceRecord& r = sources_[record];
        if (r.source == 1 && !r.fileName.empty() &&
            std::find(names.begin(), names.end(), r.fileName) == names.end())
            names.push_back(r.fileName);
    }
    for (const std::string& name : names)
        if (!Put(file, "INTerpolation data follow -\nFILE " + name + "\n")) return false;
    const s_SourceRecord& pressure = sources_[kPressure];
    if ((pressure.source == 2 || pressure.source == 3) && !pressure.fileName.empty())
        if (!Put(file, std::string("INTerpolation data follow -\n") +
                           (pressure.source == 2 ? "SEEP2D " : "SEEPW ") + pressure.fileName +
                           "\n"))
            return false;
    std::vector<int> kinds;
    for (int kind = 1; kind <= 6; ++kind)
        if (KindWrittenAsPoints(kind)) kinds.push_back(kind);
    bool header = false;
    if (!WritePointsOfKinds(file, kinds, decimals, false, header)) return false;
    return !header || Put(file, "\n");
}

bool Cpp_InterpolationData::WriteExternalFileParameters(std::FILE* file) const {
    std::string out;
    // Whether the file is read into the program after opening, as the user chose.
    auto importLine = [&](int record, const char* what) {
        return std::string(sources_[record].importToPreprocessor ? "1 = import "
                                                                 : "0 = do NOT import ") +
               what + " to preprocessor\n";
    };
    const s_SourceRecord& p = sources_[kPressure];
    if (p.source >= 1 && p.source <= 3) {
        static const char* const from[] = {"", "generic", "SEEP2D", "SEEPW"};
        out += FormatText("%d = import pressures from %s file\n", p.source, from[p.source]);
        out += p.fileName + "\n" + importLine(kPressure, "pressures");
    } else {
        out += "0 = do NOT import pressures from file\n";
    }
    const struct {
        int record;
        const char* what;
    } others[] = {{kRSubU, "r-sub-u values"}, {kStrength, "strength values"}};
    for (const auto& o : others) {
        const s_SourceRecord& r = sources_[o.record];
        if (r.source == 1)
            out += std::string("1 = import ") + o.what + " from file\n" + r.fileName + "\n" +
                   importLine(o.record, o.what);
        else
            out += std::string("0 = do NOT import ") + o.what + " from file\n";
    }
    return Put(file, out);
}

bool Cpp_InterpolationData::ReadExternalSource(std::FILE* input, int record) {
    auto fail = [] {
        ShowErrorMessage("Interpolation Data Error", "Unable to read data from input file.");
        return false;
    };
    s_InputLineType option;
    option.maxValues = 0;
    if (!ReadNumberLine(input, option) || option.numValues != 1) return fail();
    s_SourceRecord& r = sources_[record];
    const int value = TruncateToInt(option.values[0]);
    if (value == 0) {
        r = s_SourceRecord();
        r.source = 0;
        return true;
    }
    std::string name;
    if (!ReadPhysicalLine(input, name)) return fail();
    s_InputLineType import;
    import.maxValues = 0;
    if (!ReadNumberLine(input, import) || import.numValues != 1) return fail();
    // Pressures come from a generic, SEEP2D or SEEPW file (1 to 3), the other kinds from a
    // generic file only: another number is refused, and the record names no file, as it is
    // written back.
    if (value < 0 || value > (record == kPressure ? 3 : 1)) {
        r = s_SourceRecord();
        r.source = 0;
        fail();
        return true;
    }
    r.source = value;
    r.fileName = name;
    r.importToPreprocessor = std::trunc(import.values[0]) != 0.0;
    return true;
}

bool Cpp_InterpolationData::CheckExternalFileSources(std::FILE* input) {
    for (int record : {kPressure, kRSubU, kStrength})
        if (!ReadExternalSource(input, record)) return false;
    return true;
}

bool Cpp_InterpolationData::ImportExternalFiles(std::FILE* echo, WindowHandle parent) {
    const char* const caption = "Import pressure interpolation values?";
    bool ok = true;
    std::vector<std::string> genericRead;
    auto readGeneric = [&](const std::string& name) {
        // Every kind of a generic file comes in one reading.
        if (!name.empty() &&
            std::find(genericRead.begin(), genericRead.end(), name) != genericRead.end())
            return true;
        genericRead.push_back(name);
        return ReadExternalFile(name, echo, true, parent);
    };
    const s_SourceRecord& p = sources_[kPressure];
    if (p.importToPreprocessor && p.source >= 1 && p.source <= 3) {
        std::string text;
        if (p.source == 1)
            text =
                p.fileName.empty()
                    ? "Pressure values for pore water pressure interpolation are to be read from "
                      "an un-named generic file.  Do you want to attempt to read the data into "
                      "the preprocessor now?"
                    : "Pressure values for pore water pressure interpolation are to be read from "
                      "a generic file named " +
                          p.fileName +
                          ".  Do you want to attempt to read the data into the preprocessor now?";
        else if (!p.fileName.empty())
            text = std::string("Pressure values for pore water pressure interpolation are to be "
                               "read from a file created by ") +
                   (p.source == 2 ? "GMS/SEEP2D" : "SEEP/W") + ".  The file to be read is named " +
                   p.fileName +
                   ".  Do you want to attempt to read the data into the preprocessor now?";
        else
            text =
                "Pressure values for pore water pressure interpolation are to be read from a "
                "file created by GMS/SEEP2D.  The name of the file is not desiganted =- you will "
                "eb prompted for a filename.  Do you want to attempt to read the data into the "
                "preprocessor now?";
        if (AskYesNoOnMainWindowEx(caption, text, true)) {
            MarkAllPointsOld();
            if (p.source == 1)
                ok = readGeneric(p.fileName) && ok;
            else if (p.source == 2)
                ok = ReadSeep2dFile(p.fileName, echo, true, parent) && ok;
            else
                ok = ReadSeepwFile(p.fileName, echo, true, parent) && ok;
            MarkNewPointsImported();
        }
    }
    const struct {
        int record;
        const char* values;
    } others[] = {{kRSubU, "pore pressure coefficient (r-sub-u)"},
                  {kStrength, "undrained strength"}};
    for (const auto& o : others) {
        const s_SourceRecord& r = sources_[o.record];
        if (!r.importToPreprocessor || r.source != 1) continue;
        if (!r.fileName.empty() &&
            std::find(genericRead.begin(), genericRead.end(), r.fileName) != genericRead.end())
            continue;
        const std::string text =
            r.fileName.empty()
                ? std::string("Values for ") + o.values +
                      " interpolation are to be read from an un-named file.  Do you want to "
                      "attempt to read the data into the preprocessor now?"
                : std::string("Values for ") + o.values +
                      " interpolation are to be read from a file named " + r.fileName +
                      ".  Do you want to attempt to read the data into the preprocessor now?";
        if (AskYesNoOnMainWindowEx(caption, text, true)) {
            MarkAllPointsOld();
            ok = readGeneric(r.fileName) && ok;
            MarkNewPointsImported();
        }
    }
    return ok;
}
