#pragma once
// Printing: a job hands out a device context per page; the printer or a PDF file receives it.

#include <filesystem>
#include <memory>
#include <string>

#include "platform/device_context.h"

namespace platform {

class PrintJob {
public:
    virtual ~PrintJob() = default;
    // The page being drawn.
    virtual DeviceContext& Page() = 0;
    // Ends the page and starts the next; false when the printer failed.
    virtual bool NewPage() = 0;
    // Ends the job and sends it; false when it could not be finished. A job destroyed without
    // End is ended all the same.
    virtual bool End() = 0;
};

struct PrintRequest {
    std::string documentName;
    // Set: print into this PDF file without asking. Empty: the print dialog chooses.
    std::filesystem::path pdfFile;
};

class PrintService {
public:
    virtual ~PrintService() = default;
    // Starts a job; null when the user cancelled or no printer could be opened.
    virtual std::unique_ptr<PrintJob> BeginPrint(const PrintRequest& request) = 0;
    // The printer set-up dialog ("Print Setup"); false when cancelled.
    virtual bool PrintSetup() = 0;
};

}  // namespace platform
