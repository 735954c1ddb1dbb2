#pragma once
// The side-force (interslice force) functions of the Chen-Morgenstern procedure (f(x) and
// g(x)) and of the Morgenstern-Price procedure (f(x)), over a position x normalised from 0 at
// one end of the slip surface to 1 at the other.

#include <cstdio>
#include <iosfwd>
#include <vector>

struct s_SideForcePointType {
    double x = 0.0;
    double relativeX = 0.0;
    double f = 0.0;
};

class Cpp_SideForceFunctions {
public:
    enum { kNone = 0, kMorgensternPrice = 1, kChenMorgenstern = 2 };

    // Kind 0, all three options undefined, both point lists emptied.
    void Clear();
    // Both point lists emptied (the values are kept).
    void ForgetPointLists();
    void AddCustomPoint(double x, double f);
    // Relative x of every custom point from the first and last x.
    void ComputeRelativeX();

    int Kind() const { return kind_; }
    void SetKind(int kind) { kind_ = kind; }
    int ChenFOption() const { return chenF_; }
    int ChenGOption() const { return chenG_; }
    int PriceFOption() const { return priceF_; }
    void SetChenFOption(int option) { chenF_ = option; }
    void SetChenGOption(int option) { chenG_ = option; }
    void SetPriceFOption(int option) { priceF_ = option; }
    double Parameter(int i) const { return parameters_[i - 1]; }
    void SetParameter(int i, double value) { parameters_[i - 1] = value; }
    double Amplitude() const { return amplitude_; }
    void SetAmplitude(double a) { amplitude_ = a; }
    double GAmplitude() const { return gAmplitude_; }
    void SetGAmplitude(double a) { gAmplitude_ = a; }
    double SlopeParameter(int i) const { return slope_[i - 1]; }
    void SetSlopeParameter(int i, double v) { slope_[i - 1] = v; }
    bool LeftGiven() const { return leftGiven_; }
    bool RightGiven() const { return rightGiven_; }
    double LeftValue() const { return leftValue_; }
    double RightValue() const { return rightValue_; }
    void SetLeftEnd(bool given, double value) {
        leftGiven_ = given;
        leftValue_ = given ? value : 0.0;
    }
    void SetRightEnd(bool given, double value) {
        rightGiven_ = given;
        rightValue_ = given ? value : 0.0;
    }
    const std::vector<s_SideForcePointType>& CustomPoints() const { return custom_; }

    // Read the lines after the procedure line; each begins with Clear. False after a
    // numbered message.
    bool ReadInputChenAndMorgenstern(std::FILE* file, std::FILE* echoFile, bool echo);
    bool ReadInputMorgensternAndPrice(std::FILE* file, std::FILE* echoFile, bool echo);
    // The custom Chen-Morgenstern f(x) runs from x = 0 (7010) to x = 1 (7020).
    bool Check(std::FILE* errorFile) const;

    // The lines after the procedure name; false (writing nothing further) when an option
    // needed is undefined.
    bool WriteInputChenAndMorgenstern(std::ostream& out) const;
    bool WriteInputMorgensternAndPrice(std::ostream& out) const;

private:
    int kind_ = kNone;
    int chenF_ = -1;
    int chenG_ = -1;
    int priceF_ = -1;
    double parameters_[4] = {0.0, 0.0, 0.0, 0.0};
    double amplitude_ = 1.0;
    std::vector<s_SideForcePointType> custom_;
    double slope_[2] = {0.0, 0.0};
    double gAmplitude_ = 1.0;
    std::vector<s_SideForcePointType> second_;
    bool leftGiven_ = false;
    bool rightGiven_ = false;
    double leftValue_ = 0.0;
    double rightValue_ = 0.0;
};
