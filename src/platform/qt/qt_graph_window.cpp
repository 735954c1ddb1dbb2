#include "platform/qt/qt_graph_window.h"

#include "platform/qt/qt_text.h"

#include <QDialog>
#include <QPainter>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <limits>

namespace platform::qt {

namespace {
const QColor kCurveColours[] = {Qt::blue,           Qt::red,      QColor(0, 128, 0), Qt::magenta,
                                QColor(128, 64, 0), Qt::darkCyan, Qt::black};

QString Number(double v) { return QString::number(v, 'g', 5); }
}  // namespace

GraphWidget::GraphWidget(QWidget* parent) : QWidget(parent) {
    setMinimumSize(320, 240);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::white);
    setPalette(p);
}

void GraphWidget::SetGraph(const Graph& graph) {
    graph_ = graph;
    update();
}

void GraphWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, true);
    double xmin = std::numeric_limits<double>::max(), xmax = -xmin;
    double ymin = xmin, ymax = -xmin;
    for (const auto& c : graph_.curves)
        for (const auto& p : c.points) {
            if (!std::isfinite(p.x) || !std::isfinite(p.y)) continue;
            xmin = std::min(xmin, p.x), xmax = std::max(xmax, p.x);
            ymin = std::min(ymin, p.y), ymax = std::max(ymax, p.y);
        }
    if (xmin > xmax) xmin = 0, xmax = 1, ymin = 0, ymax = 1;
    if (xmax - xmin <= 0) xmin -= 0.5, xmax += 0.5;
    if (ymax - ymin <= 0) ymin -= 0.5, ymax += 0.5;

    const QFontMetrics fm(font());
    const QRect area = rect().adjusted(fm.horizontalAdvance("-00000.0") + 16, fm.height() * 2,
                                       -16 - 120, -fm.height() * 3);
    if (area.width() < 10 || area.height() < 10) return;
    auto toX = [&](double x) { return area.left() + (x - xmin) / (xmax - xmin) * area.width(); };
    auto toY = [&](double y) { return area.bottom() - (y - ymin) / (ymax - ymin) * area.height(); };

    painter.setPen(Qt::black);
    painter.drawRect(area);
    painter.drawText(QRect(0, 0, width(), fm.height() * 2), Qt::AlignCenter,
                     ToQString(graph_.title));
    painter.drawText(QRect(area.left(), area.bottom() + fm.height() + 4, area.width(), fm.height()),
                     Qt::AlignCenter, ToQString(graph_.xTitle));
    painter.save();
    painter.translate(fm.height() / 2 + 2, area.center().y());
    painter.rotate(-90);
    painter.drawText(QRect(-area.height() / 2, -fm.height() / 2, area.height(), fm.height()),
                     Qt::AlignCenter, ToQString(graph_.yTitle));
    painter.restore();
    for (int i = 0; i <= 4; ++i) {
        const double x = xmin + (xmax - xmin) * i / 4;
        const double y = ymin + (ymax - ymin) * i / 4;
        painter.drawText(
            QPointF(toX(x) - fm.horizontalAdvance(Number(x)) / 2.0, area.bottom() + fm.height()),
            Number(x));
        painter.drawText(
            QPointF(area.left() - fm.horizontalAdvance(Number(y)) - 4, toY(y) + fm.ascent() / 2.0),
            Number(y));
    }
    int legend = 0;
    for (std::size_t c = 0; c < graph_.curves.size(); ++c) {
        const auto& curve = graph_.curves[c];
        const QColor colour = kCurveColours[c % std::size(kCurveColours)];
        painter.setPen(QPen(colour, 1.5));
        QPolygonF line;
        for (const auto& p : curve.points)
            if (std::isfinite(p.x) && std::isfinite(p.y)) line << QPointF(toX(p.x), toY(p.y));
        painter.drawPolyline(line);
        const int y = area.top() + legend++ * (fm.height() + 4) + fm.height();
        painter.drawLine(area.right() + 8, y - fm.ascent() / 2, area.right() + 28,
                         y - fm.ascent() / 2);
        painter.setPen(Qt::black);
        painter.drawText(area.right() + 32, y, ToQString(curve.name));
    }
}

QtGraphWindow::~QtGraphWindow() { delete dialog_.data(); }

void QtGraphWindow::ShowGraph(const Graph& graph) {
    if (!dialog_) {
        dialog_ = new QDialog(owner_, Qt::Tool);
        dialog_->setObjectName("graphWindow");
        widget_ = new GraphWidget(dialog_);
        auto* layout = new QVBoxLayout(dialog_);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(widget_);
        dialog_->resize(640, 440);
    }
    dialog_->setWindowTitle(ToQString(graph.title));
    widget_->SetGraph(graph);
    dialog_->show();
    dialog_->raise();
}

}  // namespace platform::qt
