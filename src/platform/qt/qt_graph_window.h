#pragma once
// Graph windows in Qt: a modeless tool window per graph-window object, drawing one or more
// graphs side by side (each with its point sets, symbols, colours, axis titles, an optional
// fixed vertical range and the text shown while it has no data) with QPainter.

#include "platform/graph_window.h"

#include <QPointer>
#include <QStringList>
#include <QWidget>

#include <map>
#include <utility>
#include <vector>

class QDialog;

namespace platform::qt {

// What one graph shows.
struct GraphContent {
    GraphSetup setup;
    GraphDataTable table;
    GraphAxisInfo axes[2];
    struct DataSet {
        std::string name;
        std::vector<GraphPoint> points;
        GraphDataParameters parameters;
    };
    std::map<int, DataSet> sets;
};

class GraphWidget final : public QWidget {
public:
    explicit GraphWidget(QWidget* parent = nullptr);
    std::vector<GraphContent>& Graphs() { return graphs_; }
    // The five tick values of an axis from minimum to maximum, in plain decimals (never
    // scientific notation), with the decimals the step between them needs.
    static QStringList TickTexts(double minimum, double maximum);
    const std::vector<GraphContent>& Graphs() const { return graphs_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void DrawGraph(QPainter& painter, const QRect& frame, const GraphContent& graph) const;
    std::vector<GraphContent> graphs_;
};

// The service: each Create makes one window object (its window is owned by the object).
class QtGraphWindow final : public GraphWindowService {
public:
    explicit QtGraphWindow(QWidget* owner = nullptr) : owner_(owner) {}
    std::unique_ptr<GraphWindow> Create() override;

private:
    QPointer<QWidget> owner_;
};

}  // namespace platform::qt
