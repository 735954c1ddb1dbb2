#include "graphics/line_errors.h"

#include <gtest/gtest.h>

#include "core/data_error_output.h"
#include "core/echo_writer.h"
#include "core/text_exception.h"
#include "core/text_files.h"

namespace {

class LineErrorsTest : public ::testing::Test {
protected:
    void TearDown() override {
        Cpp_DataErrorOutput::ResetForTests();
        SetOutputFile(nullptr);
    }
    OutputText listing;
};

TEST_F(LineErrorsTest, ReversedPointsOfAProfileLine) {
    Cpp_DataErrors errors(listing.get());
    Cpp_DataErrorOutput::SetPendingTitle("PROFILE LINES\n");
    Cpp_LineErrors::PointsOutOfOrderReversed(2, 7, 3, 10.0, 5.0, 8.0, 6.0);
    Cpp_LineErrors::NoPoints(2, 8);
    EXPECT_EQ(listing.Text(), "\nPROFILE LINES\nKLIVEN WARNING NUMBER 2280\n"
                              "The following points are out of order for profile line number: 7\n"
                              "Point: 3, X: 10.00, Y: 5.00\nPoint: 4, X: 8.00, Y: 6.00\n"
                              "Points were successfully reversed.\n"
                              "\nKLIVEN ERROR NUMBER 2230\nNo points for profile line number: 8\n");
}

TEST_F(LineErrorsTest, KindsSelectNumbersAndSeverity) {
    Cpp_DataErrors errors(listing.get());
    Cpp_LineErrors::SegmentsCoincide(5, 1, 1, 0, 0, 1, 1, 2, 1, 0, 0, 1, 1, true);
    EXPECT_EQ(Cpp_DataErrorOutput::Lines().front(), "KLIVEN NOTICE NUMBER 5920");
    EXPECT_EQ(Cpp_DataErrorOutput::Lines().back(), "Notice Only - not fatal");
    Cpp_LineErrors::SegmentsIntersect(2, 1, 1, 0, 0, 1, 1, 2, 1, 0, 1, 1, 0, 0.5, 0.5, false);
    EXPECT_EQ(Cpp_DataErrorOutput::Lines().front(), "KLIVEN ERROR NUMBER 2310");
    EXPECT_EQ(Cpp_DataErrorOutput::Lines().back(), "Intersection point - X: 0.50, Y: 0.50");
    Cpp_LineErrors::OnlyOnePoint(4, 0);
    EXPECT_EQ(
        Cpp_DataErrorOutput::Lines(),
        (std::vector<std::string>{"KLIVEN ERROR NUMBER 5170", "Only one point for slope line"}));
    EXPECT_THROW(Cpp_LineErrors::DuplicatePoints(6, 1), Cpp_TextException);
}

}  // namespace
