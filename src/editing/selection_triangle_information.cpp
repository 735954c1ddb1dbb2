// "Get Information" on a selected interpolation triangle: its centroid and circumcircle in
// "Information on Selected Item".

#include "editing/selection.h"
#include "editing/selection_edit_support.h"
#include "editing/selection_kinds.h"
#include "editing/selection_list.h"
#include "porepressure/interpolation_data.h"
#include "porepressure/triangle.h"
#include "porepressure/triangulation_drawing.h"

namespace {

// The record's triangle while its data set still holds it (a change of the triangulation frees
// the triangles the record may name); null otherwise.
const Cpp_Triangle* LiveTriangleOf(const Cpp_Selection& item) {
    Cpp_InterpolationDataSet* set = selection_edit::InterpolationSetOf(item);
    const auto* wanted = static_cast<const Cpp_Triangle*>(item.GetItemReferences().ref3);
    if (!set || !wanted) return nullptr;
    for (const Cpp_Triangle* t = set->GetTriangleList().First(); t; t = t->Next())
        if (t == wanted) return t;
    return nullptr;
}

}  // namespace

bool Cpp_Selection::ShowTriangleInformation() const {
    if (type_ == SEL_MATERIAL_REGION) return true;
    if (!SelectionKindHas(type_, selection_flags::kInterpolation | selection_flags::kTriangle))
        return false;
    const Cpp_Triangle* triangle = LiveTriangleOf(*this);
    if (!triangle) return false;
    ShowCircumcircleAndCentroid(*triangle);
    return true;
}

bool Cpp_SelectionList::ShowInformation() const {
    const Cpp_Selection* first = GetNth(1);
    if (!first || !IsLive(first)) return false;
    return first->ShowTriangleInformation();
}
