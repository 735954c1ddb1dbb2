#include "model/data_set_information.h"

#include "core/format_text.h"
#include "model/data_set.h"
#include "platform/info_window.h"
#include "platform/services.h"
#include "profile/material_properties.h"

bool AddMaterialInformation(const Cpp_Kliven4DataSet& dataSet, int selectionType,
                            const Cpp_ProfileLine& line) {
    platform::InfoWindowService& info = platform::Services().InfoWindow();
    if (!info.Exists()) return true;
    if (selectionType != 68 && selectionType != 72) return false;
    info.Clear();
    const int material = line.GetMaterialNumber();
    if (selectionType == 68) {
        info.AddText(platform::kInfoRoot,
                     FormatText("Selected material number for profile line %1d, material %1d",
                                line.GetNumber(), material));
    } else {
        info.AddText(platform::kInfoRoot, FormatText("Region for profile line number %1d", line.GetNumber()));
        info.AddText(platform::kInfoRoot, FormatText("Material number %1d", material));
        info.AddText(platform::kInfoRoot, FormatText("Description: %s", line.Description().c_str()));
    }
    const platform::InfoItem properties = info.AddText(platform::kInfoRoot, "Material properties");
    if (material < 1) return true;
    const Cpp_MaterialProperties* m = dataSet.MaterialData().GetMaterialList().FindMaterialConst(material);
    if (!m) {
        info.AddText(properties, FormatText("No material properties for material number: %1d", material));
        return true;
    }
    info.AddInteger(properties, "Material number: ", material, "%1d");
    info.AddText(properties, FormatText("Description: %s", m->Description().c_str()));
    if (dataSet.IsMultiStage()) {
        for (int stage : {1, 2}) {
            const platform::InfoItem item = info.AddInteger(properties, "Stage:", stage, "%1d");
            m->AddInformation(info, stage, item);
        }
    } else {
        m->AddInformation(info, 1, properties);
    }
    return true;
}
