// What the pore-pressure code asks of the problem data set.

#include "porepressure/pore_pressure.h"

bool PiezometricLineExists(const Cpp_Kliven4DataSet& /*dataSet*/, int /*stage*/, int /*number*/) {
    // The data set does not hold piezometric lines yet: nothing can be missing.
    return true;
}
