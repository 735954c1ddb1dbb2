#pragma once
// One picked item of the drawing: its kind, the data set that owns it, its stage and its
// references into the model. The hit tests fill one record per candidate; the edit commands,
// highlights, information pages, prompts and tool tips dispatch on the kind.
//
// A record never owns what it points to and is valid only while those entities exist.
//
// Kind codes run from 2 to 150 (see e_SelectionKind); codes without a kind read
// "Unrecognized item".

#include "core/point_xy.h"

#include <string>

class Cpp_Kliven4DataSet;
class Cpp_NameValueList;
namespace platform {
class DeviceContext;
}

enum e_SelectionKind : int {
    SEL_PROFILE_POINT_CLIPPED = 2,
    SEL_PROFILE_SEGMENT_CLIPPED = 4,
    SEL_RESULTS_FACTOR_TEXT = 6,
    SEL_PRESCRIBED_RADIUS = 7,
    SEL_CONSTRUCTION_SEGMENT = 8,
    SEL_CONSTRUCTION_POINT = 9,
    SEL_CONSTRUCTION_CIRCLE = 10,
    SEL_CP_NODE = 12,
    SEL_CP_POINT = 14,
    SEL_CP_TRIANGLE = 16,
    SEL_CRACK_WATER_FORCE = 18,
    SEL_CRACK_BOTTOM = 20,
    SEL_CRACK_POINT = 22,
    SEL_CRACK_WATER_SURFACE = 24,
    SEL_CRACK_WATER_POINT = 26,
    SEL_EARTH_PRESSURE_FORCE = 27,
    SEL_CRITICAL_CENTRE = 28,
    SEL_CRITICAL_POINT = 30,
    SEL_CRITICAL_SEGMENT = 32,
    SEL_LOAD_POINT = 36,
    SEL_LOAD_SEGMENT = 37,
    SEL_NORMAL_LOAD_INTERVAL = 38,
    SEL_SHEAR_LOAD_INTERVAL = 39,
    SEL_FIXED_POINT = 40,
    SEL_GEOGRID_HEAD = 41,
    SEL_GEOGRID_END = 42,
    SEL_GEOGRID_LAYER = 43,
    SEL_UNNAMED_44 = 44,
    SEL_GRID_CORNER = 46,
    SEL_SEARCH_GRID = 48,
    SEL_HORIZONTAL_TANGENT = 52,
    SEL_CIRCLE_CENTRE = 53,
    SEL_NONCIRCULAR_POINT = 54,
    SEL_SLIP_SURFACE_SEGMENT = 55,
    SEL_VARIABLE_CRACK_POINT = 56,
    SEL_VARIABLE_CRACK_SEGMENT = 57,
    SEL_VARIABLE_WATER_POINT = 58,
    SEL_VARIABLE_WATER_SEGMENT = 59,
    SEL_UNNAMED_60 = 60,
    SEL_LINE_LOAD = 62,
    SEL_LINE_LOAD_DRAWN = 64,
    SEL_THRUST_LINE = 66,
    SEL_MATERIAL_LABEL = 68,
    SEL_TABLE_LINES = 70,
    SEL_TABLE_TEXT = 71,
    SEL_MATERIAL_REGION = 72,
    SEL_NAIL_HEAD = 74,
    SEL_NAIL_END = 75,
    SEL_NAIL_BAR = 76,
    SEL_PIEZOMETRIC_POINT = 78,
    SEL_PIEZOMETRIC_SEGMENT = 80,
    SEL_PIEZOMETRIC_LABEL = 82,
    SEL_PROFILE_POINT = 84,
    SEL_PROFILE_SEGMENT = 86,
    SEL_PROFILE_LABEL = 88,
    SEL_PRESSURE_NODE = 90,
    SEL_PRESSURE_TRIANGLE = 91,
    SEL_PRESSURE_POINT = 92,
    SEL_DEFINITION_RADIUS = 93,
    SEL_DEFINITION_FIXED_POINT = 94,
    SEL_DEFINITION_HORIZONTAL_TANGENT = 95,
    SEL_DEFINITION_TANGENT_POINT = 96,
    SEL_DEFINITION_TANGENT_SEGMENT = 97,
    SEL_REINFORCEMENT_POINT = 98,
    SEL_REINFORCEMENT_INTERVAL = 100,
    SEL_LONGITUDINAL_FORCE = 102,
    SEL_TRANSVERSE_FORCE = 104,
    SEL_RSUBU_NODE = 106,
    SEL_RSUBU_POINT = 108,
    SEL_RSUBU_TRIANGLE = 109,
    SEL_RESULTS_ITEM = 110,
    SEL_SCALE_BAR = 112,
    SEL_CONTOURS = 114,
    SEL_SEARCH_TRIANGLES = 116,
    SEL_TOTAL_STRESS = 118,
    SEL_PORE_PRESSURE = 120,
    SEL_EFFECTIVE_STRESS = 122,
    SEL_SLICE = 128,
    SEL_SLICE_BOUNDARY = 130,
    SEL_SLOPE_POINT = 132,
    SEL_SLOPE_SEGMENT = 134,
    SEL_STRENGTH_NODE = 136,
    SEL_STRENGTH_POINT = 138,
    SEL_STRENGTH_TRIANGLE = 140,
    SEL_TANGENT_POINT = 142,
    SEL_TANGENT_SEGMENT = 144,
    SEL_UNIT_WEIGHT_NODE = 146,
    SEL_UNIT_WEIGHT_POINT = 148,
    SEL_UNIT_WEIGHT_TRIANGLE = 150,
};

// The references of a record, read per kind:
// - ref1..ref3: entities (a line, a point node, a load, a definition, ...);
// - number1..number3: integer references where the kind names a number instead of an entity:
//   the circumference flag of kind 10 (number1); the slice of kinds 32, 66, 118, 120, 122,
//   128, 130 (number1); the definition number of kinds 93 to 97 (number1) and the tangent
//   line's point number of kinds 96 and 97 (number3, the tangent points are plain values); the
//   direction of kinds 102 (1) and 104 (0) (number2);
// - x, y (and radius for kind 28): the point of kinds 7, 28, 30, 40, 46, 52, 53;
//   index: the point index of kind 30, the corner index of kind 46.
struct s_SelectionReferences {
    void* ref1 = nullptr;
    void* ref2 = nullptr;
    void* ref3 = nullptr;
    long number1 = 0;
    long number2 = 0;
    long number3 = 0;
    double x = 0.0;
    double y = 0.0;
    double radius = 0.0;
    int index = 0;
};

class Cpp_Selection {
public:
    class Exc_BadTypeOfPointSelection {};

    Cpp_Selection() = default;

    // Kinds 2 and 4 (profile lines picked through clipped sub-lines): ref1 line, ref2 sub-line,
    // ref3 the point node (kind 2) or the segment's first point node (kind 4); stage 0.
    void SetProfilePointItem(Cpp_Kliven4DataSet* dataSet, void* point, void* line, void* subLine);
    void SetProfileLineItem(Cpp_Kliven4DataSet* dataSet, void* first, void* line, void* subLine);
    // Point items 9, 54, 78, 84, 98, 132: ref1 first, ref2 second; other kinds throw.
    void SetPointItem(Cpp_Kliven4DataSet* dataSet, int stage, int kind, void* first, void* second);
    // 8, 80, 86, 100, 102, 104, 134: ref1 first, ref2 second; 20, 24: ref1 second; 144: ref2
    // second; any other kind only data set, stage and kind.
    void SetSegmentItem(Cpp_Kliven4DataSet* dataSet, int stage, int kind, void* first,
                        void* second);
    // 37, 38, 39: ref1 the interval's first load point; others only data set, stage and kind.
    void SetDistributedLoadItem(Cpp_Kliven4DataSet* dataSet, int stage, int kind, void* reference);
    // 36, 62, 64: ref1; 142: ref2; other kinds throw.
    void SetLoadPointItem(Cpp_Kliven4DataSet* dataSet, int stage, int kind, void* reference);
    // 7, 30, 40, 46, 52: the found point (x, y); 30 and 46 also its index. Other kinds throw.
    void SetCircleItem(Cpp_Kliven4DataSet* dataSet, int kind, double x, double y, int index);
    // 32, 118, 120, 122: the slice number; stage := the stages of the analysis. Others throw.
    void SetTypedItem(Cpp_Kliven4DataSet* dataSet, int kind, int sliceNumber);
    // Any kind: the whole block for the kinds that keep one, otherwise only data set, stage
    // and kind.
    void SetFromValues(Cpp_Kliven4DataSet* dataSet, int stage, int kind,
                       const s_SelectionReferences& references);

    int GetType() const { return type_; }
    int GetStage() const { return stage_; }
    Cpp_Kliven4DataSet* GetDataSet() const { return dataSet_; }
    const s_SelectionReferences& GetItemReferences() const { return refs_; }
    // The block for the family edits that keep the item's own point up to date.
    s_SelectionReferences& EditItemReferences() { return refs_; }
    void SetValue(double value) { value_ = value; }
    double GetValue() const { return value_; }

    // Kind sets.
    static bool IsPointKind(int kind);
    static bool IsInterpolationKind(int kind);
    static bool IsJoinableKind(int kind);
    static bool IsSegmentKind(int kind);
    // The kinds whose whole reference block SetFromValues keeps.
    static bool KeepsReferenceBlock(int kind);

    bool IsPointItem() const { return IsPointKind(type_); }
    // ref1 (the interpolation data set) for the interpolation items, else null.
    void* IsInterpolationItem() const { return IsInterpolationKind(type_) ? refs_.ref1 : nullptr; }
    // ref1 (the line) for the line items, else null.
    void* IsJoinableType() const { return IsJoinableKind(type_) ? refs_.ref1 : nullptr; }

    // The item's point: the point node of a line point, the interpolation, load or crack point,
    // the stored point of an analysis point; false (point untouched) for kinds without one.
    bool GetPointXY(s_tagTypePointXY& point) const;
    // The two end points of a segment item (8, 55, 80, 86, 100, 134); false for other kinds.
    bool GetSegmentPoints(s_tagTypePointXY& first, s_tagTypePointXY& second) const;
    // Where the item stands: its point, the stored point of a centre or grid corner, the point
    // of application of a line load; (0, 0) for kinds without a position.
    s_tagTypePointXY GetItemPosition() const;

    // The one-line name of the item. Kinds without a text (44, 60, 110 and the conditional
    // kinds outside their conditions) leave text as the caller filled it. Always true.
    bool GetName(std::string& text) const;

    // The status-line description of the item in select mode ("Selected Point 3 on Profile
    // Line 2 - X: 10.00, Y: 5.00"). Kinds without one, and kinds whose text depends on a mode
    // or option that does not hold, leave text as the caller filled it. Always true.
    bool GetPromptText(std::string& text) const;
    // The tool tip of the item under the cursor, one fact a line. False (text untouched) for
    // kinds without one; true with an empty text where the kind has none in the current mode.
    bool GetToolTipText(std::string& text) const;

    // The information page of the item: ("ITEM SELECTED:", title) and the rows of its kind; a
    // kind without a page gives ("ITEM SELECTED:", "????? - Unknown item"). False (list left as
    // it was) when a number format cannot be made.
    bool GetInformation(Cpp_NameValueList& list) const;

    // The highlight of the item: inverting, so drawing it twice removes it. Marks show on the
    // screen output mode only. DrawHighlighted draws on the given context; RedrawHighlighted
    // (and Erase, the same call) on the view between paints; DrawOnCurrentDC on the current
    // drawing context (the whole-view drawing of the current selection).
    void DrawHighlighted(platform::DeviceContext& dc) const;
    bool RedrawHighlighted() const;
    bool Erase() const { return RedrawHighlighted(); }

    // Shows the tool dialog bar of the item's kind with the entry option of a selected point (2)
    // or of a selected segment or item (3) and loads the item's values into it. Interpolation
    // nodes answer false and leave the bars as they are; a kind without a bar hides the shown
    // bar and answers false.
    bool UpdateToolBars() const;

    // Editing the item (selection_deletes.cpp, selection_moves.cpp, selection_values.cpp). Each
    // operation dispatches on the kind to the owning entity; kinds without a row do nothing and
    // answer false.
    //
    // Whether the entities the record refers to are still in the model (a line still in its
    // list and its point still in the line, a load still in its list, ...). Kinds that keep
    // only values answer true.
    bool TargetExists() const;
    // The entity the item stands for as a whole (its line, load, definition, ...), or null; two
    // records with the same target delete or edit the same thing.
    const void* TargetLine() const;
    // Every item of the kind's whole list; true when the kind has a list to empty.
    bool DeleteAll() const;
    // The line of the item; repaint is set for reinforcement lines, whose removal the view
    // shows only by a repaint. True when something was removed.
    bool DeleteEntireLine(bool& repaint) const;
    // The segment that starts at the item's point (a short line goes whole).
    bool DeleteSegment() const;
    bool DeletePoint() const;
    bool DeleteLineLoad() const;
    bool DeleteRadiusDefinition() const;
    bool DeleteConstructionCircle() const;
    // The triangles of the item's interpolation data set outside its material; true when any
    // went.
    bool DeleteTrianglesOutsideMaterial() const;
    // Deletes the data set's contours and triangulates it again; false for other kinds.
    bool RetriangulateDataSet() const;
    // "Get Information": an interpolation triangle shows its centroid and circumcircle (true);
    // a material region shows nothing (true); other kinds, or a triangle that is gone, false.
    bool ShowTriangleInformation() const;

    // Moves the item's point to (x, y) after widening the data range; true when it moved
    // (a reinforcement point moves but answers false).
    bool MoveToXY(double x, double y, bool keepMarked = true) const;
    // The arrow-key step: repaint is set where the change reaches beyond the item. False for
    // kinds without a nudge.
    bool Nudge(double dx, double dy, bool& repaint);
    // Sets the point of kinds 9, 78, 84 and 98 (spacing); other kinds stay.
    void SetPointXY(double x, double y) const;
    // The values typed into the item's tool bar (Enter with one item selected). clearSelection:
    // the item is gone; repaint: the view must be drawn again; modified: the data changed.
    void ApplyToolBarValues(bool& clearSelection, bool& repaint, bool& modified);
    // A wheel step over the item; true when the wheel was used for it.
    bool WheelEdit(int delta, bool control, bool& repaint);
    // Starts the drag tool of the item's kind with the cursor at the client pixel (x, y):
    // nails and geogrids by their head (part 0), end (1) or whole (2); a grid corner only in
    // analysis mode 4. A kind whose tool is not built yet says so on the status line. True.
    bool ChangeValue(int x, int y) const;
    // The point tools of the item's line (selection_line_commands.cpp): "Add Point at End" on a
    // line point, "Insert Point" on a segment (the bar of the kind takes the entry option of a
    // point being added), and the drag of a line point or a profile or construction segment
    // (false for kinds not held as line and point node). True.
    bool StartAddPointAtEnd() const;
    bool StartInsertPoint() const;
    bool StartLineDrag(int x, int y) const;
    // The editing tools of the item's line (selection_line_commands.cpp). Change length and
    // slope: false when the item has no target line; the tool starts for segments of lines
    // held as line and point node. Extend and make parallel: false for kinds that cannot
    // start them. Split at point: profile and piezometric points; always true.
    bool StartChangeSegmentLength() const;
    bool StartChangeSegmentSlope() const;
    bool StartExtendToLine(bool toSegment) const;
    bool StartMakeParallel(bool parallel) const;
    bool SplitLineAtPoint() const;

    // The moves of the two-step commands (two_step_edits.cpp). By the pending move of "Move
    // Point a Distance"; repaint where the change reaches beyond the item.
    bool MoveByDistance(bool& repaint);
    // Horizontally (pending mode 5) or vertically (6) the distance from a reference point.
    bool MoveFromReferencePoint(const s_tagTypePointXY& reference, double distance, int mode);
    // Onto the pending target line along the reference segment that starts at the point.
    bool MoveToLine(const class Cpp_PointXY* referenceFirst);
    // Onto the line of the segment a-b, horizontally (direction 1) or vertically (2); a
    // segment parallel to the direction is refused with its message. True when it moved.
    bool Snap(int direction, const s_tagTypePointXY& a, const s_tagTypePointXY& b);
    // Onto the point.
    bool SnapToPickedItem(const s_tagTypePointXY& point);

private:
    void Store(Cpp_Kliven4DataSet* dataSet, int stage, int kind) {
        dataSet_ = dataSet;
        stage_ = stage;
        type_ = kind;
    }

    int type_ = 0;
    Cpp_Kliven4DataSet* dataSet_ = nullptr;
    int stage_ = 0;
    s_SelectionReferences refs_;
    double value_ = 0.0;
};
