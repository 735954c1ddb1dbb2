// The slots of the analysis windows and the launchers that fill them from the analysis data
// and store them back after OK.

#include "analysis/analysis_dialogs.h"

#include "analysis/analysis_computation_data.h"
#include "core/data_entry_style.h"
#include "core/message_boxes.h"
#include "core/tool_option_dialogs.h"
#include "graphics/line_table_dialogs.h"

#include <memory>

namespace {

struct CancelMainDialogs final : AnalysisMainDialogs {
    bool MainInput(int&, int&) override { return false; }
    bool ModeOfComputations(bool, int&) override { return false; }
};
struct CancelCircleDialogs final : CircleInputDialogs {
    bool IndividualCircle(s_CircleInputType&) override { return false; }
    bool SearchType1(s_CircleInputType&) override { return false; }
};
struct CancelFixedGridSheet final : FixedGridSearchSheet {
    bool Run(s_FixedGridPageType&, s_RadiusCriteriaType&) override { return false; }
};
struct CancelRadiusDefinitions final : RadiusDefinitionsDialog {
    bool Run(s_RadiusCriteriaType&) override { return false; }
};
struct CancelNoncircularSearch final : NoncircularSearchDialog {
    bool Run(s_NoncircularSearchType&) override { return false; }
};

// Mode 1, 3 or 4 for the type index 0, 1 or 2; none for another index.
bool ModeForType(int type, int& mode) {
    static const int kModes[] = {Cpp_AnalysisComputationData::kIndividual,
                                 Cpp_AnalysisComputationData::kSearchType1,
                                 Cpp_AnalysisComputationData::kSearchType2};
    if (type < 0 || type > 2) return false;
    mode = kModes[type];
    return true;
}

// The radius criteria of the list, with its increments.
s_RadiusCriteriaType CriteriaOf(const Cpp_RadiusDefinitionList& list) {
    s_RadiusCriteriaType criteria;
    int count = 0;
    list.FindSingleTangentLineDefinitions(criteria.definitions, count);
    criteria.definitions.resize(count);
    criteria.increments = list.GetSubdivisions();
    criteria.minimumIncrement = list.GetMinimumIncrement();
    return criteria;
}

void StoreCriteria(const s_RadiusCriteriaType& criteria, Cpp_RadiusDefinitionList& list) {
    list.DeleteAll();
    list.SetFromTable(criteria.definitions.data(), static_cast<int>(criteria.definitions.size()));
    list.SetIncrementControl(criteria.increments, criteria.minimumIncrement);
}

}  // namespace

DialogSlot<AnalysisMainDialogs>& AnalysisMainDialogsSlot() {
    static DialogSlot<AnalysisMainDialogs> slot("main analysis/computation dialog",
                                                std::make_unique<CancelMainDialogs>());
    return slot;
}
DialogSlot<CircleInputDialogs>& CircleInputDialogsSlot() {
    static DialogSlot<CircleInputDialogs> slot("circle input dialogs",
                                               std::make_unique<CancelCircleDialogs>());
    return slot;
}
DialogSlot<FixedGridSearchSheet>& FixedGridSearchSheetSlot() {
    static DialogSlot<FixedGridSearchSheet> slot("fixed grid search sheet",
                                                 std::make_unique<CancelFixedGridSheet>());
    return slot;
}
DialogSlot<RadiusDefinitionsDialog>& RadiusDefinitionsDialogSlot() {
    static DialogSlot<RadiusDefinitionsDialog> slot("radius definitions dialog",
                                                    std::make_unique<CancelRadiusDefinitions>());
    return slot;
}
DialogSlot<NoncircularSearchDialog>& NoncircularSearchDialogSlot() {
    static DialogSlot<NoncircularSearchDialog> slot("noncircular search dialog",
                                                    std::make_unique<CancelNoncircularSearch>());
    return slot;
}

namespace {
class CancelAnalysisLists final : public AnalysisListDialogs {
public:
    bool NoncircularSearch(s_NoncircularSearchType&) override { return false; }
    bool XYLine(s_XYLineListType&) override { return false; }
};
}  // namespace

DialogSlot<AnalysisListDialogs>& AnalysisListDialogsSlot() {
    static DialogSlot<AnalysisListDialogs> slot("analysis list dialogs",
                                                std::make_unique<CancelAnalysisLists>());
    return slot;
}

bool Cpp_AnalysisComputationData::AskModeAfterShapeChange(bool circular, int& mode) {
    int type = 0;
    if (mode == kSearchType1)
        type = 1;
    else if (circular && mode == kSearchType2)
        type = 2;
    if (!AnalysisMainDialogsSlot().Get().ModeOfComputations(circular, type)) return false;
    if (circular || type <= 1) ModeForType(type, mode);
    return true;
}

bool Cpp_AnalysisComputationData::ChangeShape(void* parent, bool circular) {
    if (hasData_) {
        if (circular_ != circular) {
            const char* text =
                circular ? "Current shape of shear surfaces is noncircular.  Do you want to change "
                           "this?"
                         : "Current shape of shear surfaces is circles.  Do you want to change "
                           "this?";
            if (!AskYesNo(parent, "Notice", text)) return false;
            SetCircular(circular);
        }
    } else {
        if (circular_ != circular) SetCircular(circular);
        mode_ = kNone;
    }
    if (mode_ != kNone) return true;
    return AskModeAfterShapeChange(circular_, mode_);
}

bool Cpp_AnalysisComputationData::EditPrimaryData(bool& searchEntered, bool skipDetail) {
    searchEntered = false;
    int shape = circular_ ? 0 : 1;
    int type = -1;
    if (mode_ == kNone || mode_ == kIndividual)
        type = 0;
    else if (mode_ == kSearchType1)
        type = 1;
    else if (mode_ == kSearchType2)
        type = 2;
    if (!AnalysisMainDialogsSlot().Get().MainInput(shape, type)) return false;
    const bool circular = shape == 0;
    ModeForType(type, mode_);
    if (circular != circular_) SetCircular(circular);
    if (skipDetail) return true;

    // The input of the combination.
    std::function<bool()> detail;
    const DialogSlotBase* slot = nullptr;
    if (circular_) {
        if (mode_ == kIndividual) {
            detail = [this] { return EditIndividualCircle(); };
            slot = &CircleInputDialogsSlot();
        } else if (mode_ == kSearchType1) {
            detail = [this] { return EditSearchType1(); };
            slot = &CircleInputDialogsSlot();
        } else if (mode_ == kSearchType2) {
            detail = [this] { return EditSearchType2(); };
            slot = &FixedGridSearchSheetSlot();
        }
    } else if (mode_ == kIndividual) {
        // Data-entry style 1 opens the list-style windows instead of the tables.
        if (DataEntryStyle() == 1) {
            detail = [this] { return EditNoncircularPointsInDialog(); };
            slot = &AnalysisListDialogsSlot();
        } else {
            detail = [this] { return EditNoncircularPointsInTable(); };
            slot = &SimpleXYLineGridDialogSlot();
        }
    } else if (mode_ == kSearchType1) {
        if (DataEntryStyle() == 1) {
            detail = [this, &searchEntered] {
                return searchEntered = EditNoncircularSearchInDialog();
            };
            slot = &AnalysisListDialogsSlot();
        } else {
            detail = [this, &searchEntered] {
                return searchEntered = EditNoncircularSearchInTable();
            };
            slot = &NoncircularSearchDialogSlot();
        }
    }
    if (!detail) return true;
    if (!RunDialogCommand(*slot, detail)) return false;
    hasData_ = true;
    return true;
}

namespace {

s_RadiusFieldsType RadiusFieldsOf(int option, double radius, double x, double y,
                                  const Cpp_TangentLine& tangent) {
    s_RadiusFieldsType fields;
    fields.option = option;
    fields.radius = radius;
    fields.fixedX = x;
    fields.fixedY = y;
    fields.tangentElevation = tangent.GetElevation();
    fields.tangentKind = 0;
    if (option == Cpp_RadiusDefinition::kTangentLine &&
        tangent.GetOption() == Cpp_TangentLine::kIrregular) {
        fields.tangentKind = 1;
        fields.tangentPoints = tangent.Points();
    }
    return fields;
}

// The tangent line of the fields. An irregular line takes the points only when there are at
// least two (the dialogs refuse fewer), so no line is ever stored that cannot be read back.
void StoreTangentLine(const s_RadiusFieldsType& fields, Cpp_TangentLine& tangent) {
    if (fields.tangentKind == 0) {
        tangent.ChangeOption(Cpp_TangentLine::kHorizontal);
        tangent.SetElevation(fields.tangentElevation);
    } else if (fields.tangentKind == 1 && fields.tangentPoints.size() >= 2) {
        tangent.SetIrregularPoints(fields.tangentPoints.data(),
                                   static_cast<int>(fields.tangentPoints.size()));
    }
}

}  // namespace

bool Cpp_AnalysisComputationData::EditIndividualCircle() {
    s_CircleInputType record;
    record.centreX = circleCentre_.x;
    record.centreY = circleCentre_.y;
    record.radius =
        RadiusFieldsOf(radiusOption_, radius_, throughPoint_.x, throughPoint_.y, tangent_);
    if (!CircleInputDialogsSlot().Get().IndividualCircle(record)) return false;
    circleCentre_ = {record.centreX, record.centreY};
    if (record.radius.option >= 0) radiusOption_ = record.radius.option;
    radius_ = record.radius.radius;
    throughPoint_ = {record.radius.fixedX, record.radius.fixedY};
    if (radiusOption_ == Cpp_RadiusDefinition::kTangentLine)
        StoreTangentLine(record.radius, tangent_);
    return true;
}

bool Cpp_AnalysisComputationData::EditSearchType1() {
    s_CircleInputType record;
    record.centreX = startCentre_.x;
    record.centreY = startCentre_.y;
    record.radius =
        RadiusFieldsOf(radiusOption_, radius_, throughPoint_.x, throughPoint_.y, tangent_);
    const s_CircleSearch1ToolOptions limits = SearchLimits();
    record.minimumSpacing = limits.minimumSpacing;
    record.minimumDepth = limits.minimumDepth;
    record.centreLimitOn = limits.limitCentres;
    record.centreLimitElevation = limits.limitElevation;
    record.rejectInverted = limits.rejectInverted;
    if (!CircleInputDialogsSlot().Get().SearchType1(record)) return false;
    startCentre_ = {record.centreX, record.centreY};
    if (record.radius.option >= 0) radiusOption_ = record.radius.option;
    radius_ = record.radius.radius;
    throughPoint_ = {record.radius.fixedX, record.radius.fixedY};
    if (radiusOption_ == Cpp_RadiusDefinition::kTangentLine)
        StoreTangentLine(record.radius, tangent_);
    SetSearchLimits({record.minimumSpacing, record.rejectInverted, record.centreLimitOn,
                     record.centreLimitElevation, record.minimumDepth});
    return true;
}

bool Cpp_AnalysisComputationData::EditSearchType2() {
    s_FixedGridPageType grid;
    grid_.ExchangeWithDialog(grid, true);
    s_RadiusCriteriaType criteria = CriteriaOf(radiusDefinitions_);
    if (!FixedGridSearchSheetSlot().Get().Run(grid, criteria)) return false;
    grid_.ExchangeWithDialog(grid, false);
    StoreCriteria(criteria, radiusDefinitions_);
    return true;
}

bool Cpp_AnalysisComputationData::EditRadiusDefinitions() {
    s_RadiusCriteriaType criteria = CriteriaOf(radiusDefinitions_);
    if (!RadiusDefinitionsDialogSlot().Get().Run(criteria)) return false;
    StoreCriteria(criteria, radiusDefinitions_);
    return true;
}

bool Cpp_AnalysisComputationData::EditNoncircularPointsInTable() {
    s_XYLineTable table{"Noncircular Slip Surface", {}, 0};
    for (const Cpp_NoncircularShearSurfacePoint& p : noncircular_.Points())
        table.points.push_back(p.XY());
    if (!SimpleXYLineGridDialogSlot().Get().Run(table)) return false;
    noncircular_.DeleteAllPoints();
    for (const s_tagTypePointXY& p : table.points) noncircular_.AddPoint(p.x, p.y, 0.0, true, true);
    return true;
}

bool Cpp_AnalysisComputationData::EditNoncircularPointsInDialog() {
    s_XYLineListType record;
    record.caption = "Noncircular Slip Surface";
    for (const Cpp_NoncircularShearSurfacePoint& p : noncircular_.Points())
        record.points.push_back(p.XY());
    record.sortByX = true;
    if (!AnalysisListDialogsSlot().Get().XYLine(record)) return false;
    noncircular_.DeleteAllPoints();
    for (const s_tagTypePointXY& p : record.points)
        noncircular_.AddPoint(p.x, p.y, 0.0, true, true);
    return true;
}

bool Cpp_AnalysisComputationData::EditNoncircularSearchInDialog() {
    return EditNoncircularSearch([](s_NoncircularSearchType& record) {
        return AnalysisListDialogsSlot().Get().NoncircularSearch(record);
    });
}

bool Cpp_AnalysisComputationData::EditNoncircularSearchInTable() {
    return EditNoncircularSearch([](s_NoncircularSearchType& record) {
        return NoncircularSearchDialogSlot().Get().Run(record);
    });
}

bool Cpp_AnalysisComputationData::EditNoncircularSearch(
    const std::function<bool(s_NoncircularSearchType&)>& run) {
    s_NoncircularSearchType record;
    record.initialShift = initialShift_;
    record.finalShift = finalShift_;
    record.maximumSteepness = maximumSteepnessDegrees_;
    record.points = noncircular_.Points();
    if (!run(record)) return false;
    noncircular_.DeleteAllPoints();
    for (const Cpp_NoncircularShearSurfacePoint& p : record.points)
        noncircular_.AddPoint(p.X(), p.Y(), p.GetShiftAngleDegrees(), p.IsMoveable(),
                              p.IsShiftDirectionComputed());
    SetShiftDistances(record.initialShift, record.finalShift);
    SetMaximumSteepness(record.maximumSteepness);
    return true;
}

s_CircleSearch1ToolOptions Cpp_AnalysisComputationData::SearchLimits() const {
    return {requiredAccuracy_, noInverted_, lowestCentreGiven_, lowestCentre_, lowestSlipSurface_};
}

void Cpp_AnalysisComputationData::SetSearchLimits(const s_CircleSearch1ToolOptions& limits) {
    requiredAccuracy_ = limits.minimumSpacing;
    lowestSlipSurface_ = limits.minimumDepth;
    // The elevation is kept whether or not the limit is on.
    lowestCentreGiven_ = limits.limitCentres;
    lowestCentre_ = limits.limitElevation;
    noInverted_ = limits.rejectInverted;
}

bool Cpp_AnalysisComputationData::EditCircleSearch1ToolOptions() {
    s_CircleSearch1ToolOptions options = SearchLimits();
    if (!ToolOptionDialogsSlot().Get().CircleSearch1(options)) return false;
    SetSearchLimits(options);
    return true;
}

bool Cpp_AnalysisComputationData::EditFixedGridToolOptions() { return grid_.EditToolOptions(); }

int& Cpp_AnalysisComputationData::NoncircularToolSnapOption() {
    static int option = 0;
    return option;
}

double& Cpp_AnalysisComputationData::NoncircularToolSnapTolerance() {
    static double tolerance = 1.0;
    return tolerance;
}

bool Cpp_AnalysisComputationData::EditNoncircularToolOptions() {
    s_NoncircularToolOptions options;
    options.snap = NoncircularToolSnapOption();
    options.initialShift = initialShift_;
    options.finalShift = finalShift_;
    options.maximumSteepness = maximumSteepnessDegrees_;
    options.tolerance = NoncircularToolSnapTolerance();
    if (!ToolOptionDialogsSlot().Get().Noncircular(options)) return false;
    NoncircularToolSnapOption() = options.snap;
    initialShift_ = options.initialShift;
    finalShift_ = options.finalShift;
    maximumSteepnessDegrees_ = options.maximumSteepness;
    NoncircularToolSnapTolerance() = options.tolerance;
    return true;
}
