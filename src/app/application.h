#pragma once
// Start-up and shut-down of the program: the application object, the platform services, the
// main frame and the file named on the command line.

#include <memory>
#include <string>
#include <vector>

namespace app {

class MainFrame;

// Everything the running program holds. Needs the QApplication object to exist; registers
// the Qt services in platform::Services() and puts the stand-ins back when destroyed.
class Application {
public:
    explicit Application(const std::vector<std::string>& arguments);
    ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    MainFrame& Frame();

private:
    struct Parts;
    std::unique_ptr<Parts> parts_;
};

// Creates the application object, starts up, shows the main frame and runs the event loop.
int RunApplication(int argc, char* argv[]);

}  // namespace app
