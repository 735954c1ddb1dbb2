// The frame's document commands: New, Open, Save, Save As, Close, the recent-file list of 6,
// the question to save a modified document; writing the computation input, checking the data,
// running the computation and result-graphics programs; printing and copying the view.

#include "app/document.h"
#include "app/draw_view.h"
#include "app/drawing_view.h"
#include "app/launcher.h"
#include "app/main_frame.h"
#include "app/palette_bar.h"
#include "app/preferences_startup.h"
#include "core/data_error_output.h"
#include "core/file_io.h"
#include "graphics/print_header_footer.h"
#include "graphics/print_page.h"
#include "model/data_sets.h"
#include "model/writer.h"
#include "platform/qt/printer_dc.h"
#include "platform/services.h"

#include <QAction>
#include <QMenu>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QStatusBar>

namespace fs = std::filesystem;

namespace app {

namespace {

constexpr const char* kRecentSection = "Recent File List";
constexpr int kRecentCount = 6;
constexpr const char* kDocumentFilter =
    "Preprocessor data (*.preinput-kliven)|*.preinput-kliven|KLIVEN4 input files "
    "(*.input-kliven)|*.input-kliven|All Files (*.*)|*|";

std::string HeadingLine() {
    Cpp_Kliven4DataSet* dataSet = Cpp_Kliven4Data::CurrentDataSetOrNull();
    if (!dataSet) return {};
    const std::string* line = dataSet->HeadingAddress()->FirstNonBlankLine();
    return line ? *line : std::string();
}

}  // namespace

// ---------------------------------------------------------------------------------------------
// Recent files

std::vector<fs::path> MainFrame::RecentFiles() const {
    std::vector<fs::path> files;
    for (int i = 1; i <= kRecentCount; ++i)
        if (auto v = platform::Services().Profile().GetString(kRecentSection,
                                                              "File" + std::to_string(i));
            v && !v->empty())
            files.emplace_back(*v);
    return files;
}

void MainFrame::AddToRecentFiles(const fs::path& path) {
    std::vector<fs::path> files = RecentFiles();
    files.erase(std::remove(files.begin(), files.end(), path), files.end());
    files.insert(files.begin(), path);
    if (files.size() > kRecentCount) files.resize(kRecentCount);
    platform::ProfileService& profile = platform::Services().Profile();
    for (int i = 1; i <= kRecentCount; ++i)
        profile.SetString(kRecentSection, "File" + std::to_string(i),
                          i <= static_cast<int>(files.size()) ? files[i - 1].string() : "");
    RefreshRecentMenu();
}

void MainFrame::RefreshRecentMenu() {
    if (!recentMenu_) return;
    recentMenu_->clear();
    const std::vector<fs::path> files = RecentFiles();
    for (std::size_t i = 0; i < files.size(); ++i) {
        QAction* a = recentMenu_->addAction(
            QString("&%1 %2").arg(i + 1).arg(QString::fromStdString(files[i].string())));
        a->setObjectName(QString("command%1").arg(57616 + static_cast<int>(i)));
        connect(a, &QAction::triggered, this,
                [this, i] { OnCommand(57616 + static_cast<int>(i)); });
    }
    recentMenu_->setEnabled(!files.empty());
}

bool MainFrame::OpenRecentFile(int index) {
    const std::vector<fs::path> files = RecentFiles();
    if (index < 0 || index >= static_cast<int>(files.size())) return false;
    if (!SaveModified()) return false;
    return FileOpen(files[static_cast<std::size_t>(index)]);
}

// ---------------------------------------------------------------------------------------------
// New, Open, Save

bool MainFrame::SaveModified() {
    if (!doc_.IsModified()) return true;
    const platform::BoxResult answer =
        AskYesNoCancel(this, "dravonet4", "Save changes to " + doc_.Title() + "?");
    if (answer == platform::BoxResult::Cancel) return false;
    if (answer == platform::BoxResult::No) return true;
    return FileSave();
}

bool MainFrame::FileNew() {
    if (!SaveModified()) return false;
    doc_.OnNewDocument();
    palette_->RefreshFromDataSet();
    ZoomToExtents();
    Redraw();
    return true;
}

bool MainFrame::FileOpen(const std::optional<fs::path>& path) {
    if (!SaveModified()) return false;
    fs::path file;
    if (path) {
        file = *path;
    } else {
        platform::FileDialogRequest request;
        request.title = "Open";
        request.filter = kDocumentFilter;
        request.defaultExtension = "preinput-kliven";
        auto chosen = platform::Services().FileDialogs().GetOpenFileName(request);
        if (!chosen) return false;
        file = *chosen;
    }
    doc_.OnNewDocument();
    const bool ok = doc_.OnOpenDocument(file);
    if (ok) AddToRecentFiles(doc_.PathName());
    palette_->RefreshFromDataSet();
    Redraw();
    return ok;
}

bool MainFrame::FileSave() {
    if (doc_.PathName().empty()) return FileSaveAs();
    const bool ok = doc_.OnSaveDocument(doc_.PathName());
    if (ok) AddToRecentFiles(doc_.PathName());
    return ok;
}

bool MainFrame::FileSaveAs(const std::optional<fs::path>& path) {
    fs::path file;
    if (path) {
        file = *path;
    } else {
        platform::FileDialogRequest request;
        request.title = "Save As";
        request.filter = kDocumentFilter;
        request.defaultExtension = "preinput-kliven";
        if (!doc_.PathName().empty()) {
            request.initialDirectory = doc_.PathName().parent_path();
            request.initialFile = doc_.PathName().filename();
        }
        auto chosen = platform::Services().FileDialogs().GetSaveFileName(request);
        if (!chosen) return false;
        file = *chosen;
    }
    const bool ok = doc_.OnSaveDocument(file);
    if (ok) AddToRecentFiles(doc_.PathName());
    return ok;
}

bool MainFrame::FileClose() { return FileNew(); }

bool MainFrame::OnFileCommand(int id) {
    switch (id) {
    case 57600: FileNew(); return true;
    case 57601: FileOpen(); return true;
    case 57602: FileClose(); return true;
    case 57603: FileSave(); return true;
    case 57604: FileSaveAs(); return true;
    case 57665: close(); return true;
    case 57607: PrintView(false); return true;
    case 57609: PrintView(true); return true;
    case 57606: platform::Services().Printing().PrintSetup(); return true;
    case 57634: CopyView(); return true;
    case 32947: WriteKlivenDataFile(true); return true;
    case 32821:
        if (!SavePreferences())
            ShowErrorMessage("File I/O Error", "Unable to write the preferences.");
        else
            platform::Services().StatusLine().SetText("Preferences saved.");
        return true;
    case 32824: CheckData(); return true;
    case 33070: RunKliven(); return true;
    case 33079: LaunchGraphicsProgram(this); return true;
    default:
        if (id >= 57616 && id < 57616 + kRecentCount) {
            OpenRecentFile(id - 57616);
            return true;
        }
        return false;
    }
}

// ---------------------------------------------------------------------------------------------
// The computation input and the programs

void MainFrame::CheckData() {
    Cpp_DataErrorOutput::OpenErrorLog();
    const bool clean = RunDataCheck(*Cpp_Kliven4Data::CurrentDataSet());
    if (!clean) Redraw();
    Cpp_DataErrorOutput::CloseErrorLog();
    Cpp_DataErrorOutput::DisplayErrorLog(this, false);
    platform::Services().StatusLine().SetText(clean ? "Check Data: no errors in the data."
                                                    : "Check Data: see the data errors.");
}

bool MainFrame::WriteKlivenDataFile(bool ask) {
    fs::path name = Cpp_FileIO::GetComputationInputFileName();
    if (name.empty()) ask = true;
    if (!WriteComputationInputFile(this, name, ask)) return false;
    Cpp_FileIO::SetComputationInputFileName(name);
    platform::Services().StatusLine().SetText("Wrote " + name.string());
    return true;
}

void MainFrame::RunKliven() {
    if (WriteKlivenDataFile(false)) {
        LaunchComputationProgram(this, Cpp_FileIO::GetComputationInputFileName());
        return;
    }
    if (AskYesNo(this, "Error",
                 "Unable to create KLIVEN data file.  Would you like to look for an existing "
                 "KLIVEN data file?"))
        PickExistingInputFileAndRun(this);
}

// ---------------------------------------------------------------------------------------------
// Printing and the clipboard

void MainFrame::PrintView(bool preview) {
    const std::string heading = HeadingLine();
    const std::string fileName = Cpp_FileIO::GetInputFileName().string();
    const DrawViewFunction draw = [this](platform::DeviceContext& dc,
                                         const platform::DeviceRect& rect) {
        DrawView(dc, rect, view_->ViewWindow(), true);
    };
    if (!preview) {
        platform::PrintRequest request;
        request.documentName = doc_.Title();
        PrintDrawing(request, heading, fileName, draw);
        Redraw();
        return;
    }
    QPrinter printer(QPrinter::HighResolution);
    QPrintPreviewDialog dialog(&printer, this);
    dialog.setWindowTitle("Print Preview");
    connect(&dialog, &QPrintPreviewDialog::paintRequested, this, [&](QPrinter* p) {
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
    HideInactiveToolBars();
    Redraw();
}

void MainFrame::CopyView() {
    const int ppi = view_->logicalDpiX();
    const bool ok = CopyDrawingToClipboard(
        view_->width(), view_->height(), ppi,
        [this](platform::DeviceContext& dc, const platform::DeviceRect& rect) {
            Cpp_Graphics::InvalidateScale();
            DrawView(dc, rect, view_->ViewWindow(), false);
        });
    Cpp_Graphics::InvalidateScale();
    Redraw();
    platform::Services().StatusLine().SetText(ok ? "The drawing was copied to the clipboard."
                                                 : "The drawing could not be copied.");
}

}  // namespace app
