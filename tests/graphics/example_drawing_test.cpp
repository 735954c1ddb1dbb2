// The bundled layered example read and painted with the recording context: the view fitted with
// its axes, filled regions under the lines, labels on top, the slope with its ground symbols and
// a tension crack with its hatching.

#include "analysis/analysis_computation_data.h"
#include "core/file_io.h"
#include "graphics/axes.h"
#include "graphics/graphics_fixture.h"
#include "model/data_set.h"
#include "model/data_sets.h"
#include "model/read_input_file.h"
#include "model/subsystem_registration.h"
#include "model/view_painting.h"
#include "profile/crack.h"
#include "profile/profile_line.h"
#include "profile/slope_geometry.h"
#include "registry/block_readers.h"
#include "registry/data_set_drawing.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

using platform::DcRecordKind;

class ExampleDrawingTest : public GraphicsFixture {};

TEST_F(ExampleDrawingTest, LayeredEmbankmentIsDrawnInLayerOrder) {
    testsupport::TempDir dir;
    const auto file = dir.Path() / "layered_embankment.preinput-kliven";
    std::filesystem::copy_file(testsupport::ExamplesDir() / "layered_embankment.preinput-kliven",
                               file);
    const auto previous = std::filesystem::current_path();
    InitializeBlockReaders();
    ASSERT_TRUE(ReadInputDataFile(nullptr, file));
    std::filesystem::current_path(previous);
    Cpp_Kliven4DataSet* ds = Cpp_Kliven4Data::CurrentDataSet();
    ASSERT_EQ(ds->ProfileLines().Count(), 4);
    ASSERT_TRUE(ds->SlopeGeometry().Generate(ds->ProfileLines(), false, nullptr));
    Cpp_Crack& crack = ds->AnalysisComputationData()->GetCrack();
    crack.SetCrackOption(1);
    crack.SetCrackConstant(4);
    crack.SetWaterOption(1);
    crack.SetWaterConstant(2);
    ds->SlopeGeometry().SlopeChanged();
    ASSERT_TRUE(ds->SlopeGeometry().GetCrackBottomLine().HasPoints());

    InitializeViewDrawing();
    ZoomToExtents(0, 100, 4, 40);
    dc.SetPageRect({0, 0, 1000, 700});
    PaintProblemView(dc, {0, 0, 1000, 700}, ds, Cpp_Graphics::kOutputScreen, 1);
    EXPECT_TRUE(Cpp_DataSetDrawing::Reported().empty());

    const auto& records = dc.Records();
    auto firstIndex = [&](auto predicate) {
        for (size_t i = 0; i < records.size(); ++i)
            if (predicate(records[i])) return static_cast<int>(i);
        return -1;
    };
    auto lastIndex = [&](auto predicate) {
        for (size_t i = records.size(); i-- > 0;)
            if (predicate(records[i])) return static_cast<int>(i);
        return -1;
    };
    auto isFill = [](const platform::DcRecord& r) { return r.kind == DcRecordKind::FillPolygon; };
    // Open polylines: the profile lines, slope and crack (label frames are closed).
    auto isLine = [](const platform::DcRecord& r) {
        return r.kind == DcRecordKind::Polyline && !(r.points.front() == r.points.back());
    };
    auto isLabel = [](const platform::DcRecord& r) {
        return r.kind == DcRecordKind::Text && r.attributes.font.escapement == 0 &&
               r.attributes.clip.kind == platform::ClipKind::Rect;
    };
    const int lastFill = lastIndex(isFill), firstLine = firstIndex(isLine);
    ASSERT_GE(lastFill, 0);
    EXPECT_EQ(dc.Count(DcRecordKind::FillPolygon), 4u);  // the four regions
    EXPECT_LT(lastFill, firstLine);
    EXPECT_LT(lastIndex(isLine), lastIndex(isLabel));
    // The axes band came first, the numbers of the profile lines are on top.
    EXPECT_EQ(records.front().kind, DcRecordKind::FillRect);
    const auto texts = dc.Texts();
    for (const char* n : {"1", "2", "3", "4"})
        EXPECT_NE(std::find(texts.begin(), texts.end(), n), texts.end()) << n;
    // Ground symbols and crack hatching are drawn as batches of strokes.
    EXPECT_GE(dc.Count(DcRecordKind::PolyPolyline), 3u);
    Cpp_Kliven4Data::DeleteAllDataSets();
    Cpp_FileIO::ResetForTests();
}

}  // namespace

namespace {

// A display option switched on the data set's record (as the palette does) reaches the owners'
// drawing on the next paint.
TEST_F(ExampleDrawingTest, PaletteOptionHidesTheFills) {
    InitializeViewDrawing();
    Cpp_Kliven4DataSet ds(1);
    Cpp_ProfileLine* line = ds.ProfileLines().CreateLine(1, 1, "top");
    line->AddPoint(0, 10);
    line->AddPoint(10, 10);
    ZoomToExtents(0, 10, 0, 10);
    PaintProblemView(dc, dc.PageRect(), &ds, Cpp_Graphics::kOutputScreen, 1);
    EXPECT_EQ(dc.Count(DcRecordKind::FillPolygon), 1u);
    Cpp_DisplaySelections::SetDisplayOption(ds.DisplayFlags(), 5, false);  // material fill off
    Cpp_DisplaySelections::SetDisplayOption(ds.DisplayFlags(), 2, false);  // profile lines off
    dc.Clear();
    PaintProblemView(dc, dc.PageRect(), &ds, Cpp_Graphics::kOutputScreen, 1);
    EXPECT_EQ(dc.Count(DcRecordKind::FillPolygon), 0u);
    for (const auto& r : dc.OfKind(DcRecordKind::Polyline))
        EXPECT_TRUE(r.points.front() == r.points.back());  // only closed label frames
}

}  // namespace
