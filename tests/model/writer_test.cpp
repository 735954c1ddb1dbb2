#include "model/writer.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "core/data_error_output.h"
#include "core/echo_writer.h"
#include "core/file_io.h"
#include "core/output_table.h"
#include "core/preferences.h"
#include "core/text_files.h"
#include "core/text_formats.h"
#include "core/units.h"
#include "model/data_set.h"
#include "model/data_sets.h"
#include "model/read_input_file.h"
#include "model/subsystem_registration.h"
#include "profile/material_properties.h"
#include "registry/block_readers.h"
#include "support/fake_services.h"
#include "support/test_support.h"

namespace {

// Answers the save questions in turn and records them.
struct ScriptedWarning : SaveMultistageWarning {
    std::vector<bool> answers;
    bool tick = false;
    std::vector<std::string> questions;
    bool Ask(const std::string& text, const std::string& question, bool& dontWarn) override {
        questions.push_back(question);
        EXPECT_FALSE(text.empty());
        dontWarn = tick;
        const bool answer = answers.empty() ? true : answers.front();
        if (!answers.empty()) answers.erase(answers.begin());
        return answer;
    }
};

const char* BlockName(e_WriterBlock b) {
    static const char* names[] = {"NAI", "GEO", "EXT", "PRO", "PIE", "INT",
                                  "SLO", "DIS", "LIN", "REI", "ANA", "CON"};
    return names[static_cast<int>(b)];
}

class Writer : public ::testing::Test {
protected:
    void SetUp() override {
        Cpp_KlivenSettings::Reset();
        ResetUnits();
        ClearBlockWriters();
        Cpp_Kliven4Data::DeleteAllDataSets();
        Cpp_Kliven4Data::CurrentDataSet();
        Cpp_Kliven4DataSet::SetGraphicsOutputFlag(false);
        SaveMultistageWarningSlot().Set(&warning);
        // Every block writes a marker line with its stage.
        for (int i = 0; i < static_cast<int>(e_WriterBlock::Count); ++i) {
            auto block = static_cast<e_WriterBlock>(i);
            RegisterBlockWriter(block, [block](Cpp_Kliven4DataSet&, std::FILE* f, int stage, bool) {
                std::fprintf(f, "%s %d\n", BlockName(block), stage);
                return true;
            });
        }
        RegisterAnalysisQueries([this](const Cpp_Kliven4DataSet&) { return multiStage; },
                                [this](const Cpp_Kliven4DataSet&) { return defined; });
        for (auto b : {e_WriterBlock::PiezometricLines, e_WriterBlock::InterpolationData,
                       e_WriterBlock::DistributedLoads, e_WriterBlock::LineLoads})
            RegisterSecondStageQuery(
                b, [this, b](const Cpp_Kliven4DataSet&) { return secondStage.count(b) > 0; });
    }
    void TearDown() override {
        SaveMultistageWarningSlot().Reset();
        ClearBlockWriters();
        Cpp_Kliven4Data::DeleteAllDataSets();
        Cpp_Kliven4DataSet::SetGraphicsOutputFlag(true);
        Cpp_KlivenSettings::Reset();
        ResetUnits();
    }
    std::string Write(bool document) {
        OutputText out;
        EXPECT_TRUE(WriteInputFile(*Cpp_Kliven4Data::CurrentDataSet(), document, false, out.get()));
        return out.Text();
    }
    void AddStageTwoMaterial() {
        auto* m =
            Cpp_Kliven4Data::CurrentDataSet()->MaterialData().GetMaterialList().FindOrCreate(1);
        m->Stage(2).SetUnitWeight(120);
        m->GetShearStrengthRecord(2).SetStrengthOption(13);
        m->GetPorePressureRecord(2).SetNotApplicable();
    }
    ScriptedWarning warning;
    bool multiStage = false;
    bool defined = false;
    std::set<e_WriterBlock> secondStage;
};

TEST_F(Writer, BlocksComeInTheirFixedOrder) {
    Cpp_Kliven4Data::CurrentDataSet()->HeadingAddress()->AddLine("Example slope");
    Cpp_Kliven4DataSet::SetGraphicsOutputFlag(true);
    defined = true;
    EXPECT_EQ(
        Write(true),
        "NAI 1\nGEO 1\nEXTernal file data follow -\nEXT 1\nEXT 2\nENGlish units\nHEAding follows -\nExample slope\n\n"
        "PRO 1\nPIE 1\nINT 1\nSLO 1\nDIS 1\nLIN 1\nREI 1\nANA 1\n"
        "GRAphics output file\nCON 1\nCOMpute\n");
    defined = false;
    Cpp_Kliven4DataSet::SetGraphicsOutputFlag(false);
    EXPECT_EQ(Write(false), "ENGlish units\nHEAding follows -\nExample slope\n\n"
                            "PRO 1\nPIE 1\nINT 1\nSLO 1\nDIS 1\nLIN 1\nREI 1\nANA 1\nNO compute\n");
    EXPECT_TRUE(warning.questions.empty());
}

TEST_F(Writer, MultiStageAnalysesWriteEverySecondStageKindWithoutAsking) {
    multiStage = true;
    const std::string text = Write(false);
    EXPECT_NE(text.find("REI 1\nSECond stage input data\nPIE 2\nINT 2\nDIS 2\nLIN 2\nANA 1\n"),
              std::string::npos)
        << text;
    EXPECT_TRUE(warning.questions.empty());
}

TEST_F(Writer, SecondStageDataWithoutMultiStageAreWrittenOnlyWhenTheUserAgrees) {
    secondStage = {e_WriterBlock::LineLoads};
    warning.answers = {true};
    EXPECT_NE(Write(false).find("REI 1\nSECond stage input data\nLIN 2\nANA 1\n"),
              std::string::npos);
    ASSERT_EQ(warning.questions.size(), 1u);
    EXPECT_EQ(warning.questions[0], "Do you want to save the second stage line load data anyway?");

    warning.answers = {false};
    EXPECT_NE(Write(false).find("REI 1\nANA 1\n"), std::string::npos);

    // Materials yes, piezometric lines no: the header comes once, before the materials.
    AddStageTwoMaterial();
    secondStage = {e_WriterBlock::PiezometricLines};
    warning.questions.clear();
    warning.answers = {true, false};
    const std::string text = Write(false);
    EXPECT_NE(text.find("REI 1\nSECond stage input data\nMATerial property data follow -\n"),
              std::string::npos)
        << text;
    EXPECT_EQ(text.find("PIE 2"), std::string::npos);
    EXPECT_EQ(warning.questions.size(), 2u);
}

TEST_F(Writer, DontWarnAgainAnswersYesFromThenOn) {
    secondStage = {e_WriterBlock::DistributedLoads, e_WriterBlock::LineLoads};
    warning.tick = true;
    warning.answers = {true};
    EXPECT_NE(Write(false).find("SECond stage input data\nDIS 2\nLIN 2\n"), std::string::npos);
    EXPECT_EQ(warning.questions.size(), 1u);
    EXPECT_FALSE(Cpp_KlivenSettings::ShowWarnings());
    Write(false);
    EXPECT_EQ(warning.questions.size(), 1u);
}

// The user's own document never loses second-stage data to the save question.
TEST_F(Writer, TheDocumentKeepsSecondStageDataWithoutAsking) {
    AddStageTwoMaterial();
    secondStage = {e_WriterBlock::InterpolationData};
    warning.answers = {false, false};
    const std::string text = Write(true);
    EXPECT_NE(text.find("SECond stage input data\nMATerial property data follow -\n"),
              std::string::npos);
    EXPECT_NE(text.find("INT 2\n"), std::string::npos);
    EXPECT_TRUE(warning.questions.empty());
}

// Regression: a second-stage kind held only as a record that writes nothing (a point-file record
// without points, say) gave a "SECond stage input data" line with nothing after it, which the
// next save dropped. Without multi-stage analyses such a kind adds no second stage.
TEST_F(Writer, ASecondStageKindThatWritesNothingAddsNoSecondStageLine) {
    RegisterBlockWriter(e_WriterBlock::InterpolationData,
                        [](Cpp_Kliven4DataSet&, std::FILE* f, int stage, bool) {
                            if (stage == 1) std::fputs("INT 1\n", f);
                            return true;
                        });
    secondStage = {e_WriterBlock::InterpolationData};
    for (bool document : {true, false}) {
        warning.answers = {true};
        const std::string text = Write(document);
        EXPECT_EQ(text.find("SECond"), std::string::npos) << text;
        EXPECT_NE(text.find("INT 1\nSLO 1\n"), std::string::npos) << text;
    }
    // With line loads as well, the line comes once, before them.
    secondStage = {e_WriterBlock::InterpolationData, e_WriterBlock::LineLoads};
    const std::string text = Write(true);
    EXPECT_NE(text.find("REI 1\nSECond stage input data\nLIN 2\nANA 1\n"), std::string::npos)
        << text;
    // Multi-stage analyses keep the line, every kind empty or not.
    multiStage = true;
    secondStage.clear();
    EXPECT_NE(Write(true).find("REI 1\nSECond stage input data\nPIE 2\nDIS 2\nLIN 2\nANA 1\n"),
              std::string::npos);
}

TEST_F(Writer, OtherUnitsNameTheirUnitsInTheDocumentOnly) {
    SetUnitSystem(3);
    SetOtherUnits(LengthMeters, ForceKilonewtons);
    EXPECT_NE(Write(true).find("EXT 2\nOTHer units\n         4        4\nPRO 1\n"),
              std::string::npos);
    EXPECT_NE(Write(false).find("OTHer units\nPRO 1\n"), std::string::npos);
}

TEST_F(Writer, AFailedWriteLeavesThePreviousFile) {
    testsupport::TempDir dir;
    const auto target = dir.Path() / "slope.preinput-kliven";
    testsupport::WriteFile(target, "previous\n");
    auto& dataSet = *Cpp_Kliven4Data::CurrentDataSet();
    RegisterBlockWriter(e_WriterBlock::Reinforcement,
                        [](Cpp_Kliven4DataSet&, std::FILE*, int, bool) { return false; });
    EXPECT_FALSE(WriteInputFileTo(dataSet, true, target));
    EXPECT_EQ(testsupport::ReadFile(target), "previous\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()),
                            std::filesystem::directory_iterator()),
              1);
    EXPECT_FALSE(WriteInputFileTo(dataSet, true, dir.Path() / "missing" / "x.preinput-kliven"));

    ClearBlockWriters();
    RegisterBlockWriter(e_WriterBlock::Analysis,
                        [](Cpp_Kliven4DataSet&, std::FILE*, int, bool) { return true; });
    EXPECT_TRUE(WriteInputFileTo(dataSet, true, target, [](std::FILE* f) {
        std::fputs("VIEw data follow -\n", f);
        return true;
    }));
    // The document always carries the external-file records of both stages.
    EXPECT_EQ(testsupport::ReadFile(target),
              "VIEw data follow -\n"
              "EXTernal file data follow -\n"
              "0 = do NOT import pressures from file\n0 = do NOT import r-sub-u values from file\n"
              "0 = do NOT import strength values from file\n"
              "0 = do NOT import pressures from file\n0 = do NOT import r-sub-u values from file\n"
              "0 = do NOT import strength values from file\n"
              "ENGlish units\nNO compute\n");
}

class ComputationInput : public Writer {
protected:
    void SetUp() override {
        Writer::SetUp();
        previous = std::filesystem::current_path();
        std::filesystem::current_path(dir.Path());
    }
    void TearDown() override {
        std::filesystem::current_path(previous);
        Cpp_DataErrorOutput::ResetForTests();
        Cpp_FileIO::ResetForTests();
        Writer::TearDown();
    }
    testsupport::TempDir dir;
    std::filesystem::path previous;
    testsupport::FakeServices fakes;
};

TEST_F(ComputationInput, ErrorsInTheDataOrNoCheckRefuseTheFile) {
    std::filesystem::path path = dir.Path() / "slope.input-kliven";
    EXPECT_FALSE(WriteComputationInputFile(nullptr, path, false));
    RegisterDataCheck([](Cpp_Kliven4DataSet&) { return false; });
    EXPECT_FALSE(WriteComputationInputFile(nullptr, path, false));
    ASSERT_EQ(fakes.messageBoxes.requests.size(), 2u);
    EXPECT_EQ(fakes.messageBoxes.requests[1].caption, "ERROR");
    EXPECT_EQ(fakes.messageBoxes.requests[1].text,
              "Errors in data - cannot write KLIVEN4 input data file.");
    EXPECT_FALSE(std::filesystem::exists(path));
}

TEST_F(ComputationInput, ACheckedDataSetIsWrittenUnderTheChosenName) {
    RegisterDataCheck([](Cpp_Kliven4DataSet&) { return true; });
    std::filesystem::path path = dir.Path() / "slope.input-kliven";
    EXPECT_FALSE(WriteComputationInputFile(nullptr, path, true));  // the dialog is cancelled
    const auto chosen = dir.Path() / "other.input-kliven";
    fakes.fileDialogs.saveAnswers.push_back(chosen);
    ASSERT_TRUE(WriteComputationInputFile(nullptr, path, true));
    EXPECT_EQ(path, chosen);
    EXPECT_EQ(Cpp_FileIO::GetComputationInputFileName(), chosen);
    EXPECT_EQ(fakes.fileDialogs.saveRequests.back().title, "Open file for KLIVEN  data");
    EXPECT_NE(testsupport::ReadFile(chosen).find("ENGlish units\nPRO 1\n"), std::string::npos);
    EXPECT_TRUE(fakes.messageBoxes.requests.empty());
}

// A file of units and materials of both stages, read through the reader, written back and read
// again, gives the same text.
TEST(UnitsAndMaterialsFile, ReadsEchoesAndWritesBack) {
    Cpp_KlivenSettings::Reset();
    ResetUnits();
    ClearBlockReaders();
    InitializeBlockReaders();
    ClearBlockWriters();
    SetRunTimeText("today");
    const std::string file = "SI  units\n"
                             "MATerial property data follow -\n"
                             "     1 Clay\n"
                             "          18.5 = unit weight\n"
                             "          Very Strong\n"
                             "     2 Sand\n"
                             "          Vary laterally (unit weights)\n"
                             "          0 18\n"
                             "          50 19.5\n"
                             "\n"
                             "          Very Strong\n"
                             "\n"
                             "SECond stage input data\n"
                             "MATerial property data follow -\n"
                             "     1 Clay\n"
                             "          Interpolate unit weights\n"
                             "          Very Strong\n"
                             "\n"
                             "NO compute\n";
    auto readAndWrite = [](const std::string& text, std::string& listingText) {
        Cpp_Kliven4Data::DeleteAllDataSets();
        InputText in(text);
        OutputText listing;
        Cpp_Kliven4DataSet* ds = Cpp_Kliven4Data::NewDataSet(1, false);
        ds->ResetForNewData();
        bool endFlag = false;
        EXPECT_TRUE(ds->ReadInputData(nullptr, in.get(), listing.get(), endFlag));
        listingText = listing.Text();
        Cpp_Kliven4DataSet::SetGraphicsOutputFlag(false);
        OutputText out;
        EXPECT_TRUE(WriteInputFile(*ds, true, false, out.get()));
        return out.Text();
    };
    std::string listing, again;
    const std::string written = readAndWrite(file, listing);
    EXPECT_EQ(GetUnitSystem(), 2);
    EXPECT_EQ(written,
              "EXTernal file data follow -\n"
              "0 = do NOT import pressures from file\n0 = do NOT import r-sub-u values from file\n"
              "0 = do NOT import strength values from file\n"
              "0 = do NOT import pressures from file\n0 = do NOT import r-sub-u values from file\n"
              "0 = do NOT import strength values from file\n"
              "SI  units\n"
              "MATerial property data follow -\n"
              "     1 Clay\n"
              "             18.5000 = unit weight\n"
              "          Very Strong\n"
              "     2 Sand\n"
              "          Vary laterally (unit weights)\n"
              "                  0.000000   18.0000\n"
              "                 50.000000   19.5000\n"
              "\n"
              "          Very Strong\n"
              "\n"
              "SECond stage input data\n"
              "MATerial property data follow -\n"
              "     1 Clay\n"
              "          Interpolate unit weights\n"
              "          Very Strong\n"
              "\n"
              "NO compute\n");
    EXPECT_EQ(readAndWrite(written, again), written);
    for (const char* part : {"TABLE NO. 2\n", "TABLE NO. 4\n", "TABLE NO. 5\n",
                             "SI units (meters, Newtons) will be used.\n",
                             "Constant unit weight of soil (material): 18.5000\n",
                             "Data entered for 1 new materials\n"})
        EXPECT_NE(listing.find(part), std::string::npos) << part << listing;
    ClearBlockReaders();
    Cpp_Kliven4Data::DeleteAllDataSets();
    Cpp_DataErrorOutput::ResetForTests();
    testsupport::DetachListing();
    Cpp_Kliven4DataSet::SetGraphicsOutputFlag(true);
    ResetUnits();
}

// Opening a file of units and materials writes their echo tables to the listing beside it.
TEST(UnitsAndMaterialsFile, TheListingOfAnOpenedFileHasTheirTables) {
    testsupport::FakeServices fakes;
    testsupport::TempDir dir;
    const auto previous = std::filesystem::current_path();
    Cpp_KlivenSettings::Reset();
    ResetUnits();
    SetRunTimeText("today");
    const auto file = dir.Path() / "slope.preinput-kliven";
    testsupport::WriteFile(file,
                           "OTHer units\n     4    4\n"
                           "MATerial property data follow -\n"
                           "     3 Rock\n          25 = unit weight\n          Very Strong\n\n"
                           "SECond stage input data\n"
                           "MATerial property data follow -\n"
                           "     3 Rock\n          26 = unit weight\n          Very Strong\n\n"
                           "COMpute\n");
    EXPECT_TRUE(ReadInputDataFile(nullptr, file));
    std::filesystem::current_path(previous);
    const std::string listing = testsupport::ReadFile(dir.Path() / "slope.preoutput-kliven");
    for (const char* part :
         {"TABLE NO. 2\n", "* UNITS INFORMATION *",
          "Other units (not English or SI) will be used.\n",
          "Number of decimals for angles in output: 2\n", "TABLE NO. 4\n",
          "* NEW MATERIAL PROPERTY DATA - CONVENTIONAL/FIRST-STAGE COMPUTATIONS *",
          "------------------- DATA FOR MATERIAL NUMBER 3 -------------------\n",
          "------------------------------------------------------------------\nDescription: Rock\n",
          "Constant unit weight of soil (material): 25.00\n",
          "SHEAR STRENGTH IS VERY LARGE (INFINITE)\n", "TABLE NO. 5\n",
          "2 NEW MATERIAL PROPERTY DATA - SECOND_STAGE COMPUTATIONS 2\n"})
        EXPECT_NE(listing.find(part), std::string::npos) << part << "\n" << listing;
    auto* material =
        Cpp_Kliven4Data::CurrentDataSet()->MaterialData().GetMaterialList().FindMaterial(3);
    ASSERT_NE(material, nullptr);
    EXPECT_EQ(material->GetConstantUnitWeight(2), 26.0);
    Cpp_Kliven4Data::DeleteAllDataSets();
    Cpp_DataErrorOutput::ResetForTests();
    Cpp_FileIO::ResetForTests();
    ClearBlockReaders();
    ResetUnits();
}

}  // namespace
