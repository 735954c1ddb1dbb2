#pragma once
// "Choose an X value": when a geogrid level meets the slope face at several x values, the user
// picks one from the list. OK without a chosen line keeps the window open.

#include "loads/generation_dialogs.h"

#include <QDialog>

#include <vector>

class QListWidget;

namespace dialogs {

class ChooseXValueDialog final : public QDialog {
    Q_OBJECT
public:
    ChooseXValueDialog(const std::vector<double>& values, QWidget* parent);
    int ChosenIndex() const { return chosen_; }
    QListWidget* List() const { return list_; }
    void accept() override;

private:
    QListWidget* list_ = nullptr;
    int chosen_ = -1;
};

// The generation dialogs in ReinforcementGenerationDialogsSlot(): "Choose an X value" is this
// window; the units and options are those of dialogs/generation_units_dialogs.h.
class QtReinforcementGenerationDialogs final : public Cpp_ReinforcementGenerationDialogs {
public:
    explicit QtReinforcementGenerationDialogs(QWidget* owner = nullptr) : owner_(owner) {}
    bool EditNailGenerationUnits(int& lengthUnit, int& forceUnit) override;
    bool EditGeogridGenerationOptions(s_GeogridGenerationOptions& options) override;
    bool ChooseXValue(const std::vector<double>& values, int& index) override;

private:
    QWidget* owner_;
};

}  // namespace dialogs
