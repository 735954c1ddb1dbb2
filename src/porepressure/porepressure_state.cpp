#include "porepressure/porepressure_state.h"

#include "porepressure/interpolation_data.h"

#include "porepressure/contour_control_points.h"
#include "porepressure/vertex.h"

void ResetPorePressureState() {
    ResetTriangulationGlobals();
    Cpp_ContourControlPointList::ClearWorkingList();
    ResetPiezometricDisplayDefaults();
    ResetPiezometricPickFlags();
    ResetInterpolationDisplayDefaults();
    Cpp_InterpolationData::ResetPickFilter();
}
