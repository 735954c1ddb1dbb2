#include "core/data_error_output.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "core/echo_writer.h"
#include "core/kliven4_messages.h"
#include "core/text_files.h"
#include "support/test_support.h"

namespace {

class MessagesTest : public ::testing::Test {
protected:
    void SetUp() override {
        old_ = std::filesystem::current_path();
        std::filesystem::current_path(dir_.Path());
    }
    void TearDown() override {
        Cpp_DataErrorOutput::ResetForTests();
        SetOutputFile(nullptr);
        std::filesystem::current_path(old_);
    }
    testsupport::TempDir dir_;
    std::filesystem::path old_;
    OutputText listing;
};

TEST_F(MessagesTest, ReadingMessageGoesToListingAndLog) {
    Cpp_Errors errors(listing.get());
    ASSERT_TRUE(Cpp_DataErrorOutput::OpenErrorLog());
    Cpp_DataErrors::UnrecognizedCommandWord("XYZ", "xyz 100% done\n");
    Cpp_DataErrorOutput::BeginReading(2010, 1, "ERROR IN PROFILE LINE INPUT DATA.");
    Cpp_DataErrorOutput::AddLine("Line %1ld", 7L);
    Cpp_DataErrorOutput::Finish();
    EXPECT_EQ(listing.Text(),
              "\nKLIVEN ERROR NUMBER 1200\nUnrecognized command word: XYZ\n"
              "The following line of input data was entered:\nxyz 100% done\n"
              "\nKLIVEN WARNING NUMBER 2010\nERROR IN PROFILE LINE INPUT DATA.\nLine 7\n");
    EXPECT_TRUE(Cpp_DataErrorOutput::ErrorLogHasLines() == false);  // not on disk until closed
    Cpp_DataErrorOutput::CloseErrorLog();
    EXPECT_EQ(testsupport::ReadFile("Error.log"),
              "KLIVEN ERROR NUMBER 1200\nUnrecognized command word: XYZ\n"
              "The following line of input data was entered:\nxyz 100% done\n///ENDLOG\n"
              "KLIVEN WARNING NUMBER 2010\nERROR IN PROFILE LINE INPUT DATA.\nLine 7\n///ENDLOG\n");
    EXPECT_TRUE(Cpp_DataErrorOutput::ErrorLogHasLines());
}

TEST_F(MessagesTest, PendingTitleIsWrittenOnceBeforeTheFirstCheckMessage) {
    Cpp_DataErrors errors(listing.get());
    Cpp_DataErrorOutput::SetPendingTitle("PROFILE LINES\n");
    for (int n : {2230, 2250}) {
        Cpp_DataErrorOutput::BeginCheck(n, 0);
        Cpp_DataErrorOutput::Finish();
    }
    Cpp_DataErrorOutput::DiscardPendingTitle();
    EXPECT_EQ(listing.Text(),
              "\nPROFILE LINES\nKLIVEN ERROR NUMBER 2230\n\nKLIVEN ERROR NUMBER 2250\n");
    EXPECT_FALSE(Cpp_DataErrorOutput::OutputPendingTitle());
}

TEST_F(MessagesTest, LongMessagesAndLongLinesAreKeptWhole) {
    Cpp_Errors errors(listing.get());
    Cpp_DataErrorOutput::Begin(7370, 0);
    for (int i = 0; i < 30; ++i) Cpp_DataErrorOutput::AddLine("Point %d", i);
    const std::string longLine(400, 'x');
    EXPECT_NO_THROW(Cpp_DataErrorOutput::FinishWithInputLine(longLine + "\n"));
    std::string text = listing.Text();
    EXPECT_NE(text.find("Point 29\n"), std::string::npos);
    EXPECT_NE(text.find(longLine + "\n"), std::string::npos);
}

TEST_F(MessagesTest, WithoutAListingMessagesReachOnlyTheLog) {
    Cpp_DataErrors errors;
    ASSERT_TRUE(Cpp_DataErrorOutput::OpenErrorLog());
    Cpp_DataErrorOutput::Begin(5000, 2);
    EXPECT_TRUE(Cpp_DataErrorOutput::Output(1, 0));
    Cpp_DataErrorOutput::CloseErrorLog();
    EXPECT_EQ(testsupport::ReadFile("Error.log"), "KLIVEN NOTICE NUMBER 5000\n///ENDLOG\n");
}

TEST_F(MessagesTest, AMessageDoesNotMoveTheEchoWriterToTheLog) {
    Cpp_Errors errors(listing.get());
    SetOutputFile(listing.get());
    ASSERT_TRUE(Cpp_DataErrorOutput::OpenErrorLog());
    Cpp_DataErrorOutput::Begin(1, 0);
    Cpp_DataErrorOutput::Finish();
    EXPECT_EQ(GetOutputFile(), listing.get());
}

TEST_F(MessagesTest, PrintStringKeepsTheInputLineEndAndSkipsTheLog) {
    Cpp_PrintString s;
    PrintErrorNumber(s, 4700, 0);
    PrintInputLine(s, "1 2\n");
    for (int i = 0; i < 20; ++i) s.AddString("more");
    s.Print(listing.get(), 1, 0);
    EXPECT_EQ(
        listing.Text().rfind(
            "\nKLIVEN ERROR NUMBER 4700\nThe following line of input data was entered:\n1 2\n\n"
            "more\n",
            0),
        0u);
}

TEST_F(MessagesTest, UnexpectedErrorThrowsInsteadOfEndingTheProgram) {
    EXPECT_THROW(Cpp_Errors::UnexpectedError("Cpp_PorePressure::ReadInput"),
                 Cpp_Errors::Exc_UnexpectedError);
}

TEST(Kliven4Messages, CollectWithoutLimits) {
    Cpp_KLIVEN4Messages::Clear();
    Cpp_KLIVEN4Messages::StartMessage(8010, 0);
    Cpp_KLIVEN4Messages::StartMessage(8020, 1);
    Cpp_KLIVEN4Messages::StartMessage(8030, 2);
    Cpp_KLIVEN4Messages::StartMessage(8040, 7);
    for (int i = 0; i < 60; ++i) Cpp_KLIVEN4Messages::AddErrorLine(std::string(200, 'e'));
    EXPECT_EQ(Cpp_KLIVEN4Messages::Errors().size(), 61u);
    EXPECT_EQ(Cpp_KLIVEN4Messages::Warnings().front(), "KLIVEN WARNING NUMBER 8020");
    EXPECT_EQ(Cpp_KLIVEN4Messages::Notices().front(), "KLIVEN NOTICE NUMBER 8030");
    OutputText out;
    Cpp_KLIVEN4Messages::Clear();
    Cpp_KLIVEN4Messages::AddNoticeLine("n");
    Cpp_KLIVEN4Messages::AddErrorLine("e");
    Cpp_KLIVEN4Messages::PrintAll(1, 2, false, out.get());
    EXPECT_EQ(out.Text(), "\nn\n  e\n");
    Cpp_KLIVEN4Messages::Clear();
}

}  // namespace

namespace {

TEST(ErrorLog, StaysInTheFolderWhereItWasOpened) {
    testsupport::TempDir dir;
    auto old = std::filesystem::current_path();
    std::filesystem::current_path(dir.Path());
    std::filesystem::create_directory("elsewhere");
    ASSERT_TRUE(Cpp_DataErrorOutput::OpenErrorLog());
    std::filesystem::current_path(dir.Path() / "elsewhere");
    Cpp_DataErrorOutput::Begin(1200, 0);
    Cpp_DataErrorOutput::Finish();
    Cpp_DataErrorOutput::CloseErrorLog();
    std::filesystem::current_path(old);
    EXPECT_EQ(testsupport::ReadFile(dir.Path() / "Error.log"),
              "KLIVEN ERROR NUMBER 1200\n///ENDLOG\n");
    Cpp_DataErrorOutput::ResetForTests();
}

}  // namespace
