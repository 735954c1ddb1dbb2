#include "platform/qt/qt_help.h"

#include "platform/qt/qt_text.h"

#include <QDesktopServices>
#include <QUrl>

namespace platform::qt {

bool QtHelp::ShowHelp(const std::filesystem::path& helpFile, const std::string& topic) {
    std::error_code ec;
    if (helpFile.empty() || !std::filesystem::is_regular_file(helpFile, ec)) return false;
    QUrl url = QUrl::fromLocalFile(ToQString(helpFile.string()));
    if (!topic.empty()) url.setFragment(ToQString(topic));
    return QDesktopServices::openUrl(url);
}

}  // namespace platform::qt
