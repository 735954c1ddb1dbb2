#include "porepressure/piezometric_line.h"
#include "porepressure/porepressure_state.h"

#include <cmath>

#include "core/data_error_output.h"
#include "core/echo_writer.h"
#include "core/format_text.h"
#include "core/input_lines.h"
#include "core/kliven4_messages.h"
#include "core/output_settings.h"
#include "core/output_table.h"
#include "core/preferences.h"
#include "core/text_formats.h"
#include "porepressure/porepressure_messages.h"

namespace {

struct DisplayDefaults {
    bool lines = true;
    bool points = true;
    bool numbers = true;
};
DisplayDefaults g_defaults[2];

void IndentedText(const std::string& text) {
    PrintIndent();
    PrintText(text, true);
}

void PrintPointRow(long counter, double x, double y) {
    const int decimals = CurrentOutputSettings().coordinateDecimals;
    PrintIndent();
    PrintInteger(counter, 3);
    PrintDouble(x, 12, decimals);
    PrintDouble(y, 12, decimals, true);
}

}  // namespace

void ResetPiezometricDisplayDefaults() {
    for (auto& defaults : g_defaults) defaults = DisplayDefaults{};
}

// ---------------------------------------------------------------------------------------------
// Cpp_PiezometricLine

Cpp_PiezometricLine::Cpp_PiezometricLine(int number, double unitWeight,
                                         const std::string& description)
    : unitWeight_(unitWeight) {
    SetNumber(number);
    SetDescription(description);
}

void Cpp_PiezometricLine::CopyTo(Cpp_PiezometricLine& target) const {
    target.Cpp_Line::operator=(*this);
    target.unitWeight_ = unitWeight_;
}

bool Cpp_PiezometricLine::PressureAt(double x, double y, double& pressure) const {
    pressure = 0.0;
    for (const Cpp_PointXY* p = FirstPoint(); p && p->Next(); p = p->Next()) {
        if (p->IsVerticalToNext()) continue;
        if (p->X() <= x && x <= p->Next()->X()) {
            const double yLine = p->Y() + p->SlopeToNext() * (x - p->X());
            pressure = unitWeight_ * (yLine - y);
            return true;
        }
    }
    const Cpp_PointXY* last = LastPoint();
    Cpp_PorePressureMessages::Message4600(x, GetNumber(), FirstPoint() ? FirstPoint()->X() : 0.0,
                                          last ? last->X() : 0.0);
    return false;
}

void Cpp_PiezometricLine::PrintHeader() const {
    PrintNewLine();
    const std::string title =
        FormatText("--------------- Piezometric Line Number %ld ---------------",
                   static_cast<long>(GetNumber()));
    PrintIndent();
    PrintRepeatedChar(static_cast<int>(title.size()), '-');
    PrintNewLine();
    IndentedText(title);
    PrintIndent();
    PrintRepeatedChar(static_cast<int>(title.size()), '-');
    PrintNewLine();
    if (HasDescription()) IndentedText("Description: " + Description());
    PrintIndent();
    PrintDoubleWithText(unitWeight_, "Unit weight of fluid (water): ", "\n", 1,
                        CurrentOutputSettings().unitWeightDecimals);
    if (DuplicatePointsDeleted() && PointsReversed())
        PrintText("Duplicate points on the following line have been deleted and points reversed.",
                  true);
    else if (DuplicatePointsDeleted())
        PrintText("Duplicate points on the following line have been deleted.", true);
    else if (PointsReversed())
        PrintText("Points on the following line have been reversed", true);
    PrintNewLine();
    IndentedText("Point        X           Y");
    PrintNewLine();
}

bool Cpp_PiezometricLine::ReadInput(std::FILE* input, std::FILE* /*echo*/) {
    PrintHeader();
    long counter = 0;
    for (;;) {
        s_InputLineType record;
        record.maxValues = 0;
        if (!ReadNumberLine(input, record)) {
            Cpp_PorePressureMessages::Message4420(GetNumber());
            return false;
        }
        if (record.numValues == 0) {
            if (record.blankLine) return true;
            Cpp_PorePressureMessages::Message4470(GetNumber(), record.text);
            return false;
        }
        for (int i = 0; i + 1 < record.numValues; i += 2) {
            // A coordinate whose arithmetic would overflow is refused here.
            const double x = record.values[i], y = record.values[i + 1];
            if (!IsUsableCoordinate(x) || !IsUsableCoordinate(y)) {
                Cpp_PorePressureMessages::Message4420(GetNumber());
                return false;
            }
            AddPoint(x, y);
            PrintPointRow(++counter, x, y);
        }
        if (record.numValues % 2 != 0) {
            Cpp_PorePressureMessages::Message4430(GetNumber(), record.text);
            return false;
        }
    }
}

bool Cpp_PiezometricLine::WriteInputData(std::FILE* file) const {
    std::string weightFormat, coordinateFormat;
    const s_OutputSettings settings = CurrentOutputSettings();
    if (!Cpp_Strings::MakeNumberFormat(1, 1, settings.unitWeightDecimals, weightFormat) ||
        !Cpp_Strings::MakeNumberFormat(1, 20, settings.coordinateDecimals, coordinateFormat))
        return false;
    std::string out =
        FormatText("     %1d     ", GetNumber()) + FormatDynamic(weightFormat, unitWeight_);
    if (HasDescription()) out += " " + Description();
    out += "\n";
    for (const Cpp_PointXY* p = FirstPoint(); p; p = p->Next())
        out += std::string(10, ' ') + SeparatedField(FormatDynamic(coordinateFormat, p->X())) +
               SeparatedField(FormatDynamic(coordinateFormat, p->Y())) + "\n";
    out += "\n";
    return std::fputs(out.c_str(), file) >= 0;
}

void Cpp_PiezometricLine::PrintRevised(std::FILE* echo) const {
    SetOutputFile(echo);
    PrintHeader();
    long counter = 0;
    for (const Cpp_PointXY* p = FirstPoint(); p; p = p->Next())
        PrintPointRow(++counter, p->X(), p->Y());
}

bool Cpp_PiezometricLine::CheckUnitWeight(std::FILE* echo, int stage) const {
    if (unitWeight_ <= 0.0) {
        if (echo) Cpp_DataErrorOutput::SetErrorFile(echo);
        Cpp_PorePressureMessages::Message4500(GetNumber(), stage);
    }
    return true;
}

// ---------------------------------------------------------------------------------------------
// Cpp_PiezometricLineList

void Cpp_PiezometricLineList::SetStage(int stage) {
    stage_ = stage;
    ApplyDefaultDisplayFlags();
}

void Cpp_PiezometricLineList::ApplyDefaultDisplayFlags() {
    if (stage_ != 1 && stage_ != 2) return;
    const DisplayDefaults& d = g_defaults[stage_ - 1];
    showLines_ = d.lines;
    showPoints_ = d.points;
    showLineNumbers_ = d.numbers;
}

void Cpp_PiezometricLineList::SetDefaultDisplayFlags(int stage, bool lines, bool points,
                                                     bool numbers) {
    g_defaults[stage == 2 ? 1 : 0] = {lines, points, numbers};
}

Cpp_PiezometricLine* Cpp_PiezometricLineList::CreateLine(int number, double unitWeight,
                                                         const std::string& description) {
    return static_cast<Cpp_PiezometricLine*>(
        Append(std::make_unique<Cpp_PiezometricLine>(number, unitWeight, description)));
}

Cpp_PiezometricLine* Cpp_PiezometricLineList::FindLine(int number) const {
    if (number < 1) return nullptr;
    return dynamic_cast<Cpp_PiezometricLine*>(Cpp_LineList::FindLine(number));
}

// Lines are made by this list, so each is a piezometric line; null guards a plain line that
// another caller appended.
Cpp_PiezometricLine* Cpp_PiezometricLineList::PiezometricLineAt(int index) const {
    return dynamic_cast<Cpp_PiezometricLine*>(LineAt(index));
}

bool Cpp_PiezometricLineList::ReadInput(std::FILE* input, std::FILE* echo, bool echoFlag) {
    Cpp_Errors errors(echo);
    SetOutputFile(echo);
    if (echoFlag && echo) {
        Cpp_OutputTable table(echo);
        if (stage_ == 2) {
            table.SetTitleLine(1, "NEW PIEZOMETRIC LINE DATA - SECOND/THIRD-STAGE COMPUTATIONS");
            table.StartTable(7, 0, '2', true);
        } else {
            table.SetTitleLine(1,
                               "NEW PIEZOMETRIC LINE DATA - CONVENTIONAL/FIRST-STAGE COMPUTATIONS");
            table.StartTable(6, 0, '*', true);
        }
    }
    for (const auto& line : Lines()) line->SetEnteredInCurrentTable(false);
    bool ok = true;
    for (;;) {
        s_InputLineType record;
        record.maxValues = 0;
        if (!ReadNumberLine(input, record)) {
            Cpp_PorePressureMessages::Message4410();
            ok = false;
            break;
        }
        if (record.numValues == 0) {
            if (record.blankLine) break;
            Cpp_PorePressureMessages::Message4460(record.text);
            ok = false;
            break;
        }
        const int number = TruncateToInt(std::fabs(record.values[0]));
        if (Cpp_Line* existing = Cpp_LineList::FindLine(number)) {
            if (existing->EnteredInCurrentTable()) {
                Cpp_PorePressureMessages::Message4400(number, stage_);
                ok = false;
                break;
            }
            RemoveLine(existing);
        }
        const double unitWeight =
            record.numValues >= 2 ? record.values[1] : Cpp_KlivenSettings::UnitWeightOfWater();
        Cpp_PiezometricLine* line = CreateLine(number, unitWeight, record.rest.substr(0, 80));
        line->SetEnteredInCurrentTable(true);
        if (!line->ReadInput(input, echo)) {
            ok = false;
            break;
        }
    }
    if (ok) {
        long entered = 0, older = 0;
        for (const auto& line : Lines()) (line->EnteredInCurrentTable() ? entered : older)++;
        if (older >= 1) {
            PrintNewLine();
            PrintIndent();
            PrintIntegerWithText(entered, "Data entered for ", " new piezometric lines\n", 1);
            PrintIndent();
            PrintIntegerWithText(older, "Data retained for ",
                                 " old piezometric lines - See earlier input tables.\n", 1);
        }
    }
    for (const auto& line : Lines()) line->SetEnteredInCurrentTable(false);
    return ok;
}

bool Cpp_PiezometricLineList::WriteInputDataFile(std::FILE* file) const {
    if (IsEmpty()) return true;
    if (std::fputs("PIEzometric line data follow -\n", file) < 0) return false;
    for (int i = 0; i < Count(); ++i)
        if (const Cpp_PiezometricLine* line = PiezometricLineAt(i);
            line && !line->WriteInputData(file))
            return false;
    return std::fputs("\n", file) >= 0;
}

bool Cpp_PiezometricLineList::Check(std::FILE* echo) {
    if (echo) Cpp_DataErrorOutput::SetErrorFile(echo);
    for (int i = 0; i < Count(); ++i)
        if (const Cpp_PiezometricLine* line = PiezometricLineAt(i))
            line->CheckUnitWeight(echo, stage_);
    bool ok = true;
    if (!CheckDuplicatePoints(true, echo)) {
        ok = false;
        if (Cpp_KLIVEN4Messages::GetStatus() == 0) return false;
    }
    if (!CheckPointOrder(true, echo)) {
        ok = false;
        if (Cpp_KLIVEN4Messages::GetStatus() == 0) return false;
    }
    if (!CheckEnoughPoints(echo)) ok = false;
    if (echo) {
        for (int i = 0; i < Count(); ++i) {
            const Cpp_PiezometricLine* line = PiezometricLineAt(i);
            if (!line || (!line->DuplicatePointsDeleted() && !line->PointsReversed())) continue;
            Cpp_OutputTable table(echo);
            table.SetTitleLine(
                1, stage_ == 2 ? "PIEZOMETRIC LINE DATA - SECOND/THIRD-STAGE COMPUTATIONS"
                               : "PIEZOMETRIC LINE DATA - CONVENTIONAL/FIRST-STAGE COMPUTATIONS");
            table.SetTitleLine(2, "(Revised Data Sets with Points Reversed and/or Deleted)");
            table.StartTable(stage_ == 2 ? 19 : 18, 0, stage_ == 2 ? '2' : '*', true);
            line->PrintRevised(echo);
        }
    }
    return ok;
}

bool Cpp_PiezometricLineList::CheckPressureAt(int number, double x, double y,
                                              double& pressure) const {
    pressure = 0.0;
    if (const Cpp_PiezometricLine* line = FindLine(number)) return line->PressureAt(x, y, pressure);
    Cpp_PorePressureMessages::Message4610(number, stage_);
    return false;
}

void Cpp_PiezometricLineList::TransformCoordinates(double xScale, double xOffset, double yScale,
                                                   double yOffset) {
    for (const auto& line : Lines()) line->Rescale(xScale, xOffset, yScale, yOffset);
}
