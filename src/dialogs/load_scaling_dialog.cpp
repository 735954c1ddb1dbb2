#include "dialogs/load_scaling_dialog.h"

#include "platform/qt/qt_text.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>
#include <charconv>
#include <cmath>

namespace dialogs {

using platform::qt::ToQString;
using platform::qt::ToStdString;

namespace {

const char* const kOptionTexts[5] = {
    "Length in drawing units per unit of load: 1 / factor",
    "Screen inches per unit of load: 1 / factor (72 pixels an inch)",
    "Pixels per unit of load: 1 / factor",
    "Largest value drawn factor inches long (72 pixels an inch)",
    "Largest value drawn factor centimetres long",
};

std::optional<double> ParseFactor(const QString& text) {
    const std::string s = text.trimmed().toStdString();
    if (s.empty()) return std::nullopt;
    double value = 0;
    auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value,
                                     std::chars_format::fixed | std::chars_format::scientific);
    if (ec != std::errc() || end != s.data() + s.size() || !std::isfinite(value) || value <= 0)
        return std::nullopt;
    return value;
}

std::string FormatFactor(double value) {
    char buffer[64];
    auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
    (void)ec;
    return std::string(buffer, end);
}

}  // namespace

LoadScalingDialog::LoadScalingDialog(const std::string& title, const LoadScaling& current,
                                     QWidget* parent)
    : QDialog(parent), choice_(current) {
    setObjectName("loadScalingDialog");
    setWindowTitle(ToQString(title));
    auto* layout = new QVBoxLayout(this);
    auto* group = new QGroupBox("Scale", this);
    auto* groupLayout = new QVBoxLayout(group);
    options_ = new QButtonGroup(this);
    for (int i = 0; i < 5; ++i) {
        auto* button = new QRadioButton(kOptionTexts[i], group);
        options_->addButton(button, i + 1);
        groupLayout->addWidget(button);
    }
    if (auto* b = options_->button(current.option)) {
        b->setChecked(true);
    } else {
        options_->button(1)->setChecked(true);
    }
    layout->addWidget(group);
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel("Factor:", this));
    factor_ = new QLineEdit(ToQString(FormatFactor(current.factor)), this);
    row->addWidget(factor_);
    layout->addLayout(row);
    error_ = new QLabel(this);
    error_->setStyleSheet("color: #a00000");
    error_->hide();
    layout->addWidget(error_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

void LoadScalingDialog::accept() {
    const auto factor = ParseFactor(factor_->text());
    if (!factor) {
        error_->setText("The factor must be a number greater than zero.");
        error_->show();
        factor_->setFocus();
        factor_->selectAll();
        return;
    }
    choice_ = {options_->checkedId(), *factor};
    QDialog::accept();
}

std::optional<LoadScaling> QtLoadScaling::GetLoadScaling(int, const std::string& title,
                                                         const LoadScaling& current) {
    LoadScalingDialog dialog(title, current, owner_);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.Choice();
}

}  // namespace dialogs
