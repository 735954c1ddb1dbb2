#pragma once
// Copying a drawing to the clipboard as a vector picture with a bitmap, built in memory by a
// picture device context of the user interface; no file is written.

#include "platform/device_context.h"

#include <functional>

namespace platform {

// Draws the whole view on a device context fitted into a rectangle (the view's paint routine).
using DrawViewFunction = std::function<void(DeviceContext& dc, const DeviceRect& rect)>;

class PictureCopyService {
public:
    virtual ~PictureCopyService() = default;
    // Draws a width x height pixel picture at ppi and puts it on the clipboard; false when
    // nothing could be made.
    virtual bool CopyPicture(int width, int height, int ppi, const DrawViewFunction& draw) = 0;
};

}  // namespace platform
