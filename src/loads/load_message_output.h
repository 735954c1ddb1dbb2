#pragma once
// Hands one built load or reinforcement message to the data-error output.

#include "loads/load_messages.h"

void OutputLoadMessage(const s_LoadMessage& message);
