#include "dialogs/geogrid_layouts_dialog.h"

#include "core/units.h"
#include "dialogs/list_box.h"
#include "dialogs/nail_geogrid_widgets.h"
#include "dialogs/unit_lists.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace dialogs {

namespace {

CmLengthUnitsList* Units(const char* name) {
    auto* list = new CmLengthUnitsList;
    list->setObjectName(name);
    return list;
}

std::string UnitName(int unit) { return LengthUnitEntry(unit).toStdString(); }

CmListBoxValue Text(const std::string& text) {
    CmListBoxValue v;
    v.SetText(text);
    return v;
}
CmListBoxValue Real(double x) {
    CmListBoxValue v;
    v.SetDouble(x);
    return v;
}
CmListBoxValue Whole(int x) {
    CmListBoxValue v;
    v.SetInt(x);
    return v;
}

}  // namespace

GeogridLayoutsDialog::GeogridLayoutsDialog(const s_GeogridLayoutsDialogData& data, QWidget* parent)
    : QDialog(parent), data_(data), dx_(this) {
    setWindowTitle("Geo-Grid Layout");
    auto* layout = new QVBoxLayout(this);

    static const char* const headingTexts[9] = {"Grid Description",
                                                "Elevation of Lowest Layer",
                                                "",
                                                "Length (lowest)",
                                                "Length (highest)",
                                                "",
                                                "Vertical Spacing",
                                                "",
                                                "Number of Layers"};
    auto* headings = new QHBoxLayout;
    QLabel* headingLabels[9] = {};
    for (int i = 0; i < 9; ++i) {
        headingLabels[i] = new QLabel(headingTexts[i]);
        headingLabels[i]->setMinimumWidth(40);
        headings->addWidget(headingLabels[i]);
    }
    layout->addLayout(headings);
    list_ = new CmListBox;
    list_->setObjectName("layouts");
    layout->addWidget(list_, 1);
    auto* add = ListButton("Add Layout", "addLayout");
    auto* change = ListButton("Change Layout", "changeLayout");
    auto* remove = ListButton("Delete Layout", "deleteLayout");
    auto* removeAll = ListButton("Delete All", "deleteAll");
    auto* listButtons = new QHBoxLayout;
    for (QPushButton* b : {add, change, remove, removeAll}) listButtons->addWidget(b);
    listButtons->addStretch();
    layout->addLayout(listButtons);

    auto* fields = new QGridLayout;
    auto* type = new QComboBox;
    type->setObjectName("type");
    for (const std::string& name : data_.typeNames) type->addItem(QString::fromStdString(name));
    fields->addWidget(new QLabel("Grid (from grids previously defined):"), 0, 0);
    fields->addWidget(type, 0, 1, 1, 2);
    auto* elevation = NamedEdit("elevation");
    auto* elevationUnit = Units("elevationUnit");
    fields->addWidget(new QLabel("Elevation of first (lowest) layer:"), 1, 0);
    fields->addWidget(elevation, 1, 1);
    fields->addWidget(elevationUnit, 1, 2);
    auto* layers = NamedEdit("layers");
    fields->addWidget(new QLabel("Number of layers"), 2, 0);
    fields->addWidget(layers, 2, 1);
    auto* spacing = NamedEdit("spacing");
    auto* spacingUnit = Units("spacingUnit");
    fields->addWidget(new QLabel("Vertical spacing (if more than layer):"), 3, 0);
    fields->addWidget(spacing, 3, 1);
    fields->addWidget(spacingUnit, 3, 2);
    auto* low = NamedEdit("lowLength");
    fields->addWidget(new QLabel("Length of lowest grid:"), 4, 0);
    fields->addWidget(low, 4, 1);
    auto* high = NamedEdit("highLength");
    fields->addWidget(new QLabel("Length of highest grid:"), 5, 0);
    fields->addWidget(high, 5, 1);
    auto* lengthUnit = Units("lengthUnit");
    fields->addWidget(new QLabel("Length units:"), 6, 0);
    fields->addWidget(lengthUnit, 6, 1);
    layout->addLayout(fields);
    auto* faces = new QGroupBox("Direction slope faces:");
    auto* faceRow = new QHBoxLayout(faces);
    auto* left = new QRadioButton("Left");
    left->setObjectName("left");
    auto* right = new QRadioButton("Right");
    right->setObjectName("right");
    faceRow->addWidget(left);
    faceRow->addWidget(right);
    faceRow->addStretch();
    layout->addWidget(faces);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);

    dx_.Choice(type, fields_.type);
    dx_.Number(elevation, fields_.elevation);
    dx_.Choice(elevationUnit, fields_.elevationUnit);
    dx_.Integer(layers, fields_.layers);
    dx_.Number(spacing, fields_.spacing);
    dx_.Choice(spacingUnit, fields_.spacingUnit);
    dx_.Number(low, fields_.lowLength);
    dx_.Number(high, fields_.highLength);
    dx_.Choice(lengthUnit, fields_.lengthUnit);
    dx_.Radio({left, right}, data_.direction);

    list_->SetFontByName("Courier");
    list_->SetColumnCount(9);
    const int types[9] = {5, 2, 5, 2, 2, 5, 2, 5, 1};
    for (int i = 0; i < 9; ++i) {
        list_->SetColumnHeading(i, headingLabels[i]);
        list_->SetColumnType(i, types[i]);
    }
    for (int i : {1, 3, 4}) list_->SetColumnDecimals(i, 2);
    list_->SetColumnDecimals(6, 3);
    list_->SetButtons(add, change, remove, removeAll);
    list_->LayoutColumns();
    list_->SetEmptyText("<No layout information>");
    if (data_.layouts.empty()) {
        list_->ShowEmptyText(true);
        // A new layout in the units of the unit system.
        const int unit = GetUnitSystem() == UnitSystemEnglish ? LengthFeet : LengthMeters;
        fields_.elevationUnit = fields_.lengthUnit = fields_.spacingUnit = unit;
    } else {
        for (const Cpp_GeogridLayout& l : data_.layouts) list_->AddRowValues(Row(l));
        list_->SetCurSel(0);
        Load(0);
    }
    dx_.ToWidgets();
    list_->UpdateButtons();

    connect(add, &QPushButton::clicked, this, &GeogridLayoutsDialog::Add);
    connect(change, &QPushButton::clicked, this, &GeogridLayoutsDialog::Change);
    connect(remove, &QPushButton::clicked, this, &GeogridLayoutsDialog::Delete);
    connect(removeAll, &QPushButton::clicked, this, &GeogridLayoutsDialog::DeleteAll);
    connect(list_, &QListWidget::currentRowChanged, this, &GeogridLayoutsDialog::Chosen);
}

void GeogridLayoutsDialog::Load(int n) {
    selected_ = n;
    const Cpp_GeogridLayout& l = data_.layouts[static_cast<size_t>(n)];
    fields_.type = l.geogridType;
    fields_.elevation = l.lowestElevation.value;
    fields_.elevationUnit = l.lowestElevation.unitIndex;
    fields_.lowLength = l.lowestLength.value;
    fields_.highLength = l.highestLength.value;
    fields_.lengthUnit = l.lowestLength.unitIndex;
    fields_.spacing = l.verticalSpacing.value;
    fields_.spacingUnit = l.verticalSpacing.unitIndex;
    fields_.layers = l.numberOfLayers;
}

Cpp_GeogridLayout GeogridLayoutsDialog::Stored() const {
    Cpp_GeogridLayout l;
    l.geogridType = fields_.type;
    l.lowestElevation = {fields_.elevation, fields_.elevationUnit};
    l.lowestLength = {fields_.lowLength, fields_.lengthUnit};
    l.highestLength = {fields_.highLength, fields_.lengthUnit};
    l.verticalSpacing = {fields_.spacing, fields_.spacingUnit};
    l.numberOfLayers = fields_.layers;
    return l;
}

std::vector<CmListBoxValue> GeogridLayoutsDialog::Row(const Cpp_GeogridLayout& l) const {
    const int type = l.geogridType;
    const std::string name = type >= 0 && type < static_cast<int>(data_.typeNames.size())
                                 ? data_.typeNames[static_cast<size_t>(type)]
                                 : std::string();
    return {Text(name),
            Real(l.lowestElevation.value),
            Text(UnitName(l.lowestElevation.unitIndex)),
            Real(l.lowestLength.value),
            Real(l.highestLength.value),
            Text(UnitName(l.lowestLength.unitIndex)),
            Real(l.verticalSpacing.value),
            Text(UnitName(l.verticalSpacing.unitIndex)),
            Whole(l.numberOfLayers)};
}

void GeogridLayoutsDialog::Add() {
    if (!dx_.FromWidgets()) return;
    data_.layouts.push_back(Stored());
    const int selected = list_->CurSel();
    list_->AddRowValues(Row(data_.layouts.back()));
    list_->SetCurSel(selected);
    dx_.ToWidgets();
    list_->UpdateButtons();
}

void GeogridLayoutsDialog::Change() {
    if (!dx_.FromWidgets()) return;
    const int n = list_->CurSel();
    if (n < 0 || n >= static_cast<int>(data_.layouts.size())) return;
    const Cpp_GeogridLayout now = Stored();
    const Cpp_GeogridLayout& was = data_.layouts[static_cast<size_t>(n)];
    const auto same = [](const s_UnitValueType& a, const s_UnitValueType& b) {
        return a.value == b.value && a.unitIndex == b.unitIndex;
    };
    if (now.geogridType == was.geogridType && same(now.lowestElevation, was.lowestElevation) &&
        same(now.lowestLength, was.lowestLength) && same(now.highestLength, was.highestLength) &&
        same(now.verticalSpacing, was.verticalSpacing) && now.numberOfLayers == was.numberOfLayers)
        return;
    data_.layouts[static_cast<size_t>(n)] = now;
    list_->ReplaceRowValues(n, Row(now));
}

void GeogridLayoutsDialog::Delete() {
    const int n = list_->CurSel();
    if (n < 0 || n >= static_cast<int>(data_.layouts.size())) return;
    if (!dx_.FromWidgets()) return;
    data_.layouts.erase(data_.layouts.begin() + n);
    selected_ = -1;
    list_->DeleteSelectedRow();
    const int count = static_cast<int>(data_.layouts.size());
    if (count > 0) list_->SetCurSel(n < count ? n : count - 1);
    Chosen();
}

void GeogridLayoutsDialog::DeleteAll() {
    data_.layouts.clear();
    selected_ = -1;
    list_->ShowEmptyText(true);
    dx_.ToWidgets();
    list_->UpdateButtons();
}

void GeogridLayoutsDialog::Chosen() {
    const int n = list_->CurSel();
    if (n >= 0 && n < static_cast<int>(data_.layouts.size()) && n != selected_) {
        if (!dx_.FromWidgets()) return;
        Load(n);
        dx_.ToWidgets();
    }
    list_->UpdateButtons();
}

void GeogridLayoutsDialog::accept() {
    if (dx_.FromWidgets()) QDialog::accept();
}

}  // namespace dialogs
