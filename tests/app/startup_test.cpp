// Start-up as the user sees it: the frame with its menus, tool bar, status panes, palette and
// bars, and the command-line example drawn in the view.

#include "app/application.h"
#include "app/document.h"
#include "app/draw_view.h"
#include "app/drawing_view.h"
#include "app/main_frame.h"
#include "app/palette_bar.h"
#include "core/command_ids.h"
#include "core/file_io.h"
#include "model/data_sets.h"
#include "platform/qt/qt_progress.h"
#include "platform/services.h"
#include "support/fake_services.h"
#include "support/test_support.h"

#include <QKeyEvent>

#include "platform/qt/modal_driver.h"
#include <QAction>
#include <QApplication>
#include <QDockWidget>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>

#include <QDialog>
#include <QStringList>
#include <gtest/gtest.h>

#include <memory>

namespace {

int NonWhitePixels(const QImage& image) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != qRgb(255, 255, 255)) ++n;
    return n;
}

TEST(StartUp, TheFrameShowsItsBarsAndDrawsTheExample) {
    Cpp_Graphics::Reset();
    app::ResetView();
    testsupport::TempDir config;
    setenv("XDG_CONFIG_HOME", config.Path().c_str(), 1);
    {
        app::Application program({"dravonet"});
        app::MainFrame& frame = program.Frame();
        frame.show();
        frame.InitialUpdate();
        QStringList menus;
        for (QAction* a : frame.menuBar()->actions()) menus << a->text();
        EXPECT_EQ(menus, (QStringList{"&File", "&Edit", "&View", "Display", "Settings", "Data",
                                      "Compute", "Run", "Window", "&Help"}));
        // The nail and geogrid buttons are offered (their tools are reachable).
        EXPECT_TRUE(frame.Action(32990)->isVisible());
        EXPECT_TRUE(frame.Action(32991)->isVisible());
        EXPECT_TRUE(frame.Action(32833)->isChecked());
        EXPECT_EQ(frame.GetEditMode(), EditModeSelect);
        EXPECT_TRUE(frame.DialogBar(app::BarEditingMain)->isVisible());
        for (int bar = 0; bar < app::BarEditingMain; ++bar)
            EXPECT_FALSE(frame.DialogBar(bar)->isVisible()) << bar;
        EXPECT_TRUE(frame.findChild<QWidget*>("pane101") != nullptr);
        // The information window is up from the start, and its menu item says so.
        auto* info = frame.findChild<QDialog*>("informationWindow");
        ASSERT_NE(info, nullptr);
        EXPECT_TRUE(info->isVisible());
        EXPECT_EQ(info->windowTitle(), "KLIVEN Preprocessor");
        EXPECT_TRUE(frame.Action(ID_DATA_INFORMATION_WINDOW)->isChecked());
        // The progress control lies hidden over the first pane; long tasks reach it.
        auto* progress = frame.statusBar()->findChild<QProgressBar*>("progressControl");
        ASSERT_NE(progress, nullptr);
        EXPECT_FALSE(progress->isVisible());
        EXPECT_EQ(&platform::Services().Progress(),
                  static_cast<platform::ProgressService*>(&frame.Progress()));

        const std::filesystem::path example = config.Path() / "embankment.preinput-kliven";
        std::filesystem::copy_file(testsupport::ExamplesDir() / "embankment.preinput-kliven",
                                   example);
        ASSERT_TRUE(app::ReadProblemFile(&frame, example));
        EXPECT_TRUE(frame.Doc().PathName().empty());  // the command-line file gives no path
        frame.View()->Redraw();
        QApplication::processEvents();
        frame.View()->repaint();
        EXPECT_GT(NonWhitePixels(frame.View()->Image()), 1000);
        frame.Doc().SetModifiedFlag(false);
        frame.close();
    }
    Cpp_FileIO::ResetForTests();
    unsetenv("XDG_CONFIG_HOME");
}

// Tool buttons switch modes and bars; pressing the active tool again hides its bar only.
TEST(StartUp, ToolButtonsSwitchModesAndBars) {
    testsupport::TempDir config;
    setenv("XDG_CONFIG_HOME", config.Path().c_str(), 1);
    {
        app::Application program({"dravonet"});
        app::MainFrame& frame = program.Frame();
        frame.show();
        frame.InitialUpdate();
        frame.OnCommand(32829);  // profile lines
        EXPECT_EQ(frame.GetEditMode(), EditModeProfileLines);
        EXPECT_TRUE(frame.DialogBar(app::BarProfile)->isVisible());
        EXPECT_EQ(frame.ToolBarOption(app::BarProfile), 1);
        EXPECT_TRUE(frame.Action(32829)->isChecked());
        EXPECT_FALSE(frame.Action(32833)->isChecked());
        frame.OnCommand(32829);
        EXPECT_EQ(frame.GetEditMode(), EditModeProfileLines);
        EXPECT_FALSE(frame.DialogBar(app::BarProfile)->isVisible());
        frame.OnCommand(32907);  // pressure points
        EXPECT_TRUE(frame.DialogBar(app::BarInterpolation)->isVisible());
        frame.OnCommand(32796);  // stage 2 returns to select mode
        EXPECT_EQ(frame.GetEditMode(), EditModeSelect);
        EXPECT_FALSE(frame.DialogBar(app::BarInterpolation)->isVisible());
        EXPECT_EQ(Cpp_Kliven4DataSet::CurrentStage(), 2);
        // Regression: File New kept stage 2 current in the model, the buttons and the status.
        frame.OnCommand(32829);
        ASSERT_TRUE(frame.FileNew());
        EXPECT_EQ(Cpp_Kliven4DataSet::CurrentStage(), 1);
        EXPECT_TRUE(frame.Action(32795)->isChecked());
        EXPECT_FALSE(frame.Action(32796)->isChecked());
        EXPECT_EQ(platform::Services().StatusLine().Text(), "Stage 1 input");
        EXPECT_EQ(frame.GetEditMode(), EditModeSelect);
        frame.OnCommand(32795);
        // The reinforcement tool's first use opens its options window, which asks for the largest
        // force its scale needs ("Max. force (for scaling)"); cancelled, no second box asks
        // again and the tool is chosen all the same.
        QStringList titles;
        auto expecting = std::make_shared<bool>(true);
        testsupport::WhenModal([&titles, expecting](QWidget* modal) {
            titles << modal->windowTitle();
            testsupport::WhenModal([&titles, expecting](QWidget* next) {
                if (!*expecting) return;  // a window of a later step, not a second box
                titles << next->windowTitle();
                static_cast<QDialog*>(next)->reject();
            });
            static_cast<QDialog*>(modal)->reject();
        });
        frame.OnCommand(32832);  // reinforcement lines
        *expecting = false;
        EXPECT_EQ(titles, QStringList{"Reinforcement Data Entry Options"});
        EXPECT_EQ(frame.GetEditMode(), EditModeReinforcement);
        frame.OnCommand(32833);

        // The palette: without a data set a toggle changes the button only; with one, the flag.
        app::CPreprocessorPaletteBarDisplay* palette = frame.PaletteBar();
        const bool before = palette->State(2);
        palette->OnCommand(620);
        EXPECT_NE(palette->State(2), before);
        Cpp_Kliven4DataSet* dataSet = Cpp_Kliven4Data::CurrentDataSet();
        dataSet->DisplayFlags().profileLines = true;
        palette->CheckButton(620, true);
        palette->OnCommand(620);
        EXPECT_FALSE(palette->State(2));
        EXPECT_FALSE(dataSet->DisplayFlags().profileLines);
        const bool crack = palette->State(39);
        palette->OnCommand(660);  // Clr leaves the crack toggles
        EXPECT_FALSE(palette->State(0));
        EXPECT_EQ(palette->State(39), crack);
        // New shows the new problem's display settings on the palette again.
        frame.Doc().SetModifiedFlag(false);
        ASSERT_TRUE(frame.FileNew());
        EXPECT_EQ(palette->State(2), Cpp_DisplaySelections::Defaults().profileLines);

        // Page keys reach the data-error window while it is shown.
        testsupport::FakeServices fakes;
        fakes.dataErrors.shown = true;
        QKeyEvent page(QEvent::KeyPress, Qt::Key_PageDown, Qt::NoModifier);
        QApplication::sendEvent(&frame, &page);
        EXPECT_EQ(fakes.dataErrors.keys, std::vector<int>{platform::PageKeyNext});
        frame.close();
    }
    Cpp_FileIO::ResetForTests();
    unsetenv("XDG_CONFIG_HOME");
}

}  // namespace
