#pragma once
// The look of every drawing source, kept in file-level static records: line widths, colours,
// marker sizes, fonts, text and symbol attributes and layer names. Conversions to device units
// happen at drawing time through the device context, so a printer and the screen get the same
// physical sizes. Also the diagram scale record and the name/value table of information pages.

#include "platform/device_context.h"

#include <string>
#include <vector>

// A line width: kind 1 the thinnest line (one pixel); 2 and 5 a whole number of points; 3 and 6
// inches; 4 and 7 millimetres.
struct s_LineWidthType {
    int kind = 0;
    double value = 0;

    s_LineWidthType() = default;
    // From a number of points: 0 is the thinnest line.
    s_LineWidthType(short points) : kind(points == 0 ? 1 : 2), value(points == 0 ? 1 : points) {}
    s_LineWidthType(int k, double v) : kind(k), value(v) {}

    // Pixels on the device, at least 1.
    int DeviceWidth(const platform::DeviceContext& dc) const;
    int DeviceWidthOnCurrentDC() const;
};

// A marker size: kind 1 points, 2 inches, 3 millimetres; any other kind draws one pixel.
struct s_MarkerSizeType {
    int kind = 0;
    double size = 11;

    s_MarkerSizeType() = default;
    s_MarkerSizeType(short points) : kind(1), size(points) {}
    s_MarkerSizeType(int k, double s) : kind(k), size(s) {}

    int DeviceSize(const platform::DeviceContext& dc) const;
    int DeviceSizeOnCurrentDC() const;
};

// A colour: a palette index (0 to 40), or -1 for the explicit RGB value; and the DXF colour.
struct s_ColorType {
    int paletteIndex = 1;
    platform::ColorRef rgb = 0;
    int dxfColour = 0;

    s_ColorType() = default;
    s_ColorType(int index, int dxf) : paletteIndex(index), dxfColour(dxf) {}
    static s_ColorType FromRGB(platform::ColorRef colour) {
        s_ColorType c;
        c.SetRGB(colour);
        return c;
    }
    void SetRGB(platform::ColorRef colour) {
        paletteIndex = -1;
        rgb = colour;
    }
    // The colour to draw with: black while everything prints black; the palette throws for an
    // index outside 0 to 40.
    platform::ColorRef RGBColor() const;
};

struct s_TwoColorType {
    s_ColorType first;
    s_ColorType second;
    s_TwoColorType(int indexA, int indexB, int dxfA, int dxfB)
        : first(indexA, dxfA), second(indexB, dxfB) {}
};

// A font: a size in points and the font record (its height is set when it is made for a
// device).
struct s_FontType {
    int pointSize = 12;
    platform::Font font;  // "Arial", weight 400

    s_FontType() = default;
    s_FontType(const std::string& face, int points, int weight = 400) : pointSize(points) {
        font.face = face;
        font.weight = weight;
    }
    // The font for the device: the character height of the point size in its pixels.
    platform::Font ForDevice(const platform::DeviceContext& dc) const;
};

// The layer (drawing item kind) of a drawing source.
struct s_LayerNameType {
    std::string name;
    s_LayerNameType() = default;
    s_LayerNameType(const char* n) : name(n ? n : "") {}
    s_LayerNameType(std::string n) : name(std::move(n)) {}
};

// The display attributes of one kind of line item, as selection and editing ask for them.
struct s_DrawAttributesType {
    s_LineWidthType lineWidth;
    s_ColorType lineColour;
    s_LineWidthType pointPenWidth;
    s_MarkerSizeType markerSize;
    int symbolStyle = 1;
    s_ColorType pointColour;

    s_DrawAttributesType() { InitDefaults(); }
    s_DrawAttributesType(s_LineWidthType width, s_ColorType colour, s_LineWidthType penWidth,
                         s_MarkerSizeType size, int style, s_ColorType pColour)
        : lineWidth(width), lineColour(colour), pointPenWidth(penWidth), markerSize(size),
          symbolStyle(style), pointColour(pColour) {}
    void InitDefaults() {
        lineWidth = s_LineWidthType(static_cast<short>(0));
        lineColour = s_ColorType();
        pointPenWidth = s_LineWidthType(static_cast<short>(0));
        markerSize = s_MarkerSizeType();
        symbolStyle = 1;
        pointColour = s_ColorType();
    }
};

// The attribute of a kind of coordinate or text label.
struct s_TextAttributeType {
    int kind = 0;
    int fixed[4] = {0, 1, 0, 2};
    int layout[3] = {0, 0, 0};
    bool flags[2] = {false, false};
    s_LayerNameType layerName;
    s_FontType font;
    int pointSize = 8;
    platform::ColorRef colour = 0;
    s_ColorType colourRecord;

    s_TextAttributeType() = default;
};

// A diagram scale (loads and forces): kind and value; text form "%1d %1.6f".
struct s_KindValueType {
    int kind = 1;
    double value = 1.0;
    // The world length one unit of the quantity is drawn with (n is 72 at every call).
    double Factor(int n, double largest) const;
    std::string Format() const;
    bool Parse(const std::string& text);
};

// Rows of a label and a value (at most 200, each text up to 80 characters), from which
// information pages and property texts are built.
class Cpp_NameValueList {
public:
    static constexpr int kMaximumRows = 200;
    static constexpr int kMaximumText = 80;

    struct Row {
        std::string name;
        std::string value;
    };

    bool CanAdd(const std::string& name) const;
    // A null value shows "?????"; a value of more than 80 characters is refused.
    bool AddText(const std::string& name, const char* value);
    bool AddFormatted(const std::string& name, const char* format, double value);
    bool AddInt(const std::string& name, int value);
    bool AddDouble(const std::string& name, double value);
    int Count() const { return static_cast<int>(rows_.size()); }
    const Row& At(int i) const { return rows_.at(i); }
    void Clear() { rows_.clear(); }

private:
    std::vector<Row> rows_;
};
