// The "PROfile line data follow -" block: reader (with the "FILE" form), writer, and the data
// check of the profile lines with its echo of revised lines.

#include "core/data_error_output.h"
#include "core/echo_writer.h"
#include "core/file_io.h"
#include "core/format_text.h"
#include "core/input_lines.h"
#include "core/message_boxes.h"
#include "core/output_settings.h"
#include "core/output_table.h"
#include "core/text_formats.h"
#include "platform/file_dialogs.h"
#include "platform/services.h"
#include "profile/profile_line.h"
#include "profile/profile_messages.h"

#include <algorithm>
#include <cctype>
#include <memory>
#include <set>

namespace {

struct FileCloser {
    void operator()(std::FILE* f) const {
        if (f) std::fclose(f);
    }
};

void EchoLineHeader(const Cpp_ProfileLine& line) {
    PrintBlankLines(1);
    const std::string header = FormatText(
        "----- Profile Line No. %ld - Material Type (Number): %ld -----",
        static_cast<long>(line.GetNumber()), static_cast<long>(line.GetMaterialNumber()));
    PrintRepeatedChar(static_cast<int>(header.size()), '-');
    PrintNewLine();
    PrintText(header, true);
    PrintRepeatedChar(static_cast<int>(header.size()), '-');
    PrintNewLine();
    if (!line.Description().empty()) PrintText("Description: " + line.Description(), true);
}

bool StartsWithFileWord(std::string text) {
    Cpp_Strings::TrimLeadingBlanks(text);
    if (text.size() < 4) return false;
    for (int i = 0; i < 4; ++i)
        if (std::toupper(static_cast<unsigned char>(text[i])) != "FILE"[i]) return false;
    return true;
}

// Reads the points of one line up to its blank terminator, echoing them.
bool ReadPoints(Cpp_ProfileLine& line, std::FILE* in, bool echo) {
    if (echo) {
        EchoLineHeader(line);
        PrintBlankLines(1);
        PrintText("Point        X           Y", true);
        PrintBlankLines(1);
    }
    const int decimals = CurrentOutputSettings().coordinateDecimals;
    int count = 0;
    Cpp_PointXY* tail = line.LastPoint();
    for (;;) {
        s_InputLineType record;
        record.maxValues = 0;
        if (!ReadNumberLine(in, record))
            return (Cpp_ProfileMessages::BadPointLine2010(line.GetNumber()), false);
        if (record.numValues == 0) {
            if (record.blankLine) return true;
            Cpp_ProfileMessages::BadPointTerminator2110(line.GetNumber(), record.text);
            return false;
        }
        for (int k = 0; k + 1 < record.numValues; k += 2) {
            if (!IsUsableCoordinate(record.values[k]) || !IsUsableCoordinate(record.values[k + 1]))
                return (Cpp_ProfileMessages::BadPointLine2010(line.GetNumber()), false);
            tail = line.InsertPointAfter(tail, record.values[k], record.values[k + 1]);
            if (echo) {
                PrintInteger(++count, 4);
                PrintDouble(record.values[k], 12, decimals);
                PrintDouble(record.values[k + 1], 12, decimals, true);
            }
        }
        if (record.numValues % 2 != 0) {
            Cpp_ProfileMessages::OddNumberOfValues2020(line.GetNumber(), record.text);
            return false;
        }
        if (!record.rest.empty()) Cpp_ProfileMessages::IgnoredText2090(record.rest, record.text);
    }
}

// Opens the separate file named on a "FILE name" line, asking the user for one when it cannot
// be opened. Null after the numbered message when none could be opened.
std::FILE* OpenSeparateFile(void* window, const std::string& input, std::string& name) {
    std::string text = input;
    Cpp_Strings::TrimLeadingBlanks(text);
    name = text.size() > 4 ? text.substr(4) : std::string();
    Cpp_Strings::TrimLeadingBlanks(name);
    while (!name.empty() && (name.back() == ' ' || name.back() == '\n' || name.back() == '\r'))
        name.pop_back();
    if (!name.empty())
        if (std::FILE* f = Cpp_FileIO::OpenInInputDirectory(name)) return f;
    const std::string question =
        (name.empty()
             ? std::string(
                   "Unable to open separate file with profile line data; No filename specified. ")
             : FormatText(
                   "Unable to open separate file with profile line data; Filename specified: %s ",
                   name.c_str())) +
        "Do you want to select the input file now?";
    if (!AskYesNo(window, "Profile Line Input Error", question)) {
        Cpp_ProfileMessages::NoSeparateFile2070(input);
        return nullptr;
    }
    std::filesystem::path chosen;
    std::FILE* f = nullptr;
    if (!Cpp_FileIO::GetDataFileName(window, 1, chosen, f)) {
        Cpp_ProfileMessages::CannotOpenSeparateFile2140(name, input);
        return nullptr;
    }
    name = chosen.string();
    return f;
}

}  // namespace

bool Cpp_ProfileLineList::ReadInput(void* window, std::FILE* in, std::FILE* echoFile, bool echo) {
    Cpp_Errors errors(echoFile);
    SetOutputFile(echoFile);
    echo = echo && echoFile;
    if (echo) {
        Cpp_OutputTable table(echoFile);
        Cpp_OutputTable::SetTitleLine(1, "NEW PROFILE LINE DATA");
        Cpp_OutputTable::StartTable(3, 0, '*', true);
    }
    DeleteAllLines();
    std::unique_ptr<std::FILE, FileCloser> separate;
    std::set<int> numbers;
    bool first = true;
    for (;;) {
        std::FILE* source = separate ? separate.get() : in;
        s_InputLineType record;
        record.maxValues = 2;
        if (!ReadNumberLine(source, record))
            return (Cpp_ProfileMessages::FirstLineUnreadable2030(), false);
        if (record.numValues == 0) {
            if (record.blankLine) {
                for (const auto& line : Lines()) line->SetEnteredInCurrentTable(false);
                return true;
            }
            if (first && StartsWithFileWord(record.text) && !separate) {
                std::string name;
                std::FILE* f = OpenSeparateFile(window, record.text, name);
                if (!f) return false;
                separate.reset(f);
                if (echo) {
                    PrintBlankLines(1);
                    PrintText(FormatText("Profile line data read from file: %s", name.c_str()),
                              true);
                }
                first = false;
                continue;
            }
            if (!first && StartsWithFileWord(record.text))
                Cpp_ProfileMessages::FileNotOnFirstLine2130(record.text);
            else
                Cpp_ProfileMessages::BadBlockTerminator2100(record.text);
            return false;
        }
        first = false;
        if (record.numValues == 1)
            return (Cpp_ProfileMessages::NotEnoughHeaderValues2040(record.text), false);
        const int number = TruncateToInt(record.values[0]);
        const int material = TruncateToInt(record.values[1]);
        if (!numbers.insert(number).second)
            return (Cpp_ProfileMessages::DuplicateLineNumber2000(number), false);
        Cpp_ProfileLine* line = CreateLine(number, material, record.rest.substr(0, 80));
        line->SetEnteredInCurrentTable(true);
        if (!ReadPoints(*line, source, echo)) return false;
    }
}

bool Cpp_ProfileLineList::WriteInputDataFile(std::FILE* out) const {
    if (IsEmpty()) return true;
    std::string format;
    if (!Cpp_Strings::MakeNumberFormat(1, 20, CurrentOutputSettings().coordinateDecimals, format))
        return false;
    std::fputs("PROfile line data follow -\n", out);
    std::vector<const Cpp_ProfileLine*> lines;
    for (int i = 0; i < Count(); ++i) lines.push_back(ProfileLineAt(i));
    std::stable_sort(lines.begin(), lines.end(),
                     [](auto* a, auto* b) { return a->GetNumber() < b->GetNumber(); });
    for (const Cpp_ProfileLine* line : lines) {
        if (!line->Description().empty())
            std::fprintf(out, "     %1d     %1d %s\n", line->GetNumber(), line->GetMaterialNumber(),
                         line->Description().c_str());
        else
            std::fprintf(out, "     %1d     %1d\n", line->GetNumber(), line->GetMaterialNumber());
        for (const Cpp_PointXY* p = line->FirstPoint(); p; p = p->Next()) {
            std::fputs("          ", out);
            std::fputs(SeparatedField(FormatDynamic(format, p->X())).c_str(), out);
            std::fputs(SeparatedField(FormatDynamic(format, p->Y())).c_str(), out);
            std::fputs("\n", out);
        }
        std::fputs("\n", out);
    }
    std::fputs("\n", out);
    return true;
}

bool Cpp_ProfileLineList::AssignMaterials(const s_MaterialQuery& materials, bool report,
                                          std::FILE* file) const {
    Cpp_Errors errors(file);
    for (int i = 0; i < Count(); ++i) {
        const Cpp_ProfileLine* line = ProfileLineAt(i);
        if (materials.exists && materials.exists(line->GetMaterialNumber())) continue;
        if (report)
            Cpp_ProfileMessages::NoMaterialProperties2220(line->GetNumber(),
                                                          line->GetMaterialNumber());
        return false;
    }
    return true;
}

std::vector<int> Cpp_ProfileLineList::LinesWithoutMaterial(const s_MaterialQuery& materials) const {
    std::vector<int> numbers;
    for (int i = 0; i < Count(); ++i)
        if (!materials.exists || !materials.exists(ProfileLineAt(i)->GetMaterialNumber()))
            numbers.push_back(ProfileLineAt(i)->GetNumber());
    return numbers;
}

bool Cpp_ProfileLineList::CheckData(std::FILE* file, double tolerance, bool skipMaterials,
                                    bool collect, const s_MaterialQuery* materials) {
    Cpp_Errors errors(file);
    SetOutputFile(file);
    DeleteCheckMarks();
    if (IsEmpty()) return (Cpp_ProfileMessages::NoProfileLines2240(), false);
    for (const auto& line : Lines()) {
        line->SetOption(2, false);
        line->SetOption(3, false);
    }
    bool ok = true;
    if (!CheckDuplicatePoints(true, file)) ok = false;
    if (!CheckPointOrder(true, file)) ok = false;
    if (!CheckEnoughPoints(file)) return false;
    if (!CheckIntersectingSegments(tolerance, false, collect, file)) ok = false;
    if (!CheckCoincidentSegments(tolerance, false, collect, file)) ok = false;
    for (int i = 0; i < Count(); ++i) {
        const Cpp_ProfileLine* line = ProfileLineAt(i);
        const double x = line->FirstPoint()->X();
        bool vertical = true;
        for (const Cpp_PointXY* p = line->FirstPoint(); p; p = p->Next())
            if (p->X() != x) vertical = false;
        if (vertical) Cpp_ProfileMessages::EntirelyVertical2320(line->GetNumber(), x);
    }
    if (!skipMaterials) {
        for (int i = 0; i < Count(); ++i) {
            const Cpp_ProfileLine* line = ProfileLineAt(i);
            const int material = line->GetMaterialNumber();
            if (!materials || !materials->exists || !materials->exists(material)) {
                Cpp_ProfileMessages::NoMaterialProperties2220(line->GetNumber(), material);
                ok = false;
                continue;
            }
            for (int stage = 1; stage <= materials->stages; ++stage) {
                const int option =
                    materials->strengthOption ? materials->strengthOption(material, stage) : 0;
                if (option == 17 || option == 18) {
                    Cpp_ProfileMessages::InterfaceProperties2290(line->GetNumber(), material);
                    ok = false;
                }
            }
        }
    }
    if (file) {
        bool started = false;
        const int decimals = CurrentOutputSettings().coordinateDecimals;
        for (int i = 0; i < Count(); ++i) {
            const Cpp_ProfileLine* line = ProfileLineAt(i);
            const bool deleted = line->DuplicatePointsDeleted();
            const bool reversed = line->PointsReversed();
            if (!deleted && !reversed) continue;
            if (!started) {
                Cpp_OutputTable table(file);
                Cpp_OutputTable::SetTitleLine(1, "PROFILE LINE DATA - (Revised Data Sets");
                Cpp_OutputTable::SetTitleLine(2, " with Points Reversed and/or Deleted)");
                Cpp_OutputTable::StartTable(17, 0, '*', true);
                started = true;
            }
            EchoLineHeader(*line);
            if (deleted && reversed)
                PrintText(
                    "Duplicate points on the following line have been deleted and points reversed.",
                    true);
            else if (deleted)
                PrintText("Duplicate points on the following line have been deleted.", true);
            else
                PrintText("Points on the following line have been reversed", true);
            PrintBlankLines(1);
            PrintText("Point        X           Y", true);
            PrintBlankLines(1);
            int n = 0;
            for (const Cpp_PointXY* p = line->FirstPoint(); p; p = p->Next()) {
                PrintInteger(++n, 3);
                PrintDouble(p->X(), 12, decimals);
                PrintDouble(p->Y(), 12, decimals, true);
            }
        }
    }
    return ok;
}
