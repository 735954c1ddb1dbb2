#pragma once
// "Input for Individual Circle" and "Input for Type 1 \"Floating Grid\" Search with Circles":
// the centre (of the circle, or of the first trial circle) and how the radius is defined; the
// floating grid adds the search limits.

#include "analysis/analysis_dialogs.h"
#include "dialogs/data_exchange.h"

#include <QDialog>

class QCheckBox;
class QLineEdit;

namespace dialogs {

class RadiusGroup;

class CircleGridInputDialog : public QDialog {
    Q_OBJECT
public:
    // The fields start from a copy of record.
    CircleGridInputDialog(const s_CircleInputType& record, bool floatingGrid, QWidget* parent);
    const s_CircleInputType& Record() const { return record_; }
    RadiusGroup* Radius() const { return radius_; }
    // A bad number, or an irregular tangent line of fewer than 2 points, keeps the dialog open.
    void accept() override;

private:
    // The centre-limit elevation is enabled exactly when its check box is ticked.
    void UpdateControls();

    s_CircleInputType record_;
    // The points the dialog opened with, written back into the table when the tangent kind
    // turns irregular again.
    std::vector<s_tagTypePointXY> openingPoints_;
    DataExchange dx_;
    RadiusGroup* radius_ = nullptr;
    QCheckBox* centreLimit_ = nullptr;
    QLineEdit* centreLimitElevation_ = nullptr;
};

class CmAnalCompIndivCircleGridInput final : public CircleGridInputDialog {
    Q_OBJECT
public:
    CmAnalCompIndivCircleGridInput(const s_CircleInputType& record, QWidget* parent)
        : CircleGridInputDialog(record, false, parent) {}
};

class CmAnalCompSearchType1CircleGridInput final : public CircleGridInputDialog {
    Q_OBJECT
public:
    CmAnalCompSearchType1CircleGridInput(const s_CircleInputType& record, QWidget* parent)
        : CircleGridInputDialog(record, true, parent) {}
};

// The windows in CircleInputDialogsSlot().
class QtCircleInputDialogs final : public CircleInputDialogs {
public:
    explicit QtCircleInputDialogs(QWidget* owner = nullptr) : owner_(owner) {}
    bool IndividualCircle(s_CircleInputType& record) override;
    bool SearchType1(s_CircleInputType& record) override;

private:
    QWidget* owner_;
};

}  // namespace dialogs
