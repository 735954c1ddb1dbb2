#pragma once
// The title tip: a frameless tool window laid exactly over a cell whose text does not fit,
// showing the whole text while the pointer rests on the cell. Clicks and moves on it go on to
// the grid underneath, so the user never notices it is a separate window.

#include "gridctrl/grid_window.h"

#include <QColor>
#include <QElapsedTimer>
#include <QFont>
#include <QWidget>

namespace gridctrl {

class GridCtrlWidget;

class TitleTip final : public QWidget {
    Q_OBJECT
public:
    explicit TitleTip(GridCtrlWidget* grid);
    // Shows the whole text over the cell when it does not fit there; nothing when it fits,
    // the tip is already up, or no window of the application has the focus.
    void Show(const TitleTipRequest& request);
    void Hide();
    QString Text() const { return text_; }
    // Whether a point of the grid's viewport lies in the rectangle the tip stays up for.
    bool HoverContains(QPoint viewportPoint) const { return hover_.contains(viewportPoint); }

protected:
    void paintEvent(QPaintEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    QPoint ToGrid(const QPointF& global) const;

    GridCtrlWidget* grid_;
    QRect hover_;  // in the grid's viewport coordinates
    QString text_;
    QFont font_;
    QColor textColour_;
    QColor backColour_;
    QElapsedTimer lastPress_;
};

}  // namespace gridctrl
