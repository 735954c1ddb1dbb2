#include "dialogs/analysis_main_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
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

void CmAnalCompMainInput::FillSearchTypeCombo(QComboBox* combo, bool circular) {
    combo->clear();
    if (circular)
        combo->addItems({"Individual circle", "Type 1 - (\"Floating Grid\") Search",
                         "Type 2 - (\"Fixed Grid\") Search"});
    else
        combo->addItems({"Individual slip surface", "Automatic search"});
    combo->setCurrentIndex(-1);
}

CmAnalCompMainInput::CmAnalCompMainInput(QWidget* parent) : QDialog(parent), dx_(this) {
    setObjectName("analysisMainDialog");
    setWindowTitle("Main Analysis/Computation Dialog");
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    shape_ = new QComboBox(this);
    shape_->setObjectName("shape");
    shape_->addItems({"Circle", "Noncircular"});
    type_ = new QComboBox(this);
    type_->setObjectName("type");
    type_->setMinimumContentsLength(32);
    form->addRow("Shape of slip surface:", shape_);
    form->addRow("Type of computations:", type_);
    layout->addLayout(form);
    layout->addWidget(OkCancel(this));
    dx_.Choice(type_, TypeIndex);
    dx_.Choice(shape_, ShapeIndex);
    connect(shape_, qOverload<int>(&QComboBox::activated), this,
            [this](int) { OnSelchangeSurfaceType(); });
}

int CmAnalCompMainInput::DoModal() {
    // The shape first, so the list of types matches it before the type is shown.
    shape_->setCurrentIndex(ShapeIndex >= 0 && ShapeIndex < 2 ? ShapeIndex : -1);
    FillSearchTypeCombo(type_, ShapeIndex == 0);
    dx_.ToWidgets();
    return exec();
}

void CmAnalCompMainInput::OnSelchangeSurfaceType() {
    dx_.FromWidgets();
    if (ShapeIndex != 0) {
        FillSearchTypeCombo(type_, false);
        if (TypeIndex > 1) TypeIndex = 1;
    } else {
        FillSearchTypeCombo(type_, true);
    }
    dx_.ToWidgets();
}

void CmAnalCompMainInput::accept() {
    if (!dx_.FromWidgets()) return;
    QDialog::accept();
}

CmAnalCompModeOfComputations::CmAnalCompModeOfComputations(QWidget* parent)
    : QDialog(parent), dx_(this) {
    setObjectName("modeOfComputationsDialog");
    setWindowTitle("Select Type of Computations");
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    type_ = new QComboBox(this);
    type_->setObjectName("type");
    type_->setMinimumContentsLength(32);
    form->addRow("Type of computations:", type_);
    layout->addLayout(form);
    layout->addWidget(OkCancel(this));
    dx_.Choice(type_, TypeIndex);
}

int CmAnalCompModeOfComputations::DoModal() {
    CmAnalCompMainInput::FillSearchTypeCombo(type_, IsCircular);
    dx_.ToWidgets();
    return exec();
}

void CmAnalCompModeOfComputations::accept() {
    if (!dx_.FromWidgets()) return;
    QDialog::accept();
}

bool QtAnalysisMainDialogs::MainInput(int& shapeIndex, int& typeIndex) {
    CmAnalCompMainInput dialog(owner_);
    dialog.ShapeIndex = shapeIndex;
    dialog.TypeIndex = typeIndex;
    if (dialog.DoModal() != QDialog::Accepted) return false;
    shapeIndex = dialog.ShapeIndex;
    typeIndex = dialog.TypeIndex;
    return true;
}

bool QtAnalysisMainDialogs::ModeOfComputations(bool circular, int& typeIndex) {
    CmAnalCompModeOfComputations dialog(owner_);
    dialog.IsCircular = circular;
    dialog.TypeIndex = typeIndex;
    if (dialog.DoModal() != QDialog::Accepted) return false;
    typeIndex = dialog.TypeIndex;
    return true;
}

}  // namespace dialogs
