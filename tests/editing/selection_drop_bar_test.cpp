// After a selected item is dragged and dropped, its bar shows the item where it now is: the
// values the bar held at the pick would otherwise go back into the item with the next Enter.

#include "core/cursor_mode.h"
#include "core/units.h"
#include "editing/cursor_modes.h"
#include "editing/edit_modes.h"
#include "editing/selection_edit_commands.h"
#include "editing/selection_list.h"
#include "editing/tool_dialog_bars.h"
#include "editing/view_input_fixture.h"
#include "loads/distributed_load_data.h"
#include "model/data_set.h"
#include "model/data_sets.h"

#include <tuple>
#include <vector>

namespace {

using Values = std::tuple<double, double, double, double>;

class SelectionDropBarTest : public ViewInputTest {
protected:
    void SetUp() override {
        ViewInputTest::SetUp();
        ds = Cpp_Kliven4Data::CurrentDataSet();
        Cpp_Kliven4DataSet::SetCurrentStage(1);
        GetCurrentSelection().Clear();
        ResetToolBars();
        host.editMode = EditModeSelect;
        Cpp_DistributedLoadData::SetLargestValue(100.0);
        Cpp_DistributedLoadData::ComputeLoadScale(GetUnitSystem());
    }
    void TearDown() override {
        GetCurrentSelection().Clear();
        Loads().DeleteAllPoints();
        ResetToolBars();
    }

    Cpp_DistributedLoadData& Loads() { return *ds->DistributedLoads(1); }
    std::vector<Values> Points() {
        std::vector<Values> values;
        for (const s_DistributedLoadPoint& p : Loads().GetPoints())
            values.emplace_back(p.x, p.y, p.normal, p.shear);
        return values;
    }
    static Values Bar() {
        double x = 0, y = 0, normal = 0, shear = 0;
        TheToolBars().distributedLoad.GetLoadData(x, y, normal, shear);
        return {x, y, normal, shear};
    }

    Cpp_Kliven4DataSet* ds = nullptr;
};

// The second of three load points, picked at (200, 100) (pixel (200, 200)), dragged to world
// (240, 130) and dropped with a click: the bar shows (240, 130) with the point's stresses, and a
// following Enter leaves the point there.
TEST_F(SelectionDropBarTest, ADroppedLoadPointShowsItsNewPlaceInTheBarAndEnterKeepsIt) {
    Loads().SetPoints({{100, 100, 10, 0}, {200, 100, 30, 5}, {300, 100, 10, 0}});
    Cpp_Selection s;
    s.SetLoadPointItem(ds, 1, SEL_LOAD_POINT, Loads().GetFirstListItem()->NextPoint());
    GetCurrentSelection().AddCopy(s);
    GetCurrentSelection().GetNth(1)->UpdateToolBars();
    ASSERT_EQ(Bar(), (Values{200, 100, 30, 5}));

    ASSERT_TRUE(ChangeValueOfSelection(host, 200, 200));
    EXPECT_EQ(GetCursorMode(), CursorModeChangeDistributedLoadPoint);
    Move(240, 170);
    Click(240, 170);
    EXPECT_EQ(GetCursorMode(), CursorModeNone);
    const std::vector<Values> dropped{{100, 100, 10, 0}, {240, 130, 30, 5}, {300, 100, 10, 0}};
    EXPECT_EQ(Points(), dropped);
    EXPECT_EQ(Bar(), (Values{240, 130, 30, 5}));
    EXPECT_EQ(host.dataChanges.size(), 1u);

    Key(ViewKeyEnter);
    EXPECT_EQ(Points(), dropped);
}

}  // namespace
