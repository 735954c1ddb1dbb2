#include "dialogs/line_editing_windows.h"

#include "dialogs/data_exchange.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

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
        connect(button, &QPushButton::clicked, this, [this, message] { emit ButtonMessage(message); });
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

}  // namespace dialogs
