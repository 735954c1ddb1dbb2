#include "support/fake_services.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

namespace {

using platform::BoxResult;

TEST(FakeServices, MessageBoxesAnswerTheQueueThenTheDefaultButton) {
    testsupport::FakeServices fakes;
    fakes.messageBoxes.answers = {BoxResult::No, BoxResult::Cancel};
    platform::MessageBoxRequest request{"Caption", "Save changes?",
                                        platform::BoxButtons::YesNoCancel,
                                        platform::BoxIcon::Question, BoxResult::Yes};
    auto& boxes = platform::Services().MessageBoxes();
    EXPECT_EQ(boxes.Show(request), BoxResult::No);
    EXPECT_EQ(boxes.Show(request), BoxResult::Cancel);
    EXPECT_EQ(boxes.Show(request), BoxResult::Yes);
    ASSERT_EQ(fakes.messageBoxes.requests.size(), 3u);
    EXPECT_EQ(fakes.messageBoxes.requests[0].caption, "Caption");
    EXPECT_EQ(fakes.messageBoxes.requests[0].icon, platform::BoxIcon::Question);
    EXPECT_EQ(fakes.messageBoxes.Texts().back(), "Save changes?");
}

TEST(FakeServices, AreRegisteredForTheirLifetimeOnly) {
    {
        testsupport::FakeServices fakes;
        fakes.fileDialogs.openAnswers.push_back(std::filesystem::path("/data/a.preinput-kliven"));
        EXPECT_EQ(platform::Services().FileDialogs().GetOpenFileName({}),
                  std::filesystem::path("/data/a.preinput-kliven"));
        EXPECT_FALSE(platform::Services().FileDialogs().GetOpenFileName({}).has_value());
        const int handle = platform::Services().Processes().Start("kliven4", {"in.txt"}, "/d");
        EXPECT_TRUE(platform::Services().Processes().IsRunning(handle));
        fakes.processes.Finish(handle);
        EXPECT_FALSE(platform::Services().Processes().IsRunning(handle));
        EXPECT_EQ(fakes.processes.starts.at(0).args, std::vector<std::string>{"in.txt"});
    }
    EXPECT_EQ(platform::Services().Processes().Start("kliven4", {}, "/d"), 0);
}

TEST(FakeServices, InfoWindowKeepsTheTreeAndFormatsNumbersWithAPoint) {
    testsupport::FakeServices fakes;
    auto& info = platform::Services().InfoWindow();
    auto line = info.AddText(platform::kInfoRoot, "Profile line 1");
    info.AddInteger(line, "Material", 3, "%1d");
    info.AddReal(line, "Length", 12.5, "%.3f");
    info.AddReal(line, "Bad format", 2.5, "%s");  // never handed to printf
    EXPECT_EQ(fakes.infoWindow.Dump(),
              "Profile line 1\n  Material 3\n  Length 12.500\n  Bad format 2.5\n");
    fakes.infoWindow.visible = false;
    EXPECT_EQ(info.AddText(platform::kInfoRoot, "hidden"), platform::kInfoRoot);
}

TEST(FakeServices, PrintJobsDrawIntoRecordedPages) {
    testsupport::FakeServices fakes;
    auto job = platform::Services().Printing().BeginPrint({"Slope", {}});
    ASSERT_TRUE(job);
    job->Page().TextOut(0, 0, "page 1");
    job->NewPage();
    job->Page().TextOut(0, 0, "page 2");
    EXPECT_TRUE(job->End());
    ASSERT_EQ(fakes.printing.pages.size(), 2u);
    EXPECT_EQ(fakes.printing.pages[1]->Texts(), std::vector<std::string>{"page 2"});
    EXPECT_TRUE(fakes.printing.pages[0]->IsPrinting());
    fakes.printing.cancel = true;
    EXPECT_FALSE(platform::Services().Printing().BeginPrint({"Slope", {}}));
}

TEST(ErrorLog, SplitsMessagesAtTheEndLines) {
    testsupport::TempDir dir;
    const auto log = dir.Path() / "Error.log";
    testsupport::WriteFile(
        log, "*** ERROR 101\r\nsecond line\r\n///ENDLOG\r\n*** WARNING 7\n///ENDLOG\ntail");
    const auto messages = platform::ReadErrorLogMessages(log);
    ASSERT_EQ(messages.size(), 3u);
    EXPECT_EQ(messages[0], "*** ERROR 101\nsecond line");
    EXPECT_EQ(messages[1], "*** WARNING 7");
    EXPECT_EQ(messages[2], "tail");
    EXPECT_TRUE(platform::ReadErrorLogMessages(dir.Path() / "missing.log").empty());
}

}  // namespace
