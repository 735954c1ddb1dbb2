#pragma once
// The load-scaling dialog: five ways of turning a load into an arrow length, and a factor.

#include "platform/load_scaling.h"

#include <QDialog>

class QButtonGroup;
class QLabel;
class QLineEdit;

namespace dialogs {

using platform::LoadScaling;
using platform::LoadScalingService;

class LoadScalingDialog final : public QDialog {
    Q_OBJECT
public:
    LoadScalingDialog(const std::string& title, const LoadScaling& current, QWidget* parent);
    // The choice after OK.
    LoadScaling Choice() const { return choice_; }
    void accept() override;

    QLineEdit* FactorEdit() const { return factor_; }
    QButtonGroup* Options() const { return options_; }
    QLabel* ErrorLabel() const { return error_; }

private:
    QButtonGroup* options_ = nullptr;
    QLineEdit* factor_ = nullptr;
    QLabel* error_ = nullptr;
    LoadScaling choice_;
};

class QtLoadScaling final : public LoadScalingService {
public:
    explicit QtLoadScaling(QWidget* owner = nullptr) : owner_(owner) {}
    std::optional<LoadScaling> GetLoadScaling(int type, const std::string& title,
                                              const LoadScaling& current) override;

private:
    QWidget* owner_;
};

}  // namespace dialogs
