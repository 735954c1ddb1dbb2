#pragma once
// Drawing a data set in its fixed order of layers, so fills lie under lines and labels on top.
// Each subsystem registers the drawing of its items at its layer; Cpp_Kliven4DataSet::Draw
// calls them in order on the current device context. A layer that fails (a stale or
// inconsistent item) is skipped and reported once in the echo listing; the rest of the drawing
// completes and nothing is thrown out of the paint.

#include "platform/device_context.h"

#include <string>
#include <vector>

class Cpp_Kliven4DataSet;

// The layers in drawing order.
enum class e_DrawLayer : int {
    MaterialRegions,         // material regions filled with their colours and patterns
    InterpolationFirstPass,  // interpolation data, kinds 1 to 6 of stage 1, then stage 2
    FirstResults,            // the first results display
    ProfileLines,            // profile-line points, lines, check marks
    MaterialNumbers,         // material numbers in the regions (after clipping again)
    PiezometricLines,        // points, then lines, of each stage
    InterpolationSecondPass,
    InterpolationPoints,  // interpolation points and contours, kind by kind
    Slope,                // slope points, slope line
    DistributedLoads,     // point symbols of each stage, then the load diagrams
    LineLoads,
    Reinforcement,  // longitudinal and transverse diagrams, lines, points
    GeogridsAndNails,
    Crack,     // crack bottom and water surface, then tension crack and water
    Analysis,  // slip surfaces, search points, centre, radius items, search grid
    InterpolationThirdPass,
    ProfileLabels,      // profile-line numbers, coordinates of profile points
    PiezometricLabels,  // piezometric-line numbers and point coordinates of each stage
    LoadCoordinates,    // coordinate labels of the distributed-load points
    MaterialTables,     // the material property table of each stage, over everything
    Count
};

// What a layer is drawn with.
struct s_DrawContextType {
    platform::DeviceContext* dc = nullptr;
    double lowestVisibleY = 0.0;
    bool clip = false;
    platform::DeviceRect rect;
};

using DrawLayerFunction = void (*)(Cpp_Kliven4DataSet& dataSet, const s_DrawContextType& context);

class Cpp_DataSetDrawing {
public:
    // Adds a drawing function at a layer; functions of one layer run in registration order.
    // Registering the same function twice at a layer keeps one.
    static void Register(e_DrawLayer layer, const char* name, DrawLayerFunction function);
    // Draws every layer; never throws.
    static bool Draw(Cpp_Kliven4DataSet& dataSet, double lowestVisibleY, bool clip, int left,
                     int top, int right, int bottom);
    // The names of the layer functions that failed and were reported (tests).
    static const std::vector<std::string>& Reported() { return reported_; }
    static void ClearReported() { reported_.clear(); }
    static void ResetRegistry();

private:
    struct Entry {
        e_DrawLayer layer;
        const char* name;
        DrawLayerFunction function;
    };
    static std::vector<Entry>& Entries();
    static void Report(const char* name, const std::string& what);
    static std::vector<std::string> reported_;
};
