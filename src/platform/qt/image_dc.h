#pragma once
// The device context of the view: a QPainter over a QImage (Format_RGB32 or
// ARGB32_Premultiplied, so XOR combines the real pixels).

#include "platform/qt/painter_dc.h"

#include <QImage>

namespace platform::qt {

class ImageDeviceContext final : public PainterDeviceContext {
public:
    // Paints on the image until destroyed. Pixels per inch: the image's own when 0.
    explicit ImageDeviceContext(QImage& image, int ppiX = 0, int ppiY = 0);
    ~ImageDeviceContext() override;
};

}  // namespace platform::qt
