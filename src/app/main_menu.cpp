// The main menu and the main tool bar of the frame. Every item carries its command id
// (core/command_ids.h); the frame carries it out through the command table
// (MainFrame::OnCommand, app/commands/). There is no "DXF" and no "Special" menu; the nail and
// geogrid windows, placing tools and generation commands are under Data, "Nails and Geogrids".

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
    {ID_SELECT_ITEMS, "Sel", "Select", "Select items\nSelect"},
    {ID_ENTER_CONSTRUCTION_LINES, "Con", "Construction lines",
     "Enter construction lines\nConstruction lines"},
    {ID_ENTER_PROBLEM_HEADING, "Hd", "Problem heading", "Enter problem heading\nProblem heading"},
    {ID_ENTER_PROFILE_LINES, "PL", "Profile lines", "Enter profile lines\nProfile lines"},
    {ID_ENTER_MATERIAL_PROPERTIES, "Mat", "Material properties",
     "Enter material properties\nMaterial properties"},
    {ID_ENTER_PIEZOMETRIC_LINES, "Pz", "Piezometric lines",
     "Enter piezometric lines\nPiezometric lines"},
    {ID_ENTER_PRESSURE_INTERPOLATION_POINTS, "u", "Pressure interpolation pts.",
     "Enter pressure interpolation points\nPressure interpolation pts."},
    {ID_ENTER_RSUBU_INTERPOLATION_POINTS, "ru", "R-sub-u interpolation pts.",
     "Enter r-sub-u interpolation points\nR-sub-u interpolation pts."},
    {ID_ENTER_STRENGTH_INTERPOLATION_POINTS, "Str", "Strength interpolation pts.",
     "Enter strength interpolation points\nStrength interpolation pts."},
    {ID_ENTER_SLOPE_LINE, "SL", "Slope line", "Enter slope line\nSlope line"},
    {ID_ENTER_DISTRIBUTED_LOADS, "DL", "Distributed loads",
     "Enter distributed loads\nDistributed loads"},
    {ID_ENTER_LINE_LOADS, "LL", "Line loads", "Enter line loads\nLine loads"},
    {ID_ENTER_REINFORCEMENT_LINES, "Re", "Reinforcement lines",
     "Enter reinforcement lines\nReinforcement lines"},
    {ID_ENTER_CIRCULAR_SLIP_SURFACE, "Cir", "Circular slip surface",
     "Enter circular slip surface\nCircular slip surface"},
    {ID_ENTER_NONCIRCULAR_SLIP_SURFACE, "Nc", "Noncircular slip surface",
     "Enter noncircular slip surface\nNoncircular slip surface"},
    {ID_ENTER_RADIUS_INFORMATION, "Rad", "Radius information",
     "Enter radius information\nRadius information"},
    {ID_ENTER_TENSION_CRACK, "TC", "Tension crack", "Enter \"tension\" crack\nTension crack"},
    {ID_ENTER_WATER_IN_CRACK, "CW", "Crack water", "Enter water in crack\nCrack water"},
    {0, nullptr, nullptr, nullptr},
    {ID_ENTER_NAIL_DATA, "Nl", "Nail data", "Enter nail data\nNail data"},
    {ID_ENTER_GEOGRID_DATA, "Gg", "Geogrid data", "Enter geogrid data\nGeogrid data"},
    {0, nullptr, nullptr, nullptr},
    {ID_STAGE1, "1", "Stage 1 input", "Set for stage 1 input\nStage 1 input"},
    {ID_STAGE2, "2", "Stage 2 input", "Set for stage 2 input\nStage 2 input"},
    {0, nullptr, nullptr, nullptr},
    {ID_TOOLBAR_ZOOM_ALL, "ZA", "Zoom all", "Zoom to full extent of geometry\nZoom all"},
    {ID_TOOLBAR_ZOOM_IN, "ZW", "Zoom in", "Zoom in to designated box\nZoom in"},
    {0, nullptr, nullptr, nullptr},
    {ID_TOOLBAR_HELP, "?", "Help", "Display online help\nHelp"},
};

}  // namespace

void BuildMainMenu(MainFrame& f) {
    QMenuBar* bar = f.menuBar();
    QStyle* style = QApplication::style();

    QMenu* file = bar->addMenu("&File");
    f.AddCommand(file, "&New\tCtrl+N", ID_FILE_NEW, "Ctrl+N", "Create a new document\nNew")
        ->setIcon(style->standardIcon(QStyle::SP_FileIcon));
    f.AddCommand(file, "&Open...\tCtrl+O", ID_FILE_OPEN, "Ctrl+O",
                 "Open an existing document\nOpen")
        ->setIcon(style->standardIcon(QStyle::SP_DialogOpenButton));
    f.AddCommand(file, "&Close", ID_FILE_CLOSE);
    f.AddCommand(file, "&Save\tCtrl+S", ID_FILE_SAVE, "Ctrl+S", "Save the active document\nSave")
        ->setIcon(style->standardIcon(QStyle::SP_DialogSaveButton));
    f.AddCommand(file, "Save &As...", ID_FILE_SAVE_AS);
    file->addSeparator();
    f.AddCommand(file, "Create KLIVEN Data File", ID_CREATE_KLIVEN_DATA_FILE);
    f.AddCommand(file, "Save Preferences", ID_SAVE_PREFERENCES);
    file->addSeparator();
    f.AddCommand(file, "&Print...", ID_FILE_PRINT, nullptr, "Print the active document\nPrint")
        ->setIcon(TextIcon("Prt"));
    f.AddCommand(file, "Print Pre&view", ID_FILE_PRINT_PREVIEW);
    f.AddCommand(file, "P&rint Setup...", ID_FILE_PRINT_SETUP);
    file->addSeparator();
    f.recentMenu_ = file->addMenu("Recent Files");
    f.recentMenu_->setObjectName("recentFiles");
    file->addSeparator();
    f.AddCommand(file, "E&xit", ID_APP_EXIT);

    QMenu* edit = bar->addMenu("&Edit");
    f.AddCommand(edit, "&Copy\tCtrl+C", ID_EDIT_COPY, "Ctrl+C")
        ->setShortcuts({QKeySequence("Ctrl+C"), QKeySequence("Ctrl+Ins")});
    edit->addSeparator();
    f.AddCommand(edit, "Delete All Construction Lines", ID_DELETE_ALL_CONSTRUCTION_LINES);
    f.AddCommand(edit, "Delete All Construction Circles", ID_DELETE_ALL_CONSTRUCTION_CIRCLES);
    f.AddCommand(edit, "Retriangulate Interpolation Data Set", ID_RETRIANGULATE);
    f.AddCommand(edit, "Delete Triangles Outside Material", ID_DELETE_TRIANGLES_OUTSIDE_MATERIAL);
    f.AddCommand(edit, "Rescale coordinates", ID_RESCALE_COORDINATES);
    QMenu* renumber = edit->addMenu("Renumber");
    f.AddCommand(renumber, "Profile Lines", ID_RENUMBER_PROFILE_LINES);
    f.AddCommand(renumber, "Reinforcement Lines", ID_RENUMBER_REINFORCEMENT_LINES);
    f.AddCommand(renumber, "Piezometric Lines", ID_RENUMBER_PIEZOMETRIC_LINES);

    QMenu* view = bar->addMenu("&View");
    f.AddCommand(view, "&Toolbar", ID_VIEW_TOOLBAR)->setCheckable(true);
    f.Action(ID_VIEW_TOOLBAR)->setChecked(true);
    f.AddCommand(view, "&Status Bar", ID_VIEW_STATUS_BAR)->setCheckable(true);
    f.Action(ID_VIEW_STATUS_BAR)->setChecked(true);
    f.AddCommand(view, "Data Information Window", ID_DATA_INFORMATION_WINDOW)->setCheckable(true);
    f.AddCommand(view, "Display Selection Palette", ID_DISPLAY_SELECTION_PALETTE)
        ->setCheckable(true);

    QMenu* display = bar->addMenu("Display");
    f.AddCommand(display, "Selections ...", ID_DISPLAY_SELECTIONS);
    f.AddCommand(display, "Clear Display for Selection", ID_CLEAR_DISPLAY_FOR_SELECTION);
    f.AddCommand(display, "Material Property Table", ID_MATERIAL_PROPERTY_TABLE)
        ->setCheckable(true);
    display->addSeparator();
    f.AddCommand(display, "Grid Settings ...", ID_GRID_SETTINGS);
    f.AddCommand(display, "Grid Snap", ID_GRID_SNAP)->setCheckable(true);
    f.AddCommand(display, "Display Grid Points", ID_GRID_POINTS)->setCheckable(true);
    f.AddCommand(display, "Display Grid Lines", ID_GRID_LINES)->setCheckable(true);
    f.AddCommand(display, "Increase Grid Spacing", ID_GRID_INCREASE_SPACING);
    f.AddCommand(display, "Decrease Grid Spacing", ID_GRID_DECREASE_SPACING);

    QMenu* settings = bar->addMenu("Settings");
    f.AddCommand(settings, "General", ID_SETTINGS_GENERAL);
    f.AddCommand(settings, "Units", ID_SETTINGS_UNITS);
    QMenu* scaling = settings->addMenu("Scaling");
    f.AddCommand(scaling, "Distributed loads", ID_SCALE_DISTRIBUTED_LOADS);
    f.AddCommand(scaling, "Line loads", ID_SCALE_LINE_LOADS);
    f.AddCommand(scaling, "Reinforcement forces", ID_SCALE_REINFORCEMENT_FORCES);
    f.AddCommand(settings, "Data Entry Options", ID_DATA_ENTRY_OPTIONS);
    f.AddCommand(settings, "Selected Item Options", ID_SELECTED_ITEM_OPTIONS);

    QMenu* data = bar->addMenu("Data");
    f.AddCommand(data, "Heading for Problem", ID_HEADING);
    f.AddCommand(data, "Profile Lines\tCtrl+P", ID_PROFILE_LINES, "Ctrl+P");
    QMenu* materials = data->addMenu("Material Properties");
    f.AddCommand(materials, "Stage 1\tCtrl+M", ID_MATERIALS_STAGE1, "Ctrl+M");
    f.AddCommand(materials, "Stage 2", ID_MATERIALS_STAGE2);
    f.AddCommand(materials, "Copy Stage 1 to Stage 2", ID_COPY_STAGE1_TO_STAGE2);
    QMenu* piezometric = data->addMenu("Piezometric Lines");
    f.AddCommand(piezometric, "Stage 1\tCtrl+Z", ID_PIEZOMETRIC_LINES_STAGE1, "Ctrl+Z");
    f.AddCommand(piezometric, "Stage 2", ID_PIEZOMETRIC_LINES_STAGE2);
    QMenu* interpolation = data->addMenu("Interpolation Data");
    f.AddCommand(interpolation, "Pressure values - Stage 1", ID_PRESSURE_VALUES_STAGE1);
    f.AddCommand(interpolation, "Pressure values - Stage 2", ID_PRESSURE_VALUES_STAGE2);
    f.AddCommand(interpolation, "Pore pressure ratios (r-sub-u) - Stage 1", ID_RSUBU_VALUES_STAGE1);
    f.AddCommand(interpolation, "Pore pressure ratios (r-sub-u) - Stage 2", ID_RSUBU_VALUES_STAGE2);
    f.AddCommand(interpolation, "Strength values - Stage 1", ID_STRENGTH_VALUES_STAGE1);
    f.AddCommand(interpolation, "Strength values - Stage 2", ID_STRENGTH_VALUES_STAGE2);
    f.AddCommand(data, "Slope Line", ID_SLOPE_LINE);
    QMenu* distributed = data->addMenu("Distributed Loads");
    f.AddCommand(distributed, "Stage 1\tCtrl+D", ID_DISTRIBUTED_LOADS_STAGE1, "Ctrl+D");
    f.AddCommand(distributed, "Stage 2", ID_DISTRIBUTED_LOADS_STAGE2);
    QMenu* lineLoads = data->addMenu("Line Loads");
    f.AddCommand(lineLoads, "Stage 1\tCtrl+L", ID_LINE_LOADS_STAGE1, "Ctrl+L");
    f.AddCommand(lineLoads, "Stage 2", ID_LINE_LOADS_STAGE2);
    f.AddCommand(data, "Reinforcement", ID_REINFORCEMENT);
    QMenu* nailsAndGeogrids = data->addMenu("Nails and Geogrids");
    nailsAndGeogrids->setObjectName("nailsAndGeogrids");
    f.AddCommand(nailsAndGeogrids, "Define Nail Properties", ID_DEFINE_NAIL_PROPERTIES);
    f.AddCommand(nailsAndGeogrids, "Nail Layouts", ID_NAIL_LAYOUTS);
    f.AddCommand(nailsAndGeogrids, "Enter Nail Data", ID_ENTER_NAIL_DATA, nullptr,
                 "Enter nail data\nNail data");
    f.AddCommand(nailsAndGeogrids, "Generate Reinforcement for Nails",
                 ID_GENERATE_NAIL_REINFORCEMENT);
    nailsAndGeogrids->addSeparator();
    f.AddCommand(nailsAndGeogrids, "Define Geogrid Properties", ID_DEFINE_GEOGRID_PROPERTIES);
    f.AddCommand(nailsAndGeogrids, "Geogrid Layouts", ID_GEOGRID_LAYOUTS);
    f.AddCommand(nailsAndGeogrids, "Individual Geogrids", ID_INDIVIDUAL_GEOGRIDS);
    f.AddCommand(nailsAndGeogrids, "Enter Geogrid Data", ID_ENTER_GEOGRID_DATA, nullptr,
                 "Enter geogrid data\nGeogrid data");
    f.AddCommand(nailsAndGeogrids, "Generate Reinforcement for Geogrids",
                 ID_GENERATE_GEOGRID_REINFORCEMENT);
    f.AddCommand(data, "Analysis/Computation\tCtrl+A", ID_ANALYSIS_COMPUTATION, "Ctrl+A");
    f.AddCommand(data, "Analysis/Computation - Optional Data", ID_OPTIONAL_ANALYSIS_DATA);
    f.AddCommand(data, "\"Other\" Data Input", ID_OTHER_DATA);
    data->addSeparator();
    f.AddCommand(data, "Recompute Slope and Crack Geometry", ID_RECOMPUTE_SLOPE_AND_CRACK);
    f.AddCommand(data, "Check Data", ID_CHECK_DATA);
    f.AddCommand(data, "Summary", ID_SUMMARY);

    QMenu* compute = bar->addMenu("Compute");
    f.AddCommand(compute, "Overburden Pressure", ID_OVERBURDEN_PRESSURE);
    f.AddCommand(compute, "Pore Water Pressure", ID_PORE_WATER_PRESSURE);
    f.AddCommand(compute, "Effective Vertical Stress", ID_EFFECTIVE_VERTICAL_STRESS);

    QMenu* run = bar->addMenu("Run");
    f.AddCommand(run, "Run KLIVEN (Computations)", ID_RUN_KLIVEN);
    f.AddCommand(run, "Run Vistrel (Result Graphics)", ID_RUN_VISTREL);

    QMenu* window = bar->addMenu("Window");
    f.AddCommand(window, "Set Display Bounds ...", ID_SET_DISPLAY_BOUNDS);
    f.AddCommand(window, "Refresh\tCtrl+R", ID_REFRESH, "Ctrl+R");
    f.AddCommand(window, "Zoom All", ID_ZOOM_ALL);
    f.AddCommand(window, "Zoom Window", ID_ZOOM_WINDOW);
    window->addSeparator();
    f.AddCommand(window, "Set View ...", ID_SET_VIEW);
    f.AddCommand(window, "Reset All Views", ID_RESET_ALL_VIEWS);
    for (int n = 1; n <= 6; ++n) {
        const std::string text = "View " + std::to_string(n) + "\tCtrl+" + std::to_string(n);
        const std::string key = "Ctrl+" + std::to_string(n);
        f.AddCommand(window, text.c_str(), ID_VIEW_1 + n - 1, key.c_str());
    }

    QMenu* help = bar->addMenu("&Help");
    f.AddCommand(help, "KLIVEN Preprocessor Help\tF1", ID_PREPROCESSOR_HELP);
    f.AddCommand(help, "&About KLIVEN Preprocessor ...", ID_APP_ABOUT);
    // The help keys act anywhere in the frame: F1 help, Shift+F1 help on the frame.
    f.addAction(f.AddCommand(nullptr, "Help", ID_HELP, "F1"));
    f.addAction(f.AddCommand(nullptr, "Help", ID_CONTEXT_HELP, "Shift+F1"));

    // The main tool bar.
    f.toolBar_ = f.addToolBar("Standard");
    f.toolBar_->setObjectName("mainToolBar");
    f.toolBar_->setIconSize(QSize(26, 20));
    f.toolBar_->addAction(f.Action(ID_FILE_NEW));
    f.toolBar_->addAction(f.Action(ID_FILE_OPEN));
    f.toolBar_->addAction(f.Action(ID_FILE_SAVE));
    f.toolBar_->addSeparator();
    f.toolBar_->addAction(f.Action(ID_FILE_PRINT));
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
}

}  // namespace app
