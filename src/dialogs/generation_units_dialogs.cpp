#include "dialogs/generation_units_dialogs.h"

#include "dialogs/unit_lists.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QVBoxLayout>

namespace dialogs {

namespace {

QGroupBox* UnitsGroup(DataExchange& dx, int& lengthUnit, int& forceUnit) {
    auto* units = new QGroupBox("Units");
    auto* form = new QFormLayout(units);
    auto* length = new CmLengthUnitsList;
    length->setObjectName("lengthUnit");
    form->addRow("Lengths, elevations, spacings:", length);
    auto* force = new CmForceUnitsList;
    force->setObjectName("forceUnit");
    form->addRow("Forces:", force);
    dx.Choice(length, lengthUnit);
    dx.Choice(force, forceUnit);
    return units;
}

QDialogButtonBox* OkCancel(QDialog* dialog) {
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    return buttons;
}

}  // namespace

GeogridGenerationDialog::GeogridGenerationDialog(const s_GeogridGenerationOptions& options,
                                                 QWidget* parent)
    : QDialog(parent), dx_(this) {
    setWindowTitle("Reinforcement Generation for Geogrids");
    option_ = options.incrementOption;
    if (option_ == s_GeogridGenerationOptions::NumberOfIncrements)
        number_ = options.numberOfIncrements;
    if (option_ == s_GeogridGenerationOptions::IncrementDistance)
        distance_ = options.incrementDistance;
    stop_ = options.stopIfNotDeveloped;
    lengthUnit_ = options.lengthUnit;
    forceUnit_ = options.forceUnit;

    auto* layout = new QVBoxLayout(this);
    auto* ends = new QGroupBox("Computation of End Effects");
    auto* form = new QFormLayout(ends);
    auto* option = new QComboBox;
    option->setObjectName("option");
    option->addItems({"Number of increments specified", "Increment distance specified"});
    form->addRow("Increments for computations defined by:", option);
    auto* number = new QLineEdit;
    number->setObjectName("number");
    form->addRow("Number of increments:", number);
    auto* distance = new QLineEdit;
    distance->setObjectName("distance");
    form->addRow("Increment distance:", distance);
    auto* stop = new QCheckBox("Do not generate reinforcement lines if the allowable force in the "
                               "geogrid is not developed (inadequate pullout resistance at either "
                               "end).");
    stop->setObjectName("stop");
    form->addRow(stop);
    layout->addWidget(ends);
    dx_.Choice(option, option_);
    dx_.Integer(number, number_);
    dx_.Number(distance, distance_);
    dx_.Check(stop, stop_);
    layout->addWidget(UnitsGroup(dx_, lengthUnit_, forceUnit_));
    layout->addWidget(OkCancel(this));
    dx_.ToWidgets();
}

void GeogridGenerationDialog::accept() {
    if (dx_.FromWidgets()) QDialog::accept();
}

s_GeogridGenerationOptions
GeogridGenerationDialog::Result(const s_GeogridGenerationOptions& stored) const {
    s_GeogridGenerationOptions result = stored;
    result.incrementOption = option_;
    if (option_ == s_GeogridGenerationOptions::NumberOfIncrements)
        result.numberOfIncrements = number_;
    if (option_ == s_GeogridGenerationOptions::IncrementDistance)
        result.incrementDistance = distance_;
    result.stopIfNotDeveloped = stop_;
    result.lengthUnit = lengthUnit_;
    result.forceUnit = forceUnit_;
    return result;
}

NailGenerationDialog::NailGenerationDialog(int lengthUnit, int forceUnit, QWidget* parent)
    : QDialog(parent), dx_(this), lengthUnit_(lengthUnit), forceUnit_(forceUnit) {
    setWindowTitle("Reinforcement Generation for Soil Nails");
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(UnitsGroup(dx_, lengthUnit_, forceUnit_));
    layout->addWidget(OkCancel(this));
    dx_.ToWidgets();
}

void NailGenerationDialog::accept() {
    if (dx_.FromWidgets()) QDialog::accept();
}

bool RunGeogridGenerationDialog(QWidget* owner, s_GeogridGenerationOptions& options) {
    GeogridGenerationDialog dialog(options, owner);
    if (dialog.exec() != QDialog::Accepted) return false;
    options = dialog.Result(options);
    return true;
}

bool RunNailGenerationDialog(QWidget* owner, int& lengthUnit, int& forceUnit) {
    NailGenerationDialog dialog(lengthUnit, forceUnit, owner);
    if (dialog.exec() != QDialog::Accepted) return false;
    lengthUnit = dialog.LengthUnit();
    forceUnit = dialog.ForceUnit();
    return true;
}

}  // namespace dialogs
