#pragma once
// The clipboard: plain text, and a drawing as a vector picture (SVG) with a bitmap (PNG).

#include <string>

namespace platform {

class ClipboardService {
public:
    virtual ~ClipboardService() = default;
    virtual void SetText(const std::string& text) = 0;
    virtual void SetPicture(const std::string& svg, const std::string& png) = 0;
    // The text on the clipboard; empty when it holds none.
    virtual std::string GetText() = 0;
};

}  // namespace platform
