#pragma once
// The geogrid data of a data set: geogrid types, layouts (stacks of horizontal grids behind a
// slope face) and individual geogrids; the GEO block of the document; and the reinforcement
// lines generated from them.

#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/message_boxes.h"
#include "core/point_xy.h"
#include "core/units.h"
#include "graphics/list_item.h"
#include "graphics/pick.h"
#include "loads/generated_reinforcement.h"
#include "loads/generation_dialogs.h"
#include "platform/device_context.h"

class Cpp_Line;
class Cpp_ReinforcementLineList;

// A standard geogrid type. The program-wide table is empty: nothing adds entries.
struct s_GeogridType {
    int kind = 0;
    std::string description;
    s_UnitValueType value;
};

class Cpp_GeogridProperties {
public:
    enum { SpecifiedDirectly = 0, FromUltimateAndFactors = 1, FromStandardList = 2 };
    enum { InteractionSpecified = 0, InteractionFromEquation = 1 };

    std::string name;
    int strengthOption = SpecifiedDirectly;
    int standardGridIndex = 0;
    s_UnitValueType allowableStrength{0.0, 0};
    s_UnitValueType ultimateStrength{0.0, 0};
    s_UnitValueType longTermDesignStrength{0.0, 0};
    bool oneFactorOfSafety = true;
    double factorOfSafetyStrength = 1.0;
    double fsInstallationDamage = 1.0;
    double fsCreep = 1.0;
    double fsChemical = 1.0;
    double fsBiological = 1.0;
    double fsJoints = 1.0;
    int interactionOption = InteractionSpecified;
    double fStar = 0.0;
    double fq = 0.0;
    double alphaBeta = 0.0;
    double rho = 0.0;  // degrees
    double alpha = 1.0;
    double factorOfSafetyPullout = 1.0;
    s_UnitValueType developedForceAtFace{0.0, 0};
    double overallFactorOfSafety = 1.0;

    std::string GetName() const { return name; }

    // Ta with the force-per-length unit it was entered in.
    s_UnitValueType AllowableStrength() const;
    double InteractionFactor() const;
    // Both faces of the grid, per unit length and width, under the vertical stress.
    double PulloutResistancePerLength(double verticalStress) const;
    double DevelopedForceAtFace(int forcePerLengthUnit) const;

    void WriteKLIVEN4InputDataFile(std::FILE* file) const;
    bool ReadInput(std::FILE* input);
};

class Cpp_GeogridLayout {
public:
    int geogridType = 0;
    s_UnitValueType lowestElevation{0.0, 0};
    s_UnitValueType lowestLength{0.0, 0};
    s_UnitValueType highestLength{0.0, 0};
    s_UnitValueType verticalSpacing{0.0, 0};
    int numberOfLayers = 0;

    void WriteKLIVEN4InputDataFile(std::FILE* file) const;
    bool ReadInput(std::FILE* input);
};

class Cpp_Geogrid : public Cpp_ListItem {
public:
    double headX = 0.0;
    double headY = 0.0;
    double endX = 0.0;
    int geogridType = -1;
    int facing = 1;  // 1 the slope faces left (the grid runs toward +x), 2 faces right
    double length = 0.0;
    bool selected = false;

    void GetDefinition(double& y, double& length, int& type, int& facing) const;
    void SetDefinition(double y, double length, int type, int facing);
    void SetGeometry(double headX, double headY, double endX);
    void GetEndPoint(double& x, double& y) const { x = endX, y = headY; }
    bool ReadInput(std::FILE* input, std::FILE* echoFile, int position);
    void WriteKLIVEN4InputDataFile(std::FILE* file) const;
};

class Cpp_IndividualGeogridList {
public:
    const std::vector<std::unique_ptr<Cpp_Geogrid>>& Geogrids() const { return grids_; }
    int Count() const { return static_cast<int>(grids_.size()); }
    Cpp_Geogrid* AddEmptyGeogrid();
    Cpp_Geogrid* AddGeogrid(double y, double length, int type, int facing);
    Cpp_Geogrid* AddCopy(const Cpp_Geogrid& grid);
    void DeleteAllGeogrids() { grids_.clear(); }
    void RemoveLast();
    // Unlinks and frees the geogrid; false when it is not in the list.
    bool DeleteGeogrid(const Cpp_Geogrid* grid);
    // Bounds of the grids (head and end points); false when there are none.
    bool GetBounds(double& xmin, double& xmax, double& ymin, double& ymax) const;

    // Picking (geogrid_drawing.cpp), as for nails.
    Cpp_Geogrid* HitTestA(s_PickType& pick) const;
    Cpp_Geogrid* HitTestB(s_PickType& pick, bool& head) const;
    static bool GetSelectionFilterA();
    static bool GetSelectionFilterB();
    static void SetSelectionFilters(bool segments, bool ends);

private:
    std::vector<std::unique_ptr<Cpp_Geogrid>> grids_;
};

// The vertical (overburden) stress at (x, y) below the ground surface at surfaceY; false when
// there is none there.
using OverburdenStressFunction =
    std::function<bool(double x, double y, double surfaceY, double& stress)>;

class Cpp_GeogridData {
public:
    Cpp_GeogridData();

    int NumberOfPropertySets() const { return static_cast<int>(properties_.size()); }
    std::vector<Cpp_GeogridProperties>& Properties() { return properties_; }
    const std::vector<Cpp_GeogridProperties>& Properties() const { return properties_; }
    // A copy of set i; a default set for an index outside the list (the list never grows).
    Cpp_GeogridProperties GetProperties(int i) const;
    std::vector<Cpp_GeogridLayout>& Layouts() { return layouts_; }
    const std::vector<Cpp_GeogridLayout>& Layouts() const { return layouts_; }
    Cpp_IndividualGeogridList& GetIndividualGeogridList() { return grids_; }
    const Cpp_IndividualGeogridList& GetIndividualGeogridList() const { return grids_; }
    void DeleteAllGeogrids() { grids_.DeleteAllGeogrids(); }
    // Every individual geogrid on the current device context (geogrid_drawing.cpp).
    bool Draw() const;
    bool GetBounds(double& xmin, double& xmax, double& ymin, double& ymax) const {
        return grids_.GetBounds(xmin, xmax, ymin, ymax);
    }
    static void DrawGeogrid(platform::DeviceContext& dc, const Cpp_Geogrid& grid, bool erase);

    bool GetDisplayGeogrids() const { return display_; }
    void SetDisplayGeogrids(bool on) { display_ = on; }
    static int GetNumberOfGeogridTypes();
    // Entry i of the table; an empty entry outside it (the table never grows).
    static s_GeogridType GetStandardGeogridType(int i);

    int layoutFacing = 1;
    // Increments, stop flag and units of the generation (kept in memory only).
    s_GeogridGenerationOptions options;

    bool ReadInput(std::FILE* input, std::FILE* echoFile);
    bool WriteKLIVEN4InputDataFile(std::FILE* file) const;

    bool GenerateReinforcementLines(Cpp_ReinforcementLineList& list,
                                    const OverburdenStressFunction& overburden,
                                    const Cpp_Line& slope, double lengthTolerance,
                                    WindowHandle parent);
    // The generation dialog over a copy of the options whose units are those of the unit
    // system; OK stores the copy, Cancel leaves the options (units included) as they were.
    bool EditGenerationOptions();

    // "Geo-Grid Properties" over copies of the sets; OK stores them all.
    bool EditProperties();
    // "Geo-Grid Layout": refused with a message while no geogrid type exists.
    bool EditLayouts();
    // "Individual Geogrids" over copies sorted by elevation, placed on the slope face; OK
    // replaces the whole list. Refused with a message while no geogrid type exists.
    bool EditIndividualGeogrids(const Cpp_Line& slope);
    // The user picks one of the x values at which a level meets the slope face ("Choose an X
    // value"); false on Cancel or a choice outside the list.
    static bool ChooseFaceIntersection(const std::vector<double>& xs, int& index);
    // The generators: false (with a message) when the generation stops; lines receives the
    // lines made.
    bool GenerateLayoutReinforcement(const OverburdenStressFunction& overburden,
                                     const Cpp_Line& slope, int forcePerLengthUnit,
                                     std::vector<s_GeneratedReinforcementLine>& lines);
    bool GenerateForIndividualGeogrids(const OverburdenStressFunction& overburden,
                                       const Cpp_Line& slope, int forcePerLengthUnit,
                                       std::vector<s_GeneratedReinforcementLine>& lines);
    // One grid from its face point x0 at elevation y, running toward +x (facing 1) or -x (2).
    bool GenerateGeogridReinforcement(int number, double y, double x0, double length, int type,
                                      int facing, double tolerance,
                                      const OverburdenStressFunction& overburden,
                                      const Cpp_Line& slope, int forcePerLengthUnit,
                                      s_GeneratedReinforcementLine& line);

private:
    bool ReadIndividualGeogrids(std::FILE* input, std::FILE* echoFile);

    std::vector<Cpp_GeogridProperties> properties_;
    std::vector<Cpp_GeogridLayout> layouts_;
    Cpp_IndividualGeogridList grids_;
    bool display_ = true;
};
