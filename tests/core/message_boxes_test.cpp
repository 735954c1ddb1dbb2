#include "core/message_boxes.h"

#include <gtest/gtest.h>

#include "core/cursor_mode.h"
#include "core/string_table_access.h"
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
    SetStringTableSource([](int id) -> std::optional<std::string> {
        if (id == 1) return "Caption";
        if (id == 2) return "Question?";
        if (id == 3) return "";
        return std::nullopt;
    });
    fakes.messageBoxes.answers = {BoxResult::Yes};
    EXPECT_TRUE(AskYesNoFromResources(&window, 1, 2));
    EXPECT_FALSE(AskYesNoFromResources(&window, 1, 3));
    EXPECT_FALSE(AskYesNoFromResources(nullptr, 1, 2));
    EXPECT_EQ(AskYesNoCancelWithCaptionId(&window, 9, "T"), 0);
    SetStringTableSource(nullptr);
    ASSERT_EQ(fakes.messageBoxes.requests.size(), 1u);
    EXPECT_EQ(fakes.messageBoxes.requests[0].caption, "Caption");
}

TEST(CursorMode, ZoomModesLoadPromptsAndLeavingZoomRestoresTheArrow) {
    std::vector<std::string> calls;
    SetCursorModeHooks({[&](int id, bool save) { calls.push_back(std::to_string(id) + (save ? "s" : "")); },
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
    EXPECT_EQ(calls, (std::vector<std::string>{"512s", "arrow", "restore", "restore", "511",
                                               "restore"}));
}

}  // namespace
