#pragma once
// Modal message boxes: caption first, then text; buttons, icon, default button and owner fixed
// by the caller. Model code reaches the service through platform::Services().

#include <string>

namespace platform {

enum class BoxButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class BoxIcon { None, Question, Exclamation, Information, Stop };
enum class BoxResult { Ok, Cancel, Yes, No };
// Which window owns the box: the caller's window, the main window, or none.
enum class BoxOwner { Window, MainWindow, None };

struct MessageBoxRequest {
    std::string caption;
    std::string text;
    BoxButtons buttons = BoxButtons::Ok;
    BoxIcon icon = BoxIcon::None;
    // The default button; Enter presses it. Escape always answers Cancel where there is one,
    // else No, else OK.
    BoxResult defaultButton = BoxResult::Ok;
    BoxOwner owner = BoxOwner::MainWindow;
    // With BoxOwner::Window: the caller's window as the user interface handed it down (a
    // QWidget*, opaque here); none means the active window.
    void* window = nullptr;
};

class MessageBoxService {
public:
    virtual ~MessageBoxService() = default;
    virtual BoxResult Show(const MessageBoxRequest& request) = 0;
};

}  // namespace platform
