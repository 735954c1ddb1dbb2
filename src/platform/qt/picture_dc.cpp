#include "platform/qt/picture_dc.h"

#include <QBuffer>
#include <QImage>
#include <QSvgGenerator>

namespace platform::qt {

PictureDeviceContext::PictureDeviceContext(int width, int height, int pixelsPerInch)
    : width_(std::max(1, width)), height_(std::max(1, height)), ppi_(pixelsPerInch) {
    picture_.setBoundingRect(QRect(0, 0, width_, height_));
    Begin(&picture_, DeviceRect{0, 0, width_, height_}, ppi_, ppi_);
}

PictureDeviceContext::~PictureDeviceContext() { Finish(); }

void PictureDeviceContext::Finish() {
    if (Painter().isActive()) Painter().end();
}

std::string PictureDeviceContext::Svg() {
    Finish();
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(QSize(width_, height_));
    generator.setViewBox(QRect(0, 0, width_, height_));
    generator.setResolution(ppi_ > 0 ? ppi_ : 96);
    generator.setTitle("Dravonet drawing");
    QPainter painter(&generator);
    painter.drawPicture(0, 0, picture_);
    painter.end();
    return buffer.data().toStdString();
}

std::string PictureDeviceContext::Png() {
    Finish();
    QImage image(width_, height_, QImage::Format_RGB32);
    image.fill(Qt::white);
    const int dotsPerMeter = static_cast<int>((ppi_ > 0 ? ppi_ : 96) / 0.0254 + 0.5);
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    QPainter painter(&image);
    painter.drawPicture(0, 0, picture_);
    painter.end();
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return buffer.data().toStdString();
}

}  // namespace platform::qt
