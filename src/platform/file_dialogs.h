#pragma once
// Open, save and folder dialogs. An empty optional means the user cancelled.

#include <filesystem>
#include <optional>
#include <string>

namespace platform {

struct FileDialogRequest {
    std::string title;
    // Filters as "Description|*.ext1;*.ext2|Description|*.*" pairs; extensions match in any case.
    std::string filter;
    int filterIndex = 1;  // 1-based
    std::string defaultExtension;
    std::filesystem::path initialDirectory;
    std::filesystem::path initialFile;
    bool confirmOverwrite = true;  // save only
};

class FileDialogService {
public:
    virtual ~FileDialogService() = default;
    virtual std::optional<std::filesystem::path> GetOpenFileName(const FileDialogRequest& r) = 0;
    virtual std::optional<std::filesystem::path> GetSaveFileName(const FileDialogRequest& r) = 0;
    virtual std::optional<std::filesystem::path>
    BrowseForFolder(const std::string& title, const std::filesystem::path& initial) = 0;
};

}  // namespace platform
