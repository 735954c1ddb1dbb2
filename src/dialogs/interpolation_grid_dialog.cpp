#include "dialogs/interpolation_grid_dialog.h"

#include "core/file_io.h"
#include "core/message_boxes.h"
#include "core/output_settings.h"
#include "core/preferences.h"
#include "dialogs/dialog_title.h"
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

constexpr const char* kTextFilter = "Text Files(*.TXT)|*.txt|All Files(*.*)|*.*|";
constexpr const char* kSeep2dFilter =
    "GMS/SEEP2D Export Files(*.UPP)|*.upp|Text Files(*.TXT)|*.txt|All Files(*.*)|*.*|";

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

    auto* box = new QGroupBox("Import from file", this);
    auto* groupsLayout = new QGridLayout(box);
    const char* importTexts[] = {"Import from generic file", "Import from GMS/SEEP2D file",
                                 "Import from SEEP/W file"};
    const char* nameTexts[] = {
        "Name of generic file:", "Name of GMS/SEEP2D file:", "Name of SEEP/W file:"};
    const char* names[] = {"Generic", "Seep2d", "SeepW"};
    for (int g = 0; g < s_InterpolationTable::kGroups; ++g) {
        Group& group = groups_[static_cast<std::size_t>(g)];
        const QString suffix = names[g];
        group.import = new QCheckBox(importTexts[g], box);
        group.import->setObjectName("import" + suffix);
        group.import->setChecked(table_.import[static_cast<std::size_t>(g)]);
        group.label = new QLabel(nameTexts[g], box);
        group.name = new QLineEdit(
            QString::fromStdString(table_.fileName[static_cast<std::size_t>(g)]), box);
        group.name->setObjectName("name" + suffix);
        group.browse = new QPushButton("Browse...", box);
        group.browse->setObjectName("browse" + suffix);
        group.read = new QCheckBox("Read data into preprocessor", box);
        group.read->setObjectName("read" + suffix);
        group.read->setChecked(table_.read[static_cast<std::size_t>(g)]);
        const int row = g * 2;
        groupsLayout->addWidget(group.import, row, 0);
        groupsLayout->addWidget(group.read, row, 1, 1, 2);
        groupsLayout->addWidget(group.label, row + 1, 0);
        groupsLayout->addWidget(group.name, row + 1, 1);
        groupsLayout->addWidget(group.browse, row + 1, 2);
        connect(group.import, &QCheckBox::clicked, this, [this, g] { ImportClicked(g); });
        connect(group.browse, &QPushButton::clicked, this, [this, g] { Browse(g); });
        // Only pressures come from the files of the seepage programs.
        if (g > 0 && table_.kind != 1) {
            for (QWidget* w :
                 {static_cast<QWidget*>(group.import), static_cast<QWidget*>(group.label),
                  static_cast<QWidget*>(group.name), static_cast<QWidget*>(group.browse),
                  static_cast<QWidget*>(group.read)}) {
                w->setEnabled(false);
                w->hide();
            }
        }
    }
    layout->addWidget(box);
    layout->addWidget(MakeTableWidget(this, grid_), 1);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    resize(640, 640);
    ApplyGroupRules();

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

void InterpolationTableDialog::ApplyGroupRules() {
    for (Group& group : groups_) {
        if (group.import->isHidden()) continue;
        const bool on = group.import->isChecked();
        group.name->setEnabled(on);
        group.browse->setEnabled(on);
        group.read->setEnabled(on);
    }
}

void InterpolationTableDialog::ImportClicked(int group) {
    if (groups_[static_cast<std::size_t>(group)].import->isChecked())
        for (int g = 0; g < s_InterpolationTable::kGroups; ++g)
            if (g != group) groups_[static_cast<std::size_t>(g)].import->setChecked(false);
    ApplyGroupRules();
}

bool ChooseInterpolationImportFile(QWidget* parent, int group, std::string& name) {
    std::filesystem::path chosen = "import.dat";
    if (!Cpp_FileIO::GetWindowsInputFileName(
            parent, "Choose file to import", {},
            group == s_InterpolationTable::kSeep2d ? kSeep2dFilter : kTextFilter, 1, chosen))
        return false;
    const bool fullPath = AskYesNoOnMainWindowEx("Choose File Name Format",
                                                 "Include full path as part of file name?", false);
    name = fullPath ? chosen.string() : chosen.filename().string();
    return true;
}

void InterpolationTableDialog::Browse(int group) {
    std::string name;
    if (ChooseInterpolationImportFile(this, group, name))
        groups_[static_cast<std::size_t>(group)].name->setText(QString::fromStdString(name));
}

void InterpolationTableDialog::accept() {
    s_InterpolationTable read = table_;
    for (int g = 0; g < s_InterpolationTable::kGroups; ++g) {
        const Group& group = groups_[static_cast<std::size_t>(g)];
        read.import[static_cast<std::size_t>(g)] = group.import->isChecked();
        read.read[static_cast<std::size_t>(g)] = group.read->isChecked();
        read.fileName[static_cast<std::size_t>(g)] = group.name->text().toStdString();
    }
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
