#include "editing/noncircular_crack_bars.h"

// ---------------------------------------------------------------------------------------------
// Noncircular slip surfaces

std::vector<s_BarControl> CmDialogBarNoncircularTool::Layout() const {
    return {BarLabel("Mode:", IdModeLabel),
            BarCombo(IdMode, {"Individual", "Search"}),
            BarLabel("X:"),
            BarEdit(IdX),
            BarLabel("Y:"),
            BarEdit(IdY),
            BarLabel("Fixity:", IdFixityLabel),
            BarCombo(IdFixity, {"Fixed", "Moveable - Angle Spec'd", "Moveable - Angle Comp'd"}),
            BarLabel("Angle:", IdAngleLabel),
            BarEdit(IdAngle),
            BarButton(IdOptions, "Options")};
}

void CmDialogBarNoncircularTool::DoDataExchange(BarExchange& dx) {
    dx.Number(IdAngle, angle_);
    dx.Choice(IdFixity, fixity_);
    dx.Choice(IdMode, mode_);
    dx.Number(IdX, x_);
    dx.Number(IdY, y_);
}

void CmDialogBarNoncircularTool::OnInitDialog() {
    const std::vector<int> keys{IdMode, IdX, IdY, IdFixity, IdAngle};
    SetKeyControls(keys, keys, -1);
    CmDialogBar::OnInitDialog();
    ShowSearchFields(mode_);
    EnableAngle(fixity_);
}

void CmDialogBarNoncircularTool::ShowSearchFields(int mode) {
    if (mode != 0 && mode != 1) return;
    const bool search = mode == 1;
    Show({IdAngleLabel, IdAngle, IdFixityLabel, IdFixity}, search);
    if (!search) Enable({IdAngle, IdFixity}, false);
    if (search) Enable({IdAngleLabel, IdAngle, IdFixityLabel, IdFixity}, true);
}

void CmDialogBarNoncircularTool::EnableAngle(int fixity) {
    if (fixity == 0 || fixity == 2) Controls().Enable(IdAngle, false);
    if (fixity == 1) Controls().Enable(IdAngle, true);
}

void CmDialogBarNoncircularTool::OnControl(int id) {
    if (id == IdMode || id == IdFixity) {
        ReadQuietly();
        if (id == IdMode) ShowSearchFields(mode_);
        EnableAngle(fixity_);
        return;
    }
    CmDialogBar::OnControl(id);
}

void CmDialogBarNoncircularTool::SetEntryOption(int option) {
    entryOption_ = option;
    const std::initializer_list<int> all = {
        IdX, IdY, IdAngleLabel, IdAngle, IdModeLabel, IdMode, IdFixityLabel, IdFixity, IdOptions};
    switch (option) {
    case 1:
        Enable(all, true);
        Show(all, true);
        break;
    case 2:
        Enable({IdX, IdY, IdAngleLabel, IdAngle, IdFixityLabel, IdFixity}, true);
        Show({IdX, IdY, IdAngleLabel, IdAngle, IdFixityLabel, IdFixity}, true);
        Enable({IdModeLabel, IdMode, IdOptions}, false);
        Show({IdModeLabel, IdMode, IdOptions}, false);
        break;
    case 3:
        Enable(all, false);
        Show(all, false);
        break;
    case 4:
        Enable({IdX, IdY, IdFixityLabel, IdFixity, IdAngleLabel, IdAngle}, true);
        Show({IdX, IdY, IdFixityLabel, IdFixity, IdAngleLabel, IdAngle}, true);
        Enable({IdOptions}, false);
        Show({IdOptions}, false);
        break;
    default: break;
    }
}

bool CmDialogBarNoncircularTool::GetPoint(double& x, double& y) {
    if (entryOption_ != 1 && entryOption_ != 2 && entryOption_ != 4) return false;
    if (!Read()) return false;
    x = x_;
    y = y_;
    return true;
}

bool CmDialogBarNoncircularTool::GetPointData(double& x, double& y, bool& moveable,
                                              bool& directionComputed, double& angle) {
    if (!GetPoint(x, y)) return false;
    moveable = fixity_ != 0;
    directionComputed = fixity_ == 2;
    angle = angle_;
    return true;
}

int CmDialogBarNoncircularTool::GetMode() {
    ReadQuietly();
    return mode_ == 1 ? 3 : 1;
}

bool CmDialogBarNoncircularTool::SetPoint(double x, double y) {
    if (entryOption_ != 1 && entryOption_ != 2 && entryOption_ != 4) return false;
    ReadQuietly();
    x_ = x;
    y_ = y;
    Write();
    return true;
}

bool CmDialogBarNoncircularTool::SetPointData(int mode, double x, double y, bool moveable,
                                              bool directionComputed, double angle) {
    if (!InRange(entryOption_, 1, 4)) return false;
    if (mode == 1) mode_ = 0;
    if (mode == 3) mode_ = 1;
    fixity_ = !moveable ? 0 : (directionComputed ? 2 : 1);
    x_ = x;
    y_ = y;
    angle_ = angle;
    Write();
    ShowSearchFields(mode_);
    EnableAngle(fixity_);
    return true;
}

bool CmDialogBarNoncircularTool::SetPointFixity(bool moveable, bool directionComputed,
                                                double angle) {
    if (!InRange(entryOption_, 1, 4)) return false;
    ReadQuietly();
    fixity_ = !moveable ? 0 : (directionComputed ? 2 : 1);
    angle_ = angle;
    Write();
    ShowSearchFields(mode_);
    EnableAngle(fixity_);
    return true;
}

// ---------------------------------------------------------------------------------------------
// Crack and crack water

std::vector<s_BarControl> CmDialogBarCrackTool::Layout() const {
    return {BarRadio(IdConstant, "Constant", IdConstant),
            BarRadio(IdVariable, "Variable", IdConstant),
            BarCombo(IdDepthOrElevation, {"Depth Specified", "Bottom Elevation Specified"}),
            BarLabel("Depth:", IdValueLabel),
            BarEdit(IdValue),
            BarLabel("X:", IdXLabel),
            BarEdit(IdX),
            BarLabel("Unit wt.:", IdUnitWeightLabel),
            BarEdit(IdUnitWeight),
            BarButton(IdOptions, "Options")};
}

void CmDialogBarCrackTool::DoDataExchange(BarExchange& dx) {
    dx.Radio({IdConstant, IdVariable}, variable_);
    dx.Choice(IdDepthOrElevation, depthOrElevation_);
    dx.Number(IdValue, value_);
    dx.Number(IdX, x_);
    dx.Number(IdUnitWeight, unitWeight_);
    dx.Text(IdValueLabel, valueLabel_);
}

void CmDialogBarCrackTool::OnInitDialog() {
    const std::vector<int> keys{IdX,        IdValue,   IdUnitWeight, IdDepthOrElevation,
                                IdConstant, IdVariable};
    SetKeyControls(keys, keys, -1);
    CmDialogBar::OnInitDialog();
    Show({IdUnitWeightLabel, IdUnitWeight}, !crackMode_);
}

void CmDialogBarCrackTool::SetValueLabel() {
    if (depthOrElevation_ == 1) valueLabel_ = "Elevation:";
    if (depthOrElevation_ == 0) valueLabel_ = "Depth:";
}

void CmDialogBarCrackTool::OnControl(int id) {
    if (id == IdConstant || id == IdVariable) {
        ReadQuietly();
        Enable({IdXLabel, IdX}, variable_ == 1);
    } else if (id == IdDepthOrElevation) {
        ReadQuietly();
        SetValueLabel();
        Write();
    } else {
        CmDialogBar::OnControl(id);
    }
}

void CmDialogBarCrackTool::SetEntryOption(int option) {
    entryOption_ = option;
    switch (option) {
    case 1: Enable({IdDepthOrElevation, IdConstant, IdVariable, IdX, IdValue}, true); break;
    case 2: {
        Enable({IdX, IdValue}, true);
        const bool constant = Controls().Index(IdVariable) == 0;
        Enable({IdDepthOrElevation, IdConstant, IdVariable}, constant);
        break;
    }
    case 3: Enable({IdDepthOrElevation, IdConstant, IdVariable, IdX, IdValue}, false); break;
    default: break;
    }
}

bool CmDialogBarCrackTool::GetCrackData(int& kind, double& x, double& value, double& unitWeight) {
    if (!Read()) return false;
    kind = (variable_ == 1 ? 3 : 1) + (depthOrElevation_ == 1 ? 1 : 0);
    x = x_;
    value = value_;
    unitWeight = unitWeight_;
    return true;
}

bool CmDialogBarCrackTool::GetPoint(double& x, double& value) {
    if (!Read()) return false;
    x = x_;
    value = value_;
    return true;
}

bool CmDialogBarCrackTool::SetPoint(double x, double value) {
    ReadQuietly();
    x_ = x;
    if (variable_ == 1 && depthOrElevation_ == 1) value_ = value;
    Write();
    return true;
}

bool CmDialogBarCrackTool::SetXAndValue(double x, double value) {
    ReadQuietly();
    x_ = x;
    value_ = value;
    Write();
    return true;
}

void CmDialogBarCrackTool::SetCrackData(bool crackMode, bool depthSpecified, bool constant,
                                        double value, double unitWeight) {
    depthOrElevation_ = depthSpecified ? 0 : 1;
    value_ = value;
    variable_ = constant ? 0 : 1;
    crackMode_ = crackMode;
    Enable({IdXLabel, IdX}, !constant);
    if (!crackMode) unitWeight_ = unitWeight;
    SetValueLabel();
    Write();
}

void CmDialogBarCrackTool::SetCrackOrWaterMode(bool crackMode) {
    ReadQuietly();
    std::vector<std::string> items = Controls().Items(IdDepthOrElevation);
    if (items.size() > 1) items.erase(items.begin() + 1);
    crackMode_ = crackMode;
    Show({IdUnitWeightLabel, IdUnitWeight}, !crackMode);
    items.push_back(crackMode ? "Bottom Elevation Specified" : "Surface Elevation Specified");
    Controls().SetItems(IdDepthOrElevation, items);
    SetValueLabel();
    Write();
}
