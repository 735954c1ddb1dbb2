#pragma once
// The dash patterns polylines are drawn with (line styles 0 to 8). A pattern is a cycle of
// segments, each a length in inches on the output device and a flag: drawn or gap.

#include <cstdint>

struct s_LineStyleType {
    std::uint16_t count = 0;  // 0: solid
    float length[8] = {0, 0, 0, 0, 0, 0, 0, 0};
    int drawn[8] = {0, 0, 0, 0, 0, 0, 0, 0};
};

class Cpp_GraphicInit {
public:
    static constexpr int kMaximumStyles = 11;

    static void InitializeLineStyles();
    static int StyleCount() { return count_; }
    // Below 1: solid; 1 to 8 their patterns; not below the style count throws the text
    // "Cpp_GraphicInit::LineStyle - Illegal line style index".
    static s_LineStyleType LineStyle(int index);

private:
    static s_LineStyleType styles_[kMaximumStyles];
    static int count_;
};
