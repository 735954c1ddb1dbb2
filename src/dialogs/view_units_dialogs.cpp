#include "dialogs/view_units_dialogs.h"

#include "dialogs/field_text.h"
#include "dialogs/unit_lists.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace dialogs {

namespace {

QDialogButtonBox* OkCancel(QDialog* dialog) {
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    return buttons;
}

}  // namespace

// ---------------------------------------------------------------------------------------------

CmSetViews::CmSetViews(const s_SetViewsChoice& choice, QWidget* parent)
    : QDialog(parent), choice_(choice), clearAll_(choice.clearAll), viewIndex_(choice.view - 1) {
    setObjectName("setViewsDialog");
    setWindowTitle("Set View");
    auto* layout = new QVBoxLayout(this);
    auto* clear = new QCheckBox("Clear all views", this);
    clear->setObjectName("clearAll");
    layout->addWidget(clear);
    auto* form = new QFormLayout;
    auto* views = new QComboBox(this);
    views->setObjectName("view");
    for (int n = 1; n <= 6; ++n) views->addItem(QString::number(n));
    form->addRow("Assign current view number:", views);
    layout->addLayout(form);
    layout->addWidget(OkCancel(this));
    dx_.Check(clear, clearAll_);
    dx_.Choice(views, viewIndex_);
    dx_.ToWidgets();
}

void CmSetViews::accept() {
    if (!dx_.FromWidgets()) return;
    choice_.clearAll = clearAll_;
    choice_.view = viewIndex_ + 1;
    QDialog::accept();
}

bool QtSetViews::Run(s_SetViewsChoice& choice) {
    CmSetViews dialog(choice, owner_);
    if (dialog.exec() != QDialog::Accepted) return false;
    choice = dialog.Choice();
    return true;
}

// ---------------------------------------------------------------------------------------------

CmLargestValueForScaling::CmLargestValueForScaling(const std::string& label, double value,
                                                   QWidget* parent)
    : QDialog(parent), value_(value), field_(value) {
    setObjectName("largestValueDialog");
    setWindowTitle("Largest value for scaling");
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    edit_ = new QLineEdit(this);
    edit_->setObjectName("value");
    auto* text = new QLabel(QString::fromStdString(label), this);
    text->setObjectName("label");
    form->addRow(text, edit_);
    layout->addLayout(form);
    layout->addWidget(OkCancel(this));
    dx_.Number(edit_, field_);
    dx_.ToWidgets();
}

void CmLargestValueForScaling::accept() {
    if (!dx_.FromWidgets()) return;
    // Arrows are drawn in proportion to the largest value: it must be above 0.
    if (!(field_ > 0)) {
        RefuseField(edit_, "Enter a value greater than 0.");
        return;
    }
    value_ = field_;
    QDialog::accept();
}

bool QtLargestValue::Run(const std::string& label, double& value) {
    CmLargestValueForScaling dialog(label, value, owner_);
    if (dialog.exec() != QDialog::Accepted) return false;
    value = dialog.Value();
    return true;
}

// ---------------------------------------------------------------------------------------------

CmUnitsSelection::CmUnitsSelection(const s_UnitsSelection& selection, QWidget* parent)
    : QDialog(parent), selection_(selection), systemIndex_(selection.unitSystem - 1),
      forceIndex_(selection.forceIndex), lengthIndex_(selection.lengthIndex) {
    setObjectName("unitsSelectionDialog");
    setWindowTitle("Units Selection");
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    system_ = new QComboBox(this);
    system_->setObjectName("units");
    system_->addItems({"English", "SI", "Other"});
    form->addRow("Units:", system_);
    force_ = new CmForceUnitsList(this);
    force_->setObjectName("forceUnits");
    forceLabel_ = new QLabel("Force units:", this);
    form->addRow(forceLabel_, force_);
    length_ = new CmLengthUnitsList(this);
    length_->setObjectName("lengthUnits");
    lengthLabel_ = new QLabel("Length units:", this);
    form->addRow(lengthLabel_, length_);
    layout->addLayout(form);
    layout->addWidget(OkCancel(this));
    dx_.Choice(system_, systemIndex_);
    dx_.Choice(force_, forceIndex_);
    dx_.Choice(length_, lengthIndex_);
    dx_.ToWidgets();
    ApplyUnitsRule();
    connect(system_, &QComboBox::currentIndexChanged, this, [this] { ApplyUnitsRule(); });
}

void CmUnitsSelection::ApplyUnitsRule() {
    dx_.FromWidgets();
    const bool other = systemIndex_ == UnitSystemOther - 1;
    if (systemIndex_ == UnitSystemEnglish - 1) {
        forceIndex_ = 0;   // Pounds
        lengthIndex_ = 0;  // Feet
    } else if (systemIndex_ == UnitSystemSI - 1) {
        forceIndex_ = 3;   // Newtons
        lengthIndex_ = 4;  // Meters
    }
    for (QWidget* w : std::initializer_list<QWidget*>{force_, length_, forceLabel_, lengthLabel_})
        w->setEnabled(other);
    dx_.ToWidgets();
}

void CmUnitsSelection::accept() {
    if (!dx_.FromWidgets()) return;
    selection_.unitSystem = systemIndex_ + 1;
    selection_.lengthIndex = lengthIndex_;
    selection_.forceIndex = forceIndex_;
    QDialog::accept();
}

bool QtUnitsSelection::Run(s_UnitsSelection& selection) {
    CmUnitsSelection dialog(selection, owner_);
    if (dialog.exec() != QDialog::Accepted) return false;
    selection = dialog.Selection();
    return true;
}

}  // namespace dialogs
