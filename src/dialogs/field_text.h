#pragma once
// Number fields of the dialogs: the text a value shows and the value a text holds. A text that
// holds no number is refused with "Enter a number." / "Enter an integer." (caption "ERROR"), the
// field keeps the focus with its text selected, and the dialog stays open.

#include <QString>

#include <optional>

class QLineEdit;
class QWidget;

namespace dialogs {

QString IntegerText(int value);
// Fifteen significant digits.
QString NumberText(double value);
// The shortest text that reads back as the same value.
QString FormatDoubleField(double value);
// Fixed point with the decimals given (the preference decimals of the value's kind); a value
// those decimals would hide or mostly round away (a tolerance of 0.00001 with none) gets the
// decimals it needs, at most 15.
QString DecimalText(double value, int decimals);

std::optional<int> ParseInteger(const QString& text);
std::optional<double> ParseNumber(const QString& text);

// Reads the edit; on a bad text shows the message, brings the field's page forward (the
// caller's tab widget, if any) and answers nothing.
std::optional<int> ReadInteger(QLineEdit* edit);
std::optional<double> ReadNumber(QLineEdit* edit);
// Refuses the edit's value as ReadNumber refuses a bad text, with another message.
void RefuseField(QLineEdit* edit, const char* message);

}  // namespace dialogs
