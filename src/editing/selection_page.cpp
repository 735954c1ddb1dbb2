// The information page of a selected item: label and value rows whose first row names the kind,
// numbers formatted with the decimals of the preferences.

#include "editing/selection.h"

#include "analysis/analysis_computation_data.h"
#include "analysis/circle.h"
#include "analysis/fixed_search_grid.h"
#include "analysis/noncircular_shear_surface.h"
#include "analysis/radius_definition.h"
#include "analysis/results_display.h"
#include "analysis/slices.h"
#include "analysis/tangent_line.h"
#include "core/format_text.h"
#include "core/point_xy.h"
#include "core/preferences.h"
#include "editing/construction_items.h"
#include "editing/selection_family_ops.h"
#include "editing/selection_kinds.h"
#include "graphics/drawing_attributes.h"
#include "graphics/line.h"
#include "loads/distributed_load_data.h"
#include "loads/line_load.h"
#include "loads/reinforcement_line.h"
#include "model/data_set.h"
#include "porepressure/interpolation_data.h"
#include "porepressure/piezometric_line.h"
#include "porepressure/vertex.h"
#include "profile/crack.h"
#include "profile/material_properties.h"
#include "profile/profile_line.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <string>

namespace selection_page {

constexpr double kRadiansToDegrees = 57.29577951308232;

struct s_Formats {
    std::string angle, coordinate, unitWeight, safety, force, length, stress;
};

std::string Fixed(int decimals) { return FormatText("%%1.%df", decimals); }

bool MakeFormats(s_Formats& f) {
    const int d[] = {
        Cpp_KlivenSettings::AngleDecimals(),      Cpp_KlivenSettings::CoordinateDecimals(),
        Cpp_KlivenSettings::UnitWeightDecimals(), Cpp_KlivenSettings::FactorOfSafetyDecimals(),
        Cpp_KlivenSettings::ForceDecimals(),      Cpp_KlivenSettings::LengthDecimals(),
        Cpp_KlivenSettings::StressDecimals()};
    for (int v : d)
        if (v < 0 || v > 15) return false;
    f = {Fixed(d[0]), Fixed(d[1]), Fixed(d[2]), Fixed(d[3]), Fixed(d[4]), Fixed(d[5]), Fixed(d[6])};
    return true;
}

class Page {
public:
    Page(Cpp_NameValueList& list, const s_Formats& f) : list_(list), f_(f) {}
    void Title(const std::string& title) { list_.AddText("ITEM SELECTED:", title.c_str()); }
    void Text(const std::string& name, const std::string& value) {
        list_.AddText(name, value.c_str());
    }
    void Int(const std::string& name, long value) {
        list_.AddText(name, FormatText("%1d", static_cast<int>(value)).c_str());
    }
    void Value(const std::string& name, const std::string& format, double value) {
        list_.AddFormatted(name, format.c_str(), value);
    }
    void XY(const std::string& prefix, double x, double y, const std::string& format) {
        Value(prefix + "X:", format, x);
        Value(prefix + "Y:", format, y);
    }
    void Ends(const Cpp_PointXY& a, const Cpp_PointXY& b) {
        XY("First point - ", a.X(), a.Y(), f_.coordinate);
        XY("Second point - ", b.X(), b.Y(), f_.coordinate);
    }
    const s_Formats& F() const { return f_; }

private:
    Cpp_NameValueList& list_;
    const s_Formats& f_;
};

std::string MaterialText(const Cpp_ProfileLine& line) {
    return line.GetMaterialNumber() < 1 ? "Not available"
                                        : FormatText("%1d", line.GetMaterialNumber());
}

// Stage row of the loads and piezometric lines.
bool StageRowS1(const Cpp_Kliven4DataSet* ds) {
    return ds && (ds->IsMultiStage() || ds->PiezometricLines(2)->Count() > 0);
}

}  // namespace selection_page

using namespace selection_page;

namespace {

// The material of a slice's base in the data set's material list.
const Cpp_MaterialProperties* SliceMaterial(const Cpp_Kliven4DataSet* ds, const Cpp_Slice& slice) {
    return ds ? ds->MaterialData().GetMaterialList().FindMaterialConst(slice.materialNumber)
              : nullptr;
}

// The pages of the results items that read the slices; n is the slice number the record
// holds.
void SliceResultsPage(const Cpp_Selection& item, Page& page, Cpp_NameValueList& list) {
    const Cpp_Kliven4DataSet* ds = item.GetDataSet();
    const int kind = item.GetType();
    const int stage = item.GetStage();
    const s_Formats& f = page.F();
    const s_SelectionReferences& r = item.GetItemReferences();
    const int n = static_cast<int>(r.number1);
    const Cpp_Slices* slices = ds ? &ds->Slices() : nullptr;
    const Cpp_Slice* slice = slices ? slices->GetSlice(n) : nullptr;
    const int stages = ds ? ds->Analysis().NumberOfStages() : 1;
    const int mode = ds ? ds->Analysis().GetMode() : 0;
    switch (kind) {
    case SEL_CRACK_WATER_FORCE: {
        page.Title("Vector Representing Water Force in Tension Crack");
        if (!slices) return;
        int side = 0;
        double depth = 0, force = 0, x = 0, y = 0;
        slices->GetCrackWaterForce(side, depth, force, x, y);
        page.Int("Applied to slice number:", side);
        page.Value("Water force:", f.force, force);
        page.Value("Crack water depth:", f.length, depth);
        page.Value("X coordinate of slice boundary:", f.coordinate, x);
        page.Value("Y coordinate of water force on slice boundary:", f.coordinate, y);
        return;
    }
    case SEL_EARTH_PRESSURE_FORCE: {
        page.Title("Vector Representing Computed Earth Pressure Force");
        if (!ds) return;
        const Cpp_ResultsDisplay& results = ds->ResultsDisplay();
        const Cpp_AnalysisComputationData& a = ds->Analysis();
        page.Value("Earth pressure force:", f.force, results.GetEarthPressureForce(stage));
        page.Value("Specified factor of safety:", f.safety, a.GetSideForceValue());
        page.Value("Specified inclination:", f.angle, a.GetCorpsSideForceInclination());
        const s_tagTypePointXY p = results.GetEarthPressurePoint(stage);
        page.Value("X coordinate of force:", f.coordinate, p.x);
        page.Value("Y coordinate of force:", f.coordinate, p.y);
        return;
    }
    case SEL_CRITICAL_CENTRE: {
        if (mode == 1) page.Title("Center of Individual Circular Slip Surface");
        if (mode == 3) page.Title("Center of Critical Slip Surface");
        if (!ds) return;
        const Cpp_ResultsDisplay& results = ds->ResultsDisplay();
        page.Value("X - Center:", f.coordinate, results.GetCriticalCircleCenter().x);
        page.Value("Y - Center:", f.coordinate, results.GetCriticalCircleCenter().y);
        page.Value("Radius:", f.coordinate, results.GetCriticalCircleRadius());
        return;
    }
    case SEL_CRITICAL_POINT:
        page.Title("Point on Critical Slip Surface");
        page.Int("Point number:", r.index);
        page.XY("", r.x, r.y, f.coordinate);
        return;
    case SEL_CRITICAL_SEGMENT:
        page.Title("Segment of Critical Slip Surface");
        page.Int("Segment & slice number:", n);
        if (!slice) return;
        page.XY("First point - ", slice->bottomLeftX, slice->bottomLeftY, f.coordinate);
        page.XY("Second point - ", slice->GetBottomRightX(), slice->GetBottomRightY(),
                f.coordinate);
        slices->ShowSliceBaseInformation(n, SliceMaterial(ds, *slice), stages, list);
        return;
    case SEL_THRUST_LINE:
        page.Title("Line of Thrust");
        page.Int("Slice number:", n);
        if (!slice) return;
        page.Value("X (left):", f.coordinate, slice->bottomLeftX);
        page.Value("Y - line of thrust (left):", f.coordinate, slice->GetLineOfThrustLeft());
        page.Value("Fraction of height (left):", f.coordinate,
                   slice->GetLineOfThrustFractionLeft());
        page.Value("X (right):", f.coordinate, slice->GetBottomRightX());
        page.Value("Y - line of thrust (right):", f.coordinate, slice->GetLineOfThrustRight());
        page.Value("Fraction of height (right):", f.coordinate,
                   slice->GetLineOfThrustFractionRight());
        return;
    case SEL_TOTAL_STRESS:
    case SEL_PORE_PRESSURE:
    case SEL_EFFECTIVE_STRESS: {
        page.Title(kind == SEL_TOTAL_STRESS ? "Distribution of Total Normal Stress on Slip Surface"
                   : kind == SEL_PORE_PRESSURE
                       ? "Distribution of Pore Water Pressure on Slip Surface"
                       : "Distribution of Effective Normal Stress on Slip Surface");
        if (!slice) return;
        const double total = slice->GetStageEntityValue(stages);
        const double pore = slice->GetEntityValue(stages);
        const double effective = slice->EffectiveNormalStress(stages);
        const std::pair<const char*, double> rows[3] = {{"Total normal stress:", total},
                                                        {"Pore water pressure:", pore},
                                                        {"Effective normal stress:", effective}};
        const int order[3][3] = {{0, 1, 2}, {1, 0, 2}, {2, 0, 1}};
        for (int i : order[(kind - SEL_TOTAL_STRESS) / 2])
            page.Value(rows[i].first, f.stress, rows[i].second);
        return;
    }
    case SEL_SLICE:
        page.Title(FormatText("Slice number %1d", n));
        if (slice) slices->ShowSliceInformation(n, SliceMaterial(ds, *slice), stages, list);
        return;
    case SEL_SLICE_BOUNDARY: {
        const int count = slices ? slices->Count() : 0;
        if (n == 0)
            page.Title("Left-most Interslice Boundary - Left End of Slip Surface");
        else if (n == count)
            page.Title("Right-most Interslice Boundary - Right End of Slip Surface");
        else
            page.Title(FormatText("Selected Boundary Between Slices %1d and %1d", n, n + 1));
        if (!ds) return;
        const int procedure = ds->Analysis().GetProcedure();
        if (procedure == 0 || (procedure >= 2 && procedure <= 5)) {
            const Cpp_Slice* s = slices->GetSlice(n == 0 ? 1 : n);
            if (s)
                page.Value("Resultant interslice force:", f.force,
                           n == 0 ? s->GetInterSliceForceLeft() : s->GetInterSliceForceRight());
        } else {
            page.Text("Resultant interslice force:", "Not computed in procedure of slices used");
        }
        return;
    }
    default: return;
    }
}

}  // namespace

namespace selection_family {

namespace {

const Cpp_PointXY* Node(const void* p) { return static_cast<const Cpp_PointXY*>(p); }

int ModeOf(const Cpp_Selection& item) {
    const Cpp_Kliven4DataSet* ds = item.GetDataSet();
    return ds ? ds->Analysis().GetMode() : 0;
}

// The slope rows of a segment that is neither vertical nor horizontal.
double Degrees(double dx, double dy) { return std::atan(dy / dx) * kRadiansToDegrees; }

}  // namespace

bool ConstructionLinePage(const Cpp_Selection& item, Page& page, Cpp_NameValueList&) {
    const s_SelectionReferences& r = item.GetItemReferences();
    const auto* line = static_cast<const Cpp_Line*>(r.ref1);
    const Cpp_PointXY* point = Node(r.ref2);
    if (item.GetType() == SEL_CONSTRUCTION_SEGMENT) {
        page.Title("Construction Line Segment");
        const Cpp_PointXY* next = point ? point->Next() : nullptr;
        if (!line || !next) return true;
        page.Int("Line number::", line->GetNumber());
        page.Int("Segment number::", point->Number());
        page.Ends(*point, *next);
        const double dx = next->X() - point->X(), dy = next->Y() - point->Y();
        page.Value("Length of segment:", page.F().length, std::hypot(dx, dy));
        if (dy == 0)
            page.Text("Slope of segment:", "Segnment is horizontal");
        else if (dx == 0)
            page.Text("Slope of segment:", "Segnment is vertical");
        else {
            page.Value("Slope (dy/dx):", "%1.3f", dy / dx);
            page.Value("Ratio (dx/dy)::", "%1.3f", dx / dy);
        }
        return true;
    }
    page.Title("Construction Line Point");
    if (!line || !point) return true;
    page.Int("Line number::", line->GetNumber());
    page.Int("Point number:", point->Number());
    page.Int("Line number:", line->GetNumber());
    page.XY("", point->X(), point->Y(), page.F().coordinate);
    return true;
}

bool ConstructionCirclePage(const Cpp_Selection& item, Page& page, Cpp_NameValueList&) {
    page.Title("Construction Circle");
    const auto* circle = static_cast<const Cpp_ConstructionCircle*>(item.GetItemReferences().ref2);
    if (!circle) return true;
    page.Value("Center-X:", page.F().coordinate, circle->CentreX());
    page.Value("Center-Y:", page.F().coordinate, circle->CentreY());
    page.Value("Radius:", page.F().length, circle->GetRadius());
    return true;
}

bool ProfileLinePage(const Cpp_Selection& item, Page& page, Cpp_NameValueList& list) {
    const Cpp_Kliven4DataSet* ds = item.GetDataSet();
    const s_Formats& f = page.F();
    const s_SelectionReferences& r = item.GetItemReferences();
    const auto* profile = static_cast<const Cpp_ProfileLine*>(r.ref1);
    const Cpp_PointXY* point = Node(r.ref2);
    switch (item.GetType()) {
    case SEL_PROFILE_POINT:
        page.Title("Profile Line Point");
        if (!profile || !point) return true;
        page.Int("Point number:", point->Number());
        page.Int("Line number:", profile->GetNumber());
        page.Text("Material number:", MaterialText(*profile));
        page.XY("", point->X(), point->Y(), "%1.6f");
        return true;
    case SEL_PROFILE_SEGMENT: {
        page.Title("Profile Line Segment");
        const Cpp_PointXY* next = point ? point->Next() : nullptr;
        if (!profile || !next) return true;
        page.Int("Line number:", profile->GetNumber());
        page.Text("Description:", profile->HasDescription() ? profile->Description() : "");
        page.Text("Material number:", MaterialText(*profile));
        page.Int("Segment number::", point->Number());
        const double dx = next->X() - point->X(), dy = next->Y() - point->Y();
        if (dx == 0)
            page.Text("Slope:", "Line is vertical");
        else if (dy == 0)
            page.Text("Slope:", "Line is horizontal");
        else {
            page.Value("Slope (dy/dx:", "%1.4f", dy / dx);
            page.Value("Ratio (dx/dy):", "%1.4f", dx / dy);
            page.Value("Slope (degrees):", f.angle, Degrees(dx, dy));
        }
        page.Value("Segment length:", f.length, std::hypot(dx, dy));
        page.Ends(*point, *next);
        return true;
    }
    case SEL_PROFILE_LABEL:
        page.Title("Profile Line Number (Label)");
        if (profile) page.Int("Line number:", profile->GetNumber());
        return true;
    case SEL_MATERIAL_LABEL:
        page.Title("Profile Line Material Number (Label)");
        if (!profile) return true;
        page.Int("Profile line number:", profile->GetNumber());
        page.Int("Material number:", profile->GetMaterialNumber());
        return true;
    case SEL_MATERIAL_REGION: {
        page.Title("Material region beneath profile line");
        if (!profile) return true;
        // The material the line's number names, with its stage-1 heading and properties.
        const Cpp_MaterialProperties* material =
            ds ? ds->MaterialData().GetMaterialList().FindMaterialConst(
                     profile->GetMaterialNumber())
               : nullptr;
        if (!material) {
            page.Text("Material number:", MaterialText(*profile));
            page.Int("Profile line number:", profile->GetNumber());
            return true;
        }
        page.Int("Material number:", profile->GetMaterialNumber());
        page.Int("Profile line number:", profile->GetNumber());
        material->PrintHeading(1, list);
        return true;
    }
    default: return false;
    }
}

bool PiezometricLinePage(const Cpp_Selection& item, Page& page, Cpp_NameValueList&) {
    const int kind = item.GetType();
    const s_SelectionReferences& r = item.GetItemReferences();
    const auto* water = static_cast<const Cpp_PiezometricLine*>(r.ref1);
    const Cpp_PointXY* point = Node(r.ref2);
    page.Title(kind == SEL_PIEZOMETRIC_POINT     ? "Piezometric Line Point"
               : kind == SEL_PIEZOMETRIC_SEGMENT ? "Piezometric Line Segment"
                                                 : "Piezometric Line number (label)");
    if (StageRowS1(item.GetDataSet())) page.Int("Data are for stage:", item.GetStage());
    if (!water) return true;
    if (kind == SEL_PIEZOMETRIC_POINT && point) {
        page.Int("Point number:", point->Number());
        page.Int("Line number:", water->GetNumber());
        page.XY("", point->X(), point->Y(), "%1.2f");
        page.Value("Unit weight of fluid:", "%1.2f", water->UnitWeight());
    } else if (kind == SEL_PIEZOMETRIC_SEGMENT && point && point->Next()) {
        page.Int("Line number:", water->GetNumber());
        page.Int("Segment number:", point->Number());
        page.Value("Unit weight of fluid:", page.F().unitWeight, water->UnitWeight());
        page.Ends(*point, *point->Next());
    } else if (kind == SEL_PIEZOMETRIC_LABEL) {
        page.Int("Line number:", water->GetNumber());
    }
    return true;
}

bool SlopeLinePage(const Cpp_Selection& item, Page& page, Cpp_NameValueList&) {
    const Cpp_PointXY* point = Node(item.GetItemReferences().ref2);
    if (item.GetType() == SEL_SLOPE_POINT) {
        page.Title("Slope Geometry Point");
        if (point) page.XY("", point->X(), point->Y(), "%1.2f");
        return true;
    }
    page.Title("Slope Geometry Line Segment");
    const Cpp_PointXY* next = point ? point->Next() : nullptr;
    if (!next) return true;
    const double dx = next->X() - point->X(), dy = next->Y() - point->Y();
    if (dx == 0)
        page.Text("Slope (inclination) of line:", "Line is vertical");
    else if (dy == 0)
        page.Text("Slope (inclination) of line:", "Line is horizontal");
    else {
        page.Value("Slope  of line - Vertical:Horizontal (dy/dx):", "%1.4f", dy / dx);
        page.Value("Slope ratio of line - Horizontal:Vertical (dx/dy):", "%1.4f", dx / dy);
        page.Value("Slope angle from horizontal (degrees):", page.F().angle, Degrees(dx, dy));
    }
    return true;
}

bool DistributedLoadPage(const Cpp_Selection& item, Page& page, Cpp_NameValueList&) {
    const int kind = item.GetType();
    const s_Formats& f = page.F();
    const auto* load = static_cast<const Cpp_DistributedLoadPoint*>(item.GetItemReferences().ref1);
    page.Title(kind == SEL_LOAD_POINT     ? "Distributed Load Point"
               : kind == SEL_LOAD_SEGMENT ? "Distributed Load Interval"
               : kind == SEL_NORMAL_LOAD_INTERVAL
                   ? "Distributed Load Interval - Normal Stress Distribution"
                   : "Distributed Load Interval - Shear Stress Distribution");
    if (StageRowS1(item.GetDataSet())) page.Int("Data are for stage:", item.GetStage());
    if (!load) return true;
    if (kind == SEL_LOAD_POINT) {
        page.XY("", load->X(), load->Y(), f.coordinate);
        page.Value("Normal stress:", f.stress, load->normalStress);
        page.Value("Shear stress:", f.stress, load->shearStress);
        return true;
    }
    const Cpp_DistributedLoadPoint* second = load->NextPoint();
    for (const auto& [prefix, p] :
         {std::pair{"First point - ", load}, std::pair{"Second point - ", second}}) {
        if (!p) break;
        page.XY(prefix, p->X(), p->Y(), f.coordinate);
        page.Value(std::string(prefix) + "Normal stress:", f.stress, p->normalStress);
        page.Value(std::string(prefix) + "Shear stress:", f.stress, p->shearStress);
    }
    return true;
}

bool LineLoadPage(const Cpp_Selection& item, Page& page, Cpp_NameValueList&) {
    const std::string& c = page.F().coordinate;
    const auto* load = static_cast<const Cpp_LineLoad*>(item.GetItemReferences().ref1);
    if (!load || (load->option != 1 && load->option != 2)) return true;
    page.Title("Line Load");
    const bool components = load->option == 1;
    page.Text("Method of Definition:", components ? "By horizontal and vertical components"
                                                  : "By magnitude and inclination (direction)");
    page.XY("", load->X(), load->Y(), c);
    if (components) {
        page.Value("Horizontal component:", c, load->horizontal);
        page.Value("Vertical component:", c, load->vertical);
    }
    page.Value("Magnitude (resultant):", c, load->resultant);
    page.Value("Inclination from horizontal (degrees):", c, load->inclination);
    if (!components) {
        page.Value("Horizontal component:", c, load->horizontal);
        page.Value("Vertical component:", c, load->vertical);
    }
    return true;
}

bool ReinforcementPage(const Cpp_Selection& item, Page& page, Cpp_NameValueList&) {
    const int kind = item.GetType();
    const s_Formats& f = page.F();
    const s_SelectionReferences& r = item.GetItemReferences();
    const auto* line = static_cast<const Cpp_ReinforcementLine*>(r.ref1);
    const auto* point = static_cast<const Cpp_ReinforcementPoint*>(r.ref2);
    page.Title(kind == SEL_REINFORCEMENT_POINT      ? "Point on Reinforcement Line"
               : kind == SEL_REINFORCEMENT_INTERVAL ? "Reinforcement Line Segment"
               : kind == SEL_LONGITUDINAL_FORCE
                   ? "Reinforcement Line Segment - Longitudinal Force Distribution"
                   : "Reinforcement Line Segment - TRansverse Force Distribution");
    if (!line) return true;
    page.Int("Line number:", line->GetNumber());
    if (kind == SEL_REINFORCEMENT_POINT && point) page.Int("Point number:", point->Number());
    if (line->GetForceOption() == Cpp_ReinforcementLine::ForcesOnSidesAndBase)
        page.Text("Method of force application:", "To interslice boundaries and slip surface");
    else if (line->GetForceOption() == Cpp_ReinforcementLine::ForcesOnBaseOnly)
        page.Text("Method of force application:", "To slip surface only");
    page.Value("Maximum  rotation of reinforcement (degrees):", f.angle, line->GetAngle());
    if (!point) return true;
    if (kind == SEL_REINFORCEMENT_POINT) {
        page.XY("", point->X(), point->Y(), f.coordinate);
        page.Value("Longitudinal force:", f.force, point->longitudinalForce);
        page.Value("Transverse force:", f.force, point->transverseForce);
        return true;
    }
    const Cpp_ReinforcementPoint* second = point->NextPoint();
    for (const auto& [prefix, p] :
         {std::pair{"First point - ", point}, std::pair{"Second point - ", second}}) {
        if (!p) break;
        page.XY(prefix, p->X(), p->Y(), f.coordinate);
        page.Value(std::string(prefix) + "Longitudinal force:", f.force, p->longitudinalForce);
        page.Value(std::string(prefix) + "Transverse force:", f.force, p->transverseForce);
    }
    return true;
}

bool CircleDefinitionPage(const Cpp_Selection& item, Page& page, Cpp_NameValueList&) {
    const Cpp_Kliven4DataSet* ds = item.GetDataSet();
    const s_Formats& f = page.F();
    const s_SelectionReferences& r = item.GetItemReferences();
    const int mode = ModeOf(item);
    switch (item.GetType()) {
    case SEL_PRESCRIBED_RADIUS:
        page.Title("Tip of Constant Radius for Circles");
        page.Value("X - radius tip:", f.coordinate, r.x);
        page.Value("Y - radius tip:", f.coordinate, r.y);
        return true;
    case SEL_FIXED_POINT:
        page.Title("Fixed Point for Circles");
        page.XY("", r.x, r.y, f.coordinate);
        return true;
    case SEL_HORIZONTAL_TANGENT:
        page.Title("Horizontal Tangent Line for Circles");
        page.Value("Elevation, Y:", "%1.6f", r.y);
        return true;
    case SEL_CIRCLE_CENTRE: {
        if (mode == 1) page.Title("Center of Individually Specified Circle");
        if (mode == 3) page.Title("Center of Initial Trial Slip Circle");
        if (!ds) return true;
        double x = 0, y = 0, radius = 0;
        ds->Analysis().GetInitialCircleValue(x, y, radius);
        page.Value("X - Center:", f.coordinate, x);
        page.Value("Y - Center:", f.coordinate, y);
        page.Value("Radius:", f.length, radius);
        return true;
    }
    case SEL_GRID_CORNER: {
        if (mode != 4 || !ds) return true;
        page.Title("\"Floating\" Grid Corner Automatic Search with Circles");
        const int corner = static_cast<int>(r.number1);
        page.Int("Selected corner number:", corner);
        const s_tagTypePointXY c = ds->Analysis().GetFixedSearchGrid().Corner(corner);
        page.Value(FormatText("Corner %1d - X", corner), f.coordinate, c.x);
        page.Value(FormatText("Corner %1d - Y", corner), f.coordinate, c.y);
        return true;
    }
    case SEL_SEARCH_GRID: {
        if (!ds) return true;
        const Cpp_AnalysisComputationData& a = ds->Analysis();
        if (mode == 3) {
            page.Title("\"Floating\" Grid for Automatic Search with Circles");
            double x = 0, y = 0, radius = 0;
            a.GetInitialCircleValue(x, y, radius);
            page.Value("X - Center of grid:", f.coordinate, x);
            page.Value("Y - Center of grid:", f.coordinate, y);
            page.Value("Minimum spacing between grid points:", f.length, a.GetMinimumGridSpacing());
        } else if (mode == 4) {
            page.Title("\"Fixed\" Grid for Automatic Search with Circles");
            const Cpp_FixedSearchGrid& grid = a.GetFixedSearchGrid();
            for (int i = 1; i <= 4; ++i) {
                const s_tagTypePointXY c = grid.Corner(i);
                page.XY(FormatText("Corner %1d - ", i), c.x, c.y, f.coordinate);
            }
            page.Int("Number of points across:", grid.PointsAcross());
            page.Int("Number of points up:", grid.PointsUp());
        }
        return true;
    }
    default: return false;
    }
}

bool IrregularTangentPage(const Cpp_Selection& item, Page& page, Cpp_NameValueList&) {
    const s_SelectionReferences& r = item.GetItemReferences();
    if (item.GetType() == SEL_TANGENT_POINT) {
        page.Title("Point on Irregular Tangent Line for Circles");
        page.XY("", r.x, r.y, page.F().coordinate);
        return true;
    }
    page.Title("Segment of Irregular Tangent Line for Circles");
    const auto* tangent = static_cast<const Cpp_TangentLine*>(r.ref1);
    const int i = r.index;
    if (!tangent || i < 0 || i + 1 >= tangent->NumberOfPoints()) return true;
    const auto& p = tangent->Points();
    page.XY("First point - ", p[i].x, p[i].y, page.F().coordinate);
    page.XY("Second point - ", p[i + 1].x, p[i + 1].y, page.F().coordinate);
    return true;
}

bool SlipSurfacePage(const Cpp_Selection& item, Page& page, Cpp_NameValueList&) {
    const Cpp_Kliven4DataSet* ds = item.GetDataSet();
    const s_Formats& f = page.F();
    const s_SelectionReferences& r = item.GetItemReferences();
    const int mode = ModeOf(item);
    const auto* slip = static_cast<const Cpp_NoncircularShearSurfacePoint*>(r.ref2);
    if (item.GetType() == SEL_NONCIRCULAR_POINT) {
        if (mode == 1) page.Title("Point on Individual Noncircular Slip Surface");
        if (mode == 3) page.Title("Point on Initial Trial Noncircular Slip Surface");
        if (!slip) return true;
        page.Int("point number:", slip->Number());
        page.XY("", slip->X(), slip->Y(), f.coordinate);
        return true;
    }
    if (ds && ds->Analysis().IsCircular()) {
        if (mode == 1) page.Title("Individual Circular Slip Surface");
        if (mode == 3) page.Title("Initial Trial Slip Circle");
        double x = 0, y = 0, radius = 0;
        ds->Analysis().GetInitialCircleValue(x, y, radius);
        page.Value("X - Center:", f.coordinate, x);
        page.Value("Y - Center:", f.coordinate, y);
        page.Value("Radius:", f.coordinate, radius);
        return true;
    }
    if (mode == 1) page.Title("Individual Noncircular Slip Surface");
    if (mode == 3) page.Title("Segment of Initial Trial Noncircuklar Slip Surface");
    // The second point follows the first in the surface's own list.
    const auto* surface = static_cast<const Cpp_NoncircularShearSurface*>(r.ref1);
    if (!surface || !slip) return true;
    const auto& points = surface->Points();
    const auto at = static_cast<size_t>(slip - points.data());
    if (slip < points.data() || at + 1 >= points.size()) return true;
    const Cpp_NoncircularShearSurfacePoint& next = points[at + 1];
    page.Int("First point - Number:", slip->Number());
    page.XY("First point - ", slip->X(), slip->Y(), f.coordinate);
    page.Int("Second point - Number:", slip->Number() + 1);
    page.XY("Second point - ", next.X(), next.Y(), f.coordinate);
    const double dx = next.X() - slip->X(), dy = next.Y() - slip->Y();
    if (dx != 0) {
        page.Value("Slope of segment (dy/dx):", f.angle, dy / dx);
        page.Value("Slope of segment (degrees):", f.angle, Degrees(dx, dy));
    }
    return true;
}

bool RadiusDefinitionPage(const Cpp_Selection& item, Page& page, Cpp_NameValueList&) {
    const int kind = item.GetType();
    const s_Formats& f = page.F();
    const s_SelectionReferences& r = item.GetItemReferences();
    const auto* definition = static_cast<const Cpp_RadiusDefinition*>(r.ref2);
    if (!definition) return true;
    const int number = static_cast<int>(r.number1);
    const Cpp_TangentLine& tangent = *definition->GetTangentLine();
    const auto title = [&](const char* text) {
        page.Title(text);
        page.Int("Radius definition number:", number);
    };
    switch (definition->GetOption()) {
    case Cpp_RadiusDefinition::kGivenRadius:
        title("Radius for Defining Radii for Search");
        page.Value("Radius", f.length, definition->RadiusForCenter(0, 0));
        return true;
    case Cpp_RadiusDefinition::kFixedPoint: {
        title("Fixed Point for Defining Radii for Search");
        const s_tagTypePointXY p = definition->GetFixedPoint();
        page.XY("", p.x, p.y, f.coordinate);
        return true;
    }
    case Cpp_RadiusDefinition::kTangentLine: break;
    default: return true;
    }
    if (tangent.GetOption() == Cpp_TangentLine::kHorizontal) {
        title("Horizontal Tangent for Defining Radii for Search");
        page.Value("Elevation, Y:", "%1.6f", tangent.GetElevation());
        return true;
    }
    if (tangent.GetOption() != Cpp_TangentLine::kIrregular) return true;
    // The tangent line's point number (1, 2, ...) of the point or of the segment's first point.
    const auto& p = tangent.Points();
    const int i = static_cast<int>(r.number3) - 1;
    if (kind == SEL_DEFINITION_TANGENT_POINT) {
        title("Point on Inclined or Irregular Tangent for Defining Radii for Search");
        page.XY("", r.x, r.y, f.coordinate);
    } else if (kind == SEL_DEFINITION_TANGENT_SEGMENT) {
        title("Segment of Inclined or Irregular Tangent for Defining Radii for Search");
        if (i < 0 || i + 1 >= static_cast<int>(p.size())) return true;
        page.XY("First point - ", p[static_cast<size_t>(i)].x, p[static_cast<size_t>(i)].y,
                f.coordinate);
        page.XY("Second point - ", p[static_cast<size_t>(i) + 1].x, p[static_cast<size_t>(i) + 1].y,
                f.coordinate);
    }
    return true;
}

bool MaterialTablePage(const Cpp_Selection& item, Page& page, Cpp_NameValueList&) {
    const Cpp_Kliven4DataSet* ds = item.GetDataSet();
    const int stage = item.GetStage();
    const bool multi = ds && ds->IsMultiStage();
    if (item.GetType() == SEL_TABLE_LINES) {
        page.Title(multi ? FormatText("Grid Line in Material Property Table for Stage %1d", stage)
                         : "Grid Line in Material Property Table");
        page.Text("NOTE:", "Used to set line weight and color");
    } else {
        page.Title(multi ? FormatText("Table of Material Properties for Stage %1d", stage)
                         : "Material Property Table");
        page.Text("NOTE:", "Used to set font information");
    }
    return true;
}

bool ComputedCrackPage(const Cpp_Selection& item, Page& page, Cpp_NameValueList&) {
    const int kind = item.GetType();
    const std::string& c = page.F().coordinate;
    const Cpp_PointXY* p = Node(item.GetItemReferences().ref1);
    switch (kind) {
    case SEL_CRACK_POINT:
    case SEL_CRACK_WATER_POINT:
        page.Title(kind == SEL_CRACK_POINT ? "Point Defining Bottom of Tension Crack"
                                           : "Point Defining Water Surface in Crack");
        if (!p) return true;
        page.Int("Point number:", p->Number());
        page.XY("", p->X(), p->Y(), c);
        return true;
    case SEL_CRACK_BOTTOM: {
        page.Title("Segment of Line Defining Bottom of Tension Crack");
        if (!p || !p->Next()) return true;
        const int n = p->Number();
        page.XY(FormatText("First point (pt. %1d) - ", n), p->X(), p->Y(), c);
        page.XY(FormatText("Second point (pt. %1d) - ", n + 1), p->Next()->X(), p->Next()->Y(), c);
        return true;
    }
    case SEL_CRACK_WATER_SURFACE:
        page.Title("Line Segment Defining Top Surface of Water in Crack");
        if (p && p->Next()) page.Ends(*p, *p->Next());
        return true;
    default: return false;
    }
}

bool VariableCrackPage(const Cpp_Selection& item, Page& page, Cpp_NameValueList&) {
    static const char* const kTitles[] = {"Point Defining Irregular Crack Depth",
                                          "Segment of Line Defining Irregular Crack Depth",
                                          "Point Defining Irregular Crack Water Depth",
                                          "Segment of Line Defining Irregular Crack Water Depth"};
    const int kind = item.GetType();
    page.Title(kTitles[kind - SEL_VARIABLE_CRACK_POINT]);
    const Cpp_Kliven4DataSet* ds = item.GetDataSet();
    const auto* p = static_cast<const Cpp_CrackPoint*>(item.GetItemReferences().ref1);
    if (!ds || !p) return true;
    const Cpp_Crack& crack = ds->Analysis().GetCrack();
    const bool water = kind == SEL_VARIABLE_WATER_POINT || kind == SEL_VARIABLE_WATER_SEGMENT;
    const int option = water ? crack.GetWaterOption() : crack.GetCrackOption();
    const char* depth = option == 3 ? "Depth:" : option == 4 ? "Elevation (Y):" : "Y (????\?):";
    const bool segment = kind == SEL_VARIABLE_CRACK_SEGMENT || kind == SEL_VARIABLE_WATER_SEGMENT;
    const Cpp_CrackPoint* second = segment ? p->Next() : nullptr;
    for (const Cpp_CrackPoint* q : {p, second}) {
        if (!q) break;
        page.Value("X:", page.F().coordinate, q->X());
        page.Value(depth, page.F().coordinate, q->Value());
    }
    return true;
}

bool InterpolationPage(const Cpp_Selection& item, Page& page, Cpp_NameValueList&) {
    struct s_Page {
        int kind;
        const char* title;
        const char* usage;  // what the usage row names; null: no usage row
        const char* value;  // label of the value row; null: a triangle
        bool ownPoint;      // an interpolation point of its own (material row first)
    };
    static const s_Page kPages[] = {
        {SEL_CP_NODE, "c/p Ratio Interpolation Point", "c/p ratios", "c/p ratio", false},
        {SEL_CP_TRIANGLE, "Triangle for Interpolating c/p Ratios", "values", nullptr, false},
        {SEL_PRESSURE_NODE, "Pressure Interpolation Point", "pore water pressures",
         "Pore water pressure:", false},
        {SEL_PRESSURE_TRIANGLE, "Triangle for Interpolating Pore Water Pressure Values", "values",
         nullptr, false},
        {SEL_PRESSURE_POINT, "Pressure Interpolation Point", "pore water pressures",
         "Pore water pressure:", false},
        {SEL_RSUBU_NODE, "Pore Pressure Coefficient (ru) Interpolation Point",
         "pore water pressures", "Pore water pressure coefficient:", false},
        {SEL_RSUBU_TRIANGLE, "Triangle for Interpolating Pore Pressure Coefficient (ru) Values",
         "values", nullptr, false},
        {SEL_STRENGTH_NODE, "Shear Strength (Su) Interpolation Point", "shear strengths",
         "Undrained shear strength", false},
        {SEL_STRENGTH_POINT, "Undrained Shear Strength Interpolation Point", nullptr,
         "Undrained shear strength:", true},
        {SEL_STRENGTH_TRIANGLE, "Triangle for Interpolating Shear Strength (Su) Values", "values",
         nullptr, false},
        {SEL_UNIT_WEIGHT_NODE, "Unit Weight Interpolation Point", "unit weights",
         "Unit weight:", false},
        {SEL_UNIT_WEIGHT_POINT, "Unit Weight Interpolation Point", nullptr, "Unit weight:", true},
        {SEL_UNIT_WEIGHT_TRIANGLE, "Triangle for Interpolating Unit Weights", "values", nullptr,
         false},
    };
    const int kind = item.GetType();
    const s_Page* it = std::find_if(std::begin(kPages), std::end(kPages),
                                    [kind](const s_Page& p) { return p.kind == kind; });
    // The c/p and r-sub-u points of their own have no page.
    if (it == std::end(kPages)) return false;
    const Cpp_Kliven4DataSet* ds = item.GetDataSet();
    const s_SelectionReferences& r = item.GetItemReferences();
    const auto* set = static_cast<const Cpp_InterpolationDataSet*>(r.ref1);
    const auto* vertex = static_cast<const Cpp_VERTEX*>(r.ref2);
    const int material = set ? set->Material() : 0;
    const auto usage = [&] {
        page.Text(
            "Usage:",
            material != 0
                ? FormatText("Used to interpolate %s in material %1d ONLY", it->usage, material)
                : FormatText("Used to interpolate %s in any/all materials", it->usage));
    };
    page.Title(it->title);
    if (!it->value) {
        if (ds && (ds->IsMultiStage() || !ds->InterpolationData(2)->DataSets().empty()))
            page.Int("Data are for stage:", item.GetStage());
        usage();
        return true;
    }
    if (it->ownPoint)
        page.Text("Material number:",
                  material != 0 ? FormatText("%1d", material) : "Used for any material");
    if (vertex) page.Int("Point number:", vertex->Number());
    if (it->usage) usage();
    if (!vertex) return true;
    page.XY("", vertex->X(), vertex->Y(), page.F().coordinate);
    page.Value(it->value, page.F().stress, vertex->Value());
    return true;
}

// Clipped profile lines have an empty page.
bool ClippedProfilePage(const Cpp_Selection&, Page&, Cpp_NameValueList&) { return true; }

// Kind 110 has an empty page; the others none.
bool UnnamedPage(const Cpp_Selection& item, Page&, Cpp_NameValueList&) {
    return item.GetType() == SEL_RESULTS_ITEM;
}

// The scale bar has no page.
bool ResultsPage(const Cpp_Selection& item, Page& page, Cpp_NameValueList& list) {
    switch (item.GetType()) {
    case SEL_CONTOURS: return true;
    case SEL_RESULTS_FACTOR_TEXT: page.Title("Text for Computed Answer"); return true;
    case SEL_SEARCH_TRIANGLES:
        page.Title("Triangle Used to Contour of Factors of Safety");
        return true;
    case SEL_SCALE_BAR: return false;
    default: SliceResultsPage(item, page, list); return true;
    }
}

}  // namespace selection_family

bool Cpp_Selection::GetInformation(Cpp_NameValueList& list) const {
    s_Formats f;
    if (!MakeFormats(f)) return false;
    list.Clear();
    Page page(list, f);
    const s_SelectionKindRow* row = FindSelectionKind(type_);
    const SelectionPageOp fill = row ? SelectionFamilyOps(row->family).page : nullptr;
    if (!fill || !fill(*this, page, list)) page.Title("????? - Unknown item");
    return true;
}
