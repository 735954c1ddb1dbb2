// The tool dialog bars and the prompt window in the running frame.

#include "app/application.h"
#include "app/main_frame.h"
#include "dialogs/dialog_bar_widget.h"
#include "dialogs/status_text.h"
#include "graphics/prompts.h"
#include "support/test_support.h"

#include <QApplication>
#include <QDockWidget>
#include <QLabel>
#include <QLineEdit>
#include <QStatusBar>
#include <gtest/gtest.h>

#include <cstdlib>

namespace {

class ToolBarFrame : public ::testing::Test {
protected:
    ToolBarFrame() { setenv("XDG_CONFIG_HOME", config.Path().c_str(), 1); }
    ~ToolBarFrame() override { unsetenv("XDG_CONFIG_HOME"); }
    QString FieldText(int bar, int id) {
        return program.Frame()
            .DialogBarWindow(bar)
            ->findChild<QLineEdit*>(QString("c%1").arg(id))
            ->text();
    }
    testsupport::TempDir config;
    app::Application program{{"dravonet"}};
};

TEST_F(ToolBarFrame, BarsStartWithTheirValuesAndShowAtTheBottom) {
    app::MainFrame& frame = program.Frame();
    frame.show();
    frame.InitialUpdate();
    EXPECT_EQ(FieldText(app::BarProfile, 1785), "1");
    EXPECT_EQ(FieldText(app::BarProfile, 1787), "1");
    EXPECT_EQ(FieldText(app::BarProfile, 1793), "Profile Line #1");
    EXPECT_EQ(FieldText(app::BarPiezometric, 1815), "Piezometric Line #1");
    EXPECT_EQ(FieldText(app::BarReinforcement, 1797), "1000");
    EXPECT_EQ(frame.dockWidgetArea(frame.DialogBar(app::BarEditingMain)), Qt::TopDockWidgetArea);
    frame.OnCommand(32829);  // profile lines
    QDockWidget* dock = frame.DialogBar(app::BarProfile);
    EXPECT_TRUE(dock->isVisible());
    EXPECT_EQ(frame.dockWidgetArea(dock), Qt::BottomDockWidgetArea);
    EXPECT_EQ(dock->windowTitle(), "Profile Line Data Entry");
    EXPECT_EQ(frame.ToolBarOption(app::BarProfile), 1);
    frame.OnCommand(32886);  // slope: the profile bar goes, option 0
    EXPECT_FALSE(dock->isVisible());
    EXPECT_EQ(frame.ToolBarOption(app::BarProfile), 0);
    EXPECT_TRUE(frame.DialogBar(app::BarSlope)->isVisible());
    frame.Doc().SetModifiedFlag(false);
    frame.close();
}

// Each interpolation tool tells the bar its kind before the bar is shown.
TEST_F(ToolBarFrame, InterpolationToolsLabelTheValue) {
    app::MainFrame& frame = program.Frame();
    frame.show();
    frame.InitialUpdate();
    QWidget* bar = frame.DialogBarWindow(app::BarInterpolation);
    QLabel* label = bar->findChild<QLabel*>("c1821");
    QWidget* head = bar->findChild<QWidget*>("c1997");
    const std::vector<std::pair<int, QString>> cases = {{32907, "Pore water pressure:"},
                                                        {32908, "Pore pressure coefficient (ru):"},
                                                        {32910, "Undrained shear strength (Su):"}};
    for (const auto& [command, text] : cases) {
        frame.OnCommand(command);
        EXPECT_TRUE(frame.DialogBar(app::BarInterpolation)->isVisible());
        EXPECT_EQ(label->text(), text);
        EXPECT_EQ(head->isVisible(), command == 32907);
        EXPECT_FALSE(bar->findChild<QWidget*>("c1820")->isEnabled());
    }
    frame.OnCommand(32833);
    EXPECT_EQ(TheToolBars().interpolation.GetInterpolationKind(), 0);
    // The edit-options bar's filter returns to "All" when the bar is hidden and shown again.
    CmDialogBarEditingMain& options = TheToolBars().editingMain;
    options.Controls().SetIndex(1450, 4);
    frame.ShowToolBar(app::BarEditingMain, false, 0);
    frame.ShowToolBar(app::BarEditingMain, true, 0);
    EXPECT_EQ(options.GetComboSelection(), 0);
    EXPECT_TRUE(frame.DialogBar(app::BarEditingMain)->isVisible());
    frame.Doc().SetModifiedFlag(false);
    frame.close();
}

int RedPixels(const QImage& image, int fromX = 0) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = fromX; x < image.width(); ++x)
            if (qRed(image.pixel(x, y)) > 200 && qGreen(image.pixel(x, y)) < 140) ++n;
    return n;
}

// Prompts from model code: red on white over the first status pane, cut at its edge; an empty
// one paints nothing; clearing hides the window.
TEST_F(ToolBarFrame, PromptsShowOverTheFirstPane) {
    app::MainFrame& frame = program.Frame();
    frame.resize(700, 500);
    frame.show();
    frame.InitialUpdate();
    dialogs::CmStatusText* prompt = frame.PromptWindow();
    EXPECT_FALSE(prompt->isVisible());
    ShowPrompt("Click on first point of profile line");
    QApplication::processEvents();
    EXPECT_TRUE(prompt->isVisible());
    EXPECT_EQ(prompt->Text(), "Click on first point of profile line");
    EXPECT_EQ(prompt->parentWidget(), frame.statusBar());
    EXPECT_EQ(prompt->geometry().left(), 0);
    const QWidget* paneX = frame.findChild<QWidget*>("pane101");
    EXPECT_LE(prompt->geometry().right(), paneX->geometry().left());
    QImage image = prompt->grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_GT(RedPixels(image), 20);
    EXPECT_EQ(image.pixel(image.width() - 1, image.height() - 1), qRgb(255, 255, 255));

    ShowPrompt(std::string(400, 'W'));
    image = prompt->grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_GT(RedPixels(image, image.width() - 8), 0);  // the text runs to the pane's edge

    ShowPrompt("");
    EXPECT_TRUE(prompt->isVisible());
    QImage blank(prompt->size(), QImage::Format_RGB32);
    blank.fill(qRgb(1, 2, 3));
    prompt->render(&blank, QPoint(), QRegion(), QWidget::RenderFlags());
    EXPECT_EQ(RedPixels(blank), 0);
    EXPECT_NE(blank.pixel(0, 0), qRgb(255, 255, 255));

    ClearPromptBar();
    EXPECT_FALSE(prompt->isVisible());
    frame.Doc().SetModifiedFlag(false);
    frame.close();
}

}  // namespace
