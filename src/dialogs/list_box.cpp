#include "dialogs/list_box.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFontMetrics>
#include <QLineEdit>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>
#include <QStyledItemDelegate>

namespace dialogs {

namespace {

// Draws a row's tab-separated cells, each from its tab stop.
class TabStopDelegate final : public QStyledItemDelegate {
public:
    explicit TabStopDelegate(CmListBox* list) : QStyledItemDelegate(list), list_(list) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyleOptionViewItem opt = option;
        initStyleOption(&opt, index);
        const QString text = opt.text;
        opt.text.clear();
        const QWidget* widget = opt.widget;
        QStyle* style = widget ? widget->style() : QApplication::style();
        style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, widget);

        const QStringList cells = text.split('\t');
        const std::vector<int> stops = list_->TabStops();
        const QFontMetrics metrics(opt.font);
        painter->save();
        painter->setFont(opt.font);
        painter->setPen(opt.palette.color(
            opt.state & QStyle::State_Selected ? QPalette::HighlightedText : QPalette::Text));
        int x = opt.rect.left() + 2;
        for (int i = 0; i < cells.size(); ++i) {
            if (i > 0) {
                const int next = i - 1 < static_cast<int>(stops.size())
                                     ? opt.rect.left() + stops[i - 1]
                                     : x + metrics.averageCharWidth();
                x = std::max(x, next);
            }
            const QRect cell(x, opt.rect.top(), opt.rect.right() - x, opt.rect.height());
            painter->drawText(cell, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextDontClip, cells[i]);
            x += metrics.horizontalAdvance(cells[i]);
        }
        painter->restore();
    }

private:
    CmListBox* list_;
};

}  // namespace

CmListBox::CmListBox(QWidget* parent) : QListWidget(parent) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setUniformItemSizes(true);
    setItemDelegate(new TabStopDelegate(this));
}

bool CmListBox::SetFontByName(const std::string& family) {
    QFont f = font();
    f.setFamily(QString::fromStdString(family));
    f.setStyleHint(QFont::TypeWriter);
    f.setFixedPitch(true);
    setFont(f);
    return true;
}

bool CmListBox::SetColumnCount(int n) {
    columns_.SetCount(n);
    headings_.assign(columns_.Count(), nullptr);
    columnEdits_.assign(columns_.Count(), nullptr);
    return true;
}

bool CmListBox::SetColumnHeading(int column, QWidget* heading) {
    headings_.at(column) = heading;
    return true;
}

bool CmListBox::SetColumnEdit(int column, QLineEdit* edit) {
    columnEdits_.at(column) = edit;
    return true;
}

bool CmListBox::SetColumnType(int column, int type) {
    columns_.SetType(column, type);
    return true;
}

bool CmListBox::SetColumnDecimals(int column, int decimals) {
    columns_.SetDecimals(column, decimals);
    return true;
}

bool CmListBox::SetColumnBlankMode(int column, int mode) {
    columns_.SetBlankMode(column, mode);
    return true;
}

bool CmListBox::SetButtons(QAbstractButton* add, QAbstractButton* change, QAbstractButton* remove,
                           QAbstractButton* removeAll) {
    add_ = add;
    change_ = change;
    delete_ = remove;
    deleteAll_ = removeAll;
    return true;
}

bool CmListBox::SetEntryEdit(QLineEdit* edit) {
    entryEdit_ = edit;
    return true;
}

int CmListBox::CharactersIn(int pixels) const {
    const int w = std::max(1, QFontMetrics(font()).averageCharWidth());
    return pixels / w - 1;
}

bool CmListBox::LayoutColumns() {
    clear();
    if (columns_.Count() == 1) {
        // The scroll bar's width comes from the style, whatever the list shows.
        const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
        columns_.LayoutSingle(CharactersIn(width() - 2 * frameWidth() - bar));
        return true;
    }
    std::vector<int> widths;
    for (QWidget* heading : headings_)
        widths.push_back(heading ? CharactersIn(heading->width()) : 0);
    columns_.Layout(widths);
    return true;
}

std::vector<int> CmListBox::TabStops() const {
    std::vector<int> stops;
    if (columns_.Count() < 2 || !window()) return stops;
    const int origin = viewport()->mapTo(window(), QPoint(0, 0)).x();
    for (std::size_t i = 1; i < headings_.size(); ++i) {
        if (!headings_[i]) break;
        stops.push_back(headings_[i]->mapTo(window(), QPoint(0, 0)).x() - origin);
    }
    return stops;
}

void CmListBox::Place(int index, const std::string& text, bool insert, bool clearEmpty,
                      bool select) {
    if (clearEmpty) {
        if (empty_) clear();
        empty_ = false;
    }
    const QString line = QString::fromStdString(text);
    if (insert)
        insertItem(index, line);
    else
        addItem(line);
    if (select) SetCurSel(insert ? index : count() - 1);
}

bool CmListBox::AddRow(int value) {
    return AddRow(std::vector<double>{static_cast<double>(value)});
}

bool CmListBox::AddRow(const std::vector<double>& values) {
    Place(-1, columns_.FormatRow(values), false, true, false);
    return true;
}

bool CmListBox::AddRowWithText(const std::vector<double>& values, const std::string& text) {
    Place(-1, columns_.FormatRowWithText(values, text), false, true, false);
    return true;
}

bool CmListBox::AddRowValues(const std::vector<CmListBoxValue>& values) {
    Place(-1, columns_.FormatRowValues(values), false, true, false);
    return true;
}

bool CmListBox::InsertRow(int index, int value) {
    return InsertRow(index, std::vector<double>{static_cast<double>(value)});
}

bool CmListBox::InsertRow(int index, const std::vector<double>& values) {
    if (empty_) index = 0;
    Place(index, columns_.FormatRow(values), true, true, true);
    return true;
}

bool CmListBox::InsertRowWithText(int index, const std::vector<double>& values,
                                  const std::string& text) {
    if (empty_) index = 0;
    Place(index, columns_.FormatRowWithText(values, text), true, true, true);
    return true;
}

bool CmListBox::InsertRowValues(int index, const std::vector<CmListBoxValue>& values) {
    Place(index, columns_.FormatRowValues(values), true, false, false);
    return true;
}

bool CmListBox::ReplaceRow(int index, const std::vector<double>& values) {
    delete takeItem(index);
    Place(index, columns_.FormatRow(values), true, false, true);
    return true;
}

bool CmListBox::ReplaceRowWithText(int index, const std::vector<double>& values,
                                   const std::string& text) {
    delete takeItem(index);
    Place(index, columns_.FormatRowWithText(values, text), true, false, true);
    return true;
}

bool CmListBox::ReplaceRowValues(int index, const std::vector<CmListBoxValue>& values) {
    delete takeItem(index);
    Place(index, columns_.FormatRowValues(values), true, false, true);
    return true;
}

int CmListBox::DeleteSelectedRow() {
    if (empty_ || count() == 0) return -1;
    const int row = CurSel();
    if (row < 0 || row >= count()) return -1;
    delete takeItem(row);
    clearSelection();
    if (count() == 0) ShowEmptyText(true);
    return row;
}

void CmListBox::ShowEmptyText(bool show) {
    empty_ = show;
    if (!show) return;
    clear();
    addItem(QString::fromStdString(emptyText_));
}

bool CmListBox::FillFromPoints(const std::vector<s_tagTypePointXY>& points, int count) {
    if (this->count() > 0) clear();
    for (int i = 0; i < count && i < static_cast<int>(points.size()); ++i)
        AddRow(std::vector<double>{points[i].x, points[i].y});
    return count > 0;
}

bool CmListBox::UpdateButtons() {
    if (add_) add_->setEnabled(true);
    const int row = CurSel();
    const bool selected = !empty_ && count() > 0 && row >= 0 && row < count();
    if (change_) change_->setEnabled(selected);
    if (delete_) delete_->setEnabled(selected);
    if (deleteAll_) deleteAll_->setEnabled(!empty_);
    return true;
}

bool CmListBox::FocusEntryEdit() {
    if (!entryEdit_) return false;
    entryEdit_->setFocus(Qt::OtherFocusReason);
    entryEdit_->selectAll();
    return true;
}

int CmListBox::CurSel() const {
    const QModelIndexList rows = selectionModel()->selectedIndexes();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void CmListBox::SetCurSel(int row) {
    if (row < 0 || row >= count()) {
        clearSelection();
        return;
    }
    setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
}

std::string CmListBox::RowText(int row) const {
    const QListWidgetItem* it = item(row);
    return it ? it->text().toStdString() : std::string();
}

}  // namespace dialogs
