#pragma once
// Contours of an interpolation data set: contour values at an interval of 1, 2, 2.5 or 5 times
// a power of ten chosen for at most 20 contours, lines traced through the Delaunay triangles and
// kept until the data change, and drawn as polylines that carry one value label each, the line
// interrupted where its label sits. Straight segments inside single triangles serve the quick
// redraw while points are edited.
//
// The traced lines are a cache. Besides the explicit DeleteContourLines of every edit, Draw
// compares a signature of the vertices, values and triangles with the one it traced for, so a
// change made anywhere retraces at the next paint and an unchanged data set never does.

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "core/point_xy.h"
#include "graphics/drawing_attributes.h"
#include "platform/device_context.h"
#include "porepressure/contour_control_points.h"

class Cpp_VertexList;
class Cpp_TriangleList;
class Cpp_Triangle;

class Cpp_ContourLabel {
public:
    // The text is the value formatted with the decimals.
    Cpp_ContourLabel(double x, double y, double angle, double value, int decimals);

    // The label text of a value: with n decimals when they show something, else without.
    // At most 20 characters.
    static std::string FormatValue(double value, int decimals);

    double X() const { return x_; }
    double Y() const { return y_; }
    void SetCentre(double x, double y) { x_ = x, y_ = y; }
    double Angle() const { return angle_; }
    void SetAngle(double degrees) { angle_ = degrees; }
    double Value() const { return value_; }
    const std::string& Text() const { return text_; }
    // The rotated rectangle around the text, in world units (needs the label font; throws the
    // text "Cpp_ContourLabel::SetLabelRectangle - NULL Font" without it).
    void SetLabelRectangle();
    const std::array<s_tagTypePointXY, 4>& Corners() const { return corners_; }
    // The filled and framed rectangle and the text (screen and printer only).
    void Draw() const;

private:
    double x_;
    double y_;
    double value_;
    double angle_;
    std::string text_;
    std::array<s_tagTypePointXY, 4> corners_;
};

class Cpp_Contours {
public:
    Cpp_Contours() = default;
    Cpp_Contours(const Cpp_Contours&) = delete;
    Cpp_Contours& operator=(const Cpp_Contours&) = delete;

    // Minimum, maximum, interval and tolerance from the vertices' values (the second value
    // component when useSecond). False when there is no range to contour (no vertices, or every
    // value the same): nothing is drawn then.
    bool SetUpContourValues(Cpp_VertexList& vertices, bool useSecond);
    // The interval for at most n contours over max - min; throws the text
    // "Cpp_Contours::GetContourInterval - Failed to get contour interval" when none qualifies
    // (a range that is not a positive finite number).
    static bool GetContourInterval(double max, double min, int n, double& interval);

    // The first contour value at or above x and the one after the previous; false when the
    // value lies above the last value. The flags of the value come out with it.
    bool FirstContourValue(double x, double& value, bool& label, bool& major) const;
    bool NextContourValue(double& value, bool& label, bool& major) const;

    // Traces when no traced lines exist (or the data changed since), then draws them with gaps
    // for their labels. False with fewer than 3 vertices.
    bool Draw(Cpp_VertexList& vertices, Cpp_TriangleList& triangles, bool useSecond);
    // The labels of the last drawing.
    void DrawLabels() const;
    // Straight contour segments inside one triangle (the step-by-step redraw).
    void DrawTriangle(const Cpp_Triangle& triangle) const;
    // Traces every line anew.
    void TraceContourLines(Cpp_TriangleList& triangles);

    static bool UsesTracedLines() { return true; }
    void DeleteContourLines();
    void DeleteAll();

    // Drawing state, set before a drawing and released after it.
    static bool SetDrawingAttributes(const s_FontType& labelFont, int labelDecimals,
                                     const s_ColorType& colour, const s_LineWidthType& minorWidth,
                                     const s_LineWidthType& majorWidth,
                                     const std::string& layerName);
    static void ReleaseDrawingAttributes();
    static const platform::Pen& MinorPen();
    static const platform::Pen& MajorPen();

    // What the tests and the benchmark look at.
    const std::vector<std::unique_ptr<Cpp_ContourControlPointList>>& Lines() const {
        return lines_;
    }
    const std::vector<std::unique_ptr<Cpp_ContourLabel>>& Labels() const { return labels_; }
    bool IsSetUp() const { return setUp_ != 0; }
    double Interval() const { return interval_; }
    double Tolerance() const { return eps_; }
    double Minimum() const { return minimum_; }
    double LastValue() const { return lastValue_; }
    int TraceCount() const { return traceCount_; }

private:
    void DrawContourLines();
    void DrawLabelledLine(const Cpp_ContourControlPointList& line);
    static std::uint64_t Signature(Cpp_VertexList& vertices, Cpp_TriangleList& triangles);

    unsigned char setUp_ = 0;
    std::vector<std::unique_ptr<Cpp_ContourControlPointList>> lines_;  // in tracing order
    std::vector<std::unique_ptr<Cpp_ContourLabel>> labels_;
    int valueKind_ = 1;
    double interval_ = 0.0;
    double base_ = 0.0;
    double eps_ = 0.0;
    double labelInterval_ = 0.0;
    double lastValue_ = 0.0;
    double minimum_ = 0.0;
    int numberOfContours_ = 20;
    unsigned char labelsOn_ = 1;
    int labelEveryN_ = 1;  // one label per line, placed at its middle; no major lines

    bool traced_ = false;
    std::uint64_t signature_ = 0;
    int traceCount_ = 0;
};
