// The main menu and the main tool bar of the frame. Every item carries its command id; the
// frame routes them (MainFrame::OnCommand). There is no "DXF" and no "Special" menu: nail and
// geogrid data come in through the document only.

#include "app/main_frame.h"

#include <QAction>
#include <QApplication>
#include <QFont>
#include <QMenuBar>
#include <QPainter>
#include <QPixmap>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>

namespace app {

namespace {

// A tool-bar image: the short name of the tool on a light button face.
QIcon TextIcon(const char* text) {
    QPixmap pixmap(26, 20);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QColor(90, 90, 90));
    p.setBrush(QColor(235, 240, 250));
    p.drawRoundedRect(QRectF(0.5, 0.5, 25, 19), 3, 3);
    QFont font = p.font();
    font.setPixelSize(10);
    font.setBold(true);
    p.setFont(font);
    p.setPen(QColor(20, 40, 120));
    p.drawText(QRect(0, 0, 26, 20), Qt::AlignCenter, QString::fromUtf8(text));
    return QIcon(pixmap);
}

struct ToolButton {
    int id;
    const char* icon;
    const char* text;
    const char* tip;
};

const ToolButton kToolButtons[] = {
    {32833, "Sel", "Select", "Select items\nSelect"},
    {32836, "Con", "Construction lines", "Enter construction lines\nConstruction lines"},
    {32951, "Hd", "Problem heading", "Enter problem heading\nProblem heading"},
    {32829, "PL", "Profile lines", "Enter profile lines\nProfile lines"},
    {32952, "Mat", "Material properties", "Enter material properties\nMaterial properties"},
    {32830, "Pz", "Piezometric lines", "Enter piezometric lines\nPiezometric lines"},
    {32907, "u", "Pressure interpolation pts.",
     "Enter pressure interpolation points\nPressure interpolation pts."},
    {32908, "ru", "R-sub-u interpolation pts.",
     "Enter r-sub-u interpolation points\nR-sub-u interpolation pts."},
    {32910, "Str", "Strength interpolation pts.",
     "Enter strength interpolation points\nStrength interpolation pts."},
    {32886, "SL", "Slope line", "Enter slope line\nSlope line"},
    {32896, "DL", "Distributed loads", "Enter distributed loads\nDistributed loads"},
    {32897, "LL", "Line loads", "Enter line loads\nLine loads"},
    {32832, "Re", "Reinforcement lines", "Enter reinforcement lines\nReinforcement lines"},
    {32977, "Cir", "Circular slip surface",
     "Enter circular slip surface\nCircular slip surface"},
    {32978, "Nc", "Noncircular slip surface",
     "Enter noncircular slip surface\nNoncircular slip surface"},
    {32979, "Rad", "Radius information", "Enter radius information\nRadius information"},
    {32981, "TC", "Tension crack", "Enter \"tension\" crack\nTension crack"},
    {32982, "CW", "Crack water", "Enter water in crack\nCrack water"},
    {0, nullptr, nullptr, nullptr},
    {32990, "Nl", "Nail data", "Enter nail data\nNail data"},
    {32991, "Gg", "Geogrid data", "Enter geogrid data\nGeogrid data"},
    {0, nullptr, nullptr, nullptr},
    {32795, "1", "Stage 1 input", "Set for stage 1 input\nStage 1 input"},
    {32796, "2", "Stage 2 input", "Set for stage 2 input\nStage 2 input"},
    {0, nullptr, nullptr, nullptr},
    {32904, "ZA", "Zoom all", "Zoom to full extent of geometry\nZoom all"},
    {32905, "ZW", "Zoom in", "Zoom in to designated box\nZoom in"},
    {0, nullptr, nullptr, nullptr},
    {33018, "?", "Help", "Display online help\nHelp"},
};

}  // namespace

void BuildMainMenu(MainFrame& f) {
    QMenuBar* bar = f.menuBar();
    QStyle* style = QApplication::style();

    QMenu* file = bar->addMenu("&File");
    f.AddCommand(file, "&New\tCtrl+N", 57600, "Ctrl+N", "Create a new document\nNew")
        ->setIcon(style->standardIcon(QStyle::SP_FileIcon));
    f.AddCommand(file, "&Open...\tCtrl+O", 57601, "Ctrl+O", "Open an existing document\nOpen")
        ->setIcon(style->standardIcon(QStyle::SP_DialogOpenButton));
    f.AddCommand(file, "&Close", 57602);
    f.AddCommand(file, "&Save\tCtrl+S", 57603, "Ctrl+S", "Save the active document\nSave")
        ->setIcon(style->standardIcon(QStyle::SP_DialogSaveButton));
    f.AddCommand(file, "Save &As...", 57604);
    file->addSeparator();
    f.AddCommand(file, "Create KLIVEN Data File", 32947);
    f.AddCommand(file, "Save Preferences", 32821);
    file->addSeparator();
    f.AddCommand(file, "&Print...", 57607, nullptr, "Print the active document\nPrint")
        ->setIcon(TextIcon("Prt"));
    f.AddCommand(file, "Print Pre&view", 57609);
    f.AddCommand(file, "P&rint Setup...", 57606);
    file->addSeparator();
    f.recentMenu_ = file->addMenu("Recent Files");
    f.recentMenu_->setObjectName("recentFiles");
    file->addSeparator();
    f.AddCommand(file, "E&xit", 57665);

    QMenu* edit = bar->addMenu("&Edit");
    f.AddCommand(edit, "&Copy\tCtrl+C", 57634, "Ctrl+C");
    edit->addSeparator();
    f.AddCommand(edit, "Delete All Construction Lines", 33003);
    f.AddCommand(edit, "Delete All Construction Circles", 33010);
    f.AddCommand(edit, "Retriangulate Interpolation Data Set", 33005);
    f.AddCommand(edit, "Delete Triangles Outside Material", 33004);
    f.AddCommand(edit, "Rescale coordinates", 32927);
    QMenu* renumber = edit->addMenu("Renumber");
    f.AddCommand(renumber, "Profile Lines", 32985);
    f.AddCommand(renumber, "Reinforcement Lines", 32987);
    f.AddCommand(renumber, "Piezometric Lines", 32986);

    QMenu* view = bar->addMenu("&View");
    QAction* toolBarSwitch = view->addAction("&Toolbar");
    toolBarSwitch->setObjectName("command59392");
    toolBarSwitch->setCheckable(true);
    toolBarSwitch->setChecked(true);
    QAction* statusSwitch = view->addAction("&Status Bar");
    statusSwitch->setObjectName("command59393");
    statusSwitch->setCheckable(true);
    statusSwitch->setChecked(true);
    QObject::connect(statusSwitch, &QAction::toggled, &f,
                     [&f](bool on) { f.statusBar()->setVisible(on); });
    f.AddCommand(view, "Data Information Window", 33073)->setCheckable(true);
    f.AddCommand(view, "Display Selection Palette", 33063)->setCheckable(true);

    QMenu* display = bar->addMenu("Display");
    f.AddCommand(display, "Selections ...", 32934);
    f.AddCommand(display, "Clear Display for Selection", 32906);
    display->addSeparator();
    f.AddCommand(display, "Grid Settings ...", 32962);
    f.AddCommand(display, "Grid Snap", 32963)->setCheckable(true);
    f.AddCommand(display, "Display Grid Points", 32964)->setCheckable(true);
    f.AddCommand(display, "Display Grid Lines", 32965)->setCheckable(true);
    f.AddCommand(display, "Increase Grid Spacing", 32966);
    f.AddCommand(display, "Decrease Grid Spacing", 32975);

    QMenu* settings = bar->addMenu("Settings");
    f.AddCommand(settings, "General", 32938);
    f.AddCommand(settings, "Units", 32900);
    QMenu* scaling = settings->addMenu("Scaling");
    f.AddCommand(scaling, "Distributed loads", 32935);
    f.AddCommand(scaling, "Line loads", 32936);
    f.AddCommand(scaling, "Reinforcement forces", 32937);
    f.AddCommand(settings, "Data Entry Options", 32992);
    f.AddCommand(settings, "Selected Item Options", 33015);

    QMenu* data = bar->addMenu("Data");
    f.AddCommand(data, "Heading for Problem", 32790);
    f.AddCommand(data, "Profile Lines\tCtrl+P", 32773, "Ctrl+P");
    QMenu* materials = data->addMenu("Material Properties");
    f.AddCommand(materials, "Stage 1\tCtrl+M", 32775, "Ctrl+M");
    f.AddCommand(materials, "Stage 2", 32776);
    f.AddCommand(materials, "Copy Stage 1 to Stage 2", 33066);
    QMenu* piezometric = data->addMenu("Piezometric Lines");
    f.AddCommand(piezometric, "Stage 1\tCtrl+Z", 32778, "Ctrl+Z");
    f.AddCommand(piezometric, "Stage 2", 32779);
    QMenu* interpolation = data->addMenu("Interpolation Data");
    f.AddCommand(interpolation, "Pressure values - Stage 1", 32780);
    f.AddCommand(interpolation, "Pressure values - Stage 2", 32781);
    f.AddCommand(interpolation, "Pore pressure ratios (r-sub-u) - Stage 1", 32782);
    f.AddCommand(interpolation, "Pore pressure ratios (r-sub-u) - Stage 2", 32783);
    f.AddCommand(interpolation, "Strength values - Stage 1", 32784);
    f.AddCommand(interpolation, "Strength values - Stage 2", 32785);
    f.AddCommand(data, "Slope Line", 32792);
    QMenu* distributed = data->addMenu("Distributed Loads");
    f.AddCommand(distributed, "Stage 1\tCtrl+D", 32786, "Ctrl+D");
    f.AddCommand(distributed, "Stage 2", 32787);
    QMenu* lineLoads = data->addMenu("Line Loads");
    f.AddCommand(lineLoads, "Stage 1\tCtrl+L", 32788, "Ctrl+L");
    f.AddCommand(lineLoads, "Stage 2", 32789);
    f.AddCommand(data, "Reinforcement", 32772);
    f.AddCommand(data, "Analysis/Computation\tCtrl+A", 32771, "Ctrl+A");
    f.AddCommand(data, "Analysis/Computation - Optional Data", 32791);
    f.AddCommand(data, "\"Other\" Data Input", 32828);
    data->addSeparator();
    f.AddCommand(data, "Recompute Slope and Crack Geometry", 32993);
    f.AddCommand(data, "Check Data", 32824);
    f.AddCommand(data, "Summary", 32996);

    QMenu* compute = bar->addMenu("Compute");
    f.AddCommand(compute, "Overburden Pressure", 32998);
    f.AddCommand(compute, "Pore Water Pressure", 32999);
    f.AddCommand(compute, "Effective Vertical Stress", 33001);

    QMenu* run = bar->addMenu("Run");
    f.AddCommand(run, "Run KLIVEN (Computations)", 33070);
    f.AddCommand(run, "Run Vistrel (Result Graphics)", 33079);

    QMenu* window = bar->addMenu("Window");
    f.AddCommand(window, "Set Display Bounds ...", 33040);
    f.AddCommand(window, "Refresh\tCtrl+R", 33021, "Ctrl+R");
    f.AddCommand(window, "Zoom All", 33041);
    f.AddCommand(window, "Zoom Window", 33042);
    window->addSeparator();
    f.AddCommand(window, "Set View ...", 33043);
    f.AddCommand(window, "Reset All Views", 33044);
    for (int n = 1; n <= 6; ++n) {
        const std::string text = "View " + std::to_string(n) + "\tCtrl+" + std::to_string(n);
        const std::string key = "Ctrl+" + std::to_string(n);
        f.AddCommand(window, text.c_str(), 33031 + n, key.c_str());
    }

    QMenu* help = bar->addMenu("&Help");
    f.AddCommand(help, "KLIVEN Preprocessor Help", 33013, "F1");
    f.AddCommand(help, "&About KLIVEN Preprocessor ...", 57664);

    // The main tool bar.
    f.toolBar_ = f.addToolBar("Standard");
    f.toolBar_->setObjectName("mainToolBar");
    f.toolBar_->setIconSize(QSize(26, 20));
    f.toolBar_->addAction(f.Action(57600));
    f.toolBar_->addAction(f.Action(57601));
    f.toolBar_->addAction(f.Action(57603));
    f.toolBar_->addSeparator();
    f.toolBar_->addAction(f.Action(57607));
    f.toolBar_->addSeparator();
    for (const ToolButton& b : kToolButtons) {
        if (b.id == 0) {
            f.toolBar_->addSeparator();
            continue;
        }
        QAction* a = f.AddCommand(nullptr, b.text, b.id, nullptr, b.tip);
        a->setIcon(TextIcon(b.icon));
        f.toolBar_->addAction(a);
    }
    // Nail and geogrid data reach the program only through the document.
    f.Action(32990)->setVisible(false);
    f.Action(32991)->setVisible(false);
    QObject::connect(toolBarSwitch, &QAction::toggled, &f,
                     [&f](bool on) { f.toolBar_->setVisible(on); });
}

}  // namespace app
