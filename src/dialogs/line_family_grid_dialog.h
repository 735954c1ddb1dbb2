#pragma once
// The family table of lines: "Profile Lines", "Piezometric Lines - Stage N" or "Reinforcement
// Lines". The line numbers of the family in a list on the left (a number is changed by editing
// its item), the current line's fields and points on the right, the display selections of the
// family below. The work is CmLineFamilyGridState's; this window shows it.

#include "dialogs/data_exchange.h"
#include "dialogs/line_family_grid_state.h"
#include "gridctrl/grid_owner.h"

#include <QDialog>

#include <memory>

class QCheckBox;
class QComboBox;
class QFormLayout;
class QGroupBox;
class QLineEdit;
class QTreeWidget;
class QTreeWidgetItem;

namespace gridctrl {
class CGridCtrlKDX;
}

namespace dialogs {

class CmLineFamilyGridInput final : public QDialog, private gridctrl::GridOwner {
    Q_OBJECT
public:
    CmLineFamilyGridInput(const s_LineFamilyTable& table, QWidget* parent);
    ~CmLineFamilyGridInput() override;

    const CmLineFamilyGridState& State() const { return *state_; }
    gridctrl::CGridCtrlKDX& Grid() { return *grid_; }
    // Stores the current line and checks every line; a refusal keeps the dialog open.
    void accept() override;

protected:
    // Each key, click or drop on the table is a new action of the user.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildFields(QWidget* parent, QFormLayout* form);
    // The fields, the number of lines and the list from the state; the current line highlighted.
    void ShowState();
    void OnNewLine();
    void OnDeleteLine();
    void OnDeleteAllLines();
    void OnCurrentItemChanged(QTreeWidgetItem* item);
    void OnItemChanged(QTreeWidgetItem* item);
    // -105: no cell is edited while no line is current; the notice once per user action.
    int OnBeginEdit(gridctrl::CCellID) override;

    gridctrl::CGridCtrlKDX* grid_ = nullptr;
    std::unique_ptr<CmLineFamilyGridState> state_;
    QTreeWidget* list_ = nullptr;
    QLineEdit* count_ = nullptr;
    QLineEdit* number_ = nullptr;
    QLineEdit* material_ = nullptr;
    QLineEdit* unitWeight_ = nullptr;
    QLineEdit* rotation_ = nullptr;
    QComboBox* forceOption_ = nullptr;
    QLineEdit* description_ = nullptr;
    QCheckBox* clear_ = nullptr;
    QGroupBox* display_ = nullptr;
    // The line fields, read before every step that stores the current line.
    DataExchange lineFields_;
    // The check boxes of the family: read at New Line (the clear box) and at OK.
    DataExchange flags_;
    bool updatingList_ = false;
    bool noticeShown_ = false;
};

// The window in LineFamilyGridDialogSlot().
class QtLineFamilyGrid final : public ::LineFamilyGridDialog {
public:
    explicit QtLineFamilyGrid(QWidget* owner = nullptr) : owner_(owner) {}
    bool Run(s_LineFamilyTable& table) override;

private:
    QWidget* owner_;
};

}  // namespace dialogs
