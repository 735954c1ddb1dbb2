#include "editing/interpolation_bar.h"

// ---------------------------------------------------------------------------------------------
// Interpolation points

std::vector<s_BarControl> CmDialogBarInterpolationTool::Layout() const {
    return {BarLabel("No.:"),   BarEdit(IdNumber, 4),     BarLabel("X:"),
            BarEdit(IdX),       BarLabel("Y:"),           BarEdit(IdY),
            BarLabel("Mat'l:"), BarEdit(IdMaterial, 4),   BarLabel("?????:", IdValueLabel),
            BarEdit(IdValue),   BarCheck(IdHead, "Head"), BarButton(IdOptions, "Options")};
}

void CmDialogBarInterpolationTool::DoDataExchange(BarExchange& dx) {
    dx.Integer(IdNumber, number_);
    dx.Number(IdValue, value_);
    dx.Number(IdX, x_);
    dx.Number(IdY, y_);
    dx.Check(IdHead, head_);
    dx.Integer(IdMaterial, material_);
}

void CmDialogBarInterpolationTool::OnInitDialog() {
    const std::vector<int> keys{IdNumber, IdX, IdY, IdMaterial, IdValue};
    SetKeyControls(keys, keys, -1);
    kind_ = 0;
    CmDialogBar::OnInitDialog();
    Controls().Enable(IdNumber, false);
}

void CmDialogBarInterpolationTool::Relabel() {
    const char* text = "?????:";
    switch (kind_) {
    case 1: text = head_ ? "Total head:" : "Pore water pressure:"; break;
    case 2: text = "Pore pressure coefficient (ru):"; break;
    case 3: text = "Undrained shear strength (Su):"; break;
    case 5: text = "c/p ratio:"; break;
    default: break;
    }
    Controls().SetText(IdValueLabel, text);
}

void CmDialogBarInterpolationTool::OnControl(int id) {
    if (id == IdHead) {
        ReadQuietly();
        Relabel();
        if (onHeadChanged) onHeadChanged(head_ != 0);
        return;
    }
    CmDialogBar::OnControl(id);
}

void CmDialogBarInterpolationTool::SetEntryOption(int option) {
    entryOption_ = option;
    if (option == 0) {
        kind_ = 0;
        Enable({IdNumber, IdX, IdY, IdValue}, false);
    } else if (option == 1 || option == 2) {
        Controls().Enable(IdNumber, false);
        Enable({IdX, IdY, IdValue}, true);
        Controls().Show(IdHead, kind_ == 1);
        Controls().Enable(IdHead, kind_ == 1);
    }
}

bool CmDialogBarInterpolationTool::GetPointData(int& number, double& x, double& y, int& material,
                                                double& value) {
    if (!Read()) return false;
    number = number_;
    x = x_;
    y = y_;
    material = material_;
    value = value_;
    return true;
}

bool CmDialogBarInterpolationTool::GetValue(double& value) {
    if (!Read()) return false;
    value = value_;
    return true;
}

void CmDialogBarInterpolationTool::SetPointData(int number, double x, double y, int material,
                                                double value) {
    ReadQuietly();
    number_ = number;
    x_ = x;
    y_ = y;
    material_ = material;
    value_ = value;
    Write();
}

void CmDialogBarInterpolationTool::SetPoint(double x, double y) {
    ReadQuietly();
    x_ = x;
    y_ = y;
    Write();
}

void CmDialogBarInterpolationTool::SetValue(double value) {
    ReadQuietly();
    value_ = value;
    Write();
}

void CmDialogBarInterpolationTool::SetInterpolationKind(int kind, bool head) {
    kind_ = kind;
    head_ = kind == 1 && head ? 1 : 0;
    Write();
    Relabel();
}
