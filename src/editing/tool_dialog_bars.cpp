#include "editing/tool_dialog_bars.h"

#include "editing/edit_modes.h"
#include "model/program_state.h"
#include "platform/services.h"

#include <memory>

const char* ToolBarCaption(int bar) {
    static const char* const captions[BarCount] = {"Construction Line Data Entry",
                                                   "Profile Line Data Entry",
                                                   "Piezometric Line Data Entry",
                                                   "Interpolation Point Data Entry",
                                                   "Distributed Load Data Entry",
                                                   "Line Load Data Entry",
                                                   "Reinforcement Line Data Entry",
                                                   "Slope Data Entry",
                                                   "Circle Data Entry",
                                                   "Analysis/Computation Data Entry",
                                                   "Radius Criteria Data Entry",
                                                   "Crack and Crack Water Data Entry",
                                                   "Geogrid Layout Entry",
                                                   "Nail Layout Entry",
                                                   "Preprocessor Edit Options"};
    return bar >= 0 && bar < BarCount ? captions[bar] : "";
}

ToolDialogBars::ToolDialogBars() {
    for (int bar = 0; bar < BarCount; ++bar)
        if (CmDialogBar* b = Bar(bar)) b->OnInitDialog();
    interpolation.onHeadChanged = &InterpolationHeadChecked;
}

CmDialogBar* ToolDialogBars::Bar(int bar) {
    switch (bar) {
    case BarConstruction: return &construction;
    case BarProfile: return &profile;
    case BarPiezometric: return &piezometric;
    case BarInterpolation: return &interpolation;
    case BarDistributedLoad: return &distributedLoad;
    case BarLineLoad: return &lineLoad;
    case BarReinforcement: return &reinforcement;
    case BarSlope: return &slope;
    case BarCircle: return &circle;
    case BarNoncircular: return &noncircular;
    case BarRadius: return &radius;
    case BarCrack: return &crack;
    case BarGeogrids: return &geogrids;
    case BarNails: return &nails;
    case BarEditingMain: return &editingMain;
    default: return nullptr;
    }
}

namespace {

struct BarState {
    std::unique_ptr<ToolDialogBars> bars;
    int shown = BarNone;
    bool visible[BarCount] = {};
};

BarState& State() {
    static BarState state;
    static const bool registered = [] {
        AddProgramStateReset(&ResetToolBars);
        return true;
    }();
    (void)registered;
    return state;
}

void SetVisible(int bar, bool show) {
    BarState& s = State();
    if (s.visible[bar] == show) return;
    s.visible[bar] = show;
    platform::Services().ToolBarWindows().ShowBarWindow(bar, show);
    if (CmDialogBar* b = TheToolBars().Bar(bar)) b->OnShowWindow(show);
}

}  // namespace

ToolDialogBars& TheToolBars() {
    BarState& s = State();
    if (!s.bars) {
        s.bars = std::make_unique<ToolDialogBars>();
        s.visible[BarEditingMain] = true;
    }
    return *s.bars;
}

void ResetToolBars() {
    BarState& s = State();
    s.bars.reset();
    s.shown = BarNone;
    for (bool& v : s.visible) v = false;
}

bool ShowToolBar(int bar, bool show, int option) {
    if (bar < 0 || bar >= BarCount) return false;
    BarState& s = State();
    CmDialogBar* b = TheToolBars().Bar(bar);
    if (show) {
        // The type lists name the property sets of the data set shown now.
        if (bar == BarNails) FillNailTypes(TheToolBars().nails);
        if (bar == BarGeogrids) FillGeogridTypes(TheToolBars().geogrids);
        if (s.shown != BarNone && s.shown != bar) SetVisible(s.shown, false);
        if (!s.visible[bar]) SetVisible(bar, true);
        if (b) b->SetEntryOption(option);
        s.shown = bar;
    } else {
        SetVisible(bar, false);
        if (b && bar != BarConstruction) b->SetEntryOption(0);
        if (s.shown == bar) s.shown = BarNone;
    }
    if (b) b->UpdateData(false);
    return true;
}

void HideCurrentToolBar() {
    BarState& s = State();
    if (s.shown != BarNone && s.shown != BarEditingMain) SetVisible(s.shown, false);
    s.shown = BarNone;
}

void HideInactiveToolBars() {
    BarState& s = State();
    if (!s.visible[BarEditingMain]) SetVisible(BarEditingMain, true);
    for (int bar = 0; bar < BarEditingMain; ++bar)
        if (bar != s.shown && s.visible[bar]) SetVisible(bar, false);
}

int ShownToolBar() { return State().shown; }

bool IsToolBarVisible(int bar) { return bar >= 0 && bar < BarCount && State().visible[bar]; }

namespace {
template <class Bar>
Bar* ActiveBar(Bar& bar) {
    const int option = bar.GetEntryOption();
    return option >= 1 && option <= 4 ? &bar : nullptr;
}
}  // namespace

CmDialogBarProfileTool* ActiveProfileBar() { return ActiveBar(TheToolBars().profile); }
CmDialogBarPiezometricTool* ActivePiezometricBar() { return ActiveBar(TheToolBars().piezometric); }
CmDialogBarReinforcementTool* ActiveReinforcementBar() {
    return ActiveBar(TheToolBars().reinforcement);
}
CmDialogBarSlopeTool* ActiveSlopeBar() { return ActiveBar(TheToolBars().slope); }
CmDialogBarDistributedLoad* ActiveDistributedLoadBar() {
    return ActiveBar(TheToolBars().distributedLoad);
}
CmDialogBarNoncircularTool* ActiveNoncircularBar() { return ActiveBar(TheToolBars().noncircular); }
CmDialogBarLineLoadTool* ActiveLineLoadBar() {
    CmDialogBarLineLoadTool& bar = TheToolBars().lineLoad;
    const int option = bar.GetEntryOption();
    return option == 1 || option == 2 ? &bar : nullptr;
}
