#include "platform/qt/qt_status_line.h"

#include "platform/qt/qt_text.h"

#include <QLabel>

namespace platform::qt {

QtStatusLine::QtStatusLine(QStatusBar* bar) : bar_(bar) {
    if (!bar_) return;
    message_ = new QLabel(bar_);
    message_->setObjectName("statusMessage");
    // The message takes the room the panes leave and never pushes them off: a long text is cut
    // at the pane, whole in the tool tip.
    message_->setMinimumWidth(1);
    message_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    bar_->addWidget(message_, 1);
}

void QtStatusLine::SetText(const std::string& text) {
    text_ = text;
    if (bar_ && message_) {
        message_->setText(ToQString(text));
        message_->setToolTip(ToQString(text));
    }
}

void QtStatusLine::SetPaneText(int pane, const std::string& text) {
    if (pane == 0) {
        SetText(text);
        return;
    }
    if (!bar_) return;
    auto& label = panes_[pane];
    if (!label) {
        label = new QLabel(bar_);
        label->setObjectName(QString("statusPane%1").arg(pane));
        label->setFrameShape(QFrame::StyledPanel);
        label->setMinimumWidth(60);
        // Panes appear in the order of their numbers, after the message.
        int position = 1;
        for (const auto& [number, other] : panes_)
            if (number < pane && other) ++position;
        bar_->insertPermanentWidget(position, label);
    }
    label->setText(ToQString(text));
}

}  // namespace platform::qt
