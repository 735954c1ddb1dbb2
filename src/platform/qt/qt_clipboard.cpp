#include "platform/qt/qt_clipboard.h"

#include "platform/qt/qt_text.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>

namespace platform::qt {

void QtClipboard::SetText(const std::string& text) {
    QGuiApplication::clipboard()->setText(ToQString(text));
}

std::string QtClipboard::GetText() { return ToStdString(QGuiApplication::clipboard()->text()); }

void QtClipboard::SetPicture(const std::string& svg, const std::string& png) {
    auto* data = new QMimeData;
    const QByteArray svgBytes(svg.data(), static_cast<qsizetype>(svg.size()));
    const QByteArray pngBytes(png.data(), static_cast<qsizetype>(png.size()));
    data->setData("image/svg+xml", svgBytes);
    data->setData("image/png", pngBytes);
    QImage image;
    if (image.loadFromData(pngBytes, "PNG")) data->setImageData(image);
    QGuiApplication::clipboard()->setMimeData(data);
}

}  // namespace platform::qt
