// The tool dialog bars and the prompt window in the running frame.

#include "analysis/analysis_dialogs.h"
#include "app/application.h"
#include "app/draw_view.h"
#include "app/drawing_view.h"
#include "app/main_frame.h"
#include "core/command_ids.h"
#include "core/cursor_mode.h"
#include "dialogs/dialog_bar_widget.h"
#include "dialogs/status_text.h"
#include "editing/cursor_modes.h"
#include "editing/tool_dialog_bars.h"
#include "graphics/data_entry_options.h"
#include "graphics/prompts.h"
#include "platform/qt/modal_driver.h"
#include "support/fake_services.h"
#include "support/test_support.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDockWidget>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <QWheelEvent>
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

// "Data Entry Options" and "Selected Item Options" of the Settings menu open their windows.
TEST_F(ToolBarFrame, SettingsMenuOpensTheEntryAndSelectionOptions) {
    app::MainFrame& frame = program.Frame();
    frame.show();
    frame.InitialUpdate();
    ASSERT_EQ(RubberBandLinesOption(), 1);
    std::vector<QString> titles;
    testsupport::WhenModal([&](QWidget* modal) {
        titles.push_back(modal->windowTitle());
        modal->findChild<QCheckBox*>("c1983")->click();
        testsupport::PressButton(modal, QDialogButtonBox::Ok);
    });
    frame.OnCommand(ID_DATA_ENTRY_OPTIONS);
    EXPECT_EQ(RubberBandLinesOption(), 0);
    testsupport::WhenModal([&](QWidget* modal) {
        titles.push_back(modal->windowTitle());
        testsupport::PressButton(modal, QDialogButtonBox::Cancel);
    });
    frame.OnCommand(ID_SELECTED_ITEM_OPTIONS);
    EXPECT_EQ(titles, (std::vector<QString>{"Data Entry Options", "Selection Options"}));
    frame.Doc().SetModifiedFlag(false);
    frame.close();
}

}  // namespace

namespace {

// The frame with recording services: the bars' keys and buttons.
class BarKeysOnFrame : public ::testing::Test {
protected:
    void SetUp() override {
        frame.EnterSelectMode();
        app::InitializeView(frame.View()->ViewWindow());
        frame.resize(800, 600);
        frame.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&frame));
    }
    void TearDown() override {
        SetCursorModeHooks({});
        RadiusDefinitionsDialogSlot().Reset();
    }
    template <class T = QWidget>
    T* Control(int bar, int id) {
        T* w = frame.DialogBarWindow(bar)->findChild<T*>(QString("c%1").arg(id));
        EXPECT_NE(w, nullptr) << id;
        return w;
    }
    std::string Status() { return fakes.statusLine.Text(); }

    testsupport::FakeServices fakes;
    app::MainFrame frame;
};

// Enter typed into the profile bar's X field reaches the view's Enter key through the frame
// while the bar holds the typed point; the tool reads it there.
TEST_F(BarKeysOnFrame, EnterInTheProfileBarReachesTheViewWithTheTypedPoint) {
    frame.OnCommand(32829);  // the profile-line tool
    QLineEdit* x = Control<QLineEdit>(app::BarProfile, 1789);
    x->clear();
    QTest::keyClicks(x, "12.5");
    // The stand-in tool: a zoom step, whose Enter returns to cursor mode 0 and with it
    // restores the prompt; it reads the bar at that moment.
    int calls = 0;
    double seenX = -1, seenY = -1;
    SetCursorMode(CursorModeZoomIn);
    s_CursorModeHooks hooks;
    hooks.restorePromptText = [&] {
        ++calls;
        ASSERT_NE(ActiveProfileBar(), nullptr);
        EXPECT_TRUE(ActiveProfileBar()->GetPoint(seenX, seenY));
    };
    SetCursorModeHooks(hooks);
    QTest::keyClick(x, Qt::Key_Return);
    EXPECT_EQ(calls, 0);  // posted, not sent
    QApplication::processEvents();
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(seenX, 12.5);
    EXPECT_EQ(seenY, 0);
    EXPECT_EQ(GetCursorMode(), 0);
    SetCursorModeHooks({});
    // With no step under way Enter goes to the profile tool itself: the typed point starts a
    // line, and "Finish Line" with one point rejects it.
    QTest::keyClick(x, Qt::Key_Return);
    QApplication::processEvents();
    EXPECT_EQ(GetCursorMode(), CursorModeProfileLineEntry);
    QPushButton* finish = Control<QPushButton>(app::BarProfile, 1994);
    ASSERT_TRUE(finish->isEnabled());
    QTest::mouseClick(finish, Qt::LeftButton);
    EXPECT_EQ(GetCursorMode(), 0);
    EXPECT_EQ(fakes.messageBoxes.Texts().back(), "Line had fewer than 2 points and was rejected.");
}

// Regression: the first point of a line typed into the bar was drawn only once the mouse
// moved. Its symbol shows at once, at the typed point, with no mouse over the view.
TEST_F(BarKeysOnFrame, TheFirstTypedPointOfALineIsDrawnAtOnce) {
    frame.View()->repaint();
    frame.OnCommand(32829);  // the profile-line tool
    QApplication::processEvents();
    frame.View()->repaint();
    const double wx = Cpp_Graphics::PixelToX(frame.View()->width() / 2);
    const double wy = Cpp_Graphics::PixelToY(frame.View()->height() / 2);
    const int px = Cpp_Graphics::XToPixel(wx), py = Cpp_Graphics::YToPixel(wy);
    const QImage before = frame.View()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    QLineEdit* x = Control<QLineEdit>(app::BarProfile, 1789);
    QLineEdit* y = Control<QLineEdit>(app::BarProfile, 1791);
    x->setText(QString::number(wx, 'f', 6));
    y->setText(QString::number(wy, 'f', 6));
    QTest::keyClick(x, Qt::Key_Return);
    QApplication::processEvents();
    ASSERT_EQ(GetCursorMode(), CursorModeProfileLineEntry);
    const QImage after = frame.View()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    int changed = 0;
    for (int dy = -6; dy <= 6; ++dy)
        for (int dx = -6; dx <= 6; ++dx)
            if (after.pixel(px + dx, py + dy) != before.pixel(px + dx, py + dy)) ++changed;
    EXPECT_GT(changed, 4);
    // The next full repaint shows it too.
    frame.View()->Redraw();
    const QImage repainted = frame.View()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    int shown = 0;
    for (int dy = -6; dy <= 6; ++dy)
        for (int dx = -6; dx <= 6; ++dx)
            if (repainted.pixel(px + dx, py + dy) != before.pixel(px + dx, py + dy)) ++shown;
    EXPECT_GT(shown, 4);
}

class RecordingRadiusDefinitions final : public RadiusDefinitionsDialog {
public:
    bool Run(s_RadiusCriteriaType&) override {
        ++runs;
        return true;
    }
    int runs = 0;
};

// The bars' push buttons: one whose window is not registered does nothing; "Radius Def's" edits
// the radius definitions of the fixed-grid search and marks the document changed.
TEST_F(BarKeysOnFrame, BarButtonsRunTheirOpenersOrDoNothingWithoutAWindow) {
    frame.ShowToolBar(app::BarLineLoad, true, 1);
    frame.Doc().SetModifiedFlag(false);
    fakes.statusLine.SetText("");
    QTest::mouseClick(Control<QPushButton>(app::BarLineLoad, 1948), Qt::LeftButton);
    EXPECT_EQ(Status(), "");
    EXPECT_FALSE(frame.Doc().IsModified());

    frame.ShowToolBar(app::BarCircle, true, 1);
    auto* mode = Control<QComboBox>(app::BarCircle, 1876);
    QPushButton* definitions = Control<QPushButton>(app::BarCircle, 1886);
    EXPECT_TRUE(definitions->isHidden());
    mode->setCurrentIndex(2);
    emit mode->activated(2);  // "Search - Fixed Grid"
    ASSERT_FALSE(definitions->isHidden());
    ASSERT_TRUE(definitions->isEnabled());
    fakes.statusLine.SetText("");
    frame.Doc().SetModifiedFlag(false);
    QTest::mouseClick(definitions, Qt::LeftButton);  // no window yet
    EXPECT_EQ(Status(), "");
    EXPECT_FALSE(frame.Doc().IsModified());
    RecordingRadiusDefinitions window;
    RadiusDefinitionsDialogSlot().Set(&window);
    frame.Doc().SetModifiedFlag(false);
    QTest::mouseClick(definitions, Qt::LeftButton);
    EXPECT_EQ(window.runs, 1);
    EXPECT_TRUE(frame.Doc().IsModified());
    frame.Doc().SetModifiedFlag(false);
}

}  // namespace

namespace {

// "Wheel Editing:" of the edit-options bar: off, the wheel over the distributed-load bar edits
// nothing; on, it changes the bar's normal stress by the tool's step, as does the wheel over the
// drawing.
TEST_F(BarKeysOnFrame, TheWheelEditsOnlyWithWheelEditingTicked) {
    frame.OnCommand(ID_ENTER_DISTRIBUTED_LOADS);
    ASSERT_TRUE(frame.DialogBar(app::BarDistributedLoad)->isVisible());
    auto wheel = [](QWidget* target) {
        QWheelEvent event(QPointF(5, 5), target->mapToGlobal(QPointF(5, 5)), QPoint(),
                          QPoint(0, 120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(target, &event);
        QApplication::processEvents();
    };
    QWidget* stress = Control(app::BarDistributedLoad, 1925);
    fakes.statusLine.SetText("");
    wheel(stress);
    EXPECT_EQ(Status(), "");
    double unchanged = -1;
    ASSERT_TRUE(ActiveDistributedLoadBar()->GetStress(unchanged, true));
    EXPECT_EQ(unchanged, 0.0);
    auto* switchBox = Control<QCheckBox>(app::BarEditingMain, 1986);
    QTest::mouseClick(switchBox, Qt::LeftButton);
    ASSERT_TRUE(switchBox->isChecked());
    wheel(stress);
    EXPECT_EQ(Status(), "");
    double normal = 0;
    ASSERT_TRUE(ActiveDistributedLoadBar()->GetStress(normal, true));
    EXPECT_EQ(normal, 25.0);
    wheel(frame.View());
    ASSERT_TRUE(ActiveDistributedLoadBar()->GetStress(normal, true));
    EXPECT_EQ(normal, 50.0);
}

}  // namespace
