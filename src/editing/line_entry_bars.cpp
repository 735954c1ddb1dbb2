#include "editing/line_entry_bars.h"

#include "editing/construction_items.h"

#include <cmath>

// ---------------------------------------------------------------------------------------------
// Profile lines

std::vector<s_BarControl> CmDialogBarProfileTool::Layout() const {
    return {BarLabel("No.:"),
            BarEdit(IdNumber, 4),
            BarLabel("Mat'l:"),
            BarEdit(IdMaterial, 4),
            BarLabel("Description:"),
            BarEdit(IdDescription, 24),
            BarLabel("X:"),
            BarEdit(IdX),
            BarLabel("Y:"),
            BarEdit(IdY),
            BarButton(IdFinish, "Finish Line")};
}

void CmDialogBarProfileTool::DoDataExchange(BarExchange& dx) {
    dx.Text(IdDescription, description_);
    dx.Integer(IdMaterial, material_);
    dx.Integer(IdNumber, number_);
    dx.Number(IdX, x_);
    dx.Number(IdY, y_);
}

void CmDialogBarProfileTool::OnInitDialog() {
    const std::vector<int> keys{IdNumber, IdMaterial, IdX, IdY, IdDescription};
    SetKeyControls(keys, keys, IdFinish);
    CmDialogBar::OnInitDialog();
}

void CmDialogBarProfileTool::OnControl(int id) { CmDialogBar::OnControl(id); }

void CmDialogBarProfileTool::SetEntryOption(int option) {
    entryOption_ = option;
    switch (option) {
    case 1:
    case 2: Enable({IdNumber, IdMaterial, IdDescription, IdX, IdY}, true); break;
    case 3:
        Enable({IdNumber, IdMaterial, IdDescription}, true);
        Enable({IdX, IdY}, false);
        break;
    case 4:
        Enable({IdNumber, IdMaterial, IdDescription}, false);
        Enable({IdX, IdY}, true);
        break;
    default: break;
    }
}

bool CmDialogBarProfileTool::GetPoint(double& x, double& y) {
    if (!InRange(entryOption_, 1, 4) || !Read()) return false;
    x = x_;
    y = y_;
    return true;
}

bool CmDialogBarProfileTool::GetLineData(int& number, int& material, std::string& description) {
    if (!InRange(entryOption_, 1, 4) || !Read()) return false;
    number = number_;
    material = material_;
    description = description_;
    return true;
}

bool CmDialogBarProfileTool::SetPoint(double x, double y) {
    if (!InRange(entryOption_, 1, 4)) return false;
    ReadQuietly();
    x_ = x;
    y_ = y;
    Write();
    return true;
}

bool CmDialogBarProfileTool::SetLineData(int number, int material, const std::string& description) {
    if (!InRange(entryOption_, 1, 4)) return false;
    ReadQuietly();
    number_ = number;
    material_ = material;
    description_ = description;
    Write();
    return true;
}

// ---------------------------------------------------------------------------------------------
// Piezometric lines

std::vector<s_BarControl> CmDialogBarPiezometricTool::Layout() const {
    return {BarLabel("No.:"),
            BarEdit(IdNumber, 4),
            BarLabel("Unit wt. water:"),
            BarEdit(IdUnitWeight, 6),
            BarLabel("Description:"),
            BarEdit(IdDescription, 24),
            BarLabel("X:"),
            BarEdit(IdX),
            BarLabel("Y:"),
            BarEdit(IdY),
            BarButton(IdFinish, "Finish Line")};
}

void CmDialogBarPiezometricTool::DoDataExchange(BarExchange& dx) {
    dx.Text(IdDescription, description_);
    dx.Number(IdUnitWeight, unitWeight_);
    dx.Integer(IdNumber, number_);
    dx.Number(IdX, x_);
    dx.Number(IdY, y_);
}

void CmDialogBarPiezometricTool::OnInitDialog() {
    const std::vector<int> keys{IdNumber, IdUnitWeight, IdX, IdY, IdDescription};
    SetKeyControls(keys, keys, IdFinish);
    CmDialogBar::OnInitDialog();
}

void CmDialogBarPiezometricTool::OnControl(int id) { CmDialogBar::OnControl(id); }

void CmDialogBarPiezometricTool::SetEntryOption(int option) {
    entryOption_ = option;
    switch (option) {
    case 1:
    case 2: Enable({IdNumber, IdUnitWeight, IdX, IdY}, true); break;
    case 3:
        Enable({IdNumber, IdUnitWeight}, true);
        Enable({IdX, IdY}, false);
        break;
    case 4:
        Enable({IdNumber, IdUnitWeight}, false);
        Enable({IdX, IdY}, true);
        break;
    default: break;
    }
}

bool CmDialogBarPiezometricTool::GetLineData(int& number, double& unitWeight,
                                             std::string& description) {
    if (!InRange(entryOption_, 1, 3) || !Read()) return false;
    number = number_;
    unitWeight = unitWeight_;
    description = description_;
    return true;
}

bool CmDialogBarPiezometricTool::GetPoint(double& x, double& y) {
    if (!InRange(entryOption_, 1, 4) || !Read()) return false;
    x = x_;
    y = y_;
    return true;
}

bool CmDialogBarPiezometricTool::SetLineData(int number, double unitWeight,
                                             const std::string& description) {
    if (!InRange(entryOption_, 1, 3)) return false;
    ReadQuietly();
    number_ = number;
    unitWeight_ = unitWeight;
    description_ = description;
    Write();
    return true;
}

bool CmDialogBarPiezometricTool::SetPoint(double x, double y) {
    if (!InRange(entryOption_, 1, 4)) return false;
    ReadQuietly();
    x_ = x;
    y_ = y;
    Write();
    return true;
}

// ---------------------------------------------------------------------------------------------
// Reinforcement lines

std::vector<s_BarControl> CmDialogBarReinforcementTool::Layout() const {
    return {BarLabel("No.:"),
            BarEdit(IdNumber, 4),
            BarLabel("X:"),
            BarEdit(IdX),
            BarLabel("Y:"),
            BarEdit(IdY),
            BarLabel("Long. force:"),
            BarEdit(IdLongForce),
            BarLabel("Trans. force:"),
            BarEdit(IdTransForce),
            BarButton(IdOptions, "Options"),
            BarButton(IdFinish, "Finish Line")};
}

void CmDialogBarReinforcementTool::DoDataExchange(BarExchange& dx) {
    dx.Number(IdLongForce, longForce_);
    dx.Integer(IdNumber, number_);
    dx.Number(IdTransForce, transForce_);
    dx.Number(IdX, x_);
    dx.Number(IdY, y_);
}

void CmDialogBarReinforcementTool::OnInitDialog() {
    const std::vector<int> keys{IdNumber, IdX, IdY, IdLongForce, IdTransForce};
    SetKeyControls(keys, keys, IdFinish);
    longForce_ = 1000.0;
    CmDialogBar::OnInitDialog();
}

void CmDialogBarReinforcementTool::OnControl(int id) { CmDialogBar::OnControl(id); }

void CmDialogBarReinforcementTool::SetEntryOption(int option) {
    entryOption_ = option;
    if (option == 1 || option == 2 || option == 4)
        Enable({IdX, IdY, IdLongForce, IdTransForce}, true);
    else if (option == 3)
        Enable({IdX, IdY, IdLongForce, IdTransForce}, false);
}

bool CmDialogBarReinforcementTool::GetLineNumber(int& number) {
    if (!InRange(entryOption_, 1, 3) || !Read()) return false;
    number = number_;
    return true;
}

bool CmDialogBarReinforcementTool::GetPointData(double& x, double& y, double& longitudinal,
                                                double& transverse) {
    if (!InRange(entryOption_, 1, 4) || !Read()) return false;
    x = x_;
    y = y_;
    longitudinal = longForce_;
    transverse = transForce_;
    return true;
}

void CmDialogBarReinforcementTool::PeekForces(double& longitudinal, double& transverse) {
    ReadQuietly();
    longitudinal = longForce_;
    transverse = transForce_;
}

bool CmDialogBarReinforcementTool::SetPoint(double x, double y) {
    if (entryOption_ != 1 && entryOption_ != 2 && entryOption_ != 4) return false;
    ReadQuietly();
    x_ = x;
    y_ = y;
    Write();
    return true;
}

bool CmDialogBarReinforcementTool::SetPointData(double x, double y, double longitudinal,
                                                double transverse) {
    if (!InRange(entryOption_, 1, 4)) return false;
    ReadQuietly();
    x_ = x;
    y_ = y;
    longForce_ = longitudinal;
    transForce_ = transverse;
    Write();
    return true;
}

bool CmDialogBarReinforcementTool::SetForces(double longitudinal, double transverse) {
    if (!InRange(entryOption_, 1, 4)) return false;
    ReadQuietly();
    longForce_ = longitudinal;
    transForce_ = transverse;
    Write();
    return true;
}

bool CmDialogBarReinforcementTool::SetLineNumber(int number) {
    if (!InRange(entryOption_, 1, 4)) return false;
    ReadQuietly();
    number_ = number;
    Write();
    return true;
}

// ---------------------------------------------------------------------------------------------
// Slope

std::vector<s_BarControl> CmDialogBarSlopeTool::Layout() const {
    return {BarLabel("X:"), BarEdit(IdX), BarLabel("Y:"), BarEdit(IdY)};
}

void CmDialogBarSlopeTool::DoDataExchange(BarExchange& dx) {
    dx.Number(IdX, x_);
    dx.Number(IdY, y_);
}

void CmDialogBarSlopeTool::OnInitDialog() {
    const std::vector<int> keys{IdX, IdY};
    SetKeyControls(keys, keys, -1);
    CmDialogBar::OnInitDialog();
}

bool CmDialogBarSlopeTool::GetPoint(double& x, double& y) {
    if (!InRange(entryOption_, 1, 4) || !Read()) return false;
    x = x_;
    y = y_;
    return true;
}

bool CmDialogBarSlopeTool::SetPoint(double x, double y) {
    if (!InRange(entryOption_, 1, 4)) return false;
    ReadQuietly();
    x_ = x;
    y_ = y;
    Write();
    return true;
}

// ---------------------------------------------------------------------------------------------
// Construction lines and circles

std::vector<s_BarControl> CmDialogBarConstructionTool::Layout() const {
    return {
        BarLabel("X:"),
        BarEdit(IdX),
        BarLabel("Y:"),
        BarEdit(IdY),
        BarCheck(IdCircle, "Circle"),
        BarCombo(IdDefinition, {"Radius", "Fixed Point", "Horizontal Tangent", "Vertical Tangent"}),
        BarLabel("Radius:", IdFirstLabel),
        BarEdit(IdFirst),
        BarLabel("Y-Fixed:", IdSecondLabel),
        BarEdit(IdSecond)};
}

void CmDialogBarConstructionTool::DoDataExchange(BarExchange& dx) {
    dx.Number(IdX, x_);
    dx.Number(IdY, y_);
    dx.Check(IdCircle, circle_);
    dx.Choice(IdDefinition, definition_);
    dx.Number(IdFirst, first_);
    dx.Text(IdFirstLabel, firstLabel_);
    dx.Text(IdSecondLabel, secondLabel_);
    dx.Number(IdSecond, second_);
}

void CmDialogBarConstructionTool::OnInitDialog() {
    const std::vector<int> keys{IdX, IdY, IdFirst, IdSecond, IdDefinition};
    SetKeyControls(keys, keys, -1);
    firstLabel_ = Controls().Text(IdFirstLabel);
    secondLabel_ = Controls().Text(IdSecondLabel);
    CmDialogBar::OnInitDialog();
    ShowCircleFields(false);
}

void CmDialogBarConstructionTool::ShowCircleFields(bool show) {
    circle_ = show ? 1 : 0;
    Write();
    Enable({IdFirst, IdSecond, IdDefinition}, show);
    Show({IdFirst, IdSecond, IdDefinition, IdFirstLabel, IdSecondLabel}, show);
}

void CmDialogBarConstructionTool::Relabel() {
    ReadQuietly();
    if (!circle_) return;
    bool second = false;
    switch (definition_) {
    case 0: firstLabel_ = "Radius:"; break;
    case 1:
        firstLabel_ = "X-Fixed:";
        secondLabel_ = "Y-Fixed:";
        second = true;
        break;
    case 2: firstLabel_ = "Y-Line:"; break;
    case 3: firstLabel_ = "X-Line:"; break;
    default: return;
    }
    Show({IdFirstLabel, IdFirst}, true);
    Show({IdSecondLabel, IdSecond}, second);
    Write();
}

void CmDialogBarConstructionTool::OnControl(int id) {
    if (id == IdCircle) {
        ShowCircleFields(Controls().Index(IdCircle) != 0);
        Relabel();
    } else if (id == IdDefinition) {
        Relabel();
    }
}

void CmDialogBarConstructionTool::SetEntryOption(int option) {
    entryOption_ = option;
    switch (option) {
    case 1:
        ShowCircleFields(false);
        Enable({IdX, IdY, IdCircle}, true);
        break;
    case 2:
        ShowCircleFields(true);
        Relabel();
        Enable({IdX, IdY}, true);
        Enable({IdCircle}, false);
        break;
    case 3:
    case 5:
        ShowCircleFields(false);
        Enable({IdX, IdY}, true);
        Enable({IdCircle}, false);
        break;
    case 4:
        ShowCircleFields(false);
        Enable({IdX, IdY, IdCircle}, false);
        break;
    default: break;
    }
}

bool CmDialogBarConstructionTool::GetPoint(double& x, double& y) {
    if (!Read()) return false;
    x = x_;
    y = y_;
    return true;
}

bool CmDialogBarConstructionTool::GetCircleValues(double& first, double& second) {
    if (!Read()) return false;
    first = first_;
    second = second_;
    return true;
}

int CmDialogBarConstructionTool::GetCircleDefinition() {
    ReadQuietly();
    return definition_ >= 0 && definition_ <= 3 ? definition_ : -1;
}

bool CmDialogBarConstructionTool::SetPoint(double x, double y) {
    ReadQuietly();
    x_ = x;
    y_ = y;
    Write();
    return true;
}

bool CmDialogBarConstructionTool::UpdateCircleFromPoint(double x, double y) {
    ReadQuietly();
    if (!circle_) return true;
    switch (definition_) {
    case 0: first_ = std::hypot(x - x_, y - y_); break;
    case 1:
        first_ = x;
        second_ = y;
        break;
    case 2: first_ = y; break;
    case 3: first_ = x; break;
    default: break;
    }
    Write();
    return true;
}

void CmDialogBarConstructionTool::SetFromConstructionCircle(const Cpp_ConstructionCircle& circle) {
    ShowCircleFields(true);
    definition_ = circle.GetDefinitionType();
    Write();
    Relabel();
    x_ = circle.CentreX();
    y_ = circle.CentreY();
    double v1 = 0, v2 = 0;
    circle.GetDefinitionPoint(v1, v2);
    switch (definition_) {
    case 0: first_ = circle.GetRadius(); break;
    case 1:
        first_ = v1;
        second_ = v2;
        break;
    case 2:
    case 3: first_ = v1; break;
    default: break;
    }
    Write();
}
