// The reinforcement lines in the family table: every line copied in with the forces at its
// points, and on OK made again from the table's lines in the table's order.
#include "graphics/line_table_dialogs.h"
#include "loads/reinforcement_line.h"

bool Cpp_ReinforcementLineList::EditInTable() {
    s_LineFamilyTable table;
    table.kind = s_LineFamilyTable::Reinforcement;
    table.displayLines = GetDisplayLines();
    table.displayPoints = GetDisplayPoints();
    table.displayLongitudinalForce = GetDisplayLongitudinalForce();
    table.displayTransverseForce = GetDisplayTransverseForce();
    for (int i = 0; i < Count(); ++i) {
        const Cpp_ReinforcementLine* line = ReinforcementLineAt(i);
        s_LineFamilyLine copy;
        copy.number = line->GetNumber();
        copy.description = line->Description();
        copy.maximumRotation = line->GetAngle();
        copy.forceOption = line->GetForceOption();
        for (const Cpp_ReinforcementPoint* p = line->FirstReinforcementPoint(); p;
             p = p->NextPoint())
            copy.points.push_back({p->X(), p->Y(), p->longitudinalForce, p->transverseForce});
        table.lines.push_back(std::move(copy));
    }
    if (table.lines.empty()) table.fields.number = 1;
    if (!LineFamilyGridDialogSlot().Get().Run(table)) return false;
    SetDisplayLines(table.displayLines);
    SetDisplayPoints(table.displayPoints);
    SetDisplayLongitudinalForce(table.displayLongitudinalForce);
    SetDisplayTransverseForce(table.displayTransverseForce);
    DeleteAllLines();
    // The table gives every line its own number, so no line replaces another here.
    for (const s_LineFamilyLine& copy : table.lines) {
        Cpp_ReinforcementLine* line = AddNewLine(copy.number, copy.description.c_str(),
                                                 copy.maximumRotation, copy.forceOption);
        Cpp_PointXY* last = nullptr;
        for (const s_LineFamilyPoint& p : copy.points)
            last = line->AddPointAfter(last, p.x, p.y, p.longitudinalForce, p.transverseForce);
    }
    return true;
}
