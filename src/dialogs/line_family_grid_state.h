#pragma once
// What the family table of lines does apart from its widgets: the copies of the lines of one
// family (profile, piezometric or reinforcement lines), which of them is current, the values of
// the line fields, and the point grid that shows the current line. Lines reach the copies only
// when they are stored (another line chosen, a new line made, OK); nothing reaches the data set
// before the opener takes the copies back after OK.
//
//     CmLineFamilyGridState state(table, grid, window);
//     state.Initialize();                   // the grid set up, the first line current
//     ... state.fields.materialNumber = 4;  // the dialog's fields are read into `fields` first
//     if (state.NewLine()) ...              // the current line stored, then line 3 made current
//     if (state.Finish()) table = state.Result();
//
// Every refusal shows its message box (owned by `window`) and keeps the copies as they were.
// Qt-free: the grid is the table's model, the window an opaque owner of the message boxes.

#include "graphics/line_table_dialogs.h"

#include <string>
#include <vector>

namespace gridctrl {
class CGridCtrlKDX;
}

namespace dialogs {

class CmLineFamilyGridState {
public:
    static constexpr const char* kNoLineItem = "<None>";
    static constexpr const char* kNoCurrentLine =
        "No line currently exists - create/select a line before entering coordinates";

    CmLineFamilyGridState(const s_LineFamilyTable& table, gridctrl::CGridCtrlKDX& grid,
                          void* window);

    int Kind() const { return table_.kind; }
    // "Profile Lines", "Piezometric Lines - Stage 2", "Reinforcement Lines".
    std::string Caption() const;
    // "Display Selections for ..." with the caption's words.
    std::string DisplayCaption() const;

    // Sets the grid up for the kind and makes the first line current (none for an empty family).
    void Initialize();

    // The values of the line fields: number (shown only), description and the kind's attributes.
    s_LineFamilyLine fields;
    // The display flags and "Clear coordinates when new line", bound to the dialog's boxes.
    s_LineFamilyTable& Flags() { return table_; }

    int CurrentIndex() const { return current_; }
    int LineCount() const { return static_cast<int>(table_.lines.size()); }
    const std::vector<s_LineFamilyLine>& Lines() const { return table_.lines; }
    // The texts of the line list: each line's number in order, or the single "<None>".
    std::vector<std::string> ListTexts() const;

    // Stores the current line (whatever its number), then makes a line with the smallest free
    // number current (and for profile lines the smallest free material number). False when the
    // current line could not be stored.
    bool NewLine();
    // Discards the current line; the next one (or the new last one) becomes current.
    void DeleteLine();
    void DeleteAllLines();
    // Stores the current line and makes line `index` current; false (the current line staying)
    // when it cannot be stored. True at once for the current line itself.
    bool SwitchTo(int index);
    // The number typed over item `item` of the list: digits only, not blank, not another line's
    // number. True when the line took it.
    bool RenumberItem(int item, const std::string& text);
    // Whether a cell may be edited: only while a line is current.
    bool MayEditCells() const { return current_ >= 0; }
    // OK: stores the current line and checks every line; on a failure that line becomes current
    // and the answer is false.
    bool Finish();
    const s_LineFamilyTable& Result() const { return table_; }

    // A box with the caption "Notice", the text and the information icon, owned by the window.
    static void ShowNotice(void* window, const std::string& text);

private:
    void SelectLine(int index);
    bool SaveGridToLine(int index, int number);
    // The checks of the line fields of the kind, each with its message; true when they pass.
    bool CheckFields(const s_LineFamilyLine& line) const;
    int NextFreeLineNumber() const;
    int NextFreeMaterialNumber() const;
    std::string DefaultDescription(int number) const;

    s_LineFamilyTable table_;
    gridctrl::CGridCtrlKDX& grid_;
    void* window_;
    int current_ = -1;
};

}  // namespace dialogs
