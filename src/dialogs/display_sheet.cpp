#include "dialogs/display_sheet.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace dialogs {

namespace {

constexpr int kStrengthKind = 3;

QDialogButtonBox* OkCancel(QDialog* dialog) {
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, dialog);
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    return buttons;
}

QPushButton* PlainButton(const QString& text, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setAutoDefault(false);
    return button;
}

}  // namespace

// ---- "Select Interpolation Data Sets for Display"

InterpolationDisplayDialog::InterpolationDisplayDialog(std::vector<int> materials,
                                                       std::vector<bool> flags, QWidget* parent)
    : QDialog(parent), materials_(std::move(materials)), flags_(std::move(flags)) {
    setObjectName("interpolationDisplayDialog");
    setWindowTitle("Select Interpolation Data Sets for Display");
    auto* layout = new QVBoxLayout(this);
    list_ = new QTreeWidget(this);
    list_->setColumnCount(2);
    list_->setHeaderLabels({"Material Number", "Display"});
    list_->setRootIsDecorated(false);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    for (std::size_t i = 0; i < materials_.size(); ++i) {
        list_->addTopLevelItem(new QTreeWidgetItem(list_));
        ShowRow(static_cast<int>(i));
    }
    list_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    layout->addWidget(list_);
    display_ = new QCheckBox("Display selection", this);
    display_->setChecked(!flags_.empty() && flags_[0]);
    setAll_ = PlainButton("Set All", this);
    clearAll_ = PlainButton("Clear All", this);
    auto* row = new QHBoxLayout;
    row->addWidget(display_);
    row->addStretch();
    row->addWidget(setAll_);
    row->addWidget(clearAll_);
    layout->addLayout(row);
    layout->addWidget(OkCancel(this));

    connect(list_, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
        const int r = item ? list_->indexOfTopLevelItem(item) : -1;
        if (r >= 0) display_->setChecked(flags_[r]);
    });
    connect(display_, &QCheckBox::clicked, this, [this](bool on) {
        QTreeWidgetItem* item = list_->currentItem();
        const int r = item && item->isSelected() ? list_->indexOfTopLevelItem(item) : -1;
        if (r < 0 || flags_[r] == on) return;
        flags_[r] = on;
        ShowRow(r);
    });
    auto setEvery = [this](bool on) {
        for (std::size_t i = 0; i < flags_.size(); ++i) {
            flags_[i] = on;
            ShowRow(static_cast<int>(i));
        }
    };
    connect(setAll_, &QPushButton::clicked, this, [setEvery] { setEvery(true); });
    connect(clearAll_, &QPushButton::clicked, this, [setEvery] { setEvery(false); });
}

void InterpolationDisplayDialog::ShowRow(int row) {
    QTreeWidgetItem* item = list_->topLevelItem(row);
    item->setText(0, QString::number(materials_[row]));
    item->setText(1, flags_[row] ? "YES" : "NO");
}

// ---- "Display Selections"

DisplaySheetDialog::DisplaySheetDialog(const s_DisplaySheetData& data, QWidget* parent)
    : QDialog(parent), data_(data) {
    setObjectName("displaySheet");
    setWindowTitle("Display Selections");
    auto* layout = new QVBoxLayout(this);
    pages_ = new QTabWidget(this);
    pages_->addTab(MakeInputGeometryPage(), "Input Geometry");
    pages_->addTab(MakeInterpolationPage(), "Interpolation Data");
    pages_->addTab(MakeAnalysisPage(), "Analysis/Computation Data");
    layout->addWidget(pages_);
    layout->addWidget(OkCancel(this));

    // Boxes that stand for one flag (the contours and the triangles of a stage, shown in each
    // interpolation group) move together.
    for (std::size_t i = 0; i < bindings_.size(); ++i)
        for (std::size_t j = 0; j < bindings_.size(); ++j)
            if (i != j && bindings_[i].flag && bindings_[i].flag == bindings_[j].flag)
                connect(bindings_[i].box, &QCheckBox::toggled, bindings_[j].box,
                        &QCheckBox::setChecked);
}

QCheckBox* DisplaySheetDialog::Add(int page, QWidget* group, const QString& groupTitle,
                                   const QString& label, bool* flag, bool setAll) {
    auto* box = new QCheckBox(label, group);
    box->setChecked(flag && *flag);
    group->layout()->addWidget(box);
    bindings_.push_back({page, groupTitle, label, box, flag, setAll});
    return box;
}

QCheckBox* DisplaySheetDialog::Box(int page, const QString& group, const QString& label) const {
    for (const Binding& b : bindings_)
        if (b.page == page && b.group == group && b.label == label) return b.box;
    return nullptr;
}

QWidget* DisplaySheetDialog::PageButtons(int page) {
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addStretch();
    setAll_[page] = PlainButton("Set All", row);
    clearAll_[page] = PlainButton("Clear All", row);
    layout->addWidget(setAll_[page]);
    layout->addWidget(clearAll_[page]);
    for (bool on : {true, false}) {
        connect(on ? setAll_[page] : clearAll_[page], &QPushButton::clicked, this,
                [this, page, on] {
                    for (const Binding& b : bindings_)
                        if (b.page == page && b.setAll) b.box->setChecked(on);
                });
    }
    return row;
}

QWidget* DisplaySheetDialog::MakeInputGeometryPage() {
    s_DisplayFlagsType& f = data_.flags;
    s_ConstructionDisplayType& c = data_.construction;
    auto* page = new QWidget;
    auto* grid = new QGridLayout(page);
    auto group = [&](const QString& title, int row, int column) {
        auto* box = new QGroupBox(title, page);
        new QVBoxLayout(box);
        grid->addWidget(box, row, column);
        return box;
    };
    const int P = 0;
    QGroupBox* g = group("Profile Lines", 0, 0);
    Add(P, g, g->title(), "Profile lines", &f.profileLines);
    Add(P, g, g->title(), "Profile line numbers", &f.profileNumbers);
    Add(P, g, g->title(), "Profile points", &f.profilePoints);
    Add(P, g, g->title(), "Material numbers", &f.materialNumbers);
    Add(P, g, g->title(), "Profile point coordinates", &f.profileCoordinates, false);
    for (int s = 0; s < 2; ++s) {
        g = group(QString("Piezometric Line - Stage %1").arg(s + 1), 0, 1 + s);
        Add(P, g, g->title(), "Lines", &f.piezometricLines[s]);
        Add(P, g, g->title(), "Numbers", &f.piezometricNumbers[s]);
        Add(P, g, g->title(), "Points", &f.piezometricPoints[s]);
        Add(P, g, g->title(), "Point coordinates", &f.piezometricCoordinates[s], false);
    }
    for (int s = 0; s < 2; ++s) {
        g = group(QString("Distributed Loads - Stage %1").arg(s + 1), 1, s);
        Add(P, g, g->title(), "Points", &f.loadPoints[s]);
        Add(P, g, g->title(), "Normal (Perpendicular) Stress", &f.loadDiagram[s]);
        Add(P, g, g->title(), "Shear (Tangential) Stress", &f.loadShear[s]);
        Add(P, g, g->title(), "Point coordinates", &f.loadCoordinates[s], false);
    }
    g = group("Line Loads", 1, 2);
    Add(P, g, g->title(), "Line loads - Stage 1", &f.lineLoads[0]);
    Add(P, g, g->title(), "Line loads - Stage 2", &f.lineLoads[1]);
    g = group("Slope Geometry", 2, 0);
    Add(P, g, g->title(), "Slope line", &f.slopeLine);
    Add(P, g, g->title(), "Slope points", &f.slopePoints);
    g = group("Reinforcement", 2, 1);
    Add(P, g, g->title(), "Longitudinal reinforcement force", &f.reinforcement[0]);
    Add(P, g, g->title(), "Transverse reinforcement force", &f.reinforcement[1]);
    Add(P, g, g->title(), "Reinforcement lines", &f.reinforcement[2]);
    Add(P, g, g->title(), "Reinforcement points", &f.reinforcement[3]);
    // No data flag stands behind it yet: shown, and kept only while the sheet is open.
    Add(P, g, g->title(), "Reinforcement point coordinates", nullptr, false);
    g = group("Construction Lines", 2, 2);
    Add(P, g, g->title(), "Construction lines", &c.lines);
    Add(P, g, g->title(), "Construction points", &c.points);
    Add(P, g, g->title(), "Construction circles", &c.circles);
    grid->addWidget(PageButtons(P), 3, 0, 1, 3);
    return page;
}

QWidget* DisplaySheetDialog::MakeInterpolationPage() {
    s_DisplayFlagsType& f = data_.flags;
    auto* page = new QWidget;
    auto* grid = new QGridLayout(page);
    const int P = 1;
    struct Kind {
        const char* title;
        bool* points;
    };
    for (int s = 0; s < 2; ++s) {
        const Kind kinds[] = {{"Pressure Values", f.pressurePoints},
                              {"R-sub-u Values", f.ruPoints},
                              {"Undrained Shear Strength Values", f.strengthPoints}};
        for (int k = 0; k < 3; ++k) {
            auto* box =
                new QGroupBox(QString("%1 - Stage %2").arg(kinds[k].title).arg(s + 1), page);
            auto* column = new QVBoxLayout(box);
            Add(P, box, box->title(), "Points", &kinds[k].points[s]);
            Add(P, box, box->title(), "Contours", &f.contours[s]);
            Add(P, box, box->title(), "Triangles", &f.triangles[s]);
            if (k == 2) {
                allMaterials_[s] = new QRadioButton("Settings apply to all", box);
                designated_[s] = new QRadioButton("Settings apply to designated materials", box);
                auto* radios = new QButtonGroup(box);
                radios->addButton(allMaterials_[s], 0);
                radios->addButton(designated_[s], 1);
                (f.designatedMaterials[s] ? designated_[s] : allMaterials_[s])->setChecked(true);
                designate_[s] = PlainButton("Designate", box);
                column->addWidget(allMaterials_[s]);
                column->addWidget(designated_[s]);
                column->addWidget(designate_[s], 0, Qt::AlignLeft);
            }
            grid->addWidget(box, k, s);
        }
    }
    connect(designate_[0], &QPushButton::clicked, this, [this] { EditDesignations(); });
    // The designated materials are those of stage 1; stage 2 has none of its own to list.
    designate_[1]->setEnabled(false);
    grid->addWidget(PageButtons(P), 3, 0, 1, 2);
    return page;
}

QWidget* DisplaySheetDialog::MakeAnalysisPage() {
    s_DisplayFlagsType& f = data_.flags;
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    auto* g = new QGroupBox("Analysis/Computation", page);
    new QVBoxLayout(g);
    const int P = 2;
    const QString t = g->title();
    Add(P, g, t, "Circle center point", &f.initialCentre);
    Add(P, g, t, "Slip surface lines", &f.analysis1);
    Add(P, g, t, "Slip surface points", &f.analysis2);
    // No data flag stands behind it yet: shown, and kept only while the sheet is open.
    Add(P, g, t, "Radius definition information", nullptr);
    Add(P, g, t, "Search grid", &f.searchGrid);
    Add(P, g, t, "Crack water information", &f.slopeGeometry[1]);
    Add(P, g, t, "Crack information", &f.slopeGeometry[0]);
    Add(P, g, t, "Constraints for shifting noncircular slip surface points",
        &f.noncircularSearchPoints, false);
    layout->addWidget(g);
    layout->addStretch();
    layout->addWidget(PageButtons(P));
    return page;
}

void DisplaySheetDialog::EditDesignations() {
    std::vector<int> materials;
    std::vector<bool> flags;
    for (const InterpolationDisplayType& r : data_.rows)
        if (r.first == kStrengthKind) materials.push_back(r.second), flags.push_back(r.display);
    InterpolationDisplayDialog dialog(materials, flags, this);
    if (dialog.exec() != QDialog::Accepted) return;
    std::size_t i = 0;
    for (InterpolationDisplayType& r : data_.rows)
        if (r.first == kStrengthKind) r.display = dialog.Flags()[i++];
}

void DisplaySheetDialog::accept() {
    for (const Binding& b : bindings_)
        if (b.flag) *b.flag = b.box->isChecked();
    for (int s = 0; s < 2; ++s) data_.flags.designatedMaterials[s] = designated_[s]->isChecked();
    QDialog::accept();
}

bool QtDisplaySheet::Run(s_DisplaySheetData& data) {
    DisplaySheetDialog dialog(data, owner_);
    if (dialog.exec() != QDialog::Accepted) return false;
    data = dialog.Data();
    return true;
}

}  // namespace dialogs
