#pragma once
// The block readers of the pore-water-pressure data, registered with the reader dispatcher.

#include "model/block_readers.h"

// PIE: the piezometric lines of the current stage.
bool ReadPiezometricLineBlock(s_BlockReadContext& context);
