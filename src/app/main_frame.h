#pragma once
// The main frame: menus, the main tool bar, the status panes, the "Show" palette, the fifteen
// tool dialog bars (dock widgets) and the drawing view. It holds the edit mode (the active
// tool) and the document, and carries out every command through the command table.
//
// The menus and the tool bar are built in main_menu.cpp; the documents (New, Open, Save, the
// recent files) are in main_frame_documents.cpp; what each command does is in app/commands/.

#include "app/commands/command_table.h"
#include "app/document.h"
#include "app/tool_bars.h"
#include "core/command_ids.h"
#include "core/summary_window.h"

#include <QMainWindow>
#include <QRect>
#include <array>
#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

class QAction;
class QDockWidget;
class QLabel;
class QWheelEvent;

namespace platform::qt {
class QtProgress;
}  // namespace platform::qt
namespace dialogs {
class CmStatusText;
class DialogBarWidget;
}  // namespace dialogs
class QMenu;
class QToolBar;

namespace app {

class DrawingView;
class CPreprocessorPaletteBarDisplay;
class FramePromptBar;
class FrameToolBarWindows;
class FrameViewInput;

// The length of the recent-file list (commands ID_FILE_MRU_FILE1 and the five after it).
inline constexpr int kRecentFileCount = 6;

class MainFrame : public QMainWindow {
    Q_OBJECT
public:
    explicit MainFrame(QWidget* parent = nullptr);
    ~MainFrame() override;

    DrawingView* View() const { return view_; }
    CDravonetDoc& Doc() { return doc_; }
    CPreprocessorPaletteBarDisplay* PaletteBar() const { return palette_; }
    QToolBar* MainToolBar() const { return toolBar_; }
    QDockWidget* DialogBar(int bar) const;
    // The window of a bar, or null for a number that names none.
    dialogs::DialogBarWidget* DialogBarWindow(int bar) const;
    int ShownBar() const;
    // The action of a command id (menus and tool bar), or null.
    QAction* Action(int id) const;

    // Runs a command by its id through the command table, guarded, then brings the enabled and
    // checked states of the menus and buttons up to date. An id the table does not know and a
    // disabled command do nothing.
    void OnCommand(int id);
    CommandTable& Commands() { return commands_; }
    const CommandTable& Commands() const { return commands_; }
    // Sets every menu item and button enabled and checked as the command table says.
    void UpdateCommandStates();
    // The menu or button text of a command without "&" and accelerator, or its number.
    std::string CommandText(int id) const;

    // Edit modes and tools.
    int GetEditMode() const { return editMode_; }
    bool SetEditMode(int command);
    void EnterSelectMode() { OnCommand(ID_SELECT_ITEMS); }
    void ResetToStageOne();
    bool SetStage(int stage);
    bool SetStage1() { return SetStage(1); }
    bool SetStage2() { return SetStage(2); }
    void HideCurrentToolBar();
    void HideInactiveToolBars();
    // Shows (or hides) a tool dialog bar with its entry option (editing/tool_dialog_bars.h).
    bool ShowToolBar(int bar, bool show, int option);
    // The bar's entry option.
    int ToolBarOption(int bar) const;
    void PressToolBarButton(int id, bool pressed);
    bool IsToolBarButtonPressed(int id) const { return pressedButtons_.count(id) != 0; }

    // Status panes and prompt.
    void SetCursorPosition(double x, double y);
    void SetLongForceText(bool show, const std::string& text);
    // The prompt window over the first status pane shows the text.
    void ShowPromptText(const std::string& text);
    void SetPromptText(const std::string&) {}
    dialogs::CmStatusText* PromptWindow() const { return prompt_; }
    // The progress control over the first status pane (hidden while no long task runs).
    platform::qt::QtProgress& Progress() { return *progress_; }

    // Documents.
    bool FileNew();
    // Asks for the file when none is given.
    bool FileOpen(const std::optional<std::filesystem::path>& path = std::nullopt);
    bool FileSave();
    bool FileSaveAs(const std::optional<std::filesystem::path>& path = std::nullopt);
    bool FileClose();
    // "Save changes to ...?" when modified; false when the user cancelled (or saving failed).
    bool SaveModified();
    bool OpenRecentFile(int index);
    std::vector<std::filesystem::path> RecentFiles() const;
    void AddToRecentFiles(const std::filesystem::path& path);

    // What the view input reaches of the frame and the view (tests set its clock).
    FrameViewInput& ViewInput() { return *viewInput_; }

    // Start-up steps after the frame is shown (preferences, view set-up, help files).
    void InitialUpdate();
    void Redraw();
    void UpdateTitle();

    // The keys of the tool dialog bars (their signals, queued): the view's handlers of Enter,
    // Escape, the arrow keys and the wheel edit.
    void OnToolBarEnterKey();
    void OnToolBarEscapeKey(bool shift);
    void OnToolBarArrowKey(int key);
    void OnToolBarMouseWheel(int delta);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    // Page keys go to the data-error window while it is shown.
    void keyPressEvent(QKeyEvent* event) override;

private:
    friend void BuildMainMenu(MainFrame& frame);
    QAction* AddCommand(QMenu* menu, const char* text, int id, const char* shortcut = nullptr,
                        const char* tip = nullptr);
    // Fills the desktop work area less the margin on every side (the primary monitor's, less
    // half a margin more of width, when a second monitor is there).
    bool PlaceWindow(int margin);
    // Narrows the frame by the palette's width, so the floating palette stands beside it.
    void FitToPaletteBar();
    void PlacePaletteBar();
    void CreateStatusPanes();
    void CreateDialogBars();
    void PlacePromptWindow();
    // A wheel turned over a bar goes to the drawing view.
    void WheelToView(QWheelEvent* event);
    void RefreshRecentMenu();
    void UpdateCommandState(int id, QAction& action);

    CDravonetDoc doc_;
    DrawingView* view_ = nullptr;
    std::unique_ptr<FrameViewInput> viewInput_;
    QToolBar* toolBar_ = nullptr;
    CPreprocessorPaletteBarDisplay* palette_ = nullptr;
    dialogs::CmStatusText* prompt_ = nullptr;
    std::unique_ptr<platform::qt::QtProgress> progress_;
    std::unique_ptr<FramePromptBar> promptBar_;
    std::unique_ptr<FrameToolBarWindows> toolBarWindows_;
    QLabel* paneX_ = nullptr;
    QLabel* paneY_ = nullptr;
    QLabel* paneForce_ = nullptr;
    QMenu* recentMenu_ = nullptr;
    std::array<QDockWidget*, BarCount> bars_{};
    std::array<dialogs::DialogBarWidget*, BarCount> barWindows_{};
    std::map<int, QAction*> actions_;
    std::map<int, std::string> commandTexts_;
    CommandTable commands_;
    std::set<int> pressedButtons_;
    QRect secondMonitor_;
    int editMode_ = EditModeNone;
    double cursorX_ = 0, cursorY_ = 0;
    bool longForce_ = false;
    std::string longForceText_;
    // Last, so the summary window goes first when the frame is destroyed.
    CSummaryWindowHolder summaryWindow_;
};

// The main frame of the running program, or null.
MainFrame* TheMainFrame();

}  // namespace app
