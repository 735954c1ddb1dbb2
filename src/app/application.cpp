#include "app/application.h"

#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QStatusBar>
#include <clocale>

namespace app {

int RunApplication(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName("dravonet");
    QApplication::setOrganizationName("dravonet");
    // Numbers in files and on screen never follow the user's locale.
    std::setlocale(LC_NUMERIC, "C");

    QMainWindow frame;
    frame.setWindowTitle("Untitled - Dravonet");
    frame.menuBar()->addMenu("&File")->addAction("E&xit", &frame, &QMainWindow::close);
    frame.statusBar()->showMessage("Ready");
    frame.resize(1024, 768);
    frame.show();
    return QApplication::exec();
}

}  // namespace app
