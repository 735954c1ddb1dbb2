#include "app/application.h"

#include "app/command_line.h"
#include "app/document.h"
#include "app/drawing_view.h"
#include "app/guarded_call.h"
#include "app/main_frame.h"
#include "app/numeric_locale.h"
#include "app/recovery_file.h"
#include "core/file_io.h"
#include "core/message_boxes.h"
#include "core/units.h"
#include "dialogs/dialog_registration.h"
#include "editing/construction_items.h"
#include "editing/selection_list.h"
#include "graphics/ui/clipboard_picture.h"
#include "model/data_sets.h"
#include "model/subsystem_registration.h"
#include "model/view_painting.h"
#include "platform/ini_profile.h"
#include "platform/posix_processes.h"
#include "platform/qt/qt_clipboard.h"
#include "platform/qt/qt_data_errors.h"
#include "platform/qt/qt_file_dialogs.h"
#include "platform/qt/qt_graph_window.h"
#include "platform/qt/qt_help.h"
#include "platform/qt/qt_info_window.h"
#include "platform/qt/qt_keyboard.h"
#include "platform/qt/qt_message_boxes.h"
#include "platform/qt/qt_printing.h"
#include "platform/qt/qt_progress.h"
#include "platform/qt/qt_status_line.h"
#include "platform/services.h"
#include "resources/string_table_resource.h"

#include <QApplication>
#include <QStatusBar>
#include <QTimer>
#include <cstdio>

namespace app {

namespace {

// Every event handler of every widget runs through here: nothing thrown reaches the loop.
class GuardedApplication final : public QApplication {
public:
    GuardedApplication(int& argc, char** argv) : QApplication(argc, argv) {}
    bool notify(QObject* receiver, QEvent* event) override {
        bool handled = false;
        GuardedCall("event handler", [&] { handled = QApplication::notify(receiver, event); });
        return handled;
    }
};

}  // namespace

struct Application::Parts {
    platform::IniProfile profile{platform::IniProfile::DefaultFile()};
    platform::PosixProcesses processes;
    platform::qt::QtMessageBoxes messageBoxes;
    platform::qt::QtFileDialogs fileDialogs;
    platform::qt::QtClipboard clipboard;
    platform::qt::QtHelp help;
    platform::qt::QtKeyboard keyboard;
    // The frame before the services that live in its windows, which go first.
    std::unique_ptr<MainFrame> frame = std::make_unique<MainFrame>();
    platform::qt::QtStatusLine statusLine{frame->statusBar()};
    platform::qt::QtInfoWindow infoWindow{frame.get()};
    platform::qt::QtDataErrors dataErrors{frame.get()};
    platform::qt::QtGraphWindow graphWindow{frame.get()};
    platform::qt::QtPrinting printing{frame.get()};
};

Application::Application(const std::vector<std::string>& arguments) {
    UseCNumericLocale();
    for (const auto& ignored : ParseCommandLine(arguments))
        std::fprintf(stderr, "dravonet: ignoring the argument \"%s\"\n", ignored.c_str());

    Cpp_FileIO::SetProgramDirectory(QCoreApplication::applicationFilePath().toStdString());
    std::string stringTableError;
    if (!resources::LoadStringTable(stringTableError))
        std::fprintf(stderr, "dravonet: the string table: %s\n", stringTableError.c_str());
    parts_ = std::make_unique<Parts>();
    Parts& p = *parts_;
    p.messageBoxes.SetMainWindow(p.frame.get());
    p.fileDialogs.SetMainWindow(p.frame.get());
    auto& s = platform::Services();
    s.SetProfile(&p.profile);
    s.SetProcesses(&p.processes);
    s.SetMessageBoxes(&p.messageBoxes);
    s.SetFileDialogs(&p.fileDialogs);
    s.SetClipboard(&p.clipboard);
    s.SetHelp(&p.help);
    s.SetStatusLine(&p.statusLine);
    s.SetInfoWindow(&p.infoWindow);
    s.SetDataErrors(&p.dataErrors);
    s.SetGraphWindow(&p.graphWindow);
    s.SetPrinting(&p.printing);
    s.SetKeyboard(&p.keyboard);
    s.SetProgress(&p.frame->Progress());
    dialogs::RegisterDialogWindows(p.frame.get());
    SetMainWindowExists(true);
    RegisterSubsystems();
    RegisterConstructionBlocks();
    RegisterSelectionDrawing();
    p.statusLine.SetText("Ready");
}

Application::~Application() {
    SetMainWindowExists(false);
    dialogs::UnregisterDialogWindows();
    if (!parts_->profile.Flush())
        std::fprintf(stderr, "dravonet: cannot write the settings to %s\n",
                     parts_->profile.File().c_str());
    platform::Services().Reset();
}

MainFrame& Application::Frame() { return *parts_->frame; }

bool OpenCommandLineFile(MainFrame& frame) {
    if (CommandLineFile().empty()) return false;
    return frame.FileOpen(CommandLineFile());
}

int RunApplication(int argc, char* argv[]) {
    GuardedApplication application(argc, argv);
    QApplication::setApplicationName("dravonet");
    QApplication::setOrganizationName("dravonet");
    std::vector<std::string> arguments;
    for (const QString& a : QApplication::arguments()) arguments.push_back(a.toStdString());
    // A logout, `kill` or a closed terminal ends the program without a question; unsaved changes
    // go to a recovery file first.
    SignalEnding ending(&application);
    int result = 1;
    GuardedCall("start-up", [&] {
        Application program(arguments);
        program.Frame().show();
        program.Frame().InitialUpdate();
        // Once the event loop runs, so that a box shown ends with the program: the recovery
        // file of an ended run is offered, then the file named on the command line is opened.
        QTimer::singleShot(0, &program.Frame(), [&program] {
            GuardedCall("start-up files", [&] {
                if (!OfferRecoveryFile(program.Frame())) OpenCommandLineFile(program.Frame());
            });
        });
        result = QApplication::exec();
    });
    return result;
}

}  // namespace app
