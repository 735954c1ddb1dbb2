// Joining selected lines of one family (profile, piezometric of one stage, reinforcement):
// two selected ends end to end, or every selected line that chains through end points that
// coincide exactly. The joined line takes the number and properties of the first selected
// item's line; the lines it was made of are gone and the selection is emptied.

#include "editing/selection_edit_support.h"
#include "editing/selection_kinds.h"
#include "editing/selection_list.h"
#include "editing/view_menus.h"
#include "loads/reinforcement_line.h"
#include "model/data_set.h"
#include "porepressure/piezometric_line.h"
#include "profile/profile_line.h"

#include <algorithm>
#include <string>
#include <vector>

namespace {

// The family of a line item: 1 piezometric, 2 profile, 3 reinforcement, 0 none.
int Family(int kind) {
    const s_SelectionKindRow* row = FindSelectionKind(kind);
    if (!row || !(row->flags & selection_flags::kJoinable)) return 0;
    switch (row->family) {
    case e_SelectionFamily::PiezometricLine: return 1;
    case e_SelectionFamily::ProfileLine: return 2;
    case e_SelectionFamily::Reinforcement: return 3;
    default: return 0;
    }
}

struct s_JoinPoint {
    double x = 0, y = 0;
    double longitudinal = 0, transverse = 0;
    bool SamePlace(const s_JoinPoint& o) const { return x == o.x && y == o.y; }
};
using Chain = std::vector<s_JoinPoint>;

Chain PointsOf(const Cpp_Line& line) {
    Chain points;
    for (const Cpp_PointXY* p = line.FirstPoint(); p; p = p->Next()) {
        s_JoinPoint j{p->X(), p->Y()};
        if (const auto* r = dynamic_cast<const Cpp_ReinforcementPoint*>(p)) {
            j.longitudinal = r->longitudinalForce;
            j.transverse = r->transverseForce;
        }
        points.push_back(j);
    }
    return points;
}

// Appends the points; where the first coincides with the chain's last it is dropped and the
// kept point takes the mean forces.
void AppendJoined(Chain& chain, const Chain& points) {
    size_t from = 0;
    if (!chain.empty() && !points.empty() && chain.back().SamePlace(points.front())) {
        chain.back().longitudinal = (chain.back().longitudinal + points.front().longitudinal) / 2;
        chain.back().transverse = (chain.back().transverse + points.front().transverse) / 2;
        from = 1;
    }
    chain.insert(chain.end(), points.begin() + static_cast<long>(from), points.end());
}

Chain Reversed(Chain c) {
    std::reverse(c.begin(), c.end());
    return c;
}

// The lines of the join with the line whose number and properties the new line takes.
struct s_Join {
    Cpp_LineList* list = nullptr;
    int family = 0;
    const Cpp_Line* first = nullptr;
    std::vector<const Cpp_Line*> removed;
};

// Removes the joined lines and makes the new line with the first line's number and
// properties and the chain's points, numbered 1 to n.
void MakeJoinedLine(const s_Join& join, const Chain& chain) {
    const Cpp_Line& a = *join.first;
    const int number = a.GetNumber();
    const std::string description = a.HasDescription() ? a.Description() : std::string();
    Cpp_Line* made = nullptr;
    if (join.family == 1) {
        const double unitWeight = static_cast<const Cpp_PiezometricLine&>(a).UnitWeight();
        for (const Cpp_Line* line : join.removed) join.list->RemoveLine(line);
        made = static_cast<Cpp_PiezometricLineList*>(join.list)->CreateLine(number, unitWeight,
                                                                            description);
    } else if (join.family == 2) {
        const int material = static_cast<const Cpp_ProfileLine&>(a).GetMaterialNumber();
        for (const Cpp_Line* line : join.removed) join.list->RemoveLine(line);
        made =
            static_cast<Cpp_ProfileLineList*>(join.list)->CreateLine(number, material, description);
    } else {
        const auto& r = static_cast<const Cpp_ReinforcementLine&>(a);
        const double angle = r.GetAngle();
        const int option = r.GetForceOption();
        for (const Cpp_Line* line : join.removed) join.list->RemoveLine(line);
        auto* line = static_cast<Cpp_ReinforcementLineList*>(join.list)->AddNewLine(
            number, description.c_str(), angle, option);
        for (const s_JoinPoint& p : chain) line->AddPoint(p.x, p.y, p.longitudinal, p.transverse);
        line->NumberPoints();
        return;
    }
    for (const s_JoinPoint& p : chain) made->AddPoint(p.x, p.y);
    made->NumberPoints();
}

// The line of a live item of the family, in the list of the first item; null otherwise.
const Cpp_Line* LiveLine(const Cpp_SelectionList& list, const Cpp_Selection& item,
                         const Cpp_LineList* familyList, int family) {
    if (!list.IsLive(&item) || Family(item.GetType()) != family || !item.TargetExists())
        return nullptr;
    const Cpp_Line* line = selection_edit::LineOf(item);
    return line && familyList->IndexOf(line) >= 0 ? line : nullptr;
}

}  // namespace

bool Cpp_SelectionList::SelectedLinesAreJoinable() const {
    const Cpp_Selection* first = GetNth(1);
    if (Count() < 2 || !first) return false;
    const int family = Family(first->GetType());
    if (family == 0) return false;
    std::vector<const void*> lines;
    for (int n = 1; const Cpp_Selection* s = GetNth(n); ++n) {
        if (Family(s->GetType()) != family) return false;
        if (family == 1 && s->GetStage() != first->GetStage()) return false;
        const void* line = s->GetItemReferences().ref1;
        if (std::find(lines.begin(), lines.end(), line) == lines.end()) lines.push_back(line);
    }
    // Two distinct lines at least: the ends of one line join nothing.
    return lines.size() >= 2;
}

bool Cpp_SelectionList::JoinLinesCommand() {
    if (!SelectedLinesAreJoinable()) return false;
    if (Count() == 2 && IsLineEnd(*GetNth(1)) && IsLineEnd(*GetNth(2))) return JoinLines();
    return JoinLinesByPoints();
}

bool Cpp_SelectionList::JoinLines() {
    const Cpp_Selection* item1 = GetNth(1);
    const Cpp_Selection* item2 = GetNth(2);
    if (!item1 || !item2) return false;
    const int kind = item1->GetType();
    if (kind != SEL_PIEZOMETRIC_POINT && kind != SEL_PROFILE_POINT &&
        kind != SEL_REINFORCEMENT_POINT)
        return false;
    s_Join join;
    join.family = Family(kind);
    join.list = selection_edit::LineListOf(*item1);
    if (!join.list) return false;
    const Cpp_Line* a = LiveLine(*this, *item1, join.list, join.family);
    const Cpp_Line* b = LiveLine(*this, *item2, join.list, join.family);
    if (!a || !b || a == b) return false;

    const bool aStart = item1->GetItemReferences().ref2 == a->FirstPoint();
    const bool bStart = item2->GetItemReferences().ref2 == b->FirstPoint();
    const Chain pa = PointsOf(*a), pb = PointsOf(*b);
    Chain chain;
    if (aStart && bStart) {
        chain = Reversed(pb);
        AppendJoined(chain, pa);
    } else if (aStart) {
        chain = pb;
        AppendJoined(chain, pa);
    } else if (bStart) {
        chain = pa;
        AppendJoined(chain, pb);
    } else {
        chain = pa;
        AppendJoined(chain, Reversed(pb));
    }
    join.first = a;
    join.removed = {a, b};
    MakeJoinedLine(join, chain);
    Clear();
    NoteModelChange();
    return true;
}

bool Cpp_SelectionList::JoinLinesByPoints() {
    const Cpp_Selection* item1 = GetNth(1);
    if (!item1) return false;
    s_Join join;
    join.family = Family(item1->GetType());
    join.list = selection_edit::LineListOf(*item1);
    if (join.family == 0 || !join.list) return false;

    // The distinct live lines in list order.
    std::vector<const Cpp_Line*> lines;
    for (int n = 1; const Cpp_Selection* s = GetNth(n); ++n) {
        const Cpp_Line* line = LiveLine(*this, *s, join.list, join.family);
        if (line && std::find(lines.begin(), lines.end(), line) == lines.end())
            lines.push_back(line);
    }
    std::vector<Chain> points;
    for (const Cpp_Line* line : lines) points.push_back(PointsOf(*line));
    const auto touch = [](const Chain& p, const Chain& q) {
        if (p.empty() || q.empty()) return false;
        return p.front().SamePlace(q.front()) || p.front().SamePlace(q.back()) ||
               p.back().SamePlace(q.front()) || p.back().SamePlace(q.back());
    };

    // The first touching pair.
    size_t j = 0, k = 0;
    bool found = false;
    for (j = 0; j < lines.size() && !found; ++j)
        for (k = j + 1; k < lines.size() && !found; ++k) found = touch(points[j], points[k]);
    if (!found) return false;
    --j;
    --k;

    std::vector<bool> joined(lines.size(), false);
    bool reversed = false;
    Chain chain = points[j];
    Chain b = points[k];
    if (chain.front().SamePlace(b.front()) || chain.front().SamePlace(b.back())) {
        chain = Reversed(chain);
        reversed = true;
    }
    if (chain.back().SamePlace(b.back())) b = Reversed(b);
    AppendJoined(chain, b);
    joined[j] = joined[k] = true;

    for (bool more = true; more;) {
        more = false;
        for (size_t i = 0; i < lines.size(); ++i) {
            if (joined[i] || points[i].empty()) continue;
            Chain line = points[i];
            const bool atFirst =
                line.front().SamePlace(chain.front()) || line.back().SamePlace(chain.front());
            const bool atLast =
                line.front().SamePlace(chain.back()) || line.back().SamePlace(chain.back());
            if (!atFirst && !atLast) continue;
            joined[i] = true;
            more = true;
            if (atFirst) {
                chain = Reversed(chain);
                reversed = !reversed;
            }
            if (line.back().SamePlace(chain.back())) line = Reversed(line);
            AppendJoined(chain, line);
        }
    }
    if (reversed) chain = Reversed(chain);

    join.first = lines[j];
    for (size_t i = 0; i < lines.size(); ++i)
        if (joined[i]) join.removed.push_back(lines[i]);
    MakeJoinedLine(join, chain);
    Clear();
    NoteModelChange();
    return true;
}
