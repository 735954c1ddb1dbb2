// Interpolation data: the model (duplicates, triangulation, value at a point, head mode), the
// INT and EXT blocks both ways, and the seepage and generic point files.

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <tuple>
#include <vector>

#include "core/data_error_output.h"
#include "core/file_io.h"
#include "core/format_text.h"
#include "core/kliven4_messages.h"
#include "core/text_exception.h"
#include "core/text_formats.h"
#include "porepressure/interpolation_data.h"
#include "support/fake_services.h"
#include "support/test_support.h"

namespace {

using testsupport::Contents;
using testsupport::FileWith;
using testsupport::Has;

std::string Fixture(const std::string& name) {
    return (testsupport::FixturesDir() / "porepressure" / name).string();
}

class InterpolationTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetTriangulationGlobals();
        Cpp_DataErrorOutput::ResetForTests();
        Cpp_KLIVEN4Messages::Clear();
        Cpp_KLIVEN4Messages::SetStatus(1);
        SetRunTimeText("Thu Jan  1 00:00:00 2026");
        listing = std::tmpfile();
        data.SetStage(1);
    }
    void TearDown() override {
        Cpp_DataErrorOutput::ResetForTests();
        ResetTriangulationGlobals();
        std::fclose(listing);
    }
    void FreshListing() {
        std::fclose(listing);
        listing = std::tmpfile();
    }
    // One INT block (after its command line) into data.
    bool Read(const std::string& text, Cpp_InterpolationData& into) {
        std::FILE* in = FileWith(text);
        const bool ok = into.ReadInput(in, listing, true);
        std::fclose(in);
        return ok;
    }
    bool Read(const std::string& text) { return Read(text, data); }
    std::string Write(bool document, Cpp_InterpolationData& from) {
        std::FILE* out = std::tmpfile();
        EXPECT_TRUE(document ? from.WriteKLIVEN4InputDataFile(out)
                             : from.WriteKLIVEN4InputDataFileWithFileNames(out));
        std::string s = Contents(out);
        std::fclose(out);
        return s;
    }
    bool Prepare(Cpp_InterpolationData& d) {
        return d.ReportDuplicatePoints(listing) && d.RebuildAllBackLinks() &&
               d.TriangulateAll(listing) && d.ComputeAllBoundaries();
    }
    testsupport::FakeServices fakes;
    std::FILE* listing = nullptr;
    Cpp_InterpolationData data;
};

TEST_F(InterpolationTest, BlockLinesGivePointsOrTheirMessages) {
    struct Case {
        std::string block;
        bool ok;
        int points;        // points read, whatever the result
        int material;      // material of the last data set
        std::string text;  // expected in the listing
    };
    const std::vector<Case> cases = {
        {"P\n10 20 5\n\n\n", true, 1, 0, "Number of new interpolation points read: 1"},
        {"pressure values\n10 20 5 3 11 20 6 3\n\n\n", true, 2, 3, " Pore Pressure  "},
        {"P\n10 20 5 3 1\n", false, 1, 3,
         "5 values were entered - Must either be even multiples of 4 values."},
        {"P\n10 20 5\n\n", false, 1, 0, "designating type of interpolation data for stage 1."},
        {"P\n10 20 5\n\nFILE other.dat\n", false, 1, 0,
         "indicated the name of an external file to be read"},
        {"P\n10 20 5\n\nSEEPW other.txt\n", false, 1, 0,
         "created by GMS/SEEP2D, the intent must be declared"},
        {"Q values\n", false, 0, 0, "The leading character was: Q"},
        {"P\n10 20 5\nthe end\n", false, 1, 0,
         "A blank line of data is required to end the current type"},
        {"P\n10 20 5\n", false, 1, 0, "Bad line of data for interpolation points for Stage 1"},
        {"P\n10 20 5 0 -1e308 0 6 0\n\n\n", false, 1, 0,
         "Bad line of data for interpolation points for Stage 1"},
    };
    for (const Case& c : cases) {
        Cpp_InterpolationData d;
        d.SetStage(1);
        FreshListing();
        EXPECT_EQ(Read(c.block, d), c.ok) << c.block;
        EXPECT_EQ(d.CountPoints(1), c.points) << c.block;
        if (!d.DataSets().empty()) {
            EXPECT_EQ(d.DataSets().back()->Material(), c.material);
        }
        const std::string echo = Contents(listing);
        EXPECT_TRUE(Has(echo, c.text)) << c.block << "\n" << echo;
        if (!c.ok) {
            EXPECT_TRUE(Has(echo, "ERROR IN INTERPOLATION POINT INPUT DATA"));
        }
    }
}

TEST_F(InterpolationTest, SourcesCannotBeMixed) {
    ASSERT_TRUE(Read("P\n0 0 1\n\n\n"));
    EXPECT_FALSE(Read("SEEP2D " + Fixture("mesh.upp") + "\n"));
    EXPECT_TRUE(Has(Contents(listing),
                    "Cannot enter pore water pressure interpolation data from multiple sources."));
    Cpp_InterpolationData fromFile;
    fromFile.SetStage(1);
    ASSERT_TRUE(Read("FILE " + Fixture("points.dat") + "\n", fromFile));
    EXPECT_FALSE(Read("P\n0 0 1\n\n\n", fromFile));
}

TEST_F(InterpolationTest, DuplicatesAreDeletedOrReportedInComparisonOrder) {
    Cpp_InterpolationDataSet* set = nullptr;
    for (auto [x, y, v] : {std::tuple{0.0, 0.0, 5.0},
                           {1.0, 0.0, 2.0},
                           {0.0, 0.0, 5.0},
                           {1.0, 0.0, 3.0},
                           {0.0, 1.0, 1.0},
                           {1.0 + 1e-12, 1.0, 1.0}})
        data.AddPointToDataSet(1, 0, x, y, v, 0, 0, set);
    EXPECT_FALSE(set->DeleteDuplicatePoints(1, listing, true));
    EXPECT_EQ(set->CountPoints(), 5);
    EXPECT_TRUE(set->PointsDeleted());
    const std::string echo = Contents(listing);
    const auto deleted = echo.find("KLIVEN WARNING NUMBER 4850");
    const auto kept = echo.find("4860");
    ASSERT_NE(deleted, std::string::npos) << echo;
    ASSERT_NE(kept, std::string::npos);
    EXPECT_LT(deleted, kept);
    EXPECT_TRUE(Has(echo, "Second point was deleted."));
    EXPECT_TRUE(Has(echo, "Duplicate point could not be deleted."));
    EXPECT_TRUE(Has(echo, "First point  - No.: 2, X: 1.000000, Y: 0.000000, Pressure: 2.000000"));
    set->RebuildVertices();
    EXPECT_FALSE(set->Triangulate(1, listing));
    EXPECT_TRUE(set->GetTriangleList().IsEmpty());
}

// Every point of a block just read is new, the first one too, and the listing counts them so.
TEST_F(InterpolationTest, EveryPointOfABlockIsMarkedNewAndCounted) {
    for (int n : {1, 3, 5000}) {
        SCOPED_TRACE(n);
        FreshListing();
        Cpp_InterpolationData fresh;
        fresh.SetStage(1);
        std::string block = "Pressure values\n";
        for (int i = 0; i < n; ++i)
            block += std::to_string(i % 100) + " " + std::to_string(i / 100) + " 2.5\n";
        ASSERT_TRUE(Read(block + "\n\n", fresh));
        ASSERT_EQ(fresh.DataSets().size(), 1u);
        long marked = 0;
        for (const auto& p : fresh.DataSets()[0]->Points()) marked += p.IsNew() ? 1 : 0;
        EXPECT_EQ(marked, n);
        EXPECT_TRUE(Has(Contents(listing),
                        "\nNumber of new interpolation points read: " + std::to_string(n) +
                            "\nNumber of old interpolation points retained: 0\n"));
    }
}

// Many points on a small lattice, so that groups of two, three and more equal points meet (0.0
// and -0.0 among them): the points kept, the consistency and the order of the messages are those
// of comparing every point with every later one.
TEST_F(InterpolationTest, DuplicateCheckOfManyPointsIsThatOfComparingEveryPair) {
    for (bool deleteEqual : {true, false}) {
        SCOPED_TRACE(deleteEqual ? "equal ones deleted" : "equal ones reported");
        FreshListing();
        Cpp_InterpolationData many;
        many.SetStage(1);
        Cpp_InterpolationDataSet* set = nullptr;
        struct s_Point {
            double x, y, v;
        };
        std::vector<s_Point> points;
        unsigned seed = 12345;
        auto next = [&] { return (seed = seed * 1103515245u + 12345u) >> 16; };
        for (int i = 0; i < 3000; ++i) {
            double x = static_cast<double>(next() % 40) - 20.0;
            if (x == 0.0 && next() % 2 == 0) x = -0.0;
            const double y = static_cast<double>(next() % 60) * 0.5;
            points.push_back({x, y, static_cast<double>(next() % 2)});
            many.AddPointToDataSet(1, 0, x, y, points.back().v, 0, 0, set);
        }
        std::vector<char> gone(points.size(), 0);
        std::vector<std::string> expected;
        bool consistent = true;
        for (std::size_t a = 0; a < points.size(); ++a) {
            if (gone[a]) continue;
            for (std::size_t b = a + 1; b < points.size(); ++b) {
                if (gone[b] || points[a].x != points[b].x || points[a].y != points[b].y) continue;
                const bool deleted = deleteEqual && points[a].v == points[b].v;
                if (deleted)
                    gone[b] = 1;
                else
                    consistent = false;
                expected.push_back(FormatText("%zu-%zu-%d", a + 1, b + 1, deleted ? 1 : 0));
            }
        }
        EXPECT_EQ(set->DeleteDuplicatePoints(1, listing, deleteEqual), consistent);
        // The messages name the pairs by their point numbers (1, 2, ... in list order).
        const std::string echo = Contents(listing);
        std::vector<std::string> reported;
        for (std::size_t at = echo.find("First point  - No.: "); at != std::string::npos;
             at = echo.find("First point  - No.: ", at + 1)) {
            const std::size_t first = std::stoul(echo.substr(at + 20));
            const std::size_t second_at = echo.find("No.: ", echo.find('\n', at));
            const std::size_t second = std::stoul(echo.substr(second_at + 5));
            const std::size_t end = echo.find("KLIVEN", at);
            const std::string tail = echo.substr(at, end == std::string::npos ? end : end - at);
            reported.push_back(FormatText("%zu-%zu-%d", first, second,
                                          Has(tail, "Second point was deleted.") ? 1 : 0));
        }
        EXPECT_EQ(reported, expected);
        std::vector<std::tuple<double, double, double>> kept, expectedKept;
        for (const auto& p : set->Points()) kept.emplace_back(p.X(), p.Y(), p.Value());
        for (std::size_t i = 0; i < points.size(); ++i)
            if (!gone[i]) expectedKept.emplace_back(points[i].x, points[i].y, points[i].v);
        EXPECT_EQ(kept, expectedKept);
    }
}

TEST_F(InterpolationTest, FindDataSetFallsBackToTheFirstOfTheKind) {
    Cpp_InterpolationDataSet* set = nullptr;
    data.AddPointToDataSet(1, 3, 0, 0, 1, 0, 0, set);
    data.AddPointToDataSet(2, 7, 0, 0, 1, 0, 0, set);
    EXPECT_EQ(data.FindDataSet(1, 7)->Material(), 3);
    EXPECT_EQ(data.FindDataSet(2, 7)->Kind(), 2);
    EXPECT_EQ(data.FindDataSet(3, 0), nullptr);
    EXPECT_THROW(data.SetStage(3), Cpp_InterpolationData::Exc_BadStage);
}

TEST_F(InterpolationTest, ValueAtVerticesInsideOutsideAndAsHead) {
    ASSERT_TRUE(Read("P\n0 0 100\n10 0 200\n0 10 300\n10 10 400\n\n\n"));
    ASSERT_TRUE(Prepare(data));
    Cpp_InterpolationDataSet* set = data.FindDataSet(1, 0);
    Cpp_Triangle* start = nullptr;
    double v = -1;
    ASSERT_TRUE(set->ValueAt(10, 0, v, start, false));
    EXPECT_NEAR(v, 200.0, 1e-9);
    ASSERT_TRUE(set->ValueAt(5, 5, v, start, false));
    EXPECT_NEAR(v, 250.0, 1e-9);
    EXPECT_FALSE(set->ValueAt(20, 5, v, start, false));
    EXPECT_EQ(v, 0.0);
    const double gw = Cpp_InterpolationData::UnitWeightOfWater();
    ASSERT_TRUE(set->ValueAt(0, 10, v, start, true));
    EXPECT_NEAR(v, 10 + 300 / gw, 1e-9);
    set->SetOptionFlag(true);
    set->SetOptionFlag(false);
    set->RebuildPoints(gw);
    for (const auto& p : set->Points())
        if (p.X() == 10 && p.Y() == 10) {
            EXPECT_NEAR(p.Value(), 400.0, 1e-9);
        }
}

TEST_F(InterpolationTest, EnteredPointsRoundTripThroughBothForms) {
    ASSERT_TRUE(Read("P\n0 0 100 2 10 0 110 2\n\nU\n0 0 18.5\n\nC\n1 2 0.25\n\n\n"));
    const std::string document = Write(true, data);
    EXPECT_EQ(document.substr(0, 48), "INTerpolation data follow -\n     Pressure values");
    EXPECT_TRUE(Has(document, "     C/P values\n"));
    EXPECT_TRUE(Has(document, "     Unit weight values\n"));
    EXPECT_EQ(document.substr(document.size() - 2), "\n\n");
    Cpp_InterpolationData back;
    back.SetStage(1);
    ASSERT_TRUE(Read(document.substr(document.find('\n') + 1), back));
    EXPECT_EQ(Write(true, back), document);
    EXPECT_EQ(Write(false, back), document);
    EXPECT_EQ(back.FindDataSet(1, 2)->CountPoints(), 2);
}

TEST_F(InterpolationTest, KindsReadFromAFileKeepTheFileName) {
    const std::string name = Fixture("points.dat");
    ASSERT_TRUE(Read("FILE " + name + "\n"));
    EXPECT_EQ(data.CountPoints(1), 3);
    EXPECT_EQ(data.CountPoints(3), 3);
    EXPECT_TRUE(data.PressureFromFile());
    EXPECT_EQ(data.Source(Cpp_InterpolationData::kPressure).fileName, name);
    // Both kinds come from one file: one FILE block, and no points.
    EXPECT_EQ(Write(false, data), "INTerpolation data follow -\nFILE " + name + "\n");
    // The document keeps them through the external-file records, to be read again.
    EXPECT_EQ(Write(true, data), "");
    std::FILE* ext = std::tmpfile();
    ASSERT_TRUE(data.WriteExternalFileParameters(ext));
    const std::string records = Contents(ext);
    std::fclose(ext);
    EXPECT_EQ(records, "1 = import pressures from generic file\n" + name +
                           "\n1 = import pressures to preprocessor\n"
                           "0 = do NOT import r-sub-u values from file\n"
                           "1 = import strength values from file\n" +
                           name + "\n1 = import strength values to preprocessor\n");

    Cpp_InterpolationData reopened;
    reopened.SetStage(1);
    std::FILE* in = FileWith(records);
    ASSERT_TRUE(reopened.CheckExternalFileSources(in));
    std::fclose(in);
    EXPECT_EQ(Write(true, reopened), "");
    fakes.messageBoxes.answers.push_back(platform::BoxResult::Yes);
    ASSERT_TRUE(reopened.ImportExternalFiles(listing));
    // One question: the strength values come with the pressures from the same file.
    EXPECT_EQ(fakes.messageBoxes.requests.size(), 1u);
    EXPECT_EQ(reopened.CountPoints(1), 3);
    EXPECT_EQ(reopened.CountPoints(3), 3);
}

// Regression: c/p and unit-weight points read from a file named on the block reached neither the
// document nor a file reference the document keeps, and were lost on saving.
TEST_F(InterpolationTest, TheDocumentKeepsKindsReadFromAFileThatNoRecordNames) {
    testsupport::TempDir dir;
    const std::string name = (dir.Path() / "control.dat").string();
    testsupport::WriteFile(name, "Pressure values\n0 0 100\n10 0 110\n0 10 120\n\n"
                                 "C/P values\n0 0 0.25\n10 0 0.3\n0 10 0.35\n\n"
                                 "Unit weight values\n0 0 120\n10 0 125\n0 10 130\n\n\n");
    ASSERT_TRUE(Read("FILE " + name + "\n"));
    EXPECT_EQ(Write(false, data), "INTerpolation data follow -\nFILE " + name + "\n");
    const std::string document = Write(true, data);
    EXPECT_FALSE(Has(document, "Pressure values")) << document;  // the EXT records name its file
    EXPECT_TRUE(Has(document, "     C/P values\n")) << document;
    EXPECT_TRUE(Has(document, "     Unit weight values\n")) << document;
    Cpp_InterpolationData reopened;
    reopened.SetStage(1);
    ASSERT_TRUE(Read(document.substr(document.find('\n') + 1), reopened));
    EXPECT_EQ(reopened.CountPoints(5), 3);
    EXPECT_EQ(reopened.CountPoints(6), 3);
    EXPECT_EQ(Write(true, reopened), document);
}

TEST_F(InterpolationTest, ImportAfterOpeningOffersEveryFlaggedKind) {
    std::FILE* in =
        FileWith("2 = import pressures from SEEP2D file\n" + Fixture("mesh.upp") +
                 "\n1 = import\n0 = do NOT import r-sub-u values from file\n"
                 "1 = import strength values from file\n" +
                 Fixture("points.dat") + "\n1 = import strength values to preprocessor\n");
    ASSERT_TRUE(data.CheckExternalFileSources(in));
    std::fclose(in);
    fakes.messageBoxes.answers = {platform::BoxResult::Yes, platform::BoxResult::Yes};
    ASSERT_TRUE(data.ImportExternalFiles(listing));
    ASSERT_EQ(fakes.messageBoxes.requests.size(), 2u);
    EXPECT_TRUE(Has(fakes.messageBoxes.requests[0].text,
                    "created by GMS/SEEP2D.  The file to be read is named"));
    EXPECT_TRUE(
        Has(fakes.messageBoxes.requests[1].text, "Values for undrained strength interpolation"));
    EXPECT_EQ(data.CountPoints(3), 3);

    Cpp_InterpolationData bad;
    bad.SetStage(1);
    std::FILE* broken = FileWith("1 = import pressures from generic file\nname.dat\nyes\n");
    EXPECT_FALSE(bad.CheckExternalFileSources(broken));
    std::fclose(broken);
    EXPECT_EQ(fakes.messageBoxes.requests.back().text, "Unable to read data from input file.");
}

TEST_F(InterpolationTest, SeepageFiles) {
    ASSERT_TRUE(data.ReadSeep2dFile(Fixture("mesh.upp"), listing, true));
    EXPECT_EQ(data.CountPoints(1), 3);
    ASSERT_NE(data.FindDataSet(1, 3), nullptr);
    EXPECT_EQ(data.FindDataSet(1, 3)->Material(), 3);
    EXPECT_EQ(data.LargestDecimalsSeen(), 3);
    Cpp_InterpolationData noBlank;
    noBlank.SetStage(1);
    ASSERT_TRUE(noBlank.ReadSeep2dFile(Fixture("mesh_no_blank.upp"), listing, false));
    EXPECT_EQ(noBlank.CountPoints(1), 3);

    Cpp_InterpolationData seepw;
    seepw.SetStage(1);
    FreshListing();
    ASSERT_TRUE(seepw.ReadSeepwFile(Fixture("seepw_export.txt"), listing, true));
    ASSERT_EQ(seepw.DataSets().size(), 1u);
    EXPECT_EQ(seepw.DataSets()[0]->Material(), 0);
    EXPECT_EQ(seepw.DataSets()[0]->Points()[1].Number(), 2);
    EXPECT_EQ(seepw.LargestDecimalsSeen(), 8);
    EXPECT_TRUE(Has(Contents(listing), " 101         1"));

    struct Bad {
        bool seepw;
        std::string file;
        std::string text;
    };
    testsupport::TempDir dir;
    const std::vector<Bad> bad = {
        {false, "h\nh\n1 2 3\n",
         "3 values were entered - Each line must contain exactly 4 values."},
        {true, "h\nh\n1 2 3 4\n\n",
         "0 values were entered - Each line must contain exactly 4 values."},
    };
    for (const Bad& b : bad) {
        const auto path = dir.Path() / "bad.txt";
        testsupport::WriteFile(path, b.file);
        Cpp_InterpolationData d;
        d.SetStage(1);
        FreshListing();
        EXPECT_FALSE(b.seepw ? d.ReadSeepwFile(path.string(), listing, true)
                             : d.ReadSeep2dFile(path.string(), listing, true));
        EXPECT_TRUE(Has(Contents(listing), b.text)) << Contents(listing);
    }
    const auto one = dir.Path() / "one.upp";
    testsupport::WriteFile(one, "only one line\n");
    Cpp_InterpolationData d;
    d.SetStage(1);
    EXPECT_FALSE(d.ReadSeep2dFile(one.string(), listing, false));
    testsupport::WriteFile(one, "one\ntwo\n");
    EXPECT_TRUE(d.ReadSeep2dFile(one.string(), listing, false));
    EXPECT_EQ(d.CountAllPoints(), 0);
}

TEST_F(InterpolationTest, MissingFileAsksThenReports) {
    fakes.messageBoxes.answers.push_back(platform::BoxResult::No);
    EXPECT_FALSE(Read("FILE no_such_file.dat\n"));
    ASSERT_EQ(fakes.messageBoxes.requests.size(), 1u);
    EXPECT_EQ(fakes.messageBoxes.requests[0].caption, "Interpolation Point Input Error");
    EXPECT_TRUE(
        Has(fakes.messageBoxes.requests[0].text,
            "Filename specified: no_such_file.dat.\nDo you want to select the input file now?"));
    EXPECT_TRUE(Has(Contents(listing), "for and open an input file were not successful."));

    fakes.messageBoxes.answers.push_back(platform::BoxResult::Yes);
    fakes.fileDialogs.openAnswers.push_back(std::filesystem::path(Fixture("mesh.upp")));
    ASSERT_TRUE(data.ReadSeep2dFile("", listing, true));
    EXPECT_EQ(fakes.fileDialogs.openRequests.back().title,
              "Open SEEP2D file for interpolation point data");
    EXPECT_EQ(data.CountPoints(1), 3);
}

TEST_F(InterpolationTest, CheckPrintsRevisedDataSets) {
    ASSERT_TRUE(Read("S\n0 0 5\n1 0 6\n0 0 5\n\n\n"));
    FreshListing();
    EXPECT_TRUE(data.Check(1, listing));
    const std::string echo = Contents(listing);
    EXPECT_TRUE(Has(echo, "TABLE NO. 20.1"));
    EXPECT_TRUE(Has(echo, "(Revised Data Sets with Points Deleted)"));
    EXPECT_TRUE(Has(echo, " Shear Strength "));
    EXPECT_THROW(data.Check(3, listing), Cpp_TextException);
}

TEST_F(InterpolationTest, CollinearPointsCannotBeTriangulated) {
    ASSERT_TRUE(Read("R\n0 0 0.1\n1 1 0.2\n2 2 0.3\n\n\n"));
    EXPECT_FALSE(Prepare(data));
    ASSERT_FALSE(Cpp_KLIVEN4Messages::Errors().empty());
    EXPECT_TRUE(Has(Cpp_KLIVEN4Messages::Errors()[2],
                    "Error occurred in data for pore water pressure coefficient (r-sub-u)."));
    EXPECT_EQ(fakes.messageBoxes.requests.back().text,
              "All vertices are colinear - cannot triangulate");
}

}  // namespace
