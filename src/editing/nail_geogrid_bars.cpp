#include "editing/nail_geogrid_bars.h"

#include "editing/nail_geogrid_tools.h"
#include "loads/geogrid_data.h"
#include "loads/nail_data.h"
#include "model/data_set.h"
#include "model/data_sets.h"

std::vector<s_BarControl> CmDialogBarNailsTool::Layout() const {
    return {BarLabel("Y:"),
            BarEdit(IdY),
            BarLabel("Length:"),
            BarEdit(IdLength),
            BarLabel("Inclination (degs):"),
            BarEdit(IdInclination),
            BarCombo(IdType, {}),
            BarRadio(IdLeft, "Left facing", IdLeft),
            BarRadio(IdRight, "Right facing", IdLeft),
            BarLabel("Horiz. spacing:"),
            BarEdit(IdSpacing),
            BarButton(IdOptions, "Options")};
}

void CmDialogBarNailsTool::DoDataExchange(BarExchange& dx) {
    dx.Number(IdSpacing, spacing_);
    dx.Number(IdInclination, inclination_);
    dx.Number(IdLength, length_);
    dx.Choice(IdType, type_);
    dx.Radio({IdLeft, IdRight}, facing_);
    dx.Number(IdY, y_);
}

void CmDialogBarNailsTool::OnControl(int id) {
    // A type chosen for a selected nail is read at once.
    if (id == IdType && entryOption_ == 2) {
        ReadQuietly();
        return;
    }
    if (id == IdOptions) {
        EditNailToolOptions();
        return;
    }
    CmDialogBar::OnControl(id);
}

void CmDialogBarGeogridsTool::OnControl(int id) {
    if (id == IdOptions) {
        EditGeogridToolOptions();
        return;
    }
    CmDialogBar::OnControl(id);
}

s_BarKeyRoute CmDialogBarNailsTool::RouteKey(int, e_BarKey key, bool) const {
    if (key == e_BarKey::Enter) return {true, e_BarMessage::EnterKey, 0};
    return {};
}

bool CmDialogBarNailsTool::GetNailData(double& y, double& length, double& inclination, int& type,
                                       bool& leftFacing, double& spacing) {
    if (!InRange(entryOption_, 1, 2) || !Read()) return false;
    y = y_;
    length = length_;
    inclination = inclination_;
    type = type_;
    leftFacing = facing_ == 0;
    spacing = spacing_;
    return true;
}

bool CmDialogBarNailsTool::SetFromNail(const Cpp_IndividualNail& nail) {
    lastNail_ = &nail;
    if (!InRange(entryOption_, 1, 2)) return false;
    ReadQuietly();
    y_ = nail.headY;
    length_ = nail.length;
    inclination_ = nail.inclination;
    type_ = nail.nailType;
    if (nail.facing == 0 || nail.facing == 1) facing_ = nail.facing;
    spacing_ = nail.horizontalSpacing;
    Write();
    return true;
}

bool CmDialogBarNailsTool::SetY(double y) {
    if (!InRange(entryOption_, 1, 2)) return false;
    ReadQuietly();
    y_ = y;
    Write();
    return true;
}

bool CmDialogBarNailsTool::SetLengthAndInclination(double length, double inclination) {
    if (!InRange(entryOption_, 1, 2)) return false;
    ReadQuietly();
    length_ = length;
    inclination_ = inclination;
    Write();
    return true;
}

void CmDialogBarNailsTool::ResetNailTypeCombo() { Controls().SetItems(IdType, {}); }

void CmDialogBarNailsTool::AddNailTypeString(const std::string& name) {
    std::vector<std::string> items = Controls().Items(IdType);
    items.push_back(name);
    const int index = Controls().Index(IdType);
    Controls().SetItems(IdType, items);
    Controls().SetIndex(IdType, index);
}

std::vector<s_BarControl> CmDialogBarGeogridsTool::Layout() const {
    return {BarLabel("Y:"),
            BarEdit(IdY),
            BarLabel("Length:"),
            BarEdit(IdLength),
            BarCombo(IdType, {}),
            BarRadio(IdLeft, "Left facing", IdLeft),
            BarRadio(IdRight, "Right facing", IdLeft),
            BarButton(IdOptions, "Options")};
}

void CmDialogBarGeogridsTool::OnInitDialog() {
    const std::vector<int> keys = {IdY, IdLength, IdType, IdLeft, IdRight};
    SetKeyControls(keys, keys, -1);
    CmDialogBar::OnInitDialog();
}

void CmDialogBarGeogridsTool::DoDataExchange(BarExchange& dx) {
    dx.Number(IdLength, length_);
    dx.Choice(IdType, type_);
    dx.Number(IdY, y_);
    dx.Radio({IdLeft, IdRight}, facing_);
}

bool CmDialogBarGeogridsTool::GetGeogridData(double& y, double& length, int& type,
                                             bool& leftFacing) {
    if (!InRange(entryOption_, 1, 2) || !Read()) return false;
    y = y_;
    length = length_;
    type = type_;
    leftFacing = facing_ == 0;
    return true;
}

bool CmDialogBarGeogridsTool::SetFromGeogrid(const Cpp_Geogrid& grid) {
    lastGrid_ = &grid;
    if (!InRange(entryOption_, 1, 2)) return false;
    ReadQuietly();
    y_ = grid.headY;
    length_ = grid.length;
    type_ = grid.geogridType;
    if (grid.facing == 1 || grid.facing == 2) facing_ = grid.facing - 1;
    Write();
    return true;
}

bool CmDialogBarGeogridsTool::SetLength(double length) {
    if (!InRange(entryOption_, 1, 2)) return false;
    ReadQuietly();
    length_ = length;
    Write();
    return true;
}

void CmDialogBarGeogridsTool::ResetGridTypeCombo() { Controls().SetItems(IdType, {}); }

void CmDialogBarGeogridsTool::AddGridTypeString(const std::string& name) {
    std::vector<std::string> items = Controls().Items(IdType);
    items.push_back(name);
    const int index = Controls().Index(IdType);
    Controls().SetItems(IdType, items);
    Controls().SetIndex(IdType, index);
}

void FillNailTypes(CmDialogBarNailsTool& bar) {
    bar.ResetNailTypeCombo();
    Cpp_Kliven4DataSet* ds = Cpp_Kliven4Data::CurrentDataSetOrNull();
    if (!ds) return;
    for (const Cpp_NailProperties& set : ds->SoilNails()->Properties())
        bar.AddNailTypeString(set.name);
}

void FillGeogridTypes(CmDialogBarGeogridsTool& bar) {
    bar.ResetGridTypeCombo();
    Cpp_Kliven4DataSet* ds = Cpp_Kliven4Data::CurrentDataSetOrNull();
    if (!ds) return;
    for (const Cpp_GeogridProperties& set : ds->Geogrids()->Properties())
        bar.AddGridTypeString(set.GetName());
}
