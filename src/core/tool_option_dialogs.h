#pragma once
// The option windows of the drawing tools: snapping of new points, steps for editing values
// with the mouse wheel, display scales and a few search settings. The code that owns the
// options fills a record, runs its window through ToolOptionDialogsSlot() and, after OK (true),
// stores the record back; without a registered window every method cancels.
//
//     s_CrackToolOptions options{CrackWheelStep()};
//     if (ToolOptionDialogsSlot().Get().Crack(options)) CrackWheelStep() = options.step;
//
// Snap options are indexes into kSnapOptionTexts.

#include "core/dialog_slot.h"

#include <array>
#include <string>

inline constexpr std::array<const char*, 5> kSnapOptionTexts = {
    "No snap - snap off", "Snap horizontally to slope", "Snap vertically to slope",
    "Snap perpendicularly to slope", "Snap to point /or/ perpendicularly to line"};

// "Crack Tool Options"
struct s_CrackToolOptions {
    double step = 1.0;  // depth or elevation per wheel click
};

// "Options for "Floating Grid"  Search with Circles"
struct s_CircleSearch1ToolOptions {
    double minimumSpacing = 0;
    bool rejectInverted = false;
    bool limitCentres = false;  // centres not below the elevation
    double limitElevation = 0;
    double minimumDepth = 0;
};

// "Options for "Fixed Grid" Search with Circles"
struct s_CircleSearch2ToolOptions {
    int pointsAcross = 0;  // points along the line when alongLine
    int pointsUp = 0;
    bool alongLine = false;
};

// "Data Entry Options"
struct s_DataEntryOptions {
    bool rubberBandLines = true;
};

// "Distributed Load Data Entry Options"
struct s_DistributedLoadToolOptions {
    int snap = 0;
    double maximumStress = 0;  // for scaling; editable only with scalingAvailable
    double step = 25.0;        // stress per wheel click
    bool scalingAvailable = false;
};

// "Line Load Data Entry Options"
struct s_LineLoadToolOptions {
    double maximumLoad = 0;  // for scaling; editable only with scalingAvailable
    int snap = 0;
    double forceStep = 100.0;
    double inclinationStep = 1.0;  // degrees
    bool scalingAvailable = false;
};

// "Reinforcement Data Entry Options"
struct s_ReinforcementToolOptions {
    int forceApplication = 0;  // 0 sides of slice and slip surface, 1 slip surface only
    double maximumRotation = 0;
    double maximumForce = 0;  // for scaling
    double step = 1.0;
    int snap = 0;
    double tolerance = 1.0;
    int displayedForce = 0;  // 0 longitudinal, 1 transverse
};

// "Noncircular Slip Surface Data Options"
struct s_NoncircularToolOptions {
    int snap = 0;
    double finalShift = 0;
    double initialShift = 0;
    double maximumSteepness = 0;  // degrees at the toe
    double tolerance = 1.0;
};

// "Individual Nail Data Entry Options" and "Individual Geogrid Data Entry Options"
struct s_NailToolOptions {
    int snap = 3;
};

// "Interpolation Data Entry Options"
struct s_InterpolationToolOptions {
    int kind = 1;  // 1 pore water pressure, 2 ru, 3 Su, 5 c/p ratio
    double step = 10.0;
    bool contours = false;
    bool values = false;
    int heads = 0;     // 0 pressures, 1 heads (pore water pressures only)
    int fileType = 0;  // 0 generic, 1 GMS/SEEP2D, 2 SEEP/W
    std::string fileName;
    bool importFromFile = false;
    bool viewOnly = false;
};

class ToolOptionDialogs {
public:
    virtual ~ToolOptionDialogs() = default;
    virtual bool Crack(s_CrackToolOptions&) { return false; }
    virtual bool CircleSearch1(s_CircleSearch1ToolOptions&) { return false; }
    virtual bool CircleSearch2(s_CircleSearch2ToolOptions&) { return false; }
    virtual bool DataEntry(s_DataEntryOptions&) { return false; }
    virtual bool DistributedLoad(s_DistributedLoadToolOptions&) { return false; }
    virtual bool LineLoad(s_LineLoadToolOptions&) { return false; }
    virtual bool Reinforcement(s_ReinforcementToolOptions&) { return false; }
    virtual bool Noncircular(s_NoncircularToolOptions&) { return false; }
    virtual bool Nail(s_NailToolOptions&) { return false; }
    virtual bool Geogrid(s_NailToolOptions&) { return false; }
    virtual bool Interpolation(s_InterpolationToolOptions&) { return false; }
};

DialogSlot<ToolOptionDialogs>& ToolOptionDialogsSlot();
