#pragma once
// The drop-down list an option cell opens over itself: editable (the user may type a text that
// is no option) or a plain list. Choosing an option reports its index to the grid at once and
// ends the edit; Tab, Enter, Escape (which puts the old text back), Ctrl with an arrow or page
// key, and the loss of the focus end it too.

#include "gridctrl/grid_window.h"

#include <QComboBox>

namespace gridctrl {

class GridCtrlWidget;

class InPlaceList final : public QComboBox, public InPlaceEditor {
    Q_OBJECT
public:
    // The widest the list drops down.
    static constexpr int kMaxDroppedWidth = 200;

    InPlaceList(GridCtrlWidget& grid, const ListEditorRequest& request);
    void EndEdit() override { End(); }
    void SendChar(unsigned ch) override;
    bool IsTextEdit() const override { return isEditable(); }
    void Paste(const std::string& text) override;
    void Abandon() { ended_ = true; }
    int DroppedWidth() const { return droppedWidth_; }

protected:
    bool event(QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;

private:
    void End();
    void OnSelectionChanged(int index);
    void SetDroppedWidth();

    GridCtrlWidget& grid_;
    int row_;
    int col_;
    QString initial_;
    unsigned exitKey_ = 0;
    bool shift_ = false;
    bool ended_ = false;
    int droppedWidth_ = 0;
};

}  // namespace gridctrl
