#pragma once
// "Geo-Grid Properties": the geogrid types of a problem. A type has a description, its allowable
// strength (given directly, or computed from an ultimate strength and factors of safety, or
// taken from the list of standard geogrids while that list has entries), factors of safety and
// the pullout interaction factors. Types are added and changed one at a time in the list on the
// left; OK keeps the list (what is typed but neither added nor changed is not kept).

#include "dialogs/data_exchange.h"
#include "dialogs/geogrid_properties_form.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace dialogs {

class CmForcePerLengthUnitsList;
class CmListBox;

class GeogridPropertiesDialog final : public QDialog {
    Q_OBJECT
public:
    GeogridPropertiesDialog(const s_GeogridPropertiesDialogData& data, QWidget* parent = nullptr);
    const GeogridPropertiesForm& Form() const { return form_; }
    CmListBox* TypeList() const { return types_; }
    void accept() override;

private:
    // Controls to the form; false at a refused field.
    bool Read() { return dx_.FromWidgets(); }
    void Show();
    void ShowStates();
    void StrengthOptionChosen();
    void PulloutOptionChosen();
    void Recompute();
    void AddGrid();
    void ChangeGrid();
    void TypeChosen();

    GeogridPropertiesForm form_;
    DataExchange dx_;
    CmListBox* types_ = nullptr;
    CmListBox* standard_ = nullptr;
    QComboBox* strengthOption_ = nullptr;
    QLineEdit* allowable_ = nullptr;
    CmForcePerLengthUnitsList* allowableUnit_ = nullptr;
    QLabel* ultimateLabel_ = nullptr;
    QLineEdit* ultimate_ = nullptr;
    CmForcePerLengthUnitsList* ultimateUnit_ = nullptr;
    QLabel* longTermLabel_ = nullptr;
    QLineEdit* longTerm_ = nullptr;
    CmForcePerLengthUnitsList* longTermUnit_ = nullptr;
    QCheckBox* oneFactor_ = nullptr;
    QWidget* oneFactorRow_[2] = {};
    QWidget* reductionRows_[10] = {};
    QComboBox* pulloutOption_ = nullptr;
    QLineEdit* fStar_ = nullptr;
    QLineEdit* fq_ = nullptr;
    QLineEdit* alphaBeta_ = nullptr;
    QLineEdit* rho_ = nullptr;
    int strengthIndex_ = 0;
    bool showing_ = false;
};

}  // namespace dialogs
