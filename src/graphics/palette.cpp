#include "graphics/palette.h"

#include "core/text_exception.h"

namespace {

constexpr platform::ColorRef kColors[Cpp_WindowsPalette::kNumberOfColors] = {
    0xFFFFFF, 0x000000, 0xC0C0C0, 0x808080, 0x0000FF, 0x000080, 0x00FFFF, 0x008080, 0x00FF00,
    0x008000, 0xFFFF00, 0x808000, 0xFF0000, 0x800000, 0xFF00FF, 0x800080, 0x80FFFF, 0x408080,
    0x80FF00, 0x404000, 0xFFFF80, 0xFF8000, 0x000000, 0xFF8080, 0x804000, 0x8000FF, 0x800040,
    0x0163FF, 0x004080, 0x78A8C8, 0x086498, 0xCEFFFF, 0x9CCEFF, 0x6CC8FD, 0x639CCE, 0x3A8190,
    0x43769C, 0x0364B5, 0x0E4278, 0x132893, 0x052C56,
};

}  // namespace

bool Cpp_WindowsPalette::created_ = false;

void Cpp_WindowsPalette::Create() { created_ = true; }
void Cpp_WindowsPalette::DeletePalette() { created_ = false; }

platform::ColorRef Cpp_WindowsPalette::RGBColor(int index) {
    if (index < 0 || index >= kNumberOfColors)
        throw Cpp_TextException("EXCEPTION: Cpp_WindowsPalette::RGBColor");
    return kColors[index];
}

platform::ColorRef Cpp_WindowsPalette::Color(int index) {
    if (index < 0 || index >= kNumberOfColors) throw Exc_IllegalPaletteIndex();
    return kColors[index];
}
