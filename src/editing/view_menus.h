#pragma once
// The pop-up menus of the drawing view as plain lists of entries (command id, text, enabled,
// checked, sub-menu); the view turns a list into a toolkit menu at the click.

#include "editing/view_input.h"

// The view menu: "Redraw", "Zoom All", "Zoom Window"; with the stage entry (materials tool) a
// separator and "Stage 1 -> Stage 2 Properties" after them.
MenuList ViewMenu(bool withStageEntry);
