#pragma once
// Writing the computation input, shared by the File and Run menus.

namespace app {

class MainFrame;

// Writes the computation input file under its remembered name (asking for one when there is
// none or when ask is set); false when it was not written.
bool WriteKlivenDataFile(MainFrame& frame, bool ask);

}  // namespace app
