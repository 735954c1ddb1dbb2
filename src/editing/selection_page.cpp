// The information page of a selected item: label and value rows whose first row names the kind,
// numbers formatted with the decimals of the preferences.

#include "editing/selection.h"

#include "analysis/analysis_computation_data.h"
#include "analysis/circle.h"
#include "analysis/noncircular_shear_surface.h"
#include "analysis/results_display.h"
#include "analysis/slices.h"
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
#include "model/data_set.h"
#include "porepressure/interpolation_data.h"
#include "porepressure/piezometric_line.h"
#include "profile/material_properties.h"
#include "profile/profile_line.h"

#include <cmath>
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
bool ConstructionLinePage(const Cpp_Selection& item, Page& page, Cpp_NameValueList&) {
    [[maybe_unused]] const Cpp_Kliven4DataSet* ds = item.GetDataSet();
    [[maybe_unused]] const int kind = item.GetType();
    [[maybe_unused]] const int stage = item.GetStage();
    [[maybe_unused]] const s_Formats& f = page.F();
    [[maybe_unused]] const s_SelectionReferences& r = item.GetItemReferences();
    [[maybe_unused]] const auto* point = static_cast<const Cpp_PointXY*>(r.ref2);
    [[maybe_unused]] const auto* line = static_cast<const Cpp_Line*>(r.ref1);
    [[maybe_unused]] const auto* next = point ? point->Next() : nullptr;
    [[maybe_unused]] const int mode = ds ? ds->Analysis().GetMode() : 0;
    switch (kind) {
    case SEL_CONSTRUCTION_SEGMENT:
        page.Title("Construction Line Segment");
        if (!line || !point || !next) return true;
        page.Int("Line number::", line->GetNumber());
        page.Int("Segment number::", point->Number());
        page.Ends(*point, *next);
        page.Value("Length of segment:", f.length,
                   std::hypot(next->X() - point->X(), next->Y() - point->Y()));
        if (point->Y() == next->Y())
            page.Text("Slope of segment:", "Segnment is horizontal");
        else if (point->X() == next->X())
            page.Text("Slope of segment:", "Segnment is vertical");
        else {
            const double dx = next->X() - point->X(), dy = next->Y() - point->Y();
            page.Value("Slope (dy/dx):", "%1.3f", dy / dx);
            page.Value("Ratio (dx/dy)::", "%1.3f", dx / dy);
        }
        return true;
    case SEL_CONSTRUCTION_POINT:
        page.Title("Construction Line Point");
        if (!line || !point) return true;
        page.Int("Line number::", line->GetNumber());
        page.Int("Point number:", point->Number());
        page.Int("Line number:", line->GetNumber());
        page.XY("", point->X(), point->Y(), f.coordinate);
        return true;
    default: return false;
    }
}

bool ConstructionCirclePage(const Cpp_Selection& item, Page& page, Cpp_NameValueList&) {
    [[maybe_unused]] const Cpp_Kliven4DataSet* ds = item.GetDataSet();
    [[maybe_unused]] const int kind = item.GetType();
    [[maybe_unused]] const int stage = item.GetStage();
    [[maybe_unused]] const s_Formats& f = page.F();
    [[maybe_unused]] const s_SelectionReferences& r = item.GetItemReferences();
    [[maybe_unused]] const auto* point = static_cast<const Cpp_PointXY*>(r.ref2);
    [[maybe_unused]] const auto* line = static_cast<const Cpp_Line*>(r.ref1);
    [[maybe_unused]] const auto* next = point ? point->Next() : nullptr;
    [[maybe_unused]] const int mode = ds ? ds->Analysis().GetMode() : 0;
    switch (kind) {
    case SEL_CONSTRUCTION_CIRCLE: {
        page.Title("Construction Circle");
        const auto* circle = static_cast<const Cpp_ConstructionCircle*>(r.ref2);
        if (!circle) return true;
        page.Value("Center-X:", f.coordinate, circle->CentreX());
        page.Value("Center-Y:", f.coordinate, circle->CentreY());
        page.Value("Radius:", f.length, circle->GetRadius());
        return true;
    }
    default: return false;
    }
}

bool ProfileLinePage(const Cpp_Selection& item, Page& page, Cpp_NameValueList&) {
    [[maybe_unused]] const Cpp_Kliven4DataSet* ds = item.GetDataSet();
    [[maybe_unused]] const int kind = item.GetType();
    [[maybe_unused]] const int stage = item.GetStage();
    [[maybe_unused]] const s_Formats& f = page.F();
    [[maybe_unused]] const s_SelectionReferences& r = item.GetItemReferences();
    [[maybe_unused]] const auto* point = static_cast<const Cpp_PointXY*>(r.ref2);
    [[maybe_unused]] const auto* line = static_cast<const Cpp_Line*>(r.ref1);
    [[maybe_unused]] const auto* next = point ? point->Next() : nullptr;
    [[maybe_unused]] const int mode = ds ? ds->Analysis().GetMode() : 0;
    switch (kind) {
    case SEL_PROFILE_POINT: {
        page.Title("Profile Line Point");
        const auto* profile = static_cast<const Cpp_ProfileLine*>(r.ref1);
        if (!profile || !point) return true;
        page.Int("Point number:", point->Number());
        page.Int("Line number:", profile->GetNumber());
        page.Text("Material number:", MaterialText(*profile));
        page.XY("", point->X(), point->Y(), "%1.6f");
        return true;
    }
    case SEL_PROFILE_SEGMENT: {
        page.Title("Profile Line Segment");
        const auto* profile = static_cast<const Cpp_ProfileLine*>(r.ref1);
        if (!profile || !point || !next) return true;
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
            page.Value("Slope (degrees):", f.angle, std::atan(dy / dx) * kRadiansToDegrees);
        }
        page.Value("Segment length:", f.length, std::hypot(dx, dy));
        page.Ends(*point, *next);
        return true;
    }
    case SEL_PROFILE_LABEL:
        page.Title("Profile Line Number (Label)");
        if (line) page.Int("Line number:", line->GetNumber());
        return true;
    case SEL_MATERIAL_LABEL: {
        page.Title("Profile Line Material Number (Label)");
        const auto* profile = static_cast<const Cpp_ProfileLine*>(r.ref1);
        if (!profile) return true;
        page.Int("Profile line number:", profile->GetNumber());
        page.Int("Material number:", profile->GetMaterialNumber());
        return true;
    }
    case SEL_MATERIAL_REGION: {
        page.Title("Material region beneath profile line");
        const auto* profile = static_cast<const Cpp_ProfileLine*>(r.ref1);
        if (!profile) return true;
        page.Text("Material number:", MaterialText(*profile));
        page.Int("Profile line number:", profile->GetNumber());
        return true;
    }
    default: return false;
    }
}

bool PiezometricLinePage(const Cpp_Selection& item, Page& page, Cpp_NameValueList&) {
    [[maybe_unused]] const Cpp_Kliven4DataSet* ds = item.GetDataSet();
    [[maybe_unused]] const int kind = item.GetType();
    [[maybe_unused]] const int stage = item.GetStage();
    [[maybe_unused]] const s_Formats& f = page.F();
    [[maybe_unused]] const s_SelectionReferences& r = item.GetItemReferences();
    [[maybe_unused]] const auto* point = static_cast<const Cpp_PointXY*>(r.ref2);
    [[maybe_unused]] const auto* line = static_cast<const Cpp_Line*>(r.ref1);
    [[maybe_unused]] const auto* next = point ? point->Next() : nullptr;
    [[maybe_unused]] const int mode = ds ? ds->Analysis().GetMode() : 0;
    switch (kind) {
    case SEL_PIEZOMETRIC_POINT:
    case SEL_PIEZOMETRIC_SEGMENT:
    case SEL_PIEZOMETRIC_LABEL: {
        const auto* water = static_cast<const Cpp_PiezometricLine*>(r.ref1);
        page.Title(kind == SEL_PIEZOMETRIC_POINT     ? "Piezometric Line Point"
                   : kind == SEL_PIEZOMETRIC_SEGMENT ? "Piezometric Line Segment"
                                                     : "Piezometric Line number (label)");
        if (StageRowS1(ds)) page.Int("Data are for stage:", stage);
        if (!water) return true;
        if (kind == SEL_PIEZOMETRIC_POINT && point) {
            page.Int("Point number:", point->Number());
            page.Int("Line number:", water->GetNumber());
            page.XY("", point->X(), point->Y(), "%1.2f");
            page.Value("Unit weight of fluid:", "%1.2f", water->UnitWeight());
        } else if (kind == SEL_PIEZOMETRIC_SEGMENT && point && next) {
            page.Int("Line number:", water->GetNumber());
            page.Int("Segment number:", point->Number());
            page.Value("Unit weight of fluid:", f.unitWeight, water->UnitWeight());
            page.Ends(*point, *next);
        } else if (kind == SEL_PIEZOMETRIC_LABEL) {
            page.Int("Line number:", water->GetNumber());
        }
        return true;
    }
    default: return false;
    }
}

bool SlopeLinePage(const Cpp_Selection& item, Page& page, Cpp_NameValueList&) {
    [[maybe_unused]] const Cpp_Kliven4DataSet* ds = item.GetDataSet();
    [[maybe_unused]] const int kind = item.GetType();
    [[maybe_unused]] const int stage = item.GetStage();
    [[maybe_unused]] const s_Formats& f = page.F();
    [[maybe_unused]] const s_SelectionReferences& r = item.GetItemReferences();
    [[maybe_unused]] const auto* point = static_cast<const Cpp_PointXY*>(r.ref2);
    [[maybe_unused]] const auto* line = static_cast<const Cpp_Line*>(r.ref1);
    [[maybe_unused]] const auto* next = point ? point->Next() : nullptr;
    [[maybe_unused]] const int mode = ds ? ds->Analysis().GetMode() : 0;
    switch (kind) {
    case SEL_SLOPE_POINT:
        page.Title("Slope Geometry Point");
        if (point) page.XY("", point->X(), point->Y(), "%1.2f");
        return true;
    case SEL_SLOPE_SEGMENT: {
        page.Title("Slope Geometry Line Segment");
        if (!point || !next) return true;
        const double dx = next->X() - point->X(), dy = next->Y() - point->Y();
        if (dx == 0)
            page.Text("Slope (inclination) of line:", "Line is vertical");
        else if (dy == 0)
            page.Text("Slope (inclination) of line:", "Line is horizontal");
        else {
            page.Value("Slope  of line - Vertical:Horizontal (dy/dx):", "%1.4f", dy / dx);
            page.Value("Slope ratio of line - Horizontal:Vertical (dx/dy):", "%1.4f", dx / dy);
            page.Value("Slope angle from horizontal (degrees):", f.angle,
                       std::atan(dy / dx) * kRadiansToDegrees);
        }
        return true;
    }
    default: return false;
    }
}

bool DistributedLoadPage(const Cpp_Selection& item, Page& page, Cpp_NameValueList&) {
    [[maybe_unused]] const Cpp_Kliven4DataSet* ds = item.GetDataSet();
    [[maybe_unused]] const int kind = item.GetType();
    [[maybe_unused]] const int stage = item.GetStage();
    [[maybe_unused]] const s_Formats& f = page.F();
    [[maybe_unused]] const s_SelectionReferences& r = item.GetItemReferences();
    [[maybe_unused]] const auto* point = static_cast<const Cpp_PointXY*>(r.ref2);
    [[maybe_unused]] const auto* line = static_cast<const Cpp_Line*>(r.ref1);
    [[maybe_unused]] const auto* next = point ? point->Next() : nullptr;
    [[maybe_unused]] const int mode = ds ? ds->Analysis().GetMode() : 0;
    switch (kind) {
    case SEL_LOAD_POINT:
    case SEL_LOAD_SEGMENT:
    case SEL_NORMAL_LOAD_INTERVAL:
    case SEL_SHEAR_LOAD_INTERVAL: {
        const auto* load = static_cast<const Cpp_DistributedLoadPoint*>(r.ref1);
        page.Title(kind == SEL_LOAD_POINT     ? "Distributed Load Point"
                   : kind == SEL_LOAD_SEGMENT ? "Distributed Load Interval"
                   : kind == SEL_NORMAL_LOAD_INTERVAL
                       ? "Distributed Load Interval - Normal Stress Distribution"
                       : "Distributed Load Interval - Shear Stress Distribution");
        if (StageRowS1(ds)) page.Int("Data are for stage:", stage);
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
    default: return false;
    }
}

bool LineLoadPage(const Cpp_Selection& item, Page& page, Cpp_NameValueList&) {
    [[maybe_unused]] const Cpp_Kliven4DataSet* ds = item.GetDataSet();
    [[maybe_unused]] const int kind = item.GetType();
    [[maybe_unused]] const int stage = item.GetStage();
    [[maybe_unused]] const s_Formats& f = page.F();
    [[maybe_unused]] const s_SelectionReferences& r = item.GetItemReferences();
    [[maybe_unused]] const auto* point = static_cast<const Cpp_PointXY*>(r.ref2);
    [[maybe_unused]] const auto* line = static_cast<const Cpp_Line*>(r.ref1);
    [[maybe_unused]] const auto* next = point ? point->Next() : nullptr;
    [[maybe_unused]] const int mode = ds ? ds->Analysis().GetMode() : 0;
    switch (kind) {
    case SEL_LINE_LOAD:
    case SEL_LINE_LOAD_DRAWN: {
        const auto* load = static_cast<const Cpp_LineLoad*>(r.ref1);
        if (!load || (load->option != 1 && load->option != 2)) return true;
        page.Title("Line Load");
        const bool components = load->option == 1;
        page.Text("Method of Definition:", components ? "By horizontal and vertical components"
                                                      : "By magnitude and inclination (direction)");
        page.XY("", load->X(), load->Y(), f.coordinate);
        if (components) {
            page.Value("Horizontal component:", f.coordinate, load->horizontal);
            page.Value("Vertical component:", f.coordinate, load->vertical);
        }
        page.Value("Magnitude (resultant):", f.coordinate, load->resultant);
        page.Value("Inclination from horizontal (degrees):", f.coordinate, load->inclination);
        if (!components) {
            page.Value("Horizontal component:", f.coordinate, load->horizontal);
            page.Value("Vertical component:", f.coordinate, load->vertical);
        }
        return true;
    }
    default: return false;
    }
}

bool CircleDefinitionPage(const Cpp_Selection& item, Page& page, Cpp_NameValueList&) {
    [[maybe_unused]] const Cpp_Kliven4DataSet* ds = item.GetDataSet();
    [[maybe_unused]] const int kind = item.GetType();
    [[maybe_unused]] const int stage = item.GetStage();
    [[maybe_unused]] const s_Formats& f = page.F();
    [[maybe_unused]] const s_SelectionReferences& r = item.GetItemReferences();
    [[maybe_unused]] const auto* point = static_cast<const Cpp_PointXY*>(r.ref2);
    [[maybe_unused]] const auto* line = static_cast<const Cpp_Line*>(r.ref1);
    [[maybe_unused]] const auto* next = point ? point->Next() : nullptr;
    [[maybe_unused]] const int mode = ds ? ds->Analysis().GetMode() : 0;
    switch (kind) {
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
    default: return false;
    }
}

bool IrregularTangentPage(const Cpp_Selection& item, Page& page, Cpp_NameValueList&) {
    [[maybe_unused]] const Cpp_Kliven4DataSet* ds = item.GetDataSet();
    [[maybe_unused]] const int kind = item.GetType();
    [[maybe_unused]] const int stage = item.GetStage();
    [[maybe_unused]] const s_Formats& f = page.F();
    [[maybe_unused]] const s_SelectionReferences& r = item.GetItemReferences();
    [[maybe_unused]] const auto* point = static_cast<const Cpp_PointXY*>(r.ref2);
    [[maybe_unused]] const auto* line = static_cast<const Cpp_Line*>(r.ref1);
    [[maybe_unused]] const auto* next = point ? point->Next() : nullptr;
    [[maybe_unused]] const int mode = ds ? ds->Analysis().GetMode() : 0;
    switch (kind) {
    case SEL_TANGENT_POINT:
        page.Title("Point on Irregular Tangent Line for Circles");
        page.XY("", r.x, r.y, f.coordinate);
        return true;
    default: return false;
    }
}

bool SlipSurfacePage(const Cpp_Selection& item, Page& page, Cpp_NameValueList&) {
    [[maybe_unused]] const Cpp_Kliven4DataSet* ds = item.GetDataSet();
    [[maybe_unused]] const int kind = item.GetType();
    [[maybe_unused]] const int stage = item.GetStage();
    [[maybe_unused]] const s_Formats& f = page.F();
    [[maybe_unused]] const s_SelectionReferences& r = item.GetItemReferences();
    [[maybe_unused]] const auto* point = static_cast<const Cpp_PointXY*>(r.ref2);
    [[maybe_unused]] const auto* line = static_cast<const Cpp_Line*>(r.ref1);
    [[maybe_unused]] const auto* next = point ? point->Next() : nullptr;
    [[maybe_unused]] const int mode = ds ? ds->Analysis().GetMode() : 0;
    switch (kind) {
    case SEL_NONCIRCULAR_POINT: {
        if (mode == 1) page.Title("Point on Individual Noncircular Slip Surface");
        if (mode == 3) page.Title("Point on Initial Trial Noncircular Slip Surface");
        const auto* slip = static_cast<const Cpp_NoncircularShearSurfacePoint*>(r.ref2);
        if (!slip) return true;
        page.Int("point number:", slip->Number());
        page.XY("", slip->X(), slip->Y(), f.coordinate);
        return true;
    }
    default: return false;
    }
}

bool MaterialTablePage(const Cpp_Selection& item, Page& page, Cpp_NameValueList&) {
    [[maybe_unused]] const Cpp_Kliven4DataSet* ds = item.GetDataSet();
    [[maybe_unused]] const int kind = item.GetType();
    [[maybe_unused]] const int stage = item.GetStage();
    [[maybe_unused]] const s_Formats& f = page.F();
    [[maybe_unused]] const s_SelectionReferences& r = item.GetItemReferences();
    [[maybe_unused]] const auto* point = static_cast<const Cpp_PointXY*>(r.ref2);
    [[maybe_unused]] const auto* line = static_cast<const Cpp_Line*>(r.ref1);
    [[maybe_unused]] const auto* next = point ? point->Next() : nullptr;
    [[maybe_unused]] const int mode = ds ? ds->Analysis().GetMode() : 0;
    switch (kind) {
    case SEL_TABLE_LINES:
    case SEL_TABLE_TEXT: {
        const bool multi = ds && ds->IsMultiStage();
        if (kind == SEL_TABLE_LINES)
            page.Title(multi
                           ? FormatText("Grid Line in Material Property Table for Stage %1d", stage)
                           : "Grid Line in Material Property Table");
        else
            page.Title(multi ? FormatText("Table of Material Properties for Stage %1d", stage)
                             : "Material Property Table");
        page.Text("NOTE:", kind == SEL_TABLE_LINES ? "Used to set line weight and color"
                                                   : "Used to set font information");
        return true;
    }
    default: return false;
    }
}

bool ComputedCrackPage(const Cpp_Selection& item, Page& page, Cpp_NameValueList&) {
    [[maybe_unused]] const Cpp_Kliven4DataSet* ds = item.GetDataSet();
    [[maybe_unused]] const int kind = item.GetType();
    [[maybe_unused]] const int stage = item.GetStage();
    [[maybe_unused]] const s_Formats& f = page.F();
    [[maybe_unused]] const s_SelectionReferences& r = item.GetItemReferences();
    [[maybe_unused]] const auto* point = static_cast<const Cpp_PointXY*>(r.ref2);
    [[maybe_unused]] const auto* line = static_cast<const Cpp_Line*>(r.ref1);
    [[maybe_unused]] const auto* next = point ? point->Next() : nullptr;
    [[maybe_unused]] const int mode = ds ? ds->Analysis().GetMode() : 0;
    switch (kind) {
    case SEL_CRACK_POINT:
    case SEL_CRACK_WATER_POINT: {
        page.Title(kind == SEL_CRACK_POINT ? "Point Defining Bottom of Tension Crack"
                                           : "Point Defining Water Surface in Crack");
        const auto* p = static_cast<const Cpp_PointXY*>(r.ref1);
        if (!p) return true;
        page.Int("Point number:", p->Number());
        page.XY("", p->X(), p->Y(), f.coordinate);
        return true;
    }
    default: return false;
    }
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
