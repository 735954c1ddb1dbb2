#pragma once
// Distributed loads of one stage: normal and shear stresses at points of the slope surface,
// varying linearly between neighbouring points, either entered or generated from a
// piezometric line of the stage; the DIS block and the check against the slope line.

#include <array>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "graphics/drawing_attributes.h"

#include "core/point_xy.h"
#include "graphics/pick.h"
#include "platform/device_context.h"
#include "platform/info_window.h"

struct s_DistributedLoadTable;

class Cpp_Line;

struct s_DistributedLoadPoint {
    double x = 0.0;
    double y = 0.0;
    double normal = 0.0;
    double shear = 0.0;
};

class Cpp_DistributedLoadPoint : public Cpp_PointXY {
public:
    class Exc_NotAValidSegment {};

    Cpp_DistributedLoadPoint() = default;
    Cpp_DistributedLoadPoint(double x, double y, double normal, double shear);

    Cpp_DistributedLoadPoint* NextPoint() const {
        return static_cast<Cpp_DistributedLoadPoint*>(Next());
    }
    void SetValues(double x, double y, double normal, double shear);
    s_DistributedLoadPoint GetPointRecord() const { return {X(), Y(), normalStress, shearStress}; }

    double normalStress = 0.0;
    double shearStress = 0.0;
    // Outer edges of the diagrams last drawn over the segment to the next point.
    s_tagTypePointXY normalDiagram[2];
    s_tagTypePointXY shearDiagram[2];

    // Drawing and picking (distributed_load_drawing.cpp).
    bool DrawSegment(bool normal, bool resultant, bool hatch, bool outline);
    static bool SetDrawingAttributes(const s_LineWidthType& width, const s_ColorType& colour,
                                     double arrowheadInches, double spacingInches, bool normal,
                                     bool resultant);
    static void ReleaseDrawingAttributes();
    double DistanceToDiagramLine(double x, double y, bool normal) const;
    void DrawHighlighted(platform::DeviceContext& dc, bool normal) const;
};

class Cpp_DistributedLoadData {
public:
    Cpp_DistributedLoadData() = default;
    ~Cpp_DistributedLoadData();
    Cpp_DistributedLoadData(const Cpp_DistributedLoadData&) = delete;
    Cpp_DistributedLoadData& operator=(const Cpp_DistributedLoadData&) = delete;

    // Stores the stage and takes the stage's display defaults.
    void InitForStage(int stage);
    int Stage() const { return stage_; }
    void ReloadDisplayFlags();
    static void GetDefaultDisplayFlags(int stage, bool& points, bool& normal, bool& shear);
    static void SetDefaultDisplayFlags(int stage, bool points, bool normal, bool shear);

    Cpp_DistributedLoadPoint* GetFirstListItem() const { return first_; }
    int Count() const { return count_; }
    // Appends a point numbered with the new count.
    Cpp_DistributedLoadPoint* AddPoint(double x, double y, double normal, double shear);
    void DeleteAllPoints();
    std::vector<s_DistributedLoadPoint> GetPoints() const;
    // Replaces the points by the records, numbered 1 to n.
    void SetPoints(const std::vector<s_DistributedLoadPoint>& points);
    double GetMaxValue() const;

    bool UsesPiezometricLine() const { return usesPiezometricLine_; }
    int PiezometricLineNumber() const { return piezometricLine_; }
    void ClearPiezometricLine();
    // Asks before discarding existing points; false (nothing changed) for a number below 1 or
    // when the user keeps the points.
    bool SetPiezometricLine(int number);
    // The stage's table ("Distributed Loads - Stage N", load_table_dialogs.h); `defaultLineNumber`
    // is the line proposed when the loads name none (the stage's smallest piezometric line, or
    // 0). On OK the points are replaced, or the loads come from the chosen line and have no
    // points; true. Cancel changes nothing.
    bool EditInTable(int defaultLineNumber);
    // The same record and result through the list-style window of data-entry style 1
    // ("Distributed Load Input Data", load_list_dialogs.h).
    bool EditInDialog(int defaultLineNumber);

    // The DIS block.
    bool ReadInput(std::FILE* input, std::FILE* echoFile, bool echo);
    bool WriteKLIVEN4InputDataFile(std::FILE* file) const;
    // Echo table 27 (stage 1) or 28 (stage 2) of the loads generated from piezometric line n.
    void PrintData(int lineNumber, std::FILE* echoFile) const;
    // The data check against the slope line (may be null or without points).
    bool Check(const Cpp_Line* slope, std::FILE* echoFile);

    bool ShowPoints() const { return showPoints; }
    void SetShowPoints(bool on) { showPoints = on; }
    bool ShowLabels() const { return showLabels; }
    void SetShowLabels(bool on) { showLabels = on; }
    bool ShowNormalStress() const { return showNormalStress; }
    void SetShowNormalStress(bool on) { showNormalStress = on; }
    bool ShowShearStress() const { return showShearStress; }
    void SetShowShearStress(bool on) { showShearStress = on; }

    // Drawing, scaling, picking, tool tip and information (distributed_load_drawing.cpp).
    bool DrawPointSymbols() const;
    bool DrawPointLabels() const;
    bool DrawDiagrams(bool showNormal, bool showShear);
    static bool DrawSegmentDiagram(platform::DeviceContext& dc, const s_DistributedLoadPoint& a,
                                   const s_DistributedLoadPoint& b, int stage, bool normal,
                                   bool resultant, bool colour);
    bool PrepareDiagramAttributes(bool background, bool normal) const;
    Cpp_DistributedLoadPoint* HitTestSegment(s_PickType& pick) const;
    Cpp_DistributedLoadPoint* HitTestDiagramLine(s_PickType& pick, bool normal) const;
    static bool GetSelectionFilterA(int stage);  // 36 load points
    static bool GetSelectionFilterD(int stage);  // 37 load segments
    static bool GetSelectionFilterB(int stage);  // 38 normal-stress diagrams
    static bool GetSelectionFilterC(int stage);  // 39 shear-stress diagrams
    static void SetSelectionFilters(int stage, bool points, bool segments, bool normal, bool shear);
    static void SetLargestValue(double value);
    // The largest value set for scaling, or 0 when none is.
    static double LargestValue();
    static bool ComputeLoadScale(int unitSystem);
    static double ScaleValue(double stress);
    static bool ScaleNeedsLargestValue(int unitSystem);
    bool EnsureLoadScale();
    static void SaveLoadScale();
    static void RestoreLoadScale();
    static bool ScaleDialog();
    static void ReadWriteProfileSettings(Cpp_DistributedLoadData* stage1,
                                         Cpp_DistributedLoadData* stage2, bool read);
    static std::string ShowValuesToolTip(double x, double y, double normal, double shear);
    // The outline of a segment's normal-stress diagram in pixels: segment start, segment end,
    // outer end, outer start. A segment whose two stresses are 0 gives the bare segment (the
    // outer corners on the segment's own).
    static std::array<platform::DevicePoint, 4> ComputeRubberBand(const s_DistributedLoadPoint& a,
                                                                  const s_DistributedLoadPoint& b);
    // One point's symbol in the stage's look, or in the background colour (erase).
    static void DrawPointSymbol(platform::DeviceContext& dc, double x, double y, int stage,
                                bool erase);
    // kind: 36 point, 37 to 39 segment; item: the point, or the first point of the segment.
    bool AddInformation(platform::InfoWindowService& info, int kind,
                        const Cpp_DistributedLoadPoint* item, bool multiStage) const;

    // The tools of the distributed-load edit mode (editing/distributed_load_tool.cpp), on the
    // registered view and the frame's distributed-load bar while it is in use.
    //
    // Point entry: a click or Enter (typed: the bar's x and y) starts it, cursor mode 14; each
    // further point is appended, the same point again or the right button finishes (true: the
    // stage's points were replaced), Escape drops the entry and leaves the stage as it was.
    bool EnterPointsTool(double x, double y, bool typed);
    void EntryToolMouseMove(int px, int py, double x, double y);
    bool EntryToolClick(double x, double y, bool typed);
    bool FinishPointEntry();
    static void EndEntryTool();
    static void RepaintEnteredPoints(platform::DeviceContext& dc);
    static void EraseEntryBandForZoom();
    static bool IsEnteringPoints();
    // The wheel during entry changes the bar's normal stress (shear with control) and the band.
    static void WheelEditEntry(int delta, bool control);
    // The wheel with the tool active and nothing selected: the bar's value only.
    static bool WheelEditTool(int delta, bool shear);
    // A point before the first or after the last point (cursor mode 86; the end must be the
    // first point or have no successor, else false).
    bool StartAddPointAtEnd(Cpp_DistributedLoadPoint* end);
    void AddEndToolMouseMove(int px, int py, double x, double y);
    bool AddPointAtEnd(double x, double y, bool typed);
    void CancelEntryTool();
    static void DrawToolFeedbackA(platform::DeviceContext& dc);
    // A point inserted into the segment from segmentStart to its successor (cursor mode 113).
    bool StartInsertPoint(Cpp_DistributedLoadPoint* segmentStart);
    void InsertToolMouseMove(int px, int py, double x, double y);
    bool InsertToolClick(double x, double y, bool typed);
    static void CancelInsertTool();
    static void DrawToolFeedbackC(platform::DeviceContext& dc);
    // A point dragged (cursor mode 90): the release snaps it and moves it there.
    bool StartDragPoint(int px, int py, Cpp_DistributedLoadPoint* node);
    void DragMove(int px, int py, double x, double y);
    bool DragEnd();
    static void EraseToolPreview();
    static void DrawToolFeedbackB(platform::DeviceContext& dc);
    // Single-point edits, drawn at once; false (nothing changed) for a node not in the list.
    bool ReplacePointAndRedraw(Cpp_DistributedLoadPoint* node, double x, double y, double normal,
                               double shear);
    bool MovePoint(Cpp_DistributedLoadPoint* node, double x, double y);
    // False with fewer than two points.
    bool DeletePoint(Cpp_DistributedLoadPoint* node);
    // Enter with a selected point (or, switchOnly, a segment): the bar's piezometric-line
    // choice, else its point and stresses. A refused line number changes nothing.
    bool ApplyBarToSelectedPoint(Cpp_DistributedLoadPoint*& selected, bool switchOnly);
    void WheelEditSelected(Cpp_DistributedLoadPoint* node, int delta, bool control);
    // Leaving the tool: the bar's piezometric-line choice taken over; false keeps the tool.
    bool SetPiezometricLineFromBar();
    // "Distributed Load Data Entry Options"; true after OK.
    static bool EditToolOptions();
    // The point snapped to the slope with the tool's snap option (typed: the bar's x and y).
    bool SnapEnteredPoint(double& x, double& y, bool typed) const;
    bool FindNeighbours(const Cpp_DistributedLoadPoint* node, Cpp_DistributedLoadPoint*& previous,
                        Cpp_DistributedLoadPoint*& next) const;

    bool showPoints = true;
    bool showLabels = false;
    bool showNormalStress = true;
    bool showShearStress = true;

private:
    // A new node after previous (first when null), numbered 0.
    Cpp_DistributedLoadPoint* LinkPoint(Cpp_DistributedLoadPoint* previous,
                                        const s_DistributedLoadPoint& p);
    // Fills the record of the table or list window, runs it and takes it back after OK.
    bool EditRecord(int defaultLineNumber, const std::function<bool(s_DistributedLoadTable&)>& run);
    void ReverseOrder();
    void EchoRow(std::FILE* echoFile, long count, const Cpp_DistributedLoadPoint& p) const;

    Cpp_DistributedLoadPoint* first_ = nullptr;
    Cpp_DistributedLoadPoint* last_ = nullptr;
    int count_ = 0;
    int stage_ = 1;
    bool usesPiezometricLine_ = false;
    int piezometricLine_ = 0;
};
