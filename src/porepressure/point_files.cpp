// Interpolation points from files: GMS/SEEP2D exports ("*.upp"), SEEP/W text exports and the
// generic point file (the kind sections of the INT block), with their echo tables.
//
// GMS/SEEP2D: two lines skipped, then lines of x, y, pressure, material type up to a line
// without numbers or the end of the file. SEEP/W: two lines skipped, then lines of node number,
// x, y, pressure up to the end of the file (every line must hold four numbers).

#include <cctype>
#include <cmath>
#include <filesystem>

#include "core/data_error_output.h"
#include "core/echo_writer.h"
#include "core/file_io.h"
#include "core/input_lines.h"
#include "core/output_settings.h"
#include "platform/services.h"
#include "porepressure/interpolation_data.h"
#include "porepressure/porepressure_messages.h"

namespace {

const char* const kInputAssigned = "Input    Assigned";
const char* const kPointPointMaterial =
    "Point     Point                                                            Material";

const char* KindColumnHeader(int kind) {
    switch (kind) {
    case 1:
        return "  No.      No.         X          Y      Pore Water Pressure                 Type";
    case 2:
        return "  No.      No.         X          Y      Pore Press. Coeff.                  Type";
    case 3:
        return "  No.      No.         X          Y      Undrained Strength                  Type";
    case 5:
        return "  No.      No.         X          Y      Normalized Strength (c/p)           Type";
    default:
        return "  No.      No.         X          Y      Unit Weight                         Type";
    }
}

void EchoRow(long running, long number, double x, double y, double value, int kind, int material) {
    const s_OutputSettings d = CurrentOutputSettings();
    PrintIndent();
    PrintInteger(running, 4);
    PrintInteger(number, 10);
    PrintDouble(x, 12, d.coordinateDecimals);
    PrintDouble(y, 11, d.coordinateDecimals);
    PrintDouble(value, 12, InterpolationKindDecimals(kind));
    PrintText(InterpolationKindText(kind).column);
    PrintInteger(material, 6, true);
}

// The number of lines from the file's position to the next blank line (or the end), the file
// left where it was: the points of a kind section, so that its point list is sized once. Zero
// when the file cannot be positioned.
long PointLinesAhead(std::FILE* file) {
    const long start = std::ftell(file);
    if (start < 0) return 0;
    long lines = 0;
    bool blank = true;  // the line read so far holds only blanks
    char buffer[1 << 16];
    bool done = false;
    while (!done) {
        const std::size_t n = std::fread(buffer, 1, sizeof buffer, file);
        if (n == 0) break;
        for (std::size_t i = 0; i < n; ++i) {
            const char c = buffer[i];
            if (c == '\n') {
                if (blank) {
                    done = true;
                    break;
                }
                ++lines;
                blank = true;
            } else if (c != ' ' && c != '\t' && c != '\r') {
                blank = false;
            }
        }
    }
    std::clearerr(file);
    if (std::fseek(file, start, SEEK_SET) != 0) return 0;
    return lines;
}

struct DialogKind {
    const char* title;
    const char* filter;
};

DialogKind DialogOf(int kind) {
    switch (kind) {
    case 3:
        return {"Open SEEP2D file for interpolation point data",
                "GMS/SEEP2D Export Files(*.UPP)|*.upp|Text Files(*.TXT)|*.txt|All Files(*.*)|*.*"};
    case 4:
        return {"Open SEEPW file for interpolation point data",
                "Text Files(*.TXT)|*.txt|All Files(*.*)|*.*"};
    default:
        return {"Open file for interpolation point data",
                "Data Files(*.INP)|*.inp|Data Files(*.INT)|*.int|Text Files(*.TXT)|*.txt|All "
                "Files(*.*)|*.*"};
    }
}

}  // namespace

bool Cpp_InterpolationData::OpenExternalFile(const std::string& name, std::string& nameUsed,
                                             std::FILE*& file) {
    std::string n = name;
    while (!n.empty() && (n.back() == '\n' || n.back() == '\r')) n.pop_back();
    nameUsed = n;
    file = nullptr;
    if (n.empty()) return false;
    std::filesystem::path path(n);
    if (path.is_relative()) {
        const std::filesystem::path input = Cpp_FileIO::GetInputFileName();
        if (!input.empty()) path = input.parent_path() / path;
    }
    file = std::fopen(path.string().c_str(), "rb");
    return file != nullptr;
}

int Cpp_InterpolationData::CountDecimals(const std::string& line) {
    int best = 0;
    int numbers = 0;
    std::size_t i = 0;
    auto separator = [](char c) {
        return c == ' ' || c == '\t' || c == ',' || c == '\n' || c == '\r';
    };
    while (i < line.size() && numbers < 2) {
        while (i < line.size() && separator(line[i])) ++i;
        if (i >= line.size()) break;
        int decimals = 0;
        bool afterPoint = false;
        for (; i < line.size() && !separator(line[i]); ++i) {
            const char c = line[i];
            if (c == 'E' || c == 'e') {
                while (i < line.size() && !separator(line[i])) ++i;
                break;
            }
            if (c == '.')
                afterPoint = true;
            else if (afterPoint && std::isdigit(static_cast<unsigned char>(c)))
                ++decimals;
        }
        best = std::max(best, decimals);
        ++numbers;
    }
    return best;
}

bool Cpp_InterpolationData::OpenWithQuestion(const std::string& name, int dialogKind,
                                             const std::string& inputLine, WindowHandle parent,
                                             std::string& nameUsed, std::FILE*& file) {
    if (OpenExternalFile(name, nameUsed, file)) return true;
    std::string text = nameUsed.empty()
                           ? std::string("Unable to open separate file with interpolation point "
                                         "data; No filename specified.")
                           : "Unable to open separate file with interpolation point data; Filename "
                             "specified: " +
                                 nameUsed + ".";
    text += "\nDo you want to select the input file now?";
    if (!AskYesNo(parent, "Interpolation Point Input Error", text)) {
        Cpp_PorePressureMessages::Message4720(stage_, inputLine);
        return false;
    }
    const DialogKind dialog = DialogOf(dialogKind);
    platform::FileDialogRequest request;
    request.title = dialog.title;
    request.filter = dialog.filter;
    const std::filesystem::path input = Cpp_FileIO::GetInputFileName();
    if (!input.empty()) request.initialDirectory = input.parent_path();
    const auto chosen = platform::Services().FileDialogs().GetOpenFileName(request);
    if (chosen) {
        file = std::fopen(chosen->string().c_str(), "rb");
        if (file) {
            nameUsed = chosen->string();
            return true;
        }
    }
    Cpp_PorePressureMessages::Message4770(stage_, nameUsed, inputLine);
    return false;
}

bool Cpp_InterpolationData::ReadSeep2dFile(const std::string& name, std::FILE* echo, bool echoFlag,
                                           WindowHandle parent) {
    return ReadSeepageFile(false, name, echo, echoFlag, parent);
}

bool Cpp_InterpolationData::ReadSeepwFile(const std::string& name, std::FILE* echo, bool echoFlag,
                                          WindowHandle parent) {
    return ReadSeepageFile(true, name, echo, echoFlag, parent);
}

bool Cpp_InterpolationData::ReadSeepageFile(bool seepw, const std::string& name, std::FILE* echo,
                                            bool echoFlag, WindowHandle parent) {
    Cpp_Errors errors(echo);
    SetOutputFileOnly(echo);
    std::string used;
    std::FILE* file = nullptr;
    if (!OpenWithQuestion(name, seepw ? 4 : 3, (seepw ? "SEEPW " : "SEEP2D ") + name, parent, used,
                          file))
        return false;
    if (echoFlag) {
        PrintText(seepw ? "The following data were read from a file created by SEEP/W"
                        : "The following data were read from a file created by GMS/SEEP2D",
                  true);
        PrintText("File name: " + used, true);
        PrintNewLine();
        PrintText(kInputAssigned, true);
        PrintText(kPointPointMaterial, true);
        PrintText(KindColumnHeader(1), true);
        PrintNewLine();
    }
    if (!SkipLines(file, 2)) {
        std::fclose(file);
        return false;
    }
    long running = 0;
    Cpp_InterpolationDataSet* receiving = nullptr;
    for (;;) {
        s_InputLineType record;
        record.maxValues = 0;
        if (!ReadNumberLine(file, record)) break;
        if (record.numValues == 0 && !seepw) break;
        if (record.numValues != 4) {
            std::fclose(file);
            if (seepw)
                Cpp_PorePressureMessages::Message4810(stage_, record.numValues, record.text + "\n");
            else
                Cpp_PorePressureMessages::Message4800(stage_, record.numValues, record.text + "\n");
            return false;
        }
        const auto& v = record.values;
        const double x = seepw ? v[1] : v[0];
        const double y = seepw ? v[2] : v[1];
        const double u = seepw ? v[3] : v[2];
        if (!IsUsableCoordinate(x) || !IsUsableCoordinate(y)) {
            std::fclose(file);
            Cpp_PorePressureMessages::Message4700(stage_);
            return false;
        }
        const int material = seepw ? 0 : TruncateToInt(v[3]);
        Cpp_InterpolationPoint* p = AddPointToDataSet(1, material, x, y, u, 0.0, 0.0, receiving);
        p->SetNew(true);
        ++running;
        if (echoFlag)
            EchoRow(seepw ? static_cast<long>(TruncateToInt(v[0])) : running, p->Number(), x, y, u,
                    1, material);
        std::string coordinates = record.text;
        if (seepw) {
            // The decimals of the coordinates, after the node number.
            std::size_t i = coordinates.find_first_not_of(" \t,");
            i = coordinates.find_first_of(" \t,", i == std::string::npos ? 0 : i);
            coordinates = i == std::string::npos ? std::string() : coordinates.substr(i);
        }
        NoteDecimalsSeen(CountDecimals(coordinates));
    }
    std::fclose(file);
    PrintSummary();
    return true;
}

bool Cpp_InterpolationData::ReadExternalFile(const std::string& name, std::FILE* echo,
                                             bool echoFlag, WindowHandle parent) {
    Cpp_Errors errors(echo);
    SetOutputFileOnly(echo);
    std::string used;
    std::FILE* file = nullptr;
    if (!OpenWithQuestion(name, 2, "FILE " + name, parent, used, file)) return false;
    if (echoFlag) {
        PrintText("The following data were read from a separate input file.", true);
        PrintText("File name: " + used, true);
        PrintNewLine();
        PrintText(kInputAssigned, true);
        PrintText(kPointPointMaterial, true);
    }
    MarkAllPointsOld();
    const bool ok = ReadKindSections(file, echoFlag, SectionMode::Import, used, nullptr);
    std::fclose(file);
    if (ok) PrintSummary();
    return ok;
}

bool Cpp_InterpolationData::ReadKindSections(std::FILE* file, bool echoFlag, SectionMode mode,
                                             const std::string& fileName,
                                             const std::string* pending) {
    for (;;) {
        std::string line;
        if (pending) {
            line = *pending;
            pending = nullptr;
        } else if (!ReadNextLine(file, line)) {
            Cpp_PorePressureMessages::Message4710(stage_);
            return false;
        }
        if (IsBlankLine(line)) return true;
        std::string initials, word;
        KeywordInitialsAndFirstWord(line, initials, word);
        if (mode != SectionMode::Import) {
            if (word == "FILE") {
                Cpp_PorePressureMessages::Message4750File(stage_, line);
                return false;
            }
            if (word == "SEEP2D" || word == "SEEPW") {
                Cpp_PorePressureMessages::Message4750Seep2d(stage_, line);
                return false;
            }
        }
        const char letter = static_cast<char>(std::toupper(static_cast<unsigned char>(word[0])));
        int kind = 0;
        switch (letter) {
        case 'P': kind = 1; break;
        case 'R': kind = 2; break;
        case 'S': kind = 3; break;
        case 'C': kind = mode == SectionMode::Import ? 0 : 5; break;
        case 'U': kind = mode == SectionMode::Import ? 0 : 6; break;
        default: break;
        }
        if (kind == 0) {
            Cpp_PorePressureMessages::Message4780(stage_, word[0], line);
            return false;
        }
        if (mode != SectionMode::Import) {
            const int current = mode == SectionMode::Block ? 0 : 1;
            s_SourceRecord& record = sources_[RecordOfKind(kind)];
            if (record.source != -1 && record.source != current) {
                Cpp_PorePressureMessages::Message4705(kind, stage_, line);
                return false;
            }
            record.source = current;
            // The file stays with the kinds read from it, so that the computation input can
            // name it again.
            if (mode == SectionMode::FileLine) {
                record.fileName = fileName;
                // Read into the program now, so the document reads it again after opening.
                record.importToPreprocessor = true;
            }
        } else if (echoFlag) {
            PrintText(KindColumnHeader(kind), true);
            PrintNewLine();
        }
        long running = 0;
        Cpp_InterpolationDataSet* receiving = nullptr;
        const long expected = PointLinesAhead(file);
        bool sized = false;
        s_InputLineType values;
        values.maxValues = 0;
        for (;;) {
            if (!ReadNumberLine(file, values)) {
                Cpp_PorePressureMessages::Message4700(stage_);
                return false;
            }
            if (values.numValues == 0) {
                if (values.blankLine) break;
                Cpp_PorePressureMessages::Message4740(stage_, values.text + "\n");
                return false;
            }
            const int n = values.numValues;
            const int groups = n == 3 ? 1 : n / 4;
            for (int g = 0; g < groups; ++g) {
                const double* v = &values.values[n == 3 ? 0 : 4 * g];
                // A coordinate whose arithmetic would overflow is refused here.
                if (!IsUsableCoordinate(v[0]) || !IsUsableCoordinate(v[1])) {
                    Cpp_PorePressureMessages::Message4700(stage_);
                    return false;
                }
                const int material = n == 3 ? 0 : TruncateToInt(v[3]);
                Cpp_InterpolationDataSet* before = receiving;
                Cpp_InterpolationPoint* p =
                    AddPointToDataSet(kind, material, v[0], v[1], v[2], 0.0, 0.0, receiving);
                p->SetNew(true);
                const int number = p->Number();
                // The first set of the section is sized for all of its lines at once (which
                // moves its points: p is not used from here on).
                if (!sized && receiving->CountPoints() == 1)
                    receiving->Points().reserve(static_cast<std::size_t>(expected));
                sized = true;
                if (!echoFlag) continue;
                if (receiving != before) {
                    PrintNewLine();
                    PrintText(kInputAssigned, true);
                    PrintText(kPointPointMaterial, true);
                    PrintText(KindColumnHeader(kind), true);
                    PrintNewLine();
                }
                EchoRow(++running, number, v[0], v[1], v[2], kind, material);
            }
            if (n != 3 && n % 4 != 0) {
                Cpp_PorePressureMessages::Message4790(stage_, n, 4, values.text + "\n");
                return false;
            }
        }
    }
}
