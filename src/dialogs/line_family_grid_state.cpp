#include "dialogs/line_family_grid_state.h"

#include "core/message_boxes.h"
#include "core/preferences.h"
#include "dialogs/table_grid.h"
#include "gridctrl/grid_ctrl_kdx.h"
#include "platform/services.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <set>

namespace dialogs {

namespace {

constexpr int kInitialRows = 11;  // the heading and 10 data rows
constexpr int kAutomaticRows = 10;

// What differs by kind: texts and the string ids of the messages.
struct s_KindTexts {
    const char* caption;
    const char* description;  // with the line number
    int errorCaptionId;
    int lineNumberTextId;
};

const s_KindTexts& TextsOf(int kind) {
    static const s_KindTexts profile{"Profile Lines", "Profile line %d", 5110, 15110};
    static const s_KindTexts piezometric{"Piezometric Lines", "Piezometric line %d", 5310, 15340};
    static const s_KindTexts reinforcement{"Reinforcement Lines", "Reinforcement line %d", 5710,
                                           15705};
    switch (kind) {
    case s_LineFamilyTable::Piezometric: return piezometric;
    case s_LineFamilyTable::Reinforcement: return reinforcement;
    default: return profile;
    }
}

std::string WithNumber(const char* format, int number) {
    char text[96];
    std::snprintf(text, sizeof text, format, number);
    return text;
}

}  // namespace

CmLineFamilyGridState::CmLineFamilyGridState(const s_LineFamilyTable& table,
                                             gridctrl::CGridCtrlKDX& grid, void* window)
    : fields(table.fields), table_(table), grid_(grid), window_(window) {}

std::string CmLineFamilyGridState::Caption() const {
    std::string caption = TextsOf(table_.kind).caption;
    if (table_.kind == s_LineFamilyTable::Piezometric)
        caption += table_.stage == 1   ? " - Stage 1"
                   : table_.stage == 2 ? " - Stage 2"
                                       : " - Stage ??";
    return caption;
}

std::string CmLineFamilyGridState::DisplayCaption() const {
    return "Display Selections for " + Caption();
}

void CmLineFamilyGridState::Initialize() {
    const std::string coordinate = CoordinateFormat();
    const bool reinforcement = table_.kind == s_LineFamilyTable::Reinforcement;
    std::vector<std::string> titles = {"Item", "X", "Y"};
    std::vector<gridctrl::CGridColumnDescriptor> columns = {
        {}, DoubleColumn(coordinate), DoubleColumn(coordinate)};
    if (reinforcement) {
        const std::string force = FixedFormat(Cpp_KlivenSettings::ForceDecimals());
        titles = {"Item", TitleWithUnit("X", Quantity::Length),
                  TitleWithUnit("Y", Quantity::Length),
                  TitleWithUnit("Long. Force", Quantity::ForcePerLength),
                  TitleWithUnit("Trans. Force", Quantity::ForcePerLength)};
        columns.insert(columns.end(), {DoubleColumn(force), DoubleColumn(force)});
    }
    grid_.SetupTable(static_cast<int>(titles.size()), kInitialRows, false, titles, "Point", {},
                     columns, 0, reinforcement ? 100 : 150, -1, kAutomaticRows);
    SelectLine(table_.lines.empty() ? -1 : 0);
}

std::vector<std::string> CmLineFamilyGridState::ListTexts() const {
    if (table_.lines.empty()) return {kNoLineItem};
    std::vector<std::string> texts;
    for (const s_LineFamilyLine& line : table_.lines) texts.push_back(std::to_string(line.number));
    return texts;
}

void CmLineFamilyGridState::SelectLine(int index) {
    grid_.ClearCellTexts();
    current_ = index < 0 || index >= LineCount() ? -1 : index;
    if (current_ < 0) return;
    const s_LineFamilyLine& line = table_.lines[current_];
    fields.number = line.number;
    fields.description = line.description;
    switch (table_.kind) {
    case s_LineFamilyTable::Profile: fields.materialNumber = line.materialNumber; break;
    case s_LineFamilyTable::Piezometric: fields.unitWeight = line.unitWeight; break;
    default:
        fields.maximumRotation = line.maximumRotation;
        fields.forceOption = line.forceOption;
        break;
    }
    // Every point becomes a row, however long the line.
    gridctrl::TableValues rows(line.points.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const s_LineFamilyPoint& p = line.points[i];
        rows[i][0].number = p.x;
        rows[i][1].number = p.y;
        rows[i][2].number = p.longitudinalForce;
        rows[i][3].number = p.transverseForce;
    }
    grid_.SetTableValues(rows);
}

bool CmLineFamilyGridState::CheckFields(const s_LineFamilyLine& line) const {
    const s_KindTexts& texts = TextsOf(table_.kind);
    int failed = 0;
    if (line.number <= 0)
        failed = texts.lineNumberTextId;
    else if (table_.kind == s_LineFamilyTable::Profile && line.materialNumber <= 0)
        failed = 15120;
    else if (table_.kind == s_LineFamilyTable::Piezometric && !(line.unitWeight > 0.0))
        failed = 15360;
    if (failed == 0) return true;
    ShowErrorFromStringIds(window_, failed, texts.errorCaptionId);
    return false;
}

bool CmLineFamilyGridState::SaveGridToLine(int index, int number) {
    if (index < 0 || index >= LineCount()) return false;
    int last = 0;
    if (!grid_.ValidateTableData(&last, 2, -1)) return false;
    s_LineFamilyLine line = fields;
    line.number = number;
    if (!CheckFields(line)) return false;
    gridctrl::TableValues rows;
    if (!grid_.GetTableValues(rows, 2, -1)) return false;
    if (line.description.empty())
        line.description = WithNumber(TextsOf(table_.kind).description, number);
    // Only the kind's own attributes change; the others keep what the line had.
    const s_LineFamilyLine& old = table_.lines[index];
    if (table_.kind != s_LineFamilyTable::Profile) line.materialNumber = old.materialNumber;
    if (table_.kind != s_LineFamilyTable::Piezometric) line.unitWeight = old.unitWeight;
    if (table_.kind != s_LineFamilyTable::Reinforcement) {
        line.maximumRotation = old.maximumRotation;
        line.forceOption = old.forceOption;
    }
    line.points.clear();
    const bool forces = table_.kind == s_LineFamilyTable::Reinforcement;
    for (const gridctrl::TableRow& row : rows)
        line.points.push_back({row[0].number, row[1].number, forces ? row[2].number : 0.0,
                               forces ? row[3].number : 0.0});
    table_.lines[index] = std::move(line);
    return true;
}

int CmLineFamilyGridState::NextFreeLineNumber() const {
    std::set<int> used;
    for (const s_LineFamilyLine& line : table_.lines) used.insert(line.number);
    int number = 1;
    while (used.count(number)) ++number;
    return number;
}

int CmLineFamilyGridState::NextFreeMaterialNumber() const {
    std::set<int> used;
    for (const s_LineFamilyLine& line : table_.lines) used.insert(line.materialNumber);
    int number = 1;
    while (used.count(number)) ++number;
    return number;
}

std::string CmLineFamilyGridState::DefaultDescription(int number) const {
    return WithNumber(TextsOf(table_.kind).description, number);
}

bool CmLineFamilyGridState::NewLine() {
    // The current line is stored whatever its number says, so its edits are never dropped; a
    // number that cannot be stored is reported and no line is made.
    if (current_ >= 0 && !SaveGridToLine(current_, fields.number)) return false;
    s_LineFamilyLine line;
    line.number = NextFreeLineNumber();
    line.materialNumber = table_.kind == s_LineFamilyTable::Profile ? NextFreeMaterialNumber() : 0;
    line.description = DefaultDescription(line.number);
    // The unit weight, rotation and force option fields keep their values for the new line.
    line.unitWeight = fields.unitWeight;
    line.maximumRotation = fields.maximumRotation;
    line.forceOption = fields.forceOption;
    fields.number = line.number;
    fields.materialNumber = line.materialNumber;
    fields.description = line.description;
    table_.lines.push_back(std::move(line));
    current_ = LineCount() - 1;
    // Without clearing, the previous line's points stay in the grid for the new line.
    if (table_.clearCoordinatesWhenNew) grid_.ClearCellTexts();
    return true;
}

void CmLineFamilyGridState::DeleteLine() {
    if (current_ < 0) return;
    table_.lines.erase(table_.lines.begin() + current_);
    SelectLine(table_.lines.empty() ? -1 : std::min(current_, LineCount() - 1));
}

void CmLineFamilyGridState::DeleteAllLines() {
    if (table_.lines.empty()) return;
    table_.lines.clear();
    SelectLine(-1);
}

bool CmLineFamilyGridState::SwitchTo(int index) {
    if (index < 0 || index >= LineCount()) return false;
    if (index == current_) return true;
    if (current_ >= 0 && !SaveGridToLine(current_, table_.lines[current_].number)) return false;
    SelectLine(index);
    return true;
}

void CmLineFamilyGridState::ShowNotice(void* window, const std::string& text) {
    platform::MessageBoxRequest request;
    request.caption = "Notice";
    request.text = text;
    request.icon = platform::BoxIcon::Information;
    request.owner = platform::BoxOwner::Window;
    request.window = window;
    platform::Services().MessageBoxes().Show(request);
}

bool CmLineFamilyGridState::RenumberItem(int item, const std::string& text) {
    // The "<None>" item stands for no line: there is nothing to renumber.
    if (item < 0 || item >= LineCount()) return false;
    if (text.empty()) {
        ShowNotice(window_, "Line number cannot be blank");
        return false;
    }
    for (char c : text)
        if (c < '0' || c > '9') {
            ShowNotice(window_, std::string("Line number cannot contain \"") + c +
                                    "\" - enter the digits 0 to 9 only");
            return false;
        }
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) {
        ShowNotice(window_, "Line number " + text + " is too large");
        return false;
    }
    for (int i = 0; i < LineCount(); ++i)
        if (i != item && table_.lines[i].number == value) {
            ShowNotice(window_, WithNumber("Line number %1d already exists", value));
            return false;
        }
    table_.lines[item].number = value;
    if (item == current_) fields.number = value;
    return true;
}

bool CmLineFamilyGridState::Finish() {
    if (current_ >= 0 && !SaveGridToLine(current_, fields.number)) return false;
    // Lines never made current keep what they were copied with: they are checked too, so the
    // opener stores every line the table shows.
    std::set<int> numbers;
    for (int i = 0; i < LineCount(); ++i) {
        const s_LineFamilyLine& line = table_.lines[i];
        bool ok = CheckFields(line);
        if (ok && !numbers.insert(line.number).second) {
            ShowErrorWithCaptionId(window_, TextsOf(table_.kind).errorCaptionId,
                                   WithNumber("Line number %1d already exists", line.number));
            ok = false;
        }
        if (!ok) {
            SelectLine(i);
            return false;
        }
    }
    return true;
}

}  // namespace dialogs
