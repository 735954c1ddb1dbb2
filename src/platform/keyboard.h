#pragma once
// Which modifier keys are held at this moment. The tools ask it where no input record carries
// the key state, e.g. while the view is drawn again during a drag.

namespace platform {

class KeyboardService {
public:
    virtual ~KeyboardService() = default;
    virtual bool ShiftDown() const = 0;
    virtual bool ControlDown() const = 0;
    virtual bool AltDown() const = 0;
};

}  // namespace platform
