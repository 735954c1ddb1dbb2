#pragma once
// How the point-entry tool of polylines behaves: with rubber-band lines on (the start), a line
// follows the cursor from the last point entered. Set in "Data Entry Options".

// Program-wide, 1 at start; ResetDataEntryOptions returns it to 1.
unsigned char& RubberBandLinesOption();
void ResetDataEntryOptions();
