#pragma once
// What a computation found, held for the drawing: the critical circle, the factor-of-safety
// text, the earth-pressure forces, the picking geometry of the slip surfaces a search tried and
// the factor-of-safety triangulations, with the display switches of these items, their hit
// tests and the factor-of-safety text tool.
//
// Nothing in the program computes or reads results yet, so HasResults() stays false and every
// display, extent and pick of a result finds nothing; a loader of results fills the record
// through the setters below and sets the flag.

#include "analysis/circle.h"
#include "analysis/selection_geometry.h"
#include "graphics/line.h"
#include "graphics/pick.h"
#include "porepressure/contours.h"
#include "porepressure/triangle.h"
#include "porepressure/vertex.h"

#include <string>

namespace platform {
class DeviceContext;
}

class Cpp_ResultsDisplay {
public:
    static constexpr int kSwitches = 8;

    struct s_EarthPressure {
        double force = 0.0, x = 0.0, y = 0.0, factorOfSafety = 0.0, inclination = 0.0;
    };

    Cpp_ResultsDisplay();
    Cpp_ResultsDisplay(const Cpp_ResultsDisplay&) = delete;
    Cpp_ResultsDisplay& operator=(const Cpp_ResultsDisplay&) = delete;

    // Empties the lists and triangulations; the switches and the has-results flag stay.
    void Clear();

    // Display switches: 0 factor-of-safety text, 1 critical circle, 3 earth-pressure forces, 4
    // slip surfaces of the search, 6 contours, 7 triangulation (2 and 5 unread).
    bool GetDisplaySwitch(int n) const { return n >= 0 && n < kSwitches && switches_[n]; }
    void SetDisplaySwitch(int n, unsigned char on) {
        if (n >= 0 && n < kSwitches) switches_[n] = on;
    }
    // The program-wide defaults of switches 0, 1, 2, 4, 6 and 7 (3 and 5 stay 1).
    static void SetDefaultDisplayFlags(const unsigned char (&values)[6]);
    void ResetFromDefaults();
    // Pick switches of the results items (all on).
    static bool GetSelectionFilterA() { return true; }
    static bool GetSelectionFilterB() { return true; }
    static bool GetSelectionFilterC() { return true; }
    static bool GetSelectionFilterD() { return true; }
    static bool GetSelectionFilterE() { return true; }
    static bool GetSelectionFilterF() { return true; }

    bool HasResults() const { return hasResults_; }
    int ResultMode() const { return resultMode_; }

    // For a loader of results.
    void SetHasResults(bool on) { hasResults_ = on; }
    void SetResultMode(int mode) { resultMode_ = mode; }
    void SetEarthPressure(int k, const s_EarthPressure& entry);
    void SetCriticalCircle(const Cpp_Circle& circle) { criticalCircle_ = circle; }
    void SetTextBox(double xmin, double xmax, double ymax, double ymin);
    void SetReferencePoint(double x, double y) { referenceX_ = x, referenceY_ = y; }
    Cpp_SelectionGeometryList& SearchGeometry() { return searchGeometry_; }
    Cpp_VertexList& Vertices(int n) { return n == 2 ? vertices2_ : vertices_; }
    Cpp_TriangleList& Triangles(int n) { return n == 2 ? triangles2_ : triangles_; }

    // With results, circular analysis data and switch 1: the critical centre as all four
    // bounds (true); otherwise false.
    bool GetCircleBounds(bool isCircular, double& xmin, double& xmax, double& ymin,
                         double& ymax) const;
    s_tagTypePointXY GetCriticalCircleCenter() const { return criticalCircle_.Center(); }
    double GetCriticalCircleRadius() const { return criticalCircle_.Radius(); }

    // Strictly inside the factor-of-safety text's world box.
    bool IsInsideBox(double x, double y) const;
    // Within the tolerance of earth-pressure entry k (1 to 3) or of the reference point.
    bool HitTestCorner(int k, double x, double y, double tolerance) const;
    bool HitTestPickGeometry(s_PickType& pick) const;
    const Cpp_Triangle* FindTriangleAt(double x, double y) const;
    // The centre within the pick box; ranked through the pick record. The centre comes out.
    bool HitTestCriticalCircle(s_PickType& pick, double& x, double& y) const;

    // Entry k's force and point when the result is of mode 4 or 5, else 0.
    double GetEarthPressureForce(int k) const;
    s_tagTypePointXY GetEarthPressurePoint(int k) const;
    bool GetEarthPressureText(int k, std::string& text) const;

    // Both triangulations in the "F_Triangulation" look; returns 1.
    int DrawFTriangulations() const;

    // The factor-of-safety text tool on a device context of the view: the outline (a green
    // XOR rectangle) follows the mouse, and a click erases it and places the text at its
    // middle (world coordinates through the current mapping).
    struct s_PixelRect {
        int left = 0, top = 0, right = 0, bottom = 0;
    };
    void MouseMoveTool(platform::DeviceContext& dc, int px, int py);
    void LButtonDownTool(platform::DeviceContext& dc);
    void SetTextPixelRect(const s_PixelRect& rect, int mouseX, int mouseY);
    const s_PixelRect& TextPixelRect() const { return textPixelRect_; }
    bool TextPlaced() const { return textPlaced_; }
    double TextX() const { return textX_; }
    double TextY() const { return textY_; }

    static void ResetProgramWide();

private:
    unsigned char switches_[kSwitches] = {};
    bool hasResults_ = false;
    int resultMode_ = 0;
    s_EarthPressure earthPressure_[3];
    Cpp_SelectionGeometryList searchGeometry_;
    Cpp_SelectionGeometryList searchGeometry2_;
    Cpp_VertexList vertices_;
    Cpp_TriangleList triangles_;
    Cpp_Line criticalSurfaceLine_;
    Cpp_VertexList vertices2_;
    Cpp_TriangleList triangles2_;
    Cpp_Contours contours_;
    Cpp_Circle criticalCircle_;
    bool textPlaced_ = false;
    double textX_ = 0.0, textY_ = 0.0;
    double boxXmin_ = 0.0, boxXmax_ = 0.0, boxYmax_ = 0.0, boxYmin_ = 0.0;
    double referenceX_ = 0.0, referenceY_ = 0.0;
    s_PixelRect textPixelRect_;
    int lastMouseX_ = 0, lastMouseY_ = 0;
};
