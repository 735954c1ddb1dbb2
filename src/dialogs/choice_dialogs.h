#pragma once
// Small modal questions whose texts the caller supplies: a message with two or three buttons,
// the three-choice variant for long button texts, and the "Save Multi-Stage Data?" warning.
//
//     dialogs::CmThreeButtonDialog ask(parent);
//     ask.MessageText = "...";
//     ask.Button1Text = "Before"; ask.Button2Text = "After"; ask.Button3Text = "Cancel";
//     ask.DefaultButtonId = dialogs::CmThreeButtonDialog::kButton2Id;
//     switch (ask.DoModal()) { ... }   // 1, 2 or 3; Escape and the close box give 2
//
// AskInsertBeforeOrAfter is the question of the point-entry lists when a point meets an
// existing one.

#include "model/writer.h"

#include <QDialog>
#include <QString>

class QCheckBox;
class QLabel;
class QPushButton;

namespace dialogs {

// A message and two buttons (caption "Notice"). DoModal: 1 for the first button, 2 for the
// second, Escape or the close box.
class CmTwoButtonDialog final : public QDialog {
    Q_OBJECT
public:
    explicit CmTwoButtonDialog(QWidget* parent = nullptr);
    int DoModal();
    void reject() override { done(2); }

    QString MessageText;
    QString Button1Text;
    QString Button2Text;

private:
    QLabel* message_ = nullptr;
    QPushButton* buttons_[2] = {};
};

// The shared body of the three-button dialogs: a message, three buttons answering 1, 2 and 3,
// Escape and the close box 2, and an optional default button named by its id.
class ThreeButtonDialogBase : public QDialog {
    Q_OBJECT
public:
    int DoModal();
    void reject() override { done(2); }

    QString MessageText;
    // The id of the button that becomes the default and takes the focus; any other value
    // leaves the buttons as they are.
    int DefaultButtonId = -1;
    QString Button1Text;
    QString Button2Text;
    QString Button3Text;

protected:
    ThreeButtonDialogBase(QWidget* parent, int firstButtonId, const char* caption);
    // Runs after the texts are in the widgets, before the dialog shows.
    virtual void ArrangeButtons() {}

    QLabel* message_ = nullptr;
    QPushButton* buttons_[3] = {};

private:
    int firstButtonId_;
};

// Three buttons, caption "Notice".
class CmThreeButtonDialog final : public ThreeButtonDialogBase {
    Q_OBJECT
public:
    static constexpr int kButton1Id = 1105;
    static constexpr int kButton2Id = 1106;
    static constexpr int kButton3Id = 1107;
    explicit CmThreeButtonDialog(QWidget* parent = nullptr);
};

// Three buttons for long texts (caption "Dialog"): each button is as wide as the longest of the
// three texts plus 30 pixels.
class CmThreeChoiceDialog final : public ThreeButtonDialogBase {
    Q_OBJECT
public:
    static constexpr int kButton1Id = 1780;
    static constexpr int kButton2Id = 1781;
    static constexpr int kButton3Id = 1782;
    explicit CmThreeChoiceDialog(QWidget* parent = nullptr);

protected:
    void ArrangeButtons() override;
};

// "Save Multi-Stage Data?": the writer's warning and question, Yes / No, and the check box that
// switches the question off. DoModal: 1 for Yes, 2 for No, Escape or the close box.
class CmSaveMultistageWarning final : public QDialog {
    Q_OBJECT
public:
    explicit CmSaveMultistageWarning(QWidget* parent = nullptr);
    int DoModal();
    void reject() override { done(2); }

    bool DontWarnAgain = false;
    QString WarningText;
    QString QuestionText;

private:
    QLabel* warning_ = nullptr;
    QLabel* question_ = nullptr;
    QCheckBox* dontWarn_ = nullptr;
};

// The window in SaveMultistageWarningSlot().
class QtSaveMultistageWarning final : public SaveMultistageWarning {
public:
    explicit QtSaveMultistageWarning(QWidget* owner = nullptr) : owner_(owner) {}
    bool Ask(const std::string& text, const std::string& question, bool& dontWarnAgain) override;

private:
    QWidget* owner_;
};

// "Two points have the same X[ and Y]; Insert new point before or after existing point?" with
// "Before", "After" (the default) and "Cancel". False for Cancel; otherwise true, with before
// set for "Before" and cleared for "After" or Escape.
bool AskInsertBeforeOrAfter(bool& before, bool sameXAndY, QWidget* parent = nullptr);

}  // namespace dialogs
