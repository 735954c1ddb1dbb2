#pragma once
// The information window: a modeless tree window beside the main frame listing facts about
// the selected item. Each line has a label and a text; lines nest under a parent line.

#include <cstdint>
#include <optional>
#include <string>

#include "platform/device_context.h"

namespace platform {

// A line of the tree; kInfoRoot is the invisible root.
using InfoItem = std::int64_t;
constexpr InfoItem kInfoRoot = 0;

class InfoWindowService {
public:
    virtual ~InfoWindowService() = default;

    // Sets the window up once: its title and the screen point of its top-left corner (none:
    // the window places itself beside the main frame).
    virtual void Initialize(const std::string& title, std::optional<DevicePoint> position) = 0;
    // False until Initialize (callers then add nothing).
    virtual bool Exists() const = 0;
    virtual void Show(bool show) = 0;
    virtual bool IsVisible() const = 0;
    virtual void Clear() = 0;
    // Adds a line under the parent and answers its handle (kInfoRoot when nothing was added).
    virtual InfoItem AddItem(InfoItem parent, const std::string& label,
                             const std::string& text) = 0;
    // Expands every line, or collapses them all when all are expanded already.
    virtual void ExpandOrCollapseAll() = 0;

    // Helpers over AddItem.
    InfoItem AddText(InfoItem parent, const std::string& text);
    // The value is formatted with a printf format ("%1d", "%.3f").
    InfoItem AddInteger(InfoItem parent, const std::string& label, int value,
                        const std::string& format);
    InfoItem AddReal(InfoItem parent, const std::string& label, double value,
                     const std::string& format);
    // One line for the segment (x1, y1)-(x2, y2): its end points, its length and its slope
    // angle in degrees from the horizontal, each in its own format. With showSlope false the
    // angle is left out (reinforcement segments).
    InfoItem AddLengthAndSlopeOfSegment(InfoItem parent, double x1, double y1, double x2, double y2,
                                        const std::string& coordinateFormat,
                                        const std::string& lengthFormat,
                                        const std::string& angleFormat, bool showSlope);
};

// printf-style formatting of one number (the format holds one conversion); numbers always
// come out with a decimal point, whatever the user's locale.
std::string FormatNumber(const std::string& format, double value);
std::string FormatNumber(const std::string& format, int value);

}  // namespace platform
