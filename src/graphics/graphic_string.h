#pragma once
// A block of up to eight lines of text drawn at a pixel point: line and point labels and the
// axis numbers. The block is placed by a position code (1 to 9: above-left, above, above-right;
// left, centred, right; below-left, below, below-right), aligned line by line, and optionally
// framed (rectangle, ellipse, triangle) and filled with the background colour. The drawing
// attributes are static and shared: set them, draw blocks, release them.

#include "graphics/drawing_attributes.h"

#include <string>

// Pixel frame of a block: all zero means "compute it from the text".
struct s_TextFrameType {
    short top = 0;
    short left = 0;
    short bottom = 0;
    short right = 0;
    bool IsZero() const { return top == 0 && left == 0 && bottom == 0 && right == 0; }
};

class Cpp_GraphicString {
public:
    class Exc_TooManyStrings {};
    static constexpr int kMaximumLines = 8;
    static constexpr int kMaximumLineLength = 65;

    // A ninth line throws Exc_TooManyStrings; a line longer than 65 characters is cut.
    void AddString(const std::string& text);
    void Clear() { count_ = 0; }
    int Count() const { return count_; }
    // Line n (1-based); empty outside 1..count.
    std::string GetString(int n) const;

    static bool SetDrawingAttributes(const s_FontType& font, int position, int gap, int alignment,
                                     int frameKind, bool backgroundFill, const s_ColorType& colour,
                                     const std::string& layerName);
    static bool SetCentredAttributes(const s_FontType& font, int frameKind, bool backgroundFill,
                                     const s_ColorType& colour, const std::string& layerName) {
        return SetDrawingAttributes(font, 5, 0, 2, frameKind, backgroundFill, colour, layerName);
    }
    static bool SetPosition(int code);
    static int Position() { return position_; }
    static void ReleaseDrawingAttributes();
    // Every attribute back to its start (the program-wide reset).
    static void Reset();

    bool Draw(int x, int y) const {
        s_TextFrameType frame;
        return DrawAt(x, y, frame);
    }
    bool DrawAt(int x, int y, s_TextFrameType& frame) const;
    // For a font turned a quarter turn counter-clockwise (the numbers of the vertical axes).
    bool DrawFramed(int x, int y, s_TextFrameType& frame) const;

private:
    int count_ = 0;
    std::string lines_[kMaximumLines];

    static bool attributesSet_;
    static bool fontSelected_;
    static platform::Font previousFont_;
    static platform::ColorRef textColour_;
    static int position_;
    static int gap_;
    static int alignment_;
    static int frameKind_;
    static bool backgroundFill_;
    static platform::ColorRef backgroundColour_;
    static std::string layerName_;
};
