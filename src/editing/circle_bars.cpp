#include "editing/circle_bars.h"

#include "analysis/analysis_computation_data.h"
#include "analysis/radius_definition.h"
#include "core/preferences.h"
#include "model/data_set.h"
#include "model/data_sets.h"

#include <cmath>

namespace {

Cpp_AnalysisComputationData* Analysis() {
    Cpp_Kliven4DataSet* dataSet = Cpp_Kliven4Data::CurrentDataSetOrNull();
    return dataSet ? dataSet->AnalysisComputationData() : nullptr;
}

// The circle mode of the current analysis data; 0 without circular data.
int CircleMode() {
    const Cpp_AnalysisComputationData* a = Analysis();
    return a && a->IsCircular() ? a->GetMode() : 0;
}

// The list index of a definition: 0 constant, 1 fixed point, 2 horizontal tangent, 3
// irregular tangent; -1 for none of these.
int DefinitionIndex(const Cpp_RadiusDefinition& d) {
    switch (d.GetOption()) {
    case Cpp_RadiusDefinition::kGivenRadius: return 0;
    case Cpp_RadiusDefinition::kFixedPoint: return 1;
    case Cpp_RadiusDefinition::kTangentLine:
        return d.GetTangentLine()->GetOption() == Cpp_TangentLine::kIrregular ? 3 : 2;
    default: return -1;
    }
}

// The single radius definition of an individual circle or of the floating-grid search.
Cpp_RadiusDefinition SingleDefinition(const Cpp_AnalysisComputationData& a) {
    Cpp_RadiusDefinition d;
    switch (a.GetRadiusOption()) {
    case 1: d.SetFixedPoint(a.GetThroughPointX(), a.GetThroughPointY()); break;
    case 2:
        d.SetOption(Cpp_RadiusDefinition::kTangentLine);
        *d.GetTangentLine() = *a.GetTangentLine();
        break;
    default: d.SetGivenRadius(a.GetRadius()); break;
    }
    return d;
}

int ModeFromIndex(int index) {
    static constexpr int modes[] = {1, 3, 4};
    return index >= 0 && index <= 2 ? modes[index] : 0;
}

int KindFromIndex(int index, bool& irregular) {
    irregular = index == 3;
    return index >= 0 && index <= 3 ? (index == 3 ? 2 : index) : -1;
}

int IndexFromKind(int kind, bool irregular) {
    if (kind == 2) return irregular ? 3 : 2;
    return kind == 0 || kind == 1 ? kind : -1;
}

}  // namespace

// ---------------------------------------------------------------------------------------------
// Circle bar

std::vector<s_BarControl> CmDialogBarCircleTool::Layout() const {
    return {BarLabel("Mode:"),
            BarCombo(IdMode, {"Individual", "Search - Floating Grid", "Search - Fixed Grid"}),
            BarLabel("X:"),
            BarEdit(IdX),
            BarLabel("Y:"),
            BarEdit(IdY),
            BarLabel("Radius Def:", IdRadiusLabel),
            BarCombo(IdRadius, {"Constant", "Fixed Point", "Horiz. Tangent", "Irreg. Tangent"}),
            BarButton(IdRadiusDefs, "Radius Def's"),
            BarLabel("Radius:", IdFirstLabel),
            BarEdit(IdFirst),
            BarLabel("Y:", IdSecondLabel),
            BarEdit(IdSecond),
            BarButton(IdOptions, "Options")};
}

void CmDialogBarCircleTool::DoDataExchange(BarExchange& dx) {
    dx.Choice(IdMode, mode_);
    dx.Choice(IdRadius, radius_);
    dx.Number(IdX, x_);
    dx.Number(IdY, y_);
    dx.Number(IdFirst, first_);
    dx.Number(IdSecond, second_);
    dx.Text(IdFirstLabel, firstLabel_);
}

void CmDialogBarCircleTool::OnInitDialog() {
    const std::vector<int> keys{IdX, IdY, IdFirst, IdSecond, IdMode, IdRadius};
    SetKeyControls(keys, keys, -1);
    if (firstLabel_.empty()) firstLabel_ = Controls().Text(IdFirstLabel);
    CmDialogBar::OnInitDialog();
    ShowFields();
}

void CmDialogBarCircleTool::ShowFields() {
    const int mode = ModeFromIndex(mode_);
    if (mode == 1 || mode == 3 || mode == 4) {
        optionsEnabled_ = mode != 1;
        Controls().Enable(IdOptions, optionsEnabled_);
    }
    if (mode == 1 || mode == 3) {
        bool first = true, second = false;
        switch (radius_) {
        case 0: firstLabel_ = "Radius:"; break;
        case 1:
            firstLabel_ = "X:";
            second = true;
            break;
        case 2: firstLabel_ = "Elev. (Y):"; break;
        case 3:
            firstLabel_.clear();
            first = false;
            break;
        default: break;
        }
        Show({IdFirstLabel, IdFirst}, first);
        Enable({IdFirstLabel, IdFirst}, first);
        Show({IdSecondLabel, IdSecond}, second);
        Enable({IdSecondLabel, IdSecond}, second);
        Show({IdRadiusLabel, IdRadius}, true);
        Controls().Enable(IdRadius, true);
        Show({IdRadiusDefs}, false);
        Enable({IdRadiusDefs}, false);
        Controls().SetText(IdFirstLabel, firstLabel_);
    } else if (mode == 4) {
        Show({IdFirstLabel, IdFirst, IdSecondLabel, IdSecond, IdRadiusLabel, IdRadius}, false);
        Show({IdRadiusDefs}, true);
        Enable({IdRadiusDefs}, true);
    }
    FocusXEdit();
}

void CmDialogBarCircleTool::OnControl(int id) {
    switch (id) {
    case IdMode:
        ReadQuietly();
        ShowFields();
        if (onModeChanged) onModeChanged(ModeFromIndex(mode_));
        break;
    case IdRadius: {
        ReadQuietly();
        ShowFields();
        Write();
        bool irregular = false;
        const int kind = KindFromIndex(radius_, irregular);
        if (onRadiusOptionChanged) onRadiusOptionChanged(kind, irregular);
        break;
    }
    case IdOptions:
        ReadQuietly();
        if (mode_ == 1 || mode_ == 2) CmDialogBar::OnControl(id);
        break;
    case IdRadiusDefs:
        ReadQuietly();
        if (mode_ == 2) CmDialogBar::OnControl(id);
        break;
    default: CmDialogBar::OnControl(id); break;
    }
}

void CmDialogBarCircleTool::SetEntryOption(int option) {
    entryOption_ = option;
    switch (option) {
    case 1:
        Controls().Enable(IdMode, true);
        Controls().Enable(IdRadius, false);
        break;
    case 2:
    case 3:
        Enable({IdMode, IdRadius, IdFirst, IdSecond}, false);
        Enable({IdX, IdY}, true);
        break;
    case 4:
        Enable({IdMode, IdX, IdY}, false);
        Enable({IdRadius, IdFirst, IdSecond}, true);
        break;
    default: break;
    }
}

bool CmDialogBarCircleTool::GetCircleData(int& mode, double& x, double& y, int& kind,
                                          bool& irregular, double& first, double& second) {
    if (!InRange(entryOption_, 1, 4) || !Read()) return false;
    mode = ModeFromIndex(mode_);
    x = x_;
    y = y_;
    kind = KindFromIndex(radius_, irregular);
    first = first_;
    second = second_;
    return true;
}

bool CmDialogBarCircleTool::GetCenter(double& x, double& y) {
    if (!InRange(entryOption_, 1, 4) || !Read()) return false;
    x = x_;
    y = y_;
    return true;
}

int CmDialogBarCircleTool::GetMode() {
    ReadQuietly();
    return ModeFromIndex(mode_);
}

int CmDialogBarCircleTool::GetRadiusKind(bool& irregular) {
    ReadQuietly();
    return KindFromIndex(radius_, irregular);
}

bool CmDialogBarCircleTool::SetCircleData(int mode, double x, double y, int kind, bool irregular,
                                          double first, double second) {
    ReadQuietly();
    if (mode == 1) mode_ = 0;
    if (mode == 3) mode_ = 1;
    if (mode == 4) mode_ = 2;
    const int option = entryOption_;
    if (option == 1 || option == 2 || option == 4) {
        x_ = x;
        y_ = y;
        if (IndexFromKind(kind, irregular) >= 0) radius_ = IndexFromKind(kind, irregular);
        first_ = first;
        second_ = second;
    } else if (option == 3) {
        x_ = x;
        y_ = y;
    } else {
        return false;
    }
    Write();
    ShowFields();
    return true;
}

bool CmDialogBarCircleTool::SetCenter(double x, double y) {
    if (!InRange(entryOption_, 1, 4)) return false;
    ReadQuietly();
    x_ = x;
    y_ = y;
    Write();
    return true;
}

bool CmDialogBarCircleTool::SetRadiusValues(double first, double second) {
    if (entryOption_ != 1 && entryOption_ != 4) return false;
    ReadQuietly();
    first_ = first;
    second_ = second;
    Write();
    return true;
}

// ---------------------------------------------------------------------------------------------
// Radius bar

std::vector<s_BarControl> CmDialogBarRadiusTool::Layout() const {
    return {BarLabel("Criterion:", IdCriterionLabel),
            BarCombo(IdCriterion, {}),
            BarButton(IdDelete, "Delete"),
            BarLabel("Radius Def'n:", IdDefinitionLabel),
            BarCombo(IdDefinition,
                     {"Constant", "Fixed Point", "Horizontal Tangent", "Irregular Tangent"}),
            BarLabel("Radius:", IdFirstLabel),
            BarEdit(IdFirst),
            BarLabel("Y:", IdSecondLabel),
            BarEdit(IdSecond)};
}

void CmDialogBarRadiusTool::DoDataExchange(BarExchange& dx) {
    dx.Number(IdFirst, first_);
    dx.Choice(IdCriterion, criterion_);
    dx.Choice(IdDefinition, definition_);
    dx.Number(IdSecond, second_);
    dx.Text(IdFirstLabel, firstLabel_);
}

void CmDialogBarRadiusTool::OnInitDialog() {
    const std::vector<int> keys{IdCriterion, IdFirst, IdSecond, IdDefinition};
    SetKeyControls(keys, keys, -1);
    CmDialogBar::OnInitDialog();
    SetValueFields(0, false, false);
}

std::string CmDialogBarRadiusTool::DefinitionText(const Cpp_RadiusDefinition& definition,
                                                  int number) {
    static const char* const texts[] = {"Constant radius", "Fixed point", "Horizontal tangent",
                                        "Irregular tangent"};
    const int index = DefinitionIndex(definition);
    if (index < 0) return {};
    return number > 0 ? "(" + std::to_string(number) + ") " + texts[index] : texts[index];
}

void CmDialogBarRadiusTool::SetEntryOption(int option) {
    entryOption_ = option;
    if (option == 1) {
        Enable({IdCriterionLabel, IdCriterion, IdDefinitionLabel, IdDefinition, IdDelete}, true);
    } else if (option == 2) {
        Enable({IdCriterionLabel, IdCriterion, IdDefinitionLabel, IdDefinition, IdDelete}, false);
        Show({IdDelete}, false);
    }
}

bool CmDialogBarRadiusTool::GetRadiusValue(double& value) {
    if (!Read()) return false;
    value = first_;
    return true;
}

bool CmDialogBarRadiusTool::GetRadiusPoint(s_tagTypePointXY& point) {
    if (!Read()) return false;
    point = {first_, second_};
    return true;
}

int CmDialogBarRadiusTool::GetRadiusKind(bool& irregular) {
    ReadQuietly();
    return KindFromIndex(definition_, irregular);
}

void CmDialogBarRadiusTool::SetRadiusData(int kind, bool irregular, double first, double second) {
    ReadQuietly();
    definition_ = IndexFromKind(kind, irregular);
    first_ = first;
    second_ = second;
    Write();
}

void CmDialogBarRadiusTool::UpdateFromPoint(double x, double y, bool round) {
    ReadQuietly();
    switch (definition_) {
    case 0: {
        s_tagTypePointXY centre;
        if (const Cpp_AnalysisComputationData* a = Analysis()) centre = a->CurrentCenter();
        first_ = std::hypot(x - centre.x, y - centre.y);
        if (round) first_ = Cpp_KlivenSettings::RoundLength(first_);
        break;
    }
    case 1:
    case 3:
        first_ = x;
        second_ = y;
        break;
    case 2: first_ = y; break;
    default: break;
    }
    Write();
}

bool CmDialogBarRadiusTool::ApplyToRadiusDefinition(Cpp_RadiusDefinition& definition) {
    if (!Read()) return false;
    switch (DefinitionIndex(definition)) {
    case 0: definition.SetGivenRadius(first_); return true;
    case 1: definition.SetFixedPoint(first_, second_); return true;
    case 2: definition.GetTangentLine()->SetElevation(first_); return true;
    case 3: {
        auto& points = definition.GetTangentLine()->Points();
        if (points.empty())
            definition.GetTangentLine()->AddPoint(first_, second_);
        else
            points.front() = {first_, second_};
        return true;
    }
    default: return false;
    }
}

void CmDialogBarRadiusTool::SetValueFields(int kind, bool irregular, bool hide) {
    bool first = true, second = false;
    if (kind == 0) {
        firstLabel_ = "Radius:";
    } else if (kind == 1) {
        firstLabel_ = "X:";
        second = true;
    } else if (kind == 2 && !irregular) {
        firstLabel_ = "Elev. (Y):";
    } else if (kind == 2) {
        firstLabel_ = "X:";
        first = second = !hide;
    } else {
        return;
    }
    Show({IdFirstLabel, IdFirst}, first);
    Enable({IdFirstLabel, IdFirst}, first);
    Show({IdSecondLabel, IdSecond}, second);
    Enable({IdSecondLabel, IdSecond}, second);
    Write();
}

void CmDialogBarRadiusTool::LoadRadiusDefinition(const Cpp_RadiusDefinition& definition) {
    const int index = DefinitionIndex(definition);
    bool irregular = false;
    const int kind = KindFromIndex(index, irregular);
    definition_ = index;
    switch (index) {
    case 0: first_ = definition.RadiusAt(0, 0); break;
    case 1:
        first_ = definition.GetFixedPoint().x;
        second_ = definition.GetFixedPoint().y;
        break;
    case 2: first_ = definition.GetTangentLine()->GetElevation(); break;
    case 3:
        if (!definition.GetTangentLine()->Points().empty()) {
            first_ = definition.GetTangentLine()->Points().front().x;
            second_ = definition.GetTangentLine()->Points().front().y;
        }
        break;
    default: return;
    }
    SetValueFields(kind, irregular, false);
}

void CmDialogBarRadiusTool::SetFromRadiusDefinition(int number,
                                                    const Cpp_RadiusDefinition& definition,
                                                    const s_tagTypePointXY& point, bool hide) {
    ReadQuietly();
    Controls().SetItems(IdCriterion,
                        number > 0 ? std::vector<std::string>{DefinitionText(definition, number)}
                                   : std::vector<std::string>{});
    criterion_ = number > 0 ? 0 : -1;
    Write();
    if (DefinitionIndex(definition) == 3) {
        definition_ = 3;
        first_ = point.x;
        second_ = point.y;
        SetValueFields(2, true, hide);
    } else {
        LoadRadiusDefinition(definition);
    }
}

void CmDialogBarRadiusTool::ArrangeControls() {
    const int mode = CircleMode();
    if (mode == 1 || mode == 3) {
        Enable({IdCriterionLabel, IdCriterion, IdDelete}, false);
        Show({IdCriterionLabel, IdCriterion, IdDelete}, false);
    } else if (mode == 4) {
        Enable({IdCriterionLabel, IdCriterion, IdDelete}, true);
        Show({IdCriterionLabel, IdCriterion, IdDelete}, true);
    }
}

void CmDialogBarRadiusTool::LoadCriterion(int index) {
    Cpp_AnalysisComputationData* a = Analysis();
    if (!a || !a->IsCircular()) return;
    if (a->GetMode() == 3) {
        LoadRadiusDefinition(SingleDefinition(*a));
    } else if (a->GetMode() == 4 && index >= 0) {
        if (const Cpp_RadiusDefinition* d = a->GetRadiusDefinitionList().GetNth(index + 1))
            LoadRadiusDefinition(*d);
    }
    Write();
}

void CmDialogBarRadiusTool::FillCriterionList() {
    ReadQuietly();
    std::vector<std::string> items;
    Cpp_AnalysisComputationData* a = Analysis();
    const int mode = CircleMode();
    if (mode == 3) {
        items.push_back(DefinitionText(SingleDefinition(*a), 0));
    } else if (mode == 4) {
        const Cpp_RadiusDefinitionList& list = a->GetRadiusDefinitionList();
        for (int n = 1; n <= list.GetCount(); ++n)
            items.push_back(DefinitionText(*list.GetNth(n), n));
        if (items.empty()) items.push_back("<None>");
    }
    Controls().SetItems(IdCriterion, items);
    if (mode == 3 || mode == 4) {
        ArrangeControls();
        Enable({IdCriterionLabel, IdCriterion}, mode == 4);
    }
    criterion_ = static_cast<int>(items.size()) - 1;
    Write();
    if (criterion_ >= 0) LoadCriterion(criterion_);
}

void CmDialogBarRadiusTool::RefreshCriterionList() {
    if (entryOption_ != 1) return;
    Cpp_AnalysisComputationData* a = Analysis();
    const int mode = CircleMode();
    if (mode == 3) {
        Controls().SetItems(IdCriterion, {DefinitionText(SingleDefinition(*a), 0)});
        Controls().Enable(IdCriterion, false);
        criterion_ = 0;
        Write();
        LoadCriterion(0);
    } else if (mode == 4) {
        const Cpp_RadiusDefinitionList& list = a->GetRadiusDefinitionList();
        const int count = list.GetCount();
        if (count < 1) return;
        std::vector<std::string> items = Controls().Items(IdCriterion);
        if (count == 1) items.clear();  // "<None>" goes
        items.push_back(DefinitionText(*list.GetNth(count), count));
        ReadQuietly();
        Controls().SetItems(IdCriterion, items);
        criterion_ = static_cast<int>(items.size()) - 1;
        Write();
    }
}

void CmDialogBarRadiusTool::DeleteCriterion() {
    ReadQuietly();
    Cpp_AnalysisComputationData* a = Analysis();
    if (CircleMode() != 4 || criterion_ < 0) return;
    Cpp_RadiusDefinitionList& list = a->GetRadiusDefinitionList();
    if (list.GetCount() < 1) return;
    const int position = criterion_;
    if (!list.RemoveNth(position + 1)) return;
    FillCriterionList();
    const int count = static_cast<int>(Controls().Items(IdCriterion).size());
    if (position < count) {
        criterion_ = position;
        Write();
        LoadCriterion(position);
    } else {
        criterion_ = -1;  // the deleted one was the last: the fields keep the new last one's
        Write();
    }
}

void CmDialogBarRadiusTool::OnControl(int id) {
    switch (id) {
    case IdCriterion: LoadCriterion((ReadQuietly(), criterion_)); break;
    case IdDefinition: {
        ReadQuietly();
        bool irregular = false;
        const int kind = KindFromIndex(definition_, irregular);
        SetValueFields(kind, irregular, false);
        const int mode = CircleMode();
        if (mode == 1 || mode == 3) {
            Cpp_RadiusDefinition d;
            if (kind == 1) d.SetFixedPoint(0, 0);
            if (kind == 2) {
                d.SetOption(Cpp_RadiusDefinition::kTangentLine);
                d.GetTangentLine()->ChangeOption(irregular ? Cpp_TangentLine::kIrregular
                                                           : Cpp_TangentLine::kHorizontal);
            }
            Controls().SetItems(IdCriterion, {DefinitionText(d, 0)});
            Controls().Enable(IdCriterion, false);
            criterion_ = 0;
            const Cpp_AnalysisComputationData& a = *Analysis();
            if (kind == 0) first_ = a.GetRadius();
            if (kind == 1) {
                first_ = a.GetThroughPointX();
                second_ = a.GetThroughPointY();
            }
            if (kind == 2 && !irregular) first_ = a.GetTangentLine()->GetElevation();
        }
        Write();
        break;
    }
    case IdDelete: DeleteCriterion(); break;
    default: CmDialogBar::OnControl(id); break;
    }
}
