#include "dialogs/distance_dialogs.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

namespace dialogs {

namespace {

QDialogButtonBox* OkCancel(QDialog* dialog) {
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    return buttons;
}

QLineEdit* NamedEdit(QWidget* parent, const char* name) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    return edit;
}

}  // namespace

DistanceBetweenPointsDialog::DistanceBetweenPointsDialog(const s_PointsDistanceValues& values,
                                                         QWidget* parent)
    : QDialog(parent), values_(values), dx_(this) {
    setObjectName("distanceBetweenPointsDialog");
    setWindowTitle("Distance between selected points");
    auto* layout = new QVBoxLayout(this);
    option_ = new QComboBox(this);
    option_->setObjectName("option");
    option_->addItems({"Distances are fixed.", "Total distance can be changed.",
                       "Horizontal/vertical distance can be changed."});
    layout->addWidget(option_);
    auto* form = new QFormLayout;
    total_ = NamedEdit(this, "total");
    horizontal_ = NamedEdit(this, "horizontal");
    vertical_ = NamedEdit(this, "vertical");
    form->addRow("Total distance:", total_);
    form->addRow("Horizontal distance:", horizontal_);
    form->addRow("Vertical distance:", vertical_);
    layout->addLayout(form);
    auto* radios = new QHBoxLayout;
    first_ = new QRadioButton("Change first point", this);
    first_->setObjectName("changeFirst");
    second_ = new QRadioButton("Change second point", this);
    second_->setObjectName("changeSecond");
    radios->addWidget(first_);
    radios->addWidget(second_);
    layout->addLayout(radios);
    layout->addWidget(OkCancel(this));
    dx_.Choice(option_, values_.option);
    dx_.Number(horizontal_, values_.horizontal);
    dx_.Radio({first_, second_}, values_.pointToChange);
    dx_.Number(total_, values_.total);
    dx_.Number(vertical_, values_.vertical);
    dx_.ToWidgets();
    UpdateControls(values_.option);
    connect(option_, &QComboBox::currentIndexChanged, this,
            &DistanceBetweenPointsDialog::UpdateControls);
}

void DistanceBetweenPointsDialog::UpdateControls(int option) {
    if (option < 0 || option > 2) return;
    total_->setEnabled(option == 1);
    horizontal_->setEnabled(option == 2);
    vertical_->setEnabled(option == 2);
    first_->setEnabled(option != 0);
    second_->setEnabled(option != 0);
}

void DistanceBetweenPointsDialog::accept() {
    const s_PointsDistanceValues before = values_;
    if (!dx_.FromWidgets()) {
        values_ = before;
        return;
    }
    QDialog::accept();
}

DistanceBetweenPointAndLineDialog::DistanceBetweenPointAndLineDialog(
    const s_PointLineDistanceValues& values, QWidget* parent)
    : QDialog(parent), values_(values), dx_(this) {
    setObjectName("distanceBetweenPointAndLineDialog");
    setWindowTitle("Distance between point and line");
    exists_ = {values_.perpendicularExists, values_.horizontalExists, values_.verticalExists};
    auto* layout = new QVBoxLayout(this);
    option_ = new QComboBox(this);
    option_->setObjectName("option");
    const char* items[] = {"Perpendicular distance can be changed.",
                           "Horizontal distance can be changed.",
                           "Vertical distance can be changed."};
    option_->addItem("Distances are fixed.");
    codes_ = {0};
    for (int i = 0; i < 3; ++i)
        if (exists_[i]) {
            option_->addItem(items[i]);
            codes_.push_back(i + 1);
        }
    layout->addWidget(option_);
    auto* form = new QFormLayout;
    const char* names[] = {"perpendicular", "horizontal", "vertical"};
    const char* labels[] = {
        "Perpendicular distance:", "Horizontal distance:", "Vertical distance:"};
    const char* missing[] = {"Zero length line.", "Horizontal line - cannot change.",
                             "Vertical line - cannot change."};
    double* members[] = {&values_.perpendicular, &values_.horizontal, &values_.vertical};
    for (int i = 0; i < 3; ++i) {
        auto* row = new QHBoxLayout;
        auto* edit = NamedEdit(this, names[i]);
        auto* note = new QLabel(missing[i], this);
        note->setObjectName(QString(names[i]) + "Missing");
        row->addWidget(edit);
        row->addWidget(note);
        edit->setVisible(exists_[i]);
        note->setVisible(!exists_[i]);
        form->addRow(labels[i], row);
        edits_.push_back(edit);
        dx_.Number(edit, *members[i]);
    }
    layout->addLayout(form);
    auto* radios = new QHBoxLayout;
    auto* point = new QRadioButton("Change/move point", this);
    auto* segment = new QRadioButton("Change/move line segment", this);
    point->setEnabled(false);
    segment->setEnabled(false);
    radios->addWidget(point);
    radios->addWidget(segment);
    layout->addLayout(radios);
    layout->addWidget(OkCancel(this));
    dx_.Radio({point, segment}, values_.whatMoves);
    dx_.ToWidgets();
    option_->setCurrentIndex(0);
    for (size_t i = 0; i < codes_.size(); ++i)
        if (codes_[i] == values_.option) option_->setCurrentIndex(static_cast<int>(i));
    UpdateControls();
    connect(option_, &QComboBox::currentIndexChanged, this,
            &DistanceBetweenPointAndLineDialog::UpdateControls);
}

void DistanceBetweenPointAndLineDialog::UpdateControls() {
    const int position = option_->currentIndex();
    const int option = position >= 0 && position < static_cast<int>(codes_.size())
                           ? codes_[static_cast<size_t>(position)]
                           : -1;
    if (option < 0 || option > 3) return;
    for (int i = 0; i < 3; ++i) edits_[static_cast<size_t>(i)]->setEnabled(option == i + 1);
}

void DistanceBetweenPointAndLineDialog::accept() {
    const s_PointLineDistanceValues before = values_;
    if (!dx_.FromWidgets()) {
        values_ = before;
        return;
    }
    const int position = option_->currentIndex();
    values_.option = position >= 0 ? codes_[static_cast<size_t>(position)] : 0;
    QDialog::accept();
}

bool QtDistanceDialogs::RunBetweenPoints(s_PointsDistanceValues& values) {
    DistanceBetweenPointsDialog dialog(values, owner_);
    if (dialog.exec() != QDialog::Accepted) return false;
    values = dialog.Values();
    return true;
}

bool QtDistanceDialogs::RunPointAndLine(s_PointLineDistanceValues& values) {
    DistanceBetweenPointAndLineDialog dialog(values, owner_);
    if (dialog.exec() != QDialog::Accepted) return false;
    values = dialog.Values();
    return true;
}

}  // namespace dialogs
