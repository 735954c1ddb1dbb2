#include "core/data_error_output.h"
#include "model/data_check.h"
#include "model/data_set.h"
#include "model/writer.h"
#include "profile/crack.h"
#include "profile/material_properties.h"
#include "support/fake_services.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>

namespace {

std::string Capture(const std::function<void(std::FILE*)>& action) {
    return testsupport::CaptureListing(action);
}

size_t At(const std::string& text, const std::string& what) { return text.find(what); }

void AddProfile(Cpp_Kliven4DataSet& ds) {
    Cpp_ProfileLine* top = ds.ProfileLines().CreateLine(1, 1, "");
    top->AddPoint(0, 20);
    top->AddPoint(20, 20);
    top->AddPoint(40, 10);
    Cpp_ProfileLine* low = ds.ProfileLines().CreateLine(2, 1, "");
    low->AddPoint(0, 5);
    low->AddPoint(40, 5);
    ds.MaterialData().GetMaterialList().Create(1);
}

TEST(DataCheck, EmptyDataSetGivesTheThreeMessagesInOrderUnderTheirBanners) {
    Cpp_Kliven4DataSet ds(1);
    const std::string text = Capture([&](std::FILE* f) { EXPECT_FALSE(ds.CheckData(1, f)); });
    const size_t profileBanner = At(text, "IN PROFILE LINE DATA **********");
    const size_t m2240 = At(text, "KLIVEN ERROR NUMBER 2240");
    const size_t m5100 = At(text, "KLIVEN ERROR NUMBER 5100");
    const size_t materialBanner = At(text, "IN MATERIAL PROPERTY DATA **********");
    const size_t m2820 = At(text, "KLIVEN ERROR NUMBER 2820");
    ASSERT_NE(m2820, std::string::npos) << text;
    EXPECT_LT(profileBanner, m2240);
    EXPECT_LT(m2240, m5100);
    EXPECT_LT(m5100, materialBanner);
    EXPECT_LT(materialBanner, m2820);
    EXPECT_EQ(At(text, "SLOPE GEOMETRY DATA ****"), std::string::npos);  // nothing to report there
}

TEST(DataCheck, GeneratesAMissingSlopeAndEchoesIt) {
    Cpp_Kliven4DataSet ds(1);
    AddProfile(ds);
    const std::string text = Capture([&](std::FILE* f) { ds.CheckData(0, f); });
    EXPECT_EQ(ds.SlopeGeometry().GetPointCount(), 3);
    EXPECT_FALSE(ds.SlopeGeometry().IsEntered());
    EXPECT_NE(At(text, "NEW, COMPUTED SLOPE GEOMETRY DATA"), std::string::npos);
    EXPECT_EQ(At(text, "IN PROFILE LINE DATA"), std::string::npos);
}

TEST(DataCheck, EveryBlockRunsAfterAFailureAndRegisteredChecksGetTheirBanners) {
    Cpp_Kliven4DataSet ds(1);
    ds.ProfileLines().CreateLine(1, 1, "")->AddPoint(0, 0);  // one point: profile check fails
    int lineLoadRuns = 0;
    RegisterBlockCheck(e_CheckBlock::LineLoads, [&](s_DataCheckContext& c) {
        ++lineLoadRuns;
        Cpp_Errors errors(c.listing);
        Cpp_DataErrorOutput::BeginCheck(5620, 0);
        Cpp_DataErrorOutput::AddString("Zero force for line load number 1 (Stage 1).\n");
        Cpp_DataErrorOutput::Finish();
        return false;
    });
    const std::string text = Capture([&](std::FILE* f) { EXPECT_FALSE(ds.CheckData(1, f)); });
    RegisterBlockCheck(e_CheckBlock::LineLoads, {});
    EXPECT_EQ(lineLoadRuns, 1);
    EXPECT_NE(At(text, "KLIVEN ERROR NUMBER 2250"), std::string::npos);
    EXPECT_NE(At(text, "KLIVEN ERROR NUMBER 5100"), std::string::npos);
    EXPECT_LT(At(text, "IN LINE LOAD DATA"), At(text, "KLIVEN ERROR NUMBER 5620"));
}

// Regression: the outcome of the check depended on whether "Error.log" could be opened.
TEST(DataCheck, OutcomeDoesNotDependOnTheErrorLog) {
    testsupport::TempDir dir;
    const auto previous = std::filesystem::current_path();
    std::filesystem::current_path(dir.Path());
    Cpp_Kliven4DataSet ds(1);
    AddProfile(ds);
    const bool withLog = CheckDataCommand(ds, nullptr);
    EXPECT_TRUE(std::filesystem::exists(dir.Path() / "Error.log"));
    std::filesystem::remove(dir.Path() / "Error.log");
    std::filesystem::create_directory(dir.Path() / "Error.log");  // the log cannot be opened
    ds.SlopeGeometry().DeleteAll();
    const bool withoutLog = CheckDataCommand(ds, nullptr);
    EXPECT_EQ(withLog, withoutLog);
    EXPECT_TRUE(ds.SlopeGeometry().HasSlopeData());  // the slope step still ran

    Cpp_Kliven4DataSet empty(2);
    EXPECT_FALSE(CheckDataCommand(empty, nullptr));
    std::filesystem::current_path(previous);
    Cpp_DataErrorOutput::ResetForTests();
}

TEST(DataCheck, CrackLinesFollowTheRegisteredCrackAndExtentsIncludeItsPoints) {
    Cpp_Crack crack;
    crack.SetCrackOption(4);
    crack.CrackPointList().AddPoint(-10, 15);
    crack.CrackPointList().AddPoint(50, 15);
    RegisterCrackQuery([&](const Cpp_Kliven4DataSet&) { return &crack; });
    Cpp_Kliven4DataSet ds(1);
    AddProfile(ds);
    ds.CheckData(0, nullptr);
    EXPECT_TRUE(ds.SlopeGeometry().GetCrackBottomLine().HasPoints());
    EXPECT_EQ(ds.SlopeGeometry().GetCrackBottomLine().FirstPoint()->Y(), 15.0);
    double xmin, xmax, ymin, ymax;
    ASSERT_TRUE(DataSetExtents(ds, xmin, xmax, ymin, ymax));
    EXPECT_EQ(xmin, -10.0);
    EXPECT_EQ(xmax, 50.0);
    EXPECT_DOUBLE_EQ(DataSetLengthTolerance(ds), 1e-8 * std::hypot(60.0, 15.0));
    RegisterCrackQuery({});
    Cpp_Kliven4DataSet lineLoadsOnly(2);
    EXPECT_FALSE(DataSetExtents(lineLoadsOnly, xmin, xmax, ymin, ymax));
}

TEST(DataCheck, SummaryOfASingleStageDataSetHasNoStageBanners) {
    Cpp_Kliven4DataSet ds(1);
    AddProfile(ds);
    const auto lines = SummaryLines(ds);
    ASSERT_EQ(lines.size(), 12u);
    EXPECT_EQ(lines[1], "Number of profile lines: 2");
    EXPECT_EQ(lines[3], "Number of piezometric lines: 0");
    EXPECT_EQ(lines.back(), "Number of reinforcement lines: 0");
    RegisterSummaryCount(e_SummaryCount::LineLoads,
                         [](const Cpp_Kliven4DataSet&, int stage) { return stage == 2 ? 3 : 0; });
    const auto withStage2 = SummaryLines(ds);
    RegisterSummaryCount(e_SummaryCount::LineLoads, {});
    EXPECT_EQ(withStage2.size(), 13u);
    EXPECT_EQ(withStage2[10], "Number of line loads - stage 2: 3");
}

}  // namespace

#include "porepressure/interpolation_data.h"
#include "porepressure/pore_pressure.h"

namespace {

TEST(DataCheck, InterpolationDataAgainstTheMaterials) {
    Cpp_Kliven4DataSet ds(1);
    EXPECT_TRUE(CheckInterpolationDataForMaterials(ds, nullptr));  // no materials: nothing to say
    Cpp_MaterialProperties* m = ds.MaterialData().GetMaterialList().Create(3);
    m->GetPorePressureRecord(1).SetOption(6);
    std::string text =
        Capture([&](std::FILE* f) { EXPECT_FALSE(CheckInterpolationDataForMaterials(ds, f)); });
    EXPECT_NE(At(text, "KLIVEN ERROR NUMBER 4870"), std::string::npos) << text;

    ds.InterpolationData(1)->CreateDataSet(1, 0);  // pressures for all materials: used
    ds.InterpolationData(1)->CreateDataSet(5, 0);  // c/p values: nobody uses them
    text = Capture([&](std::FILE* f) { EXPECT_TRUE(CheckInterpolationDataForMaterials(ds, f)); });
    EXPECT_EQ(At(text, "4870"), std::string::npos);
    EXPECT_NE(At(text, "KLIVEN WARNING NUMBER"), std::string::npos) << text;
}

TEST(DataCheck, StageCopyAsksNothingWhenEveryMaterialExists) {
    Cpp_Kliven4DataSet ds(1);
    AddProfile(ds);
    ds.MaterialData().GetMaterialList().FindMaterial(1)->Stage(1).SetUnitWeight(125.0);
    ASSERT_TRUE(CopyStage1ToStage2Properties(ds, nullptr));
    double w = 0;
    ASSERT_TRUE(ds.MaterialData().GetMaterialList().FindMaterial(1)->UnitWeight(2, 0.0, w));
    EXPECT_EQ(w, 125.0);
    ds.ProfileLines().CreateLine(5, 9, "");
    testsupport::FakeServices fakes;
    fakes.messageBoxes.answers.push_back(platform::BoxResult::No);
    EXPECT_FALSE(CopyStage1ToStage2Properties(ds, nullptr));
    ASSERT_EQ(fakes.messageBoxes.Texts().size(), 1u);
    EXPECT_EQ(
        fakes.messageBoxes.Texts()[0],
        "Profile Lines with the following number(s) have no material properties: 5.  Continue anyway?");
}

}  // namespace

#include "porepressure/triangle.h"

namespace {

TEST(DataCheck, TrianglesOutsideTheMaterialOfASetAreDeleted) {
    Cpp_Kliven4DataSet ds(1);
    AddProfile(ds);  // material 1 from the top line down to y = 5, material 1 below too
    ds.ProfileLines().ProfileLineAt(1)->SetMaterialNumber(2);
    ds.MaterialData().GetMaterialList().Create(2);
    Cpp_InterpolationDataSet* set = ds.InterpolationData(1)->CreateDataSet(1, 1);
    int n = 0;
    for (auto [x, y] : {std::pair{0.0, 0.0}, {40.0, 0.0}, {40.0, 18.0}, {0.0, 18.0}, {20.0, 9.0}})
        set->AppendPoint(++n, x, y, 1.0);
    set->RebuildVertices();
    ASSERT_TRUE(set->Triangulate(1));
    auto count = [&] {
        int k = 0;
        for (Cpp_Triangle* t = set->GetTriangleList().First(); t; t = t->Next()) ++k;
        return k;
    };
    const int before = count();
    ASSERT_GT(before, 0);
    EXPECT_TRUE(DeleteTrianglesOutsideMaterial(ds, *set, 1));
    const int after = count();
    EXPECT_LT(after, before);
    EXPECT_GT(after, 0);
    EXPECT_FALSE(DeleteTrianglesOutsideMaterial(ds, *set, 1));  // nothing left to delete
}

}  // namespace
