#include "core/message_boxes.h"

#include <gtest/gtest.h>

#include "core/cursor_mode.h"
#include "core/string_table.h"
#include "support/fake_services.h"

namespace {

using platform::BoxButtons;
using platform::BoxIcon;
using platform::BoxOwner;
using platform::BoxResult;

TEST(MessageBoxes, ButtonsIconsAndOwners) {
    testsupport::FakeServices fakes;
    int window = 0;
    fakes.messageBoxes.answers = {BoxResult::Yes, BoxResult::Cancel};
    EXPECT_TRUE(AskYesNo(&window, "C", "T"));
    EXPECT_EQ(AskYesNoCancel(&window, "C", "T"), BoxResult::Cancel);
    // No answer queued: the default button, which is No when asked for.
    EXPECT_FALSE(AskYesNoOnMainWindowEx("C", "T", false));
    EXPECT_TRUE(AskYesNoOnMainWindow("C", "T"));
    EXPECT_EQ(ShowErrorOnWindow(nullptr, "C", "T"), 0);
    EXPECT_TRUE(ShowErrorMessage("Err", "T"));
    EXPECT_TRUE(ShowMessageByKind("K", "T", 6));
    const auto& r = fakes.messageBoxes.requests;
    ASSERT_EQ(r.size(), 6u);
    EXPECT_EQ(r[0].buttons, BoxButtons::YesNo);
    EXPECT_EQ(r[0].icon, BoxIcon::Question);
    EXPECT_EQ(r[0].owner, BoxOwner::Window);
    EXPECT_EQ(r[1].buttons, BoxButtons::YesNoCancel);
    EXPECT_EQ(r[2].defaultButton, BoxResult::No);
    EXPECT_EQ(r[4].icon, BoxIcon::Stop);
    EXPECT_EQ(r[4].owner, BoxOwner::None);  // no main window: still shown, without owner
    EXPECT_EQ(r[5].icon, BoxIcon::Information);
}

TEST(MessageBoxes, TextsFromTheStringTable) {
    testsupport::FakeServices fakes;
    int window = 0;
    FillStringTable({{1, "Caption"}, {2, "Question?"}, {3, ""}});
    fakes.messageBoxes.answers = {BoxResult::Yes};
    EXPECT_TRUE(AskYesNoFromResources(&window, 1, 2));
    EXPECT_FALSE(AskYesNoFromResources(&window, 1, 3));
    EXPECT_FALSE(AskYesNoFromResources(nullptr, 1, 2));
    EXPECT_EQ(AskYesNoCancelWithCaptionId(&window, 9, "T"), 0);
    ResetStringTable();
    ASSERT_EQ(fakes.messageBoxes.requests.size(), 1u);
    EXPECT_EQ(fakes.messageBoxes.requests[0].caption, "Caption");
}

// The stop box from two string-table ids (text first, then caption); silent without a window or
// with a missing or empty text.
TEST(MessageBoxes, ErrorFromStringIds) {
    testsupport::FakeServices fakes;
    int window = 0;
    FillStringTable({{5110, "Profile Line Error"},
                     {15110, "Illegal line number - Line numbers must be greater than zero."},
                     {3, ""}});
    EXPECT_EQ(ShowErrorFromStringIds(&window, 15110, 5110), 1);
    EXPECT_EQ(ShowErrorFromStringIds(nullptr, 15110, 5110), 0);
    EXPECT_EQ(ShowErrorFromStringIds(&window, 3, 5110), 0);
    EXPECT_EQ(ShowErrorFromStringIds(&window, 15110, 4), 0);
    ResetStringTable();
    ASSERT_EQ(fakes.messageBoxes.requests.size(), 1u);
    EXPECT_EQ(fakes.messageBoxes.requests[0].caption, "Profile Line Error");
    EXPECT_EQ(fakes.messageBoxes.requests[0].text,
              "Illegal line number - Line numbers must be greater than zero.");
    EXPECT_EQ(fakes.messageBoxes.requests[0].icon, BoxIcon::Stop);
}

// The text form of the string table: comments, blank lines and CRLF are skipped; the text runs
// to the end of the line, inner spaces kept.
TEST(StringTable, ReadsTheTextForm) {
    StringTableEntries entries;
    std::string error;
    ASSERT_TRUE(ParseStringTable("# prompts\r\n\n510 Set  first corner of \"zoom\" box.\r\n"
                                 "7 \n12 Last line without a line end",
                                 entries, error));
    EXPECT_EQ(error, "");
    EXPECT_EQ(entries, (StringTableEntries{{510, "Set  first corner of \"zoom\" box."},
                                           {7, ""},
                                           {12, "Last line without a line end"}}));
}

// A bad line stops the reading with its number and reason; the lines before it are kept.
TEST(StringTable, BadLinesAreNamed) {
    struct Case {
        const char* text;
        const char* error;
    } cases[] = {
        {"1 A\nx B\n", "line 2: no id"},
        {"1 A\n\n 3 B\n", "line 3: no id"},
        {"1 A\n2\n", "line 2: no space after the id"},
        {"1 A\n2\tB\n", "line 2: no space after the id"},
        {"1 A\n# c\n1 B\n", "line 3: the id 1 is given twice"},
        {"1 A\n99999999999 B\n", "line 2: no id"},
    };
    for (const Case& c : cases) {
        StringTableEntries entries;
        std::string error;
        EXPECT_FALSE(ParseStringTable(c.text, entries, error)) << c.text;
        EXPECT_EQ(error, c.error) << c.text;
        EXPECT_EQ(entries, (StringTableEntries{{1, "A"}})) << c.text;
    }
}

// The table answers what it was filled with, and nothing for an id it lacks.
TEST(StringTable, FillAndReset) {
    FillStringTable({{5, "Five"}});
    EXPECT_EQ(LoadStringText(5), "Five");
    EXPECT_EQ(LoadStringText(6), std::nullopt);
    ResetStringTable();
    EXPECT_EQ(LoadStringText(5), std::nullopt);
}

TEST(CursorMode, ZoomModesLoadPromptsAndLeavingZoomRestoresTheArrow) {
    std::vector<std::string> calls;
    SetCursorModeHooks(
        {[&](int id, bool save) { calls.push_back(std::to_string(id) + (save ? "s" : "")); },
         [&] { calls.push_back("restore"); }, [&] { calls.push_back("arrow"); }});
    SetCursorMode(6);
    SetCursorMode(0);
    SetCursorMode(42);
    SetCursorMode(0);
    SetCursorMode(3);
    EXPECT_EQ(GetCursorMode(), 3);
    ResetCursorMode();
    EXPECT_EQ(GetCursorMode(), 0);
    SetCursorModeHooks({});
    EXPECT_EQ(calls,
              (std::vector<std::string>{"512s", "arrow", "restore", "restore", "511", "restore"}));
}

}  // namespace
