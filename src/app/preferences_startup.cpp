#include "app/preferences_startup.h"

#include "core/preferences.h"
#include "core/units.h"
#include "graphics/graphic_grid.h"
#include "platform/services.h"

#include <utility>
#include <vector>

namespace app {

namespace {

std::vector<std::pair<std::string, ProfileSettingsExchange>>& Owners() {
    static std::vector<std::pair<std::string, ProfileSettingsExchange>> owners;
    return owners;
}

}  // namespace

void RegisterProfileSettings(const std::string& name, ProfileSettingsExchange exchange) {
    for (auto& owner : Owners())
        if (owner.first == name) {
            owner.second = std::move(exchange);
            return;
        }
    Owners().emplace_back(name, std::move(exchange));
}

void ClearProfileSettings() { Owners().clear(); }

bool LoadPreferences() {
    Cpp_KlivenSettings::ReadWritePreferences(true);
    Cpp_GraphicGrid::ExchangeSettings(true);
    ReadWriteUnitSystem(true);
    for (auto& owner : Owners())
        if (owner.second) owner.second(true);
    return true;
}

bool SavePreferences() {
    for (auto& owner : Owners())
        if (owner.second) owner.second(false);
    Cpp_GraphicGrid::ExchangeSettings(false);
    Cpp_KlivenSettings::ReadWritePreferences(false);
    ReadWriteUnitSystem(false);
    return platform::Services().Profile().Flush();
}

}  // namespace app
