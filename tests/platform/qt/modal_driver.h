#pragma once
// Drives the next modal dialog of a test: once it is up, the action runs on it.

#include <QApplication>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>

namespace testsupport {

// Polls until a modal widget is active, then runs the action on it (once).
inline void WhenModal(std::function<void(QWidget*)> action) {
    auto* timer = new QTimer;
    auto done = std::make_shared<bool>(false);
    QObject::connect(timer, &QTimer::timeout, [timer, action, done] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || *done) return;
        *done = true;
        timer->stop();
        timer->deleteLater();
        action(modal);
    });
    timer->start(10);
}

// Replaces the text of an edit field by typing, as a user would.
inline void Retype(QLineEdit* edit, const QString& text) {
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
}

// Clicks one of the standard buttons of a dialog's button box.
inline void PressButton(QWidget* dialog, QDialogButtonBox::StandardButton which) {
    QTest::mouseClick(dialog->findChild<QDialogButtonBox*>()->button(which), Qt::LeftButton);
}

}  // namespace testsupport
