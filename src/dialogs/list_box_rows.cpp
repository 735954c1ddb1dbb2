#include "dialogs/list_box_rows.h"

#include "core/format_text.h"
#include "core/text_formats.h"

namespace dialogs {

namespace {

const char* const kAllText = "  All";

// The conversion letter at the end of a printf format ('d', 'f', 'e', 's'), or 0.
char Conversion(const std::string& format) { return format.empty() ? '\0' : format.back(); }

std::string Join(const std::vector<std::string>& cells) {
    std::string row;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        if (i > 0) row += '\t';
        row += cells[i];
    }
    return row;
}

std::string Clipped(const std::string& text) {
    return text.size() > CmListBoxValue::kMaxText ? text.substr(0, CmListBoxValue::kMaxText) : text;
}

}  // namespace

void CmListBoxValue::SetInt(int value) {
    kind = kInteger;
    integer = value;
}

void CmListBoxValue::SetDouble(double value) {
    kind = kReal;
    real = value;
}

void CmListBoxValue::SetText(const std::string& value) {
    kind = kText;
    text = value.size() > kMaxText + 1 ? value.substr(0, kMaxText) : value;
}

bool MakeColumnFormat(int type, int width, int decimals, std::string& format) {
    format.clear();
    switch (type) {
    case CmListBoxColumns::kInteger: return Cpp_Strings::MakeNumberFormat(3, width, 0, format);
    case CmListBoxColumns::kFixed: return Cpp_Strings::MakeNumberFormat(1, width, decimals, format);
    case CmListBoxColumns::kExponential:
        return Cpp_Strings::MakeNumberFormat(2, width, decimals, format);
    case CmListBoxColumns::kRightText: return Cpp_Strings::MakeNumberFormat(5, width, 0, format);
    case CmListBoxColumns::kLeftText: {
        std::string text = FormatText("%s%s%1d%s", "%", "-", width, "s");
        if (text.size() >= 40) return false;
        format = text;
        return true;
    }
    default: return false;
    }
}

void CmListBoxColumns::SetCount(int n) { columns_.assign(n > 0 ? n : 0, Column{}); }

void CmListBoxColumns::Layout(const std::vector<int>& widths) {
    for (std::size_t i = 0; i < columns_.size() && i < widths.size(); ++i) {
        Column& column = columns_[i];
        std::string format;
        if (column.type >= kInteger && column.type <= kLeftText) {
            MakeColumnFormat(column.type, widths[i], column.decimals, format);
            column.format = format;
        }
        if (column.blankMode == 0)
            column.alternate = column.format;
        else if (column.blankMode == kBlankAll)
            MakeColumnFormat(kRightText, widths[i], 0, column.alternate);
    }
}

void CmListBoxColumns::LayoutSingle(int width) {
    if (columns_.empty()) return;
    MakeColumnFormat(kInteger, width, 0, columns_[0].format);
    columns_[0].alternate = columns_[0].format;
}

std::string CmListBoxColumns::NumberCell(const Column& column, double value) const {
    switch (Conversion(column.format)) {
    case 'd': {
        const long integer = static_cast<long>(value);
        if (column.blankMode == kBlankAll && integer == 0)
            return FormatDynamicText(column.alternate, kAllText);
        return FormatDynamicLong(column.format, integer);
    }
    case 'f':
    case 'e': return FormatDynamic(column.format, value);
    case 's': return FormatDynamicText(column.format, "");
    default: return {};
    }
}

std::string CmListBoxColumns::FormatRow(const std::vector<double>& values) const {
    std::vector<std::string> cells;
    for (std::size_t i = 0; i < values.size() && i < columns_.size(); ++i)
        cells.push_back(NumberCell(columns_[i], values[i]));
    return Join(cells);
}

std::string CmListBoxColumns::FormatRowValues(const std::vector<CmListBoxValue>& values) const {
    std::vector<std::string> cells;
    for (std::size_t i = 0; i < values.size() && i < columns_.size(); ++i) {
        const Column& column = columns_[i];
        const CmListBoxValue& value = values[i];
        switch (Conversion(column.format)) {
        case 'd':
            if (column.blankMode == kBlankAll && value.integer == 0)
                cells.push_back(FormatDynamicText(column.alternate, kAllText));
            else
                cells.push_back(FormatDynamicLong(column.format, value.integer));
            break;
        case 'f':
        case 'e': cells.push_back(FormatDynamic(column.format, value.real)); break;
        case 's': cells.push_back(FormatDynamicText(column.format, Clipped(value.text))); break;
        default: cells.emplace_back();
        }
    }
    return Join(cells);
}

std::string CmListBoxColumns::FormatRowWithText(const std::vector<double>& values,
                                                const std::string& text) const {
    std::string row = FormatRow(values);
    if (!columns_.empty()) row += FormatDynamicText(columns_.back().format, Clipped(text));
    return row;
}

}  // namespace dialogs
