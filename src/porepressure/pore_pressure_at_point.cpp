#include "porepressure/pore_pressure_at_point.h"

#include "core/format_text.h"
#include "porepressure/interpolation_data.h"
#include "porepressure/piezometric_line.h"
#include "porepressure/pore_pressure.h"

namespace {

bool FromRSubU(double rSubU, const std::function<bool(double&)>& overburden, double& pressure,
               std::string& text) {
    double stress = 0.0;
    if (!overburden || !overburden(stress)) {
        text = "Unable to compute pore water pressure from r-sub-u value because could not get a "
               "value for overburden pressure.";
        return false;
    }
    pressure = stress * rSubU;
    return true;
}

}  // namespace

bool PorePressureAtPoint(const Cpp_PorePressure& record, const Cpp_PiezometricLineList& lines,
                         const Cpp_InterpolationData& data, int material, double x, double y,
                         const std::function<bool(double&)>& overburden, double& pressure,
                         std::string& text) {
    pressure = 0.0;
    text.clear();
    switch (record.GetOption()) {
        case 2:
            text = "There are no pore water pressures in this material.";
            break;
        case 3:
            pressure = record.GetValue();
            text = "Pore water pressures are specified as constant in this material.";
            break;
        case 4:
            if (!FromRSubU(record.GetValue(), overburden, pressure, text)) return false;
            text = FormatText("Pore water pressures are specified by constant value of r-sub-u "
                              "(= %1.3f) in this material.",
                              record.GetValue());
            break;
        case 5: {
            const int number = record.GetPiezometricLineNumber();
            if (!lines.CheckPressureAt(number, x, y, pressure)) {
                text = FormatText("Unable to compute pore water pressures using data for material "
                                  "%1d\nPore water pressures were defined by piezometric line %d "
                                  "in this material.",
                                  material, number);
                return false;
            }
            text = FormatText("Pore water pressures are defined by piezometric line %1d in this "
                              "material.",
                              number);
            break;
        }
        case 6:
        case 7: {
            const int kind = record.GetOption() == 6 ? 1 : 2;
            Cpp_InterpolationDataSet* set = data.FindDataSet(kind, material);
            if (!set) set = data.FindDataSet(kind, 0);
            if (!set) {
                text = FormatText("Unable to compute pore water pressures for material number "
                                  "%d\nPore water pressures were defined by interpolation in this "
                                  "material and no suitable interpolation data could be found.",
                                  material);
                return false;
            }
            Cpp_Triangle* start = nullptr;
            double value = 0.0;
            if (!set->ValueAt(x, y, value, start, false)) {
                text = FormatText("Unable to compute pore water pressures for material number "
                                  "%d\nPore water pressures were defined by interpolation in this "
                                  "material.",
                                  material);
                return false;
            }
            if (kind == 1) {
                pressure = value;
                text = "Pore water pressures are computed by interpolating values of pressure in "
                       "this material.";
            } else {
                if (!FromRSubU(value, overburden, pressure, text)) return false;
                text = "Pore water pressures are computed by interpolating values of pore water "
                       "pressure coefficient (r-sub-u) in this material.";
            }
            break;
        }
        case 12:
            return true;
        default:
            return false;
    }
    pressure = record.ApplyNegativeRule(pressure);
    return true;
}
