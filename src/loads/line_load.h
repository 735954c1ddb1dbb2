#pragma once
// Line loads of one stage: forces per unit width applied at points of the cross-section, by
// components (option 1) or by resultant and inclination (option 2); the LIN block and its check.

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "core/point_xy.h"
#include "graphics/pick.h"
#include "platform/device_context.h"
#include "platform/info_window.h"

// One row of the load table.
struct s_LineLoadType {
    double x = 0.0;
    double y = 0.0;
    int option = 1;
    double horizontal = 0.0;
    double vertical = 0.0;
    double resultant = 0.0;
    double inclination = 0.0;
};

class Cpp_LineLoad : public Cpp_PointXY {
public:
    enum { ByComponents = 1, ByResultant = 2 };

    Cpp_LineLoad() = default;
    // Option 1 takes (H, V), option 2 (R, inclination in degrees); the other pair is derived.
    // Any other option keeps all four values 0.
    Cpp_LineLoad(int number, double x, double y, int option, double first, double second);

    // Derives the other representation again from the one the option names.
    void UpdateDerivedValues();
    // Completes a table record from x, y, option and the pair the option names.
    static void FromTableRecord(s_LineLoadType& record);
    s_LineLoadType ToTableRecord() const;

    int number = 0;
    int option = ByComponents;
    double horizontal = 0.0;
    double vertical = 0.0;
    double resultant = 0.0;
    double inclination = 0.0;  // degrees from the horizontal, counter-clockwise
    double tailX = 0.0;
    double tailY = 0.0;

    // The selection marker at the tail (line_load_drawing.cpp).
    void DrawHighlighted(platform::DeviceContext& dc) const;
};

class Cpp_LineLoadList {
public:
    Cpp_LineLoadList() = default;
    explicit Cpp_LineLoadList(int stage) { InitForStage(stage); }

    void InitForStage(int stage);
    int Stage() const { return stage_; }
    void ReloadDisplayFlag();
    static bool GetDefaultDisplayFlag(int stage);
    static void SetDefaultDisplayFlag(int stage, bool shown);

    const std::vector<std::unique_ptr<Cpp_LineLoad>>& Loads() const { return loads_; }
    int Count() const { return static_cast<int>(loads_.size()); }
    Cpp_LineLoad* AddByComponents(int number, double x, double y, double h, double v);
    Cpp_LineLoad* AddByMagnitude(int number, double x, double y, double r, double inclination);
    Cpp_LineLoad* FindLoad(int number) const;
    void DeleteAll();
    // Unlinks and frees the load; false when it is not in the list.
    bool DeleteLoad(const Cpp_LineLoad* load);
    double GetMaxForce() const;
    std::vector<s_LineLoadType> GetTableRecords() const;
    // Replaces the loads by the records, numbered 1, 2, ... in table order; a record with an
    // option other than 1 or 2 is skipped (its number is still used up).
    void SetFromTableRecords(const std::vector<s_LineLoadType>& records);
    // The stage's table ("Line Load Data - Stage N", load_table_dialogs.h): on OK the loads are
    // the table's, numbered 1, 2, ... in table order; true. Cancel changes nothing.
    bool EditInTable();
    // The same record and result through the list-style window of data-entry style 1
    // ("Line Load Data", load_list_dialogs.h).
    bool EditInDialog();

    bool ReadInput(std::FILE* input, std::FILE* echoFile, bool echo);
    bool WriteKLIVEN4InputDataFile(std::FILE* file) const;
    bool Check(std::FILE* echoFile) const;

    // Drawing, scaling, picking, tool tip and information (line_load_drawing.cpp).
    bool Draw();
    // The load found (its 1-based position in pick.segmentNumber), or null.
    Cpp_LineLoad* HitTestLoad(s_PickType& pick) const;
    static bool GetSelectionFilter(int stage);
    static void SetSelectionFilters(bool stage1, bool stage2);
    static void SetLargestForce(double value);
    static bool ComputeForceScale(int unitSystem);
    static double ForceScale();
    static bool ForceScaleSet();
    static bool ScaleDialog();
    static void SaveForceScale();
    static void RestoreForceScale();
    static void SavePreferences(const Cpp_LineLoadList* stage1, const Cpp_LineLoadList* stage2,
                                bool read);
    static std::string TooltipText(double x, double y, int option, double h, double v, double r,
                                   double inclination);
    bool AddInformation(platform::InfoWindowService& info, const Cpp_LineLoad* selected) const;

    // The tools of the line-load edit mode (editing/line_load_tool.cpp), on the registered view
    // and the frame's line-load bar while it is in use.
    //
    // The tool chosen: a largest force of 10000 when none is set, the scale computed.
    static void StartEntryTool();
    // The green preview arrow of the bar's force ending at the cursor, and the tool tip.
    static void ToolMouseMove(int px, int py, double x, double y);
    static void RepaintToolPreview(platform::DeviceContext& dc);
    // A click or Enter (typed: the bar's x and y): a load of the bar's force snapped to the slope
    // with the first unused number; true when one was added. redraw: the scale changed and the
    // whole view must be drawn again.
    bool EnterLoad(double x, double y, bool typed, bool& redraw);
    // The bar's force (option 1: H, Shift V; option 2: R, Shift the inclination) by a step.
    static bool WheelEditTool(bool shift, int delta);
    // A drag of a load (move) or of its tail (its force), cursor mode 91; DragEnd stores it.
    bool DragForceTool(Cpp_LineLoad* load, int px, int py, bool move);
    void DragMove(int px, int py, double x, double y);
    bool DragEnd();
    static void CancelDrag();
    static void DrawToolFeedback(platform::DeviceContext& dc);
    // The bar's values to a selected load; true when the load changed.
    bool AssignFromBar(Cpp_LineLoad* load);
    // The load drawn at a new point with its own option and values.
    bool MoveLoadTo(Cpp_LineLoad* load, double x, double y);
    bool WheelEditSelected(Cpp_LineLoad* load, int delta, bool shift);
    // "Line Load Data Entry Options"; true after OK.
    static bool EditToolOptions();

    bool GetDisplayFlag() const { return display; }
    void SetDisplayFlag(bool on) { display = on; }
    bool display = true;

private:
    Cpp_LineLoad* Append(std::unique_ptr<Cpp_LineLoad> load);

    std::vector<std::unique_ptr<Cpp_LineLoad>> loads_;
    int stage_ = 1;
};
