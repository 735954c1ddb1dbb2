#pragma once
// The simple x-y line table: the points of one line as a table of X and Y (the slope line,
// an individual noncircular slip surface). The caption is the opener's.

#include "graphics/line_table_dialogs.h"

#include <QDialog>

namespace gridctrl {
class CGridCtrlKDX;
}

namespace dialogs {

class XYLineGridDialog final : public QDialog {
    Q_OBJECT
public:
    XYLineGridDialog(const s_XYLineTable& table, QWidget* parent);
    // The points read by the last accepted OK, in table order.
    const std::vector<s_tagTypePointXY>& Points() const { return table_.points; }
    gridctrl::CGridCtrlKDX& Table() { return *grid_; }
    // Validates (at least 2 points) and reads the table; a refused table keeps the dialog open.
    void accept() override;

private:
    s_XYLineTable table_;
    gridctrl::CGridCtrlKDX* grid_ = nullptr;
};

// The window in SimpleXYLineGridDialogSlot().
class QtSimpleXYLineGrid final : public SimpleXYLineGridDialog {
public:
    explicit QtSimpleXYLineGrid(QWidget* owner = nullptr) : owner_(owner) {}
    bool Run(s_XYLineTable& table) override;

private:
    QWidget* owner_;
};

}  // namespace dialogs
