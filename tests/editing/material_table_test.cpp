// The material property table of a stage: drawn under its display flag as a boxed grid of the
// materials, picked by a click (inside, or on a grid line), and moved by a held drag or by the
// drag step started from the selection, which a click drops and Escape abandons.

#include "analysis/analysis_computation_data.h"
#include "core/string_table.h"
#include "core/text_files.h"
#include "editing/cursor_modes.h"
#include "editing/selection_edit_commands.h"
#include "editing/selection_list.h"
#include "editing/view_input_fixture.h"
#include "graphics/palette.h"
#include "model/data_set.h"
#include "model/data_sets.h"
#include "model/subsystem_registration.h"
#include "model/view_painting.h"
#include "profile/material_properties.h"
#include "registry/data_set_drawing.h"

#include <algorithm>
#include <string>
#include <vector>

namespace {

using platform::DcRecordKind;
using platform::DevicePoint;

// Material 3 comes first in the file; the table lists by number.
const char kMaterials[] = "     3 Rock\n"
                          "          150\n"
                          "          Very Strong\n"
                          "     1 Embankment fill\n"
                          "          125\n"
                          "          Conventional\n"
                          "          100 32\n"
                          "          Piezometric Line NegativeOK\n"
                          "          1 -200\n"
                          "\n";

// A 1000 x 700 view, one pixel a unit, y up: pixel (x, y) is world (x, 700 - y).
class MaterialTableTest : public ViewInputTest {
protected:
    void SetUp() override {
        ViewInputTest::SetUp();
        Cpp_Graphics::SetScaleState(0, 1000, 0, 700, 0, 1, 700, -1, 0, 1000, 0, 700);
        RegisterDrawingLayers();
        FillStringTable({{1309, "Right-click for edit options"}});
        Cpp_Kliven4Data::DeleteAllDataSets();
        ds = Cpp_Kliven4Data::CurrentDataSet();
        InputText input(kMaterials);
        ASSERT_TRUE(ds->MaterialData().ReadInput(input.get(), nullptr, 1, false));
    }
    void TearDown() override {
        Cpp_Kliven4Data::DeleteAllDataSets();
        Cpp_DataSetDrawing::ResetRegistry();
    }
    void Show(int stage, bool on) { ds->DisplayFlags().materialTable[stage - 1] = on; }
    void Draw() {
        dc.Clear();
        Cpp_ScopedGraphicsDC current(dc, Cpp_Graphics::kOutputScreen);
        ds->Draw(0, true, 0, 0, 1000, 700);
        ASSERT_TRUE(Cpp_DataSetDrawing::Reported().empty());
    }
    std::vector<std::string> Texts() const {
        std::vector<std::string> texts;
        for (const platform::DcRecord& r : dc.OfKind(DcRecordKind::Text)) texts.push_back(r.text);
        return texts;
    }
    Cpp_MaterialTableLayout& Table(int stage = 1) { return ds->MaterialData().TableLayout(stage); }
    // The table's box in pixels, from its grid lines.
    platform::DeviceRect Box(int stage = 1) {
        const Cpp_MaterialTableLayout& t = Table(stage);
        if (t.ColumnLines().empty() || t.RowLines().empty()) return {};
        return {t.ColumnLines().front(), t.RowLines().front(), t.ColumnLines().back(),
                t.RowLines().back()};
    }
    // The outline drawn last (the border).
    std::vector<DevicePoint> Border() const {
        const auto lines = dc.OfKind(DcRecordKind::Polyline);
        return lines.empty() ? std::vector<DevicePoint>{} : lines.back().points;
    }
    static std::vector<DevicePoint> Outline(const platform::DeviceRect& b) {
        return {{b.left, b.top},
                {b.right, b.top},
                {b.right, b.bottom},
                {b.left, b.bottom},
                {b.left, b.top}};
    }
    const Cpp_Selection* Selected() { return GetCurrentSelection().GetNth(1); }

    Cpp_Kliven4DataSet* ds = nullptr;
    platform::RecordingDeviceContext dc{1000, 700};
};

TEST_F(MaterialTableTest, AShownTableIsABoxedGridOfTheMaterialsByNumberAtTheUpperRight) {
    Show(1, true);
    Draw();
    EXPECT_EQ(Texts(),
              (std::vector<std::string>{
                  "Material Properties", "Material", "Description", "Unit Weight", "Shear Strength",
                  "Pore Water Pressure", "1", "Embankment fill", "125.00",
                  "Cohesion: 100.00, Friction angle: 32.00", "Piezometric line: 1", "3", "Rock",
                  "150.00", "Strength option: Very strong"}));
    for (const platform::DcRecord& r : dc.OfKind(DcRecordKind::Text))
        EXPECT_EQ(r.attributes.textColor, Cpp_WindowsPalette::RGBColor(30)) << r.text;
    // Title, heading and two materials; five columns. Ten pixels in from the area's corner.
    const Cpp_MaterialTableLayout& t = Table();
    ASSERT_EQ(t.RowLines().size(), 5u);
    ASSERT_EQ(t.ColumnLines().size(), 6u);
    const platform::DeviceRect box = Box();
    EXPECT_EQ(box.right, 990);
    EXPECT_EQ(box.top, 10);
    EXPECT_EQ(Border(), Outline(box));
    // The first cell's text stands inside its cell.
    const platform::DcRecord number = dc.OfKind(DcRecordKind::Text)[6];
    EXPECT_GT(number.points[0].x, t.ColumnLines()[0]);
    EXPECT_LT(number.points[0].x, t.ColumnLines()[1]);
    EXPECT_GT(number.points[0].y, t.RowLines()[2]);
    EXPECT_LT(number.points[0].y, t.RowLines()[3]);
    // Its rectangle in world units, for picking.
    EXPECT_DOUBLE_EQ(t.Left(), box.left);
    EXPECT_DOUBLE_EQ(t.Bottom(), 700 - box.bottom);
    EXPECT_FALSE(t.IsAnchored());
}

// The printer and the clipboard picture draw the table too, but only the screen places it for
// picking.
TEST_F(MaterialTableTest, APrintedPageShowsTheTableAndLeavesItsPlaceOnTheScreen) {
    Show(1, true);
    Draw();
    const std::vector<int> rows = Table().RowLines(), columns = Table().ColumnLines();
    dc.Clear();
    PaintProblemView(dc, {0, 0, 2000, 1400}, ds, Cpp_Graphics::kOutputPrinter, 1);
    const std::vector<std::string> texts = Texts();
    EXPECT_NE(std::find(texts.begin(), texts.end(), "Material Properties"), texts.end());
    EXPECT_NE(std::find(texts.begin(), texts.end(), "Embankment fill"), texts.end());
    EXPECT_EQ(Table().RowLines(), rows);
    EXPECT_EQ(Table().ColumnLines(), columns);
}

TEST_F(MaterialTableTest, EachStageFlagShowsItsOwnTableAndStageTwoOnlyForMultiStageData) {
    struct Case {
        bool stage1, stage2, multiStage;
        std::vector<std::string> titles;
    } cases[] = {
        {false, false, false, {}},
        {false, true, false, {}},
        {true, false, true, {"Material Properties - Stage 1"}},
        {false, true, true, {"Material Properties - Stage 2"}},
        {true, true, true, {"Material Properties - Stage 1", "Material Properties - Stage 2"}},
    };
    for (const Case& c : cases) {
        Show(1, c.stage1);
        Show(2, c.stage2);
        ds->AnalysisComputationData()->SetStages(c.multiStage, false);
        Draw();
        std::vector<std::string> titles;
        for (const std::string& text : Texts())
            if (text.rfind("Material Properties", 0) == 0) titles.push_back(text);
        EXPECT_EQ(titles, c.titles) << c.stage1 << c.stage2 << c.multiStage;
    }
    // Unplaced, the stage-2 table stands below the stage-1 table.
    EXPECT_EQ(Box(2).top, Box(1).bottom + 10);
    EXPECT_EQ(Box(2).right, 990);
}

TEST_F(MaterialTableTest, AClickPicksTheTableOrItsGridLineAndAHiddenTableIsNotPicked) {
    Show(1, true);
    Draw();
    const Cpp_MaterialTableLayout& t = Table();
    const int inside = (t.ColumnLines()[1] + t.ColumnLines()[2]) / 2;
    const int row = (t.RowLines()[2] + t.RowLines()[3]) / 2;
    Click(inside, row);
    Release(inside, row);
    ASSERT_NE(Selected(), nullptr);
    EXPECT_EQ(Selected()->GetType(), SEL_TABLE_TEXT);
    EXPECT_EQ(Selected()->GetStage(), 1);
    EXPECT_EQ(Status(),
              "Selected Material Property Table TEXT for Stage: 1 - Right-click for edit options");

    // On the line between the second and third columns: column 2, not a border.
    Click(t.ColumnLines()[2] + 1, row);
    Release(t.ColumnLines()[2] + 1, row);
    ASSERT_NE(Selected(), nullptr);
    EXPECT_EQ(Selected()->GetType(), SEL_TABLE_LINES);
    EXPECT_EQ(Selected()->GetItemReferences().number2, 2);
    EXPECT_EQ(Selected()->GetItemReferences().number3, 0);
    EXPECT_EQ(Status(),
              "Selected Material Property Table LINES for Stage: 1 - Right-click for edit options");

    Show(1, false);
    Draw();
    EXPECT_TRUE(Texts().empty());
    Click(inside, row);
    Release(inside, row);
    EXPECT_EQ(Selected(), nullptr);
}

TEST_F(MaterialTableTest, AHeldDragMovesTheTableToWhereTheButtonIsReleased) {
    Show(1, true);
    Draw();
    const platform::DeviceRect before = Box();
    const DevicePoint press{before.left + 20, before.top + 30};
    Click(press.x, press.y);
    host.now += 300;
    Move(press.x - 100, press.y + 50);
    EXPECT_EQ(GetCursorMode(), CursorModeMaterialTableDrag);
    Move(press.x - 300, press.y + 200);
    EXPECT_TRUE(ViewLButtonUp(host, At(press.x - 310, press.y + 210)));  // the document changed
    EXPECT_EQ(GetCursorMode(), CursorModeNone);
    EXPECT_GT(host.invalidated, 0);
    // The outlines drawn in XOR while dragging are all erased again.
    EXPECT_EQ(host.overlay.Count(DcRecordKind::Polyline) % 2, 0u);

    // Anchored by its lower right corner (anchor code 1) where it was dropped.
    const Cpp_MaterialTableLayout& t = Table();
    ASSERT_TRUE(t.IsAnchored());
    EXPECT_NEAR(t.Anchor().x, before.right - 310, 1e-9);
    EXPECT_NEAR(t.Anchor().y, 700 - (before.bottom + 210), 1e-9);
    Draw();
    const platform::DeviceRect after = Box();
    EXPECT_EQ(after.left, before.left - 310);
    EXPECT_EQ(after.top, before.top + 210);
    EXPECT_EQ(Border(), Outline(after));
}

TEST_F(MaterialTableTest, TheDragStepDropsAtAClickAndEscapeLeavesTheTableWhereItWas) {
    Show(1, true);
    Draw();
    const platform::DeviceRect before = Box();
    const DevicePoint at{before.left + 10, before.top + 10};
    Click(at.x, at.y);
    Release(at.x, at.y);
    ASSERT_TRUE(ChangeValueOfSelection(host, at.x, at.y));  // "Move ("Drag") Item"
    EXPECT_EQ(GetCursorMode(), CursorModeMaterialTableDrag);
    // The outline starts on the table.
    ASSERT_EQ(host.overlay.Count(DcRecordKind::Polyline), 1u);
    EXPECT_EQ(host.overlay.Records().back().points, Outline(before));
    Move(at.x - 50, at.y + 40);
    Key(ViewKeyEscape);
    EXPECT_EQ(GetCursorMode(), CursorModeNone);
    EXPECT_EQ(host.overlay.Count(DcRecordKind::Polyline) % 2, 0u);
    EXPECT_FALSE(Table().IsAnchored());

    ASSERT_TRUE(ChangeValueOfSelection(host, at.x, at.y));
    Move(at.x - 50, at.y + 40);
    EXPECT_TRUE(Click(at.x - 50, at.y + 40));
    Release(at.x - 50, at.y + 40);
    EXPECT_EQ(GetCursorMode(), CursorModeNone);
    ASSERT_TRUE(Table().IsAnchored());
    Draw();
    EXPECT_EQ(Box().left, before.left - 50);
    EXPECT_EQ(Box().top, before.top + 40);
}

}  // namespace
