// The kind table of selected items: what every row must hold so that a kind added as one row
// answers like the others (a name, a point to move, the flags the commands read), and the
// answers for a code that has no row.

#include "editing/selection.h"
#include "editing/selection_kinds.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace selection_flags;

TEST(SelectionKindsTest, EveryRowIsCompleteForWhatItsFlagsPromise) {
    for (const s_SelectionKindRow& row : SelectionKindRows()) {
        SCOPED_TRACE("kind " + std::to_string(row.kind));
        const s_SelectionFamilyOps& ops = SelectionFamilyOps(row.family);
        EXPECT_EQ(ops.family, row.family);
        // A kind that is listed gets a name, unless it is one of the kinds without texts.
        if (row.family != e_SelectionFamily::Unnamed &&
            row.family != e_SelectionFamily::Unrecognized) {
            EXPECT_TRUE(row.name || ops.name);
        }
        // A point kind can be moved and snapped to: its point is read from somewhere.
        if (row.flags & kPoint) {
            EXPECT_NE(row.point, e_SelectionPoint::None);
        }
        // A point is no segment; the line tools extend points and turn segments.
        EXPECT_FALSE((row.flags & kPoint) && (row.flags & kSegment));
        EXPECT_FALSE((row.flags & kLinePoint) && (row.flags & kLineSegment));
        if (row.flags & kSegment) {
            EXPECT_TRUE(row.flags & kLineSegment);
        }
        // A joinable line item refers to its line.
        if (row.flags & kJoinable) {
            EXPECT_TRUE(row.flags & kLineRef);
        }
    }
}

TEST(SelectionKindsTest, CodesWithoutARowAnswerAsUnknown) {
    for (int code : {0, 1, 3, 5, 45, 151, 1000}) {
        SCOPED_TRACE(code);
        EXPECT_EQ(FindSelectionKind(code), nullptr);
        Cpp_Selection item;
        s_SelectionReferences refs;
        item.SetFromValues(nullptr, 0, code, refs);
        std::string name = "before", prompt = "before", tip = "before";
        item.GetName(name);
        item.GetPromptText(prompt);
        EXPECT_EQ(name, "Unrecognized item");
        EXPECT_EQ(prompt, "Unrecognized selection");
        EXPECT_FALSE(item.GetToolTipText(tip));
        EXPECT_EQ(tip, "before");
        EXPECT_FALSE(item.IsPointItem());
        EXPECT_TRUE(item.TargetExists());
        s_tagTypePointXY point{7, 8};
        EXPECT_FALSE(item.GetPointXY(point));
        EXPECT_EQ(point.x, 7);
        const s_tagTypePointXY at = item.GetItemPosition();
        EXPECT_EQ(at.x, 0);
        EXPECT_EQ(at.y, 0);
    }
}

TEST(SelectionKindsTest, LookupFindsEachRowByItsKind) {
    for (const s_SelectionKindRow& row : SelectionKindRows())
        EXPECT_EQ(FindSelectionKind(row.kind), &row);
}

}  // namespace
