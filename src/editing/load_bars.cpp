#include "editing/load_bars.h"

#include "loads/line_load.h"

// ---------------------------------------------------------------------------------------------
// Distributed loads

std::vector<s_BarControl> CmDialogBarDistributedLoad::Layout() const {
    return {BarLabel("X:"),
            BarEdit(IdX),
            BarLabel("Y:"),
            BarEdit(IdY),
            BarLabel("Normal stress:"),
            BarEdit(IdNormal),
            BarLabel("Shear stress:"),
            BarEdit(IdShear),
            BarCheck(IdUseLine, "Use piez. line:"),
            BarEdit(IdLineNumber, 4),
            BarButton(IdOptions, "Options")};
}

void CmDialogBarDistributedLoad::DoDataExchange(BarExchange& dx) {
    dx.Number(IdNormal, normal_);
    dx.Number(IdShear, shear_);
    dx.Number(IdX, x_);
    dx.Number(IdY, y_);
    dx.Check(IdUseLine, useLine_);
    dx.Integer(IdLineNumber, lineNumber_);
}

void CmDialogBarDistributedLoad::OnInitDialog() {
    CmDialogBar::OnInitDialog();
    EnableForPiezometricLine(useLine_ != 0, lineNumber_);
}

s_BarKeyRoute CmDialogBarDistributedLoad::RouteKey(int, e_BarKey key, bool) const {
    if (key == e_BarKey::Enter) return {true, e_BarMessage::EnterKey, 0};
    if (key == e_BarKey::Escape) return {true, e_BarMessage::EscapeKey, 0};
    return {};
}

void CmDialogBarDistributedLoad::OnControl(int id) {
    if (id == IdUseLine) {
        ReadQuietly();
        EnableForPiezometricLine(useLine_ != 0, lineNumber_);
        return;
    }
    CmDialogBar::OnControl(id);
}

void CmDialogBarDistributedLoad::SetEntryOption(int option) {
    entryOption_ = option;
    if (option == 1 || option == 2 || option == 4)
        Enable({IdX, IdY, IdNormal, IdShear}, true);
    else if (option == 3)
        Enable({IdX, IdY, IdNormal, IdShear}, false);
}

bool CmDialogBarDistributedLoad::GetLoadData(double& x, double& y, double& normal, double& shear) {
    if (!InRange(entryOption_, 1, 4) || !Read()) return false;
    x = x_;
    y = y_;
    normal = normal_;
    shear = shear_;
    return true;
}

bool CmDialogBarDistributedLoad::GetStress(double& value, bool normal) {
    if (!InRange(entryOption_, 1, 4) || !Read()) return false;
    value = normal ? normal_ : shear_;
    return true;
}

bool CmDialogBarDistributedLoad::GetPiezometricLineNumber(int& number) {
    if (!InRange(entryOption_, 1, 4) || !Read()) return false;
    number = lineNumber_;
    return true;
}

bool CmDialogBarDistributedLoad::SetPoint(double x, double y) {
    if (!InRange(entryOption_, 1, 4)) return false;
    ReadQuietly();
    x_ = x;
    y_ = y;
    Write();
    return true;
}

bool CmDialogBarDistributedLoad::SetLoadData(double x, double y, double normal, double shear) {
    if (!InRange(entryOption_, 1, 4)) return false;
    ReadQuietly();
    x_ = x;
    y_ = y;
    normal_ = normal;
    shear_ = shear;
    Write();
    return true;
}

bool CmDialogBarDistributedLoad::SetStress(double value, bool normal) {
    if (!InRange(entryOption_, 1, 4)) return false;
    (normal ? normal_ : shear_) = value;
    Write();
    return true;
}

void CmDialogBarDistributedLoad::SetPiezometricLineOption(bool use, int number) {
    ReadQuietly();
    normal_ = shear_ = x_ = y_ = 0;
    EnableForPiezometricLine(use, number);
    lineNumber_ = use ? number : 0;
    Write();
    if (!use) FocusXEdit();
}

void CmDialogBarDistributedLoad::EnableForPiezometricLine(bool use, int number) {
    Controls().Enable(IdLineNumber, use);
    Enable({IdX, IdY, IdNormal, IdShear}, !use);
    useLine_ = use ? 1 : 0;
    lineNumber_ = use ? number : 1;
    Write();
}

// ---------------------------------------------------------------------------------------------
// Line loads

std::vector<s_BarControl> CmDialogBarLineLoadTool::Layout() const {
    return {BarLabel("X:"),
            BarEdit(IdX),
            BarLabel("Y:"),
            BarEdit(IdY),
            BarRadio(IdComponents, "Components", IdComponents),
            BarRadio(IdResultant, "Resultant", IdComponents),
            BarLabel("Horiz. force:", IdFirstLabel),
            BarEdit(IdFirst),
            BarLabel("Vert. force:", IdSecondLabel),
            BarEdit(IdSecond),
            BarButton(IdOptions, "Options")};
}

void CmDialogBarLineLoadTool::DoDataExchange(BarExchange& dx) {
    dx.Radio({IdComponents, IdResultant}, form_);
    dx.Number(IdFirst, first_);
    dx.Number(IdSecond, second_);
    dx.Number(IdX, x_);
    dx.Number(IdY, y_);
    dx.Text(IdSecondLabel, secondLabel_);
    dx.Text(IdFirstLabel, firstLabel_);
}

void CmDialogBarLineLoadTool::Relabel() {
    if (form_ == 0) {
        firstLabel_ = "Horiz. force:";
        secondLabel_ = "Vert. force:";
    } else if (form_ == 1) {
        firstLabel_ = "Magnitude:";
        secondLabel_ = "Inclination:";
    }
}

void CmDialogBarLineLoadTool::OnInitDialog() {
    const std::vector<int> keys{IdX, IdY, IdFirst, IdSecond, IdComponents, IdResultant};
    SetKeyControls(keys, keys, -1);
    if (ToolBarDefault() == 1)
        form_ = 0;
    else if (ToolBarDefault() == 2)
        form_ = 1;
    if (firstLabel_.empty()) firstLabel_ = Controls().Text(IdFirstLabel);
    if (secondLabel_.empty()) secondLabel_ = Controls().Text(IdSecondLabel);
    Relabel();
    CmDialogBar::OnInitDialog();
}

void CmDialogBarLineLoadTool::OnControl(int id) {
    if (id != IdComponents && id != IdResultant) {
        CmDialogBar::OnControl(id);
        return;
    }
    const int before = form_;
    ReadQuietly();  // the values are still those of the form that was shown
    const double shownFirst = first_, shownSecond = second_;
    Relabel();
    if (form_ != before && (before == 0 || before == 1)) {
        s_LineLoadType record;
        record.option = before == 0 ? Cpp_LineLoad::ByComponents : Cpp_LineLoad::ByResultant;
        if (before == 0) {
            record.horizontal = shownFirst;
            record.vertical = shownSecond;
        } else {
            record.resultant = shownFirst;
            record.inclination = shownSecond;
        }
        Cpp_LineLoad::FromTableRecord(record);
        first_ = form_ == 0 ? record.horizontal : record.resultant;
        second_ = form_ == 0 ? record.vertical : record.inclination;
    }
    Write();
}

void CmDialogBarLineLoadTool::SetEntryOption(int option) {
    entryOption_ = option;
    if (option == 1 || option == 2) Enable({IdX, IdY, IdFirst, IdSecond}, true);
}

bool CmDialogBarLineLoadTool::GetLineLoadData(double& x, double& y, double& first, double& second,
                                              int& form) {
    if (entryOption_ != 1 && entryOption_ != 2) return false;
    if (!Read()) return false;
    if (form_ != 0 && form_ != 1) {
        form = 0;
        return false;
    }
    x = x_;
    y = y_;
    first = first_;
    second = second_;
    form = form_ + 1;
    return true;
}

bool CmDialogBarLineLoadTool::SetPoint(double x, double y) {
    if (entryOption_ != 1 && entryOption_ != 2) return false;
    ReadQuietly();
    x_ = x;
    y_ = y;
    Write();
    return true;
}

bool CmDialogBarLineLoadTool::SetForces(double first, double second) {
    if (entryOption_ != 1 && entryOption_ != 2) return false;
    ReadQuietly();
    first_ = first;
    second_ = second;
    Write();
    return true;
}

bool CmDialogBarLineLoadTool::SetFromLineLoad(const Cpp_LineLoad& load) {
    if (entryOption_ != 1 && entryOption_ != 2) return false;
    ReadQuietly();
    x_ = load.X();
    y_ = load.Y();
    if (load.option == Cpp_LineLoad::ByResultant) {
        form_ = 1;
        first_ = load.resultant;
        second_ = load.inclination;
    } else {
        form_ = 0;
        first_ = load.horizontal;
        second_ = load.vertical;
    }
    Write();
    Relabel();
    Write();
    return true;
}
