#include "dialogs/circle_dialogs.h"

#include "dialogs/radius_group.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QVBoxLayout>

namespace dialogs {

CircleGridInputDialog::CircleGridInputDialog(const s_CircleInputType& record, bool floatingGrid,
                                             QWidget* parent)
    : QDialog(parent), record_(record), openingPoints_(record.radius.tangentPoints), dx_(this) {
    setObjectName(floatingGrid ? "floatingGridDialog" : "individualCircleDialog");
    setWindowTitle(floatingGrid ? "Input for Type 1 \"Floating Grid\" Search with Circles"
                                : "Input for Individual Circle");
    auto* layout = new QHBoxLayout(this);
    auto* left = new QVBoxLayout;
    auto* form = new QFormLayout;
    auto edit = [&](const char* name, const char* label, double& value) {
        auto* e = new QLineEdit(this);
        e->setObjectName(name);
        form->addRow(label, e);
        dx_.Number(e, value);
        return e;
    };
    if (floatingGrid) {
        edit("centreX", "X coordinate for center of initial trial circle: ", record_.centreX);
        edit("centreY", "Y coordinate for center of initial trial circle: ", record_.centreY);
        edit("minimumSpacing",
             "Minimum spacing between grid points for search: ", record_.minimumSpacing);
        edit("minimumDepth", "Minimum depth (Y) allowed for circles: ", record_.minimumDepth);
        centreLimit_ =
            new QCheckBox("Centers of circles not allowed to pass below elevation (Y): ", this);
        centreLimit_->setObjectName("centreLimit");
        centreLimitElevation_ = new QLineEdit(this);
        centreLimitElevation_->setObjectName("centreLimitElevation");
        form->addRow(centreLimit_, centreLimitElevation_);
        dx_.Check(centreLimit_, record_.centreLimitOn);
        dx_.Number(centreLimitElevation_, record_.centreLimitElevation);
        auto* inverted = new QCheckBox("Inverted circles rejected - not analyzed", this);
        inverted->setObjectName("rejectInverted");
        form->addRow(inverted);
        dx_.Check(inverted, record_.rejectInverted);
        connect(centreLimit_, &QCheckBox::clicked, this, [this] { UpdateControls(); });
    } else {
        edit("centreX", "X coordinate for center point:", record_.centreX);
        edit("centreY", "Y coordinate for center point:", record_.centreY);
    }
    left->addLayout(form);
    left->addStretch();
    layout->addLayout(left);

    auto* right = new QVBoxLayout;
    const RadiusGroup::Labels labels{
        floatingGrid ? "For the initial mode of search the radius is defined by:"
                     : "Radius is defined by:",
        floatingGrid ? "Elevation of horizontal tangent line: " : "Elevation:", false};
    radius_ = new RadiusGroup(this, labels, record_.radius, dx_,
                              static_cast<int>(record_.radius.tangentPoints.size()));
    right->addWidget(radius_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    right->addWidget(buttons);
    layout->addLayout(right);

    radius_->onKindChange = [this] {
        dx_.FromWidgets();
        radius_->Editor().DeleteSelected(record_.radius, openingPoints_);
    };

    dx_.ToWidgets();
    radius_->Editor().UpdateButtons(record_.radius);
    radius_->Editor().DeleteSelected(record_.radius, openingPoints_);
    if (floatingGrid) UpdateControls();
}

void CircleGridInputDialog::UpdateControls() {
    centreLimitElevation_->setEnabled(centreLimit_->isChecked());
}

void CircleGridInputDialog::accept() {
    if (!dx_.FromWidgets()) return;
    s_RadiusFieldsType& fields = record_.radius;
    if (fields.option == Cpp_RadiusDefinition::kTangentLine && fields.tangentKind == 1) {
        std::vector<s_tagTypePointXY> points;
        if (!radius_->Editor().ReadSelection(points)) return;
        fields.tangentPoints = points;
    } else {
        fields.tangentPoints.clear();
    }
    QDialog::accept();
}

namespace {

bool RunCircleDialog(CircleGridInputDialog& dialog, s_CircleInputType& record) {
    if (dialog.exec() != QDialog::Accepted) return false;
    record = dialog.Record();
    return true;
}

}  // namespace

bool QtCircleInputDialogs::IndividualCircle(s_CircleInputType& record) {
    CmAnalCompIndivCircleGridInput dialog(record, owner_);
    return RunCircleDialog(dialog, record);
}

bool QtCircleInputDialogs::SearchType1(s_CircleInputType& record) {
    CmAnalCompSearchType1CircleGridInput dialog(record, owner_);
    return RunCircleDialog(dialog, record);
}

}  // namespace dialogs
