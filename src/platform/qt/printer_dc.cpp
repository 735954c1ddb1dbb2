#include "platform/qt/printer_dc.h"

#include <QPrinter>

namespace platform::qt {

PrinterDeviceContext::PrinterDeviceContext(QPrinter& printer) : printer_(printer) {
    const int dpi = printer.resolution();
    const QRect paint = printer.pageLayout().paintRectPixels(dpi);
    const QRect full = printer.pageLayout().fullRectPixels(dpi);
    sheet_ = {full.left() - paint.left(), full.top() - paint.top(),
              full.left() - paint.left() + full.width(), full.top() - paint.top() + full.height()};
    ok_ = Begin(&printer, DeviceRect{0, 0, paint.width(), paint.height()}, dpi, dpi);
}

PrinterDeviceContext::~PrinterDeviceContext() { Finish(); }

bool PrinterDeviceContext::NewPage() { return ok_ && printer_.newPage(); }

bool PrinterDeviceContext::Finish() {
    if (!Painter().isActive()) return ok_;
    const bool ended = Painter().end();
    ok_ = ok_ && ended && printer_.printerState() != QPrinter::Error;
    return ok_;
}

}  // namespace platform::qt
