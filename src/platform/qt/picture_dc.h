#pragma once
// The device context of the clipboard picture: the drawing is recorded once and then rendered
// as a vector picture (SVG) and as a bitmap (PNG) of the same size.

#include "platform/qt/painter_dc.h"

#include <QPicture>
#include <string>

namespace platform::qt {

class PictureDeviceContext final : public PainterDeviceContext {
public:
    PictureDeviceContext(int width, int height, int pixelsPerInch);
    ~PictureDeviceContext() override;

    // Ends the drawing (further drawing is ignored) and renders it.
    std::string Svg();
    std::string Png();

private:
    void Finish();
    QPicture picture_;
    int width_;
    int height_;
    int ppi_;
};

}  // namespace platform::qt
