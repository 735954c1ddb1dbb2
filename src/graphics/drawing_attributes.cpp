#include "graphics/drawing_attributes.h"

#include "graphics/graphics.h"
#include "graphics/palette.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <sstream>

namespace {

int AtLeastOne(double pixels) {
    if (!(pixels >= 1.0)) return 1;
    if (pixels > 100000.0) return 100000;
    return static_cast<int>(pixels);
}

const platform::DeviceContext& CurrentDC() {
    platform::DeviceContext* dc = Cpp_Graphics::GetCurrentDC();
    if (!dc) throw Cpp_Graphics::Exc_NULLDeviceContext();
    return *dc;
}

}  // namespace

int s_LineWidthType::DeviceWidth(const platform::DeviceContext& dc) const {
    const double ppi = Cpp_Graphics::PixelsPerInch(&dc, true);
    switch (kind) {
    case 2:
    case 5: return AtLeastOne(std::trunc(value) / 72.0 * ppi);
    case 3:
    case 6: return AtLeastOne(static_cast<float>(value) * ppi);
    case 4:
    case 7: return AtLeastOne(static_cast<float>(value) * ppi / 25.40005);
    default: return 1;
    }
}

int s_LineWidthType::DeviceWidthOnCurrentDC() const { return DeviceWidth(CurrentDC()); }

int s_MarkerSizeType::DeviceSize(const platform::DeviceContext& dc) const {
    const double ppi = Cpp_Graphics::PixelsPerInch(&dc, true);
    switch (kind) {
    case 1: return AtLeastOne(static_cast<int>(size) / 72.0 * ppi);
    case 2: return AtLeastOne(size * ppi);
    case 3: return AtLeastOne(size * ppi / 25.40005);
    default: return 1;
    }
}

int s_MarkerSizeType::DeviceSizeOnCurrentDC() const { return DeviceSize(CurrentDC()); }

platform::ColorRef s_ColorType::RGBColor() const {
    if (Cpp_Graphics::BlackAndWhite()) return 0;
    if (paletteIndex < 0) return rgb & 0xFFFFFF;
    return Cpp_WindowsPalette::RGBColor(paletteIndex);
}

platform::Font s_FontType::ForDevice(const platform::DeviceContext& dc) const {
    platform::Font f = font;
    f.height = static_cast<int>(Cpp_Graphics::PixelsPerInch(&dc, false) * pointSize / 72.0);
    if (f.height < 1) f.height = 1;
    return f;
}

double s_KindValueType::Factor(int n, double largest) const {
    switch (kind) {
    case 1: return 1.0 / value;
    case 2: return Cpp_Graphics::PixelsToWorldLengthX(1.0) * n / value;
    case 3: return Cpp_Graphics::PixelsToWorldLength(1.0 / value);
    case 4:
        if (largest == 0) return 0;
        return Cpp_Graphics::PixelsToWorldLength(n * value / largest);
    case 5:
        if (largest == 0) return 0;
        return Cpp_Graphics::PixelsToWorldLength(n * 10.0 * value / 25.40005 / largest);
    default: return 0;
    }
}

std::string s_KindValueType::Format() const {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%1d %1.6f", kind, value);
    return buffer;
}

bool s_KindValueType::Parse(const std::string& text) {
    std::istringstream in(text);
    std::string first, second;
    if (!(in >> first >> second)) return false;
    int k = 0;
    auto r = std::from_chars(first.data(), first.data() + first.size(), k);
    if (r.ec != std::errc() || r.ptr != first.data() + first.size() || k < 1 || k > 5) return false;
    double v = 0;
    auto r2 = std::from_chars(second.data(), second.data() + second.size(), v);
    if (r2.ec != std::errc() || !std::isfinite(v)) v = 0;  // as a lenient number read would
    kind = k;
    value = v;
    return true;
}

bool Cpp_NameValueList::CanAdd(const std::string& name) const {
    return Count() < kMaximumRows && name.size() <= static_cast<size_t>(kMaximumText);
}

bool Cpp_NameValueList::AddText(const std::string& name, const char* value) {
    if (!CanAdd(name)) return false;
    std::string v = value ? value : "?????";
    if (v.size() > static_cast<size_t>(kMaximumText)) return false;
    rows_.push_back({name, v});
    return true;
}

bool Cpp_NameValueList::AddFormatted(const std::string& name, const char* format, double value) {
    if (!CanAdd(name)) return false;
    char buffer[256];
    std::snprintf(buffer, sizeof buffer, format, value);
    std::string v = buffer;
    if (v.size() > static_cast<size_t>(kMaximumText)) v.resize(kMaximumText);
    rows_.push_back({name, v});
    return true;
}

bool Cpp_NameValueList::AddInt(const std::string& name, int value) {
    if (!CanAdd(name)) return false;
    rows_.push_back({name, std::to_string(value)});
    return true;
}

bool Cpp_NameValueList::AddDouble(const std::string& name, double value) {
    return AddFormatted(name, "%1.6f", value);
}
