// Every model-owned dialog interface in its slot: without a registered window a command does
// nothing; a registered window that is cancelled changes nothing and says nothing; one that
// ends with OK changes the data.

#include "app/application.h"
#include "app/document.h"
#include "app/main_frame.h"
#include "core/dialog_slot.h"
#include "core/file_io.h"
#include "core/preferences.h"
#include "core/units.h"
#include "dialogs/dialog_registration.h"
#include "graphics/graphic_grid.h"
#include "graphics/graphics.h"
#include "graphics/graphics_fixture.h"
#include "graphics/views.h"
#include "loads/generation_dialogs.h"
#include "loads/load_drawing_support.h"
#include "loads/nail_data.h"
#include "model/data_set.h"
#include "model/writer.h"
#include "platform/qt/modal_driver.h"
#include "platform/services.h"
#include "profile/material_properties.h"
#include "registry/display_selections.h"
#include "support/fake_services.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <QDialog>
#include <QWidget>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <string>

namespace {

// One fake per interface; `ok` decides whether it ends with OK (and edits) or is cancelled.
struct BoundsFake final : Cpp_Graphics::WindowBoundsDialog {
    bool ok = false;
    bool Run(Cpp_Graphics::WindowBoundsRecord& r) override {
        if (ok) r = {0, 40, 0, 20, 0};
        return ok;
    }
};
struct LargestFake final : Cpp_Graphics::LargestValueDialog {
    bool ok = false;
    bool Run(const std::string&, double& value) override {
        if (ok) value = 750.0;
        return ok;
    }
};
struct ScalingFake final : Cpp_Graphics::ScalingEditor {
    bool ok = false;
    bool Edit(int) override { return ok; }
};
struct GridFake final : Cpp_GraphicGrid::SettingsDialog {
    bool ok = false;
    bool Run(s_GridSettingsType& s) override {
        if (ok) s.spacing = 5.0;
        return ok;
    }
};
struct ViewsFake final : SetViewsDialogWindow {
    bool ok = false;
    bool Run(s_SetViewsChoice& c) override {
        if (ok) c.view = 2;
        return ok;
    }
};
struct SheetFake final : Cpp_DisplaySelections::Sheet {
    bool ok = false;
    bool Run(s_DisplaySheetData& d) override {
        if (ok) d.flags.profilePoints = false;
        return ok;
    }
};
struct SettingsFake final : SettingsSheet {
    bool ok = false;
    bool Run(s_SettingsSheetData& d) override {
        if (ok) d.values.angleDecimals = 6;
        return ok;
    }
};
struct UnitsFake final : UnitsSelectionDialog {
    bool ok = false;
    bool Run(s_UnitsSelection& s) override {
        if (ok) s.unitSystem = UnitSystemSI;
        return ok;
    }
};
struct MaterialGridFake final : MaterialGridDialog {
    bool ok = false;
    bool Run(int, const std::vector<std::pair<int, int>>&,
             std::vector<DialogMaterialData>& entries) override {
        if (ok) entries.push_back(DialogMaterialData{7, "Added", {}});
        return ok;
    }
};
struct MaterialFake final : MaterialDialog {
    bool ok = false;
    bool Run(int, const std::string&, DialogMaterialData& entry) override {
        if (ok) entry.description = "Edited";
        return ok;
    }
};
// Cancelled is No with the box unchecked; OK is Yes with "Don't warn me again" checked.
struct MultistageFake final : SaveMultistageWarning {
    bool ok = false;
    bool Ask(const std::string&, const std::string&, bool& dontWarnAgain) override {
        dontWarnAgain = ok;
        return ok;
    }
};
struct GenerationFake final : Cpp_ReinforcementGenerationDialogs {
    bool ok = false;
    bool EditNailGenerationUnits(int& length, int& force) override {
        if (ok) length = force = 2;
        return ok;
    }
    bool EditGeogridGenerationOptions(s_GeogridGenerationOptions&) override { return ok; }
    bool ChooseXValue(const std::vector<double>&, int&) override { return ok; }
};

struct LoadScalingFake final : platform::LoadScalingService {
    bool ok = false;
    std::optional<platform::LoadScaling> GetLoadScaling(int, const std::string&,
                                                        const platform::LoadScaling&) override {
        if (!ok) return std::nullopt;
        return platform::LoadScaling{3, 2.5};
    }
};

// The program-wide state the openers below touch, at its start.
void ResetState() {
    ResetDialogSlots();
    Cpp_Graphics::Reset();
    Cpp_GraphicGrid::Reset();
    ResetViews();
    Cpp_DisplaySelections::Reset();
    Cpp_KlivenSettings::Reset();
    ResetUnits();
    Cpp_Kliven4DataSet::SetCurrentStage(1);
}

class DialogSlotTable : public ::testing::Test {
protected:
    void SetUp() override { ResetState(); }
    void TearDown() override { ResetState(); }
    testsupport::FakeServices fakes;
};

// One row per slot: register a fake, run the opener a command would run, and read back the data
// the dialog edits as text.
struct SlotCase {
    std::string what;
    DialogSlotBase& slot;
    std::function<void(bool ok)> registerFake;
    std::function<bool()> open;
    std::function<std::string()> data;
};

TEST_F(DialogSlotTable, NeitherAMissingWindowNorCancelChangesAnything) {
    FakeWindow window({0, 0, 548, 348}, 96);
    Cpp_MaterialPropertiesList materials;
    Cpp_MaterialProperties material(3);
    Cpp_NailData nails;
    double largest = 100.0;
    BoundsFake bounds;
    LargestFake largestFake;
    ScalingFake scaling;
    GridFake grid;
    ViewsFake views;
    SheetFake sheet;
    SettingsFake settings;
    UnitsFake units;
    MaterialGridFake materialGrid;
    MaterialFake materialFake;
    MultistageFake multistage;
    GenerationFake generation;
    LoadScalingFake loadScaling;
    s_KindValueType scaleRecord{1, 62.4};
    auto fake = [](auto& slot, auto& f) {
        return [&slot, &f](bool ok) {
            f.ok = ok;
            slot.Set(&f);
        };
    };

    const SlotCase cases[] = {
        {"Set Display Bounds ...", Cpp_Graphics::WindowBoundsDialogSlot(),
         fake(Cpp_Graphics::WindowBoundsDialogSlot(), bounds),
         [&] { return Cpp_Graphics::SetDisplayBounds(&window, 2); },
         [&] { return std::to_string(Cpp_Graphics::GetWindow().xmax); }},
        {"Largest value", Cpp_Graphics::LargestValueDialogSlot(),
         fake(Cpp_Graphics::LargestValueDialogSlot(), largestFake),
         [&] { return Cpp_Graphics::GetLargestValueForScaling(3, largest); },
         [&] { return std::to_string(largest); }},
        {"Scale", Cpp_Graphics::ScalingEditorSlot(),
         fake(Cpp_Graphics::ScalingEditorSlot(), scaling),
         [] { return Cpp_Graphics::EditScalingForSelection(64); },
         [] { return std::to_string(Cpp_Graphics::ScaleIsStale()); }},
        {"Grid Settings ...", Cpp_GraphicGrid::SettingsDialogSlot(),
         fake(Cpp_GraphicGrid::SettingsDialogSlot(), grid), &Cpp_GraphicGrid::EditSettings,
         [] { return std::to_string(Cpp_GraphicGrid::Spacing()); }},
        {"Set View ...", SetViewsDialogSlot(), fake(SetViewsDialogSlot(), views), &SetViewsDialog,
         [] { return std::to_string(GetView(2)->defined); }},
        {"Selections ...", Cpp_DisplaySelections::SheetSlot(),
         fake(Cpp_DisplaySelections::SheetSlot(), sheet),
         [] { return Cpp_DisplaySelections::EditDisplaySelections(nullptr, nullptr); },
         [] { return std::to_string(Cpp_DisplaySelections::Defaults().profilePoints); }},
        {"General", Cpp_KlivenSettings::SettingsSheetSlot(),
         fake(Cpp_KlivenSettings::SettingsSheetSlot(), settings), &Cpp_KlivenSettings::EditSettings,
         [] { return std::to_string(Cpp_KlivenSettings::AngleDecimals()); }},
        {"Units", UnitsSelectionDialogSlot(), fake(UnitsSelectionDialogSlot(), units),
         &RunUnitsDialog, [] { return std::to_string(GetUnitSystem()); }},
        {"Material Properties", MaterialGridDialogSlot(),
         fake(MaterialGridDialogSlot(), materialGrid),
         [&] { return materials.EditMaterials({}, 1); },
         [&] { return std::to_string(materials.Count()); }},
        {"Material", MaterialDialogSlot(), fake(MaterialDialogSlot(), materialFake),
         [&] { return material.EditMaterial(1, {4}, false); },
         [&] { return material.Description(); }},
        {"Save", SaveMultistageWarningSlot(), fake(SaveMultistageWarningSlot(), multistage),
         [] { return AskSaveMultistageData("Text", "Question"); },
         [] { return std::to_string(Cpp_KlivenSettings::ShowWarnings()); }},
        {"Generate", ReinforcementGenerationDialogsSlot(),
         fake(ReinforcementGenerationDialogsSlot(), generation),
         [&] { return nails.EditGenerationUnits(); },
         [&] { return std::to_string(nails.generationLengthUnit); }},
        {"Distributed Load Scale", loads::LoadScalingDialogSlot(),
         fake(loads::LoadScalingDialogSlot(), loadScaling),
         [&] { return loads::EditScaleRecord(2, "Distributed Load Scale", scaleRecord); },
         [&] {
             return std::to_string(scaleRecord.kind) + " " + std::to_string(scaleRecord.value);
         }},
    };
    Cpp_Graphics::SetWindowCoordinates(&window, 0, 10, 0, 10, 2);
    for (const SlotCase& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string before = c.data();
        fakes.statusLine.SetText("");
        EXPECT_FALSE(RunDialogCommand(c.slot, c.open));
        EXPECT_EQ(fakes.statusLine.Text(), "");
        EXPECT_EQ(c.data(), before);

        c.registerFake(false);
        ASSERT_TRUE(c.slot.IsRegistered());
        fakes.statusLine.SetText("");
        EXPECT_FALSE(RunDialogCommand(c.slot, c.open));
        EXPECT_EQ(fakes.statusLine.Text(), "");
        EXPECT_EQ(c.data(), before);

        c.registerFake(true);
        EXPECT_TRUE(RunDialogCommand(c.slot, c.open));
        EXPECT_EQ(fakes.statusLine.Text(), "");
        EXPECT_NE(c.data(), before);
    }
    EXPECT_TRUE(fakes.messageBoxes.requests.empty());

    // One reset returns every slot to its stand-in; each slot is on the program-wide list.
    ResetDialogSlots();
    for (const SlotCase& c : cases) {
        EXPECT_FALSE(c.slot.IsRegistered()) << c.what;
        EXPECT_NE(std::find(DialogSlots().begin(), DialogSlots().end(), &c.slot),
                  DialogSlots().end())
            << c.what;
    }
}

// The program's windows come in through the one registration: the load-scaling dialog is a real
// window in its slot, and a Cancel on it leaves the record as it was.
TEST_F(DialogSlotTable, TheRegistrationPlugsInTheRealWindows) {
    QWidget main;
    dialogs::RegisterDialogWindows(&main);
    ASSERT_TRUE(loads::LoadScalingDialogSlot().IsRegistered());
    EXPECT_TRUE(Cpp_GraphicGrid::SettingsDialogSlot().IsRegistered());
    EXPECT_TRUE(Cpp_Graphics::WindowBoundsDialogSlot().IsRegistered());
    EXPECT_TRUE(SetViewsDialogSlot().IsRegistered());
    EXPECT_TRUE(Cpp_Graphics::LargestValueDialogSlot().IsRegistered());
    EXPECT_TRUE(UnitsSelectionDialogSlot().IsRegistered());
    QString shown;
    testsupport::WhenModal([&](QWidget* modal) {
        shown = modal->objectName();
        static_cast<QDialog*>(modal)->reject();
    });
    s_KindValueType record{1, 62.4};
    EXPECT_FALSE(loads::EditScaleRecord(2, "Distributed Load Scale", record));
    EXPECT_EQ(shown, "loadScalingDialog");
    EXPECT_EQ(record.kind, 1);
    EXPECT_EQ(record.value, 62.4);
    dialogs::UnregisterDialogWindows();
    EXPECT_FALSE(loads::LoadScalingDialogSlot().IsRegistered());
    EXPECT_FALSE(Cpp_GraphicGrid::SettingsDialogSlot().IsRegistered());
    EXPECT_FALSE(Cpp_Graphics::WindowBoundsDialogSlot().IsRegistered());
    EXPECT_FALSE(SetViewsDialogSlot().IsRegistered());
    EXPECT_FALSE(Cpp_Graphics::LargestValueDialogSlot().IsRegistered());
    EXPECT_FALSE(UnitsSelectionDialogSlot().IsRegistered());
}

// The frame's commands that open a dialog say nothing, with no window there or after Cancel.
TEST(DialogCommands, TheFrameSaysNothingWithoutAWindowOrAfterCancel) {
    ResetState();
    testsupport::TempDir config;
    setenv("XDG_CONFIG_HOME", config.Path().c_str(), 1);
    {
        app::Application program({"dravonet"});
        app::MainFrame& frame = program.Frame();
        frame.InitialUpdate();
        // The program registers its real windows; this test plugs in its own.
        ResetDialogSlots();
        BoundsFake bounds;
        ViewsFake views;
        GridFake grid;
        SettingsFake settings;
        SheetFake sheet;
        UnitsFake units;
        testsupport::FakeLoadScaling scaling;
        struct Case {
            int command;
            std::string what;
            std::function<void()> registerCancellingWindow;
        } cases[] = {
            {33040, "Set Display Bounds ...",
             [&] { Cpp_Graphics::WindowBoundsDialogSlot().Set(&bounds); }},
            {33043, "Set View ...", [&] { SetViewsDialogSlot().Set(&views); }},
            {32962, "Grid Settings ...", [&] { Cpp_GraphicGrid::SettingsDialogSlot().Set(&grid); }},
            {32938, "General", [&] { Cpp_KlivenSettings::SettingsSheetSlot().Set(&settings); }},
            {32934, "Selections ...", [&] { Cpp_DisplaySelections::SheetSlot().Set(&sheet); }},
            {32900, "Units", [&] { UnitsSelectionDialogSlot().Set(&units); }},
            {32936, "Line loads", [&] { loads::LoadScalingDialogSlot().Set(&scaling); }},
        };
        platform::StatusLineService& status = platform::Services().StatusLine();
        for (const Case& c : cases) {
            SCOPED_TRACE(c.what);
            status.SetText("");
            frame.OnCommand(c.command);
            EXPECT_EQ(status.Text(), "");
            c.registerCancellingWindow();
            status.SetText("");
            frame.OnCommand(c.command);
            EXPECT_EQ(status.Text(), "");
        }
        frame.Doc().SetModifiedFlag(false);
        frame.close();
    }
    ResetState();
    Cpp_FileIO::ResetForTests();
    unsetenv("XDG_CONFIG_HOME");
}

}  // namespace
