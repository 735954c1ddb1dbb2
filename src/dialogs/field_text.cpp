#include "dialogs/field_text.h"

#include "platform/message_box.h"
#include "platform/services.h"

#include <QLineEdit>
#include <QStackedWidget>
#include <QTabWidget>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <string>

namespace dialogs {

QString IntegerText(int value) { return QString::number(value); }

QString DecimalText(double value, int decimals) {
    int d = std::clamp(decimals, 0, 15);
    QString text = QString::number(value, 'f', d);
    while (d < 15 && std::isfinite(value) && value != 0.0 &&
           std::abs(text.toDouble() - value) > 0.01 * std::abs(value))
        text = QString::number(value, 'f', ++d);
    return text;
}

QString NumberText(double value) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.15g", value);
    return QString::fromLatin1(buffer);
}

QString FormatDoubleField(double value) {
    char buffer[64];
    auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
    if (ec != std::errc()) return QString();
    return QString::fromLatin1(buffer, static_cast<int>(end - buffer));
}

std::optional<int> ParseInteger(const QString& text) {
    const std::string s = text.trimmed().toStdString();
    if (s.empty()) return std::nullopt;
    const char* first = s.data();
    if (*first == '+') ++first;
    int value = 0;
    auto [end, ec] = std::from_chars(first, s.data() + s.size(), value);
    if (ec != std::errc() || end != s.data() + s.size()) return std::nullopt;
    return value;
}

std::optional<double> ParseNumber(const QString& text) {
    const std::string s = text.trimmed().toStdString();
    if (s.empty()) return std::nullopt;
    const char* first = s.data();
    if (*first == '+') ++first;
    double value = 0;
    auto [end, ec] = std::from_chars(first, s.data() + s.size(), value);
    if (ec != std::errc() || end != s.data() + s.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

namespace {

// Brings the page that holds the edit to the front, shows the message and selects the text.
void Refuse(QLineEdit* edit, const char* message) {
    for (QWidget* w = edit; w; w = w->parentWidget()) {
        auto* stack = qobject_cast<QStackedWidget*>(w->parentWidget());
        if (stack) {
            if (auto* tabs = qobject_cast<QTabWidget*>(stack->parentWidget()))
                tabs->setCurrentWidget(w);
            break;
        }
    }
    platform::MessageBoxRequest request;
    request.caption = "ERROR";
    request.text = message;
    request.icon = platform::BoxIcon::Stop;
    request.owner = platform::BoxOwner::Window;
    request.window = edit->window();
    platform::Services().MessageBoxes().Show(request);
    edit->setFocus();
    edit->selectAll();
}

}  // namespace

void RefuseField(QLineEdit* edit, const char* message) { Refuse(edit, message); }

std::optional<int> ReadInteger(QLineEdit* edit) {
    auto value = ParseInteger(edit->text());
    if (!value) Refuse(edit, "Enter an integer.");
    return value;
}

std::optional<double> ReadNumber(QLineEdit* edit) {
    auto value = ParseNumber(edit->text());
    if (!value) Refuse(edit, "Enter a number.");
    return value;
}

}  // namespace dialogs
