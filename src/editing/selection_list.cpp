#include "editing/selection_list.h"

#include "core/point_xy.h"
#include "graphics/graphics.h"
#include "loads/reinforcement_line.h"
#include "model/data_set.h"
#include "model/program_state.h"
#include "platform/device_context.h"
#include "profile/profile_line.h"
#include "registry/view_preparations.h"

#include <cmath>
#include <span>

unsigned long Cpp_SelectionList::generation_ = 0;

void Cpp_SelectionList::PushBack(const Cpp_Selection& record) {
    nodes_.push_back(record);
    generations_.push_back(generation_);
}

void Cpp_SelectionList::PushFront(const Cpp_Selection& record) {
    nodes_.push_front(record);
    generations_.push_front(generation_);
}

Cpp_Selection* Cpp_SelectionList::Add(Cpp_Kliven4DataSet* dataSet, int stage, int kind, void* line,
                                      void* point) {
    Cpp_Selection record;
    try {
        record.SetPointItem(dataSet, stage, kind, line, point);
    } catch (const Cpp_Selection::Exc_BadTypeOfPointSelection&) {
        return nullptr;
    }
    PushBack(record);
    return &nodes_.back();
}

Cpp_Selection* Cpp_SelectionList::AddItem(Cpp_Kliven4DataSet* dataSet, int stage, int kind,
                                          const s_SelectionReferences& references) {
    Cpp_Selection record;
    record.SetFromValues(dataSet, stage, kind, references);
    PushBack(record);
    return &nodes_.back();
}

bool Cpp_SelectionList::AddCopy(const Cpp_Selection& record) {
    PushBack(record);
    return true;
}

void Cpp_SelectionList::Clear() {
    nodes_.clear();
    generations_.clear();
}

void Cpp_SelectionList::ClearAndErase() {
    while (!nodes_.empty()) {
        if (IsLive(&nodes_.back())) nodes_.back().Erase();
        nodes_.pop_back();
        generations_.pop_back();
    }
}

Cpp_Selection* Cpp_SelectionList::GetLast() { return nodes_.empty() ? nullptr : &nodes_.back(); }

Cpp_Selection* Cpp_SelectionList::GetNth(int n) {
    return n >= 1 && n <= Count() ? &nodes_[static_cast<size_t>(n - 1)] : nullptr;
}

const Cpp_Selection* Cpp_SelectionList::GetNth(int n) const {
    return n >= 1 && n <= Count() ? &nodes_[static_cast<size_t>(n - 1)] : nullptr;
}

bool Cpp_SelectionList::AllOfOneType() const {
    if (nodes_.empty()) return false;
    for (const Cpp_Selection& s : nodes_)
        if (s.GetType() != nodes_.front().GetType()) return false;
    return true;
}

bool Cpp_SelectionList::SaveOption() {
    const bool previous = kindFilter_;
    savedKindFilter_ = kindFilter_;
    kindFilter_ = false;
    return previous;
}

bool Cpp_SelectionList::IsLive(const Cpp_Selection* node) const {
    for (size_t i = 0; i < nodes_.size(); ++i)
        if (&nodes_[i] == node) return generations_[i] == generation_;
    return false;
}

// Band and box selection.

namespace {

bool InsideRing(double x, double y, const void* shape) {
    const auto& ring = *static_cast<const std::vector<Cpp_PointXY>*>(shape);
    return Cpp_PointXY(x, y).IsInsidePolygon(std::span<const Cpp_PointXY>(ring), 0.0) >= 0;
}

struct s_Box {
    double xmin, xmax, ymin, ymax;
};
bool InsideBox(double x, double y, const void* shape) {
    const auto& b = *static_cast<const s_Box*>(shape);
    return b.xmin <= x && x <= b.xmax && b.ymin <= y && y <= b.ymax;
}

}  // namespace

void Cpp_SelectionList::AddInsidePoints(Cpp_Kliven4DataSet* dataSet,
                                        bool (*inside)(double, double, const void*),
                                        const void* shape) {
    const Cpp_ProfileLineList& profile = dataSet->ProfileLines();
    if (profile.GetShowPoints() && (!kindFilter_ || Cpp_ProfileLineList::GetPickFilter(1))) {
        for (const auto& line : profile.Lines())
            for (Cpp_PointXY* p = line->FirstPoint(); p; p = p->Next())
                if (inside(p->X(), p->Y(), shape))
                    if (Cpp_Selection* s = Add(dataSet, 0, SEL_PROFILE_POINT, line.get(), p))
                        s->RedrawHighlighted();
    }
    const Cpp_ReinforcementLineList& rein = *dataSet->ReinforcementLines();
    if (rein.GetDisplayPoints() &&
        (!kindFilter_ || Cpp_ReinforcementLineList::GetSelectionFilterD())) {
        for (const auto& line : rein.Lines())
            for (Cpp_PointXY* p = line->FirstPoint(); p; p = p->Next())
                if (inside(p->X(), p->Y(), shape))
                    if (Cpp_Selection* s = Add(dataSet, 0, SEL_REINFORCEMENT_POINT, line.get(), p))
                        s->RedrawHighlighted();
    }
}

bool Cpp_SelectionList::SelectInBand(Cpp_Kliven4DataSet* dataSet,
                                     const platform::DevicePoint corners[4]) {
    if (!dataSet) return false;
    std::vector<Cpp_PointXY> ring;
    for (int i = 0; i <= 4; ++i) {
        double x = 0, y = 0;
        Cpp_Graphics::PixelToWorldPoint(corners[i % 4].x, corners[i % 4].y, x, y);
        ring.emplace_back(x, y);
    }
    AddInsidePoints(dataSet, &InsideRing, &ring);
    return true;
}

bool Cpp_SelectionList::SelectProfilePointsInBox(Cpp_Kliven4DataSet* dataSet, int x1, int y1,
                                                 int x2, int y2) {
    if (!dataSet) return false;
    s_Box box;
    box.xmin = Cpp_Graphics::PixelToX(std::min(x1, x2));
    box.xmax = Cpp_Graphics::PixelToX(std::max(x1, x2));
    box.ymax = Cpp_Graphics::PixelToY(std::min(y1, y2));
    box.ymin = Cpp_Graphics::PixelToY(std::max(y1, y2));
    AddInsidePoints(dataSet, &InsideBox, &box);
    return true;
}

// The program-wide lists.

namespace {

struct s_Lists {
    Cpp_SelectionList current;
    Cpp_SelectionList picks;
};

s_Lists& Lists() {
    static s_Lists* lists = [] {
        AddProgramStateReset(&ClearSelectionLists);
        return new s_Lists;
    }();
    return *lists;
}

}  // namespace

Cpp_SelectionList& GetCurrentSelection() { return Lists().current; }
Cpp_SelectionList& GetPickList() { return Lists().picks; }

void ClearSelectionLists() {
    for (Cpp_SelectionList* list : {&GetCurrentSelection(), &GetPickList()}) {
        list->Clear();
        list->SetAddMode(false);
        list->SetKindFilter(false);
    }
    Cpp_SelectionList::NoteModelChange();
}

namespace {

void DrawCurrentSelection(platform::DeviceContext& dc, Cpp_Kliven4DataSet*) {
    Cpp_SelectionList& list = GetCurrentSelection();
    for (int n = 1; const Cpp_Selection* s = list.GetNth(n); ++n)
        if (list.IsLive(s)) s->DrawHighlighted(dc);
}

}  // namespace

void RegisterSelectionDrawing() {
    RegisterAfterDataDrawing(e_AfterDataStep::SelectionMarks, &DrawCurrentSelection);
}

double PickToleranceInWorld() { return PixelsToWorldLength(5); }
double PixelsToWorldLength(double pixels) { return Cpp_Graphics::PixelsToWorldLength(pixels); }
