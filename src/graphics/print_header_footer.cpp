#include "graphics/print_header_footer.h"

#include "core/preferences.h"
#include "graphics/graphics.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <filesystem>

int Cpp_PrintHeaderFooter::marginLeft_ = 1250;
int Cpp_PrintHeaderFooter::marginTop_ = 1000;
int Cpp_PrintHeaderFooter::marginRight_ = 1250;
int Cpp_PrintHeaderFooter::marginBottom_ = 1000;
platform::DeviceRect Cpp_PrintHeaderFooter::margin_;
platform::DeviceRect Cpp_PrintHeaderFooter::frame_;
bool Cpp_PrintHeaderFooter::drawFrame_ = true;
std::string Cpp_PrintHeaderFooter::heading_;
std::string Cpp_PrintHeaderFooter::fileName_;
std::vector<s_HeaderFooterItem> Cpp_PrintHeaderFooter::header_;
std::vector<s_HeaderFooterItem> Cpp_PrintHeaderFooter::footer_;
int Cpp_PrintHeaderFooter::fontPoints_ = 12;
std::function<std::time_t()> Cpp_PrintHeaderFooter::clock_;

void Cpp_PrintHeaderFooter::InitializeDefaults() {
    marginLeft_ = 1250;
    marginTop_ = 1000;
    marginRight_ = 1250;
    marginBottom_ = 1000;
    drawFrame_ = true;
    ParseHeaderFooterCodes(true, kDefaultHeader);
    ParseHeaderFooterCodes(false, kDefaultFooter);
    margin_ = frame_ = {};
}

bool Cpp_PrintHeaderFooter::ComputePrintMargins(const platform::DeviceContext& printer) {
    const double ppiX = printer.PixelsPerInchX(), ppiY = printer.PixelsPerInchY();
    const platform::DeviceRect sheet = printer.PhysicalPageRect();
    const int offsetX = -sheet.left, offsetY = -sheet.top;
    const int left = static_cast<int>(marginLeft_ * 0.001 * ppiX) - offsetX;
    const int top = static_cast<int>(marginTop_ * 0.001 * ppiY) - offsetY;
    const int right = static_cast<int>(sheet.Width() + left -
                                       (marginLeft_ + marginRight_) * 0.001 * ppiX);
    const int bottom = static_cast<int>(sheet.Height() + top -
                                        (marginTop_ + marginBottom_) * 0.001 * ppiY);
    margin_ = frame_ = {left, top, right, bottom};
    return true;
}

void Cpp_PrintHeaderFooter::ParseHeaderFooterCodes(bool isHeader, const std::string& text) {
    std::vector<s_HeaderFooterItem>& items = isHeader ? header_ : footer_;
    items.clear();
    int alignment = 2;
    s_HeaderFooterItem current;
    auto flushLiteral = [&]() {
        if (current.kind == 2) {
            items.push_back(current);
            current = s_HeaderFooterItem{};
        }
    };
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '&' && i + 1 < text.size()) {
            const char code = static_cast<char>(std::tolower(static_cast<unsigned char>(text[i + 1])));
            int kind = 0;
            switch (code) {
            case 'l': case 'c': case 'r':
                flushLiteral();
                alignment = code == 'l' ? 1 : code == 'c' ? 2 : 3;
                ++i;
                continue;
            case 'h': kind = 3; break;
            case 'f': kind = 4; break;
            case 'd': kind = 5; break;
            case 't': kind = 6; break;
            case '&':
                current.kind = 2;
                current.alignment = alignment;
                current.text += '&';
                ++i;
                continue;
            default: break;
            }
            if (kind) {
                flushLiteral();
                items.push_back({kind, alignment, ""});
                ++i;
                continue;
            }
        }
        if (current.kind != 2) {
            current.kind = 2;
            current.alignment = alignment;
        }
        current.text += c;
    }
    flushLiteral();
}

namespace {

void DateAndTime(std::time_t now, std::string& date, std::string& time) {
    static const char* const days[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    static const char* const months[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                         "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    std::tm t{};
    localtime_r(&now, &t);
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.3s %.3s%3d", days[t.tm_wday % 7], months[t.tm_mon % 12],
                  t.tm_mday);
    date = buffer;
    std::snprintf(buffer, sizeof buffer, " %d", t.tm_year + 1900);
    date += buffer;
    std::snprintf(buffer, sizeof buffer, " %.2d:%.2d:%.2d", t.tm_hour, t.tm_min, t.tm_sec);
    time = buffer;
}

}  // namespace

bool Cpp_PrintHeaderFooter::ComposeText(bool isHeader, std::string& left, std::string& centre,
                                        std::string& right) {
    left.clear();
    centre.clear();
    right.clear();
    const std::vector<s_HeaderFooterItem>& items = isHeader ? header_ : footer_;
    if (items.empty()) return false;
    std::string date, time;
    DateAndTime(clock_ ? clock_() : std::time(nullptr), date, time);
    for (const s_HeaderFooterItem& item : items) {
        if (item.kind == 1) break;
        std::string text;
        switch (item.kind) {
        case 2: text = item.text; break;
        case 3: text = heading_; break;
        case 4: text = fileName_; break;
        case 5: text = date; break;
        case 6: text = time; break;
        default: break;
        }
        if (text.empty()) continue;
        (item.alignment == 1 ? left : item.alignment == 3 ? right : centre) += text;
    }
    return true;
}

bool Cpp_PrintHeaderFooter::DrawText(bool isHeader) {
    std::string texts[3];
    if (!ComposeText(isHeader, texts[0], texts[1], texts[2])) return false;
    platform::DeviceContext* dc = Cpp_Graphics::GetCurrentDC();
    if (!dc) return false;
    platform::ScopedDcState state(*dc);
    platform::Font font;
    font.face = "Arial";
    font.weight = 400;
    font.height = std::max(1, static_cast<int>(dc->PixelsPerInchY() * fontPoints_ / 72.0));
    dc->SetFont(font);
    dc->SetTextAlign(platform::AlignLeft | platform::AlignTop);
    dc->SetBkMode(platform::BackgroundMode::Transparent);
    int newTop = margin_.top, newBottom = margin_.bottom;
    for (int i = 0; i < 3; ++i) {
        if (texts[i].empty()) continue;
        const platform::TextSize size = dc->GetTextExtent(texts[i]);
        int x;
        if (i == 0)
            x = margin_.left;
        else if (i == 1)
            x = static_cast<int>((margin_.right - size.cx - margin_.left) * 0.5 + margin_.left);
        else
            x = margin_.right - size.cx;
        const int y = isHeader ? margin_.top : margin_.bottom - size.cy;
        dc->TextOut(x, y, texts[i]);
        if (isHeader)
            newTop = std::max(newTop, margin_.top + size.cy);
        else
            newBottom = std::min(newBottom, margin_.bottom - size.cy);
    }
    margin_.top = newTop;
    margin_.bottom = newBottom;
    return true;
}

void Cpp_PrintHeaderFooter::DefaultText(const std::string& heading, const std::string& fileName) {
    heading_ = heading;
    if (Cpp_KlivenSettings::ShowPathOnPrintedOutput())
        fileName_ = fileName;
    else
        fileName_ = std::filesystem::path(fileName).filename().string();
    ParseHeaderFooterCodes(true, kDefaultHeader);
    ParseHeaderFooterCodes(false, kDefaultFooter);
    DrawText(true);
    DrawText(false);
    platform::DeviceContext* dc = Cpp_Graphics::GetCurrentDC();
    if (drawFrame_ && dc) {
        const platform::DeviceRect& f = frame_;
        dc->Polyline({{f.left, f.bottom}, {f.right, f.bottom}, {f.right, f.top}, {f.left, f.top},
                      {f.left, f.bottom}});
    }
}
