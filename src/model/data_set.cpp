#include "model/data_set.h"
#include "core/data_entry_style.h"

#include "loads/distributed_load_data.h"
#include "model/data_check.h"
#include "model/derived_data.h"
#include "registry/data_set_drawing.h"

#include "profile/material_properties.h"

namespace {
int g_stage = 1;
bool g_olderFormat = false;
bool g_graphicsOutput = true;
}  // namespace

Cpp_Kliven4DataSet::Cpp_Kliven4DataSet(int number)
    : materials_(std::make_unique<Cpp_MaterialPropertyData>()) {
    SetNumber(number);
    for (int stage : {1, 2}) piezometricLines_[stage - 1].SetStage(stage);
    for (short stage : {1, 2}) interpolationData_[stage - 1].SetStage(stage);
    slopeGeometry_.SetCrackSource([this] { return DataSetCrack(*this); });
    g_graphicsOutput = true;
    Reset();
}

Cpp_Kliven4DataSet::~Cpp_Kliven4DataSet() = default;

void Cpp_Kliven4DataSet::Clear() {
    for (auto& lines : piezometricLines_) lines.Clear();
    for (auto& data : interpolationData_) data.ClearAll();
    heading_.DeleteLines();
    heading_.DeleteLabel();
    materials_->DeleteAllMaterials();
    analysis_.Clear();
    analysis_.Reset();
    loads_.Clear();
    profileLines_.DeleteAllLines();
    slopeGeometry_.DeleteAll();
    for (auto& slices : slices_) slices.Clear();
    for (auto& results : results_) results.Clear();
}

void Cpp_Kliven4DataSet::Reset() {
    for (auto& lines : piezometricLines_) lines.ApplyDefaultDisplayFlags();
    for (auto& data : interpolationData_) data.ApplyDefaultDisplayFlags();
    display_ = Cpp_DisplaySelections::Defaults();
    analysis_.InitDisplayFlags();
    loads_.Reset();
    profileLines_.ApplyDefaultDisplayFlags();
    slopeGeometry_.ApplyDefaultDisplayFlags();
    slices_[0].LoadDefaultDisplayFlags();
    results_[0].ResetFromDefaults();
}

void Cpp_Kliven4DataSet::ResetForNewData() {
    g_stage = 1;
    g_olderFormat = false;
    g_graphicsOutput = true;
    loads_.ResetForNewData();
    analysis_.SetDataDefined(false);
    analysis_.Reset();
}

int Cpp_Kliven4DataSet::CurrentStage() { return g_stage; }

void Cpp_Kliven4DataSet::SetCurrentStage(int stage) {
    CheckStage(stage);
    g_stage = stage;
}

bool Cpp_Kliven4DataSet::IsOlderFormat() { return g_olderFormat; }
void Cpp_Kliven4DataSet::SetOlderFormat(bool on) { g_olderFormat = on; }
bool Cpp_Kliven4DataSet::GraphicsOutputFlag() { return g_graphicsOutput; }
void Cpp_Kliven4DataSet::SetGraphicsOutputFlag(bool on) { g_graphicsOutput = on; }
int Cpp_Kliven4DataSet::DataEntryDialogStyle() { return DataEntryStyle(); }
void Cpp_Kliven4DataSet::SetDataEntryDialogStyle(int style) { SetDataEntryStyle(style); }

bool Cpp_Kliven4DataSet::EditGraphicsOutputFlag() {
    bool create = g_graphicsOutput;
    if (!OtherDataDialogSlot().Get().Run(create)) return false;
    g_graphicsOutput = create;
    return true;
}

namespace {

class CancelledOtherDataDialog final : public Cpp_OtherDataDialog {
public:
    bool Run(bool&) override { return false; }
};

}  // namespace

DialogSlot<Cpp_OtherDataDialog>& OtherDataDialogSlot() {
    static DialogSlot<Cpp_OtherDataDialog> slot("other input data dialog",
                                                std::make_unique<CancelledOtherDataDialog>());
    return slot;
}

void Cpp_Kliven4DataSet::CheckStage(int stage) {
    if (stage != 1 && stage != 2) throw Exc_IllegalStage();
}

bool Cpp_Kliven4DataSet::Draw(double lowestVisibleY, bool clip, int left, int top, int right,
                              int bottom) {
    // The display record of the data set is what the palette and the sheet change; the owners
    // that keep flags of their own follow it before they draw.
    try {
        Cpp_DisplaySelections::ApplyToOwners(*this, display_);
    } catch (...) {}
    return Cpp_DataSetDrawing::Draw(*this, lowestVisibleY, clip, left, top, right, bottom);
}

bool Cpp_Kliven4DataSet::SetDisplayOption(int option, bool value) {
    if (!Cpp_DisplaySelections::SetDisplayOption(display_, option, value)) return false;
    Cpp_DisplaySelections::ApplyToOwners(*this, display_);
    return true;
}

bool Cpp_Kliven4DataSet::StartDistributedLoadEntry(int stage) {
    if (!slopeGeometry_.HasSlopeData() && GenerateSlopeGeometry(*this, nullptr))
        slopeGeometry_.SetEnteredFlag(false);
    return DistributedLoads(stage)->EnsureLoadScale();
}
