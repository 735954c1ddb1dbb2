#pragma once
// The load tables of one stage: "Distributed Loads" (the load points with their normal and
// shear stresses, or the piezometric line the loads come from) and "Line Load Data" (one load a
// row, by components or by magnitude and direction). Their captions end in " - Stage N".

#include "dialogs/data_exchange.h"
#include "loads/load_table_dialogs.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;

namespace gridctrl {
class CGridCtrlKDX;
}

namespace dialogs {

class DistributedLoadGridDialog final : public QDialog {
    Q_OBJECT
public:
    DistributedLoadGridDialog(const s_DistributedLoadTable& table, QWidget* parent);
    const s_DistributedLoadTable& Table() const { return table_; }
    gridctrl::CGridCtrlKDX& Grid() { return *grid_; }
    void accept() override;

private:
    // "Compute from piezometric line" greys the grid and empties it, or enables it.
    void ApplyLineChoice();

    s_DistributedLoadTable table_;
    gridctrl::CGridCtrlKDX* grid_ = nullptr;
    QCheckBox* fromLine_ = nullptr;
    QLabel* lineLabel_ = nullptr;
    QLineEdit* line_ = nullptr;
    DataExchange dx_;
};

class LineLoadGridDialog final : public QDialog {
    Q_OBJECT
public:
    LineLoadGridDialog(const s_LineLoadTable& table, QWidget* parent);
    const s_LineLoadTable& Table() const { return table_; }
    gridctrl::CGridCtrlKDX& Grid() { return *grid_; }
    void accept() override;

private:
    s_LineLoadTable table_;
    gridctrl::CGridCtrlKDX* grid_ = nullptr;
};

// The windows in LoadTableDialogsSlot().
class QtLoadTableDialogs final : public Cpp_LoadTableDialogs {
public:
    explicit QtLoadTableDialogs(QWidget* owner = nullptr) : owner_(owner) {}
    bool EditDistributedLoads(s_DistributedLoadTable& table) override;
    bool EditLineLoads(s_LineLoadTable& table) override;

private:
    QWidget* owner_;
};

}  // namespace dialogs
