#include "editing/dialog_bar.h"

#include "platform/message_box.h"
#include "platform/services.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>

namespace {

std::string Trimmed(const std::string& s) {
    const auto first = s.find_first_not_of(" \t");
    if (first == std::string::npos) return {};
    return s.substr(first, s.find_last_not_of(" \t") - first + 1);
}

template <class T>
bool ParseWhole(const std::string& text, T& out) {
    const std::string s = Trimmed(text);
    if (s.empty()) return false;
    const char* first = s.data();
    if (*first == '+') ++first;
    T value{};
    auto [end, ec] = std::from_chars(first, s.data() + s.size(), value);
    if (ec != std::errc() || end != s.data() + s.size()) return false;
    if constexpr (std::is_floating_point_v<T>) {
        if (!std::isfinite(value)) return false;
    }
    out = value;
    return true;
}

bool Contains(const std::vector<int>& ids, int id) {
    return id != 0 && std::find(ids.begin(), ids.end(), id) != ids.end();
}

}  // namespace

std::string BarNumberText(double value) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.15g", value);
    return buffer;
}

// ---------------------------------------------------------------------------------------------
// Controls kept in memory

MemoryBarControls::MemoryBarControls(const std::vector<s_BarControl>& layout) {
    for (const s_BarControl& c : layout) {
        if (c.id == 0) continue;
        State state;
        if (c.kind != e_BarControlKind::Edit) state.text = c.text;
        state.items = c.items;
        if (c.kind == e_BarControlKind::Check || c.kind == e_BarControlKind::Radio) state.index = 0;
        states_.emplace_back(c.id, state);
    }
}

MemoryBarControls::State* MemoryBarControls::Find(int id) {
    for (auto& [key, state] : states_)
        if (key == id) return &state;
    return nullptr;
}

const MemoryBarControls::State* MemoryBarControls::Find(int id) const {
    for (const auto& [key, state] : states_)
        if (key == id) return &state;
    return nullptr;
}

std::string MemoryBarControls::Text(int id) const {
    const State* s = Find(id);
    return s ? s->text : std::string();
}

void MemoryBarControls::SetText(int id, const std::string& text) {
    if (State* s = Find(id)) s->text = text;
}

int MemoryBarControls::Index(int id) const {
    const State* s = Find(id);
    return s ? s->index : -1;
}

void MemoryBarControls::SetIndex(int id, int index) {
    State* s = Find(id);
    if (!s) return;
    s->index =
        s->items.empty() || (index >= 0 && index < static_cast<int>(s->items.size())) ? index : -1;
    if (!s->items.empty() && s->index >= 0) s->text = s->items[static_cast<std::size_t>(index)];
}

std::vector<std::string> MemoryBarControls::Items(int id) const {
    const State* s = Find(id);
    return s ? s->items : std::vector<std::string>();
}

void MemoryBarControls::SetItems(int id, const std::vector<std::string>& items) {
    if (State* s = Find(id)) {
        s->items = items;
        s->index = -1;
    }
}

bool MemoryBarControls::IsEnabled(int id) const {
    const State* s = Find(id);
    return s && s->enabled;
}

void MemoryBarControls::Enable(int id, bool enable) {
    if (State* s = Find(id)) s->enabled = enable;
}

bool MemoryBarControls::IsShown(int id) const {
    const State* s = Find(id);
    return s && s->shown;
}

void MemoryBarControls::Show(int id, bool show) {
    if (State* s = Find(id)) s->shown = show;
}

// ---------------------------------------------------------------------------------------------
// Data exchange

void BarExchange::Refuse(int id, const char* message) {
    if (quiet_) return;
    failed_ = true;
    platform::MessageBoxRequest request;
    request.caption = "ERROR";
    request.text = message;
    request.icon = platform::BoxIcon::Stop;
    platform::Services().MessageBoxes().Show(request);
    controls_.Focus(id);
}

void BarExchange::Text(int id, std::string& value) {
    if (failed_) return;
    if (save_)
        value = controls_.Text(id);
    else
        controls_.SetText(id, value);
}

void BarExchange::Number(int id, double& value) {
    if (failed_) return;
    if (!save_) {
        controls_.SetText(id, BarNumberText(value));
        return;
    }
    double read = 0;
    if (ParseWhole(controls_.Text(id), read))
        value = read;
    else
        Refuse(id, "Enter a number.");
}

void BarExchange::Integer(int id, int& value) {
    if (failed_) return;
    if (!save_) {
        controls_.SetText(id, std::to_string(value));
        return;
    }
    int read = 0;
    if (ParseWhole(controls_.Text(id), read))
        value = read;
    else
        Refuse(id, "Enter an integer.");
}

void BarExchange::Check(int id, int& value) {
    if (failed_) return;
    if (save_)
        value = controls_.Index(id) != 0 ? 1 : 0;
    else
        controls_.SetIndex(id, value != 0 ? 1 : 0);
}

void BarExchange::Choice(int id, int& index) {
    if (failed_) return;
    if (save_)
        index = controls_.Index(id);
    else
        controls_.SetIndex(id, index);
}

void BarExchange::Radio(const std::vector<int>& ids, int& index) {
    if (failed_) return;
    if (save_) {
        index = -1;
        for (std::size_t i = 0; i < ids.size(); ++i)
            if (controls_.Index(ids[i]) != 0) {
                index = static_cast<int>(i);
                break;
            }
        return;
    }
    for (std::size_t i = 0; i < ids.size(); ++i)
        if (static_cast<int>(i) != index) controls_.SetIndex(ids[i], 0);
    if (index >= 0 && index < static_cast<int>(ids.size()))
        controls_.SetIndex(ids[static_cast<std::size_t>(index)], 1);
}

// ---------------------------------------------------------------------------------------------
// The bar

CmDialogBar::~CmDialogBar() = default;

BarControls& CmDialogBar::Controls() {
    if (window_) return *window_;
    if (!memory_) memory_ = std::make_unique<MemoryBarControls>(Layout());
    return *memory_;
}

void CmDialogBar::OnInitDialog() {
    Write();
    if (finishButton_ >= 1) Controls().Enable(finishButton_, finishEnabled_);
}

void CmDialogBar::OnControl(int id) {
    for (const s_BarControl& c : Layout()) {
        if (c.id != id || c.kind != e_BarControlKind::Button) continue;
        auto it = buttons_.find(id);
        if (it != buttons_.end() && it->second) it->second();
        return;
    }
}

void CmDialogBar::SetButtonHandler(int id, std::function<void()> handler) {
    if (handler)
        buttons_[id] = std::move(handler);
    else
        buttons_.erase(id);
}

bool CmDialogBar::UpdateData(bool save) {
    BarExchange dx(Controls(), save);
    DoDataExchange(dx);
    return !dx.Failed();
}

void CmDialogBar::ReadQuietly() {
    BarExchange dx(Controls(), true, true);
    DoDataExchange(dx);
}

void CmDialogBar::Enable(std::initializer_list<int> ids, bool enable) {
    for (int id : ids) Controls().Enable(id, enable);
}

void CmDialogBar::Show(std::initializer_list<int> ids, bool show) {
    for (int id : ids) Controls().Show(id, show);
}

void CmDialogBar::SetKeyControls(const std::vector<int>& enter, const std::vector<int>& escape,
                                 int finishButton) {
    enter_.assign(enter.begin(), enter.begin() + std::min<std::size_t>(enter.size(), 20));
    escape_.assign(escape.begin(), escape.begin() + std::min<std::size_t>(escape.size(), 20));
    finishButton_ = finishButton;
}

void CmDialogBar::EnableFinishButton(bool enable) {
    if (finishButton_ < 1) return;
    Controls().Enable(finishButton_, enable);
    finishEnabled_ = enable;
}

s_BarKeyRoute CmDialogBar::RouteKey(int control, e_BarKey key, bool shift) const {
    s_BarKeyRoute route;
    switch (key) {
    case e_BarKey::Enter:
        if (Contains(enter_, control)) route = {true, e_BarMessage::EnterKey, 0};
        break;
    case e_BarKey::Escape:
        // Escape never reaches the control.
        route.consumed = true;
        if (Contains(escape_, control)) route = {true, e_BarMessage::EscapeKey, shift ? 1 : 0};
        break;
    case e_BarKey::Left:
    case e_BarKey::Up:
    case e_BarKey::Right:
    case e_BarKey::Down:
        if (Contains(escape_, control)) {
            static constexpr int codes[] = {0, 0, 37, 38, 39, 40};
            route = {true, e_BarMessage::ArrowKey, codes[static_cast<int>(key)]};
        }
        break;
    }
    return route;
}
