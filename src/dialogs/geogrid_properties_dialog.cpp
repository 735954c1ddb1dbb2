#include "dialogs/geogrid_properties_dialog.h"

#include "dialogs/list_box.h"
#include "dialogs/nail_geogrid_widgets.h"
#include "dialogs/unit_lists.h"

#include <QCheckBox>
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

GeogridPropertiesDialog::GeogridPropertiesDialog(const s_GeogridPropertiesDialogData& data,
                                                 QWidget* parent)
    : QDialog(parent), form_(data), dx_(this) {
    setWindowTitle("Geo-Grid Properties");
    auto* layout = new QHBoxLayout(this);

    const s_TypeListColumn column =
        TypeListColumn("Grid types:", "Grid", static_cast<int>(form_.Types().size()));
    types_ = column.list;
    QPushButton* add = column.add;
    QPushButton* change = column.change;
    layout->addLayout(column.layout);

    auto* right = new QVBoxLayout;
    auto* description = NamedEdit("description");
    description->setMaxLength(128);
    auto* descriptionRow = new QHBoxLayout;
    descriptionRow->addWidget(new QLabel("Grid description:"));
    descriptionRow->addWidget(description, 1);
    right->addLayout(descriptionRow);

    // Strength.
    auto* strength = new QGroupBox("Strength");
    auto* s = new QGridLayout(strength);
    strengthOption_ = new QComboBox;
    strengthOption_->setObjectName("strengthOption");
    strengthOption_->addItems(
        {"Specified directly", "Computed from ultimate and factors of safety"});
    if (Cpp_GeogridData::GetNumberOfGeogridTypes() > 0)
        strengthOption_->addItem("From \"Standard\" list of geogrids");
    s->addWidget(new QLabel("Grid strength option:"), 0, 0);
    s->addWidget(strengthOption_, 0, 1, 1, 2);
    allowable_ = NamedEdit("allowable");
    allowableUnit_ = new CmForcePerLengthUnitsList;
    allowableUnit_->setObjectName("allowableUnit");
    s->addWidget(new QLabel("Allowable strength:"), 1, 0);
    s->addWidget(allowable_, 1, 1);
    s->addWidget(allowableUnit_, 1, 2);
    ultimateLabel_ = new QLabel("Ultimate strength:");
    ultimate_ = NamedEdit("ultimate");
    ultimateUnit_ = new CmForcePerLengthUnitsList;
    ultimateUnit_->setObjectName("ultimateUnit");
    s->addWidget(ultimateLabel_, 2, 0);
    s->addWidget(ultimate_, 2, 1);
    s->addWidget(ultimateUnit_, 2, 2);
    longTermLabel_ = new QLabel("Long-Term Design strength:");
    longTerm_ = NamedEdit("longTerm");
    longTermUnit_ = new CmForcePerLengthUnitsList;
    longTermUnit_->setObjectName("longTermUnit");
    s->addWidget(longTermLabel_, 3, 0);
    s->addWidget(longTerm_, 3, 1);
    s->addWidget(longTermUnit_, 3, 2);
    // The standard geogrids, under their headings.
    auto* headings = new QHBoxLayout;
    QLabel* standardHeadings[4] = {new QLabel("Description"), new QLabel("Strength"),
                                   new QLabel("Units"), new QLabel("Type of \"Strength\"")};
    for (QLabel* heading : standardHeadings) headings->addWidget(heading);
    s->addLayout(headings, 4, 0, 1, 3);
    standard_ = new CmListBox;
    standard_->setObjectName("standard");
    standard_->setMaximumHeight(90);
    s->addWidget(standard_, 5, 0, 1, 3);
    right->addWidget(strength);

    // Factors of safety.
    auto* factors = new QGroupBox("Factors of Safety");
    auto* f = new QGridLayout(factors);
    oneFactor_ = new QCheckBox("One factor of safety for strength");
    oneFactor_->setObjectName("oneFactor");
    f->addWidget(oneFactor_, 0, 0, 1, 2);
    auto* fsStrength = NamedEdit("fsStrength");
    auto* fsStrengthLabel = new QLabel("Factor of safety for strength:");
    f->addWidget(fsStrengthLabel, 1, 0);
    f->addWidget(fsStrength, 1, 1);
    oneFactorRow_[0] = fsStrengthLabel;
    oneFactorRow_[1] = fsStrength;
    const struct {
        const char* label;
        const char* name;
        double* value;
    } reductions[] = {
        {"Factor of safety for installation damage:", "fsInstallation",
         &form_.fields.fsInstallationDamage},
        {"Factor of safety for creep:", "fsCreep", &form_.fields.fsCreep},
        {"Factor of safety for chemical degradation:", "fsChemical", &form_.fields.fsChemical},
        {"Factor of safety for biological degradation:", "fsBiological",
         &form_.fields.fsBiological},
        {"Factor of safety for joints, seams and connections:", "fsJoints", &form_.fields.fsJoints},
    };
    QLineEdit* reductionEdits[5] = {};
    for (int i = 0; i < 5; ++i) {
        auto* label = new QLabel(reductions[i].label);
        reductionEdits[i] = NamedEdit(reductions[i].name);
        f->addWidget(label, 2 + i, 0);
        f->addWidget(reductionEdits[i], 2 + i, 1);
        reductionRows_[2 * i] = label;
        reductionRows_[2 * i + 1] = reductionEdits[i];
    }
    auto* uncertainties = NamedEdit("fsUncertainties");
    f->addWidget(new QLabel("Overall factor of safety for uncertainties:"), 7, 0);
    f->addWidget(uncertainties, 7, 1);
    auto* developed = NamedEdit("developedForce");
    auto* developedUnit = new CmForcePerLengthUnitsList;
    developedUnit->setObjectName("developedUnit");
    auto* developedRow = new QHBoxLayout;
    developedRow->addWidget(developed);
    developedRow->addWidget(developedUnit);
    f->addWidget(new QLabel("Developed force at face of slope or wall:"), 8, 0);
    f->addLayout(developedRow, 8, 1);
    right->addWidget(factors);

    // Pullout.
    auto* pullout = new QGroupBox("Pullout");
    auto* p = new QGridLayout(pullout);
    pulloutOption_ = new QComboBox;
    pulloutOption_->setObjectName("pulloutOption");
    pulloutOption_->addItems({"Specified directly", "From general equation"});
    fStar_ = NamedEdit("fStar");
    p->addWidget(new QLabel("Pullout resistance (friction bearing) interaction factor, F*:"), 0, 0);
    p->addWidget(pulloutOption_, 0, 1);
    p->addWidget(fStar_, 0, 2);
    fq_ = NamedEdit("fq");
    p->addWidget(new QLabel("Embedment (or surcharge) interaction factor, Fq:"), 1, 0);
    p->addWidget(fq_, 1, 2);
    alphaBeta_ = NamedEdit("alphaBeta");
    p->addWidget(new QLabel("Structural geometric factor for passive resistance, Alpha-beta:"), 2,
                 0);
    p->addWidget(alphaBeta_, 2, 2);
    rho_ = NamedEdit("rho");
    p->addWidget(new QLabel("Soil -reinforcement interaction friction angle, rho (degrees):"), 3,
                 0);
    p->addWidget(rho_, 3, 2);
    auto* alpha = NamedEdit("alpha");
    p->addWidget(new QLabel("Scale effect correction factor, Alpha:"), 4, 0);
    p->addWidget(alpha, 4, 2);
    auto* fsPullout = NamedEdit("fsPullout");
    p->addWidget(new QLabel("Factor of safety for pullout:"), 5, 0);
    p->addWidget(fsPullout, 5, 2);
    right->addWidget(pullout);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    right->addWidget(buttons);
    layout->addLayout(right, 1);

    // The exchange, in the order the fields are read.
    Cpp_GeogridProperties& g = form_.fields;
    dx_.Text(description, g.name);
    dx_.Choice(strengthOption_, g.strengthOption);
    dx_.Number(allowable_, g.allowableStrength.value);
    dx_.Choice(allowableUnit_, g.allowableStrength.unitIndex);
    dx_.Number(ultimate_, g.ultimateStrength.value);
    dx_.Choice(ultimateUnit_, g.ultimateStrength.unitIndex);
    dx_.Number(longTerm_, g.longTermDesignStrength.value);
    dx_.Choice(longTermUnit_, g.longTermDesignStrength.unitIndex);
    dx_.Check(oneFactor_, g.oneFactorOfSafety);
    dx_.Number(fsStrength, g.factorOfSafetyStrength);
    for (int i = 0; i < 5; ++i) dx_.Number(reductionEdits[i], *reductions[i].value);
    dx_.Number(uncertainties, g.overallFactorOfSafety);
    dx_.Number(developed, g.developedForceAtFace.value);
    dx_.Choice(developedUnit, g.developedForceAtFace.unitIndex);
    dx_.Choice(pulloutOption_, g.interactionOption);
    dx_.Number(fStar_, g.fStar);
    dx_.Number(fq_, g.fq);
    dx_.Number(alphaBeta_, g.alphaBeta);
    dx_.Number(rho_, g.rho);
    dx_.Number(alpha, g.alpha);
    dx_.Number(fsPullout, g.factorOfSafetyPullout);

    // The lists.
    standard_->SetFontByName("Courier");
    standard_->SetColumnCount(4);
    const int standardTypes[4] = {CmListBoxColumns::kLeftText, CmListBoxColumns::kFixed,
                                  CmListBoxColumns::kLeftText, CmListBoxColumns::kLeftText};
    for (int i = 0; i < 4; ++i) {
        standard_->SetColumnHeading(i, standardHeadings[i]);
        standard_->SetColumnType(i, standardTypes[i]);
    }
    standard_->SetColumnDecimals(1, 2);
    standard_->LayoutColumns();
    standard_->SetEmptyText("<No standard geogrid data>");
    static const char* const kinds[] = {"Allowable", "Ultimate", "Long-Term Design", "Special"};
    for (int i = 0; i < Cpp_GeogridData::GetNumberOfGeogridTypes(); ++i) {
        const s_GeogridType entry = Cpp_GeogridData::GetStandardGeogridType(i);
        std::vector<CmListBoxValue> row(4);
        row[0].SetText(entry.description);
        row[1].SetDouble(entry.value.value);
        s_UnitType unit;
        unit.SetUnit(entry.value.unitIndex);
        row[2].SetText(unit.ForcePerLengthName());
        row[3].SetText(entry.kind >= 0 && entry.kind < 4 ? kinds[entry.kind] : "");
        standard_->AddRowValues(row);
    }
    if (standard_->DataRowCount() > 0)
        standard_->SetCurSel(0);
    else
        standard_->ShowEmptyText(true);
    Show();
    types_->UpdateButtons();

    connect(add, &QPushButton::clicked, this, &GeogridPropertiesDialog::AddGrid);
    connect(change, &QPushButton::clicked, this, &GeogridPropertiesDialog::ChangeGrid);
    connect(types_, &QListWidget::currentRowChanged, this, &GeogridPropertiesDialog::TypeChosen);
    connect(strengthOption_, &QComboBox::currentIndexChanged, this,
            &GeogridPropertiesDialog::StrengthOptionChosen);
    connect(pulloutOption_, &QComboBox::currentIndexChanged, this,
            &GeogridPropertiesDialog::PulloutOptionChosen);
    connect(oneFactor_, &QCheckBox::clicked, this, [this] {
        if (Read()) ShowStates();
    });
    for (QLineEdit* edit :
         {ultimate_, reductionEdits[0], reductionEdits[1], reductionEdits[2], reductionEdits[3]})
        connect(edit, &QLineEdit::editingFinished, this, &GeogridPropertiesDialog::Recompute);
    for (QComboBox* unit :
         {static_cast<QComboBox*>(allowableUnit_), static_cast<QComboBox*>(ultimateUnit_)})
        connect(unit, &QComboBox::currentIndexChanged, this, &GeogridPropertiesDialog::Recompute);
}

void GeogridPropertiesDialog::Show() {
    showing_ = true;
    dx_.ToWidgets();
    showing_ = false;
    ShowStates();
}

void GeogridPropertiesDialog::ShowStates() {
    const s_GeogridStrengthStates& s = form_.Strength();
    allowable_->setEnabled(s.allowableEnabled);
    for (QWidget* w : {static_cast<QWidget*>(ultimateLabel_), static_cast<QWidget*>(ultimate_),
                       static_cast<QWidget*>(ultimateUnit_)}) {
        w->setVisible(s.ultimateShown);
        w->setEnabled(s.ultimateEnabled);
    }
    longTermLabel_->setText(QString::fromStdString(s.longTermLabel));
    for (QWidget* w : {static_cast<QWidget*>(longTermLabel_), static_cast<QWidget*>(longTerm_),
                       static_cast<QWidget*>(longTermUnit_)}) {
        w->setVisible(s.longTermShown);
        w->setEnabled(false);
    }
    standard_->setEnabled(s.standardEnabled);
    oneFactor_->setVisible(s.factorsShown);
    oneFactor_->setEnabled(s.factorsShown);
    for (QWidget* w : oneFactorRow_) {
        w->setVisible(form_.OneFactorShown());
        w->setEnabled(form_.OneFactorShown());
    }
    for (QWidget* w : reductionRows_) {
        w->setVisible(form_.ReductionFactorsShown());
        w->setEnabled(form_.ReductionFactorsShown());
    }
    fStar_->setEnabled(form_.FStarEnabled());
    for (QLineEdit* edit : {fq_, alphaBeta_, rho_}) edit->setEnabled(!form_.FStarEnabled());
}

void GeogridPropertiesDialog::StrengthOptionChosen() {
    if (showing_) return;
    if (!Read()) return;
    form_.ApplyStrengthOption();
    Show();
}

void GeogridPropertiesDialog::PulloutOptionChosen() {
    if (showing_) return;
    if (!Read()) return;
    form_.ApplyPulloutOption();
    Show();
}

void GeogridPropertiesDialog::Recompute() {
    if (showing_) return;
    if (!Read()) return;
    form_.RecomputeAllowable();
    Show();
}

void GeogridPropertiesDialog::AddGrid() {
    if (!Read()) return;
    form_.AddType();
    const int selected = types_->CurSel();
    types_->AddRow(static_cast<int>(form_.Types().size()));
    types_->SetCurSel(selected);
    Show();
    types_->UpdateButtons();
}

void GeogridPropertiesDialog::ChangeGrid() {
    if (Read()) form_.ChangeType();
}

void GeogridPropertiesDialog::TypeChosen() {
    const int row = types_->CurSel();
    if (row < 0 || row >= static_cast<int>(form_.Types().size()) || row == form_.Selected()) {
        types_->UpdateButtons();
        return;
    }
    if (!Read()) return;
    form_.Select(row);
    Show();
    types_->UpdateButtons();
}

void GeogridPropertiesDialog::accept() {
    if (Read()) QDialog::accept();
}

}  // namespace dialogs
