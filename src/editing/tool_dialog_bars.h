#pragma once
// The tool dialog bars of the program, one of each, and which one is shown: the frame lays
// their windows out and the tools and the selection reach them here. The frame shows at most
// one tool bar at a time besides the edit-options bar; showing a bar gives it its entry option
// (editing/dialog_bar.h), hiding it gives it 0.
//
//     ShowToolBar(BarProfile, true, 3);               // a profile segment is selected
//     if (auto* bar = ActiveProfileBar()) bar->SetLineData(2, 1, "Clay");

#include "editing/circle_bars.h"
#include "editing/dialog_bar.h"
#include "editing/edit_options_bar.h"
#include "editing/interpolation_bar.h"
#include "editing/line_entry_bars.h"
#include "editing/load_bars.h"
#include "editing/nail_geogrid_bars.h"
#include "editing/noncircular_crack_bars.h"

#include <functional>

// The tool dialog bars, in the order the frame creates them.
enum e_ToolBar : int {
    BarConstruction,
    BarProfile,
    BarPiezometric,
    BarInterpolation,
    BarDistributedLoad,
    BarLineLoad,
    BarReinforcement,
    BarSlope,
    BarCircle,
    BarNoncircular,
    BarRadius,
    BarCrack,
    BarGeogrids,
    BarNails,
    BarEditingMain,
    BarCount,
    BarNone = -1
};

// The bar shown in an edit mode; BarNone when the mode has none.
int ToolBarForMode(int mode);
// The bar's caption.
const char* ToolBarCaption(int bar);

struct ToolDialogBars {
    ToolDialogBars();
    // The bar, or null for BarNone and numbers outside the bars.
    CmDialogBar* Bar(int bar);

    CmDialogBarConstructionTool construction;
    CmDialogBarProfileTool profile;
    CmDialogBarPiezometricTool piezometric;
    CmDialogBarInterpolationTool interpolation;
    CmDialogBarDistributedLoad distributedLoad;
    CmDialogBarLineLoadTool lineLoad;
    CmDialogBarReinforcementTool reinforcement;
    CmDialogBarSlopeTool slope;
    CmDialogBarCircleTool circle;
    CmDialogBarNoncircularTool noncircular;
    CmDialogBarRadiusTool radius;
    CmDialogBarCrackTool crack;
    CmDialogBarGeogridsTool geogrids;
    CmDialogBarNailsTool nails;
    CmDialogBarEditingMain editingMain;
};

// "Head" of the interpolation bar ticked or cleared: with a selected pore-pressure point
// (entry option 2) its data set switches between heads and pressures and the bar shows the
// point's value in the new form; the view is drawn again.
void InterpolationHeadChecked(bool head);

// The bars of the program, at their start values with their key lists set.
ToolDialogBars& TheToolBars();
// New bars at their start values; the shown bar forgotten. A bar's window is shown or hidden
// through platform::Services().ToolBarWindows() (the frame's docks).
void ResetToolBars();

// Shows the bar with the entry option, hiding the one shown before, or hides it (option 0;
// the construction bar keeps its option); then writes the bar's fields to its controls.
bool ShowToolBar(int bar, bool show, int option);
// Hides the shown bar (never the edit-options bar) and forgets it.
void HideCurrentToolBar();
// Shows the edit-options bar and hides every tool bar but the shown one.
void HideInactiveToolBars();
int ShownToolBar();
bool IsToolBarVisible(int bar);

// The bar while it is in use (entry option 1 to 4), else null.
CmDialogBarProfileTool* ActiveProfileBar();
CmDialogBarPiezometricTool* ActivePiezometricBar();
CmDialogBarReinforcementTool* ActiveReinforcementBar();
CmDialogBarSlopeTool* ActiveSlopeBar();
CmDialogBarDistributedLoad* ActiveDistributedLoadBar();
CmDialogBarNoncircularTool* ActiveNoncircularBar();
// The line-load bar while its entry option is 1 or 2, else null.
CmDialogBarLineLoadTool* ActiveLineLoadBar();
