#include "app/main_frame.h"

#include "app/drawing_view.h"
#include "app/guarded_call.h"
#include "app/palette_bar.h"
#include "core/cursor_mode.h"
#include "graphics/ui/clipboard_picture.h"
#include "core/message_boxes.h"
#include "model/data_sets.h"
#include "platform/services.h"

#include <QAction>
#include <QCloseEvent>
#include <QDockWidget>
#include <QGuiApplication>
#include <QScreen>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QStatusBar>
#include <QToolBar>

namespace app {

void BuildMainMenu(MainFrame& frame);

namespace {
MainFrame* theFrame = nullptr;

bool ShiftDown() { return QGuiApplication::keyboardModifiers() & Qt::ShiftModifier; }
bool ControlDown() { return QGuiApplication::keyboardModifiers() & Qt::ControlModifier; }
}  // namespace

MainFrame* TheMainFrame() { return theFrame; }

MainFrame::MainFrame(QWidget* parent) : QMainWindow(parent) {
    theFrame = this;
    setObjectName("mainFrame");
    doc_.window = this;
    doc_.onChanged = [this] { UpdateTitle(); };
    doc_.onReset = [this] {
        if (editMode_ != EditModeNone) ResetToStageOne();
    };
    graphics_ui::RegisterClipboardPicture();
    view_ = new DrawingView(this);
    setCentralWidget(view_);
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
    if (theFrame == this) theFrame = nullptr;
}

QAction* MainFrame::Action(int id) const {
    auto it = actions_.find(id);
    return it == actions_.end() ? nullptr : it->second;
}

QDockWidget* MainFrame::DialogBar(int bar) const {
    return bar >= 0 && bar < BarCount ? bars_[static_cast<std::size_t>(bar)] : nullptr;
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
    prompt_ = new QLabel(this);
    prompt_->setObjectName("promptText");
    statusBar()->addWidget(prompt_, 1);
    prompt_->hide();
    auto pane = [this](const char* name, const char* widthText) {
        auto* label = new QLabel(this);
        label->setObjectName(name);
        label->setMinimumWidth(label->fontMetrics().horizontalAdvance(widthText));
        statusBar()->addPermanentWidget(label);
        return label;
    };
    paneX_ = pane("pane101", "X: ??????????.??");
    paneY_ = pane("pane102", "Y: ??????????.??");
    paneForce_ = pane("pane103", "Long. Force: ??????????.??");
    SetCursorPosition(0, 0);
    SetLongForceText(false, {});
}

void MainFrame::CreateDialogBars() {
    for (int bar = 0; bar < BarCount; ++bar) {
        auto* dock = new QDockWidget(QString::fromUtf8(ToolBarCaption(bar)), this);
        dock->setObjectName(QString("dialogBar%1").arg(bar));
        dock->setAllowedAreas(Qt::TopDockWidgetArea | Qt::BottomDockWidgetArea);
        dock->setFeatures(QDockWidget::DockWidgetMovable | QDockWidget::DockWidgetFloatable);
        auto* body = new QLabel(bar == BarEditingMain ? "" : "", dock);
        body->setMinimumHeight(8);
        dock->setWidget(body);
        addDockWidget(bar == BarEditingMain ? Qt::TopDockWidgetArea : Qt::BottomDockWidgetArea,
                      dock);
        dock->setVisible(bar == BarEditingMain);
        bars_[static_cast<std::size_t>(bar)] = dock;
    }
    shownBar_ = BarNone;
}

// ---------------------------------------------------------------------------------------------
// Edit modes

void MainFrame::PressToolBarButton(int id, bool pressed) {
    if (QAction* a = Action(id)) {
        a->setCheckable(true);
        a->setChecked(pressed);
    }
}

bool MainFrame::ShowToolBar(int bar, bool show, int option) {
    QDockWidget* dock = DialogBar(bar);
    if (!dock) return false;
    if (show) {
        if (shownBar_ != BarNone && shownBar_ != bar) DialogBar(shownBar_)->hide();
        dock->show();
        barOptions_[static_cast<std::size_t>(bar)] = option;
        shownBar_ = bar;
    } else {
        dock->hide();
        if (bar != BarConstruction) barOptions_[static_cast<std::size_t>(bar)] = 0;
        if (shownBar_ == bar) shownBar_ = BarNone;
    }
    return true;
}

void MainFrame::HideCurrentToolBar() {
    if (shownBar_ != BarNone && shownBar_ != BarEditingMain) DialogBar(shownBar_)->hide();
    shownBar_ = BarNone;
}

void MainFrame::HideInactiveToolBars() {
    DialogBar(BarEditingMain)->show();
    for (int bar = 0; bar < BarEditingMain; ++bar)
        if (bar != shownBar_) DialogBar(bar)->hide();
}

bool MainFrame::SetEditMode(int command) {
    const int mode = EditModeForCommand(command);
    if (mode == editMode_ || editMode_ != EditModeDistributedLoads) HideCurrentToolBar();
    if (mode == editMode_) return false;
    // Leaving the current mode hides its bar.
    const int oldBar = ToolBarForMode(editMode_);
    if (oldBar != BarNone) ShowToolBar(oldBar, false, 0);
    if (editMode_ == EditModeDistributedLoads) HideCurrentToolBar();
    // Entering the new one shows its bar.
    const int newBar = ToolBarForMode(mode);
    if (newBar != BarNone) ShowToolBar(newBar, true, 1);
    for (int id : kToolCommands) PressToolBarButton(id, id == command);
    editMode_ = mode;
    ResetCursorMode();
    return true;
}

void MainFrame::ResetToStageOne() {
    PressToolBarButton(32795, true);
    PressToolBarButton(32796, false);
    SetEditMode(32833);
}

bool MainFrame::SetStage(int stage) {
    PressToolBarButton(32795, stage == 1);
    PressToolBarButton(32796, stage == 2);
    Cpp_Kliven4DataSet::SetCurrentStage(stage);
    if (editMode_ != EditModeSelect && editMode_ != EditModeNone) EnterSelectMode();
    platform::Services().StatusLine().SetText(stage == 1 ? "Stage 1 input" : "Stage 2 input");
    return true;
}

void MainFrame::NotAvailable(const std::string& what) {
    platform::Services().StatusLine().SetText("\"" + what + "\" is not available yet.");
}

void MainFrame::OnToolCommand(int id) {
    auto name = [this, id] {
        auto it = commandTexts_.find(id);
        return it == commandTexts_.end() ? std::to_string(id) : it->second;
    };
    // Shift or Ctrl on a tool button opens that kind's data table instead.
    const bool shift = ShiftDown(), control = ControlDown();
    switch (id) {
    case 32951:  // the heading: no switch
        NotAvailable("Heading for Problem");
        return;
    case 32990:
    case 32991:
        return;
    case 32981:
    case 32982:
        ShowQuestionMessage(this, "Halt - Not Ready for This Input",
                            "There are no primary Analysis/Computation data - Enter primary data "
                            "first.");
        return;
    default:
        break;
    }
    const bool stageTable = id == 32952 || id == 32830 || id == 32907 || id == 32908 ||
                            id == 32910 || id == 32896 || id == 32897;
    const bool shiftTable = id == 32829 || id == 32886 || id == 32832 || id == 32977 ||
                            id == 32978;
    if (shift && (stageTable || shiftTable)) {
        if (stageTable) SetStage1();
        NotAvailable(name() + " (data table)");
        return;
    }
    if (control && (stageTable || id == 32977 || id == 32978)) {
        if (stageTable) SetStage2();
        NotAvailable(name() + (stageTable ? " (data table)" : " (optional data)"));
        return;
    }
    if (SetEditMode(id)) {
        if (id != 32833 && id != 32836 && id != 32952)
            platform::Services().StatusLine().SetText(
                "The tool \"" + name() + "\" is chosen; its data entry is not available yet.");
        else
            platform::Services().StatusLine().SetText(id == 32833 ? "Select items" : name());
    }
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
}

void MainFrame::ShowPromptText(const std::string& text) {
    prompt_->setText(QString::fromStdString(text));
    prompt_->show();
    prompt_->repaint();
}

void MainFrame::UpdateTitle() {
    setWindowTitle(QString::fromStdString(doc_.Title() + " - dravonet4"));
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
        if (EditModeForCommand(id) != EditModeNone || id == 32951 || id == 32990 ||
            id == 32991) {
            OnToolCommand(id);
        } else if (id >= kFirstDisplayOptionCommand &&
                   id <= kFirstDisplayOptionCommand + kNumberOfDisplayOptions + 1) {
            palette_->OnCommand(id);
        } else if (id == 33063) {
            palette_->setVisible(!palette_->isVisible());
        } else if (id == 32795 || id == 32796) {
            SetStage(id == 32795 ? 1 : 2);
        } else if (!OnFileCommand(id) && !OnViewCommand(id)) {
            auto it = commandTexts_.find(id);
            NotAvailable(it == commandTexts_.end() ? std::to_string(id) : it->second);
        }
        UpdateChecks();
    });
}

}  // namespace app
