#pragma once
// The point symbols of every line kind and point set: 21 styles in a size and pen width given in
// physical units and a colour from the palette or an explicit RGB value. A set-up makes the
// program-wide point pen and brush; any number of points are then drawn; DeletePointPens ends.
//
// Styles: 1 circle; 2, 3 circle filled with the background / the colour; 4 square; 5 square
// filled with the background and outlined; 6 square filled, no outline; 7 triangle apex up;
// 8, 9 filled (background / colour); 10 diamond; 11, 12 filled; 13 triangle apex down; 14, 15
// filled; 16 plus; 17 diagonal cross; 18 diamond with plus; 19 square with diagonals; 20 eight
// spokes; 21 inner half-size square joined to the outer corners.

#include "graphics/drawing_attributes.h"
#include "platform/device_context.h"

#include <string>

struct s_SymbolAttributesType {
    s_MarkerSizeType markerSize;
    s_LineWidthType penWidth;
    int style = 1;
    s_ColorType colour;
    platform::ColorRef backgroundFill = 0xFFFFFF;
    std::string layerName;
};

// The program-wide point-drawing state.
struct s_PointDrawingState {
    int style = 1;
    int colourWord = -1;
    int penWidth = 1;     // pixels
    int markerSize = 10;  // pixels, the full width of the symbol
    platform::ColorRef colour = platform::MakeRgb(128, 0, 0);
    std::string layerName = "Point";
    bool pensMade = false;
    platform::Pen pen;
    platform::Brush brush;  // hollow for style 1
};

const s_PointDrawingState& PointDrawingState();
void ResetPointDrawingState();

bool SetupPointPens(platform::DeviceContext& dc, const s_SymbolAttributesType& attributes);
// The same with the current device context's background colour as the background fill.
bool SetupPointPensOnBackground(const s_SymbolAttributesType& attributes);
void DeletePointPens();

// Draws the symbol of the current state at a world point / at a pixel.
void DrawSymbol(platform::DeviceContext& dc, double x, double y);
void DrawSymbolOnCurrentDC(double x, double y);
void DrawSymbolAtPixel(platform::DeviceContext& dc, int u, int v);
// Many symbols in one run, at world points (xs[i], ys[i]); points outside the view are skipped.
void DrawSymbols(platform::DeviceContext& dc, const double* xs, const double* ys, int n);

// A complete drawing with its own pen and brush.
void DrawWithAttributes(platform::DeviceContext& dc, double x, double y,
                        const s_LineWidthType& penWidth, const s_ColorType& colour,
                        const s_MarkerSizeType& markerSize, int style);
// The symbol drawn in the background colour.
void EraseSymbol(platform::DeviceContext& dc, double x, double y, const s_LineWidthType& penWidth,
                 const s_MarkerSizeType& markerSize, int style);

// Labels, drawn as text blocks with the text attributes already set. Type 1 is one line
// ("X:%1.2f,Y:%1.2f" with letters), type 2 two lines; another type draws nothing (false).
bool DrawCoordinateLabel(double x, double y, int type, bool withLetters);
// "Number: %1d" with the word, else "%1d", right of and above the point.
bool DrawNumberLabel(double x, double y, int number, bool withWord);
// The mark of a selected point: on the screen only, the four-square selection marker
// (core/selection_marks.h) at the point's pixel; in other output modes nothing. Inverting:
// drawing it twice removes it.
void DrawPointMark(platform::DeviceContext& dc, double x, double y);
