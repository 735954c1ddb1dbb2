#pragma once
// "Optional Analysis/Computation Input Data": the pages "Solution", "Iterations and
// Convergence", "Search", "Crack", "Crack Water" and "Restrictions" over one copy of the
// optional analysis data (s_OptionalDataType, angles in degrees). Only the pages the user opened
// read their controls back; OK reads every opened page first and, when one refuses, brings
// that page forward and stays open with nothing handed back.

#include "analysis/optional_data_sheet.h"
#include "dialogs/data_exchange.h"

#include <QDialog>
#include <QWidget>

#include <set>
#include <vector>

class QAbstractButton;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QTabWidget;

namespace gridctrl {
class CGridCtrlKDX;
class GridCtrlWidget;
}  // namespace gridctrl

namespace dialogs {

// One page of the sheet: its controls are bound to the sheet's record.
class OptionalDataPage : public QWidget {
    Q_OBJECT
public:
    explicit OptionalDataPage(QWidget* parent) : QWidget(parent), dx_(this) {}
    // The page comes to the front.
    virtual void Activate() {}
    // Reads the controls into the record; false (after its message) keeps the sheet open.
    virtual bool ReadForOk() { return dx_.FromWidgets(); }

protected:
    DataExchange dx_;
};

class CmSubcommandSolution final : public OptionalDataPage {
    Q_OBJECT
public:
    CmSubcommandSolution(s_OptionalDataType& record, QWidget* parent);
    // The procedure chosen (-1 none).
    int Procedure() const;

private:
    // The inclination edits by the procedure and the override box.
    void UpdateProcedureControls();
    // Noncircular data: the base length or the number of slices, by the slice option.
    void UpdateSliceControls();

    QComboBox* procedure_ = nullptr;
    QLineEdit* specifiedInclination_ = nullptr;
    QCheckBox* override_ = nullptr;
    QLabel* negativeLabel_ = nullptr;
    QLineEdit* negative_ = nullptr;
    QComboBox* slices_ = nullptr;
    QLineEdit* sliceValue_ = nullptr;
    QLineEdit* numberOfSlices_ = nullptr;
};

class CmSubcommandConvergence final : public OptionalDataPage {
    Q_OBJECT
public:
    CmSubcommandConvergence(s_OptionalDataType& record, const CmSubcommandSolution* solution,
                            QWidget* parent);
    // The lambda fields stand in for the side-force inclination for procedures 4 and 5.
    void Activate() override;

private:
    void UpdateLambdaValue();

    const CmSubcommandSolution* solution_;
    std::vector<QWidget*> sideForce_;
    std::vector<QWidget*> lambda_;
    QComboBox* lambdaOption_ = nullptr;
    QLineEdit* lambdaValue_ = nullptr;
};

class CmSubcommandSearch final : public OptionalDataPage {
    Q_OBJECT
public:
    CmSubcommandSearch(s_OptionalDataType& record, QWidget* parent);

private:
    // The number and range edits follow their check boxes.
    void UpdateSaveFields();

    QCheckBox* saveMostCritical_ = nullptr;
    QCheckBox* saveRange_ = nullptr;
    QLineEdit* numberToSave_ = nullptr;
    QLineEdit* rangeFrom_ = nullptr;
    QLineEdit* rangeTo_ = nullptr;
};

class CmSubcommandRestrictions final : public OptionalDataPage {
    Q_OBJECT
public:
    CmSubcommandRestrictions(s_OptionalDataType& record, QWidget* parent);

private:
    // Each group's two edits are enabled exactly when its box is ticked.
    void UpdateControls();

    struct Group {
        QCheckBox* apply;
        QLineEdit* minimum;
        QLineEdit* maximum;
    };
    std::vector<Group> groups_;
};

// The crack (water false) or the water in it.
class CmSubcommandCrackAndWater final : public OptionalDataPage {
    Q_OBJECT
public:
    CmSubcommandCrackAndWater(s_CrackPageType& page, double& unitWeightOfWater, bool water,
                              QWidget* parent);
    gridctrl::CGridCtrlKDX& Table();
    // The fields, then the table of a variable depth or elevation: at least 2 points.
    bool ReadForOk() override;

private:
    void UpdateDepthLabels();
    void SetUpVariableDepthGrid();
    void LoadVariableDepthGrid();

    s_CrackPageType& page_;
    bool water_;
    QComboBox* option_ = nullptr;
    QCheckBox* variable_ = nullptr;
    QLabel* valueLabel_ = nullptr;
    QLineEdit* value_ = nullptr;
    QLineEdit* unitWeight_ = nullptr;
    gridctrl::GridCtrlWidget* table_ = nullptr;
};

class CmSubcommandMain final : public QDialog {
    Q_OBJECT
public:
    CmSubcommandMain(const s_OptionalDataType& record, QWidget* parent);
    const s_OptionalDataType& Record() const { return record_; }
    QTabWidget* Tabs() const { return tabs_; }
    void accept() override;

private:
    s_OptionalDataType record_;
    QTabWidget* tabs_ = nullptr;
    std::vector<OptionalDataPage*> pages_;
    std::set<OptionalDataPage*> opened_;
};

// The window in OptionalDataSheetSlot().
class QtOptionalDataSheet final : public OptionalDataSheet {
public:
    explicit QtOptionalDataSheet(QWidget* owner = nullptr) : owner_(owner) {}
    bool Run(s_OptionalDataType& record) override;

private:
    QWidget* owner_;
};

}  // namespace dialogs
