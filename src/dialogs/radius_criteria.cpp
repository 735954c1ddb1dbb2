#include "dialogs/radius_criteria.h"

#include "dialogs/radius_group.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QVBoxLayout>

namespace dialogs {

RadiiPage::RadiiPage(const s_RadiusCriteriaType& criteria, bool asPage, QWidget* parent)
    : QWidget(parent), criteria_(criteria), asPage_(asPage), dx_(this) {
    setObjectName("radiiPage");
    fields_.option = 0;
    fields_.tangentKind = 0;
    auto* layout = new QVBoxLayout(this);
    radius_ = new RadiusGroup(
        this,
        {"Maximum or minimum radii defined by:", "Elevation of horizontal tangent line: ", true},
        fields_, dx_, 0);
    layout->addWidget(radius_);
    auto* form = new QFormLayout;
    auto* increments = new QLineEdit(this);
    increments->setObjectName("increments");
    auto* minimumIncrement = new QLineEdit(this);
    minimumIncrement->setObjectName("minimumIncrement");
    form->addRow("Number of increments: ", increments);
    form->addRow("Minimum radius increment: ", minimumIncrement);
    layout->addLayout(form);
    dx_.Integer(increments, criteria_.increments);
    dx_.Number(minimumIncrement, criteria_.minimumIncrement);

    RadiusDefinitionListBox& editor = radius_->Editor();
    editor.SetButtonIds(&criteria_.definitions);
    dx_.ToWidgets();
    editor.UpdateButtons(fields_);
    editor.DeleteSelected(fields_, fields_.tangentPoints);
    editor.FormatDefinition();
    // The fields always belong to the highlighted criterion: the first one from the start.
    if (!criteria_.definitions.empty()) {
        radius_->SetListSelection(0);
        OnSelectionChange();
    }
    radius_->onNew = [this] { OnNew(); };
    radius_->onListSelection = [this] { OnSelectionChange(); };
    radius_->onDelete = [this] { OnDelete(); };
    radius_->onDeleteAll = [this] { OnDeleteAll(); };
    radius_->onKindChange = [this] { OnKindChange(); };
}

void RadiiPage::OnNew() {
    if (!dx_.FromWidgets()) return;
    RadiusDefinitionListBox& editor = radius_->Editor();
    // The new line is the current criterion: the fields as they stand are its values.
    if (editor.AddCriterionLine(fields_)) radius_->SetListSelection(editor.Current());
}

void RadiiPage::OnSelectionChange() {
    RadiusDefinitionListBox& editor = radius_->Editor();
    if (!dx_.FromWidgets()) {
        radius_->SetListSelection(editor.Current());
        return;
    }
    editor.GetDefinitionValues(fields_);
}

void RadiiPage::OnDelete() {
    if (!dx_.FromWidgets()) return;
    radius_->Editor().DeleteCurrent(fields_);
}

void RadiiPage::OnDeleteAll() {
    fields_.option = 0;
    fields_.tangentKind = 0;
    dx_.ToWidgets();
    radius_->Editor().ResetContent(fields_);
}

void RadiiPage::OnKindChange() {
    if (!dx_.FromWidgets()) return;
    std::vector<s_tagTypePointXY> points = fields_.tangentPoints;
    if (asPage_) {
        points.clear();
        const int selected = radius_->ListSelection();
        if (selected >= 0 && selected < static_cast<int>(criteria_.definitions.size())) {
            const Cpp_RadiusDefinition& definition = criteria_.definitions[selected];
            const Cpp_TangentLine& line = *definition.GetTangentLine();
            if (definition.GetOption() == Cpp_RadiusDefinition::kTangentLine &&
                line.GetOption() == Cpp_TangentLine::kIrregular)
                points = line.Points();
        }
    }
    dx_.ToWidgets();
    radius_->Editor().DeleteSelected(fields_, points);
}

bool RadiiPage::StoreForOk() {
    if (!dx_.FromWidgets()) return false;
    RadiusDefinitionListBox& editor = radius_->Editor();
    return editor.Current() < 0 || editor.FormatItem(fields_);
}

CmAnalCompSearchRadiusDefinitions::CmAnalCompSearchRadiusDefinitions(
    const s_RadiusCriteriaType& criteria, QWidget* parent)
    : QDialog(parent) {
    setObjectName("radiusDefinitionsDialog");
    setWindowTitle("Definitions for Varying Radii");
    auto* layout = new QVBoxLayout(this);
    page_ = new RadiiPage(criteria, false, this);
    layout->addWidget(page_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

void CmAnalCompSearchRadiusDefinitions::accept() {
    if (!page_->StoreForOk()) return;
    QDialog::accept();
}

bool QtRadiusDefinitionsDialog::Run(s_RadiusCriteriaType& criteria) {
    CmAnalCompSearchRadiusDefinitions dialog(criteria, owner_);
    if (dialog.exec() != QDialog::Accepted) return false;
    criteria = dialog.Page()->Criteria();
    return true;
}

}  // namespace dialogs
