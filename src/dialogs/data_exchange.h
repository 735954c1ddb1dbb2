#pragma once
// Moves a dialog's values between its members and its controls.
//
// A dialog binds each control to the member it shows, in the order the values are read back:
//
//     DataExchange dx(this);
//     dx.Number(ui.cohesion, record_.cohesion);
//     dx.Choice(ui.option, record_.option);
//     dx.ToWidgets();                       // when the dialog opens
//     ...
//     if (!dx.FromWidgets()) return;        // on OK: the dialog stays open
//
// Reals show 15 significant digits; a text that is no number is refused with "Enter a number.",
// a text that is no integer with "Enter an integer." (caption "ERROR"; the field's page comes to
// the front and the field keeps the focus with its text selected). Reading stops at the first
// refused field: the members bound before it hold their new values, the refused one and those after
// it keep theirs. Dialogs therefore bind copies and hand them on only after a complete transfer.
// Combo boxes exchange their index (-1: nothing chosen), check boxes their state, a radio group the
// index of its checked button (-1: none).

#include <QString>

#include <functional>
#include <string>
#include <vector>

class QAbstractButton;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QWidget;

namespace dialogs {

class DataExchange {
public:
    explicit DataExchange(QWidget* dialog = nullptr) : dialog_(dialog) {}

    void Number(QLineEdit* edit, double& value);
    // A real shown with the decimals given (DecimalText). A text left as it was shown keeps the
    // member as it was, so the rounding of the display never changes the data.
    void Number(QLineEdit* edit, double& value, int decimals);
    void Integer(QLineEdit* edit, int& value);
    void Text(QLineEdit* edit, std::string& value);
    void Text(QPlainTextEdit* edit, std::string& value);
    void Check(QAbstractButton* box, bool& value);
    void Choice(QComboBox* combo, int& index);
    void Radio(std::vector<QAbstractButton*> group, int& index);
    // A pair of steps of the dialog's own (a control whose index is no member's value); store
    // answers false to refuse.
    void Custom(std::function<void()> load, std::function<bool()> store);

    // Writes every bound member into its control.
    void ToWidgets() const;
    // Reads the controls into the members in binding order; false at the first refused field.
    bool FromWidgets() const;

    QWidget* Dialog() const { return dialog_; }

private:
    struct Binding {
        std::function<void()> load;
        std::function<bool()> store;
    };
    QWidget* dialog_;
    std::vector<Binding> bindings_;
};

}  // namespace dialogs
