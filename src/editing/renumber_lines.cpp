#include "editing/renumber_lines.h"

#include "core/cursor_mode.h"
#include "core/format_text.h"
#include "core/geometry.h"
#include "core/message_boxes.h"
#include "editing/cursor_modes.h"
#include "graphics/graphics.h"
#include "graphics/line_list.h"
#include "graphics/palette.h"
#include "graphics/prompts.h"
#include "model/data_set.h"
#include "model/program_state.h"
#include "porepressure/piezometric_line.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

namespace {

struct Entry {
    int px = 0, py = 0;
    double x = 0.0, y = 0.0;
    Cpp_Line* line = nullptr;
};

struct RenumberState {
    Cpp_Kliven4DataSet* dataSet = nullptr;
    int kind = 0;
    int stage = 1;  // current at the start (piezometric lines)
    std::vector<Entry> entries;
    int total = 0;
    int discColour = 9;
};

RenumberState& State() {
    static RenumberState state;
    static const bool resetAdded = (AddProgramStateReset(&RenumberLines::Reset), true);
    (void)resetAdded;
    return state;
}

Cpp_LineList* KindList(RenumberState& s) {
    if (!s.dataSet) return nullptr;
    switch (s.kind) {
    case RenumberLines::ProfileLines: return &s.dataSet->ProfileLines();
    case RenumberLines::PiezometricLines: return s.dataSet->PiezometricLines(s.stage);
    case RenumberLines::ReinforcementLines: return s.dataSet->ReinforcementLines();
    default: return nullptr;
    }
}

const char* KindName(int kind) {
    switch (kind) {
    case RenumberLines::ProfileLines: return "Profile Line";
    case RenumberLines::PiezometricLines: return "Piezometric Line";
    default: return "Reinforcement Line";
    }
}

// The disc colour (palette index) of each kind.
int DiscColour(int kind) {
    switch (kind) {
    case RenumberLines::ProfileLines: return 9;
    case RenumberLines::PiezometricLines: return 13;
    default: return 15;
    }
}

void Prompt(const RenumberState& s, int number) {
    ShowPrompt(FormatText("Click on %ss in the order they are to be numbered - click on line %1d "
                          "now.",
                          KindName(s.kind), number));
}

// The line owning the nearest point within the tolerance (hit receives that point), else the
// line owning the nearest segment within it (hit is left as the click).
Cpp_Line* FindLine(const Cpp_LineList& list, const s_tagTypePointXY& at, double tolerance,
                   s_tagTypePointXY& hit) {
    Cpp_Line* best = nullptr;
    double nearest = std::numeric_limits<double>::infinity();
    for (const auto& line : list.Lines())
        for (const Cpp_PointXY* p = line->FirstPoint(); p; p = p->Next()) {
            const double d = Distance(at.x, at.y, p->X(), p->Y());
            if (d <= tolerance && d < nearest) {
                nearest = d;
                best = line.get();
                hit = {p->X(), p->Y()};
            }
        }
    if (best) return best;
    for (const auto& line : list.Lines())
        for (const Cpp_PointXY* p = line->FirstPoint(); p && p->Next(); p = p->Next()) {
            const double d = PointSegmentDistance(at.x, at.y, *p, *p->Next());
            if (d <= tolerance && d < nearest) {
                nearest = d;
                best = line.get();
            }
        }
    hit = at;
    return best;
}

}  // namespace

bool RenumberLines::Start(Cpp_Kliven4DataSet* dataSet, int kind) {
    RenumberState& s = State();
    s = RenumberState{};
    if (!dataSet ||
        (kind != ProfileLines && kind != PiezometricLines && kind != ReinforcementLines))
        return false;
    s.dataSet = dataSet;
    s.kind = kind;
    s.stage = Cpp_Kliven4DataSet::CurrentStage();
    s.discColour = DiscColour(kind);
    s.total = KindList(s)->Count();
    Prompt(s, 1);
    SetCursorMode(CursorModeRenumberLines);
    return false;
}

bool RenumberLines::OnClick(const s_tagTypePointXY& world, double tolerance,
                            platform::DeviceContext* dc) {
    RenumberState& s = State();
    Cpp_LineList* list = KindList(s);
    if (!list) return false;
    s_tagTypePointXY at = world;
    Cpp_Line* line = FindLine(*list, world, tolerance, at);
    if (!line) {
        ShowErrorMessage("ERROR",
                         FormatText("You did not select a %s - try again.", KindName(s.kind)));
        return false;
    }
    if (std::any_of(s.entries.begin(), s.entries.end(),
                    [line](const Entry& e) { return e.line == line; })) {
        ShowErrorMessage("ERROR", FormatText("This %s has already been selected - try again.",
                                             KindName(s.kind)));
        return false;
    }
    s.entries.push_back(
        {Cpp_Graphics::XToPixel(at.x), Cpp_Graphics::YToPixel(at.y), at.x, at.y, line});
    const int clicked = static_cast<int>(s.entries.size());
    if (dc) DrawNumbers(*dc, s.entries.back().px, s.entries.back().py, clicked);
    if (clicked < s.total) {
        Prompt(s, clicked + 1);
        return false;
    }
    for (int i = 0; i < clicked; ++i) s.entries[i].line->SetNumber(i + 1);
    s = RenumberState{};
    ClearPromptBar();
    SetCursorMode(0);
    return true;
}

void RenumberLines::DrawNumbers(platform::DeviceContext& dc, int px, int py, int number) {
    platform::Font font;
    font.face = "Arial";
    font.height = dc.PixelsPerInchY() * 10 / 72;
    font.weight = 700;
    const platform::Font oldFont = dc.SetFont(font);
    const platform::TextSize box = dc.GetTextExtent("890");
    const int r =
        static_cast<int>(std::sqrt(double(box.cx) * box.cx + double(box.cy) * box.cy) / 2.0) + 3;
    const platform::ColorRef colour = Cpp_WindowsPalette::Color(State().discColour);
    const platform::Pen oldPen = dc.SetPen({platform::PenStyle::Solid, 1, colour});
    platform::Brush brush;
    brush.color = colour;
    const platform::Brush oldBrush = dc.SetBrush(brush);
    dc.Ellipse(px - r, py - r, px + r, py + r);
    const std::string text = FormatText("%1d", number);
    const platform::TextSize size = dc.GetTextExtent(text);
    const platform::ColorRef oldText = dc.SetTextColor(Cpp_WindowsPalette::Color(0));
    const platform::BackgroundMode oldMode = dc.SetBkMode(platform::BackgroundMode::Transparent);
    const unsigned oldAlign = dc.SetTextAlign(platform::AlignLeft | platform::AlignTop);
    dc.TextOut(px - size.cx / 2, py - size.cy / 2, text);
    dc.SetTextAlign(oldAlign);
    dc.SetBkMode(oldMode);
    dc.SetTextColor(oldText);
    dc.SetBrush(oldBrush);
    dc.SetPen(oldPen);
    dc.SetFont(oldFont);
}

void RenumberLines::End() {
    State() = RenumberState{};
    ClearPromptBar();
    SetCursorMode(0);
}

bool RenumberLines::IsActive() { return State().dataSet != nullptr; }

int RenumberLines::ClickedCount() { return static_cast<int>(State().entries.size()); }

void RenumberLines::Reset() { State() = RenumberState{}; }
