#pragma once
// The printed page: margins, a header with the problem's heading, a footer with date, file name
// and time, and a frame around the printable area; the drawing is fitted into what remains.
// Templates use & codes: &l &c &r align what follows left, centre, right; &h heading, &f file
// name, &d date, &t time; && a literal &; & and any other character are literal text.

#include "platform/device_context.h"

#include <ctime>
#include <functional>
#include <string>
#include <vector>

struct s_HeaderFooterItem {
    int kind = 1;       // 1 end, 2 literal text, 3 heading, 4 file name, 5 date, 6 time
    int alignment = 2;  // 1 left, 2 centre, 3 right
    std::string text;
};

class Cpp_PrintHeaderFooter {
public:
    static constexpr const char* kDefaultHeader = "&c&h";
    static constexpr const char* kDefaultFooter = "&lDate: &d&cFilename: &f&rTime: &t";

    static void InitializeDefaults();
    // Back to the start: no header or footer items, heading, file name or clock (the
    // program-wide reset).
    static void Reset();
    // The margin rectangle in the printer's pixels, measured from its printable area.
    static bool ComputePrintMargins(const platform::DeviceContext& printer);
    static platform::DeviceRect CopyPrintMargins() { return margin_; }
    static platform::DeviceRect FrameRect() { return frame_; }
    static void ParseHeaderFooterCodes(bool isHeader, const std::string& text);
    static const std::vector<s_HeaderFooterItem>& Items(bool isHeader) {
        return isHeader ? header_ : footer_;
    }
    static bool ComposeText(bool isHeader, std::string& left, std::string& centre,
                            std::string& right);
    // Draws on the current device context and narrows the margin rectangle.
    static bool DrawText(bool isHeader);
    // Once per print job, before the page is drawn.
    static void DefaultText(const std::string& heading, const std::string& fileName);

    // The clock of the date and time items (tests set a fixed one).
    static void SetClock(std::function<std::time_t()> clock) { clock_ = std::move(clock); }

private:
    static int marginLeft_, marginTop_, marginRight_, marginBottom_;  // thousandths of an inch
    static platform::DeviceRect margin_;
    static platform::DeviceRect frame_;
    static bool drawFrame_;
    static std::string heading_;
    static std::string fileName_;
    static std::vector<s_HeaderFooterItem> header_;
    static std::vector<s_HeaderFooterItem> footer_;
    static int fontPoints_;
    static std::function<std::time_t()> clock_;
};
