#pragma once
// The device context of a printed page: a QPainter over a QPrinter (a printer or a PDF file).
// Coordinates are printer pixels from the top-left corner of the printable area.

#include "platform/qt/painter_dc.h"

class QPrinter;

namespace platform::qt {

class PrinterDeviceContext final : public PainterDeviceContext {
public:
    // Starts the document on the printer; Ok() is false when it could not be opened.
    explicit PrinterDeviceContext(QPrinter& printer);
    ~PrinterDeviceContext() override;

    bool Ok() const { return ok_; }
    bool NewPage();
    // Finishes the document; false when the printer reported a failure.
    bool Finish();

    bool IsPrinting() const override { return true; }
    DeviceRect PhysicalPageRect() const override { return sheet_; }

private:
    QPrinter& printer_;
    DeviceRect sheet_;
    bool ok_ = false;
};

}  // namespace platform::qt
