#include "dialogs/dialog_title.h"

#include <QWidget>

namespace dialogs {

void AppendStageToTitle(QWidget* window, int stage) {
    window->setWindowTitle(window->windowTitle() + QStringLiteral(" - Stage %1").arg(stage));
}

}  // namespace dialogs
