#pragma once
// The application profile: sections and keys of text values (an INI file on disk).
// A missing or empty key answers nothing, so the caller keeps its built-in default.

#include <optional>
#include <string>

namespace platform {

class ProfileService {
public:
    virtual ~ProfileService() = default;
    virtual std::optional<std::string> GetString(const std::string& section,
                                                 const std::string& key) const = 0;
    virtual void SetString(const std::string& section, const std::string& key,
                           const std::string& value) = 0;
    // Writes pending changes to disk; false when the file could not be written.
    virtual bool Flush() = 0;

    std::optional<int> GetInt(const std::string& section, const std::string& key) const;
    std::optional<double> GetDouble(const std::string& section, const std::string& key) const;
    void SetInt(const std::string& section, const std::string& key, int value);
    void SetDouble(const std::string& section, const std::string& key, double value);
};

}  // namespace platform
