#include "dialogs/line_value_dialogs.h"

#include "dialogs/field_text.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

namespace dialogs {

namespace {

QDialogButtonBox* OkCancel(QDialog* dialog) {
    auto* box = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, dialog);
    QObject::connect(box, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(box, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    return box;
}

QLineEdit* NumberEdit(QWidget* parent, const char* name, double value) {
    auto* edit = new QLineEdit(NumberText(value), parent);
    edit->setObjectName(name);
    edit->selectAll();
    return edit;
}

QString Q(const std::string& text) { return QString::fromStdString(text); }

constexpr const char* kPortions[] = {"Left portion of original line is the new line.",
                                     "Right  portion of original line is the new line."};

// The two portion buttons under their label; the right portion checked unless left is.
void AddPortions(QDialog* dialog, QVBoxLayout* layout, QRadioButton* (&buttons)[2], bool left) {
    layout->addWidget(new QLabel(
        "Assign the following as the new line (the other portion retains the original values):",
        dialog));
    auto* group = new QButtonGroup(dialog);
    for (int i = 0; i < 2; ++i) {
        buttons[i] = new QRadioButton(kPortions[i], dialog);
        buttons[i]->setObjectName(i == 0 ? "leftPortion" : "rightPortion");
        group->addButton(buttons[i], i);
        layout->addWidget(buttons[i]);
    }
    buttons[left ? 0 : 1]->setChecked(true);
}

}  // namespace

// ---------------------------------------------------------------------------------------------

CmEnterLength::CmEnterLength(double value, QWidget* parent) : QDialog(parent), length(value) {
    setObjectName("enterLength");
    setWindowTitle("Enter length of line");
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    edit_ = NumberEdit(this, "length", value);
    form->addRow("New length:", edit_);
    layout->addLayout(form);
    layout->addWidget(OkCancel(this));
}

void CmEnterLength::accept() {
    const std::optional<double> value = ReadNumber(edit_);
    if (!value) return;
    length = *value;
    QDialog::accept();
}

// ---------------------------------------------------------------------------------------------

CmEnterSlopeAngle::CmEnterSlopeAngle(int f, double v, int r, QWidget* parent)
    : QDialog(parent), format(f), value(v), rule(r) {
    setObjectName("enterSlopeAngle");
    setWindowTitle("Enter slope of line");
    auto* layout = new QVBoxLayout(this);
    formats_ = new QComboBox(this);
    formats_->setObjectName("format");
    formats_->addItems({"Slope angle (degrees)", "Slope ratio - Horizontal:Vertical  (dx/dy)",
                        "Slope ratio (dy/dx)"});
    formats_->setCurrentIndex(format);
    layout->addWidget(formats_);
    edit_ = NumberEdit(this, "value", value);
    layout->addWidget(edit_);
    auto* group = new QButtonGroup(this);
    const char* const texts[] = {"Change both x and y (length constant)",
                                 "Change x coordinate only (length changes)",
                                 "Change y coordinate only (length changes)"};
    for (int i = 0; i < 3; ++i) {
        rules_[i] = new QRadioButton(texts[i], this);
        rules_[i]->setObjectName(QString("rule%1").arg(i));
        group->addButton(rules_[i], i);
        layout->addWidget(rules_[i]);
    }
    if (rule >= 0 && rule < 3) rules_[rule]->setChecked(true);
    layout->addWidget(OkCancel(this));
    edit_->setFocus();
}

void CmEnterSlopeAngle::accept() {
    const std::optional<double> v = ReadNumber(edit_);
    if (!v) return;
    value = *v;
    format = formats_->currentIndex();
    rule = -1;
    for (int i = 0; i < 3; ++i)
        if (rules_[i]->isChecked()) rule = i;
    QDialog::accept();
}

// ---------------------------------------------------------------------------------------------

CmEnterMoveDistance::CmEnterMoveDistance(const std::string& label, const std::string& message,
                                         double value, QWidget* parent)
    : QDialog(parent), distance(value) {
    setObjectName("enterMoveDistance");
    setWindowTitle("Enter distance to move");
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    edit_ = NumberEdit(this, "distance", value);
    auto* labelText = new QLabel(Q(label), this);
    labelText->setObjectName("label");
    form->addRow(labelText, edit_);
    layout->addLayout(form);
    auto* messageText = new QLabel(Q(message), this);
    messageText->setObjectName("message");
    messageText->setWordWrap(true);
    layout->addWidget(messageText);
    layout->addWidget(OkCancel(this));
}

void CmEnterMoveDistance::accept() {
    const std::optional<double> value = ReadNumber(edit_);
    if (!value) return;
    distance = *value;
    QDialog::accept();
}

// ---------------------------------------------------------------------------------------------

CmEditValue::CmEditValue(const std::string& label, const s_EditValuePlacement& placement, double v,
                         QWidget* parent)
    : QDialog(parent), value(v), placement_(placement) {
    setObjectName("editValue");
    setWindowTitle("Edit Value");
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    edit_ = NumberEdit(this, "value", v);
    auto* labelText = new QLabel(Q(label + ":"), this);
    labelText->setObjectName("label");
    form->addRow(labelText, edit_);
    layout->addLayout(form);
    layout->addWidget(OkCancel(this));
}

void CmEditValue::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    const QSize size = frameGeometry().size();
    const s_PixelPoint at = EditValueWindowPosition(placement_, size.width(), size.height());
    move(at.x, at.y);
}

void CmEditValue::accept() {
    const std::optional<double> v = ReadNumber(edit_);
    if (!v) return;
    value = *v;
    QDialog::accept();
}

// ---------------------------------------------------------------------------------------------

CmProfileSplitInput::CmProfileSplitInput(const s_ProfileSplitInformation& in, QWidget* parent)
    : QDialog(parent), information(in) {
    setObjectName("profileSplitInput");
    setWindowTitle("Information for New Profile Line");
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel("Choose option for new profile line material:", this));
    const QString texts[] = {
        QString("Use same material for both lines - Material number = %1")
            .arg(in.splitLineMaterial),
        QString("Use a new material for new line - Material number = %1").arg(in.newMaterial),
        "Specify material number for new line"};
    const char* const names[] = {"sameMaterial", "newMaterial", "specifiedMaterial"};
    auto* group = new QButtonGroup(this);
    for (int i = 0; i < 3; ++i) {
        materials_[i] = new QRadioButton(texts[i], this);
        materials_[i]->setObjectName(names[i]);
        group->addButton(materials_[i], i);
        layout->addWidget(materials_[i]);
    }
    if (in.materialChoice >= 0 && in.materialChoice < 3)
        materials_[in.materialChoice]->setChecked(true);
    auto* row = new QHBoxLayout;
    materialLabel_ = new QLabel("Material number:", this);
    material_ = new QLineEdit(IntegerText(in.newMaterial), this);
    material_->setObjectName("materialNumber");
    row->addWidget(materialLabel_);
    row->addWidget(material_);
    layout->addLayout(row);
    connect(group, &QButtonGroup::idClicked, this, [this](int) { UpdateControls(); });
    AddPortions(this, layout, portions_, in.leftPortionNew);
    auto* form = new QFormLayout;
    description_ = new QLineEdit(Q(in.description), this);
    description_->setObjectName("description");
    form->addRow("New line description:", description_);
    layout->addLayout(form);
    layout->addWidget(OkCancel(this));
    UpdateControls();
}

void CmProfileSplitInput::UpdateControls() {
    const bool specified = materials_[2]->isChecked();
    materialLabel_->setEnabled(specified);
    material_->setEnabled(specified);
}

void CmProfileSplitInput::accept() {
    int choice = 1;
    for (int i = 0; i < 3; ++i)
        if (materials_[i]->isChecked()) choice = i;
    int material = information.newMaterial;
    if (choice == 2) {
        const std::optional<int> typed = ReadInteger(material_);
        if (!typed) return;
        if (*typed <= 0) {
            RefuseField(material_,
                        "Illegal material number - Material numbers must be greater than zero.");
            return;
        }
        material = *typed;
    }
    information.materialChoice = choice;
    information.newMaterial = material;
    information.leftPortionNew = portions_[0]->isChecked();
    information.description = description_->text().toStdString();
    QDialog::accept();
}

// ---------------------------------------------------------------------------------------------

CmPiezometricSplitInput::CmPiezometricSplitInput(const s_PiezometricSplitInformation& in,
                                                 QWidget* parent)
    : QDialog(parent), information(in) {
    setObjectName("piezometricSplitInput");
    setWindowTitle("Information for New Piezometric Line");
    auto* layout = new QVBoxLayout(this);
    auto* number = new QLabel(QString("New line number %1").arg(in.newNumber), this);
    number->setObjectName("newNumber");
    layout->addWidget(number);
    AddPortions(this, layout, portions_, in.leftPortionNew);
    auto* form = new QFormLayout;
    description_ = new QLineEdit(Q(in.description), this);
    description_->setObjectName("description");
    form->addRow("New line description:", description_);
    layout->addLayout(form);
    layout->addWidget(OkCancel(this));
}

void CmPiezometricSplitInput::accept() {
    information.leftPortionNew = portions_[0]->isChecked();
    information.description = description_->text().toStdString();
    QDialog::accept();
}

// ---------------------------------------------------------------------------------------------

bool QtLineEditingDialogs::EnterLength(double& length) {
    CmEnterLength dialog(length, owner_);
    if (dialog.exec() != QDialog::Accepted) return false;
    length = dialog.length;
    return true;
}

bool QtLineEditingDialogs::EnterSlope(int& format, double& value, int& rule) {
    CmEnterSlopeAngle dialog(format, value, rule, owner_);
    if (dialog.exec() != QDialog::Accepted) return false;
    format = dialog.format;
    value = dialog.value;
    rule = dialog.rule;
    return true;
}

bool QtLineEditingDialogs::EnterMoveDistance(const std::string& label, const std::string& message,
                                             double& distance) {
    CmEnterMoveDistance dialog(label, message, distance, owner_);
    if (dialog.exec() != QDialog::Accepted) return false;
    distance = dialog.distance;
    return true;
}

bool QtLineEditingDialogs::EditValue(const std::string& label,
                                     const s_EditValuePlacement& placement, double& value) {
    CmEditValue dialog(label, placement, value, owner_);
    if (dialog.exec() != QDialog::Accepted) return false;
    value = dialog.value;
    return true;
}

bool QtLineEditingDialogs::ProfileSplit(s_ProfileSplitInformation& information) {
    CmProfileSplitInput dialog(information, owner_);
    if (dialog.exec() != QDialog::Accepted) return false;
    information = dialog.information;
    return true;
}

bool QtLineEditingDialogs::PiezometricSplit(s_PiezometricSplitInformation& information) {
    CmPiezometricSplitInput dialog(information, owner_);
    if (dialog.exec() != QDialog::Accepted) return false;
    information = dialog.information;
    return true;
}

}  // namespace dialogs
