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

namespace {

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

}  // namespace

namespace {

// The material of a slice's base in the data set's material list.
const Cpp_MaterialProperties* SliceMaterial(const Cpp_Kliven4DataSet* dataSet_,
                                            const Cpp_Slice& slice) {
    return dataSet_ ? dataSet_->MaterialData().GetMaterialList().FindMaterialConst(
                          slice.materialNumber)
                    : nullptr;
}


// The pages of the results items; n is the slice number the record holds.
void ResultsPage(const Cpp_Selection& item, Page& page, Cpp_NameValueList& list) {
    const Cpp_Kliven4DataSet* dataSet_ = item.GetDataSet();
    const int type_ = item.GetType();
    const int stage_ = item.GetStage();
    const s_Formats& f = page.F();
    const s_SelectionReferences& r = item.GetItemReferences();
    const int n = static_cast<int>(r.number1);
    const Cpp_Slices* slices = dataSet_ ? &dataSet_->Slices() : nullptr;
    const Cpp_Slice* slice = slices ? slices->GetSlice(n) : nullptr;
    const int stages = dataSet_ ? dataSet_->Analysis().NumberOfStages() : 1;
    const int mode = dataSet_ ? dataSet_->Analysis().GetMode() : 0;
    switch (type_) {
    case 18: {
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
    case 27: {
        page.Title("Vector Representing Computed Earth Pressure Force");
        if (!dataSet_) return;
        const Cpp_ResultsDisplay& results = dataSet_->ResultsDisplay();
        const Cpp_AnalysisComputationData& a = dataSet_->Analysis();
        page.Value("Earth pressure force:", f.force, results.GetEarthPressureForce(stage_));
        page.Value("Specified factor of safety:", f.safety, a.GetSideForceValue());
        page.Value("Specified inclination:", f.angle, a.GetCorpsSideForceInclination());
        const s_tagTypePointXY p = results.GetEarthPressurePoint(stage_);
        page.Value("X coordinate of force:", f.coordinate, p.x);
        page.Value("Y coordinate of force:", f.coordinate, p.y);
        return;
    }
    case 28: {
        if (mode == 1) page.Title("Center of Individual Circular Slip Surface");
        if (mode == 3) page.Title("Center of Critical Slip Surface");
        if (!dataSet_) return;
        const Cpp_ResultsDisplay& results = dataSet_->ResultsDisplay();
        page.Value("X - Center:", f.coordinate, results.GetCriticalCircleCenter().x);
        page.Value("Y - Center:", f.coordinate, results.GetCriticalCircleCenter().y);
        page.Value("Radius:", f.coordinate, results.GetCriticalCircleRadius());
        return;
    }
    case 30:
        page.Title("Point on Critical Slip Surface");
        page.Int("Point number:", r.index);
        page.XY("", r.x, r.y, f.coordinate);
        return;
    case 32:
        page.Title("Segment of Critical Slip Surface");
        page.Int("Segment & slice number:", n);
        if (!slice) return;
        page.XY("First point - ", slice->bottomLeftX, slice->bottomLeftY, f.coordinate);
        page.XY("Second point - ", slice->GetBottomRightX(), slice->GetBottomRightY(),
                f.coordinate);
        slices->ShowSliceBaseInformation(n, SliceMaterial(dataSet_, *slice), stages, list);
        return;
    case 66:
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
    case 118:
    case 120:
    case 122: {
        page.Title(type_ == 118   ? "Distribution of Total Normal Stress on Slip Surface"
                   : type_ == 120 ? "Distribution of Pore Water Pressure on Slip Surface"
                                  : "Distribution of Effective Normal Stress on Slip Surface");
        if (!slice) return;
        const double total = slice->GetStageEntityValue(stages);
        const double pore = slice->GetEntityValue(stages);
        const double effective = slice->EffectiveNormalStress(stages);
        const std::pair<const char*, double> rows[3] = {{"Total normal stress:", total},
                                                        {"Pore water pressure:", pore},
                                                        {"Effective normal stress:", effective}};
        const int order[3][3] = {{0, 1, 2}, {1, 0, 2}, {2, 0, 1}};
        for (int i : order[(type_ - 118) / 2]) page.Value(rows[i].first, f.stress, rows[i].second);
        return;
    }
    case 128:
        page.Title(FormatText("Slice number %1d", n));
        if (slice) slices->ShowSliceInformation(n, SliceMaterial(dataSet_, *slice), stages, list);
        return;
    case 130: {
        const int count = slices ? slices->Count() : 0;
        if (n == 0)
            page.Title("Left-most Interslice Boundary - Left End of Slip Surface");
        else if (n == count)
            page.Title("Right-most Interslice Boundary - Right End of Slip Surface");
        else
            page.Title(FormatText("Selected Boundary Between Slices %1d and %1d", n, n + 1));
        if (!dataSet_) return;
        const int procedure = dataSet_->Analysis().GetProcedure();
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

bool Cpp_Selection::GetInformation(Cpp_NameValueList& list) const {
    s_Formats f;
    if (!MakeFormats(f)) return false;
    list.Clear();
    Page page(list, f);
    const s_SelectionReferences& r = refs_;
    const auto* point = static_cast<const Cpp_PointXY*>(r.ref2);
    const auto* line = static_cast<const Cpp_Line*>(r.ref1);
    const auto* next = point ? point->Next() : nullptr;
    const int mode = dataSet_ ? dataSet_->Analysis().GetMode() : 0;
    switch (type_) {
    case 2:
    case 4:
    case 110:
    case 114: return true;
    case 8:
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
    case 9:
        page.Title("Construction Line Point");
        if (!line || !point) return true;
        page.Int("Line number::", line->GetNumber());
        page.Int("Point number:", point->Number());
        page.Int("Line number:", line->GetNumber());
        page.XY("", point->X(), point->Y(), f.coordinate);
        return true;
    case 10: {
        page.Title("Construction Circle");
        const auto* circle = static_cast<const Cpp_ConstructionCircle*>(r.ref2);
        if (!circle) return true;
        page.Value("Center-X:", f.coordinate, circle->CentreX());
        page.Value("Center-Y:", f.coordinate, circle->CentreY());
        page.Value("Radius:", f.length, circle->GetRadius());
        return true;
    }
    case 84: {
        page.Title("Profile Line Point");
        const auto* profile = static_cast<const Cpp_ProfileLine*>(r.ref1);
        if (!profile || !point) return true;
        page.Int("Point number:", point->Number());
        page.Int("Line number:", profile->GetNumber());
        page.Text("Material number:", MaterialText(*profile));
        page.XY("", point->X(), point->Y(), "%1.6f");
        return true;
    }
    case 86: {
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
    case 88:
        page.Title("Profile Line Number (Label)");
        if (line) page.Int("Line number:", line->GetNumber());
        return true;
    case 68: {
        page.Title("Profile Line Material Number (Label)");
        const auto* profile = static_cast<const Cpp_ProfileLine*>(r.ref1);
        if (!profile) return true;
        page.Int("Profile line number:", profile->GetNumber());
        page.Int("Material number:", profile->GetMaterialNumber());
        return true;
    }
    case 72: {
        page.Title("Material region beneath profile line");
        const auto* profile = static_cast<const Cpp_ProfileLine*>(r.ref1);
        if (!profile) return true;
        page.Text("Material number:", MaterialText(*profile));
        page.Int("Profile line number:", profile->GetNumber());
        return true;
    }
    case 78:
    case 80:
    case 82: {
        const auto* water = static_cast<const Cpp_PiezometricLine*>(r.ref1);
        page.Title(type_ == 78   ? "Piezometric Line Point"
                   : type_ == 80 ? "Piezometric Line Segment"
                                 : "Piezometric Line number (label)");
        if (StageRowS1(dataSet_)) page.Int("Data are for stage:", stage_);
        if (!water) return true;
        if (type_ == 78 && point) {
            page.Int("Point number:", point->Number());
            page.Int("Line number:", water->GetNumber());
            page.XY("", point->X(), point->Y(), "%1.2f");
            page.Value("Unit weight of fluid:", "%1.2f", water->UnitWeight());
        } else if (type_ == 80 && point && next) {
            page.Int("Line number:", water->GetNumber());
            page.Int("Segment number:", point->Number());
            page.Value("Unit weight of fluid:", f.unitWeight, water->UnitWeight());
            page.Ends(*point, *next);
        } else if (type_ == 82) {
            page.Int("Line number:", water->GetNumber());
        }
        return true;
    }
    case 132:
        page.Title("Slope Geometry Point");
        if (point) page.XY("", point->X(), point->Y(), "%1.2f");
        return true;
    case 134: {
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
    case 36:
    case 37:
    case 38:
    case 39: {
        const auto* load = static_cast<const Cpp_DistributedLoadPoint*>(r.ref1);
        page.Title(type_ == 36   ? "Distributed Load Point"
                   : type_ == 37 ? "Distributed Load Interval"
                   : type_ == 38 ? "Distributed Load Interval - Normal Stress Distribution"
                                 : "Distributed Load Interval - Shear Stress Distribution");
        if (StageRowS1(dataSet_)) page.Int("Data are for stage:", stage_);
        if (!load) return true;
        if (type_ == 36) {
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
    case 62:
    case 64: {
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
    case 7:
        page.Title("Tip of Constant Radius for Circles");
        page.Value("X - radius tip:", f.coordinate, r.x);
        page.Value("Y - radius tip:", f.coordinate, r.y);
        return true;
    case 40:
        page.Title("Fixed Point for Circles");
        page.XY("", r.x, r.y, f.coordinate);
        return true;
    case 52:
        page.Title("Horizontal Tangent Line for Circles");
        page.Value("Elevation, Y:", "%1.6f", r.y);
        return true;
    case 142:
        page.Title("Point on Irregular Tangent Line for Circles");
        page.XY("", r.x, r.y, f.coordinate);
        return true;
    case 53: {
        if (mode == 1) page.Title("Center of Individually Specified Circle");
        if (mode == 3) page.Title("Center of Initial Trial Slip Circle");
        if (!dataSet_) return true;
        double x = 0, y = 0, radius = 0;
        dataSet_->Analysis().GetInitialCircleValue(x, y, radius);
        page.Value("X - Center:", f.coordinate, x);
        page.Value("Y - Center:", f.coordinate, y);
        page.Value("Radius:", f.length, radius);
        return true;
    }
    case 54: {
        if (mode == 1) page.Title("Point on Individual Noncircular Slip Surface");
        if (mode == 3) page.Title("Point on Initial Trial Noncircular Slip Surface");
        const auto* slip = static_cast<const Cpp_NoncircularShearSurfacePoint*>(r.ref2);
        if (!slip) return true;
        page.Int("point number:", slip->Number());
        page.XY("", slip->X(), slip->Y(), f.coordinate);
        return true;
    }
    case 6: page.Title("Text for Computed Answer"); return true;
    case 116: page.Title("Triangle Used to Contour of Factors of Safety"); return true;
    case 70:
    case 71: {
        const bool multi = dataSet_ && dataSet_->IsMultiStage();
        if (type_ == 70)
            page.Title(
                multi ? FormatText("Grid Line in Material Property Table for Stage %1d", stage_)
                      : "Grid Line in Material Property Table");
        else
            page.Title(multi ? FormatText("Table of Material Properties for Stage %1d", stage_)
                             : "Material Property Table");
        page.Text("NOTE:", type_ == 70 ? "Used to set line weight and color"
                                       : "Used to set font information");
        return true;
    }
    case 22:
    case 26: {
        page.Title(type_ == 22 ? "Point Defining Bottom of Tension Crack"
                               : "Point Defining Water Surface in Crack");
        const auto* p = static_cast<const Cpp_PointXY*>(r.ref1);
        if (!p) return true;
        page.Int("Point number:", p->Number());
        page.XY("", p->X(), p->Y(), f.coordinate);
        return true;
    }
    case 18:
    case 27:
    case 28:
    case 30:
    case 32:
    case 66:
    case 118:
    case 120:
    case 122:
    case 128:
    case 130: ResultsPage(*this, page, list); return true;
    default: break;
    }
    page.Title("????? - Unknown item");
    return true;
}
