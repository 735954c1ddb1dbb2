#include "analysis/analysis_drawing_attributes.h"

namespace analysis_look {
namespace {

const s_LineWidthType kOnePoint(static_cast<short>(1));

s_LinePenType Pen(const char* layer, int colour) {
    s_LinePenType p;
    p.width = kOnePoint;
    p.style = 0;
    p.colour = s_ColorType(colour, 7);
    p.layerName = layer ? layer : "";
    p.lineTypeName = "CONTINUOUS";
    return p;
}

s_SymbolAttributesType Symbol(const char* layer, int colour, short marker, int style) {
    s_SymbolAttributesType s;
    s.markerSize = s_MarkerSizeType(marker);
    s.penWidth = kOnePoint;
    s.style = style;
    s.colour = s_ColorType(colour, 7);
    s.layerName = layer ? layer : "";
    return s;
}

}  // namespace

const s_LinePenType& CentreLinePen() {
    static const s_LinePenType pen = Pen("Initial_Slip_Surface_Center", kGrey);
    return pen;
}
s_SymbolAttributesType CentreSymbol(bool singleCentre) {
    return Symbol("Initial_Slip_Surface_Center", kGrey, singleCentre ? 25 : 5, 16);
}
bool RadiusLinesShown() { return true; }

const s_LinePenType& SlipSurfaceLinePen() {
    static const s_LinePenType pen = Pen("Initial_Slip_Surface_Line", kGrey);
    return pen;
}
s_SymbolAttributesType SlipSurfacePointSymbol() {
    return Symbol("Initial_Slip_Surface_Points", kGrey, 5, 1);
}

const s_LineWidthType& SearchPointWidth() { return kOnePoint; }
s_ColorType SearchPointColour() { return s_ColorType(kDarkRed, 7); }

const s_LinePenType& SearchGridPen() {
    static const s_LinePenType pen = Pen("Search_Grid", kGrey);
    return pen;
}

s_SymbolAttributesType RadiusPointSymbol() { return Symbol("Radius Definition", kDarkRed, 15, 16); }
const s_LineWidthType& RadiusLineWidth() { return kOnePoint; }
s_ColorType RadiusColour() { return s_ColorType(kDarkRed, 7); }
const char* RadiusLayer() { return "Radius Definition"; }

const s_LinePenType& TangentLinePen() {
    static const s_LinePenType pen = Pen("Tangent Line", kDarkRed);
    return pen;
}
s_SymbolAttributesType TangentPointSymbol() { return Symbol("Tangent Line", kDarkRed, 5, 1); }

s_DrawAttributesType SlipSurfaceDisplayAttributes() {
    const s_SymbolAttributesType p = SlipSurfacePointSymbol();
    return s_DrawAttributesType(SlipSurfaceLinePen().width, SlipSurfaceLinePen().colour, p.penWidth,
                                p.markerSize, p.style, p.colour);
}
s_DrawAttributesType TangentLineDisplayAttributes() {
    const s_SymbolAttributesType p = TangentPointSymbol();
    return s_DrawAttributesType(TangentLinePen().width, TangentLinePen().colour, p.penWidth,
                                p.markerSize, p.style, p.colour);
}

}  // namespace analysis_look
