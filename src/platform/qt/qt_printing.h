#pragma once
// Printing through QPrinter: the print dialog picks the printer (or a PDF file is named).

#include "platform/printing.h"

#include <QPointer>
#include <QWidget>
#include <memory>

class QPrinter;

namespace platform::qt {

class QtPrinting final : public PrintService {
public:
    explicit QtPrinting(QWidget* owner = nullptr);
    ~QtPrinting() override;
    std::unique_ptr<PrintJob> BeginPrint(const PrintRequest& request) override;
    bool PrintSetup() override;

private:
    QPointer<QWidget> owner_;
    std::unique_ptr<QPrinter> printer_;  // keeps the user's choices between jobs
};

}  // namespace platform::qt
