#include "core/output_settings.h"

#include <utility>

namespace {
std::function<s_OutputSettings()>& Source() {
    static std::function<s_OutputSettings()> source;
    return source;
}
}  // namespace

s_OutputSettings CurrentOutputSettings() {
    auto& source = Source();
    return source ? source() : s_OutputSettings{};
}

void SetOutputSettingsSource(std::function<s_OutputSettings()> source) {
    Source() = std::move(source);
}
