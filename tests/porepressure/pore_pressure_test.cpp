// The pore-pressure option of a material stage: its lines in the material block, the check and
// the negative-pressure rule.

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "core/data_error_output.h"
#include "core/kliven4_messages.h"
#include "graphics/drawing_attributes.h"
#include "porepressure/pore_pressure.h"
#include "support/test_support.h"

namespace {

using testsupport::Contents;
using testsupport::FileWith;

class PorePressureTest : public ::testing::Test {
protected:
    void SetUp() override {
        Cpp_DataErrorOutput::ResetForTests();
        listing = std::tmpfile();
    }
    void TearDown() override {
        Cpp_DataErrorOutput::ResetForTests();
        std::fclose(listing);
    }
    bool Read(const std::string& text, Cpp_PorePressure& p, int strengthOption = 1) {
        std::FILE* in = FileWith(text);
        const bool ok = p.ReadInput(7, strengthOption, in, listing, true);
        std::fclose(in);
        return ok;
    }
    std::string Written(const Cpp_PorePressure& p) {
        std::FILE* out = std::tmpfile();
        EXPECT_TRUE(p.WriteKLIVEN4InputDataFile(out));
        std::string s = Contents(out);
        std::fclose(out);
        return s;
    }
    std::FILE* listing = nullptr;
};

TEST_F(PorePressureTest, EveryOptionReadsAndWritesBackTheSameLines) {
    struct Case {
        std::string input;
        int option;
        bool negative;
        std::string written;
    };
    const std::string ten(10, ' ');
    const std::vector<Case> cases = {
        {"No pore pressure\n", 2, false, ten + "No pore pressure\n"},
        // "NegativeOK" is the fourth word after the three of the option.
        {"No pore pressure NegativeOK\n", 2, true, ten + "No pore pressure NegativeOK\n"},
        {"Constant Pressure NegativeOK\n250\n", 3, true,
         ten + "Constant Pressure NegativeOK\n" + std::string(19, ' ') + "     250.0\n"},
        {"Constant RSubU\n0.25\n", 4, false,
         ten + "Constant RSubU\n" + std::string(15, ' ') + "     0.250\n"},
        {"Piezometric Line\n2.9\n", 5, false,
         ten + "Piezometric Line\n" + std::string(15, ' ') + "2\n"},
        {"Piezometric Line NegativeOK\n2 -500\n", 5, true,
         ten + "Piezometric Line NegativeOK\n" + std::string(15, ' ') + "2        -500.0\n"},
        {"interpolate pressures\n", 6, false, ten + "Interpolate Pressures\n"},
        {"Interpolate RSubU NegativeOK\n", 7, true, ten + "Interpolate RSubU NegativeOK\n"},
        {"Old Pressure\n", 8, false, ten + "Old Pressure\n"},
        {"Old RSubU\n", 9, false, ten + "Old RSubU\n"},
        {"Spline Pressure\n", 10, false, ten + "Spline Pressure\n"},
        {"Spline RSubU\n", 11, false, ten + "Spline RSubU\n"},
        {"Nothing at all\n", 2, false, ten + "No pore pressure\n"},
    };
    for (const Case& c : cases) {
        Cpp_PorePressure p;
        ASSERT_TRUE(Read(c.input, p)) << c.input;
        EXPECT_EQ(p.GetOption(), c.option) << c.input;
        EXPECT_EQ(p.GetNegativeAllowed(), c.negative) << c.input;
        const std::string written = Written(p);
        EXPECT_EQ(written, c.written);
        Cpp_PorePressure again;
        ASSERT_TRUE(Read(written, again));
        EXPECT_EQ(again, p) << c.input;
    }
}

TEST_F(PorePressureTest, UnsetOptionIsStoredSoThatTheDocumentOpensAgain) {
    Cpp_PorePressure unset;
    const std::string written = Written(unset);
    EXPECT_EQ(written, std::string(10, ' ') + "Unspecified pore pressure\n");
    Cpp_PorePressure back;
    back.SetOption(3);
    ASSERT_TRUE(Read(written, back));
    EXPECT_EQ(back.GetOption(), 1);
    // The check still stops the computation input.
    EXPECT_FALSE(back.Check(nullptr, 1, 7, listing));
    EXPECT_NE(Contents(listing).find("No pore pressure option for material number 7 (Stage 1)."),
              std::string::npos);
}

TEST_F(PorePressureTest, BadLinesGiveTheirMessages) {
    struct Case {
        std::string input;
        std::string expected;
    };
    const std::vector<Case> cases = {
        {"Chalk Hill\n", "determined from the following pair of characters: C H"},
        {"Piezometric Line NegativeOK\n2\n", "negative pore water pressure for material number 7"},
        {"Constant Pressure\n",
         "Bad line of data for constant value of pore pressure for material number: 7"},
        {"Constant Pressure\nabc\n", "pressures for material number 7"},
        {"Constant RSubU\n", "coefficient (r-sub-u) for material number: 7"},
        {"Piezometric Line\n\n", "line number for material number 7"},
    };
    for (const Case& c : cases) {
        std::fclose(listing);
        listing = std::tmpfile();
        Cpp_PorePressure p;
        EXPECT_FALSE(Read(c.input, p)) << c.input;
        const std::string out = Contents(listing);
        EXPECT_NE(out.find("ERROR IN MATERIAL (PORE PRESSURE) INPUT DATA"), std::string::npos);
        EXPECT_NE(out.find(c.expected), std::string::npos) << out;
    }
}

TEST_F(PorePressureTest, CheckAndNegativeRule) {
    Cpp_PorePressure p;
    ASSERT_TRUE(Read("Piezometric Line\n0\n", p));
    EXPECT_FALSE(p.Check(nullptr, 2, 7, listing));
    EXPECT_NE(Contents(listing).find(
                  "Piezometric line number (= 0) for material 7 (Stage 2) is zero or negative."),
              std::string::npos);

    Cpp_PorePressure ru;
    ASSERT_TRUE(Read("Constant RSubU\n-0.1\n", ru));
    EXPECT_TRUE(ru.Check(nullptr, 1, 7, listing));
    EXPECT_NE(Contents(listing).find("coefficient (r-sub-u) for material 7 (Stage 1)."),
              std::string::npos);
    EXPECT_DOUBLE_EQ(ru.GetRSubU(), -0.1);
    Cpp_PorePressure none;
    EXPECT_THROW(none.GetRSubU(), Cpp_PorePressure::Exc_BadAccessOfRSubU);

    // Negative pressures allowed without a lowest value are used as they are.
    Cpp_PorePressure constant;
    ASSERT_TRUE(Read("Constant Pressure NegativeOK\n-250\n", constant));
    EXPECT_DOUBLE_EQ(constant.ApplyNegativeRule(-250.0), -250.0);
    Cpp_PorePressure limited;
    ASSERT_TRUE(Read("Piezometric Line NegativeOK\n2 -500\n", limited));
    EXPECT_DOUBLE_EQ(limited.ApplyNegativeRule(-800.0), -500.0);
    EXPECT_DOUBLE_EQ(limited.ApplyNegativeRule(-300.0), -300.0);
    Cpp_PorePressure clipped;
    ASSERT_TRUE(Read("Piezometric Line\n2\n", clipped));
    EXPECT_DOUBLE_EQ(clipped.ApplyNegativeRule(-300.0), 0.0);
}

TEST_F(PorePressureTest, TableRowsAndToolTip) {
    Cpp_PorePressure p;
    ASSERT_TRUE(Read("Piezometric Line\n3\n", p));
    Cpp_NameValueList rows;
    ASSERT_TRUE(p.GetGridRows(rows));
    ASSERT_EQ(rows.Count(), 2);
    EXPECT_EQ(rows.At(1).name, "Piezometric line number:");
    EXPECT_EQ(rows.At(1).value, "3");
    std::string tip;
    EXPECT_TRUE(p.ShortDescription(tip));
    EXPECT_EQ(tip, "Piezometric line: 3");
    Cpp_PorePressure spline;
    ASSERT_TRUE(Read("Spline RSubU\n", spline));
    Cpp_NameValueList none;
    spline.GetGridRows(none);
    EXPECT_EQ(none.Count(), 0);
}

}  // namespace
