// The one table of exceptions that every entry point reports through: each known class writes
// its own line to the echo listing; an int or a text also shows the "KLIVEN Exception" box;
// anything else is named by the entry point. Reading a file and painting the view use it.

#include "model/exception_report.h"

#include "analysis/analysis_computation_data.h"
#include "analysis/computation_errors.h"
#include "analysis/radius_definition.h"
#include "analysis/slices.h"
#include "analysis/tangent_line.h"
#include "core/data_error_output.h"
#include "core/file_io.h"
#include "core/kliven4_messages.h"
#include "core/output_table.h"
#include "core/point_xy.h"
#include "core/text_exception.h"
#include "graphics/graphics.h"
#include "graphics/line.h"
#include "loads/reinforcement_line.h"
#include "model/data_set.h"
#include "model/data_sets.h"
#include "model/read_input_file.h"
#include "model/view_painting.h"
#include "platform/recording_dc.h"
#include "porepressure/pore_pressure.h"
#include "porepressure/triangle.h"
#include "porepressure/vertex.h"
#include "profile/crack.h"
#include "profile/material_properties.h"
#include "profile/shear_strength.h"
#include "registry/block_readers.h"
#include "support/fake_services.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

struct Row {
    std::function<void()> raise;
    std::string line;  // what the listing holds afterwards
};

template <class E>
Row RowOf(const char* line) {
    return Row{[] { throw E(); }, std::string(line) + "\n"};
}

class ExceptionTable : public ::testing::Test {
protected:
    void SetUp() override {
        Cpp_FileIO::SetInputFileName(dir.Path() / "x.preinput-kliven");
        ASSERT_TRUE(Cpp_FileIO::OpenOutputFile("preoutput-kliven"));
    }
    void TearDown() override { Cpp_FileIO::ResetForTests(); }
    std::string Listing() {
        Cpp_FileIO::CloseOutputFile();
        return testsupport::ReadFile(dir.Path() / "x.preoutput-kliven");
    }
    // Each row reported alone, in turn: its line, and no box.
    void ExpectRows(const std::vector<Row>& rows) {
        std::string expected;
        for (const Row& row : rows) {
            try {
                row.raise();
            } catch (...) {
                EXPECT_EQ(ReportEntryPointException("test") + "\n", row.line);
            }
            expected += row.line;
        }
        EXPECT_EQ(Listing(), expected);
        EXPECT_TRUE(fakes.messageBoxes.requests.empty());
    }
    testsupport::FakeServices fakes;
    testsupport::TempDir dir;
};

TEST_F(ExceptionTable, AnIntAndATextShowTheExceptionBoxAndWriteTwoLines) {
    for (const auto& raise : std::vector<std::function<void()>>{
             [] { throw 7; }, [] { throw "Cpp_Line::DrawLine"; },
             [] { throw Cpp_TextException("Cpp_Line::DrawLine"); }}) {
        try {
            raise();
        } catch (...) {
            ReportEntryPointException("test");
        }
    }
    EXPECT_EQ(fakes.messageBoxes.Texts(),
              (std::vector<std::string>{"EXCEPTION: Unknown Type or Source - i = 7",
                                        "EXCEPTION: Cpp_Line::DrawLine",
                                        "EXCEPTION: Cpp_Line::DrawLine"}));
    for (const auto& request : fakes.messageBoxes.requests)
        EXPECT_EQ(request.caption, "KLIVEN Exception");
    EXPECT_EQ(Listing(), "EXCEPTION:  Unknown Type or Source\n"
                         "This should never occur - notify Kordel\n"
                         "EXCEPTION: Cpp_Line::DrawLine\n"
                         "This should never occur - notify Kordel\n"
                         "EXCEPTION: Cpp_Line::DrawLine\n"
                         "This should never occur - notify Kordel\n");
}

TEST_F(ExceptionTable, MessageTextsAndClosingRows) {
    ExpectRows({
        RowOf<Cpp_KLIVEN4Messages::Exc_BadErrorText>(
            "EXCEPTION: Something is wrong with the KLIVEN4 error text."),
        RowOf<Cpp_KLIVEN4Messages::Exc_BadErrorTextLineNumber>(
            "EXCEPTION: Bad line number for KLIVEN4 error text."),
        RowOf<Cpp_KLIVEN4Messages::Exc_CloseFilesAndQuit>(
            "EXCEPTION: KLIVEN4 Error Exception Thrown."),
        RowOf<Cpp_Errors::Exc_CloseFilesAndQuit>("Close files and quit exception."),
        RowOf<Cpp_OutputTable::Exc_NoFileForOutputTable>(
            "No output file for printing output table."),
    });
}

TEST_F(ExceptionTable, TriangulationRows) {
    ExpectRows({
        RowOf<Cpp_VertexList::Exc_MemoryAllocationFailed>(
            "EXCEPTION: Memory allocation failed for vertex list item."),
        RowOf<Cpp_TriangleList::Exc_MemoryAllocationFailed>(
            "EXCEPTION: Memory allocation failed for triangle list item."),
        RowOf<Cpp_Triangle::Exc_NullTriangleVertex>("EXCEPTION: NULL vertex for triangle."),
        RowOf<Cpp_Triangle::Exc_AdjacentTriangleMissing>("EXCEPTION: Adjacemt triangle missing."),
        RowOf<Cpp_Triangle::Exc_ErrorInCircumcircle>(
            "EXCEPTION: Error in computing circumcircle for triangle."),
    });
}

TEST_F(ExceptionTable, LineAndPointRows) {
    ExpectRows({
        RowOf<Cpp_Line::Exc_PreviousPointNotFound>(
            "EXCEPTION: Unable to identify previous point in Cpp_Line."),
        RowOf<Cpp_PointXY::Exc_AttemptToUseSlopeBeyondSegment>(
            "Attemp to use line slope beyond end of line."),
        RowOf<Cpp_PointXY::Exc_AttempToUseVerticalSlope>("Attempt to use slope of vertical line."),
    });
}

TEST_F(ExceptionTable, StageRows) {
    ExpectRows({
        RowOf<Cpp_Kliven4DataSet::Exc_IllegalStage>("Illegal stage for Cpp_Kliven4DataSet."),
        RowOf<Cpp_MaterialProperties::Exc_IllegalStage>(
            "Illegal stage for Cpp_MaterialProperties."),
    });
}

TEST_F(ExceptionTable, SliceRows) {
    ExpectRows({
        RowOf<Cpp_Slice::Exc_NoStrengthOption>("No strength option encountered for Cpp_Slice."),
        RowOf<Cpp_Slice::Exc_TwoStageStrengthsForFirstStage>(
            "2 stage strengths for 1st stage in Cpp_Slice."),
        RowOf<Cpp_Slice::Exc_InterfacePropertiesNotImplemented>(
            "Unimplemented interface property assignment attempted in Cpp_Slice."),
        RowOf<Cpp_Slice::Exc_BadPorePressure>("Bad pore water pressure value."),
        RowOf<Cpp_Slices::Exc_SlicesException>("EXCEPTION: Something wrong with slices object."),
        RowOf<Cpp_Slices::Exc_SliceOutOfBounds>("Slice out of bounds of slope."),
    });
}

TEST_F(ExceptionTable, StrengthAndPorePressureRows) {
    ExpectRows({
        RowOf<Cpp_ShearStrength::Exc_BadAccessOfFrictionAngle>(
            "Bad access of friction angle - wrong strength option."),
        RowOf<Cpp_ShearStrength::Exc_BadAccessOfStrengthAtDepth>(
            "Bad access of strength variation with depth - wrong strength option."),
        RowOf<Cpp_ShearStrength::Exc_BadAccessOfStrengthFromCOverP>(
            "Bad access of strength from c/p ratio - wrong strength option."),
        RowOf<Cpp_ShearStrength::Exc_BadAccessOfAnisotropicStrengths>(
            "Bad access of anisotropic strength - wrong strength option."),
        RowOf<Cpp_ShearStrength::Exc_BadAccessOfTwoStageStrengths>(
            "Bad access of two-stage strengths - wrong strength option."),
        RowOf<Cpp_ShearStrength::Exc_BadCallTo2StageNonlinearEnvelopes>(
            "Bad call to StrengthFromNonlinearTwoStageEnvelopes."),
        RowOf<Cpp_ShearStrength::Exc_SeriousErrorInStrengthFromNonlinearTwoStageEnvelopes>(
            "Bad call to Serious Error In Strength From Nonlinear Two-Stage Envelopes."),
        RowOf<Cpp_PorePressure::Exc_BadAccessOfRSubU>(
            "Bad access of r-sub-u - wrong strength option."),
        RowOf<Cpp_PorePressure::Exc_BadAccessOfPiezometricLine>(
            "Bad access of piezometric line number - wrong strength option."),
    });
}

TEST_F(ExceptionTable, ReinforcementAndCrackRows) {
    ExpectRows({
        RowOf<Cpp_ReinforcementLineList::Exc_ReinforcementLineListProblem>(
            "Reinforcement line list exception."),
        RowOf<Cpp_Crack::Exc_NoWaterDepthOption>("EXCEPTION: No option for water depth in crack."),
    });
}

TEST_F(ExceptionTable, SlipSurfaceRows) {
    ExpectRows({
        RowOf<Cpp_RadiusDefinition::Exc_RadiusDefinitionOptionNotTangentLine>(
            "Cpp_RadiusDefinition EXCEPTION: Attempt to access tangent line when radius not "
            "defined by tangent line."),
        RowOf<Cpp_RadiusDefinition::Exc_RadiusDefinitionOptionNotFixedPoint>(
            "Cpp_RadiusDefinition EXCEPTION: Attempt to access fixed point when radius not "
            "defined by fixed point."),
        RowOf<Cpp_RadiusDefinition::Exc_RadiusDefinitionOptionNotGivenRadius>(
            "Cpp_RadiusDefinition EXCEPTION: Attempt to access given radius when radius not "
            "defined by given radius."),
        RowOf<Cpp_RadiusDefinition::Exc_BadRadiusDefinitionOption>(
            "Cpp_RadiusDefinition EXCEPTION: Missing definition for critical radius search "
            "item."),
        RowOf<Cpp_NoncircularErrors::Exc_NoncircSlopeShiftFailed>(
            "EXCEPTION: Something is seriously wrong.  A point on the shear surface has moved "
            "beyond the slope"),
        RowOf<Cpp_AnalysisComputationData::Exc_AccessedCircleDataWhenNoncircular>(
            "Attempted to access information for circle when shear surface was noncircular."),
        RowOf<Cpp_AnalysisComputationData::Exc_AccessedNoncircularDataWhenCircular>(
            "Attempted to access information for noncircular shear when shear surface was "
            "circular."),
        RowOf<Cpp_TangentLine::Exc_MissingTangentLineOption>(
            "EXCEPTION: No tangent line option when needed."),
        RowOf<Cpp_TangentLine::Exc_MissingPointsWhenCalcRadius>(
            "Cpp_TangentLine EXCEPTION: Points for inclined tangent line were missing when "
            "GetRadius was called."),
        RowOf<Cpp_ComputationErrors::Exc_BadInitialRadius>("Bad initial radius."),
    });
}

TEST_F(ExceptionTable, AClassOutsideTheTableIsNamedByItsEntryPoint) {
    struct Exc_NotInTheTable {};
    try {
        throw Exc_NotInTheTable();
    } catch (...) {
        EXPECT_EQ(ReportEntryPointException("DrawView"), "Unexpected error in DrawView.");
    }
    EXPECT_EQ(Listing(), "Unexpected error in DrawView.\n");
}

// A failure thrown while painting, outside every layer, reaches the listing.
TEST_F(ExceptionTable, PaintingReportsAFailureOutsideTheLayers) {
    class FailingDC final : public platform::RecordingDeviceContext {
    public:
        FailingDC() : RecordingDeviceContext(400, 300) {}
        int PixelsPerInchX() const override { throw Cpp_Triangle::Exc_AdjacentTriangleMissing(); }
    } dc;
    PaintProblemView(dc, {0, 0, 400, 300}, nullptr, Cpp_Graphics::kOutputScreen, 1);
    EXPECT_EQ(Listing(), "EXCEPTION: Adjacemt triangle missing.\n");
    EXPECT_TRUE(fakes.messageBoxes.requests.empty());
}

// A failure thrown inside the read: its row in the file's listing, no failure box, false.
TEST(ReadingThroughTheTable, AThrowingBlockEndsTheReadWithItsRowAndNoBox) {
    testsupport::FakeServices fakes;
    testsupport::TempDir dir;
    const fs::path old = fs::current_path();
    // The construction block's reader (registered by the editing layer, not by the read).
    RegisterBlockReader("CON", [](s_BlockReadContext&) -> bool {
        throw Cpp_Triangle::Exc_AdjacentTriangleMissing();
    });
    const fs::path file = dir.Path() / "throws.preinput-kliven";
    testsupport::WriteFile(file, "CONstruction line data follow -\nCOMpute\n");
    EXPECT_FALSE(ReadInputDataFile(nullptr, file));
    EXPECT_EQ(testsupport::ReadFile(dir.Path() / "throws.preoutput-kliven"),
              "EXCEPTION: Adjacemt triangle missing.\n");
    EXPECT_TRUE(fakes.messageBoxes.requests.empty());
    fs::current_path(old);
    ClearBlockReaders();
    Cpp_FileIO::ResetForTests();
    Cpp_DataErrorOutput::ResetForTests();
    Cpp_Kliven4Data::DeleteAllDataSets();
}

// A read that fails without throwing names the listing in a box captioned "Error", followed by
// the first message of the read.
TEST(ReadingThroughTheTable, AFailedReadIsReportedInABoxCaptionedError) {
    testsupport::FakeServices fakes;
    testsupport::TempDir dir;
    const fs::path old = fs::current_path();
    const fs::path file = dir.Path() / "bad.preinput-kliven";
    testsupport::WriteFile(file, "PROfile lines\n1 0 0\n\nCOMpute\n");
    EXPECT_FALSE(ReadInputDataFile(nullptr, file));
    ASSERT_EQ(fakes.messageBoxes.requests.size(), 1u);
    EXPECT_EQ(fakes.messageBoxes.requests[0].caption, "Error");
    EXPECT_EQ(fakes.messageBoxes.requests[0].text,
              "Unable to read input data.  Check output file for details.  Output file is "
              "named: bad.preoutput-kliven\n\n"
              "KLIVEN ERROR NUMBER 2100\n"
              "ERROR IN PROFILE LINE INPUT DATA.\n"
              "Bad line of data to terminate all profile line data - blank line required.\n"
              "Data end with 2 blank lines: One to terminate the current line, the other\n"
              "blank line to designate the end of all profile line data\n"
              "The following line of input data was entered:\n"
              "COMpute");
    fs::current_path(old);
    ClearBlockReaders();
    Cpp_FileIO::ResetForTests();
    Cpp_DataErrorOutput::ResetForTests();
    Cpp_Kliven4Data::DeleteAllDataSets();
}

}  // namespace
