// The opener of the interpolation point table: one kind's points of the stage and its file
// choice into the table, and back after OK.
#include "porepressure/interpolation_data.h"
#include "porepressure/interpolation_table_dialog.h"

#include <algorithm>
#include <memory>

namespace {

class CancellingInterpolationTable final : public InterpolationGridDialog {
public:
    bool Run(s_InterpolationTable&) override { return false; }
};

}  // namespace

DialogSlot<InterpolationGridDialog>& InterpolationGridDialogSlot() {
    static DialogSlot<InterpolationGridDialog> slot(
        "interpolation point table", std::make_unique<CancellingInterpolationTable>());
    return slot;
}

DialogSlot<InterpolationGridDialog>& InterpolationListDialogSlot() {
    static DialogSlot<InterpolationGridDialog> slot(
        "interpolation point list", std::make_unique<CancellingInterpolationTable>());
    return slot;
}

bool Cpp_InterpolationData::EditWithGridDialog(int kind) { return EditPoints(kind, false); }

bool Cpp_InterpolationData::EditWithInputDialog(int kind) { return EditPoints(kind, true); }

bool Cpp_InterpolationData::EditPoints(int kind, bool list) {
    s_InterpolationTable table;
    table.kind = kind;
    table.stage = stage_;
    s_SourceRecord& source = Source(RecordOfKind(kind));
    const bool pressures = kind == 1;
    table.source = pressures ? std::max(source.source, 0) : (source.source == 1 ? 1 : 0);
    // The recorded file shows in the group it came from (other kinds: the generic group only).
    const int group = source.source - 1;
    if (group >= 0 && group < s_InterpolationTable::kGroups && (pressures || group == 0)) {
        table.import[static_cast<std::size_t>(group)] = true;
        table.read[static_cast<std::size_t>(group)] = source.importToPreprocessor;
        table.fileName[static_cast<std::size_t>(group)] = source.fileName;
    }
    for (const auto& set : sets_) {
        if (set->Kind() != kind) continue;
        for (const Cpp_InterpolationPoint& p : set->Points())
            table.points.push_back({p.X(), p.Y(), p.Value(), set->Material()});
    }
    // The list shows the pressures loaded from the data with no known source.
    if (list && pressures) table.source = -1;
    if (!(list ? InterpolationListDialogSlot() : InterpolationGridDialogSlot()).Get().Run(table))
        return false;

    DeleteDataSetsOfKind(kind);
    s_SourceRecord chosen;
    chosen.source = 0;
    for (int g = 0; g < s_InterpolationTable::kGroups; ++g) {
        if (!table.import[static_cast<std::size_t>(g)] || (!pressures && g > 0)) continue;
        chosen.source = g + 1;
        chosen.fileName = table.fileName[static_cast<std::size_t>(g)];
        chosen.importToPreprocessor = table.read[static_cast<std::size_t>(g)];
        break;
    }
    source = chosen;
    for (const InterpolationPtType& p : table.points) {
        Cpp_InterpolationDataSet* receiving = nullptr;
        AddPointToDataSet(kind, p.material, p.x, p.y, p.value, 0.0, 0.0, receiving);
    }
    RebuildAllBackLinks();
    TriangulateAll(nullptr);
    ComputeAllBoundaries();
    return true;
}
