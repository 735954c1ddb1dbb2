#pragma once
// Text between the model's std::string (UTF-8, or Latin-1 from older files) and Qt.

#include <QString>
#include <string>

namespace platform::qt {

// UTF-8 when the bytes are valid UTF-8, else Latin-1 (older data files).
QString ToQString(const std::string& text);
std::string ToStdString(const QString& text);

}  // namespace platform::qt
