#include "core/input_lines.h"

#include <gtest/gtest.h>

#include <cmath>

#include "core/text_files.h"

namespace {

std::vector<std::string> AllLines(const std::string& text) {
    InputText in(text);
    std::vector<std::string> lines;
    std::string line;
    while (ReadNextLine(in.get(), line)) lines.push_back(line);
    return lines;
}

TEST(InputLines, LinesAreReadWholeWithCrlfAndAMissingLastLineEnd) {
    const std::string longLine(300, 'x');
    EXPECT_EQ(AllLines(longLine + "\nnext\n"),
              (std::vector<std::string>{longLine + "\n", "next\n"}));
    EXPECT_EQ(AllLines("a\r\nb\r\n"), (std::vector<std::string>{"a\n", "b\n"}));
    EXPECT_EQ(AllLines("a\nCOMpute"), (std::vector<std::string>{"a\n", "COMpute\n"}));
    EXPECT_EQ(AllLines("a\tb\n"), (std::vector<std::string>{"a b\n"}));
    EXPECT_TRUE(AllLines("").empty());
}

TEST(InputLines, CommentLinesAreSkippedOnlyAfterBlanks) {
    EXPECT_EQ(AllLines("  // note\n/* x\n\t// tab\nPRO\n"),
              (std::vector<std::string>{" // tab\n", "PRO\n"}));
    EXPECT_FALSE(IsCommentLine("/"));
    EXPECT_TRUE(IsCommentLine("/*"));
    EXPECT_FALSE(IsCommentLine("\t//"));
}

TEST(InputLines, CommandWords) {
    struct Case {
        const char* line;
        const char* word;
    } cases[] = {
        {"PROfile line data follow -\n", "PRO"},
        {"   no computations\n", "NO "},
        {"NO\n", "NO\n"},
        {"ab\n", "AB\n"},
        {"si units\n", "SI "},
        {"   \n", ""},
        {"\n", ""},
        {"\t// PRO\n", "// "},
    };
    for (const auto& c : cases) {
        InputText in(c.line);
        std::string word, line;
        ASSERT_TRUE(ReadNextLineCopy(in.get(), word, line)) << c.line;
        EXPECT_EQ(word, c.word) << c.line;
    }
}

TEST(InputLines, NumberLines) {
    struct Case {
        const char* line;
        int max;
        std::vector<double> values;
        const char* rest;
    } cases[] = {
        {"1.5,2.5\t3.5 rest of line\n", 20, {1.5, 2.5, 3.5}, "rest of line"},
        {"1 2 3 4\n", 2, {1, 2}, "3 4"},
        {"12abc 5\n", 0, {12, 5}, ""},
        {"-1e3 +.5 7.\n", 0, {-1000, 0.5, 7}, ""},
        {"inf 1\n", 0, {}, "inf 1"},
        {"nan\n", 0, {}, "nan"},
        {"0x10 1\n", 0, {}, "0x10 1"},
        {"1e999 2\n", 0, {}, "1e999 2"},
        {"4 ,,abc\n", 0, {4}, ",,abc"},
        {"4,,abc\n", 0, {4}, ",abc"},
        {"4,abc\n", 0, {4}, "abc"},
        {"5 FILE name.prl\r\n", 0, {5}, "FILE name.prl"},
    };
    for (const auto& c : cases) {
        InputText in(c.line);
        s_InputLineType rec;
        rec.maxValues = c.max;
        ASSERT_TRUE(ReadNumberLine(in.get(), rec)) << c.line;
        EXPECT_FALSE(rec.blankLine);
        EXPECT_EQ(rec.values, c.values) << c.line;
        EXPECT_EQ(rec.numValues, static_cast<int>(c.values.size()));
        EXPECT_EQ(rec.rest, c.rest) << c.line;
    }
}

TEST(InputLines, BlankLineAndEndOfFile) {
    InputText in("   \t\n");
    s_InputLineType rec;
    EXPECT_TRUE(ReadNumberLine(in.get(), rec));
    EXPECT_TRUE(rec.blankLine);
    EXPECT_TRUE(rec.values.empty());
    EXPECT_FALSE(ReadNumberLine(in.get(), rec));
    EXPECT_TRUE(rec.endOfFile);
}

TEST(InputLines, ALongDataLineKeepsEveryNumber) {
    std::string line;
    for (int i = 0; i < 60; ++i) line += "123456.789 ";
    InputText in(line + "\n");
    s_InputLineType rec;
    rec.maxValues = 0;
    ASSERT_TRUE(ReadNumberLine(in.get(), rec));
    EXPECT_EQ(rec.numValues, 60);
}

TEST(InputLines, WordFunctions) {
    std::string text = "Circular Search\n", initials;
    KeywordInitials(text, initials);
    EXPECT_EQ(initials, "CS");
    EXPECT_EQ(text, "Circular Search");
    std::string first;
    KeywordInitialsAndFirstWord("noncircular search\n", initials, first);
    EXPECT_EQ(initials, "ns");
    EXPECT_EQ(first, "NONCIRCULAR");
    std::string words = "  FILE  name.prl\n";
    SkipLeadingWords(words, 1);
    EXPECT_EQ(words, " name.prl\n");
    EXPECT_TRUE(IsBlankLine(" \t\r\n"));
    EXPECT_TRUE(IsBlankLine(""));
    EXPECT_FALSE(IsBlankLine(" x"));
}

TEST(InputLines, StrictDecimalParse) {
    double v = 0;
    EXPECT_TRUE(ParseDecimal(" 2.5e1 ", v));
    EXPECT_EQ(v, 25.0);
    for (const char* bad : {"inf", "-nan", "0x1p3", "1,5", "", "1e400", "abc"})
        EXPECT_FALSE(ParseDecimal(bad, v)) << bad;
}

TEST(InputLines, SkipLinesStopsAtEnd) {
    InputText in("a\nb\n");
    EXPECT_TRUE(SkipLines(in.get(), 2));
    EXPECT_FALSE(SkipLines(in.get(), 1));
    EXPECT_FALSE(SkipLines(nullptr, 1));
}

}  // namespace

namespace {

// The reader looks at eight bytes at a time for control characters: a damaged byte at any
// place of a line of any length is repaired, and tabs and bytes above 0x7f are never touched.
TEST(InputLines, AControlCharacterAnywhereInALineBecomesABlank) {
    for (const char bad : {'\0', '\x01', '\x0c', '\x1f', '\x7f'}) {
        for (std::size_t length = 1; length <= 19; ++length) {
            for (std::size_t at = 0; at < length; ++at) {
                std::string line(length, 'a');
                line[at] = bad;
                std::string expected(length, 'a');
                expected[at] = ' ';
                InputText in(line + "\n");
                std::string read;
                ASSERT_TRUE(ReadPhysicalLine(in.get(), read));
                EXPECT_EQ(read, expected)
                    << "byte " << int(bad) << " at " << at << " of " << length;
            }
        }
    }
    const std::string kept = "a\tb \x80\xff\xc3\xa9 0123456789";
    InputText in(kept + "\n");
    std::string read;
    ASSERT_TRUE(ReadPhysicalLine(in.get(), read));
    EXPECT_EQ(read, kept);
}

}  // namespace
