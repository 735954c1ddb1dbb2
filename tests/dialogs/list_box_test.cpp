// The multi-column list box: the text of its rows (no widget needed) and the list itself, driven
// offscreen: the empty text, the buttons that follow the list, and the one-column layout.

#include "dialogs/list_box.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

using dialogs::CmListBox;
using dialogs::CmListBoxColumns;
using dialogs::CmListBoxValue;

// Column types map onto the number formats in one place.
TEST(ListBoxRows, ColumnTypesGiveTheirFormats) {
    struct Case {
        int type, width, decimals;
        const char* format;
    };
    const Case cases[] = {{1, 6, 3, "%6d"}, {2, 10, 2, "%10.2f"}, {3, 12, 4, "%12.4e"},
                          {4, 8, 0, "%8s"}, {5, 8, 0, "%-8s"},    {0, 8, 0, ""},
                          {6, 8, 0, ""}};
    for (const Case& c : cases) {
        std::string format = "old";
        EXPECT_EQ(dialogs::MakeColumnFormat(c.type, c.width, c.decimals, format),
                  std::string(c.format) != "")
            << c.type;
        EXPECT_EQ(format, c.format) << c.type;
    }
}

// Integer columns truncate toward zero; blank mode 4 shows "  All" for 0 (right-aligned in the
// cell) and the digits of any other value; cells are joined by one tab, none at the ends.
TEST(ListBoxRows, NumericAndTypedRows) {
    CmListBoxColumns columns;
    columns.SetCount(3);
    columns.SetType(0, CmListBoxColumns::kInteger);
    columns.SetBlankMode(0, CmListBoxColumns::kBlankAll);
    columns.SetType(1, CmListBoxColumns::kFixed);
    columns.SetDecimals(1, 2);
    columns.SetType(2, CmListBoxColumns::kLeftText);
    columns.Layout({7, 8, 6});

    EXPECT_EQ(columns.FormatRow({0, 1.5}), "    All\t    1.50");
    EXPECT_EQ(columns.FormatRow({3.9, -2}), "      3\t   -2.00");
    EXPECT_EQ(columns.FormatRow({-3.9, 0}), "     -3\t    0.00");

    std::vector<CmListBoxValue> values(3);
    values[0].SetInt(0);
    values[1].SetDouble(12.345);
    values[2].SetText("ab");
    EXPECT_EQ(columns.FormatRowValues(values), "    All\t   12.35\tab    ");
    values[0].SetInt(12);
    EXPECT_EQ(columns.FormatRowValues(values), "     12\t   12.35\tab    ");
}

// A row of four numbers and a text in a five-column list: three tabs, all between the numbers,
// the text straight after the last number.
TEST(ListBoxRows, FourNumbersAndATextHoldThreeTabs) {
    CmListBoxColumns columns;
    columns.SetCount(5);
    for (int i = 0; i < 4; ++i) {
        columns.SetType(i, CmListBoxColumns::kFixed);
        columns.SetDecimals(i, 1);
    }
    columns.SetType(4, CmListBoxColumns::kRightText);
    columns.Layout({5, 5, 5, 5, 14});
    const std::string row = columns.FormatRowWithText({1, 2, 3, 4}, "KLIVEN4 Input");
    EXPECT_EQ(row, "  1.0\t  2.0\t  3.0\t  4.0 KLIVEN4 Input");
    EXPECT_EQ(std::count(row.begin(), row.end(), '\t'), 3);
}

// A cell keeps at most 255 characters of a longer text, 256 characters whole, and the caller's
// text stays as it was.
TEST(ListBoxRows, CellTextLimit) {
    struct Case {
        std::size_t length, kept;
    };
    for (const Case c : {Case{300, 255}, Case{257, 255}, Case{256, 256}, Case{10, 10}}) {
        const std::string text(c.length, 'x');
        CmListBoxValue value;
        value.SetText(text);
        EXPECT_EQ(value.kind, CmListBoxValue::kText);
        EXPECT_EQ(value.text.size(), c.kept) << c.length;
        EXPECT_EQ(text.size(), c.length);
    }
}

class ListBoxTest : public ::testing::Test {
protected:
    ListBoxTest() {
        list = new CmListBox(&dialog);
        list->setFixedSize(300, 120);
        x = new QLabel("X", &dialog);
        x->setGeometry(0, 0, 100, 20);
        y = new QLabel("Y", &dialog);
        y->setGeometry(100, 0, 100, 20);
        list->move(0, 20);
        for (QPushButton*& b : buttons) b = new QPushButton(&dialog);
        list->SetFontByName("Courier");
        list->SetColumnCount(2);
        for (int i : {0, 1}) {
            list->SetColumnHeading(i, i == 0 ? x : y);
            list->SetColumnType(i, CmListBoxColumns::kFixed);
            list->SetColumnDecimals(i, 2);
        }
        list->SetButtons(buttons[0], buttons[1], buttons[2], buttons[3]);
        list->LayoutColumns();
        list->SetEmptyText("<No distributed loads for Stage 1>");
    }
    std::vector<bool> Enabled() const {
        std::vector<bool> states;
        for (QPushButton* b : buttons) states.push_back(b->isEnabled());
        return states;
    }
    std::vector<std::string> Rows() const {
        std::vector<std::string> rows;
        for (int i = 0; i < list->count(); ++i) rows.push_back(list->RowText(i));
        return rows;
    }

    QDialog dialog;
    CmListBox* list;
    QLabel* x;
    QLabel* y;
    QPushButton* buttons[4];
};

// A new list is empty and marked empty; the first row replaces the empty text; deleting the last
// data row brings the empty text back and leaves only Add enabled.
TEST_F(ListBoxTest, EmptyTextAndButtonsFollowTheRows) {
    EXPECT_EQ(list->count(), 0);
    EXPECT_TRUE(list->IsEmptyMarked());
    list->ShowEmptyText(true);
    list->UpdateButtons();
    EXPECT_EQ(Rows(), std::vector<std::string>{"<No distributed loads for Stage 1>"});
    EXPECT_EQ(Enabled(), (std::vector<bool>{true, false, false, false}));
    EXPECT_EQ(list->DeleteSelectedRow(), -1);

    const int w = list->CharactersIn(100);
    ASSERT_GT(w, 4);
    list->AddRow(std::vector<double>{1, 2});
    EXPECT_EQ(Rows().size(), 1u);
    EXPECT_FALSE(list->IsEmptyMarked());
    EXPECT_EQ(list->CurSel(), -1);
    list->InsertRow(0, std::vector<double>{0.5, 3});
    EXPECT_EQ(list->CurSel(), 0);
    const std::string expected0 =
        std::string(w - 4, ' ') + "0.50\t" + std::string(w - 4, ' ') + "3.00";
    EXPECT_EQ(Rows().at(0), expected0);
    list->UpdateButtons();
    EXPECT_EQ(Enabled(), (std::vector<bool>{true, true, true, true}));

    EXPECT_EQ(list->DeleteSelectedRow(), 0);
    list->UpdateButtons();
    EXPECT_EQ(Enabled(), (std::vector<bool>{true, false, false, true}));
    list->SetCurSel(0);
    EXPECT_EQ(list->DeleteSelectedRow(), 0);
    EXPECT_EQ(Rows(), std::vector<std::string>{"<No distributed loads for Stage 1>"});
    EXPECT_TRUE(list->IsEmptyMarked());
    list->SetCurSel(0);
    list->UpdateButtons();
    EXPECT_EQ(Enabled(), (std::vector<bool>{true, false, false, false}));
}

// Replacing a row selects it; points fill a list row by row; the tab stop of the second column
// lies under its heading.
TEST_F(ListBoxTest, ReplaceFillAndTabStops) {
    list->FillFromPoints({{1, 2}, {3, 4}, {5, 6}}, 2);
    ASSERT_EQ(list->count(), 2);
    list->ReplaceRow(1, {7, 8});
    EXPECT_EQ(list->CurSel(), 1);
    EXPECT_NE(list->RowText(1).find("7.00"), std::string::npos);
    EXPECT_EQ(list->count(), 2);
    const std::vector<int> stops = list->TabStops();
    ASSERT_EQ(stops.size(), 1u);
    EXPECT_EQ(stops[0], y->x() - list->viewport()->mapTo(&dialog, QPoint(0, 0)).x());
}

// One column: no tab stops, an integer format as wide as the list less its frame and scroll bar,
// however many rows it holds.
TEST(ListBoxLayout, OneColumnIsAsWideAsTheListLessTheScrollBar) {
    QDialog dialog;
    auto* list = new CmListBox(&dialog);
    list->setFixedWidth(200);
    list->SetFontByName("Courier");
    list->SetColumnCount(1);
    list->SetColumnType(0, CmListBoxColumns::kInteger);
    list->LayoutColumns();
    const int bar = list->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, list);
    const int chars = list->CharactersIn(200 - 2 * list->frameWidth() - bar);
    EXPECT_EQ(list->Columns().Format(0), "%" + std::to_string(chars) + "d");
    EXPECT_TRUE(list->TabStops().empty());
    list->AddRow(7);
    EXPECT_EQ(list->RowText(0), std::string(chars - 1, ' ') + "7");
}

}  // namespace
