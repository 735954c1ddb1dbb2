#include "app/recovery_file.h"

#include "app/document.h"
#include "app/main_frame.h"
#include "app/palette_bar.h"
#include "core/file_io.h"
#include "core/message_boxes.h"
#include "platform/services.h"

#include <QCoreApplication>
#include <QSocketNotifier>
#include <QTimer>
#include <array>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <sys/socket.h>
#include <system_error>
#include <unistd.h>

namespace fs = std::filesystem;

namespace app {

namespace {

constexpr const char* kSection = "Recovery";
constexpr const char* kFileKey = "File";
constexpr const char* kDocumentKey = "Document";
constexpr std::array<int, 3> kSignals = {SIGTERM, SIGHUP, SIGINT};

int signalPipe[2] = {-1, -1};
std::array<struct sigaction, kSignals.size()> previousActions{};

// Only async-signal-safe work here: the number goes down the pipe.
void OnEndingSignal(int signal) {
    const int saved = errno;
    const char byte = static_cast<char>(signal);
    [[maybe_unused]] auto n = ::write(signalPipe[1], &byte, 1);
    errno = saved;
}

void Debug(const std::string& text) {
    if (std::FILE* debug = Cpp_FileIO::DebugOutputFile()) {
        std::fprintf(debug, "%s\n", text.c_str());
        std::fflush(debug);
    }
}

const char* SignalName(int signal) {
    switch (signal) {
    case SIGTERM: return "SIGTERM";
    case SIGHUP: return "SIGHUP";
    case SIGINT: return "SIGINT";
    default: return "a signal";
    }
}

void EndOnSignal(int signal) {
    // A file being read has only half made the problem: the ending waits for the read, which
    // either makes the file the document or puts the problem open before back.
    if (platform::Services().Progress().IsActive()) {
        QTimer::singleShot(50, [signal] { EndOnSignal(signal); });
        return;
    }
    if (MainFrame* frame = TheMainFrame())
        WriteRecoveryFile(frame->Doc(), std::string("Ended by ") + SignalName(signal));
    // Every event loop ends, a dialog's included, and no new one starts.
    QCoreApplication::exit(0);
}

}  // namespace

fs::path RecoveryFileFor(const fs::path& document) {
    if (document.empty())
        return Cpp_FileIO::ProgramDataFolder() /
               ("untitled.recovery" + std::string(kDocumentExtension));
    fs::path name = document.filename();
    if (name.extension() == kDocumentExtension) name.replace_extension();
    return document.parent_path() / (name.string() + ".recovery" + kDocumentExtension);
}

fs::path WriteRecoveryFile(const CDravonetDoc& doc, const std::string& reason) {
    if (!doc.IsModified()) {
        Debug(reason + " without unsaved changes.");
        return {};
    }
    fs::path written;
    bool ok =
        SavePreprocessorDataFile(RecoveryFileFor(doc.PathName()), kDocumentExtension, written);
    if (!ok && !doc.PathName().empty()) {
        std::error_code ec;
        fs::create_directories(Cpp_FileIO::ProgramDataFolder(), ec);
        ok = SavePreprocessorDataFile(Cpp_FileIO::ProgramDataFolder() /
                                          RecoveryFileFor(doc.PathName()).filename(),
                                      kDocumentExtension, written);
    }
    if (!ok) {
        Debug(reason + " with unsaved changes; they could not be written to a recovery file.");
        return {};
    }
    platform::ProfileService& profile = platform::Services().Profile();
    profile.SetString(kSection, kFileKey, written.string());
    profile.SetString(kSection, kDocumentKey, doc.PathName().string());
    Debug(reason + " with unsaved changes; the problem was written to the recovery file " +
          written.string() + ".");
    return written;
}

bool OfferRecoveryFile(MainFrame& frame) {
    platform::ProfileService& profile = platform::Services().Profile();
    const fs::path file = profile.GetString(kSection, kFileKey).value_or("");
    const fs::path document = profile.GetString(kSection, kDocumentKey).value_or("");
    if (file.empty()) return false;
    profile.SetString(kSection, kFileKey, "");
    profile.SetString(kSection, kDocumentKey, "");
    std::error_code ec;
    if (!fs::is_regular_file(file, ec)) return false;
    const std::string name = document.empty() ? std::string(kNewDocumentName) : document.string();
    if (!AskYesNo(&frame, "dravonet4",
                  "The program was ended with unsaved changes to " + name +
                      ".  They were written to " + file.string() + ".  Open them now?"))
        return false;
    if (!frame.SaveModified()) return false;
    CDravonetDoc& doc = frame.Doc();
    if (!doc.OnOpenDocument(file)) return false;
    doc.SetPathName(document);
    Cpp_FileIO::SetInputFileName(document);
    if (!document.empty())
        SetInputFileNames(document, kDocumentExtension);
    else
        Cpp_FileIO::SetComputationInputFileName({});
    doc.SetModifiedFlag(true);
    frame.PaletteBar()->RefreshFromDataSet();
    frame.Redraw();
    return true;
}

SignalEnding::SignalEnding(QObject* parent) {
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, signalPipe) != 0) return;
    notifier_ = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, parent);
    const int readEnd = signalPipe[0];
    QObject::connect(notifier_, &QSocketNotifier::activated, [readEnd] {
        char byte = 0;
        if (::read(readEnd, &byte, 1) == 1) EndOnSignal(byte);
    });
    struct sigaction action {};
    action.sa_handler = OnEndingSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (std::size_t i = 0; i < kSignals.size(); ++i)
        sigaction(kSignals[i], &action, &previousActions[i]);
}

SignalEnding::~SignalEnding() {
    if (signalPipe[0] < 0) return;
    for (std::size_t i = 0; i < kSignals.size(); ++i)
        sigaction(kSignals[i], &previousActions[i], nullptr);
    delete notifier_;
    ::close(signalPipe[0]);
    ::close(signalPipe[1]);
    signalPipe[0] = signalPipe[1] = -1;
}

}  // namespace app
