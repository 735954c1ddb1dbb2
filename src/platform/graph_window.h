#pragma once
// A simple graph window: named curves of x/y points with axis titles.

#include <string>
#include <vector>

namespace platform {

struct GraphPoint {
    double x = 0;
    double y = 0;
    friend bool operator==(const GraphPoint&, const GraphPoint&) = default;
};

struct GraphCurve {
    std::string name;
    std::vector<GraphPoint> points;
};

struct Graph {
    std::string title;
    std::string xTitle;
    std::string yTitle;
    std::vector<GraphCurve> curves;
};

class GraphWindowService {
public:
    virtual ~GraphWindowService() = default;
    // Shows the graph in a modeless window (a second call replaces what it shows).
    virtual void ShowGraph(const Graph& graph) = 0;
};

}  // namespace platform
