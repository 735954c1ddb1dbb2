#include "dialogs/line_data_windows.h"

#include "core/preferences.h"
#include "model/data_set.h"
#include "model/data_sets.h"
#include "porepressure/piezometric_line.h"
#include "profile/profile_line.h"

#include <QDialogButtonBox>
#include <QFontMetrics>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace dialogs {

namespace {

struct ColumnSpec {
    const char* heading;
    int chars;
    int type;
    int decimals;
};

// Headings above the list, the list below them, OK and Cancel disabled.
CmListBox* BuildWindow(QDialog* window, const std::vector<ColumnSpec>& columns,
                       std::vector<QWidget*>& headings) {
    auto* layout = new QVBoxLayout(window);
    auto* list = new CmListBox(window);
    list->setObjectName("rowList");
    list->SetFontByName("Courier");
    auto* headingRow = new QHBoxLayout;
    headingRow->setSpacing(0);
    int width = 0;
    for (const ColumnSpec& c : columns) {
        QWidget* heading = MakeListHeading(c.heading, c.chars, list, window);
        headingRow->addWidget(heading);
        headings.push_back(heading);
        width += heading->width();
    }
    headingRow->addStretch();
    layout->addLayout(headingRow);
    list->setMinimumWidth(width + 30);
    layout->addWidget(list);
    auto* box = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, window);
    for (QAbstractButton* b : box->buttons()) b->setEnabled(false);
    layout->addWidget(box);
    return list;
}

void SetUpColumns(CmListBox* list, const std::vector<ColumnSpec>& columns,
                  const std::vector<QWidget*>& headings) {
    list->SetColumnCount(static_cast<int>(columns.size()));
    for (std::size_t i = 0; i < columns.size(); ++i) {
        list->SetColumnHeading(static_cast<int>(i), headings[i]);
        list->SetColumnType(static_cast<int>(i), columns[i].type);
        list->SetColumnDecimals(static_cast<int>(i), columns[i].decimals);
    }
    list->LayoutColumns();
}

std::vector<ColumnSpec> ProfileColumns() {
    const int xy = Cpp_KlivenSettings::CoordinateDecimals();
    return {{"Line No.", 9, CmListBoxColumns::kInteger, 0},
            {"Point No.", 10, CmListBoxColumns::kInteger, 0},
            {"X", 13, CmListBoxColumns::kFixed, xy},
            {"Y", 13, CmListBoxColumns::kFixed, xy}};
}

std::vector<ColumnSpec> PiezometricColumns() {
    const int xy = Cpp_KlivenSettings::CoordinateDecimals();
    return {{"Line No.", 9, CmListBoxColumns::kInteger, 0},
            {"Unit Weight\nof Fluid", 12, CmListBoxColumns::kFixed,
             Cpp_KlivenSettings::UnitWeightDecimals()},
            {"Point No.", 10, CmListBoxColumns::kInteger, 0},
            {"X", 13, CmListBoxColumns::kFixed, xy},
            {"Y", 13, CmListBoxColumns::kFixed, xy}};
}

std::vector<ColumnSpec> SlopeColumns() {
    const int xy = Cpp_KlivenSettings::CoordinateDecimals();
    return {{"X", 13, CmListBoxColumns::kFixed, xy}, {"Y", 13, CmListBoxColumns::kFixed, xy}};
}

// The point of the selected row, false when not filled or nothing is selected.
bool SelectedRowPoint(const CmListBox* list, bool filled,
                      const std::vector<s_tagTypePointXY>& points, double& x, double& y) {
    const int row = list->CurSel();
    if (!filled || row < 0 || row >= static_cast<int>(points.size())) return false;
    x = points[row].x;
    y = points[row].y;
    return true;
}

}  // namespace

QWidget* MakeListHeading(const QString& text, int chars, const CmListBox* list, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setFixedWidth(chars * std::max(1, QFontMetrics(list->font()).averageCharWidth()));
    label->setAlignment(Qt::AlignRight | Qt::AlignBottom);
    return label;
}

CmProfileData::CmProfileData(QWidget* parent) : QDialog(parent) {
    setObjectName("profileDataWindow");
    setWindowTitle("Profile Line Data");
    setModal(false);
    std::vector<QWidget*> headings;
    list_ = BuildWindow(this, ProfileColumns(), headings);
    SetUpColumns(list_, ProfileColumns(), headings);
    connect(list_, &QListWidget::itemSelectionChanged, this, [this] {
        if (list_->CurSel() >= 0) emit PointPicked();
    });
}

void CmProfileData::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!filled_) Fill();
}

void CmProfileData::Fill() {
    filled_ = true;
    auto addLine = [this](int number, const std::vector<s_tagTypePointXY>& points) {
        for (std::size_t i = 0; i < points.size(); ++i) {
            list_->AddRow(
                std::vector<double>{double(number), double(i + 1), points[i].x, points[i].y});
            rowPoints_.push_back(points[i]);
        }
    };
    if (lines_) {
        for (int i = 0; i < lines_->Count(); ++i) {
            std::vector<s_tagTypePointXY> points;
            lines_->LineAt(i)->CopyToXYArray(points);
            addLine(lines_->LineAt(i)->GetNumber(), points);
        }
    } else if (copies_) {
        for (int i = 0; i < copyCount_ && i < static_cast<int>(copies_->size()); ++i)
            addLine((*copies_)[i].number, (*copies_)[i].points);
    }
}

bool CmProfileData::GetSelectedPoint(double& x, double& y) const {
    return SelectedRowPoint(list_, filled_, rowPoints_, x, y);
}

CmSlopeData::CmSlopeData(QWidget* parent) : QDialog(parent) {
    setObjectName("slopeDataWindow");
    setWindowTitle("Slope Geometry Data");
    setModal(false);
    std::vector<QWidget*> headings;
    list_ = BuildWindow(this, SlopeColumns(), headings);
    SetUpColumns(list_, SlopeColumns(), headings);
    connect(list_, &QListWidget::itemSelectionChanged, this, [this] {
        if (list_->CurSel() >= 0) emit PointPicked();
    });
}

void CmSlopeData::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (filled_) return;
    filled_ = true;
    const Cpp_Kliven4DataSet* data = Cpp_Kliven4Data::CurrentDataSet();
    if (!data) return;
    for (const Cpp_PointXY* p = data->SlopeGeometry().GetSlopeLine().FirstPoint(); p;
         p = p->Next()) {
        list_->AddRow(std::vector<double>{p->X(), p->Y()});
        rowPoints_.push_back({p->X(), p->Y()});
    }
}

bool CmSlopeData::GetSelectedPoint(double& x, double& y) const {
    return SelectedRowPoint(list_, filled_, rowPoints_, x, y);
}

CmPiezometricData::CmPiezometricData(QWidget* parent) : QDialog(parent) {
    setObjectName("piezometricDataWindow");
    setWindowTitle("Piezometric Line Data");
    setModal(false);
    std::vector<QWidget*> headings;
    list_ = BuildWindow(this, PiezometricColumns(), headings);
    SetUpColumns(list_, PiezometricColumns(), headings);
    connect(list_, &QListWidget::itemSelectionChanged, this, [this] {
        if (list_->CurSel() >= 0) emit LinePicked();
    });
}

void CmPiezometricData::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!filled_) Fill();
}

void CmPiezometricData::Fill() {
    filled_ = true;
    const Cpp_PiezometricLineList* lines =
        Cpp_Kliven4Data::CurrentDataSet()->PiezometricLines(stage_);
    for (int i = 0; i < lines->Count(); ++i) {
        const Cpp_PiezometricLine* line = lines->PiezometricLineAt(i);
        int n = 0;
        for (const Cpp_PointXY* p = line->FirstPoint(); p; p = p->Next()) {
            list_->AddRow(std::vector<double>{double(line->GetNumber()), line->UnitWeight(),
                                              double(++n), p->X(), p->Y()});
            rowLines_.push_back(line->GetNumber());
        }
    }
}

bool CmPiezometricData::GetSelectedLineNumber(int& number) const {
    const int row = list_->CurSel();
    if (!filled_ || row < 0 || row >= static_cast<int>(rowLines_.size())) return false;
    number = rowLines_[row];
    return true;
}

}  // namespace dialogs
