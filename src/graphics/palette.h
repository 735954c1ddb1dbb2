#pragma once
// The 41 indexed colours that drawing attributes refer to by number (index 0 to 40).

#include "platform/device_context.h"

class Cpp_WindowsPalette {
public:
    class Exc_IllegalPaletteIndex {};
    static constexpr int kNumberOfColors = 41;

    static void Create();
    static void DeletePalette();
    static bool IsCreated() { return created_; }
    // Entry 0..40; another index throws the text "EXCEPTION: Cpp_WindowsPalette::RGBColor".
    static platform::ColorRef RGBColor(int index);
    // Entry 0..40; another index throws Exc_IllegalPaletteIndex.
    static platform::ColorRef Color(int index);

private:
    static bool created_;
};
