#pragma once
// Driving the list-style data dialogs in tests: buttons and edits by object name, the rows of a
// list, and the answers to the nested questions.

#include "core/format_text.h"
#include "core/preferences.h"
#include "dialogs/choice_dialogs.h"
#include "dialogs/list_box.h"
#include "platform/qt/modal_driver.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace testsupport {

// Runs the action on the next modal window of class T (other modal windows are left alone).
template <class T>
void WhenModalOf(std::function<void(T*)> action) {
    auto* timer = new QTimer;
    auto done = std::make_shared<bool>(false);
    QObject::connect(timer, &QTimer::timeout, [timer, action, done] {
        if (*done) return;
        T* window = qobject_cast<T*>(QApplication::activeModalWidget());
        if (!window) return;
        *done = true;
        timer->stop();
        timer->deleteLater();
        action(window);
    });
    timer->start(10);
}

inline void Press(QWidget* d, const char* name) {
    QPushButton* b = d->findChild<QPushButton*>(name);
    ASSERT_NE(b, nullptr) << name;
    QTest::mouseClick(b, Qt::LeftButton);
}
inline void Type(QWidget* d, const char* name, const QString& text) {
    QLineEdit* edit = d->findChild<QLineEdit*>(name);
    ASSERT_NE(edit, nullptr) << name;
    Retype(edit, text);
}
inline QString Field(QWidget* d, const char* name) {
    return d->findChild<QLineEdit*>(name)->text();
}
inline dialogs::CmListBox* List(QWidget* d, const char* name) {
    return d->findChild<dialogs::CmListBox*>(name);
}
// The cells of a row, without their blanks.
inline std::vector<std::string> Cells(dialogs::CmListBox* list, int row) {
    std::vector<std::string> cells;
    std::string text = list->RowText(row);
    std::size_t start = 0;
    while (true) {
        const std::size_t tab = text.find('\t', start);
        std::string cell =
            text.substr(start, tab == std::string::npos ? std::string::npos : tab - start);
        const std::size_t first = cell.find_first_not_of(' ');
        const std::size_t last = cell.find_last_not_of(' ');
        cells.push_back(first == std::string::npos ? "" : cell.substr(first, last - first + 1));
        if (tab == std::string::npos) break;
        start = tab + 1;
    }
    return cells;
}
// The first cell of each row, without its blanks.
inline std::vector<std::string> FirstCells(dialogs::CmListBox* list) {
    std::vector<std::string> cells;
    for (int i = 0; i < list->count(); ++i) cells.push_back(Cells(list, i).front());
    return cells;
}
inline std::string Fixed(double x) {
    return FormatText("%.*f", Cpp_KlivenSettings::CoordinateDecimals(), x);
}
// Answers the next insert question with the button of that name and keeps its message.
inline void AnswerInsertQuestion(const char* button, std::string* message) {
    WhenModalOf<dialogs::CmThreeButtonDialog>([button, message](dialogs::CmThreeButtonDialog* q) {
        if (message) *message = q->findChild<QLabel*>("message")->text().toStdString();
        Press(q, button);
    });
}

}  // namespace testsupport
