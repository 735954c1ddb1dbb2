#include "model/exception_report.h"

#include "analysis/analysis_computation_data.h"
#include "analysis/computation_errors.h"
#include "analysis/radius_definition.h"
#include "analysis/slices.h"
#include "analysis/tangent_line.h"
#include "core/data_error_output.h"
#include "core/file_io.h"
#include "core/kliven4_messages.h"
#include "core/message_boxes.h"
#include "core/output_table.h"
#include "core/point_xy.h"
#include "core/text_exception.h"
#include "graphics/line.h"
#include "loads/reinforcement_line.h"
#include "model/data_set.h"
#include "platform/services.h"
#include "porepressure/pore_pressure.h"
#include "porepressure/triangle.h"
#include "porepressure/vertex.h"
#include "profile/crack.h"
#include "profile/material_properties.h"
#include "profile/shear_strength.h"

#include <cstdio>
#include <exception>
#include <new>

namespace {

void ToListing(const std::string& line) {
    if (std::FILE* listing = Cpp_FileIO::OutputFile()) {
        std::fputs(line.c_str(), listing);
        std::fputc('\n', listing);
        std::fflush(listing);
    }
}

void ToUser(const char* where, const std::string& text) {
    std::fprintf(stderr, "dravonet: %s: %s\n", where ? where : "?", text.c_str());
    std::fflush(stderr);
    platform::Services().StatusLine().SetText(text);
}

// The text exceptions: the box first, then two lines in the listing.
std::string ReportText(const std::string& s) {
    std::string text = "EXCEPTION: " + s;
    ShowErrorMessage("KLIVEN Exception", text);
    ToListing(text);
    ToListing("This should never occur - notify Kordel");
    platform::Services().StatusLine().SetText(text.substr(11));
    return text;
}

}  // namespace

std::string ReportEntryPointException(const char* where) noexcept {
    try {
        std::string text;
        try {
            throw;
        } catch (int i) {
            ShowErrorMessage("KLIVEN Exception",
                             "EXCEPTION: Unknown Type or Source - i = " + std::to_string(i));
            ToListing("EXCEPTION:  Unknown Type or Source");
            ToListing("This should never occur - notify Kordel");
            platform::Services().StatusLine().SetText("EXCEPTION: Unknown Type or Source");
            return "EXCEPTION:  Unknown Type or Source";
        } catch (const char* s) {
            return ReportText(s ? s : "");
        } catch (const Cpp_TextException& e) {
            return ReportText(e.Text());
        } catch (const Cpp_KLIVEN4Messages::Exc_BadErrorText&) {
            text = "EXCEPTION: Something is wrong with the KLIVEN4 error text.";
        } catch (const Cpp_KLIVEN4Messages::Exc_BadErrorTextLineNumber&) {
            text = "EXCEPTION: Bad line number for KLIVEN4 error text.";
        } catch (const Cpp_KLIVEN4Messages::Exc_CloseFilesAndQuit&) {
            text = "EXCEPTION: KLIVEN4 Error Exception Thrown.";
        } catch (const Cpp_VertexList::Exc_MemoryAllocationFailed&) {
            text = "EXCEPTION: Memory allocation failed for vertex list item.";
        } catch (const Cpp_TriangleList::Exc_MemoryAllocationFailed&) {
            text = "EXCEPTION: Memory allocation failed for triangle list item.";
        } catch (const Cpp_Triangle::Exc_NullTriangleVertex&) {
            text = "EXCEPTION: NULL vertex for triangle.";
        } catch (const Cpp_Triangle::Exc_AdjacentTriangleMissing&) {
            text = "EXCEPTION: Adjacemt triangle missing.";
        } catch (const Cpp_Triangle::Exc_ErrorInCircumcircle&) {
            text = "EXCEPTION: Error in computing circumcircle for triangle.";
        } catch (const Cpp_Line::Exc_PreviousPointNotFound&) {
            text = "EXCEPTION: Unable to identify previous point in Cpp_Line.";
        } catch (const Cpp_Errors::Exc_CloseFilesAndQuit&) {
            text = "Close files and quit exception.";
        } catch (const Cpp_Kliven4DataSet::Exc_IllegalStage&) {
            text = "Illegal stage for Cpp_Kliven4DataSet.";
        } catch (const Cpp_MaterialProperties::Exc_IllegalStage&) {
            text = "Illegal stage for Cpp_MaterialProperties.";
        } catch (const Cpp_OutputTable::Exc_NoFileForOutputTable&) {
            text = "No output file for printing output table.";
        } catch (const Cpp_PointXY::Exc_AttemptToUseSlopeBeyondSegment&) {
            text = "Attemp to use line slope beyond end of line.";
        } catch (const Cpp_PointXY::Exc_AttempToUseVerticalSlope&) {
            text = "Attempt to use slope of vertical line.";
        } catch (const Cpp_Slice::Exc_NoStrengthOption&) {
            text = "No strength option encountered for Cpp_Slice.";
        } catch (const Cpp_Slice::Exc_TwoStageStrengthsForFirstStage&) {
            text = "2 stage strengths for 1st stage in Cpp_Slice.";
        } catch (const Cpp_Slice::Exc_InterfacePropertiesNotImplemented&) {
            text = "Unimplemented interface property assignment attempted in Cpp_Slice.";
        } catch (const Cpp_Slice::Exc_BadPorePressure&) {
            text = "Bad pore water pressure value.";
        } catch (const Cpp_Slices::Exc_SlicesException&) {
            text = "EXCEPTION: Something wrong with slices object.";
        } catch (const Cpp_Slices::Exc_SliceOutOfBounds&) {
            text = "Slice out of bounds of slope.";
        } catch (const Cpp_ShearStrength::Exc_BadAccessOfFrictionAngle&) {
            text = "Bad access of friction angle - wrong strength option.";
        } catch (const Cpp_ShearStrength::Exc_BadAccessOfStrengthAtDepth&) {
            text = "Bad access of strength variation with depth - wrong strength option.";
        } catch (const Cpp_ShearStrength::Exc_BadAccessOfStrengthFromCOverP&) {
            text = "Bad access of strength from c/p ratio - wrong strength option.";
        } catch (const Cpp_ShearStrength::Exc_BadAccessOfAnisotropicStrengths&) {
            text = "Bad access of anisotropic strength - wrong strength option.";
        } catch (const Cpp_ShearStrength::Exc_BadAccessOfTwoStageStrengths&) {
            text = "Bad access of two-stage strengths - wrong strength option.";
        } catch (const Cpp_ShearStrength::Exc_BadCallTo2StageNonlinearEnvelopes&) {
            text = "Bad call to StrengthFromNonlinearTwoStageEnvelopes.";
        } catch (
            const Cpp_ShearStrength::Exc_SeriousErrorInStrengthFromNonlinearTwoStageEnvelopes&) {
            text = "Bad call to Serious Error In Strength From Nonlinear Two-Stage Envelopes.";
        } catch (const Cpp_PorePressure::Exc_BadAccessOfRSubU&) {
            text = "Bad access of r-sub-u - wrong strength option.";
        } catch (const Cpp_PorePressure::Exc_BadAccessOfPiezometricLine&) {
            text = "Bad access of piezometric line number - wrong strength option.";
        } catch (const Cpp_ReinforcementLineList::Exc_ReinforcementLineListProblem&) {
            text = "Reinforcement line list exception.";
        } catch (const Cpp_RadiusDefinition::Exc_RadiusDefinitionOptionNotTangentLine&) {
            text = "Cpp_RadiusDefinition EXCEPTION: Attempt to access tangent line when radius "
                   "not defined by tangent line.";
        } catch (const Cpp_RadiusDefinition::Exc_RadiusDefinitionOptionNotFixedPoint&) {
            text = "Cpp_RadiusDefinition EXCEPTION: Attempt to access fixed point when radius not "
                   "defined by fixed point.";
        } catch (const Cpp_RadiusDefinition::Exc_RadiusDefinitionOptionNotGivenRadius&) {
            text = "Cpp_RadiusDefinition EXCEPTION: Attempt to access given radius when radius "
                   "not defined by given radius.";
        } catch (const Cpp_RadiusDefinition::Exc_BadRadiusDefinitionOption&) {
            text = "Cpp_RadiusDefinition EXCEPTION: Missing definition for critical radius search "
                   "item.";
        } catch (const Cpp_NoncircularErrors::Exc_NoncircSlopeShiftFailed&) {
            text = "EXCEPTION: Something is seriously wrong.  A point on the shear surface has "
                   "moved beyond the slope";
        } catch (const Cpp_AnalysisComputationData::Exc_AccessedCircleDataWhenNoncircular&) {
            text = "Attempted to access information for circle when shear surface was "
                   "noncircular.";
        } catch (const Cpp_AnalysisComputationData::Exc_AccessedNoncircularDataWhenCircular&) {
            text = "Attempted to access information for noncircular shear when shear surface was "
                   "circular.";
        } catch (const Cpp_TangentLine::Exc_MissingTangentLineOption&) {
            text = "EXCEPTION: No tangent line option when needed.";
        } catch (const Cpp_TangentLine::Exc_MissingPointsWhenCalcRadius&) {
            text = "Cpp_TangentLine EXCEPTION: Points for inclined tangent line were missing when "
                   "GetRadius was called.";
        } catch (const Cpp_Crack::Exc_NoWaterDepthOption&) {
            text = "EXCEPTION: No option for water depth in crack.";
        } catch (const Cpp_ComputationErrors::Exc_BadInitialRadius&) {
            text = "Bad initial radius.";
        } catch (const std::bad_alloc&) {
            text = "Out of memory.";
            ToListing(text);
            ToUser(where, text);
            return text;
        } catch (const std::exception& e) {
            text = std::string("Unexpected error: ") + e.what();
            ToListing(text);
            ToUser(where, text);
            return text;
        } catch (...) {
            // Classes outside the table: named by where they were caught.
            text = std::string("Unexpected error in ") + (where ? where : "?") + ".";
            ToListing(text);
            ToUser(where, text);
            return text;
        }
        // A row of the table: one line in the listing, nothing shown.
        ToListing(text);
        std::fprintf(stderr, "dravonet: %s: %s\n", where ? where : "?", text.c_str());
        return text;
    } catch (...) {
        return "Unexpected error.";
    }
}
