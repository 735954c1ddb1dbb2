#pragma once
// "Distance between selected points" and "Distance between point and line": the distances
// between two picked items, one of which the user may change by the choice of the list.

#include "dialogs/data_exchange.h"
#include "editing/point_distances.h"

#include <QDialog>

#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace dialogs {

class DistanceBetweenPointsDialog final : public QDialog {
    Q_OBJECT
public:
    DistanceBetweenPointsDialog(const s_PointsDistanceValues& values, QWidget* parent);
    const s_PointsDistanceValues& Values() const { return values_; }
    void accept() override;

private:
    void UpdateControls(int option);

    s_PointsDistanceValues values_;
    DataExchange dx_;
    QComboBox* option_ = nullptr;
    QLineEdit* total_ = nullptr;
    QLineEdit* horizontal_ = nullptr;
    QLineEdit* vertical_ = nullptr;
    QRadioButton* first_ = nullptr;
    QRadioButton* second_ = nullptr;
};

class DistanceBetweenPointAndLineDialog final : public QDialog {
    Q_OBJECT
public:
    DistanceBetweenPointAndLineDialog(const s_PointLineDistanceValues& values, QWidget* parent);
    const s_PointLineDistanceValues& Values() const { return values_; }
    void accept() override;

private:
    void UpdateControls();

    s_PointLineDistanceValues values_;
    DataExchange dx_;
    QComboBox* option_ = nullptr;
    std::vector<int> codes_;         // the option of each list position
    std::vector<QLineEdit*> edits_;  // perpendicular, horizontal, vertical
    std::vector<bool> exists_;
};

// The windows in DistanceDialogsSlot().
class QtDistanceDialogs final : public Cpp_DistanceDialogs {
public:
    explicit QtDistanceDialogs(QWidget* owner = nullptr) : owner_(owner) {}
    bool RunBetweenPoints(s_PointsDistanceValues& values) override;
    bool RunPointAndLine(s_PointLineDistanceValues& values) override;

private:
    QWidget* owner_;
};

}  // namespace dialogs
