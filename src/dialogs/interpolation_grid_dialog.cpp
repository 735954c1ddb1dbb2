#include "dialogs/interpolation_grid_dialog.h"

#include "core/file_io.h"
#include "core/message_boxes.h"
#include "core/output_settings.h"
#include "core/preferences.h"
#include "dialogs/dialog_title.h"
#include "dialogs/interpolation_import_box.h"
#include "dialogs/table_grid.h"
#include "gridctrl/grid_ctrl_kdx.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <filesystem>

namespace dialogs {

namespace {

constexpr int kLeastRows = 51;  // the heading and 50 data rows
constexpr int kAutomaticRows = 10;

}  // namespace

const char* InterpolationKindSuffix(int kind) {
    switch (kind) {
    case 1: return " - Pressure Values";
    case 2: return " - Pore Pressure Coefficients (r-sub-u)";
    case 3: return " - Shear Strength Values";
    case 5: return " - c/p Values";
    default: return "";
    }
}

const char* ValueTitle(int kind) {
    switch (kind) {
    case 1: return "Pressure";
    case 2: return "(r-sub-u)";
    case 3: return "Strength";
    case 5: return "c/p";
    default: return "Value";
    }
}

namespace {

const char* KindSuffix(int kind) { return InterpolationKindSuffix(kind); }

}  // namespace

int InterpolationValueDecimals(int kind) {
    switch (kind) {
    case 2: return CurrentOutputSettings().rSubUDecimals;
    case 5: return CurrentOutputSettings().cpRatioDecimals;
    default: return Cpp_KlivenSettings::StressDecimals();
    }
}

namespace {

int ValueDecimals(int kind) { return InterpolationValueDecimals(kind); }

std::string SourceText(int kind, int source) {
    if (kind != 1) return "KLIVEN4 Input";
    switch (source) {
    case 0: return "KLIVEN4 Input";
    case 1: return "Import File";
    case 2: return "SEEP2D";
    case 3: return "SEEPW";
    default: return "?????";
    }
}

}  // namespace

InterpolationTableDialog::InterpolationTableDialog(const s_InterpolationTable& table,
                                                   QWidget* parent)
    : QDialog(parent), table_(table) {
    setObjectName("interpolationGridDialog");
    setWindowTitle(QString("Interpolation Data") + KindSuffix(table_.kind));
    AppendStageToTitle(this, table_.stage);
    auto* layout = new QVBoxLayout(this);

    auto* sourceRow = new QHBoxLayout;
    sourceRow->addWidget(new QLabel("Source of data:", this));
    auto* source =
        new QLineEdit(QString::fromStdString(SourceText(table_.kind, table_.source)), this);
    source->setObjectName("source");
    source->setReadOnly(true);
    sourceRow->addWidget(source);
    layout->addLayout(sourceRow);

    importBox_ = new InterpolationImportBox(
        table_, {"Browse...", "Read data into preprocessor", true, true}, this);
    layout->addWidget(importBox_);
    layout->addWidget(MakeTableWidget(this, grid_), 1);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    resize(640, 640);

    const std::string coordinate = CoordinateFormat();
    const int count = static_cast<int>(table_.points.size());
    grid_->SetupTable(5, std::max(count + 1, kLeastRows), false,
                      {"Point", "X", "Y", ValueTitle(table_.kind), "Material"}, "Point", {},
                      {{},
                       DoubleColumn(coordinate),
                       DoubleColumn(coordinate),
                       DoubleColumn(FixedFormat(ValueDecimals(table_.kind))),
                       {gridctrl::kIntegerColumn, false, "%1d"}},
                      0, 100, -1, kAutomaticRows);
    gridctrl::TableValues rows(table_.points.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const InterpolationPtType& p = table_.points[i];
        rows[i][0].number = p.x;
        rows[i][1].number = p.y;
        rows[i][2].number = p.value;
        rows[i][3].integer = p.material;
    }
    grid_->SetTableValues(rows);
}

void InterpolationTableDialog::accept() {
    s_InterpolationTable read = table_;
    importBox_->Store(read);
    read.points.clear();
    const bool importing =
        std::any_of(read.import.begin(), read.import.end(), [](bool b) { return b; });
    if (!importing) {
        int last = 0;
        if (!grid_->ValidateTable(&last)) return;
        if (last > 0) {
            if (!grid_->ValidateTableData(&last, 3, -1)) return;
            gridctrl::TableValues rows;
            if (!grid_->GetTableValues(rows, 3, -1)) return;
            for (const gridctrl::TableRow& r : rows)
                read.points.push_back({r[0].number, r[1].number, r[2].number, r[3].integer});
        }
    }
    table_ = read;
    QDialog::accept();
}

bool QtInterpolationGrid::Run(s_InterpolationTable& table) {
    InterpolationTableDialog dialog(table, owner_);
    if (dialog.exec() != QDialog::Accepted) return false;
    table = dialog.Table();
    return true;
}

}  // namespace dialogs
