#include "core/string_table_access.h"

#include <utility>

namespace {
std::function<std::optional<std::string>(int)>& Source() {
    static std::function<std::optional<std::string>(int)> source;
    return source;
}
}  // namespace

std::optional<std::string> LoadStringText(int id) {
    auto& source = Source();
    if (!source) return std::nullopt;
    return source(id);
}

void SetStringTableSource(std::function<std::optional<std::string>(int)> source) {
    Source() = std::move(source);
}
