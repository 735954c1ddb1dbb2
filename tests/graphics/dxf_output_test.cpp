// The DXF entity writer: nothing without a stream, the group layout, and the refused alignments.

#include "core/text_exception.h"
#include "graphics/dxf_output.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

TEST(DxfOutputTest, GroupsAndRefusals) {
    Cpp_DxfFileOutput::Close();
    EXPECT_FALSE(Cpp_DxfFileOutput::OutputLine("L", 7, 0, 0, 1, 1));
    std::ostringstream out;
    Cpp_DxfFileOutput::Open(&out);
    ASSERT_TRUE(Cpp_DxfFileOutput::OutputCircle("Points", 7, 1.5, -2, 0.25));
    EXPECT_EQ(out.str(), "  0\nCIRCLE\n  8\nPoints\n 62\n  7\n 10\n        1.5000000000\n"
                         " 20\n       -2.0000000000\n 40\n        0.2500000000\n");
    EXPECT_EQ(Cpp_DxfFileOutput::LayerName("Slope_Line"), "Slope_Line@1");
    EXPECT_DOUBLE_EQ(Cpp_DxfFileOutput::TextLength("abcd", 2.0), 8.0);
    const struct {
        int h, v;
        const char* text;
    } bad[] = {{6, 0, "EXCEPTION: Cpp_DxfFileOutput::OutputAlignedText (?)"},
               {3, 1, "EXCEPTION: Cpp_DxfFileOutput::OutputAlignedText (H)"},
               {1, 4, "EXCEPTION: Cpp_DxfFileOutput::OutputAlignedText (V)"}};
    for (const auto& b : bad) {
        try {
            Cpp_DxfFileOutput::OutputAlignedText("t", 0, 0, 0, 0, b.h, b.v, 0, "L", 7, 1);
            ADD_FAILURE() << b.text;
        } catch (const Cpp_TextException& e) {
            EXPECT_EQ(e.Text(), b.text);
        }
    }
    Cpp_DxfFileOutput::Close();
}

}  // namespace
