#include "dialogs/nail_properties_dialog.h"

#include "core/message_boxes.h"
#include "dialogs/list_box.h"
#include "dialogs/nail_geogrid_widgets.h"
#include "dialogs/unit_lists.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace dialogs {

namespace {

template <class List>
List* Units(const char* name) {
    auto* list = new List;
    list->setObjectName(name);
    return list;
}

}  // namespace

NailPropertiesDialog::NailPropertiesDialog(const std::vector<Cpp_NailProperties>& types,
                                           QWidget* parent)
    : QDialog(parent), form_(types), dx_(this) {
    setWindowTitle("Definition of Nail Properties");
    auto* layout = new QHBoxLayout(this);

    const s_TypeListColumn column =
        TypeListColumn("Nail types:", "Nail", static_cast<int>(form_.Types().size()));
    types_ = column.list;
    QPushButton* add = column.add;
    QPushButton* change = column.change;
    layout->addLayout(column.layout);

    auto* right = new QVBoxLayout;
    auto* description = NamedEdit("description");
    description->setMaxLength(128);
    auto* descriptionRow = new QHBoxLayout;
    descriptionRow->addWidget(new QLabel("Type description:"));
    descriptionRow->addWidget(description, 1);
    right->addLayout(descriptionRow);

    auto* barGroup = new QGroupBox("Bar (Tendon)");
    auto* b = new QGridLayout(barGroup);
    auto* barOption = new QComboBox;
    barOption->setObjectName("barOption");
    barOption->addItems({"By bar diameter and yield stress", "By bar area and yield stress",
                         "By bar strength (yield force)"});
    if (Cpp_NailProperties::GetNumberOfBarTypes() > 0) barOption->addItem("From list of bar types");
    b->addWidget(new QLabel("Bar specification:"), 0, 0);
    b->addWidget(barOption, 0, 1, 1, 2);
    auto* stress = NamedEdit("yieldStress");
    auto* stressUnit = Units<CmStressUnitsList>("yieldStressUnit");
    b->addWidget(new QLabel("Bar yield stress:"), 1, 0);
    b->addWidget(stress, 1, 1);
    b->addWidget(stressUnit, 1, 2);
    auto* diameter = NamedEdit("diameter");
    auto* diameterUnit = Units<CmLengthUnitsList>("diameterUnit");
    b->addWidget(new QLabel("Bar diameter:"), 2, 0);
    b->addWidget(diameter, 2, 1);
    b->addWidget(diameterUnit, 2, 2);
    auto* area = NamedEdit("area");
    auto* areaUnit = Units<CmAreaUnitsList>("areaUnit");
    b->addWidget(new QLabel("Bar area:"), 3, 0);
    b->addWidget(area, 3, 1);
    b->addWidget(areaUnit, 3, 2);
    auto* force = NamedEdit("yieldForce");
    auto* forceUnit = Units<CmForceUnitsList>("yieldForceUnit");
    b->addWidget(new QLabel("Bar yield force:"), 4, 0);
    b->addWidget(force, 4, 1);
    b->addWidget(forceUnit, 4, 2);
    bar_[0] = stress;
    bar_[1] = stressUnit;
    bar_[2] = force;
    bar_[3] = forceUnit;
    bar_[4] = diameter;
    bar_[5] = diameterUnit;
    bar_[6] = area;
    bar_[7] = areaUnit;
    barDescription_ = new QLabel;
    barDescription_->setObjectName("barDescription");
    b->addWidget(barDescription_, 5, 0, 1, 3);
    static const char* const standardHeadings[9] = {
        "Description", "Bar Diameter", "", "Bar Area", "", "Yield Stress", "", "Yield Force", ""};
    auto* headings = new QHBoxLayout;
    QLabel* headingLabels[9] = {};
    for (int i = 0; i < 9; ++i) {
        headingLabels[i] = new QLabel(standardHeadings[i]);
        headingLabels[i]->setMinimumWidth(24);
        headings->addWidget(headingLabels[i]);
    }
    b->addLayout(headings, 6, 0, 1, 3);
    standard_ = new CmListBox;
    standard_->setObjectName("standard");
    standard_->setMaximumHeight(80);
    b->addWidget(standard_, 7, 0, 1, 3);
    right->addWidget(barGroup);

    auto* head = NamedEdit("headStrength");
    auto* headUnit = Units<CmForceUnitsList>("headStrengthUnit");
    auto* headRow = new QHBoxLayout;
    headRow->addWidget(new QLabel("Nail head strength (Punching shear capacity):"));
    headRow->addWidget(head);
    headRow->addWidget(headUnit);
    right->addLayout(headRow);

    auto* pullout = new QGroupBox("Pullout Resistance");
    auto* p = new QGridLayout(pullout);
    auto* pulloutOption = new QComboBox;
    pulloutOption->setObjectName("pulloutOption");
    pulloutOption->addItems(
        {"Bond stress and hole diameter", "Resistance (force) per unit length"});
    p->addWidget(new QLabel("Specified by:"), 0, 0);
    p->addWidget(pulloutOption, 0, 1, 1, 2);
    auto* holeLabel = new QLabel("Hole diameter:");
    auto* hole = NamedEdit("holeDiameter");
    auto* holeUnit = Units<CmLengthUnitsList>("holeDiameterUnit");
    p->addWidget(holeLabel, 1, 0);
    p->addWidget(hole, 1, 1);
    p->addWidget(holeUnit, 1, 2);
    auto* bondLabel = new QLabel("Bond stress:");
    auto* bond = NamedEdit("bondStress");
    auto* bondUnit = Units<CmStressUnitsList>("bondStressUnit");
    p->addWidget(bondLabel, 2, 0);
    p->addWidget(bond, 2, 1);
    p->addWidget(bondUnit, 2, 2);
    holeAndBond_[0] = holeLabel;
    holeAndBond_[1] = hole;
    holeAndBond_[2] = holeUnit;
    holeAndBond_[3] = bondLabel;
    holeAndBond_[4] = bond;
    holeAndBond_[5] = bondUnit;
    resistance_ = NamedEdit("resistance");
    auto* resistanceUnit = Units<CmForcePerLengthUnitsList>("resistanceUnit");
    p->addWidget(new QLabel("Resistance per unit length:"), 3, 0);
    p->addWidget(resistance_, 3, 1);
    p->addWidget(resistanceUnit, 3, 2);
    right->addWidget(pullout);

    auto* factors = new QGroupBox("Factors");
    auto* f = new QGridLayout(factors);
    const struct {
        const char* label;
        const char* name;
        double* value;
    } factorRows[] = {
        {"Nail head strength factor, Alpha-F:", "alphaF", &form_.fields.alphaF},
        {"Nail tendon tensile strength factor, Alpha-N:", "alphaN", &form_.fields.alphaN},
        {"Ground-grout pullout resistance factor, Alpha-Q:", "alphaQ", &form_.fields.alphaQ},
        {"Supplemental factor of safety applied to all nail forces:", "supplemental",
         &form_.fields.supplementalFactorOfSafety},
    };
    QLineEdit* factorEdits[4] = {};
    for (int i = 0; i < 4; ++i) {
        factorEdits[i] = NamedEdit(factorRows[i].name);
        f->addWidget(new QLabel(factorRows[i].label), i, 0);
        f->addWidget(factorEdits[i], i, 1);
    }
    right->addWidget(factors);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    right->addWidget(buttons);
    layout->addLayout(right, 1);

    // The exchange. Stress lists show six units whose data codes differ.
    Cpp_NailProperties& n = form_.fields;
    const auto stressChoice = [this](QComboBox* list, int& code) {
        dx_.Custom([list, &code] { list->setCurrentIndex(StressListIndexOfCode(code)); },
                   [list, &code] {
                       code = StressCodeOfListIndex(list->currentIndex());
                       return true;
                   });
    };
    dx_.Text(description, n.name);
    dx_.Choice(barOption, n.capacityOption);
    dx_.Number(stress, n.barYieldStress.value);
    stressChoice(stressUnit, n.barYieldStress.unitIndex);
    dx_.Number(diameter, n.barDiameter.value);
    dx_.Choice(diameterUnit, n.barDiameter.unitIndex);
    dx_.Number(area, n.barArea.value);
    dx_.Choice(areaUnit, n.barArea.unitIndex);
    dx_.Number(force, n.barYieldForce.value);
    dx_.Choice(forceUnit, n.barYieldForce.unitIndex);
    dx_.Number(head, n.nailHeadStrength.value);
    dx_.Choice(headUnit, n.nailHeadStrength.unitIndex);
    dx_.Choice(pulloutOption, n.pulloutOption);
    dx_.Number(hole, n.holeDiameter.value);
    dx_.Choice(holeUnit, n.holeDiameter.unitIndex);
    dx_.Number(bond, n.bondStress.value);
    stressChoice(bondUnit, n.bondStress.unitIndex);
    dx_.Number(resistance_, n.resistancePerLength.value);
    dx_.Choice(resistanceUnit, n.resistancePerLength.unitIndex);
    for (int i = 0; i < 4; ++i) dx_.Number(factorEdits[i], *factorRows[i].value);
    // The chosen standard bar is the one the list shows chosen.
    dx_.Custom([this] { standard_->SetCurSel(form_.fields.barTypeIndex); },
               [this] {
                   if (form_.fields.capacityOption == Cpp_NailProperties::FromBarTypes)
                       form_.fields.barTypeIndex = standard_->CurSel();
                   return true;
               });

    standard_->SetFontByName("Courier");
    standard_->SetColumnCount(9);
    for (int i = 0; i < 9; ++i) {
        standard_->SetColumnHeading(i, headingLabels[i]);
        standard_->SetColumnType(i, i % 2 == 1 ? CmListBoxColumns::kFixed
                                               : CmListBoxColumns::kLeftText);
    }
    standard_->SetColumnDecimals(1, 3);
    standard_->SetColumnDecimals(3, 3);
    standard_->LayoutColumns();
    standard_->SetEmptyText("<No standard nails>");
    for (int i = 0; i < Cpp_NailProperties::GetNumberOfBarTypes(); ++i) {
        const s_NailBarType bar = Cpp_NailProperties::GetBarType(i);
        s_UnitType length, areaName, stressName, forceName;
        length.SetUnit(bar.diameter.unitIndex);
        areaName.SetUnit(bar.area.unitIndex);
        stressName.SetUnit(bar.yieldStress.unitIndex);
        forceName.SetUnit(bar.yieldForce.unitIndex);
        std::vector<CmListBoxValue> row(9);
        row[0].SetText(bar.description);
        row[1].SetDouble(bar.diameter.value);
        row[2].SetText(length.LengthName());
        row[3].SetDouble(bar.area.value);
        row[4].SetText(areaName.AreaName());
        row[5].SetDouble(bar.yieldStress.value);
        row[6].SetText(stressName.StressName());
        row[7].SetDouble(bar.yieldForce.value);
        row[8].SetText(forceName.ForceName());
        standard_->AddRowValues(row);
    }
    if (standard_->DataRowCount() == 0) standard_->ShowEmptyText(true);
    Show();
    types_->UpdateButtons();

    connect(add, &QPushButton::clicked, this, [this] {
        if (!Read()) return;
        form_.AddType();
        const int selected = types_->CurSel();
        types_->AddRow(static_cast<int>(form_.Types().size()));
        types_->SetCurSel(selected);
        Show();
        types_->UpdateButtons();
    });
    connect(change, &QPushButton::clicked, this, [this] {
        if (Read()) form_.ChangeType();
    });
    connect(types_, &QListWidget::currentRowChanged, this, &NailPropertiesDialog::TypeChosen);
    connect(barOption, &QComboBox::currentIndexChanged, this,
            [this] { Then(&NailPropertiesForm::ApplyBarOption); });
    connect(pulloutOption, &QComboBox::currentIndexChanged, this,
            [this] { Then(&NailPropertiesForm::ApplyPulloutOption); });
    connect(standard_, &QListWidget::currentRowChanged, this,
            [this] { Then(&NailPropertiesForm::RecomputeBar); });
    for (QLineEdit* edit : {stress, diameter, force, area})
        connect(edit, &QLineEdit::editingFinished, this,
                [this] { Then(&NailPropertiesForm::RecomputeBar); });
    for (QComboBox* list :
         {static_cast<QComboBox*>(stressUnit), static_cast<QComboBox*>(forceUnit),
          static_cast<QComboBox*>(diameterUnit), static_cast<QComboBox*>(areaUnit)})
        connect(list, &QComboBox::currentIndexChanged, this,
                [this] { Then(&NailPropertiesForm::RecomputeBar); });
    for (QLineEdit* edit : {hole, bond})
        connect(edit, &QLineEdit::editingFinished, this,
                [this] { Then(&NailPropertiesForm::RecomputePullout); });
    for (QComboBox* list : {static_cast<QComboBox*>(holeUnit), static_cast<QComboBox*>(bondUnit),
                            static_cast<QComboBox*>(resistanceUnit)})
        connect(list, &QComboBox::currentIndexChanged, this,
                [this] { Then(&NailPropertiesForm::RecomputePullout); });
}

void NailPropertiesDialog::Then(void (NailPropertiesForm::*step)()) {
    if (showing_ || !Read()) return;
    (form_.*step)();
    Show();
}

void NailPropertiesDialog::Show() {
    showing_ = true;
    dx_.ToWidgets();
    showing_ = false;
    const s_NailBarStates s = form_.BarStates();
    const bool enabled[8] = {s.yieldStress, s.yieldStress,  s.yieldForce, s.forceUnit,
                             s.diameter,    s.diameterUnit, s.area,       s.areaUnit};
    for (int i = 0; i < 8; ++i) bar_[i]->setEnabled(enabled[i]);
    standard_->setEnabled(s.standardList);
    barDescription_->setText(QString::fromStdString(form_.BarDescription()));
    for (QWidget* w : holeAndBond_) {
        w->setVisible(form_.HoleAndBondShown());
        w->setEnabled(form_.HoleAndBondShown());
    }
    resistance_->setEnabled(!form_.HoleAndBondShown());
}

void NailPropertiesDialog::TypeChosen() {
    const int row = types_->CurSel();
    if (row < 0 || row >= static_cast<int>(form_.Types().size()) || row == form_.Selected()) {
        types_->UpdateButtons();
        return;
    }
    if (!Read()) return;
    if (!form_.Select(row))
        ShowErrorOnWindow(
            this, "ERROR",
            "Nail not found in list of standard nails.  Nail type reset to first nail "
            "in list.");
    Show();
    types_->UpdateButtons();
}

void NailPropertiesDialog::accept() {
    if (!Read()) return;
    if (form_.DiffersFromSelected() &&
        AskYesNo(this, "Notice",
                 "Data for current nail have changed.  Do you want to accept the "
                 "changes?"))
        form_.ChangeType();
    QDialog::accept();
}

}  // namespace dialogs
