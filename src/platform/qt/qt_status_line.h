#pragma once
// The status line of the main frame: the message on the left, numbered panes on the right
// (pane 0 is the message).

#include "platform/status_line.h"

#include <QPointer>
#include <QStatusBar>
#include <map>

class QLabel;

namespace platform::qt {

class QtStatusLine final : public StatusLineService {
public:
    explicit QtStatusLine(QStatusBar* bar);
    void SetText(const std::string& text) override;
    void SetPaneText(int pane, const std::string& text) override;
    std::string Text() const override { return text_; }

private:
    QPointer<QStatusBar> bar_;
    QLabel* message_ = nullptr;
    std::map<int, QPointer<QLabel>> panes_;
    std::string text_;
};

}  // namespace platform::qt
