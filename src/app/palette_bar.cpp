#include "app/palette_bar.h"

#include "app/guarded_call.h"
#include "model/data_sets.h"

#include <QGridLayout>
#include <QToolButton>

namespace app {

namespace {

struct Toggle {
    const char* label;
    const char* tip;
};

// Buttons 618 to 658, then All and Clr.
const Toggle kToggles[kNumberOfDisplayOptions + 2] = {
    {"CL", "Construction lines"},
    {"CP", "Construction points"},
    {"PL", "Profile lines"},
    {"PP", "ProfilePoints"},
    {"P#", "Profile-line numbers"},
    {"MF", "Material fill"},
    {"M#", "Material numbers"},
    {"Pz1", "Piezometric lines, stage 1"},
    {"Pz2", "Piezometric lines, stage 2"},
    {"zP1", "Piezometric-line points, stage 1"},
    {"zP2", "Piezometric-line points, stage 2"},
    {"z#1", "Piezometric-line numbers, stage 1"},
    {"z#2", "Piezometric-line numbers, stage 2"},
    {"u1", "Pressure interpolation points, stage 1"},
    {"u2", "Pressure interpolation points, stage 2"},
    {"ru1", "R-sub-u interpolation points, stage 1"},
    {"ru2", "R-sub-u interpolation points, stage 2"},
    {"S1", "Strength interpolation points, stage 1"},
    {"S2", "Strength interpolation points, stage 2"},
    {"g1", "Unit-weight interpolation points, stage 1"},
    {"g2", "Unit-weight interpolation points, stage 2"},
    {"SL", "Slope line"},
    {"SP", "Slope points"},
    {"N1", "Distributed loads: normal stresses, stage 1"},
    {"N2", "Distributed loads: normal stresses, stage 2"},
    {"T1", "Distributed loads: shear stresses, stage 1"},
    {"T2", "Distributed loads: shear stresses, stage 2"},
    {"D1", "Distributed-load points, stage 1"},
    {"D2", "Distributed-load points, stage 2"},
    {"LL1", "Line loads, stage 1"},
    {"LL2", "Line loads, stage 2"},
    {"RL", "Reinforcement lines"},
    {"RP", "Reinforcement points"},
    {"RF", "Longitudinal reinforcement forces"},
    {"RT", "Transverse reinforcement forces"},
    {"C", "Centre of the initial trial circle(s)"},
    {"SS", "Initial trial slip surface"},
    {"SSP", "Points of the initial trial slip surface"},
    {"GR", "Circle-search grid"},
    {"TC", "Tension crack"},
    {"CW", "Water surface in the crack"},
    {"All", "All on"},
    {"Clr", "All off"},
};

}  // namespace

CPreprocessorPaletteBarDisplay::CPreprocessorPaletteBarDisplay(QWidget* parent)
    : QWidget(parent, Qt::Tool) {
    setObjectName("paletteBar");
    setWindowTitle("Show");
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(5, 5, 5, 5);
    grid->setSpacing(1);
    int slot = 0;
    for (int i = 0; i < kNumberOfDisplayOptions + 2; ++i) {
        const int id = kFirstDisplayOptionCommand + i;
        if (i == kNumberOfDisplayOptions) slot += slot % 2 == 0 ? 2 : 1;  // the separator row
        auto* button = new QToolButton(this);
        button->setText(kToggles[i].label);
        button->setToolTip(kToggles[i].tip);
        button->setObjectName(QString("palette%1").arg(id));
        button->setCheckable(i < kNumberOfDisplayOptions);
        button->setFixedSize(34, 24);
        connect(button, &QToolButton::clicked, this,
                [this, id] { GuardedCall("palette", [&] { OnCommand(id); }); });
        grid->addWidget(button, slot / 2, slot % 2);
        buttons_[static_cast<std::size_t>(i)] = button;
        ++slot;
    }
}

int CPreprocessorPaletteBarDisplay::IndexOf(int id) {
    if (id >= 1 && id <= kNumberOfDisplayOptions) return id - 1;
    if (id >= kFirstDisplayOptionCommand &&
        id < kFirstDisplayOptionCommand + kNumberOfDisplayOptions)
        return id - kFirstDisplayOptionCommand;
    return -1;
}

void CPreprocessorPaletteBarDisplay::ShowStates() {
    for (int i = 0; i < kNumberOfDisplayOptions; ++i)
        buttons_[static_cast<std::size_t>(i)]->setChecked(states_[static_cast<std::size_t>(i)]);
}

bool CPreprocessorPaletteBarDisplay::ToggleButton(int id) {
    const int index = IndexOf(id);
    if (index < 0) return false;
    Cpp_Kliven4DataSet* dataSet = Cpp_Kliven4Data::CurrentDataSetOrNull();
    const bool redraw = Cpp_DisplaySelections::TogglePaletteButton(
        states_, index, dataSet ? &dataSet->DisplayFlags() : nullptr);
    ShowStates();
    if (redraw && onRedraw) onRedraw();
    return states_[static_cast<std::size_t>(index)];
}

bool CPreprocessorPaletteBarDisplay::CheckButton(int id, bool state) {
    const int index = IndexOf(id);
    if (index < 0) return false;
    states_[static_cast<std::size_t>(index)] = state;
    ShowStates();
    return true;
}

void CPreprocessorPaletteBarDisplay::AllOn() {
    Cpp_Kliven4DataSet* dataSet = Cpp_Kliven4Data::CurrentDataSetOrNull();
    Cpp_DisplaySelections::SetAllPaletteButtons(states_, true,
                                                dataSet ? &dataSet->DisplayFlags() : nullptr);
    ShowStates();
    if (onRedraw) onRedraw();
}

void CPreprocessorPaletteBarDisplay::AllOff() {
    Cpp_Kliven4DataSet* dataSet = Cpp_Kliven4Data::CurrentDataSetOrNull();
    Cpp_DisplaySelections::SetAllPaletteButtons(states_, false,
                                                dataSet ? &dataSet->DisplayFlags() : nullptr);
    if (dataSet) Cpp_DisplaySelections::SetInterpolationDisplay(dataSet->DisplayFlags(), false);
    ShowStates();
    if (dataSet && onRedraw) onRedraw();
}

void CPreprocessorPaletteBarDisplay::RefreshFromDataSet() {
    Cpp_Kliven4DataSet* dataSet = Cpp_Kliven4Data::CurrentDataSetOrNull();
    if (!dataSet) {
        Cpp_DisplaySelections::UpdatePaletteBarChecks(states_);
    } else {
        for (int i = 0; i < kNumberOfDisplayOptions; ++i) {
            bool value = false;
            if (Cpp_DisplaySelections::GetDisplayOption(dataSet->DisplayFlags(), i, value))
                states_[static_cast<std::size_t>(i)] = value;
        }
    }
    ShowStates();
}

void CPreprocessorPaletteBarDisplay::OnCommand(int id) {
    if (id == kFirstDisplayOptionCommand + kNumberOfDisplayOptions)
        AllOn();
    else if (id == kFirstDisplayOptionCommand + kNumberOfDisplayOptions + 1)
        AllOff();
    else
        ToggleButton(id);
}

}  // namespace app
