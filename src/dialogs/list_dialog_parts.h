#pragma once
// Pieces the list-style data dialogs build themselves from: named buttons and edits, a list with
// its column headings above it, the four list buttons, and OK and Cancel.
//
//     auto* list = pointList_;
//     AddListWithHeadings(layout, list, this, {{"X", 14, CmListBoxColumns::kFixed, 2}, ...},
//                         "<No points>");
//     ListButtons b = AddListButtons(layout, this, {"Add Point", "Change Point", "Delete Point",
//                                    "Delete All"}, {"addPoint", "changePoint", ...});

#include "dialogs/list_box.h"

#include <QPushButton>
#include <QString>

#include <array>
#include <string>
#include <vector>

class QBoxLayout;
class QDialog;
class QLineEdit;
class QPushButton;
class QWidget;

namespace dialogs {

// A button that is never the default by itself.
QPushButton* MakeListButton(const char* text, const char* name, QWidget* parent);
// A named edit; a read-only one is also disabled (a count shown to the user).
QLineEdit* MakeListEdit(const char* name, QWidget* parent, bool readOnly = false);

struct ListColumnSpec {
    QString heading;
    int chars = 12;
    int type = CmListBoxColumns::kFixed;
    int decimals = 0;
    int blankMode = 0;
};

// The headings above the list and the list under them in the layout; the list's columns set up
// from the specs, laid out, and its empty text set. The headings, in column order.
std::vector<QWidget*> AddListWithHeadings(QBoxLayout* layout, CmListBox* list, QWidget* parent,
                                          const std::vector<ListColumnSpec>& columns,
                                          const std::string& emptyText);

struct ListButtons {
    QPushButton* add = nullptr;
    QPushButton* change = nullptr;
    QPushButton* remove = nullptr;
    QPushButton* removeAll = nullptr;
};
// The four list buttons in a row of the layout, handed to the list.
ListButtons AddListButtons(QBoxLayout* layout, CmListBox* list, QWidget* parent,
                           const std::array<const char*, 4>& texts,
                           const std::array<const char*, 4>& names);

// The four list buttons run the dialog's handlers, and a new row chosen in the list runs its
// selection handler unless the dialog is filling the list itself (updating).
template <class Dialog, class Add, class Change, class Remove, class RemoveAll, class Select>
void ConnectListButtons(const ListButtons& buttons, CmListBox* list, Dialog* dialog,
                        const bool& updating, Add add, Change change, Remove remove,
                        RemoveAll removeAll, Select selection) {
    QObject::connect(buttons.add, &QPushButton::clicked, dialog,
                     [dialog, add] { (dialog->*add)(); });
    QObject::connect(buttons.change, &QPushButton::clicked, dialog,
                     [dialog, change] { (dialog->*change)(); });
    QObject::connect(buttons.remove, &QPushButton::clicked, dialog,
                     [dialog, remove] { (dialog->*remove)(); });
    QObject::connect(buttons.removeAll, &QPushButton::clicked, dialog,
                     [dialog, removeAll] { (dialog->*removeAll)(); });
    QObject::connect(list, &QListWidget::itemSelectionChanged, dialog,
                     [dialog, selection, &updating] {
                         if (!updating) (dialog->*selection)();
                     });
}

// OK (the default) and Cancel wired to accept and reject.
void AddOkCancel(QBoxLayout* layout, QDialog* dialog, Qt::Orientation orientation = Qt::Horizontal);

}  // namespace dialogs
