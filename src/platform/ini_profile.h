#pragma once
// The application profile as an INI file: "[Section]" lines and "Key=Value" lines below them.
// Sections and keys are kept exactly as written (keys may hold blanks: "Default Directory") and
// are looked up without regard to case; values are trimmed of surrounding blanks. Lines that
// are neither (comments, blank lines) are kept as they are when the file is written back.
// A missing or empty key answers nothing, so the caller keeps its default.

#include "platform/profile.h"

#include <filesystem>
#include <string>
#include <vector>

namespace platform {

class IniProfile final : public ProfileService {
public:
    // Reads the file if it exists (a missing file is an empty profile).
    explicit IniProfile(std::filesystem::path file);

    std::optional<std::string> GetString(const std::string& section,
                                         const std::string& key) const override;
    void SetString(const std::string& section, const std::string& key,
                   const std::string& value) override;
    // Writes the file when something changed: a temporary file in the same folder renamed over
    // the old one, so a failed write leaves the old file whole. Creates the folder if needed.
    bool Flush() override;

    const std::filesystem::path& File() const { return file_; }
    // Reads the file again, dropping unsaved changes.
    void Reload();

    // ~/.config/dravonet/dravonet.ini ($XDG_CONFIG_HOME when set).
    static std::filesystem::path DefaultFile();

private:
    struct Entry {
        std::string key;  // empty: a line kept as it is (comment or blank)
        std::string value;
        std::string raw;
    };
    struct Section {
        std::string name;
        std::vector<Entry> entries;
    };
    Section* FindSection(const std::string& name);
    const Section* FindSection(const std::string& name) const;

    std::filesystem::path file_;
    std::vector<Entry> preamble_;  // lines before the first section
    std::vector<Section> sections_;
    bool dirty_ = false;
};

}  // namespace platform
