#pragma once
// "Definition of Nail Properties": the soil-nail types of a problem. A type has a description,
// its bar (by diameter or area with the yield stress, by its yield force, or from the list of
// standard bars while that list has entries), the nail head strength, the pullout resistance
// (by bond stress and hole diameter, or per unit length), three strength factors and a
// supplemental factor of safety; every dimensioned value has its unit beside it. Types are added
// and changed one at a time; OK asks whether edits not yet stored in the selected type are kept.

#include "dialogs/data_exchange.h"
#include "dialogs/nail_properties_form.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;

namespace dialogs {

class CmListBox;

class NailPropertiesDialog final : public QDialog {
    Q_OBJECT
public:
    NailPropertiesDialog(const std::vector<Cpp_NailProperties>& types, QWidget* parent = nullptr);
    const NailPropertiesForm& Form() const { return form_; }
    CmListBox* TypeList() const { return types_; }
    void accept() override;

private:
    bool Read() { return dx_.FromWidgets(); }
    void Show();
    void Then(void (NailPropertiesForm::*step)());
    void TypeChosen();

    NailPropertiesForm form_;
    DataExchange dx_;
    CmListBox* types_ = nullptr;
    CmListBox* standard_ = nullptr;
    QLabel* barDescription_ = nullptr;
    QWidget* bar_[8] =
        {};  // stress, stress unit, force, force unit, diameter, its unit, area, its unit
    QWidget* holeAndBond_[6] = {};
    QLineEdit* resistance_ = nullptr;
    bool showing_ = false;
};

}  // namespace dialogs
