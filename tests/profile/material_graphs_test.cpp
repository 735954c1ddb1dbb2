#include <gtest/gtest.h>

#include "core/preferences.h"
#include "profile/material_dialog_state.h"
#include "support/fake_services.h"

namespace {

using platform::GraphAxisId;
using platform::GraphPoint;
using State = MaterialDialogState;
using Window = testsupport::FakeGraphWindow::Window;

TEST(MaterialGraphAxis, EqualValuesFixTheVerticalRange) {
    struct Case {
        double value, step;
        double minimum, maximum;
    } cases[] = {{5.0, 1.0, 0.0, 5.0},
                 {0.0, 1.0, 0.0, 1.0},
                 {-2.0, 1.0, -2.0, -1.0},
                 {30.0, 45.0, 0.0, 30.0},
                 {0.0, 45.0, 0.0, 45.0}};
    for (const auto& c : cases) {
        const auto axis = VerticalAxis("Shear Stress", c.value, c.value, c.step);
        EXPECT_EQ(axis.title, "Shear Stress");
        EXPECT_TRUE(axis.rangeGiven);
        EXPECT_EQ(axis.minimum, c.minimum) << c.value;
        EXPECT_EQ(axis.maximum, c.maximum) << c.value;
    }
    EXPECT_FALSE(VerticalAxis("Cohesion", 1.0, 2.0, 1.0).rangeGiven);
}

DialogMaterialData Nonlinear(std::vector<s_NonlinearPtType> points) {
    DialogMaterialData entry;
    entry.number = 1;
    entry.record.SetUnitWeight(120.0);
    entry.record.GetShearStrengthRecord().SetStrengthOption(7);
    entry.record.GetShearStrengthRecord().SetNonlinearEnvelope(points);
    entry.record.GetPorePressureRecord().SetOption(2);
    return entry;
}

std::vector<GraphPoint> Data(Window* w, int graph, int set) { return w->data[{graph, set}]; }
std::string Name(Window* w, int graph, int set) { return w->names[{graph, set}]; }
platform::GraphDataParameters Parameters(Window* w, int graph, int set) {
    return w->parameters[{graph, set}];
}
platform::GraphAxisInfo Vertical(Window* w, int graph) {
    return w->axes[{graph, GraphAxisId::Vertical}];
}

class MaterialGraphsTest : public ::testing::Test {
protected:
    void SetUp() override { Cpp_KlivenSettings::Reset(); }
    std::unique_ptr<State> Open(std::vector<DialogMaterialData> entries, int stage = 2) {
        auto state = std::make_unique<State>(stage, false, std::move(entries));
        EXPECT_TRUE(state->Initialize());
        return state;
    }
    static void Pick(State& state, int code) {
        state.Fields().strengthIndex = state.FindComboIndexOfOption(code);
        state.StrengthOptionChanged();
    }
    Window* Open() const { return fakes.graphWindow.Open(); }
    testsupport::FakeServices fakes;
};

TEST_F(MaterialGraphsTest, ANonlinearMaterialOpensItsGraphWithTheEnvelopePoints) {
    auto state = Open({Nonlinear({{0, 5}, {100, 5}, {200, 5}})});
    Window* w = Open();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->title, "Nonlinear Mohr-Coulomb Shear Strength Envelope");
    EXPECT_TRUE(w->shown);
    EXPECT_EQ(w->setups[0].noDataText, "No nonlinear envelope");
    EXPECT_EQ(Data(w, 0, 0), (std::vector<GraphPoint>{{0, 5}, {100, 5}, {200, 5}}));
    EXPECT_EQ(Name(w, 0, 0), "Envelope Points");
    const auto& axis = Vertical(w, 0);
    EXPECT_TRUE(axis.rangeGiven);
    EXPECT_EQ(axis.minimum, 0.0);
    EXPECT_EQ(axis.maximum, 5.0);
    EXPECT_EQ(Parameters(w, 0, 0).symbolColour, 0x000080u);
    // Raised once when the dialog shows.
    state->DialogShown();
    state->DialogShown();
    EXPECT_EQ(w->raised, 1);
}

TEST_F(MaterialGraphsTest, TheCheckBoxHidesTheGraphAndMakesANewOneInThePlaceOfTheOld) {
    auto state = Open({Nonlinear({{0, 1}, {100, 60}})});
    Window* first = Open();
    ASSERT_NE(first, nullptr);
    first->rect = {300, 200, 700, 500};  // the user moved it
    state->Fields().displayGraphs = false;
    state->DisplayGraphsChanged();
    EXPECT_FALSE(first->shown);
    state->Fields().displayGraphs = true;
    state->DisplayGraphsChanged();
    ASSERT_EQ(fakes.graphWindow.windows.size(), 2u);
    EXPECT_TRUE(first->closed);
    Window* second = Open();
    EXPECT_TRUE(second->shown);
    ASSERT_TRUE(second->given.has_value());
    EXPECT_EQ(*second->given, (platform::GraphRect{300, 200, 700, 500}));

    // "Constant c/p ratio" hides it and greys the box.
    Pick(*state, 4);
    EXPECT_FALSE(second->shown);
    EXPECT_FALSE(state->Controls().displayGraphsEnabled);
}

TEST_F(MaterialGraphsTest, AnEditLeavingOneDataRowKeepsTheGraph) {
    auto state = Open({Nonlinear({{0, 1}, {100, 60}})});
    Window* w = Open();
    auto& table = state->Table(State::FirstStrengthTable);
    table.rows[1] = {"", ""};
    state->StrengthTableEdited();
    EXPECT_EQ(Data(w, 0, 0), (std::vector<GraphPoint>{{0, 1}, {100, 60}}));
    table.rows[1] = {"100", "70"};
    table.rows.push_back({"200", "90"});
    state->StrengthTableEdited();
    EXPECT_EQ(Data(w, 0, 0), (std::vector<GraphPoint>{{0, 1}, {100, 70}, {200, 90}}));
    EXPECT_FALSE(Vertical(w, 0).rangeGiven);
    EXPECT_TRUE(fakes.messageBoxes.requests.empty());
}

TEST_F(MaterialGraphsTest, TwoStageEnvelopesGetADataSetEach) {
    auto state = Open({Nonlinear({})});
    Pick(*state, 12);
    Window* w = Open();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->title, "2-Stage Nonlinear Mohr-Coulomb Shear Strength Envelopes");
    EXPECT_EQ(w->setups[0].dataSets, 2);
    // Only the Kc = Kf table filled: data set 1 drawn, data set 0 emptied, 0 in the range.
    state->Table(State::SecondStrengthTable).rows = {{"0", "4"}, {"100", "4"}, {"", ""}};
    state->StrengthTableEdited();
    EXPECT_TRUE(Data(w, 0, 0).empty());
    EXPECT_EQ(Data(w, 0, 1), (std::vector<GraphPoint>{{0, 4}, {100, 4}}));
    EXPECT_FALSE(Vertical(w, 0).rangeGiven);
    state->Table(State::FirstStrengthTable).rows = {{"0", "1"}, {"100", "50"}};
    state->StrengthTableEdited();
    EXPECT_EQ(w->parameters.count({0, 1}), 1u);
    const std::vector<std::string> tail(w->calls.end() - 4, w->calls.end());
    EXPECT_EQ(tail,
              (std::vector<std::string>{"InitializeGraphData 0 0", "SetGraphDataParameters 0 0",
                                        "InitializeGraphData 0 1", "SetGraphDataParameters 0 1"}));
}

TEST_F(MaterialGraphsTest, AnisotropicPointsAreDrawnByAngleInTwoGraphs) {
    auto state = Open({Nonlinear({})});
    Pick(*state, 5);
    Window* w = Open();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->title, "Anisotropic Shear Strengths");
    EXPECT_EQ(w->graphs, 2);
    state->Table(State::FirstStrengthTable).rows = {{"60", "10", "30"}, {"0", "20", "30"}};
    state->StrengthTableEdited();
    EXPECT_EQ(Data(w, 0, 0), (std::vector<GraphPoint>{{0, 20}, {60, 10}}));
    EXPECT_EQ(Data(w, 1, 0), (std::vector<GraphPoint>{{0, 30}, {60, 30}}));
    const auto& friction = Vertical(w, 1);
    EXPECT_EQ(friction.title, "Friction Angle (degs.)");
    EXPECT_TRUE(friction.rangeGiven);
    EXPECT_EQ(friction.maximum, 30.0);
}

TEST_F(MaterialGraphsTest, AGraphBesideTheDialogMovesTheDialogLeftOnce) {
    MaterialGraphs graphs;
    platform::GraphRect dialog{100, 100, 500, 700};
    std::vector<platform::GraphRect> moves;
    graphs.SetDialogWindow({[&] { return dialog; },
                            [&](const platform::GraphRect& r) {
                                moves.push_back(r);
                                dialog = r;
                            }});
    graphs.SetBesideDialog(true);
    fakes.graphWindow.size = {0, 0, 300, 200};
    graphs.Create(7);
    // The dialog's right edge goes 2 pixels left of its centre (300): 298.
    ASSERT_EQ(moves.size(), 1u);
    EXPECT_EQ(moves[0], (platform::GraphRect{-102, 100, 298, 700}));
    EXPECT_EQ(*Open()->given, (platform::GraphRect{302, 300, 602, 500}));
    graphs.Create(5);
    EXPECT_EQ(moves.size(), 1u);
    EXPECT_EQ(Open()->given->left, 302);
}

}  // namespace
