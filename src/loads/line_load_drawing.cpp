// Line loads drawn as arrows ending at the point where the load acts, their length the force
#include "loads/loads_state.h"
// times the line-load scale; picking by the tail, the tool tip and the information page.

#include "loads/line_load.h"

#include "core/preferences.h"
#include "core/units.h"
#include "graphics/graphics.h"
#include "graphics/point_symbols.h"
#include "graphics/prompts.h"
#include "graphics/vector_arrow.h"
#include "loads/load_drawing_support.h"

#include <cmath>

namespace {

const s_ColorType kColour(27, 7);
const s_LineWidthType kLineWidth(static_cast<short>(1));
constexpr double kHeadInches = 0.25;

loads::s_ArrowScaleState& g_scale = loads::LineLoadScale();
bool g_filters[2] = {true, true};

}  // namespace

void ResetLineLoadPickFilters() { g_filters[0] = g_filters[1] = true; }

bool Cpp_LineLoadList::Draw() {
    if (loads_.empty() || !g_scale.scaleSet) return true;
    if (!loads::DrawsOnCurrentOutput()) return true;
    platform::DeviceContext* dc = Cpp_Graphics::GetCurrentDC();
    if (!dc) return true;
    const int w = kLineWidth.DeviceWidth(*dc);
    Cpp_Vector::SetDrawingAttributes(kHeadInches, 0, true, true, w, w, 0, kColour,
                                     stage_ == 2 ? "Line_Loads_2" : "Line_Loads_1");
    const double s = g_scale.scale;
    for (const auto& load : loads_) {
        load->tailX = load->X() - s * load->horizontal;
        load->tailY = load->Y() - s * load->vertical;
        Cpp_Vector(load->X(), load->Y(), load->tailX, load->tailY).DrawOnDC(*dc);
    }
    Cpp_Vector::DeleteDrawingObjects();
    return true;
}

void Cpp_LineLoad::DrawHighlighted(platform::DeviceContext& dc) const {
    DrawPointMark(dc, tailX, tailY);
}

Cpp_LineLoad* Cpp_LineLoadList::HitTestLoad(s_PickType& pick) const {
    Cpp_LineLoad* best = nullptr;
    double bestDistance = 0.0;
    int position = 0;
    for (const auto& load : loads_) {
        ++position;
        if (std::fabs(pick.x - load->tailX) > pick.tolerance ||
            std::fabs(pick.y - load->tailY) > pick.tolerance)
            continue;
        const double d = std::hypot(pick.x - load->X(), pick.y - load->Y());
        if (best && !(d < bestDistance)) continue;
        best = load.get();
        bestDistance = d;
        pick.found = 1;
        pick.bestDistanceSquared = d * d;
        pick.secondaryDistanceSquared = d * d;
        pick.segmentNumber = position;
    }
    return best;
}

bool Cpp_LineLoadList::GetSelectionFilter(int stage) { return g_filters[stage == 2]; }
void Cpp_LineLoadList::SetSelectionFilters(bool stage1, bool stage2) {
    g_filters[0] = stage1;
    g_filters[1] = stage2;
}

void Cpp_LineLoadList::SetLargestForce(double value) { g_scale.SetLargest(value); }

bool Cpp_LineLoadList::ComputeForceScale(int unitSystem) {
    g_scale.Compute(unitSystem);
    return true;
}

double Cpp_LineLoadList::ForceScale() { return g_scale.scale; }
bool Cpp_LineLoadList::ForceScaleSet() { return g_scale.scaleSet; }

bool Cpp_LineLoadList::ScaleDialog() {
    return loads::EditScaleRecord(3, "Line Load Scale", g_scale.Record(GetUnitSystem()));
}

void Cpp_LineLoadList::SaveForceScale() { g_scale.Save(); }
void Cpp_LineLoadList::RestoreForceScale() { g_scale.Restore(); }

void Cpp_LineLoadList::SavePreferences(const Cpp_LineLoadList* stage1,
                                       const Cpp_LineLoadList* stage2, bool read) {
    const std::string section = "LINE LOAD";
    const Cpp_LineLoadList* lists[2] = {stage1, stage2};
    for (int s = 1; s <= 2; ++s) {
        bool flag = GetDefaultDisplayFlag(s);
        if (lists[s - 1] && !read) flag = lists[s - 1]->display;
        loads::ExchangeFlag(section, "Display Vectors " + std::to_string(s), flag, read);
        if (read) SetDefaultDisplayFlag(s, flag);
    }
    loads::ExchangeRecord(section, "Line Load English Scale", g_scale.records[0], read);
    loads::ExchangeRecord(section, "Line Load SI Scale", g_scale.records[1], read);
    loads::ExchangeRecord(section, "Line Load Other Scale", g_scale.records[2], read);
}

std::string Cpp_LineLoadList::TooltipText(double x, double y, int option, double h, double v,
                                          double r, double inclination) {
    const std::string c = loads::FixedFormat(Cpp_KlivenSettings::CoordinateDecimals(), "%1.2f");
    const std::string f = loads::FixedFormat(Cpp_KlivenSettings::StressDecimals(), "%1.0f");
    const std::string a = loads::FixedFormat(Cpp_KlivenSettings::AngleDecimals(), "%1.2f");
    std::string text;
    if (option == Cpp_LineLoad::ByResultant)
        text = loads::FillTemplate("X: %s  Y: %s\nForce: %s\nInclin: %s",
                                   {loads::FormatValue(c, x), loads::FormatValue(c, y),
                                    loads::FormatValue(f, r), loads::FormatValue(a, inclination)});
    else
        text = loads::FillTemplate("X: %s  Y: %s\nHoriz: %s\nVert: %s",
                                   {loads::FormatValue(c, x), loads::FormatValue(c, y),
                                    loads::FormatValue(f, h), loads::FormatValue(f, v)});
    SetToolTipText(text);
    return text;
}

bool Cpp_LineLoadList::AddInformation(platform::InfoWindowService& info,
                                      const Cpp_LineLoad* selected) const {
    if (!info.Exists() || !selected) return false;
    info.Clear();
    const std::string c = loads::FixedFormat(Cpp_KlivenSettings::CoordinateDecimals(), "%1.2f");
    const std::string f = loads::FixedFormat(Cpp_KlivenSettings::ForceDecimals(), "%1.0f");
    const std::string a = loads::FixedFormat(Cpp_KlivenSettings::AngleDecimals(), "%1.2f");
    auto C = [&](double v) { return loads::FormatValue(c, v); };
    auto F = [&](double v) { return loads::FormatValue(f, v); };
    auto A = [&](double v) { return loads::FormatValue(a, v); };
    const platform::InfoItem root = platform::kInfoRoot;
    info.AddText(root, "Line load");
    info.AddText(root, loads::FillTemplate("X: %s, Y: %s", {C(selected->X()), C(selected->Y())}));
    if (selected->option == Cpp_LineLoad::ByResultant) {
        info.AddText(root, "Defined by magnitude and inclination");
        info.AddItem(root, "Resultant: ", F(selected->resultant));
        info.AddItem(root, "Inclination from horizontal: ", A(selected->inclination));
    } else {
        info.AddText(root, "Defined by components");
        info.AddItem(root, "Horizontal component: ", F(selected->horizontal));
        info.AddItem(root, "Vertical component: ", F(selected->vertical));
    }
    if (loads_.size() > 1) {
        const platform::InfoItem all = info.AddText(root, "All line loads:");
        for (const auto& load : loads_) {
            const std::string mark = load.get() == selected ? " - Selected load" : "";
            if (load->option == Cpp_LineLoad::ByResultant)
                info.AddText(all,
                             loads::FillTemplate("X: %s, Y: %s, Magnitude: %s, Inclination: %s %s",
                                                 {C(load->X()), C(load->Y()), F(load->resultant),
                                                  A(load->inclination), mark}));
            else
                info.AddText(
                    all, loads::FillTemplate("X: %s, Y: %s, Horiz. force: %s, Vert. force: %s %s",
                                             {C(load->X()), C(load->Y()), F(load->horizontal),
                                              F(load->vertical), mark}));
        }
    }
    return true;
}
