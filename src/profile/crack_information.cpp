// The information tree of the tension crack and the water in it.

#include "core/format_text.h"
#include "core/output_settings.h"
#include "core/text_formats.h"
#include "profile/crack.h"

namespace {

std::string FormatOf(int decimals) {
    std::string format;
    if (!Cpp_Strings::MakeNumberFormat(1, 1, decimals, format)) format = "%1.2f";
    return format;
}

}  // namespace

bool Cpp_Crack::AddInformation(platform::InfoWindowService& info, platform::InfoItem parent,
                               int kind, const Cpp_CrackPoint* selected) const {
    const std::string coordinate = FormatOf(CurrentOutputSettings().coordinateDecimals);
    const std::string length = FormatOf(CurrentOutputSettings().lengthDecimals);
    auto c = [&](double v) { return FormatDynamic(coordinate, v); };
    const bool itemSelected = kind >= 56 && kind <= 59;
    const bool segment = kind == 57 || kind == 59;
    if (itemSelected) {
        static const char* const titles[] = {
            "Crack bottom point selected", "Crack bottom segment selected",
            "Crack water surface point selected", "Crack water surface segment selected"};
        info.AddText(platform::kInfoRoot, titles[kind - 56]);
        if (selected && !segment) {
            info.AddText(platform::kInfoRoot,
                         FormatText("X: %s , Elevation: %s", c(selected->X()).c_str(),
                                    c(selected->Value()).c_str()));
        } else if (selected && selected->Next()) {
            const Cpp_CrackPoint* second = selected->Next();
            info.AddText(platform::kInfoRoot,
                         FormatText("First point - X: %s , Elevation: %s", c(selected->X()).c_str(),
                                    c(selected->Value()).c_str()));
            info.AddText(platform::kInfoRoot,
                         FormatText("Second point - X: %s , Elevation: %s", c(second->X()).c_str(),
                                    c(second->Value()).c_str()));
        }
        parent = platform::kInfoRoot;
    }
    // The mark of a point of the list that holds the selection.
    auto mark = [&](const Cpp_CrackPoint* p, bool waterList) -> std::string {
        if (!itemSelected || !selected || waterList != (kind >= 58)) return "";
        if (!segment) return p == selected ? " - Selected point" : "";
        if (p == selected) return " - First selected point";
        if (p == selected->Next()) return " - Second selected point";
        return "";
    };
    auto points = [&](const char* title, const char* row, const Cpp_CrackPointList& list,
                      bool water) {
        const platform::InfoItem item = info.AddText(parent, title);
        for (const Cpp_CrackPoint* p = list.Head(); p; p = p->Next())
            info.AddText(item, FormatText(row, c(p->X()).c_str(), c(p->Value()).c_str(),
                                          mark(p, water).c_str()));
    };
    if (!itemSelected || kind <= 57) {
        switch (crackOption_) {
        case 0: info.AddText(parent, "There is no crack"); break;
        case 1:
            info.AddItem(parent,
                         "Crack depth is constant = ", FormatDynamic(length, crackConstant_));
            break;
        case 2:
            info.AddItem(parent, "Bottom elevation of crack is constant, y = ", c(crackConstant_));
            break;
        case 3:
            info.AddText(parent, "Crack depth is variable - see below");
            points("Crack depths:", "X: %s , Depth: %s %s", crackPoints_, false);
            break;
        case 4:
            info.AddText(parent, "Bottom elevation of crack is variable - see below");
            points("Bottom elevations of crack:", "X: %s , Elevation: %s %s", crackPoints_, false);
            break;
        default: break;
        }
    }
    if (!itemSelected || kind >= 58) {
        switch (waterOption_) {
        case 0: info.AddText(parent, "There is no water in a crack"); break;
        case 1:
            info.AddItem(parent, "Water depth in crack is constant = ",
                         FormatDynamic(length, waterConstant_));
            break;
        case 2:
            info.AddItem(
                parent, "Surface elevation of water in crack is constant, y = ", c(waterConstant_));
            break;
        case 3:
            info.AddText(parent, "Water depth in crack is variable - see below");
            points("Water depths:", "X: %s , Depth: %s %s", waterPoints_, true);
            break;
        case 4:
            info.AddText(parent, "Surface elevation of water in crack is variable - see below");
            points("Water elevations:", "X: %s , Elevation: %s %s", waterPoints_, true);
            break;
        default: break;
        }
    }
    return true;
}
