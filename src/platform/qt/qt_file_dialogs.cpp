#include "platform/qt/qt_file_dialogs.h"

#include "platform/qt/qt_text.h"

#include <QFileDialog>
#include <QRegularExpression>

namespace platform::qt {

namespace {

std::vector<std::string> SplitBars(const std::string& filter) {
    std::vector<std::string> parts;
    std::string current;
    for (char c : filter) {
        if (c == '|') {
            parts.push_back(current);
            current.clear();
        } else {
            current += c;
        }
    }
    if (!current.empty()) parts.push_back(current);
    return parts;
}

std::vector<std::string> SplitPatterns(const std::string& patterns) {
    std::vector<std::string> out;
    std::string current;
    for (char c : patterns + ";") {
        if (c == ';' || c == ' ') {
            if (!current.empty()) out.push_back(current == "*.*" ? "*" : current);
            current.clear();
        } else {
            current += c;
        }
    }
    return out;
}

}  // namespace

QStringList ToQtFilters(const std::string& filter) {
    QStringList out;
    const auto parts = SplitBars(filter);
    for (std::size_t i = 0; i + 1 < parts.size(); i += 2) {
        const auto patterns = SplitPatterns(parts[i + 1]);
        QStringList qpatterns;
        for (const auto& p : patterns) qpatterns << ToQString(p);
        QString description = ToQString(parts[i]).trimmed();
        // Qt takes the patterns from the last parentheses of the text; put ours there.
        static const QRegularExpression shown(R"(\s*\([^()]*\)\s*$)");
        description.remove(shown);
        out << description + " (" + qpatterns.join(' ') + ")";
    }
    return out;
}

std::vector<std::string> FilterPatterns(const std::string& filter, int index) {
    const auto parts = SplitBars(filter);
    const std::size_t at = static_cast<std::size_t>(std::max(index, 1) - 1) * 2 + 1;
    if (at >= parts.size()) return {};
    return SplitPatterns(parts[at]);
}

bool MatchesPatterns(const std::string& fileName, const std::vector<std::string>& patterns) {
    for (const auto& p : patterns) {
        const QRegularExpression re(QRegularExpression::wildcardToRegularExpression(ToQString(p)),
                                    QRegularExpression::CaseInsensitiveOption);
        if (re.match(ToQString(fileName)).hasMatch()) return true;
    }
    return false;
}

std::optional<std::filesystem::path> QtFileDialogs::Run(const FileDialogRequest& r, bool save) {
    QFileDialog dialog(mainWindow_, ToQString(r.title));
    // Qt's own dialog matches the filters in any case.
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    if (save && !r.confirmOverwrite) dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    const QStringList filters = ToQtFilters(r.filter);
    if (!filters.isEmpty()) {
        dialog.setNameFilters(filters);
        const int index = std::clamp(r.filterIndex, 1, static_cast<int>(filters.size()));
        dialog.selectNameFilter(filters[index - 1]);
    }
    if (!r.defaultExtension.empty()) {
        std::string ext = r.defaultExtension;
        if (ext.front() == '.') ext.erase(0, 1);
        dialog.setDefaultSuffix(ToQString(ext));
    }
    if (!r.initialDirectory.empty()) dialog.setDirectory(ToQString(r.initialDirectory.string()));
    if (!r.initialFile.empty()) dialog.selectFile(ToQString(r.initialFile.string()));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return std::filesystem::path(ToStdString(dialog.selectedFiles().first()));
}

std::optional<std::filesystem::path> QtFileDialogs::GetOpenFileName(const FileDialogRequest& r) {
    return Run(r, false);
}

std::optional<std::filesystem::path> QtFileDialogs::GetSaveFileName(const FileDialogRequest& r) {
    return Run(r, true);
}

std::optional<std::filesystem::path>
QtFileDialogs::BrowseForFolder(const std::string& title, const std::filesystem::path& initial) {
    const QString folder = QFileDialog::getExistingDirectory(
        mainWindow_, ToQString(title), ToQString(initial.string()),
        QFileDialog::ShowDirsOnly | QFileDialog::DontUseNativeDialog);
    if (folder.isEmpty()) return std::nullopt;
    return std::filesystem::path(ToStdString(folder));
}

}  // namespace platform::qt
