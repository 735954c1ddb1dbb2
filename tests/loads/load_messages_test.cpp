// The catalogue of load and reinforcement messages: numbers, kinds, forms and exact lines.

#include <gtest/gtest.h>

#include <functional>

#include "core/data_error_output.h"
#include "core/echo_writer.h"
#include "loads/load_messages.h"

namespace {

struct Case {
    std::function<bool()> raise;
    int number;
    int kind;
    bool title;
    std::vector<std::string> lines;
};

TEST(LoadMessages, NumbersKindsAndLinesAsCatalogued) {
    const std::string D = "ERROR IN DISTRIBUTED LOAD INPUT DATA.";
    const std::string L = "ERROR IN LINE LOAD INPUT DATA.";
    const std::string R = "ERROR IN REINFORCEMENT LINE INPUT DATA.";
    const Case cases[] = {
        {[] { return Cpp_LoadErrors::Error5320(-2, 1, "-2"); },
         5320,
         0,
         false,
         {D, "Piezometric line number -2 which was specified to generate the distributed",
          "loads for stage 1 is not valid - must be greater than zero.\n"}},
        {[] { return Cpp_LoadErrors::Error5340(4, 2); },
         5340,
         0,
         true,
         {D, "Piezometric line number 4 which was specified to generate the distributed",
          "loads for stage 2 does not exist.\n"}},
        {[] { return Cpp_LoadErrors::Error5350(2); },
         5350,
         0,
         false,
         {D, "No slope geometry and slope geometry could not be generated.",
          "Thus, unable to generate distributed load data for stage 2."}},
        {[] { return Cpp_LoadErrors::Error5410(1); },
         5410,
         0,
         true,
         {"Missing (no) data points for distributed loads for stage 1."}},
        {[] { return Cpp_LoadErrors::Error5450(1, 2, 2, 5, 1, 3, 1); },
         5460,
         0,
         true,
         {"The following points are out of order for the distributed loads for stage: 2",
          "Point: 2, X: 5.00, Y: 1.00", "Point: 3, X: 3.00, Y: 1.00",
          "Points were successfully reversed."}},
        {[] { return Cpp_LoadErrors::Error5510(7, 1, 3); },
         5510,
         0,
         false,
         {L, "Bad option for defining force format for line load number 7 (Stage 1).",
          "Option = 3 - Must be either 1 or 2."}},
        {[] { return Cpp_LoadErrors::Error5600(7, 2, 0); },
         5600,
         0,
         true,
         {"Bad option for defining force format for line load number 7 (Stage 2).",
          "Option = 0 - Must be either 1 or 2."}},
        {[] { return Cpp_LoadErrors::Error5620(3, 1); },
         5620,
         0,
         true,
         {"Zero force for line load number 3 (Stage 1).\n"}},
        {[] { return Cpp_LoadErrors::Error5700(12); },
         5700,
         0,
         false,
         {R, "You have entered data for another reinforcement line number 12.",
          "You already entered data for a reinforcement line with this number."}},
        {[] { return Cpp_LoadErrors::Error5820(3); },
         5820,
         0,
         true,
         {"Bad option to specify how reinforcement forces are applied to slices",
          "and shear surface for reinforcement line number 3"}},
        {[] { return Cpp_LoadErrors::Error5840(true, 1, 1, 0, 0, 1, 2, 2, 0, 0, 1, 2); },
         5830,
         1,
         true,
         {"Duplicate points for line number: 1",
          "First point number : 1; X: 0.00, Y: 0.00, Long Force: 1.00, Trans. Force: 2.00",
          "Second point number: 2; X: 0.00, Y: 0.00, Long Force: 1.00, Trans. Force: 2.00",
          "Second point was deleted."}},
        {[] { return Cpp_LoadErrors::Error5890(false, 4, 2, 5, 0, 3, 0); },
         5890,
         0,
         true,
         {"The following points are out of order for reinforcement line number: 4",
          "Point: 2, X: 5.00, Y: 0.00", "Point: 3, X: 3.00, Y: 0.00",
          "Points could not be reversed to achieve proper order."}},
        {[] { return Cpp_LoadErrors::Notice5940(2, 3); },
         5940,
         2,
         true,
         {"Zero force at interior point on reinforcement for line 2, point 3.",
          "This is a WARNING ONLY - not a fatal error"}},
        {[] { return Cpp_LoadErrors::Error5950Reading(6, 2, 4, "6 2"); },
         5950,
         0,
         true,
         {R, "Interface material properties were missing for reinforcement line number 6.",
          "2 values were input - 4 values are required."}},
        {[] { return Cpp_LoadErrors::Error5960(false, 6, 2, 9, 1); },
         5960,
         0,
         false,
         {"Material properties for interface BELOW reinforcement line 6",
          "are not interface properties.", "Segment number 2 - Material number 9 (Stage 1)"}},
    };
    for (const Case& c : cases) {
        ClearEmittedLoadMessages();
        EXPECT_TRUE(c.raise());
        ASSERT_EQ(EmittedLoadMessages().size(), 1u);
        const s_LoadMessage& m = EmittedLoadMessages()[0];
        EXPECT_EQ(m.number, c.number);
        EXPECT_EQ(m.kind, c.kind) << c.number;
        EXPECT_EQ(m.pendingTitle, c.title) << c.number;
        EXPECT_EQ(m.lines, c.lines) << c.number;
    }
    Cpp_DataErrorOutput::ResetForTests();
}

TEST(LoadMessages, InterfaceMessagesGoToTheListingOnly) {
    Cpp_DataErrorOutput::ResetForTests();
    std::FILE* listing = std::tmpfile();
    Cpp_DataErrorOutput::SetErrorFile(listing);
    Cpp_LoadErrors::Error5950(true, 6, 2, 9);
    std::rewind(listing);
    std::string text(4096, '\0');
    text.resize(std::fread(text.data(), 1, text.size(), listing));
    std::fclose(listing);
    EXPECT_EQ(text, "\nKLIVEN ERROR NUMBER 5950\n"
                    "Missing material properties for interface ABOVE reinforcement line 6\n"
                    "Segment number 2 - Material number 9\n");
    EXPECT_TRUE(EmittedLoadMessages().back().listingOnly);
    Cpp_DataErrorOutput::ResetForTests();
    SetOutputFile(nullptr);
}

}  // namespace
