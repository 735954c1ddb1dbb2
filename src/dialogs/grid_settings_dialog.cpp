#include "dialogs/grid_settings_dialog.h"

#include "core/units.h"
#include "dialogs/field_text.h"
#include "platform/qt/qt_text.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace dialogs {

using platform::qt::ToQString;

namespace {

QLineEdit* AddEdit(QDialog* dialog, const char* name, const QString& text) {
    auto* edit = new QLineEdit(text, dialog);
    edit->setObjectName(name);
    return edit;
}

QCheckBox* AddCheck(QDialog* dialog, const char* name, const char* text, bool checked) {
    auto* box = new QCheckBox(text, dialog);
    box->setObjectName(name);
    box->setChecked(checked);
    return box;
}

}  // namespace

GridSettingsDialog::GridSettingsDialog(const s_GridSettingsType& settings,
                                       const std::string& unitWord, QWidget* parent)
    : QDialog(parent), settings_(settings) {
    setObjectName("gridSettingsDialog");
    setWindowTitle("Display Grid Information");
    const QString unit = ToQString(unitWord);
    auto* layout = new QVBoxLayout(this);

    apply_ = AddCheck(this, "applyToApplication", "Apply to aplication settings", false);
    lines_ = AddCheck(this, "displayLines", "Display grid lines", settings.displayLines);
    points_ = AddCheck(this, "displayPoints", "Display grid points", settings.displayPoints);
    snap_ = AddCheck(this, "snap", "Snap to grid", settings.snap);
    linesIncrement_ = AddEdit(this, "linesIncrement", QString::number(settings.linesIncrement));
    pointsIncrement_ = AddEdit(this, "pointsIncrement", QString::number(settings.pointsIncrement));
    spacing_ = AddEdit(this, "spacing", FormatDoubleField(settings.spacing));
    horizontalZero_ = AddEdit(this, "horizontalZero", FormatDoubleField(settings.horizontalZero));
    verticalZero_ = AddEdit(this, "verticalZero", FormatDoubleField(settings.verticalZero));

    auto* grid = new QGridLayout;
    int row = 0;
    grid->addWidget(lines_, row++, 0, 1, 4);
    grid->addWidget(new QLabel("Display lines every", this), row, 0);
    grid->addWidget(linesIncrement_, row, 1);
    grid->addWidget(new QLabel("increment(s)", this), row++, 2);
    grid->addWidget(points_, row++, 0, 1, 4);
    grid->addWidget(new QLabel("Display points every", this), row, 0);
    grid->addWidget(pointsIncrement_, row, 1);
    grid->addWidget(new QLabel("increment(s)", this), row++, 2);
    grid->addWidget(snap_, row++, 0, 1, 4);
    auto addValue = [&](const char* label, QLineEdit* edit, const char* unitName, bool visible) {
        auto* caption = new QLabel(label, this);
        auto* unitText = new QLabel(unit, this);
        unitText->setObjectName(unitName);
        grid->addWidget(caption, row, 0);
        grid->addWidget(edit, row, 1);
        grid->addWidget(unitText, row++, 2);
        // The grid zeros are kept and handed back but not offered on the form.
        caption->setVisible(visible);
        edit->setVisible(visible);
        unitText->setVisible(visible);
    };
    addValue("Grid spacing increment:", spacing_, "spacingUnit", true);
    addValue("Horizontal (x) grid zero:", horizontalZero_, "horizontalZeroUnit", false);
    addValue("Vertical (y) grid zero:", verticalZero_, "verticalZeroUnit", false);
    layout->addLayout(grid);
    layout->addWidget(apply_);

    error_ = new QLabel(this);
    error_->setObjectName("error");
    error_->setStyleSheet("color: #a00000");
    error_->hide();
    layout->addWidget(error_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

void GridSettingsDialog::accept() {
    s_GridSettingsType read = settings_;
    auto refuse = [this](QLineEdit* edit, const char* field, const char* what) {
        error_->setText(QString("%1 \"%2\" is not %3.").arg(field, edit->text(), what));
        error_->show();
        edit->setFocus();
        edit->selectAll();
    };
    const auto linesIncrement = ParseInteger(linesIncrement_->text());
    if (!linesIncrement) return refuse(linesIncrement_, "Display lines every:", "a whole number");
    const auto pointsIncrement = ParseInteger(pointsIncrement_->text());
    if (!pointsIncrement)
        return refuse(pointsIncrement_, "Display points every:", "a whole number");
    const auto spacing = ParseNumber(spacing_->text());
    if (!spacing) return refuse(spacing_, "Grid spacing increment:", "a number");
    const auto horizontalZero = ParseNumber(horizontalZero_->text());
    if (!horizontalZero) return refuse(horizontalZero_, "Horizontal (x) grid zero:", "a number");
    const auto verticalZero = ParseNumber(verticalZero_->text());
    if (!verticalZero) return refuse(verticalZero_, "Vertical (y) grid zero:", "a number");
    read.linesIncrement = *linesIncrement;
    read.pointsIncrement = *pointsIncrement;
    read.spacing = *spacing;
    read.horizontalZero = *horizontalZero;
    read.verticalZero = *verticalZero;
    read.displayLines = lines_->isChecked();
    read.displayPoints = points_->isChecked();
    read.snap = snap_->isChecked();
    read.applyToApplication = apply_->isChecked();
    settings_ = read;
    error_->hide();
    QDialog::accept();
}

bool QtGridSettings::Run(s_GridSettingsType& settings) {
    GridSettingsDialog dialog(settings, CurrentLengthUnitWord(), owner_);
    if (dialog.exec() != QDialog::Accepted) return false;
    settings = dialog.Settings();
    return true;
}

}  // namespace dialogs
