#include "modal_driver.h"
#include "platform/qt/qt_clipboard.h"
#include "platform/qt/qt_data_errors.h"
#include "platform/qt/qt_file_dialogs.h"
#include "platform/qt/qt_help.h"
#include "platform/qt/qt_info_window.h"
#include "platform/qt/qt_message_boxes.h"
#include "platform/qt/qt_printing.h"
#include "platform/qt/qt_status_line.h"
#include "support/test_support.h"

#include <QBuffer>
#include <QButtonGroup>
#include <QClipboard>
#include <QFileDialog>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMessageBox>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace {

using namespace platform;
using testsupport::WhenModal;

struct BoxCase {
    BoxButtons buttons;
    BoxResult defaultButton;
    Qt::Key key;
    BoxResult expected;
};

TEST(QtMessageBoxes, EscapeAndEnterAnswerAsTheButtonsSay) {
    QMainWindow main;
    main.show();
    qt::QtMessageBoxes boxes;
    boxes.SetMainWindow(&main);
    const BoxCase cases[] = {
        {BoxButtons::YesNoCancel, BoxResult::Yes, Qt::Key_Escape, BoxResult::Cancel},
        {BoxButtons::OkCancel, BoxResult::Ok, Qt::Key_Escape, BoxResult::Cancel},
        {BoxButtons::YesNo, BoxResult::Yes, Qt::Key_Escape, BoxResult::No},
        {BoxButtons::Ok, BoxResult::Ok, Qt::Key_Escape, BoxResult::Ok},
        {BoxButtons::YesNo, BoxResult::No, Qt::Key_Return, BoxResult::No},
        {BoxButtons::YesNo, BoxResult::Yes, Qt::Key_Return, BoxResult::Yes},
        {BoxButtons::OkCancel, BoxResult::Cancel, Qt::Key_Return, BoxResult::Cancel},
    };
    for (const auto& c : cases) {
        QString title;
        QWidget* parent = nullptr;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        WhenModal([&](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            ASSERT_NE(box, nullptr);
            title = box->windowTitle();
            parent = box->parentWidget();
            icon = box->icon();
            QTest::keyClick(box, c.key);
        });
        MessageBoxRequest request{"Slope",           "Save the changes?", c.buttons,
                                  BoxIcon::Question, c.defaultButton,     BoxOwner::MainWindow};
        EXPECT_EQ(boxes.Show(request), c.expected)
            << "buttons " << static_cast<int>(c.buttons) << " key " << c.key;
        EXPECT_EQ(title, "Slope");
        EXPECT_EQ(parent, &main);
        EXPECT_EQ(icon, QMessageBox::Question);
    }
}

TEST(QtMessageBoxes, AStopBoxWithoutOwnerAnswersTheButtonClicked) {
    qt::QtMessageBoxes boxes;
    QWidget* parent = reinterpret_cast<QWidget*>(&boxes);  // anything but null
    WhenModal([&](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        parent = box->parentWidget();
        EXPECT_EQ(box->icon(), QMessageBox::Critical);
        box->button(QMessageBox::Ok)->click();
    });
    EXPECT_EQ(boxes.Show({"Error", "Cannot open the file.", BoxButtons::Ok, BoxIcon::Stop,
                          BoxResult::Ok, BoxOwner::None}),
              BoxResult::Ok);
    EXPECT_EQ(parent, nullptr);
}

TEST(QtMessageBoxes, AWindowOwnerIsTheCallersWindow) {
    QWidget dialogWindow;
    dialogWindow.show();
    qt::QtMessageBoxes boxes;
    QWidget* parent = nullptr;
    WhenModal([&](QWidget* modal) {
        parent = modal->parentWidget();
        QTest::keyClick(modal, Qt::Key_Escape);
    });
    MessageBoxRequest request{"Caption",         "Text",        BoxButtons::OkCancel,
                              BoxIcon::Question, BoxResult::Ok, BoxOwner::Window,
                              &dialogWindow};
    EXPECT_EQ(boxes.Show(request), BoxResult::Cancel);
    EXPECT_EQ(parent, &dialogWindow);
}

TEST(QtFileDialogs, FiltersBecomeQtFiltersAndMatchInAnyCase) {
    const std::string filter =
        "Input Files (*.preinput-kliven)|*.preinput-kliven|Text|*.txt;*.TXT;*.dat|All Files (*.*)|*.*||";
    EXPECT_EQ(qt::ToQtFilters(filter), QStringList({"Input Files (*.preinput-kliven)",
                                                    "Text (*.txt *.TXT *.dat)", "All Files (*)"}));
    EXPECT_EQ(qt::FilterPatterns(filter, 2), (std::vector<std::string>{"*.txt", "*.TXT", "*.dat"}));
    EXPECT_TRUE(qt::FilterPatterns(filter, 9).empty());
    const auto input = qt::FilterPatterns(filter, 1);
    EXPECT_TRUE(qt::MatchesPatterns("SLOPE.PREINPUT-KLIVEN", input));
    EXPECT_TRUE(qt::MatchesPatterns("slope.Preinput-Kliven", input));
    EXPECT_FALSE(qt::MatchesPatterns("slope.preinput-kliven.bak", input));
    EXPECT_TRUE(qt::MatchesPatterns("anything", qt::FilterPatterns(filter, 3)));
}

TEST(QtFileDialogs, SaveAddsTheDefaultExtensionAndCancelAnswersNothing) {
    testsupport::TempDir dir;
    qt::QtFileDialogs dialogs;
    FileDialogRequest request;
    request.title = "Save As";
    request.filter = "Input Files|*.preinput-kliven|All Files|*.*|";
    request.defaultExtension = "preinput-kliven";
    request.initialDirectory = dir.Path();
    WhenModal([](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->selectedNameFilter(), "Input Files (*.preinput-kliven)");
        auto* edit = dialog->findChild<QLineEdit*>("fileNameEdit");
        ASSERT_NE(edit, nullptr);
        edit->setText("embankment");
        QTest::keyClick(edit, Qt::Key_Return);
    });
    EXPECT_EQ(dialogs.GetSaveFileName(request), dir.Path() / "embankment.preinput-kliven");
    WhenModal([](QWidget* modal) { QTest::keyClick(modal, Qt::Key_Escape); });
    EXPECT_FALSE(dialogs.GetOpenFileName(request).has_value());
}

TEST(QtClipboard, PutsThePictureAsSvgAndPng) {
    qt::QtClipboard clipboard;
    QImage image(4, 3, QImage::Format_RGB32);
    image.fill(Qt::red);
    QByteArray png;
    {
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "PNG");
    }
    const std::string svg = "<svg xmlns=\"http://www.w3.org/2000/svg\"/>";
    clipboard.SetPicture(svg, png.toStdString());
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(data, nullptr);
    EXPECT_EQ(data->data("image/svg+xml").toStdString(), svg);
    EXPECT_EQ(data->data("image/png"), png);
    clipboard.SetText("1.5");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "1.5");
}

TEST(QtStatusLine, ShowsTheMessageAndNumberedPanesInOrder) {
    QStatusBar bar;
    qt::QtStatusLine status(&bar);
    status.SetText("Ready");
    status.SetPaneText(2, "x = 10.0");
    status.SetPaneText(1, "Stage 1");
    EXPECT_EQ(status.Text(), "Ready");
    EXPECT_EQ(bar.findChild<QLabel*>("statusMessage")->text(), "Ready");
    EXPECT_EQ(bar.findChild<QLabel*>("statusPane1")->text(), "Stage 1");
    bar.resize(600, 30);
    bar.show();
    QApplication::processEvents();
    EXPECT_LT(bar.findChild<QLabel*>("statusPane1")->x(),
              bar.findChild<QLabel*>("statusPane2")->x());
}

TEST(QtInfoWindow, AddsLinesOnlyWhileVisibleAndTogglesExpansion) {
    qt::QtInfoWindow info;
    EXPECT_FALSE(info.Exists());
    EXPECT_EQ(info.AddText(kInfoRoot, "nothing"), kInfoRoot);
    info.Initialize("KLIVEN Preprocessor", DevicePoint{10, 10});
    info.Show(true);
    ASSERT_TRUE(info.IsVisible());
    const InfoItem line = info.AddText(kInfoRoot, "Profile line 2");
    info.AddReal(line, "Length", 3.25, "%.2f");
    QTreeWidget* tree = info.Tree();
    ASSERT_EQ(tree->topLevelItemCount(), 1);
    EXPECT_EQ(tree->topLevelItem(0)->text(0), "Profile line 2");
    EXPECT_EQ(tree->topLevelItem(0)->child(0)->text(1), "3.25");
    info.ExpandOrCollapseAll();
    EXPECT_TRUE(tree->topLevelItem(0)->isExpanded());
    info.ExpandOrCollapseAll();
    EXPECT_FALSE(tree->topLevelItem(0)->isExpanded());
    info.Clear();
    EXPECT_EQ(tree->topLevelItemCount(), 0);
    info.Show(false);
    EXPECT_EQ(info.AddText(kInfoRoot, "hidden"), kInfoRoot);
    EXPECT_EQ(tree->topLevelItemCount(), 0);
}

TEST(QtDataErrors, ShowsTheMessagesOfTheLogAndPagesThem) {
    testsupport::TempDir dir;
    std::string log;
    for (int i = 1; i <= 60; ++i) log += "*** ERROR " + std::to_string(i) + "\n///ENDLOG\n";
    testsupport::WriteFile(dir.Path() / "Error.log", log);
    qt::QtDataErrors errors;
    EXPECT_FALSE(errors.HandlePageKey(PageKeyNext));
    errors.DisplayDataErrors(dir.Path() / "Error.log");
    ASSERT_TRUE(errors.IsShown());
    EXPECT_TRUE(errors.Text()->toPlainText().startsWith("*** ERROR 1\n\n*** ERROR 2"));
    EXPECT_TRUE(errors.HandlePageKey(PageKeyEnd));
    EXPECT_FALSE(errors.HandlePageKey('A'));
}

TEST(QtPrinting, PrintsIntoANamedPdfFile) {
    testsupport::TempDir dir;
    qt::QtPrinting printing;
    auto job = printing.BeginPrint({"embankment", dir.Path() / "out.pdf"});
    ASSERT_TRUE(job);
    EXPECT_TRUE(job->Page().IsPrinting());
    job->Page().TextOut(100, 100, "Heading");
    EXPECT_TRUE(job->End());
    job.reset();
    EXPECT_EQ(testsupport::ReadFile(dir.Path() / "out.pdf").substr(0, 5), "%PDF-");
}

TEST(QtHelp, AMissingHelpFileIsReported) {
    qt::QtHelp help;
    EXPECT_FALSE(help.ShowHelp("/nonexistent/Dravonet Help.chm", ""));
    EXPECT_FALSE(help.ShowHelp("", ""));
}

}  // namespace
