#pragma once
// The pore-water-pressure option of one material in one computation stage: how the pore
// pressures in the material are found (none, a constant pressure, a constant r-sub-u, a
// piezometric line, or interpolation of pressures or r-sub-u values given at points), with
// whether negative pressures are used. Read and written as the pore-pressure lines of the
// material block:
//
//               Constant Pressure NegativeOK         (ten blanks, the option words)
//                                  250.0             (the value line of options 3, 4 and 5)
//
// Options: 1 unset, 2 no pore pressure, 3 constant pressure, 4 constant r-sub-u, 5 piezometric
// line, 6 interpolate pressures, 7 interpolate r-sub-u, 8 and 9 old interpolation of pressures
// and r-sub-u, 10 and 11 spline interpolation of pressures and r-sub-u, 12 not applicable
// (a very strong material; no line is read or written).

#include <cstdio>
#include <string>

#include "platform/info_window.h"

class Cpp_Kliven4DataSet;
class Cpp_NameValueList;

class Cpp_PorePressure {
public:
    class Exc_BadAccessOfRSubU {};
    class Exc_BadAccessOfPiezometricLine {};

    int GetOption() const { return option_; }
    void SetOption(int option) { option_ = option; }
    // Back to the unset option (a material stage that is reset).
    void Reset() { *this = Cpp_PorePressure(); }
    void SetNotApplicable() { option_ = 12; }
    bool GetNegativeAllowed() const { return negativeAllowed_ != 0; }
    double GetLimitingValue() const { return limitingValue_; }
    // Whether a lowest negative pressure was given (read for option 5, or set by a dialog).
    bool HasLimitingValue() const { return hasLimit_; }
    void SetNegativeAllowed(bool allowed, double limitingValue);
    // Negative pressures allowed without a lowest value.
    void SetNegativeAllowedWithoutLimit(bool allowed);

    // The option line and the line that follows for options 3, 4 and 5; false after a numbered
    // message (4000 to 4085).
    bool ReadInput(int material, int strengthOption, std::FILE* input, std::FILE* echo,
                   bool echoFlag);
    bool WriteKLIVEN4InputDataFile(std::FILE* file) const;
    // Data check of one material and stage; false on an error (4200, 4230, 4250).
    bool Check(const Cpp_Kliven4DataSet* dataSet, int stage, int material,
               std::FILE* echo = nullptr) const;
    // Option from the first two initials of the option words (upper case); false, with option
    // 1, for an unknown pair.
    bool SetOptionFromInitials(char first, char second);

    double GetValue() const { return (option_ == 3 || option_ == 4) ? value_ : 0.0; }
    double GetRSubU() const;
    int GetPiezometricLineNumber() const { return option_ == 5 ? lineNumber_ : 0; }
    bool SetValue(double value);
    bool SetPiezometricLineNumber(int number);

    // The negative-pressure rule on a computed pressure: with negative pressures allowed, a
    // value below the lowest given value becomes that value (no lowest value: kept);
    // otherwise a negative value becomes 0.
    double ApplyNegativeRule(double pressure) const;

    // Rows of the material table.
    bool GetGridRows(Cpp_NameValueList& rows) const;
    // Items of the information window under parent.
    void Describe(platform::InfoWindowService& info, platform::InfoItem parent) const;
    // One line for tool tips; false for an empty text.
    bool ShortDescription(std::string& text) const;

    bool operator==(const Cpp_PorePressure&) const = default;

private:
    int option_ = 1;
    int negativeAllowed_ = 0;
    double limitingValue_ = 0.0;
    bool hasLimit_ = false;
    double value_ = 0.0;
    int lineNumber_ = 0;
};

// Whether the stage of the data set has a piezometric line with this number.
bool PiezometricLineExists(const Cpp_Kliven4DataSet& dataSet, int stage, int number);
