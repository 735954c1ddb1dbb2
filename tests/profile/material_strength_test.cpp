#include <gtest/gtest.h>

#include <cmath>

#include "core/data_error_output.h"
#include "core/echo_writer.h"
#include "core/preferences.h"
#include "core/text_exception.h"
#include "core/text_files.h"
#include "core/units.h"
#include "profile/shear_strength.h"

namespace {

class Strength : public ::testing::Test {
protected:
    void SetUp() override {
        Cpp_KlivenSettings::Reset();
        ResetUnits();
        Cpp_DataErrorOutput::ResetForTests();
    }
    void TearDown() override {
        SetOutputFile(nullptr);
        Cpp_DataErrorOutput::ResetForTests();
    }
    // Reads the strength lines of material 7 from text; the listing keeps echo and messages.
    bool Read(const std::string& text, Cpp_ShearStrength& s, int stage = 1) {
        InputText input(text);
        return read_strength_properties(s, stage, 7, input.get(), listing.get(), true);
    }
    std::string Written(Cpp_ShearStrength& s) {
        OutputText out;
        EXPECT_TRUE(s.WriteStrengthProperties(out.get()));
        return out.Text();
    }
    bool Listed(const std::string& text) { return listing.Text().find(text) != std::string::npos; }
    OutputText listing;
};

TEST_F(Strength, OptionWordsDecodeByTheirFirstTwoInitials) {
    struct Case {
        const char* line;
        int option;  // 0: message 3010
    } cases[] = {
        {"Conventional\n", 1},
        {"conventional strengths\n", 1},
        {"C/ P ratio\n", 4},
        {"Isotropic\n", 1},
        {"Interpolate Strengths\n", 9},
        {"Interpolate C/P\n", 0},
        {"Interpolate Anisotropic Strengths\n", 0},
        {"Linear increase below profile line\n", 2},
        {"Reference elevation w/ increase below\n", 3},
        {"Anisotropic strengths\n", 5},
        {"Nonlinear envelope\n", 7},
        {"2-Stage Linear envelope\n", 11},
        {"Two-stage Nonlinear envelope\n", 12},
        {"Two stage\n", 0},
        {"Very Strong\n", 13},
        {"Very\n", 0},
        {"SHANSEP\n", 0},
        {"Varies Laterally\n", 0},
        {"Trilinear Envelope\n", 0},
        {"\n", 0},
    };
    for (const auto& c : cases) {
        Cpp_ShearStrength s;
        // Enough value lines for any option; the point options end at the blank line.
        const bool ok = Read(std::string(c.line) + "1 2 3 4 5 6\n\n", s);
        EXPECT_EQ(ok, c.option != 0) << c.line;
        EXPECT_EQ(s.Option(), c.option) << c.line;
    }
}

TEST_F(Strength, AnUnknownOptionWordShowsBothInitialsAndTheLine) {
    Cpp_ShearStrength s;
    EXPECT_FALSE(Read("  // a comment is skipped\n  Interpolate Anisotropic Strengths\n", s));
    EXPECT_TRUE(Listed("KLIVEN ERROR NUMBER 3010\n"
                       "ERROR IN MATERIAL (SHEAR STRENGTH) INPUT DATA\n"
                       "Shear strength option for material number 7 could not be determined\n"
                       "from the following character or pair of characters: I A\n"
                       "The following line of input data was entered:\n"
                       "  Interpolate Anisotropic Strengths\n"))
        << listing.Text();
}

TEST_F(Strength, ReadingFailuresGiveTheirMessages) {
    struct Case {
        const char* text;
        const char* number;
    } cases[] = {
        {"", "3450"},
        {"Phi-zero delta-phi\n", "3190"},
        {"Conventional\n", "3040"},
        {"Conventional\n100\n", "3240"},
        {"Linear increase\n1\n", "3250"},
        {"Reference elevation\n1 2\n", "3260"},
        {"C/ P ratio\n1 2 3\n", "3230"},
        {"Interpolate Strengths\nnone\n", "3280"},
        {"2-Stage Linear\n1 2 3\n", "3300"},
        {"Anisotropic\n0 100 30\n", "3020"},
        {"Anisotropic\nend\n", "3200"},
        {"Nonlinear\n0 100 10\n", "3130"},
        {"Nonlinear\n0 100\nx\n", "3210"},
        {"Nonlinear\n0 100\n", "3080"},
        {"2-Stage Nonlinear\n1 2 3 4\n", "3140"},
        {"2-Stage Nonlinear\nstop\n", "3220"},
        {"2-Stage Nonlinear\n1 2 3\n", "3110"},
    };
    for (const auto& c : cases) {
        OutputText out;
        Cpp_ShearStrength s;
        InputText input(c.text);
        EXPECT_FALSE(read_strength_properties(s, 2, 7, input.get(), out.get(), false)) << c.text;
        EXPECT_NE(out.Text().find(std::string("KLIVEN ERROR NUMBER ") + c.number),
                  std::string::npos)
            << c.text << out.Text();
    }
}

TEST_F(Strength, PointTablesStopAtTheirLimitsAndKeepWhatWasRead) {
    Cpp_ShearStrength s;
    EXPECT_FALSE(Read("Anisotropic\n0 100 30 45 90 20 7\n", s));
    EXPECT_EQ(s.CohesionPointCount(), 2);
    EXPECT_TRUE(Listed("KLIVEN ERROR NUMBER 3120"));
    EXPECT_TRUE(Listed("7 values were input; even multiples of 3 are required."));

    std::string text = "Nonlinear envelope\n";
    for (int i = 0; i < 51; ++i) text += std::to_string(i) + " " + std::to_string(2 * i) + "\n";
    Cpp_ShearStrength n;
    EXPECT_FALSE(Read(text + "\n", n));
    EXPECT_EQ(n.GetNonlinearEnvelope().size(), 50u);
    EXPECT_TRUE(Listed("KLIVEN ERROR NUMBER 3410"));

    Cpp_ShearStrength fifty;
    text = "Anisotropic\n";
    for (int i = 0; i < 50; ++i) text += std::to_string(i) + " 100 30\n";
    EXPECT_TRUE(Read(text + "\n", fifty));
    EXPECT_EQ(fifty.CohesionPointCount(), 50);
}

TEST_F(Strength, ConventionalStrengthIsEchoedAndWrittenWithItsOwnDecimals) {
    Cpp_ShearStrength s;
    ASSERT_TRUE(Read("Conventional\n100 32.25\n", s));
    EXPECT_EQ(s.GetCohesion(), 100.0);
    EXPECT_NEAR(s.GetFrictionAngle(), 32.25, 1e-12);
    EXPECT_TRUE(Listed("\nCONVENTIONAL (ISOTROPIC) SHEAR STRENGTHS\n"
                       "Cohesion - - - - - - - - 100.0\n"
                       "Friction angle - - - - - 32.25 (degrees)\n"))
        << listing.Text();
    // The friction angle keeps its angle decimals (not the stress decimals).
    EXPECT_EQ(Written(s), "          Conventional\n"
                          "                    100.0          32.25\n");
}

// Every option the reader creates reads back equal from what the writer wrote.
TEST_F(Strength, EveryCreatedOptionSurvivesWriteAndReadBack) {
    const char* inputs[] = {
        "Conventional\n150 28.5\n",
        "Linear increase below profile line\n300 12.5\n",
        "Reference elevation w/ increase below\n95.5 400 10\n",
        "C/ P ratio\n0.25 100 50 2000\n",
        "Anisotropic strengths\n-30 100 30\n0 200 25.5\n60 300 20\n\n",
        "Nonlinear envelope\n0 10\n50 40\n100 50\n\n",
        "Interpolate Strengths\n100 5000\n",
        "2-Stage Linear envelope\n100 20.5 50 30\n",
        "2-Stage Nonlinear envelope\n0 10 5\n100 60 80\n\n",
        "Very Strong\n",
    };
    for (const char* text : inputs) {
        Cpp_ShearStrength first;
        ASSERT_TRUE(Read(text, first, 2)) << text << listing.Text();
        const std::string written = Written(first);
        Cpp_ShearStrength second;
        ASSERT_TRUE(Read(written.substr(10) + "\n", second, 2)) << written;
        EXPECT_EQ(Written(second), written) << text;
        EXPECT_EQ(second.Option(), first.Option());
        EXPECT_TRUE(second.Check(2, 7)) << text;
    }
}

TEST_F(Strength, TwoStageEnvelopesAreMergedBeforeWriting) {
    Cpp_ShearStrength s;
    s.SetStrengthOption(12);
    s.SetTwoStageNonlinearEnvelopes({{0, 10}, {50, 40}, {100, 50}}, {{25, 20}, {75, 60}});
    const std::string text = Written(s);
    EXPECT_EQ(text, "          2-Stage Nonlinear envelope\n"
                    "                      0.0           10.0            0.0\n"
                    "                     25.0           25.0           20.0\n"
                    "                     50.0           40.0           40.0\n"
                    "                     75.0           45.0           60.0\n"
                    "                    100.0           50.0           80.0\n"
                    "\n");
}

TEST_F(Strength, ResamplingInterpolatesAndExtendsTheEndSegments) {
    std::vector<double> x = {0, 50, 100}, y = {10, 40, 50};
    ASSERT_TRUE(Cpp_ShearStrength::ResampleEnvelope(x, y, {25, 75, -100, 200, 50}));
    EXPECT_EQ(y, (std::vector<double>{25, 45, -50, 70, 40}));
    std::vector<double> one = {1}, oneY = {2};
    EXPECT_FALSE(Cpp_ShearStrength::ResampleEnvelope(one, oneY, {1}));
}

TEST_F(Strength, TheCheckReversesDescendingCurvesAndRejectsOtherDisorder) {
    Cpp_ShearStrength descending;
    descending.SetStrengthOption(7);
    descending.SetNonlinearEnvelope({{300, 90}, {200, 70}, {100, 40}});
    SetOutputFile(listing.get());
    Cpp_DataErrorOutput::SetErrorFile(listing.get());
    EXPECT_TRUE(descending.Check(1, 7));
    EXPECT_EQ(descending.GetNonlinearEnvelope().front().normalStress, 100.0);
    EXPECT_EQ(descending.GetNonlinearEnvelope().front().shearStress, 40.0);
    // 3680 is an error by kind, yet the check passes.
    EXPECT_TRUE(Listed("KLIVEN ERROR NUMBER 3680"));

    Cpp_ShearStrength disorder;
    disorder.SetStrengthOption(7);
    disorder.SetNonlinearEnvelope({{100, 40}, {300, 90}, {200, 70}});
    EXPECT_FALSE(disorder.Check(1, 7));
    EXPECT_TRUE(Listed("KLIVEN ERROR NUMBER 3510"));
}

// The "reversed" messages are errors by kind, yet a wholly descending curve passes the check.
TEST_F(Strength, ReversedCurvesPassTheCheckWithTheirMessages) {
    OutputText out;
    Cpp_DataErrorOutput::SetErrorFile(out.get());
    Cpp_ShearStrength anisotropic;
    anisotropic.SetStrengthOption(5);
    anisotropic.SetAnisotropicParameters({{60, 300, 20}, {0, 200, 25}, {-30, 100, 30}});
    EXPECT_TRUE(anisotropic.Check(1, 7));
    EXPECT_DOUBLE_EQ(anisotropic.GetAnisotropicParameters().front().angle, -30.0);
    EXPECT_EQ(anisotropic.GetAnisotropicParameters().front().cohesion, 100.0);
    Cpp_ShearStrength twoStage;
    twoStage.SetStrengthOption(12);
    twoStage.SetTwoStageNonlinearEnvelopes({{100, 60}, {0, 10}}, {{100, 80}, {0, 5}});
    EXPECT_TRUE(twoStage.Check(2, 7));
    EXPECT_EQ(twoStage.GetTwoStageEnvelope(2).front().shearStress, 5.0);
    const std::string text = out.Text();
    for (const char* number :
         {"ERROR NUMBER 3660", "ERROR NUMBER 3670", "ERROR NUMBER 3690", "ERROR NUMBER 3700"})
        EXPECT_NE(text.find(number), std::string::npos) << number << text;
    // Stage 1 refuses two-stage envelopes.
    EXPECT_FALSE(twoStage.Check(1, 7));
}

TEST_F(Strength, CheckMessagesByOption) {
    struct Case {
        int option;
        s_StrengthParameters parameters;
        int stage;
        bool passes;
        const char* number;
    } cases[] = {
        {0, {}, 1, false, "ERROR NUMBER 3600"},
        {1, {{-1, 30}}, 1, false, "ERROR NUMBER 3560"},
        {1, {{100, -1}}, 1, false, "ERROR NUMBER 3570"},
        {1, {{0, 0}}, 1, true, "WARNING NUMBER 3720"},
        {2, {{0, 0}}, 1, true, "WARNING NUMBER 3740"},
        {4, {{0.3, 0, 100, 100}}, 1, false, "ERROR NUMBER 3550"},
        {11, {{100, 20, 50, 30}}, 1, false, "ERROR NUMBER 3710"},
        {11, {{0, 0, -5, 30}}, 2, false, "ERROR NUMBER 3760"},
        {11, {{10, 0, -5, 30}}, 2, false, "ERROR NUMBER 3580"},
        {11, {{-10, 5, 0, 0}}, 2, false, "ERROR NUMBER 3590"},
        {11, {{10, 5, 0, 0}}, 2, false, "ERROR NUMBER 3750"},
    };
    for (const auto& c : cases) {
        OutputText out;
        Cpp_DataErrorOutput::SetErrorFile(out.get());
        Cpp_ShearStrength s;
        s.SetStrengthOption(c.option);
        s.SetParameters(c.parameters);
        EXPECT_EQ(s.Check(c.stage, 7), c.passes) << c.number;
        const std::string text = out.Text();
        EXPECT_NE(text.find(c.number), std::string::npos) << c.number << text;
        // The first of the two-stage messages ends the check.
        if (c.option == 11) {
            EXPECT_EQ(text.find("NUMBER", text.find("NUMBER") + 1), std::string::npos);
        }
    }
}

TEST_F(Strength, TheMessageOf3220NamesTheMaterialInItsSecondLine) {
    Cpp_ShearStrength s;
    EXPECT_FALSE(Read("2-Stage Nonlinear\nstop here\n", s, 2));
    EXPECT_TRUE(Listed("Non-blank termination of data for nonlinear envelope for two-stage\n"
                       "shear strengths for material number 7.\n"
                       "The following line of input data was entered:\nstop here\n"))
        << listing.Text();
}

TEST_F(Strength, AddersRefuseOtherOptionsAndCopiesAreDeep) {
    Cpp_ShearStrength s;
    s.SetStrengthOption(1);
    EXPECT_FALSE(s.AddNonlinearPoint(1, 2));
    EXPECT_FALSE(s.AddAnisotropicPoint(0, 1, 2));
    EXPECT_THROW(s.AddAnisotropicInterpolationPoint(0, 1), Cpp_TextException);
    s.SetStrengthOption(7);
    s.SetNonlinearEnvelope({{0, 1}, {1, 2}});
    Cpp_ShearStrength copy;
    s.CopyTo(copy);
    s.AddNonlinearPoint(5, 6);
    EXPECT_EQ(copy.GetNonlinearEnvelope().size(), 2u);
    EXPECT_EQ(s.GetCohesion(), 0.0);
}

}  // namespace
