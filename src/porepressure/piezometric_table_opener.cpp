// The piezometric lines of a stage in the family table: every line copied in, and on OK made
// again from the table's lines in the table's order.
#include "core/preferences.h"
#include "graphics/line_table_dialogs.h"
#include "porepressure/piezometric_line.h"

bool Cpp_PiezometricLineList::EditWithGridDialog() {
    s_LineFamilyTable table;
    table.kind = s_LineFamilyTable::Piezometric;
    table.stage = GetStage();
    table.displayLines = GetShowLines();
    table.displayPoints = GetShowPoints();
    for (int i = 0; i < Count(); ++i) {
        const Cpp_PiezometricLine* line = PiezometricLineAt(i);
        s_LineFamilyLine copy;
        copy.number = line->GetNumber();
        copy.unitWeight = line->UnitWeight();
        copy.description = line->Description();
        for (const Cpp_PointXY* p = line->FirstPoint(); p; p = p->Next())
            copy.points.push_back({p->X(), p->Y()});
        table.lines.push_back(std::move(copy));
    }
    if (table.lines.empty()) {
        table.fields.number = 1;
        table.fields.unitWeight = Cpp_KlivenSettings::UnitWeightOfWater();
    }
    if (!LineFamilyGridDialogSlot().Get().Run(table)) return false;
    SetShowLines(table.displayLines);
    SetShowPoints(table.displayPoints);
    Clear();
    for (const s_LineFamilyLine& copy : table.lines) {
        Cpp_PiezometricLine* line = CreateLine(copy.number, copy.unitWeight, copy.description);
        Cpp_PointXY* last = nullptr;
        for (const s_LineFamilyPoint& p : copy.points)
            last = line->InsertPointAfter(last, p.x, p.y);
    }
    return true;
}
