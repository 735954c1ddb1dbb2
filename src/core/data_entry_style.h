#pragma once
// The program-wide data-entry style of the line, load, interpolation and noncircular-search
// commands: 2 (the start, and all the program ever uses) opens the tables, 1 the list-style
// dialogs. The data set's DataEntryDialogStyle (model/data_set.h) reads the same value; it lives
// here so that every subsystem that opens such a window can read it.

int DataEntryStyle();
void SetDataEntryStyle(int style);
