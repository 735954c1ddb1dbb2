#include "dialogs/interpolation_list_dialog.h"

#include "core/format_text.h"
#include "core/message_boxes.h"
#include "core/preferences.h"
#include "dialogs/data_exchange.h"
#include "dialogs/dialog_title.h"
#include "dialogs/interpolation_grid_dialog.h"
#include "dialogs/interpolation_import_box.h"
#include "dialogs/list_dialog_parts.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace dialogs {

namespace {

const char* const kError = "Interpolation Data Error";

const char* ValueHeading(int kind) {
    switch (kind) {
    case 1: return "Pore Pressure";
    case 2: return "Pore Pressure Coefficient";
    case 3: return "Shear Strength";
    case 5: return "c/p Ratio";
    default: return "Value";
    }
}

std::string SourceOf(int source) {
    switch (source) {
    case 0: return "KLIVEN4 Input";
    case 1: return "Import File";
    case 2: return "SEEP2D";
    case 3: return "SEEPW";
    default: return "?????";
    }
}

// Material 0 (all materials) and each material number are groups of their own.
bool SameGroup(int a, int b) { return a == b; }

}  // namespace

CmInterpolationInput::CmInterpolationInput(const s_InterpolationTable& table, QWidget* parent)
    : CmInputDialog1(parent), table_(table), newSource_("KLIVEN4 Input") {
    setObjectName("interpolationList");
    setWindowTitle(QString("Interpolation Data") + InterpolationKindSuffix(table_.kind));
    AppendStageToTitle(this, table_.stage);

    auto* layout = new QHBoxLayout(this);
    auto* main = new QVBoxLayout;
    const int xy = Cpp_KlivenSettings::CoordinateDecimals();
    AddListWithHeadings(
        main, pointList_, this,
        {{"X", 12, CmListBoxColumns::kFixed, xy},
         {"Y", 12, CmListBoxColumns::kFixed, xy},
         {ValueHeading(table_.kind), 14, CmListBoxColumns::kFixed,
          InterpolationValueDecimals(table_.kind)},
         {"Material(s)", 12, CmListBoxColumns::kInteger, 0, CmListBoxColumns::kBlankAll},
         {"Source", 16, CmListBoxColumns::kLeftText, 0}},
        "");
    auto* fields = new QGridLayout;
    QLineEdit* xEdit = MakeListEdit("x", this);
    QLineEdit* yEdit = MakeListEdit("y", this);
    QLineEdit* valueEdit = MakeListEdit("value", this);
    materialEdit_ = MakeListEdit("material", this);
    fields->addWidget(new QLabel("X:", this), 0, 0);
    fields->addWidget(xEdit, 0, 1);
    fields->addWidget(new QLabel("Y:", this), 0, 2);
    fields->addWidget(yEdit, 0, 3);
    fields->addWidget(new QLabel(QString(ValueHeading(table_.kind)) + ":", this), 0, 4);
    fields->addWidget(valueEdit, 0, 5);
    fields->addWidget(new QLabel("Material number:", this), 1, 0);
    fields->addWidget(materialEdit_, 1, 1);
    auto* useForAll = new QCheckBox("Use for all materials", this);
    useForAll->setObjectName("useForAllMaterials");
    fields->addWidget(useForAll, 1, 2, 1, 2);
    QLineEdit* count = MakeListEdit("numberOfPoints", this, true);
    fields->addWidget(new QLabel("Number of points:", this), 1, 4);
    fields->addWidget(count, 1, 5);
    main->addLayout(fields);
    const ListButtons buttons = AddListButtons(
        main, pointList_, this, {"Add Point", "Change Point", "Delete Point", "Delete All"},
        {"addPoint", "changePoint", "deletePoint", "deleteAll"});

    importBox_ =
        new InterpolationImportBox(table_, {"...", "Read into preprocessor", false, false}, this);
    main->addWidget(importBox_);
    layout->addLayout(main);
    auto* side = new QVBoxLayout;
    AddOkCancel(side, this, Qt::Vertical);
    side->addStretch();
    layout->addLayout(side);

    pointList_->SetColumnEdit(0, xEdit);
    pointList_->SetColumnEdit(1, yEdit);
    pointList_->SetColumnEdit(2, valueEdit);
    pointList_->SetColumnEdit(3, materialEdit_);
    pointList_->SetEntryEdit(xEdit);

    dx_ = new DataExchange(this);
    dx_->Integer(materialEdit_, material_);
    dx_->Number(valueEdit, value_);
    dx_->Number(xEdit, x_);
    dx_->Number(yEdit, y_);
    dx_->Check(useForAll, useForAll_);
    dx_->Integer(count, pointCount_);

    updating_ = true;
    pointList_->clear();
    for (const InterpolationPtType& p : table_.points)
        pointList_->AddRowValues(Row(p, SourceOf(table_.source)));
    if (table_.points.empty()) pointList_->ShowEmptyText(true);
    updating_ = false;
    if (!table_.points.empty()) {
        LoadPoint(0);
    } else {
        currentPoint_ = -1;
        Show();
        MaterialRule();
    }
    for (QLineEdit* edit : {xEdit, yEdit, valueEdit, materialEdit_})
        WatchEntryEdit(edit, buttons.add);
    SaveDefaultButton();

    connect(useForAll, &QCheckBox::clicked, this, [this] { MaterialRule(); });
    ConnectListButtons(buttons, pointList_, this, updating_, &CmInterpolationInput::OnAddPoint,
                       &CmInterpolationInput::ChangePoint, &CmInterpolationInput::OnDeletePoint,
                       &CmInterpolationInput::OnDeleteAll, &CmInterpolationInput::OnSelection);
}

CmInterpolationInput::~CmInterpolationInput() { delete dx_; }

s_InterpolationTable CmInterpolationInput::Table() const {
    s_InterpolationTable table = table_;
    importBox_->Store(table);
    return table;
}

std::vector<CmListBoxValue> CmInterpolationInput::Row(const InterpolationPtType& p,
                                                      const std::string& source) const {
    std::vector<CmListBoxValue> row(5);
    row[0].SetDouble(p.x);
    row[1].SetDouble(p.y);
    row[2].SetDouble(p.value);
    row[3].SetInt(p.material);
    row[4].SetText(source);
    return row;
}

void CmInterpolationInput::InsertPointRow(int index, const InterpolationPtType& p,
                                          const std::string& source) {
    updating_ = true;
    if (pointList_->IsEmptyMarked()) {
        pointList_->clear();
        pointList_->ShowEmptyText(false);
    }
    pointList_->InsertRowValues(index, Row(p, source));
    pointList_->SetCurSel(index);
    updating_ = false;
}

void CmInterpolationInput::Show() {
    pointCount_ = static_cast<int>(table_.points.size());
    dx_->ToWidgets();
    pointList_->UpdateButtons();
}

void CmInterpolationInput::MaterialRule() {
    if (!dx_->FromWidgets()) return;
    materialEdit_->setEnabled(!useForAll_);
    if (!useForAll_ && material_ == 0) material_ = 1;
    dx_->ToWidgets();
}

int CmInterpolationInput::GroupEnd(int material) const {
    int end = -1;
    for (std::size_t i = 0; i < table_.points.size(); ++i)
        if (SameGroup(table_.points[i].material, material)) end = static_cast<int>(i) + 1;
    return end < 0 ? static_cast<int>(table_.points.size()) : end;
}

void CmInterpolationInput::LoadPoint(int index) {
    currentPoint_ = index;
    const InterpolationPtType& p = table_.points[static_cast<std::size_t>(index)];
    x_ = p.x;
    y_ = p.y;
    value_ = p.value;
    material_ = p.material;
    useForAll_ = p.material == 0;
    updating_ = true;
    pointList_->SetCurSel(index);
    updating_ = false;
    Show();
    MaterialRule();
}

void CmInterpolationInput::OnAddPoint() {
    if (!dx_->FromWidgets()) return;
    if (!useForAll_ && material_ <= 0) {
        ShowErrorOnWindow(Handle(), kError,
                          "Error: Bad material number.  If an interpolation point is not used for "
                          "all materials, you must specify a material number greater than zero.");
        return;
    }
    const InterpolationPtType point{x_, y_, value_, EditedMaterial()};
    for (const InterpolationPtType& p : table_.points)
        if (SameGroup(p.material, point.material) && p.x == point.x && p.y == point.y) {
            ShowErrorOnWindow(Handle(), kError,
                              "Error: Point being added already exists.  Two interpolation points "
                              "for the same material cannot have the same X-Y coordinates.");
            return;
        }
    const int index = GroupEnd(point.material);
    table_.points.insert(table_.points.begin() + index, point);
    InsertPointRow(index, point, newSource_);
    currentPoint_ = index;
    Show();
    pointList_->FocusEntryEdit();
}

bool CmInterpolationInput::ChangePoint() {
    if (currentPoint_ < 0 || currentPoint_ >= static_cast<int>(table_.points.size())) return false;
    if (!dx_->FromWidgets()) return false;
    const InterpolationPtType old = table_.points[static_cast<std::size_t>(currentPoint_)];
    const InterpolationPtType changed{x_, y_, value_, EditedMaterial()};
    if (old.x == changed.x && old.y == changed.y && old.value == changed.value &&
        old.material == changed.material)
        return true;
    for (std::size_t i = 0; i < table_.points.size(); ++i) {
        const InterpolationPtType& p = table_.points[i];
        if (static_cast<int>(i) != currentPoint_ && SameGroup(p.material, changed.material) &&
            p.x == changed.x && p.y == changed.y) {
            ShowErrorOnWindow(
                Handle(), kError,
                "Error: New X-Y coordinates are the same as those for another point.  "
                "Two interpolation points for the same material cannot have the same "
                "coordinates.");
            return false;
        }
    }
    // A changed row shows no source.
    if (SameGroup(old.material, changed.material)) {
        table_.points[static_cast<std::size_t>(currentPoint_)] = changed;
        updating_ = true;
        pointList_->ReplaceRowValues(currentPoint_, Row(changed, ""));
        updating_ = false;
    } else {
        table_.points.erase(table_.points.begin() + currentPoint_);
        updating_ = true;
        delete pointList_->takeItem(currentPoint_);
        updating_ = false;
        currentPoint_ = GroupEnd(changed.material);
        table_.points.insert(table_.points.begin() + currentPoint_, changed);
        InsertPointRow(currentPoint_, changed, "");
    }
    updating_ = true;
    pointList_->SetCurSel(currentPoint_);
    updating_ = false;
    Show();
    pointList_->FocusEntryEdit();
    return true;
}

void CmInterpolationInput::OnDeletePoint() {
    updating_ = true;
    const int row = pointList_->DeleteSelectedRow();
    updating_ = false;
    if (row < 0) return;
    table_.points.erase(table_.points.begin() + row);
    currentPoint_ = -1;
    dx_->FromWidgets();
    Show();
}

void CmInterpolationInput::OnDeleteAll() {
    table_.points.clear();
    currentPoint_ = -1;
    updating_ = true;
    pointList_->ShowEmptyText(true);
    updating_ = false;
    x_ = y_ = value_ = 0.0;
    material_ = 0;
    useForAll_ = false;
    Show();
}

void CmInterpolationInput::OnSelection() {
    const int chosen = pointList_->DataRowCount() > 0 ? pointList_->CurSel() : -1;
    if (chosen < 0) {
        pointList_->UpdateButtons();
        return;
    }
    const InterpolationPtType chosenPoint = table_.points.at(static_cast<std::size_t>(chosen));
    auto keepCurrent = [this] {
        updating_ = true;
        pointList_->SetCurSel(currentPoint_);
        updating_ = false;
    };
    if (currentPoint_ >= 0 && chosen != currentPoint_) {
        if (!dx_->FromWidgets()) return keepCurrent();
        const InterpolationPtType& p = table_.points[static_cast<std::size_t>(currentPoint_)];
        const bool edited =
            p.x != x_ || p.y != y_ || p.value != value_ || p.material != EditedMaterial();
        if (edited) {
            const platform::BoxResult answer = AskYesNoCancel(
                Handle(), "Anisotropic Point Data",
                FormatText("Save data for point %1d before changing to the other point?",
                           currentPoint_ + 1));
            if (answer == platform::BoxResult::Cancel) return keepCurrent();
            if (answer == platform::BoxResult::Yes && !ChangePoint()) return keepCurrent();
        }
    }
    // The first of several identical points.
    int index = chosen;
    for (std::size_t i = 0; i < table_.points.size(); ++i) {
        const InterpolationPtType& p = table_.points[i];
        if (p.x == chosenPoint.x && p.y == chosenPoint.y && p.value == chosenPoint.value &&
            p.material == chosenPoint.material) {
            index = static_cast<int>(i);
            break;
        }
    }
    LoadPoint(index);
}

bool QtInterpolationList::Run(s_InterpolationTable& table) {
    CmInterpolationInput dialog(table, owner_);
    if (dialog.exec() != QDialog::Accepted) return false;
    table = dialog.Table();
    return true;
}

}  // namespace dialogs
