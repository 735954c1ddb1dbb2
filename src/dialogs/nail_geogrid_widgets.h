#pragma once
// Pieces shared by the nail and geogrid windows: named fields and list buttons, and the numbered
// list of types with Add and Change beside the properties (types are referred to by position
// from layouts and individual items, so the two delete buttons stay disabled).

class QLabel;
class QLayout;
class QLineEdit;
class QPushButton;

namespace dialogs {

class CmListBox;

QLineEdit* NamedEdit(const char* name);
// A button of a list: it never becomes the dialog's default.
QPushButton* ListButton(const char* text, const char* name);

struct s_TypeListColumn {
    QLayout* layout = nullptr;
    CmListBox* list = nullptr;
    QPushButton* add = nullptr;
    QPushButton* change = nullptr;
};

// "<what> types:" over the list, then "Add <What>", "Change <What>", "Delete <What>" and
// "Delete All"; the list holds the numbers 1 to count, the first chosen.
s_TypeListColumn TypeListColumn(const char* heading, const char* what, int count);

}  // namespace dialogs
