#include "core/string_table.h"

#include <charconv>
#include <utility>

namespace {

StringTableEntries& Table() {
    static StringTableEntries table;
    return table;
}

}  // namespace

std::optional<std::string> LoadStringText(int id) {
    const auto& table = Table();
    auto it = table.find(id);
    if (it == table.end()) return std::nullopt;
    return it->second;
}

void FillStringTable(StringTableEntries entries) { Table() = std::move(entries); }

void ResetStringTable() { Table().clear(); }

bool ParseStringTable(std::string_view text, StringTableEntries& entries, std::string& error) {
    entries.clear();
    error.clear();
    int number = 0;
    while (!text.empty()) {
        ++number;
        const size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (line.empty() || line.front() == '#') continue;
        auto fail = [&](const std::string& why) {
            error = "line " + std::to_string(number) + ": " + why;
            return false;
        };
        int id = 0;
        const auto [rest, ec] = std::from_chars(line.data(), line.data() + line.size(), id);
        if (ec != std::errc() || rest == line.data()) return fail("no id");
        if (rest == line.data() + line.size() || *rest != ' ') return fail("no space after the id");
        const std::string_view value = line.substr(static_cast<size_t>(rest - line.data()) + 1);
        if (!entries.emplace(id, std::string(value)).second)
            return fail("the id " + std::to_string(id) + " is given twice");
    }
    return true;
}
