#pragma once
// The device areas that labels of the drawing being made occupy, so that a label drawn later
// can stay out of them. The whole-view drawing empties the list first; material numbers and
// contour value labels add their areas, and a contour label that would overlap one of them is
// left out. Changing the current device context (Cpp_Graphics) also empties it.
//
//     if (!label_areas::Overlaps(box)) { label_areas::Add(box); /* draw the label */ }

#include "platform/device_context.h"

namespace label_areas {

void Clear();
// owner names what drew the label, so that drawing it again first takes its old areas away.
void Add(const platform::DeviceRect& area, const void* owner);
void RemoveOwner(const void* owner);
// True when area shares more than its edge with an area added since the last Clear.
bool Overlaps(const platform::DeviceRect& area);

}  // namespace label_areas
