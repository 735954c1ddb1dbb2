// The openers of the load tables: the loads of a stage copied into the table's record, and
// rebuilt from it after OK.
#include "loads/distributed_load_data.h"
#include "loads/line_load.h"
#include "loads/load_table_dialogs.h"

#include <memory>

namespace {

class CancellingLoadTables final : public Cpp_LoadTableDialogs {
public:
    bool EditDistributedLoads(s_DistributedLoadTable&) override { return false; }
    bool EditLineLoads(s_LineLoadTable&) override { return false; }
};

}  // namespace

DialogSlot<Cpp_LoadTableDialogs>& LoadTableDialogsSlot() {
    static DialogSlot<Cpp_LoadTableDialogs> slot("load tables",
                                                 std::make_unique<CancellingLoadTables>());
    return slot;
}

bool Cpp_DistributedLoadData::EditInTable(int defaultLineNumber) {
    s_DistributedLoadTable table;
    table.stage = stage_;
    table.piezometricLine = piezometricLine_ > 0    ? piezometricLine_
                            : defaultLineNumber > 0 ? defaultLineNumber
                                                    : 1;
    table.points = GetPoints();
    table.fromPiezometricLine = usesPiezometricLine_;
    if (!LoadTableDialogsSlot().Get().EditDistributedLoads(table)) return false;
    DeleteAllPoints();
    usesPiezometricLine_ = table.fromPiezometricLine;
    if (table.fromPiezometricLine) {
        piezometricLine_ = table.piezometricLine;
    } else {
        piezometricLine_ = 0;
        for (const s_DistributedLoadPoint& p : table.points) AddPoint(p.x, p.y, p.normal, p.shear);
    }
    return true;
}

bool Cpp_LineLoadList::EditInTable() {
    s_LineLoadTable table;
    table.stage = stage_;
    table.loads = GetTableRecords();
    if (!LoadTableDialogsSlot().Get().EditLineLoads(table)) return false;
    SetFromTableRecords(table.loads);
    return true;
}
