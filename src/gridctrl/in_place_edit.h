#pragma once
// The edit field a text cell opens over itself. It ends on Tab, Enter, Escape (which puts the
// old text back), on the arrow and page keys when the edit was started by typing (or with Ctrl
// held), and when it loses the focus; then it reports its text and the key to the grid once
// and closes. It grows to the right as the text outgrows it.

#include "gridctrl/grid_window.h"

#include <QLineEdit>

namespace gridctrl {

class GridCtrlWidget;

class InPlaceEdit final : public QLineEdit, public InPlaceEditor {
    Q_OBJECT
public:
    InPlaceEdit(GridCtrlWidget& grid, const TextEditorRequest& request);
    void EndEdit() override { End(); }
    void SendChar(unsigned ch) override;
    bool IsTextEdit() const override { return true; }
    void Paste(const std::string& text) override;
    // The grid is going: close without reporting.
    void Abandon() { ended_ = true; }
    unsigned ExitKey() const { return exitKey_; }

protected:
    bool event(QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;

private:
    void End();
    void Grow();

    GridCtrlWidget& grid_;
    int row_;
    int col_;
    QString initial_;
    unsigned exitKey_ = 0;
    bool exitsOnNavigation_;
    bool shift_ = false;
    bool ended_ = false;
};

}  // namespace gridctrl
