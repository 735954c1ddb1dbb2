#pragma once
// What the point-stress dialogs compute at one point and the result lines they show. The
// computations are the data set's (model/point_stresses.h); a failure has shown its own box.

#include <string>

class Cpp_Kliven4DataSet;

struct s_PointStressResult {
    double x = 0.0;
    double y = 0.0;
    bool overburdenOk = false;
    double depth = 0.0;
    double overburden = 0.0;
    bool poreOk = false;
    double pore = 0.0;
    int lineNumber = 0;      // the profile line used
    int materialNumber = 0;  // the material used
    std::string information;
    bool EffectiveOk() const { return overburdenOk && poreOk; }
    double Effective() const { return overburden - pore; }
};

// How the pore-water pressure finds its material: at the point, by the given profile line, or
// by the given material.
enum e_PoreMaterialMode { FindLineAndMaterial = 0, UseProfileLine = 1, UseMaterial = 2 };

// The overburden and, with computePore, the pore-water pressure of the current stage at (x, y).
s_PointStressResult ComputePointStresses(const Cpp_Kliven4DataSet& dataSet, double x, double y,
                                         bool computeOverburden, bool computePore, int mode,
                                         int lineNumber, int materialNumber);

// Decimals as the dialogs use them: within 0 to 15.
int ClampDecimals(int decimals);
// The value in fixed format with the decimals.
std::string FixedText(double value, int decimals);

// The result lines before the first computation and after one.
struct s_PointStressTexts {
    std::string depth = "Depth below slope: ?????";
    std::string overburden = "Overburden pressure: ?????";
    std::string pore = "Pore water pressure: ?????";
    std::string effective = "Effective overburden pressure: ?????";
};
s_PointStressTexts PointStressTexts(const s_PointStressResult& result, int decimals);
