#include "model/heading.h"

#include <gtest/gtest.h>

#include "core/echo_writer.h"
#include "core/text_files.h"

namespace {

TEST(Heading, ReadBothLayouts) {
    struct Case {
        const char* name;
        std::string input;
        bool older;
        std::vector<std::string> lines;
        std::string next;  // the next line left in the file
    } cases[] = {
        {"ends at blank line", "One  \n// comment\nTwo\n\nPRO\n", false, {"One", "Two"}, "PRO"},
        {"end of file", "Only", false, {"Only"}, ""},
        {"CRLF", "A\r\nB \r\n\r\nNEXT\r\n", false, {"A", "B"}, "NEXT"},
        {"long line", std::string(100, 'h') + "\n\n", false, {std::string(78, 'h')}, ""},
        {"older: three lines", "A\n\n   \nNEXT\n", true, {"A", "", " "}, "NEXT"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        InputText in(c.input);
        Cpp_Heading h;
        h.AddLine("old");
        EXPECT_TRUE(h.ReadInput(c.older, in.get()));
        EXPECT_EQ(h.Lines(), c.lines);
        std::string next;
        char buffer[64] = {0};
        if (std::fgets(buffer, sizeof buffer, in.get()) != nullptr) next = buffer;
        while (!next.empty() && (next.back() == '\n' || next.back() == '\r')) next.pop_back();
        EXPECT_EQ(next, c.next);
    }
}

TEST(Heading, LabelKeepsTrailingBlanksAndItsFirst78Characters) {
    InputText in("// c\nLabel text   \n");
    Cpp_Heading h;
    h.ReadLabel(in.get());
    EXPECT_EQ(h.Label(), "Label text   ");
    h.ReadLabel(in.get());
    EXPECT_EQ(h.Label(), "");
    InputText longLabel(std::string(90, 'x') + "\nNEXT\n");
    h.ReadLabel(longLabel.get());
    EXPECT_EQ(h.Label(), std::string(78, 'x'));
}

TEST(Heading, WriteReadBackAndEcho) {
    Cpp_Heading h;
    h.SetFromEditedText("Line 1\r\n\r\nLine 3", "Lab  ");
    EXPECT_EQ(h.NumberOfLines(), 3);
    EXPECT_EQ(h.JoinedText(), "Line 1\r\n\r\nLine 3");
    OutputText out;
    h.WriteKLIVEN4InputDataFile(out.get());
    EXPECT_EQ(out.Text(), "HEAding follows -\nLine 1\n\nLine 3\n\nLABel follows -\nLab  \n");

    OutputText empty;
    Cpp_Heading none;
    none.WriteKLIVEN4InputDataFile(empty.get());
    EXPECT_EQ(empty.Text(), "");

    OutputText echo;
    h.PrintLines(echo.get());
    SetOutputFile(nullptr);
    EXPECT_EQ(echo.Text(), "Line 1\n\nLine 3\n");
    EXPECT_EQ(*h.FirstNonBlankLine(), "Line 1");
}

}  // namespace
