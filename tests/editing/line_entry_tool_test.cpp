// The point-entry tool and the profile, piezometric and slope tools driven by scripted mouse and
// key records through the view's input functions: what is drawn on the view (the green XOR band,
// the entered segments and their erasure), the points entered, the line added to the data set and
// written out, and the profile bar prepared for the next line.

#include "analysis/analysis_computation_data.h"
#include "core/cursor_mode.h"
#include "core/string_table.h"
#include "editing/cursor_modes.h"
#include "editing/drawn_figures.h"
#include "editing/edit_modes.h"
#include "editing/line_entry_tool.h"
#include "editing/piezometric_tool.h"
#include "editing/profile_tool.h"
#include "editing/slope_tool.h"
#include "editing/tool_dialog_bars.h"
#include "editing/view_input_fixture.h"
#include "graphics/graphics.h"
#include "graphics/line_list.h"
#include "graphics/prompts.h"
#include "model/data_set.h"
#include "model/data_sets.h"
#include "porepressure/piezometric_line.h"
#include "profile/crack.h"
#include "profile/profile_drawing.h"
#include "profile/profile_line.h"
#include "profile/slope_geometry.h"
#include "support/fake_services.h"

#include <array>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace {

using platform::DevicePoint;

using Segment = testsupport::DrawnSegment;
using testsupport::LastSegmentColours;

// The green band segments left on the view.
std::map<Segment, int> BandShown(const platform::RecordingDeviceContext& dc) {
    return testsupport::XorSegmentsShown(dc, kEntryBandColor);
}

// A dialog that answers the duplicate-number question as told and remembers what it was shown.
class ScriptedDuplicateDialog final : public DuplicateLineDialog {
public:
    int Run(const std::string& text, const std::vector<int>& used, int& newNumber,
            int& existingNumber) override {
        message = text;
        usedNumbers = used;
        proposed = newNumber;
        newNumber = newAnswer;
        existingNumber = existingAnswer;
        return choice;
    }
    int choice = -1, newAnswer = 0, existingAnswer = 0, proposed = 0;
    std::string message;
    std::vector<int> usedNumbers;
};

class ProfileToolTest : public ViewInputTest {
protected:
    void SetUp() override {
        ViewInputTest::SetUp();
        host.editMode = EditModeProfileLines;
        ShowToolBar(BarProfile, true, 1);
        Cpp_ProfileTool::StartEntryTool();
        DuplicateLineDialogSlot().Set(&duplicates);
        platform::Services().SetPromptBar(&promptBar);
        FillStringTable({{1311, "Left-click to enter first point on new profile line"}});
    }
    void TearDown() override { DuplicateLineDialogSlot().Reset(); }

    Cpp_ProfileLineList& Lines() { return Cpp_Kliven4Data::CurrentDataSet()->ProfileLines(); }
    CmDialogBarProfileTool& Bar() { return TheToolBars().profile; }
    void Escape(bool shift = false) { Key(ViewKeyEscape, shift); }
    void Enter() { Key(ViewKeyEnter); }
    static std::vector<std::pair<double, double>> Points(const Cpp_Line& line) {
        std::vector<s_tagTypePointXY> points;
        line.CopyToXYArray(points);
        std::vector<std::pair<double, double>> pairs;
        for (const s_tagTypePointXY& p : points) pairs.emplace_back(p.x, p.y);
        return pairs;
    }
    void AddExistingLine(int number, int material) {
        Cpp_ProfileLine* line = Lines().CreateLine(number, material, "old");
        line->AddPoint(0, 0);
        line->AddPoint(10, 0);
    }

    ScriptedDuplicateDialog duplicates;
    testsupport::FakePromptBar promptBar;
};

TEST_F(ProfileToolTest, ClicksAndARightClickMakeALineThatIsWrittenAndReadBack) {
    Click(100, 200);  // world (100, 100)
    EXPECT_EQ(GetCursorMode(), CursorModeProfileLineEntry);
    EXPECT_TRUE(Bar().IsFinishButtonEnabled());
    Move(150, 150);
    EXPECT_EQ(BandShown(host.overlay), (std::map<Segment, int>{{{100, 200, 150, 150}, 1}}));
    EXPECT_EQ(host.toolTip.rfind("X: 150.0", 0), 0u) << host.toolTip;
    Click(150, 150);
    Move(220, 180);
    Click(220, 180);
    Move(260, 100);
    EXPECT_EQ(Cpp_LineEntry::EnteredCount(), 3);
    // The band runs from the last point only; the entered segments are drawn in the profile
    // colour.
    EXPECT_EQ(BandShown(host.overlay), (std::map<Segment, int>{{{220, 180, 260, 100}, 1}}));
    const platform::ColorRef profile = ProfileLinePen().colour.RGBColor();
    EXPECT_EQ(LastSegmentColours(host.overlay),
              (std::map<Segment, platform::ColorRef>{{{100, 200, 150, 150}, profile},
                                                     {{150, 150, 220, 180}, profile}}));
    Right(260, 100);
    EXPECT_EQ(GetCursorMode(), CursorModeNone);
    EXPECT_TRUE(BandShown(host.overlay).empty());
    EXPECT_FALSE(Bar().IsFinishButtonEnabled());
    EXPECT_EQ(host.dataChanges, std::vector<int>{2});

    ASSERT_EQ(Lines().Count(), 1);
    const Cpp_ProfileLine& line = *Lines().ProfileLineAt(0);
    EXPECT_EQ(line.GetNumber(), 1);
    EXPECT_EQ(line.GetMaterialNumber(), 1);
    EXPECT_EQ(line.Description(), "Profile Line No. 1");
    const std::vector<std::pair<double, double>> expected{{100, 100}, {150, 150}, {220, 120}};
    EXPECT_EQ(Points(line), expected);

    // The bar offers the next line.
    int number = 0, material = 0;
    std::string description;
    ASSERT_TRUE(Bar().GetLineData(number, material, description));
    EXPECT_EQ(number, 2);
    EXPECT_EQ(material, 2);
    EXPECT_EQ(description, "Profile line #2");

    // Written as a PRO block and read back.
    std::FILE* file = std::tmpfile();
    ASSERT_TRUE(Lines().WriteInputDataFile(file));
    std::rewind(file);
    char header[100] = {};
    ASSERT_NE(std::fgets(header, sizeof header, file), nullptr);  // the block's first line
    Cpp_ProfileLineList back;
    ASSERT_TRUE(back.ReadInput(nullptr, file, nullptr, false));
    std::fclose(file);
    ASSERT_EQ(back.Count(), 1);
    EXPECT_EQ(back.ProfileLineAt(0)->Description(), "Profile Line No. 1");
    EXPECT_EQ(Points(*back.ProfileLineAt(0)), expected);
}

TEST_F(ProfileToolTest, ThePromptCountsThePointsAndTheToolPromptComesBackAtTheEnd) {
    Click(100, 200);
    EXPECT_EQ(promptBar.text,
              "Left-click or Enter key to enter line points (1 pts. entered); Shift-Esc = undo; "
              "Right-click = finish; Esc = cancel.");
    Click(150, 200);
    EXPECT_EQ(promptBar.text,
              "Left-click or Enter key to enter line points (2 pts. entered); Shift-Esc = undo; "
              "Right-click = finish; Esc = cancel.");
    Right(150, 200);
    EXPECT_EQ(Status(), "Left-click to enter first point on new profile line");
}

TEST_F(ProfileToolTest, ShiftEscapeTakesPointsBackAndAfterTheFirstEndsTheEntry) {
    Click(100, 200);
    Click(150, 150);
    Click(220, 180);
    Move(260, 100);
    Escape(true);
    EXPECT_EQ(GetCursorMode(), CursorModeProfileLineEntry);
    EXPECT_EQ(Cpp_LineEntry::EnteredCount(), 2);
    // The band starts again at the second point, towards the cursor.
    EXPECT_EQ(BandShown(host.overlay), (std::map<Segment, int>{{{150, 150, 260, 100}, 1}}));
    const platform::ColorRef background = host.overlay.GetBkColor();
    EXPECT_EQ(LastSegmentColours(host.overlay)[(Segment{150, 150, 220, 180})], background);
    Escape(true);
    Escape(true);
    EXPECT_EQ(GetCursorMode(), CursorModeNone);
    EXPECT_FALSE(Cpp_LineEntry::IsActive());
    EXPECT_TRUE(BandShown(host.overlay).empty());
    EXPECT_EQ(Lines().Count(), 0);
}

// The Delete key takes the last entered point back as Shift+Escape does.
TEST_F(ProfileToolTest, TheDeleteKeyTakesTheLastPointBack) {
    Click(100, 200);
    Click(150, 150);
    Click(220, 180);
    Key(ViewKeyDelete);
    EXPECT_EQ(GetCursorMode(), CursorModeProfileLineEntry);
    EXPECT_EQ(Cpp_LineEntry::EnteredCount(), 2);
    Key(ViewKeyDelete);
    Key(ViewKeyDelete);
    EXPECT_FALSE(Cpp_LineEntry::IsActive());
    EXPECT_EQ(Lines().Count(), 0);
}

// Shift+move puts the cursor's point into the bar, before the first point and while a line is
// entered; Enter then takes that point.
TEST_F(ProfileToolTest, ShiftMoveCopiesTheCursorPointIntoTheBar) {
    double x = 0, y = 0;
    Move(40, 250, true);  // world (40, 50)
    EXPECT_EQ(Status(), "");
    ASSERT_TRUE(Bar().GetPoint(x, y));
    EXPECT_EQ(std::make_pair(x, y), std::make_pair(40.0, 50.0));
    Click(100, 200);
    ASSERT_TRUE(Bar().GetPoint(x, y));
    const std::pair<double, double> clicked(x, y);
    Move(130, 170);  // without Shift the bar keeps its point
    ASSERT_TRUE(Bar().GetPoint(x, y));
    EXPECT_EQ(std::make_pair(x, y), clicked);
    Move(130, 170, true);
    ASSERT_TRUE(Bar().GetPoint(x, y));
    EXPECT_EQ(std::make_pair(x, y), std::make_pair(130.0, 130.0));
    EXPECT_EQ(GetCursorMode(), CursorModeProfileLineEntry);
    Enter();
    ASSERT_EQ(Cpp_LineEntry::EnteredCount(), 2);
    EXPECT_EQ(Cpp_LineEntry::EnteredPoints()[1].x, 130.0);
    EXPECT_EQ(Cpp_LineEntry::EnteredPoints()[1].y, 130.0);
}

TEST_F(ProfileToolTest, EscapeErasesEverythingEnteredAndAddsNothing) {
    Click(100, 200);
    Click(150, 150);
    Click(220, 180);
    Move(260, 100);
    Escape();
    EXPECT_EQ(GetCursorMode(), CursorModeNone);
    EXPECT_TRUE(BandShown(host.overlay).empty());
    for (const auto& [segment, colour] : LastSegmentColours(host.overlay))
        EXPECT_EQ(colour, host.overlay.GetBkColor());
    EXPECT_EQ(Lines().Count(), 0);
    EXPECT_FALSE(Bar().IsFinishButtonEnabled());
    EXPECT_TRUE(host.dataChanges.empty());
}

TEST_F(ProfileToolTest, AClickOnTheLastPointFinishesTheLine) {
    Click(100, 200);
    Click(150, 150);
    Click(150, 150);
    EXPECT_EQ(GetCursorMode(), CursorModeNone);
    ASSERT_EQ(Lines().Count(), 1);
    EXPECT_EQ(Lines().LineAt(0)->NumberOfPoints(), 2);
}

TEST_F(ProfileToolTest, OnePointFinishedIsRejectedWithAMessage) {
    Click(100, 200);
    Right(100, 200);
    ASSERT_EQ(fakes.messageBoxes.requests.size(), 1u);
    EXPECT_EQ(fakes.messageBoxes.requests[0].caption, "Profile Line Error");
    EXPECT_EQ(fakes.messageBoxes.requests[0].text,
              "Line had fewer than 2 points and was rejected.");
    EXPECT_EQ(Lines().Count(), 0);
    EXPECT_EQ(GetCursorMode(), CursorModeNone);
}

TEST_F(ProfileToolTest, EnterTakesTheBarsPointAndABarFieldWithoutANumberKeepsTheEntry) {
    Bar().SetPoint(10, 20);
    Enter();  // the first point from the bar
    EXPECT_EQ(GetCursorMode(), CursorModeProfileLineEntry);
    Bar().SetPoint(30, 20);
    Enter();
    EXPECT_EQ(Cpp_LineEntry::EnteredCount(), 2);
    // A line number that is no number: the entry goes on and nothing is lost.
    Bar().Controls().SetText(CmDialogBarProfileTool::IdNumber, "x");
    Right(0, 0);
    EXPECT_EQ(GetCursorMode(), CursorModeProfileLineEntry);
    EXPECT_EQ(Cpp_LineEntry::EnteredCount(), 2);
    EXPECT_EQ(Lines().Count(), 0);
    Bar().Controls().SetText(CmDialogBarProfileTool::IdNumber, "7");
    Right(0, 0);
    ASSERT_EQ(Lines().Count(), 1);
    EXPECT_EQ(Lines().LineAt(0)->GetNumber(), 7);
    const std::vector<std::pair<double, double>> expected{{10, 20}, {30, 20}};
    EXPECT_EQ(Points(*Lines().LineAt(0)), expected);
}

TEST_F(ProfileToolTest, ANumberInUseIsResolvedByTheDuplicateDialog) {
    struct Case {
        const char* what;
        int choice, newAnswer, existingAnswer;
        // Numbers of the lines afterwards, in list order, and the new line's material.
        std::vector<int> numbers;
    };
    const Case cases[] = {
        {"cancel adds nothing", -1, 3, 3, {1, 2, 4}},
        {"replace the existing line", 0, 3, 3, {1, 4, 2}},
        {"the new line takes another number", 1, 3, 3, {1, 2, 4, 3}},
        {"the existing line takes another number", 2, 3, 6, {1, 6, 4, 2}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Lines().Clear();
        AddExistingLine(1, 1);
        AddExistingLine(2, 2);
        AddExistingLine(4, 3);
        duplicates.choice = c.choice;
        duplicates.newAnswer = c.newAnswer;
        duplicates.existingAnswer = c.existingAnswer;
        Bar().SetLineData(2, 9, "new");
        Click(100, 200);
        Click(150, 150);
        Right(150, 150);
        EXPECT_EQ(duplicates.message, "Profile Line number 2 already exists.");
        EXPECT_EQ(duplicates.usedNumbers, (std::vector<int>{1, 2, 4}));
        EXPECT_EQ(duplicates.proposed, 3);
        std::vector<int> numbers;
        for (const auto& line : Lines().Lines()) numbers.push_back(line->GetNumber());
        EXPECT_EQ(numbers, c.numbers);
        if (c.choice >= 0) {
            EXPECT_EQ(Lines().ProfileLineAt(Lines().Count() - 1)->GetMaterialNumber(), 9);
            EXPECT_EQ(Lines().ProfileLineAt(Lines().Count() - 1)->Description(), "new");
        }
    }
}

TEST_F(ProfileToolTest, TheDataRangeTakesInTheNewLineAndTheWindowStays) {
    const Cpp_Graphics::WorldRect window = Cpp_Graphics::GetWindow();
    Bar().SetPoint(-500, 20);
    Enter();
    Bar().SetPoint(900, 700);
    Enter();
    Right(0, 0);
    double xmin = 0, xmax = 0, ymin = 0, ymax = 0;
    Cpp_Graphics::GetDataRange(xmin, xmax, true);
    Cpp_Graphics::GetDataRange(ymin, ymax, false);
    EXPECT_DOUBLE_EQ(xmin, -500);
    EXPECT_DOUBLE_EQ(xmax, 900);
    EXPECT_DOUBLE_EQ(ymin, 20);
    EXPECT_DOUBLE_EQ(ymax, 700);
    EXPECT_DOUBLE_EQ(Cpp_Graphics::GetWindow().xmin, window.xmin);
    EXPECT_DOUBLE_EQ(Cpp_Graphics::GetWindow().xmax, window.xmax);
}

TEST_F(ProfileToolTest, TheBarOffersAMaterialNoLineUses) {
    AddExistingLine(1, 1);
    AddExistingLine(2, 3);
    Cpp_ProfileTool::StartEntryTool();
    int number = 0, material = 0;
    std::string description;
    ASSERT_TRUE(Bar().GetLineData(number, material, description));
    EXPECT_EQ(number, 3);
    EXPECT_EQ(material, 2);
    EXPECT_EQ(description, "Profile Line No. 3");
}

// The entry tool itself.
class LineEntryTest : public ViewInputTest {
protected:
    void Start(double x, double y) {
        Cpp_LineEntry::StartEnterPoints(Cpp_Graphics::XToPixel(x), Cpp_Graphics::YToPixel(y), x, y,
                                        s_DrawAttributesType());
    }
};

TEST_F(LineEntryTest, AClickRepeatingTheLastPointWithinARelativeTenToTheMinusTenIsRefused) {
    struct Case {
        double dx;
        bool added;
    };
    const Case cases[] = {{0.0, false}, {1e-12, false}, {-1e-12, false}, {1e-9, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.dx);
        Start(1.0, 1.0);
        EXPECT_EQ(Cpp_LineEntry::AddClickedPoint(1, 299, 1.0 + c.dx, 1.0), c.added);
        EXPECT_EQ(Cpp_LineEntry::EnteredCount(), c.added ? 2 : 1);
        Cpp_LineEntry::CancelEnterPoints();
    }
    // A typed point is refused only when it is the same.
    Start(1.0, 1.0);
    EXPECT_TRUE(Cpp_LineEntry::AddTypedPoint(1.0 + 1e-12, 1.0));
    EXPECT_FALSE(Cpp_LineEntry::AddTypedPoint(1.0 + 1e-12, 1.0));
}

TEST_F(LineEntryTest, FinishingGivesThePointsOnlyWhenThereAreEnough) {
    struct Case {
        int minimum, entered, copied;
    };
    const Case cases[] = {{0, 1, 0}, {0, 2, 2}, {3, 2, 0}, {3, 3, 3}, {1, 1, 1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.minimum << " " << c.entered);
        Start(0, 0);
        for (int i = 1; i < c.entered; ++i) Cpp_LineEntry::AddTypedPoint(10.0 * i, 0);
        std::vector<s_tagTypePointXY> points;
        int count = c.minimum;
        Cpp_LineEntry::FinishEnterPoints(points, count);
        EXPECT_EQ(count, c.copied);
        EXPECT_EQ(static_cast<int>(points.size()), c.copied);
        EXPECT_EQ(GetCursorMode(), CursorModeNone);
        EXPECT_FALSE(Cpp_LineEntry::IsActive());
    }
}

TEST_F(LineEntryTest, ARepaintAfterAZoomDrawsTheEntryAtTheNewScaleAndTheBandFromTheLastPoint) {
    host.editMode = EditModeProfileLines;
    ShowToolBar(BarProfile, true, 1);
    Click(100, 200);
    Click(200, 200);
    Move(250, 150);
    // Zoom Window from the entry: the band goes, the mode comes back with the repaint.
    StartZoomWindow(250, 150);
    EXPECT_TRUE(BandShown(host.overlay).empty());
    EXPECT_EQ(GetCursorMode(), CursorModeZoomWindow);
    // Twice the scale, the same lower left corner; the zoom is over.
    Cpp_Graphics::SetScaleState(0, 200, 0, 150, 0, 2, 300, -2, 0, 200, 0, 150);
    SetCursorMode(CursorModeNone);
    platform::RecordingDeviceContext paint;
    Cpp_LineEntry::RedrawEnteredPoints(paint);
    EXPECT_EQ(GetCursorMode(), CursorModeProfileLineEntry);
    const auto segments = LastSegmentColours(paint);
    ASSERT_EQ(segments.size(), 1u);
    // World (100, 100) and (200, 100) are now at twice the distance from the corner.
    EXPECT_EQ(segments.begin()->first, (Segment{200, 100, 400, 100}));
    // The cursor pixel stayed; its world point changed, so the band goes to it from the last
    // point.
    EXPECT_EQ(BandShown(paint), (std::map<Segment, int>{{{250, 150, 400, 100}, 1}}));
}

class PiezometricToolTest : public ProfileToolTest {
protected:
    void SetUp() override {
        ProfileToolTest::SetUp();
        host.editMode = EditModePiezometricLines;
        ShowToolBar(BarPiezometric, true, 1);
    }
    Cpp_PiezometricLineList& Piezometric() {
        return *Cpp_Kliven4Data::CurrentDataSet()->PiezometricLines(1);
    }
    void AddPiezometricLine(int number, double unitWeight) {
        Cpp_PiezometricLine* line = Piezometric().CreateLine(number, unitWeight, "old");
        line->AddPoint(0, 0);
        line->AddPoint(10, 0);
    }
    std::vector<int> PiezometricNumbers() {
        std::vector<int> numbers;
        for (const auto& line : Piezometric().Lines()) numbers.push_back(line->GetNumber());
        return numbers;
    }
    CmDialogBarPiezometricTool& PiezometricBar() { return TheToolBars().piezometric; }
};

TEST_F(PiezometricToolTest, ShiftMoveCopiesTheCursorPointIntoTheBar) {
    double x = 0, y = 0;
    Move(60, 220, true);  // world (60, 80)
    EXPECT_EQ(Status(), "");
    ASSERT_TRUE(PiezometricBar().GetPoint(x, y));
    EXPECT_EQ(std::make_pair(x, y), std::make_pair(60.0, 80.0));
    Click(100, 200);
    Move(150, 150, true);
    ASSERT_TRUE(PiezometricBar().GetPoint(x, y));
    EXPECT_EQ(std::make_pair(x, y), std::make_pair(150.0, 150.0));
}

TEST_F(PiezometricToolTest, TheBarProposesTheFirstFreeNumberAndTheLastLinesUnitWeight) {
    AddPiezometricLine(1, 62.4);
    AddPiezometricLine(3, 9.81);
    Cpp_PiezometricTool::StartEntryTool();
    int number = 0;
    double unitWeight = 0;
    std::string description;
    ASSERT_TRUE(PiezometricBar().GetLineData(number, unitWeight, description));
    EXPECT_EQ(number, 2);
    EXPECT_DOUBLE_EQ(unitWeight, 9.81);
    EXPECT_EQ(description, "Piezometric Line No. 2");
    Click(100, 200);
    EXPECT_EQ(GetCursorMode(), CursorModePiezometricLineEntry);
    Click(200, 150);
    Right(200, 150);
    EXPECT_EQ(PiezometricNumbers(), (std::vector<int>{1, 3, 2}));
    const Cpp_PiezometricLine& line = *Piezometric().PiezometricLineAt(2);
    EXPECT_DOUBLE_EQ(line.UnitWeight(), 9.81);
    EXPECT_EQ(Points(line), (std::vector<std::pair<double, double>>{{100, 100}, {200, 150}}));
    EXPECT_EQ(host.dataChanges, std::vector<int>{4});
    ASSERT_TRUE(PiezometricBar().GetLineData(number, unitWeight, description));
    EXPECT_EQ(number, 4);
    EXPECT_EQ(description, "Piezometric Line No. 4");
}

TEST_F(PiezometricToolTest, TheExistingLineRenumberedKeepsBothAndOnePointMakesNoLine) {
    AddPiezometricLine(1, 62.4);
    Cpp_PiezometricTool::StartEntryTool();
    PiezometricBar().SetLineData(1, 62.4, "new");
    duplicates.choice = 2;
    duplicates.existingAnswer = 2;
    Click(100, 200);
    Click(200, 150);
    Right(200, 150);
    EXPECT_EQ(duplicates.message, "Piezometric number 1 already exists.");
    EXPECT_EQ(PiezometricNumbers(), (std::vector<int>{2, 1}));
    EXPECT_EQ(Piezometric().PiezometricLineAt(1)->Description(), "new");
    // One point: no line and no message.
    Click(100, 200);
    Right(100, 200);
    EXPECT_EQ(PiezometricNumbers(), (std::vector<int>{2, 1}));
    EXPECT_TRUE(fakes.messageBoxes.requests.empty());
    EXPECT_EQ(GetCursorMode(), CursorModeNone);
}

class SlopeToolTest : public ProfileToolTest {
protected:
    void SetUp() override {
        ProfileToolTest::SetUp();
        host.editMode = EditModeSlopeLine;
        ShowToolBar(BarSlope, true, 1);
    }
    Cpp_SlopeGeometry& Geometry() { return Cpp_Kliven4Data::CurrentDataSet()->SlopeGeometry(); }
};

TEST_F(SlopeToolTest, EnteredPointsReplaceTheSlopeAndOnePointLeavesItAsItWas) {
    Click(100, 200);
    EXPECT_EQ(GetCursorMode(), CursorModeSlopeLineEntry);
    Click(200, 150);
    Click(300, 150);
    Click(300, 150);  // the last point again finishes
    EXPECT_EQ(GetCursorMode(), CursorModeNone);
    EXPECT_TRUE(Geometry().IsEntered());
    const std::vector<std::pair<double, double>> slope{{100, 100}, {200, 150}, {300, 150}};
    EXPECT_EQ(Points(Geometry().GetSlopeLine()), slope);
    EXPECT_EQ(host.dataChanges, std::vector<int>{2});
    Click(50, 50);
    Right(50, 50);
    EXPECT_EQ(Points(Geometry().GetSlopeLine()), slope);
    EXPECT_EQ(host.dataChanges, std::vector<int>{2});
}

TEST_F(SlopeToolTest, ANewSlopeCarriesTheCrackBottomAndWaterWithIt) {
    Cpp_Crack& crack = Cpp_Kliven4Data::CurrentDataSet()->AnalysisComputationData()->GetCrack();
    crack.SetCrackOption(1);
    crack.SetCrackConstant(2.5);
    crack.SetWaterOption(1);
    crack.SetWaterConstant(1.0);
    Click(100, 200);
    Click(300, 200);
    Right(300, 200);
    const std::vector<std::pair<double, double>> bottom{{100, 97.5}, {300, 97.5}};
    const std::vector<std::pair<double, double>> water{{100, 98.5}, {300, 98.5}};
    EXPECT_EQ(Points(Geometry().GetCrackBottomLine()), bottom);
    EXPECT_EQ(Points(Geometry().GetCrackWaterLine()), water);
}

}  // namespace
