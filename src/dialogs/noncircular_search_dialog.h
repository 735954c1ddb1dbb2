#pragma once
// "Search with Noncircular Slip Surface": the starting slip surface of a noncircular search,
// a table of its points with their shift constraints, and the shift parameters.

#include "analysis/analysis_dialogs.h"
#include "dialogs/data_exchange.h"
#include "gridctrl/grid_owner.h"

#include <QDialog>

namespace gridctrl {
class CGridCtrlKDX;
class GridCtrlWidget;
}  // namespace gridctrl

namespace dialogs {

class CmAnalCompSearchNoncGridInput final : public QDialog, public gridctrl::GridOwner {
    Q_OBJECT
public:
    // The shift constraints as the table offers them.
    static const char* const kConstraintTexts[3];

    CmAnalCompSearchNoncGridInput(const s_NoncircularSearchType& record, QWidget* parent);
    const s_NoncircularSearchType& Record() const { return record_; }
    gridctrl::CGridCtrlKDX& Table();
    // A bad number or fewer than 2 points keep the dialog open.
    void accept() override;

    // The direction cell of a row is editable exactly when its point moves in a given
    // direction.
    int OnOptionChanged(gridctrl::CCellID cell, int index) override;

private:
    void LoadPointsIntoGrid();

    s_NoncircularSearchType record_;
    DataExchange dx_;
    gridctrl::GridCtrlWidget* table_ = nullptr;
};

// The window in NoncircularSearchDialogSlot().
class QtNoncircularSearchDialog final : public NoncircularSearchDialog {
public:
    explicit QtNoncircularSearchDialog(QWidget* owner = nullptr) : owner_(owner) {}
    bool Run(s_NoncircularSearchType& record) override;

private:
    QWidget* owner_;
};

}  // namespace dialogs
