#include "gridctrl/grid_ctrl_widget.h"

#include "gridctrl/in_place_edit.h"
#include "gridctrl/in_place_list.h"
#include "gridctrl/title_tip.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>
#include <exception>

namespace gridctrl {

namespace {

DevicePoint ToPoint(const QPointF& p) { return {qRound(p.x()), qRound(p.y())}; }

// The virtual key of a Qt key, 0 for keys the grid does not know.
unsigned VirtualKey(int key, Qt::KeyboardModifiers mods) {
    switch (key) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab: return VK_TAB;
    case Qt::Key_PageUp: return VK_PRIOR;
    case Qt::Key_PageDown: return VK_NEXT;
    case Qt::Key_End: return VK_END;
    case Qt::Key_Home: return VK_HOME;
    case Qt::Key_Left: return VK_LEFT;
    case Qt::Key_Up: return VK_UP;
    case Qt::Key_Right: return VK_RIGHT;
    case Qt::Key_Down: return VK_DOWN;
    case Qt::Key_Insert: return VK_INSERT;
    case Qt::Key_Delete: return VK_DELETE;
    case Qt::Key_F2: return VK_F2;
    case Qt::Key_Plus: return (mods & Qt::KeypadModifier) ? unsigned{VK_ADD} : 0u;
    default:
        if (key >= Qt::Key_A && key <= Qt::Key_Z) return static_cast<unsigned>(key);
        return 0;
    }
}

// Runs an input handler of the grid; nothing that goes wrong there may end the program.
template <class F>
void Guarded(F f) {
    try {
        f();
    } catch (...) {}
}

}  // namespace

GridCtrlWidget::GridCtrlWidget(QWidget* parent, std::unique_ptr<CGridCtrl> grid)
    : QAbstractScrollArea(parent), grid_(grid ? std::move(grid) : std::make_unique<CGridCtrl>()) {
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    setFocusPolicy(Qt::StrongFocus);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    viewport()->setMouseTracking(true);
    viewport()->setAcceptDrops(true);
    viewport()->setAutoFillBackground(false);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    tip_ = new TitleTip(this);
    timer_.setSingleShot(false);
    connect(&timer_, &QTimer::timeout, this, [this] { Guarded([&] { grid_->OnTimer(); }); });
    connect(horizontalScrollBar(), &QScrollBar::valueChanged, this,
            [this](int v) { OnBarValue(ScrollBar::Horizontal, v); });
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this,
            [this](int v) { OnBarValue(ScrollBar::Vertical, v); });
    grid_->AttachWindow(this);
    grid_->SetWheelScrollLines(QApplication::wheelScrollLines());
    TakeSystemLook();
}

GridCtrlWidget::~GridCtrlWidget() {
    timer_.stop();
    if (editor_) {
        if (auto* edit = dynamic_cast<InPlaceEdit*>(editor_.data())) edit->Abandon();
        if (auto* list = dynamic_cast<InPlaceList*>(editor_.data())) list->Abandon();
        delete editor_.data();
    }
    grid_->AttachWindow(nullptr);
}

QSize GridCtrlWidget::sizeHint() const { return {400, 250}; }

void GridCtrlWidget::TakeSystemLook() {
    const QPalette pal = palette();
    GridSystemColours c;
    c.windowText = FromQColor(pal.color(QPalette::Text));
    c.window = FromQColor(pal.color(QPalette::Base));
    c.face = FromQColor(pal.color(QPalette::Button));
    c.shadow = FromQColor(pal.color(QPalette::Dark));
    c.light = FromQColor(pal.color(QPalette::Light));
    c.darkShadow = FromQColor(pal.color(QPalette::Shadow));
    c.highlight = FromQColor(pal.color(QPalette::Highlight));
    c.highlightText = FromQColor(pal.color(QPalette::HighlightedText));
    c.infoBackground = FromQColor(pal.color(QPalette::ToolTipBase));
    c.infoText = FromQColor(pal.color(QPalette::ToolTipText));
    grid_->SetSystemColours(c);
    grid_->SetFont(FromQFont(font()));
}

void GridCtrlWidget::changeEvent(QEvent* e) {
    QAbstractScrollArea::changeEvent(e);
    if (e->type() == QEvent::PaletteChange || e->type() == QEvent::FontChange) TakeSystemLook();
}

// ---- GridWindow

int GridCtrlWidget::ClientWidth() const { return viewport()->width(); }
int GridCtrlWidget::ClientHeight() const { return viewport()->height(); }
int GridCtrlWidget::VScrollWidth() const {
    return style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
}
int GridCtrlWidget::HScrollHeight() const {
    return style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
}

void GridCtrlWidget::ApplyScrollBars(const ScrollBarState& s) {
    const bool was = syncing_;
    syncing_ = true;
    auto apply = [](QScrollBar* bar, int limit, int page, int pos) {
        if (bar->maximum() != limit || bar->minimum() != 0) bar->setRange(0, limit);
        if (bar->pageStep() != std::max(1, page)) bar->setPageStep(std::max(1, page));
        if (bar->value() != pos) bar->setValue(pos);
    };
    apply(horizontalScrollBar(), s.hLimit, s.hPage, s.hPos);
    apply(verticalScrollBar(), s.vLimit, s.vPage, s.vPos);
    verticalScrollBar()->setSingleStep(grid_->GetDefaultCell(false, false)->GetHeight());
    horizontalScrollBar()->setSingleStep(grid_->GetDefaultCell(false, true)->GetWidth());
    const auto h = s.horizontal ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff;
    const auto v = s.vertical ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff;
    if (horizontalScrollBarPolicy() != h) setHorizontalScrollBarPolicy(h);
    if (verticalScrollBarPolicy() != v) setVerticalScrollBarPolicy(v);
    syncing_ = was;
}

void GridCtrlWidget::OnBarValue(ScrollBar bar, int value) {
    if (syncing_) return;
    Guarded([&] { grid_->OnScroll(bar, SB_THUMBTRACK, value); });
}

void GridCtrlWidget::Invalidate(const DeviceRect& r) {
    viewport()->update(QRect(r.left, r.top, r.right - r.left, r.bottom - r.top));
}

void GridCtrlWidget::InvalidateAll() { viewport()->update(); }

InPlaceEditor* GridCtrlWidget::OpenTextEditor(const TextEditorRequest& request) {
    auto* edit = new InPlaceEdit(*this, request);
    editor_ = edit;
    return edit;
}

InPlaceEditor* GridCtrlWidget::OpenListEditor(const ListEditorRequest& request) {
    auto* list = new InPlaceList(*this, request);
    editor_ = list;
    return list;
}

void GridCtrlWidget::ShowTitleTip(const TitleTipRequest& request) { tip_->Show(request); }

void GridCtrlWidget::HideTitleTip() { tip_->Hide(); }

void GridCtrlWidget::StartAutoScroll(int milliseconds) { timer_.start(milliseconds); }

void GridCtrlWidget::StopAutoScroll() { timer_.stop(); }

void GridCtrlWidget::SetCursorShape(GridCursor cursor) {
    switch (cursor) {
    case GridCursor::SizeWE: viewport()->setCursor(Qt::SizeHorCursor); break;
    case GridCursor::SizeNS: viewport()->setCursor(Qt::SizeVerCursor); break;
    default: viewport()->unsetCursor(); break;
    }
}

void GridCtrlWidget::ShowSizingLine(bool vertical, int position) {
    sizingVertical_ = vertical;
    sizingLine_ = position;
    viewport()->update();
}

void GridCtrlWidget::ShowMenuAt(DevicePoint point) {
    std::vector<GridMenuItem> items;
    Guarded([&] { items = grid_->OnRButtonDown(point); });
    if (items.empty()) return;
    QMenu menu(this);
    for (const GridMenuItem& item : items)
        menu.addAction(QString::fromStdString(item.text))->setData(item.command);
    // The menu's top-left corner lies 4 pixels right of and 5 below the press.
    const QAction* chosen = menu.exec(viewport()->mapToGlobal(QPoint(point.x + 4, point.y + 5)));
    if (chosen) Guarded([&] { grid_->OnMenuCommand(chosen->data().toInt()); });
}

void GridCtrlWidget::TakeFocus() { setFocus(Qt::MouseFocusReason); }

// ---- Events

bool GridCtrlWidget::event(QEvent* e) {
    // Tab and Shift+Tab move between cells; with Ctrl held they move between controls.
    if (e->type() == QEvent::KeyPress) {
        auto* k = static_cast<QKeyEvent*>(e);
        if ((k->key() == Qt::Key_Tab || k->key() == Qt::Key_Backtab) &&
            !(k->modifiers() & Qt::ControlModifier)) {
            keyPressEvent(k);
            return true;
        }
    }
    return QAbstractScrollArea::event(e);
}

bool GridCtrlWidget::viewportEvent(QEvent* e) {
    if (e->type() == QEvent::Paint) {
        paintEvent(static_cast<QPaintEvent*>(e));
        return true;
    }
    return QAbstractScrollArea::viewportEvent(e);
}

void GridCtrlWidget::paintEvent(QPaintEvent* e) {
    QPainter painter(viewport());
    QtGridPainter gp(painter, this);
    const QRect r = e->rect();
    Guarded([&] { grid_->DrawGrid(gp, {r.left(), r.top(), r.right() + 1, r.bottom() + 1}); });
    if (sizingLine_ >= 0) {
        painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
        if (sizingVertical_)
            painter.fillRect(QRect(sizingLine_, 0, 2, viewport()->height()), Qt::white);
        else
            painter.fillRect(QRect(0, sizingLine_, viewport()->width(), 2), Qt::white);
    }
}

void GridCtrlWidget::resizeEvent(QResizeEvent* e) {
    QAbstractScrollArea::resizeEvent(e);
    Guarded([&] { grid_->OnSize(); });
}

void GridCtrlWidget::keyPressEvent(QKeyEvent* e) {
    tip_->Hide();
    const int key = e->key();
    // Enter and Escape belong to the dialog (its default and cancel buttons).
    if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape) {
        e->ignore();
        return;
    }
    const bool ctrl = e->modifiers() & Qt::ControlModifier;
    const bool shift = (e->modifiers() & Qt::ShiftModifier) || key == Qt::Key_Backtab;
    const unsigned vk = VirtualKey(key, e->modifiers());
    Guarded([&] {
        if (vk) {
            grid_->PreTranslateKeyDown(vk);
            grid_->OnKeyDown(vk, ctrl, shift);
        }
        const QString text = e->text();
        if (!ctrl && !text.isEmpty()) {
            const unsigned ch = text.at(0).unicode();
            if (ch == VK_BACK || (ch >= 32u && ch != 127u)) grid_->OnChar(ch, false);
        }
    });
    e->accept();
}

void GridCtrlWidget::mousePressEvent(QMouseEvent* e) {
    pointer_ = ToPoint(e->position());
    if (e->button() == Qt::RightButton) {
        ShowMenuAt(pointer_);
        return;
    }
    if (e->button() != Qt::LeftButton) return;
    Guarded([&] {
        grid_->OnLButtonDown(pointer_, e->modifiers() & Qt::ControlModifier,
                             e->modifiers() & Qt::ShiftModifier);
    });
}

void GridCtrlWidget::mouseReleaseEvent(QMouseEvent* e) {
    pointer_ = ToPoint(e->position());
    Guarded([&] {
        if (e->button() == Qt::LeftButton) {
            grid_->OnLButtonUp(pointer_);
            // A released capture is followed by a move at the same point: the grid finds
            // out again whether the pointer rests on a border.
            grid_->OnMouseMove(pointer_, false);
        } else if (e->button() == Qt::RightButton) {
            grid_->OnRButtonUp(pointer_);
        }
    });
}

void GridCtrlWidget::mouseDoubleClickEvent(QMouseEvent* e) {
    pointer_ = ToPoint(e->position());
    if (e->button() == Qt::RightButton) {
        ShowMenuAt(pointer_);
        return;
    }
    if (e->button() != Qt::LeftButton) return;
    Guarded([&] {
        // The second press of a double click is the double click itself: when it came as a
        // press too, that press is taken back first.
        const MouseMode mode = grid_->GetMouseMode();
        if (mode == MouseMode::SizingColumn || mode == MouseMode::SizingRow ||
            mode == MouseMode::SelectCells || mode == MouseMode::PrepareEdit) {
            grid_->OnLButtonUp(pointer_);
            grid_->OnMouseMove(pointer_, false);
        }
        grid_->OnLButtonDblClk(pointer_);
    });
}

void GridCtrlWidget::mouseMoveEvent(QMouseEvent* e) {
    pointer_ = ToPoint(e->position());
    if (tip_->isVisible() && !tip_->HoverContains(e->position().toPoint())) tip_->Hide();
    Guarded([&] { grid_->OnMouseMove(pointer_, e->buttons() & Qt::LeftButton); });
}

void GridCtrlWidget::wheelEvent(QWheelEvent* e) {
    const std::vector<int> requests = grid_->WheelScrollRequests(e->angleDelta().y());
    for (int code : requests)
        QMetaObject::invokeMethod(
            this, [this, code] { Guarded([&] { grid_->OnScroll(ScrollBar::Vertical, code); }); },
            Qt::QueuedConnection);
    e->accept();
}

void GridCtrlWidget::dragEnterEvent(QDragEnterEvent* e) {
    Guarded([&] { grid_->OnDragEnter(ToPoint(e->position())); });
    // Taken, so that the moves that follow arrive; each move says whether a drop would go.
    e->accept();
}

void GridCtrlWidget::dragMoveEvent(QDragMoveEvent* e) {
    DropEffect effect = DropEffect::None;
    Guarded([&] {
        effect = grid_->OnDragOver(ToPoint(e->position()), e->modifiers() & Qt::ControlModifier);
    });
    if (effect == DropEffect::None) {
        e->ignore();
        return;
    }
    e->setDropAction(effect == DropEffect::Copy ? Qt::CopyAction : Qt::MoveAction);
    e->accept();
}

void GridCtrlWidget::dragLeaveEvent(QDragLeaveEvent*) {
    Guarded([&] { grid_->OnDragLeave(); });
}

void GridCtrlWidget::dropEvent(QDropEvent* e) {
    Guarded([&] { grid_->OnDrop(ToPoint(e->position())); });
    e->setDropAction(Qt::IgnoreAction);
    e->ignore();
}

// ---- Input passed on by the title tip

void GridCtrlWidget::TipMousePress(QPoint point, Qt::MouseButton button, Qt::KeyboardModifiers mods,
                                   bool doubleClick) {
    pointer_ = {point.x(), point.y()};
    activateWindow();
    if (button != Qt::LeftButton) return;
    Guarded([&] {
        if (doubleClick)
            grid_->OnLButtonDblClk(pointer_);
        else
            grid_->OnLButtonDown(pointer_, mods & Qt::ControlModifier, mods & Qt::ShiftModifier);
    });
}

void GridCtrlWidget::TipMouseRelease(QPoint point, Qt::MouseButton button) {
    pointer_ = {point.x(), point.y()};
    Guarded([&] {
        if (button == Qt::LeftButton) {
            grid_->OnLButtonUp(pointer_);
            grid_->OnMouseMove(pointer_, false);
        } else if (button == Qt::RightButton) {
            grid_->OnRButtonUp(pointer_);
        }
    });
}

void GridCtrlWidget::TipMouseMove(QPoint point, Qt::MouseButtons buttons) {
    pointer_ = {point.x(), point.y()};
    Guarded([&] { grid_->OnMouseMove(pointer_, buttons & Qt::LeftButton); });
}

}  // namespace gridctrl
