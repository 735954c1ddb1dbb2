#include "app/preferences_startup.h"

#include "core/preferences.h"
#include "core/units.h"
#include "graphics/graphic_grid.h"
#include "loads/distributed_load_data.h"
#include "loads/line_load.h"
#include "loads/reinforcement_line.h"
#include "model/data_sets.h"
#include "platform/services.h"

namespace app {

namespace {

// The loads' and reinforcement's display and scale settings of the data set (or the defaults).
void ExchangeLoadSettings(Cpp_Kliven4DataSet* dataSet, bool read) {
    Cpp_DistributedLoadData::ReadWriteProfileSettings(
        dataSet ? dataSet->DistributedLoads(1) : nullptr,
        dataSet ? dataSet->DistributedLoads(2) : nullptr, read);
    Cpp_LineLoadList::SavePreferences(dataSet ? dataSet->LineLoads(1) : nullptr,
                                      dataSet ? dataSet->LineLoads(2) : nullptr, read);
    Cpp_ReinforcementLineList::SavePreferences(dataSet ? dataSet->ReinforcementLines() : nullptr,
                                               read);
}

}  // namespace

bool LoadPreferences() {
    Cpp_KlivenSettings::ReadWritePreferences(true);
    Cpp_GraphicGrid::ExchangeSettings(true);
    ReadWriteUnitSystem(true);
    ExchangeLoadSettings(nullptr, true);
    return true;
}

bool SavePreferences() {
    ExchangeLoadSettings(Cpp_Kliven4Data::CurrentDataSetOrNull(), false);
    Cpp_GraphicGrid::ExchangeSettings(false);
    Cpp_KlivenSettings::ReadWritePreferences(false);
    ReadWriteUnitSystem(false);
    return platform::Services().Profile().Flush();
}

}  // namespace app
