// The unit lists: their entries in code order, nothing chosen at first, and the stress list's
// entries against the stress codes of the data.

#include "core/units.h"
#include "dialogs/unit_lists.h"

#include <gtest/gtest.h>

namespace {

TEST(UnitLists, HoldTheirEntriesInCodeOrderWithNothingChosen) {
    dialogs::CmLengthUnitsList length;
    dialogs::CmForceUnitsList force;
    dialogs::CmForcePerLengthUnitsList perLength;
    dialogs::CmAreaUnitsList area;
    dialogs::CmStressUnitsList stress;
    const struct {
        QComboBox* list;
        int count;
        int index;
        const char* entry;
    } cases[] = {
        {&length, 5, LengthMeters, "Meters"},
        {&force, 5, ForceKilonewtons, "KiloNewtons"},
        {&force, 5, ForceKilogramsForce, "Kilograms force"},
        {&perLength, 13, 9, "N/m"},
        {&perLength, 13, 12, "kN/m"},
        {&area, 5, 1, "sq. ins."},
        {&stress, 6, 5, "kilo-pascal"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.entry);
        EXPECT_EQ(c.list->count(), c.count);
        EXPECT_EQ(c.list->itemText(c.index), c.entry);
        EXPECT_EQ(c.list->currentIndex(), -1);
    }
}

// A stress chosen in the list converts as the data's code for the same unit.
TEST(UnitLists, StressEntriesMapToTheDataCodes) {
    const struct {
        int index;
        int code;
    } pairs[] = {{0, 0}, {1, 1}, {2, 2}, {3, 3}, {4, 7}, {5, 8}};
    for (const auto& p : pairs) {
        EXPECT_EQ(dialogs::StressCodeOfListIndex(p.index), p.code);
        EXPECT_EQ(dialogs::StressListIndexOfCode(p.code), p.index);
    }
    EXPECT_EQ(dialogs::StressCodeOfListIndex(-1), -1);
    EXPECT_EQ(dialogs::StressCodeOfListIndex(6), -1);
    EXPECT_EQ(dialogs::StressListIndexOfCode(4), -1);
    // 1 kilo-pascal is 1000 pascal.
    EXPECT_DOUBLE_EQ(s_UnitValueType(1.0, dialogs::StressCodeOfListIndex(5))
                         .StressIn(dialogs::StressCodeOfListIndex(4)),
                     1000.0);
}

}  // namespace
