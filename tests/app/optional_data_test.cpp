// The optional analysis data through their launcher (32791 and Ctrl on the slip-surface
// buttons) with a scripted sheet: what the pages are given and what OK stores back.

#include "analysis/analysis_computation_data.h"
#include "analysis/analysis_dialogs.h"
#include "analysis/optional_data_sheet.h"
#include "app/main_frame.h"
#include "model/data_set.h"
#include "model/data_sets.h"
#include "support/fake_services.h"

#include <QTest>
#include <QToolBar>
#include <gtest/gtest.h>

#include <functional>

namespace {

using A = Cpp_AnalysisComputationData;

// Shows what it was given, lets the test change it, and answers ok.
struct ScriptedSheet final : OptionalDataSheet {
    bool Run(s_OptionalDataType& record) override {
        shown = record;
        ++runs;
        if (edit) edit(record);
        return ok;
    }
    s_OptionalDataType shown;
    std::function<void(s_OptionalDataType&)> edit;
    bool ok = true;
    int runs = 0;
};

struct CountingMainDialog final : AnalysisMainDialogs {
    bool MainInput(int&, int&) override {
        ++runs;
        return false;
    }
    bool ModeOfComputations(bool, int&) override { return false; }
    int runs = 0;
};

class OptionalDataTest : public ::testing::Test {
protected:
    void SetUp() override {
        OptionalDataSheetSlot().Set(&sheet_);
        AnalysisMainDialogsSlot().Set(&main_);
        Data().SetCircular(true);
        Data().SetMode(A::kSearchType1);
        Data().SetDataDefined(true);
    }
    void TearDown() override { frame_.Doc().SetModifiedFlag(false); }
    A& Data() { return *Cpp_Kliven4Data::CurrentDataSet()->AnalysisComputationData(); }
    // 32791 with the edit made in the sheet.
    void Edit(const std::function<void(s_OptionalDataType&)>& edit) {
        sheet_.edit = edit;
        frame_.OnCommand(ID_OPTIONAL_ANALYSIS_DATA);
    }

    testsupport::FakeServices fakes_;
    app::MainFrame frame_;
    ScriptedSheet sheet_;
    CountingMainDialog main_;
};

// Without primary data the sheet is not shown: the "Halt" box, then the main dialog; Ctrl on
// either slip-surface button does the same.
TEST_F(OptionalDataTest, WithoutPrimaryDataTheMainDialogOpensInstead) {
    Data().SetDataDefined(false);
    frame_.show();
    frame_.OnCommand(ID_OPTIONAL_ANALYSIS_DATA);
    for (int id : {ID_ENTER_CIRCULAR_SLIP_SURFACE, ID_ENTER_NONCIRCULAR_SLIP_SURFACE})
        QTest::mouseClick(frame_.MainToolBar()->widgetForAction(frame_.Action(id)), Qt::LeftButton,
                          Qt::ControlModifier);
    QTest::mouseClick(frame_.MainToolBar()->widgetForAction(frame_.Action(ID_SELECT_ITEMS)),
                      Qt::LeftButton);
    ASSERT_EQ(fakes_.messageBoxes.requests.size(), 3u);
    for (const auto& request : fakes_.messageBoxes.requests) {
        EXPECT_EQ(request.caption, "Halt - Not Ready for This Input");
        EXPECT_EQ(request.text, "There are no primary Analysis/Computation data - Enter primary "
                                "data first.");
    }
    EXPECT_EQ(main_.runs, 3);
    EXPECT_EQ(sheet_.runs, 0);
    frame_.close();
}

// The negative-inclination limit: the default shows unticked at -10.000 and comes back exactly,
// ticked and kept as well; another limit shows ticked in degrees; unticked gives the default.
TEST_F(OptionalDataTest, NegativeLimitKeepsItsRadians) {
    struct Case {
        double stored;
        bool shownTicked;
        double shownDegrees;
        bool tick;
        double expected;
    };
    const Case cases[] = {
        {A::kDefaultNegativeLimit, false, -10.0, true, A::kDefaultNegativeLimit},
        {A::kDefaultNegativeLimit, false, -10.0, false, A::kDefaultNegativeLimit},
        {-0.2, true, -0.2 * 180.0 / 3.14159265358979323846, true, -0.2},
        {-0.2, true, -0.2 * 180.0 / 3.14159265358979323846, false, A::kDefaultNegativeLimit},
    };
    for (const Case& c : cases) {
        Data().SetNegativeSideForceLimit(c.stored);
        Edit([&](s_OptionalDataType& r) { r.overrideLimit = c.tick; });
        EXPECT_EQ(sheet_.shown.overrideLimit, c.shownTicked);
        EXPECT_NEAR(sheet_.shown.mostNegativeInclination, c.shownDegrees, 1e-9);
        EXPECT_EQ(Data().GetNegativeSideForceLimit(), c.expected);
    }
}

// Slices of noncircular data: 0 increments show the base length with 111 slices, 30 show the
// count with a base length of 333.333; the kind chosen decides what is stored.
TEST_F(OptionalDataTest, NoncircularSlicesShowTheOtherValueAsFiller) {
    Data().SetCircular(false);
    Data().SetNoncircularSubdivision(0, 4.5);
    Edit([](s_OptionalDataType& r) {
        r.noncircularSliceOption = 0;
        r.numberOfSlices = 40;
    });
    EXPECT_EQ(sheet_.shown.noncircularSliceOption, 1);
    EXPECT_EQ(sheet_.shown.numberOfSlices, 111);
    EXPECT_EQ(sheet_.shown.sliceValue, 4.5);
    EXPECT_EQ(Data().GetIncrements(), 40);
    EXPECT_EQ(Data().GetBaseLength(), 0);
    Edit({});
    EXPECT_EQ(sheet_.shown.noncircularSliceOption, 0);
    EXPECT_EQ(sheet_.shown.sliceValue, 333.333);
    EXPECT_EQ(Data().GetIncrements(), 40);
}

// A procedure the sheet does not offer opens unselected and stays; the save criterion follows
// the first ticked box; an unticked restriction keeps its values; Cancel stores nothing.
TEST_F(OptionalDataTest, UnofferedProcedureSaveCriterionAndRestrictions) {
    Data().SetProcedure(A::kChenMorgenstern);
    Data().SetSaveFactorRange(1.0, 1.5);
    Data().SetRestriction('A', 'E', 10, 20);
    bool set = false;
    double lo = 0, hi = 0;
    Edit([](s_OptionalDataType& r) {
        r.saveMostCritical = true;
        r.numberToSave = 5;
        r.restrictions[A::kAbsoluteEntire] = {false, 1, 2};
        r.restrictions[A::kRelativeSome] = {true, -3, 3};
    });
    EXPECT_EQ(sheet_.shown.procedure, -1);
    EXPECT_TRUE(sheet_.shown.saveRange);
    EXPECT_EQ(sheet_.shown.rangeTo, 1.5);
    EXPECT_EQ(Data().GetProcedure(), A::kChenMorgenstern);
    EXPECT_EQ(Data().GetSaveOption(), 1);
    EXPECT_EQ(Data().GetSaveCount(), 5);
    ASSERT_TRUE(Data().GetRestriction(A::kAbsoluteEntire, set, lo, hi));
    EXPECT_FALSE(set);
    EXPECT_EQ(lo, 10);
    EXPECT_EQ(hi, 20);
    Data().GetRestriction(A::kRelativeSome, set, lo, hi);
    EXPECT_TRUE(set);
    EXPECT_EQ(lo, -3);
    EXPECT_TRUE(frame_.Doc().IsModified());

    frame_.Doc().SetModifiedFlag(false);
    sheet_.ok = false;
    Edit([](s_OptionalDataType& r) { r.procedure = 1; });
    EXPECT_EQ(Data().GetProcedure(), A::kChenMorgenstern);
    EXPECT_FALSE(frame_.Doc().IsModified());
}

// The crack changes only when its kind or its constant does; points replace the point list.
TEST_F(OptionalDataTest, CrackChangesOnlyWhenItsValueDoes) {
    struct Case {
        int kind;
        bool variable;
        double value;
        bool changed;
    };
    const Case cases[] = {{1, false, 2.0, false},
                          {1, false, 2.5, true},
                          {1, true, 0, true},
                          {2, false, 2.0, true},
                          {0, false, 0, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.kind * 10 + c.variable);
        Cpp_Crack& crack = Data().GetCrack();
        crack.SetCrackOption(1);
        crack.SetCrackConstant(2.0);
        bool crackChanged = false, waterChanged = true, noData = true;
        sheet_.edit = [&](s_OptionalDataType& r) {
            r.crack.option = c.kind;
            r.crack.variable = c.variable;
            r.crack.value = c.value;
            r.crack.points = {{0, 1}, {10, 3}};
        };
        ASSERT_TRUE(Data().EditOptionalData(&frame_, crackChanged, waterChanged, noData));
        EXPECT_EQ(sheet_.shown.crack.option, 1);
        EXPECT_EQ(sheet_.shown.crack.value, 2.0);
        EXPECT_EQ(crackChanged, c.changed);
        EXPECT_FALSE(waterChanged);
        EXPECT_FALSE(noData);
        EXPECT_EQ(crack.GetCrackOption(), c.variable ? 3 : c.kind);
        if (c.variable) {
            EXPECT_EQ(crack.CrackPointList().Count(), 2);
        }
    }
}

}  // namespace
