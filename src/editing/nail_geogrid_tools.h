#pragma once
// Placing, dragging and re-entering individual soil nails and geogrids.
//
// The placing tools (edit modes 19 and 20): a first click puts the head on the slope face
// (snapped with the tool's snap option) and starts cursor mode 48 (nails) or 47 (geogrids); the
// second click gives the end, or Enter takes length, inclination and facing from the bar; Enter
// before any click places the item at the bar's Y where that level meets the slope face;
// Escape abandons the step.
//
//     StartNailPlacement(dataSet, click);          // edit mode 19, first click
//     if (FinishPlacement(dataSet, click, false))  // cursor mode 48, second click
//         redraw;
//
// A drag (cursor modes 108 and 109) moves the head (mode 0), the embedded end (1) or the whole
// item (2): the editing of the selection starts it on a picked nail or geogrid. Re-entry gives
// a selected item the values typed in its bar.
//
// The geometry steps are functions of their values, apart from the bars and the view.

#include "core/point_xy.h"
#include "editing/tool.h"

#include <string>

class Cpp_Geogrid;
class Cpp_IndividualNail;
class Cpp_Kliven4DataSet;
class Cpp_Line;
class Cpp_SlopeGeometry;

// What the nail bar holds.
struct s_NailBarValues {
    double y = 0.0;
    double length = 0.0;
    double inclination = 0.0;  // degrees below the horizontal
    int type = -1;
    bool leftFacing = true;
    double spacing = 0.0;
};

// What the geogrid bar holds.
struct s_GeogridBarValues {
    double y = 0.0;
    double length = 0.0;
    int type = -1;
    bool leftFacing = true;
};

// The snap options of the two tools (indexes of kSnapOptionTexts), 3 at start; "Options" of
// each bar edits its own. True after OK.
int NailSnapOption();
int GeogridSnapOption();
bool EditNailToolOptions();
bool EditGeogridToolOptions();

// How far a head is put into the soil behind the face: 10 to the minus coordinate decimals.
double FaceStep();

// The end from the head: a nail at its inclination below the horizontal, toward +x when left
// facing (facing 0) and -x when right facing (1); a geogrid level, toward +x when left facing
// (facing 1) and -x when right facing (2).
void SetNailFromHead(Cpp_IndividualNail& nail, double headX, double headY, double length,
                     double inclination, int facing);
void SetGeogridFromHead(Cpp_Geogrid& grid, double headX, double headY, double length, int facing);

// Where a level meets the slope face for a new head (Enter before any click). Nails count only
// the intersections whose segment rises (left facing) or falls (right facing) and need exactly
// one; geogrids ask which x when there are several. False after the message box (or a
// cancelled choice).
bool NailFaceIntersection(const Cpp_Line& slope, double y, bool leftFacing, double& x);
bool GeogridFaceIntersection(const Cpp_Line& slope, double y, double& x);

// The second click of the tool: the facing from the side of the click, the head moved one face
// step into the soil, the end at the click (a geogrid's at the head's level); false (nothing
// set) for a click at the head's x. The type and spacing come from the bar.
bool PlaceNailByClick(const s_tagTypePointXY& head, const s_tagTypePointXY& click,
                      const s_NailBarValues& bar, Cpp_IndividualNail& nail);
bool PlaceGeogridByClick(const s_tagTypePointXY& head, const s_tagTypePointXY& click,
                         const s_GeogridBarValues& bar, Cpp_Geogrid& grid);
// Enter: the item at the head (on the face) with the bar's length, inclination and facing.
void PlaceNailFromBar(const s_tagTypePointXY& face, const s_NailBarValues& bar,
                      Cpp_IndividualNail& nail);
void PlaceGeogridFromBar(const s_tagTypePointXY& face, const s_GeogridBarValues& bar,
                         Cpp_Geogrid& grid);

// The drop of a drag at the click: mode 0 the head to the click snapped to the slope, 1 the
// end to the click (a geogrid keeps its level), 2 the whole item with its midpoint at the click
// and its head snapped. A nail keeps its length, inclination and facing; a geogrid's length
// becomes the distance from head to end. False (nothing moved) when the snap fails.
bool DropNail(Cpp_IndividualNail& nail, int mode, const s_tagTypePointXY& click,
              const Cpp_SlopeGeometry& slope, int snap);
bool DropGeogrid(Cpp_Geogrid& grid, int mode, const s_tagTypePointXY& click,
                 const Cpp_SlopeGeometry& slope, int snap);

// Re-entry from the bar: a changed Y puts the head where that level meets the slope
// (horizontally), a changed length (or inclination) keeps the head; the facing follows the bar
// and the end is computed again. A nail always takes the bar's type and spacing, a geogrid
// keeps its type. False (nothing changed) when the level does not meet the slope.
bool AssignNailFromBar(Cpp_IndividualNail& nail, const s_NailBarValues& bar,
                       const Cpp_SlopeGeometry& slope);
bool AssignGeogridFromBar(Cpp_Geogrid& grid, const s_GeogridBarValues& bar,
                          const Cpp_SlopeGeometry& slope);

// The placing tools on the data set's slope and lists, with the bars of the program.
bool StartNailPlacement(Cpp_Kliven4DataSet* dataSet, const s_tagTypePointXY& click);
bool StartGeogridPlacement(Cpp_Kliven4DataSet* dataSet, const s_tagTypePointXY& click);
// The end of the band while the mouse moves (the nail bar shows length and inclination).
void PlacementMove(const s_tagTypePointXY& at);
// The second click (enter false) or Enter (true): the item is added and shown in its bar,
// cursor mode 0. True when an item was added.
bool FinishPlacement(Cpp_Kliven4DataSet* dataSet, const s_tagTypePointXY& click, bool enter);
// Enter before any click, with the bar's values. True when an item was added.
bool PlaceNailAtBarLevel(Cpp_Kliven4DataSet* dataSet);
bool PlaceGeogridAtBarLevel(Cpp_Kliven4DataSet* dataSet);
void CancelPlacement();
// The band of the step under way, head and end in world units; false when no step is.
bool PlacementBand(s_tagTypePointXY& head, s_tagTypePointXY& end);

// Drags of a picked nail or geogrid (cursor modes 109 and 108).
bool StartNailDrag(Cpp_IndividualNail* nail, int mode);
bool StartGeogridDrag(Cpp_Geogrid* grid, int mode);
void DragMove(const s_tagTypePointXY& at);
// The band of the drag under way (the item's line as it would be dropped); false when none is.
bool DragBand(s_tagTypePointXY& head, s_tagTypePointXY& end);
// The drop; true when the item moved. Cursor mode 0 whatever the outcome.
bool DropDrag(Cpp_Kliven4DataSet* dataSet, const s_tagTypePointXY& click);

void ResetNailGeogridTools();

// The placing band of the view forgotten (the view is drawn again).
void ErasePlacingBand();

// What the nail and geogrid tools each hold: the slope snap option of their options window and
// their placing step or drag under way (one at a time over both tools).
class PlacingTool : public Tool {
public:
    static constexpr int kStartSnap = 3;
    struct s_Placement {
        bool active = false;
        bool nails = true;
        s_tagTypePointXY head{0.0, 0.0};
        s_tagTypePointXY end{0.0, 0.0};
    };
    struct s_Drag {
        Cpp_IndividualNail* nail = nullptr;
        Cpp_Geogrid* grid = nullptr;
        int mode = 0;
        s_tagTypePointXY start{0.0, 0.0};
        s_tagTypePointXY end{0.0, 0.0};
    };
    int snap = kStartSnap;
    s_Placement place;
    s_Drag drag;

    void Reset(ToolContext& context) override;

protected:
    using Tool::Tool;
};

// The tool of edit mode 19: nails placed along the slope (cursor mode 48) and dragged (109).
class NailTool final : public PlacingTool {
public:
    NailTool();
    s_ToolInputs Inputs(int editMode) const override;
    std::span<const s_CursorModeRow> Steps() const override;
    int Bar(int editMode) const override;
};

// The tool of edit mode 20: geogrids placed from the slope (cursor mode 47) and dragged (108).
class GeogridTool final : public PlacingTool {
public:
    GeogridTool();
    s_ToolInputs Inputs(int editMode) const override;
    std::span<const s_CursorModeRow> Steps() const override;
    int Bar(int editMode) const override;
};
