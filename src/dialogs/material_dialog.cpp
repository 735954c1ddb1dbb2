#include "dialogs/material_dialog.h"

#include "core/unit_words.h"

#include "dialogs/dialog_title.h"
#include "gridctrl/grid_ctrl_kdx.h"
#include "gridctrl/grid_ctrl_widget.h"

#include <QAbstractItemDelegate>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace dialogs {

namespace {

using Id = MaterialDialogState::TableId;
constexpr std::array<Id, 3> kTables = {MaterialDialogState::UnitWeightTable,
                                       MaterialDialogState::FirstStrengthTable,
                                       MaterialDialogState::SecondStrengthTable};

QString Q(const std::string& text) { return QString::fromStdString(text); }

// The unit word after a field.
QLabel* UnitLabel(QWidget* parent, const QString& name) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    return label;
}

}  // namespace

MaterialPropertiesDialog::MaterialPropertiesDialog(MaterialDialogState& state, QWidget* parent)
    : QDialog(parent), state_(state), dx_(this) {
    setObjectName("materialPropertiesDialog");
    setWindowTitle("Material Properties");
    AppendStageToTitle(this, state.Stage());
    Build();
    state_.SetWindow(this);
    state_.Graphs().SetDialogWindow(
        {[this] {
             const QRect r = frameGeometry();
             return platform::GraphRect{r.left(), r.top(), r.left() + r.width(),
                                        r.top() + r.height()};
         },
         [this](const platform::GraphRect& r) { move(r.left, r.top); }});
    auto& f = state_.Fields();
    // The order in which the fields are read back.
    dx_.Integer(number_, f.materialNumber);
    dx_.Number(unitWeight_, f.unitWeight);
    dx_.Choice(strength_, f.strengthIndex);
    dx_.Choice(porePressure_, f.porePressureIndex);
    dx_.Text(description_, f.description);
    dx_.Check(negative_, f.negativeAllowed);
    dx_.Number(value_, f.porePressureValue);
    dx_.Integer(line_, f.piezometricLine);
    for (int i = 0; i < 4; ++i) dx_.Number(strengthEdits_[i], f.strength[i]);
    dx_.Check(displayGraphs_, f.displayGraphs);
    dx_.Check(variable_, f.variableUnitWeight);
    Push();
}

MaterialPropertiesDialog::~MaterialPropertiesDialog() {
    state_.Graphs().Destroy();
    state_.Graphs().SetDialogWindow({});
    state_.SetWindow(nullptr);
}

void MaterialPropertiesDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // Once the dialog is up, a graph made while it was set up comes above it.
    QTimer::singleShot(0, this, [this] { state_.DialogShown(); });
}

int MaterialPropertiesDialog::StrengthTableOwner::OnEndEdit(gridctrl::CCellID) {
    dialog_.Run([this] { dialog_.state_.StrengthTableEdited(); });
    return 0;
}

void MaterialPropertiesDialog::Build() {
    auto* top = new QHBoxLayout(this);
    auto* left = new QVBoxLayout;
    top->addLayout(left, 1);

    auto* head = new QFormLayout;
    number_ = new QLineEdit(this);
    number_->setObjectName("materialNumber");
    number_->setEnabled(false);  // the number is changed in the list
    head->addRow("Material number:", number_);
    usage_ = new QLabel(this);
    usage_->setObjectName("usageText");
    head->addRow("Profile lines using this material:", usage_);
    description_ = new QLineEdit(this);
    description_->setObjectName("description");
    head->addRow("Description:", description_);
    left->addLayout(head);

    auto makeTable = [this](const char* name) {
        auto* widget =
            new gridctrl::GridCtrlWidget(this, std::make_unique<gridctrl::CGridCtrlKDX>());
        widget->setObjectName(name);
        widget->setMinimumHeight(150);
        widget->hide();
        return widget;
    };

    auto* weight = new QGroupBox("Unit Weight", this);
    auto* weightLayout = new QGridLayout(weight);
    unitWeightLabel_ = new QLabel("Unit weight:", weight);
    unitWeight_ = new QLineEdit(weight);
    unitWeight_->setObjectName("unitWeight");
    variable_ = new QCheckBox("Variable unit weight", weight);
    variable_->setObjectName("variableUnitWeight");
    unitWeightUnit_ = UnitLabel(weight, "unitWeightUnit");
    weightLayout->addWidget(unitWeightLabel_, 0, 0);
    weightLayout->addWidget(unitWeight_, 0, 1);
    weightLayout->addWidget(unitWeightUnit_, 0, 2);
    weightLayout->addWidget(variable_, 0, 3);
    tables_[MaterialDialogState::UnitWeightTable] = makeTable("unitWeightTable");
    weightLayout->addWidget(tables_[MaterialDialogState::UnitWeightTable], 1, 0, 1, 4);
    left->addWidget(weight);

    auto* strengthGroup = new QGroupBox("Shear Strength", this);
    auto* strengthLayout = new QVBoxLayout(strengthGroup);
    auto* optionRow = new QFormLayout;
    strength_ = new QComboBox(strengthGroup);
    strength_->setObjectName("strengthOption");
    for (const auto& text : state_.StrengthOptionTexts()) strength_->addItem(Q(text));
    optionRow->addRow("Strength option:", strength_);
    static const char* const defaultLabels[] = {
        "Strength 1:", "Strength 2:", "Rate of strength increase with depth below datum:",
        "Strength 4:"};
    for (int i = 0; i < 4; ++i) {
        strengthLabels_[i] = new QLabel(defaultLabels[i], strengthGroup);
        strengthEdits_[i] = new QLineEdit(strengthGroup);
        strengthEdits_[i]->setObjectName(QString("strength%1").arg(i + 1));
        strengthUnits_[i] = UnitLabel(strengthGroup, QString("strength%1Unit").arg(i + 1));
        auto* field = new QHBoxLayout;
        field->addWidget(strengthEdits_[i], 1);
        field->addWidget(strengthUnits_[i]);
        optionRow->addRow(strengthLabels_[i], field);
    }
    strengthLayout->addLayout(optionRow);
    auto* tableRow = new QHBoxLayout;
    tableRow->setSpacing(5);
    tables_[MaterialDialogState::FirstStrengthTable] = makeTable("firstStrengthTable");
    tables_[MaterialDialogState::SecondStrengthTable] = makeTable("secondStrengthTable");
    tableRow->addWidget(tables_[MaterialDialogState::FirstStrengthTable]);
    tableRow->addWidget(tables_[MaterialDialogState::SecondStrengthTable]);
    strengthLayout->addLayout(tableRow, 1);
    displayGraphs_ = new QCheckBox("Display graph(s) of data", strengthGroup);
    displayGraphs_->setObjectName("displayGraphs");
    strengthLayout->addWidget(displayGraphs_);
    left->addWidget(strengthGroup, 1);

    auto* pressureGroup = new QGroupBox("Pore Water Pressure", this);
    auto* pressureLayout = new QFormLayout(pressureGroup);
    porePressure_ = new QComboBox(pressureGroup);
    porePressure_->setObjectName("porePressureOption");
    for (const auto& text : MaterialDialogState::PorePressureOptionTexts())
        porePressure_->addItem(Q(text));
    pressureLayout->addRow("Pore pressure option:", porePressure_);
    valueLabel_ = new QLabel("PWP Double:", pressureGroup);
    value_ = new QLineEdit(pressureGroup);
    value_->setObjectName("porePressureValue");
    valueUnit_ = UnitLabel(pressureGroup, "porePressureValueUnit");
    auto* valueField = new QHBoxLayout;
    valueField->addWidget(value_, 1);
    valueField->addWidget(valueUnit_);
    pressureLayout->addRow(valueLabel_, valueField);
    lineLabel_ = new QLabel("U Long:", pressureGroup);
    line_ = new QLineEdit(pressureGroup);
    line_->setObjectName("piezometricLine");
    pressureLayout->addRow(lineLabel_, line_);
    negative_ = new QCheckBox("Negative pore water pressures allowed", pressureGroup);
    negative_->setObjectName("negativeAllowed");
    pressureLayout->addRow(negative_);
    left->addWidget(pressureGroup);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    left->addWidget(buttons);

    // The list part, left out with one material.
    if (!state_.SingleMaterial()) {
        materialsGroup_ = new QGroupBox("Existing Mat'ls", this);
        materialsGroup_->setObjectName("existingMaterials");
        auto* listLayout = new QVBoxLayout(materialsGroup_);
        auto* heading = new QLabel("Mat'l Number", materialsGroup_);
        heading->setAlignment(Qt::AlignRight);
        listLayout->addWidget(heading);
        list_ = new QListWidget(materialsGroup_);
        list_->setObjectName("materialList");
        list_->setSelectionMode(QAbstractItemView::SingleSelection);
        list_->setEditTriggers(QAbstractItemView::DoubleClicked |
                               QAbstractItemView::EditKeyPressed |
                               QAbstractItemView::SelectedClicked);
        listLayout->addWidget(list_, 1);
        auto button = [&](const char* text, const char* name) {
            auto* b = new QPushButton(text, materialsGroup_);
            b->setObjectName(name);
            b->setAutoDefault(false);
            listLayout->addWidget(b);
            return b;
        };
        connect(button("New Mat'l", "newMaterial"), &QPushButton::clicked, this,
                [this] { Run([this] { state_.NewMaterial(); }); });
        connect(button("Add Missing", "addMissing"), &QPushButton::clicked, this,
                [this] { Run([this] { state_.AddMissing(); }); });
        connect(button("Delete Mat'l", "deleteMaterial"), &QPushButton::clicked, this,
                [this] { Run([this] { state_.DeleteMaterial(); }); });
        connect(button("Delete All", "deleteAll"), &QPushButton::clicked, this,
                [this] { Run([this] { state_.DeleteAll(); }); });
        connect(list_, &QListWidget::currentRowChanged, this,
                &MaterialPropertiesDialog::OnListRowChanged);
        connect(list_, &QListWidget::itemChanged, this, &MaterialPropertiesDialog::OnListEdited);
        // An edit left with Escape gives no text.
        connect(list_->itemDelegate(), &QAbstractItemDelegate::closeEditor, this,
                [this](QWidget*, QAbstractItemDelegate::EndEditHint hint) {
                    if (hint != QAbstractItemDelegate::RevertModelCache || pushing_) return;
                    const int row = list_->currentRow();
                    Run([this, row] { state_.RenameMaterial(row, std::nullopt); });
                });
        top->addWidget(materialsGroup_);
    }

    connect(strength_, &QComboBox::activated, this,
            [this](int) { Run([this] { state_.StrengthOptionChanged(); }); });
    connect(porePressure_, &QComboBox::activated, this,
            [this](int) { Run([this] { state_.PorePressureOptionChanged(); }); });
    connect(displayGraphs_, &QCheckBox::clicked, this,
            [this](bool) { Run([this] { state_.DisplayGraphsChanged(); }); });
    for (Id id :
         {MaterialDialogState::FirstStrengthTable, MaterialDialogState::SecondStrengthTable})
        TableGrid(id).SetOwner(&tableOwner_);
    connect(variable_, &QCheckBox::clicked, this,
            [this](bool) { Run([this] { state_.VariableUnitWeightChanged(); }); });
}

gridctrl::CGridCtrlKDX& MaterialPropertiesDialog::TableGrid(Id id) {
    return static_cast<gridctrl::CGridCtrlKDX&>(tables_[id]->Grid());
}

template <class Step>
void MaterialPropertiesDialog::Run(Step step) {
    if (pushing_) return;
    Pull();
    step();
    Push();
}

bool MaterialPropertiesDialog::Pull() {
    for (Id id : kTables) PullTable(id);
    return dx_.FromWidgets();
}

void MaterialPropertiesDialog::PullTable(Id id) {
    auto& table = state_.Table(id);
    if (!table.shown || shownSetUps_[id] != table.setUps) return;
    auto& grid = TableGrid(id);
    table.rows.clear();
    for (int r = 1; r < grid.GetRowCount(); ++r) {
        std::vector<std::string> row;
        for (int c = 1; c <= table.DataColumns(); ++c) row.push_back(grid.GetCellText(r, c));
        table.rows.push_back(std::move(row));
    }
}

void MaterialPropertiesDialog::PushTable(Id id) {
    const auto& table = state_.Table(id);
    tables_[id]->setVisible(table.shown);
    if (!table.shown || shownSetUps_[id] == table.setUps) return;
    shownSetUps_[id] = table.setUps;
    auto& grid = TableGrid(id);
    std::vector<gridctrl::CGridColumnDescriptor> descriptors(1);
    for (const auto& format : table.formats)
        descriptors.push_back({gridctrl::kDoubleColumn, false, format});
    const int columns = table.DataColumns() + 1;
    grid.SetupTable(columns, static_cast<int>(table.rows.size()) + 1, false, table.titles,
                    table.rowLabel, {}, descriptors, 0, table.columnWidth, -1, 5);
    for (int r = 0; r < static_cast<int>(table.rows.size()); ++r)
        for (int c = 0; c < table.DataColumns(); ++c)
            grid.SetCellText(r + 1, c + 1, table.rows[r][c]);
    grid.SetModified(false);
    grid.Refresh();
}

void MaterialPropertiesDialog::PushList() {
    if (!list_) return;
    const auto items = state_.ListItems();
    list_->clear();
    for (const auto& text : items) {
        auto* item = new QListWidgetItem(Q(text), list_);
        item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        if (state_.Current() >= 0) item->setFlags(item->flags() | Qt::ItemIsEditable);
    }
    if (state_.Current() >= 0) list_->setCurrentRow(state_.Current());
}

void MaterialPropertiesDialog::Push() {
    pushing_ = true;
    const auto& f = state_.Fields();
    const auto& c = state_.Controls();
    dx_.ToWidgets();
    strength_->setPlaceholderText(Q(state_.KeptStrengthText()));
    porePressure_->setPlaceholderText(Q(state_.KeptPorePressureText()));
    usage_->setText(Q(f.usageText));
    for (int i = 0; i < 4; ++i) {
        strengthLabels_[i]->setText(Q(c.strengthLabels[i]));
        strengthEdits_[i]->setVisible(c.strengthShown[i]);
        strengthEdits_[i]->setEnabled(c.strengthShown[i]);
        strengthLabels_[i]->setVisible(c.strengthShown[i]);
        strengthUnits_[i]->setText(Q(c.strengthUnits[i]));
        strengthUnits_[i]->setVisible(c.strengthShown[i]);
    }
    unitWeightUnit_->setText(Q(UnitName(Quantity::UnitWeight)));
    valueUnit_->setText(Q(c.valueUnit));
    valueUnit_->setVisible(c.valueShown);
    displayGraphs_->setEnabled(c.displayGraphsEnabled);
    porePressure_->setEnabled(c.porePressureEnabled);
    valueLabel_->setText(Q(c.valueLabel));
    valueLabel_->setVisible(c.valueShown);
    value_->setVisible(c.valueShown);
    lineLabel_->setText(Q(c.lineLabel));
    lineLabel_->setVisible(c.lineShown);
    line_->setVisible(c.lineShown);
    negative_->setVisible(c.negativeShown);
    negative_->setEnabled(c.negativeEnabled);
    unitWeightLabel_->setEnabled(c.unitWeightEnabled);
    unitWeight_->setEnabled(c.unitWeightEnabled);
    for (Id id : kTables) PushTable(id);
    PushList();
    pushing_ = false;
}

void MaterialPropertiesDialog::OnListRowChanged(int row) {
    if (pushing_ || row < 0 || row == state_.Current()) return;
    Run([this, row] { state_.SelectMaterial(row); });
}

void MaterialPropertiesDialog::OnListEdited(QListWidgetItem* item) {
    if (pushing_) return;
    const int row = list_->row(item);
    const std::string text = item->text().toStdString();
    Run([this, row, text] { state_.RenameMaterial(row, text); });
}

void MaterialPropertiesDialog::accept() {
    if (!Pull()) return;
    if (!state_.Ok()) {
        Push();
        return;
    }
    QDialog::accept();
}

bool QtMaterialGrid::Run(int stage, const std::vector<std::pair<int, int>>& pairs,
                         std::vector<DialogMaterialData>& entries) {
    MaterialDialogState state(stage, false, entries, pairs);
    if (!state.Initialize()) return false;
    MaterialPropertiesDialog dialog(state, owner_);
    if (dialog.exec() != QDialog::Accepted) return false;
    entries = state.Entries();
    return true;
}

bool QtMaterialSingle::Run(int stage, const std::string& usage, DialogMaterialData& entry) {
    MaterialDialogState state(stage, true, {entry});
    state.Fields().usageText = usage;
    if (!state.Initialize()) return false;
    MaterialPropertiesDialog dialog(state, owner_);
    if (dialog.exec() != QDialog::Accepted) return false;
    entry = state.Entries().at(0);
    return true;
}

}  // namespace dialogs
