#include "dialogs/radius_group.h"

#include "gridctrl/grid_ctrl_kdx.h"
#include "gridctrl/grid_ctrl_widget.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace dialogs {

namespace {

QLineEdit* Edit(QWidget* parent, const char* name) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    return edit;
}

}  // namespace

RadiusGroup::RadiusGroup(QWidget* parent, const Labels& labels, s_RadiusFieldsType& fields,
                         DataExchange& dx, int numberOfPoints)
    : QWidget(parent), fields_(fields), dx_(dx) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);

    if (labels.withList) {
        layout->addWidget(new QLabel("Criteria for defining radii:", this));
        auto* row = new QHBoxLayout;
        list_ = new QListWidget(this);
        list_->setObjectName("criteria");
        list_->setMinimumWidth(380);
        row->addWidget(list_);
        auto* buttons = new QVBoxLayout;
        auto button = [&](const char* text, const char* name, std::function<void()>* action) {
            auto* b = new QPushButton(text, this);
            b->setObjectName(name);
            b->setAutoDefault(false);
            connect(b, &QPushButton::clicked, this, [action] {
                if (*action) (*action)();
            });
            buttons->addWidget(b);
        };
        button("New", "new", &onNew);
        button("Delete", "delete", &onDelete);
        button("Delete All", "deleteAll", &onDeleteAll);
        buttons->addStretch();
        row->addLayout(buttons);
        layout->addLayout(row);
        // The selection, not the current row: the list makes its first row current (without
        // selecting it) when it takes the focus.
        connect(list_, &QListWidget::itemSelectionChanged, this, [this] {
            if (!moving_ && onListSelection) onListSelection();
        });
    }

    auto* form = new QFormLayout;
    option_ = new QComboBox(this);
    option_->setObjectName("radiusOption");
    option_->addItems({"Value of radius", "Point through which circle passes", "Tangent line"});
    form->addRow(labels.option, option_);
    layout->addLayout(form);

    auto* radiusBox = new QGroupBox("Radius", this);
    auto* radiusForm = new QFormLayout(radiusBox);
    radius_ = Edit(radiusBox, "radius");
    radiusForm->addRow("Radius:", radius_);
    layout->addWidget(radiusBox);

    auto* pointBox = new QGroupBox("\"Fixed\" Point", this);
    auto* pointForm = new QFormLayout(pointBox);
    fixedX_ = Edit(pointBox, "fixedX");
    fixedY_ = Edit(pointBox, "fixedY");
    pointForm->addRow("X:", fixedX_);
    pointForm->addRow("Y:", fixedY_);
    layout->addWidget(pointBox);

    auto* tangentBox = new QGroupBox("Tangent Line", this);
    auto* tangentLayout = new QVBoxLayout(tangentBox);
    kind_ = new QComboBox(tangentBox);
    kind_->setObjectName("tangentKind");
    kind_->addItems({"Horizontal tangent line", "Irregular or inclined tangent line"});
    tangentLayout->addWidget(kind_);
    auto* elevationForm = new QFormLayout;
    elevation_ = Edit(tangentBox, "tangentElevation");
    elevationForm->addRow(labels.elevation, elevation_);
    tangentLayout->addLayout(elevationForm);
    table_ = new gridctrl::GridCtrlWidget(tangentBox, std::make_unique<gridctrl::CGridCtrlKDX>());
    table_->setObjectName("tangentTable");
    table_->setMinimumHeight(160);
    tangentLayout->addWidget(table_);
    layout->addWidget(tangentBox);

    dx_.Choice(option_, fields_.option);
    dx_.Number(radius_, fields_.radius);
    dx_.Number(fixedX_, fields_.fixedX);
    dx_.Number(fixedY_, fields_.fixedY);
    dx_.Choice(kind_, fields_.tangentKind);
    dx_.Number(elevation_, fields_.tangentElevation);

    editor_.Fill(this, &Table(), numberOfPoints);

    connect(option_, qOverload<int>(&QComboBox::activated), this, [this](int) {
        s_RadiusFieldsType shown;
        shown.option = option_->currentIndex();
        shown.tangentKind = kind_->currentIndex();
        editor_.UpdateButtons(shown);
    });
    connect(kind_, qOverload<int>(&QComboBox::activated), this, [this](int) {
        if (onKindChange) onKindChange();
    });
}

gridctrl::CGridCtrlKDX& RadiusGroup::Table() {
    return static_cast<gridctrl::CGridCtrlKDX&>(table_->Grid());
}

void RadiusGroup::EnableRadius(bool enable) { radius_->setEnabled(enable); }
void RadiusGroup::EnableFixedPoint(bool enable) {
    fixedX_->setEnabled(enable);
    fixedY_->setEnabled(enable);
}
void RadiusGroup::EnableElevation(bool enable) { elevation_->setEnabled(enable); }
void RadiusGroup::EnableTangentKind(bool enable) { kind_->setEnabled(enable); }

int RadiusGroup::ListSelection() const {
    if (!list_) return -1;
    const QList<QListWidgetItem*> selected = list_->selectedItems();
    return selected.isEmpty() ? -1 : list_->row(selected.front());
}

void RadiusGroup::SetListSelection(int index) {
    if (!list_) return;
    moving_ = true;
    if (index >= 0 && index < list_->count()) {
        list_->setCurrentRow(index);
        list_->item(index)->setSelected(true);
    } else {
        list_->clearSelection();
    }
    moving_ = false;
}

int RadiusGroup::ListLineCount() const { return list_ ? list_->count() : 0; }

void RadiusGroup::InsertListLine(int index, const std::string& text) {
    if (!list_) return;
    moving_ = true;
    list_->insertItem(index, QString::fromStdString(text));
    moving_ = false;
}

void RadiusGroup::DeleteListLine(int index) {
    if (!list_) return;
    moving_ = true;
    delete list_->takeItem(index);
    moving_ = false;
}

void RadiusGroup::ClearList() {
    if (!list_) return;
    moving_ = true;
    list_->clear();
    moving_ = false;
}

}  // namespace dialogs
