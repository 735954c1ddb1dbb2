// The DIS and LIN blocks: reading, writing back, their messages and their checks.

#include <gtest/gtest.h>

#include "core/data_error_output.h"
#include "graphics/line.h"
#include "loads/distributed_load_data.h"
#include "loads/line_load.h"
#include "loads/load_messages.h"
#include "loads_test_support.h"

namespace {

std::vector<int> Numbers() {
    std::vector<int> n;
    for (const auto& m : EmittedLoadMessages()) n.push_back(m.number);
    return n;
}

class LoadBlocks : public ::testing::Test {
protected:
    void SetUp() override {
        Cpp_DataErrorOutput::ResetForTests();
        ClearEmittedLoadMessages();
        dis.InitForStage(1);
    }
    void TearDown() override { Cpp_DataErrorOutput::ResetForTests(); }
    bool ReadDis(const std::string& text, std::string* rest = nullptr) {
        TextInput in(text);
        const bool ok = dis.ReadInput(in.File(), nullptr, true);
        if (rest) *rest = in.Rest();
        return ok;
    }
    bool ReadLin(const std::string& text) {
        TextInput in(text);
        return lin.ReadInput(in.File(), nullptr, true);
    }
    Cpp_DistributedLoadData dis;
    Cpp_LineLoadList lin{1};
};

TEST_F(LoadBlocks, DistributedLoadLinesAndTheirMessages) {
    struct Case {
        const char* text;
        bool result;
        int points;
        int pie;
        std::vector<int> numbers;
    } cases[] = {
        {"0 10 100 0 5 10 100 0\n10 10 0 0\n\n", true, 3, 0, {}},
        {"\n", true, 0, 0, {}},
        {"3 = Piezometric line for generating distributed loads\n", true, 0, 3, {}},
        {"3.9\n", true, 0, 3, {}},
        {"0\n", false, 0, 0, {5320}},
        {"-2\n", false, 0, 0, {5320}},
        {"0 10 100 0 5 10\n\n", false, 1, 0, {5380}},
        {"0 10 100 0\n7\n\n", false, 1, 0, {5380}},
        {"0 10 100 0\nno numbers\n", false, 1, 0, {5330}},
        {"0 10 100 0\n", false, 1, 0, {5300}},
        {"0 10 100 0 1e308 10 0 0\n\n", false, 1, 0, {5300}},  // a coordinate that overflows
    };
    for (const Case& c : cases) {
        ClearEmittedLoadMessages();
        dis.AddPoint(1, 1, 1, 1);  // a block replaces whatever the stage held
        EXPECT_EQ(ReadDis(c.text), c.result) << c.text;
        EXPECT_EQ(dis.Count(), c.points) << c.text;
        EXPECT_EQ(dis.PiezometricLineNumber(), c.pie) << c.text;
        EXPECT_EQ(dis.UsesPiezometricLine(), c.pie > 0) << c.text;
        EXPECT_EQ(Numbers(), c.numbers) << c.text;
    }
}

// Regression: the reader gave message 5320 the stage as the line number and the line number as
// the stage ("Piezometric line number 1 ... for stage 0").
TEST_F(LoadBlocks, ABadPiezometricLineNumberIsReportedWithItsStage) {
    dis.InitForStage(2);
    EXPECT_FALSE(ReadDis("0\n"));
    ASSERT_EQ(EmittedLoadMessages().size(), 1u);
    EXPECT_EQ(EmittedLoadMessages()[0].lines,
              (std::vector<std::string>{
                  "ERROR IN DISTRIBUTED LOAD INPUT DATA.",
                  "Piezometric line number 0 which was specified to generate the distributed",
                  "loads for stage 2 is not valid - must be greater than zero.\n"}));
    EXPECT_EQ(EmittedLoadMessages()[0].inputLine, "0");
}

TEST_F(LoadBlocks, PiezometricFormEndsTheBlockAtOnce) {
    std::string rest;
    ASSERT_TRUE(ReadDis("3 = Piezometric line\nLINe load data follow -\n", &rest));
    EXPECT_EQ(rest, "LINe load data follow -\n");
    EXPECT_EQ(WrittenText([&](std::FILE* f) { dis.WriteKLIVEN4InputDataFile(f); }),
              "DIStributed load data follow -\n"
              "     3 = Piezometric line for generating distributed loads\n");
}

TEST_F(LoadBlocks, DistributedLoadsWriteAndReadBack) {
    EXPECT_EQ(WrittenText([&](std::FILE* f) { dis.WriteKLIVEN4InputDataFile(f); }), "");
    dis.AddPoint(0, 10, 125.04, 0);
    dis.AddPoint(5.5, 10, -3, 2.25);
    const std::string text = WrittenText([&](std::FILE* f) { dis.WriteKLIVEN4InputDataFile(f); });
    EXPECT_EQ(text, "DIStributed load data follow -\n"
                    "           0.000000      10.000000          125.0            0.0\n"
                    "           5.500000      10.000000           -3.0            2.2\n"
                    "\n");
    ASSERT_TRUE(ReadDis(text.substr(text.find('\n') + 1)));
    ASSERT_EQ(dis.Count(), 2);
    EXPECT_EQ(dis.GetFirstListItem()->NextPoint()->Number(), 2);
    EXPECT_EQ(dis.GetFirstListItem()->NextPoint()->shearStress, 2.2);
}

TEST_F(LoadBlocks, DistributedLoadCheckAgainstTheSlope) {
    Cpp_Line slope;
    slope.AddPoint(0, 10);
    slope.AddPoint(10, 10);
    slope.AddPoint(20, 20);
    slope.AddPoint(20, 30);
    slope.AddPoint(30, 30);
    // Right to left: reversed without a message; 0.9 above a slope segment is on it, and a point
    // on the vertical face is on it.
    dis.AddPoint(20, 25, 0, 0);
    dis.AddPoint(15, 15.9, 0, 0);
    dis.AddPoint(12, 12, 10, 0);
    EXPECT_TRUE(dis.Check(&slope, nullptr));
    EXPECT_TRUE(Numbers().empty());
    EXPECT_EQ(dis.GetFirstListItem()->X(), 12.0);
    EXPECT_EQ(dis.GetFirstListItem()->Number(), 3);

    // 1.0 above fails; a loaded segment across a bend of the slope does not coincide with it.
    dis.DeleteAllPoints();
    dis.AddPoint(5, 11, 10, 0);
    dis.AddPoint(15, 15, 10, 0);
    EXPECT_FALSE(dis.Check(&slope, nullptr));
    EXPECT_EQ(Numbers(), (std::vector<int>{5440, 5480}));
    EXPECT_EQ(EmittedLoadMessages()[1].lines[0],
              "Distributed load segment number 1 for stage 1 does not coincide with slope.");

    // Unloaded segments are never compared; one point gives 5430 and passes; no slope, 5420.
    ClearEmittedLoadMessages();
    dis.DeleteAllPoints();
    dis.AddPoint(5, 10, 0, 0);
    dis.AddPoint(15, 15, 0, 0);
    EXPECT_TRUE(dis.Check(&slope, nullptr));
    dis.DeleteAllPoints();
    dis.AddPoint(5, 10, 1, 0);
    EXPECT_TRUE(dis.Check(&slope, nullptr));
    Cpp_Line none;
    EXPECT_TRUE(dis.Check(&none, nullptr));
    EXPECT_EQ(Numbers(), (std::vector<int>{5430, 5430, 5420}));
}

TEST_F(LoadBlocks, LineLoadsByComponentsAndByResultant) {
    ASSERT_TRUE(ReadLin("1, 10, 20, 0, -500, 1   2 10 20 10 90 2\n\n"));
    ASSERT_EQ(lin.Count(), 2);
    const Cpp_LineLoad* a = lin.FindLoad(1);
    EXPECT_DOUBLE_EQ(a->resultant, 500);
    EXPECT_DOUBLE_EQ(a->inclination, -90);
    const Cpp_LineLoad* b = lin.FindLoad(2);
    EXPECT_NEAR(b->horizontal, 0, 1e-12);
    EXPECT_DOUBLE_EQ(b->vertical, 10);

    // A later load of the same number replaces the values; seven numbers are an error.
    ClearEmittedLoadMessages();
    EXPECT_FALSE(ReadLin("1 5 5 3 4 1\n1 2 3 4 5 1 7\n"));
    EXPECT_EQ(lin.Count(), 2);
    EXPECT_DOUBLE_EQ(lin.FindLoad(1)->X(), 2);
    EXPECT_EQ(Numbers(), (std::vector<int>{5580}));
}

TEST_F(LoadBlocks, LineLoadMessagesAndCheck) {
    EXPECT_TRUE(ReadLin("1 0 0 1 1 3\nnot a number\n"));
    EXPECT_EQ(Numbers(), (std::vector<int>{5510, 5550}));
    EXPECT_FALSE(ReadLin("2 0 0 1 1 1\n"));
    EXPECT_EQ(Numbers().back(), 5500);
    ClearEmittedLoadMessages();
    EXPECT_FALSE(ReadLin("3 -1e308 0 1 1 1\n\n"));  // a coordinate that overflows
    EXPECT_EQ(Numbers(), std::vector<int>{5500});

    lin.DeleteAll();
    ClearEmittedLoadMessages();
    lin.AddByComponents(4, 10, 20, 0, 0);
    lin.AddByMagnitude(7, 10, 20, 5, 30);
    lin.AddByComponents(9, 1, 2, 1, 0);
    EXPECT_FALSE(lin.Check(nullptr));
    EXPECT_EQ(Numbers(), (std::vector<int>{5620, 5610}));
    EXPECT_EQ(EmittedLoadMessages()[1].lines,
              (std::vector<std::string>{"Line loads numbers 4 and 7 (Stage 1) coincide.",
                                        "Two line loads cannot have the same coordinates.\n"}));
}

TEST_F(LoadBlocks, LineLoadsWriteReadBackAndRenumberFromTheTable) {
    lin.AddByComponents(3, 10, 20, 0, -500);
    lin.AddByMagnitude(8, 1.5, 2, 10, 45);
    const std::string text = WrittenText([&](std::FILE* f) { lin.WriteKLIVEN4InputDataFile(f); });
    EXPECT_EQ(text, "LINe load data follow -\n"
                    "        3      10.000000      20.000000              0           -500    1\n"
                    "        8       1.500000       2.000000             10          45.00    2\n"
                    "\n");
    Cpp_LineLoadList back(2);
    TextInput in(text.substr(text.find('\n') + 1));
    ASSERT_TRUE(back.ReadInput(in.File(), nullptr, false));
    ASSERT_EQ(back.Count(), 2);
    EXPECT_EQ(back.Loads()[1]->number, 8);
    EXPECT_EQ(back.Loads()[1]->option, 2);

    auto records = back.GetTableRecords();
    records[0].option = 5;  // skipped, its number used up
    back.SetFromTableRecords(records);
    ASSERT_EQ(back.Count(), 1);
    EXPECT_EQ(back.Loads()[0]->number, 2);
}

}  // namespace
