#include "graphics/label_areas.h"

#include <vector>

namespace label_areas {

namespace {
struct Area {
    platform::DeviceRect rect;
    const void* owner;
};
std::vector<Area>& Areas() {
    static std::vector<Area> areas;
    return areas;
}
}  // namespace

void Clear() { Areas().clear(); }

void Add(const platform::DeviceRect& area, const void* owner) { Areas().push_back({area, owner}); }

void RemoveOwner(const void* owner) {
    std::erase_if(Areas(), [owner](const Area& a) { return a.owner == owner; });
}

bool Overlaps(const platform::DeviceRect& a) {
    for (const Area& area : Areas()) {
        const platform::DeviceRect& b = area.rect;
        if (a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom)
            return true;
    }
    return false;
}

}  // namespace label_areas
