#include "graphics/print_page.h"

#include "graphics/graphics.h"
#include "graphics/print_header_footer.h"
#include "platform/services.h"

bool PrintDrawing(const platform::PrintRequest& request, const std::string& heading,
                  const std::string& fileName, const DrawViewFunction& draw) {
    std::unique_ptr<platform::PrintJob> job = platform::Services().Printing().BeginPrint(request);
    if (!job) return false;
    platform::DeviceContext& page = job->Page();
    platform::DeviceContext* previousDc = Cpp_Graphics::SetCurrentDC(&page);
    const int previousMode = Cpp_Graphics::OutputMode();
    Cpp_Graphics::SetOutputMode(Cpp_Graphics::kOutputPrinter);
    Cpp_Graphics::SaveScaleState();
    Cpp_Graphics::InvalidateScale();
    bool ok = true;
    try {
        Cpp_PrintHeaderFooter::ComputePrintMargins(page);
        Cpp_PrintHeaderFooter::DefaultText(heading, fileName);
        if (draw) draw(page, Cpp_PrintHeaderFooter::CopyPrintMargins());
    } catch (...) {
        ok = false;
    }
    Cpp_Graphics::RestoreScaleState();
    Cpp_Graphics::SetOutputMode(previousMode);
    Cpp_Graphics::SetCurrentDC(previousDc);
    if (!job->End()) ok = false;
    return ok;
}

bool CopyDrawingToClipboard(int width, int height, int ppi, const DrawViewFunction& draw) {
    if (width <= 0 || height <= 0 || ppi <= 0) return false;
    return platform::Services().PictureCopy().CopyPicture(width, height, ppi, draw);
}
