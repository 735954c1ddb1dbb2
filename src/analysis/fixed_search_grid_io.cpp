// Check and reading of the fixed search grid.

#include <string>

#include "analysis/analysis_messages.h"
#include "analysis/analysis_settings.h"
#include "analysis/fixed_search_grid.h"
#include "analysis/number_text.h"
#include "core/data_error_output.h"
#include "core/echo_lines.h"
#include "core/echo_writer.h"
#include "core/geometry.h"
#include "core/input_lines.h"

using analysis_convert::ToInt;

bool Cpp_FixedSearchGrid::Check(std::FILE* errorFile) const {
    Cpp_DataErrorOutput::SetErrorFile(errorFile);
    bool ok = true;
    if (across_ < 2 || up_ < 2) {
        Cpp_AnalysisDataErrors::Error7120(across_, up_);
        ok = false;
    }
    if (line_) return ok;
    for (int s = 1; s <= 3; ++s) {
        for (int t = 2; t <= 4; ++t) {
            const s_tagTypePointXY a = corners_[s - 1], b = corners_[s % 4];
            const s_tagTypePointXY c = corners_[t - 1], d = corners_[t % 4];
            Cpp_PointXY crossing;
            if (SegmentsIntersect(Cpp_PointXY(a), Cpp_PointXY(b), Cpp_PointXY(c), Cpp_PointXY(d),
                                  1e-5, crossing)) {
                Cpp_AnalysisDataErrors::Error7110(s, t);
                ok = false;
            }
        }
    }
    return ok;
}

bool Cpp_FixedSearchGrid::ReadInput(std::FILE* file, std::FILE* echoFile, bool echo) {
    Cpp_DataErrorOutput::SetErrorFile(echoFile);
    const int d = analysis_settings::CoordinateDecimals();
    s_InputLineType rec;
    if (!ReadNumberLine(file, rec)) return Cpp_AnalysisDataErrors::Error6160(), false;
    if (rec.numValues < 2) return Cpp_AnalysisDataErrors::Error6630(rec.numValues, rec.text), false;
    int across = 0, up = 0;
    if (rec.numValues == 5) {
        // A line: both end points and the number of positions along it.
        if (!ToInt(rec.values[4], across))
            return Cpp_AnalysisDataErrors::Error6630(rec.numValues, rec.text), false;
        line_ = 1;
        across_ = up_ = across;
        corners_[0] = {rec.values[0], rec.values[1]};
        corners_[1] = {rec.values[2], rec.values[3]};
        PrintIndent();
        PrintText("Grid is a line - Number of Points Along Line: " + std::to_string(across), true);
        if (echo) {
            PrintNewLine();
            for (int i = 0; i < 2; ++i) {
                PrintIndent();
                PrintText("Line End Point Number " + std::to_string(i + 1) +
                              " - X: " + analysis_text::Fixed(corners_[i].x, 1, d) +
                              "     Y: " + analysis_text::Fixed(corners_[i].y, 1, d),
                          true);
            }
        }
        return true;
    }
    if (!ToInt(rec.values[0], across) || !ToInt(rec.values[1], up))
        return Cpp_AnalysisDataErrors::Error6630(rec.numValues, rec.text), false;
    line_ = 0;
    across_ = across;
    up_ = up;
    PrintIndent();
    PrintText("Number of Points Across Grid: " + std::to_string(across), true);
    PrintIndent();
    PrintText("Number of Points Up Grid: " + std::to_string(up), true);

    double values[8];
    int count = 0;
    while (count < 8) {
        s_InputLineType corner;
        if (!ReadNumberLine(file, corner)) return Cpp_AnalysisDataErrors::Error6170(), false;
        if (corner.numValues == 0)
            return Cpp_AnalysisDataErrors::Error6710(count, corner.text), false;
        for (int i = 0; i < corner.numValues && count < 8; ++i) values[count++] = corner.values[i];
    }
    for (int i = 0; i < 4; ++i) corners_[i] = {values[2 * i], values[2 * i + 1]};
    if (echo) {
        PrintNewLine();
        PrintText("Grid Corner", true);
        PrintText("   Number           X              Y", true);
        PrintNewLine();
        for (int i = 0; i < 4; ++i) {
            PrintIndent();
            PrintInteger(i + 1, 6);
            PrintDouble(corners_[i].x, 17, d);
            PrintDouble(corners_[i].y, 15, d, true);
        }
    }
    return true;
}
