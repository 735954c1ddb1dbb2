// The clipboard picture of the view: the drawing is recorded once on the picture device context
// and handed to the clipboard as SVG and PNG, all in memory.

#include "graphics/ui/clipboard_picture.h"

#include "graphics/graphics.h"
#include "graphics/print_page.h"
#include "platform/qt/picture_dc.h"
#include "platform/services.h"

namespace graphics_ui {

bool CopyPicture(int width, int height, int ppi, const DrawViewFunction& draw) {
    platform::qt::PictureDeviceContext picture(width, height, ppi);
    {
        Cpp_ScopedGraphicsDC current(picture, Cpp_Graphics::kOutputScreen);
        if (draw) draw(picture, {0, 0, width, height});
    }
    const std::string svg = picture.Svg();
    const std::string png = picture.Png();
    if (svg.empty() && png.empty()) return false;
    platform::Services().Clipboard().SetPicture(svg, png);
    return true;
}

namespace {

class QtPictureCopy final : public platform::PictureCopyService {
public:
    bool CopyPicture(int width, int height, int ppi, const DrawViewFunction& draw) override {
        return graphics_ui::CopyPicture(width, height, ppi, draw);
    }
};

}  // namespace

void RegisterClipboardPicture() {
    static QtPictureCopy copy;
    platform::Services().SetPictureCopy(&copy);
}

}  // namespace graphics_ui
