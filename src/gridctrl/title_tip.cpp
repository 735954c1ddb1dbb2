#include "gridctrl/title_tip.h"

#include "gridctrl/grid_ctrl_widget.h"
#include "gridctrl/qt_grid_painter.h"
#include "platform/qt/qt_text.h"

#include <QApplication>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace gridctrl {

TitleTip::TitleTip(GridCtrlWidget* grid)
    : QWidget(grid, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                        Qt::WindowDoesNotAcceptFocus),
      grid_(grid) {
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFocusPolicy(Qt::NoFocus);
    setMouseTracking(true);
}

void TitleTip::Show(const TitleTipRequest& r) {
    if (r.rect.right <= r.rect.left || r.rect.bottom <= r.rect.top || isVisible()) return;
    hover_ =
        QRect(QPoint(r.hover.left, r.hover.top), QPoint(r.hover.right + 1, r.hover.bottom + 1));
    if (!QGuiApplication::focusWindow()) return;
    text_ = " " + platform::qt::ToQString(r.text) + " ";
    font_ = ToQFont(r.font);
    const int textWidth = QFontMetrics(font_).horizontalAdvance(text_);
    const int left = r.rect.left + r.xOffset;
    const int right = left + textWidth + r.xOffset;
    if (right <= r.rect.right - r.xOffset) return;
    const GridSystemColours& sys = grid_->Grid().SystemColours();
    textColour_ = ToQColor(r.textColour != CLR_DEFAULT ? r.textColour : sys.infoText);
    backColour_ = ToQColor(r.backColour != CLR_DEFAULT ? r.backColour : sys.infoBackground);
    const QPoint topLeft = grid_->viewport()->mapToGlobal(QPoint(left, r.rect.top));
    setGeometry(topLeft.x(), topLeft.y(), right - left, r.rect.bottom - r.rect.top + 1);
    show();
    raise();
}

void TitleTip::Hide() {
    if (isVisible()) hide();
}

void TitleTip::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), backColour_);
    p.setPen(palette().color(QPalette::WindowText));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    p.setFont(font_);
    p.setPen(textColour_);
    p.drawText(rect(), Qt::AlignLeft | Qt::AlignVCenter, text_);
}

QPoint TitleTip::ToGrid(const QPointF& global) const {
    return grid_->viewport()->mapFromGlobal(global.toPoint());
}

void TitleTip::mouseMoveEvent(QMouseEvent* e) {
    const QPoint p = ToGrid(e->globalPosition());
    if (hover_.contains(p)) return;
    Hide();
    grid_->TipMouseMove(p, e->buttons());
}

void TitleTip::mousePressEvent(QMouseEvent* e) {
    const bool doubleClick =
        lastPress_.isValid() && lastPress_.elapsed() < QApplication::doubleClickInterval();
    lastPress_.restart();
    const QPoint p = ToGrid(e->globalPosition());
    Hide();
    grid_->TipMousePress(p, e->button(), e->modifiers(), doubleClick);
}

void TitleTip::mouseDoubleClickEvent(QMouseEvent* e) {
    lastPress_.invalidate();
    const QPoint p = ToGrid(e->globalPosition());
    Hide();
    grid_->TipMousePress(p, e->button(), e->modifiers(), true);
}

void TitleTip::mouseReleaseEvent(QMouseEvent* e) {
    grid_->TipMouseRelease(ToGrid(e->globalPosition()), e->button());
}

void TitleTip::keyPressEvent(QKeyEvent* e) {
    Hide();
    QKeyEvent copy(e->type(), e->key(), e->modifiers(), e->text());
    QApplication::sendEvent(grid_, &copy);
}

}  // namespace gridctrl
