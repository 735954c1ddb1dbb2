#include "platform/qt/qt_data_errors.h"

#include "platform/qt/qt_text.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QVBoxLayout>

namespace platform::qt {

QtDataErrors::~QtDataErrors() { delete dialog_.data(); }

void QtDataErrors::DisplayDataErrors(const std::filesystem::path& logFile) {
    if (!dialog_) {
        dialog_ = new QDialog(owner_, Qt::Tool);
        dialog_->setObjectName("dataErrorWindow");
        dialog_->setWindowTitle("Data Errors");
        text_ = new QPlainTextEdit(dialog_);
        text_->setReadOnly(true);
        text_->setLineWrapMode(QPlainTextEdit::NoWrap);
        text_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
        auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, dialog_);
        QObject::connect(buttons, &QDialogButtonBox::rejected, dialog_, &QDialog::hide);
        auto* layout = new QVBoxLayout(dialog_);
        layout->addWidget(text_);
        layout->addWidget(buttons);
        dialog_->resize(640, 420);
    }
    QString all;
    const auto messages = ReadErrorLogMessages(logFile);
    for (std::size_t i = 0; i < messages.size(); ++i) {
        if (i) all += "\n\n";
        all += ToQString(messages[i]);
    }
    if (messages.empty()) all = "No data errors.";
    text_->setPlainText(all);
    text_->moveCursor(QTextCursor::Start);
    dialog_->show();
    dialog_->raise();
}

bool QtDataErrors::IsShown() const { return dialog_ && dialog_->isVisible(); }

bool QtDataErrors::HandlePageKey(int key) {
    if (!IsShown()) return false;
    QScrollBar* bar = text_->verticalScrollBar();
    switch (key) {
    case PageKeyPrior: bar->triggerAction(QAbstractSlider::SliderPageStepSub); return true;
    case PageKeyNext: bar->triggerAction(QAbstractSlider::SliderPageStepAdd); return true;
    case PageKeyHome: bar->triggerAction(QAbstractSlider::SliderToMinimum); return true;
    case PageKeyEnd: bar->triggerAction(QAbstractSlider::SliderToMaximum); return true;
    default: return false;
    }
}

}  // namespace platform::qt
