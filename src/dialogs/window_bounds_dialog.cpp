#include "dialogs/window_bounds_dialog.h"

#include "dialogs/field_text.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

namespace dialogs {

WindowBoundsDialog::WindowBoundsDialog(const Cpp_Graphics::WindowBoundsRecord& record,
                                       QWidget* parent)
    : QDialog(parent), record_(record) {
    setObjectName("windowBoundsDialog");
    setWindowTitle("Window Bounds");
    auto* layout = new QVBoxLayout(this);
    range_ = new QButtonGroup(this);
    auto* xRange = new QRadioButton("X range specified", this);
    xRange->setObjectName("xRange");
    auto* yRange = new QRadioButton("Y range specified", this);
    yRange->setObjectName("yRange");
    range_->addButton(xRange, 0);
    range_->addButton(yRange, 1);
    layout->addWidget(xRange);
    layout->addWidget(yRange);
    if (auto* b = range_->button(record.mode)) b->setChecked(true);

    auto* form = new QFormLayout;
    auto field = [&](const char* name, const char* label, double value) {
        auto* edit = new QLineEdit(FormatDoubleField(value), this);
        edit->setObjectName(name);
        form->addRow(label, edit);
        return edit;
    };
    xmax_ = field("xmax", "X maximum:", record.xmax);
    xmin_ = field("xmin", "X minimum:", record.xmin);
    ymax_ = field("ymax", "Y maximum:", record.ymax);
    ymin_ = field("ymin", "Y minimum:", record.ymin);
    layout->addLayout(form);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);

    connect(range_, &QButtonGroup::idClicked, this, [this](int) { ApplyRangeRule(); });
    ApplyRangeRule();
}

void WindowBoundsDialog::ApplyRangeRule() {
    const int mode = range_->checkedId();
    if (mode == 0) {
        xmax_->setEnabled(true);
        ymax_->setEnabled(false);
    } else if (mode == 1) {
        xmax_->setEnabled(false);
        ymax_->setEnabled(true);
    }
}

void WindowBoundsDialog::accept() {
    const auto xmax = ReadNumber(xmax_);
    if (!xmax) return;
    const auto xmin = ReadNumber(xmin_);
    if (!xmin) return;
    const auto ymax = ReadNumber(ymax_);
    if (!ymax) return;
    const auto ymin = ReadNumber(ymin_);
    if (!ymin) return;
    record_ = {*xmin, *xmax, *ymin, *ymax, range_->checkedId()};
    QDialog::accept();
}

bool QtWindowBounds::Run(Cpp_Graphics::WindowBoundsRecord& record) {
    dialogs::WindowBoundsDialog dialog(record, owner_);
    if (dialog.exec() != QDialog::Accepted) return false;
    record = dialog.Record();
    return true;
}

}  // namespace dialogs
