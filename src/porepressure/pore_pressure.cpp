#include "porepressure/pore_pressure.h"

#include <cctype>
#include <cmath>

#include "core/data_error_output.h"
#include "core/echo_writer.h"
#include "core/format_text.h"
#include "core/input_lines.h"
#include "core/output_settings.h"
#include "core/text_formats.h"
#include "graphics/drawing_attributes.h"
#include "porepressure/porepressure_messages.h"

namespace {

// The words of each option as written; an unset option is written with a word of its own so
// that a document saved before the option was chosen opens again (the data check still stops
// the computation input).
const char* OptionWords(int option) {
    switch (option) {
    case 1: return "Unspecified pore pressure";
    case 2: return "No pore pressure";
    case 3: return "Constant Pressure";
    case 4: return "Constant RSubU";
    case 5: return "Piezometric Line";
    case 6: return "Interpolate Pressures";
    case 7: return "Interpolate RSubU";
    case 8: return "Old Pressure";
    case 9: return "Old RSubU";
    case 10: return "Spline Pressure";
    case 11: return "Spline RSubU";
    default: return nullptr;
    }
}

void IndentedLine(const char* text) {
    PrintIndent();
    PrintText(text, true);
}

const char* NegativeText(bool allowed) {
    return allowed ? "Negative pore water pressures ARE ALLOWED and used."
                   : "Negative pore water pressures are NOT allowed - set to zero.";
}

std::string Fixed(double value, int width, int decimals) {
    return Cpp_Strings::FormatNumber(value, width, decimals);
}

}  // namespace

void Cpp_PorePressure::SetNegativeAllowed(bool allowed, double limitingValue) {
    negativeAllowed_ = allowed ? 1 : 0;
    limitingValue_ = limitingValue;
    hasLimit_ = allowed;
}

void Cpp_PorePressure::SetNegativeAllowedWithoutLimit(bool allowed) {
    negativeAllowed_ = allowed ? 1 : 0;
    limitingValue_ = 0.0;
    hasLimit_ = false;
}

double Cpp_PorePressure::GetRSubU() const {
    if (option_ != 4) throw Exc_BadAccessOfRSubU();
    return value_;
}

bool Cpp_PorePressure::SetValue(double value) {
    if (option_ != 3 && option_ != 4) return false;
    value_ = value;
    return true;
}

bool Cpp_PorePressure::SetPiezometricLineNumber(int number) {
    if (option_ != 5) return false;
    lineNumber_ = number;
    return true;
}

double Cpp_PorePressure::ApplyNegativeRule(double pressure) const {
    if (negativeAllowed_)
        return (hasLimit_ && pressure < limitingValue_) ? limitingValue_ : pressure;
    return pressure < 0.0 ? 0.0 : pressure;
}

bool Cpp_PorePressure::SetOptionFromInitials(char first, char second) {
    const char a = static_cast<char>(std::toupper(static_cast<unsigned char>(first)));
    const char b = static_cast<char>(std::toupper(static_cast<unsigned char>(second)));
    int option = 0;
    if (a == 'N')
        option = 2;
    else if (a == 'C' && b == 'P')
        option = 3;
    else if (a == 'C' && b == 'R')
        option = 4;
    else if (a == 'P' && b == 'L')
        option = 5;
    else if (a == 'I' && b == 'P')
        option = 6;
    else if (a == 'I' && b == 'R')
        option = 7;
    else if (a == 'O' && b == 'P')
        option = 8;
    else if (a == 'O' && b == 'R')
        option = 9;
    else if (a == 'S' && b == 'P')
        option = 10;
    else if (a == 'S' && b == 'R')
        option = 11;
    else if (a == 'U' && b == 'P') {
        option_ = 1;  // the unset option, as the writer stores it
        return true;
    }
    option_ = option == 0 ? 1 : option;
    return option != 0;
}

bool Cpp_PorePressure::ReadInput(int material, int strengthOption, std::FILE* input,
                                 std::FILE* echo, bool echoFlag) {
    Cpp_Errors errors(echo);
    SetOutputFileOnly(echo);
    std::string line;
    ReadNextLine(input, line);
    std::string text = line;
    if (!text.empty() && text.back() == '\n') text.pop_back();
    std::string initials;
    std::string words = text;
    KeywordInitials(words, initials);
    const char first = initials.size() > 0 ? initials[0] : ' ';
    const char second = initials.size() > 1 ? initials[1] : ' ';
    *this = Cpp_PorePressure();
    if (!SetOptionFromInitials(first, second)) {
        Cpp_PorePressureMessages::Message4000(material, first, second, line);
        return false;
    }
    // The word after the option's words allows negative pressures: the third word, or the
    // fourth after the three words of "No pore pressure" and "Unspecified pore pressure", as the
    // writer puts them.
    auto negativeWordAt = [&initials](std::size_t i) {
        return initials.size() > i && std::toupper(static_cast<unsigned char>(initials[i])) == 'N';
    };
    const bool negative =
        negativeWordAt(2) || ((option_ == 1 || option_ == 2) && negativeWordAt(3));
    negativeAllowed_ = negative ? 1 : 0;
    const s_OutputSettings decimals = CurrentOutputSettings();

    s_InputLineType values;
    values.maxValues = 0;
    switch (option_) {
    case 1:
        if (echoFlag) {
            PrintNewLine();
            IndentedLine("Pore water pressure option not yet specified.");
        }
        break;
    case 2:
        if (echoFlag) {
            PrintNewLine();
            IndentedLine("No (zero) pore water pressures.");
        }
        break;
    case 3:
    case 4: {
        const bool pressure = option_ == 3;
        if (!ReadNumberLine(input, values)) {
            if (pressure)
                Cpp_PorePressureMessages::Message4010(material);
            else
                Cpp_PorePressureMessages::Message4020(material);
            return false;
        }
        if (values.numValues < 1) {
            if (pressure)
                Cpp_PorePressureMessages::Message4060(material, values.text);
            else
                Cpp_PorePressureMessages::Message4070(material, values.text);
            return false;
        }
        value_ = values.values[0];
        if (echoFlag) {
            PrintNewLine();
            if (pressure) {
                IndentedLine("Pore water pressures are constant");
                PrintIndent();
                PrintDoubleWithText(value_, "Pore water pressure: ", "\n", 1,
                                    decimals.rSubUDecimals);
            } else {
                IndentedLine("Pore water pressures are defined by a constant value");
                IndentedLine("of the pore pressure coefficient (r-sub-u)");
                PrintIndent();
                PrintDoubleWithText(value_, "Pore water pressure coefficient (r-sub-u): ", "\n", 1,
                                    decimals.rSubUDecimals);
            }
        }
        break;
    }
    case 5: {
        if (!ReadNumberLine(input, values)) {
            Cpp_PorePressureMessages::Message4030(material);
            return false;
        }
        if (values.numValues < 1) {
            Cpp_PorePressureMessages::Message4080(material, values.text);
            return false;
        }
        lineNumber_ = TruncateToInt(values.values[0]);
        if (echoFlag) {
            PrintNewLine();
            IndentedLine("Pore water pressures are defined by a piezometric line.");
            PrintIndent();
            PrintIntegerWithText(lineNumber_, "Piezometric line number: ", "\n", 1);
            PrintIndent();
        }
        PrintText(NegativeText(negative), true);
        if (negative) {
            if (values.numValues < 2) {
                Cpp_PorePressureMessages::Message4085(material, values.text);
                return false;
            }
            limitingValue_ = values.values[1];
            hasLimit_ = true;
            if (echoFlag) {
                PrintIndent();
                PrintDoubleWithText(limitingValue_,
                                    "Limiting value of negative pore water pressure: ", "\n", 1,
                                    decimals.stressDecimals);
            }
        }
        break;
    }
    default:
        if (echoFlag) {
            const bool pressures = option_ % 2 == 0;
            if (pressures) {
                IndentedLine("Pore water pressures calculated by interpolation of");
                IndentedLine("specified values of pore water pressure.");
            } else {
                IndentedLine("Pore water pressures calculated by interpolation of specified");
                IndentedLine("values of pore water pressure coefficient (r-sub-u).");
            }
            if (option_ == 8 || option_ == 9) IndentedLine("OLD interpolation procedure used.");
            if (option_ == 10 || option_ == 11)
                IndentedLine("Spline interpolation procedure used.");
            if (option_ == 6) {
                PrintIndent();
                PrintText(NegativeText(negative), true);
            }
        }
        break;
    }
    if (echoFlag && option_ != 1 && option_ != 5 && option_ != 6)
        IndentedLine(NegativeText(negative));
    if (echoFlag && (strengthOption == 4 || strengthOption == 16)) {
        IndentedLine("Note pore water pressures are only used to estimate effective vertical");
        IndentedLine("stresses for calculating undrained strengths.  They are not otherwise");
        IndentedLine("used in the stability calculations because phi = 0.");
    }
    return true;
}

bool Cpp_PorePressure::WriteKLIVEN4InputDataFile(std::FILE* file) const {
    const char* words = OptionWords(option_);
    if (!words || !file) return words == nullptr;
    const s_OutputSettings decimals = CurrentOutputSettings();
    std::string out = std::string(10, ' ') + words;
    if (negativeAllowed_) out += " NegativeOK";
    out += "\n";
    std::string format;
    switch (option_) {
    case 3:
        if (!Cpp_Strings::MakeNumberFormat(1, 10, decimals.stressDecimals, format)) return false;
        out += std::string(19, ' ') + FormatDynamic(format, value_) + "\n";
        break;
    case 4:
        if (!Cpp_Strings::MakeNumberFormat(1, 10, decimals.rSubUDecimals, format)) return false;
        out += std::string(15, ' ') + FormatDynamic(format, value_) + "\n";
        break;
    case 5:
        out += std::string(15, ' ') + FormatText("%1d", lineNumber_);
        if (negativeAllowed_) {
            if (!Cpp_Strings::MakeNumberFormat(1, 10, decimals.stressDecimals, format))
                return false;
            out += std::string(4, ' ') + FormatDynamic(format, limitingValue_);
        }
        out += "\n";
        break;
    default: break;
    }
    return std::fputs(out.c_str(), file) >= 0;
}

bool Cpp_PorePressure::Check(const Cpp_Kliven4DataSet* dataSet, int stage, int material,
                             std::FILE* echo) const {
    if (echo) Cpp_DataErrorOutput::SetErrorFile(echo);
    switch (option_) {
    case 1: Cpp_PorePressureMessages::Message4230(material, stage); return false;
    case 3:
        if (value_ < 0.0) Cpp_PorePressureMessages::Message4210(material, stage);
        return true;
    case 4:
        if (value_ < 0.0) Cpp_PorePressureMessages::Message4220(material, stage);
        return true;
    case 5:
        if (lineNumber_ <= 0) {
            Cpp_PorePressureMessages::Message4250(lineNumber_, material, stage);
            return false;
        }
        if (dataSet && !PiezometricLineExists(*dataSet, stage, lineNumber_)) {
            Cpp_PorePressureMessages::Message4200(lineNumber_, material, stage);
            return false;
        }
        return true;
    default: return true;
    }
}

bool Cpp_PorePressure::GetGridRows(Cpp_NameValueList& rows) const {
    const int stressDecimals = CurrentOutputSettings().stressDecimals;
    const char* label = "Pore water pressure option:";
    switch (option_) {
    case 1: return rows.AddText(label, "NONE");
    case 2: return rows.AddText(label, "No pore pressure");
    case 3:
        return rows.AddText(label, "Constant") &&
               rows.AddText("Pore pressure:", Fixed(value_, 1, stressDecimals).c_str());
    case 4:
        return rows.AddText(label, "Constant pore pressure coefficient (r-sub-u).") &&
               rows.AddText("Pore pressure coefficient:", Fixed(value_, 1, stressDecimals).c_str());
    case 5:
        return rows.AddText(label, "Piezometric line") &&
               rows.AddText("Piezometric line number:", FormatText("%1d", lineNumber_).c_str());
    case 6: return rows.AddText(label, "Interpolate from values of pore water pressure");
    case 7:
        return rows.AddText(label,
                            "Interpolate from values of pore pressure coefficient (r-sub-u)");
    case 12: return rows.AddText(label, "Pore water pressures not applicable");
    default: return true;
    }
}

void Cpp_PorePressure::Describe(platform::InfoWindowService& info,
                                platform::InfoItem parent) const {
    if (!info.Exists()) return;
    const s_OutputSettings decimals = CurrentOutputSettings();
    switch (option_) {
    case 2: info.AddText(parent, "No (zero) pore water pressures"); break;
    case 3:
        info.AddItem(parent,
                     "Constant pore water pressures = ", Fixed(value_, 1, decimals.stressDecimals));
        break;
    case 4:
        info.AddItem(parent, "Constant pore water pressure coefficient (Ru):",
                     Fixed(value_, 1, decimals.rSubUDecimals));
        break;
    case 5:
        info.AddInteger(
            parent, "Pore water pressures defined by piezometric line number:", lineNumber_, "%1d");
        break;
    case 6:
        info.AddText(parent, "Pore water pressures defined by interpolation of pressure values.");
        break;
    case 7:
        info.AddText(parent, "Pore water pressures defined by interpolation of Ru values.");
        break;
    case 12:
        info.AddText(parent, "Pore water pressures are not applicable for this type of material.");
        break;
    default: break;
    }
    info.AddText(parent, negativeAllowed_ ? "Negative pore water pressures are allowed."
                                          : "Negative pore water pressures are NOT allowed.");
}

bool Cpp_PorePressure::ShortDescription(std::string& text) const {
    switch (option_) {
    case 2: text = "No pore water pressure"; break;
    case 3:
    case 4: text = FormatText("Constant pore pressure: %1.2f", value_); break;
    case 5: text = FormatText("Piezometric line: %1d", lineNumber_); break;
    case 6: text = "Pore pressures interpolated"; break;
    case 7: text = "R-sub-u values interpolated"; break;
    case 12: text.clear(); break;
    default: text = "Pore Pressure Option: ????"; break;
    }
    return !text.empty();
}
