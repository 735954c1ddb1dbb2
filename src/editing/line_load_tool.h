#pragma once
// What the line-load tools keep besides their operations, which are members of
// Cpp_LineLoadList (loads/line_load.h): the snap option of "Line Load Data Entry Options" and
// the drawing of the preview or dragged arrow after a full paint of the view.

int LineLoadSnapOption();
// Makes the view's painting draw the running tool's arrow again (once is enough).
void RegisterLineLoadToolDrawing();
