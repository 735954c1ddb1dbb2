#pragma once
// Reading and showing the numbers of a dialog's edit fields (C locale, whole text, finite).

#include <QString>
#include <optional>
#include <string>

namespace dialogs {

std::optional<double> ParseDoubleField(const QString& text);
std::optional<int> ParseIntField(const QString& text);
// The shortest text that reads back as the same value.
QString FormatDoubleField(double value);

}  // namespace dialogs
