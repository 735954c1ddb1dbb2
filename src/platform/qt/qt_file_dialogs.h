#pragma once
// Open, save and folder dialogs as QFileDialog. Filters come as "Description|*.a;*.b|..."
// pairs; extensions match in any case.

#include "platform/file_dialogs.h"

#include <QPointer>
#include <QStringList>
#include <QWidget>

namespace platform::qt {

// "Input Files (*.x)|*.x|All Files (*.*)|*.*|" -> {"Input Files (*.x)", "All Files (*)"}: the
// description, with the patterns in parentheses unless it already shows them.
QStringList ToQtFilters(const std::string& filter);
// The patterns of the filter pair at the 1-based index ("*.x;*.y" -> {"*.x", "*.y"}).
std::vector<std::string> FilterPatterns(const std::string& filter, int index);
// Whether the file name matches one of the patterns, in any case ("*.*" and "*" match all).
bool MatchesPatterns(const std::string& fileName, const std::vector<std::string>& patterns);

class QtFileDialogs final : public FileDialogService {
public:
    std::optional<std::filesystem::path> GetOpenFileName(const FileDialogRequest& r) override;
    std::optional<std::filesystem::path> GetSaveFileName(const FileDialogRequest& r) override;
    std::optional<std::filesystem::path>
    BrowseForFolder(const std::string& title, const std::filesystem::path& initial) override;
    void SetMainWindow(QWidget* window) { mainWindow_ = window; }

private:
    std::optional<std::filesystem::path> Run(const FileDialogRequest& r, bool save);
    QPointer<QWidget> mainWindow_;
};

}  // namespace platform::qt
