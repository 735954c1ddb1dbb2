#pragma once
// What the push buttons of the tool dialog bars open, by bar and button: "Options", "Finish
// Line" and the circle bar's "Radius Def's". A button whose entry has no opener says
// "\"<its text>\" is not available yet." on the status line when pressed; the tools that own
// a button's dialog or step fill its entry here.

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
