#pragma once
// "Interpolation Data": the points of one kind of a stage in a table (x, y, value, material),
// or the point file they are taken from (a generic file; for pressures also a GMS/SEEP2D or a
// SEEP/W export).

#include "porepressure/interpolation_table_dialog.h"

#include <QDialog>

#include <array>
#include <string>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace gridctrl {
class CGridCtrlKDX;
}

namespace dialogs {

class InterpolationImportBox;

// " - Pressure Values", " - Pore Pressure Coefficients (r-sub-u)", " - Shear Strength Values",
// " - c/p Values" by the kind (1, 2, 3, 5), else nothing.
const char* InterpolationKindSuffix(int kind);
// The decimals of a kind's values.
int InterpolationValueDecimals(int kind);

class InterpolationTableDialog final : public QDialog {
    Q_OBJECT
public:
    InterpolationTableDialog(const s_InterpolationTable& table, QWidget* parent);
    const s_InterpolationTable& Table() const { return table_; }
    gridctrl::CGridCtrlKDX& Grid() { return *grid_; }
    void accept() override;

private:
    s_InterpolationTable table_;
    gridctrl::CGridCtrlKDX* grid_ = nullptr;
    InterpolationImportBox* importBox_ = nullptr;
};

// The window in InterpolationGridDialogSlot().
class QtInterpolationGrid final : public ::InterpolationGridDialog {
public:
    explicit QtInterpolationGrid(QWidget* owner = nullptr) : owner_(owner) {}
    bool Run(s_InterpolationTable& table) override;

private:
    QWidget* owner_;
};

}  // namespace dialogs
