// The stress log: its rows and headers character for character, and the file it writes.

#include "model/stress_log.h"

#include "core/echo_writer.h"
#include "core/file_io.h"
#include "core/message_boxes.h"
#include "core/preferences.h"
#include "core/text_files.h"
#include "support/fake_services.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <string>

namespace {

s_PointStressResult Point(bool overburdenOk, bool poreOk) {
    s_PointStressResult r;
    r.x = 10;
    r.y = 5;
    r.overburdenOk = overburdenOk;
    r.depth = 3.5;
    r.overburden = 420;
    r.poreOk = poreOk;
    r.pore = 62.4;
    r.lineNumber = 1;
    r.materialNumber = 2;
    return r;
}

// Every row format with its missing fields; the two "|" of the fixed rows stay in columns 64
// and 107 whatever is missing.
TEST(StressLog, RowsOfBothFormats) {
    const struct {
        const char* name;
        bool overburdenOk, poreOk, tabs;
        std::string row;
    } cases[] = {
        {"fixed, all computed", true, true, false,
         "      10.000000       5.000000            3.5          420.0    |        62.4         1"
         "            2       |          357.6\n"},
        {"fixed, no overburden", false, true, false,
         "      10.000000       5.000000        ???????        ???????    |        62.4         1"
         "            2       |        ???????\n"},
        {"fixed, no pore pressure", true, false, false,
         "      10.000000       5.000000            3.5          420.0    |     ???????       ?????"
         "       ?????      |        ???????\n"},
        {"tabs, all computed", true, true, true,
         "      10.000000\t       5.000000\t            3.5\t          420.0\t           62.4\t"
         "         1\t         2\t          357.6\n"},
        {"tabs, no overburden", false, true, true,
         "      10.000000\t       5.000000\t???????\t???????\t           62.4\t         1\t"
         "         2\t???????\n"},
        {"tabs, nothing computed", false, false, true,
         "      10.000000\t       5.000000\t???????\t???????\t???????\t???????\t???????\t"
         "???????\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string row =
            EffectiveStressLogRow(Point(c.overburdenOk, c.poreOk), c.tabs, 6, 1);
        EXPECT_EQ(row, c.row);
        if (!c.tabs) {
            EXPECT_EQ(row.find('|'), 64u);
            EXPECT_EQ(row.rfind('|'), 107u);
        }
    }
    // Decimals are held within 0 to 15, whatever is asked for.
    for (bool tabs : {false, true}) {
        EXPECT_EQ(EffectiveStressLogRow(Point(true, true), tabs, 40, -3),
                  EffectiveStressLogRow(Point(true, true), tabs, 15, 0));
        EXPECT_EQ(EffectiveStressLogRow(Point(true, true), tabs, -1, 99),
                  EffectiveStressLogRow(Point(true, true), tabs, 0, 15));
    }
}

TEST(StressLog, Headers) {
    const std::string fixed = EffectiveStressLogHeader(false);
    EXPECT_EQ(fixed,
              "                                       Depth         Total      |           Pore "
              "Water Pressure            |      Effective\n"
              "                                       Below        Vertical    |                  "
              "Profile                 |       Vertical\n"
              "                                      Ground       Overburden   |                   "
              "Line       Material    |      Overburden\n"
              "      X                 Y             Surface       Pressure    |    Pressure      "
              "Number       Number     |       Pressure\n" +
                  std::string(64, ' ') + "|" + std::string(42, ' ') + "|\n");
    EXPECT_EQ(EffectiveStressLogHeader(true),
              "X\tY\tDepth Below Ground Surface\tTotal Vertical Overburden Pressure\tPore Water "
              "Pressure\tProfile Line Number\tMaterial Number\tEffective Vertical Overburden "
              "Pressure\n");
    EXPECT_EQ(OverburdenLogHeader(), "      X                 Y          Overburden Pressure\n");
    EXPECT_EQ(OverburdenLogRow(Point(true, false), 6, 1),
              "      10.000000       5.000000          420.0\n");
    EXPECT_EQ(OverburdenLogRow(Point(false, false), 2, 1),
              "          10.00           5.00  Could not compute\n");
}

class StressLogFile : public ::testing::Test {
protected:
    void TearDown() override { Cpp_FileIO::ResetForTests(); }
    testsupport::FakeServices fakes;
    testsupport::TempDir dir;
};

// The log sits beside the data file under its name; every file it creates starts with its
// header (setting the box again used to re-create the file without one), and the echo
// listing's writer is left as it was (the log used to take it over and leave it on no file).
TEST_F(StressLogFile, EachCreatedFileHasItsHeaderAndTheEchoWriterIsUntouched) {
    Cpp_FileIO::SetInputFileName(dir.Path() / "Slope1.dat");
    OutputText listing;
    SetOutputFile(listing.get());
    Cpp_StressLog log;
    ASSERT_EQ(log.Open(), Cpp_StressLog::Opened);
    EXPECT_EQ(log.Path(), dir.Path() / "Slope1.stresses-kliven");
    log.WriteEffectiveStressRow(Point(true, true), false, 1);
    log.WriteEffectiveStressRow(Point(true, true), true, 1);  // format changed between points
    EXPECT_EQ(GetOutputFile(), listing.get());
    log.Close();
    EXPECT_EQ(testsupport::ReadFile(log.Path()),
              EffectiveStressLogHeader(false) +
                  EffectiveStressLogRow(Point(true, true), false, 6, 1) +
                  EffectiveStressLogRow(Point(true, true), true, 6, 1));

    ASSERT_EQ(log.Open(), Cpp_StressLog::Opened);  // set again: a new file, a new header
    log.WriteOverburdenRow(Point(false, false));
    log.Close();
    EXPECT_EQ(testsupport::ReadFile(log.Path()),
              OverburdenLogHeader() + OverburdenLogRow(Point(false, false), 6, 1));
    SetOutputFile(nullptr);
    EXPECT_TRUE(listing.Text().empty());
}

// Without a data file the user names the log (it used to be a hidden ".stresses-kliven" in the
// current folder); Cancel opens nothing. A file that cannot be made is reported.
TEST_F(StressLogFile, UnsavedDocumentAsksForTheNameAndFailuresAreReported) {
    Cpp_StressLog log;
    fakes.fileDialogs.saveAnswers.push_back(std::nullopt);
    EXPECT_EQ(log.Open(), Cpp_StressLog::Cancelled);
    EXPECT_FALSE(log.IsOpen());
    ASSERT_EQ(fakes.fileDialogs.saveRequests.size(), 1u);
    EXPECT_EQ(fakes.fileDialogs.saveRequests[0].title, "Stress Log File");

    fakes.fileDialogs.saveAnswers.push_back(dir.Path() / "points.stresses-kliven");
    ASSERT_EQ(log.Open(), Cpp_StressLog::Opened);
    EXPECT_EQ(log.Path(), dir.Path() / "points.stresses-kliven");
    log.Close();
    EXPECT_TRUE(fakes.messageBoxes.requests.empty());

    SetMainWindowExists(true);
    Cpp_FileIO::SetInputFileName(dir.Path() / "missing" / "Slope1.dat");
    EXPECT_EQ(log.Open(), Cpp_StressLog::Failed);
    EXPECT_FALSE(log.IsOpen());
    log.WriteOverburdenRow(Point(true, true));  // nothing, and no crash
    ASSERT_EQ(fakes.messageBoxes.requests.size(), 1u);
    EXPECT_EQ(fakes.messageBoxes.requests[0].caption, "File I/O Error");
    EXPECT_EQ(fakes.messageBoxes.requests[0].text,
              "Unable to open output file named " +
                  (dir.Path() / "missing" / "Slope1.stresses-kliven").string() +
                  ".  You may not have permission to write to this directory.  Make sure your "
                  "input data file is located in a directory you can write to.");
}

}  // namespace
