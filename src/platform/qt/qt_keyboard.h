#pragma once
// The modifier keys as the window system reports them now.

#include "platform/keyboard.h"

namespace platform::qt {

class QtKeyboard final : public KeyboardService {
public:
    bool ShiftDown() const override;
    bool ControlDown() const override;
    bool AltDown() const override;
};

}  // namespace platform::qt
