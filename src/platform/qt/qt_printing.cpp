#include "platform/qt/qt_printing.h"

#include "platform/qt/printer_dc.h"
#include "platform/qt/qt_text.h"

#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>

namespace platform::qt {

namespace {

class QtPrintJob final : public PrintJob {
public:
    // The job owns the printer when it prints to a file of its own.
    QtPrintJob(QPrinter& printer, std::unique_ptr<QPrinter> owned)
        : owned_(std::move(owned)), dc_(printer) {}
    ~QtPrintJob() override { End(); }
    bool Ok() const { return dc_.Ok(); }
    DeviceContext& Page() override { return dc_; }
    bool NewPage() override { return dc_.NewPage(); }
    bool End() override { return dc_.Finish(); }

private:
    std::unique_ptr<QPrinter> owned_;
    PrinterDeviceContext dc_;
};

}  // namespace

QtPrinting::QtPrinting(QWidget* owner) : owner_(owner) {}

QtPrinting::~QtPrinting() = default;

std::unique_ptr<PrintJob> QtPrinting::BeginPrint(const PrintRequest& request) {
    std::unique_ptr<QtPrintJob> job;
    if (!request.pdfFile.empty()) {
        auto pdf = std::make_unique<QPrinter>(QPrinter::HighResolution);
        pdf->setOutputFormat(QPrinter::PdfFormat);
        pdf->setOutputFileName(ToQString(request.pdfFile.string()));
        pdf->setDocName(ToQString(request.documentName));
        QPrinter& printer = *pdf;
        job = std::make_unique<QtPrintJob>(printer, std::move(pdf));
    } else {
        if (!printer_) printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer_->setDocName(ToQString(request.documentName));
        QPrintDialog dialog(printer_.get(), owner_);
        if (dialog.exec() != QDialog::Accepted) return nullptr;
        job = std::make_unique<QtPrintJob>(*printer_, nullptr);
    }
    if (!job->Ok()) return nullptr;
    return job;
}

bool QtPrinting::PrintSetup() {
    if (!printer_) printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    QPageSetupDialog dialog(printer_.get(), owner_);
    return dialog.exec() == QDialog::Accepted;
}

}  // namespace platform::qt
