#pragma once
// The plain record of one view input (a mouse button, a move, a wheel step, a key with its
// cursor position): what the view computes once from a toolkit event and hands to the input
// functions of the tools, so that no tool sees a toolkit type.
//
//     s_ViewInput in;
//     in.device = {120, 84};
//     in.world = {12.5, 30.0};
//     in.buttons = MouseButtonLeft;
//     in.shift = true;

#include "core/cursor_mode.h"
#include "core/point_xy.h"

// Bits of s_ViewInput::buttons.
enum e_MouseButton : unsigned {
    MouseButtonNone = 0,
    MouseButtonLeft = 1,
    MouseButtonRight = 2,
    MouseButtonMiddle = 4,
};

struct s_ViewInput {
    s_PixelPoint device;                 // pixels from the view's top left corner
    s_tagTypePointXY world;              // the device point in world units (not snapped)
    unsigned buttons = MouseButtonNone;  // the buttons pressed or held, e_MouseButton bits
    bool shift = false;
    bool control = false;
    bool alt = false;
    int wheelSteps = 0;  // whole wheel notches, positive away from the user; 0 otherwise
};
