#include "app/data_change.h"

#include "app/draw_view.h"
#include "core/data_error_output.h"
#include "loads/distributed_load_data.h"
#include "model/circle_end_points.h"
#include "model/data_sets.h"
#include "model/derived_data.h"

namespace app {

namespace {

// The distributed loads of both stages that come from a piezometric line are computed again.
void RegenerateWaterLoads(Cpp_Kliven4DataSet& dataSet) {
    for (int stage : {1, 2})
        if (dataSet.DistributedLoads(stage)->UsesPiezometricLine())
            GenerateWaterLoads(dataSet, stage, nullptr);
}

}  // namespace

void RefreshAfterDataChange(int kind) {
    Cpp_Kliven4DataSet* dataSet = Cpp_Kliven4Data::CurrentDataSet();
    if (dataSet && kind == 2) {
        Cpp_DataErrorOutput::OpenErrorLog();
        // A slope entered by hand stays; a generated one follows the profile lines.
        if (!dataSet->SlopeGeometry().IsEntered()) RecomputeSlopeAndCrackGeometry(*dataSet);
        RegenerateWaterLoads(*dataSet);
        Cpp_DataErrorOutput::CloseErrorLog();
    } else if (dataSet && kind == 4) {
        RegenerateWaterLoads(*dataSet);
    } else if (dataSet && kind == 9) {
        UpdateCircleEndPoints(*dataSet);
    }
    RefreshLargestValues();
}

}  // namespace app
