#include "dialogs/nail_geogrid_widgets.h"

#include "dialogs/list_box.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <string>

namespace dialogs {

QLineEdit* NamedEdit(const char* name) {
    auto* edit = new QLineEdit;
    edit->setObjectName(name);
    return edit;
}

QPushButton* ListButton(const char* text, const char* name) {
    auto* button = new QPushButton(text);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

s_TypeListColumn TypeListColumn(const char* heading, const char* what, int count) {
    s_TypeListColumn column;
    auto* layout = new QVBoxLayout;
    auto* title = new QLabel(heading);
    layout->addWidget(title);
    column.list = new CmListBox;
    column.list->setObjectName("types");
    layout->addWidget(column.list, 1);
    const std::string w = what;
    column.add = ListButton(("Add " + w).c_str(), ("add" + w).c_str());
    column.change = ListButton(("Change " + w).c_str(), ("change" + w).c_str());
    auto* remove = ListButton(("Delete " + w).c_str(), ("delete" + w).c_str());
    auto* removeAll = ListButton("Delete All", "deleteAll");
    remove->setEnabled(false);
    removeAll->setEnabled(false);
    auto* buttons = new QGridLayout;
    buttons->addWidget(column.add, 0, 0);
    buttons->addWidget(column.change, 0, 1);
    buttons->addWidget(remove, 1, 0);
    buttons->addWidget(removeAll, 1, 1);
    layout->addLayout(buttons);
    column.layout = layout;

    CmListBox* list = column.list;
    list->SetFontByName("Courier");
    list->SetColumnCount(1);
    list->SetColumnHeading(0, title);
    list->SetColumnType(0, CmListBoxColumns::kInteger);
    list->SetButtons(column.add, column.change, nullptr, nullptr);
    list->LayoutColumns();
    for (int i = 0; i < count; ++i) list->AddRow(i + 1);
    if (count > 0) list->SetCurSel(0);
    return column;
}

}  // namespace dialogs
