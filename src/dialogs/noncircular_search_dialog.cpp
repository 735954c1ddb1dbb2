#include "dialogs/noncircular_search_dialog.h"

#include "core/preferences.h"
#include "core/text_formats.h"
#include "gridctrl/grid_ctrl_kdx.h"
#include "gridctrl/grid_ctrl_widget.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace dialogs {

namespace {

enum e_Constraint { kDirectionComputed = 0, kDirectionSpecified = 1, kFixed = 2 };
constexpr int kDirectionColumn = 3;
constexpr int kConstraintColumn = 4;

int ConstraintOf(const Cpp_NoncircularShearSurfacePoint& p) {
    if (!p.IsMoveable()) return kFixed;
    return p.IsShiftDirectionComputed() ? kDirectionComputed : kDirectionSpecified;
}

}  // namespace

const char* const CmAnalCompSearchNoncGridInput::kConstraintTexts[3] = {
    "Point is moveable - direction computed     ", "Point is moveable - direction specified     ",
    "Point is fixed     "};

CmAnalCompSearchNoncGridInput::CmAnalCompSearchNoncGridInput(const s_NoncircularSearchType& record,
                                                             QWidget* parent)
    : QDialog(parent), record_(record), dx_(this) {
    setObjectName("noncircularSearchDialog");
    setWindowTitle("Search with Noncircular Slip Surface");
    auto* layout = new QVBoxLayout(this);
    table_ = new gridctrl::GridCtrlWidget(this, std::make_unique<gridctrl::CGridCtrlKDX>());
    table_->setObjectName("points");
    table_->setMinimumSize(620, 260);
    layout->addWidget(table_);

    auto* lower = new QHBoxLayout;
    auto* shift = new QGroupBox("Shift parameters", this);
    auto* form = new QFormLayout(shift);
    auto edit = [&](const char* name, const char* label, double& value) {
        auto* e = new QLineEdit(shift);
        e->setObjectName(name);
        form->addRow(label, e);
        dx_.Number(e, value);
    };
    edit("initialShift", "Initial distance for shifting points:", record_.initialShift);
    edit("finalShift", "Final distance for shifting points:", record_.finalShift);
    edit("maximumSteepness", "Maximum steepness at toe (degrees):", record_.maximumSteepness);
    lower->addWidget(shift);
    auto* right = new QVBoxLayout;
    // The options of the search have no window of their own.
    auto* options = new QPushButton("Options...", this);
    options->setObjectName("options");
    options->setEnabled(false);
    right->addWidget(options);
    right->addStretch();
    auto* buttons =
        new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, Qt::Vertical, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    right->addWidget(buttons);
    lower->addLayout(right);
    layout->addLayout(lower);

    std::string coordinates, angles;
    Cpp_Strings::MakeNumberFormat(1, 1, Cpp_KlivenSettings::CoordinateDecimals(), coordinates);
    Cpp_Strings::MakeNumberFormat(1, 1, Cpp_KlivenSettings::AngleDecimals(), angles);
    const int count = static_cast<int>(record_.points.size());
    Table().SetupTable(
        5, count == 0 ? 11 : count + 1, false,
        {"Point", "      X      ", "      Y      ", " Shift Direction ", "Shift Constraint"},
        "Point",
        gridctrl::CGridComboColumn(kConstraintColumn,
                                   {kConstraintTexts[0], kConstraintTexts[1], kConstraintTexts[2]}),
        {{},
         {gridctrl::kDoubleColumn, false, coordinates},
         {gridctrl::kDoubleColumn, false, coordinates},
         {gridctrl::kDoubleColumn, true, angles},
         {gridctrl::kOptionColumn, false, ""}},
        0, 75, kDirectionColumn, 5);
    Table().SetOwner(this);
    LoadPointsIntoGrid();
}

gridctrl::CGridCtrlKDX& CmAnalCompSearchNoncGridInput::Table() {
    return static_cast<gridctrl::CGridCtrlKDX&>(table_->Grid());
}

void CmAnalCompSearchNoncGridInput::LoadPointsIntoGrid() {
    gridctrl::TableValues rows(record_.points.size());
    for (std::size_t i = 0; i < record_.points.size(); ++i) {
        const Cpp_NoncircularShearSurfacePoint& p = record_.points[i];
        const int constraint = ConstraintOf(p);
        rows[i][0].number = p.X();
        rows[i][1].number = p.Y();
        rows[i][2].number = constraint == kDirectionSpecified ? p.GetShiftAngleDegrees() : 0.0;
        rows[i][3].integer = constraint;
    }
    Table().SetTableValues(rows);
    dx_.ToWidgets();
    for (int row = 1; row < Table().GetRowCount(); ++row) {
        const std::size_t i = static_cast<std::size_t>(row - 1);
        const bool specified =
            i < record_.points.size() && ConstraintOf(record_.points[i]) == kDirectionSpecified;
        Table().SetCellEditable(row, kDirectionColumn, specified);
    }
}

int CmAnalCompSearchNoncGridInput::OnOptionChanged(gridctrl::CCellID cell, int index) {
    if (cell.col == kConstraintColumn && cell.row > 0)
        Table().SetCellEditable(cell.row, kDirectionColumn, index == kDirectionSpecified);
    return 0;
}

void CmAnalCompSearchNoncGridInput::accept() {
    if (!dx_.FromWidgets()) return;
    int lastRow = 0;
    if (!Table().ValidateTableData(&lastRow, 2, -1)) return;
    gridctrl::TableValues rows;
    if (!Table().GetTableValues(rows, 2, -1)) return;
    record_.points.clear();
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const int constraint = rows[i][3].integer;
        const double angle = constraint == kDirectionSpecified ? rows[i][2].number : 0.0;
        record_.points.emplace_back(static_cast<int>(i) + 1, rows[i][0].number, rows[i][1].number,
                                    angle, constraint != kFixed, constraint == kDirectionComputed);
    }
    QDialog::accept();
}

bool QtNoncircularSearchDialog::Run(s_NoncircularSearchType& record) {
    CmAnalCompSearchNoncGridInput dialog(record, owner_);
    if (dialog.exec() != QDialog::Accepted) return false;
    record = dialog.Record();
    return true;
}

}  // namespace dialogs
