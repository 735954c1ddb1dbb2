// The frame's documents: New, Open, Save, Save As, Close, the recent-file list of 6 and the
// question to save a modified document. (The menu commands that call them are in
// app/commands/file_commands.cpp.)

#include "app/document.h"
#include "app/draw_view.h"
#include "app/main_frame.h"
#include "app/palette_bar.h"
#include "core/message_boxes.h"
#include "model/data_sets.h"
#include "platform/services.h"

#include <QAction>
#include <QMenu>

namespace fs = std::filesystem;

namespace app {

namespace {

constexpr const char* kRecentSection = "Recent File List";
constexpr const char* kDocumentFilter =
    "Preprocessor data (*.preinput-kliven)|*.preinput-kliven|KLIVEN4 input files "
    "(*.input-kliven)|*.input-kliven|All Files (*.*)|*|";

}  // namespace

// ---------------------------------------------------------------------------------------------
// Recent files

std::vector<fs::path> MainFrame::RecentFiles() const {
    std::vector<fs::path> files;
    for (int i = 1; i <= kRecentFileCount; ++i)
        if (auto v = platform::Services().Profile().GetString(kRecentSection,
                                                              "File" + std::to_string(i));
            v && !v->empty())
            files.emplace_back(*v);
    return files;
}

void MainFrame::AddToRecentFiles(const fs::path& path) {
    std::vector<fs::path> files = RecentFiles();
    files.erase(std::remove(files.begin(), files.end(), path), files.end());
    files.insert(files.begin(), path);
    if (files.size() > kRecentFileCount) files.resize(kRecentFileCount);
    platform::ProfileService& profile = platform::Services().Profile();
    for (int i = 1; i <= kRecentFileCount; ++i)
        profile.SetString(kRecentSection, "File" + std::to_string(i),
                          i <= static_cast<int>(files.size()) ? files[i - 1].string() : "");
    RefreshRecentMenu();
}

void MainFrame::RefreshRecentMenu() {
    if (!recentMenu_) return;
    recentMenu_->clear();
    const std::vector<fs::path> files = RecentFiles();
    for (std::size_t i = 0; i < files.size(); ++i) {
        QAction* a = recentMenu_->addAction(
            QString("&%1 %2").arg(i + 1).arg(QString::fromStdString(files[i].string())));
        a->setObjectName(QString("command%1").arg(ID_FILE_MRU_FILE1 + static_cast<int>(i)));
        connect(a, &QAction::triggered, this,
                [this, i] { OnCommand(ID_FILE_MRU_FILE1 + static_cast<int>(i)); });
    }
    recentMenu_->setEnabled(!files.empty());
}

bool MainFrame::OpenRecentFile(int index) {
    const std::vector<fs::path> files = RecentFiles();
    if (index < 0 || index >= static_cast<int>(files.size())) return false;
    if (!SaveModified()) return false;
    return FileOpen(files[static_cast<std::size_t>(index)]);
}

// ---------------------------------------------------------------------------------------------
// New, Open, Save

bool MainFrame::SaveModified() {
    if (!doc_.IsModified()) return true;
    const platform::BoxResult answer =
        AskYesNoCancel(this, "dravonet4", "Save changes to " + doc_.Title() + "?");
    if (answer == platform::BoxResult::Cancel) return false;
    if (answer == platform::BoxResult::No) return true;
    return FileSave();
}

bool MainFrame::FileNew() {
    if (!SaveModified()) return false;
    doc_.OnNewDocument();
    palette_->RefreshFromDataSet();
    ZoomToExtents();
    Redraw();
    return true;
}

bool MainFrame::FileOpen(const std::optional<fs::path>& path) {
    if (!SaveModified()) return false;
    fs::path file;
    if (path) {
        file = *path;
    } else {
        platform::FileDialogRequest request;
        request.title = "Open";
        request.filter = kDocumentFilter;
        request.defaultExtension = "preinput-kliven";
        auto chosen = platform::Services().FileDialogs().GetOpenFileName(request);
        if (!chosen) return false;
        file = *chosen;
    }
    const bool ok = doc_.OnOpenDocument(file);
    if (ok) AddToRecentFiles(doc_.PathName());
    palette_->RefreshFromDataSet();
    Redraw();
    return ok;
}

bool MainFrame::FileSave() {
    if (doc_.PathName().empty()) return FileSaveAs();
    const bool ok = doc_.OnSaveDocument(doc_.PathName());
    if (ok) AddToRecentFiles(doc_.PathName());
    return ok;
}

bool MainFrame::FileSaveAs(const std::optional<fs::path>& path) {
    fs::path file;
    if (path) {
        file = *path;
    } else {
        platform::FileDialogRequest request;
        request.title = "Save As";
        request.filter = kDocumentFilter;
        request.defaultExtension = "preinput-kliven";
        if (!doc_.PathName().empty()) {
            request.initialDirectory = doc_.PathName().parent_path();
            request.initialFile = doc_.PathName().filename();
        }
        auto chosen = platform::Services().FileDialogs().GetSaveFileName(request);
        if (!chosen) return false;
        file = *chosen;
    }
    const bool ok = doc_.OnSaveDocument(file);
    if (ok) AddToRecentFiles(doc_.PathName());
    return ok;
}

bool MainFrame::FileClose() { return FileNew(); }

}  // namespace app
