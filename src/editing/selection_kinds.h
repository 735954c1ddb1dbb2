#pragma once
// The kinds of a selected item in one table. Each kind has one row: its family (the entity it
// belongs to), its flags, and fixed texts where the kind has them; each family has one row of
// operations (name, prompt, tool tip, ...). Cpp_Selection looks its kind up here in place of
// switching on the kind number.
//
// Adding a kind: one row in kKinds (selection_kinds.cpp) and, where its family's functions do
// not cover it yet, a case in those functions. Adding a family: an e_SelectionFamily value, its
// row in kFamilies and its functions.

#include "core/point_xy.h"

#include <optional>
#include <span>
#include <string>

class Cpp_AnalysisComputationData;
class Cpp_Line;
class Cpp_NameValueList;
class Cpp_PointXY;
struct s_AnalysisHit;
struct s_DrawAttributesType;
struct s_SelectionReferences;
class Cpp_Selection;
namespace selection_page {
class Page;
}
namespace platform {
class DeviceContext;
class InfoWindowService;
}  // namespace platform

enum class e_SelectionFamily {
    Unrecognized,  // kept as a record, but no texts and no operations
    Unnamed,       // kinds without texts (44, 60, 110)
    ClippedProfile,
    ProfileLine,
    PiezometricLine,
    ConstructionLine,
    ConstructionCircle,
    SlopeLine,
    DistributedLoad,
    LineLoad,
    Reinforcement,
    Nail,
    Geogrid,
    CircleDefinition,
    SlipSurface,
    RadiusDefinition,
    IrregularTangent,
    ComputedCrack,
    VariableCrack,
    Interpolation,
    Results,
    MaterialTable,
};

namespace selection_flags {
inline constexpr unsigned kPoint = 1u << 0;               // a point (IsPointItem)
inline constexpr unsigned kSegment = 1u << 1;             // a segment between two points
inline constexpr unsigned kLine = 1u << 2;                // a point or segment of a line list
inline constexpr unsigned kJoinable = 1u << 3;            // its line can be joined to another
inline constexpr unsigned kInterpolation = 1u << 4;       // an item of an interpolation data set
inline constexpr unsigned kKeepsReferences = 1u << 5;     // SetFromValues keeps the whole block
inline constexpr unsigned kLineRef = 1u << 7;             // ref1 a line, ref2 its point node
inline constexpr unsigned kOwnPoints = 1u << 8;           // a slip surface or tangent line's point
inline constexpr unsigned kLinePoint = 1u << 9;           // a line point the line tools extend
inline constexpr unsigned kLineSegment = 1u << 10;        // a segment the line tools make parallel
inline constexpr unsigned kTriangle = 1u << 11;           // an interpolation triangle
inline constexpr unsigned kMovesToLine = 1u << 12;        // "Move to Line" starts on it
inline constexpr unsigned kMovable = 1u << 13;            // moves onto a reference line
inline constexpr unsigned kSnaps = 1u << 14;              // "Snap" moves it
inline constexpr unsigned kDistanceReference = 1u << 15;  // a point to move a distance from
inline constexpr unsigned kStageSuffix = 1u << 6;         // name and prompt end with the stage
inline constexpr unsigned kMoveablePoint = 1u << 16;      // a point the mouse moves: a hover tip
                                                          // and a press prefer it to the rest
}  // namespace selection_flags

// How the highlight of a kind is drawn: a mark on a referenced point node, marks on both ends of
// a referenced segment, a mark on the record's own point (x, y), or the family's function.
enum class e_SelectionMark {
    ByFamily,
    Ref1,
    Ref2,
    Ref3,
    Ref1AndRef2,
    SegmentRef1,
    SegmentRef2,
    SegmentRef3,
    PointXY,
};

// Where the point of a point kind is read (Cpp_Selection::GetPointXY): the point node ref1 or
// ref2, the load point ref1, the interpolation vertex ref2, the crack point ref1 (x and value),
// the slip surface point ref2 (else the record's point), or the record's own point (x, y).
enum class e_SelectionPoint {
    None,
    NodeRef1,
    NodeRef2,
    LoadPoint,
    Vertex,
    CrackPoint,
    SlipPoint,
    RecordXY,
};

// Where an item stands (Cpp_Selection::GetItemPosition): its point, the origin, the record's
// own point, or the point of application of the line load ref1.
enum class e_SelectionPosition {
    Point,
    Origin,
    RecordXY,
    LineLoad,
};

// The display switch that shows the kind ("Clear Display Flags" turns it off): a flag of the
// data set's display selections, a switch of the results display, or a switch of the slices.
enum class e_DisplaySwitch {
    None,
    ProfilePoints,
    ProfileLines,
    ProfileNumbers,
    MaterialNumbers,
    MaterialFill,
    PiezometricPoints,
    PiezometricLines,
    PiezometricNumbers,
    PressurePoints,
    RuPoints,
    StrengthPoints,
    OtherPoints,
    Triangles,
    SlopePoints,
    SlopeLine,
    CrackBottom,
    CrackWater,
    LoadPoints,
    LoadDiagram,
    LoadShear,
    LineLoads,
    ReinforcementLines,
    ReinforcementPoints,
    LongitudinalForces,
    TransverseForces,
    InitialCentre,
    SlipSurfacePoints,
    SlipSurface,
    SearchGrid,
    MaterialTable,
    // The results display's switches.
    AnswerText,
    CriticalCircle,
    ResultsItem,
    SearchContours,
    SearchTriangles,
    // The slices' switches.
    Slices,
    ShearSurfacePoints,
    ShearSurface,
    CrackWaterForce,
    ThrustLine,
    TotalStress,
    PorePressure,
    EffectiveStress,
};

// The class a hit test offers the kind in: a point, a segment or another item (pick records that
// ask for points only or segments only leave the others out).
enum class e_PickClass { Point, Segment, Other };

// What the Delete key removes of the first selected item.
enum class e_DeleteKey {
    None,
    Segment,
    Point,
    ConstructionCircle,
    EntireLine,
    LineLoad,
    RadiusDefinition,
};

// The edit commands the right-click menu offers on the first selected item, by the shape of
// the item: a point or segment of a line (with Delete All, or with the splits of a line), a
// circle's radius, an interpolation point (with the heads), a load, a reinforcement point, ...
enum class e_EditMenu {
    None,
    LinePoint,
    LinePointDeleteAll,
    LinePointSplit,
    LineSegment,
    LineSegmentDeleteAll,
    LineSegmentSplit,
    CircleRadius,
    RadiusDefinition,
    InterpolationPoint,
    InterpolationHeads,
    Information,
    LoadPoint,
    LoadSegment,
    CirclePoint,
    RadiusPoint,
    ReinforcementPoint,
    GeogridLine,
    NailLine,
    SearchGridCentre,
    TangentLine,
    TangentElevation,
    LineLoadPoint,
    LineLoad,
};

// How the select mode's prompt ends for the last selected item: the general ending, the
// right-click hint, or the right-click hint and the Enter key for the point's values.
enum class e_SelectPromptEnd { Default, RightClick, RightClickOrEnter };

// A text operation of a family: fills text for the item's kind, or leaves it.
using SelectionTextOp = void (*)(const Cpp_Selection& item, std::string& text);
// The tool tip: false (text untouched) where the item has none.
using SelectionTipOp = bool (*)(const Cpp_Selection& item, std::string& text);
// The information page: false where the kind has none ("Unknown item").
using SelectionPageOp = bool (*)(const Cpp_Selection& item, selection_page::Page& page,
                                 Cpp_NameValueList& list);
// The item's entries in the information window (emptied before).
using SelectionInfoOp = void (*)(const Cpp_Selection& item, platform::InfoWindowService& info);
// Shows the tool dialog bar of the item's kind and loads the item into it (Cpp_Selection::
// UpdateToolBars).
using SelectionBarOp = bool (*)(const Cpp_Selection& item);
using SelectionTargetExistsOp = bool (*)(const Cpp_Selection& item);
using SelectionTargetLineOp = const void* (*)(const Cpp_Selection& item);
using SelectionDeleteAllOp = bool (*)(const Cpp_Selection& item);
using SelectionDeleteEntireLineOp = bool (*)(const Cpp_Selection& item, bool& repaint);
using SelectionDeleteSegmentOp = bool (*)(const Cpp_Selection& item);
using SelectionDeletePointOp = bool (*)(const Cpp_Selection& item);
using SelectionMoveToXYOp = bool (*)(const Cpp_Selection& item, double x, double y);
using SelectionSetPointXYOp = void (*)(const Cpp_Selection& item, double x, double y);
using SelectionWheelEditOp = bool (*)(const Cpp_Selection& item, int delta, bool control,
                                      bool& repaint);
using SelectionChangeValueOp = bool (*)(const Cpp_Selection& item, int x, int y);
// The arrow-key step (Cpp_Selection::Nudge): an answer, or none when the item was moved to "to".
using SelectionNudgeOp = std::optional<bool> (*)(Cpp_Selection& item, double dx, double dy,
                                                 bool& repaint, s_tagTypePointXY& to);
// The values of the item's tool bar: false when there is nothing more to do.
using SelectionApplyToolBarValuesOp = bool (*)(Cpp_Selection& item, bool& clearSelection,
                                               bool& repaint, bool& modified);
using SelectionStartAddPointAtEndOp = bool (*)(const Cpp_Selection& item);
using SelectionStartInsertPointOp = void (*)(const Cpp_Selection& item);
using SelectionStartLineDragOp = bool (*)(const Cpp_Selection& item, int x, int y);
// The line kind and display attributes of a line held as line and point node.
using SelectionLineLookOp = bool (*)(const Cpp_Selection& item, int& kind,
                                     s_DrawAttributesType& attributes);
// The working copy of a line that keeps its points in a list of its own.
using SelectionWorkingLineOp = bool (*)(const Cpp_Selection& item, Cpp_Line*& line,
                                        Cpp_PointXY*& point, s_DrawAttributesType& attributes);
using SelectionMoveByDistanceOp = bool (*)(Cpp_Selection& item, bool& repaint);
using SelectionSnapToPickedItemOp = bool (*)(Cpp_Selection& item, const s_tagTypePointXY& point);
// "Move to Line" of the item's point to p: an answer, or none when the moved item is refreshed.
using SelectionMoveToLineOp = std::optional<bool> (*)(Cpp_Selection& item,
                                                      const s_tagTypePointXY& p);
// The references of an analysis candidate found by the owner's search (r holds its point).
using SelectionAnalysisRecordOp = void (*)(Cpp_AnalysisComputationData& analysis,
                                           const s_AnalysisHit& hit, s_SelectionReferences& r);
// The inverting highlight of the item.
using SelectionDrawOp = void (*)(const Cpp_Selection& item, platform::DeviceContext& dc);

struct s_SelectionFamilyOps {
    e_SelectionFamily family = e_SelectionFamily::Unrecognized;
    SelectionTextOp name = nullptr;         // null: the kind's fixed name, else text untouched
    SelectionTextOp prompt = nullptr;       // null: the kind's fixed prompt, else text untouched
    SelectionTipOp toolTip = nullptr;       // null: no tool tip (false)
    SelectionDrawOp highlight = nullptr;    // the kinds marked ByFamily; null: nothing drawn
    bool clipToView = false;                // the highlight clips to the view (else to the page)
    SelectionPageOp page = nullptr;         // null: no information page
    SelectionInfoOp information = nullptr;  // null: the information window stays empty
    SelectionBarOp bar = nullptr;           // null: the shown bar is hidden
    // The edits: null where the family has none (the operation's default answer).
    SelectionTargetExistsOp targetExists = nullptr;
    SelectionTargetLineOp targetLine = nullptr;
    SelectionDeleteAllOp deleteAll = nullptr;
    SelectionDeleteEntireLineOp deleteEntireLine = nullptr;
    SelectionDeleteSegmentOp deleteSegment = nullptr;
    SelectionDeletePointOp deletePoint = nullptr;
    SelectionMoveToXYOp moveToXY = nullptr;
    SelectionSetPointXYOp setPointXY = nullptr;
    SelectionWheelEditOp wheelEdit = nullptr;
    SelectionChangeValueOp changeValue = nullptr;
    SelectionNudgeOp nudge = nullptr;
    SelectionApplyToolBarValuesOp applyToolBarValues = nullptr;
    SelectionStartAddPointAtEndOp startAddPointAtEnd = nullptr;
    SelectionStartInsertPointOp startInsertPoint = nullptr;
    SelectionStartLineDragOp startLineDrag = nullptr;
    SelectionLineLookOp lineLook = nullptr;
    SelectionWorkingLineOp workingLine = nullptr;
    SelectionMoveByDistanceOp moveByDistance = nullptr;
    SelectionSnapToPickedItemOp snapToPickedItem = nullptr;
    SelectionMoveToLineOp moveToLine = nullptr;
    SelectionAnalysisRecordOp analysisRecord = nullptr;
    // OPS-END
};

struct s_SelectionKindRow {
    int kind;
    e_SelectionFamily family;
    unsigned flags;
    e_SelectionMark mark;
    e_SelectionPoint point;
    e_SelectionPosition position;
    e_DisplaySwitch display;
    e_DeleteKey deleteKey;
    int dataChange;      // the kind of change a view reports after an edit (0 none)
    const char* name;    // fixed one-line name, or null (the family's name function)
    const char* prompt;  // fixed status-line prompt, or null (the family's prompt function)
    e_EditMenu menu;     // the right-click menu's edit commands
    e_SelectPromptEnd promptEnd;
    // The analysis items found by the owner's search: their class and pick flag (null: always).
    e_PickClass pickClass = e_PickClass::Point;
    bool (*pickFlag)() = nullptr;
};

// Every row, in the order of the kind numbers.
std::span<const s_SelectionKindRow> SelectionKindRows();
// The row of a kind; null for a code without a kind.
const s_SelectionKindRow* FindSelectionKind(int kind);
// The operations of a family.
const s_SelectionFamilyOps& SelectionFamilyOps(e_SelectionFamily family);
// Whether the kind's row has every flag of mask (false for a code without a kind).
bool SelectionKindHas(int kind, unsigned mask);
