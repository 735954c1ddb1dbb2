#include "core/data_entry_style.h"

namespace {
int g_style = 2;
}  // namespace

int DataEntryStyle() { return g_style; }
void SetDataEntryStyle(int style) { g_style = style; }
