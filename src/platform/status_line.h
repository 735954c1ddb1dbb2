#pragma once
// The status line of the main frame: the message pane and the numbered panes.

#include <string>

namespace platform {

class StatusLineService {
public:
    virtual ~StatusLineService() = default;
    virtual void SetText(const std::string& text) = 0;
    virtual void SetPaneText(int pane, const std::string& text) = 0;
    virtual std::string Text() const = 0;
};

}  // namespace platform
