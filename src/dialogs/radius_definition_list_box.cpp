#include "dialogs/radius_definition_list_box.h"

#include "core/format_text.h"
#include "core/preferences.h"
#include "core/text_formats.h"
#include "gridctrl/grid_ctrl_kdx.h"

namespace dialogs {

std::string RadiusDefinitionListBox::LineText(const Cpp_RadiusDefinition& definition) {
    switch (definition.GetOption()) {
    case Cpp_RadiusDefinition::kGivenRadius:
        return FormatText("Specified radius = %1.2f", definition.GetGivenRadius());
    case Cpp_RadiusDefinition::kFixedPoint: {
        const s_tagTypePointXY p = definition.GetFixedPoint();
        return FormatText("Point through which circles pass - X: %1.2f, Y: %1.2f", p.x, p.y);
    }
    case Cpp_RadiusDefinition::kTangentLine: {
        const Cpp_TangentLine& line = *definition.GetTangentLine();
        if (line.GetOption() == Cpp_TangentLine::kIrregular && line.NumberOfPoints() > 0) {
            const s_tagTypePointXY first = line.Points().front();
            return FormatText("Irregular tangent line w/ %1d pts - First Pt. X: %1.2f, Y: %1.2f",
                              line.NumberOfPoints(), first.x, first.y);
        }
        return FormatText("Horizontal tangent line at Y = %1.2f", line.GetElevation());
    }
    default: return "";
    }
}

void RadiusDefinitionListBox::Fill(RadiusControlsView* owner, gridctrl::CGridCtrlKDX* grid,
                                   int numberOfPoints) {
    owner_ = owner;
    grid_ = grid;
    std::string format;
    Cpp_Strings::MakeNumberFormat(1, 1, Cpp_KlivenSettings::CoordinateDecimals(), format);
    const gridctrl::CGridColumnDescriptor skip;
    const gridctrl::CGridColumnDescriptor real{gridctrl::kDoubleColumn, false, format};
    grid_->SetupTable(3, numberOfPoints <= 8 ? 7 : numberOfPoints + 1, false, {"Item", "X", "Y"},
                      "Point", {}, {skip, real, real}, 0, 100, -1, 0);
}

void RadiusDefinitionListBox::SetButtonIds(std::vector<Cpp_RadiusDefinition>* definitions) {
    definitions_ = definitions;
    current_ = -1;
}

void RadiusDefinitionListBox::FormatDefinition() {
    if (!definitions_) return;
    for (std::size_t i = 0; i < definitions_->size(); ++i)
        owner_->InsertListLine(static_cast<int>(i), LineText((*definitions_)[i]));
}

bool RadiusDefinitionListBox::FormatItem(const s_RadiusFieldsType& fields) {
    if (!definitions_ || current_ < 0 || current_ >= static_cast<int>(definitions_->size()))
        return false;
    Cpp_RadiusDefinition& definition = (*definitions_)[current_];
    switch (fields.option) {
    case Cpp_RadiusDefinition::kGivenRadius: definition.SetGivenRadius(fields.radius); break;
    case Cpp_RadiusDefinition::kFixedPoint:
        definition.SetFixedPoint(fields.fixedX, fields.fixedY);
        break;
    case Cpp_RadiusDefinition::kTangentLine: {
        Cpp_TangentLine& line = *definition.GetTangentLine();
        if (fields.tangentKind == 1) {
            std::vector<s_tagTypePointXY> points;
            if (!ReadSelection(points)) return false;
            line.ChangeOption(Cpp_TangentLine::kIrregular);
            line.SetIrregularPoints(points.data(), static_cast<int>(points.size()));
        } else {
            line.ChangeOption(Cpp_TangentLine::kHorizontal);
            line.SetElevation(fields.tangentElevation);
        }
        definition.SetOption(Cpp_RadiusDefinition::kTangentLine);
        break;
    }
    default: return false;
    }
    const bool selected = owner_->ListSelection() == current_;
    owner_->DeleteListLine(current_);
    owner_->InsertListLine(current_, LineText(definition));
    if (selected) owner_->SetListSelection(current_);
    return true;
}

bool RadiusDefinitionListBox::AddCriterionLine(const s_RadiusFieldsType& fields) {
    if (!definitions_) return false;
    if (current_ >= 0 && !FormatItem(fields)) return false;
    const int index = owner_->ListLineCount();
    owner_->InsertListLine(index, FormatText("Criterion number %1d", index + 1));
    definitions_->emplace_back();
    current_ = index;
    return true;
}

bool RadiusDefinitionListBox::GetDefinitionValues(s_RadiusFieldsType& fields) {
    if (!definitions_) return false;
    if (current_ >= 0 && !FormatItem(fields)) {
        owner_->SetListSelection(current_);
        return false;
    }
    current_ = owner_->ListSelection();
    if (current_ >= 0 && current_ < static_cast<int>(definitions_->size())) {
        const Cpp_RadiusDefinition& definition = (*definitions_)[current_];
        fields.option = definition.GetOption();
        switch (fields.option) {
        case Cpp_RadiusDefinition::kGivenRadius: fields.radius = definition.GetGivenRadius(); break;
        case Cpp_RadiusDefinition::kFixedPoint: {
            const s_tagTypePointXY p = definition.GetFixedPoint();
            fields.fixedX = p.x;
            fields.fixedY = p.y;
            break;
        }
        case Cpp_RadiusDefinition::kTangentLine: {
            const Cpp_TangentLine& line = *definition.GetTangentLine();
            if (line.GetOption() == Cpp_TangentLine::kIrregular) {
                fields.tangentKind = 1;
                SetGridPoints(line.Points());
            } else {
                fields.tangentKind = 0;
                fields.tangentElevation = line.GetElevation();
            }
            break;
        }
        default: break;
        }
        owner_->ShowMembers();
    } else {
        current_ = -1;
    }
    UpdateButtons(fields);
    return true;
}

void RadiusDefinitionListBox::DeleteCurrent(s_RadiusFieldsType& fields) {
    if (!definitions_ || current_ < 0) return;
    owner_->DeleteListLine(current_);
    const int lines = owner_->ListLineCount();
    owner_->SetListSelection(current_ < lines ? current_ : lines - 1);
    definitions_->erase(definitions_->begin() + current_);
    current_ = -1;
    GetDefinitionValues(fields);
}

void RadiusDefinitionListBox::ResetContent(const s_RadiusFieldsType& fields) {
    if (definitions_) definitions_->clear();
    current_ = -1;
    owner_->ClearList();
    owner_->SetListSelection(-1);
    UpdateButtons(fields);
}

void RadiusDefinitionListBox::UpdateButtons(const s_RadiusFieldsType& fields) {
    switch (fields.option) {
    case Cpp_RadiusDefinition::kGivenRadius:
    case Cpp_RadiusDefinition::kFixedPoint: {
        const bool radius = fields.option == Cpp_RadiusDefinition::kGivenRadius;
        owner_->EnableRadius(radius);
        owner_->EnableFixedPoint(!radius);
        owner_->EnableElevation(false);
        owner_->EnableTangentKind(false);
        EnableGrid(false);
        break;
    }
    case Cpp_RadiusDefinition::kTangentLine:
        owner_->EnableRadius(false);
        owner_->EnableFixedPoint(false);
        owner_->EnableTangentKind(true);
        owner_->EnableElevation(fields.tangentKind != 1);
        EnableGrid(fields.tangentKind == 1);
        break;
    default: break;
    }
}

void RadiusDefinitionListBox::DeleteSelected(const s_RadiusFieldsType& fields,
                                             const std::vector<s_tagTypePointXY>& points) {
    switch (fields.option) {
    case Cpp_RadiusDefinition::kGivenRadius:
    case Cpp_RadiusDefinition::kFixedPoint:
        owner_->EnableElevation(false);
        EnableGrid(false);
        owner_->EnableTangentKind(false);
        break;
    case Cpp_RadiusDefinition::kTangentLine: {
        const bool irregular = fields.tangentKind == 1;
        owner_->EnableRadius(false);
        owner_->EnableFixedPoint(false);
        owner_->EnableTangentKind(true);
        owner_->EnableElevation(!irregular);
        EnableGrid(irregular);
        if (irregular && !points.empty()) SetGridPoints(points);
        break;
    }
    default: break;
    }
}

void RadiusDefinitionListBox::EnableGrid(bool enable) {
    if (!enable) grid_->ClearCellTexts();
    grid_->EnableGrid(enable);
}

bool RadiusDefinitionListBox::ReadSelection(std::vector<s_tagTypePointXY>& points) {
    int lastRow = 0;
    if (!grid_->ValidateTableData(&lastRow, 2, -1)) return false;
    gridctrl::TableValues rows;
    if (!grid_->GetTableValuesSorted(rows, 2, -1, -1)) return false;
    points.clear();
    for (const gridctrl::TableRow& row : rows) points.push_back({row[0].number, row[1].number});
    return true;
}

bool RadiusDefinitionListBox::SetGridPoints(const std::vector<s_tagTypePointXY>& points) {
    if (points.empty()) return false;
    gridctrl::TableValues rows(points.size());
    for (std::size_t i = 0; i < points.size(); ++i) {
        rows[i][0].number = points[i].x;
        rows[i][1].number = points[i].y;
    }
    return grid_->SetTableValues(rows);
}

}  // namespace dialogs
