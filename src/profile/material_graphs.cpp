#include "profile/material_graphs.h"

#include <algorithm>

#include "core/unit_words.h"
#include "platform/services.h"

namespace {

using platform::GraphAxisId;
using platform::GraphAxisInfo;
using platform::GraphDataParameters;
using platform::GraphPoint;

constexpr std::uint32_t Rgb(int r, int g, int b) {
    return static_cast<std::uint32_t>(r) | static_cast<std::uint32_t>(g) << 8 |
           static_cast<std::uint32_t>(b) << 16;
}

GraphDataParameters Symbols(std::uint32_t symbol, std::uint32_t line) {
    GraphDataParameters p;
    p.showSymbols = true;
    p.symbolSize = 9;
    p.symbolType = 1;
    p.symbolColour = symbol;
    p.fillColour = symbol;
    p.showLine = true;
    p.lineWidth = 1;
    p.lineStyle = 0;
    p.lineColour = line;
    return p;
}

std::vector<GraphPoint> Points(const MaterialGraphs::Rows& rows, size_t column) {
    std::vector<GraphPoint> points;
    for (const auto& r : rows) points.push_back({r[0], r[column]});
    return points;
}

void Extent(const MaterialGraphs::Rows& rows, size_t column, double& smallest, double& largest,
            bool& any) {
    for (const auto& r : rows) {
        smallest = any ? std::min(smallest, r[column]) : r[column];
        largest = any ? std::max(largest, r[column]) : r[column];
        any = true;
    }
}

}  // namespace

GraphAxisInfo VerticalAxis(const std::string& title, double smallest, double largest, double step) {
    GraphAxisInfo info;
    info.title = title;
    if (smallest != largest) return info;
    info.rangeGiven = true;
    const double v = smallest;
    info.minimum = v < 0.0 ? v : 0.0;
    info.maximum = info.minimum == v ? info.minimum + step : v;
    return info;
}

MaterialGraphs::~MaterialGraphs() = default;

void MaterialGraphs::Reset() {
    placed_ = false;
    kept_ = false;
}

void MaterialGraphs::ExpectRaise() { raised_ = window_ == nullptr; }

void MaterialGraphs::Destroy() {
    if (!window_) return;
    keptRect_ = window_->GetDialogWindowRectangle();
    kept_ = true;
    window_.reset();
}

bool MaterialGraphs::RectangleBesideDialog(platform::GraphRect& rect) {
    if (!window_ || !dialog_.rectangle) return false;
    const platform::GraphRect graph = window_->GetDialogWindowRectangle();
    platform::GraphRect dialog = dialog_.rectangle();
    if (!placed_) {
        // The dialog moves left so that its right edge stands 2 pixels left of its centre.
        const int centre = dialog.left + dialog.Width() / 2;
        const int width = dialog.Width();
        dialog.right = centre - 2;
        dialog.left = dialog.right - width;
        if (dialog_.move) dialog_.move(dialog);
    }
    rect.left = dialog.right + 4;
    rect.top = dialog.top + (dialog.Height() - graph.Height()) / 2;
    rect.right = rect.left + graph.Width();
    rect.bottom = rect.top + graph.Height();
    return true;
}

void MaterialGraphs::Create(int code) {
    if (code != 5 && code != 7 && code != 12) return;
    Destroy();
    window_ = platform::Services().GraphWindow().Create();
    std::optional<platform::GraphRect> rect;
    platform::GraphRect beside;
    if (beside_) {
        if (RectangleBesideDialog(beside)) {
            placed_ = true;
            rect = beside;
        }
    } else if (code == 7 && kept_) {
        rect = keptRect_;
    }
    auto axis = [](const std::string& title) {
        GraphAxisInfo info;
        info.title = title;
        return info;
    };
    if (code == 5) {
        window_->Initialize(2, 0, "Anisotropic Shear Strengths", rect);
        window_->InitializeGraph(0, {0, true, true, 1, 0, "No cohesion values"});
        window_->InitializeGraph(1, {0, true, true, 1, 0, "No friction angle values"});
        window_->InitializeDataTable(0, {"Failure Plane Angle (degs)", "Cohesion", {1, 1, 0, 1}});
        window_->InitializeDataTable(
            1, {"Failure Plane Angle (degs)", "Friction Angle (degs)", {1, 1, 1, 1}});
        for (int graph : {0, 1})
            window_->InitializeAxis(graph, GraphAxisId::Horizontal,
                                    axis("Failure Plane Angle (degrees)"));
    } else {
        const int sets = code == 12 ? 2 : 1;
        window_->Initialize(1, 0,
                            code == 12 ? "2-Stage Nonlinear Mohr-Coulomb Shear Strength Envelopes"
                                       : "Nonlinear Mohr-Coulomb Shear Strength Envelope",
                            rect);
        window_->InitializeGraph(0, {0, true, true, sets, 2, "No nonlinear envelope"});
        window_->InitializeDataTable(0, {"Normal Stress", "Shear Stress", {2, 1, 2, 1}});
        window_->InitializeAxis(0, GraphAxisId::Horizontal,
                                axis(WithUnit("Normal Stress", Quantity::Stress)));
        window_->InitializeAxis(0, GraphAxisId::Vertical,
                                axis(WithUnit("Shear Stress", Quantity::Stress)));
    }
    window_->InvalidateGraphs();
}

void MaterialGraphs::UpdateNonlinear(const Rows& rows) {
    if (!window_ || rows.empty()) return;
    double lo = 0, hi = 0;
    bool any = false;
    Extent(rows, 1, lo, hi, any);
    window_->InitializeAxis(0, GraphAxisId::Vertical,
                            VerticalAxis(WithUnit("Shear Stress", Quantity::Stress), lo, hi, 1.0));
    window_->InitializeGraphData(0, 0, "Envelope Points", Points(rows, 1));
    window_->SetGraphDataParameters(0, 0, Symbols(Rgb(128, 0, 0), Rgb(128, 0, 0)));
    window_->InvalidateGraphs();
}

void MaterialGraphs::UpdateTwoStage(const Rows& kcOne, const Rows& kcKf) {
    if (!window_ || (kcOne.empty() && kcKf.empty())) return;
    double lo = 0, hi = 0;
    bool any = false;
    // Without the first envelope, 0 takes part in the range.
    if (kcOne.empty()) Extent({{0.0, 0.0}}, 1, lo, hi, any);
    Extent(kcOne, 1, lo, hi, any);
    Extent(kcKf, 1, lo, hi, any);
    window_->InitializeAxis(0, GraphAxisId::Vertical,
                            VerticalAxis(WithUnit("Shear Stress", Quantity::Stress), lo, hi, 1.0));
    int set = 0;
    for (const Rows* rows : {&kcOne, &kcKf}) {
        window_->InitializeGraphData(0, set, "Envelope Points", Points(*rows, 1));
        // Each envelope has its own data set.
        if (!rows->empty())
            window_->SetGraphDataParameters(0, set, Symbols(Rgb(128, 0, 0), Rgb(128, 0, 0)));
        ++set;
    }
    window_->InvalidateGraphs();
}

void MaterialGraphs::UpdateAnisotropic(Rows rows) {
    if (!window_ || rows.empty()) return;
    std::stable_sort(rows.begin(), rows.end(),
                     [](const auto& a, const auto& b) { return a[0] < b[0]; });
    double lo = 0, hi = 0;
    bool any = false;
    Extent(rows, 1, lo, hi, any);
    window_->InitializeAxis(0, GraphAxisId::Vertical,
                            VerticalAxis(WithUnit("Cohesion", Quantity::Stress), lo, hi, 1.0));
    any = false;
    Extent(rows, 2, lo, hi, any);
    window_->InitializeAxis(1, GraphAxisId::Vertical,
                            VerticalAxis("Friction Angle (degs.)", lo, hi, 45.0));
    const auto grey = Rgb(128, 128, 128);
    window_->InitializeGraphData(0, 0, "Cohesion", Points(rows, 1));
    window_->SetGraphDataParameters(0, 0, Symbols(grey, Rgb(0, 0, 0)));
    window_->InitializeGraphData(1, 0, "Friction Angle", Points(rows, 2));
    window_->SetGraphDataParameters(1, 0, Symbols(grey, Rgb(0, 0, 0)));
    window_->InvalidateGraphs();
}

void MaterialGraphs::Hide() {
    if (window_) window_->ShowGraphWindow(false);
}

void MaterialGraphs::RaiseOnce() {
    if (raised_ || !window_) return;
    window_->BringWindowToTop();
    raised_ = true;
}
