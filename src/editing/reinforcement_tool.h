#pragma once
// The reinforcement entry tool's drawing after a full paint of the view; its operations are
// members of Cpp_ReinforcementLineList (loads/reinforcement_line.h).

// Makes the view's painting draw the running entry again (once is enough).
void RegisterReinforcementToolDrawing();
