#include "loads/loads_data.h"

Cpp_LoadsData::Cpp_LoadsData() {
    for (int stage = 1; stage <= 2; ++stage) {
        distributed_[stage - 1].InitForStage(stage);
        lineLoads_[stage - 1].InitForStage(stage);
    }
}

Cpp_DistributedLoadData& Cpp_LoadsData::DistributedLoads(int stage) {
    if (stage != 1 && stage != 2) throw Exc_IllegalStage();
    return distributed_[stage - 1];
}

Cpp_LineLoadList& Cpp_LoadsData::LineLoads(int stage) {
    if (stage != 1 && stage != 2) throw Exc_IllegalStage();
    return lineLoads_[stage - 1];
}

const Cpp_DistributedLoadData& Cpp_LoadsData::DistributedLoads(int stage) const {
    return const_cast<Cpp_LoadsData*>(this)->DistributedLoads(stage);
}

const Cpp_LineLoadList& Cpp_LoadsData::LineLoads(int stage) const {
    return const_cast<Cpp_LoadsData*>(this)->LineLoads(stage);
}

void Cpp_LoadsData::Clear() {
    for (int i = 0; i < 2; ++i) {
        distributed_[i].DeleteAllPoints();
        lineLoads_[i].DeleteAll();
    }
    reinforcement.DeleteAllLines();
    nails.DeleteIndividualNails();
    geogrids.DeleteAllGeogrids();
}

void Cpp_LoadsData::Reset() {
    for (int i = 0; i < 2; ++i) {
        distributed_[i].ReloadDisplayFlags();
        lineLoads_[i].ReloadDisplayFlag();
    }
    reinforcement.ReloadDisplayFlags();
}

void Cpp_LoadsData::ResetForNewData() {
    for (int i = 0; i < 2; ++i) distributed_[i].ClearPiezometricLine();
}
