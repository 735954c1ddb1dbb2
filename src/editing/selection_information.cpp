#include "editing/selection_information.h"

#include "analysis/analysis_computation_data.h"
#include "analysis/analysis_information.h"
#include "analysis/analysis_picking.h"
#include "analysis/noncircular_shear_surface.h"
#include "core/format_text.h"
#include "core/point_xy.h"
#include "core/preferences.h"
#include "editing/construction_items.h"
#include "editing/selection.h"
#include "editing/selection_family_ops.h"
#include "editing/selection_kinds.h"
#include "editing/selection_list.h"
#include "graphics/line.h"
#include "loads/distributed_load_data.h"
#include "loads/line_load.h"
#include "loads/reinforcement_line.h"
#include "model/data_set.h"
#include "model/data_set_information.h"
#include "platform/services.h"
#include "porepressure/interpolation_data.h"
#include "porepressure/interpolation_drawing.h"
#include "porepressure/piezometric_drawing.h"
#include "porepressure/piezometric_line.h"
#include "porepressure/triangle.h"
#include "porepressure/vertex.h"
#include "profile/crack.h"
#include "profile/profile_line.h"
#include "profile/slope_geometry.h"

#include <cmath>
#include <string>

namespace {

using platform::InfoWindowService;
using platform::kInfoRoot;

std::string Fixed(int decimals) {
    return decimals >= 0 && decimals <= 15 ? FormatText("%%1.%df", decimals) : "%1.2f";
}
std::string Value(const std::string& format, double v) { return FormatText(format.c_str(), v); }
std::string Coordinates(const std::string& f, double x, double y, const char* between) {
    return "X: " + Value(f, x) + between + "Y: " + Value(f, y);
}

// Every point of a line under a parent "title", the selected ones marked.
void ListPoints(InfoWindowService& info, const char* title, const Cpp_PointXY* first,
                const Cpp_PointXY* selected, bool segment, const char* firstMark,
                const char* secondMark) {
    const std::string f = Fixed(Cpp_KlivenSettings::CoordinateDecimals());
    const platform::InfoItem parent = info.AddText(kInfoRoot, title);
    for (const Cpp_PointXY* p = first; p; p = p->Next()) {
        const char* mark = "";
        if (p == selected) mark = segment ? firstMark : " - Selected point";
        if (segment && selected && p == selected->Next()) mark = secondMark;
        info.AddText(parent, Coordinates(f, p->X(), p->Y(), " , ") + " " + mark);
    }
}

const Cpp_PointXY* Node(const void* p) { return static_cast<const Cpp_PointXY*>(p); }

void AddSegment(InfoWindowService& info, const Cpp_PointXY* a) {
    if (!a || !a->Next()) return;
    info.AddLengthAndSlopeOfSegment(kInfoRoot, a->X(), a->Y(), a->Next()->X(), a->Next()->Y(),
                                    Fixed(Cpp_KlivenSettings::CoordinateDecimals()),
                                    Fixed(Cpp_KlivenSettings::LengthDecimals()),
                                    Fixed(Cpp_KlivenSettings::AngleDecimals()), true);
}

}  // namespace

bool AddConstructionInformation(InfoWindowService& info, const Cpp_Selection& item) {
    const int kind = item.GetType();
    if (kind != SEL_CONSTRUCTION_SEGMENT && kind != SEL_CONSTRUCTION_POINT &&
        kind != SEL_CONSTRUCTION_CIRCLE)
        return false;
    info.Clear();
    const s_SelectionReferences& r = item.GetItemReferences();
    const std::string c = Fixed(Cpp_KlivenSettings::CoordinateDecimals());
    const std::string a = Fixed(Cpp_KlivenSettings::AngleDecimals());
    if (kind == SEL_CONSTRUCTION_CIRCLE) {
        const auto* circle = static_cast<const Cpp_ConstructionCircle*>(r.ref2);
        info.AddText(kInfoRoot, "Construction circle selected");
        if (!circle) return true;
        info.AddItem(kInfoRoot, "X-Center: ", Value(c, circle->CentreX()));
        info.AddItem(kInfoRoot, "Y-Center: ", Value(c, circle->CentreY()));
        info.AddItem(kInfoRoot, "Radius: ",
                     Value(Fixed(Cpp_KlivenSettings::LengthDecimals()), circle->GetRadius()));
        return true;
    }
    const auto* line = static_cast<const Cpp_Line*>(r.ref1);
    const Cpp_PointXY* point = Node(r.ref2);
    const int number = line ? line->GetNumber() : 0;
    if (kind == SEL_CONSTRUCTION_SEGMENT) {
        info.AddText(kInfoRoot, "Construction line segment selected");
        info.AddItem(kInfoRoot, "Construction line number: ", FormatText("%1d", number));
        AddSegment(info, point);
    } else {
        info.AddText(kInfoRoot, "Construction line point selected");
        const Cpp_PointXY* previous = nullptr;
        if (line && point)
            for (const Cpp_PointXY* p = line->FirstPoint(); p && p != point; p = p->Next())
                previous = p;
        double left = 0, right = 0;
        if (previous) {
            left = previous->AngleToNext();
            info.AddItem(kInfoRoot, "Inclination to left (degrees): ", Value(a, left));
        }
        if (point && point->Next()) {
            right = point->AngleToNext();
            info.AddItem(kInfoRoot, "Inclination to right (degrees): ", Value(a, right));
        }
        if (previous && point && point->Next())
            info.AddItem(kInfoRoot, "Deviation angle at point (degrees): ", Value(a, right - left));
        if (point) info.AddText(kInfoRoot, Coordinates(c, point->X(), point->Y(), " , "));
        info.AddItem(kInfoRoot, "Construction line number: ", FormatText("%1d", number));
    }
    if (line)
        ListPoints(info, "Construction line coordinates", line->FirstPoint(), point,
                   kind == SEL_CONSTRUCTION_SEGMENT, " - First selected point",
                   " - Second selected point");
    return true;
}

bool AddProfileInformation(InfoWindowService& info, const Cpp_Selection& item) {
    const int kind = item.GetType();
    if (kind != SEL_PROFILE_POINT && kind != SEL_PROFILE_SEGMENT && kind != SEL_PROFILE_LABEL)
        return false;
    info.Clear();
    const s_SelectionReferences& r = item.GetItemReferences();
    const auto* line = static_cast<const Cpp_ProfileLine*>(r.ref1);
    if (!line) return true;
    const Cpp_PointXY* point = Node(r.ref2);
    const std::string c = Fixed(Cpp_KlivenSettings::CoordinateDecimals());
    const std::string description =
        line->HasDescription() && !line->Description().empty() ? line->Description() : "?????";
    auto numbers = [&] {
        info.AddItem(kInfoRoot, "Profile line number: ", FormatText("%1d", line->GetNumber()));
        info.AddItem(kInfoRoot, "Material number: ", FormatText("%1d", line->GetMaterialNumber()));
    };
    if (kind == SEL_PROFILE_POINT) {
        info.AddText(kInfoRoot, "Profile line point selected");
        if (point) info.AddText(kInfoRoot, Coordinates(c, point->X(), point->Y(), " , "));
        info.AddText(kInfoRoot, "Line description: " + description);
        numbers();
    } else if (kind == SEL_PROFILE_SEGMENT) {
        info.AddText(kInfoRoot, "Profile line segment selected");
        info.AddText(kInfoRoot, "Line description: " + description);
        numbers();
        AddSegment(info, point);
    } else {
        info.AddText(kInfoRoot,
                     FormatText("Number label for profile line %1d selected", line->GetNumber()));
        info.AddItem(kInfoRoot, "Material number: ", FormatText("%1d", line->GetMaterialNumber()));
    }
    ListPoints(info, "Profile line coordinates", line->FirstPoint(),
               kind == SEL_PROFILE_LABEL ? nullptr : point, kind == SEL_PROFILE_SEGMENT,
               " - First selected point", " - Second selected point");
    return true;
}

bool AddSlopeInformation(InfoWindowService& info, const Cpp_Selection& item) {
    const int kind = item.GetType();
    Cpp_Kliven4DataSet* ds = item.GetDataSet();
    if (!ds || (kind != SEL_SLOPE_POINT && kind != SEL_SLOPE_SEGMENT && kind != SEL_CRACK_BOTTOM &&
                kind != SEL_CRACK_POINT && kind != SEL_CRACK_WATER_SURFACE &&
                kind != SEL_CRACK_WATER_POINT))
        return false;
    info.Clear();
    const s_SelectionReferences& r = item.GetItemReferences();
    const Cpp_SlopeGeometry& slope = ds->SlopeGeometry();
    const std::string c = Fixed(Cpp_KlivenSettings::CoordinateDecimals());
    const Cpp_PointXY* point =
        Node(kind == SEL_SLOPE_POINT || kind == SEL_SLOPE_SEGMENT ? r.ref2 : r.ref1);
    auto fromTo = [&](const Cpp_PointXY* a) {
        if (!a || !a->Next()) return;
        info.AddText(kInfoRoot, "From - " + Coordinates(c, a->X(), a->Y(), ", "));
        info.AddText(kInfoRoot, "To - " + Coordinates(c, a->Next()->X(), a->Next()->Y(), ", "));
    };
    switch (kind) {
    case 132:
        info.AddText(kInfoRoot, "Selected point on slope line");
        if (point) info.AddText(kInfoRoot, Coordinates(c, point->X(), point->Y(), ", "));
        break;
    case 134:
        info.AddText(kInfoRoot, "Selected segment on slope line");
        fromTo(point);
        AddSegment(info, point);
        break;
    case 22:
    case 26:
        info.AddText(kInfoRoot, kind == SEL_CRACK_POINT
                                    ? "Selected point on computed crack bottom:"
                                    : "Selected point on computed water surface:");
        if (point) info.AddText(kInfoRoot, Coordinates(c, point->X(), point->Y(), ", "));
        break;
    default:
        info.AddText(kInfoRoot, kind == SEL_CRACK_BOTTOM
                                    ? "Selected segment of computed crack bottom"
                                    : "Selected segment of computed water surface");
        fromTo(point);
        break;
    }
    if (kind == SEL_CRACK_BOTTOM || kind == SEL_CRACK_POINT)
        ListPoints(info, "Computed crack bottom points:", slope.GetCrackBottomLine().FirstPoint(),
                   point, kind == SEL_CRACK_BOTTOM, " - First point selected",
                   " - Second point selected");
    if (kind == SEL_CRACK_WATER_SURFACE || kind == SEL_CRACK_WATER_POINT)
        ListPoints(info,
                   "Computed crack water surface points:", slope.GetCrackWaterLine().FirstPoint(),
                   point, kind == SEL_CRACK_WATER_SURFACE, " - First point selected",
                   " - Second point selected");
    ListPoints(info, "Slope coordinates", slope.GetSlopeLine().FirstPoint(),
               kind == SEL_SLOPE_POINT || kind == SEL_SLOPE_SEGMENT ? point : nullptr,
               kind == SEL_SLOPE_SEGMENT, " - First point selected", " - Second point selected");
    return true;
}

namespace {

// The analysis candidate a record stands for.
s_AnalysisHit AnalysisHitOf(const Cpp_Selection& item) {
    const s_SelectionReferences& r = item.GetItemReferences();
    s_AnalysisHit hit;
    hit.kind = item.GetType();
    hit.point = {r.x, r.y};
    hit.number = static_cast<int>(r.number1);
    hit.index = r.index;
    const s_SelectionKindRow* row = FindSelectionKind(hit.kind);
    if (row && row->family == e_SelectionFamily::RadiusDefinition)
        hit.index = static_cast<int>(r.number3) - 1;
    return hit;
}

}  // namespace

bool ShowSelectionInformation(const Cpp_Selection& item) {
    InfoWindowService& info = platform::Services().InfoWindow();
    if (!info.Exists() || !info.IsVisible()) return false;
    info.Clear();
    const s_SelectionKindRow* row = FindSelectionKind(item.GetType());
    if (const SelectionInfoOp fill = row ? SelectionFamilyOps(row->family).information : nullptr)
        fill(item, info);
    // The window is set up with expand-all at start.
    info.ExpandOrCollapseAll();
    return true;
}

namespace selection_family {

namespace {
int InfoStage(const Cpp_Selection& item) { return item.GetStage() == 2 ? 2 : 1; }
}  // namespace

// The circle and search definitions, the slip surface, the variable crack, the radius
// definitions and the irregular tangent line.
void AnalysisInformation(const Cpp_Selection& item, InfoWindowService& info) {
    if (Cpp_Kliven4DataSet* ds = item.GetDataSet())
        DescribeAnalysisSelection(info, ds->Analysis(), AnalysisHitOf(item));
}

void ConstructionInformation(const Cpp_Selection& item, InfoWindowService& info) {
    AddConstructionInformation(info, item);
}

void SlopeLineInformation(const Cpp_Selection& item, InfoWindowService& info) {
    AddSlopeInformation(info, item);
}

void ComputedCrackInformation(const Cpp_Selection& item, InfoWindowService& info) {
    AddSlopeInformation(info, item);
    if (Cpp_Kliven4DataSet* ds = item.GetDataSet())
        ds->Analysis().GetCrack().AddInformation(info, kInfoRoot, item.GetType(), nullptr);
}

void DistributedLoadInformation(const Cpp_Selection& item, InfoWindowService& info) {
    if (Cpp_Kliven4DataSet* ds = item.GetDataSet())
        ds->DistributedLoads(InfoStage(item))
            ->AddInformation(
                info, item.GetType(),
                static_cast<const Cpp_DistributedLoadPoint*>(item.GetItemReferences().ref1),
                ds->IsMultiStage());
}

void LineLoadInformation(const Cpp_Selection& item, InfoWindowService& info) {
    if (Cpp_Kliven4DataSet* ds = item.GetDataSet())
        ds->LineLoads(InfoStage(item))
            ->AddInformation(info, static_cast<const Cpp_LineLoad*>(item.GetItemReferences().ref1));
}

// The material label and region (68, 72); the points, segments and number labels.
void ProfileLineInformation(const Cpp_Selection& item, InfoWindowService& info) {
    const int kind = item.GetType();
    const s_SelectionReferences& r = item.GetItemReferences();
    if (kind == SEL_MATERIAL_LABEL || kind == SEL_MATERIAL_REGION) {
        if (item.GetDataSet() && r.ref1)
            AddMaterialInformation(*item.GetDataSet(), kind,
                                   *static_cast<const Cpp_ProfileLine*>(r.ref1));
        return;
    }
    AddProfileInformation(info, item);
}

void PiezometricLineInformation(const Cpp_Selection& item, InfoWindowService& info) {
    const s_SelectionReferences& r = item.GetItemReferences();
    const Cpp_Kliven4DataSet* ds = item.GetDataSet();
    if (r.ref1)
        AddPiezometricInformation(
            info, *static_cast<const Cpp_PiezometricLine*>(r.ref1), item.GetType(), Node(r.ref2),
            InfoStage(item), ds && (ds->IsMultiStage() || ds->PiezometricLines(2)->Count() > 0));
}

// The pressure, r-sub-u and strength points and triangles that keep their references.
void InterpolationInformation(const Cpp_Selection& item, InfoWindowService& info) {
    const s_SelectionReferences& r = item.GetItemReferences();
    switch (item.GetType()) {
    case SEL_PRESSURE_TRIANGLE:
    case SEL_PRESSURE_POINT:
    case SEL_RSUBU_POINT:
    case SEL_RSUBU_TRIANGLE:
    case SEL_STRENGTH_POINT:
    case SEL_STRENGTH_TRIANGLE:
        if (r.ref1)
            AddInterpolationInformation(info, *static_cast<Cpp_InterpolationDataSet*>(r.ref1),
                                        static_cast<const Cpp_VERTEX*>(r.ref2),
                                        static_cast<const Cpp_Triangle*>(r.ref3));
        break;
    default: break;
    }
}

void ReinforcementInformation(const Cpp_Selection& item, InfoWindowService& info) {
    const s_SelectionReferences& r = item.GetItemReferences();
    if (r.ref1)
        static_cast<const Cpp_ReinforcementLine*>(r.ref1)->AddInformation(
            info, static_cast<const Cpp_ReinforcementPoint*>(r.ref2), item.GetType());
}

}  // namespace selection_family

void ToggleInformationWindowForSelection(Cpp_SelectionList& list) {
    InfoWindowService& info = platform::Services().InfoWindow();
    info.Show(!info.IsVisible());
    if (!info.IsVisible()) return;
    const Cpp_Selection* last = list.GetLast();
    if (last && list.IsLive(last))
        ShowSelectionInformation(*last);
    else
        info.Clear();
}
