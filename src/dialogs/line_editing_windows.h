#pragma once
// Small windows of the line tools and dialogs: CmDuplicateLineResolution ("Resolve Duplicate
// Line"), which asks what to do with a new line whose number is in use, and two windows of the
// line dialogs: CmEditLinesAndPoints, the window of seven snap and extend
// buttons beside the list-style profile dialog (each button announces its own message number, which
// the profile dialog takes and ignores), and CmNumberToAdd, which asks how many lines to add.

#include "graphics/line_list.h"

#include <QDialog>

#include <string>
#include <vector>

class QLabel;
class QLineEdit;
class QRadioButton;

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

// "Resolve Duplicate Line": replace the existing line, give the new line another number or give
// the existing line another number; both number fields start at the smallest unused number and
// OK refuses a used number for the choice that takes it.
class CmDuplicateLineResolution final : public QDialog {
    Q_OBJECT
public:
    CmDuplicateLineResolution(const std::string& message, std::vector<int> usedNumbers,
                              QWidget* parent = nullptr);
    // After OK: the choice (0 to 2) and both numbers.
    int choice = 1;
    int newNumber = 0;
    int existingNumber = 0;
    int SuggestedNumber() const { return suggested_; }
    void accept() override;

private:
    void ApplyChoice();
    std::vector<int> used_;
    int suggested_ = 1;
    QRadioButton* choices_[3] = {};
    QLineEdit* newEdit_;
    QLineEdit* existingEdit_;
};

// The window in DuplicateLineDialogSlot().
class QtDuplicateLineDialog final : public DuplicateLineDialog {
public:
    explicit QtDuplicateLineDialog(QWidget* owner = nullptr) : owner_(owner) {}
    int Run(const std::string& message, const std::vector<int>& usedNumbers, int& newNumber,
            int& existingNumber) override;

private:
    QWidget* owner_;
};

}  // namespace dialogs
