#pragma once
// Three small windows of the View and Settings menus: "Set View" (which saved view the current
// window becomes, or clear them all), "Largest value for scaling" (the load or force that the
// arrows are scaled to) and "Units Selection" (English, SI or other units with their length and
// force). Each works on a copy and hands it back only after OK.

#include "core/units.h"
#include "dialogs/data_exchange.h"
#include "graphics/graphics.h"
#include "graphics/views.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;

namespace dialogs {

class CmLengthUnitsList;
class CmForceUnitsList;

class CmSetViews final : public QDialog {
    Q_OBJECT
public:
    CmSetViews(const s_SetViewsChoice& choice, QWidget* parent);
    const s_SetViewsChoice& Choice() const { return choice_; }
    void accept() override;

private:
    s_SetViewsChoice choice_;
    bool clearAll_ = false;
    int viewIndex_ = -1;
    DataExchange dx_{this};
};

class CmLargestValueForScaling final : public QDialog {
    Q_OBJECT
public:
    CmLargestValueForScaling(const std::string& label, double value, QWidget* parent);
    double Value() const { return value_; }
    // A value that is no number, or not above 0, is refused and the dialog stays open.
    void accept() override;

private:
    QLineEdit* edit_ = nullptr;
    double value_ = 0;
    double field_ = 0;
    DataExchange dx_{this};
};

class CmUnitsSelection final : public QDialog {
    Q_OBJECT
public:
    CmUnitsSelection(const s_UnitsSelection& selection, QWidget* parent);
    const s_UnitsSelection& Selection() const { return selection_; }
    void accept() override;

private:
    // English and SI fix their units and lock both lists; "Other" frees them.
    void ApplyUnitsRule();

    QComboBox* system_ = nullptr;
    CmLengthUnitsList* length_ = nullptr;
    CmForceUnitsList* force_ = nullptr;
    QLabel* lengthLabel_ = nullptr;
    QLabel* forceLabel_ = nullptr;
    s_UnitsSelection selection_;
    int systemIndex_ = -1, forceIndex_ = -1, lengthIndex_ = -1;
    DataExchange dx_{this};
};

// The windows of the slots: OK hands the fields back, Cancel leaves the caller's data alone.
class QtSetViews final : public SetViewsDialogWindow {
public:
    explicit QtSetViews(QWidget* owner = nullptr) : owner_(owner) {}
    bool Run(s_SetViewsChoice& choice) override;

private:
    QWidget* owner_;
};

class QtLargestValue final : public Cpp_Graphics::LargestValueDialog {
public:
    explicit QtLargestValue(QWidget* owner = nullptr) : owner_(owner) {}
    bool Run(const std::string& label, double& value) override;

private:
    QWidget* owner_;
};

class QtUnitsSelection final : public UnitsSelectionDialog {
public:
    explicit QtUnitsSelection(QWidget* owner = nullptr) : owner_(owner) {}
    bool Run(s_UnitsSelection& selection) override;

private:
    QWidget* owner_;
};

}  // namespace dialogs
