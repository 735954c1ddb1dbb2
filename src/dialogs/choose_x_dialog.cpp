#include "dialogs/choose_x_dialog.h"

#include "dialogs/generation_units_dialogs.h"

#include "core/format_text.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

namespace dialogs {

ChooseXValueDialog::ChooseXValueDialog(const std::vector<double>& values, QWidget* parent)
    : QDialog(parent) {
    setObjectName("chooseXValueDialog");
    setWindowTitle("Choose an X value");
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel("Multiple X values at slope face.  Choose one:", this));
    list_ = new QListWidget(this);
    list_->setObjectName("values");
    for (double value : values) list_->addItem(QString::fromStdString(FormatText("%1.4f", value)));
    layout->addWidget(list_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(list_, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
    layout->addWidget(buttons);
}

void ChooseXValueDialog::accept() {
    if (!list_->currentItem() || !list_->currentItem()->isSelected()) return;
    chosen_ = list_->currentRow();
    QDialog::accept();
}

bool QtReinforcementGenerationDialogs::ChooseXValue(const std::vector<double>& values, int& index) {
    ChooseXValueDialog dialog(values, owner_);
    if (dialog.exec() != QDialog::Accepted) return false;
    index = dialog.ChosenIndex();
    return true;
}

bool QtReinforcementGenerationDialogs::EditNailGenerationUnits(int& lengthUnit, int& forceUnit) {
    return RunNailGenerationDialog(owner_, lengthUnit, forceUnit);
}

bool QtReinforcementGenerationDialogs::EditGeogridGenerationOptions(
    s_GeogridGenerationOptions& options) {
    return RunGeogridGenerationDialog(owner_, options);
}

}  // namespace dialogs
