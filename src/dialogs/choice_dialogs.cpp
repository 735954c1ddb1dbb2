#include "dialogs/choice_dialogs.h"

#include <QApplication>
#include <QCheckBox>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include <algorithm>

namespace dialogs {

namespace {

QLabel* MessageLabel(QWidget* parent, const char* name) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setWordWrap(true);
    label->setMinimumWidth(320);
    return label;
}

}  // namespace

CmTwoButtonDialog::CmTwoButtonDialog(QWidget* parent) : QDialog(parent) {
    setObjectName("twoButtonDialog");
    setWindowTitle("Notice");
    auto* layout = new QVBoxLayout(this);
    message_ = MessageLabel(this, "message");
    layout->addWidget(message_);
    auto* row = new QHBoxLayout;
    row->addStretch();
    for (int i = 0; i < 2; ++i) {
        buttons_[i] = new QPushButton(this);
        buttons_[i]->setObjectName(QString("button%1").arg(i + 1));
        connect(buttons_[i], &QPushButton::clicked, this, [this, i] { done(i + 1); });
        row->addWidget(buttons_[i]);
    }
    row->addStretch();
    layout->addLayout(row);
}

int CmTwoButtonDialog::DoModal() {
    message_->setText(MessageText);
    buttons_[0]->setText(Button1Text);
    buttons_[1]->setText(Button2Text);
    return exec();
}

ThreeButtonDialogBase::ThreeButtonDialogBase(QWidget* parent, int firstButtonId,
                                             const char* caption)
    : QDialog(parent), firstButtonId_(firstButtonId) {
    setWindowTitle(caption);
    auto* layout = new QVBoxLayout(this);
    message_ = MessageLabel(this, "message");
    layout->addWidget(message_);
    auto* row = new QHBoxLayout;
    row->addStretch();
    for (int i = 0; i < 3; ++i) {
        buttons_[i] = new QPushButton(this);
        buttons_[i]->setObjectName(QString("button%1").arg(i + 1));
        // Only the named default button answers Enter; none is the default by itself.
        buttons_[i]->setAutoDefault(false);
        connect(buttons_[i], &QPushButton::clicked, this, [this, i] { done(i + 1); });
        row->addWidget(buttons_[i]);
    }
    row->addStretch();
    layout->addLayout(row);
}

int ThreeButtonDialogBase::DoModal() {
    message_->setText(MessageText);
    const QString* texts[3] = {&Button1Text, &Button2Text, &Button3Text};
    for (int i = 0; i < 3; ++i) buttons_[i]->setText(*texts[i]);
    ArrangeButtons();
    const int index = DefaultButtonId - firstButtonId_;
    if (index >= 0 && index < 3) {
        buttons_[index]->setDefault(true);
        buttons_[index]->setFocus();
    }
    return exec();
}

CmThreeButtonDialog::CmThreeButtonDialog(QWidget* parent)
    : ThreeButtonDialogBase(parent, kButton1Id, "Notice") {
    setObjectName("threeButtonDialog");
}

CmThreeChoiceDialog::CmThreeChoiceDialog(QWidget* parent)
    : ThreeButtonDialogBase(parent, kButton1Id, "Dialog") {
    setObjectName("threeChoiceDialog");
}

void CmThreeChoiceDialog::ArrangeButtons() {
    int widest = 0;
    for (QPushButton* button : buttons_)
        widest = std::max(widest, button->fontMetrics().horizontalAdvance(button->text()));
    for (QPushButton* button : buttons_) button->setFixedWidth(widest + 30);
}

CmSaveMultistageWarning::CmSaveMultistageWarning(QWidget* parent) : QDialog(parent) {
    setObjectName("saveMultistageWarning");
    setWindowTitle("Save Multi-Stage Data?");
    auto* layout = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    auto* icon = new QLabel(this);
    icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(32, 32));
    top->addWidget(icon, 0, Qt::AlignTop);
    auto* texts = new QVBoxLayout;
    warning_ = MessageLabel(this, "warning");
    question_ = MessageLabel(this, "question");
    texts->addWidget(warning_);
    texts->addWidget(question_);
    top->addLayout(texts);
    layout->addLayout(top);
    dontWarn_ = new QCheckBox("Don't warn me again - save multi-stage data of they exist.", this);
    dontWarn_->setObjectName("dontWarnAgain");
    layout->addWidget(dontWarn_);
    auto* row = new QHBoxLayout;
    row->addStretch();
    auto* yes = new QPushButton("Yes", this);
    yes->setObjectName("yes");
    yes->setDefault(true);
    auto* no = new QPushButton("No", this);
    no->setObjectName("no");
    row->addWidget(yes);
    row->addWidget(no);
    row->addStretch();
    layout->addLayout(row);
    connect(yes, &QPushButton::clicked, this, [this] {
        DontWarnAgain = dontWarn_->isChecked();
        done(1);
    });
    connect(no, &QPushButton::clicked, this, [this] { done(2); });
}

int CmSaveMultistageWarning::DoModal() {
    warning_->setText(WarningText);
    question_->setText(QuestionText);
    dontWarn_->setChecked(DontWarnAgain);
    return exec();
}

bool QtSaveMultistageWarning::Ask(const std::string& text, const std::string& question,
                                  bool& dontWarnAgain) {
    CmSaveMultistageWarning dialog(owner_);
    dialog.WarningText = QString::fromStdString(text);
    dialog.QuestionText = QString::fromStdString(question);
    dialog.DontWarnAgain = false;
    if (dialog.DoModal() != 1) return false;
    dontWarnAgain = dialog.DontWarnAgain;
    return true;
}

bool AskInsertBeforeOrAfter(bool& before, bool sameXAndY, QWidget* parent) {
    CmThreeButtonDialog dialog(parent ? parent : QApplication::activeWindow());
    dialog.MessageText =
        sameXAndY ? "Two points have the same X and Y; Insert new point before or after "
                    "existing point?"
                  : "Two points have the same X; Insert new point before or after existing "
                    "point?";
    dialog.Button1Text = "Before";
    dialog.Button2Text = "After";
    dialog.Button3Text = "Cancel";
    dialog.DefaultButtonId = CmThreeButtonDialog::kButton2Id;
    const int result = dialog.DoModal();
    if (result == 3) return false;
    before = result == 1;
    return true;
}

}  // namespace dialogs
