// The profile lines in the family table: every line copied in, and on OK made again from the
// table's lines in the table's order.
#include "graphics/line_table_dialogs.h"
#include "profile/profile_line.h"

bool Cpp_ProfileLineList::EditWithGridDialog() {
    s_LineFamilyTable table;
    table.kind = s_LineFamilyTable::Profile;
    table.displayLines = GetShowLines();
    table.displayPoints = GetShowPoints();
    for (int i = 0; i < Count(); ++i) {
        const Cpp_ProfileLine* line = ProfileLineAt(i);
        s_LineFamilyLine copy;
        copy.number = line->GetNumber();
        copy.materialNumber = line->GetMaterialNumber();
        copy.description = line->Description();
        for (const Cpp_PointXY* p = line->FirstPoint(); p; p = p->Next())
            copy.points.push_back({p->X(), p->Y()});
        table.lines.push_back(std::move(copy));
    }
    if (!LineFamilyGridDialogSlot().Get().Run(table)) return false;
    SetShowLines(table.displayLines);
    SetShowPoints(table.displayPoints);
    DeleteAllLines();
    // The table stores no line whose number or material number is below 1.
    for (const s_LineFamilyLine& copy : table.lines) {
        Cpp_ProfileLine* line = CreateLine(copy.number, copy.materialNumber, copy.description);
        Cpp_PointXY* last = nullptr;
        for (const s_LineFamilyPoint& p : copy.points)
            last = line->InsertPointAfter(last, p.x, p.y);
    }
    return true;
}
