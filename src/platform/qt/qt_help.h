#pragma once
// Help: the program's own pages, built in as resources (a name beginning ":/"), open in one
// help window; any other file opens in the desktop's viewer for its kind.

#include "platform/help.h"

#include <QWidget>

class QTextBrowser;

namespace platform::qt {

// The help window: the pages in a text browser with "Contents", "Back" and "Forward".
class HelpWindow final : public QWidget {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* parent = nullptr);
    // Shows the page (at the topic when given) and brings the window to the front.
    void Show(const QUrl& page);
    QTextBrowser* Browser() const { return browser_; }

private:
    QTextBrowser* browser_;
};

class QtHelp final : public HelpService {
public:
    bool ShowHelp(const std::filesystem::path& helpFile, const std::string& topic) override;
    // The window of the built-in pages; null until they are first shown.
    static HelpWindow* Window();
};

}  // namespace platform::qt
