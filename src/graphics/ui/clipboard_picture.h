#pragma once
// The in-memory clipboard picture (SVG with a PNG bitmap) of the view's copy command, registered
// as the picture copy service (platform::Services().PictureCopy()).

#include "graphics/print_page.h"

namespace graphics_ui {

bool CopyPicture(int width, int height, int ppi, const DrawViewFunction& draw);
void RegisterClipboardPicture();

}  // namespace graphics_ui
