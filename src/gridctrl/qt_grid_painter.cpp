#include "gridctrl/qt_grid_painter.h"

#include "platform/qt/qt_text.h"

#include <QFontInfo>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>
#include <QWidget>
#include <climits>

namespace gridctrl {

using platform::qt::ToQString;

QFont ToQFont(const Font& font) {
    QFont f(QString::fromStdString(font.face));
    f.setPixelSize(std::max(1, font.height));
    f.setWeight(static_cast<QFont::Weight>(std::clamp(font.weight, 1, 1000)));
    f.setItalic(font.italic);
    f.setUnderline(font.underline);
    return f;
}

Font FromQFont(const QFont& font) {
    Font f;
    f.face = font.family().toStdString();
    f.height = QFontInfo(font).pixelSize();
    f.weight = font.weight();
    f.italic = font.italic();
    f.underline = font.underline();
    return f;
}

QColor ToQColor(ColorRef c) {
    return QColor(platform::RedOf(c), platform::GreenOf(c), platform::BlueOf(c));
}

ColorRef FromQColor(const QColor& c) { return platform::MakeRgb(c.red(), c.green(), c.blue()); }

int QtTextFlags(unsigned format) {
    int flags = 0;
    if (format & DT_RIGHT)
        flags |= Qt::AlignRight;
    else if (format & DT_CENTER)
        flags |= Qt::AlignHCenter;
    else
        flags |= Qt::AlignLeft;
    if (format & DT_SINGLELINE) {
        if (format & DT_VCENTER)
            flags |= Qt::AlignVCenter;
        else if (format & DT_BOTTOM)
            flags |= Qt::AlignBottom;
        else
            flags |= Qt::AlignTop;
    } else {
        flags |= Qt::AlignTop;
        if (format & DT_WORDBREAK) flags |= Qt::TextWordWrap;
    }
    return flags;
}

// ---- Measurer

const QFontMetrics& QtGridMeasurer::Metrics(const Font& font) const {
    if (!font_ || !(*font_ == font)) {
        font_ = font;
        metrics_.emplace(ToQFont(font));
    }
    return *metrics_;
}

TextSize QtGridMeasurer::MeasureText(const std::string& text, const Font& font, unsigned format,
                                     int width) const {
    const QFontMetrics& fm = Metrics(font);
    const QString s = ToQString(text);
    if ((format & DT_WORDBREAK) && !(format & DT_SINGLELINE) && width > 0) {
        const QRect r = fm.boundingRect(QRect(0, 0, width, INT_MAX / 2), QtTextFlags(format), s);
        return {r.width(), r.height()};
    }
    return {fm.horizontalAdvance(s), fm.height()};
}

// ---- Painter

QtGridPainter::QtGridPainter(QPainter& painter, const QWidget* widget)
    : painter_(painter), widget_(widget) {}

void QtGridPainter::FillRect(const DeviceRect& r, ColorRef colour) {
    if (r.right <= r.left || r.bottom <= r.top) return;
    painter_.fillRect(QRect(r.left, r.top, r.right - r.left, r.bottom - r.top), ToQColor(colour));
}

void QtGridPainter::FrameRect(const DeviceRect& r, ColorRef colour) {
    if (r.right <= r.left || r.bottom <= r.top) return;
    const QColor c = ToQColor(colour);
    const int w = r.right - r.left;
    const int h = r.bottom - r.top;
    painter_.fillRect(QRect(r.left, r.top, w, 1), c);
    painter_.fillRect(QRect(r.left, r.bottom - 1, w, 1), c);
    painter_.fillRect(QRect(r.left, r.top, 1, h), c);
    painter_.fillRect(QRect(r.right - 1, r.top, 1, h), c);
}

void QtGridPainter::Line(int x1, int y1, int x2, int y2, ColorRef colour) {
    // Lines here are horizontal or vertical and leave out their last pixel.
    const QColor c = ToQColor(colour);
    if (y1 == y2) {
        if (x1 == x2) return;
        const int from = x1 < x2 ? x1 : x2 + 1;
        painter_.fillRect(QRect(from, y1, std::abs(x2 - x1), 1), c);
    } else if (x1 == x2) {
        const int from = y1 < y2 ? y1 : y2 + 1;
        painter_.fillRect(QRect(x1, from, 1, std::abs(y2 - y1)), c);
    } else {
        painter_.setPen(c);
        painter_.drawLine(x1, y1, x2, y2);
    }
}

void QtGridPainter::DrawText(const DeviceRect& r, const std::string& text, unsigned format,
                             ColorRef colour, const Font& font) {
    if (text.empty() || r.right <= r.left || r.bottom <= r.top) return;
    if (!font_ || !(*font_ == font)) {
        font_ = font;
        painter_.setFont(ToQFont(font));
    }
    const QRect rect(r.left, r.top, r.right - r.left, r.bottom - r.top);
    QString s = ToQString(text);
    const int flags = QtTextFlags(format);
    if ((format & DT_END_ELLIPSIS) && !(flags & Qt::TextWordWrap))
        s = painter_.fontMetrics().elidedText(s, Qt::ElideRight, rect.width());
    painter_.save();
    painter_.setClipRect(rect, Qt::IntersectClip);
    painter_.setPen(ToQColor(colour));
    painter_.drawText(rect, flags, s);
    painter_.restore();
}

void QtGridPainter::DropButton(const DeviceRect& r) {
    const QRect rect(r.left, r.top, r.right - r.left, r.bottom - r.top);
    QStyleOptionButton button;
    button.rect = rect;
    button.state = QStyle::State_Enabled | QStyle::State_Raised;
    QStyle* style = widget_ ? widget_->style() : nullptr;
    if (!style) return;
    if (widget_) button.palette = widget_->palette();
    style->drawControl(QStyle::CE_PushButtonBevel, &button, &painter_, widget_);
    QStyleOption arrow;
    arrow.rect = rect.adjusted(3, 3, -3, -3);
    arrow.state = QStyle::State_Enabled;
    if (widget_) arrow.palette = widget_->palette();
    style->drawPrimitive(QStyle::PE_IndicatorArrowDown, &arrow, &painter_, widget_);
}

}  // namespace gridctrl
