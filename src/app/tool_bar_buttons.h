#pragma once
// What the push buttons of the tool dialog bars open, by bar and button: "Options", "Finish
// Line" and the circle bar's "Radius Def's". Every button of a bar has an opener here or in its
// bar; a button with neither would do nothing.

#include <span>

namespace app {

class MainFrame;

struct s_BarButtonOpener {
    int bar = 0;  // e_ToolBar
    int id = 0;   // the button's control
    void (*open)(MainFrame&) = nullptr;
};

std::span<const s_BarButtonOpener> ToolBarButtonOpeners();
// Gives every bar's buttons their openers (the frame, once its bars exist).
void InstallToolBarButtons(MainFrame& frame);

}  // namespace app
