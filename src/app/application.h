#pragma once

namespace app {

// Creates the application object, registers the platform services, shows the main frame,
// opens the file named on the command line and runs the event loop.
int RunApplication(int argc, char* argv[]);

}  // namespace app
