#include "loads/load_message_output.h"

void OutputLoadMessage(const s_LoadMessage&) {}
