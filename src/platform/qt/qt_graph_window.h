#pragma once
// A modeless window drawing named curves on x/y axes.

#include "platform/graph_window.h"

#include <QPointer>
#include <QWidget>

class QDialog;

namespace platform::qt {

class GraphWidget final : public QWidget {
public:
    explicit GraphWidget(QWidget* parent = nullptr);
    void SetGraph(const Graph& graph);
    const Graph& GetGraph() const { return graph_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Graph graph_;
};

class QtGraphWindow final : public GraphWindowService {
public:
    explicit QtGraphWindow(QWidget* owner = nullptr) : owner_(owner) {}
    ~QtGraphWindow() override;
    void ShowGraph(const Graph& graph) override;
    GraphWidget* Widget() const { return widget_; }

private:
    QPointer<QWidget> owner_;
    QPointer<QDialog> dialog_;
    GraphWidget* widget_ = nullptr;
};

}  // namespace platform::qt
