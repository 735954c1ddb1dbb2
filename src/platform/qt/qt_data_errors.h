#pragma once
// The data-error window: a modeless window listing the messages of the error log.

#include "platform/data_errors.h"

#include <QPointer>
#include <QWidget>

class QDialog;
class QPlainTextEdit;

namespace platform::qt {

class QtDataErrors final : public DataErrorService {
public:
    explicit QtDataErrors(QWidget* owner = nullptr) : owner_(owner) {}
    ~QtDataErrors() override;
    void DisplayDataErrors(const std::filesystem::path& logFile) override;
    bool IsShown() const override;
    bool HandlePageKey(int key) override;

    QPlainTextEdit* Text() const { return text_; }

private:
    QPointer<QWidget> owner_;
    QPointer<QDialog> dialog_;
    QPlainTextEdit* text_ = nullptr;
};

}  // namespace platform::qt
