#include "app/commands/command_table.h"

#include "app/main_frame.h"

#include <utility>

namespace app {

void CommandTable::Add(int id, Handler run, State enabled, State checked) {
    commands_[id] = s_Command{std::move(run), std::move(enabled), std::move(checked)};
}

const s_Command* CommandTable::Find(int id) const {
    auto it = commands_.find(id);
    return it == commands_.end() ? nullptr : &it->second;
}

bool CommandTable::IsEnabled(const MainFrame& frame, int id) const {
    const s_Command* command = Find(id);
    return command && (!command->enabled || command->enabled(frame));
}

bool CommandTable::Run(MainFrame& frame, int id) const {
    if (!IsEnabled(frame, id)) return false;
    const s_Command* command = Find(id);
    if (command->run) command->run(frame);
    return true;
}

std::vector<int> CommandTable::Ids() const {
    std::vector<int> ids;
    ids.reserve(commands_.size());
    for (const auto& entry : commands_) ids.push_back(entry.first);
    return ids;
}

void DoNothing(MainFrame&) {}

CommandTable BuildCommandTable() {
    CommandTable table;
    AddFileCommands(table);
    AddEditCommands(table);
    AddWindowCommands(table);
    AddDisplayCommands(table);
    AddSettingsCommands(table);
    AddDataCommands(table);
    AddComputeCommands(table);
    AddRunCommands(table);
    AddToolCommands(table);
    AddHelpCommands(table);
    AddReinforcementCommands(table);
    AddSelectionEditCommands(table);
    return table;
}

}  // namespace app
