#pragma once
// The operations of each selected-item family, one function per family and operation. Each
// handles only its own family's kinds; the kind table (selection_kinds.cpp) holds them.

#include "core/point_xy.h"

#include <optional>
#include <string>

class Cpp_AnalysisComputationData;
class Cpp_Line;
class Cpp_NameValueList;
class Cpp_PointXY;
struct s_AnalysisHit;
struct s_DrawAttributesType;
struct s_SelectionReferences;
class Cpp_Selection;
namespace selection_page {
class Page;
}
namespace platform {
class DeviceContext;
class InfoWindowService;
}  // namespace platform

namespace selection_family {

// Leaves the text as it is.
void NoText(const Cpp_Selection& item, std::string& text);

// The one-line names (selection.cpp).
void ClippedProfileName(const Cpp_Selection& item, std::string& text);
void ProfileLineName(const Cpp_Selection& item, std::string& text);
void PiezometricLineName(const Cpp_Selection& item, std::string& text);
void ConstructionLineName(const Cpp_Selection& item, std::string& text);
void ConstructionCircleName(const Cpp_Selection& item, std::string& text);
void SlopeLineName(const Cpp_Selection& item, std::string& text);
void DistributedLoadName(const Cpp_Selection& item, std::string& text);
void LineLoadName(const Cpp_Selection& item, std::string& text);
void ReinforcementName(const Cpp_Selection& item, std::string& text);
void NailName(const Cpp_Selection& item, std::string& text);
void GeogridName(const Cpp_Selection& item, std::string& text);
void CircleDefinitionName(const Cpp_Selection& item, std::string& text);
void SlipSurfaceName(const Cpp_Selection& item, std::string& text);
void RadiusDefinitionName(const Cpp_Selection& item, std::string& text);
void ComputedCrackName(const Cpp_Selection& item, std::string& text);
void InterpolationName(const Cpp_Selection& item, std::string& text);
void ResultsName(const Cpp_Selection& item, std::string& text);
void MaterialTableName(const Cpp_Selection& item, std::string& text);

// The status-line prompts (selection_prompt.cpp).
void ClippedProfilePrompt(const Cpp_Selection& item, std::string& text);
void ProfileLinePrompt(const Cpp_Selection& item, std::string& text);
void PiezometricLinePrompt(const Cpp_Selection& item, std::string& text);
void ConstructionLinePrompt(const Cpp_Selection& item, std::string& text);
void ConstructionCirclePrompt(const Cpp_Selection& item, std::string& text);
void SlopeLinePrompt(const Cpp_Selection& item, std::string& text);
void DistributedLoadPrompt(const Cpp_Selection& item, std::string& text);
void LineLoadPrompt(const Cpp_Selection& item, std::string& text);
void ReinforcementPrompt(const Cpp_Selection& item, std::string& text);
void CircleDefinitionPrompt(const Cpp_Selection& item, std::string& text);
void SlipSurfacePrompt(const Cpp_Selection& item, std::string& text);
void RadiusDefinitionPrompt(const Cpp_Selection& item, std::string& text);
void InterpolationPrompt(const Cpp_Selection& item, std::string& text);
void ResultsPrompt(const Cpp_Selection& item, std::string& text);
void MaterialTablePrompt(const Cpp_Selection& item, std::string& text);

// The tool tips (selection_tooltip.cpp).
bool ClippedProfileTip(const Cpp_Selection& item, std::string& text);
bool ProfileLineTip(const Cpp_Selection& item, std::string& text);
bool PiezometricLineTip(const Cpp_Selection& item, std::string& text);
bool ConstructionLineTip(const Cpp_Selection& item, std::string& text);
bool ConstructionCircleTip(const Cpp_Selection& item, std::string& text);
bool SlopeLineTip(const Cpp_Selection& item, std::string& text);
bool DistributedLoadTip(const Cpp_Selection& item, std::string& text);
bool LineLoadTip(const Cpp_Selection& item, std::string& text);
bool ReinforcementTip(const Cpp_Selection& item, std::string& text);
bool CircleDefinitionTip(const Cpp_Selection& item, std::string& text);
bool SlipSurfaceTip(const Cpp_Selection& item, std::string& text);
bool InterpolationTip(const Cpp_Selection& item, std::string& text);
bool ResultsTip(const Cpp_Selection& item, std::string& text);

// The highlights of the kinds marked ByFamily (selection_highlight.cpp).
void ProfileLineHighlight(const Cpp_Selection& item, platform::DeviceContext& dc);
void PiezometricLineHighlight(const Cpp_Selection& item, platform::DeviceContext& dc);
void ConstructionCircleHighlight(const Cpp_Selection& item, platform::DeviceContext& dc);
void DistributedLoadHighlight(const Cpp_Selection& item, platform::DeviceContext& dc);
void LineLoadHighlight(const Cpp_Selection& item, platform::DeviceContext& dc);
void ReinforcementHighlight(const Cpp_Selection& item, platform::DeviceContext& dc);
void CircleDefinitionHighlight(const Cpp_Selection& item, platform::DeviceContext& dc);
void SlipSurfaceHighlight(const Cpp_Selection& item, platform::DeviceContext& dc);
void IrregularTangentHighlight(const Cpp_Selection& item, platform::DeviceContext& dc);
void VariableCrackHighlight(const Cpp_Selection& item, platform::DeviceContext& dc);
void ResultsHighlight(const Cpp_Selection& item, platform::DeviceContext& dc);

// The information pages (selection_page.cpp): false where the kind has none.
bool ClippedProfilePage(const Cpp_Selection& item, selection_page::Page& page,
                        Cpp_NameValueList& list);
bool UnnamedPage(const Cpp_Selection& item, selection_page::Page& page, Cpp_NameValueList& list);
bool ConstructionLinePage(const Cpp_Selection& item, selection_page::Page& page,
                          Cpp_NameValueList& list);
bool ConstructionCirclePage(const Cpp_Selection& item, selection_page::Page& page,
                            Cpp_NameValueList& list);
bool ProfileLinePage(const Cpp_Selection& item, selection_page::Page& page,
                     Cpp_NameValueList& list);
bool PiezometricLinePage(const Cpp_Selection& item, selection_page::Page& page,
                         Cpp_NameValueList& list);
bool SlopeLinePage(const Cpp_Selection& item, selection_page::Page& page, Cpp_NameValueList& list);
bool DistributedLoadPage(const Cpp_Selection& item, selection_page::Page& page,
                         Cpp_NameValueList& list);
bool LineLoadPage(const Cpp_Selection& item, selection_page::Page& page, Cpp_NameValueList& list);
bool CircleDefinitionPage(const Cpp_Selection& item, selection_page::Page& page,
                          Cpp_NameValueList& list);
bool IrregularTangentPage(const Cpp_Selection& item, selection_page::Page& page,
                          Cpp_NameValueList& list);
bool SlipSurfacePage(const Cpp_Selection& item, selection_page::Page& page,
                     Cpp_NameValueList& list);
bool MaterialTablePage(const Cpp_Selection& item, selection_page::Page& page,
                       Cpp_NameValueList& list);
bool ComputedCrackPage(const Cpp_Selection& item, selection_page::Page& page,
                       Cpp_NameValueList& list);
bool ResultsPage(const Cpp_Selection& item, selection_page::Page& page, Cpp_NameValueList& list);
bool ReinforcementPage(const Cpp_Selection& item, selection_page::Page& page,
                       Cpp_NameValueList& list);
bool RadiusDefinitionPage(const Cpp_Selection& item, selection_page::Page& page,
                          Cpp_NameValueList& list);
bool VariableCrackPage(const Cpp_Selection& item, selection_page::Page& page,
                       Cpp_NameValueList& list);
bool InterpolationPage(const Cpp_Selection& item, selection_page::Page& page,
                       Cpp_NameValueList& list);

// The information window (selection_information.cpp).
void AnalysisInformation(const Cpp_Selection& item, platform::InfoWindowService& info);
void ConstructionInformation(const Cpp_Selection& item, platform::InfoWindowService& info);
void SlopeLineInformation(const Cpp_Selection& item, platform::InfoWindowService& info);
void ComputedCrackInformation(const Cpp_Selection& item, platform::InfoWindowService& info);
void DistributedLoadInformation(const Cpp_Selection& item, platform::InfoWindowService& info);
void LineLoadInformation(const Cpp_Selection& item, platform::InfoWindowService& info);
void ProfileLineInformation(const Cpp_Selection& item, platform::InfoWindowService& info);
void PiezometricLineInformation(const Cpp_Selection& item, platform::InfoWindowService& info);
void InterpolationInformation(const Cpp_Selection& item, platform::InfoWindowService& info);
void ReinforcementInformation(const Cpp_Selection& item, platform::InfoWindowService& info);

// The tool dialog bars (selection_tool_bars.cpp).
bool ConstructionLineBar(const Cpp_Selection& item);
bool ConstructionCircleBar(const Cpp_Selection& item);
bool ProfileLineBar(const Cpp_Selection& item);
bool PiezometricLineBar(const Cpp_Selection& item);
bool SlopeLineBar(const Cpp_Selection& item);
bool InterpolationBar(const Cpp_Selection& item);
bool DistributedLoadBar(const Cpp_Selection& item);
bool LineLoadBar(const Cpp_Selection& item);
bool GeogridBar(const Cpp_Selection& item);
bool NailBar(const Cpp_Selection& item);
bool ReinforcementBar(const Cpp_Selection& item);
bool SlipSurfaceBar(const Cpp_Selection& item);
bool VariableCrackBar(const Cpp_Selection& item);
bool RadiusDefinitionBar(const Cpp_Selection& item);
bool CircleDefinitionBar(const Cpp_Selection& item);
bool IrregularTangentBar(const Cpp_Selection& item);

// targetExists (selection_deletes.cpp).
bool InterpolationTargetExists(const Cpp_Selection& item);
bool DistributedLoadTargetExists(const Cpp_Selection& item);
bool LineLoadTargetExists(const Cpp_Selection& item);
bool VariableCrackTargetExists(const Cpp_Selection& item);
bool GeogridTargetExists(const Cpp_Selection& item);
bool NailTargetExists(const Cpp_Selection& item);
bool ConstructionCircleTargetExists(const Cpp_Selection& item);
bool RadiusDefinitionTargetExists(const Cpp_Selection& item);
bool IrregularTangentTargetExists(const Cpp_Selection& item);
bool SlipSurfaceTargetExists(const Cpp_Selection& item);

// targetLine (selection_deletes.cpp).
const void* GeogridTargetLine(const Cpp_Selection& item);
const void* NailTargetLine(const Cpp_Selection& item);
const void* LineLoadTargetLine(const Cpp_Selection& item);
const void* RadiusDefinitionTargetLine(const Cpp_Selection& item);
const void* ConstructionCircleTargetLine(const Cpp_Selection& item);
const void* IrregularTangentTargetLine(const Cpp_Selection& item);
const void* SlipSurfaceTargetLine(const Cpp_Selection& item);

// deleteAll (selection_deletes.cpp).
bool ConstructionLineDeleteAll(const Cpp_Selection& item);
bool InterpolationDeleteAll(const Cpp_Selection& item);
bool DistributedLoadDeleteAll(const Cpp_Selection& item);
bool LineLoadDeleteAll(const Cpp_Selection& item);
bool PiezometricLineDeleteAll(const Cpp_Selection& item);
bool RadiusDefinitionDeleteAll(const Cpp_Selection& item);
bool ReinforcementDeleteAll(const Cpp_Selection& item);

// deleteEntireLine (selection_deletes.cpp).
bool ConstructionLineDeleteEntireLine(const Cpp_Selection& item, bool& repaint);
bool ProfileLineDeleteEntireLine(const Cpp_Selection& item, bool& repaint);
bool PiezometricLineDeleteEntireLine(const Cpp_Selection& item, bool& repaint);
bool ReinforcementDeleteEntireLine(const Cpp_Selection& item, bool& repaint);
bool GeogridDeleteEntireLine(const Cpp_Selection& item, bool& repaint);
bool NailDeleteEntireLine(const Cpp_Selection& item, bool& repaint);
bool RadiusDefinitionDeleteEntireLine(const Cpp_Selection& item, bool& repaint);
bool SlipSurfaceDeleteEntireLine(const Cpp_Selection& item, bool& repaint);
bool SlopeLineDeleteEntireLine(const Cpp_Selection& item, bool& repaint);
bool IrregularTangentDeleteEntireLine(const Cpp_Selection& item, bool& repaint);

// deleteSegment (selection_deletes.cpp).
bool ConstructionLineDeleteSegment(const Cpp_Selection& item);
bool ProfileLineDeleteSegment(const Cpp_Selection& item);
bool PiezometricLineDeleteSegment(const Cpp_Selection& item);
bool ReinforcementDeleteSegment(const Cpp_Selection& item);
bool SlopeLineDeleteSegment(const Cpp_Selection& item);
bool SlipSurfaceDeleteSegment(const Cpp_Selection& item);
bool RadiusDefinitionDeleteSegment(const Cpp_Selection& item);
bool DistributedLoadDeleteSegment(const Cpp_Selection& item);
bool IrregularTangentDeleteSegment(const Cpp_Selection& item);

// deletePoint (selection_deletes.cpp).
bool ConstructionLineDeletePoint(const Cpp_Selection& item);
bool ProfileLineDeletePoint(const Cpp_Selection& item);
bool PiezometricLineDeletePoint(const Cpp_Selection& item);
bool ReinforcementDeletePoint(const Cpp_Selection& item);
bool InterpolationDeletePoint(const Cpp_Selection& item);
bool DistributedLoadDeletePoint(const Cpp_Selection& item);
bool SlipSurfaceDeletePoint(const Cpp_Selection& item);
bool SlopeLineDeletePoint(const Cpp_Selection& item);
bool IrregularTangentDeletePoint(const Cpp_Selection& item);
bool RadiusDefinitionDeletePoint(const Cpp_Selection& item);
bool VariableCrackDeletePoint(const Cpp_Selection& item);

// moveToXY (selection_item_edits.cpp).
bool ConstructionLineMoveToXY(const Cpp_Selection& item, double x, double y);
bool SlipSurfaceMoveToXY(const Cpp_Selection& item, double x, double y);
bool PiezometricLineMoveToXY(const Cpp_Selection& item, double x, double y);
bool ProfileLineMoveToXY(const Cpp_Selection& item, double x, double y);
bool RadiusDefinitionMoveToXY(const Cpp_Selection& item, double x, double y);
bool SlopeLineMoveToXY(const Cpp_Selection& item, double x, double y);
bool IrregularTangentMoveToXY(const Cpp_Selection& item, double x, double y);
bool ReinforcementMoveToXY(const Cpp_Selection& item, double x, double y);
bool InterpolationMoveToXY(const Cpp_Selection& item, double x, double y);
bool VariableCrackMoveToXY(const Cpp_Selection& item, double x, double y);

// setPointXY (selection_item_edits.cpp).
void ConstructionLineSetPointXY(const Cpp_Selection& item, double x, double y);
void PiezometricLineSetPointXY(const Cpp_Selection& item, double x, double y);
void ProfileLineSetPointXY(const Cpp_Selection& item, double x, double y);
void ReinforcementSetPointXY(const Cpp_Selection& item, double x, double y);

// wheelEdit (selection_item_edits.cpp).
bool VariableCrackWheelEdit(const Cpp_Selection& item, int delta, bool control, bool& repaint);
bool InterpolationWheelEdit(const Cpp_Selection& item, int delta, bool control, bool& repaint);
bool DistributedLoadWheelEdit(const Cpp_Selection& item, int delta, bool control, bool& repaint);
bool LineLoadWheelEdit(const Cpp_Selection& item, int delta, bool control, bool& repaint);
bool ReinforcementWheelEdit(const Cpp_Selection& item, int delta, bool control, bool& repaint);

// changeValue (selection_item_edits.cpp).
bool GeogridChangeValue(const Cpp_Selection& item, int x, int y);
// The material property table starts its drag (material_table_drag.cpp).
bool MaterialTableChangeValue(const Cpp_Selection& item, int x, int y);
bool NailChangeValue(const Cpp_Selection& item, int x, int y);
bool CircleDefinitionChangeValue(const Cpp_Selection& item, int x, int y);
bool RadiusDefinitionChangeValue(const Cpp_Selection& item, int x, int y);
bool LineLoadChangeValue(const Cpp_Selection& item, int x, int y);

// nudge (selection_item_edits.cpp).
std::optional<bool> ConstructionLineNudge(Cpp_Selection& item, double dx, double dy, bool& repaint,
                                          s_tagTypePointXY& to);
std::optional<bool> SlipSurfaceNudge(Cpp_Selection& item, double dx, double dy, bool& repaint,
                                     s_tagTypePointXY& to);
std::optional<bool> PiezometricLineNudge(Cpp_Selection& item, double dx, double dy, bool& repaint,
                                         s_tagTypePointXY& to);
std::optional<bool> ProfileLineNudge(Cpp_Selection& item, double dx, double dy, bool& repaint,
                                     s_tagTypePointXY& to);
std::optional<bool> RadiusDefinitionNudge(Cpp_Selection& item, double dx, double dy, bool& repaint,
                                          s_tagTypePointXY& to);
std::optional<bool> IrregularTangentNudge(Cpp_Selection& item, double dx, double dy, bool& repaint,
                                          s_tagTypePointXY& to);
std::optional<bool> ReinforcementNudge(Cpp_Selection& item, double dx, double dy, bool& repaint,
                                       s_tagTypePointXY& to);
std::optional<bool> SlopeLineNudge(Cpp_Selection& item, double dx, double dy, bool& repaint,
                                   s_tagTypePointXY& to);
std::optional<bool> InterpolationNudge(Cpp_Selection& item, double dx, double dy, bool& repaint,
                                       s_tagTypePointXY& to);
std::optional<bool> DistributedLoadNudge(Cpp_Selection& item, double dx, double dy, bool& repaint,
                                         s_tagTypePointXY& to);
std::optional<bool> LineLoadNudge(Cpp_Selection& item, double dx, double dy, bool& repaint,
                                  s_tagTypePointXY& to);
std::optional<bool> VariableCrackNudge(Cpp_Selection& item, double dx, double dy, bool& repaint,
                                       s_tagTypePointXY& to);
std::optional<bool> CircleDefinitionNudge(Cpp_Selection& item, double dx, double dy, bool& repaint,
                                          s_tagTypePointXY& to);

// applyToolBarValues (selection_item_edits.cpp).
bool ProfileLineApplyToolBarValues(Cpp_Selection& item, bool& clearSelection, bool& repaint,
                                   bool& modified);
bool PiezometricLineApplyToolBarValues(Cpp_Selection& item, bool& clearSelection, bool& repaint,
                                       bool& modified);
bool ReinforcementApplyToolBarValues(Cpp_Selection& item, bool& clearSelection, bool& repaint,
                                     bool& modified);
bool ConstructionLineApplyToolBarValues(Cpp_Selection& item, bool& clearSelection, bool& repaint,
                                        bool& modified);
bool SlopeLineApplyToolBarValues(Cpp_Selection& item, bool& clearSelection, bool& repaint,
                                 bool& modified);
bool SlipSurfaceApplyToolBarValues(Cpp_Selection& item, bool& clearSelection, bool& repaint,
                                   bool& modified);
bool InterpolationApplyToolBarValues(Cpp_Selection& item, bool& clearSelection, bool& repaint,
                                     bool& modified);
bool DistributedLoadApplyToolBarValues(Cpp_Selection& item, bool& clearSelection, bool& repaint,
                                       bool& modified);
bool LineLoadApplyToolBarValues(Cpp_Selection& item, bool& clearSelection, bool& repaint,
                                bool& modified);
bool GeogridApplyToolBarValues(Cpp_Selection& item, bool& clearSelection, bool& repaint,
                               bool& modified);
bool NailApplyToolBarValues(Cpp_Selection& item, bool& clearSelection, bool& repaint,
                            bool& modified);
bool VariableCrackApplyToolBarValues(Cpp_Selection& item, bool& clearSelection, bool& repaint,
                                     bool& modified);
bool ConstructionCircleApplyToolBarValues(Cpp_Selection& item, bool& clearSelection, bool& repaint,
                                          bool& modified);
bool CircleDefinitionApplyToolBarValues(Cpp_Selection& item, bool& clearSelection, bool& repaint,
                                        bool& modified);
bool IrregularTangentApplyToolBarValues(Cpp_Selection& item, bool& clearSelection, bool& repaint,
                                        bool& modified);
bool RadiusDefinitionApplyToolBarValues(Cpp_Selection& item, bool& clearSelection, bool& repaint,
                                        bool& modified);

// startAddPointAtEnd (selection_line_commands.cpp).
bool ConstructionLineStartAddPointAtEnd(const Cpp_Selection& item);
bool ProfileLineStartAddPointAtEnd(const Cpp_Selection& item);
bool PiezometricLineStartAddPointAtEnd(const Cpp_Selection& item);
bool SlopeLineStartAddPointAtEnd(const Cpp_Selection& item);
bool DistributedLoadStartAddPointAtEnd(const Cpp_Selection& item);
bool IrregularTangentStartAddPointAtEnd(const Cpp_Selection& item);
bool RadiusDefinitionStartAddPointAtEnd(const Cpp_Selection& item);
bool SlipSurfaceStartAddPointAtEnd(const Cpp_Selection& item);
bool ReinforcementStartAddPointAtEnd(const Cpp_Selection& item);

// startInsertPoint, startLineDrag (selection_line_commands.cpp).
void ConstructionLineStartInsertPoint(const Cpp_Selection& item);
void ProfileLineStartInsertPoint(const Cpp_Selection& item);
void PiezometricLineStartInsertPoint(const Cpp_Selection& item);
void SlopeLineStartInsertPoint(const Cpp_Selection& item);
void DistributedLoadStartInsertPoint(const Cpp_Selection& item);
void VariableCrackStartInsertPoint(const Cpp_Selection& item);
void TangentLineStartInsertPoint(const Cpp_Selection& item);
void SlipSurfaceStartInsertPoint(const Cpp_Selection& item);
void ReinforcementStartInsertPoint(const Cpp_Selection& item);
bool LineItemStartLineDrag(const Cpp_Selection& item, int x, int y);
bool ReinforcementStartLineDrag(const Cpp_Selection& item, int x, int y);
bool DistributedLoadStartLineDrag(const Cpp_Selection& item, int x, int y);
bool TangentLineStartLineDrag(const Cpp_Selection& item, int x, int y);
bool SlipSurfaceStartLineDrag(const Cpp_Selection& item, int x, int y);
bool VariableCrackStartLineDrag(const Cpp_Selection& item, int x, int y);

// lineLook, workingLine (selection_line_commands.cpp).
bool ConstructionLineLook(const Cpp_Selection& item, int& kind, s_DrawAttributesType& attributes);
bool ProfileLineLook(const Cpp_Selection& item, int& kind, s_DrawAttributesType& attributes);
bool PiezometricLineLook(const Cpp_Selection& item, int& kind, s_DrawAttributesType& attributes);
bool SlopeLineLook(const Cpp_Selection& item, int& kind, s_DrawAttributesType& attributes);
bool SlipSurfaceWorkingLine(const Cpp_Selection& item, Cpp_Line*& line, Cpp_PointXY*& point,
                            s_DrawAttributesType& attributes);
bool TangentLineWorkingLine(const Cpp_Selection& item, Cpp_Line*& line, Cpp_PointXY*& point,
                            s_DrawAttributesType& attributes);

// moveByDistance (two_step_edits.cpp).
bool ConstructionLineMoveByDistance(Cpp_Selection& item, bool& repaint);
bool SlipSurfaceMoveByDistance(Cpp_Selection& item, bool& repaint);
bool PiezometricLineMoveByDistance(Cpp_Selection& item, bool& repaint);
bool ProfileLineMoveByDistance(Cpp_Selection& item, bool& repaint);
bool ReinforcementMoveByDistance(Cpp_Selection& item, bool& repaint);
bool SlopeLineMoveByDistance(Cpp_Selection& item, bool& repaint);
bool IrregularTangentMoveByDistance(Cpp_Selection& item, bool& repaint);
bool RadiusDefinitionMoveByDistance(Cpp_Selection& item, bool& repaint);
bool CircleDefinitionMoveByDistance(Cpp_Selection& item, bool& repaint);
bool LineLoadMoveByDistance(Cpp_Selection& item, bool& repaint);

// snapToPickedItem (two_step_edits.cpp).
bool ConstructionLineSnapToPickedItem(Cpp_Selection& item, const s_tagTypePointXY& point);
bool SlipSurfaceSnapToPickedItem(Cpp_Selection& item, const s_tagTypePointXY& point);
bool PiezometricLineSnapToPickedItem(Cpp_Selection& item, const s_tagTypePointXY& point);
bool ProfileLineSnapToPickedItem(Cpp_Selection& item, const s_tagTypePointXY& point);
bool ReinforcementSnapToPickedItem(Cpp_Selection& item, const s_tagTypePointXY& point);
bool SlopeLineSnapToPickedItem(Cpp_Selection& item, const s_tagTypePointXY& point);
bool RadiusDefinitionSnapToPickedItem(Cpp_Selection& item, const s_tagTypePointXY& point);
bool IrregularTangentSnapToPickedItem(Cpp_Selection& item, const s_tagTypePointXY& point);
bool InterpolationSnapToPickedItem(Cpp_Selection& item, const s_tagTypePointXY& point);
bool DistributedLoadSnapToPickedItem(Cpp_Selection& item, const s_tagTypePointXY& point);
bool LineLoadSnapToPickedItem(Cpp_Selection& item, const s_tagTypePointXY& point);
bool CircleDefinitionSnapToPickedItem(Cpp_Selection& item, const s_tagTypePointXY& point);
bool VariableCrackSnapToPickedItem(Cpp_Selection& item, const s_tagTypePointXY& point);

// moveToLine (two_step_edits.cpp): an answer, or none for the refresh of the moved item.
std::optional<bool> ConstructionLineMoveToLine(Cpp_Selection& item, const s_tagTypePointXY& p);
std::optional<bool> SlipSurfaceMoveToLine(Cpp_Selection& item, const s_tagTypePointXY& p);
std::optional<bool> PiezometricLineMoveToLine(Cpp_Selection& item, const s_tagTypePointXY& p);
std::optional<bool> ProfileLineMoveToLine(Cpp_Selection& item, const s_tagTypePointXY& p);
std::optional<bool> SlopeLineMoveToLine(Cpp_Selection& item, const s_tagTypePointXY& p);
std::optional<bool> IrregularTangentMoveToLine(Cpp_Selection& item, const s_tagTypePointXY& p);
std::optional<bool> RadiusDefinitionMoveToLine(Cpp_Selection& item, const s_tagTypePointXY& p);
std::optional<bool> ReinforcementMoveToLine(Cpp_Selection& item, const s_tagTypePointXY& p);
std::optional<bool> DistributedLoadMoveToLine(Cpp_Selection& item, const s_tagTypePointXY& p);
std::optional<bool> CircleDefinitionMoveToLine(Cpp_Selection& item, const s_tagTypePointXY& p);

// analysisRecord (hit_test.cpp).
void CircleDefinitionAnalysisRecord(Cpp_AnalysisComputationData& a, const s_AnalysisHit& hit,
                                    s_SelectionReferences& r);
void SlipSurfaceAnalysisRecord(Cpp_AnalysisComputationData& a, const s_AnalysisHit& hit,
                               s_SelectionReferences& r);
void RadiusDefinitionAnalysisRecord(Cpp_AnalysisComputationData& a, const s_AnalysisHit& hit,
                                    s_SelectionReferences& r);
void IrregularTangentAnalysisRecord(Cpp_AnalysisComputationData& a, const s_AnalysisHit& hit,
                                    s_SelectionReferences& r);

}  // namespace selection_family
