#pragma once
// Reinforcement lines: polylines in the slope with a longitudinal and a transverse force at
// every point, the list of them that a data set owns, and the REI block of the input format.

#include <array>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "graphics/drawing_attributes.h"
#include "graphics/line.h"
#include "graphics/line_list.h"
#include "graphics/pick.h"
#include "loads/generated_reinforcement.h"
#include "platform/device_context.h"
#include "platform/info_window.h"

class Cpp_Extents;

class Cpp_ReinforcementPoint : public Cpp_PointXY {
public:
    class Exc_NotAValidSegment {};

    Cpp_ReinforcementPoint() = default;
    Cpp_ReinforcementPoint(double x, double y, double longitudinal, double transverse);

    Cpp_ReinforcementPoint* NextPoint() const {
        return static_cast<Cpp_ReinforcementPoint*>(Next());
    }

    Cpp_ReinforcementPoint* previous = nullptr;
    double longitudinalForce = 0.0;
    double transverseForce = 0.0;
    // Corners of the force diagrams last drawn: longitudinal at this and the next point,
    // transverse at this and the next point.
    s_tagTypePointXY longitudinalCornerHere;
    s_tagTypePointXY longitudinalCornerNext;
    s_tagTypePointXY transverseCornerHere;
    s_tagTypePointXY transverseCornerNext;

    // The diagram of the segment that starts here (reinforcement_drawing.cpp); the extents of
    // what was drawn go to the four outputs.
    bool Draw(bool longitudinal, bool outline, bool fill, double& xmin, double& xmax, double& ymin,
              double& ymax);
    void DrawHighlighted(platform::DeviceContext& dc, bool longitudinal) const;
    double DistanceToDiagramEdge(double x, double y, bool longitudinal) const;
};

class Cpp_ReinforcementLine : public Cpp_Line {
public:
    enum { ForcesOnSidesAndBase = 1, ForcesOnBaseOnly = 2 };

    Cpp_ReinforcementLine() = default;
    Cpp_ReinforcementLine(int number, const char* description, double angleDegrees, int option);
    ~Cpp_ReinforcementLine() override;
    Cpp_ReinforcementLine(const Cpp_ReinforcementLine& other);
    Cpp_ReinforcementLine& operator=(const Cpp_ReinforcementLine& other);

    Cpp_ReinforcementPoint* FirstReinforcementPoint() const;
    // Appends a point after the last one.
    Cpp_ReinforcementPoint* AddPoint(double x, double y, double longitudinal, double transverse);
    // Appends a point after last, which must be the line's last point (or null for an empty
    // line): appending a run of points this way takes no walk along the line.
    Cpp_ReinforcementPoint* AddPointAfter(Cpp_PointXY* last, double x, double y,
                                          double longitudinal, double transverse);
    Cpp_ReinforcementPoint* AddPointCopy(const Cpp_ReinforcementPoint& point);
    // Links a new point after the given one (null: before the first point, which it becomes)
    // and mends the previous links of its neighbours.
    Cpp_ReinforcementPoint* InsertPoint(Cpp_ReinforcementPoint* after, double x, double y,
                                        double longitudinal, double transverse);
    Cpp_ReinforcementPoint* GetLastPoint() const;
    Cpp_ReinforcementPoint* GetPreviousPoint(const Cpp_ReinforcementPoint* point) const;
    // True when the line has points; sets every point's previous link from the next links.
    bool RebuildBackLinks();
    // Frees the description and every point.
    void DeleteAllPoints();

    // Drawing, picking and information (reinforcement_drawing.cpp). The extents are widened
    // by what is drawn.
    bool DrawForceDiagram(bool longitudinal, bool outline, bool fill, Cpp_Extents& extents);
    Cpp_ReinforcementPoint* HitTestDiagram(s_PickType& pick, bool longitudinal) const;
    // type: 98 point, 100 segment, 102 and 104 diagram edges.
    bool AddInformation(platform::InfoWindowService& info, const Cpp_ReinforcementPoint* selected,
                        int type) const;

    int GetForceOption() const { return option_; }
    void SetForceOption(int option) { option_ = option; }
    double GetAngle() const { return angleDegrees_; }
    double GetAngleRadians() const { return angleRadians_; }
    void SetAngle(double degrees);
    double GetMaxForce() const;
    int CopyPointsToArray(std::vector<s_ReinforcementLinePtType>& points) const;

    // The header line, the point lines and the blank line that ends them.
    bool WriteInputData(std::FILE* file) const;
    // The point lines of the line up to the blank line; echo rows when echo is on.
    bool ReadInput(std::FILE* input, bool echo);

    // Checks of one line (messages through the numbered data messages).
    bool CheckDuplicatePoints() const;
    bool CheckOptionAndForces() const;
    bool CheckSlopeIntersection(const Cpp_Line& slope) const;

private:
    // Replaces the chain by copies of the other line's points, forces kept.
    void CopyPointsOf(const Cpp_ReinforcementLine& other);
    void FreeReinforcementPoints();

    int option_ = ForcesOnSidesAndBase;
    double angleDegrees_ = 0.0;
    double angleRadians_ = 0.0;
};

class Cpp_ReinforcementLineList : public Cpp_LineList {
public:
    class Exc_ReinforcementLineListProblem {};

    Cpp_ReinforcementLineList();

    Cpp_ReinforcementLine* ReinforcementLineAt(int index) const {
        return static_cast<Cpp_ReinforcementLine*>(LineAt(index));
    }
    Cpp_ReinforcementLine* FindReinforcementLine(int number) const {
        return static_cast<Cpp_ReinforcementLine*>(FindLine(number));
    }

    // Deletes a line with that number if there is one, then appends a new line.
    Cpp_ReinforcementLine* AddNewLine(int number, const char* description, double angleDegrees,
                                      int option);
    // A default line taking the smallest number no line uses, so entry never repeats a number.
    Cpp_ReinforcementLine* AddEmptyLine();
    bool DeleteLineByNumber(int number) { return RemoveLineByNumber(number); }
    // The family table (graphics/line_table_dialogs.h) on copies of every line with its forces;
    // on OK the four display flags are stored and the lines made again from the table's copies,
    // in its order. True on OK.
    bool EditInTable();
    // The lines in the list-style window of data-entry style 1 ("Reinforcement Line Data",
    // load_list_dialogs.h), which shows no descriptions. On OK the display flags are stored and
    // the lines rebuilt from the window's copies in its order, each keeping the description its
    // number had (a new number has none); true. Cancel changes nothing.
    bool EditInDialog();
    // Deletes the point (a line with one point goes whole) and relinks the line's points
    // backwards; false when the line is not in the list.
    bool DeletePoint(Cpp_Line* line, Cpp_PointXY* point);
    bool DeleteLine(const Cpp_Line* line) { return RemoveLine(line); }
    void DeleteAllLines() { Clear(); }
    // The largest line number (0 for an empty list).
    int HighestNumber() const;
    double GetMaxForce() const;
    int TotalPoints() const;
    // The box of every point of every line; false (and zeros) without points.
    bool GetExtents(double& xmin, double& xmax, double& ymin, double& ymax) const;
    // The lowest point elevation; false without points.
    bool GetLowestY(double& y) const;

    // Moves generated lines in. With renumber set, each line takes the next number after the
    // highest one of the list, so no existing line is replaced.
    void AddGeneratedLines(const std::vector<s_GeneratedReinforcementLine>& lines, bool renumber);

    bool ReadInput(std::FILE* input, std::FILE* echoFile, bool echo);
    bool WriteKLIVEN4InputDataFile(std::FILE* file) const;
    // The data check; a tolerance of 0 takes 1e-8 times the longest line.
    bool Check(double tolerance, const Cpp_Line* slope, std::FILE* echoFile);
    // The reinforcement lines of this model carry no interface materials, so there is nothing
    // to check against the material list; true.
    bool CheckAllInterfaces(int materialCount, const void* firstMaterial, int stages,
                            std::FILE* echoFile) const;

    // Display flags of the list, and the program-wide defaults new lists take.
    bool GetDisplayLines() const { return displayLines; }
    void SetDisplayLines(bool on) { displayLines = on; }
    bool GetDisplayPoints() const { return displayPoints; }
    void SetDisplayPoints(bool on) { displayPoints = on; }
    bool GetDisplayLongitudinalForce() const { return displayLongitudinalForce; }
    void SetDisplayLongitudinalForce(bool on) { displayLongitudinalForce = on; }
    bool GetDisplayTransverseForce() const { return displayTransverseForce; }
    void SetDisplayTransverseForce(bool on) { displayTransverseForce = on; }
    // Drawing, scaling, picking and tool tip (reinforcement_drawing.cpp).
    bool DrawForces(bool longitudinal, double& xmin, double& xmax, double& ymin, double& ymax);
    bool Draw();
    bool DrawPoints();
    Cpp_ReinforcementPoint* HitTestDiagram(s_PickType& pick, bool longitudinal,
                                           Cpp_ReinforcementLine** line) const;
    static void SetSelectionFilters(bool points, bool lines, bool longitudinal, bool transverse);
    static bool GetSelectionFilterD();  // points
    static bool GetSelectionFilterA();  // lines
    static bool GetSelectionFilterB();  // longitudinal diagrams
    static bool GetSelectionFilterC();  // transverse diagrams
    static void SetLargestForce(double force);
    static double LargestForce();
    static bool ComputeForceScale(int unitSystem);
    static double ScaleForce(double force);
    static bool NeedsLargestForce(int unitSystem);
    static void SaveForceScale();
    static void RestoreForceScale();
    static bool ScaleDialog();
    static std::string TooltipText(double x, double y, double longitudinal, double transverse);
    // One segment's force diagram on its own (no averaging with the neighbouring segments), in
    // device points: the start, the end, the end offset by its scaled force, the start offset
    // by its. Both forces 0: the offset points are the segment's own.
    static std::array<platform::DevicePoint, 4>
    ComputeDiagramQuadrilateral(const s_ReinforcementLinePtType& a,
                                const s_ReinforcementLinePtType& b, bool longitudinal);
    // Draws that diagram on dc, outlined and/or filled, in the diagram colour with the kind's
    // pattern, or with erase in the background colour with a solid brush.
    static void DrawDiagramSegment(platform::DeviceContext& dc, const s_ReinforcementLinePtType& a,
                                   const s_ReinforcementLinePtType& b, bool longitudinal,
                                   bool outline, bool fill, bool erase);

    // The entry tool of the reinforcement edit mode (editing/reinforcement_tool.cpp), on the
    // registered view and the frame's reinforcement bar while it is in use.
    //
    // The tool chosen: the largest force asked for when the scale needs one, the bar given the
    // first unused number.
    static void StartEntryTool();
    // The first point (typed: the bar's x and y), snapped to the slope; cursor mode 36.
    static bool EnterPointsClick(double x, double y, bool typed);
    static void ToolMouseMove(int px, int py, double x, double y);
    // A further point; the last point again with unchanged forces finishes. True when a line
    // was added.
    static bool EnterPointsTool(double x, double y, bool typed);
    // Finishes the line (at least two points, else a message and the entry goes on); a number
    // in use is settled in the duplicate-number window first. True when a line was added.
    static bool AddLine();
    static void DeleteKeyInTool();
    static void EscapeInEntryTool();
    static void SaveToolModeForZoom();
    static void RepaintEnteredPoints(platform::DeviceContext& dc);
    static bool IsEnteringPoints();
    static const std::vector<s_ReinforcementLinePtType>& EnteredPoints();
    // The wheel on the bar's longitudinal force (transverse with Shift): during entry (A) and
    // with no step running (C).
    static void WheelChangeForceA(int delta, bool transverse);
    static void WheelChangeForceC(int delta, bool transverse);
    // "Reinforcement Data Entry Options"; true after OK.
    static bool EditToolOptions();

    // The point steps started on a selected reinforcement item (editing/reinforcement_tool.cpp).
    //
    // Adding a point at an end (cursor mode 85): before the first point when end is the line's
    // first point, else after end, which must be its last. False (nothing started) otherwise.
    static bool StartAddPointAtEnd(Cpp_ReinforcementLine* line, Cpp_ReinforcementPoint* end);
    static void AddPointAtEndMouseMove(int px, int py, double x, double y);
    // The click (typed: the bar's x and y) with the bar's forces (0 and 0 when it holds none);
    // true when the point was added.
    static bool AddPointAtEnd(double x, double y, bool typed);
    static void CancelAddPointAtEnd();
    static void DrawToolFeedbackA(platform::DeviceContext& dc);
    // Inserting a point into the segment from segmentStart to its next point (cursor mode
    // 116): the bar offers the mean of the two points' forces.
    static bool StartInsertPoint(Cpp_ReinforcementLine* line, Cpp_ReinforcementPoint* segmentStart);
    static void InsertToolMouseMove(int px, int py, double x, double y);
    // The click (typed: the bar's x and y) with the bar's forces; the step ends, without a new
    // point when the bar's fields are not all numbers. True when a point was inserted.
    static bool InsertPointClick(double x, double y, bool typed);
    static void CancelInsertTool();
    static void DrawToolFeedbackC(platform::DeviceContext& dc);
    // Dragging a point grabbed at pixel (px, py) (cursor mode 95).
    static bool StartDragPoint(Cpp_ReinforcementLine* line, Cpp_ReinforcementPoint* point, int px,
                               int py);
    static void DragMove(int px, int py, double x, double y);
    // The drop where the cursor was last (typed: at the bar's x and y); true when it moved.
    static bool DragEnd(bool typed);
    static void CancelDrag();
    static void DrawToolFeedbackB(platform::DeviceContext& dc);
    // Whether one of the three point steps runs.
    static bool IsPointStepRunning();
    // Moves the point and redraws it with its two diagram segments.
    static bool MovePointAndRedraw(Cpp_ReinforcementLine* line, Cpp_ReinforcementPoint* point,
                                   double x, double y);
    // The bar's number, x, y and forces for a selected point; nothing when a field is not a
    // number. The number renumbers the line (the caller has refused a number in use); equal
    // forces move the point when x or y changed; a changed force gives the point all the
    // bar's values. changed: the data changed; the result: a force changed (the largest force
    // and the scale are the caller's then).
    static bool AssignPointValues(Cpp_ReinforcementLine* line, Cpp_ReinforcementPoint* point,
                                  bool& changed);
    // The wheel during the insert step: the bar's force, both bands drawn again.
    static void WheelChangeForceB(int delta, bool transverse);
    // The wheel on a selected point: one force by the wheel step, the bar shows the new forces.
    static bool WheelChangeSelectedForce(Cpp_ReinforcementLine* line, Cpp_ReinforcementPoint* point,
                                         int delta, bool transverse);
    static void GetDisplayAttributes(s_DrawAttributesType& attributes);
    static void SavePreferences(const Cpp_ReinforcementLineList* list, bool read);

    bool displayLines = true;
    bool displayPoints = true;
    bool displayLongitudinalForce = true;
    bool displayTransverseForce = true;
    void ReloadDisplayFlags();
    static void GetDefaultDisplayFlags(bool& lines, bool& points, bool& longitudinal,
                                       bool& transverse);
    static void SetDefaultDisplayFlags(bool lines, bool points, bool longitudinal, bool transverse);

protected:
    std::unique_ptr<Cpp_Line> MakeLine() const override {
        return std::make_unique<Cpp_ReinforcementLine>();
    }

private:
    bool CheckSegmentsOfDifferentLines(double tolerance);
};
