// Line-load arrows with the recording context: the tail at the scaled force back from the load
// point, the head on the point; picking by the tail box; the tool tip and information page.

#include "graphics/prompts.h"
#include "load_drawing_fixture.h"
#include "loads/line_load.h"

#include <gtest/gtest.h>

namespace {

using platform::DcRecordKind;

class LineLoadDrawingTest : public LoadDrawingFixture {
protected:
    void SetUp() override {
        LoadDrawingFixture::SetUp();
        Cpp_LineLoadList::SetLargestForce(1000.0);
        // Option 2, 3000: a force of 3000 draws 72 px = 1.44 world units.
        Cpp_LineLoadList::ComputeForceScale(1);
    }
    Cpp_LineLoadList list{1};
};

TEST_F(LineLoadDrawingTest, ArrowRunsFromTheScaledTailToTheLoadPoint) {
    list.AddByComponents(1, 5, 5, 0, -3000);
    ASSERT_TRUE(list.Draw());
    const Cpp_LineLoad& load = *list.Loads()[0];
    EXPECT_DOUBLE_EQ(load.tailX, 5.0);
    EXPECT_NEAR(load.tailY, 6.44, 1e-12);
    const auto heads = dc.OfKind(DcRecordKind::Polygon);
    ASSERT_EQ(heads.size(), 1u);
    EXPECT_EQ(heads[0].points.front(), Px(5, 5));
    EXPECT_EQ(heads[0].attributes.brush.color, platform::MakeRgb(255, 99, 1));
    const auto shafts = dc.OfKind(DcRecordKind::Polyline);
    ASSERT_EQ(shafts.size(), 1u);
    EXPECT_EQ(shafts[0].points.back(), Px(5, 6.44));
}

TEST_F(LineLoadDrawingTest, NothingIsDrawnBeforeTheScaleIsComputed) {
    loads::ResetLoadScales();
    list.AddByComponents(1, 5, 5, 100, 0);
    EXPECT_TRUE(list.Draw());
    EXPECT_TRUE(dc.Records().empty());
}

TEST_F(LineLoadDrawingTest, PickingTakesTheTailBoxAndTheNearestLoadPoint) {
    list.AddByComponents(1, 5, 5, 0, -3000);    // tail (5, 6.44)
    list.AddByMagnitude(2, 5.1, 5, 3000, -90);  // tail (5.1, 6.44)
    list.Draw();
    s_PickType nearHead{5, 5.1, 0.2};
    EXPECT_EQ(list.HitTestLoad(nearHead), nullptr);
    s_PickType nearTail{5.06, 6.4, 0.2};
    EXPECT_EQ(list.HitTestLoad(nearTail), list.Loads()[1].get());
    EXPECT_EQ(nearTail.segmentNumber, 2);
    s_PickType tie{5.05, 6.44, 0.2};
    EXPECT_EQ(list.HitTestLoad(tie), list.Loads()[0].get());
}

TEST_F(LineLoadDrawingTest, ScaleOptionsAndTheDialog) {
    loads::LineLoadScale().records[0] = {4, 1.0};
    Cpp_LineLoadList::SetLargestForce(500.0);
    Cpp_LineLoadList::ComputeForceScale(1);
    EXPECT_NEAR(Cpp_LineLoadList::ForceScale() * 500.0, 72.0 / 50.0, 1e-12);
    fakes.loadScaling.answers.push_back(platform::LoadScaling{2, 1500.0});
    EXPECT_TRUE(Cpp_LineLoadList::ScaleDialog());
    EXPECT_EQ(fakes.loadScaling.requests.at(0).type, 3);
    EXPECT_EQ(fakes.loadScaling.requests.at(0).title, "Line Load Scale");
    Cpp_LineLoadList::ComputeForceScale(1);
    EXPECT_NEAR(Cpp_LineLoadList::ForceScale() * 1500.0, 72.0 / 50.0, 1e-12);
    // Printing keeps the screen's scale.
    Cpp_LineLoadList::SaveForceScale();
    Cpp_LineLoadList::SetLargestForce(1.0);
    loads::LineLoadScale().records[0] = {4, 1.0};
    Cpp_LineLoadList::ComputeForceScale(1);
    Cpp_LineLoadList::RestoreForceScale();
    EXPECT_NEAR(Cpp_LineLoadList::ForceScale() * 1500.0, 72.0 / 50.0, 1e-12);
}

TEST_F(LineLoadDrawingTest, ToolTipAndInformationPage) {
    EXPECT_EQ(Cpp_LineLoadList::TooltipText(1, 2, 1, 100, -50, 0, 0),
              "X: 1.000000  Y: 2.000000\nHoriz: 100.0\nVert: -50.0");
    EXPECT_EQ(Cpp_LineLoadList::TooltipText(1, 2, 2, 0, 0, 300, 45),
              "X: 1.000000  Y: 2.000000\nForce: 300.0\nInclin: 45.00");
    list.AddByComponents(1, 1, 2, 100, -50);
    list.AddByMagnitude(2, 3, 4, 300, 45);
    ASSERT_TRUE(list.AddInformation(fakes.infoWindow, list.Loads()[1].get()));
    EXPECT_EQ(fakes.infoWindow.Dump(),
              "Line load\n"
              "X: 3.000000, Y: 4.000000\n"
              "Defined by magnitude and inclination\n"
              "Resultant:  300\n"
              "Inclination from horizontal:  45.00\n"
              "All line loads:\n"
              "  X: 1.000000, Y: 2.000000, Horiz. force: 100, Vert. force: -50 \n"
              "  X: 3.000000, Y: 4.000000, Magnitude: 300, Inclination: 45.00  - Selected load\n");
}

TEST_F(LineLoadDrawingTest, PreferencesWriteFlagsAndScales) {
    list.display = false;
    Cpp_LineLoadList::SavePreferences(&list, nullptr, false);
    EXPECT_EQ((fakes.profile.values.at({"LINE LOAD", "Display Vectors 1"})), "0");
    EXPECT_EQ((fakes.profile.values.at({"LINE LOAD", "Display Vectors 2"})), "1");
    EXPECT_EQ((fakes.profile.values.at({"LINE LOAD", "Line Load SI Scale"})), "2 3000.000000");
}

}  // namespace
