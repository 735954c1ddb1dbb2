#include "dialogs/xy_line_grid_dialog.h"

#include "core/message_boxes.h"
#include "dialogs/table_grid.h"
#include "gridctrl/grid_ctrl_kdx.h"

#include <QDialogButtonBox>
#include <QVBoxLayout>

namespace dialogs {

namespace {

constexpr int kInitialRows = 21;  // the heading and 20 data rows
constexpr int kAutomaticRows = 10;
constexpr const char* kTooManyPoints = "Number of points exceeds what software allows";

}  // namespace

XYLineGridDialog::XYLineGridDialog(const s_XYLineTable& table, QWidget* parent)
    : QDialog(parent), table_(table) {
    setObjectName("xyLineGridDialog");
    setWindowTitle(table.caption.empty() ? QString("Dialog")
                                         : QString::fromStdString(table.caption));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(MakeTableWidget(this, grid_));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    resize(360, 480);

    const int count = static_cast<int>(table_.points.size());
    if (table_.maximumPoints > 0 && table_.maximumPoints < count) {
        ShowErrorOnWindow(this, "ERROR", kTooManyPoints);
        return;
    }
    const std::string format = CoordinateFormat();
    grid_->SetupTable(3, kInitialRows, false, {"Point", "X", "Y"}, "Point", {},
                      {{}, DoubleColumn(format), DoubleColumn(format)}, 0, 100, -1, kAutomaticRows);
    gridctrl::TableValues rows(table_.points.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        rows[i][0].number = table_.points[i].x;
        rows[i][1].number = table_.points[i].y;
    }
    grid_->SetTableValues(rows);
}

void XYLineGridDialog::accept() {
    int last = 0;
    if (!grid_->ValidateTableData(&last, 2, -1)) return;
    if (table_.maximumPoints > 0 && table_.maximumPoints < last) {
        ShowErrorOnWindow(this, "ERROR", kTooManyPoints);
        return;
    }
    gridctrl::TableValues rows;
    if (last > 0 && !grid_->GetTableValues(rows, 2, -1)) return;
    table_.points.clear();
    for (const gridctrl::TableRow& row : rows)
        table_.points.push_back({row[0].number, row[1].number});
    QDialog::accept();
}

bool QtSimpleXYLineGrid::Run(s_XYLineTable& table) {
    XYLineGridDialog dialog(table, owner_);
    if (dialog.exec() != QDialog::Accepted) return false;
    table.points = dialog.Points();
    return true;
}

}  // namespace dialogs
