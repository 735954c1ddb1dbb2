// The pore-pressure members of the problem data set, and what the pore-pressure code asks of it
// (declared in porepressure/pore_pressure.h, answered here above it).

#include "model/data_set.h"
#include "porepressure/pore_pressure.h"

Cpp_PiezometricLineList* Cpp_Kliven4DataSet::PiezometricLines(int stage) {
    CheckStage(stage);
    return &piezometricLines_[stage - 1];
}

const Cpp_PiezometricLineList* Cpp_Kliven4DataSet::PiezometricLines(int stage) const {
    CheckStage(stage);
    return &piezometricLines_[stage - 1];
}

bool Cpp_Kliven4DataSet::PiezometricLineExists(int stage, int number) const {
    return PiezometricLines(stage)->FindLine(number) != nullptr;
}

bool PiezometricLineExists(const Cpp_Kliven4DataSet& dataSet, int stage, int number) {
    return dataSet.PiezometricLineExists(stage, number);
}

Cpp_InterpolationData* Cpp_Kliven4DataSet::InterpolationData(int stage) {
    CheckStage(stage);
    return &interpolationData_[stage - 1];
}

const Cpp_InterpolationData* Cpp_Kliven4DataSet::InterpolationData(int stage) const {
    CheckStage(stage);
    return &interpolationData_[stage - 1];
}

bool Cpp_Kliven4DataSet::ReadExternalFileNames(std::FILE* input) {
    const bool first = interpolationData_[0].CheckExternalFileSources(input);
    const bool second = interpolationData_[1].CheckExternalFileSources(input);
    return first && second;
}

bool Cpp_Kliven4DataSet::PrepareInterpolationData(std::FILE* listing) {
    for (auto& data : interpolationData_) data.ImportExternalFiles(listing);
    bool ok = true;
    for (auto& data : interpolationData_) {
        ok = data.ReportDuplicatePoints(listing) && data.RebuildAllBackLinks() &&
             data.TriangulateAll(listing) && data.ComputeAllBoundaries();
        if (!ok) break;
    }
    return ok;
}
