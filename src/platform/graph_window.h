#pragma once
// Graph windows: a separate window that shows one or more graphs of named point sets with
// symbols, colours, axis titles, an optional fixed vertical range and a text shown while a
// graph has no data. The material properties window fills one with the points of its strength
// tables. Each window is an object of its own: made by the service, filled through the
// operations below, and closed when the object is destroyed.
//
//     auto graph = platform::Services().GraphWindow().Create();
//     graph->Initialize(1, 0, "Nonlinear Mohr-Coulomb Shear Strength Envelope", std::nullopt);
//     graph->InitializeGraph(0, {0, true, true, 1, 2, "No nonlinear envelope"});
//     graph->InitializeGraphData(0, 0, "Envelope Points", points);
//     graph->InvalidateGraphs();

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace platform {

struct GraphPoint {
    double x = 0;
    double y = 0;
    friend bool operator==(const GraphPoint&, const GraphPoint&) = default;
};

// A window rectangle in screen pixels.
struct GraphRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    friend bool operator==(const GraphRect&, const GraphRect&) = default;
};

// How one graph is drawn; the values other than the no-data text are the caller's settings
// (orientation, two flags, the number of data sets, the aspect-ratio adjustment).
struct GraphSetup {
    int orientation = 0;
    bool flag1 = true;
    bool flag2 = true;
    int dataSets = 1;
    int aspectAdjustment = 0;
    std::string noDataText;
    friend bool operator==(const GraphSetup&, const GraphSetup&) = default;
};

// The point table of a graph: its two column titles and four settings.
struct GraphDataTable {
    std::string xTitle;
    std::string yTitle;
    std::array<int, 4> settings{};
    friend bool operator==(const GraphDataTable&, const GraphDataTable&) = default;
};

enum class GraphAxisId { Horizontal = 0, Vertical = 1 };

// An axis: its title and, when given, a fixed range.
struct GraphAxisInfo {
    std::string title;
    bool rangeGiven = false;
    double minimum = 0.0;
    double maximum = 0.0;
    friend bool operator==(const GraphAxisInfo&, const GraphAxisInfo&) = default;
};

// Colours are 0x00BBGGRR.
struct GraphDataParameters {
    bool showSymbols = true;
    int symbolSize = 9;
    int symbolType = 1;
    std::uint32_t symbolColour = 0;
    std::uint32_t fillColour = 0;
    bool showLine = true;
    int lineWidth = 1;
    int lineStyle = 0;
    std::uint32_t lineColour = 0;
    friend bool operator==(const GraphDataParameters&, const GraphDataParameters&) = default;
};

class GraphWindow {
public:
    // Closes the window.
    virtual ~GraphWindow() = default;
    // The window's screen rectangle; before Initialize, at the size the window will have.
    virtual GraphRect GetDialogWindowRectangle() const = 0;
    // Titles the window, makes room for the graphs and shows it (at the rectangle when given).
    virtual void Initialize(int graphs, int tiling, const std::string& title,
                            std::optional<GraphRect> rectangle) = 0;
    virtual void InitializeGraph(int graph, const GraphSetup& setup) = 0;
    virtual void InitializeDataTable(int graph, const GraphDataTable& table) = 0;
    virtual void InitializeAxis(int graph, GraphAxisId axis, const GraphAxisInfo& info) = 0;
    // Copies the points; an empty list empties the data set.
    virtual void InitializeGraphData(int graph, int dataSet, const std::string& name,
                                     const std::vector<GraphPoint>& points) = 0;
    virtual void SetGraphDataParameters(int graph, int dataSet,
                                        const GraphDataParameters& parameters) = 0;
    // Draws the graphs again.
    virtual void InvalidateGraphs() = 0;
    virtual void ShowGraphWindow(bool show) = 0;
    virtual void BringWindowToTop() = 0;
};

class GraphWindowService {
public:
    virtual ~GraphWindowService() = default;
    // A new window object (its window appears with Initialize).
    virtual std::unique_ptr<GraphWindow> Create() = 0;
};

}  // namespace platform
