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

void Cpp_PrintHeaderFooter::Reset() {
    marginLeft_ = marginRight_ = 1250;
    marginTop_ = marginBottom_ = 1000;
    margin_ = frame_ = {};
    drawFrame_ = true;
    heading_.clear();
    fileName_.clear();
    header_.clear();
    footer_.clear();
    fontPoints_ = 12;
    clock_ = nullptr;
}

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
    const int right =
        static_cast<int>(sheet.Width() + left - (marginLeft_ + marginRight_) * 0.001 * ppiX);
    const int bottom =
        static_cast<int>(sheet.Height() + top - (marginTop_ + marginBottom_) * 0.001 * ppiY);
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
            const char code =
                static_cast<char>(std::tolower(static_cast<unsigned char>(text[i + 1])));
            int kind = 0;
            switch (code) {
            case 'l':
            case 'c':
            case 'r':
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
    // Laid out by their measured widths: the left text at the left margin, the right one at the
    // right margin and the centred one as near the middle as the other two leave room for, with
    // at least two blanks' width between texts. When the three do not fit on one line, each
    // gets a line of its own (left, centre, right from top to bottom), so no paper size or
    // orientation makes them overlap.
    platform::TextSize size[3] = {};
    int count = 0;
    for (int i = 0; i < 3; ++i)
        if (!texts[i].empty()) {
            size[i] = dc->GetTextExtent(texts[i]);
            ++count;
        }
    if (count == 0) return true;
    const int gap = dc->GetTextExtent("  ").cx;
    const int left = margin_.left, right = margin_.right;
    int x[3] = {left, 0, right - size[2].cx};
    bool oneLine = true;
    if (!texts[1].empty()) {
        const int lowest = texts[0].empty() ? left : left + size[0].cx + gap;
        const int highest = (texts[2].empty() ? right : x[2] - gap) - size[1].cx;
        const int middle = static_cast<int>((right - size[1].cx - left) * 0.5 + left);
        oneLine = lowest <= highest;
        x[1] = oneLine ? std::clamp(middle, lowest, highest) : middle;
    } else if (!texts[0].empty() && !texts[2].empty()) {
        oneLine = left + size[0].cx + gap <= x[2];
    }
    int lineHeight = 0, total = 0;
    for (int i = 0; i < 3; ++i) {
        lineHeight = std::max(lineHeight, size[i].cy);
        total += size[i].cy;
    }
    int used = 0;
    for (int i = 0; i < 3; ++i) {
        if (texts[i].empty()) continue;
        int y;
        if (oneLine) {
            y = isHeader ? margin_.top : margin_.bottom - size[i].cy;
        } else {
            y = isHeader ? margin_.top + used : margin_.bottom - total + used;
            used += size[i].cy;
            if (i == 1) x[1] = std::max(left, x[1]);
        }
        dc->TextOut(x[i], y, texts[i]);
    }
    const int height = oneLine ? lineHeight : total;
    if (isHeader)
        margin_.top += height;
    else
        margin_.bottom -= height;
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
        dc->Polyline({{f.left, f.bottom},
                      {f.right, f.bottom},
                      {f.right, f.top},
                      {f.left, f.top},
                      {f.left, f.bottom}});
    }
}
