#pragma once
// "Rescale coordinates": the old and new X and Y of the two picked points. The new values of a
// coordinate that is not rescaled are disabled. OK asks before it maps every x (or y) to one
// value and refuses values that cannot rescale; the window then stays open.

#include "dialogs/data_exchange.h"
#include "editing/rescale_coordinates.h"

#include <QDialog>

class QLineEdit;

namespace dialogs {

class RescaleCoordinatesDialog final : public QDialog {
    Q_OBJECT
public:
    RescaleCoordinatesDialog(const s_RescaleValues& values, QWidget* parent);
    const s_RescaleValues& Values() const { return values_; }
    QLineEdit* Edit(const char* name) const;
    void accept() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    s_RescaleValues values_;
    DataExchange dx_;
    QLineEdit* focus_ = nullptr;
};

// The window in RescaleDialogSlot().
class QtRescaleDialog final : public Cpp_RescaleDialog {
public:
    explicit QtRescaleDialog(QWidget* owner = nullptr) : owner_(owner) {}
    bool Run(s_RescaleValues& values) override;

private:
    QWidget* owner_;
};

}  // namespace dialogs
