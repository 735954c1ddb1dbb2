#include "graphics/data_entry_options.h"

unsigned char& RubberBandLinesOption() {
    static unsigned char option = 1;
    return option;
}

void ResetDataEntryOptions() { RubberBandLinesOption() = 1; }
