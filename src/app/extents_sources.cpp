// The sources of the extents of a data set that zoom to extents takes in, registered once when
// the view is set up.

#include "app/draw_view.h"
#include "model/data_check.h"
#include "model/data_set.h"
#include "porepressure/interpolation_data.h"

namespace app {

void RegisterDefaultExtentsSources() {
    static bool done = false;
    if (done) return;
    done = true;
    // Every item of the data set that has extents (profile, slope, piezometric lines, loads,
    // reinforcement, analysis items, crack).
    RegisterExtentsSource([](Cpp_Kliven4DataSet& d, Cpp_Graphics::WorldRect& r) {
        return DataSetExtents(d, r.xmin, r.xmax, r.ymin, r.ymax);
    });
    for (int stage = 1; stage <= 2; ++stage)
        RegisterExtentsSource([stage](Cpp_Kliven4DataSet& d, Cpp_Graphics::WorldRect& r) {
            const Cpp_InterpolationData* data = d.InterpolationData(stage);
            return data && data->GetExtents(r.xmin, r.xmax, r.ymin, r.ymax);
        });
}

}  // namespace app
