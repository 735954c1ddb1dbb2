#pragma once
// The grid control's window: a scroll area whose viewport shows a CGridCtrl. It passes paint,
// size, scroll, wheel, mouse, key and drag events to the grid as plain records, and gives the
// grid its in-place editors (QLineEdit, QComboBox), its title tip, the automatic-scroll timer
// and the application's font and colours.

#include "gridctrl/grid_ctrl.h"
#include "gridctrl/qt_grid_painter.h"

#include <QAbstractScrollArea>
#include <QPointer>
#include <QTimer>
#include <memory>

namespace gridctrl {

class TitleTip;

class GridCtrlWidget : public QAbstractScrollArea, public GridWindow {
    Q_OBJECT
public:
    // The widget owns its grid; without one it makes a plain CGridCtrl.
    explicit GridCtrlWidget(QWidget* parent = nullptr, std::unique_ptr<CGridCtrl> grid = nullptr);
    ~GridCtrlWidget() override;

    CGridCtrl& Grid() { return *grid_; }
    const CGridCtrl& Grid() const { return *grid_; }
    // The open in-place editor, if any.
    QWidget* Editor() const { return editor_; }
    // An editor tells the widget that it is closing.
    void EditorClosed(QWidget* editor) {
        if (editor_ == editor) editor_ = nullptr;
    }
    TitleTip* Tip() const { return tip_; }
    bool AutoScrolling() const { return timer_.isActive(); }

    // ---- GridWindow
    int ClientWidth() const override;
    int ClientHeight() const override;
    int VScrollWidth() const override;
    int HScrollHeight() const override;
    void ApplyScrollBars(const ScrollBarState& state) override;
    void Invalidate(const DeviceRect& rect) override;
    void InvalidateAll() override;
    const GridMeasurer* Measurer() const override { return &measurer_; }
    InPlaceEditor* OpenTextEditor(const TextEditorRequest& request) override;
    InPlaceEditor* OpenListEditor(const ListEditorRequest& request) override;
    void ShowTitleTip(const TitleTipRequest& request) override;
    void HideTitleTip() override;
    void StartAutoScroll(int milliseconds) override;
    void StopAutoScroll() override;
    void SetCursorShape(GridCursor cursor) override;
    void ShowSizingLine(bool vertical, int position) override;
    void TakeFocus() override;
    DevicePoint PointerPosition() const override { return pointer_; }
    void EnableWindow(bool enable) override { setEnabled(enable); }
    void* MessageOwner() const override { return window(); }

    // Input from the title tip, in viewport coordinates.
    void TipMousePress(QPoint point, Qt::MouseButton button, Qt::KeyboardModifiers mods,
                       bool doubleClick);
    void TipMouseRelease(QPoint point, Qt::MouseButton button);
    void TipMouseMove(QPoint point, Qt::MouseButtons buttons);

    QSize sizeHint() const override;

protected:
    bool event(QEvent* e) override;
    bool viewportEvent(QEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void wheelEvent(QWheelEvent* e) override;
    void dragEnterEvent(QDragEnterEvent* e) override;
    void dragMoveEvent(QDragMoveEvent* e) override;
    void dragLeaveEvent(QDragLeaveEvent* e) override;
    void dropEvent(QDropEvent* e) override;
    void changeEvent(QEvent* e) override;
    void scrollContentsBy(int, int) override {}

private:
    void TakeSystemLook();
    // The grid's pop-up menu for a right press at the point, when it has one.
    void ShowMenuAt(DevicePoint point);
    void OnBarValue(ScrollBar bar, int value);

    std::unique_ptr<CGridCtrl> grid_;
    QtGridMeasurer measurer_;
    QPointer<QWidget> editor_;
    TitleTip* tip_ = nullptr;
    QTimer timer_;
    DevicePoint pointer_;
    bool syncing_ = false;
    bool sizingVertical_ = true;
    int sizingLine_ = -1;
};

}  // namespace gridctrl
