#pragma once
// Helpers shared by the drawing of loads, reinforcement, nails and geogrids: the fixed-point
// formats of tool tips and information pages, a kind-and-value scale with its largest value,
// and the world polylines drawn with a pen.

#include "core/dialog_slot.h"
#include "graphics/drawing_attributes.h"
#include "platform/device_context.h"
#include "platform/load_scaling.h"

#include <string>
#include <vector>

namespace loads {

// True on the screen and the printer, the outputs that draw loads.
bool DrawsOnCurrentOutput();

// "%1.<decimals>f", or the fallback when the decimals give no format.
std::string FixedFormat(int decimals, const char* fallback);
// The value through a one-number printf format.
std::string FormatValue(const std::string& format, double value);
// The text with each "%s" replaced in turn by the arguments.
std::string FillTemplate(const char* text, const std::vector<std::string>& arguments);

// The scale of one kind of arrow or diagram: the largest value that options 4 and 5 map to the
// reference length, the world length per unit, and the option record of each unit system.
struct s_ArrowScaleState {
    double largest = 0.0;
    bool largestSet = false;
    double scale = 0.0;
    bool scaleSet = false;
    double savedScale = 0.0;
    bool savedScaleSet = false;
    s_KindValueType records[3];

    // Unit system 2 SI, 3 other, anything else English.
    s_KindValueType& Record(int unitSystem);
    void SetLargest(double value) {
        largest = value;
        largestSet = true;
    }
    // Whether the unit system's option (4 or 5) maps the largest value to the reference length.
    bool NeedsLargest(int unitSystem) {
        const int kind = Record(unitSystem).kind;
        return kind == 4 || kind == 5;
    }
    void Compute(int unitSystem);
    // value times the scale; throws the drawing state's largest-value and scale exceptions.
    double Apply(double value) const;
    void Save() {
        savedScale = scale;
        savedScaleSet = scaleSet;
    }
    void Restore() {
        scale = savedScale;
        scaleSet = savedScaleSet;
    }
};

// The program-wide scales: distributed loads (English {1, 62.4}, SI {1, 9800}, other {1, 9.8}),
// line loads ({2, 3000} each) and reinforcement forces ({4, 0.5}, {5, 1.0}, {4, 0.5}).
s_ArrowScaleState& DistributedLoadScale();
s_ArrowScaleState& LineLoadScale();
s_ArrowScaleState& ReinforcementForceScale();
// Back to the start: nothing set, the initial records (tests).
void ResetLoadScales();

// The option record through the load-scaling dialog; true when the user accepted.
bool EditScaleRecord(int type, const std::string& title, s_KindValueType& record);
// The load-scaling dialog that EditScaleRecord runs; the stand-in cancels.
DialogSlot<platform::LoadScalingService>& LoadScalingDialogSlot();
// Profile entries: "%1d %1.6f" of a record, and 0/1 of a flag; reading keeps a missing key.
void ExchangeRecord(const std::string& section, const std::string& key, s_KindValueType& record,
                    bool read);
void ExchangeFlag(const std::string& section, const std::string& key, bool& flag, bool read);

// A world polyline with the pen, cut to the visible part.
void DrawWorldPolyline(platform::DeviceContext& dc, const std::vector<double>& xs,
                       const std::vector<double>& ys);

}  // namespace loads
