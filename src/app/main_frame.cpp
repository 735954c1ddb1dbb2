#include "app/main_frame.h"

#include "app/drawing_view.h"
#include "app/guarded_call.h"

#include <QMenuBar>
#include <QStatusBar>

namespace app {

MainFrame::MainFrame(QWidget* parent) : QMainWindow(parent) {
    setObjectName("mainFrame");
    setWindowTitle("Untitled - Dravonet");
    QMenu* file = menuBar()->addMenu("&File");
    QAction* exit = file->addAction("E&xit");
    exit->setObjectName("actionExit");
    connect(exit, &QAction::triggered, this, [this] { GuardedCall("Exit", [this] { close(); }); });
    view_ = new DrawingView(this);
    setCentralWidget(view_);
    statusBar();  // created here so the status line can be registered on it
    resize(1024, 768);
}

}  // namespace app
