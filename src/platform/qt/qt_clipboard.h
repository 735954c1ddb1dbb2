#pragma once
// The system clipboard: text, and pictures as SVG ("image/svg+xml") with a PNG bitmap.

#include "platform/clipboard.h"

namespace platform::qt {

class QtClipboard final : public ClipboardService {
public:
    void SetText(const std::string& text) override;
    void SetPicture(const std::string& svg, const std::string& png) override;
    std::string GetText() override;
};

}  // namespace platform::qt
