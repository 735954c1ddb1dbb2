#pragma once
// "Interpolation Data" of data-entry style 1: the points of one kind of a stage entered one at a
// time (x, y, value, material or "Use for all materials") into a list that keeps each
// material's points together, or the point file they are taken from. Works on the table's
// record (porepressure/interpolation_table_dialog.h) and hands it back on OK.

#include "dialogs/input_dialog_base.h"
#include "porepressure/interpolation_table_dialog.h"

#include <array>
#include <string>
#include <vector>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace dialogs {

class InterpolationImportBox;

class DataExchange;

class CmInterpolationInput final : public CmInputDialog1 {
    Q_OBJECT
public:
    explicit CmInterpolationInput(const s_InterpolationTable& table, QWidget* parent = nullptr);
    ~CmInterpolationInput() override;

    // The record as the dialog holds it.
    s_InterpolationTable Table() const;

private:
    void MaterialRule();
    void OnAddPoint();
    // Applies the edits to the current point; false when refused.
    bool ChangePoint();
    void OnDeletePoint();
    void OnDeleteAll();
    void OnSelection();
    int EditedMaterial() const { return useForAll_ ? 0 : material_; }
    // Where a point of the material goes: after the last point of its group, else at the end.
    int GroupEnd(int material) const;
    // The row of a point; with source, the Source cell shows it.
    std::vector<CmListBoxValue> Row(const InterpolationPtType& p, const std::string& source) const;
    void InsertPointRow(int index, const InterpolationPtType& p, const std::string& source);
    void LoadPoint(int index);
    void Show();

    s_InterpolationTable table_;
    int material_ = 0;
    double value_ = 0.0;
    double x_ = 0.0;
    double y_ = 0.0;
    bool useForAll_ = false;
    int pointCount_ = 0;
    std::string newSource_;
    bool updating_ = false;

    DataExchange* dx_ = nullptr;
    QLineEdit* materialEdit_ = nullptr;
    InterpolationImportBox* importBox_ = nullptr;
};

// The window in InterpolationListDialogSlot().
class QtInterpolationList final : public ::InterpolationGridDialog {
public:
    explicit QtInterpolationList(QWidget* owner = nullptr) : owner_(owner) {}
    bool Run(s_InterpolationTable& table) override;

private:
    QWidget* owner_;
};

}  // namespace dialogs
