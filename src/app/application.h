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

// Opens the file named on the command line as File > Open does: it becomes the document, with
// its title, Save writing to it, the close question naming it and a place in the recent-file
// list. False when no file was named or it could not be read.
bool OpenCommandLineFile(MainFrame& frame);

// Creates the application object, starts up, shows the main frame and runs the event loop.
int RunApplication(int argc, char* argv[]);

}  // namespace app
