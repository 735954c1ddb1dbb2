#include "dialogs/dialog_bar_widget.h"

#include "dialogs/bar_unit_words.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QWheelEvent>

namespace dialogs {

namespace {
const char* const kIdProperty = "barControlId";
}

DialogBarWidget::DialogBarWidget(CmDialogBar& bar, QWidget* parent) : QWidget(parent), bar_(bar) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 2, 4, 2);
    for (const s_BarControl& c : bar.Layout()) {
        QWidget* w = nullptr;
        const QString text = QString::fromStdString(c.text);
        switch (c.kind) {
        case e_BarControlKind::Label: w = new QLabel(text, this); break;
        case e_BarControlKind::Edit: {
            auto* edit = new QLineEdit(this);
            const int chars = c.chars > 0 ? c.chars : 8;
            edit->setFixedWidth(edit->fontMetrics().averageCharWidth() * (chars + 2) + 8);
            w = edit;
            break;
        }
        case e_BarControlKind::Combo: {
            auto* combo = new QComboBox(this);
            for (const std::string& item : c.items) combo->addItem(QString::fromStdString(item));
            combo->setCurrentIndex(-1);
            connect(combo, &QComboBox::activated, this, [this, id = c.id] { bar_.OnControl(id); });
            w = combo;
            break;
        }
        case e_BarControlKind::Check: w = new QCheckBox(text, this); break;
        case e_BarControlKind::Radio: {
            auto* radio = new QRadioButton(text, this);
            QButtonGroup*& group = groups_[c.group];
            if (!group) group = new QButtonGroup(this);
            group->addButton(radio);
            w = radio;
            break;
        }
        case e_BarControlKind::Button: w = new QPushButton(text, this); break;
        }
        if (auto* button = qobject_cast<QAbstractButton*>(w))
            connect(button, &QAbstractButton::clicked, this,
                    [this, id = c.id] { bar_.OnControl(id); });
        if (c.id != 0) {
            w->setObjectName(QString("c%1").arg(c.id));
            w->setProperty(kIdProperty, c.id);
            controls_[c.id] = w;
        }
        w->installEventFilter(this);
        layout->addWidget(w);
        if (c.kind == e_BarControlKind::Edit && c.id != 0 && BarUnitWord(bar_, c.id)) {
            auto* unit = new QLabel(this);
            unit->setObjectName(QString("c%1Unit").arg(c.id));
            units_[c.id] = unit;
            layout->addWidget(unit);
        }
    }
    layout->addStretch(1);
    installEventFilter(this);
    bar_.Attach(this);
    bar_.OnInitDialog();
    ShowUnitWords();
}

void DialogBarWidget::ShowUnitWords() {
    for (const auto& [id, label] : units_)
        label->setText(QString::fromStdString(BarUnitWord(bar_, id).value_or("")));
}

void DialogBarWidget::showEvent(QShowEvent* event) {
    // The unit system may have changed while the bar was hidden.
    ShowUnitWords();
    QWidget::showEvent(event);
}

DialogBarWidget::~DialogBarWidget() { bar_.Attach(nullptr); }

QWidget* DialogBarWidget::Control(int id) const {
    auto it = controls_.find(id);
    return it == controls_.end() ? nullptr : it->second;
}

std::string DialogBarWidget::Text(int id) const {
    QWidget* w = Control(id);
    if (auto* edit = qobject_cast<QLineEdit*>(w)) return edit->text().toStdString();
    if (auto* label = qobject_cast<QLabel*>(w)) return label->text().toStdString();
    if (auto* combo = qobject_cast<QComboBox*>(w)) return combo->currentText().toStdString();
    if (auto* button = qobject_cast<QAbstractButton*>(w)) return button->text().toStdString();
    return {};
}

void DialogBarWidget::SetText(int id, const std::string& text) {
    QWidget* w = Control(id);
    const QString t = QString::fromStdString(text);
    if (auto* edit = qobject_cast<QLineEdit*>(w)) {
        if (edit->text() != t) {
            edit->setText(t);
            // A long number shows its leading digits, unless the user is typing in the field.
            if (!edit->hasFocus()) edit->setCursorPosition(0);
        }
    } else if (auto* label = qobject_cast<QLabel*>(w)) {
        label->setText(t);
        ShowUnitWords();  // a relabelled field may hold another quantity now
    } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
        button->setText(t);
    }
}

int DialogBarWidget::Index(int id) const {
    QWidget* w = Control(id);
    if (auto* combo = qobject_cast<QComboBox*>(w)) return combo->currentIndex();
    if (auto* button = qobject_cast<QAbstractButton*>(w)) return button->isChecked() ? 1 : 0;
    return -1;
}

void DialogBarWidget::SetIndex(int id, int index) {
    QWidget* w = Control(id);
    if (auto* combo = qobject_cast<QComboBox*>(w)) {
        combo->setCurrentIndex(index >= 0 && index < combo->count() ? index : -1);
    } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
        QButtonGroup* group = button->group();
        const bool exclusive = group && group->exclusive();
        if (exclusive && index == 0) group->setExclusive(false);
        button->setChecked(index != 0);
        if (exclusive && index == 0) group->setExclusive(true);
    }
}

std::vector<std::string> DialogBarWidget::Items(int id) const {
    std::vector<std::string> items;
    if (auto* combo = qobject_cast<QComboBox*>(Control(id)))
        for (int i = 0; i < combo->count(); ++i) items.push_back(combo->itemText(i).toStdString());
    return items;
}

void DialogBarWidget::SetItems(int id, const std::vector<std::string>& items) {
    if (auto* combo = qobject_cast<QComboBox*>(Control(id))) {
        combo->clear();
        for (const std::string& item : items) combo->addItem(QString::fromStdString(item));
        combo->setCurrentIndex(-1);
    }
}

bool DialogBarWidget::IsEnabled(int id) const {
    QWidget* w = Control(id);
    return w && w->isEnabledTo(this);
}

void DialogBarWidget::Enable(int id, bool enable) {
    if (QWidget* w = Control(id)) w->setEnabled(enable);
}

bool DialogBarWidget::IsShown(int id) const {
    QWidget* w = Control(id);
    return w && !w->isHidden();
}

void DialogBarWidget::Show(int id, bool show) {
    if (QWidget* w = Control(id)) w->setVisible(show);
}

void DialogBarWidget::Focus(int id) {
    QWidget* w = Control(id);
    if (!w) return;
    w->setFocus(Qt::OtherFocusReason);
    if (auto* edit = qobject_cast<QLineEdit*>(w)) {
        edit->selectAll();
        edit->setCursorPosition(edit->text().size());
        edit->selectAll();
    }
}

bool DialogBarWidget::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Wheel && !bar_.WheelToControls()) {
        auto* wheel = static_cast<QWheelEvent*>(event);
        if (bar_.WheelEditsTool())
            emit wheelEdit(wheel->angleDelta().y());
        else
            emit wheelToView(wheel);
        return true;
    }
    if (event->type() != QEvent::KeyPress) return QWidget::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    e_BarKey which;
    switch (key->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: which = e_BarKey::Enter; break;
    case Qt::Key_Escape: which = e_BarKey::Escape; break;
    case Qt::Key_Left: which = e_BarKey::Left; break;
    case Qt::Key_Up: which = e_BarKey::Up; break;
    case Qt::Key_Right: which = e_BarKey::Right; break;
    case Qt::Key_Down: which = e_BarKey::Down; break;
    default: return QWidget::eventFilter(watched, event);
    }
    const int id = watched->property(kIdProperty).toInt();
    const s_BarKeyRoute route =
        bar_.RouteKey(id, which, (key->modifiers() & Qt::ShiftModifier) != 0);
    switch (route.message) {
    case e_BarMessage::EnterKey: emit enterKey(); break;
    case e_BarMessage::EscapeKey: emit escapeKey(route.wParam == 1); break;
    case e_BarMessage::ArrowKey: emit arrowKey(route.wParam); break;
    case e_BarMessage::None: break;
    }
    return route.consumed || QWidget::eventFilter(watched, event);
}

}  // namespace dialogs
