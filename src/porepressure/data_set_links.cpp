// The pore-pressure members of the problem data set, and what the pore-pressure code asks of it.

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
