#include "loads/loads_state.h"

#include "loads/load_drawing_support.h"
#include "loads/load_messages.h"

void ResetLoadsState() {
    loads::ResetLoadScales();
    ClearEmittedLoadMessages();
    ResetDistributedLoadDisplayDefaults();
    ResetDistributedLoadPickFilters();
    ResetLineLoadDisplayDefaults();
    ResetLineLoadPickFilters();
    ResetReinforcementDisplayDefaults();
    ResetReinforcementPickFilters();
    ResetNailPickFilters();
    ResetGeogridPickFilters();
}
