// A document with piezometric lines, pore-pressure options and interpolation data of both stages
// read through the reader and written back: the second writing equals the first, and every
// block of the pore-water pressure data is in it.

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <tuple>

#include "core/data_error_output.h"
#include "core/kliven4_messages.h"
#include "core/preferences.h"
#include "core/text_formats.h"
#include "core/units.h"
#include "model/data_set.h"
#include "model/point_stresses.h"
#include "model/porepressure_blocks.h"
#include "model/subsystem_registration.h"
#include "model/writer.h"
#include "profile/material_properties.h"
#include "registry/block_readers.h"
#include "support/fake_services.h"
#include "support/test_support.h"

namespace {

using testsupport::Contents;
using testsupport::FileWith;
using testsupport::Has;

class DocumentRoundTrip : public ::testing::Test {
protected:
    void SetUp() override {
        Cpp_KlivenSettings::Reset();
        ResetUnits();
        ResetTriangulationGlobals();
        Cpp_DataErrorOutput::ResetForTests();
        Cpp_KLIVEN4Messages::Clear();
        ClearBlockReaders();
        InitializeBlockReaders();
        ClearBlockWriters();
        SetRunTimeText("today");
        Cpp_Kliven4DataSet::SetCurrentStage(1);
    }
    void TearDown() override {
        Cpp_DataErrorOutput::ResetForTests();
        Cpp_Kliven4DataSet::SetCurrentStage(1);
    }
    // Reads a document into a new data set and writes it back as a document.
    std::string ReadAndWrite(const std::string& text, std::string& listingText,
                             Cpp_Kliven4DataSet& ds) {
        ds.ResetForNewData();
        std::FILE* in = FileWith(text);
        std::FILE* listing = std::tmpfile();
        bool endFlag = false;
        EXPECT_TRUE(ds.ReadInputData(nullptr, in, listing, endFlag));
        EXPECT_TRUE(ds.PrepareInterpolationData(listing));
        listingText = Contents(listing);
        std::fclose(in);
        std::fclose(listing);
        Cpp_Kliven4DataSet::SetGraphicsOutputFlag(false);
        std::FILE* out = std::tmpfile();
        EXPECT_TRUE(WriteInputFile(ds, true, false, out));
        std::string written = Contents(out);
        std::fclose(out);
        return written;
    }
    testsupport::FakeServices fakes;
};

TEST_F(DocumentRoundTrip, PorePressureBlocksOfBothStages) {
    const std::string document =
        "EXTernal file data follow -\n"
        "0 = do NOT import pressures from file\n"
        "0 = do NOT import r-sub-u values from file\n"
        "0 = do NOT import strength values from file\n"
        "0 = do NOT import pressures from file\n"
        "0 = do NOT import r-sub-u values from file\n"
        "0 = do NOT import strength values from file\n"
        "ENGlish units\n"
        "MATerial property data follow -\n"
        "     1 Clay\n          120\n          Conventional\n          100 32\n"
        "          Piezometric Line NegativeOK\n          1 -200\n"
        "     2 Sand\n          118\n          Conventional\n          0 35\n"
        "          Interpolate Pressures\n"
        "\n"
        "PIEzometric line data follow -\n"
        "1 62.4 Phreatic surface\n0 50 100 40 200 40\n\n\n"
        "INTerpolation data follow -\n"
        "P\n0 0 1000 2 100 0 1200 2 0 50 400 2\n\n"
        "R\n0 0 0.1\n100 0 0.2\n50 80 0.3\n\n"
        "S\n0 0 500\n100 0 600\n0 90 700\n\n\n"
        "SECond stage input data\n"
        "MATerial property data follow -\n"
        "     1 Clay\n          120\n          Conventional\n          100 32\n"
        "          Constant RSubU\n          0.2\n"
        "\n"
        "PIEzometric line data follow -\n"
        "2\n0 45 200 45\n\n\n"
        "INTerpolation data follow -\n"
        "C\n0 0 0.25\n10 0 0.3\n0 10 0.35\n\n"
        "U\n0 0 120\n10 0 125\n0 10 130\n\n\n"
        "NO compute\n";
    Cpp_Kliven4DataSet first(1);
    std::string listing;
    const std::string written = ReadAndWrite(document, listing, first);
    EXPECT_TRUE(Has(listing, "TABLE NO. 6"));
    EXPECT_TRUE(Has(listing, "TABLE NO. 7"));
    EXPECT_TRUE(Has(listing, "TABLE NO. 8"));
    EXPECT_TRUE(Has(listing, "TABLE NO. 9"));
    EXPECT_TRUE(
        Has(written, "          Piezometric Line NegativeOK\n               1        -200.0\n"));
    EXPECT_TRUE(Has(written, "          Interpolate Pressures\n"));
    EXPECT_TRUE(Has(written, "          Constant RSubU\n                    0.200\n"));
    EXPECT_TRUE(
        Has(written, "PIEzometric line data follow -\n     1     62.40 Phreatic surface\n"));
    EXPECT_TRUE(Has(written, "     2     62.40\n"));
    for (const char* kind :
         {"     Pressure values\n", "     R-sub-u values-\n", "     Strength values\n",
          "     C/P values\n", "     Unit weight values\n"})
        EXPECT_TRUE(Has(written, kind)) << kind;
    EXPECT_EQ(first.InterpolationData(1)->FindDataSet(1, 2)->CountPoints(), 3);
    EXPECT_EQ(first.InterpolationData(2)->CountPoints(6), 3);
    EXPECT_FALSE(first.InterpolationData(1)->FindDataSet(1, 2)->GetTriangleList().IsEmpty());

    Cpp_Kliven4DataSet second(2);
    EXPECT_EQ(ReadAndWrite(written, listing, second), written);
}

}  // namespace

namespace {

// Regression: numbers beyond the range of int were converted unchecked, and 3000000000 came back
// as -2147483648. They are held to the range with their sign, consistently wherever the same
// number is read, so the document still refers to the same line.
TEST_F(DocumentRoundTrip, WholeNumbersBeyondIntRangeKeepTheirSign) {
    const std::string document =
        "ENGlish units\n"
        "MATerial property data follow -\n"
        "     1 Clay\n          120\n          Conventional\n          100 32\n"
        "          Piezometric Line NegativeOK\n          3000000000 -200\n"
        "\n"
        "PIEzometric line data follow -\n"
        "-3000000000 62.4\n0 50 100 40 200 40\n\n\n"
        "INTerpolation data follow -\n"
        "P\n0 0 1000 3000000000 100 0 1200 3000000000 0 50 400 3000000000\n\n\n"
        "NO compute\n";
    Cpp_Kliven4DataSet first(1);
    std::string listing;
    const std::string written = ReadAndWrite(document, listing, first);
    EXPECT_FALSE(Has(written, "-2147483648")) << written;
    EXPECT_TRUE(Has(written, "               2147483647        -200.0\n")) << written;
    EXPECT_TRUE(Has(written, "PIEzometric line data follow -\n     2147483647     62.40\n"))
        << written;
    EXPECT_NE(first.PiezometricLines(1)->FindLine(2147483647), nullptr);
    EXPECT_TRUE(Has(written, "        1000.0 2147483647\n")) << written;
    EXPECT_EQ(first.InterpolationData(1)->FindDataSet(1, 2147483647)->CountPoints(), 3);
    Cpp_Kliven4DataSet second(2);
    EXPECT_EQ(ReadAndWrite(written, listing, second), written);
}

TEST_F(DocumentRoundTrip, PointStressesTakeThePressureFromLinesAndInterpolation) {
    RegisterPorePressureQueries();
    Cpp_Kliven4DataSet ds(1);
    Cpp_PiezometricLine* line = ds.PiezometricLines(1)->CreateLine(2, 62.4, "");
    line->AddPoint(0, 10);
    line->AddPoint(100, 10);
    Cpp_InterpolationData* data = ds.InterpolationData(1);
    Cpp_InterpolationDataSet* set = nullptr;
    for (auto [x, y, u] : {std::tuple{0.0, 0.0, 100.0}, {10.0, 0.0, 200.0}, {0.0, 10.0, 300.0}})
        data->AddPointToDataSet(1, 4, x, y, u, 0, 0, set);
    ASSERT_TRUE(ds.PrepareInterpolationData(nullptr));
    auto& materials = ds.MaterialData().GetMaterialList();
    materials.Create(3)->GetPorePressureRecord(1).SetOption(5);
    materials.FindMaterial(3)->GetPorePressureRecord(1).SetPiezometricLineNumber(2);
    materials.Create(4)->GetPorePressureRecord(1).SetOption(6);
    struct Case {
        int material;
        double x, y;
        bool ok;
        double pressure;
    };
    for (const Case& c : {Case{3, 50, 0, true, 624.0}, Case{3, 150, 0, false, 0.0},
                          Case{4, 5, 0, true, 150.0}, Case{4, 50, 50, false, 0.0}}) {
        int lineNumber = 0, material = c.material;
        double u = -1;
        std::string text;
        EXPECT_EQ(PoreWaterPressureAtPoint(ds, c.x, c.y, lineNumber, material, 1, u, text), c.ok);
        if (c.ok) {
            EXPECT_NEAR(u, c.pressure, 1e-9);
        }
    }
}

}  // namespace
