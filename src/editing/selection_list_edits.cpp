// The walks of a selection list that change the model: deleting, nudging, the scale key and the
// wheel. A destructive walk first reduces the list to distinct targets taken in the present
// model generation, and checks each against the model again just before it acts, so a record
// whose entity an earlier record removed is never used.

#include "editing/selection_commands.h"
#include "editing/selection_edit_support.h"
#include "editing/selection_list.h"
#include "graphics/graphics.h"
#include "loads/distributed_load_data.h"
#include "porepressure/interpolation_data.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <vector>

namespace {

// The live records of the list, one per distinct key (the first met), in list order.
std::vector<Cpp_Selection>
DistinctLive(const Cpp_SelectionList& list,
             const std::function<const void*(const Cpp_Selection&)>& key) {
    std::vector<Cpp_Selection> records;
    std::vector<std::pair<int, const void*>> seen;
    for (int n = 1; const Cpp_Selection* s = list.GetNth(n); ++n) {
        if (!list.IsLive(s) || !s->TargetExists()) continue;
        const std::pair<int, const void*> k{s->GetType(), key(*s)};
        if (k.second && std::find(seen.begin(), seen.end(), k) != seen.end()) continue;
        if (k.second) seen.push_back(k);
        records.push_back(*s);
    }
    return records;
}

const void* PointKey(const Cpp_Selection& s) {
    const s_SelectionReferences& r = s.GetItemReferences();
    return r.ref2 ? r.ref2 : r.ref1;
}
const void* LineKey(const Cpp_Selection& s) { return s.TargetLine(); }

bool Finish(bool changed) {
    if (changed) Cpp_SelectionList::NoteModelChange();
    return changed;
}

bool IsInterpolationPoint(int kind) {
    return kind == SEL_CP_POINT || kind == SEL_PRESSURE_POINT || kind == SEL_RSUBU_POINT ||
           kind == SEL_STRENGTH_POINT;
}

}  // namespace

bool Cpp_SelectionList::DeleteAll() {
    bool changed = false;
    for (const Cpp_Selection& s : DistinctLive(*this, [](const Cpp_Selection&) { return nullptr; }))
        changed = s.DeleteAll() || changed;
    return Finish(changed);
}

bool Cpp_SelectionList::DeleteEntireLines(bool& repaint) {
    repaint = false;
    bool changed = false;
    for (const Cpp_Selection& s : DistinctLive(*this, LineKey)) {
        if (!s.TargetExists()) continue;
        bool itemRepaint = false;
        changed = s.DeleteEntireLine(itemRepaint) || changed;
        repaint = repaint || itemRepaint;
    }
    return Finish(changed);
}

bool Cpp_SelectionList::DeleteSegments() {
    bool changed = false;
    for (const Cpp_Selection& s : DistinctLive(*this, PointKey))
        if (s.TargetExists()) changed = s.DeleteSegment() || changed;
    return Finish(changed);
}

bool Cpp_SelectionList::DeletePoints() {
    // Interpolation and distributed-load points are rebuilt by a deletion: they are found again
    // by their position, taken before the first deletion.
    struct s_Target {
        Cpp_Selection item;
        s_tagTypePointXY at;
    };
    std::vector<s_Target> targets;
    for (const Cpp_Selection& s : DistinctLive(*this, PointKey))
        targets.push_back({s, s.GetItemPosition()});
    bool changed = false;
    for (const s_Target& t : targets) {
        const int kind = t.item.GetType();
        if (IsInterpolationPoint(kind)) {
            changed = selection_edit::DeleteInterpolationPointAt(t.item, t.at) || changed;
        } else if (kind == SEL_LOAD_POINT) {
            changed = selection_edit::DeleteLoadPointAt(t.item, t.at) || changed;
        } else if (t.item.TargetExists()) {
            changed = t.item.DeletePoint() || changed;
        }
    }
    return Finish(changed);
}

bool Cpp_SelectionList::DeleteLineLoads() {
    bool changed = false;
    for (const Cpp_Selection& s : DistinctLive(*this, LineKey))
        changed = s.DeleteLineLoad() || changed;
    return Finish(changed);
}

bool Cpp_SelectionList::DeleteRadiusDefinitions() {
    bool changed = false;
    for (const Cpp_Selection& s : DistinctLive(*this, LineKey))
        changed = s.DeleteRadiusDefinition() || changed;
    return Finish(changed);
}

bool Cpp_SelectionList::DeleteConstructionCircles() {
    bool changed = false;
    for (const Cpp_Selection& s : DistinctLive(*this, LineKey))
        changed = s.DeleteConstructionCircle() || changed;
    return Finish(changed);
}

bool Cpp_SelectionList::NudgeSelection(int dx, int dy, bool& repaint) {
    repaint = false;
    const s_NudgeOptions& options = NudgeOptions();
    const auto sign = [](int v) { return v < 0 ? -1.0 : v > 0 ? 1.0 : 0.0; };
    double stepX = 0, stepY = 0;
    if (options.mode == 1) {
        // A length: the y scale is negative (pixel rows grow downwards), Up must still go up.
        stepX = sign(dx) * std::fabs(Cpp_Graphics::PixelsToWorldLengthX(std::abs(dx)));
        stepY = sign(dy) * std::fabs(Cpp_Graphics::PixelsToWorldLengthY(std::abs(dy)));
    } else if (options.mode == 2) {
        stepX = sign(dx) * options.distance;
        stepY = sign(dy) * options.distance;
    }
    bool moved = false;
    for (int n = 1; Cpp_Selection* s = GetNth(n); ++n) {
        if (!IsLive(s) || !s->TargetExists()) continue;
        bool itemRepaint = false;
        moved = s->Nudge(stepX, stepY, itemRepaint) || moved;
        repaint = repaint || itemRepaint;
    }
    return moved;
}

bool Cpp_SelectionList::HandleScaleHotKey() const {
    const Cpp_Selection* first = GetNth(1);
    if (!first) return false;
    return Cpp_Graphics::EditScalingForSelection(first->GetType());
}

bool Cpp_SelectionList::WheelEditFirst(int delta, bool control, bool& repaint) {
    repaint = false;
    Cpp_Selection* first = GetNth(1);
    if (!first || !IsLive(first) || !first->TargetExists()) return false;
    return first->WheelEdit(delta, control, repaint);
}
