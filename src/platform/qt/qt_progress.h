#pragma once
// The progress control over the first pane of the status bar: a smooth bar, 0 to 100, hidden
// until a task begins. While a task runs, Step lets the window repaint; the user's keys and
// clicks are held back from the program, except Escape, which asks the task to stop.

#include "platform/progress.h"

#include <QObject>
#include <QPointer>
#include <QProgressBar>

class QStatusBar;

namespace platform::qt {

class QtProgress final : public QObject, public ProgressService {
public:
    explicit QtProgress(QStatusBar* bar);
    ~QtProgress() override;

    void Begin(const std::string& text, std::int64_t total) override;
    void Step(std::int64_t done) override;
    void End() override;
    bool CancelRequested() const override { return cancelled_; }
    bool IsActive() const override { return active_; }

    QProgressBar* Control() const { return control_; }
    // Lays the control over the given rectangle of the status bar (the first pane).
    void Place(const QRect& pane);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPointer<QProgressBar> control_;
    std::int64_t total_ = 1;
    int percent_ = -1;
    bool active_ = false;
    bool cancelled_ = false;
};

}  // namespace platform::qt
