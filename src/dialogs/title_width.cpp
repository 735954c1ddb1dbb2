#include "dialogs/title_width.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QFontMetrics>

#include <algorithm>

namespace dialogs {

namespace {

// The title bar's icon and its three buttons, with the margins around the caption.
constexpr int kTitleBarExtra = 150;

class TitleWidthFilter final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show) {
            auto* dialog = qobject_cast<QDialog*>(watched);
            if (dialog && dialog->isWindow()) {
                const int needed =
                    std::min(TitleWidth(dialog->windowTitle()), dialog->maximumWidth());
                if (dialog->width() < needed) dialog->resize(needed, dialog->height());
            }
        }
        return QObject::eventFilter(watched, event);
    }
};

}  // namespace

int TitleWidth(const QString& title) {
    QFont font = QApplication::font();
    font.setBold(true);
    return QFontMetrics(font).horizontalAdvance(title) + kTitleBarExtra;
}

void KeepDialogTitlesWhole() {
    static TitleWidthFilter* filter = nullptr;
    if (filter || !qApp) return;
    filter = new TitleWidthFilter(qApp);
    qApp->installEventFilter(filter);
}

}  // namespace dialogs
