#pragma once
// The windows of the tool dialog bars (the frame's docks), shown or hidden by the bar's number
// (e_ToolBar in editing/tool_dialog_bars.h).

namespace platform {

class ToolBarWindowService {
public:
    virtual ~ToolBarWindowService() = default;
    virtual void ShowBarWindow(int bar, bool show) = 0;
};

}  // namespace platform
