#include "dialogs/analysis_list_dialogs.h"

#include "core/format_text.h"
#include "core/message_boxes.h"
#include "core/preferences.h"
#include "core/text_formats.h"
#include "dialogs/choice_dialogs.h"
#include "dialogs/data_exchange.h"
#include "dialogs/dialog_title.h"
#include "dialogs/list_dialog_parts.h"

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

const char* const kAnalysisError = "Analysis/Computation Data Error";
const char* const kXYError = "X-Y Line Input Error";

}  // namespace

// ---- noncircular search

CmAnalCompSearchNoncInput::CmAnalCompSearchNoncInput(const s_NoncircularSearchType& record,
                                                     QWidget* parent)
    : CmInputDialog1(parent), finalShift_(record.finalShift), initialShift_(record.initialShift),
      steepness_(record.maximumSteepness), points_(record.points) {
    setObjectName("noncircularSearchList");
    setWindowTitle("Search with Noncircular Slip Surface");

    auto* layout = new QHBoxLayout(this);
    auto* main = new QVBoxLayout;
    auto* surface = new QGroupBox("Initial trial shear surface", this);
    auto* surfaceLayout = new QVBoxLayout(surface);
    const int xy = Cpp_KlivenSettings::CoordinateDecimals();
    const std::vector<QWidget*> headings =
        AddListWithHeadings(surfaceLayout, pointList_, surface,
                            {{"X", 12, CmListBoxColumns::kFixed, xy},
                             {"Y", 12, CmListBoxColumns::kFixed, xy},
                             {"Shift Constraints", 32, CmListBoxColumns::kRightText, 0}},
                            "<No noncircular shear surface points>");
    auto* fields = new QFormLayout;
    QLineEdit* xEdit = MakeListEdit("x", surface);
    QLineEdit* yEdit = MakeListEdit("y", surface);
    constraintList_ = new QComboBox(surface);
    constraintList_->setObjectName("shiftConstraint");
    constraintList_->addItems({"Point is moveable - direction computed",
                               "Point is moveable - direction specified", "Point is fixed"});
    angleEdit_ = MakeListEdit("shiftAngle", surface);
    QLineEdit* count = MakeListEdit("numberOfPoints", surface, true);
    fields->addRow("X:", xEdit);
    fields->addRow("Y:", yEdit);
    fields->addRow("Shift constraint:", constraintList_);
    fields->addRow("Shift angle (degrees):", angleEdit_);
    fields->addRow("Number of points:", count);
    surfaceLayout->addLayout(fields);
    const ListButtons buttons =
        AddListButtons(surfaceLayout, pointList_, surface,
                       {"Add Point", "Change Point", "Delete Point", "Delete All Points"},
                       {"addPoint", "changePoint", "deletePoint", "deleteAllPoints"});
    main->addWidget(surface);

    auto* shift = new QGroupBox("Shift parameters", this);
    auto* shiftForm = new QFormLayout(shift);
    QLineEdit* initial = MakeListEdit("initialShift", shift);
    QLineEdit* final = MakeListEdit("finalShift", shift);
    QLineEdit* steepness = MakeListEdit("maximumSteepness", shift);
    shiftForm->addRow("Initial distance for shifting points:", initial);
    shiftForm->addRow("Final distance for shifting points:", final);
    shiftForm->addRow("Maximum steepness at toe (degrees):", steepness);
    main->addWidget(shift);
    layout->addLayout(main);
    auto* side = new QVBoxLayout;
    AddOkCancel(side, this, Qt::Vertical);
    // Left without an action, as in the table form of the search.
    side->addWidget(MakeListButton("Options...", "options", this));
    side->addStretch();
    layout->addLayout(side);

    pointList_->SetColumnEdit(0, xEdit);
    pointList_->SetColumnEdit(1, yEdit);
    pointList_->SetEntryEdit(xEdit);
    const int n = pointList_->CharactersIn(headings[2]->width()) + 1;
    Cpp_Strings::MakeNumberFormat(1, (n - 1) / 2, Cpp_KlivenSettings::AngleDecimals(),
                                  angleFormat_);

    dx_ = new DataExchange(this);
    dx_->Number(final, finalShift_);
    dx_->Number(initial, initialShift_);
    dx_->Number(steepness, steepness_);
    dx_->Number(angleEdit_, shiftAngle_);
    dx_->Number(xEdit, x_);
    dx_->Number(yEdit, y_);
    dx_->Choice(constraintList_, constraint_);
    dx_->Integer(count, pointCount_);

    updating_ = true;
    pointList_->clear();
    for (const Cpp_NoncircularShearSurfacePoint& p : points_)
        pointList_->AddRowWithText({p.X(), p.Y()}, ConstraintText(p));
    if (points_.empty()) pointList_->ShowEmptyText(true);
    updating_ = false;
    Show();
    AngleRule();
    for (QWidget* w : {static_cast<QWidget*>(xEdit), static_cast<QWidget*>(yEdit),
                       static_cast<QWidget*>(angleEdit_)})
        WatchEntryEdit(static_cast<QLineEdit*>(w), buttons.add);
    SaveDefaultButton();

    connect(constraintList_, &QComboBox::currentIndexChanged, this, [this] { AngleRule(); });
    ConnectListButtons(
        buttons, pointList_, this, updating_, &CmAnalCompSearchNoncInput::OnAddPoint,
        &CmAnalCompSearchNoncInput::OnChangePoint, &CmAnalCompSearchNoncInput::OnDeletePoint,
        &CmAnalCompSearchNoncInput::OnDeleteAllPoints, &CmAnalCompSearchNoncInput::OnSelection);
}

CmAnalCompSearchNoncInput::~CmAnalCompSearchNoncInput() { delete dx_; }

s_NoncircularSearchType CmAnalCompSearchNoncInput::Record() const {
    s_NoncircularSearchType record;
    record.initialShift = initialShift_;
    record.finalShift = finalShift_;
    record.maximumSteepness = steepness_;
    record.points = points_;
    return record;
}

std::string
CmAnalCompSearchNoncInput::ConstraintText(const Cpp_NoncircularShearSurfacePoint& p) const {
    if (!p.IsMoveable()) return " Fixed";
    if (p.IsShiftDirectionComputed()) return " Moveable - Direction Computed";
    return FormatDynamic(angleFormat_, p.GetShiftAngleDegrees());
}

Cpp_NoncircularShearSurfacePoint CmAnalCompSearchNoncInput::EditedPoint() const {
    switch (constraint_) {
    case 1: return {0, x_, y_, shiftAngle_, true, false};
    case 2: return {0, x_, y_, 0.0, false, false};
    default: return {0, x_, y_, 0.0, true, true};
    }
}

void CmAnalCompSearchNoncInput::Show() {
    pointCount_ = static_cast<int>(points_.size());
    dx_->ToWidgets();
    pointList_->UpdateButtons();
}

void CmAnalCompSearchNoncInput::AngleRule() {
    angleEdit_->setEnabled(constraintList_->currentIndex() == 1);
}

int CmAnalCompSearchNoncInput::Position(double x, int skip) {
    for (std::size_t i = 0; i < points_.size(); ++i)
        if (static_cast<int>(i) != skip && points_[i].X() == x) {
            ShowErrorOnWindow(Handle(), kAnalysisError,
                              "Error: Point being added already exists.  Two points cannot have "
                              "the same X value.");
            return -1;
        }
    int index = 0;
    for (std::size_t i = 0; i < points_.size(); ++i)
        if (static_cast<int>(i) != skip && points_[i].X() < x) ++index;
    return index;
}

void CmAnalCompSearchNoncInput::Insert(int index, const Cpp_NoncircularShearSurfacePoint& p) {
    points_.insert(points_.begin() + index, p);
    updating_ = true;
    pointList_->InsertRowWithText(index, {p.X(), p.Y()}, ConstraintText(p));
    updating_ = false;
    currentPoint_ = index;
    pointList_->FocusEntryEdit();
    Show();
}

void CmAnalCompSearchNoncInput::OnAddPoint() {
    if (!dx_->FromWidgets()) return;
    const int index = Position(x_, -1);
    if (index >= 0) Insert(index, EditedPoint());
}

void CmAnalCompSearchNoncInput::OnChangePoint() {
    const int selected = pointList_->DataRowCount() > 0 ? pointList_->CurSel() : -1;
    if (selected < 0) {
        ShowErrorOnWindow(Handle(), "Edit Error", "Error - You must first select a point to edit");
        return;
    }
    if (!dx_->FromWidgets()) return;
    // The changed point is checked before the old one goes, so a refusal keeps it.
    const int index = Position(x_, selected);
    if (index < 0) return;
    points_.erase(points_.begin() + selected);
    updating_ = true;
    delete pointList_->takeItem(selected);
    updating_ = false;
    Insert(index, EditedPoint());
}

void CmAnalCompSearchNoncInput::OnDeletePoint() {
    if (!dx_->FromWidgets()) return;
    const int selected = pointList_->DataRowCount() > 0 ? pointList_->CurSel() : -1;
    if (selected < 0) return;
    points_.erase(points_.begin() + selected);
    updating_ = true;
    delete pointList_->takeItem(selected);
    pointList_->SetCurSel(-1);
    updating_ = false;
    currentPoint_ = -1;
    Show();
}

void CmAnalCompSearchNoncInput::OnDeleteAllPoints() {
    if (!dx_->FromWidgets()) return;
    updating_ = true;
    if (pointList_->count() > 0) pointList_->ShowEmptyText(true);
    updating_ = false;
    points_.clear();
    shiftAngle_ = x_ = y_ = 0.0;
    currentPoint_ = -1;
    Show();
    pointList_->FocusEntryEdit();
}

void CmAnalCompSearchNoncInput::OnSelection() {
    const int selected = pointList_->DataRowCount() > 0 ? pointList_->CurSel() : -1;
    if (selected >= 0) {
        dx_->FromWidgets();
        const Cpp_NoncircularShearSurfacePoint& p = points_[selected];
        currentPoint_ = selected;
        x_ = p.X();
        y_ = p.Y();
        constraint_ = !p.IsMoveable() ? 2 : p.IsShiftDirectionComputed() ? 0 : 1;
        shiftAngle_ = p.GetShiftAngleDegrees();
        dx_->ToWidgets();
        AngleRule();
    }
    pointList_->UpdateButtons();
}

// ---- the points of one line

CmSimpleXYLineInput::CmSimpleXYLineInput(const s_XYLineListType& record, QWidget* parent)
    : CmInputDialog1(parent), record_(record), points_(record.points) {
    setObjectName("xyLineList");
    setWindowTitle("Enter Points for Line");
    if (!record_.caption.empty()) setWindowTitle(QString::fromStdString(record_.caption));
    if (record_.stage > 0) AppendStageToTitle(this, record_.stage);

    auto* layout = new QHBoxLayout(this);
    auto* main = new QVBoxLayout;
    const int xy = Cpp_KlivenSettings::CoordinateDecimals();
    AddListWithHeadings(
        main, pointList_, this,
        {{"X", 14, CmListBoxColumns::kFixed, xy}, {"Y", 14, CmListBoxColumns::kFixed, xy}}, "");
    auto* fields = new QHBoxLayout;
    QLineEdit* xEdit = MakeListEdit("x", this);
    QLineEdit* yEdit = MakeListEdit("y", this);
    fields->addWidget(new QLabel("X:", this));
    fields->addWidget(xEdit);
    fields->addWidget(new QLabel("Y:", this));
    fields->addWidget(yEdit);
    main->addLayout(fields);
    const ListButtons buttons = AddListButtons(
        main, pointList_, this, {"Add Point", "Change Point", "Delete Point", "Delete All"},
        {"addPoint", "changePoint", "deletePoint", "deleteAll"});
    layout->addLayout(main);
    auto* side = new QVBoxLayout;
    AddOkCancel(side, this, Qt::Vertical);
    side->addStretch();
    layout->addLayout(side);

    pointList_->SetColumnEdit(0, xEdit);
    pointList_->SetColumnEdit(1, yEdit);
    pointList_->SetEntryEdit(xEdit);
    dx_ = new DataExchange(this);
    dx_->Number(xEdit, x_);
    dx_->Number(yEdit, y_);

    updating_ = true;
    pointList_->FillFromPoints(points_, static_cast<int>(points_.size()));
    if (!points_.empty()) {
        pointList_->ShowEmptyText(false);
        currentPoint_ = 0;
        x_ = points_[0].x;
        y_ = points_[0].y;
        pointList_->SetCurSel(0);
    }
    updating_ = false;
    dx_->ToWidgets();
    pointList_->UpdateButtons();
    WatchEntryEdit(xEdit, buttons.add);
    WatchEntryEdit(yEdit, buttons.add);
    SaveDefaultButton();

    ConnectListButtons(buttons, pointList_, this, updating_, &CmSimpleXYLineInput::OnAddPoint,
                       &CmSimpleXYLineInput::OnChangePoint, &CmSimpleXYLineInput::OnDeletePoint,
                       &CmSimpleXYLineInput::OnDeleteAll, &CmSimpleXYLineInput::OnSelection);
}

CmSimpleXYLineInput::~CmSimpleXYLineInput() { delete dx_; }

bool CmSimpleXYLineInput::Allowed(double x, double y, int skip, bool adding) {
    for (std::size_t i = 0; i < points_.size(); ++i) {
        if (static_cast<int>(i) == skip) continue;
        if (!record_.allowEqualPoints && points_[i].x == x && points_[i].y == y) {
            ShowErrorOnWindow(Handle(), kXYError,
                              adding ? "Error: Point being added already exists.  Two points "
                                       "cannot have the same X-Y coordinates."
                                     : "Error: New X-Y coordinates are the same as those for "
                                       "another point.  Two points cannot have the same "
                                       "coordinates.");
            return false;
        }
    }
    for (std::size_t i = 0; i < points_.size(); ++i) {
        if (static_cast<int>(i) == skip) continue;
        if (!record_.allowEqualX && points_[i].x == x) {
            ShowErrorOnWindow(Handle(), kXYError,
                              adding ? "Error: Point being added has the same X value as an "
                                       "existing point. Two points cannot have the same X values, "
                                       "i. e. vertical line segments are not allowed."
                                     : "Error: New X value is the same as the X value for an "
                                       "existing point.  Two points may not have the same X "
                                       "value, i. e. vertical line segments are not allowed.");
            return false;
        }
    }
    return true;
}

int CmSimpleXYLineInput::Position(double x) {
    if (insertPosition_ >= 0) return insertPosition_;
    if (points_.empty()) return 0;
    if (!record_.sortByX) return static_cast<int>(points_.size());
    for (std::size_t i = 0; i < points_.size(); ++i) {
        if (points_[i].x == x) {
            bool before = false;
            if (!AskInsertBeforeOrAfter(before, false, this)) return -1;
            return static_cast<int>(before ? i : i + 1);
        }
        if (points_[i].x > x) return static_cast<int>(i);
    }
    return static_cast<int>(points_.size());
}

void CmSimpleXYLineInput::Insert(int index, const s_tagTypePointXY& p) {
    points_.insert(points_.begin() + index, p);
    updating_ = true;
    pointList_->InsertRow(index, std::vector<double>{p.x, p.y});
    updating_ = false;
    currentPoint_ = index;
    insertPosition_ = -1;
    pointList_->FocusEntryEdit();
    pointList_->UpdateButtons();
}

void CmSimpleXYLineInput::OnAddPoint() {
    if (!dx_->FromWidgets()) return;
    if (!Allowed(x_, y_, -1, true)) return;
    const int index = Position(x_);
    if (index < 0) return;
    Insert(index, {x_, y_});
}

bool CmSimpleXYLineInput::StoreEdits() {
    if (currentPoint_ < 0 || currentPoint_ >= static_cast<int>(points_.size())) return false;
    if (points_[currentPoint_].x == x_ && points_[currentPoint_].y == y_) return true;
    if (!Allowed(x_, y_, currentPoint_, false)) return false;
    const s_tagTypePointXY old = points_[currentPoint_];
    if (!record_.sortByX) {
        points_[currentPoint_] = {x_, y_};
        updating_ = true;
        pointList_->ReplaceRow(currentPoint_, {x_, y_});
        updating_ = false;
        return true;
    }
    // Taken out and put back by x; Cancel in the question puts it back where it was.
    points_.erase(points_.begin() + currentPoint_);
    const int index = Position(x_);
    if (index < 0) {
        points_.insert(points_.begin() + currentPoint_, old);
        return false;
    }
    updating_ = true;
    delete pointList_->takeItem(currentPoint_);
    updating_ = false;
    Insert(index, {x_, y_});
    return true;
}

void CmSimpleXYLineInput::OnChangePoint() {
    const int selected = pointList_->DataRowCount() > 0 ? pointList_->CurSel() : -1;
    if (selected < 0) {
        ShowErrorOnWindow(Handle(), "Unexpected Error",
                          "Error: An unexpected error has occurred - Notify Brevant Software.");
        return;
    }
    if (!dx_->FromWidgets()) return;
    currentPoint_ = selected;
    StoreEdits();
    pointList_->UpdateButtons();
}

void CmSimpleXYLineInput::OnDeletePoint() {
    const int selected = pointList_->DataRowCount() > 0 ? pointList_->CurSel() : -1;
    if (selected < 0) return;
    points_.erase(points_.begin() + selected);
    updating_ = true;
    delete pointList_->takeItem(selected);
    pointList_->SetCurSel(-1);
    updating_ = false;
    if (currentPoint_ == selected)
        currentPoint_ = -1;
    else if (currentPoint_ > selected)
        --currentPoint_;
    pointList_->UpdateButtons();
}

void CmSimpleXYLineInput::OnDeleteAll() {
    if (!points_.empty() &&
        !AskOkCancel(Handle(), "Confirmation", "Do you really want to delete data for all points?"))
        return;
    if (!dx_->FromWidgets()) return;
    updating_ = true;
    pointList_->clear();
    updating_ = false;
    points_.clear();
    currentPoint_ = -1;
    dx_->ToWidgets();
    pointList_->UpdateButtons();
}

void CmSimpleXYLineInput::OnSelection() {
    const int chosen = pointList_->CurSel();
    if (chosen < 0 || chosen >= static_cast<int>(points_.size())) return;
    const s_tagTypePointXY chosenPoint = points_[chosen];
    auto keepCurrent = [this] {
        updating_ = true;
        pointList_->SetCurSel(currentPoint_);
        updating_ = false;
    };
    if (currentPoint_ >= 0 && chosen != currentPoint_) {
        if (!dx_->FromWidgets()) return keepCurrent();
        const s_tagTypePointXY& p = points_[currentPoint_];
        if (p.x != x_ || p.y != y_) {
            const platform::BoxResult answer = AskYesNoCancel(
                Handle(), "Line Data", "Save data for current point before selecting new point?");
            if (answer == platform::BoxResult::Cancel) return keepCurrent();
            if (answer == platform::BoxResult::Yes && !StoreEdits()) return keepCurrent();
        }
    }
    // The chosen point again: storing may have moved the rows.
    int index = chosen;
    for (std::size_t i = 0; i < points_.size(); ++i)
        if (points_[i].x == chosenPoint.x && points_[i].y == chosenPoint.y) {
            index = static_cast<int>(i);
            break;
        }
    currentPoint_ = index;
    x_ = points_[index].x;
    y_ = points_[index].y;
    updating_ = true;
    pointList_->SetCurSel(index);
    updating_ = false;
    dx_->ToWidgets();
    pointList_->UpdateButtons();
    pointList_->FocusEntryEdit();
}

// ---- the slot windows

bool QtAnalysisLists::NoncircularSearch(s_NoncircularSearchType& record) {
    CmAnalCompSearchNoncInput dialog(record, owner_);
    if (dialog.exec() != QDialog::Accepted) return false;
    record = dialog.Record();
    return true;
}

bool QtAnalysisLists::XYLine(s_XYLineListType& record) {
    CmSimpleXYLineInput dialog(record, owner_);
    if (dialog.exec() != QDialog::Accepted) return false;
    record.points = dialog.Points();
    return true;
}

}  // namespace dialogs
