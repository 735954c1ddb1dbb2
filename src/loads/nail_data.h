#pragma once
// The soil-nail data of a data set: nail types, up to eight nail layouts and the individual
// nails; the NAI block of the document; and the reinforcement lines generated from them.

#include <array>
#include <cstdio>
#include <memory>
#include <vector>

#include "core/message_boxes.h"
#include "core/point_xy.h"
#include "graphics/list_item.h"
#include "graphics/pick.h"
#include "loads/generated_reinforcement.h"
#include "loads/nail_layout.h"
#include "loads/nail_properties.h"
#include "platform/device_context.h"

class Cpp_Line;
class Cpp_ReinforcementLineList;

class Cpp_IndividualNail : public Cpp_ListItem {
public:
    double headX = 0.0;
    double headY = 0.0;
    double endX = 0.0;
    double endY = 0.0;
    int nailType = -1;  // property set, counted from 0
    int facing = 0;     // 0 the slope faces left, 1 faces right
    double horizontalSpacing = 0.0;
    double inclination = 0.0;  // degrees below the horizontal
    double length = 0.0;
    bool selected = false;

    // Reads and echoes the two lines of the nail (position counts from 1 in the block).
    bool ReadInput(std::FILE* input, std::FILE* echoFile, int position);
    void WriteKLIVEN4InputDataFile(std::FILE* file) const;
};

class Cpp_IndividualNailList {
public:
    const std::vector<std::unique_ptr<Cpp_IndividualNail>>& Nails() const { return nails_; }
    int Count() const { return static_cast<int>(nails_.size()); }
    Cpp_IndividualNail* AddEmptyNail();
    Cpp_IndividualNail* AddNail(double headY, double length, double inclination, double spacing,
                                int type, int facing);
    void DeleteAllNails() { nails_.clear(); }
    // Drops the last nail (one whose reading failed).
    void RemoveLast();
    // Unlinks and frees the nail; false when it is not in the list.
    bool DeleteNail(const Cpp_IndividualNail* nail);

    // Picking (nail_drawing.cpp): A by the nail's segment, B by its head or end (head set to
    // true for the head); the nearest within the tolerance, or null.
    Cpp_IndividualNail* HitTestA(s_PickType& pick) const;
    Cpp_IndividualNail* HitTestB(s_PickType& pick, bool& head) const;
    static bool GetSelectionFilterA();
    static bool GetSelectionFilterB();
    static void SetSelectionFilters(bool segments, bool ends);

private:
    std::vector<std::unique_ptr<Cpp_IndividualNail>> nails_;
};

class Cpp_NailData {
public:
    static constexpr int MaximumLayouts = 8;

    Cpp_NailData();

    int NumberOfPropertySets() const { return static_cast<int>(properties_.size()); }
    const std::vector<Cpp_NailProperties>& Properties() const { return properties_; }
    std::vector<Cpp_NailProperties>& Properties() { return properties_; }
    // A copy of set i; a default set for an index outside the list (the list never grows).
    Cpp_NailProperties GetNailProperties(int i) const;
    std::array<Cpp_NailLayout, MaximumLayouts>& Layouts() { return layouts_; }
    const std::array<Cpp_NailLayout, MaximumLayouts>& Layouts() const { return layouts_; }
    int ActiveLayoutCount() const;
    Cpp_IndividualNailList& GetIndividualNailList() { return nails_; }
    const Cpp_IndividualNailList& GetIndividualNailList() const { return nails_; }
    void DeleteIndividualNails() { nails_.DeleteAllNails(); }
    // Every individual nail on the current device context; the extents of their heads and
    // ends (false when there is none) (nail_drawing.cpp).
    bool Draw() const;
    bool GetBounds(double& xmin, double& xmax, double& ymin, double& ymax) const;
    // One nail in its colour, or in the background colour to erase it.
    static void DrawNail(platform::DeviceContext& dc, const Cpp_IndividualNail& nail, bool erase);

    bool GetDisplayNails() const { return display_; }
    void SetDisplayNails(bool on) { display_ = on; }

    int generationLengthUnit = 0;
    int generationForceUnit = 0;

    // The NAI block of the document (the command line already read).
    bool ReadInput(std::FILE* input, std::FILE* echoFile);
    bool WriteKLIVEN4InputDataFile(std::FILE* file) const;

    // The command: checks, the units dialog, one of the two generators, then the transfer into
    // the list. True when a generator ran to its end.
    bool GenerateReinforcementLines(Cpp_ReinforcementLineList& list, const Cpp_Line& slope,
                                    WindowHandle parent);
    bool EditGenerationUnits();

    // "Definition of Nail Properties" over copies of the sets; OK stores them all.
    bool EditProperties();
    // "Layout Information for Nails": one page per layout slot; OK stores every page.
    bool ShowLayoutInformation();
    // The lines of all layouts in use, or of all individual nails, in the generation units
    // (messages for what cannot be generated).
    std::vector<s_GeneratedReinforcementLine> GenerateForLayouts(const Cpp_Line& slope);
    std::vector<s_GeneratedReinforcementLine> GenerateForIndividualNails();

private:
    bool ReadPropertySet(std::FILE* input, Cpp_NailProperties& set);
    bool ReadLayout(std::FILE* input, Cpp_NailLayout& layout);
    bool ReadIndividualNails(std::FILE* input, std::FILE* echoFile);
    // Appends the nail's line; false with a message when the nail cannot carry one.
    bool AddNailLine(std::vector<s_GeneratedReinforcementLine>& lines, int propertySet, double sh,
                     double x0, double y0, int facing, double inclination, double length,
                     const char* what, int which);

    std::vector<Cpp_NailProperties> properties_;
    std::array<Cpp_NailLayout, MaximumLayouts> layouts_;
    Cpp_IndividualNailList nails_;
    bool display_ = true;
};
