#include "platform/services.h"

#include <charconv>
#include <cmath>
#include <map>

namespace platform {

namespace {

class SilentMessageBoxes final : public MessageBoxService {
public:
    BoxResult Show(const MessageBoxRequest& request) override { return request.defaultButton; }
};

class SilentFileDialogs final : public FileDialogService {
public:
    std::optional<std::filesystem::path> GetOpenFileName(const FileDialogRequest&) override {
        return std::nullopt;
    }
    std::optional<std::filesystem::path> GetSaveFileName(const FileDialogRequest&) override {
        return std::nullopt;
    }
    std::optional<std::filesystem::path> BrowseForFolder(const std::string&,
                                                         const std::filesystem::path&) override {
        return std::nullopt;
    }
};

// Without a registered profile the values live for the run only.
class MemoryProfile final : public ProfileService {
public:
    std::optional<std::string> GetString(const std::string& section,
                                         const std::string& key) const override {
        auto it = values_.find({section, key});
        if (it == values_.end() || it->second.empty()) return std::nullopt;
        return it->second;
    }
    void SetString(const std::string& section, const std::string& key,
                   const std::string& value) override {
        values_[{section, key}] = value;
    }
    bool Flush() override { return true; }
    void Clear() { values_.clear(); }

private:
    std::map<std::pair<std::string, std::string>, std::string> values_;
};

class NoProcesses final : public ProcessService {
public:
    int Start(const std::filesystem::path&, const std::vector<std::string>&,
              const std::filesystem::path&) override {
        return 0;
    }
    bool IsRunning(int) override { return false; }
    void Terminate(int) override {}
    void Release(int) override {}
};

class SilentStatusLine final : public StatusLineService {
public:
    void SetText(const std::string& text) override { text_ = text; }
    void SetPaneText(int, const std::string&) override {}
    std::string Text() const override { return text_; }

private:
    std::string text_;
};

class NoClipboard final : public ClipboardService {
public:
    void SetText(const std::string&) override {}
    void SetPicture(const std::string&, const std::string&) override {}
    std::string GetText() override { return {}; }
};

class NoHelp final : public HelpService {
public:
    bool ShowHelp(const std::filesystem::path&, const std::string&) override { return false; }
};

// Without a window nothing is shown and nothing is added.
class NoInfoWindow final : public InfoWindowService {
public:
    void Initialize(const std::string&, std::optional<DevicePoint>) override {}
    bool Exists() const override { return false; }
    void Show(bool) override {}
    bool IsVisible() const override { return false; }
    void Clear() override {}
    InfoItem AddItem(InfoItem, const std::string&, const std::string&) override {
        return kInfoRoot;
    }
    void ExpandOrCollapseAll() override {}
};

class NoDataErrors final : public DataErrorService {
public:
    void DisplayDataErrors(const std::filesystem::path&) override {}
    bool IsShown() const override { return false; }
    bool HandlePageKey(int) override { return false; }
};

// A graph window that shows nothing.
class NoGraphWindowObject final : public GraphWindow {
public:
    GraphRect GetDialogWindowRectangle() const override { return {}; }
    void Initialize(int, int, const std::string&, std::optional<GraphRect>) override {}
    void InitializeGraph(int, const GraphSetup&) override {}
    void InitializeDataTable(int, const GraphDataTable&) override {}
    void InitializeAxis(int, GraphAxisId, const GraphAxisInfo&) override {}
    void InitializeGraphData(int, int, const std::string&,
                             const std::vector<GraphPoint>&) override {}
    void SetGraphDataParameters(int, int, const GraphDataParameters&) override {}
    void InvalidateGraphs() override {}
    void ShowGraphWindow(bool) override {}
    void BringWindowToTop() override {}
};

class NoGraphWindow final : public GraphWindowService {
public:
    std::unique_ptr<GraphWindow> Create() override {
        return std::make_unique<NoGraphWindowObject>();
    }
};

class NoPrinting final : public PrintService {
public:
    std::unique_ptr<PrintJob> BeginPrint(const PrintRequest&) override { return nullptr; }
    bool PrintSetup() override { return false; }
};

// No key is held without a window system.
class NoKeyboard final : public KeyboardService {
public:
    bool ShiftDown() const override { return false; }
    bool ControlDown() const override { return false; }
    bool AltDown() const override { return false; }
};

// Nothing is shown and nothing asks to stop.
class NoProgress final : public ProgressService {
public:
    void Begin(const std::string&, std::int64_t) override {}
    void Step(std::int64_t) override {}
    void End() override {}
    bool CancelRequested() const override { return false; }
    bool IsActive() const override { return false; }
};

class NoPromptBar final : public PromptBarService {
public:
    void Show(const std::string&) override {}
    void Hide() override {}
};

class NoToolBarWindows final : public ToolBarWindowService {
public:
    void ShowBarWindow(int, bool) override {}
};

class NoPictureCopy final : public PictureCopyService {
public:
    bool CopyPicture(int, int, int, const DrawViewFunction&) override { return false; }
};

SilentMessageBoxes silentMessageBoxes;
SilentFileDialogs silentFileDialogs;
MemoryProfile memoryProfile;
NoProcesses noProcesses;
SilentStatusLine silentStatusLine;
NoClipboard noClipboard;
NoHelp noHelp;
NoInfoWindow noInfoWindow;
NoDataErrors noDataErrors;
NoGraphWindow noGraphWindow;
NoPrinting noPrinting;
NoKeyboard noKeyboard;
NoProgress noProgress;
NoPromptBar noPromptBar;
NoToolBarWindows noToolBarWindows;
NoPictureCopy noPictureCopy;

}  // namespace

MessageBoxService& ServiceRegistry::MessageBoxes() {
    return messageBoxes_ ? *messageBoxes_ : silentMessageBoxes;
}
FileDialogService& ServiceRegistry::FileDialogs() {
    return fileDialogs_ ? *fileDialogs_ : silentFileDialogs;
}
ProfileService& ServiceRegistry::Profile() { return profile_ ? *profile_ : memoryProfile; }
ProcessService& ServiceRegistry::Processes() { return processes_ ? *processes_ : noProcesses; }
StatusLineService& ServiceRegistry::StatusLine() {
    return statusLine_ ? *statusLine_ : silentStatusLine;
}
ClipboardService& ServiceRegistry::Clipboard() { return clipboard_ ? *clipboard_ : noClipboard; }
HelpService& ServiceRegistry::Help() { return help_ ? *help_ : noHelp; }
InfoWindowService& ServiceRegistry::InfoWindow() {
    return infoWindow_ ? *infoWindow_ : noInfoWindow;
}
DataErrorService& ServiceRegistry::DataErrors() {
    return dataErrors_ ? *dataErrors_ : noDataErrors;
}
GraphWindowService& ServiceRegistry::GraphWindow() {
    return graphWindow_ ? *graphWindow_ : noGraphWindow;
}
PrintService& ServiceRegistry::Printing() { return printing_ ? *printing_ : noPrinting; }
KeyboardService& ServiceRegistry::Keyboard() { return keyboard_ ? *keyboard_ : noKeyboard; }
ProgressService& ServiceRegistry::Progress() { return progress_ ? *progress_ : noProgress; }
PromptBarService& ServiceRegistry::PromptBar() { return promptBar_ ? *promptBar_ : noPromptBar; }
ToolBarWindowService& ServiceRegistry::ToolBarWindows() {
    return toolBarWindows_ ? *toolBarWindows_ : noToolBarWindows;
}
PictureCopyService& ServiceRegistry::PictureCopy() {
    return pictureCopy_ ? *pictureCopy_ : noPictureCopy;
}

void ServiceRegistry::Reset() {
    *this = ServiceRegistry{};
    memoryProfile.Clear();
}

ServiceRegistry& Services() {
    static ServiceRegistry registry;
    return registry;
}

// Profile helpers: values are parsed strictly as decimals; anything else keeps the default.
std::optional<int> ProfileService::GetInt(const std::string& section,
                                          const std::string& key) const {
    auto text = GetString(section, key);
    if (!text) return std::nullopt;
    int value = 0;
    auto [end, ec] = std::from_chars(text->data(), text->data() + text->size(), value);
    if (ec != std::errc() || end != text->data() + text->size()) return std::nullopt;
    return value;
}

std::optional<double> ProfileService::GetDouble(const std::string& section,
                                                const std::string& key) const {
    auto text = GetString(section, key);
    if (!text) return std::nullopt;
    double value = 0;
    auto [end, ec] = std::from_chars(text->data(), text->data() + text->size(), value,
                                     std::chars_format::fixed | std::chars_format::scientific);
    if (ec != std::errc() || end != text->data() + text->size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

void ProfileService::SetInt(const std::string& section, const std::string& key, int value) {
    SetString(section, key, std::to_string(value));
}

void ProfileService::SetDouble(const std::string& section, const std::string& key, double value) {
    char buffer[64];
    auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
    (void)ec;
    SetString(section, key, std::string(buffer, end));
}

}  // namespace platform
