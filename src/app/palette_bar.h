#pragma once
// The "Show" palette: a small floating window of 41 toggle buttons, one per kind of item the
// view can show or hide (command ids 618 to 658), and the buttons All (659) and Clr (660), in
// two columns. A toggle flips the current data set's display flag of its kind and asks for a
// redraw; without a data set only the button changes.

#include "registry/display_selections.h"

#include <QWidget>
#include <array>
#include <functional>

class QToolButton;

namespace app {

class CPreprocessorPaletteBarDisplay : public QWidget {
    Q_OBJECT
public:
    explicit CPreprocessorPaletteBarDisplay(QWidget* parent = nullptr);

    // Option number 1 to 41 or command id 618 to 658; answers the new state.
    bool ToggleButton(int id);
    // Sets a button and its state without touching the data.
    bool CheckButton(int id, bool state);
    void AllOn();
    void AllOff();
    // The buttons from the current data set's flags, or from the defaults without one.
    void RefreshFromDataSet();
    // Commands 618 to 660.
    void OnCommand(int id);

    bool State(int index) const { return states_[static_cast<std::size_t>(index)]; }

    // Called when the view must be redrawn.
    std::function<void()> onRedraw;

private:
    static int IndexOf(int id);
    void ShowStates();
    Cpp_DisplaySelections::PaletteStates states_{};
    std::array<QToolButton*, kNumberOfDisplayOptions + 2> buttons_{};
};

}  // namespace app
