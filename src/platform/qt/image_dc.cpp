#include "platform/qt/image_dc.h"

namespace platform::qt {

ImageDeviceContext::ImageDeviceContext(QImage& image, int ppiX, int ppiY) {
    Begin(&image, DeviceRect{0, 0, image.width(), image.height()},
          ppiX > 0 ? ppiX : image.logicalDpiX(), ppiY > 0 ? ppiY : image.logicalDpiY());
    SetDirectImage(&image);
}

ImageDeviceContext::~ImageDeviceContext() { End(); }

}  // namespace platform::qt
