#include "platform/qt/qt_progress.h"

#include "platform/qt/qt_text.h"

#include <QApplication>
#include <QKeyEvent>
#include <QStatusBar>

namespace platform::qt {

QtProgress::QtProgress(QStatusBar* bar) {
    if (!bar) return;
    control_ = new QProgressBar(bar);
    control_->setObjectName("progressControl");
    control_->setRange(0, 100);
    control_->setValue(50);
    control_->setTextVisible(false);
    control_->hide();
}

QtProgress::~QtProgress() {
    if (active_) qApp->removeEventFilter(this);
}

void QtProgress::Place(const QRect& pane) {
    if (control_) control_->setGeometry(pane);
}

void QtProgress::Begin(const std::string& text, std::int64_t total) {
    total_ = total < 1 ? 1 : total;
    percent_ = 0;
    cancelled_ = false;
    if (!active_) qApp->installEventFilter(this);
    active_ = true;
    if (!control_) return;
    control_->setFormat(ToQString(text) + " %p%");
    control_->setTextVisible(!text.empty());
    control_->setValue(0);
    control_->show();
    control_->raise();
    control_->repaint();
}

void QtProgress::Step(std::int64_t done) {
    if (!active_) return;
    const int percent = ProgressPercent(done, total_);
    if (percent == percent_) return;
    percent_ = percent;
    if (control_) control_->setValue(percent);
    // Repaints and an Escape get through; the filter keeps every other input away.
    QApplication::processEvents();
}

void QtProgress::End() {
    if (active_) qApp->removeEventFilter(this);
    active_ = false;
    cancelled_ = false;
    percent_ = -1;
    if (control_) control_->hide();
}

bool QtProgress::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::KeyPress:
        if (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) cancelled_ = true;
        return true;
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::Close: return true;
    default: return QObject::eventFilter(watched, event);
    }
}

}  // namespace platform::qt
