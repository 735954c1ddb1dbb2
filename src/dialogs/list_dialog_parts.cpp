#include "dialogs/list_dialog_parts.h"

#include "dialogs/line_data_windows.h"

#include <QBoxLayout>
#include <QDialog>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>

namespace dialogs {

QPushButton* MakeListButton(const char* text, const char* name, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

QLineEdit* MakeListEdit(const char* name, QWidget* parent, bool readOnly) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    if (readOnly) {
        edit->setReadOnly(true);
        edit->setEnabled(false);
    }
    return edit;
}

std::vector<QWidget*> AddListWithHeadings(QBoxLayout* layout, CmListBox* list, QWidget* parent,
                                          const std::vector<ListColumnSpec>& columns,
                                          const std::string& emptyText) {
    list->setParent(parent);
    list->SetFontByName("Courier");
    auto* row = new QHBoxLayout;
    row->setSpacing(0);
    std::vector<QWidget*> headings;
    int width = 0;
    for (const ListColumnSpec& c : columns) {
        QWidget* heading = MakeListHeading(c.heading, c.chars, list, parent);
        row->addWidget(heading);
        headings.push_back(heading);
        width += heading->width();
    }
    row->addStretch();
    layout->addLayout(row);
    list->setMinimumWidth(width + 30);
    layout->addWidget(list);
    list->SetColumnCount(static_cast<int>(columns.size()));
    for (std::size_t i = 0; i < columns.size(); ++i) {
        const int c = static_cast<int>(i);
        list->SetColumnHeading(c, headings[i]);
        list->SetColumnType(c, columns[i].type);
        list->SetColumnDecimals(c, columns[i].decimals);
        list->SetColumnBlankMode(c, columns[i].blankMode);
    }
    list->LayoutColumns();
    list->SetEmptyText(emptyText);
    return headings;
}

ListButtons AddListButtons(QBoxLayout* layout, CmListBox* list, QWidget* parent,
                           const std::array<const char*, 4>& texts,
                           const std::array<const char*, 4>& names) {
    ListButtons b;
    b.add = MakeListButton(texts[0], names[0], parent);
    b.change = MakeListButton(texts[1], names[1], parent);
    b.remove = MakeListButton(texts[2], names[2], parent);
    b.removeAll = MakeListButton(texts[3], names[3], parent);
    auto* row = new QHBoxLayout;
    for (QPushButton* button : {b.add, b.change, b.remove, b.removeAll}) row->addWidget(button);
    layout->addLayout(row);
    list->SetButtons(b.add, b.change, b.remove, b.removeAll);
    return b;
}

void AddOkCancel(QBoxLayout* layout, QDialog* dialog, Qt::Orientation orientation) {
    auto* box =
        new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, orientation, dialog);
    for (QAbstractButton* b : box->buttons()) static_cast<QPushButton*>(b)->setAutoDefault(false);
    box->button(QDialogButtonBox::Ok)->setDefault(true);
    QObject::connect(box, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(box, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    layout->addWidget(box);
}

}  // namespace dialogs
