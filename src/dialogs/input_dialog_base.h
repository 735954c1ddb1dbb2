#pragma once
// CmInputDialog1: the base of the list-style data dialogs, which enter a list of items as rows of
// a CmListBox with a row of edits and Add, Change, Delete and Delete All buttons. It holds the
// upper list (lines) and the lower list (points or items), the three confirmation switches, the
// indexes of the current rows and the saved default button.
//
// Enter typed in an entry edit presses the list's Add button; once the focus leaves the edit the
// dialog's own default button (normally OK) is the default again:
//
//     WatchEntryEdit(xEdit, addPoint);          // for every entry edit
//     ...
//     SaveDefaultButton();                      // after the lists are set up

#include "dialogs/list_box.h"

#include <QDialog>

#include <string>

class QLineEdit;
class QPushButton;

namespace dialogs {

class CmInputDialog1 : public QDialog {
    Q_OBJECT
public:
    explicit CmInputDialog1(QWidget* parent = nullptr);

    // True when the text is given, the string is not empty, and the two differ.
    static bool IsTextChanged(const char* text, std::string value);

    CmListBox* LineList() const { return lineList_; }
    CmListBox* PointList() const { return pointList_; }

    // The owner handle of this dialog's message boxes.
    void* Handle() { return static_cast<QWidget*>(this); }

protected:
    // Notes the dialog's default button (none: nullptr) and returns it.
    QPushButton* SaveDefaultButton();
    // Makes the saved default button the default again; nothing without one.
    void RestoreDefaultButton();
    // While the edit has the focus, button is the default; leaving it restores the saved one.
    void WatchEntryEdit(QLineEdit* edit, QPushButton* button);
    // When the dialog is shown: the caret goes into the point list's entry edit, its text
    // selected. Dialogs that open elsewhere override it.
    virtual void FocusOnShow();

    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

    bool confirmRowChange_ = true;
    bool confirmDeleteAll_ = true;
    bool checkBeforeAdd_ = true;
    int currentLine_ = -1;
    int currentPoint_ = -1;
    CmListBox* lineList_;
    CmListBox* pointList_;

private:
    QPushButton* savedDefault_ = nullptr;
    std::vector<std::pair<QLineEdit*, QPushButton*>> watched_;
};

}  // namespace dialogs
