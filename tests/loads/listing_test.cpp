// What the load and reinforcement readers and checks write to the echo listing, long data lines,
// and the switch of distributed loads to a piezometric line.

#include <gtest/gtest.h>

#include "core/data_error_output.h"
#include "core/echo_writer.h"
#include "core/text_formats.h"
#include "graphics/line.h"
#include "loads/load_checks.h"
#include "loads/load_messages.h"
#include "loads/loads_data.h"
#include "loads_test_support.h"
#include "support/fake_services.h"

namespace {

class Listing : public ::testing::Test {
protected:
    void SetUp() override {
        Cpp_DataErrorOutput::ResetForTests();
        ClearEmittedLoadMessages();
        SetRunTimeText("2026-01-01 00:00:00");
        listing_ = std::tmpfile();
    }
    void TearDown() override {
        Cpp_DataErrorOutput::ResetForTests();
        SetOutputFile(nullptr);
        std::fclose(listing_);
    }
    std::string Text() {
        std::fflush(listing_);
        std::rewind(listing_);
        std::string text;
        char buffer[4096];
        size_t n;
        while ((n = std::fread(buffer, 1, sizeof buffer, listing_)) > 0) text.append(buffer, n);
        return text;
    }
    std::FILE* listing_ = nullptr;
    testsupport::FakeServices fakes;
    Cpp_LoadsData loads;
};

TEST_F(Listing, DistributedLoadEchoTableAndRows) {
    TextInput in("0 10 100 0 5 10 -2.5 1\n\n");
    ASSERT_TRUE(loads.DistributedLoads(2).ReadInput(in.File(), listing_, true));
    const std::string text = Text();
    EXPECT_NE(text.find("TABLE NO. 12"), std::string::npos) << text;
    EXPECT_NE(text.find("2 NEW DISTRIBUTED LOAD DATA - SECOND/THIRD-STAGE COMPUTATIONS 2"),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("                                  Normal        Shear\n"
                        "Point       X           Y        Pressure       Stress\n\n"
                        "   1    0.000000   10.000000        100.0          0.0\n"
                        "   2    5.000000   10.000000         -2.5          1.0\n"),
              std::string::npos)
        << text;
}

TEST_F(Listing, ReadingMessagesCarryTheFrameAndTheInputLine) {
    TextInput in("0 10 100 0 5 10\n");
    ASSERT_FALSE(loads.DistributedLoads(1).ReadInput(in.File(), listing_, true));
    const std::string text = Text();
    EXPECT_NE(text.find("KLIVEN ERROR NUMBER 5380\n"
                        "ERROR IN DISTRIBUTED LOAD INPUT DATA.\n"
                        "Wrong number of values for coordinates for distributed loads (Stage 1)\n"
                        "6 values were input; integer multiples of 4 values (e. g. 4, 8, 12) are "
                        "required.\n"
                        "The following line of input data was entered:\n"
                        "0 10 100 0 5 10\n"),
              std::string::npos)
        << text;
}

TEST_F(Listing, ChecksWriteTheirBannerOnceBeforeTheFirstMessage) {
    loads.LineLoads(1).AddByComponents(4, 1, 1, 0, 0);
    loads.LineLoads(1).AddByComponents(7, 1, 1, 5, 0);
    loads.LineLoads(2).AddByComponents(1, 1, 1, 0, 0);  // not checked: single-stage
    EXPECT_FALSE(CheckLoadsAndReinforcement(loads, nullptr, 1e-8, false, listing_));
    const std::string text = Text();
    const std::string banner = "********** ERROR(S) OR WARNING(S) IN LINE LOAD DATA **********\n";
    ASSERT_NE(text.find(banner), std::string::npos) << text;
    EXPECT_EQ(text.find(banner), text.rfind(banner));
    EXPECT_EQ(text.find("DISTRIBUTED LOAD DATA"), std::string::npos);
    EXPECT_NE(text.find("Two line loads cannot have the same coordinates.\n\n"), std::string::npos)
        << text;
    std::vector<int> numbers;
    for (const auto& m : EmittedLoadMessages()) numbers.push_back(m.number);
    EXPECT_EQ(numbers, (std::vector<int>{5620, 5610}));
}

// Regression: a data line longer than the reader's old 54-value record is read whole.
TEST_F(Listing, LongDataLinesAreReadWhole) {
    std::string dis, lin, rei = "1\n";
    for (int i = 0; i < 15; ++i) dis += std::to_string(i) + " 10 5 0 ";
    for (int i = 1; i <= 10; ++i) lin += std::to_string(i) + " " + std::to_string(i) + " 0 1 1 1 ";
    for (int i = 0; i < 16; ++i) rei += std::to_string(i) + " 0 1 0 ";
    TextInput d(dis + "\n\n"), l(lin + "\n\n"), r(rei + "\n\n\n");
    ASSERT_TRUE(loads.DistributedLoads(1).ReadInput(d.File(), nullptr, true));
    ASSERT_TRUE(loads.LineLoads(1).ReadInput(l.File(), nullptr, true));
    ASSERT_TRUE(loads.reinforcement.ReadInput(r.File(), nullptr, false));
    EXPECT_EQ(loads.DistributedLoads(1).Count(), 15);
    EXPECT_EQ(loads.LineLoads(1).Count(), 10);
    EXPECT_EQ(loads.reinforcement.FindLine(1)->NumberOfPoints(), 16);
}

TEST_F(Listing, SwitchingToAPiezometricLineAsksBeforeDiscardingPoints) {
    Cpp_DistributedLoadData& d = loads.DistributedLoads(1);
    EXPECT_FALSE(d.SetPiezometricLine(0));
    EXPECT_EQ(fakes.messageBoxes.Texts().back(),
              "Not a valid piezometric line number (= 0) for computing distributed loads.");
    d.AddPoint(0, 0, 1, 0);
    d.AddPoint(1, 0, 1, 0);
    fakes.messageBoxes.answers.push_back(platform::BoxResult::No);
    EXPECT_FALSE(d.SetPiezometricLine(3));
    EXPECT_EQ(d.Count(), 2);
    EXPECT_EQ(fakes.messageBoxes.requests.back().caption, "Discard distributed load points?");
    EXPECT_NE(fakes.messageBoxes.Texts().back().find("There are already 2 distributed load"),
              std::string::npos);
    fakes.messageBoxes.answers.push_back(platform::BoxResult::Yes);
    EXPECT_TRUE(d.SetPiezometricLine(3));
    EXPECT_EQ(d.Count(), 0);
    EXPECT_EQ(d.PiezometricLineNumber(), 3);

    // The generated points are listed in table 27 for stage 1.
    d.AddPoint(2, 5, 62.4, 0);
    d.PrintData(3, listing_);
    const std::string text = Text();
    EXPECT_NE(text.find("TABLE NO. 27"), std::string::npos) << text;
    EXPECT_NE(text.find("(Generated from piezometric line number 3)"), std::string::npos);
    EXPECT_NE(text.find("   1    2.000000    5.000000         62.4          0.0\n"),
              std::string::npos)
        << text;
}

}  // namespace
