#include "model/heading.h"

#include <gtest/gtest.h>

#include "core/echo_writer.h"
#include "core/text_files.h"
#include "support/test_support.h"

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
    h.SetFromEditedText("Line 1\r\n Line 2\r\nLine 3", "Lab  ");
    EXPECT_EQ(h.NumberOfLines(), 3);
    EXPECT_EQ(h.JoinedText(), "Line 1\r\n Line 2\r\nLine 3");
    OutputText out;
    h.WriteKLIVEN4InputDataFile(out.get());
    EXPECT_EQ(out.Text(), "HEAding follows -\nLine 1\n Line 2\nLine 3\n\nLABel follows -\nLab  \n");

    OutputText empty;
    Cpp_Heading none;
    none.WriteKLIVEN4InputDataFile(empty.get());
    EXPECT_EQ(empty.Text(), "");

    OutputText echo;
    h.PrintLines(echo.get());
    SetOutputFile(nullptr);
    EXPECT_EQ(echo.Text(), "Line 1\n Line 2\nLine 3\n");
    EXPECT_EQ(*h.FirstNonBlankLine(), "Line 1");
}

// Regression: a NUL byte was kept when read and cut the line when written, so the empty line
// written in its place ended the heading and the rest of the document was lost on reopening;
// and a line longer than the format keeps was cut without a word.
TEST(Heading, DamagedAndLongLinesAreRepairedAndNotedInTheListing) {
    const std::string input = std::string("Dam\0ple\x1f"
                                          "text\n",
                                          13) +
                              std::string(90, 'h') + "\nLast\n\nPRO\n";
    Cpp_Heading h;
    const std::string listing = testsupport::CaptureListing([&](std::FILE* f) {
        SetOutputFile(f);
        InputText in(input);
        EXPECT_TRUE(h.ReadInput(false, in.get()));
        SetOutputFile(nullptr);
    });
    const std::string cut(78, 'h');
    EXPECT_EQ(h.Lines(), (std::vector<std::string>{"Dam ple text", cut, "Last"}));
    EXPECT_EQ(listing,
              "NOTE: Control characters in the following input line were replaced by blanks:\n"
              "Dam ple text\n"
              "NOTE: A heading line longer than 78 characters was cut to:\n" +
                  cut + "\n");
    OutputText out;
    h.WriteKLIVEN4InputDataFile(out.get());
    EXPECT_EQ(out.Text(), "HEAding follows -\nDam ple text\n" + cut + "\nLast\n\n");
}

// Invariant: what the heading dialog stores is exactly what reading the written file gives
// back. An empty line used to be stored, ended the heading on reading and lost the rest.
TEST(Heading, EditedTextReadsBackWhole) {
    const std::string long80(80, 'a');
    const struct {
        const char* name;
        std::string text;
        std::vector<std::string> lines;
    } cases[] = {
        {"empty", "", {}},
        {"only line breaks", "\r\n\n\r", {}},
        {"three lines", "One\r\nTwo\r\nThree", {"One", "Two", "Three"}},
        {"line feeds and a last break", "One\nTwo\n", {"One", "Two"}},
        {"carriage returns alone", "One\rTwo", {"One", "Two"}},
        {"blank and empty lines dropped", "One\r\n\r\n \t \r\nThree", {"One", "Three"}},
        {"trailing blanks removed", "One  \r\n  Two\t", {"One", "  Two"}},
        {"long line cut", long80 + "\nEnd", {std::string(78, 'a'), "End"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Cpp_Heading h;
        h.SetFromEditedText(c.text, "");
        EXPECT_EQ(h.Lines(), c.lines);
        OutputText out;
        h.WriteKLIVEN4InputDataFile(out.get());
        InputText in(out.Text().empty() ? std::string() : out.Text().substr(18));
        Cpp_Heading back;
        back.ReadInput(false, in.get());
        EXPECT_EQ(back.Lines(), c.lines);
    }
    size_t length = 0;
    EXPECT_EQ(Cpp_Heading::FirstLineTooLong("One\n\n" + long80 + "  \n" + long80, length), 2);
    EXPECT_EQ(length, 80u);
    EXPECT_EQ(Cpp_Heading::FirstLineTooLong(std::string(78, 'b') + "   \nTwo", length), 0);
    EXPECT_EQ(length, 0u);
}

// The dialog edits the joined lines and the label; OK replaces both, Cancel (the stand-in
// without a window) changes nothing.
TEST(Heading, EditReplacesOnlyAfterOk) {
    struct ScriptedDialog : Cpp_HeadingDialog {
        bool answer = true;
        std::string seenText, seenLabel;
        bool Run(std::string& text, std::string& label) override {
            seenText = text;
            seenLabel = label;
            text = "New 1\r\nNew 2";
            label = "";
            return answer;
        }
    } dialog;
    Cpp_Heading h;
    h.SetFromEditedText("Old 1\r\nOld 2", "Old label");
    EXPECT_FALSE(h.Edit());  // the stand-in cancels
    HeadingDialogSlot().Set(&dialog);
    dialog.answer = false;
    EXPECT_FALSE(h.Edit());
    EXPECT_EQ(dialog.seenText, "Old 1\r\nOld 2");
    EXPECT_EQ(dialog.seenLabel, "Old label");
    EXPECT_EQ(h.Lines(), (std::vector<std::string>{"Old 1", "Old 2"}));
    dialog.answer = true;
    EXPECT_TRUE(h.Edit());
    HeadingDialogSlot().Reset();
    EXPECT_EQ(h.Lines(), (std::vector<std::string>{"New 1", "New 2"}));
    EXPECT_EQ(h.Label(), "");
}

}  // namespace
