// The graph window of a modal dialog: it belongs to the dialog (so it stays above it and takes
// clicks) and stands beside it, not over it.

#include "modal_driver.h"
#include "platform/qt/qt_graph_window.h"

#include <QApplication>
#include <QDialog>
#include <gtest/gtest.h>

namespace {

TEST(QtGraphWindow, AGraphOpenedUnderAModalDialogStandsBesideItAndBelongsToIt) {
    platform::qt::QtGraphWindow service;
    QDialog dialog;
    dialog.resize(180, 160);
    dialog.move(40, 60);
    std::unique_ptr<platform::GraphWindow> graph;
    QWidget* window = nullptr;
    bool besides = false, owned = false, shown = false;
    testsupport::WhenModal([&](QWidget* modal) {
        graph = service.Create();
        graph->Initialize(1, 0, "Nonlinear Mohr-Coulomb Shear Strength Envelope", std::nullopt);
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == "graphWindow") window = w;
        if (window) {
            owned = window->parentWidget() == modal;
            shown = window->isVisible();
            besides = !window->frameGeometry().intersects(modal->frameGeometry());
        }
        graph.reset();
        modal->close();
    });
    dialog.exec();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(owned);
    EXPECT_TRUE(shown);
    EXPECT_TRUE(besides);
}

}  // namespace
