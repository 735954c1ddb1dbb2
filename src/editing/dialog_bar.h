#pragma once
// The tool dialog bars: the strips of labelled fields under the drawing in which the values of
// the item being entered or selected are shown and typed. Each bar is a plain class with its
// fields and rules (which fields an entry option enables, what a getter or setter does); its
// controls are reached by number through BarControls, which the window implements and which
// the bar keeps in memory while no window is attached, so tools and tests use a bar without a
// window.
//
//     CmDialogBarProfileTool bar;          // fields at their start values
//     bar.OnInitDialog();                  // key lists, fields written to the controls
//     bar.SetEntryOption(1);
//     double x, y;
//     if (bar.GetPoint(x, y)) ...          // false when hidden or a field holds no number
//
// Conventions of every bar:
// - Entry option: 0 while the bar is hidden; 1 the tool is active; 2 a selected point of an
//   item; 3 a selected segment or item; 4 a point being added to an item. Setting it enables
//   the fields for that situation; a value the bar does not know is only stored.
// - Getters read the controls into the fields first; a field that holds no number shows
//   "Enter a number." (or "Enter an integer."), takes the focus and the getter answers false
//   with its outputs untouched. Outside their entry options getters and setters answer false.
// - Setters read the controls first (so a value being typed elsewhere survives), store the
//   values and write every field back.

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

enum class e_BarControlKind { Label, Edit, Combo, Check, Radio, Button };

// One control of a bar, as the window lays it out from left to right.
struct s_BarControl {
    int id = 0;  // 0: a label that nothing addresses
    e_BarControlKind kind = e_BarControlKind::Label;
    std::string text;                // label, check box, radio or button text
    std::vector<std::string> items;  // the first entries of a list
    int group = 0;                   // radios: the id of the group's first radio
    int chars = 0;                   // edits: width in characters (0: the default)
};

inline s_BarControl BarLabel(const std::string& text, int id = 0) {
    return {id, e_BarControlKind::Label, text, {}, 0, 0};
}
inline s_BarControl BarEdit(int id, int chars = 8) {
    return {id, e_BarControlKind::Edit, {}, {}, 0, chars};
}
inline s_BarControl BarCombo(int id, std::vector<std::string> items) {
    return {id, e_BarControlKind::Combo, {}, std::move(items), 0, 0};
}
inline s_BarControl BarCheck(int id, const std::string& text) {
    return {id, e_BarControlKind::Check, text, {}, 0, 0};
}
inline s_BarControl BarRadio(int id, const std::string& text, int group) {
    return {id, e_BarControlKind::Radio, text, {}, group, 0};
}
inline s_BarControl BarButton(int id, const std::string& text) {
    return {id, e_BarControlKind::Button, text, {}, 0, 0};
}

// The controls of one bar by number. Index: the selected entry of a list (-1 none), 1 or 0
// for a check box or a radio button.
class BarControls {
public:
    virtual ~BarControls() = default;
    virtual std::string Text(int id) const = 0;
    virtual void SetText(int id, const std::string& text) = 0;
    virtual int Index(int id) const = 0;
    virtual void SetIndex(int id, int index) = 0;
    virtual std::vector<std::string> Items(int id) const = 0;
    virtual void SetItems(int id, const std::vector<std::string>& items) = 0;
    virtual bool IsEnabled(int id) const = 0;
    virtual void Enable(int id, bool enable) = 0;
    virtual bool IsShown(int id) const = 0;
    virtual void Show(int id, bool show) = 0;
    // Gives the control the keyboard focus and selects its whole text.
    virtual void Focus(int id) = 0;
};

// The controls of a bar that has no window: every state kept in memory.
class MemoryBarControls final : public BarControls {
public:
    explicit MemoryBarControls(const std::vector<s_BarControl>& layout);
    std::string Text(int id) const override;
    void SetText(int id, const std::string& text) override;
    int Index(int id) const override;
    void SetIndex(int id, int index) override;
    std::vector<std::string> Items(int id) const override;
    void SetItems(int id, const std::vector<std::string>& items) override;
    bool IsEnabled(int id) const override;
    void Enable(int id, bool enable) override;
    bool IsShown(int id) const override;
    void Show(int id, bool show) override;
    void Focus(int id) override { focused_ = id; }
    int Focused() const { return focused_; }

private:
    struct State {
        std::string text;
        int index = -1;
        std::vector<std::string> items;
        bool enabled = true;
        bool shown = true;
    };
    State* Find(int id);
    const State* Find(int id) const;
    std::vector<std::pair<int, State>> states_;
    int focused_ = 0;
};

// The data exchange between a bar's fields and its controls (one direction per run). Reading
// stops at the first field that holds no number: its message is shown, it takes the focus, and
// every later field keeps its value.
class BarExchange {
public:
    // quiet: a field that holds no number is passed over without a message (the setters'
    // reading, so that a click never raises a message box).
    BarExchange(BarControls& controls, bool save, bool quiet = false)
        : controls_(controls), save_(save), quiet_(quiet) {}
    bool Saving() const { return save_; }
    bool Failed() const { return failed_; }
    void Text(int id, std::string& value);
    void Number(int id, double& value);
    void Integer(int id, int& value);
    void Check(int id, int& value);
    void Choice(int id, int& index);
    // A radio group: the index of the checked button in ids, -1 when none is.
    void Radio(const std::vector<int>& ids, int& index);

private:
    void Refuse(int id, const char* message);
    BarControls& controls_;
    bool save_;
    bool quiet_;
    bool failed_ = false;
};

// What a key pressed in a bar's control becomes.
enum class e_BarKey { Enter, Escape, Left, Up, Right, Down };
enum class e_BarMessage { None, EnterKey, EscapeKey, ArrowKey };
struct s_BarKeyRoute {
    bool consumed = false;  // false: the control handles the key as usual
    e_BarMessage message = e_BarMessage::None;
    int wParam = 0;  // escape: 1 with Shift; arrow: the key code (37 left to 40 down)
};

class CmDialogBar {
public:
    CmDialogBar() = default;
    virtual ~CmDialogBar();
    CmDialogBar(const CmDialogBar&) = delete;
    CmDialogBar& operator=(const CmDialogBar&) = delete;

    // The controls from left to right.
    virtual std::vector<s_BarControl> Layout() const = 0;
    // The controls in use: the window's once attached (null: back to memory).
    void Attach(BarControls* controls) { window_ = controls; }
    BarControls& Controls();
    bool HasWindow() const { return window_ != nullptr; }

    // Once the controls exist: the key lists, then the fields written to the controls.
    virtual void OnInitDialog();
    // A button pressed, a list choice changed, a check box or radio button clicked. Here: a
    // push button runs its handler.
    virtual void OnControl(int id);
    // What a push button ("Options", "Finish Line", ...) does; without a handler it does
    // nothing.
    void SetButtonHandler(int id, std::function<void()> handler);
    bool HasButtonHandler(int id) const { return buttons_.count(id) != 0; }
    // The bar was shown or hidden.
    virtual void OnShowWindow(bool /*shown*/) {}
    // save: controls to fields (false when a field holds no number); else fields to controls.
    bool UpdateData(bool save);

    virtual int GetEntryOption() const { return entryOption_; }
    virtual void SetEntryOption(int option) { entryOption_ = option; }

    // Keys: the controls in which Enter is passed on, those in which Escape and the arrow keys
    // are (at most 20 each), and the "Finish Line" button (-1 none).
    void SetKeyControls(const std::vector<int>& enter, const std::vector<int>& escape,
                        int finishButton);
    const std::vector<int>& EnterControls() const { return enter_; }
    const std::vector<int>& EscapeControls() const { return escape_; }
    int FinishButton() const { return finishButton_; }
    void EnableFinishButton(bool enable);
    bool IsFinishButtonEnabled() const { return finishEnabled_; }
    // A key pressed in the control (0 for one without a number).
    virtual s_BarKeyRoute RouteKey(int control, e_BarKey key, bool shift) const;
    // True when the wheel over the bar edits the running tool's value; else it goes to the
    // drawing view, unless the bar leaves it to its controls.
    virtual bool WheelEditsTool() const { return false; }
    virtual bool WheelToControls() const { return false; }

    // Focus on a field, its text selected.
    void FocusControl(int id) { Controls().Focus(id); }

protected:
    virtual void DoDataExchange(BarExchange& dx) = 0;
    void Enable(std::initializer_list<int> ids, bool enable);
    void Show(std::initializer_list<int> ids, bool show);
    // Reads the controls; false (and the message shown) when a field holds no number.
    bool Read() { return UpdateData(true); }
    // Reads what converts and keeps the rest (setters).
    void ReadQuietly();
    void Write() { UpdateData(false); }
    static bool InRange(int option, int first, int last) {
        return option >= first && option <= last;
    }

    int entryOption_ = 0;

private:
    std::unique_ptr<MemoryBarControls> memory_;
    BarControls* window_ = nullptr;
    std::vector<int> enter_;
    std::vector<int> escape_;
    int finishButton_ = -1;
    bool finishEnabled_ = false;
    std::map<int, std::function<void()>> buttons_;
};

// Texts of numbers in the bars' fields: fifteen significant digits.
std::string BarNumberText(double value);
