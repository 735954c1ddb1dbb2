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
    if (kind != 8 && kind != 9 && kind != 10) return false;
    info.Clear();
    const s_SelectionReferences& r = item.GetItemReferences();
    const std::string c = Fixed(Cpp_KlivenSettings::CoordinateDecimals());
    const std::string a = Fixed(Cpp_KlivenSettings::AngleDecimals());
    if (kind == 10) {
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
    if (kind == 8) {
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
        ListPoints(info, "Construction line coordinates", line->FirstPoint(), point, kind == 8,
                   " - First selected point", " - Second selected point");
    return true;
}

bool AddProfileInformation(InfoWindowService& info, const Cpp_Selection& item) {
    const int kind = item.GetType();
    if (kind != 84 && kind != 86 && kind != 88) return false;
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
    if (kind == 84) {
        info.AddText(kInfoRoot, "Profile line point selected");
        if (point) info.AddText(kInfoRoot, Coordinates(c, point->X(), point->Y(), " , "));
        info.AddText(kInfoRoot, "Line description: " + description);
        numbers();
    } else if (kind == 86) {
        info.AddText(kInfoRoot, "Profile line segment selected");
        info.AddText(kInfoRoot, "Line description: " + description);
        numbers();
        AddSegment(info, point);
    } else {
        info.AddText(kInfoRoot,
                     FormatText("Number label for profile line %1d selected", line->GetNumber()));
        info.AddItem(kInfoRoot, "Material number: ", FormatText("%1d", line->GetMaterialNumber()));
    }
    ListPoints(info, "Profile line coordinates", line->FirstPoint(), kind == 88 ? nullptr : point,
               kind == 86, " - First selected point", " - Second selected point");
    return true;
}

bool AddSlopeInformation(InfoWindowService& info, const Cpp_Selection& item) {
    const int kind = item.GetType();
    Cpp_Kliven4DataSet* ds = item.GetDataSet();
    if (!ds || (kind != 132 && kind != 134 && kind != 20 && kind != 22 && kind != 24 && kind != 26))
        return false;
    info.Clear();
    const s_SelectionReferences& r = item.GetItemReferences();
    const Cpp_SlopeGeometry& slope = ds->SlopeGeometry();
    const std::string c = Fixed(Cpp_KlivenSettings::CoordinateDecimals());
    const Cpp_PointXY* point = Node(kind == 132 || kind == 134 ? r.ref2 : r.ref1);
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
        info.AddText(kInfoRoot, kind == 22 ? "Selected point on computed crack bottom:"
                                           : "Selected point on computed water surface:");
        if (point) info.AddText(kInfoRoot, Coordinates(c, point->X(), point->Y(), ", "));
        break;
    default:
        info.AddText(kInfoRoot, kind == 20 ? "Selected segment of computed crack bottom"
                                           : "Selected segment of computed water surface");
        fromTo(point);
        break;
    }
    if (kind == 20 || kind == 22)
        ListPoints(info, "Computed crack bottom points:", slope.GetCrackBottomLine().FirstPoint(),
                   point, kind == 20, " - First point selected", " - Second point selected");
    if (kind == 24 || kind == 26)
        ListPoints(info,
                   "Computed crack water surface points:", slope.GetCrackWaterLine().FirstPoint(),
                   point, kind == 24, " - First point selected", " - Second point selected");
    ListPoints(info, "Slope coordinates", slope.GetSlopeLine().FirstPoint(),
               kind == 132 || kind == 134 ? point : nullptr, kind == 134, " - First point selected",
               " - Second point selected");
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
    if (hit.kind >= 93 && hit.kind <= 97) hit.index = static_cast<int>(r.number3) - 1;
    return hit;
}

}  // namespace

bool ShowSelectionInformation(const Cpp_Selection& item) {
    InfoWindowService& info = platform::Services().InfoWindow();
    if (!info.Exists() || !info.IsVisible()) return false;
    info.Clear();
    Cpp_Kliven4DataSet* ds = item.GetDataSet();
    const s_SelectionReferences& r = item.GetItemReferences();
    const int kind = item.GetType();
    const int stage = item.GetStage() == 2 ? 2 : 1;
    switch (kind) {
    case 7:
    case 40:
    case 46:
    case 48:
    case 52:
    case 53:
    case 54:
    case 55:
    case 56:
    case 57:
    case 58:
    case 59:
    case 93:
    case 94:
    case 95:
    case 96:
    case 97:
    case 142:
    case 144:
        if (ds) DescribeAnalysisSelection(info, ds->Analysis(), AnalysisHitOf(item));
        break;
    case 8:
    case 9:
    case 10: AddConstructionInformation(info, item); break;
    case 20:
    case 22:
    case 24:
    case 26:
    case 132:
    case 134:
        AddSlopeInformation(info, item);
        if (ds && kind <= 26)
            ds->Analysis().GetCrack().AddInformation(info, kInfoRoot, kind, nullptr);
        break;
    case 36:
    case 37:
    case 38:
    case 39:
        if (ds)
            ds->DistributedLoads(stage)->AddInformation(
                info, kind, static_cast<const Cpp_DistributedLoadPoint*>(r.ref1),
                ds->IsMultiStage());
        break;
    case 62:
    case 64:
        if (ds)
            ds->LineLoads(stage)->AddInformation(info, static_cast<const Cpp_LineLoad*>(r.ref1));
        break;
    case 68:
    case 72:
        if (ds && r.ref1)
            AddMaterialInformation(*ds, kind, *static_cast<const Cpp_ProfileLine*>(r.ref1));
        break;
    case 78:
    case 80:
    case 82:
        if (r.ref1)
            AddPiezometricInformation(
                info, *static_cast<const Cpp_PiezometricLine*>(r.ref1), kind, Node(r.ref2), stage,
                ds && (ds->IsMultiStage() || ds->PiezometricLines(2)->Count() > 0));
        break;
    case 84:
    case 86:
    case 88: AddProfileInformation(info, item); break;
    case 91:
    case 92:
    case 108:
    case 109:
    case 138:
    case 140:
        if (r.ref1)
            AddInterpolationInformation(info, *static_cast<Cpp_InterpolationDataSet*>(r.ref1),
                                        static_cast<const Cpp_VERTEX*>(r.ref2),
                                        static_cast<const Cpp_Triangle*>(r.ref3));
        break;
    case 98:
    case 100:
    case 102:
    case 104:
        if (r.ref1)
            static_cast<const Cpp_ReinforcementLine*>(r.ref1)->AddInformation(
                info, static_cast<const Cpp_ReinforcementPoint*>(r.ref2), kind);
        break;
    default: break;
    }
    // The window is set up with expand-all at start.
    info.ExpandOrCollapseAll();
    return true;
}

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
