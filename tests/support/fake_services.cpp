#include "support/fake_services.h"

#include "loads/load_drawing_support.h"

#include <algorithm>
#include <functional>
#include <sstream>

namespace testsupport {

namespace {
template <typename T>
std::optional<T> PopAnswer(std::deque<std::optional<T>>& queue) {
    if (queue.empty()) return std::nullopt;
    auto answer = std::move(queue.front());
    queue.pop_front();
    return answer;
}
}  // namespace

platform::BoxResult FakeMessageBoxes::Show(const platform::MessageBoxRequest& request) {
    requests.push_back(request);
    if (answers.empty()) return request.defaultButton;
    auto answer = answers.front();
    answers.pop_front();
    return answer;
}

std::vector<std::string> FakeMessageBoxes::Texts() const {
    std::vector<std::string> out;
    for (const auto& r : requests) out.push_back(r.text);
    return out;
}

std::optional<std::filesystem::path>
FakeFileDialogs::GetOpenFileName(const platform::FileDialogRequest& r) {
    openRequests.push_back(r);
    return PopAnswer(openAnswers);
}

std::optional<std::filesystem::path>
FakeFileDialogs::GetSaveFileName(const platform::FileDialogRequest& r) {
    saveRequests.push_back(r);
    return PopAnswer(saveAnswers);
}

std::optional<std::filesystem::path>
FakeFileDialogs::BrowseForFolder(const std::string& title, const std::filesystem::path& initial) {
    folderRequests.emplace_back(title, initial);
    return PopAnswer(folderAnswers);
}

std::optional<std::string> FakeProfile::GetString(const std::string& section,
                                                  const std::string& key) const {
    auto it = values.find({section, key});
    if (it == values.end() || it->second.empty()) return std::nullopt;
    return it->second;
}

void FakeProfile::SetString(const std::string& section, const std::string& key,
                            const std::string& value) {
    values[{section, key}] = value;
}

bool FakeProfile::Flush() {
    ++flushes;
    return flushResult;
}

int FakeProcesses::Start(const std::filesystem::path& program, const std::vector<std::string>& args,
                         const std::filesystem::path& workingDirectory) {
    starts.push_back({program, args, workingDirectory});
    if (!startSucceeds) return 0;
    const int handle = next_++;
    running.insert(handle);
    return handle;
}

bool FakeProcesses::IsRunning(int handle) { return running.count(handle) != 0; }

void FakeProcesses::Terminate(int handle) {
    terminated.push_back(handle);
    running.erase(handle);
}

void FakeProcesses::Release(int handle) { released.push_back(handle); }

void FakeStatusLine::SetText(const std::string& t) {
    text = t;
    history.push_back(t);
}

void FakeStatusLine::SetPaneText(int pane, const std::string& t) { panes[pane] = t; }

platform::InfoItem FakeInfoWindow::AddItem(platform::InfoItem parent, const std::string& label,
                                           const std::string& text) {
    if (!IsVisible()) return platform::kInfoRoot;
    Line line{next_++, parent, label, text};
    lines.push_back(line);
    return line.id;
}

std::vector<FakeInfoWindow::Line> FakeInfoWindow::Children(platform::InfoItem parent) const {
    std::vector<Line> out;
    std::copy_if(lines.begin(), lines.end(), std::back_inserter(out),
                 [parent](const Line& l) { return l.parent == parent; });
    return out;
}

std::string FakeInfoWindow::Dump() const {
    std::ostringstream out;
    std::function<void(platform::InfoItem, int)> walk = [&](platform::InfoItem parent, int depth) {
        for (const auto& line : Children(parent)) {
            out << std::string(2 * static_cast<std::size_t>(depth), ' ') << line.label;
            if (!line.label.empty() && !line.text.empty()) out << ' ';
            out << line.text << '\n';
            walk(line.id, depth + 1);
        }
    };
    walk(platform::kInfoRoot, 0);
    return out.str();
}

void FakeDataErrors::DisplayDataErrors(const std::filesystem::path& logFile) {
    logFiles.push_back(logFile);
    messages = platform::ReadErrorLogMessages(logFile);
    shown = true;
}

std::optional<platform::LoadScaling>
FakeLoadScaling::GetLoadScaling(int type, const std::string& title,
                                const platform::LoadScaling& current) {
    requests.push_back({type, title, current});
    return PopAnswer(answers);
}

namespace {

class FakePrintJob final : public platform::PrintJob {
public:
    explicit FakePrintJob(FakePrinting& owner) : owner_(owner) { AddPage(); }
    ~FakePrintJob() override {
        if (!ended_) End();
    }
    platform::DeviceContext& Page() override { return *owner_.pages.back(); }
    bool NewPage() override {
        AddPage();
        return true;
    }
    bool End() override {
        ended_ = true;
        ++owner_.jobsEnded;
        return true;
    }

private:
    void AddPage() {
        auto dc = std::make_shared<platform::RecordingDeviceContext>();
        dc->SetPrinting(true);
        dc->SetPixelsPerInch(owner_.pixelsPerInch, owner_.pixelsPerInch);
        dc->SetPageRect(owner_.pageRect);
        dc->SetPhysicalPageRect(owner_.sheetRect);
        owner_.pages.push_back(std::move(dc));
    }
    FakePrinting& owner_;
    bool ended_ = false;
};

}  // namespace

std::unique_ptr<platform::PrintJob> FakePrinting::BeginPrint(const platform::PrintRequest& r) {
    requests.push_back(r);
    if (cancel) return nullptr;
    return std::make_unique<FakePrintJob>(*this);
}

FakeServices::FakeServices() {
    auto& s = platform::Services();
    s.SetMessageBoxes(&messageBoxes);
    s.SetFileDialogs(&fileDialogs);
    s.SetProfile(&profile);
    s.SetProcesses(&processes);
    s.SetStatusLine(&statusLine);
    s.SetClipboard(&clipboard);
    s.SetHelp(&help);
    s.SetInfoWindow(&infoWindow);
    s.SetDataErrors(&dataErrors);
    loads::LoadScalingDialogSlot().Set(&loadScaling);
    s.SetGraphWindow(&graphWindow);
    s.SetPrinting(&printing);
    s.SetKeyboard(&keyboard);
}

FakeServices::~FakeServices() {
    platform::Services().Reset();
    loads::LoadScalingDialogSlot().Reset();
}

namespace {

class RecordedGraphWindow final : public platform::GraphWindow {
public:
    explicit RecordedGraphWindow(std::shared_ptr<FakeGraphWindow::Window> w) : w_(std::move(w)) {}
    ~RecordedGraphWindow() override {
        w_->closed = true;
        w_->shown = false;
    }
    platform::GraphRect GetDialogWindowRectangle() const override { return w_->rect; }
    void Initialize(int graphs, int, const std::string& title,
                    std::optional<platform::GraphRect> rectangle) override {
        w_->calls.push_back("Initialize");
        w_->graphs = graphs;
        w_->title = title;
        w_->given = rectangle;
        if (rectangle) w_->rect = *rectangle;
        w_->shown = true;
    }
    void InitializeGraph(int graph, const platform::GraphSetup& setup) override {
        w_->calls.push_back("InitializeGraph " + std::to_string(graph));
        w_->setups[graph] = setup;
    }
    void InitializeDataTable(int graph, const platform::GraphDataTable& table) override {
        w_->calls.push_back("InitializeDataTable " + std::to_string(graph));
        w_->tables[graph] = table;
    }
    void InitializeAxis(int graph, platform::GraphAxisId axis,
                        const platform::GraphAxisInfo& info) override {
        w_->calls.push_back("InitializeAxis " + std::to_string(graph) + " " +
                            std::to_string(static_cast<int>(axis)));
        w_->axes[{graph, axis}] = info;
    }
    void InitializeGraphData(int graph, int set, const std::string& name,
                             const std::vector<platform::GraphPoint>& points) override {
        w_->calls.push_back("InitializeGraphData " + std::to_string(graph) + " " +
                            std::to_string(set));
        w_->names[{graph, set}] = name;
        w_->data[{graph, set}] = points;
    }
    void SetGraphDataParameters(int graph, int set,
                                const platform::GraphDataParameters& p) override {
        w_->calls.push_back("SetGraphDataParameters " + std::to_string(graph) + " " +
                            std::to_string(set));
        w_->parameters[{graph, set}] = p;
    }
    void InvalidateGraphs() override { ++w_->invalidated; }
    void ShowGraphWindow(bool show) override { w_->shown = show; }
    void BringWindowToTop() override { ++w_->raised; }

private:
    std::shared_ptr<FakeGraphWindow::Window> w_;
};

}  // namespace

std::unique_ptr<platform::GraphWindow> FakeGraphWindow::Create() {
    auto window = std::make_shared<Window>();
    window->rect = size;
    windows.push_back(window);
    return std::make_unique<RecordedGraphWindow>(window);
}

FakeGraphWindow::Window* FakeGraphWindow::Open() const {
    for (auto it = windows.rbegin(); it != windows.rend(); ++it)
        if (!(*it)->closed) return it->get();
    return nullptr;
}

}  // namespace testsupport
