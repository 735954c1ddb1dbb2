#pragma once
// The point-stress windows: "Vertical Effective Stress Computation", "Overburden Pressure
// Computation" and "Pore Water Pressure Computation". "Compute Now" (the default button, so
// Enter computes) computes at the typed point and shows the result lines; the first two can log
// each point to the stress log. "Finished", Escape or the close box end the window and close
// the log.

#include "dialogs/data_exchange.h"
#include "model/point_stress_dialogs.h"
#include "model/point_stress_results.h"
#include "model/stress_log.h"

#include <QDialog>

class QAbstractButton;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace dialogs {

class PointStressDialog final : public QDialog {
    Q_OBJECT
public:
    enum Kind { EffectiveStress, Overburden, PoreWater };

    PointStressDialog(Kind kind, const Cpp_Kliven4DataSet& dataSet, double x, double y,
                      QWidget* parent);
    void done(int result) override;

    Kind WindowKind() const { return kind_; }
    const Cpp_StressLog& Log() const { return log_; }

private:
    void Compute();
    void LogClicked();
    void ApplyModeRule();
    QLabel* ResultLabel(const char* name, const std::string& text);

    Kind kind_;
    const Cpp_Kliven4DataSet& dataSet_;
    DataExchange dx_;
    double x_ = 0.0;
    double y_ = 0.0;
    int mode_ = FindLineAndMaterial;
    int lineNumber_ = 0;
    int materialNumber_ = 0;
    bool tabDelimited_ = false;
    QLineEdit* xEdit_ = nullptr;
    QLineEdit* lineEdit_ = nullptr;
    QLineEdit* materialEdit_ = nullptr;
    std::vector<QAbstractButton*> modes_;
    QSpinBox* decimals_ = nullptr;
    QLabel* depth_ = nullptr;
    QLabel* overburden_ = nullptr;
    QLabel* pore_ = nullptr;
    QLabel* effective_ = nullptr;
    QLabel* information_ = nullptr;
    QCheckBox* logBox_ = nullptr;
    QCheckBox* tabBox_ = nullptr;
    Cpp_StressLog log_;
};

// The windows in PointStressDialogsSlot().
class QtPointStressDialogs final : public Cpp_PointStressDialogs {
public:
    explicit QtPointStressDialogs(QWidget* owner = nullptr) : owner_(owner) {}
    void RunVerticalEffectiveStress(const Cpp_Kliven4DataSet& dataSet, double x, double y) override;
    void RunOverburdenPressure(const Cpp_Kliven4DataSet& dataSet, double x, double y) override;
    void RunPoreWaterPressure(const Cpp_Kliven4DataSet& dataSet) override;

private:
    QWidget* owner_;
};

}  // namespace dialogs
