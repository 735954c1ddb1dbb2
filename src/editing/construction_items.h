#pragma once
// Construction lines and circles: drawing aids the user lays over the problem. They belong to
// the program, not to a data set: File New and File Open empty both lists, and the document's
// CON block refills them. Neither list takes part in the computation input or the data check.

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "graphics/drawing_attributes.h"
#include "graphics/line_list.h"
#include "graphics/list_item.h"
#include "platform/device_context.h"

// The construction lines: numbered polylines (a line of one point is a construction point).
class Cpp_ConstructionLineList : public Cpp_LineList {
public:
    bool GetShowLines() const { return showLines_; }
    void SetShowLines(bool on) { showLines_ = on; }
    bool GetShowPoints() const { return showPoints_; }
    void SetShowPoints(bool on) { showPoints_ = on; }
    // Kept for the display-selections sheet only.
    void GetShowFlags(bool& a, bool& b) const {
        a = showFlagA_;
        b = showFlagB_;
    }
    void SetShowFlags(bool a, bool b) {
        showFlagA_ = a;
        showFlagB_ = b;
    }
    bool GetSelectLines() const { return selectLines_; }
    bool GetSelectPoints() const { return selectPoints_; }
    void SetSelectable(bool lines, bool points) {
        selectLines_ = lines;
        selectPoints_ = points;
    }
    // Every flag back to on (program start).
    void ResetFlags();

    // The line part of the CON block: each line's number, its points and an empty line, and
    // one more empty line after the last. Nothing for an empty list.
    bool WriteInput(std::FILE* file) const;

    // The look of construction lines and points (the point tools and the selection use it).
    static s_DrawAttributesType GetDrawAttributes();
    // The lines, their points, and the numbers of one-point lines, as shown.
    void Draw(platform::DeviceContext& dc);

    // Line entry with the construction tool (construction_tool.cpp). The point is the bar's
    // when typed, else the click (shown in the bar). The first point starts the entry (cursor
    // mode 17); each further point is added, and the last point again finishes the line.
    bool StartEntry(int px, int py, double x, double y, bool typed);
    bool EnterTypedPoint(int px, int py, double x, double y, bool typed);
    // Ends the entry: a line of the entered points (one point is enough) takes the smallest
    // free number. True when a line was added.
    bool AddLineFromPoints();
    // Completes the split tool on a segment of one of the lines: the point goes in at the split
    // position (or, fromBar, at the construction bar's point) and the points from it on become
    // a new line with the smallest free number. False when the tool goes on or the line is not
    // one of these.
    bool SplitLineAtSegment(Cpp_Line* line, Cpp_PointXY* segmentStart, bool fromBar);

private:
    bool showLines_ = true, showPoints_ = true, showFlagA_ = true, showFlagB_ = true;
    bool selectLines_ = true, selectPoints_ = true;
};

// Definition types of a construction circle.
enum e_CircleDefinition {
    CircleUndefined = -1,
    CircleGivenRadius = 0,
    CircleThroughPoint = 1,
    CircleTangentHorizontal = 2,
    CircleTangentVertical = 3,
};

struct s_PickType;

class Cpp_ConstructionCircle : public Cpp_ListItem {
public:
    // Sets the centre and the rule; the radius follows from the rule (0 for an unknown type).
    void Define(double x, double y, int type, double value1, double value2);

    double CentreX() const { return x_; }
    double CentreY() const { return y_; }
    double GetRadius() const { return radius_; }
    int GetDefinitionType() const { return type_; }
    void GetDefinitionPoint(double& value1, double& value2) const {
        value1 = value1_;
        value2 = value2_;
    }
    bool IsEntered() const { return (flags_ & 1) != 0; }
    void SetEnteredFlag(bool on) { flags_ = on ? (flags_ | 1) : (flags_ & ~1); }
    // Types 0 to 3 can be written to the CON block.
    bool HasWritableDefinition() const { return type_ >= 0 && type_ <= 3; }

    // The two lines of the circle in the CON block; false (nothing written) for a circle
    // without a writable definition.
    bool WriteInput(std::FILE* file) const;

    // The circle and its centre symbol with the construction look.
    void Draw(platform::DeviceContext& dc) const;

    // A pick in the box around the centre (ranked by the squared distance), or within the
    // tolerance of the circumference (ranked by the squared gap; onCircumference set).
    bool HitTest(s_PickType& pick, bool& onCircumference) const;

private:
    int flags_ = 0;
    double x_ = 0.0, y_ = 0.0;
    int type_ = CircleUndefined;
    double radius_ = 0.0;
    double value1_ = 0.0, value2_ = 0.0;
};

class Cpp_ConstructionCircleList {
public:
    const std::vector<std::unique_ptr<Cpp_ConstructionCircle>>& Circles() const { return circles_; }
    int GetCount() const { return static_cast<int>(circles_.size()); }
    bool IsEmpty() const { return circles_.empty(); }
    // A new circle at the end of the list, defined by the rule.
    Cpp_ConstructionCircle* NewCircle(double x, double y, int type, double value1, double value2);
    // A new undefined circle at the end of the list (the reader fills it).
    Cpp_ConstructionCircle* AddReadCircle();
    void DeleteAll() { circles_.clear(); }
    // Unlinks and frees the circle; false when it is not in the list.
    bool DeleteCircle(const Cpp_ConstructionCircle* circle);

    bool GetShowCircles() const { return showCircles_; }
    void SetShowCircles(bool on) { showCircles_ = on; }
    bool GetShowCentres() const { return showCentres_; }
    void SetShowCentres(bool on) { showCentres_ = on; }
    bool GetSelectable() const { return selectable_; }
    void SetSelectable(bool on) { selectable_ = on; }
    void ResetFlags() { showCircles_ = showCentres_ = selectable_ = true; }

    // The last circle that improved the pick (a later one only when strictly nearer), with its
    // circumference flag; null when none.
    Cpp_ConstructionCircle* HitTest(s_PickType& pick, int& onCircumference) const;

    // Every circle, when circles are shown.
    void Draw(platform::DeviceContext& dc) const;
    // Circle entry (construction_tool.cpp): the band follows the cursor; Escape drops it.
    static void RubberBandMove(int px, int py);
    static void CancelEntry();

    // The circles that can be written (types 0 to 3).
    int WritableCount() const;
    // The circle part of the CON block: every writable circle, then an empty line when there
    // was one. A circle of any other type is left out, with a notice on the status line.
    bool WriteInput(std::FILE* file) const;

private:
    std::vector<std::unique_ptr<Cpp_ConstructionCircle>> circles_;
    bool showCircles_ = true, showCentres_ = true, selectable_ = true;
};

// The program-wide lists.
Cpp_ConstructionLineList& GetConstructionLineList();
Cpp_ConstructionCircleList& GetConstructionCircleList();
void DeleteAllConstructionLines();
void DeleteAllConstructionCircles();
// Both lists emptied (File New, File Open).
void DeleteAllConstructionItems();

// The snap tolerance of construction points: 5 pixels as a world length along x.
double GetConstructionSnapTolerance();
// A construction point within the snap tolerance of (x, y) (the nearest): x and y become its
// coordinates (true); otherwise they stay (false).
bool SnapToConstructionPoint(double& x, double& y);

// The CON block of the document. Writing: nothing when both lists are empty. Reading (after
// the command line): the count line, the line part, the circle part; a block with errors is
// still read to the end of each part it holds, so the lines after it read on.
bool WriteConstructionData(std::FILE* file);
bool ReadConstructionData(std::FILE* input, std::FILE* listing, bool echo);

// Registers the CON reader and writer into the block registries (start-up, tests).
void RegisterConstructionBlocks();

// The construction tool (construction_tool.cpp). A left click or Enter with the tool idle:
// circle entry when the bar's "Circle" box is set, else line entry.
bool ConstructionToolClick(int px, int py, double x, double y, bool typed);
// The right click, Enter or a repeated point of line entry: the line is added.
bool AddConstructionLineFromToolBar();
// Circle entry: the first click fixes the centre and shows the band (cursor mode 16) for the
// bar's definition type 0 to 3; a typed start (Enter) adds the circle at once.
bool ConstructionCircleTool(int px, int py, double x, double y, bool typed);
// The second click or Enter: the circle is added by the bar's definition type; a type outside
// 0 to 3 at that moment makes no circle.
bool ConstructionCircleClick(int px, int py, double x, double y, bool typed);
// A selected circle takes the construction bar's definition type, centre and two values.
// False (the circle unchanged) when the bar does not read or holds no type from 0 to 3.
bool DefineSelectedConstructionCircle(Cpp_ConstructionCircle& circle);
// The prompt of circle entry for a definition type; empty for a type outside 0 to 3.
std::string ConstructionCirclePrompt(int type);
// Construction lines, then circles (the view's painting, after the data set).
void DrawConstructionItems(platform::DeviceContext& dc);
// Registers the drawing and the entry feedback with the view's painting (start-up).
void RegisterConstructionDrawing();
