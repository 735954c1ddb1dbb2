#pragma once
// The windows of the line editing tools (editing/line_editing_dialogs.h): "Enter length of
// line", "Enter slope of line", "Enter distance to move", "Edit Value", "Information for New
// Profile Line" and "Information for New Piezometric Line". Each takes its values when it is
// made and hands them back after OK; Cancel changes nothing.

#include "editing/line_editing_dialogs.h"

#include <QDialog>

#include <string>

class QButtonGroup;
class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace dialogs {

class CmEnterLength final : public QDialog {
    Q_OBJECT
public:
    CmEnterLength(double length, QWidget* parent = nullptr);
    double length = 0.0;
    void accept() override;

private:
    QLineEdit* edit_;
};

class CmEnterSlopeAngle final : public QDialog {
    Q_OBJECT
public:
    CmEnterSlopeAngle(int format, double value, int rule, QWidget* parent = nullptr);
    int format = 0;
    double value = 0.0;
    int rule = 0;
    void accept() override;

private:
    QComboBox* formats_;
    QLineEdit* edit_;
    QRadioButton* rules_[3] = {};
};

class CmEnterMoveDistance final : public QDialog {
    Q_OBJECT
public:
    CmEnterMoveDistance(const std::string& label, const std::string& message, double distance,
                        QWidget* parent = nullptr);
    double distance = 0.0;
    void accept() override;

private:
    QLineEdit* edit_;
};

// Placed at the right click and held on the screen when it is shown.
class CmEditValue final : public QDialog {
    Q_OBJECT
public:
    CmEditValue(const std::string& label, const s_EditValuePlacement& placement, double value,
                QWidget* parent = nullptr);
    double value = 0.0;
    void accept() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    s_EditValuePlacement placement_;
    QLineEdit* edit_;
};

class CmProfileSplitInput final : public QDialog {
    Q_OBJECT
public:
    explicit CmProfileSplitInput(const s_ProfileSplitInformation& information,
                                 QWidget* parent = nullptr);
    s_ProfileSplitInformation information;
    void accept() override;

private:
    void UpdateControls();
    QRadioButton* materials_[3] = {};
    QRadioButton* portions_[2] = {};
    QLabel* materialLabel_;
    QLineEdit* material_;
    QLineEdit* description_;
};

class CmPiezometricSplitInput final : public QDialog {
    Q_OBJECT
public:
    explicit CmPiezometricSplitInput(const s_PiezometricSplitInformation& information,
                                     QWidget* parent = nullptr);
    s_PiezometricSplitInformation information;
    void accept() override;

private:
    QRadioButton* portions_[2] = {};
    QLineEdit* description_;
};

// The windows in LineEditingDialogsSlot().
class QtLineEditingDialogs final : public LineEditingDialogs {
public:
    explicit QtLineEditingDialogs(QWidget* owner = nullptr) : owner_(owner) {}
    bool EnterLength(double& length) override;
    bool EnterSlope(int& format, double& value, int& rule) override;
    bool EnterMoveDistance(const std::string& label, const std::string& message,
                           double& distance) override;
    bool EditValue(const std::string& label, const s_EditValuePlacement& placement,
                   double& value) override;
    bool ProfileSplit(s_ProfileSplitInformation& information) override;
    bool PiezometricSplit(s_PiezometricSplitInformation& information) override;

private:
    QWidget* owner_;
};

}  // namespace dialogs
