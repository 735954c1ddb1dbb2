// Renumbering lines by clicking, driven by scripted clicks at world points.

#include "editing/renumber_lines.h"

#include "core/cursor_mode.h"
#include "editing/cursor_modes.h"
#include "graphics/palette.h"
#include "graphics/prompts.h"
#include "model/data_sets.h"
#include "platform/recording_dc.h"
#include "porepressure/piezometric_line.h"
#include "support/fake_services.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Profile lines 1 (y = 30), 2 (y = 20) and 3 (y = 10), each from x 0 to 40 through x 20.
class RenumberLinesTest : public ::testing::Test {
protected:
    void SetUp() override {
        platform::Services().SetPromptBar(&promptBar);
        ds = Cpp_Kliven4Data::NewDataSet(1, false);
        for (int n : {1, 2, 3}) {
            Cpp_ProfileLine* line = ds->ProfileLines().CreateLine(n, n, "");
            for (double x : {0.0, 20.0, 40.0}) line->AddPoint(x, 40.0 - 10.0 * n);
        }
    }
    int NumberAt(double y) const {
        for (const auto& line : ds->ProfileLines().Lines())
            if (line->FirstPoint()->Y() == y) return line->GetNumber();
        return -1;
    }
    std::vector<int> Numbers() const { return {NumberAt(30), NumberAt(20), NumberAt(10)}; }
    bool Click(double x, double y, platform::DeviceContext* dc = nullptr) {
        return RenumberLines::OnClick({x, y}, 0.5, dc);
    }
    std::vector<std::string> Messages() const {
        std::vector<std::string> texts;
        for (const auto& r : fakes.messageBoxes.requests)
            texts.push_back(r.caption + ": " + r.text);
        return texts;
    }

    testsupport::FakeServices fakes;
    testsupport::FakePromptBar promptBar;
    Cpp_Kliven4DataSet* ds = nullptr;
};

// Three lines clicked in reverse order get 1, 2, 3 in click order, and only after the third
// click; a miss and a repeat are refused with their messages and change nothing.
TEST_F(RenumberLinesTest, ClickOrderGivesTheNumbersAfterTheLastClick) {
    EXPECT_FALSE(RenumberLines::Start(ds, RenumberLines::ProfileLines));
    EXPECT_EQ(GetCursorMode(), CursorModeRenumberLines);
    EXPECT_EQ(promptBar.text,
              "Click on Profile Lines in the order they are to be numbered - click on line 1 now.");
    platform::RecordingDeviceContext dc;
    EXPECT_FALSE(Click(10.2, 10.3, &dc));  // on a segment of line 3
    EXPECT_FALSE(Click(25, 25));           // nothing there
    EXPECT_FALSE(Click(10, 10.1));         // line 3 again
    EXPECT_FALSE(Click(20.3, 19.8, &dc));  // the middle point of line 2
    EXPECT_EQ(promptBar.text,
              "Click on Profile Lines in the order they are to be numbered - click on line 3 now.");
    EXPECT_EQ(Numbers(), (std::vector<int>{1, 2, 3}));
    EXPECT_TRUE(Click(39.9, 30, &dc));
    EXPECT_EQ(Numbers(), (std::vector<int>{3, 2, 1}));
    EXPECT_EQ(GetCursorMode(), 0);
    EXPECT_EQ(promptBar.text, "");
    EXPECT_FALSE(RenumberLines::IsActive());
    EXPECT_EQ(Messages(), (std::vector<std::string>{
                              "ERROR: You did not select a Profile Line - try again.",
                              "ERROR: This Profile Line has already been selected - try again."}));
    EXPECT_EQ(dc.Texts(), (std::vector<std::string>{"1", "2", "3"}));
}

// Escape after two of three clicks leaves every number; reinforcement lines name themselves in
// the messages.
TEST_F(RenumberLinesTest, EscapeChangesNothingAndReinforcementLinesSayTheirName) {
    RenumberLines::Start(ds, RenumberLines::ProfileLines);
    Click(0, 10);
    Click(0, 20);
    EXPECT_EQ(RenumberLines::ClickedCount(), 2);
    RenumberLines::End();
    EXPECT_EQ(GetCursorMode(), 0);
    EXPECT_FALSE(Click(0, 30));
    EXPECT_EQ(Numbers(), (std::vector<int>{1, 2, 3}));

    ds->ReinforcementLines()->AddNewLine(7, "", 0.0, 1)->AddPoint(0, 0, 10, 0);
    RenumberLines::Start(ds, RenumberLines::ReinforcementLines);
    EXPECT_EQ(promptBar.text,
              "Click on Reinforcement Lines in the order they are to be numbered - click on line "
              "1 now.");
    EXPECT_FALSE(Click(5, 5));
    EXPECT_TRUE(Click(0.1, 0));
    EXPECT_EQ(ds->ReinforcementLines()->Lines().front()->GetNumber(), 1);
    EXPECT_EQ(Messages(), std::vector<std::string>{
                              "ERROR: You did not select a Reinforcement Line - try again."});
    EXPECT_FALSE(RenumberLines::Start(ds, 4));  // no such kind: not started
    EXPECT_FALSE(RenumberLines::IsActive());
}

// Piezometric lines: those of the stage current at the start are renumbered in click order,
// with their own prompt, messages and disc colour; the other stage's lines keep their numbers.
TEST_F(RenumberLinesTest, PiezometricLinesOfTheCurrentStageTakeTheClickOrder) {
    Cpp_PiezometricLineList& first = *ds->PiezometricLines(1);
    Cpp_PiezometricLineList& second = *ds->PiezometricLines(2);
    Cpp_PiezometricLine* other = first.CreateLine(5, 62.4, "");
    other->AddPoint(0, 50);
    other->AddPoint(40, 50);
    for (int n : {1, 2}) {
        Cpp_PiezometricLine* line = second.CreateLine(n, 62.4, "");
        line->AddPoint(0, 50.0 + 10.0 * n);
        line->AddPoint(40, 50.0 + 10.0 * n);
    }
    Cpp_Kliven4DataSet::SetCurrentStage(2);
    EXPECT_FALSE(RenumberLines::Start(ds, RenumberLines::PiezometricLines));
    Cpp_Kliven4DataSet::SetCurrentStage(1);  // the tool keeps the stage it started in
    EXPECT_EQ(GetCursorMode(), CursorModeRenumberLines);
    EXPECT_EQ(promptBar.text,
              "Click on Piezometric Lines in the order they are to be numbered - click "
              "on line 1 now.");
    platform::RecordingDeviceContext dc;
    EXPECT_FALSE(Click(20, 50));         // a stage-1 line: not one of these
    EXPECT_FALSE(Click(20, 70.2, &dc));  // line 2 of stage 2
    EXPECT_FALSE(Click(20, 70));         // again
    EXPECT_EQ(second.FindLine(1)->FirstPoint()->Y(), 60.0);
    EXPECT_TRUE(Click(0.1, 60, &dc));
    EXPECT_EQ(second.FindLine(1)->FirstPoint()->Y(), 70.0);
    EXPECT_EQ(second.FindLine(2)->FirstPoint()->Y(), 60.0);
    EXPECT_EQ(first.FindLine(5)->FirstPoint()->Y(), 50.0);
    EXPECT_EQ(Messages(),
              (std::vector<std::string>{
                  "ERROR: You did not select a Piezometric Line - try again.",
                  "ERROR: This Piezometric Line has already been selected - try again."}));
    EXPECT_EQ(dc.Texts(), (std::vector<std::string>{"1", "2"}));
    ASSERT_EQ(dc.Count(platform::DcRecordKind::Ellipse), 2u);
    EXPECT_EQ(dc.OfKind(platform::DcRecordKind::Ellipse)[0].attributes.brush.color,
              Cpp_WindowsPalette::Color(13));
    EXPECT_EQ(GetCursorMode(), 0);
}

// The disc: centred on the pixel point, big enough for three digits, in the kind's colour, with
// the number centred in bold 10-point Arial.
TEST_F(RenumberLinesTest, DiscIsCentredWithItsNumber) {
    RenumberLines::Start(ds, RenumberLines::ProfileLines);
    platform::RecordingDeviceContext dc;
    RenumberLines::DrawNumbers(dc, 100, 50, 12);
    ASSERT_EQ(dc.Count(platform::DcRecordKind::Ellipse), 1u);
    const platform::DcRecord disc = dc.OfKind(platform::DcRecordKind::Ellipse)[0];
    EXPECT_EQ(disc.rect.left + disc.rect.right, 200);
    EXPECT_EQ(disc.rect.top + disc.rect.bottom, 100);
    EXPECT_EQ(disc.attributes.brush.color, Cpp_WindowsPalette::Color(9));
    const platform::DcRecord number = dc.OfKind(platform::DcRecordKind::Text)[0];
    EXPECT_EQ(number.text, "12");
    EXPECT_EQ(number.attributes.font.face, "Arial");
    EXPECT_EQ(number.attributes.font.weight, 700);
    EXPECT_EQ(number.attributes.textColor, Cpp_WindowsPalette::Color(0));
    const platform::TextSize three = dc.GetTextExtent("890");
    EXPECT_GE(disc.rect.right - disc.rect.left, three.cx);
}

}  // namespace
