// The help pages built into the program: the help window opens them, every link between them
// leads to a page that is there, and the navigation buttons follow the browser's history.

#include "platform/qt/qt_help.h"

#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QUrl>
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace {

using platform::qt::QtHelp;

// The link targets of the page shown in the browser.
std::vector<QString> Links(const QTextDocument& document) {
    std::vector<QString> links;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            if (format.isAnchor() && !format.anchorHref().isEmpty())
                links.push_back(format.anchorHref());
        }
    return links;
}

TEST(QtHelpPages, TheContentsOpenInTheHelpWindowAndAMissingPageIsRefused) {
    QtHelp help;
    EXPECT_FALSE(help.ShowHelp(":/help/no_such_page.html", ""));
    ASSERT_TRUE(help.ShowHelp(":/help/index.html", ""));
    platform::qt::HelpWindow* window = QtHelp::Window();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    QTextBrowser* browser = window->Browser();
    EXPECT_EQ(browser->source(), QUrl("qrc:/help/index.html"));
    EXPECT_EQ(window->windowTitle(), "Dravonet Help");
    EXPECT_TRUE(browser->toPlainText().contains("Building a problem, step by step"));

    // A page, then Back and Contents.
    browser->setSource(QUrl("qrc:/help/units.html"));
    EXPECT_EQ(window->windowTitle(), "Units");
    auto* back = window->findChild<QPushButton*>("helpBack");
    ASSERT_NE(back, nullptr);
    EXPECT_TRUE(back->isEnabled());
    back->click();
    EXPECT_EQ(browser->source(), QUrl("qrc:/help/index.html"));
    browser->setSource(QUrl("qrc:/help/check.html"));
    window->findChild<QPushButton*>("helpContents")->click();
    EXPECT_EQ(browser->source(), QUrl("qrc:/help/index.html"));

    // Opened again at a topic: the same window.
    ASSERT_TRUE(help.ShowHelp(":/help/check.html", ""));
    EXPECT_EQ(QtHelp::Window(), window);
    EXPECT_EQ(browser->source(), QUrl("qrc:/help/check.html"));
    window->close();
}

// Every page is reached from the contents, every link leads to a page that is there, and every
// page has a title.
TEST(QtHelpPages, EveryLinkLeadsToAPageAndEveryPageIsReachedFromTheContents) {
    QtHelp help;
    ASSERT_TRUE(help.ShowHelp(":/help/index.html", ""));
    QTextBrowser* browser = QtHelp::Window()->Browser();
    std::set<QString> pages;
    for (const QString& name : QDir(":/help").entryList({"*.html"})) pages.insert(name);
    ASSERT_GE(pages.size(), 7u);
    std::set<QString> reached{"index.html"};
    for (const QString& page : pages) {
        browser->setSource(QUrl("qrc:/help/" + page));
        EXPECT_FALSE(browser->documentTitle().isEmpty()) << page.toStdString();
        for (const QString& href : Links(*browser->document())) {
            const QString target = href.section('#', 0, 0);
            EXPECT_TRUE(QFile::exists(":/help/" + target))
                << page.toStdString() << " links to " << href.toStdString();
            if (page == "index.html") reached.insert(target);
        }
    }
    EXPECT_EQ(reached, pages);
    QtHelp::Window()->close();
}

}  // namespace
