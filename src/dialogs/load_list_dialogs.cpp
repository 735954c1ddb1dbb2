#include "dialogs/load_list_dialogs.h"

#include "core/format_text.h"
#include "core/message_boxes.h"
#include "core/preferences.h"
#include "dialogs/choice_dialogs.h"
#include "dialogs/data_exchange.h"
#include "dialogs/dialog_title.h"
#include "dialogs/line_data_windows.h"
#include "dialogs/list_dialog_parts.h"
#include "model/data_set.h"
#include "model/data_sets.h"
#include "porepressure/piezometric_line.h"
#include "profile/profile_line.h"

#include <QCheckBox>
#include <QComboBox>
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

const char* const kDistributedError = "Distributed Load Data Error";
const char* const kLineLoadError = "Line Load Data Error";

bool SamePoint(const s_DistributedLoadPoint& a, const s_DistributedLoadPoint& b) {
    return a.x == b.x && a.y == b.y && a.normal == b.normal && a.shear == b.shear;
}

std::vector<double> RowOf(const s_DistributedLoadPoint& p) { return {p.x, p.y, p.normal, p.shear}; }

// A row of labelled edits, one per list column, under the list.
std::vector<QLineEdit*> AddEditRow(QBoxLayout* layout, QWidget* parent,
                                   const std::vector<std::pair<const char*, const char*>>& fields) {
    auto* grid = new QGridLayout;
    std::vector<QLineEdit*> edits;
    int column = 0;
    for (const auto& [label, name] : fields) {
        QLineEdit* edit = MakeListEdit(name, parent);
        grid->addWidget(new QLabel(label, parent), 0, column);
        grid->addWidget(edit, 1, column++);
        edits.push_back(edit);
    }
    layout->addLayout(grid);
    return edits;
}

}  // namespace

// ---- distributed loads

CmDistributedLoadInput::CmDistributedLoadInput(const s_DistributedLoadTable& table, QWidget* parent)
    : CmInputDialog1(parent), stage_(table.stage), fromLine_(table.fromPiezometricLine),
      lineNumber_(table.piezometricLine), points_(table.points) {
    setObjectName("distributedLoadList");
    setWindowTitle("Distributed Load Input Data");
    AppendStageToTitle(this, stage_);

    auto* layout = new QHBoxLayout(this);
    auto* main = new QVBoxLayout;
    fromLineBox_ = new QCheckBox("Compute from piezometric line", this);
    fromLineBox_->setObjectName("fromPiezometricLine");
    main->addWidget(fromLineBox_);
    auto* lineForm = new QFormLayout;
    lineEdit_ = MakeListEdit("piezometricLine", this);
    lineForm->addRow("Piezometric line number:", lineEdit_);
    main->addLayout(lineForm);

    const int xy = Cpp_KlivenSettings::CoordinateDecimals();
    const int stress = Cpp_KlivenSettings::StressDecimals();
    AddListWithHeadings(main, pointList_, this,
                        {{"X", 13, CmListBoxColumns::kFixed, xy},
                         {"Y", 13, CmListBoxColumns::kFixed, xy},
                         {"Normal Stress", 15, CmListBoxColumns::kFixed, stress},
                         {"Shear Stress", 15, CmListBoxColumns::kFixed, stress}},
                        FormatText("<No distributed loads for Stage %d>", stage_ == 1 ? 1 : 2));
    pointEdits_ = AddEditRow(
        main, this,
        {{"X", "x"}, {"Y", "y"}, {"Normal Stress", "normal"}, {"Shear Stress", "shear"}});
    const ListButtons buttons = AddListButtons(
        main, pointList_, this, {"Add Point", "Change Point", "Delete Point", "Delete All"},
        {"addPoint", "changePoint", "deletePoint", "deleteAll"});
    addPoint_ = buttons.add;
    auto* countForm = new QFormLayout;
    QLineEdit* count = MakeListEdit("numberOfPoints", this, true);
    countForm->addRow("Number of points:", count);
    main->addLayout(countForm);
    layout->addLayout(main);

    auto* side = new QVBoxLayout;
    AddOkCancel(side, this, Qt::Vertical);
    showProfile_ = new QCheckBox("Show Profile Lines", this);
    showProfile_->setObjectName("showProfileLines");
    showSlope_ = new QCheckBox("Show slope geometry data", this);
    showSlope_->setObjectName("showSlopeData");
    showPiezometric_ = new QCheckBox("Show piezometric lines", this);
    showPiezometric_->setObjectName("showPiezometricLines");
    for (QCheckBox* box : {showProfile_, showSlope_, showPiezometric_}) side->addWidget(box);
    side->addStretch();
    layout->addLayout(side);

    pointList_->SetEntryEdit(pointEdits_[0]);
    for (int i = 0; i < 4; ++i) pointList_->SetColumnEdit(i, pointEdits_[i]);

    dx_ = new DataExchange(this);
    dx_->Check(fromLineBox_, fromLine_);
    dx_->Number(pointEdits_[2], edits_.normal);
    dx_->Integer(lineEdit_, lineNumber_);
    dx_->Number(pointEdits_[0], edits_.x);
    dx_->Number(pointEdits_[1], edits_.y);
    dx_->Number(pointEdits_[3], edits_.shear);
    dx_->Integer(count, numberOfPoints_);

    dx_->ToWidgets();
    LineNumberRule();
    updating_ = true;
    pointList_->clear();
    for (const s_DistributedLoadPoint& p : points_) pointList_->AddRow(RowOf(p));
    if (points_.empty()) pointList_->ShowEmptyText(true);
    if (!points_.empty()) {
        edits_ = points_[0];
        currentPoint_ = 0;
        pointList_->SetCurSel(0);
    }
    updating_ = false;
    Show();
    for (QLineEdit* edit : pointEdits_) WatchEntryEdit(edit, addPoint_);
    SaveDefaultButton();

    profileWindow_ = new CmProfileData(this);
    piezometricWindow_ = new CmPiezometricData(this);
    slopeWindow_ = new CmSlopeData(this);
    for (QDialog* w :
         std::initializer_list<QDialog*>{profileWindow_, piezometricWindow_, slopeWindow_})
        w->setWindowFlag(Qt::Tool);
    Cpp_Kliven4DataSet* data = Cpp_Kliven4Data::CurrentDataSet();
    profileWindow_->SetSource(&data->ProfileLines());
    piezometricWindow_->SetStage(stage_);

    connect(fromLineBox_, &QCheckBox::clicked, this, [this] { OnFromLineClicked(); });
    connect(buttons.add, &QPushButton::clicked, this, [this] { OnAddPoint(); });
    connect(buttons.change, &QPushButton::clicked, this, [this] {
        ChangePoint();
        pointList_->UpdateButtons();
    });
    connect(buttons.remove, &QPushButton::clicked, this, [this] { OnDeletePoint(); });
    connect(buttons.removeAll, &QPushButton::clicked, this, [this] { OnDeleteAll(); });
    connect(pointList_, &QListWidget::itemSelectionChanged, this, [this] {
        if (!updating_) OnSelection();
    });
    connect(showProfile_, &QCheckBox::clicked, this, [this, data] {
        ShowWindow(showProfile_, profileWindow_, data->ProfileLines().Count() > 0);
    });
    connect(showSlope_, &QCheckBox::clicked, this, [this, data] {
        ShowWindow(showSlope_, slopeWindow_, data->SlopeGeometry().HasSlopeData());
    });
    connect(showPiezometric_, &QCheckBox::clicked, this, [this, data] {
        ShowWindow(showPiezometric_, piezometricWindow_,
                   data->PiezometricLines(stage_)->Count() > 0);
    });
    connect(profileWindow_, &CmProfileData::PointPicked, this, [this] {
        double x = 0, y = 0;
        if (profileWindow_->GetSelectedPoint(x, y)) TakePickedPoint(x, y);
    });
    connect(slopeWindow_, &CmSlopeData::PointPicked, this, [this] {
        double x = 0, y = 0;
        if (slopeWindow_->GetSelectedPoint(x, y)) TakePickedPoint(x, y);
    });
    connect(piezometricWindow_, &CmPiezometricData::LinePicked, this,
            [this] { OnPiezometricPick(); });
}

CmDistributedLoadInput::~CmDistributedLoadInput() { delete dx_; }

s_DistributedLoadTable CmDistributedLoadInput::Table() const {
    s_DistributedLoadTable table;
    table.stage = stage_;
    table.fromPiezometricLine = fromLine_;
    table.piezometricLine = lineNumber_;
    table.points = points_;
    return table;
}

void CmDistributedLoadInput::Show() {
    numberOfPoints_ = static_cast<int>(points_.size());
    dx_->ToWidgets();
    pointList_->UpdateButtons();
}

void CmDistributedLoadInput::LineNumberRule() {
    if (!dx_->FromWidgets()) return;
    for (QLineEdit* edit : pointEdits_) edit->setEnabled(!fromLine_);
    pointList_->setEnabled(!fromLine_);
    lineEdit_->setEnabled(fromLine_);
    if (fromLine_ && lineNumber_ == 0) lineNumber_ = 1;
    dx_->ToWidgets();
}

void CmDistributedLoadInput::OnFromLineClicked() {
    if (fromLineBox_->isChecked() && !points_.empty()) {
        if (!AskYesNo(Handle(), "Notice",
                      "Distributed load data already exist and will be deleted.  Do you wish to "
                      "generate distributed loads from a piezometric line and delete the current "
                      "distributed load data?")) {
            fromLineBox_->setChecked(false);
            return;
        }
        points_.clear();
        currentPoint_ = -1;
        updating_ = true;
        pointList_->ShowEmptyText(true);
        updating_ = false;
    }
    LineNumberRule();
    Show();
}

int CmDistributedLoadInput::Position(double x, double y, const bool* answer) {
    for (std::size_t i = 0; i < points_.size(); ++i) {
        if (points_[i].x == x) {
            bool before = false;
            if (answer)
                before = *answer;
            else if (!AskInsertBeforeOrAfter(before, points_[i].y == y, this))
                return -1;
            return static_cast<int>(before ? i : i + 1);
        }
        if (points_[i].x > x) return static_cast<int>(i);
    }
    return static_cast<int>(points_.size());
}

void CmDistributedLoadInput::Place(int index, const s_DistributedLoadPoint& p) {
    points_.insert(points_.begin() + index, p);
    updating_ = true;
    pointList_->InsertRow(index, RowOf(p));
    updating_ = false;
    currentPoint_ = index;
    Show();
    pointList_->FocusEntryEdit();
}

void CmDistributedLoadInput::OnAddPoint() {
    if (!dx_->FromWidgets()) return;
    if (fromLine_ && lineNumber_ < 1) {
        ShowErrorOnWindow(Handle(), kDistributedError,
                          "Error: Bad number for piezometric line to be used to generate "
                          "distributed loads.  Piezometric line number must be greater than zero.");
        return;
    }
    for (const s_DistributedLoadPoint& p : points_)
        if (SamePoint(p, edits_)) {
            ShowErrorOnWindow(Handle(), kDistributedError,
                              "Error: Point being added has the same coordinates and values of "
                              "stress as another point.  Duplicate points are not allowed.");
            return;
        }
    const int index = Position(edits_.x, edits_.y, nullptr);
    if (index < 0) return;
    Place(index, edits_);
}

bool CmDistributedLoadInput::EditsDiffer() const {
    return currentPoint_ >= 0 && currentPoint_ < static_cast<int>(points_.size()) &&
           !SamePoint(points_[currentPoint_], edits_);
}

bool CmDistributedLoadInput::ChangePoint() {
    if (!dx_->FromWidgets()) return false;
    if (!EditsDiffer()) return currentPoint_ >= 0;
    for (std::size_t i = 0; i < points_.size(); ++i)
        if (static_cast<int>(i) != currentPoint_ && SamePoint(points_[i], edits_)) {
            ShowErrorOnWindow(Handle(), kDistributedError,
                              "Error: Changes to point will make the point have the same "
                              "coordinates and values of stress as another point.  Duplicate "
                              "points are not allowed.");
            return false;
        }
    bool answered = false;
    bool before = false;
    for (std::size_t i = 0; i < points_.size(); ++i) {
        if (static_cast<int>(i) == currentPoint_ || points_[i].x != edits_.x) continue;
        if (!AskInsertBeforeOrAfter(before, false, this)) return false;
        answered = true;
    }
    points_.erase(points_.begin() + currentPoint_);
    updating_ = true;
    delete pointList_->takeItem(currentPoint_);
    updating_ = false;
    Place(Position(edits_.x, edits_.y, answered ? &before : nullptr), edits_);
    return true;
}

void CmDistributedLoadInput::OnDeletePoint() {
    dx_->FromWidgets();
    updating_ = true;
    const int row = pointList_->DeleteSelectedRow();
    updating_ = false;
    if (row < 0) return;
    points_.erase(points_.begin() + row);
    edits_ = {};
    currentPoint_ = -1;
    updating_ = true;
    pointList_->SetCurSel(-1);
    updating_ = false;
    Show();
}

void CmDistributedLoadInput::OnDeleteAll() {
    if (!points_.empty() &&
        !AskOkCancel(Handle(), "Confirmation",
                     "Do you really want to delete all distributed load data points?"))
        return;
    dx_->FromWidgets();
    points_.clear();
    edits_ = {};
    currentPoint_ = -1;
    updating_ = true;
    pointList_->ShowEmptyText(true);
    updating_ = false;
    Show();
}

void CmDistributedLoadInput::OnSelection() {
    const int chosen = pointList_->DataRowCount() > 0 ? pointList_->CurSel() : -1;
    if (chosen < 0) {
        pointList_->UpdateButtons();
        return;
    }
    const s_DistributedLoadPoint chosenPoint = points_.at(chosen);
    auto reselect = [this] {
        updating_ = true;
        pointList_->SetCurSel(currentPoint_);
        updating_ = false;
    };
    if (currentPoint_ >= 0 && chosen != currentPoint_) {
        if (!dx_->FromWidgets()) return reselect();
        if (EditsDiffer()) {
            const platform::BoxResult answer = AskYesNoCancel(
                Handle(), "Notice",
                FormatText("Save data for point %1d before changing to the other point?",
                           currentPoint_ + 1));
            if (answer == platform::BoxResult::Cancel) return reselect();
            if (answer == platform::BoxResult::Yes && !ChangePoint()) return reselect();
        }
    }
    // The chosen point again by its values: a change may have moved it.
    int index = chosen;
    for (std::size_t i = 0; i < points_.size(); ++i)
        if (SamePoint(points_[i], chosenPoint)) {
            index = static_cast<int>(i);
            break;
        }
    updating_ = true;
    pointList_->SetCurSel(index);
    updating_ = false;
    currentPoint_ = index;
    edits_ = points_[index];
    Show();
}

void CmDistributedLoadInput::ShowWindow(QCheckBox* box, QWidget* window, bool hasData) {
    window->setVisible(box->isChecked() && hasData);
}

void CmDistributedLoadInput::TakePickedPoint(double x, double y) {
    if (!dx_->FromWidgets()) return;
    edits_.x = x;
    edits_.y = y;
    dx_->ToWidgets();
    pointEdits_[2]->setFocus(Qt::OtherFocusReason);
    pointEdits_[2]->selectAll();
}

void CmDistributedLoadInput::OnPiezometricPick() {
    int number = 0;
    if (!piezometricWindow_->GetSelectedLineNumber(number) || !dx_->FromWidgets()) return;
    const Cpp_PiezometricLine* line =
        Cpp_Kliven4Data::CurrentDataSet()->PiezometricLines(stage_)->FindLine(number);
    double pressure = 0.0;
    if (!line || !line->PressureAt(edits_.x, edits_.y, pressure)) return;
    // Above the phreatic surface the pressure is negative: no load.
    edits_.normal = pressure < 0.0 ? 0.0 : pressure;
    dx_->ToWidgets();
    pointEdits_[3]->setFocus(Qt::OtherFocusReason);
    pointEdits_[3]->selectAll();
}

void CmDistributedLoadInput::accept() {
    if (!dx_->FromWidgets()) return;
    // A line number below 1 would be written as a load no reader takes back.
    if (fromLine_ && lineNumber_ < 1) {
        ShowErrorOnWindow(Handle(), kDistributedError,
                          "Error: Bad number for piezometric line to be used to generate "
                          "distributed loads.  Piezometric line number must be greater than zero.");
        return;
    }
    QDialog::accept();
}

// ---- line loads

CmLineLoadInput::CmLineLoadInput(const s_LineLoadTable& table, QWidget* parent)
    : CmInputDialog1(parent), stage_(table.stage), loads_(table.loads) {
    setObjectName("lineLoadList");
    setWindowTitle("Line Load Data");
    AppendStageToTitle(this, stage_);

    auto* layout = new QHBoxLayout(this);
    auto* main = new QVBoxLayout;
    const int xy = Cpp_KlivenSettings::CoordinateDecimals();
    const int force = Cpp_KlivenSettings::ForceDecimals();
    AddListWithHeadings(main, pointList_, this,
                        {{"X", 12, CmListBoxColumns::kFixed, xy},
                         {"Y", 12, CmListBoxColumns::kFixed, xy},
                         {"Horizontal\nComponent", 12, CmListBoxColumns::kFixed, force},
                         {"Vertical\nComponent", 12, CmListBoxColumns::kFixed, force},
                         {"Magnitude", 12, CmListBoxColumns::kFixed, force},
                         {"Inclination\n(degrees)", 12, CmListBoxColumns::kFixed,
                          Cpp_KlivenSettings::AngleDecimals()}},
                        FormatText("<No line loads for Stage %d>", stage_ == 1 ? 1 : 2));
    edits = AddEditRow(main, this,
                       {{"X", "x"},
                        {"Y", "y"},
                        {"Horizontal Component", "horizontal"},
                        {"Vertical Component", "vertical"},
                        {"Magnitude", "magnitude"},
                        {"Inclination (degrees)", "inclination"}});
    auto* form = new QFormLayout;
    forceFormList_ = new QComboBox(this);
    forceFormList_->setObjectName("forceForm");
    forceFormList_->addItems(
        {"By horizontal and vertical component", "By magnitude and inclination"});
    form->addRow("Line load specified:", forceFormList_);
    QLineEdit* count = MakeListEdit("numberOfLoads", this, true);
    form->addRow("Number of line loads:", count);
    main->addLayout(form);
    const ListButtons buttons = AddListButtons(
        main, pointList_, this, {"Add Load", "Change Load", "Delete Load", "Delete All"},
        {"addLoad", "changeLoad", "deleteLoad", "deleteAll"});
    layout->addLayout(main);
    auto* side = new QVBoxLayout;
    AddOkCancel(side, this, Qt::Vertical);
    side->addStretch();
    layout->addLayout(side);

    pointList_->SetEntryEdit(edits[0]);
    for (int i = 0; i < 6; ++i) pointList_->SetColumnEdit(i, edits[i]);

    dx_ = new DataExchange(this);
    dx_->Number(edits[2], edits_.horizontal);
    dx_->Number(edits[5], edits_.inclination);
    dx_->Number(edits[4], edits_.resultant);
    dx_->Number(edits[3], edits_.vertical);
    dx_->Number(edits[0], edits_.x);
    dx_->Number(edits[1], edits_.y);
    dx_->Choice(forceFormList_, forceForm_);
    dx_->Integer(count, numberOfLoads_);

    updating_ = true;
    pointList_->clear();
    for (const s_LineLoadType& load : loads_) pointList_->AddRow(Row(load));
    if (loads_.empty()) pointList_->ShowEmptyText(true);
    updating_ = false;
    numberOfLoads_ = static_cast<int>(loads_.size());
    dx_->ToWidgets();
    pointList_->UpdateButtons();
    for (QLineEdit* edit : edits) WatchEntryEdit(edit, buttons.add);
    SaveDefaultButton();
    ForceFields();

    connect(forceFormList_, &QComboBox::currentIndexChanged, this, [this] { ForceFields(); });
    ConnectListButtons(buttons, pointList_, this, updating_, &CmLineLoadInput::OnAddLoad,
                       &CmLineLoadInput::OnChangeLoad, &CmLineLoadInput::OnDeleteLoad,
                       &CmLineLoadInput::OnDeleteAll, &CmLineLoadInput::OnSelection);
}

CmLineLoadInput::~CmLineLoadInput() { delete dx_; }

std::vector<double> CmLineLoadInput::Row(const s_LineLoadType& r) {
    return {r.x, r.y, r.horizontal, r.vertical, r.resultant, r.inclination};
}

void CmLineLoadInput::ForceFields() {
    if (!dx_->FromWidgets()) return;
    const bool components = forceForm_ != 1;
    edits[2]->setEnabled(components);
    edits[3]->setEnabled(components);
    edits[4]->setEnabled(!components);
    edits[5]->setEnabled(!components);
    dx_->ToWidgets();
}

void CmLineLoadInput::ShowRecord(const s_LineLoadType& record) {
    edits_ = record;
    forceForm_ = record.option == Cpp_LineLoad::ByResultant ? 1 : 0;
    numberOfLoads_ = static_cast<int>(loads_.size());
    dx_->ToWidgets();
}

bool CmLineLoadInput::RecordOfEdits(s_LineLoadType& record) {
    record = edits_;
    record.option = forceForm_ == 1 ? Cpp_LineLoad::ByResultant : Cpp_LineLoad::ByComponents;
    const bool zero = record.option == Cpp_LineLoad::ByComponents
                          ? record.horizontal == 0.0 && record.vertical == 0.0
                          : record.resultant == 0.0;
    if (zero) {
        ShowErrorOnWindow(Handle(), kLineLoadError,
                          "Error: Line load is zero; zero line loads are not allowed.");
        return false;
    }
    Cpp_LineLoad::FromTableRecord(record);
    return true;
}

void CmLineLoadInput::OnAddLoad() {
    if (!dx_->FromWidgets()) return;
    s_LineLoadType record;
    if (!RecordOfEdits(record)) return;
    for (const s_LineLoadType& load : loads_)
        if (load.x == record.x && load.y == record.y) {
            ShowErrorOnWindow(Handle(), kLineLoadError,
                              "Error: A line load already exists at this point.  Two line loads "
                              "may not have the same X-Y coordinate.");
            return;
        }
    const int index = static_cast<int>(loads_.size());
    loads_.push_back(record);
    updating_ = true;
    pointList_->InsertRow(index, Row(record));
    updating_ = false;
    currentPoint_ = index;
    ShowRecord(record);
    pointList_->UpdateButtons();
    pointList_->FocusEntryEdit();
}

void CmLineLoadInput::OnChangeLoad() {
    const int selected = pointList_->DataRowCount() > 0 ? pointList_->CurSel() : -1;
    if (selected < 0) {
        ShowErrorOnWindow(Handle(), "Unexpected Error",
                          "Error: An unexpected error has occurred - Notify Brevant Software.");
        return;
    }
    if (!dx_->FromWidgets()) return;
    for (std::size_t i = 0; i < loads_.size(); ++i)
        if (static_cast<int>(i) != selected && loads_[i].x == edits_.x && loads_[i].y == edits_.y) {
            ShowErrorOnWindow(Handle(), kLineLoadError,
                              "Error: New X-Y coordinate for the line load are the same as those "
                              "for an existing line load.  Two line loads may not have the same "
                              "X-Y coordinate.");
            return;
        }
    // The changed load is checked before it replaces the old one, which a refusal keeps.
    s_LineLoadType record;
    if (!RecordOfEdits(record)) return;
    loads_[selected] = record;
    updating_ = true;
    pointList_->ReplaceRow(selected, Row(record));
    updating_ = false;
    currentPoint_ = selected;
    ShowRecord(record);
    pointList_->UpdateButtons();
    pointList_->FocusEntryEdit();
}

void CmLineLoadInput::OnDeleteLoad() {
    dx_->FromWidgets();
    updating_ = true;
    const int row = pointList_->DeleteSelectedRow();
    updating_ = false;
    if (row >= 0) loads_.erase(loads_.begin() + row);
    currentPoint_ = -1;
    numberOfLoads_ = static_cast<int>(loads_.size());
    dx_->ToWidgets();
    pointList_->UpdateButtons();
    pointList_->FocusEntryEdit();
}

void CmLineLoadInput::OnDeleteAll() {
    loads_.clear();
    currentPoint_ = -1;
    updating_ = true;
    pointList_->ShowEmptyText(true);
    updating_ = false;
    pointList_->UpdateButtons();
    pointList_->FocusEntryEdit();
    numberOfLoads_ = 0;
    dx_->ToWidgets();
}

void CmLineLoadInput::OnSelection() {
    const int chosen = pointList_->DataRowCount() > 0 ? pointList_->CurSel() : -1;
    if (chosen >= 0) {
        currentPoint_ = chosen;
        ShowRecord(loads_[chosen]);
    }
    pointList_->UpdateButtons();
    ForceFields();
}

// ---- the slot windows

bool QtLoadLists::EditDistributedLoads(s_DistributedLoadTable& table) {
    CmDistributedLoadInput dialog(table, owner_);
    if (dialog.exec() != QDialog::Accepted) return false;
    table = dialog.Table();
    return true;
}

bool QtLoadLists::EditLineLoads(s_LineLoadTable& table) {
    CmLineLoadInput dialog(table, owner_);
    if (dialog.exec() != QDialog::Accepted) return false;
    table.loads = dialog.Loads();
    return true;
}

}  // namespace dialogs
