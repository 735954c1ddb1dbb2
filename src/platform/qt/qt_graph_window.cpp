#include "platform/qt/qt_graph_window.h"

#include "platform/qt/qt_text.h"

#include <QApplication>
#include <QDialog>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <limits>

namespace platform::qt {

namespace {

constexpr int kWidth = 560;
constexpr int kHeight = 420;

// Tick values in plain decimals, as many as the step between ticks needs (at most 6).
int TickDecimals(double step) {
    if (!(step > 0) || !std::isfinite(step)) return 0;
    return std::clamp(static_cast<int>(std::ceil(-std::log10(step) - 1e-9)) + 1, 0, 6);
}
QString Number(double v, int decimals) {
    if (std::abs(v) < 0.5 * std::pow(10.0, -decimals)) v = 0.0;  // no "-0.0"
    return QString::number(v, 'f', decimals);
}

QColor Colour(std::uint32_t rgb) {
    return QColor(rgb & 0xFF, (rgb >> 8) & 0xFF, (rgb >> 16) & 0xFF);
}

// One graph window: a tool window holding the drawing.
class GraphWindowObject final : public GraphWindow {
public:
    explicit GraphWindowObject(QWidget* owner) {
        dialog_ = new QDialog(owner, Qt::Tool);
        dialog_->setObjectName("graphWindow");
        dialog_->setAttribute(Qt::WA_DeleteOnClose, false);
        widget_ = new GraphWidget(dialog_);
        widget_->setObjectName("graphWidget");
        auto* layout = new QVBoxLayout(dialog_);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(widget_);
        dialog_->resize(kWidth, kHeight);
    }
    ~GraphWindowObject() override { delete dialog_.data(); }

    // A window opened while a modal dialog runs belongs to that dialog: it stays above it, takes
    // clicks, and stands beside it (not over its tables) unless it was given a place.
    void FollowModalDialog() {
        QWidget* modal = QApplication::activeModalWidget();
        if (!dialog_ || !modal || modal == dialog_ || dialog_->parentWidget() == modal) return;
        const bool shown = dialog_->isVisible();
        dialog_->setParent(modal, Qt::Tool);
        if (!placed_) PlaceBeside(*modal);
        if (shown) dialog_->show();
    }
    // Right of the owner, else left of it, else with the owner moved to the screen's left edge;
    // on a screen too narrow for both, at the screen's right edge, over the owner's right part
    // and away from the tables on its left.
    void PlaceBeside(QWidget& owner) {
        QRect o = owner.frameGeometry();
        const QSize size = dialog_->frameGeometry().size();
        const QRect screen = owner.screen() ? owner.screen()->availableGeometry() : QRect();
        int x = o.right() + 4;
        if (screen.isValid() && x + size.width() > screen.right() + 1) {
            if (o.left() - 4 - size.width() >= screen.left()) {
                x = o.left() - 4 - size.width();
            } else if (o.width() + 4 + size.width() <= screen.width()) {
                owner.move(screen.left(), owner.y());
                o = owner.frameGeometry();
                x = o.right() + 4;
            } else {
                x = std::max(screen.left(), screen.right() + 1 - size.width());
            }
        }
        int y = o.top() + (o.height() - size.height()) / 2;
        if (screen.isValid())
            y = std::clamp(y, screen.top(),
                           std::max(screen.top(), screen.bottom() - size.height()));
        dialog_->move(x, y);
        placed_ = true;
    }

    GraphRect GetDialogWindowRectangle() const override {
        if (!dialog_) return {};
        const QRect r = dialog_->frameGeometry();
        return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
    }
    void Initialize(int graphs, int, const std::string& title,
                    std::optional<GraphRect> rectangle) override {
        if (!dialog_) return;
        dialog_->setWindowTitle(ToQString(title));
        widget_->Graphs().assign(std::max(graphs, 0), GraphContent{});
        if (rectangle) {
            dialog_->move(rectangle->left, rectangle->top);
            dialog_->resize(std::max(rectangle->Width(), 100), std::max(rectangle->Height(), 80));
            placed_ = true;
        }
        FollowModalDialog();
        dialog_->show();
    }
    void InitializeGraph(int graph, const GraphSetup& setup) override {
        if (auto* g = Graph(graph)) g->setup = setup;
    }
    void InitializeDataTable(int graph, const GraphDataTable& table) override {
        if (auto* g = Graph(graph)) g->table = table;
    }
    void InitializeAxis(int graph, GraphAxisId axis, const GraphAxisInfo& info) override {
        if (auto* g = Graph(graph)) g->axes[axis == GraphAxisId::Vertical ? 1 : 0] = info;
    }
    void InitializeGraphData(int graph, int set, const std::string& name,
                             const std::vector<GraphPoint>& points) override {
        if (auto* g = Graph(graph)) {
            g->sets[set].name = name;
            g->sets[set].points = points;
        }
    }
    void SetGraphDataParameters(int graph, int set, const GraphDataParameters& p) override {
        if (auto* g = Graph(graph)) g->sets[set].parameters = p;
    }
    void InvalidateGraphs() override {
        if (widget_) widget_->update();
    }
    void ShowGraphWindow(bool show) override {
        if (dialog_) dialog_->setVisible(show);
    }
    void BringWindowToTop() override {
        if (!dialog_) return;
        FollowModalDialog();
        dialog_->raise();
    }

private:
    GraphContent* Graph(int graph) {
        if (!widget_ || graph < 0 || graph >= static_cast<int>(widget_->Graphs().size()))
            return nullptr;
        return &widget_->Graphs()[graph];
    }
    QPointer<QDialog> dialog_;
    QPointer<GraphWidget> widget_;
    bool placed_ = false;
};

}  // namespace

GraphWidget::GraphWidget(QWidget* parent) : QWidget(parent) {
    setMinimumSize(240, 180);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::white);
    setPalette(p);
}

void GraphWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, true);
    const int n = static_cast<int>(graphs_.size());
    if (n == 0) return;
    const int width = this->width() / n;
    for (int i = 0; i < n; ++i)
        DrawGraph(painter, QRect(i * width, 0, width, height()), graphs_[i]);
}

QStringList GraphWidget::TickTexts(double minimum, double maximum) {
    const int decimals = TickDecimals((maximum - minimum) / 4);
    QStringList texts;
    for (int i = 0; i <= 4; ++i) texts << Number(minimum + (maximum - minimum) * i / 4, decimals);
    return texts;
}

void GraphWidget::DrawGraph(QPainter& painter, const QRect& frame,
                            const GraphContent& graph) const {
    double xmin = std::numeric_limits<double>::max(), xmax = -xmin;
    double ymin = xmin, ymax = -xmin;
    bool any = false;
    for (const auto& [index, set] : graph.sets)
        for (const auto& p : set.points) {
            if (!std::isfinite(p.x) || !std::isfinite(p.y)) continue;
            any = true;
            xmin = std::min(xmin, p.x), xmax = std::max(xmax, p.x);
            ymin = std::min(ymin, p.y), ymax = std::max(ymax, p.y);
        }
    const GraphAxisInfo& vertical = graph.axes[1];
    if (!any) xmin = 0, xmax = 1, ymin = 0, ymax = 1;
    if (vertical.rangeGiven) ymin = vertical.minimum, ymax = vertical.maximum;
    if (graph.axes[0].rangeGiven) xmin = graph.axes[0].minimum, xmax = graph.axes[0].maximum;
    if (xmax - xmin <= 0) xmin -= 0.5, xmax += 0.5;
    if (ymax - ymin <= 0) ymin -= 0.5, ymax += 0.5;
    // The tick labels decide the margins: the widest vertical label on the left, half the last
    // horizontal label on the right, so no label is cut.
    const QFontMetrics fm(font());
    const QStringList xTexts = TickTexts(xmin, xmax);
    const QStringList yTexts = TickTexts(ymin, ymax);
    int widestY = 0;
    for (const QString& text : yTexts) widestY = std::max(widestY, fm.horizontalAdvance(text));
    const int lastX = fm.horizontalAdvance(xTexts.back());
    const QRect area = frame.adjusted(widestY + fm.height() + 10, fm.height(),
                                      -std::max(12, lastX / 2 + 6), -fm.height() * 3);
    if (area.width() < 10 || area.height() < 10) return;
    painter.setPen(Qt::black);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(area);
    if (!any) painter.drawText(area, Qt::AlignCenter, ToQString(graph.setup.noDataText));
    auto toX = [&](double x) { return area.left() + (x - xmin) / (xmax - xmin) * area.width(); };
    auto toY = [&](double y) { return area.bottom() - (y - ymin) / (ymax - ymin) * area.height(); };

    // Axis titles and tick values.
    painter.drawText(QRect(area.left(), area.bottom() + fm.height() + 4, area.width(), fm.height()),
                     Qt::AlignCenter, ToQString(graph.axes[0].title));
    painter.save();
    painter.translate(frame.left() + fm.height() / 2 + 2, area.center().y());
    painter.rotate(-90);
    painter.drawText(QRect(-area.height() / 2, -fm.height() / 2, area.height(), fm.height()),
                     Qt::AlignCenter, ToQString(vertical.title));
    painter.restore();
    for (int i = 0; i <= 4; ++i) {
        const double x = xmin + (xmax - xmin) * i / 4;
        const double y = ymin + (ymax - ymin) * i / 4;
        const QString& xText = xTexts[i];
        const QString& yText = yTexts[i];
        painter.drawText(
            QPointF(toX(x) - fm.horizontalAdvance(xText) / 2.0, area.bottom() + fm.height()),
            xText);
        painter.drawText(
            QPointF(area.left() - fm.horizontalAdvance(yText) - 4, toY(y) + fm.ascent() / 2.0),
            yText);
    }
    if (!any) return;

    painter.save();
    painter.setClipRect(area.adjusted(-6, -6, 6, 6));
    for (const auto& [index, set] : graph.sets) {
        const auto& p = set.parameters;
        QPolygonF line;
        for (const auto& point : set.points)
            if (std::isfinite(point.x) && std::isfinite(point.y))
                line << QPointF(toX(point.x), toY(point.y));
        if (p.showLine) {
            painter.setPen(QPen(Colour(p.lineColour), std::max(p.lineWidth, 1)));
            painter.setBrush(Qt::NoBrush);
            painter.drawPolyline(line);
        }
        if (p.showSymbols) {
            painter.setPen(QPen(Colour(p.symbolColour), 1));
            painter.setBrush(Colour(p.fillColour));
            const double r = std::max(p.symbolSize, 3) / 2.0;
            for (const QPointF& c : line) {
                if (p.symbolType == 1)
                    painter.drawRect(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r));
                else
                    painter.drawEllipse(c, r, r);
            }
        }
    }
    painter.restore();
}

std::unique_ptr<GraphWindow> QtGraphWindow::Create() {
    return std::make_unique<GraphWindowObject>(owner_);
}

}  // namespace platform::qt
