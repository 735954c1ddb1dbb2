#include "platform/ini_profile.h"

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <system_error>

namespace platform {

namespace {

std::string Trim(const std::string& text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return {};
    const auto last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

bool SameName(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        auto lower = [](char c) {
            return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
        };
        if (lower(a[i]) != lower(b[i])) return false;
    }
    return true;
}

}  // namespace

IniProfile::IniProfile(std::filesystem::path file) : file_(std::move(file)) { Reload(); }

std::filesystem::path IniProfile::DefaultFile() {
    std::filesystem::path base;
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg) {
        base = xdg;
    } else if (const char* home = std::getenv("HOME"); home && *home) {
        base = std::filesystem::path(home) / ".config";
    } else {
        base = std::filesystem::temp_directory_path();
    }
    return base / "dravonet" / "dravonet.ini";
}

void IniProfile::Reload() {
    preamble_.clear();
    sections_.clear();
    dirty_ = false;
    std::ifstream in(file_, std::ios::binary);
    if (!in) return;
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const std::string trimmed = Trim(line);
        if (trimmed.size() >= 2 && trimmed.front() == '[' && trimmed.back() == ']') {
            sections_.push_back({trimmed.substr(1, trimmed.size() - 2), {}});
            continue;
        }
        Entry entry;
        entry.raw = line;
        const auto equals = line.find('=');
        if (equals != std::string::npos && !trimmed.empty() && trimmed.front() != ';' &&
            trimmed.front() != '#') {
            entry.key = Trim(line.substr(0, equals));
            entry.value = Trim(line.substr(equals + 1));
        }
        (sections_.empty() ? preamble_ : sections_.back().entries).push_back(std::move(entry));
    }
}

const IniProfile::Section* IniProfile::FindSection(const std::string& name) const {
    for (const auto& s : sections_)
        if (SameName(s.name, name)) return &s;
    return nullptr;
}

IniProfile::Section* IniProfile::FindSection(const std::string& name) {
    for (auto& s : sections_)
        if (SameName(s.name, name)) return &s;
    return nullptr;
}

std::optional<std::string> IniProfile::GetString(const std::string& section,
                                                 const std::string& key) const {
    const Section* s = FindSection(section);
    if (!s) return std::nullopt;
    for (const auto& e : s->entries)
        if (!e.key.empty() && SameName(e.key, key)) {
            if (e.value.empty()) return std::nullopt;
            return e.value;
        }
    return std::nullopt;
}

void IniProfile::SetString(const std::string& section, const std::string& key,
                           const std::string& value) {
    Section* s = FindSection(section);
    if (!s) {
        sections_.push_back({section, {}});
        s = &sections_.back();
    }
    // A value is one line.
    std::string clean = value;
    for (char& c : clean)
        if (c == '\n' || c == '\r') c = ' ';
    for (auto& e : s->entries)
        if (!e.key.empty() && SameName(e.key, key)) {
            if (e.value != clean) {
                e.value = clean;
                dirty_ = true;
            }
            return;
        }
    // New keys go after the last key of the section (before trailing blank lines).
    auto at = s->entries.end();
    while (at != s->entries.begin() && std::prev(at)->key.empty() &&
           Trim(std::prev(at)->raw).empty())
        --at;
    s->entries.insert(at, Entry{key, clean, {}});
    dirty_ = true;
}

bool IniProfile::Flush() {
    if (!dirty_) return true;
    std::ostringstream text;
    auto write = [&text](const Entry& e) {
        if (e.key.empty())
            text << e.raw << '\n';
        else
            text << e.key << '=' << e.value << '\n';
    };
    for (const auto& e : preamble_) write(e);
    for (const auto& s : sections_) {
        text << '[' << s.name << "]\n";
        for (const auto& e : s.entries) write(e);
    }
    std::error_code ec;
    if (file_.has_parent_path()) std::filesystem::create_directories(file_.parent_path(), ec);
    std::filesystem::path temp = file_;
    temp += ".tmp";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        if (!out) return false;
        out << text.str();
        out.close();
        if (!out) {
            std::filesystem::remove(temp, ec);
            return false;
        }
    }
    std::filesystem::rename(temp, file_, ec);
    if (ec) {
        std::filesystem::remove(temp, ec);
        return false;
    }
    dirty_ = false;
    return true;
}

}  // namespace platform
