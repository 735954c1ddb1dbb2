#include "dialogs/status_text.h"

#include <QPainter>

namespace dialogs {

CmStatusText::CmStatusText(QWidget* parent) : QWidget(parent) {
    setObjectName("promptText");
    setAttribute(Qt::WA_OpaquePaintEvent, false);
}

void CmStatusText::SetText(const QString& text) {
    text_ = text;
    update();
}

void CmStatusText::paintEvent(QPaintEvent*) {
    if (text_.isEmpty()) return;
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.setPen(QColor(255, 0, 0));
    painter.setFont(font());
    painter.drawText(rect().adjusted(2, 0, 0, 0), Qt::AlignLeft | Qt::AlignTop, text_);
}

}  // namespace dialogs
