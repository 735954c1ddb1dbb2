#pragma once
// Fakes of every platform service: each records what it was asked and answers scripted
// choices. FakeServices registers them all for the lifetime of one object:
//
//     testsupport::FakeServices fakes;              // registered in platform::Services()
//     fakes.messageBoxes.answers.push_back(platform::BoxResult::No);
//     RunTheCommand();
//     EXPECT_EQ(fakes.messageBoxes.requests.at(0).caption, "Save changes");

#include "platform/load_scaling.h"
#include "platform/recording_dc.h"
#include "platform/services.h"

#include <deque>
#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace testsupport {

// Answers the queued results in turn; with the queue empty, the request's default button.
class FakeMessageBoxes final : public platform::MessageBoxService {
public:
    platform::BoxResult Show(const platform::MessageBoxRequest& request) override;
    std::deque<platform::BoxResult> answers;
    std::vector<platform::MessageBoxRequest> requests;
    // The texts of the boxes shown, in order.
    std::vector<std::string> Texts() const;
};

// Each dialog answers its queue in turn; with the queue empty it is cancelled.
class FakeFileDialogs final : public platform::FileDialogService {
public:
    std::optional<std::filesystem::path>
    GetOpenFileName(const platform::FileDialogRequest& r) override;
    std::optional<std::filesystem::path>
    GetSaveFileName(const platform::FileDialogRequest& r) override;
    std::optional<std::filesystem::path>
    BrowseForFolder(const std::string& title, const std::filesystem::path& initial) override;

    std::deque<std::optional<std::filesystem::path>> openAnswers;
    std::deque<std::optional<std::filesystem::path>> saveAnswers;
    std::deque<std::optional<std::filesystem::path>> folderAnswers;
    std::vector<platform::FileDialogRequest> openRequests;
    std::vector<platform::FileDialogRequest> saveRequests;
    std::vector<std::pair<std::string, std::filesystem::path>> folderRequests;
};

// An in-memory profile; Flush counts and answers flushResult.
class FakeProfile final : public platform::ProfileService {
public:
    std::optional<std::string> GetString(const std::string& section,
                                         const std::string& key) const override;
    void SetString(const std::string& section, const std::string& key,
                   const std::string& value) override;
    bool Flush() override;

    std::map<std::pair<std::string, std::string>, std::string> values;
    int flushes = 0;
    bool flushResult = true;
};

// Starting succeeds with handles 1, 2, ... unless startSucceeds is false. A started process
// runs until the test calls Finish or Terminate is called.
class FakeProcesses final : public platform::ProcessService {
public:
    struct StartRequest {
        std::filesystem::path program;
        std::vector<std::string> args;
        std::filesystem::path workingDirectory;
    };
    int Start(const std::filesystem::path& program, const std::vector<std::string>& args,
              const std::filesystem::path& workingDirectory) override;
    bool IsRunning(int handle) override;
    void Terminate(int handle) override;
    void Release(int handle) override;
    void Finish(int handle) { running.erase(handle); }

    bool startSucceeds = true;
    std::vector<StartRequest> starts;
    std::set<int> running;
    std::vector<int> terminated;
    std::vector<int> released;

private:
    int next_ = 1;
};

class FakeStatusLine final : public platform::StatusLineService {
public:
    void SetText(const std::string& text) override;
    void SetPaneText(int pane, const std::string& text) override;
    std::string Text() const override { return text; }

    std::string text;
    std::vector<std::string> history;  // every text set, in order
    std::map<int, std::string> panes;
};

class FakeClipboard final : public platform::ClipboardService {
public:
    void SetText(const std::string& t) override { text = t, ++copies; }
    void SetPicture(const std::string& s, const std::string& p) override {
        svg = s, png = p, ++copies;
    }
    // What a paste finds: the text last set, or the text a test put here.
    std::string GetText() override { return ++reads, text; }
    std::string text;
    std::string svg;
    std::string png;
    int copies = 0;
    int reads = 0;
};

class FakeHelp final : public platform::HelpService {
public:
    bool ShowHelp(const std::filesystem::path& file, const std::string& topic) override {
        shown.emplace_back(file, topic);
        return result;
    }
    std::vector<std::pair<std::filesystem::path, std::string>> shown;
    bool result = true;
};

// Keeps the tree as a list of lines; Exists and IsVisible follow Initialize and Show.
class FakeInfoWindow final : public platform::InfoWindowService {
public:
    struct Line {
        platform::InfoItem id = 0;
        platform::InfoItem parent = 0;
        std::string label;
        std::string text;
    };
    void Initialize(const std::string& t, std::optional<platform::DevicePoint> p) override {
        title = t, position = p, initialized = true;
    }
    bool Exists() const override { return initialized; }
    void Show(bool show) override { visible = show; }
    bool IsVisible() const override { return initialized && visible; }
    void Clear() override { lines.clear(), ++clears; }
    platform::InfoItem AddItem(platform::InfoItem parent, const std::string& label,
                               const std::string& text) override;
    void ExpandOrCollapseAll() override { ++expandCalls; }

    // The lines directly under a parent.
    std::vector<Line> Children(platform::InfoItem parent) const;
    // "label text" of every line, depth-first, indented two blanks per level.
    std::string Dump() const;

    std::string title;
    std::optional<platform::DevicePoint> position;
    bool initialized = true;
    bool visible = true;
    std::vector<Line> lines;
    int clears = 0;
    int expandCalls = 0;

private:
    platform::InfoItem next_ = 1;
};

class FakeDataErrors final : public platform::DataErrorService {
public:
    void DisplayDataErrors(const std::filesystem::path& logFile) override;
    bool IsShown() const override { return shown; }
    bool HandlePageKey(int key) override {
        keys.push_back(key);
        return shown;
    }
    std::vector<std::filesystem::path> logFiles;
    std::vector<std::string> messages;  // of the last log shown
    std::vector<int> keys;
    bool shown = false;
};

// Answers its queue in turn; with the queue empty the dialog is cancelled. FakeServices registers
// it in loads::LoadScalingDialogSlot().
class FakeLoadScaling final : public platform::LoadScalingService {
public:
    struct Request {
        int type = 0;
        std::string title;
        platform::LoadScaling current;
    };
    std::optional<platform::LoadScaling>
    GetLoadScaling(int type, const std::string& title,
                   const platform::LoadScaling& current) override;
    std::deque<std::optional<platform::LoadScaling>> answers;
    std::vector<Request> requests;
};

// Records every graph window made and what was put in it; a window reports the rectangle
// `size` at the place it was given (or at 0, 0) and marks itself closed when destroyed.
class FakeGraphWindow final : public platform::GraphWindowService {
public:
    struct Window {
        std::string title;
        int graphs = 0;
        std::optional<platform::GraphRect> given;
        platform::GraphRect rect;
        bool shown = false;
        bool closed = false;
        int raised = 0;
        int invalidated = 0;
        std::map<int, platform::GraphSetup> setups;
        std::map<int, platform::GraphDataTable> tables;
        std::map<std::pair<int, platform::GraphAxisId>, platform::GraphAxisInfo> axes;
        std::map<std::pair<int, int>, std::string> names;
        std::map<std::pair<int, int>, std::vector<platform::GraphPoint>> data;
        std::map<std::pair<int, int>, platform::GraphDataParameters> parameters;
        // The calls in order: "SetGraphDataParameters 0 1" (graph, data set) and the like.
        std::vector<std::string> calls;
    };
    std::unique_ptr<platform::GraphWindow> Create() override;
    // The size of every new window.
    platform::GraphRect size{0, 0, 400, 300};
    std::vector<std::shared_ptr<Window>> windows;
    // The last window made that is not closed; null when none.
    Window* Open() const;
};

// Each job draws into recording contexts (one per page) kept in `pages` after the job ends.
class FakePrinting final : public platform::PrintService {
public:
    std::unique_ptr<platform::PrintJob> BeginPrint(const platform::PrintRequest& r) override;
    bool PrintSetup() override { return ++setups, setupResult; }

    bool cancel = false;  // BeginPrint answers null (the user cancelled)
    bool setupResult = true;
    int setups = 0;
    int jobsEnded = 0;
    std::vector<platform::PrintRequest> requests;
    std::vector<std::shared_ptr<platform::RecordingDeviceContext>> pages;
    // Page set-up of the recording contexts: 600 dpi, a letter sheet with 0.25" offsets.
    int pixelsPerInch = 600;
    platform::DeviceRect pageRect{0, 0, 4800, 6300};
    platform::DeviceRect sheetRect{-150, -150, 4950, 6450};
};

// The modifier keys a test holds down.
class FakeKeyboard final : public platform::KeyboardService {
public:
    bool ShiftDown() const override { return shift; }
    bool ControlDown() const override { return control; }
    bool AltDown() const override { return alt; }
    bool shift = false, control = false, alt = false;
};

// The prompt bar: the text shown (empty once hidden) and every call in order. Registered by
// the test (FakeServices leaves the frame's own in place); it takes itself out of the registry when
// it goes.
class FakePromptBar final : public platform::PromptBarService {
public:
    FakePromptBar() = default;
    FakePromptBar(const FakePromptBar&) = delete;
    FakePromptBar& operator=(const FakePromptBar&) = delete;
    ~FakePromptBar() override {
        if (&platform::Services().PromptBar() == this) platform::Services().SetPromptBar(nullptr);
    }
    void Show(const std::string& t) override {
        text = t, shown = true;
        calls.push_back("Show " + t);
    }
    void Hide() override {
        text.clear(), shown = false;
        calls.emplace_back("Hide");
    }
    std::string text;
    bool shown = false;
    std::vector<std::string> calls;
};

// Every bar window shown or hidden, in order (bar, shown). Registered by the test
// (FakeServices leaves the frame's own in place); it takes itself out of the registry when it goes.
class FakeToolBarWindows final : public platform::ToolBarWindowService {
public:
    FakeToolBarWindows() = default;
    FakeToolBarWindows(const FakeToolBarWindows&) = delete;
    FakeToolBarWindows& operator=(const FakeToolBarWindows&) = delete;
    ~FakeToolBarWindows() override {
        if (&platform::Services().ToolBarWindows() == this)
            platform::Services().SetToolBarWindows(nullptr);
    }
    void ShowBarWindow(int bar, bool show) override { calls.emplace_back(bar, show); }
    std::vector<std::pair<int, bool>> calls;
};

// Every fake above, registered in platform::Services() from construction to destruction
// (which puts the stand-ins back).
struct FakeServices {
    FakeServices();
    ~FakeServices();
    FakeServices(const FakeServices&) = delete;
    FakeServices& operator=(const FakeServices&) = delete;

    FakeMessageBoxes messageBoxes;
    FakeFileDialogs fileDialogs;
    FakeProfile profile;
    FakeProcesses processes;
    FakeStatusLine statusLine;
    FakeClipboard clipboard;
    FakeHelp help;
    FakeInfoWindow infoWindow;
    FakeDataErrors dataErrors;
    FakeLoadScaling loadScaling;
    FakeGraphWindow graphWindow;
    FakePrinting printing;
    FakeKeyboard keyboard;
};

}  // namespace testsupport
