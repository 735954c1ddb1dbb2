#include "app/application.h"
#include "app/command_line.h"
#include "app/drawing_view.h"
#include "app/guarded_call.h"
#include "app/main_frame.h"
#include "app/recovery_file.h"
#include "core/file_io.h"
#include "core/selection_marks.h"
#include "core/text_exception.h"
#include "editing/construction_items.h"
#include "platform/qt/image_dc.h"
#include "support/fake_services.h"
#include "support/test_support.h"

#include <QApplication>
#include <QMenuBar>
#include <QPaintEvent>
#include <QRegion>
#include <QStatusBar>
#include <QTest>
#include <QTimer>
#include <csignal>
#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <stdexcept>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// The settings (or, given XDG_DATA_HOME, the data folder) of a test run go to a folder of its
// own, never the user's.
class ConfigHome {
public:
    explicit ConfigHome(const char* variable = "XDG_CONFIG_HOME") : variable_(variable) {
        const char* old = std::getenv(variable_);
        if (old) old_ = old, hadOld_ = true;
        setenv(variable_, dir_.Path().c_str(), 1);
    }
    ~ConfigHome() {
        if (hadOld_) {
            setenv(variable_, old_.c_str(), 1);
        } else {
            unsetenv(variable_);
        }
    }
    const std::filesystem::path& Path() const { return dir_.Path(); }

private:
    const char* variable_;
    testsupport::TempDir dir_;
    std::string old_;
    bool hadOld_ = false;
};

TEST(Application, StartsShowsAWhiteViewAndQuits) {
    ConfigHome home;
    {
        app::Application program({"dravonet", "slope.preinput-kliven"});
        app::MainFrame& frame = program.Frame();
        frame.show();
        EXPECT_EQ(app::CommandLineFile(),
                  std::filesystem::current_path() / "slope.preinput-kliven");
        EXPECT_FALSE(frame.menuBar()->actions().isEmpty());
        EXPECT_EQ(platform::Services().StatusLine().Text(), "Ready");
        platform::Services().Profile().SetString("Settings", "Default Directory", "/tmp");

        bool painted = false;
        frame.View()->SetPaintHandler([&](platform::DeviceContext& dc) {
            painted = true;
            dc.MoveTo(10, 10);
            dc.LineTo(60, 10);
        });
        frame.View()->Redraw();
        // However slow the machine, the window closes only after the view has painted.
        EXPECT_TRUE(QTest::qWaitFor([&] { return painted; }, 60000));
        QTimer::singleShot(0, &frame, &QWidget::close);
        QTimer::singleShot(0, qApp, &QApplication::quit);
        EXPECT_EQ(QApplication::exec(), 0);
        const QImage& image = frame.View()->Image();
        ASSERT_FALSE(image.isNull());
        EXPECT_EQ(image.pixel(5, 5), qRgb(255, 255, 255));
        EXPECT_EQ(image.pixel(30, 10), qRgb(0, 0, 0));
        EXPECT_EQ(image.pixel(image.width() - 1, image.height() - 1), qRgb(255, 255, 255));
    }
    // Shut-down writes the settings and puts the stand-ins back.
    EXPECT_EQ(testsupport::ReadFile(home.Path() / "dravonet" / "dravonet.ini"),
              "[Settings]\nDefault Directory=/tmp\n");
    EXPECT_EQ(platform::Services().StatusLine().Text(), "");
}

TEST(CommandLine, TakesTheFirstFileAndIgnoresTheRest) {
    EXPECT_TRUE(app::ParseCommandLine({"dravonet"}).empty());
    EXPECT_TRUE(app::CommandLineFile().empty());
    const auto ignored = app::ParseCommandLine({"dravonet", "-x", "/d/a b.preinput-kliven", "c"});
    EXPECT_EQ(app::CommandLineFile(), std::filesystem::path("/d/a b.preinput-kliven"));
    EXPECT_EQ(ignored, (std::vector<std::string>{"-x", "c"}));
    app::ParseCommandLine({"dravonet", "--", "-odd-name"});
    EXPECT_EQ(app::CommandLineFile().filename(), "-odd-name");
    app::SetCommandLineFile({});
}

// Regression: a file named on the command line was read into an untitled document, so Ctrl+S
// asked for a new name and the file on disk was never written. It is the document now, exactly
// as after File > Open: its title, Save, the close question and the recent-file list.
TEST(CommandLine, TheFileIsTheDocumentAndCtrlSSavesToIt) {
    ConfigHome home;
    const std::filesystem::path file = home.Path() / "embankment.preinput-kliven";
    std::filesystem::copy_file(testsupport::ExamplesDir() / "embankment.preinput-kliven", file);
    {
        app::Application program({"dravonet", file.string()});
        testsupport::FakeServices fakes;
        app::MainFrame& frame = program.Frame();
        frame.show();
        frame.InitialUpdate();
        ASSERT_TRUE(app::OpenCommandLineFile(frame));
        EXPECT_EQ(frame.Doc().PathName(), file);
        EXPECT_EQ(frame.windowTitle(), QString("embankment.preinput-kliven[*] - dravonet4"));
        ASSERT_FALSE(frame.RecentFiles().empty());
        EXPECT_EQ(frame.RecentFiles().front(), file);

        testsupport::WriteFile(file, "overwritten\n");
        frame.Doc().SetModifiedFlag(true);
        frame.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&frame));
        QTest::keyClick(&frame, Qt::Key_S, Qt::ControlModifier);
        QTest::keyRelease(&frame, Qt::Key_Control, Qt::NoModifier);  // no Ctrl held after
        EXPECT_TRUE(fakes.fileDialogs.saveRequests.empty());
        EXPECT_FALSE(frame.Doc().IsModified());
        const std::string saved = testsupport::ReadFile(file);
        EXPECT_EQ(saved.rfind("overwritten", 0), std::string::npos);
        EXPECT_NE(saved.find("COMpute"), std::string::npos);

        frame.Doc().SetModifiedFlag(true);
        fakes.messageBoxes.requests.clear();
        fakes.messageBoxes.answers = {platform::BoxResult::No};
        EXPECT_TRUE(frame.SaveModified());
        ASSERT_EQ(fakes.messageBoxes.requests.size(), 1u);
        EXPECT_EQ(fakes.messageBoxes.requests[0].text,
                  "Save changes to embankment.preinput-kliven?");
        frame.Doc().SetModifiedFlag(false);
    }
    app::SetCommandLineFile({});
    Cpp_FileIO::ResetForTests();
}

// Regression: SIGTERM (a logout, `kill`) opened Save As and blocked the logout. Unsaved
// changes go to a recovery file beside the document, the debug file says so, the program ends
// without a question, and the next start offers the file as the document's unsaved changes.
TEST(Ending, ASigtermWritesARecoveryFileThatTheNextStartOffers) {
    ConfigHome home;
    ConfigHome data("XDG_DATA_HOME");
    const std::filesystem::path file = home.Path() / "embankment.preinput-kliven";
    const std::filesystem::path recovery = home.Path() / "embankment.recovery.preinput-kliven";
    std::filesystem::copy_file(testsupport::ExamplesDir() / "embankment.preinput-kliven", file);
    const std::string original = testsupport::ReadFile(file);
    {
        app::Application program({"dravonet"});
        testsupport::FakeServices fakes;
        app::MainFrame& frame = program.Frame();
        frame.show();
        frame.InitialUpdate();
        ASSERT_TRUE(frame.FileOpen(file));
        GetConstructionLineList().NewLine()->AddPoint(1.0, 2.0);
        frame.Doc().SetModifiedFlag(true);
        {
            app::SignalEnding ending(&frame);
            QTimer::singleShot(0, [] { std::raise(SIGTERM); });
            QTimer::singleShot(60000, [] { QCoreApplication::exit(1); });  // never blocks
            EXPECT_EQ(QApplication::exec(), 0);
        }
        EXPECT_TRUE(fakes.messageBoxes.requests.empty());
        EXPECT_TRUE(fakes.fileDialogs.saveRequests.empty());
        EXPECT_EQ(testsupport::ReadFile(file), original);
        ASSERT_TRUE(std::filesystem::exists(recovery));
        EXPECT_NE(testsupport::ReadFile(recovery).find("CONstruction"), std::string::npos);
        std::fflush(Cpp_FileIO::DebugOutputFile());
        EXPECT_EQ(testsupport::ReadFile(data.Path() / "dravonet" / "debug.out"),
                  "Ended by SIGTERM with unsaved changes; the problem was written to the recovery "
                  "file " +
                      recovery.string() + ".\n");

        // The next start: the question, then the problem as it was, unsaved, under its name.
        frame.Doc().SetModifiedFlag(false);
        ASSERT_TRUE(frame.FileNew());
        fakes.messageBoxes.answers = {platform::BoxResult::Yes};
        ASSERT_TRUE(app::OfferRecoveryFile(frame));
        EXPECT_EQ(fakes.messageBoxes.Texts(),
                  (std::vector<std::string>{"The program was ended with unsaved changes to " +
                                            file.string() + ".  They were written to " +
                                            recovery.string() + ".  Open them now?"}));
        EXPECT_EQ(frame.Doc().PathName(), file);
        EXPECT_TRUE(frame.Doc().IsModified());
        EXPECT_EQ(GetConstructionLineList().Count(), 1);
        // Asked once only.
        EXPECT_FALSE(app::OfferRecoveryFile(frame));
        EXPECT_EQ(fakes.messageBoxes.requests.size(), 1u);
        frame.Doc().SetModifiedFlag(false);
    }
    DeleteAllConstructionItems();
    Cpp_FileIO::ResetForTests();
}

TEST(GuardedCall, CatchesEverythingAndReportsIt) {
    testsupport::FakeServices fakes;
    EXPECT_TRUE(app::GuardedCall("ok", [] {}));
    EXPECT_FALSE(
        app::GuardedCall("text", [] { throw Cpp_TextException("EXCEPTION: Cpp_Line::DrawLine"); }));
    EXPECT_EQ(fakes.statusLine.text, "EXCEPTION: Cpp_Line::DrawLine");
    EXPECT_FALSE(app::GuardedCall("std", [] { throw std::runtime_error("bad"); }));
    EXPECT_EQ(fakes.statusLine.text, "Unexpected error: bad");
    struct Exc_NULLDeviceContext {};
    EXPECT_FALSE(app::GuardedCall("nested", [] { throw Exc_NULLDeviceContext(); }));
    EXPECT_FALSE(app::GuardedCall("int", [] { throw 42; }));
    EXPECT_EQ(fakes.statusLine.history.size(), 4u);
}

TEST(GuardedCall, AThrowingPaintLeavesTheViewWorking) {
    testsupport::FakeServices fakes;
    app::DrawingView view;
    view.resize(120, 80);
    view.SetPaintHandler([](platform::DeviceContext& dc) {
        dc.FillRect({0, 0, 10, 10}, 0);
        throw Cpp_TextException(
            "EXCEPTION: Cpp_Graphics::DisplayPixelsToDisplayInches - NULL CWnd Pointer");
    });
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    view.repaint();
    EXPECT_EQ(fakes.statusLine.text,
              "EXCEPTION: Cpp_Graphics::DisplayPixelsToDisplayInches - NULL CWnd Pointer");
    EXPECT_EQ(view.Image().pixel(5, 5), qRgb(0, 0, 0));
    EXPECT_EQ(view.Image().pixel(50, 50), qRgb(255, 255, 255));
}

TEST(DrawingView, AnOverlayDrawnTwiceInXorLeavesTheImage) {
    app::DrawingView view;
    view.resize(100, 100);
    view.SetPaintHandler([](platform::DeviceContext& dc) { dc.Ellipse(10, 10, 90, 90); });
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    view.repaint();
    const QImage before = view.Image().copy();
    auto band = [](platform::DeviceContext& dc) {
        dc.SetRop2(platform::RasterOp::XorPen);
        dc.SetPen({platform::PenStyle::Solid, 1, 0xFFFFFF});
        dc.MoveTo(0, 50);
        dc.LineTo(100, 20);
    };
    EXPECT_TRUE(view.DrawOverlay({0, 0, 100, 100}, band));
    EXPECT_NE(view.Image(), before);
    EXPECT_TRUE(view.DrawOverlay({0, 0, 100, 100}, band));
    EXPECT_EQ(view.Image(), before);
}

// Records the rectangles the view is asked to paint.
class PaintSpy : public QObject {
public:
    QRegion painted;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) painted += static_cast<QPaintEvent*>(event)->region();
        return false;
    }
};

// The overlay of the registered view: drawn in XOR on the current context in screen mode,
// clipped to the touched rectangle, and only that rectangle painted again; a selection marker
// inverts its four 4 x 4 squares and a second one restores the picture pixel for pixel.
TEST(DrawingView, OverlayTouchesOnlyItsRectangle) {
    testsupport::FakeServices fakes;
    app::DrawingView view;
    view.resize(120, 100);
    view.SetPaintHandler([](platform::DeviceContext& dc) {
        dc.FillRect({0, 0, 60, 100}, platform::MakeRgb(0, 0, 255));
    });
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    view.repaint();
    const QImage before = view.Image().copy();
    Cpp_Graphics::SetWindowPointer(view.ViewWindow());
    Cpp_Graphics::SetOutputMode(Cpp_Graphics::kOutputPrinter);
    PaintSpy spy;
    view.installEventFilter(&spy);

    const platform::DeviceRect touched = SelectionMarkerBounds(58, 40);
    auto marker = [&](platform::DeviceContext& dc) {
        EXPECT_EQ(Cpp_Graphics::GetCurrentDC(), &dc);
        EXPECT_EQ(Cpp_Graphics::OutputMode(), Cpp_Graphics::kOutputScreen);
        EXPECT_EQ(dc.GetRop2(), platform::RasterOp::XorPen);
        DrawSelectionMarker(58, 40, &dc);
        dc.Rectangle(0, 0, 20, 20);  // outside the touched rectangle: clipped away
    };
    ASSERT_TRUE(Cpp_Graphics::DrawOnView(touched, marker));
    EXPECT_EQ(Cpp_Graphics::OutputMode(), Cpp_Graphics::kOutputPrinter);
    EXPECT_EQ(Cpp_Graphics::GetCurrentDC(), nullptr);
    QCoreApplication::processEvents();
    EXPECT_EQ(spy.painted, QRegion(53, 35, 10, 10));
    int changed = 0;
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 120; ++x) {
            const bool inSquare = ((x >= 53 && x < 57) || (x >= 59 && x < 63)) &&
                                  ((y >= 35 && y < 39) || (y >= 41 && y < 45));
            const QRgb expected = inSquare ? (before.pixel(x, y) ^ 0xFFFFFF) : before.pixel(x, y);
            if (view.Image().pixel(x, y) != expected) ++changed;
        }
    EXPECT_EQ(changed, 0);
    ASSERT_TRUE(Cpp_Graphics::DrawOnView(touched, marker));
    EXPECT_EQ(view.Image(), before);

    // A rectangle beside the view draws nothing; without a view there is no overlay.
    bool called = false;
    EXPECT_FALSE(
        view.DrawOverlay({200, 0, 210, 10}, [&](platform::DeviceContext&) { called = true; }));
    EXPECT_FALSE(called);
    Cpp_Graphics::SetWindowPointer(nullptr);
    EXPECT_FALSE(Cpp_Graphics::DrawOnView(touched, marker));
    view.removeEventFilter(&spy);
}

}  // namespace

namespace {

// Whether the process has its own handler of SIGTERM (the signals it catches, from /proc).
bool CatchesTerminate(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("SigCgt:", 0) == 0)
            return (std::stoull(line.substr(7), nullptr, 16) >> (SIGTERM - 1)) & 1u;
    return false;
}

TEST(Program, StartsOffscreenAndEndsCleanlyWhenAskedTo) {
    const auto program = std::filesystem::canonical("/proc/self/exe").parent_path().parent_path() /
                         "src" / "dravonet";
    ASSERT_TRUE(std::filesystem::exists(program)) << program;
    ConfigHome home;
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    const pid_t pid = fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
        execl(program.c_str(), program.c_str(), "missing.preinput-kliven",
              static_cast<char*>(nullptr));
        _exit(127);
    }
    // Let it come up, however busy the machine, until it catches SIGTERM; it must not end
    // on its own meanwhile.
    int status = 0;
    for (int i = 0; !CatchesTerminate(pid); ++i) {
        ASSERT_EQ(waitpid(pid, &status, WNOHANG), 0) << "the program ended at start-up";
        if (i == 6000) kill(pid, SIGKILL);
        ASSERT_LT(i, 6000) << "no handler of SIGTERM after a minute";
        usleep(10000);
    }
    kill(pid, SIGTERM);
    ASSERT_EQ(waitpid(pid, &status, 0), pid);
    EXPECT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
}

}  // namespace
