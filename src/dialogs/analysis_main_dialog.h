#pragma once
// "Main Analysis/Computation Dialog" (the shape of the slip surfaces and the type of
// computations) and "Select Type of Computations" (the type alone, after a change of shape).

#include "analysis/analysis_dialogs.h"
#include "dialogs/data_exchange.h"

#include <QDialog>

class QComboBox;

namespace dialogs {

class CmAnalCompMainInput final : public QDialog {
    Q_OBJECT
public:
    explicit CmAnalCompMainInput(QWidget* parent = nullptr);
    // Fills the list with the computation types of the shape (nothing chosen).
    static void FillSearchTypeCombo(QComboBox* combo, bool circular);
    // Shows the members; DoModal answers the dialog's result, the members read back on OK.
    int DoModal();
    void accept() override;

    int ShapeIndex = -1;
    int TypeIndex = -1;

private:
    // A new shape gets its list: a type 2 search becomes "Automatic search" for noncircular
    // surfaces, the other types keep their position.
    void OnSelchangeSurfaceType();

    QComboBox* shape_ = nullptr;
    QComboBox* type_ = nullptr;
    DataExchange dx_;
};

class CmAnalCompModeOfComputations final : public QDialog {
    Q_OBJECT
public:
    explicit CmAnalCompModeOfComputations(QWidget* parent = nullptr);
    int DoModal();
    void accept() override;

    int TypeIndex = -1;
    bool IsCircular = true;

private:
    QComboBox* type_ = nullptr;
    DataExchange dx_;
};

// The windows in AnalysisMainDialogsSlot().
class QtAnalysisMainDialogs final : public AnalysisMainDialogs {
public:
    explicit QtAnalysisMainDialogs(QWidget* owner = nullptr) : owner_(owner) {}
    bool MainInput(int& shapeIndex, int& typeIndex) override;
    bool ModeOfComputations(bool circular, int& typeIndex) override;

private:
    QWidget* owner_;
};

}  // namespace dialogs
