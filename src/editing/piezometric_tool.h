#pragma once
// The piezometric-line tool: a new piezometric line of the current stage entered with the mouse
// or with points typed in the piezometric bar, finished with a right click, the bar's "Finish
// Line" or a click on the last point again, and added with the number, unit weight and
// description of the bar (a number in use asks "Resolve Duplicate Line").
//
//     Cpp_PiezometricTool::StartEntryTool();                      // bar prepared
//     Cpp_PiezometricTool::StartLineEntry(px, py, x, y, false);   // first point, cursor mode 19
//     Cpp_PiezometricTool::EnterPointFromTool(px, py, x, y, false);
//     Cpp_PiezometricTool::AddLine();                             // true when a line was added

class Cpp_PiezometricTool {
public:
    // The bar gets the next free number, the unit weight of the stage's last line (of water
    // when there is none) and "Piezometric Line No. %d".
    static void StartEntryTool();
    static bool StartLineEntry(int px, int py, double x, double y, bool fromBar);
    // A further point; a repeat of the last point finishes the line. True when it added a line.
    static bool EnterPointFromTool(int px, int py, double x, double y, bool fromBar);
    // Finishes the line; true when a line was added (one point makes none, silently).
    static bool AddLine();
    static void CancelEntryTool();
};
