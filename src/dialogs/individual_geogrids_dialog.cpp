#include "dialogs/individual_geogrids_dialog.h"

#include "dialogs/nail_geogrid_widgets.h"

#include "core/format_text.h"
#include "core/message_boxes.h"
#include "graphics/line.h"
#include "loads/geogrid_data.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace dialogs {

IndividualGeogridsDialog::IndividualGeogridsDialog(const s_IndividualGeogridsDialogData& data,
                                                   QWidget* parent)
    : CmInputDialog1(parent), typeNames_(data.typeNames), slope_(data.slope), grids_(data.grids),
      dx_(this) {
    setWindowTitle("Individual Geogrids");
    auto* layout = new QVBoxLayout(this);
    static const char* const headingTexts[5] = {"Elevation (Y)", "X at Face", "Length", "Type",
                                                "Face"};
    auto* headings = new QHBoxLayout;
    QLabel* headingLabels[5] = {};
    for (int i = 0; i < 5; ++i) {
        headingLabels[i] = new QLabel(headingTexts[i]);
        headingLabels[i]->setMinimumWidth(70);
        headings->addWidget(headingLabels[i]);
    }
    layout->addLayout(headings);
    CmListBox* list = PointList();
    list->setObjectName("geogrids");
    layout->addWidget(list, 1);

    auto* fields = new QGridLayout;
    yEdit_ = NamedEdit("y");
    fields->addWidget(new QLabel("Elevation (Y)"), 0, 0);
    fields->addWidget(yEdit_, 0, 1);
    auto* length = NamedEdit("length");
    fields->addWidget(new QLabel("Length of Grid"), 1, 0);
    fields->addWidget(length, 1, 1);
    auto* type = new QComboBox;
    type->setObjectName("type");
    for (const std::string& name : typeNames_) type->addItem(QString::fromStdString(name));
    fields->addWidget(new QLabel("Type of Grid"), 2, 0);
    fields->addWidget(type, 2, 1);
    auto* xFace = NamedEdit("xFace");
    xFace->setReadOnly(true);
    fields->addWidget(new QLabel("X-Grid at Slope Face"), 3, 0);
    fields->addWidget(xFace, 3, 1);
    auto* faces = new QGroupBox("Slope Face");
    auto* faceRow = new QHBoxLayout(faces);
    auto* left = new QRadioButton("Left");
    left->setObjectName("left");
    auto* right = new QRadioButton("Right");
    right->setObjectName("right");
    faceRow->addWidget(left);
    faceRow->addWidget(right);
    fields->addWidget(faces, 0, 2, 2, 1);
    layout->addLayout(fields);
    auto* add = ListButton("Add", "add");
    auto* remove = ListButton("Delete", "delete");
    auto* removeAll = ListButton("Delete All", "deleteAll");
    auto* listButtons = new QHBoxLayout;
    for (QPushButton* b : {add, remove, removeAll}) listButtons->addWidget(b);
    listButtons->addStretch();
    layout->addLayout(listButtons);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);

    dx_.Number(yEdit_, y_);
    dx_.Number(length, length_);
    dx_.Choice(type, type_);
    dx_.Radio({left, right}, face_);
    dx_.Number(xFace, xFace_);

    list->SetFontByName("Courier");
    list->SetColumnCount(5);
    const int types[5] = {2, 2, 2, 5, 5};
    for (int i = 0; i < 5; ++i) {
        list->SetColumnHeading(i, headingLabels[i]);
        list->SetColumnType(i, types[i]);
        if (i < 3) list->SetColumnDecimals(i, 2);
    }
    list->SetButtons(add, nullptr, remove, removeAll);
    list->SetEntryEdit(yEdit_);
    list->LayoutColumns();
    list->SetEmptyText("<No individual geogrids>");
    if (grids_.empty()) {
        list->ShowEmptyText(true);
    } else {
        for (const Cpp_Geogrid& g : grids_) list->AddRowValues(Row(g));
        list->SetCurSel(0);
        Load(0);
    }
    dx_.ToWidgets();
    list->UpdateButtons();
    // Enter in the fields adds the grid.
    WatchEntryEdit(yEdit_, add);
    WatchEntryEdit(length, add);
    SaveDefaultButton();

    connect(add, &QPushButton::clicked, this, &IndividualGeogridsDialog::Add);
    connect(remove, &QPushButton::clicked, this, &IndividualGeogridsDialog::Delete);
    connect(removeAll, &QPushButton::clicked, this, &IndividualGeogridsDialog::DeleteAll);
    connect(list, &QListWidget::currentRowChanged, this, &IndividualGeogridsDialog::Chosen);
}

void IndividualGeogridsDialog::FocusOnShow() {
    yEdit_->setFocus();
    yEdit_->selectAll();
}

bool IndividualGeogridsDialog::FaceX(double y, double& x) {
    std::vector<double> xs, angles;
    const int count = slope_ ? slope_->XValuesAtY(y, xs, angles) : 0;
    if (count <= 0) {
        ShowErrorOnWindow(Handle(), "ERROR",
                          FormatText("A geogrid with y = %1.3f (%1.6e) does not intersect the "
                                     "slope face.  Unable to accept the input data.",
                                     y, y));
        return false;
    }
    if (count == 1) {
        x = xs[0];
        return true;
    }
    int chosen = -1;
    const std::vector<double> offered(xs.begin(), xs.begin() + count);
    if (!Cpp_GeogridData::ChooseFaceIntersection(offered, chosen)) return false;
    x = offered[static_cast<size_t>(chosen)];
    return true;
}

std::vector<CmListBoxValue> IndividualGeogridsDialog::Row(const Cpp_Geogrid& g) const {
    std::vector<CmListBoxValue> row(5);
    row[0].SetDouble(g.headY);
    row[1].SetDouble(g.headX);
    row[2].SetDouble(g.length);
    row[3].SetText(g.geogridType >= 0 && g.geogridType < static_cast<int>(typeNames_.size())
                       ? typeNames_[static_cast<size_t>(g.geogridType)]
                       : std::string());
    row[4].SetText(g.facing == 1 ? "Left" : g.facing == 2 ? "Right" : "Unknown");
    return row;
}

void IndividualGeogridsDialog::Load(int n) {
    selected_ = n;
    const Cpp_Geogrid& g = grids_[static_cast<size_t>(n)];
    y_ = g.headY;
    length_ = g.length;
    type_ = g.geogridType;
    face_ = g.facing == 1 ? 0 : 1;
    xFace_ = g.headX;
}

void IndividualGeogridsDialog::ClearFields() {
    selected_ = -1;
    type_ = 0;
    y_ = xFace_ = length_ = 0.0;
    face_ = 0;
}

void IndividualGeogridsDialog::Add() {
    if (!dx_.FromWidgets()) return;
    double x = 0.0;
    if (!FaceX(y_, x)) return;
    size_t at = 0;
    while (at < grids_.size() && grids_[at].headY <= y_) ++at;
    Cpp_Geogrid g;
    const int facing = face_ == 0 ? 1 : 2;
    g.SetDefinition(y_, length_, type_, facing);
    g.SetGeometry(x, y_, facing == 2 ? x - length_ : x + length_);
    grids_.insert(grids_.begin() + static_cast<std::ptrdiff_t>(at), g);
    choosing_ = true;
    // The first row replaces the empty text; a grid above all others goes last.
    if (at + 1 == grids_.size())
        PointList()->AddRowValues(Row(g));
    else
        PointList()->InsertRowValues(static_cast<int>(at), Row(g));
    PointList()->SetCurSel(static_cast<int>(at));
    choosing_ = false;
    selected_ = static_cast<int>(at);
    xFace_ = x;
    dx_.ToWidgets();
    PointList()->UpdateButtons();
}

void IndividualGeogridsDialog::Chosen() {
    if (choosing_) return;
    CmListBox* list = PointList();
    const int row = list->CurSel();
    if (selected_ >= 0 && selected_ < static_cast<int>(grids_.size()) && row != selected_) {
        // The edited fields go into the grid that was selected, on the face found again.
        if (!dx_.FromWidgets()) return;
        double x = 0.0;
        if (!FaceX(y_, x)) {
            choosing_ = true;
            list->SetCurSel(selected_);
            choosing_ = false;
            return;
        }
        Cpp_Geogrid& g = grids_[static_cast<size_t>(selected_)];
        const int facing = face_ == 0 ? 1 : 2;
        g.SetDefinition(y_, length_, type_, facing);
        g.SetGeometry(x, y_, facing == 2 ? x - length_ : x + length_);
        choosing_ = true;
        list->ReplaceRowValues(selected_, Row(g));
        list->SetCurSel(row);
        choosing_ = false;
    }
    if (row >= 0 && row < static_cast<int>(grids_.size())) {
        Load(row);
        dx_.ToWidgets();
    }
    list->UpdateButtons();
}

void IndividualGeogridsDialog::Delete() {
    CmListBox* list = PointList();
    const int row = list->CurSel();
    if (row < 0 || row >= static_cast<int>(grids_.size())) return;
    if (grids_.size() == 1) {
        DeleteAll();
        return;
    }
    grids_.erase(grids_.begin() + row);
    selected_ = -1;
    choosing_ = true;
    list->DeleteSelectedRow();
    const int now =
        row < static_cast<int>(grids_.size()) ? row : static_cast<int>(grids_.size()) - 1;
    list->SetCurSel(now);
    choosing_ = false;
    Load(now);
    dx_.ToWidgets();
    list->UpdateButtons();
}

void IndividualGeogridsDialog::DeleteAll() {
    grids_.clear();
    ClearFields();
    choosing_ = true;
    PointList()->ShowEmptyText(true);
    choosing_ = false;
    dx_.ToWidgets();
    PointList()->UpdateButtons();
}

}  // namespace dialogs
