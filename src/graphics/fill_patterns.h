#pragma once
// The 38 monochrome 8 x 8 fill patterns of pattern brushes (material regions, interpolation
// triangles, load symbols, region marking). A stored cell is 1 where the brush shows its
// background colour and 0 where it shows the ink (the text colour of the device context).

#include "platform/device_context.h"

#include <cstdint>

class Cpp_FillPatterns {
public:
    static constexpr int kNumberOfPatterns = 38;

    Cpp_FillPatterns();
    // The 8 x 8 cells of pattern n (1 to 38), row by row; false for another n.
    bool GetPattern(int n, std::uint16_t cells[8][8]) const;
    // Row r of pattern n in the low byte of words[r], leftmost cell in bit 7, a bit set where
    // the cell shows the background.
    bool GetPatternBits(int n, std::uint16_t words[8]) const;
    // A pattern brush of pattern n; a number outside 1..38 gives a hollow brush.
    static platform::Brush CreatePatternBrush(int n);

private:
    std::uint16_t cells_[kNumberOfPatterns][8][8];
};
