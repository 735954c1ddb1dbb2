#pragma once
// Drawing the triangles and vertices of an interpolation data set: the triangle pen (solid, or a
// styled line drawn edge by edge from the lower- to the higher-numbered vertex so that an edge
// shared by two triangles looks the same from both), erasing in the background colour, vertex
// symbols with their value labels, the highlight of a selected triangle, the information on a
// triangle's circumcircle and centroid, and the options record that steers the step-by-step
// redraw of the triangulation while points are edited.

#include <string>
#include <vector>

#include "graphics/drawing_attributes.h"
#include "platform/device_context.h"
#include "porepressure/triangulation_observer.h"

class Cpp_Triangle;
class Cpp_TriangleList;
class Cpp_VERTEX;
class Cpp_VertexList;

struct TriangulationDrawOptions {
    // Switches: nothing is redrawn while on is 0.
    unsigned char on = 0;
    unsigned char triangles = 0;
    unsigned char vertices = 0;
    unsigned char contours = 0;
    // Triangle lines.
    s_LineWidthType triangleWidth = s_LineWidthType(static_cast<short>(1));
    int triangleLineType = 0;  // 0 or less: a solid pen
    s_ColorType triangleColour;
    s_LayerNameType triangleLayer;
    // Vertices.
    s_LineWidthType vertexWidth = s_LineWidthType(static_cast<short>(1));
    s_ColorType vertexColour;
    s_MarkerSizeType vertexMarkerSize = s_MarkerSizeType(static_cast<short>(6));
    int vertexSymbol = 1;
    // Vertex value labels.
    s_FontType labelFont = s_FontType("Arial", 8);
    s_ColorType labelColour;
    s_ColorType labelBackground = s_ColorType::FromRGB(0xFFFFFF);
};

class Cpp_TriangleDrawing {
public:
    // The triangle pen from the line attributes; true when it exists (screen and printer).
    static bool BeginDrawing(const TriangulationDrawOptions& attributes);
    static void EndDrawing();
    static bool PenExists();
    // The outline of one triangle (nothing without a pen).
    static void Draw(const Cpp_Triangle& triangle);
    // Every triangle of the list that reaches into the view, in one call to the device.
    static void DrawAll(const Cpp_TriangleList& triangles);
    // Filled in the background colour with a one-pixel pen of it (screen and printer).
    static void Erase(const Cpp_Triangle& triangle);
    // The edge from vertex i to vertex j (1..3) / from a to b, in the background colour.
    static void EraseEdge(const Cpp_Triangle& triangle, int width, short i, short j);
    static void EraseLine(int width, const Cpp_VERTEX& a, const Cpp_VERTEX& b);
    // The three vertices with their labels (vertex pens and label text set up).
    static void DrawVertices(const Cpp_Triangle& triangle);
    // The selected triangle filled with a pattern brush (screen only).
    static void DrawHighlighted(const Cpp_Triangle& triangle, const platform::Brush& pattern);
};

// Vertex pens from the options: the symbol filled with the given colour, or with the device's
// background colour when useExplicitFill is false.
bool SetupVertexPens(const TriangulationDrawOptions& options, bool useExplicitFill);
void EndVertexDrawing();
bool VertexPensSet();
// Value labels next to the symbols: the gap is (int)(markerSize * 0.5 + 2) pixels.
bool SetupVertexLabelText(const TriangulationDrawOptions& options, int markerSizePixels,
                          bool useExplicitBackground);
void ReleaseVertexLabelText();
// The symbol (when the vertex pens are set) and the value label "%1.2f" (when the label text
// is set) of one vertex.
void DrawVertexLabelled(const Cpp_VERTEX& vertex);
// The symbols of all vertices, culled to the view.
void DrawAllVertices(const Cpp_VertexList& vertices);
// The value labels of all vertices in the view (labels of points outside it are not drawn).
void DrawAllVertexValues(const Cpp_VertexList& vertices, bool useSecond);

// "Centroid at X = ...", "Circumcircle center at - X = ...", "Circumcircle radius = ...", or the
// single line about the infinite radius for collinear vertices.
std::vector<std::string> TriangleCircumcircleAndCentroidLines(const Cpp_Triangle& triangle);
// Those lines in "Information on Selected Item".
void ShowCircumcircleAndCentroid(const Cpp_Triangle& triangle);

class Cpp_Contours;

// The step-by-step redraw of the triangulation while a point is added, deleted or moved. Each
// function does nothing unless the options' "on" switch is set; the triangle pen, the vertex pens
// and label text and the contour drawing state are those the caller set up.
class Cpp_TriangulationRedraw {
public:
    // Before a triangle is split at a point on its edge i-j (neighbour across it, or null): with
    // the contours switch both triangles are erased, otherwise only the edge.
    static void BeforeSplitOnEdge(const TriangulationDrawOptions& options, const Cpp_Triangle& t,
                                  const Cpp_Triangle* neighbour, short i, short j);
    // Before a triangle is split at an inner point: erased with the contours switch.
    static void BeforeSplitInside(const TriangulationDrawOptions& options, const Cpp_Triangle& t);
    // Before the diagonal a-b shared by t1 and t2 is swapped: both triangles erased with the
    // contours switch, otherwise the old diagonal.
    static void BeforeSwap(const TriangulationDrawOptions& options, const Cpp_Triangle& t1,
                           const Cpp_Triangle& t2, const Cpp_VERTEX& a, const Cpp_VERTEX& b);
    // After a change: by switch, the triangles drawn, their vertices (and the new point) drawn
    // labelled, and their contour segments.
    static void AfterChange(const TriangulationDrawOptions& options,
                            const std::vector<const Cpp_Triangle*>& changed,
                            const Cpp_VERTEX* newPoint, const Cpp_Contours* contours);
    // Before a vertex is deleted: the triangles around it are erased on screen and printer in
    // any case (twice for a boundary vertex).
    static void BeforeDeleteVertex(const TriangulationDrawOptions& options,
                                   const std::vector<const Cpp_Triangle*>& around, bool boundary);
};

// The step-by-step redraw as an observer of the triangulation, on the current device context:
// it sets up the triangle pen and the vertex pens from the options (by switch) for its lifetime,
// draws what each step changes, and keeps the rectangle of client pixels it touched. Beyond the
// steps above, the triangles just outside those around a deleted or moved vertex are drawn
// again with their vertices, since erasing the triangles around the vertex wipes their shared
// edges. A triangulation made anew is not drawn: NeedsFullRedraw tells the caller to draw the
// whole picture again.
class Cpp_TriangulationRedrawer final : public TriangulationObserver {
public:
    explicit Cpp_TriangulationRedrawer(const TriangulationDrawOptions& options,
                                       const Cpp_Contours* contours = nullptr);
    ~Cpp_TriangulationRedrawer() override;
    Cpp_TriangulationRedrawer(const Cpp_TriangulationRedrawer&) = delete;
    Cpp_TriangulationRedrawer& operator=(const Cpp_TriangulationRedrawer&) = delete;

    // The client pixels drawn or erased so far (empty when none).
    const platform::DeviceRect& Touched() const { return touched_; }
    bool NeedsFullRedraw() const { return fullRedraw_; }
    // A vertex drawn labelled (with the vertices switch).
    void DrawVertex(const Cpp_VERTEX& v);

    void BeforeSplitOnEdge(const Cpp_Triangle& t, const Cpp_Triangle* neighbour, short i,
                           short j) override;
    void BeforeSplitInside(const Cpp_Triangle& t) override;
    void AfterSplit(const std::vector<const Cpp_Triangle*>& changed,
                    const Cpp_VERTEX& point) override;
    void BeforeSwap(const Cpp_Triangle& t1, const Cpp_Triangle& t2, const Cpp_VERTEX& a,
                    const Cpp_VERTEX& b) override;
    void AfterSwap(const Cpp_Triangle& t1, const Cpp_Triangle& t2) override;
    void TriangleAdded(const Cpp_Triangle& t) override;
    void PocketTriangleAdded(const Cpp_Triangle& t) override;
    void HoleFilled(const std::vector<const Cpp_Triangle*>& made) override;
    void BeforeDeleteVertex(const Cpp_VERTEX& p, const std::vector<const Cpp_Triangle*>& around,
                            bool boundary) override;
    void BeforeMoveVertex(const Cpp_VERTEX& p,
                          const std::vector<const Cpp_Triangle*>& around) override;
    void AfterMoveVertex(const Cpp_VERTEX& p,
                         const std::vector<const Cpp_Triangle*>& around) override;
    void Rebuilt() override { fullRedraw_ = true; }

private:
    void Touch(const Cpp_Triangle* t);
    void TouchPoint(const Cpp_VERTEX& v);
    // The triangles across the outline of `around`, kept until they are drawn again.
    void EraseSymbol(const Cpp_VERTEX& v);
    void RememberOuter(const std::vector<const Cpp_Triangle*>& around);
    void DrawOuter();

    TriangulationDrawOptions options_;
    const Cpp_Contours* contours_;
    bool pen_ = false, vertexPens_ = false;
    int margin_ = 0;  // pixels around a figure that its drawing may reach
    platform::DeviceRect touched_{0, 0, 0, 0};
    bool any_ = false;
    bool fullRedraw_ = false;
    std::vector<const Cpp_Triangle*> outer_;
};
