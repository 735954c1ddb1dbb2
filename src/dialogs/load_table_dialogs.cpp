#include "dialogs/load_table_dialogs.h"

#include "core/message_boxes.h"
#include "core/preferences.h"
#include "dialogs/dialog_title.h"
#include "dialogs/table_grid.h"
#include "gridctrl/grid_ctrl_kdx.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include <algorithm>

namespace dialogs {

namespace {

QDialogButtonBox* OkCancel(QDialog* dialog) {
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    return buttons;
}

}  // namespace

// ---- Distributed loads

DistributedLoadGridDialog::DistributedLoadGridDialog(const s_DistributedLoadTable& table,
                                                     QWidget* parent)
    : QDialog(parent), table_(table), dx_(this) {
    setObjectName("distributedLoadGridDialog");
    setWindowTitle("Distributed Loads");
    AppendStageToTitle(this, table_.stage);
    auto* layout = new QVBoxLayout(this);
    fromLine_ = new QCheckBox("Compute from piezometric line", this);
    fromLine_->setObjectName("fromPiezometricLine");
    layout->addWidget(fromLine_);
    auto* row = new QHBoxLayout;
    lineLabel_ = new QLabel("Piezometric line number:", this);
    line_ = new QLineEdit(this);
    line_->setObjectName("piezometricLine");
    row->addWidget(lineLabel_);
    row->addWidget(line_);
    row->addStretch();
    layout->addLayout(row);
    layout->addWidget(MakeTableWidget(this, grid_), 1);
    layout->addWidget(OkCancel(this));
    resize(520, 480);

    const std::string coordinate = CoordinateFormat();
    const std::string stress = FixedFormat(Cpp_KlivenSettings::StressDecimals());
    const int count = static_cast<int>(table_.points.size());
    grid_->SetupTable(5, 1 + std::max(20, count), false,
                      {"Item", TitleWithUnit("X", Quantity::Length),
                       TitleWithUnit("Y", Quantity::Length),
                       TitleWithUnit("Normal Stress", Quantity::Stress),
                       TitleWithUnit("Shear Stress", Quantity::Stress)},
                      "Point", {},
                      {{},
                       DoubleColumn(coordinate),
                       DoubleColumn(coordinate),
                       DoubleColumn(stress),
                       DoubleColumn(stress)},
                      0, 80, -1, 5);
    gridctrl::TableValues rows(table_.points.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const s_DistributedLoadPoint& p = table_.points[i];
        rows[i][0].number = p.x;
        rows[i][1].number = p.y;
        rows[i][2].number = p.normal;
        rows[i][3].number = p.shear;
    }
    grid_->SetTableValues(rows);
    dx_.Check(fromLine_, table_.fromPiezometricLine);
    dx_.Integer(line_, table_.piezometricLine);
    dx_.ToWidgets();
    const bool from = table_.fromPiezometricLine;
    lineLabel_->setEnabled(from);
    line_->setEnabled(from);
    grid_->EnableGrid(!from);
    connect(fromLine_, &QCheckBox::clicked, this, [this] { ApplyLineChoice(); });
}

void DistributedLoadGridDialog::ApplyLineChoice() {
    const bool from = fromLine_->isChecked();
    lineLabel_->setEnabled(from);
    line_->setEnabled(from);
    if (from) grid_->ClearCellTexts();
    grid_->EnableGrid(!from);
}

void DistributedLoadGridDialog::accept() {
    s_DistributedLoadTable read = table_;
    DataExchange dx(this);
    dx.Check(fromLine_, read.fromPiezometricLine);
    dx.Integer(line_, read.piezometricLine);
    if (!dx.FromWidgets()) return;
    if (read.fromPiezometricLine) {
        // A line number below 1 would be written as a block no reading accepts.
        if (read.piezometricLine < 1) {
            ShowErrorOnWindow(this, "Distributed Load Data Error",
                              "Error: Bad number for piezometric line to be used to generate "
                              "distributed loads.  Piezometric line number must be greater than "
                              "zero.");
            line_->setFocus();
            line_->selectAll();
            return;
        }
        table_ = read;
        QDialog::accept();
        return;
    }
    int last = 0;
    if (!grid_->ValidateTable(&last)) return;
    read.points.clear();
    if (last > 0) {
        if (!grid_->ValidateTableData(&last, 2, -1)) return;
        gridctrl::TableValues rows;
        if (!grid_->GetTableValues(rows, 2, -1)) return;
        for (const gridctrl::TableRow& r : rows)
            read.points.push_back({r[0].number, r[1].number, r[2].number, r[3].number});
    }
    table_ = read;
    QDialog::accept();
}

// ---- Line loads

namespace {

const std::vector<std::string> kLoadOptions = {"Components", "Magnitude and Direction"};

}  // namespace

LineLoadGridDialog::LineLoadGridDialog(const s_LineLoadTable& table, QWidget* parent)
    : QDialog(parent), table_(table) {
    setObjectName("lineLoadGridDialog");
    setWindowTitle("Line Load Data");
    AppendStageToTitle(this, table_.stage);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(MakeTableWidget(this, grid_), 1);
    layout->addWidget(OkCancel(this));
    resize(720, 420);

    const std::string coordinate = CoordinateFormat();
    const std::string force = FixedFormat(
        std::max(Cpp_KlivenSettings::ForceDecimals(), Cpp_KlivenSettings::AngleDecimals()));
    const int count = static_cast<int>(table_.loads.size());
    grid_->SetupTable(
        6, 1 + std::max(15, count), false,
        {"Item", TitleWithUnit("X", Quantity::Length), TitleWithUnit("Y", Quantity::Length),
         TitleWithUnit("Horiz. Component\nor Magnitude", Quantity::ForcePerLength),
         "Vert. Component\nor Inclination\n(" + UnitName(Quantity::ForcePerLength) + " or degrees)",
         "                   Option                   "},
        "Load", gridctrl::CGridComboColumn(5, kLoadOptions),
        {{},
         DoubleColumn(coordinate),
         DoubleColumn(coordinate),
         DoubleColumn(force),
         DoubleColumn(force),
         {gridctrl::kOptionColumn, false, ""}},
        0, 85, -1, 10);
    if (count > 0) {
        gridctrl::TableValues rows(table_.loads.size());
        for (std::size_t i = 0; i < rows.size(); ++i) {
            const s_LineLoadType& l = table_.loads[i];
            const bool byComponents = l.option == 1;
            rows[i][0].number = l.x;
            rows[i][1].number = l.y;
            rows[i][2].number = byComponents ? l.horizontal : l.resultant;
            rows[i][3].number = byComponents ? l.vertical : l.inclination;
            rows[i][4].integer = l.option - 1;
        }
        grid_->SetTableValues(rows);
    }
}

void LineLoadGridDialog::accept() {
    int last = 0;
    if (!grid_->ValidateTableData(&last, 0, -1)) return;
    std::vector<s_LineLoadType> loads;
    if (last > 0) {
        gridctrl::TableValues rows;
        if (!grid_->GetTableValues(rows, 1, -1)) return;
        for (std::size_t i = 0; i < rows.size(); ++i) {
            // A row keeps the other pair of forces of the load it replaces.
            s_LineLoadType l = i < table_.loads.size() ? table_.loads[i] : s_LineLoadType{};
            l.x = rows[i][0].number;
            l.y = rows[i][1].number;
            if (rows[i][4].integer == 0) {
                l.option = 1;
                l.horizontal = rows[i][2].number;
                l.vertical = rows[i][3].number;
            } else {
                l.option = 2;
                l.resultant = rows[i][2].number;
                l.inclination = rows[i][3].number;
            }
            loads.push_back(l);
        }
    }
    table_.loads = loads;
    QDialog::accept();
}

// ---- The windows of the slot

bool QtLoadTableDialogs::EditDistributedLoads(s_DistributedLoadTable& table) {
    DistributedLoadGridDialog dialog(table, owner_);
    if (dialog.exec() != QDialog::Accepted) return false;
    table = dialog.Table();
    return true;
}

bool QtLoadTableDialogs::EditLineLoads(s_LineLoadTable& table) {
    LineLoadGridDialog dialog(table, owner_);
    if (dialog.exec() != QDialog::Accepted) return false;
    table = dialog.Table();
    return true;
}

}  // namespace dialogs
