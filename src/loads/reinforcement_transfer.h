#pragma once
// Moving generated reinforcement lines into a data set's list.

#include <vector>

#include "core/message_boxes.h"
#include "loads/generated_reinforcement.h"

class Cpp_ReinforcementLineList;

// When the list already holds lines the user is asked whether to delete them; Yes deletes them
// and the lines keep their generated numbers, No keeps them and the new lines take the numbers
// after the highest existing one. Nothing is asked when nothing was generated.
void TransferGeneratedLines(Cpp_ReinforcementLineList& list,
                            const std::vector<s_GeneratedReinforcementLine>& lines,
                            WindowHandle parent);
