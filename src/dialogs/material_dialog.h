#pragma once
// The material properties window ("Material Properties - Stage N"): the fields of the shown
// material (number, description, unit weight or its lateral table, the strength option with its
// values or point tables, the pore-pressure option with its value), the list of materials with
// "New Mat'l", "Add Missing", "Delete Mat'l" and "Delete All", and OK / Cancel. What it does is
// MaterialDialogState's; the window copies its widgets into the state before each step and
// shows the state after it. With one material the list part is left out.

#include "dialogs/data_exchange.h"
#include "gridctrl/grid_owner.h"
#include "profile/material_dialog_state.h"

#include <QDialog>

#include <array>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;

namespace gridctrl {
class CGridCtrlKDX;
class GridCtrlWidget;
}  // namespace gridctrl

namespace dialogs {

class MaterialPropertiesDialog final : public QDialog {
    Q_OBJECT
public:
    // The state must be initialised (a stage of 1 or 2).
    MaterialPropertiesDialog(MaterialDialogState& state, QWidget* parent);
    ~MaterialPropertiesDialog() override;

    // Stores the shown material; a failed store keeps the dialog open.
    void accept() override;

    gridctrl::CGridCtrlKDX& TableGrid(MaterialDialogState::TableId id);

protected:
    void showEvent(QShowEvent* event) override;

private:
    // The strength tables tell the dialog of each edited cell.
    class StrengthTableOwner final : public gridctrl::GridOwner {
    public:
        explicit StrengthTableOwner(MaterialPropertiesDialog& dialog) : dialog_(dialog) {}
        int OnEndEdit(gridctrl::CCellID) override;

    private:
        MaterialPropertiesDialog& dialog_;
    };

    void Build();
    // Widgets to state (false after a refused number field) and state to widgets.
    bool Pull();
    void Push();
    void PushTable(MaterialDialogState::TableId id);
    void PullTable(MaterialDialogState::TableId id);
    void PushList();
    // Runs a step of the state between a pull and a push.
    template <class Step>
    void Run(Step step);

    void OnListRowChanged(int row);
    void OnListEdited(QListWidgetItem* item);

    MaterialDialogState& state_;
    DataExchange dx_;
    QLineEdit* number_ = nullptr;
    QLabel* usage_ = nullptr;
    QLineEdit* description_ = nullptr;
    QLineEdit* unitWeight_ = nullptr;
    QLabel* unitWeightLabel_ = nullptr;
    QLabel* unitWeightUnit_ = nullptr;
    QCheckBox* variable_ = nullptr;
    QComboBox* strength_ = nullptr;
    std::array<QLabel*, 4> strengthLabels_{};
    std::array<QLabel*, 4> strengthUnits_{};
    std::array<QLineEdit*, 4> strengthEdits_{};
    QCheckBox* displayGraphs_ = nullptr;
    QComboBox* porePressure_ = nullptr;
    QLabel* valueLabel_ = nullptr;
    QLabel* valueUnit_ = nullptr;
    QLineEdit* value_ = nullptr;
    QLabel* lineLabel_ = nullptr;
    QLineEdit* line_ = nullptr;
    QCheckBox* negative_ = nullptr;
    QGroupBox* materialsGroup_ = nullptr;
    QListWidget* list_ = nullptr;
    std::array<gridctrl::GridCtrlWidget*, 3> tables_{};
    std::array<int, 3> shownSetUps_{-1, -1, -1};
    bool pushing_ = false;
    StrengthTableOwner tableOwner_{*this};
};

// The windows in MaterialGridDialogSlot() and MaterialDialogSlot(): OK hands the entries back,
// Cancel leaves them.
class QtMaterialGrid final : public MaterialGridDialog {
public:
    explicit QtMaterialGrid(QWidget* owner = nullptr) : owner_(owner) {}
    bool Run(int stage, const std::vector<std::pair<int, int>>& pairs,
             std::vector<DialogMaterialData>& entries) override;

private:
    QWidget* owner_;
};

class QtMaterialSingle final : public MaterialDialog {
public:
    explicit QtMaterialSingle(QWidget* owner = nullptr) : owner_(owner) {}
    bool Run(int stage, const std::string& usage, DialogMaterialData& entry) override;

private:
    QWidget* owner_;
};

}  // namespace dialogs
