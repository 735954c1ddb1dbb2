#pragma once
// The one table through which every command of the menus, the main tool bar and the
// accelerators is carried out: command id (core/command_ids.h) -> handler, whether it is
// enabled, whether it is checked. The main frame only looks commands up here; the handlers
// live in this folder, one file per menu:
//
//     file_commands.cpp      File menu, recent files
//     edit_commands.cpp      Edit menu
//     window_commands.cpp    View and Window menus, the tool bar's zoom buttons
//     display_commands.cpp   Display menu and the "Show" palette
//     settings_commands.cpp  Settings menu
//     data_commands.cpp      Data menu and the stage buttons
//     compute_commands.cpp   Compute menu
//     run_commands.cpp       Run menu (and writing the computation input)
//     tool_commands.cpp      the tool buttons of the main tool bar
//     help_commands.cpp      Help menu and the tool bar's help button
//     reinforcement_commands.cpp  nail and geogrid windows and generation (no menu entry)

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace app {

class MainFrame;

struct s_Command {
    std::function<void(MainFrame&)> run;
    // Null: always enabled.
    std::function<bool(const MainFrame&)> enabled;
    // Null: not a check item (its check mark, if any, is left alone).
    std::function<bool(const MainFrame&)> checked;
};

class CommandTable {
public:
    using Handler = std::function<void(MainFrame&)>;
    using State = std::function<bool(const MainFrame&)>;

    // Enters (or replaces) the command.
    void Add(int id, Handler run, State enabled = {}, State checked = {});
    // The command, or null when the id is not in the table.
    const s_Command* Find(int id) const;
    // Runs the command when it is in the table and enabled; false otherwise.
    bool Run(MainFrame& frame, int id) const;
    bool IsEnabled(const MainFrame& frame, int id) const;
    std::vector<int> Ids() const;

private:
    std::map<int, s_Command> commands_;
};

// Every command of the program, from the files of this folder.
CommandTable BuildCommandTable();

// The handler that does nothing (commands with no behaviour of their own).
void DoNothing(MainFrame&);
// The heading dialog on the current data set (the Data menu's "Heading for Problem" and the
// tool bar's heading button); the document is modified after OK.
void EditHeading(MainFrame& frame);

// One per file of this folder.
void AddFileCommands(CommandTable& table);
void AddEditCommands(CommandTable& table);
void AddWindowCommands(CommandTable& table);
void AddDisplayCommands(CommandTable& table);
void AddSettingsCommands(CommandTable& table);
void AddDataCommands(CommandTable& table);
void AddComputeCommands(CommandTable& table);
void AddRunCommands(CommandTable& table);
void AddToolCommands(CommandTable& table);
void AddHelpCommands(CommandTable& table);
void AddReinforcementCommands(CommandTable& table);
void AddSelectionEditCommands(CommandTable& table);
// Command 32903: the scale action of the edit mode (select mode: the scale dialog of the first
// selected item's kind; distributed loads: their scale dialog); true when the view must be
// drawn again. Other modes do nothing.
bool RunEditModeAction(int editMode);

}  // namespace app
