#include "model/point_stress_results.h"

#include "core/format_text.h"
#include "model/data_set.h"
#include "model/point_stresses.h"

#include <algorithm>

s_PointStressResult ComputePointStresses(const Cpp_Kliven4DataSet& dataSet, double x, double y,
                                         bool computeOverburden, bool computePore, int mode,
                                         int lineNumber, int materialNumber) {
    s_PointStressResult r;
    r.x = x;
    r.y = y;
    if (computeOverburden)
        r.overburdenOk = OverburdenPressure(dataSet, x, y, r.depth, r.overburden);
    if (computePore) {
        r.lineNumber = mode == UseProfileLine ? lineNumber : 0;
        r.materialNumber = mode == UseMaterial ? materialNumber : 0;
        r.poreOk =
            PoreWaterPressureAtPoint(dataSet, x, y, r.lineNumber, r.materialNumber,
                                     Cpp_Kliven4DataSet::CurrentStage(), r.pore, r.information);
        if (!r.poreOk) r.information.clear();
    }
    return r;
}

int ClampDecimals(int decimals) { return std::clamp(decimals, 0, 15); }

std::string FixedText(double value, int decimals) {
    return FormatText("%.*f", ClampDecimals(decimals), value);
}

s_PointStressTexts PointStressTexts(const s_PointStressResult& r, int decimals) {
    s_PointStressTexts t;
    if (r.overburdenOk) {
        t.depth = "Depth below slope: " + FixedText(r.depth, decimals);
        t.overburden = "Overburden pressure: " + FixedText(r.overburden, decimals);
    }
    if (r.poreOk) t.pore = "Pore water pressure: " + FixedText(r.pore, decimals);
    t.effective = "Effective vertical overburden pressure: " +
                  (r.EffectiveOk() ? FixedText(r.Effective(), decimals) : std::string("?????"));
    return t;
}
