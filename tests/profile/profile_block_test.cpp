#include "core/file_io.h"
#include "profile/profile_line.h"
#include "profile_fixtures.h"
#include "support/fake_services.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace {

using profiletest::AddLine;
using profiletest::CaptureListing;
using testsupport::FileWith;

std::string Written(const Cpp_ProfileLineList& list) {
    std::FILE* f = std::tmpfile();
    EXPECT_TRUE(list.WriteInputDataFile(f));
    std::rewind(f);
    std::string text;
    int c;
    while ((c = std::fgetc(f)) != EOF) text += static_cast<char>(c);
    std::fclose(f);
    return text;
}

const char* const kBlock = "     1     2 10 ft clay\n"
                           "                      0.000000           10.000000\n"
                           "                     50.000000           10.000000\n"
                           "\n"
                           "     3     1\n"
                           "                      0.000000            0.000000\n"
                           "                     50.000000            0.000000\n"
                           "\n"
                           "\n";

// Regression: a description beginning with a number ("10 ft clay") lost its number, and of two
// lines with one number only the first was written.
TEST(ProfileBlock, ReadsAndWritesBackExactlyWithNumericDescriptions) {
    Cpp_ProfileLineList list;
    std::FILE* in = FileWith(std::string(kBlock) + "SLOpe\n");
    ASSERT_TRUE(list.ReadInput(nullptr, in, nullptr, false));
    char rest[16] = {};
    std::fgets(rest, sizeof rest, in);
    std::fclose(in);
    EXPECT_STREQ(rest, "SLOpe\n");  // the block ends at its own blank lines
    ASSERT_EQ(list.Count(), 2);
    EXPECT_EQ(list.ProfileLineAt(0)->Description(), "10 ft clay");
    EXPECT_EQ(list.ProfileLineAt(0)->GetMaterialNumber(), 2);
    EXPECT_FALSE(list.ProfileLineAt(0)->EnteredInCurrentTable());
    EXPECT_EQ(Written(list), std::string("PROfile line data follow -\n") + kBlock);

    Cpp_ProfileLineList twins;
    AddLine(twins, 5, 1, {{0, 1}, {1, 1}});
    AddLine(twins, 2, 1, {{0, 3}, {1, 3}});
    AddLine(twins, 5, 2, {{0, 2}, {1, 2}});
    const std::string text = Written(twins);
    EXPECT_NE(text.find("     5     1\n"), std::string::npos);
    EXPECT_NE(text.find("     5     2\n"), std::string::npos);
    EXPECT_LT(text.find("     2     1\n"), text.find("     5     1\n"));
    EXPECT_LT(text.find("     5     1\n"), text.find("     5     2\n"));

    EXPECT_EQ(Written(Cpp_ProfileLineList()), "");
}

TEST(ProfileBlock, ABlankBlockIsAnEmptyProfileAndDescriptionsAreCut) {
    Cpp_ProfileLineList list;
    AddLine(list, 9, 9, {{0, 0}, {1, 0}});
    std::FILE* in = FileWith("\n");
    ASSERT_TRUE(list.ReadInput(nullptr, in, nullptr, false));
    std::fclose(in);
    EXPECT_TRUE(list.IsEmpty());
    in = FileWith("1 1 " + std::string(100, 'd') + "\n0 0 1 1\n\n\n");
    ASSERT_TRUE(list.ReadInput(nullptr, in, nullptr, false));
    std::fclose(in);
    EXPECT_EQ(list.ProfileLineAt(0)->Description().size(), 80u);
}

TEST(ProfileBlock, BadInputGivesNumberedMessagesAndKeepsWhatWasRead) {
    struct Case {
        const char* text;
        const char* number;
        int linesKept;
    };
    for (const Case& c :
         std::vector<Case>{{"3 1\n0 0 1 1\n\n3 2\n0 0 1 1\n\n\n", "2000", 1},
                           {"3 1\n0 0 1 1 2\n\n\n", "2020", 1},
                           {"3\n", "2040", 0},
                           {"junk\n", "2100", 0},
                           {"3 1\n0 0 1 1\n\nFILE other.dat\n", "2130", 1},
                           {"3 1\n0 0 1 1\nstop\n", "2110", 1},
                           {"3 1\n0 0 1 1\n", "2010", 1},
                           {"3 1\n0 0 1 1\n2 1e308\n\n\n", "2010", 1},  // coordinates that overflow
                           {"3 1\n-1e308 0 1 1\n\n\n", "2010", 1},
                           {"", "2030", 0}}) {
        Cpp_ProfileLineList list;
        std::FILE* in = FileWith(c.text);
        const std::string text = CaptureListing(
            [&](std::FILE* f) { EXPECT_FALSE(list.ReadInput(nullptr, in, f, false)); });
        std::fclose(in);
        EXPECT_NE(text.find(std::string("KLIVEN ERROR NUMBER ") + c.number), std::string::npos)
            << c.text;
        EXPECT_EQ(list.Count(), c.linesKept) << c.text;
    }
    Cpp_ProfileLineList list;
    std::FILE* in = FileWith("3 1\n0 0 1 1 trailing words\n\n\n");
    const std::string text =
        CaptureListing([&](std::FILE* f) { EXPECT_TRUE(list.ReadInput(nullptr, in, f, false)); });
    std::fclose(in);
    EXPECT_NE(text.find("KLIVEN NOTICE NUMBER 2090"), std::string::npos);
}

TEST(ProfileBlock, FileFormReadsTheLinesFromASeparateFile) {
    testsupport::TempDir dir;
    testsupport::WriteFile(dir.Path() / "layers.dat", "4 2 sand\n0 5 10 5\n\n\n");
    Cpp_FileIO::SetInputFileName(dir.Path() / "problem.preinput-kliven");
    Cpp_ProfileLineList list;
    std::FILE* in = FileWith("  file layers.dat\nNEXT\n");
    ASSERT_TRUE(list.ReadInput(nullptr, in, nullptr, false));
    char rest[16] = {};
    std::fgets(rest, sizeof rest, in);
    std::fclose(in);
    EXPECT_STREQ(rest, "NEXT\n");
    ASSERT_EQ(list.Count(), 1);
    EXPECT_EQ(list.ProfileLineAt(0)->Description(), "sand");

    // The stand-in services answer the question and cancel the file dialog: 2140.
    in = FileWith("FILE missing.dat\n");
    const std::string text =
        CaptureListing([&](std::FILE* f) { EXPECT_FALSE(list.ReadInput(nullptr, in, f, false)); });
    std::fclose(in);
    EXPECT_NE(text.find("KLIVEN ERROR NUMBER 2140"), std::string::npos) << text;
    EXPECT_NE(text.find("File name:missing.dat"), std::string::npos);
    Cpp_FileIO::ResetForTests();
}

// When the named file is missing and the user says Yes, the profile-line data file is asked for
// with its own caption and filters (*.prl first), starting in the input file's folder.
TEST(ProfileBlock, AMissingSeparateFileIsAskedForAsAProfileLineDataFile) {
    testsupport::FakeServices fakes;
    testsupport::TempDir dir;
    const std::filesystem::path chosen = dir.Path() / "layers.prl";
    testsupport::WriteFile(chosen, "4 2 sand\n0 5 10 5\n\n\n");
    Cpp_FileIO::SetInputFileName(dir.Path() / "problem.preinput-kliven");
    fakes.messageBoxes.answers.push_back(platform::BoxResult::Yes);
    fakes.fileDialogs.openAnswers.push_back(chosen);
    Cpp_ProfileLineList list;
    std::FILE* in = FileWith("FILE missing.dat\n");
    EXPECT_TRUE(list.ReadInput(nullptr, in, nullptr, false));
    std::fclose(in);
    ASSERT_EQ(fakes.messageBoxes.requests.size(), 1u);
    EXPECT_EQ(fakes.messageBoxes.requests[0].caption, "Profile Line Input Error");
    ASSERT_EQ(fakes.fileDialogs.openRequests.size(), 1u);
    const platform::FileDialogRequest& request = fakes.fileDialogs.openRequests[0];
    EXPECT_EQ(request.title, "Open file for profile line data");
    EXPECT_EQ(request.filter, "Data Files(*.PRL)|*.prl|Text Files(*.TXT)|*.txt|All Files(*.*)|*.*");
    EXPECT_EQ(request.filterIndex, 1);
    EXPECT_EQ(request.initialFile, dir.Path() / "*.PRL");
    ASSERT_EQ(list.Count(), 1);
    EXPECT_EQ(list.ProfileLineAt(0)->Description(), "sand");
    Cpp_FileIO::ResetForTests();
}

TEST(ProfileCheck, ReportsProfileAndMaterialProblems) {
    Cpp_ProfileLineList empty;
    std::string text = CaptureListing(
        [&](std::FILE* f) { EXPECT_FALSE(empty.CheckData(f, 1e-8, true, false, nullptr)); });
    EXPECT_NE(text.find("KLIVEN ERROR NUMBER 2240"), std::string::npos);

    Cpp_ProfileLineList list;
    AddLine(list, 1, 1, {{0, 10}, {0, 10}, {50, 10}});
    AddLine(list, 2, 4, {{50, 0}, {0, 0}});
    AddLine(list, 3, 2, {{20, 0}, {20, 12}});
    s_MaterialQuery materials;
    materials.exists = [](int m) { return m != 4; };
    materials.strengthOption = [](int m, int stage) { return m == 2 && stage == 2 ? 17 : 1; };
    materials.stages = 2;
    text = CaptureListing(
        [&](std::FILE* f) { EXPECT_FALSE(list.CheckData(f, 1e-8, false, true, &materials)); });
    for (const char* number : {"WARNING NUMBER 2200", "WARNING NUMBER 2280", "ERROR NUMBER 2310",
                               "WARNING NUMBER 2320", "ERROR NUMBER 2220", "ERROR NUMBER 2290"})
        EXPECT_NE(text.find(number), std::string::npos) << number;
    EXPECT_NE(text.find("TABLE NO. 17"), std::string::npos);
    EXPECT_NE(text.find("Points on the following line have been reversed"), std::string::npos);
    EXPECT_EQ(list.CheckMarks().size(), 1u);  // line 3 ends on line 2: only the crossing of line 1
    EXPECT_EQ(list.LinesWithoutMaterial(materials), std::vector<int>{2});

    // With the materials skipped and clean lines the check passes; warnings do not fail it.
    Cpp_ProfileLineList clean;
    AddLine(clean, 1, 1, {{0, 10}, {50, 10}});
    AddLine(clean, 2, 1, {{5, 0}, {5, 5}});
    EXPECT_TRUE(clean.CheckData(nullptr, 1e-8, true, false, nullptr));
}

}  // namespace

namespace {

// A material number too large for an int stays a material number that no material has, so the
// linking reports it; it must not wrap to a negative number that silently defines no material.
TEST(ProfileBlock, AMaterialNumberBeyondIntRangeIsReportedNotWrapped) {
    Cpp_ProfileLineList list;
    std::FILE* in = FileWith("2 2147483648 Clay\n0 0 1 1\n\n3 -9e99\n0 -1 1 -1\n\n\n");
    ASSERT_TRUE(list.ReadInput(nullptr, in, nullptr, false));
    std::fclose(in);
    ASSERT_EQ(list.Count(), 2);
    EXPECT_GT(list.ProfileLineAt(0)->GetMaterialNumber(), 0);
    EXPECT_LT(list.ProfileLineAt(1)->GetMaterialNumber(), 1);
    s_MaterialQuery materials;
    materials.exists = [](int m) { return m == 2; };
    const std::string text = profiletest::CaptureListing(
        [&](std::FILE* f) { EXPECT_FALSE(list.AssignMaterials(materials, true, f)); });
    EXPECT_NE(text.find("Profile line number 2 has no material properties"), std::string::npos);
}

TEST(ProfileMaterials, TheFirstLineWithoutMaterialIsReported) {
    Cpp_ProfileLineList list;
    profiletest::AddLine(list, 1, 1, {{0, 1}, {1, 1}});
    profiletest::AddLine(list, 2, 6, {{0, 0}, {1, 0}});
    profiletest::AddLine(list, 3, 7, {{0, -1}, {1, -1}});
    s_MaterialQuery materials;
    materials.exists = [](int m) { return m == 1; };
    const std::string text = profiletest::CaptureListing(
        [&](std::FILE* f) { EXPECT_FALSE(list.AssignMaterials(materials, true, f)); });
    EXPECT_NE(text.find("Profile line number 2 has no material properties"), std::string::npos);
    EXPECT_EQ(text.find("Profile line number 3"), std::string::npos);
    materials.exists = [](int) { return true; };
    EXPECT_TRUE(list.AssignMaterials(materials, true, nullptr));
}

}  // namespace

namespace {

TEST(ProfileBlock, EchoListsEveryLineWithItsPoints) {
    Cpp_ProfileLineList list;
    std::FILE* in = FileWith("7 3 sand\n0 1.5 10 2\n\n\n");
    const std::string echo = profiletest::CaptureListing(
        [&](std::FILE* f) { ASSERT_TRUE(list.ReadInput(nullptr, in, f, true)); });
    std::fclose(in);
    EXPECT_NE(echo.find("TABLE NO. 3"), std::string::npos) << echo;
    EXPECT_NE(echo.find("* NEW PROFILE LINE DATA *"), std::string::npos);
    const std::string header = "----- Profile Line No. 7 - Material Type (Number): 3 -----";
    EXPECT_NE(echo.find(std::string(header.size(), '-') + "\n" + header + "\n"), std::string::npos);
    EXPECT_NE(echo.find("Description: sand\n"), std::string::npos);
    EXPECT_NE(
        echo.find(
            "Point        X           Y\n\n   1    0.000000    1.500000\n   2   10.000000    2.000000\n"),
        std::string::npos);
}

}  // namespace
