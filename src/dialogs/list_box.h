#pragma once
// CmListBox: the list of the list-style data dialogs used as a small table. Each row is one line
// of tab-separated cells (dialogs/list_box_rows.h); the cells are drawn under the heading labels
// that the dialog places above the list, and the column widths in characters follow the widths
// of those headings. When the list holds no data it shows one empty text ("<None>") and counts
// as empty; the Add, Change, Delete and Delete All buttons of the dialog follow it.
//
// Set-up, in this order, once the dialog's widgets exist:
//
//     list->SetFontByName("Courier");
//     list->SetColumnCount(2);
//     list->SetColumnHeading(0, xHeading);  list->SetColumnType(0, CmListBoxColumns::kFixed);
//     ...
//     list->SetButtons(add, change, remove, removeAll);
//     list->SetEntryEdit(xEdit);
//     list->LayoutColumns();                  // empties the list
//     list->SetEmptyText("<No points for current line>");

#include "core/point_xy.h"
#include "dialogs/list_box_rows.h"

#include <QListWidget>

#include <string>
#include <vector>

class QAbstractButton;
class QLineEdit;

namespace dialogs {

class CmListBox final : public QListWidget {
    Q_OBJECT
public:
    explicit CmListBox(QWidget* parent = nullptr);

    // A fixed-pitch font of that family.
    bool SetFontByName(const std::string& family);
    bool SetColumnCount(int n);
    int ColumnCount() const { return columns_.Count(); }
    bool SetColumnHeading(int column, QWidget* heading);
    bool SetColumnEdit(int column, QLineEdit* edit);
    bool SetColumnType(int column, int type);
    bool SetColumnDecimals(int column, int decimals);
    bool SetColumnBlankMode(int column, int mode);
    // Any of the buttons may be none.
    bool SetButtons(QAbstractButton* add, QAbstractButton* change, QAbstractButton* remove,
                    QAbstractButton* removeAll);
    // The edit in which the first value of a row is typed (FocusEntryEdit).
    bool SetEntryEdit(QLineEdit* edit);
    QLineEdit* EntryEdit() const { return entryEdit_; }
    // The column formats from the widths of the headings (one column: from the list's width
    // less its scroll bar); the list is emptied, its empty mark kept.
    bool LayoutColumns();
    void SetEmptyText(const std::string& text) { emptyText_ = text; }
    const CmListBoxColumns& Columns() const { return columns_; }
    // A heading's width in characters of the list's font.
    int CharactersIn(int pixels) const;

    // Rows. Adding appends without changing the selection; inserting and replacing select the
    // new row. Both clear the empty mark, removing the empty text first.
    bool AddRow(int value);
    bool AddRow(const std::vector<double>& values);
    bool AddRowWithText(const std::vector<double>& values, const std::string& text);
    bool AddRowValues(const std::vector<CmListBoxValue>& values);
    bool InsertRow(int index, int value);
    bool InsertRow(int index, const std::vector<double>& values);
    bool InsertRowWithText(int index, const std::vector<double>& values, const std::string& text);
    // Inserts among data rows: the empty mark and the selection stay.
    bool InsertRowValues(int index, const std::vector<CmListBoxValue>& values);
    bool ReplaceRow(int index, const std::vector<double>& values);
    bool ReplaceRowWithText(int index, const std::vector<double>& values, const std::string& text);
    bool ReplaceRowValues(int index, const std::vector<CmListBoxValue>& values);
    // The index of the deleted selected row, -1 when nothing was deleted; the last row going
    // shows the empty text.
    int DeleteSelectedRow();
    // true: removes every row and shows the empty text as the only row; false only clears the mark.
    void ShowEmptyText(bool show);
    // One (x, y) row for each of the first count points; true when count > 0.
    bool FillFromPoints(const std::vector<s_tagTypePointXY>& points, int count);
    // Add always enabled; Change and Delete with a data row selected; Delete All with data rows.
    bool UpdateButtons();
    // Focus into the entry edit with its text selected.
    bool FocusEntryEdit();

    bool IsEmptyMarked() const { return empty_; }
    // The selected row, -1 when none.
    int CurSel() const;
    // Selects the row (-1: none).
    void SetCurSel(int row);
    // The data rows (0 when the list only shows its empty text).
    int DataRowCount() const { return empty_ ? 0 : count(); }
    std::string RowText(int row) const;
    // The x position in the list's viewport where each cell after the first starts (one stop per
    // heading after the first; empty for a one-column list).
    std::vector<int> TabStops() const;

private:
    void Place(int index, const std::string& text, bool insert, bool clearEmpty, bool select);

    CmListBoxColumns columns_;
    std::vector<QWidget*> headings_;
    std::vector<QLineEdit*> columnEdits_;
    QLineEdit* entryEdit_ = nullptr;
    QAbstractButton* add_ = nullptr;
    QAbstractButton* change_ = nullptr;
    QAbstractButton* delete_ = nullptr;
    QAbstractButton* deleteAll_ = nullptr;
    bool empty_ = true;
    std::string emptyText_;
};

}  // namespace dialogs
