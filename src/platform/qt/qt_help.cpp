#include "platform/qt/qt_help.h"

#include "platform/qt/qt_text.h"

#include <QDesktopServices>
#include <QFile>
#include <QHBoxLayout>
#include <QPointer>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

// The pages sit in a static library: they are brought in by name (outside any namespace).
static void InitializeHelpPages() { Q_INIT_RESOURCE(help); }

namespace platform::qt {

namespace {

QPointer<HelpWindow>& TheWindow() {
    static QPointer<HelpWindow> window;
    return window;
}

}  // namespace

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName("helpWindow");
    setAttribute(Qt::WA_DeleteOnClose, false);
    // An open help window never keeps the program running once the main window is closed.
    setAttribute(Qt::WA_QuitOnClose, false);
    auto* layout = new QVBoxLayout(this);
    auto* buttons = new QHBoxLayout;
    auto button = [&](const char* text, const char* name) {
        auto* b = new QPushButton(text, this);
        b->setObjectName(name);
        b->setAutoDefault(false);
        buttons->addWidget(b);
        return b;
    };
    QPushButton* contents = button("Contents", "helpContents");
    QPushButton* back = button("Back", "helpBack");
    QPushButton* forward = button("Forward", "helpForward");
    buttons->addStretch();
    layout->addLayout(buttons);
    browser_ = new QTextBrowser(this);
    browser_->setObjectName("helpBrowser");
    browser_->setOpenLinks(true);
    browser_->setOpenExternalLinks(false);
    layout->addWidget(browser_, 1);
    back->setEnabled(false);
    forward->setEnabled(false);
    connect(contents, &QPushButton::clicked, browser_, &QTextBrowser::home);
    connect(back, &QPushButton::clicked, browser_, &QTextBrowser::backward);
    connect(forward, &QPushButton::clicked, browser_, &QTextBrowser::forward);
    connect(browser_, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward, &QPushButton::setEnabled);
    connect(browser_, &QTextBrowser::sourceChanged, this,
            [this] { setWindowTitle(browser_->documentTitle()); });
    resize(760, 620);
}

void HelpWindow::Show(const QUrl& page) {
    browser_->setSource(page);
    setWindowTitle(browser_->documentTitle());
    show();
    raise();
    activateWindow();
}

HelpWindow* QtHelp::Window() { return TheWindow().data(); }

bool QtHelp::ShowHelp(const std::filesystem::path& helpFile, const std::string& topic) {
    const std::string name = helpFile.generic_string();
    if (name.rfind(":/", 0) == 0) {
        InitializeHelpPages();
        if (!QFile::exists(ToQString(name))) return false;
        QUrl url("qrc" + ToQString(name));
        if (!topic.empty()) url.setFragment(ToQString(topic));
        if (!TheWindow()) TheWindow() = new HelpWindow;
        TheWindow()->Show(url);
        return true;
    }
    std::error_code ec;
    if (helpFile.empty() || !std::filesystem::is_regular_file(helpFile, ec)) return false;
    QUrl url = QUrl::fromLocalFile(ToQString(helpFile.string()));
    if (!topic.empty()) url.setFragment(ToQString(topic));
    return QDesktopServices::openUrl(url);
}

}  // namespace platform::qt
