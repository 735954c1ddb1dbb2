#include "app/main_frame.h"
#include "app/tool_bar_buttons.h"

#include "app/commands/slip_surface_tools.h"
#include "app/commands/tool_commands.h"
#include "app/draw_view.h"
#include "app/drawing_view.h"
#include "app/guarded_call.h"
#include "app/help_files.h"
#include "app/palette_bar.h"
#include "app/preferences_startup.h"
#include "app/view_input_host.h"
#include "core/cursor_mode.h"
#include "core/dialog_slot.h"
#include "core/preferences.h"
#include "dialogs/dialog_bar_widget.h"
#include "dialogs/status_text.h"
#include "editing/selection_list.h"
#include "editing/tool_dialog_bars.h"
#include "editing/tool_table.h"
#include "editing/view_navigation.h"
#include "editing/view_selection.h"
#include "graphics/graphic_grid.h"
#include "graphics/prompts.h"
#include "graphics/ui/clipboard_picture.h"
#include "graphics/views.h"
#include "model/data_set.h"
#include "model/data_sets.h"
#include "platform/qt/qt_progress.h"
#include "platform/services.h"

#include <QAction>
#include <QCloseEvent>
#include <QDockWidget>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QScreen>
#include <QStatusBar>
#include <QToolBar>
#include <QWheelEvent>

namespace app {

void BuildMainMenu(MainFrame& frame);

namespace {
MainFrame* theFrame = nullptr;
}  // namespace

MainFrame* TheMainFrame() { return theFrame; }

// The prompt bar is the prompt window over the first status pane.
class FramePromptBar final : public platform::PromptBarService {
public:
    explicit FramePromptBar(MainFrame& frame) : frame_(frame) {}
    void Show(const std::string& text) override { frame_.ShowPromptText(text); }
    void Hide() override { frame_.PromptWindow()->hide(); }

private:
    MainFrame& frame_;
};

// The tool dialog bars' windows are the frame's docks.
class FrameToolBarWindows final : public platform::ToolBarWindowService {
public:
    explicit FrameToolBarWindows(MainFrame& frame) : frame_(frame) {}
    void ShowBarWindow(int bar, bool show) override {
        if (QDockWidget* dock = frame_.DialogBar(bar)) dock->setVisible(show);
    }

private:
    MainFrame& frame_;
};

MainFrame::MainFrame(QWidget* parent) : QMainWindow(parent), commands_(BuildCommandTable()) {
    theFrame = this;
    setObjectName("mainFrame");
    doc_.window = this;
    doc_.onChanged = [this] { UpdateTitle(); };
    // File New makes stage 1 current through the frame: the model's stage, the stage buttons
    // and the status text agree, and a tool other than select returns to select mode.
    doc_.onReset = [this] {
        SetStage(1);
        if (editMode_ != EditModeNone) ResetToStageOne();
    };
    graphics_ui::RegisterClipboardPicture();
    view_ = new DrawingView(this);
    setCentralWidget(view_);
    viewInput_ = std::make_unique<FrameViewInput>(*this, *view_);
    view_->SetInputHost(viewInput_.get(), [this] { doc_.SetModifiedFlag(true); });
    SetViewWindow(viewInput_.get());
    RegisterToolDrawing();
    s_CursorModeHooks hooks = NavigationCursorModeHooks();
    hooks.setArrowCursor = [view = view_] { view->unsetCursor(); };
    SetCursorModeHooks(std::move(hooks));
    CreateStatusPanes();
    BuildMainMenu(*this);
    palette_ = new CPreprocessorPaletteBarDisplay(this);
    palette_->onRedraw = [this] { Redraw(); };
    palette_->hide();
    CreateDialogBars();
    UpdateTitle();
    PlaceWindow(30);
    FitToPaletteBar();
}

bool MainFrame::PlaceWindow(int margin) {
    const QList<QScreen*> screens = QGuiApplication::screens();
    QScreen* primary = QGuiApplication::primaryScreen();
    if (!primary) {
        resize(1024, 768);
        return false;
    }
    const QRect work = primary->availableGeometry();
    if (screens.size() > 1) {
        for (QScreen* screen : screens)
            if (screen != primary) {
                secondMonitor_ = screen->availableGeometry();
                break;
            }
        setGeometry(work.left() + margin, margin, static_cast<int>(work.width() - 1.5 * margin),
                    work.height() - 2 * margin);
        return true;
    }
    setGeometry(work.left() + margin, margin, work.width() - 2 * margin,
                work.height() - 2 * margin);
    return true;
}

void MainFrame::FitToPaletteBar() {
    palette_->adjustSize();
    const QRect g = geometry();
    setGeometry(g.left(), g.top(), std::max(400, g.width() - palette_->frameGeometry().width()),
                g.height());
}

void MainFrame::PlacePaletteBar() {
    const QRect f = frameGeometry();
    palette_->adjustSize();
    palette_->move(f.right() + 1, (f.top() + f.bottom() - palette_->frameGeometry().height()) / 2);
}

MainFrame::~MainFrame() {
    if (&platform::Services().Progress() == progress_.get())
        platform::Services().SetProgress(nullptr);
    if (&platform::Services().ToolBarWindows() == toolBarWindows_.get())
        platform::Services().SetToolBarWindows(nullptr);
    if (&platform::Services().PromptBar() == promptBar_.get())
        platform::Services().SetPromptBar(nullptr);
    for (auto*& window : barWindows_) {
        delete window;
        window = nullptr;
    }
    if (theFrame == this) theFrame = nullptr;
    if (GetViewWindow() == viewInput_.get()) SetViewWindow(nullptr);
    SetCursorModeHooks({});
}

QAction* MainFrame::Action(int id) const {
    auto it = actions_.find(id);
    return it == actions_.end() ? nullptr : it->second;
}

std::string MainFrame::CommandText(int id) const {
    auto it = commandTexts_.find(id);
    return it == commandTexts_.end() ? std::to_string(id) : it->second;
}

QDockWidget* MainFrame::DialogBar(int bar) const {
    return bar >= 0 && bar < BarCount ? bars_[static_cast<std::size_t>(bar)] : nullptr;
}

dialogs::DialogBarWidget* MainFrame::DialogBarWindow(int bar) const {
    return bar >= 0 && bar < BarCount ? barWindows_[static_cast<std::size_t>(bar)] : nullptr;
}

QAction* MainFrame::AddCommand(QMenu* menu, const char* text, int id, const char* shortcut,
                               const char* tip) {
    QAction* action = actions_.count(id) ? actions_[id] : nullptr;
    if (!action) {
        action = new QAction(QString::fromUtf8(text), this);
        action->setObjectName(QString("command%1").arg(id));
        if (shortcut) action->setShortcut(QKeySequence(QString::fromLatin1(shortcut)));
        if (tip) {
            const QString t = QString::fromUtf8(tip);
            action->setStatusTip(t.section('\n', 0, 0));
            action->setToolTip(t.section('\n', 1));
        }
        connect(action, &QAction::triggered, this, [this, id] { OnCommand(id); });
        actions_[id] = action;
        std::string name = text;
        name.erase(std::remove(name.begin(), name.end(), '&'), name.end());
        commandTexts_[id] = name.substr(0, name.find('\t'));
    }
    if (menu) menu->addAction(action);
    return action;
}

void MainFrame::CreateStatusPanes() {
    auto pane = [this](const char* name, const char* widthText) {
        auto* label = new QLabel(this);
        label->setObjectName(name);
        label->setMinimumWidth(label->fontMetrics().horizontalAdvance(widthText));
        statusBar()->addPermanentWidget(label);
        return label;
    };
    // The X and Y panes hold the usual coordinates and grow for longer ones; the force pane
    // shows only while it has a text. The message keeps the rest of the line.
    paneX_ = pane("pane101", "X: -00000.00");
    paneY_ = pane("pane102", "Y: -00000.00");
    paneForce_ = pane("pane103", "Long. Force: -00000.00");
    SetCursorPosition(0, 0);
    SetLongForceText(false, {});
    // The prompt window lies over the first pane, in the status bar's font; it starts hidden.
    prompt_ = new dialogs::CmStatusText(statusBar());
    prompt_->setFont(statusBar()->font());
    prompt_->SetText("My very, very, very, very, long text string.  My even very, very, very, "
                     "very, very, very, very, very, very, very, very, very, longer text string.");
    prompt_->hide();
    // So does the progress control, shown only while a long task runs.
    progress_ = std::make_unique<platform::qt::QtProgress>(statusBar());
    statusBar()->installEventFilter(this);
    promptBar_ = std::make_unique<FramePromptBar>(*this);
    platform::Services().SetPromptBar(promptBar_.get());
}

void MainFrame::PlacePromptWindow() {
    // Pane 0 ends where the first permanent pane begins.
    const int right = paneX_->isVisible() ? paneX_->geometry().left() - 2 : statusBar()->width();
    prompt_->setGeometry(0, 0, std::max(0, right), statusBar()->height());
    progress_->Place(prompt_->geometry());
}

bool MainFrame::eventFilter(QObject* watched, QEvent* event) {
    if (watched == statusBar() &&
        (event->type() == QEvent::Resize || event->type() == QEvent::LayoutRequest ||
         event->type() == QEvent::Show))
        PlacePromptWindow();
    return QMainWindow::eventFilter(watched, event);
}

void MainFrame::CreateDialogBars() {
    for (int bar = 0; bar < BarCount; ++bar) {
        auto* dock = new QDockWidget(QString::fromUtf8(ToolBarCaption(bar)), this);
        dock->setObjectName(QString("dialogBar%1").arg(bar));
        dock->setAllowedAreas(Qt::TopDockWidgetArea | Qt::BottomDockWidgetArea);
        dock->setFeatures(QDockWidget::DockWidgetMovable | QDockWidget::DockWidgetFloatable);
        if (CmDialogBar* logic = TheToolBars().Bar(bar)) {
            auto* window = new dialogs::DialogBarWidget(*logic, dock);
            window->setObjectName(QString("barWindow%1").arg(bar));
            connect(window, &dialogs::DialogBarWidget::enterKey, this,
                    &MainFrame::OnToolBarEnterKey, Qt::QueuedConnection);
            connect(window, &dialogs::DialogBarWidget::escapeKey, this,
                    &MainFrame::OnToolBarEscapeKey, Qt::QueuedConnection);
            connect(window, &dialogs::DialogBarWidget::arrowKey, this,
                    &MainFrame::OnToolBarArrowKey, Qt::QueuedConnection);
            connect(window, &dialogs::DialogBarWidget::wheelEdit, this,
                    &MainFrame::OnToolBarMouseWheel, Qt::QueuedConnection);
            connect(window, &dialogs::DialogBarWidget::wheelToView, this, &MainFrame::WheelToView);
            dock->setWidget(window);
            barWindows_[static_cast<std::size_t>(bar)] = window;
        } else {
            auto* body = new QLabel(dock);
            body->setMinimumHeight(8);
            dock->setWidget(body);
        }
        addDockWidget(bar == BarEditingMain ? Qt::TopDockWidgetArea : Qt::BottomDockWidgetArea,
                      dock);
        dock->setVisible(IsToolBarVisible(bar));
        bars_[static_cast<std::size_t>(bar)] = dock;
    }
    toolBarWindows_ = std::make_unique<FrameToolBarWindows>(*this);
    platform::Services().SetToolBarWindows(toolBarWindows_.get());
    InstallToolBarButtons(*this);
}

// ---------------------------------------------------------------------------------------------
// Edit modes

void MainFrame::PressToolBarButton(int id, bool pressed) {
    if (pressed)
        pressedButtons_.insert(id);
    else
        pressedButtons_.erase(id);
    if (QAction* action = Action(id)) UpdateCommandState(id, *action);
}

bool MainFrame::ShowToolBar(int bar, bool show, int option) {
    return ::ShowToolBar(bar, show, option);
}

int MainFrame::ToolBarOption(int bar) const {
    CmDialogBar* logic = TheToolBars().Bar(bar);
    return logic ? logic->GetEntryOption() : 0;
}

int MainFrame::ShownBar() const { return ShownToolBar(); }

void MainFrame::HideCurrentToolBar() { ::HideCurrentToolBar(); }

void MainFrame::HideInactiveToolBars() { ::HideInactiveToolBars(); }

bool MainFrame::SetEditMode(int command) {
    const int mode = EditModeForCommand(command);
    ToolContext context(viewInput_.get());
    if (!SwitchTool(context, editMode_, mode)) return false;
    for (int id : ToolCommandIds()) PressToolBarButton(id, id == command);
    editMode_ = mode;
    ResetCursorMode();
    return true;
}

void MainFrame::ResetToStageOne() {
    PressToolBarButton(ID_STAGE1, true);
    PressToolBarButton(ID_STAGE2, false);
    SetEditMode(ID_SELECT_ITEMS);
}

bool MainFrame::SetStage(int stage) {
    PressToolBarButton(ID_STAGE1, stage == 1);
    PressToolBarButton(ID_STAGE2, stage == 2);
    Cpp_Kliven4DataSet::SetCurrentStage(stage);
    ToolContext context(viewInput_.get());
    ResetTools(context);
    // What was selected belongs to the stage left: the selection empties, and a tool other
    // than select gives way to select mode.
    if (editMode_ != EditModeNone) {
        GetCurrentSelection().Clear();
        if (editMode_ != EditModeSelect) EnterSelectMode();
        Redraw();
    }
    platform::Services().StatusLine().SetText(stage == 1 ? "Stage 1 input" : "Stage 2 input");
    return true;
}

// ---------------------------------------------------------------------------------------------
// Status panes

void MainFrame::SetCursorPosition(double x, double y) {
    cursorX_ = x;
    cursorY_ = y;
    paneX_->setText(QString::asprintf("X: %1.2f", x));
    paneY_->setText(QString::asprintf("Y: %1.2f", y));
}

void MainFrame::SetLongForceText(bool show, const std::string& text) {
    longForce_ = show;
    longForceText_ = show ? text : std::string();
    paneForce_->setText(QString::fromStdString(longForceText_));
    paneForce_->setVisible(show);
}

void MainFrame::ShowPromptText(const std::string& text) {
    prompt_->SetText(QString::fromStdString(text));
    PlacePromptWindow();
    prompt_->show();
    prompt_->raise();
    prompt_->repaint();
}

// ---------------------------------------------------------------------------------------------
// Keys of the tool dialog bars

void MainFrame::WheelToView(QWheelEvent* event) {
    if (!view_) return;
    const QPointF global = event->globalPosition();
    QWheelEvent copy(view_->mapFromGlobal(global), global, event->pixelDelta(), event->angleDelta(),
                     event->buttons(), event->modifiers(), event->phase(), event->inverted());
    QCoreApplication::sendEvent(view_, &copy);
}

void MainFrame::UpdateTitle() {
    // "[*]" is where the window shows its unsaved changes.
    setWindowTitle(QString::fromStdString(doc_.Title() + "[*] - dravonet4"));
    setWindowModified(doc_.IsModified());
}

void MainFrame::Redraw() { view_->Redraw(); }

void MainFrame::keyPressEvent(QKeyEvent* event) {
    int key = 0;
    switch (event->key()) {
    case Qt::Key_PageUp: key = platform::PageKeyPrior; break;
    case Qt::Key_PageDown: key = platform::PageKeyNext; break;
    case Qt::Key_End: key = platform::PageKeyEnd; break;
    case Qt::Key_Home: key = platform::PageKeyHome; break;
    default: break;
    }
    platform::DataErrorService& errors = platform::Services().DataErrors();
    if (key != 0 && errors.IsShown() && errors.HandlePageKey(key)) {
        event->accept();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

void MainFrame::closeEvent(QCloseEvent* event) {
    bool close = true;
    GuardedCall("closing the window", [&] { close = SaveModified(); });
    if (close)
        event->accept();
    else
        event->ignore();
}

// ---------------------------------------------------------------------------------------------
// Command routing

void MainFrame::OnCommand(int id) {
    GuardedCall("command", [&] {
        commands_.Run(*this, id);
        UpdateCommandStates();
    });
}

void MainFrame::UpdateCommandStates() {
    for (const auto& [id, action] : actions_) UpdateCommandState(id, *action);
}

void MainFrame::UpdateCommandState(int id, QAction& action) {
    const s_Command* command = commands_.Find(id);
    if (!command) return;
    if (command->enabled) action.setEnabled(command->enabled(*this));
    if (command->checked) {
        action.setCheckable(true);
        action.setChecked(command->checked(*this));
    }
}

// ---------------------------------------------------------------------------------------------
// The tool dialog bars' keys and wheel

void MainFrame::OnToolBarEnterKey() {
    GuardedCall("MainFrame::OnToolBarEnterKey", [&] {
        bool redraw = false;
        EnterKey(*viewInput_, redraw);
        if (redraw) Redraw();
    });
}

void MainFrame::OnToolBarEscapeKey(bool shift) {
    GuardedCall("MainFrame::OnToolBarEscapeKey", [&] {
        bool redraw = false;
        EscapeKey(*viewInput_, shift, redraw);
        if (redraw) Redraw();
    });
}

void MainFrame::OnToolBarArrowKey(int key) {
    GuardedCall("MainFrame::OnToolBarArrowKey", [&] { ArrowKey(*viewInput_, key); });
}

void MainFrame::OnToolBarMouseWheel(int delta) {
    GuardedCall("MainFrame::OnToolBarMouseWheel", [&] {
        MouseWheelEdit(*viewInput_, static_cast<std::int16_t>(delta),
                       QGuiApplication::keyboardModifiers() & Qt::ShiftModifier,
                       QGuiApplication::keyboardModifiers() & Qt::ControlModifier);
    });
}

// ---------------------------------------------------------------------------------------------
// Start-up

void MainFrame::InitialUpdate() {
    doc_.OnNewDocument();
    ResetToStageOne();
    // The help pages are built into the program.
    SetHelpFileNames({}, ":/help/index.html", ":/help/check.html");
    LoadPreferences();
    InitializeView(view_->ViewWindow());
    palette_->RefreshFromDataSet();
    palette_->show();
    PlacePaletteBar();
    // The information window starts shown (its pages expanded), on the second monitor when
    // there is one; the main window keeps the focus.
    platform::InfoWindowService& info = platform::Services().InfoWindow();
    std::optional<platform::DevicePoint> infoPlace;
    if (!secondMonitor_.isNull())
        infoPlace = platform::DevicePoint{secondMonitor_.left() + 10, secondMonitor_.top() + 10};
    info.Initialize("KLIVEN Preprocessor", infoPlace);
    info.Show(true);
    activateWindow();
    RefreshRecentMenu();
    UpdateCommandStates();
    Cpp_Graphics::InvalidateScale();
    Redraw();
    Cpp_KlivenSettings::ChangeToDefaultDirectory();
}

}  // namespace app
