#include "dialogs/tool_option_dialogs.h"

#include "platform/file_dialogs.h"
#include "platform/services.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace dialogs {

namespace {

QString Name(int id) { return QString("c%1").arg(id); }

QRadioButton* Radio(QWidget* parent, int id, const char* text) {
    auto* radio = new QRadioButton(QString::fromUtf8(text), parent);
    radio->setObjectName(Name(id));
    return radio;
}

template <class Dialog, class Record, class... Args>
bool RunOptions(QWidget* owner, Record& record, Args... args) {
    Dialog dialog(record, args..., owner);
    if (dialog.exec() != QDialog::Accepted) return false;
    record = dialog.record;
    return true;
}

}  // namespace

ToolOptionDialog::ToolOptionDialog(const char* name, const char* title, QWidget* parent)
    : QDialog(parent), layout_(new QVBoxLayout(this)), form_(new QFormLayout), dx_(this) {
    setObjectName(name);
    setWindowTitle(QString::fromUtf8(title));
    layout_->addLayout(form_);
}

void ToolOptionDialog::Finish() {
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout_->addWidget(buttons);
    dx_.ToWidgets();
}

void ToolOptionDialog::accept() {
    if (!dx_.FromWidgets()) return;
    QDialog::accept();
}

QLineEdit* ToolOptionDialog::AddNumber(int id, const char* label, double& value) {
    auto* edit = new QLineEdit(this);
    edit->setObjectName(Name(id));
    auto* text = new QLabel(QString::fromUtf8(label), this);
    text->setObjectName(QString("l%1").arg(id));
    form_->addRow(text, edit);
    dx_.Number(edit, value);
    return edit;
}

QLineEdit* ToolOptionDialog::AddInteger(int id, const char* label, int& value) {
    auto* edit = new QLineEdit(this);
    edit->setObjectName(Name(id));
    auto* text = new QLabel(QString::fromUtf8(label), this);
    text->setObjectName(QString("l%1").arg(id));
    form_->addRow(text, edit);
    dx_.Integer(edit, value);
    return edit;
}

QComboBox* ToolOptionDialog::AddSnap(int id, const char* label, int& index) {
    auto* combo = new QComboBox(this);
    combo->setObjectName(Name(id));
    for (const char* text : kSnapOptionTexts) combo->addItem(QString::fromUtf8(text));
    form_->addRow(QString::fromUtf8(label), combo);
    dx_.Choice(combo, index);
    return combo;
}

QCheckBox* ToolOptionDialog::AddCheck(int id, const char* text, bool& value) {
    auto* box = new QCheckBox(QString::fromUtf8(text), this);
    box->setObjectName(Name(id));
    form_->addRow(box);
    dx_.Check(box, value);
    return box;
}

// ---------------------------------------------------------------------------------------------

CrackToolOptionsDialog::CrackToolOptionsDialog(const s_CrackToolOptions& options, QWidget* parent)
    : ToolOptionDialog("crackToolOptions", "Crack Tool Options", parent), record(options) {
    AddNumber(2238, "Delta depth or elevation per wheel click:", record.step);
    Finish();
}

CircleSearch1ToolOptionsDialog::CircleSearch1ToolOptionsDialog(
    const s_CircleSearch1ToolOptions& options, QWidget* parent)
    : ToolOptionDialog("circleSearch1ToolOptions",
                       "Options for \"Floating Grid\"  Search with Circles", parent),
      record(options) {
    AddNumber(2123, "Minimum spacing between grid points for search:", record.minimumSpacing);
    AddCheck(2128, "Inverted circles rejected - not analyzed", record.rejectInverted);
    QCheckBox* limit = AddCheck(
        2126, "Centers of circles not allowed to pass below elevation (Y): ", record.limitCentres);
    QLineEdit* elevation = AddNumber(2127, "", record.limitElevation);
    AddNumber(2125, "Minimum depth (Y) allowed for circles: ", record.minimumDepth);
    Finish();
    elevation->setEnabled(limit->isChecked());
    connect(limit, &QCheckBox::toggled, elevation, &QWidget::setEnabled);
}

CircleSearch2ToolOptionsDialog::CircleSearch2ToolOptionsDialog(
    const s_CircleSearch2ToolOptions& options, QWidget* parent)
    : ToolOptionDialog("circleSearch2ToolOptions", "Options for \"Fixed Grid\" Search with Circles",
                       parent),
      record(options) {
    AddInteger(2150, "Number of points across grid:", record.pointsAcross);
    AddInteger(2152, "Number of points up grid: ", record.pointsUp);
    QCheckBox* line = AddCheck(2153, "Search along a straight line", record.alongLine);
    Finish();
    UpdateLabels();
    connect(line, &QCheckBox::toggled, this, [this] { UpdateLabels(); });
}

void CircleSearch2ToolOptionsDialog::UpdateLabels() {
    const bool line = findChild<QCheckBox*>(Name(2153))->isChecked();
    findChild<QLabel*>("l2150")->setText(line ? "Number of points along line:"
                                              : "Number of points across grid:");
    findChild<QLabel*>("l2152")->setVisible(!line);
    auto* up = findChild<QLineEdit*>(Name(2152));
    up->setVisible(!line);
    up->setEnabled(!line);
}

DataEntryOptionsDialog::DataEntryOptionsDialog(const s_DataEntryOptions& options, QWidget* parent)
    : ToolOptionDialog("dataEntryOptions", "Data Entry Options", parent), record(options) {
    AddCheck(1983, "\"Rubber-band\" lines during data entry", record.rubberBandLines);
    Finish();
}

DistributedLoadToolOptionsDialog::DistributedLoadToolOptionsDialog(
    const s_DistributedLoadToolOptions& options, QWidget* parent)
    : ToolOptionDialog("distributedLoadToolOptions", "Distributed Load Data Entry Options", parent),
      record(options) {
    AddSnap(1933, "Snap option:", record.snap);
    QLineEdit* maximum = AddNumber(1935, "Maximum stress (for scaling):", record.maximumStress);
    AddNumber(1988, "Change in stress per wheel click:", record.step);
    Finish();
    maximum->setEnabled(record.scalingAvailable);
}

LineLoadToolOptionsDialog::LineLoadToolOptionsDialog(const s_LineLoadToolOptions& options,
                                                     QWidget* parent)
    : ToolOptionDialog("lineLoadToolOptions", "Line Load Data Entry Options", parent),
      record(options) {
    QLineEdit* maximum = AddNumber(1964, "Maximum load (for scaling):", record.maximumLoad);
    AddSnap(1962, "Snap option:", record.snap);
    AddNumber(2235, "Change in force per wheel click:", record.forceStep);
    AddNumber(2237, "Change in inclination per wheel click (degrees):", record.inclinationStep);
    Finish();
    maximum->setEnabled(record.scalingAvailable);
}

ReinforcementToolOptionsDialog::ReinforcementToolOptionsDialog(
    const s_ReinforcementToolOptions& options, QWidget* parent)
    : ToolOptionDialog("reinforcementToolOptions", "Reinforcement Data Entry Options", parent),
      record(options) {
    auto* force = new QComboBox(this);
    force->setObjectName(Name(1805));
    force->addItems({"Apply to sides of slice and slip surface", "Apply only to slip surface"});
    form_->addRow("Force option:", force);
    dx_.Choice(force, record.forceApplication);
    AddNumber(1803, "Max. rotation (degs):", record.maximumRotation);
    AddNumber(1807, "Max. force (for scaling):", record.maximumForce);
    AddNumber(1809, "Change in force per wheel click:", record.step);
    AddSnap(1993, "Snap option:", record.snap);
    AddNumber(1811, "Tolerance for snapping:", record.tolerance);
    QRadioButton* longitudinal = Radio(this, 2006, "Longitudinal force");
    QRadioButton* transverse = Radio(this, 2007, "Transverse force");
    auto* group = new QButtonGroup(this);
    group->addButton(longitudinal);
    group->addButton(transverse);
    form_->addRow(longitudinal);
    form_->addRow(transverse);
    dx_.Radio({longitudinal, transverse}, record.displayedForce);
    Finish();
}

NoncircularToolOptionsDialog::NoncircularToolOptionsDialog(const s_NoncircularToolOptions& options,
                                                           QWidget* parent)
    : ToolOptionDialog("noncircularToolOptions", "Noncircular Slip Surface Data Options", parent),
      record(options) {
    AddSnap(2007, "Snap option:", record.snap);
    AddNumber(2014, "Final distance for shifting points:", record.finalShift);
    AddNumber(2012, "Initial distance for shifting points:", record.initialShift);
    AddNumber(2016, "Maximum steepness at toe (degrees):", record.maximumSteepness);
    AddNumber(2190, "Tolerance for snapping:", record.tolerance);
    Finish();
}

NailToolOptionsDialog::NailToolOptionsDialog(const s_NailToolOptions& options, bool geogrid,
                                             QWidget* parent)
    : ToolOptionDialog(geogrid ? "geogridToolOptions" : "nailToolOptions",
                       geogrid ? "Individual Geogrid Data Entry Options"
                               : "Individual Nail Data Entry Options",
                       parent),
      record(options) {
    AddSnap(geogrid ? 1978 : 1960, "Snap option for nail head:", record.snap);
    Finish();
}

InterpolationToolOptionsDialog::InterpolationToolOptionsDialog(
    const s_InterpolationToolOptions& options, QWidget* parent)
    : ToolOptionDialog("interpolationToolOptions", "Interpolation Data Entry Options", parent),
      record(options) {
    QLineEdit* step = AddNumber(1999, "Delta ???? per wheel click", record.step);
    (void)step;

    auto* display = new QGroupBox("Display for Data Entry and Editing", this);
    display->setObjectName(Name(2003));
    auto* displayLayout = new QVBoxLayout(display);
    auto* contours = new QCheckBox("Contour lines", display);
    contours->setObjectName(Name(2004));
    auto* values = new QCheckBox("Interpolation values for points", display);
    values->setObjectName(Name(2006));
    displayLayout->addWidget(contours);
    displayLayout->addWidget(values);
    layout_->addWidget(display);
    dx_.Check(contours, record.contours);
    dx_.Check(values, record.values);

    auto* pressures = new QGroupBox("For pore water pressures", this);
    pressures->setObjectName(Name(2000));
    auto* pressureLayout = new QVBoxLayout(pressures);
    QRadioButton* asPressures = Radio(pressures, 2001, "Display, enter and edit pressures");
    QRadioButton* asHeads = Radio(pressures, 2002, "Display, enter and edit heads");
    pressureLayout->addWidget(asPressures);
    pressureLayout->addWidget(asHeads);
    layout_->addWidget(pressures);
    dx_.Radio({asPressures, asHeads}, record.heads);

    auto* importGroup = new QGroupBox("Import from file", this);
    importGroup->setObjectName(Name(2017));
    auto* importForm = new QFormLayout(importGroup);
    import_ = new QCheckBox("Import from designated file", importGroup);
    import_->setObjectName(Name(2018));
    importForm->addRow(import_);
    fileType_ = new QComboBox(importGroup);
    fileType_->setObjectName(Name(2030));
    fileType_->addItems({"Generic file", "GMS/SEEP2D file", "SEEPW file"});
    auto* fileTypeLabel = new QLabel("Type of file to import from:", importGroup);
    fileTypeLabel->setObjectName(Name(2022));
    importForm->addRow(fileTypeLabel, fileType_);
    fileName_ = new QLineEdit(importGroup);
    fileName_->setObjectName(Name(2020));
    auto* browse = new QPushButton("Browse", importGroup);
    browse->setObjectName(Name(2021));
    auto* nameRow = new QHBoxLayout;
    nameRow->addWidget(fileName_);
    nameRow->addWidget(browse);
    fileNameLabel_ = new QLabel("Name of file:", importGroup);
    fileNameLabel_->setObjectName(Name(2019));
    importForm->addRow(fileNameLabel_, nameRow);
    auto* viewOnly = new QCheckBox("Import to preprocessor (for viewing only)", importGroup);
    viewOnly->setObjectName(Name(2023));
    importForm->addRow(viewOnly);
    layout_->addWidget(importGroup);
    dx_.Choice(fileType_, record.fileType);
    dx_.Text(fileName_, record.fileName);
    dx_.Check(import_, record.importFromFile);
    dx_.Check(viewOnly, record.viewOnly);
    Finish();

    const char* label = "Delta ???? per wheel click";
    switch (record.kind) {
    case 1:
        label = record.heads == 1 ? "Change in total head per wheel click:"
                                  : "Change in pore water pressure per wheel click:";
        break;
    case 2: label = "Change in pore pressure coefficient (ru) per wheel click:"; break;
    case 3: label = "Change in undrained shear strength per wheel click:"; break;
    case 5: label = "Change in c/p ratio per wheel click:"; break;
    default: break;
    }
    findChild<QLabel*>("l1999")->setText(label);
    if (record.kind != 1) {
        fileType_->setEnabled(false);
        fileType_->setVisible(false);
        fileTypeLabel->setVisible(false);
    }
    EnableImportFields();
    pressures->setEnabled(record.kind == 1);
    asPressures->setEnabled(record.kind == 1);
    asHeads->setEnabled(record.kind == 1);
    connect(import_, &QCheckBox::clicked, this, [this] { EnableImportFields(); });
    connect(browse, &QPushButton::clicked, this, [this] { Browse(); });
}

void InterpolationToolOptionsDialog::EnableImportFields() {
    const bool on = import_->isChecked();
    if (record.kind == 1) fileType_->setEnabled(on);
    fileNameLabel_->setEnabled(on);
    fileName_->setEnabled(on);
}

void InterpolationToolOptionsDialog::Browse() {
    platform::FileDialogRequest request;
    switch (fileType_->currentIndex()) {
    case 1:
        request.title = "Open SEEP2D file for interpolation point data";
        request.filter =
            "GMS/SEEP2D Export Files(*.UPP)|*.upp|Text Files(*.TXT)|*.txt|All Files(*.*)|*.*";
        break;
    case 2:
        request.title = "Open SEEPW file for interpolation point data";
        request.filter = "Text Files(*.TXT)|*.txt|All Files(*.*)|*.*";
        break;
    default:
        request.title = "Open file for interpolation point data";
        request.filter = "Data Files(*.INP)|*.inp|Data Files(*.INT)|*.int|Text "
                         "Files(*.TXT)|*.txt|All Files(*.*)|*.*";
        break;
    }
    if (auto path = platform::Services().FileDialogs().GetOpenFileName(request))
        fileName_->setText(QString::fromStdString(path->string()));
}

SelectionOptionsWindow::SelectionOptionsWindow(const s_NudgeOptions& options, QWidget* parent)
    : ToolOptionDialog("selectionOptions", "Selection Options", parent), record(options) {
    auto* group = new QGroupBox("Arrow Key \"Nudging\" Options", this);
    group->setObjectName(Name(2239));
    auto* groupLayout = new QVBoxLayout(group);
    auto* distanceForm = new QFormLayout;
    auto* distance = new QLineEdit(group);
    distance->setObjectName(Name(2243));
    distanceForm->addRow("\"Nudge\" distance:", distance);
    groupLayout->addLayout(distanceForm);
    QRadioButton* pixels = Radio(group, 2240, "Nudge distnace in pixels");
    QRadioButton* world = Radio(group, 2241, "Nudge distnace in \"world\" distance");
    groupLayout->addWidget(pixels);
    groupLayout->addWidget(world);
    layout_->addWidget(group);
    units_ = record.mode - 1;
    dx_.Number(distance, record.distance);
    dx_.Radio({pixels, world}, units_);
    Finish();
}

void SelectionOptionsWindow::accept() {
    if (!dx_.FromWidgets()) return;
    record.mode = units_ + 1;
    QDialog::accept();
}

bool QtToolOptionDialogs::Crack(s_CrackToolOptions& o) {
    return RunOptions<CrackToolOptionsDialog>(owner_, o);
}
bool QtToolOptionDialogs::CircleSearch1(s_CircleSearch1ToolOptions& o) {
    return RunOptions<CircleSearch1ToolOptionsDialog>(owner_, o);
}
bool QtToolOptionDialogs::CircleSearch2(s_CircleSearch2ToolOptions& o) {
    return RunOptions<CircleSearch2ToolOptionsDialog>(owner_, o);
}
bool QtToolOptionDialogs::DataEntry(s_DataEntryOptions& o) {
    return RunOptions<DataEntryOptionsDialog>(owner_, o);
}
bool QtToolOptionDialogs::DistributedLoad(s_DistributedLoadToolOptions& o) {
    return RunOptions<DistributedLoadToolOptionsDialog>(owner_, o);
}
bool QtToolOptionDialogs::LineLoad(s_LineLoadToolOptions& o) {
    return RunOptions<LineLoadToolOptionsDialog>(owner_, o);
}
bool QtToolOptionDialogs::Reinforcement(s_ReinforcementToolOptions& o) {
    return RunOptions<ReinforcementToolOptionsDialog>(owner_, o);
}
bool QtToolOptionDialogs::Noncircular(s_NoncircularToolOptions& o) {
    return RunOptions<NoncircularToolOptionsDialog>(owner_, o);
}
bool QtToolOptionDialogs::Nail(s_NailToolOptions& o) {
    return RunOptions<NailToolOptionsDialog>(owner_, o, false);
}
bool QtToolOptionDialogs::Geogrid(s_NailToolOptions& o) {
    return RunOptions<NailToolOptionsDialog>(owner_, o, true);
}
bool QtToolOptionDialogs::Interpolation(s_InterpolationToolOptions& o) {
    return RunOptions<InterpolationToolOptionsDialog>(owner_, o);
}

bool QtSelectionOptions::Run(s_NudgeOptions& options) {
    SelectionOptionsWindow window(options, owner_);
    if (window.exec() != QDialog::Accepted) return false;
    options = window.record;
    return true;
}

}  // namespace dialogs
