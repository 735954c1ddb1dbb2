#pragma once
// The prompt bar of the main frame: the short text that guides the user while a tool is active.

#include <string>

namespace platform {

class PromptBarService {
public:
    virtual ~PromptBarService() = default;
    // Shows the text in the bar.
    virtual void Show(const std::string& text) = 0;
    // Takes the bar away.
    virtual void Hide() = 0;
};

}  // namespace platform
