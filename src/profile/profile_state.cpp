#include "profile/profile_state.h"

void ResetProfileState() {
    ResetProfileLineDefaults();
    ResetCrackPickFilters();
    ResetSlopeGeometryDefaults();
}
