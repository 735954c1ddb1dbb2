#pragma once
// The main frame: menu bar, status bar and the drawing view in the middle.

#include <QMainWindow>

namespace app {

class DrawingView;

class MainFrame : public QMainWindow {
    Q_OBJECT
public:
    explicit MainFrame(QWidget* parent = nullptr);
    DrawingView* View() const { return view_; }

private:
    DrawingView* view_ = nullptr;
};

}  // namespace app
