// The openers of the load tables and of their list-style windows: the loads of a stage copied
// into the record, and rebuilt from it after OK.
#include "loads/distributed_load_data.h"
#include "loads/line_load.h"
#include "loads/load_list_dialogs.h"
#include "loads/load_table_dialogs.h"
#include "loads/reinforcement_line.h"

#include <map>
#include <memory>
#include <string>

namespace {

class CancellingLoadTables final : public Cpp_LoadTableDialogs {
public:
    bool EditDistributedLoads(s_DistributedLoadTable&) override { return false; }
    bool EditLineLoads(s_LineLoadTable&) override { return false; }
};

class CancellingLoadLists final : public Cpp_LoadListDialogs {
public:
    bool EditDistributedLoads(s_DistributedLoadTable&) override { return false; }
    bool EditLineLoads(s_LineLoadTable&) override { return false; }
    bool EditReinforcementLines(s_ReinforcementLineListType&) override { return false; }
};

}  // namespace

DialogSlot<Cpp_LoadListDialogs>& LoadListDialogsSlot() {
    static DialogSlot<Cpp_LoadListDialogs> slot("load lists",
                                                std::make_unique<CancellingLoadLists>());
    return slot;
}

DialogSlot<Cpp_LoadTableDialogs>& LoadTableDialogsSlot() {
    static DialogSlot<Cpp_LoadTableDialogs> slot("load tables",
                                                 std::make_unique<CancellingLoadTables>());
    return slot;
}

bool Cpp_DistributedLoadData::EditInTable(int defaultLineNumber) {
    return EditRecord(defaultLineNumber, [](s_DistributedLoadTable& table) {
        return LoadTableDialogsSlot().Get().EditDistributedLoads(table);
    });
}

bool Cpp_DistributedLoadData::EditInDialog(int defaultLineNumber) {
    return EditRecord(defaultLineNumber, [](s_DistributedLoadTable& table) {
        return LoadListDialogsSlot().Get().EditDistributedLoads(table);
    });
}

bool Cpp_DistributedLoadData::EditRecord(int defaultLineNumber,
                                         const std::function<bool(s_DistributedLoadTable&)>& run) {
    s_DistributedLoadTable table;
    table.stage = stage_;
    table.piezometricLine = piezometricLine_ > 0    ? piezometricLine_
                            : defaultLineNumber > 0 ? defaultLineNumber
                                                    : 1;
    table.points = GetPoints();
    table.fromPiezometricLine = usesPiezometricLine_;
    if (!run(table)) return false;
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

bool Cpp_LineLoadList::EditInDialog() {
    s_LineLoadTable table;
    table.stage = stage_;
    table.loads = GetTableRecords();
    if (!LoadListDialogsSlot().Get().EditLineLoads(table)) return false;
    SetFromTableRecords(table.loads);
    return true;
}

bool Cpp_ReinforcementLineList::EditInDialog() {
    s_ReinforcementLineListType record;
    record.displayLines = GetDisplayLines();
    record.displayPoints = GetDisplayPoints();
    record.displayLongitudinal = GetDisplayLongitudinalForce();
    record.displayTransverse = GetDisplayTransverseForce();
    for (int i = 0; i < Count(); ++i) {
        const Cpp_ReinforcementLine* line = ReinforcementLineAt(i);
        s_ReinforcementLineCopy copy;
        copy.number = line->GetNumber();
        copy.angle = line->GetAngle();
        copy.forceOption = line->GetForceOption();
        line->CopyPointsToArray(copy.points);
        record.lines.push_back(std::move(copy));
    }
    if (!LoadListDialogsSlot().Get().EditReinforcementLines(record)) return false;
    // The window carries no descriptions; a line that keeps its number keeps its description
    // rather than losing it to an OK.
    std::map<int, std::string> descriptions;
    for (int i = 0; i < Count(); ++i)
        descriptions[ReinforcementLineAt(i)->GetNumber()] = ReinforcementLineAt(i)->Description();
    SetDisplayLines(record.displayLines);
    SetDisplayPoints(record.displayPoints);
    SetDisplayLongitudinalForce(record.displayLongitudinal);
    SetDisplayTransverseForce(record.displayTransverse);
    DeleteAllLines();
    for (const s_ReinforcementLineCopy& copy : record.lines) {
        Cpp_ReinforcementLine* line = AddNewLine(copy.number, descriptions[copy.number].c_str(),
                                                 copy.angle, copy.forceOption);
        for (const s_ReinforcementLinePtType& p : copy.points)
            line->AddPoint(p.x, p.y, p.longitudinalForce, p.transverseForce);
    }
    return true;
}
