#pragma once
// The windows in which nail and geogrid data are entered, reached through one interface whose
// windows are registered in NailGeogridDialogsSlot(). Each works on copies and answers true on
// OK; the stand-in cancels every window.

#include "core/dialog_slot.h"
#include "loads/geogrid_data.h"
#include "loads/nail_layout.h"
#include "loads/nail_properties.h"

#include <array>
#include <string>
#include <vector>

class Cpp_Line;

struct s_GeogridPropertiesDialogData {
    std::vector<Cpp_GeogridProperties> types;
    // The values the window starts a new type with (the factors of safety are also the ones a
    // switch back to "Computed from ultimate and factors of safety" restores).
    Cpp_GeogridProperties primed;
};

struct s_GeogridLayoutsDialogData {
    std::vector<std::string> typeNames;
    std::vector<Cpp_GeogridLayout> layouts;
    int direction = 0;  // 0 "Left", 1 "Right", for every layout
};

struct s_IndividualGeogridsDialogData {
    std::vector<std::string> typeNames;
    // Sorted by elevation, lowest first.
    std::vector<Cpp_Geogrid> grids;
    // The slope face the grids start at.
    const Cpp_Line* slope = nullptr;
};

class Cpp_NailGeogridDialogs {
public:
    virtual ~Cpp_NailGeogridDialogs() = default;
    // "Definition of Nail Properties".
    virtual bool EditNailProperties(std::vector<Cpp_NailProperties>& types) = 0;
    // "Layout Information for Nails": eight pages; the names of the nail types for the lists.
    virtual bool EditNailLayouts(std::array<s_NailLayoutPage, 8>& pages,
                                 const std::vector<std::string>& typeNames) = 0;
    // "Geo-Grid Properties".
    virtual bool EditGeogridProperties(s_GeogridPropertiesDialogData& data) = 0;
    // "Geo-Grid Layout".
    virtual bool EditGeogridLayouts(s_GeogridLayoutsDialogData& data) = 0;
    // "Individual Geogrids".
    virtual bool EditIndividualGeogrids(s_IndividualGeogridsDialogData& data) = 0;
};

DialogSlot<Cpp_NailGeogridDialogs>& NailGeogridDialogsSlot();
// The registered windows, else the stand-in.
Cpp_NailGeogridDialogs& NailGeogridDialogs();
