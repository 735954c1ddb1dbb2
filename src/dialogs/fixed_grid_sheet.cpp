#include "dialogs/fixed_grid_sheet.h"

#include "dialogs/radius_criteria.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QTabWidget>
#include <QVBoxLayout>

namespace dialogs {

GridPicture::GridPicture(QWidget* parent) : QWidget(parent) {
    setObjectName("gridPicture");
    setFixedSize(120, 120);
}

void GridPicture::SetLine(bool line) {
    line_ = line;
    update();
}

GridPicture::Shapes GridPicture::ShapesIn(const QRect& r, bool line) {
    Shapes shapes;
    // Edges as the picture frame has them: right and bottom just outside the area.
    const int left = r.left(), top = r.top(), right = r.right() + 1, bottom = r.bottom() + 1;
    if (line) {
        const int cx = (left + right) / 2;
        const int low = bottom - 3, high = top + 3;
        shapes.thickLines.push_back({cx, low, cx, high});
        for (int i = 0; i <= 7; ++i) {
            const int y = low - (low - high) * i / 7;
            shapes.dots.push_back(QRect(QPoint(cx - 3, y - 3), QPoint(cx + 3, y + 3)));
        }
        return shapes;
    }
    const int l = left + 2, t = top + 2, rr = right - 2, b = bottom - 2;
    shapes.thickLines = {{l, t, rr, t}, {rr, t, rr, b}, {rr, b, l, b}, {l, b, l, t}};
    for (int k = 1; k <= 6; ++k) {
        const int x = l + (rr - l) * k / 7;
        const int y = b - (b - t) * k / 7;
        shapes.thinLines.push_back({x, b, x, t});
        shapes.thinLines.push_back({l, y, rr, y});
    }
    return shapes;
}

void GridPicture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const Shapes shapes = Drawn();
    painter.setPen(QPen(Qt::black, 2));
    for (const QLine& line : shapes.thickLines) painter.drawLine(line);
    painter.setPen(QPen(Qt::black, 1));
    for (const QLine& line : shapes.thinLines) painter.drawLine(line);
    painter.setBrush(Qt::black);
    for (const QRect& dot : shapes.dots) painter.drawEllipse(dot);
}

GridPage::GridPage(const s_FixedGridPageType& grid, QWidget* parent)
    : QWidget(parent), grid_(grid), dx_(this) {
    setObjectName("gridPage");
    auto* layout = new QHBoxLayout(this);
    auto* fields = new QGridLayout;
    line_ = new QCheckBox("Search along a straight line", this);
    line_->setObjectName("line");
    fields->addWidget(line_, 0, 0, 1, 4);
    dx_.Check(line_, grid_.line);

    // One labelled field; its label and edit are shown or hidden together.
    auto field = [&](const char* name, const char* label, int row, int column,
                     std::vector<QWidget*>& group) {
        auto* caption = new QLabel(label, this);
        auto* edit = new QLineEdit(this);
        edit->setObjectName(name);
        edit->setMaximumWidth(90);
        fields->addWidget(caption, row, column);
        fields->addWidget(edit, row, column + 1);
        group.push_back(caption);
        group.push_back(edit);
        return edit;
    };
    // Upper corners 4 and 3, then the lower corners 1 and 2.
    dx_.Number(field("corner4x", "Point 4 - X", 1, 0, gridFields_), grid_.corner[3][0]);
    dx_.Number(field("corner4y", "Y", 2, 0, gridFields_), grid_.corner[3][1]);
    dx_.Number(field("corner3x", "X - Point 3", 1, 2, gridFields_), grid_.corner[2][0]);
    dx_.Number(field("corner3y", "Y", 2, 2, gridFields_), grid_.corner[2][1]);
    dx_.Number(field("corner1x", "Point 1 - X", 3, 0, gridFields_), grid_.corner[0][0]);
    dx_.Number(field("corner1y", "Y", 4, 0, gridFields_), grid_.corner[0][1]);
    dx_.Number(field("corner2x", "X - Point 2", 3, 2, gridFields_), grid_.corner[1][0]);
    dx_.Number(field("corner2y", "Y", 4, 2, gridFields_), grid_.corner[1][1]);
    dx_.Integer(field("pointsAcross", "Points Across Grid:", 5, 0, gridFields_),
                grid_.pointsAcross);
    dx_.Integer(field("pointsUp", "Points Up Grid:", 5, 2, gridFields_), grid_.pointsUp);

    dx_.Number(field("secondEndX", "X - Second (Top) End Point", 6, 0, lineFields_),
               grid_.secondEnd[0]);
    dx_.Number(field("secondEndY", "Y", 6, 2, lineFields_), grid_.secondEnd[1]);
    dx_.Number(field("firstEndX", "X - First (Bottom) End Point", 7, 0, lineFields_),
               grid_.firstEnd[0]);
    dx_.Number(field("firstEndY", "Y", 7, 2, lineFields_), grid_.firstEnd[1]);
    dx_.Integer(field("pointsAlongLine", "Number of points along line:", 8, 0, lineFields_),
                grid_.pointsAlongLine);
    layout->addLayout(fields);
    picture_ = new GridPicture(this);
    layout->addWidget(picture_, 0, Qt::AlignTop);

    dx_.ToWidgets();
    connect(line_, &QCheckBox::clicked, this, [this] { UpdateControls(); });
    UpdateControls();
}

void GridPage::UpdateControls() {
    const bool line = line_->isChecked();
    for (QWidget* w : gridFields_) {
        w->setEnabled(!line);
        w->setVisible(!line);
    }
    for (QWidget* w : lineFields_) {
        w->setEnabled(line);
        w->setVisible(line);
    }
    picture_->SetLine(line);
}

CmAnalCompSearchType2CircleInputMain::CmAnalCompSearchType2CircleInputMain(
    const s_FixedGridPageType& grid, const s_RadiusCriteriaType& criteria, QWidget* parent)
    : QDialog(parent) {
    setObjectName("fixedGridSheet");
    setWindowTitle("Input for Type 2 \"Fixed Grid\" Search with Circles");
    auto* layout = new QVBoxLayout(this);
    tabs_ = new QTabWidget(this);
    grid_ = new GridPage(grid, tabs_);
    radii_ = new RadiiPage(criteria, true, tabs_);
    tabs_->addTab(grid_, "Grid");
    tabs_->addTab(radii_, "Radii Information");
    layout->addWidget(tabs_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

void CmAnalCompSearchType2CircleInputMain::accept() {
    if (!grid_->ReadForOk()) {
        tabs_->setCurrentWidget(grid_);
        return;
    }
    if (!radii_->StoreForOk()) {
        tabs_->setCurrentWidget(radii_);
        return;
    }
    QDialog::accept();
}

bool QtFixedGridSearchSheet::Run(s_FixedGridPageType& grid, s_RadiusCriteriaType& criteria) {
    CmAnalCompSearchType2CircleInputMain sheet(grid, criteria, owner_);
    if (sheet.exec() != QDialog::Accepted) return false;
    grid = sheet.Grid()->Grid();
    criteria = sheet.Radii()->Criteria();
    return true;
}

}  // namespace dialogs
