#include "editing/display_bounds.h"

#include "editing/construction_items.h"
#include "graphics/graphics.h"
#include "model/data_sets.h"

#include <algorithm>

bool UpdateDisplayBoundsFromGeometry() {
    double xmin = 0, xmax = 0, ymin = 0, ymax = 0;
    bool haveData = Cpp_Kliven4Data::ExtentsOfAllDataSets(xmin, xmax, ymin, ymax);
    bool haveLines = false;
    for (const auto& line : GetConstructionLineList().Lines()) {
        double x1, x2, y1, y2;
        if (!line->GetExtents(x1, x2, y1, y2)) continue;
        haveLines = true;
        if (!haveData) {
            xmin = x1, xmax = x2, ymin = y1, ymax = y2;
            haveData = true;
            continue;
        }
        xmin = std::min(xmin, x1);
        xmax = std::max(xmax, x2);
        ymin = std::min(ymin, y1);
        ymax = std::max(ymax, y2);
    }
    if (haveData) {
        Cpp_Graphics::SetDataRangeX(xmin, xmax);
        Cpp_Graphics::SetDataRangeY(ymin, ymax);
    }
    return haveLines;
}
