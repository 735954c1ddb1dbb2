#pragma once
// Two small windows of the line dialogs: CmEditLinesAndPoints, the window of seven snap and extend
// buttons beside the list-style profile dialog (each button announces its own message number, which
// the profile dialog takes and ignores), and CmNumberToAdd, which asks how many lines to add.

#include <QDialog>

class QLineEdit;

namespace dialogs {

class CmEditLinesAndPoints final : public QDialog {
    Q_OBJECT
public:
    // The message number of each button, in the order of the buttons.
    static constexpr int kFirstMessage = 0x486;
    static constexpr int kLastMessage = 0x48C;

    explicit CmEditLinesAndPoints(QWidget* parent = nullptr);

signals:
    void ButtonMessage(int message);
};

class CmNumberToAdd final : public QDialog {
    Q_OBJECT
public:
    explicit CmNumberToAdd(QWidget* parent = nullptr);
    // The number shown when the dialog opens and, after OK, the number typed.
    int number = 0;
    void accept() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    QLineEdit* edit_;
};

}  // namespace dialogs
