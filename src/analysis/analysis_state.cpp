#include "analysis/analysis_state.h"

#include "analysis/results_display.h"
#include "analysis/slices.h"

void ResetAnalysisState() {
    ResetAnalysisDisplayDefaults();
    Cpp_Slices::ResetProgramWide();
    Cpp_ResultsDisplay::ResetProgramWide();
}
