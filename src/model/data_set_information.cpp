#include "model/data_set_information.h"

#include "core/format_text.h"
#include "core/point_xy.h"
#include "core/preferences.h"
#include "model/data_set.h"
#include "platform/info_window.h"
#include "platform/services.h"
#include "profile/material_properties.h"

namespace {

// The profile line's own part of a material region's page: what was selected, the line's number
// and its points, none of them marked.
void AddRegionLine(platform::InfoWindowService& info, const Cpp_ProfileLine& line) {
    const int decimals = Cpp_KlivenSettings::CoordinateDecimals();
    const std::string f =
        decimals >= 0 && decimals <= 15 ? FormatText("%%1.%df", decimals) : "%1.2f";
    info.AddText(platform::kInfoRoot, "Material region was selected");
    info.AddItem(platform::kInfoRoot,
                 "Defined by profile line number: ", FormatText("%1d", line.GetNumber()));
    const platform::InfoItem points = info.AddText(platform::kInfoRoot, "Profile line coordinates");
    for (const Cpp_PointXY* p = line.FirstPoint(); p; p = p->Next())
        info.AddText(points, "X: " + FormatText(f.c_str(), p->X()) +
                                 " , Y: " + FormatText(f.c_str(), p->Y()) + " ");
}

}  // namespace

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
        info.AddText(platform::kInfoRoot,
                     FormatText("Region for profile line number %1d", line.GetNumber()));
        info.AddText(platform::kInfoRoot, FormatText("Material number %1d", material));
        info.AddText(platform::kInfoRoot,
                     FormatText("Description: %s", line.Description().c_str()));
        AddRegionLine(info, line);
    }
    const platform::InfoItem properties = info.AddText(platform::kInfoRoot, "Material properties");
    if (material < 1) return true;
    const Cpp_MaterialProperties* m =
        dataSet.MaterialData().GetMaterialList().FindMaterialConst(material);
    if (!m) {
        info.AddText(properties,
                     FormatText("No material properties for material number: %1d", material));
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

bool FindMaterialAtPoint(const Cpp_Kliven4DataSet& dataSet, double x, double y, double tolerance,
                         s_MaterialAtPoint& result) {
    result = {};
    const Cpp_ProfileLineList& lines = dataSet.ProfileLines();
    const Cpp_ProfileLine* line = nullptr;
    if (lines.Count() == 1) {
        line = lines.ProfileLineAt(0);
    } else {
        s_PickType pick{x, y, tolerance};
        Cpp_Line* found = nullptr;
        if (lines.FindNearestSegment(pick, found))
            line = static_cast<const Cpp_ProfileLine*>(found);
        if (!line) line = lines.FindLineAbovePoint(x, y);
    }
    if (!line) return false;
    result.line = line;
    result.material = line->GetMaterialNumber();
    for (int i = 0; i < lines.Count(); ++i) {
        if (lines.ProfileLineAt(i)->GetMaterialNumber() != result.material) continue;
        if (result.lineNumbers.size() == 10) {
            result.moreLines = true;
            break;
        }
        result.lineNumbers.push_back(lines.ProfileLineAt(i)->GetNumber());
    }
    result.exists =
        dataSet.MaterialData().GetMaterialList().FindMaterialConst(result.material) != nullptr;
    if (!result.exists)
        result.newDescription = line->Description().empty()
                                    ? FormatText("Material for Profile Line %1d", line->GetNumber())
                                    : FormatText("Mat'l for prof. line %1d (%s)", line->GetNumber(),
                                                 line->Description().c_str());
    return true;
}

bool EditMaterialAtPoint(Cpp_Kliven4DataSet& dataSet, double x, double y, double tolerance) {
    s_MaterialAtPoint found;
    if (!FindMaterialAtPoint(dataSet, x, y, tolerance, found)) return false;
    Cpp_MaterialPropertiesList& materials = dataSet.MaterialData().GetMaterialList();
    const int stage = Cpp_Kliven4DataSet::CurrentStage();
    if (Cpp_MaterialProperties* material = materials.FindMaterial(found.material))
        return material->EditMaterial(stage, found.lineNumbers, found.moreLines);
    Cpp_MaterialProperties proposed(found.material);
    proposed.SetDescription(found.newDescription);
    if (!proposed.EditMaterial(stage, found.lineNumbers, found.moreLines)) return false;
    Cpp_MaterialProperties* added = materials.Create(found.material);
    added->SetDescription(proposed.Description());
    added->SetStageData(stage, proposed.Stage(stage));
    return true;
}
