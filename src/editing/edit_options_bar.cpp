#include "editing/edit_options_bar.h"

std::vector<s_BarControl> CmDialogBarEditingMain::Layout() const {
    return {BarLabel("Select:", 1451),
            BarCombo(IdSelect, {"All",
                                "Construction line points",
                                "Construction line segments",
                                "Profile line points",
                                "Profile line segments",
                                "Piezometric line points",
                                "Piezometric line segments",
                                "Pressure points for interpolation",
                                "R-sub-u points for interpolation",
                                "Undrained strength points for interpolation",
                                "Slope points",
                                "Slope line segments",
                                "Distributed load points",
                                "Distributed load segments",
                                "Line loads",
                                "Reinforcement line points",
                                "Reinforcement line segments",
                                "Longitudinal reinforcement forces",
                                "Transverse reinforcement forces",
                                "Noncircular slip surface points",
                                "Noncircular slip surface lines ",
                                "Radius definition points",
                                "Radius definition lines"}),
            BarCheck(IdWheel, "Wheel Editing:"), BarCheck(IdSnap, "Const. Pt. Snap:")};
}

void CmDialogBarEditingMain::DoDataExchange(BarExchange& dx) {
    dx.Choice(IdSelect, filter_);
    dx.Check(IdWheel, wheel_);
    dx.Check(IdSnap, snap_);
}

void CmDialogBarEditingMain::OnInitDialog() {
    SetKeyControls({IdSelect}, {IdSelect}, -1);
    CmDialogBar::OnInitDialog();
}

void CmDialogBarEditingMain::OnShowWindow(bool) { Controls().SetIndex(IdSelect, 0); }

bool CmDialogBarEditingMain::IsWheelEditingOn() {
    ReadQuietly();
    return wheel_ != 0;
}

bool CmDialogBarEditingMain::IsConstructionPointSnapOn() {
    ReadQuietly();
    return snap_ != 0;
}
