#pragma once
// The arrow of loads, reinforcement forces and result vectors: from its tail (x2, y2) to its
// head at (x1, y1). The drawing attributes are static and shared.

#include "graphics/drawing_attributes.h"
#include "platform/device_context.h"

#include <string>

class Cpp_Vector {
public:
    Cpp_Vector() = default;
    // Head point first.
    Cpp_Vector(double x1, double y1, double x2, double y2) : x1_(x1), y1_(y1), x2_(x2), y2_(y2) {}
    void Clear() { x1_ = y1_ = x2_ = y2_ = 0; }
    // Tail first, then head.
    void Set(double xTail, double yTail, double xHead, double yHead) {
        x2_ = xTail;
        y2_ = yTail;
        x1_ = xHead;
        y1_ = yHead;
    }

    static void SetDrawingAttributes(double headLengthInches, double headLengthWorld,
                                     bool limitHead, bool filledHead, int headPenWidth,
                                     int shaftPenWidth, double tipGapFraction,
                                     const s_ColorType& colour, const std::string& layerName);
    static bool SetAttributesWithoutPens(double headLengthInches, bool limitHead, bool filledHead,
                                         int headPenWidth, int shaftPenWidth, double tipGapFraction,
                                         const s_ColorType& colour, const std::string& layerName);
    static void DeleteDrawingObjects();
    // Every attribute back to its start (the program-wide reset).
    static void Reset();

    // Screen and printer: drawn on the current device context.
    void Draw() const;
    void DrawOnDC(platform::DeviceContext& dc) const;
    // Between two pixel points with the caller's pens and brush (rubber bands).
    static void DrawRubberBand(int xTail, int yTail, int xTip, int yTip,
                               platform::DeviceContext& dc, const platform::Pen& shaftPen,
                               const platform::Pen& headPen, const platform::Brush& brush);

private:
    static void DrawBetween(platform::DeviceContext& dc, double tipX, double tipY, double tailX,
                            double tailY, const platform::Pen& shaftPen,
                            const platform::Pen& headPen, const platform::Brush* brush,
                            bool outlineAlso);

    double x1_ = 0, y1_ = 0, x2_ = 0, y2_ = 0;

    static double headLength_;
    static double headLengthWorld_;
    static bool limitHead_;
    static bool filledHead_;
    static int headPenWidth_;
    static int shaftPenWidth_;
    static double tipGap_;
    static s_ColorType colour_;
    static std::string layerName_;
    static bool pensMade_;
};
