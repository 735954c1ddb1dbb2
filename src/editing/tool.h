#pragma once
// A drawing tool of the view: the object behind one or more edit modes. It says what the view's
// inputs do while no step is under way (cursor mode 0), owns the rows of its own steps, and
// answers the frame when it is chosen (enter, may refuse) or left (exit, may refuse), when the
// wheel turns or Delete is pressed in its steps, when the view is painted, and which prompt and
// dialog bar it shows. Its services come from a ToolContext, never from the frame.
//
//     class RulerTool final : public Tool {
//     public:
//         RulerTool() : Tool(EditModeRuler, EditModeRuler, "Ruler") {}
//         s_ToolInputs Inputs() const override { return {R(RulerClick), N, N, R(ShowViewMenu)}; }
//         void Prompt(const s_ToolPrompt& p) const override { SetStatusTextFromId(p.view, 1390); }
//     };
//
// and one row in the table (tool_table.cpp). Tests build a context in one line:
// `ToolContext context(&host);`.

#include "editing/view_dispatch.h"
#include "graphics/prompts.h"

#include <optional>
#include <span>

class Cpp_Kliven4DataSet;
struct ToolDialogBars;
namespace platform {
class ServiceRegistry;
}

// The world-to-pixel mapping of the view as the tools use it.
class ToolMapping {
public:
    s_tagTypePointXY ToWorld(s_PixelPoint device) const;
    s_PixelPoint ToDevice(const s_tagTypePointXY& world) const;
};

// Snaps a point of a press: a construction point within 5 pixels when the view's construction
// snap is on, else the grid when its snap is on. True when the point moved.
class ToolSnapper {
public:
    bool SnapPress(const ViewInputHost& view, s_tagTypePointXY& point) const;
    // The grid alone (a mouse move; `force` snaps although the grid snap is off).
    bool SnapMove(s_tagTypePointXY& point, bool force) const;
};

// What a tool may use: the view and frame, the current data set and stage, the mapping, the
// snapper, the tool dialog bars and the platform services.
class ToolContext {
public:
    explicit ToolContext(ViewInputHost* view) : view_(view) {}

    ViewInputHost* View() const { return view_; }
    Cpp_Kliven4DataSet* DataSet() const;  // the current data set, or null
    int Stage() const;
    const ToolMapping& Mapping() const { return mapping_; }
    const ToolSnapper& Snapper() const { return snapper_; }
    ToolDialogBars& Bars() const;
    platform::ServiceRegistry& Services() const;

private:
    ViewInputHost* view_ = nullptr;
    ToolMapping mapping_;
    ToolSnapper snapper_;
};

// The inputs at cursor mode 0: the left button, Enter, the move (after the coordinate tool tip,
// before the drag check) and the right button.
struct s_ToolInputs {
    s_InputCell left, enter, move, right;
};

// What a prompt is shown for: `view` tells whether the frame's status line shows it at once,
// `editMode` is the tool's mode (tools with several), `context` what it depends on.
struct s_ToolPrompt {
    bool view = true;
    int editMode = 0;
    const s_ToolPromptContext& context;
};

class Tool {
public:
    Tool(int firstMode, int lastMode, const char* name)
        : firstMode_(firstMode), lastMode_(lastMode), name_(name) {}
    virtual ~Tool() = default;
    Tool(const Tool&) = delete;
    Tool& operator=(const Tool&) = delete;

    int FirstMode() const { return firstMode_; }
    int LastMode() const { return lastMode_; }
    bool Serves(int editMode) const { return firstMode_ <= editMode && editMode <= lastMode_; }
    // The tool's name.
    const char* Name() const { return name_; }

    // The inputs at cursor mode 0 in one of its edit modes.
    virtual s_ToolInputs Inputs(int editMode) const = 0;
    // The rows of the steps it runs (cursor modes), reached from any edit mode.
    virtual std::span<const s_CursorModeRow> Steps() const { return {}; }

    // Chosen in `editMode` (its bar is shown already); false refuses.
    virtual bool Enter(ToolContext& context, int editMode) {
        (void)context;
        (void)editMode;
        return true;
    }
    // Chosen with its button, after the switch: its start (the bar filled for a new item) and
    // its standard prompt.
    virtual void Chosen(ToolContext& context, int editMode);
    // Left for another edit mode, before the bars change; false refuses and the tool stays.
    virtual bool Exit(ToolContext& context, int editMode) {
        (void)context;
        (void)editMode;
        return true;
    }
    // A tool whose exit may refuse keeps its bar shown until it has left.
    virtual bool ExitMayRefuse() const { return false; }
    // A step of the tool still under way ends and nothing of it is kept: when any tool is
    // chosen, a document is opened or made new, or the stage changes.
    virtual void Reset(ToolContext& context) { (void)context; }

    // Escape at cursor mode 0 in its edit mode: the select tool is chosen.
    virtual void EscapeAtRest(ToolContext& context);
    // The left button released (a press no step took) at cursor mode 0 in its edit mode, or in
    // one of its steps.
    virtual void ButtonUp(ToolContext& context, int cursorMode, const s_ViewInput& in) {
        (void)context;
        (void)cursorMode;
        (void)in;
    }
    // A move at cursor mode 0: whether the tool tip shows the cursor's coordinates, and whether
    // a press held long enough drags (the selection, or a band).
    virtual bool ShowsCoordinates() const { return true; }
    virtual bool DragsFromRest() const { return true; }

    // The edit-mode action (its hot key): true when the tool had one and it changed something.
    virtual bool Action(ToolContext& context) {
        (void)context;
        return false;
    }

    // The wheel (delta in 120ths of a notch): at cursor mode 0 in its edit mode, or in one of
    // its steps (`cursorMode`). Nothing: the tool leaves the wheel to the view; otherwise
    // whether the wheel was taken.
    virtual std::optional<bool> Wheel(ToolContext& context, int cursorMode, int delta, bool shift,
                                      bool control) {
        (void)context;
        (void)cursorMode;
        (void)delta;
        (void)shift;
        (void)control;
        return std::nullopt;
    }
    // Delete in one of its steps; nothing: the selection's Delete follows; otherwise whether
    // the key was taken.
    virtual std::optional<bool> Delete(ToolContext& context, int cursorMode) {
        (void)context;
        (void)cursorMode;
        return std::nullopt;
    }
    // Adds what the tool draws over the data while it runs to the painting of the view (a
    // second call adds nothing).
    virtual void RegisterDrawing() const {}
    // What its standard prompt depends on now (the last selected item, the circle bar's mode).
    virtual s_ToolPromptContext PromptContext(ToolContext& context) const {
        (void)context;
        return {};
    }
    // Its standard prompt on the status line.
    virtual void Prompt(const s_ToolPrompt& prompt) const { SetStatusText(prompt.view, ""); }
    // The tool dialog bar shown in `editMode` (e_ToolBar), or -1 for none.
    virtual int Bar(int editMode) const {
        (void)editMode;
        return -1;
    }

private:
    int firstMode_;
    int lastMode_;
    const char* name_;
};

// Cells of the rows, for the tools' tables.
namespace tool_cells {
inline constexpr s_InputCell N{e_InputCell::Nothing};
inline constexpr s_InputCell D{e_InputCell::Default};
inline constexpr s_InputCell H{e_InputCell::NotHandled};
inline constexpr s_InputCell X{e_InputCell::Delete};
constexpr s_InputCell R(InputOperation op) { return {e_InputCell::Run, op}; }
}  // namespace tool_cells
