// The File menu: the documents, the computation input, the preferences, printing and the
// recent files.

#include "app/commands/command_table.h"
#include "app/commands/run_commands.h"
#include "app/draw_view.h"
#include "app/drawing_view.h"
#include "app/main_frame.h"
#include "app/preferences_startup.h"
#include "core/file_io.h"
#include "core/message_boxes.h"
#include "graphics/graphics.h"
#include "graphics/print_header_footer.h"
#include "graphics/print_page.h"
#include "model/data_sets.h"
#include "platform/qt/printer_dc.h"
#include "platform/services.h"

#include <QPrintPreviewDialog>
#include <QPrinter>

namespace app {

namespace {

std::string HeadingLine() {
    Cpp_Kliven4DataSet* dataSet = Cpp_Kliven4Data::CurrentDataSetOrNull();
    if (!dataSet) return {};
    const std::string* line = dataSet->HeadingAddress()->FirstNonBlankLine();
    return line ? *line : std::string();
}

void PrintView(MainFrame& frame, bool preview) {
    const std::string heading = HeadingLine();
    const std::string fileName = Cpp_FileIO::GetInputFileName().string();
    const DrawViewFunction draw = [&frame](platform::DeviceContext& dc,
                                           const platform::DeviceRect& rect) {
        DrawView(dc, rect, frame.View()->ViewWindow(), true);
    };
    if (!preview) {
        platform::PrintRequest request;
        request.documentName = frame.Doc().Title();
        PrintDrawing(request, heading, fileName, draw);
        frame.Redraw();
        return;
    }
    QPrinter printer(QPrinter::HighResolution);
    QPrintPreviewDialog dialog(&printer, &frame);
    dialog.setWindowTitle("Print Preview");
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &frame, [&](QPrinter* p) {
        platform::qt::PrinterDeviceContext page(*p);
        Cpp_ScopedGraphicsDC scope(page, Cpp_Graphics::kOutputPrinter);
        Cpp_Graphics::SaveScaleState();
        Cpp_Graphics::InvalidateScale();
        Cpp_PrintHeaderFooter::ComputePrintMargins(page);
        Cpp_PrintHeaderFooter::DefaultText(heading, fileName);
        draw(page, Cpp_PrintHeaderFooter::CopyPrintMargins());
        Cpp_Graphics::RestoreScaleState();
    });
    dialog.exec();
    frame.HideInactiveToolBars();
    frame.Redraw();
}

void SavePreferencesCommand(MainFrame&) {
    if (!SavePreferences())
        ShowErrorMessage("File I/O Error", "Unable to write the preferences.");
    else
        platform::Services().StatusLine().SetText("Preferences saved.");
}

}  // namespace

void AddFileCommands(CommandTable& table) {
    table.Add(ID_FILE_NEW, [](MainFrame& f) { f.FileNew(); });
    table.Add(ID_FILE_OPEN, [](MainFrame& f) { f.FileOpen(); });
    table.Add(ID_FILE_CLOSE, [](MainFrame& f) { f.FileClose(); });
    table.Add(ID_FILE_SAVE, [](MainFrame& f) { f.FileSave(); });
    table.Add(ID_FILE_SAVE_AS, [](MainFrame& f) { f.FileSaveAs(); });
    table.Add(ID_CREATE_KLIVEN_DATA_FILE, [](MainFrame& f) { WriteKlivenDataFile(f, true); });
    table.Add(ID_SAVE_PREFERENCES, SavePreferencesCommand);
    table.Add(ID_FILE_PRINT, [](MainFrame& f) { PrintView(f, false); });
    table.Add(ID_FILE_PRINT_PREVIEW, [](MainFrame& f) { PrintView(f, true); });
    table.Add(ID_FILE_PRINT_SETUP,
              [](MainFrame&) { platform::Services().Printing().PrintSetup(); });
    table.Add(ID_APP_EXIT, [](MainFrame& f) { f.close(); });
    for (int i = 0; i < kRecentFileCount; ++i)
        table.Add(ID_FILE_MRU_FILE1 + i, [i](MainFrame& f) { f.OpenRecentFile(i); });
}

}  // namespace app
