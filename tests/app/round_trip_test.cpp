// A saved document reopens as the same problem: open -> save -> open -> save gives the same data
// and messages, and byte-identical documents from the first save on. One property over every
// document fixture and example, then one regression per fault that broke it, each on its fixture
// under tests/fixtures/roundtrip.

#include "analysis/analysis_computation_data.h"
#include "app/document.h"
#include "app/main_frame.h"
#include "core/file_io.h"
#include "core/format_text.h"
#include "core/text_formats.h"
#include "editing/construction_items.h"
#include "model/data_set.h"
#include "model/data_sets.h"
#include "model/subsystem_registration.h"
#include "porepressure/interpolation_data.h"
#include "profile/material_properties.h"
#include "registry/block_readers.h"
#include "support/fake_services.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

std::string Exact(double v) { return FormatText("%.17g", v); }

// What the program holds of a problem, in a text: the point-file records and points of each
// stage, the materials, the construction lines and circles. Two reads of the same problem give
// the same text.
std::string DataImage() {
    std::string out;
    Cpp_Kliven4DataSet* ds = Cpp_Kliven4Data::CurrentDataSetOrNull();
    if (ds == nullptr) return "no data set\n";
    for (int stage = 1; stage <= 2; ++stage) {
        const Cpp_InterpolationData& data = *ds->InterpolationData(stage);
        for (int r = 0; r < Cpp_InterpolationData::kRecords; ++r) {
            const auto& s = data.Source(r);
            // No file yet (-1) and no file (0) are one for the data: a document always names
            // the records, a file without them leaves them unset.
            out += FormatText("stage %d record %d: source %d, file '%s', import %d\n", stage, r,
                              s.source < 0 ? 0 : s.source, s.fileName.c_str(),
                              s.importToPreprocessor ? 1 : 0);
        }
        for (const auto& set : data.DataSets()) {
            out += FormatText("stage %d kind %d material %d:", stage, set->Kind(), set->Material());
            for (const auto& p : set->Points())
                out += " (" + Exact(p.X()) + ", " + Exact(p.Y()) + ", " + Exact(p.Value()) + ")";
            out += "\n";
        }
        for (const Cpp_MaterialProperties* m : ds->MaterialData().GetMaterialList().Materials())
            out += FormatText("stage %d material %d: unit weight option %d, strength %d, pore "
                              "pressure %d, negative %d\n",
                              stage, m->GetNumber(), m->GetUnitWeightOption(stage),
                              m->GetStrengthOption(stage),
                              m->Stage(stage).GetPorePressureRecord().GetOption(),
                              m->Stage(stage).GetPorePressureRecord().GetNegativeAllowed() ? 1 : 0);
    }
    for (const auto& line : GetConstructionLineList().Lines()) {
        out += FormatText("construction line %d:", line->GetNumber());
        for (const Cpp_PointXY* p = line->FirstPoint(); p; p = p->Next())
            out += " (" + Exact(p->X()) + ", " + Exact(p->Y()) + ")";
        out += "\n";
    }
    for (const auto& c : GetConstructionCircleList().Circles())
        out += FormatText("construction circle %d: type %d, ", c->GetNumber(),
                          c->GetDefinitionType()) +
               Exact(c->CentreX()) + ", " + Exact(c->CentreY()) + ", radius " +
               Exact(c->GetRadius()) + "\n";
    return out;
}

// The fixtures of round trips, with the point files they name, in a fresh folder.
class RoundTrip : public ::testing::Test {
protected:
    void SetUp() override {
        SetRunTimeText("today");
        InitializeBlockReaders();
        RegisterConstructionBlocks();
        for (const auto& entry : fs::directory_iterator(testsupport::FixturesDir() / "roundtrip"))
            fs::copy_file(entry.path(), dir.Path() / entry.path().filename());
    }
    void TearDown() override { Cpp_FileIO::ResetForTests(); }

    struct Opened {
        bool read = false;
        std::string data;
        std::vector<std::string> messages;  // the boxes, then the error log shown
    };
    // Opens the file as the document (always from the same name, so that the listing and the
    // messages do not differ by name).
    Opened Open(const fs::path& file) {
        const fs::path name = dir.Path() / "opened.preinput-kliven";
        if (file != name) fs::copy_file(file, name, fs::copy_options::overwrite_existing);
        fakes.messageBoxes.requests.clear();
        fakes.dataErrors.messages.clear();
        Opened o;
        o.read = doc.OnOpenDocument(name);
        o.data = DataImage();
        o.messages = fakes.messageBoxes.Texts();
        o.messages.insert(o.messages.end(), fakes.dataErrors.messages.begin(),
                          fakes.dataErrors.messages.end());
        return o;
    }
    // Saves the current problem as a document under the name and returns its text.
    std::string Save(const std::string& name) {
        fs::path written;
        EXPECT_TRUE(
            app::SavePreprocessorDataFile(dir.Path() / name, app::kDocumentExtension, written));
        return testsupport::ReadFile(written);
    }
    fs::path Fixture(const std::string& name) const { return dir.Path() / name; }

    testsupport::FakeServices fakes;
    testsupport::TempDir dir;
    app::CDravonetDoc doc;
};

// open -> save -> open -> save -> open -> save: the documents agree from the first save on, the
// reopened data and messages agree with each other, a file that read cleanly gives the same data
// when reopened, and a file that opened without a message reopens without one.
TEST_F(RoundTrip, EveryFixtureAndExampleReopensAsTheSameProblem) {
    std::vector<fs::path> documents;
    for (const fs::path& folder : {testsupport::FixturesDir(), testsupport::ExamplesDir()})
        for (const auto& entry : fs::recursive_directory_iterator(folder))
            if (entry.path().extension() == app::kDocumentExtension)
                documents.push_back(entry.path());
    ASSERT_GE(documents.size(), 16u);
    for (const fs::path& document : documents) {
        SCOPED_TRACE(document.string());
        // Named point files are found beside the copy.
        const fs::path copy = dir.Path() / ("original-" + document.filename().string());
        fs::copy_file(document, copy, fs::copy_options::overwrite_existing);
        const Opened original = Open(copy);
        const std::string first = Save("first");
        const Opened reopened = Open(dir.Path() / "first.preinput-kliven");
        EXPECT_TRUE(reopened.read);
        const std::string second = Save("second");
        const Opened again = Open(dir.Path() / "second.preinput-kliven");
        const std::string third = Save("third");

        EXPECT_EQ(second, first);
        EXPECT_EQ(third, second);
        EXPECT_EQ(again.data, reopened.data);
        EXPECT_EQ(again.messages, reopened.messages);
        if (original.read) {
            EXPECT_EQ(reopened.data, original.data);
        }
        if (original.read && original.messages.empty()) {
            EXPECT_TRUE(reopened.messages.empty());
        }
    }
}

// Regression: coordinates of 1e12 filled their 20 columns, so the two numbers of a construction
// point ran together and the line lost its points on reopening, and the circles with them.
TEST_F(RoundTrip, ConstructionCoordinatesOfThirteenDigitsKeepABlankBetweenThem) {
    ASSERT_TRUE(Open(Fixture("construction_far_coordinates.preinput-kliven")).read);
    const std::string saved = Save("saved");
    EXPECT_TRUE(testsupport::Has(saved,
                                 "CONstruction line data follow -\n"
                                 "     1       2 = number of lines and circles\n"
                                 "     1\n"
                                 "           1000000000000.000000            0.000000\n"
                                 "           1000000000000.000000 -1000000000000.000000\n"
                                 "\n"
                                 "\n"
                                 "          1 = circle number\n"
                                 "           1000000000000.000000            0.000000    0     "
                                 " 1000000000000.000000\n"
                                 "          2 = circle number\n"
                                 "           -1000000000000.000000            5.000000    1     "
                                 " -1000000000000.000000           10.000000\n"
                                 "\n"))
        << saved;
    ASSERT_TRUE(Open(dir.Path() / "saved.preinput-kliven").read);
    ASSERT_EQ(GetConstructionLineList().Count(), 1);
    const Cpp_PointXY* second = GetConstructionLineList().LineAt(0)->FirstPoint()->Next();
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(second->X(), 1e12);
    EXPECT_EQ(second->Y(), -1e12);
    ASSERT_EQ(GetConstructionCircleList().GetCount(), 2);
    EXPECT_EQ(GetConstructionCircleList().Circles()[0]->GetRadius(), 1e12);
    EXPECT_EQ(GetConstructionCircleList().Circles()[1]->GetRadius(), 5.0);
}

// Regression: the same fault in the other fixed-width blocks. A lateral unit-weight point and a
// slope point whose numbers fill their fields ran together, and a grid zero of 201 digits was cut
// in the middle of its line, so the reopened document failed to read.
TEST_F(RoundTrip, WideNumbersOfTheGridUnitWeightAndSlopeBlocksReadBack) {
    ASSERT_TRUE(Open(Fixture("wide_numbers_in_other_blocks.preinput-kliven")).read);
    const std::string saved = Save("saved");
    for (const char* part : {"          Vary laterally (unit weights)\n"
                             "           -1000000000000.000000  120.00\n"
                             "           1000000000000.000000 1000000.00\n"
                             "\n",
                             "SLOpe geometry data follow -\n"
                             "      -1000000000000.000000            0.000000\n"
                             "      1000000000000.000000 -1000000000000.000000\n"
                             "\n",
                             "0000000000 = Horizontal grid zero\n"
                             "        0.0000000000 = Vertical grid zero\n"})
        EXPECT_TRUE(testsupport::Has(saved, part)) << part << "\n" << saved;
    const Opened reopened = Open(dir.Path() / "saved.preinput-kliven");
    ASSERT_TRUE(reopened.read);
    EXPECT_TRUE(reopened.messages.empty());
    EXPECT_EQ(Save("again"), saved);
}

// Regression: two interpolation points 4e-7 apart were both written with six decimals, so the
// reopened document held a duplicate and deleted it with a warning. A coordinate that its six
// decimals do not give back is written in its shortest exact form; the others keep the layout.
TEST_F(RoundTrip, InterpolationPointsCloserThanTheDecimalsStayApart) {
    ASSERT_TRUE(Open(Fixture("close_interpolation_points.preinput-kliven")).read);
    const std::string saved = Save("saved");
    EXPECT_TRUE(testsupport::Has(saved,
                                 "INTerpolation data follow -\n"
                                 "     Pressure values\n"
                                 "            0.000000       0.000000          100.0         0\n"
                                 "           10.000000       0.000000          110.0         0\n"
                                 "            0.000000      10.000000          120.0         0\n"
                                 "           10.000000      10.000000          130.0         0\n"
                                 "            4.000000       3.000000          100.0         0\n"
                                 "           4.0000004       3.000000          100.0         0\n"
                                 "\n\n"))
        << saved;
    const Opened reopened = Open(dir.Path() / "saved.preinput-kliven");
    ASSERT_TRUE(reopened.read);
    for (const std::string& message : reopened.messages)
        EXPECT_FALSE(testsupport::Has(message, "Duplicate")) << message;
    const Cpp_InterpolationData& data = *Cpp_Kliven4Data::CurrentDataSet()->InterpolationData(1);
    EXPECT_EQ(data.CountPoints(1), 6);
    EXPECT_EQ(data.DataSets().at(0)->Points().at(5).X(), 4.0000004);
}

// Regression: pressures that came in through the imported r-sub-u file made the save write the
// declined SEEP2D pressure file as imported, and the reopened document read it: 3 pressure points
// became 6.
TEST_F(RoundTrip, AnImportTheUserDeclinedStaysDeclined) {
    const Opened opened = Open(Fixture("declined_pressure_import.preinput-kliven"));
    ASSERT_TRUE(opened.read);
    ASSERT_EQ(Cpp_Kliven4Data::CurrentDataSet()->InterpolationData(1)->CountPoints(1), 3);
    const std::string saved = Save("saved");
    EXPECT_TRUE(testsupport::Has(saved, "EXTernal file data follow -\n"
                                        "2 = import pressures from SEEP2D file\n"
                                        "declined_pressures.upp\n"
                                        "0 = do NOT import pressures to preprocessor\n"
                                        "1 = import r-sub-u values from file\n"
                                        "rsubu_with_pressures.dat\n"
                                        "1 = import r-sub-u values to preprocessor\n"))
        << saved;
    const Opened reopened = Open(dir.Path() / "saved.preinput-kliven");
    ASSERT_TRUE(reopened.read);
    EXPECT_EQ(Cpp_Kliven4Data::CurrentDataSet()->InterpolationData(1)->CountPoints(1), 3);
    EXPECT_EQ(Cpp_Kliven4Data::CurrentDataSet()->InterpolationData(1)->CountPoints(2), 3);
    EXPECT_EQ(reopened.data, opened.data);
}

// Regression: the strengths that came with a generic pressure file were saved as points and read
// from the file again, so every reopening found and deleted three duplicates. They stay with the
// file.
TEST_F(RoundTrip, KindsThatComeWithAGenericFileAreHeldOnce) {
    const Opened opened = Open(Fixture("generic_file_other_kinds.preinput-kliven"));
    ASSERT_TRUE(opened.read);
    ASSERT_FALSE(opened.messages.empty());
    EXPECT_EQ(
        opened.messages[0],
        std::string("Pressure values for pore water pressure interpolation are to be read from a "
                    "generic file named pressures_and_strengths.dat.  Do you want to attempt to "
                    "read the data into the preprocessor now?"));
    for (const std::string& message : opened.messages)
        EXPECT_FALSE(testsupport::Has(message, "Duplicate")) << message;
    const std::string saved = Save("saved");
    EXPECT_FALSE(testsupport::Has(saved, "INTerpolation data follow -")) << saved;
    const Opened reopened = Open(dir.Path() / "saved.preinput-kliven");
    ASSERT_TRUE(reopened.read);
    EXPECT_EQ(reopened.messages, opened.messages);
    EXPECT_EQ(Cpp_Kliven4Data::CurrentDataSet()->InterpolationData(1)->CountPoints(3), 3);
    EXPECT_EQ(reopened.data, opened.data);
}

// Regression: source 4 in a point-file record was kept silently and dropped on saving, and the
// save wrote a second-stage line with nothing after it. The number is refused with the block's
// message and the record names no file; a stage-2 record that writes nothing adds no stage.
TEST_F(RoundTrip, AnUnknownPointFileSourceIsRefusedAndNoEmptySecondStageIsWritten) {
    const Opened opened = Open(Fixture("out_of_range_source.preinput-kliven"));
    ASSERT_TRUE(opened.read);
    ASSERT_EQ(fakes.messageBoxes.requests.size(), 1u);
    EXPECT_EQ(fakes.messageBoxes.requests[0].caption, "Interpolation Data Error");
    EXPECT_EQ(fakes.messageBoxes.requests[0].text, "Unable to read data from input file.");
    const auto& pressure = Cpp_Kliven4Data::CurrentDataSet()->InterpolationData(2)->Source(
        Cpp_InterpolationData::kPressure);
    EXPECT_EQ(pressure.source, 0);
    EXPECT_EQ(pressure.fileName, "");
    // The record after the refused one is read in its place.
    EXPECT_EQ(Cpp_Kliven4Data::CurrentDataSet()
                  ->InterpolationData(2)
                  ->Source(Cpp_InterpolationData::kRSubU)
                  .fileName,
              "later.dat");
    const std::string saved = Save("saved");
    EXPECT_FALSE(testsupport::Has(saved, "SECond")) << saved;
    EXPECT_TRUE(testsupport::Has(saved, "EXTernal file data follow -\n"
                                        "0 = do NOT import pressures from file\n"
                                        "0 = do NOT import r-sub-u values from file\n"
                                        "0 = do NOT import strength values from file\n"
                                        "0 = do NOT import pressures from file\n"
                                        "1 = import r-sub-u values from file\n"
                                        "later.dat\n"
                                        "0 = do NOT import r-sub-u values to preprocessor\n"
                                        "0 = do NOT import strength values from file\n"
                                        "ENGlish units\n"))
        << saved;
}

// Regression: a construction line numbered 0 came back numbered 1. It keeps its number.
TEST_F(RoundTrip, AConstructionLineNumberedZeroKeepsItsNumber) {
    ASSERT_TRUE(Open(Fixture("construction_line_zero.preinput-kliven")).read);
    ASSERT_EQ(GetConstructionLineList().Count(), 2);
    EXPECT_EQ(GetConstructionLineList().LineAt(0)->GetNumber(), 0);
    EXPECT_EQ(GetConstructionLineList().LineAt(1)->GetNumber(), 3);
    const std::string saved = Save("saved");
    EXPECT_TRUE(testsupport::Has(saved, "     2       0 = number of lines and circles\n"
                                        "     0\n"
                                        "                      1.000000            1.000000\n"))
        << saved;
    ASSERT_TRUE(Open(dir.Path() / "saved.preinput-kliven").read);
    EXPECT_EQ(GetConstructionLineList().LineAt(0)->GetNumber(), 0);
}

// Regression: "NegativeOK" after "No pore pressure" is its fourth word, and the reader looked
// only at the third, so reopening lost it.
TEST_F(RoundTrip, NegativeOkOnAMaterialWithoutPorePressureIsKept) {
    ASSERT_TRUE(Open(Fixture("no_pore_pressure_negative.preinput-kliven")).read);
    const Cpp_MaterialProperties* clay =
        Cpp_Kliven4Data::CurrentDataSet()->MaterialData().GetMaterialList().FindMaterialConst(1);
    ASSERT_NE(clay, nullptr);
    EXPECT_EQ(clay->Stage(1).GetPorePressureRecord().GetOption(), 2);
    EXPECT_TRUE(clay->Stage(1).GetPorePressureRecord().GetNegativeAllowed());
    EXPECT_TRUE(testsupport::Has(Save("saved"), "          Conventional\n"
                                                "                    200.0          30.00\n"
                                                "          No pore pressure NegativeOK\n"));
}

// Regression: a file whose analysis block comes before a material the program refuses (message
// 3190) was kept in part, but the save wrote the refused material back before the analysis
// block, so the next reopening stopped there and lost the analysis. The partial data of the
// read are saved without the refused material and reopen with every block that was read.
// (File > Open itself puts the problem open before back after such a read.)
TEST_F(RoundTrip, SavingAfterAFailedReadKeepsTheBlocksThatWereRead) {
    const fs::path original = Fixture("analysis_before_failing_material.preinput-kliven");
    const std::string before = testsupport::ReadFile(original);
    app::MainFrame frame;
    EXPECT_FALSE(app::ReadProblemFile(nullptr, original));
    EXPECT_TRUE(testsupport::Has(
        testsupport::ReadFile(dir.Path() / "analysis_before_failing_material.preoutput-kliven"),
        "KLIVEN ERROR NUMBER 3190"));
    fs::path kept;
    ASSERT_TRUE(app::SavePreprocessorDataFile(dir.Path() / "kept", app::kDocumentExtension, kept));
    EXPECT_EQ(kept, dir.Path() / "kept.preinput-kliven");
    EXPECT_EQ(testsupport::ReadFile(original), before);
    const std::string saved = testsupport::ReadFile(kept);
    EXPECT_TRUE(testsupport::Has(saved, "ANAlysis/computation data follow\n")) << saved;
    EXPECT_TRUE(testsupport::Has(saved, "     1 Clay\n")) << saved;
    EXPECT_FALSE(testsupport::Has(saved, "Stiff clay")) << saved;

    ASSERT_TRUE(frame.FileOpen(kept));
    EXPECT_TRUE(Cpp_Kliven4Data::CurrentDataSet()->AnalysisComputationData()->HasData());
    fs::path again;
    ASSERT_TRUE(
        app::SavePreprocessorDataFile(dir.Path() / "again", app::kDocumentExtension, again));
    EXPECT_EQ(testsupport::ReadFile(again), saved);
}

}  // namespace
