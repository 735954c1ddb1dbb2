#pragma once
// What the drawing view shows: the display flags of every kind of data, numbered as the 41
// display options of the "Show" palette bar (command id 618 + option), the program-wide
// defaults from which a new data set takes its flags, the palette's check states at start-up,
// and the "Selections ..." sheet. A data set keeps one s_DisplayFlagsType; the construction
// lines are one set for the program and keep their flags here.

#include "core/dialog_slot.h"

#include <array>
#include <vector>

class Cpp_Kliven4DataSet;

constexpr int kNumberOfDisplayOptions = 41;
constexpr int kFirstDisplayOptionCommand = 618;

struct s_DisplayFlagsType {
    // Profile-line list.
    bool profileLines = true;
    bool profilePoints = true;
    bool profileNumbers = true;
    bool materialFill = true;
    bool materialNumbers = true;
    bool profileCoordinates = false;
    bool checkMarks = true;
    // Per stage (index 0 stage 1, 1 stage 2).
    bool piezometricLines[2] = {true, true};
    bool piezometricPoints[2] = {true, true};
    bool piezometricNumbers[2] = {true, true};
    bool piezometricCoordinates[2] = {false, false};
    bool materialTable[2] = {false, false};
    bool pressurePoints[2] = {true, true};  // pore-water pressure interpolation points
    bool ruPoints[2] = {true, true};        // r-sub-u interpolation points
    bool strengthPoints[2] = {true, true};  // strength interpolation points
    bool otherPoints[2] = {true, true};     // the remaining point kinds
    bool contours[2] = {true, true};
    bool triangles[2] = {false, false};
    bool strengthLines[2] = {true, true};
    bool interpolationValues[2] = {false, false};
    bool designatedMaterials[2] = {false, false};
    bool loadPoints[2] = {true, true};   // first distributed-load flag
    bool loadDiagram[2] = {true, true};  // second distributed-load flag
    bool loadShear[2] = {true, true};    // third distributed-load flag
    bool loadCoordinates[2] = {false, false};
    bool lineLoads[2] = {true, true};
    // Slope line of the slope geometry.
    bool slopeLine = true;
    bool slopePoints = true;
    // Reinforcement-line list: the four flags in their order.
    bool reinforcement[4] = {true, true, true, true};
    // Analysis data.
    bool initialCentre = true;
    bool analysis1 = true;
    bool analysis2 = true;
    bool searchGrid = true;
    bool noncircularSearchPoints = true;
    // Slope geometry: the two flags (tension crack, crack water).
    bool slopeGeometry[2] = {true, true};

    friend bool operator==(const s_DisplayFlagsType&, const s_DisplayFlagsType&) = default;
};

// The construction lines, points and circles (program-wide).
struct s_ConstructionDisplayType {
    bool lines = true;
    bool points = true;
    bool circles = true;
};

// One row of the interpolation page: a material designation of the stage-1 interpolation data.
struct InterpolationDisplayType {
    int first = 0;
    int second = 0;
    bool display = false;
};

// What the "Display Selections" sheet shows and gives back.
struct s_DisplaySheetData {
    s_DisplayFlagsType flags;
    s_ConstructionDisplayType construction;
    std::vector<InterpolationDisplayType> rows;
};

class Cpp_DisplaySelections {
public:
    // The sheet; answers false on Cancel. Its window is registered in SheetSlot(); the
    // stand-in cancels.
    class Sheet {
    public:
        virtual ~Sheet() = default;
        virtual bool Run(s_DisplaySheetData& data) = 0;
    };
    static DialogSlot<Sheet>& SheetSlot();

    static s_DisplayFlagsType& Defaults() { return defaults_; }
    static s_ConstructionDisplayType& Construction() { return construction_; }

    // The flag of an option on a data set's flags (options 0 and 1 set the construction flags);
    // false for an option outside 0 to 40.
    static bool SetDisplayOption(s_DisplayFlagsType& flags, int option, bool value);
    static bool GetDisplayOption(const s_DisplayFlagsType& flags, int option, bool& value);
    // The same on the defaults; false outside 2 to 40.
    static bool SetDefaultDisplayOption(int option, bool value);
    // The four interpolation flags the palette does not show (contours, triangles, strength
    // lines, values), both stages.
    static void SetInterpolationDisplay(s_DisplayFlagsType& flags, bool value);

    // Palette bar: its own states of the 41 buttons.
    using PaletteStates = std::array<bool, kNumberOfDisplayOptions>;
    // The start-up check states, from the defaults.
    static void UpdatePaletteBarChecks(PaletteStates& states);
    // Button i toggled: the bar's state flips and, with a data set, its flag follows. True when
    // the view must be redrawn.
    static bool TogglePaletteButton(PaletteStates& states, int option, s_DisplayFlagsType* dataSet);
    // All on / all off: options 0 to 38, to the data set or, without one, to the defaults.
    static bool SetAllPaletteButtons(PaletteStates& states, bool on, s_DisplayFlagsType* dataSet);

    // "Selections ...": the data set's flags, or the defaults without one. The material fill
    // is left as it was (the sheet has no box for it). Rows go back to their designations.
    static bool EditDisplaySelections(s_DisplayFlagsType* dataSet,
                                      std::vector<InterpolationDisplayType>* rows);

    // Owners that keep display flags of their own (the profile-line list, the slope) register
    // how the record reaches them: for a data set, and for their program-wide defaults.
    using OwnerApplier = void (*)(Cpp_Kliven4DataSet& dataSet, const s_DisplayFlagsType& flags);
    using DefaultsApplier = void (*)(const s_DisplayFlagsType& defaults);
    static void RegisterOwner(OwnerApplier applier, DefaultsApplier defaults);
    // Hands a data set's record (its DisplayFlags()) to the owners of its items.
    static void ApplyToOwners(Cpp_Kliven4DataSet& dataSet, const s_DisplayFlagsType& flags);
    static void ApplyDefaultsToOwners();

    static void Reset();

private:
    static bool* Flag(s_DisplayFlagsType& flags, int option);

    static s_DisplayFlagsType defaults_;
    static s_ConstructionDisplayType construction_;
};
