#pragma once
// Ending the program by a signal (SIGTERM at a logout or from `kill`, SIGHUP when the terminal
// goes, SIGINT from Ctrl+C) without a question that nobody can answer: unsaved changes are
// written to a recovery file first, and the next start offers to open it.
//
//     SignalEnding ending(&application);   // for the life of the event loop
//     ...
//     OfferRecoveryFile(frame);            // at the next start, once the frame is up

#include <filesystem>
#include <string>

class QObject;
class QSocketNotifier;

namespace app {

class CDravonetDoc;
class MainFrame;

// Where the problem of a document goes: beside it as NAME.recovery.preinput-kliven, or, for an
// untitled document, "untitled.recovery.preinput-kliven" in the program's data folder.
std::filesystem::path RecoveryFileFor(const std::filesystem::path& document);

// When the document has unsaved changes: writes the problem to its recovery file (to the data
// folder when its own folder cannot take it), records the file and the document in the
// settings for the next start and says so in the debug file. The file written, or empty when
// nothing needed writing or writing failed (said in the debug file too).
std::filesystem::path WriteRecoveryFile(const CDravonetDoc& doc, const std::string& reason);

// At start-up: when the settings name a recovery file that is still there, asks whether to open
// it. On Yes it is read and becomes the unsaved changes of its document (the document's name,
// or untitled). The settings forget it either way. True when it was opened.
bool OfferRecoveryFile(MainFrame& frame);

// Catches SIGTERM, SIGHUP and SIGINT for its lifetime. The handler only writes the signal's
// number to a pipe; the event loop then writes the recovery file of the main frame's document
// and ends the program without asking. The previous handlers come back when it is destroyed.
class SignalEnding {
public:
    explicit SignalEnding(QObject* parent);
    ~SignalEnding();
    SignalEnding(const SignalEnding&) = delete;
    SignalEnding& operator=(const SignalEnding&) = delete;

private:
    QSocketNotifier* notifier_ = nullptr;
};

}  // namespace app
