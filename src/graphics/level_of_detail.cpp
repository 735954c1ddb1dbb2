#include "graphics/level_of_detail.h"

namespace {
bool g_pixelDetail = false;
}  // namespace

bool DrawingAtPixelDetail() { return g_pixelDetail; }

Cpp_PixelDetail::Cpp_PixelDetail() : previous_(g_pixelDetail) { g_pixelDetail = true; }

Cpp_PixelDetail::~Cpp_PixelDetail() { g_pixelDetail = previous_; }
