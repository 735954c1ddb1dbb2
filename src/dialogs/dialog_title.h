#pragma once
// Captions of the dialogs that edit the data of one stage.

class QWidget;

namespace dialogs {

// Appends " - Stage N" to the window's current caption.
void AppendStageToTitle(QWidget* window, int stage);

}  // namespace dialogs
