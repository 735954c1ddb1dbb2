#include "analysis/analysis_state.h"

void ResetAnalysisState() { ResetAnalysisDisplayDefaults(); }
