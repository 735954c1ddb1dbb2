#include "dialogs/optional_analysis_sheet.h"

#include "core/preferences.h"
#include "core/text_formats.h"
#include "gridctrl/grid_ctrl_kdx.h"
#include "gridctrl/grid_ctrl_widget.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <memory>

namespace dialogs {

namespace {

QLineEdit* NamedEdit(QWidget* parent, const char* name) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    return edit;
}

QComboBox* NamedCombo(QWidget* parent, const char* name, const QStringList& items) {
    auto* combo = new QComboBox(parent);
    combo->setObjectName(name);
    combo->addItems(items);
    return combo;
}

QCheckBox* NamedCheck(QWidget* parent, const char* name, const char* text) {
    auto* box = new QCheckBox(text, parent);
    box->setObjectName(name);
    return box;
}

void Enable(const std::vector<QWidget*>& widgets, bool enable) {
    for (QWidget* w : widgets) w->setEnabled(enable);
}

void Show(const std::vector<QWidget*>& widgets, bool show) {
    for (QWidget* w : widgets) {
        w->setVisible(show);
        w->setEnabled(show);
    }
}

}  // namespace

// ---- Solution

CmSubcommandSolution::CmSubcommandSolution(s_OptionalDataType& r, QWidget* parent)
    : OptionalDataPage(parent) {
    setObjectName("solutionPage");
    auto* form = new QFormLayout(this);
    procedure_ = NamedCombo(this, "procedure",
                            {"Spencer's procedure", "Simplified Bishop procedure",
                             "Corps of Engineers' Modified Swedish procedure"});
    form->addRow("Procedure of Analysis:", procedure_);
    auto* stages = NamedCombo(this, "stages", {"1", "2", "3"});
    form->addRow("Number of stages for computations:", stages);
    auto* opposite = NamedCheck(this, "oppositeSign", "Use \"Opposite Sign Convention\"");
    form->addRow(opposite);
    auto* minimumWeight = NamedEdit(this, "minimumWeight");
    form->addRow("Minimum weight required to perform computations:", minimumWeight);
    auto* seismic = NamedEdit(this, "seismicCoefficient");
    form->addRow("Seismic coefficient:", seismic);
    auto* location =
        NamedCombo(this, "seismicLocation",
                   {"Seismic force at center of gravity", "Seismic force at mid-height of slice",
                    "Seismic force at bottom of slice"});
    form->addRow("", location);
    auto* face =
        NamedCombo(this, "face",
                   {"Analyze either slope face - no restrictions",
                    "Analyze only left face of slope", "Analyze only right face of slope"});
    form->addRow("Restriction on slope face analyzed:", face);
    specifiedInclination_ = NamedEdit(this, "specifiedInclination");
    form->addRow("Specified interslice force inclination (degrees):", specifiedInclination_);
    override_ = NamedCheck(this, "overrideLimit",
                           "Override limit on negative interslice force inclination");
    form->addRow(override_);
    negativeLabel_ =
        new QLabel("Most negative interslice force inclination allowed (degrees):", this);
    negative_ = NamedEdit(this, "mostNegativeInclination");
    form->addRow(negativeLabel_, negative_);

    // The slices: circles by a subtended angle or an arc length; noncircular surfaces by a
    // number of slices or a base length, in the same place.
    auto* sliceRow = new QHBoxLayout;
    if (r.circular) {
        slices_ = NamedCombo(this, "circleSlices",
                             {"designated subtended angle ->", "designated maximum arc length ->"});
    } else {
        slices_ =
            NamedCombo(this, "noncircularSlices",
                       {"nominal number of slices ->", "designated maximum slice base length ->"});
    }
    sliceRow->addWidget(slices_);
    sliceValue_ = NamedEdit(this, "sliceValue");
    sliceRow->addWidget(sliceValue_);
    if (!r.circular) {
        numberOfSlices_ = NamedEdit(this, "numberOfSlices");
        sliceRow->addWidget(numberOfSlices_);
    }
    form->addRow("Slices generated using:", sliceRow);

    dx_.Choice(slices_, r.circular ? r.circleSliceOption : r.noncircularSliceOption);
    dx_.Number(minimumWeight, r.minimumWeight);
    dx_.Choice(stages, r.stages);
    dx_.Check(opposite, r.oppositeSign);
    dx_.Choice(procedure_, r.procedure);
    dx_.Number(seismic, r.seismicCoefficient);
    dx_.Number(sliceValue_, r.sliceValue);
    if (numberOfSlices_) dx_.Integer(numberOfSlices_, r.numberOfSlices);
    dx_.Choice(face, r.face);
    dx_.Number(specifiedInclination_, r.specifiedInclination);
    dx_.Choice(location, r.seismicLocation);
    dx_.Number(negative_, r.mostNegativeInclination);
    dx_.Check(override_, r.overrideLimit);
    dx_.ToWidgets();

    connect(procedure_, qOverload<int>(&QComboBox::activated), this,
            [this](int) { UpdateProcedureControls(); });
    connect(override_, &QCheckBox::clicked, this, [this] { UpdateProcedureControls(); });
    if (!r.circular)
        connect(slices_, qOverload<int>(&QComboBox::activated), this,
                [this](int) { UpdateSliceControls(); });
    UpdateProcedureControls();
    if (!r.circular) UpdateSliceControls();
}

int CmSubcommandSolution::Procedure() const { return procedure_->currentIndex(); }

void CmSubcommandSolution::UpdateProcedureControls() {
    const int procedure = procedure_->currentIndex();
    specifiedInclination_->setEnabled(procedure == 2);
    const bool spencer = procedure == 0;
    Enable({override_, negativeLabel_, negative_}, spencer);
    if (spencer && !override_->isChecked()) negative_->setEnabled(false);
}

void CmSubcommandSolution::UpdateSliceControls() {
    const bool baseLength = slices_->currentIndex() == 1;
    Show({sliceValue_}, baseLength);
    Show({numberOfSlices_}, !baseLength);
}

// ---- Iterations and Convergence

CmSubcommandConvergence::CmSubcommandConvergence(s_OptionalDataType& r,
                                                 const CmSubcommandSolution* solution,
                                                 QWidget* parent)
    : OptionalDataPage(parent), solution_(solution) {
    setObjectName("convergencePage");
    auto* layout = new QVBoxLayout(this);

    auto* initial = new QGroupBox("Initial trial values", this);
    auto* initialForm = new QFormLayout(initial);
    auto* trialF = NamedEdit(initial, "trialF");
    initialForm->addRow("Factor of safety:", trialF);
    auto* sideForceLabel = new QLabel("Side force inclination:", initial);
    auto* sideForce = NamedEdit(initial, "sideForceInclination");
    initialForm->addRow(sideForceLabel, sideForce);
    sideForce_ = {sideForceLabel, sideForce};
    auto* lambdaLabel = new QLabel("Initial trial lambda:", initial);
    lambdaOption_ = NamedCombo(initial, "lambdaOption",
                               {"Default", "By specified fraction of f(x)", "By specified value"});
    lambdaValue_ = NamedEdit(initial, "lambdaValue");
    auto* lambdaRow = new QHBoxLayout;
    lambdaRow->addWidget(lambdaOption_);
    lambdaRow->addWidget(lambdaValue_);
    initialForm->addRow(lambdaLabel, lambdaRow);
    lambda_ = {lambdaLabel, lambdaOption_, lambdaValue_};
    layout->addWidget(initial);

    auto* iterationsForm = new QFormLayout;
    auto* iterations = NamedEdit(this, "iterationLimit");
    iterationsForm->addRow("Maximum number of iterations allowed:", iterations);
    layout->addLayout(iterationsForm);

    auto imbalance = [&](const char* title, const char* editName, const char* comboName,
                         const QStringList& kinds) {
        auto* box = new QGroupBox(title, this);
        auto* row = new QHBoxLayout(box);
        auto* edit = NamedEdit(box, editName);
        auto* combo = NamedCombo(box, comboName, kinds);
        row->addWidget(edit);
        row->addWidget(combo);
        layout->addWidget(box);
        return std::pair{edit, combo};
    };
    auto [force, forceKind] =
        imbalance("Allowable force imbalance", "forceImbalance", "forceKind",
                  {"= absolute value of force", "= decimal fraction of total weight of soil"});
    auto [moment, momentKind] = imbalance(
        "Allowable moment imbalance", "momentImbalance", "momentKind",
        {"= absolute value of moment", "= decimal fraction of moment due to weight of soil"});
    layout->addStretch();

    dx_.Choice(forceKind, r.forceKind);
    dx_.Number(force, r.forceImbalance, Cpp_KlivenSettings::ForceDecimals());
    dx_.Number(trialF, r.trialF);
    dx_.Number(sideForce, r.sideForceInclination, Cpp_KlivenSettings::AngleDecimals());
    dx_.Integer(iterations, r.iterationLimit);
    dx_.Number(moment, r.momentImbalance, Cpp_KlivenSettings::ForceDecimals());
    dx_.Choice(momentKind, r.momentKind);
    dx_.Choice(lambdaOption_, r.lambdaOption);
    dx_.Number(lambdaValue_, r.lambdaValue);
    dx_.ToWidgets();
    connect(lambdaOption_, qOverload<int>(&QComboBox::activated), this,
            [this](int) { UpdateLambdaValue(); });
    Activate();
}

void CmSubcommandConvergence::Activate() {
    const int procedure = solution_->Procedure();
    const bool lambda = procedure == 4 || procedure == 5;
    Show(sideForce_, !lambda);
    Show(lambda_, lambda);
    if (lambda) UpdateLambdaValue();
}

void CmSubcommandConvergence::UpdateLambdaValue() {
    const int procedure = solution_->Procedure();
    const int option = lambdaOption_->currentIndex();
    if ((procedure == 4 || procedure == 5) && option >= 0 && option <= 2)
        lambdaValue_->setEnabled(option != 0);
}

// ---- Search

CmSubcommandSearch::CmSubcommandSearch(s_OptionalDataType& r, QWidget* parent)
    : OptionalDataPage(parent) {
    setObjectName("searchPage");
    const bool automatic = r.mode == 3;
    const bool search = r.mode == 3 || r.mode == 4;
    auto* layout = new QVBoxLayout(this);

    auto* changeTrialF = NamedCheck(
        this, "changeTrialF",
        "Change initial estimates of factor of safety during search - use current lowest value");
    layout->addWidget(changeTrialF);

    auto* afterRow = new QHBoxLayout;
    auto* afterLabel = new QLabel("After initial mode of search is completed:", this);
    auto* continueSearch = new QRadioButton("Continue search", this);
    continueSearch->setObjectName("continueSearch");
    auto* stopSearch = new QRadioButton("Stop search", this);
    stopSearch->setObjectName("stopSearch");
    afterRow->addWidget(afterLabel);
    afterRow->addWidget(continueSearch);
    afterRow->addWidget(stopSearch);
    afterRow->addStretch();
    layout->addLayout(afterRow);

    auto* gridsForm = new QFormLayout;
    auto* gridsLabel = new QLabel(
        r.circular ? "Maximum number of trial grids:" : "Maximum number of \"passes\":", this);
    auto* grids = NamedEdit(this, "trialGridsOrPasses");
    gridsForm->addRow(gridsLabel, grids);
    layout->addLayout(gridsForm);

    auto* shortOutput = NamedCheck(this, "shortOutput", "Use short form of output for search");
    layout->addWidget(shortOutput);
    auto* sortRadii = NamedCheck(this, "sortRadii", "Sort radii in when critical radius is found");
    layout->addWidget(sortRadii);

    auto* save = new QGroupBox("Criterion for saving slip surfaces (optional)", this);
    auto* saveGrid = new QGridLayout(save);
    saveMostCritical_ =
        NamedCheck(save, "saveMostCritical", "Save \"N-most\" critical slip surfaces");
    auto* numberLabel = new QLabel("Number to save:", save);
    numberToSave_ = NamedEdit(save, "numberToSave");
    saveGrid->addWidget(saveMostCritical_, 0, 0);
    saveGrid->addWidget(numberLabel, 0, 1);
    saveGrid->addWidget(numberToSave_, 0, 2);
    saveRange_ =
        NamedCheck(save, "saveRange", "Save slip surfaces with range of factors of safety");
    rangeFrom_ = NamedEdit(save, "rangeFrom");
    rangeTo_ = NamedEdit(save, "rangeTo");
    auto* rangeRow = new QHBoxLayout;
    rangeRow->addWidget(new QLabel("- From", save));
    rangeRow->addWidget(rangeFrom_);
    rangeRow->addWidget(new QLabel("to", save));
    rangeRow->addWidget(rangeTo_);
    saveGrid->addWidget(saveRange_, 1, 0);
    saveGrid->addLayout(rangeRow, 1, 1, 1, 2);
    layout->addWidget(save);
    layout->addStretch();
    // The group for refining a search stays hidden: its values go back as they came.

    dx_.Check(changeTrialF, r.changeTrialF);
    dx_.Radio({continueSearch, stopSearch}, r.afterInitialMode);
    dx_.Integer(numberToSave_, r.numberToSave);
    dx_.Check(saveMostCritical_, r.saveMostCritical);
    dx_.Check(shortOutput, r.shortOutput);
    dx_.Check(sortRadii, r.sortRadii);
    dx_.Integer(grids, r.trialGridsOrPasses);
    dx_.Number(rangeTo_, r.rangeTo);
    dx_.Number(rangeFrom_, r.rangeFrom);
    dx_.Check(saveRange_, r.saveRange);
    dx_.ToWidgets();

    Enable({afterLabel, continueSearch, stopSearch, gridsLabel, grids}, automatic);
    Enable({changeTrialF, shortOutput, saveMostCritical_, numberLabel, saveRange_}, search);
    sortRadii->setEnabled(r.circular && r.mode == 4);
    UpdateSaveFields();

    // At most one criterion is ticked.
    connect(saveMostCritical_, &QCheckBox::clicked, this, [this](bool ticked) {
        if (ticked) saveRange_->setChecked(false);
        UpdateSaveFields();
    });
    connect(saveRange_, &QCheckBox::clicked, this, [this](bool ticked) {
        if (ticked) saveMostCritical_->setChecked(false);
        UpdateSaveFields();
    });
}

void CmSubcommandSearch::UpdateSaveFields() {
    numberToSave_->setEnabled(saveMostCritical_->isChecked());
    rangeFrom_->setEnabled(saveRange_->isChecked());
    rangeTo_->setEnabled(saveRange_->isChecked());
}

// ---- Restrictions

CmSubcommandRestrictions::CmSubcommandRestrictions(s_OptionalDataType& r, QWidget* parent)
    : OptionalDataPage(parent) {
    setObjectName("restrictionsPage");
    using A = Cpp_AnalysisComputationData;
    struct GroupText {
        const char* title;
        const char* name;
        int restriction;
        bool relative;
    };
    const GroupText groups[] = {
        {"Specified in terms of ABSOLUTE coordinate values - Applies to ENTIRE shear surface",
         "absoluteEntire", A::kAbsoluteEntire, false},
        {"Specified in terms of ABSOLUTE coordinate values - Applies to only SOME of shear surface",
         "absoluteSome", A::kAbsoluteSome, false},
        {"Specified in terms RELATIVE to center of circle - Applies to ENTIRE shear surface",
         "relativeEntire", A::kRelativeEntire, true},
        {"Specified in terms RELATIVE to center of circle - Applies to only SOME of shear surface",
         "relativeSome", A::kRelativeSome, true},
    };
    const bool search = r.mode == 3 || r.mode == 4;
    auto* layout = new QVBoxLayout(this);
    for (const GroupText& g : groups) {
        auto* box = new QGroupBox(g.title, this);
        auto* row = new QHBoxLayout(box);
        const std::string name = g.name;
        auto* apply = NamedCheck(box, (name + "Apply").c_str(), "Apply restrictions");
        auto* minimum = NamedEdit(box, (name + "Minimum").c_str());
        auto* maximum = NamedEdit(box, (name + "Maximum").c_str());
        row->addWidget(apply);
        row->addWidget(new QLabel(g.relative ? "Delta X-min:" : "X-min:", box));
        row->addWidget(minimum);
        row->addWidget(new QLabel(g.relative ? "Delta X-max:" : "X-max:", box));
        row->addWidget(maximum);
        layout->addWidget(box);
        s_RestrictionType& restriction = r.restrictions[g.restriction];
        dx_.Check(apply, restriction.set);
        dx_.Number(minimum, restriction.minimum);
        dx_.Number(maximum, restriction.maximum);
        if (!search || (g.relative && !r.circular)) apply->setEnabled(false);
        connect(apply, &QCheckBox::clicked, this, [this] { UpdateControls(); });
        groups_.push_back({apply, minimum, maximum});
    }
    layout->addStretch();
    dx_.ToWidgets();
    UpdateControls();
}

void CmSubcommandRestrictions::UpdateControls() {
    for (const Group& g : groups_) {
        g.minimum->setEnabled(g.apply->isChecked());
        g.maximum->setEnabled(g.apply->isChecked());
    }
}

// ---- Crack and Crack Water

namespace {

struct CrackTexts {
    const char* by;
    const char* options[3];
    const char* variableDepth;
    const char* variableElevation;
    const char* depth;
    const char* elevation;
};

const CrackTexts kCrackTexts = {"Crack depth specified by:",
                                {"No crack", "Depth of crack", "Elevation of bottom of crack"},
                                "Variable crack depth",
                                "Variable elevation of crack bottom",
                                "Crack depth:",
                                "Elevation (y) of crack bottom:"};
const CrackTexts kWaterTexts = {
    "Water depth specified by:",
    {"No water in crack", "Depth of water", "Elevation of water surface"},
    "Variable water depth",
    "Variable elevation of water surface",
    "Water depth:",
    "Elevation (y) of water surface:"};

}  // namespace

CmSubcommandCrackAndWater::CmSubcommandCrackAndWater(s_CrackPageType& page,
                                                     double& unitWeightOfWater, bool water,
                                                     QWidget* parent)
    : OptionalDataPage(parent), page_(page), water_(water) {
    setObjectName(water ? "crackWaterPage" : "crackPage");
    const CrackTexts& texts = water ? kWaterTexts : kCrackTexts;
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    option_ = NamedCombo(this, "option", {texts.options[0], texts.options[1], texts.options[2]});
    form->addRow(texts.by, option_);
    variable_ = NamedCheck(this, "variable", texts.variableDepth);
    form->addRow(variable_);
    valueLabel_ = new QLabel(texts.depth, this);
    value_ = NamedEdit(this, "value");
    form->addRow(valueLabel_, value_);
    auto* unitWeightLabel = new QLabel("Unit weight of water in crack:", this);
    unitWeight_ = NamedEdit(this, "unitWeightOfWater");
    form->addRow(unitWeightLabel, unitWeight_);
    layout->addLayout(form);
    table_ = new gridctrl::GridCtrlWidget(this, std::make_unique<gridctrl::CGridCtrlKDX>());
    table_->setObjectName("pointTable");
    table_->setMinimumHeight(180);
    layout->addWidget(table_);
    layout->addStretch();
    if (!water) Show({unitWeightLabel, unitWeight_}, false);

    dx_.Number(value_, page.value);
    dx_.Choice(option_, page.option);
    dx_.Check(variable_, page.variable);
    if (water) dx_.Number(unitWeight_, unitWeightOfWater);
    dx_.ToWidgets();

    std::string xFormat, valueFormat;
    Cpp_Strings::MakeNumberFormat(1, 1, Cpp_KlivenSettings::CoordinateDecimals(), xFormat);
    Cpp_Strings::MakeNumberFormat(
        1, 1,
        std::max(Cpp_KlivenSettings::CoordinateDecimals(), Cpp_KlivenSettings::LengthDecimals()),
        valueFormat);
    const int count = static_cast<int>(page.points.size());
    Table().SetupTable(3, count <= 8 ? 11 : count + 1, false, {"Item", "X", "Y"}, "Point", {},
                       {{},
                        {gridctrl::kDoubleColumn, false, xFormat},
                        {gridctrl::kDoubleColumn, false, valueFormat}},
                       0, 75, -1, 5);
    UpdateDepthLabels();
    SetUpVariableDepthGrid();
    LoadVariableDepthGrid();

    connect(option_, qOverload<int>(&QComboBox::activated), this, [this](int) {
        UpdateDepthLabels();
        SetUpVariableDepthGrid();
    });
    connect(variable_, &QCheckBox::clicked, this, [this] { SetUpVariableDepthGrid(); });
}

gridctrl::CGridCtrlKDX& CmSubcommandCrackAndWater::Table() {
    return static_cast<gridctrl::CGridCtrlKDX&>(table_->Grid());
}

void CmSubcommandCrackAndWater::UpdateDepthLabels() {
    const CrackTexts& texts = water_ ? kWaterTexts : kCrackTexts;
    const int option = option_->currentIndex();
    if (option < 0) return;
    variable_->setEnabled(option != 0);
    variable_->setText(option == 2 ? texts.variableElevation : texts.variableDepth);
    valueLabel_->setText(option == 2 ? texts.elevation : texts.depth);
    if (water_) unitWeight_->setEnabled(option != 0);
}

void CmSubcommandCrackAndWater::SetUpVariableDepthGrid() {
    const int option = option_->currentIndex();
    if (option == 0) {
        value_->setEnabled(false);
        table_->setVisible(false);
        return;
    }
    const bool variable = variable_->isChecked();
    value_->setEnabled(!variable);
    table_->setVisible(variable);
    if (variable)
        Table().SetColumnTitles({"Item", "X",
                                 option == 1   ? "Depth"
                                 : option == 2 ? "Elevation"
                                               : "??????????"});
}

void CmSubcommandCrackAndWater::LoadVariableDepthGrid() {
    Table().ClearCellTexts();
    if (page_.points.empty()) return;
    gridctrl::TableValues values(page_.points.size());
    for (std::size_t i = 0; i < page_.points.size(); ++i) {
        values[i][0].number = page_.points[i].x;
        values[i][1].number = page_.points[i].y;
    }
    Table().SetTableValues(values);
}

bool CmSubcommandCrackAndWater::ReadForOk() {
    if (!dx_.FromWidgets()) return false;
    // Only a table in use is read: a variable depth or elevation needs at least two points.
    if (page_.option == 0 || !page_.variable) return true;
    int lastDataRow = 0;
    if (!Table().ValidateTable(&lastDataRow)) return false;
    gridctrl::TableValues values;
    if (!Table().GetTableValues(values, 2, -1)) return false;
    page_.points.clear();
    for (const gridctrl::TableRow& row : values)
        page_.points.push_back({row[0].number, row[1].number});
    return true;
}

// ---- The sheet

CmSubcommandMain::CmSubcommandMain(const s_OptionalDataType& record, QWidget* parent)
    : QDialog(parent), record_(record) {
    setObjectName("optionalDataSheet");
    setWindowTitle("Optional Analysis/Computation Input Data");
    auto* layout = new QVBoxLayout(this);
    tabs_ = new QTabWidget(this);
    auto* solution = new CmSubcommandSolution(record_, tabs_);
    pages_ = {solution,
              new CmSubcommandConvergence(record_, solution, tabs_),
              new CmSubcommandSearch(record_, tabs_),
              new CmSubcommandCrackAndWater(record_.crack, record_.unitWeightOfWater, false, tabs_),
              new CmSubcommandCrackAndWater(record_.water, record_.unitWeightOfWater, true, tabs_),
              new CmSubcommandRestrictions(record_, tabs_)};
    const char* titles[] = {
        "Solution", "Iterations and Convergence", "Search", "Crack", "Crack Water", "Restrictions"};
    for (std::size_t i = 0; i < pages_.size(); ++i) tabs_->addTab(pages_[i], titles[i]);
    opened_.insert(solution);
    connect(tabs_, &QTabWidget::currentChanged, this, [this](int index) {
        if (index < 0) return;
        OptionalDataPage* page = pages_[static_cast<std::size_t>(index)];
        opened_.insert(page);
        page->Activate();
    });
    layout->addWidget(tabs_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

void CmSubcommandMain::accept() {
    for (OptionalDataPage* page : pages_) {
        if (!opened_.count(page)) continue;
        if (!page->ReadForOk()) {
            tabs_->setCurrentWidget(page);
            return;
        }
    }
    QDialog::accept();
}

bool QtOptionalDataSheet::Run(s_OptionalDataType& record) {
    CmSubcommandMain sheet(record, owner_);
    if (sheet.exec() != QDialog::Accepted) return false;
    record = sheet.Record();
    return true;
}

}  // namespace dialogs
