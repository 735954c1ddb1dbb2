#pragma once
// The window of a tool dialog bar: its controls laid out from left to right as the bar lists
// them, each named "c<number>". It is the bar's BarControls while it lives, hands clicks and
// list choices to the bar, and turns the keys of the bar's listed fields into signals: Enter,
// Escape (with Shift) and the arrow keys; the wheel either edits the running tool's value
// (the distributed-load bar) or goes on to the drawing view.

#include "editing/dialog_bar.h"

#include <QWidget>

#include <map>

class QButtonGroup;
class QLabel;
class QShowEvent;
class QWheelEvent;

namespace dialogs {

class DialogBarWidget final : public QWidget, public BarControls {
    Q_OBJECT
public:
    // Builds the controls, attaches itself to the bar and lets the bar initialise them.
    DialogBarWidget(CmDialogBar& bar, QWidget* parent);
    ~DialogBarWidget() override;

    CmDialogBar& Bar() const { return bar_; }
    QWidget* Control(int id) const;

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
    void Focus(int id) override;

signals:
    void enterKey();
    void escapeKey(bool shift);
    void arrowKey(int key);
    // The wheel over the distributed-load bar: the delta (120 a notch).
    void wheelEdit(int delta);
    // The wheel over any other bar, for the drawing view.
    void wheelToView(QWheelEvent* event);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    // The unit words after the edits of dimensioned values, as the bar gives them now.
    void ShowUnitWords();

    CmDialogBar& bar_;
    std::map<int, QWidget*> controls_;
    std::map<int, QButtonGroup*> groups_;
    std::map<int, QLabel*> units_;
};

}  // namespace dialogs
