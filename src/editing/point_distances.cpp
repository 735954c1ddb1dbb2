#include "editing/point_distances.h"

#include "core/cursor_mode.h"
#include "core/format_text.h"
#include "core/preferences.h"
#include "editing/cursor_modes.h"
#include "editing/selection.h"
#include "editing/selection_list.h"
#include "editing/selection_moves.h"
#include "graphics/prompts.h"
#include "model/data_set.h"
#include "model/data_sets.h"
#include "model/point_stresses.h"
#include "platform/services.h"

#include <cmath>
#include <memory>

namespace {

class CancelledDistanceDialogs final : public Cpp_DistanceDialogs {
public:
    bool RunBetweenPoints(s_PointsDistanceValues&) override { return false; }
    bool RunPointAndLine(s_PointLineDistanceValues&) override { return false; }
};

void EndTool() {
    ClearPromptBar();
    ClearToolTip();
    SetCursorMode(0);
}

void ShowResult(const std::string& caption, const std::string& text) {
    platform::MessageBoxRequest request;
    request.caption = caption;
    request.text = text;
    request.owner = platform::BoxOwner::MainWindow;
    platform::Services().MessageBoxes().Show(request);
}

std::string Number(double value, int decimals) { return FormatText("%1.*f", decimals, value); }

// The selection's own move of an item.
class ItemMover final : public Cpp_SelectionMover {
public:
    bool MoveToXY(const Cpp_Selection& item, double x, double y, bool keepMarked) override {
        return item.MoveToXY(x, y, keepMarked);
    }
};

// The data set of an item's pressures: a construction point belongs to no data set.
const Cpp_Kliven4DataSet* PressureDataSet(const Cpp_Selection& item) {
    if (item.GetType() == SEL_CONSTRUCTION_POINT) return Cpp_Kliven4Data::CurrentDataSetOrNull();
    return item.GetDataSet();
}

}  // namespace

DialogSlot<Cpp_DistanceDialogs>& DistanceDialogsSlot() {
    static DialogSlot<Cpp_DistanceDialogs> slot("distance dialogs",
                                                std::make_unique<CancelledDistanceDialogs>());
    return slot;
}

DialogSlot<Cpp_SelectionMover>& SelectionMoverSlot() {
    static DialogSlot<Cpp_SelectionMover> slot("selection mover", std::make_unique<ItemMover>());
    return slot;
}

bool StartComputeDistance() {
    ShowPromptResource(1305);
    SetToolTipFromId(1306);
    SetCursorMode(CursorModeComputeDistance);
    return true;
}

bool CancelDistanceTool() {
    EndTool();
    return true;
}

bool ComputeDistanceFromSelection(const s_tagTypePointXY& p1, const s_tagTypePointXY& p2,
                                  s_DistanceMove& move) {
    move = {};
    const double dx = p2.x - p1.x, dy = p2.y - p1.y;
    const double d = std::sqrt(dx * dx + dy * dy);
    s_PointsDistanceValues values{d, dx, dy, 0, 0};
    const bool ok = DistanceDialogsSlot().Get().RunBetweenPoints(values);
    EndTool();
    if (!ok) return false;
    double ndx = dx, ndy = dy;
    if (values.option == 1) {
        if (!(d > 0.0)) return false;
        if (values.total == d) return true;
        ndx = values.total * dx / d;
        ndy = values.total * dy / d;
    } else if (values.option == 2) {
        if (values.horizontal == dx && values.vertical == dy) return true;
        ndx = values.horizontal;
        ndy = values.vertical;
    } else {
        return true;
    }
    move.moves = true;
    move.which = values.pointToChange == 1 ? 1 : 0;
    move.to = move.which == 0 ? s_tagTypePointXY{p2.x - ndx, p2.y - ndy}
                              : s_tagTypePointXY{p1.x + ndx, p1.y + ndy};
    return true;
}

bool ComputeDistancePointToLine(const s_tagTypePointXY& p, const s_tagTypePointXY& a,
                                const s_tagTypePointXY& b, s_DistanceMove& move) {
    move = {};
    s_PointLineDistanceValues v;
    const double ex = b.x - a.x, ey = b.y - a.y;
    const double length = std::sqrt(ex * ex + ey * ey);
    s_tagTypePointXY foot = p;
    if (length > 0.0) {
        const double t = ((p.x - a.x) * ex + (p.y - a.y) * ey) / (length * length);
        foot = {a.x + t * ex, a.y + t * ey};
        v.perpendicular = std::hypot(p.x - foot.x, p.y - foot.y);
        v.perpendicularExists = true;
    }
    const auto xAt = [&](double y) { return a.x + (y - a.y) * ex / ey; };
    const auto yAt = [&](double x) { return a.y + (x - a.x) * ey / ex; };
    if (ey != 0.0) {
        v.horizontal = xAt(p.y) - p.x;
        v.horizontalExists = true;
    }
    if (ex != 0.0) {
        v.vertical = yAt(p.x) - p.y;
        v.verticalExists = true;
    }
    const s_PointLineDistanceValues shown = v;
    const bool ok = DistanceDialogsSlot().Get().RunPointAndLine(v);
    EndTool();
    if (!ok) return false;
    s_tagTypePointXY to = p;
    if (v.option == 1 && shown.perpendicularExists && v.perpendicular != shown.perpendicular) {
        if (shown.perpendicular > 0.0) {
            const double f = v.perpendicular / shown.perpendicular;
            to = {foot.x + (p.x - foot.x) * f, foot.y + (p.y - foot.y) * f};
        } else {
            to = {p.x - ey / length * v.perpendicular, p.y + ex / length * v.perpendicular};
        }
    } else if (v.option == 2 && shown.horizontalExists && v.horizontal != shown.horizontal) {
        to = {xAt(p.y) - v.horizontal, p.y};
    } else if (v.option == 3 && shown.verticalExists && v.vertical != shown.vertical) {
        to = {p.x, yAt(p.x) - v.vertical};
    } else {
        return true;
    }
    move = {true, 0, to};
    return true;
}

bool ComputeOverburdenPressureAtSelection(const Cpp_Kliven4DataSet& dataSet, double x, double y) {
    double depth = 0.0, overburden = 0.0;
    if (!OverburdenPressure(dataSet, x, y, depth, overburden)) return false;
    const int c = Cpp_KlivenSettings::CoordinateDecimals();
    ShowResult(
        "Overburden Pressure Calculations",
        "Computed overburden pressure at X = " + Number(x, c) + ", Y = " + Number(y, c) +
            "\nOverburden pressure: " + Number(overburden, Cpp_KlivenSettings::StressDecimals()));
    return true;
}

bool ComputePoreWaterPressureAtSelection(const Cpp_Kliven4DataSet& dataSet, double x, double y,
                                         int stage) {
    if (stage != 1 && stage != 2) stage = Cpp_Kliven4DataSet::CurrentStage();
    int line = 0, material = 0;
    double pressure = 0.0;
    std::string description;
    if (!PoreWaterPressureAtPoint(dataSet, x, y, line, material, stage, pressure, description))
        return false;
    const int c = Cpp_KlivenSettings::CoordinateDecimals();
    ShowResult(
        "Pore Water Pressure Calculations",
        "Computed pore water pressure at X = " + Number(x, c) + ", Y = " + Number(y, c) +
            "\nPore water pressure: " + Number(pressure, Cpp_KlivenSettings::StressDecimals()));
    return true;
}

bool ComputeDistanceToPicked(const Cpp_Selection* picked, bool* moved) {
    if (moved) *moved = false;
    const Cpp_Selection* first = GetCurrentSelection().GetNth(1);
    s_tagTypePointXY p1, p2, a, b;
    if (!first || !picked || !first->GetPointXY(p1)) {
        EndTool();
        return false;
    }
    // The picked item is copied: the dialog may run while the lists change.
    const Cpp_Selection second = *picked;
    const Cpp_Selection from = *first;
    s_DistanceMove move;
    if (second.GetPointXY(p2)) {
        if (!ComputeDistanceFromSelection(p1, p2, move)) return false;
    } else if (second.GetSegmentPoints(a, b)) {
        if (!ComputeDistancePointToLine(p1, a, b, move)) return false;
        if (!move.moves) return true;
        const bool ok = SelectionMoverSlot().Get().MoveToXY(from, move.to.x, move.to.y, false);
        if (moved) *moved = ok;
        return ok;
    } else {
        EndTool();
        return false;
    }
    if (!move.moves) return true;
    const bool ok = SelectionMoverSlot().Get().MoveToXY(move.which == 0 ? from : second, move.to.x,
                                                        move.to.y, true);
    if (moved) *moved = ok;
    return ok;
}

bool ComputeOverburdenPressureOfSelection() {
    const Cpp_Selection* item = GetCurrentSelection().GetNth(1);
    if (!item) return false;
    const Cpp_Kliven4DataSet* dataSet = PressureDataSet(*item);
    if (!dataSet) return false;
    const s_tagTypePointXY at = item->GetItemPosition();
    return ComputeOverburdenPressureAtSelection(*dataSet, at.x, at.y);
}

bool ComputePoreWaterPressureOfSelection() {
    const Cpp_Selection* item = GetCurrentSelection().GetNth(1);
    if (!item) return false;
    const Cpp_Kliven4DataSet* dataSet = PressureDataSet(*item);
    if (!dataSet) return false;
    const s_tagTypePointXY at = item->GetItemPosition();
    return ComputePoreWaterPressureAtSelection(*dataSet, at.x, at.y, item->GetStage());
}
