#include "dialogs/line_editing_windows.h"

#include "core/message_boxes.h"
#include "dialogs/data_exchange.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>

namespace dialogs {

CmEditLinesAndPoints::CmEditLinesAndPoints(QWidget* parent) : QDialog(parent) {
    setObjectName("editLinesAndPoints");
    setWindowTitle("Edit Lines & Points");
    setModal(false);
    auto* layout = new QVBoxLayout(this);
    const char* const texts[] = {"Snap to Point",
                                 "Extend to Line",
                                 "Snap Vertically to Line",
                                 "Snap Horizontally to Line",
                                 "Extend to Segment",
                                 "Snap Vertically to Segment",
                                 "Snap Horizontally to Segment"};
    int message = kFirstMessage;
    for (const char* text : texts) {
        auto* button = new QPushButton(text, this);
        button->setAutoDefault(false);
        layout->addWidget(button);
        connect(button, &QPushButton::clicked, this,
                [this, message] { emit ButtonMessage(message); });
        ++message;
    }
}

CmNumberToAdd::CmNumberToAdd(QWidget* parent) : QDialog(parent) {
    setObjectName("numberToAdd");
    setWindowTitle("Number to add");
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    edit_ = new QLineEdit(this);
    edit_->setObjectName("number");
    form->addRow("Number to add:", edit_);
    layout->addLayout(form);
    auto* box = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(box, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(box, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(box);
}

void CmNumberToAdd::showEvent(QShowEvent* event) {
    DataExchange dx(this);
    dx.Integer(edit_, number);
    dx.ToWidgets();
    QDialog::showEvent(event);
}

void CmNumberToAdd::accept() {
    int value = number;
    DataExchange dx(this);
    dx.Integer(edit_, value);
    if (!dx.FromWidgets()) return;
    number = value;
    QDialog::accept();
}

CmDuplicateLineResolution::CmDuplicateLineResolution(const std::string& message,
                                                     std::vector<int> usedNumbers, QWidget* parent)
    : QDialog(parent), used_(std::move(usedNumbers)) {
    setObjectName("duplicateLineResolution");
    setWindowTitle("Resolve Duplicate Line");
    suggested_ = SmallestUnusedNumber(used_);
    newNumber = existingNumber = suggested_;
    auto* layout = new QVBoxLayout(this);
    auto* text = new QLabel(QString::fromStdString(message), this);
    text->setObjectName("message");
    layout->addWidget(text);
    auto* grid = new QGridLayout;
    const char* const texts[] = {
        "Replace existing line with new line",
        "Change number of NEW line to:", "Change number of EXISTING (old) line to:"};
    auto* group = new QButtonGroup(this);
    for (int i = 0; i < 3; ++i) {
        choices_[i] = new QRadioButton(texts[i], this);
        choices_[i]->setObjectName(QString("choice%1").arg(i));
        group->addButton(choices_[i], i);
        grid->addWidget(choices_[i], i, 0);
    }
    newEdit_ = new QLineEdit(this);
    newEdit_->setObjectName("newNumber");
    existingEdit_ = new QLineEdit(this);
    existingEdit_->setObjectName("existingNumber");
    grid->addWidget(newEdit_, 1, 1);
    grid->addWidget(existingEdit_, 2, 1);
    layout->addLayout(grid);
    layout->addWidget(new QLabel("Cancel rejects the new line entirely.", this));
    auto* box = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(box, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(box, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(box);
    newEdit_->setText(QString::number(suggested_));
    existingEdit_->setText(QString::number(suggested_));
    choices_[1]->setChecked(true);
    connect(group, &QButtonGroup::idClicked, this, [this] { ApplyChoice(); });
    ApplyChoice();
}

void CmDuplicateLineResolution::ApplyChoice() {
    choice = 0;
    for (int i = 0; i < 3; ++i)
        if (choices_[i]->isChecked()) choice = i;
    newEdit_->setEnabled(choice == 1);
    existingEdit_->setEnabled(choice == 2);
}

void CmDuplicateLineResolution::accept() {
    ApplyChoice();
    int typedNew = newNumber, typedExisting = existingNumber;
    DataExchange dx(this);
    dx.Integer(newEdit_, typedNew);
    dx.Integer(existingEdit_, typedExisting);
    if (!dx.FromWidgets()) return;
    QLineEdit* const edit = choice == 1 ? newEdit_ : choice == 2 ? existingEdit_ : nullptr;
    const int typed = choice == 1 ? typedNew : typedExisting;
    if (edit && std::find(used_.begin(), used_.end(), typed) != used_.end()) {
        ShowErrorOnWindow(this, "Error in Line Number", LineNumberUsedMessage(typed));
        edit->setText(QString::number(suggested_));
        edit->setFocus();
        edit->selectAll();
        return;
    }
    newNumber = typedNew;
    existingNumber = typedExisting;
    QDialog::accept();
}

int QtDuplicateLineDialog::Run(const std::string& message, const std::vector<int>& usedNumbers,
                               int& newNumber, int& existingNumber) {
    CmDuplicateLineResolution dialog(message, usedNumbers, owner_);
    if (dialog.exec() != QDialog::Accepted) return -1;
    newNumber = dialog.newNumber;
    existingNumber = dialog.existingNumber;
    return dialog.choice;
}

}  // namespace dialogs
