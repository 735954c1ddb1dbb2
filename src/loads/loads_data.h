#pragma once
// Everything a data set holds of loads and reinforcement: the distributed loads and line loads
// of both stages, the reinforcement lines, the soil nails and the geogrids.
//
//     Cpp_LoadsData& loads = dataSet.Loads();
//     loads.DistributedLoads(2).AddPoint(x, y, normal, shear);
//     loads.reinforcement.AddNewLine(1, "Anchor", 0.0, 1);

#include "loads/distributed_load_data.h"
#include "loads/geogrid_data.h"
#include "loads/line_load.h"
#include "loads/nail_data.h"
#include "loads/reinforcement_line.h"

class Cpp_LoadsData {
public:
    class Exc_IllegalStage {};

    Cpp_LoadsData();

    // Stage 1 or 2; any other stage throws Exc_IllegalStage.
    Cpp_DistributedLoadData& DistributedLoads(int stage);
    Cpp_LineLoadList& LineLoads(int stage);
    const Cpp_DistributedLoadData& DistributedLoads(int stage) const;
    const Cpp_LineLoadList& LineLoads(int stage) const;

    // Deletes the load points, line loads, reinforcement lines, individual nails and geogrids.
    void Clear();
    // The display flags from the program-wide defaults.
    void Reset();
    // Before new data are read: neither stage uses a piezometric line.
    void ResetForNewData();

    Cpp_ReinforcementLineList reinforcement;
    Cpp_NailData nails;
    Cpp_GeogridData geogrids;

private:
    Cpp_DistributedLoadData distributed_[2];
    Cpp_LineLoadList lineLoads_[2];
};
