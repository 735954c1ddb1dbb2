// The preferences sheet driven through its widgets: from the "General" command, and through the
// preferences' own opener (the "<Application directory>" text, the save question, refusals).

#include "app/application.h"
#include "app/main_frame.h"
#include "core/dialog_slot.h"
#include "core/file_io.h"
#include "core/preferences.h"
#include "dialogs/dialog_registration.h"
#include "dialogs/settings_sheet.h"
#include "platform/qt/modal_driver.h"
#include "platform/services.h"
#include "support/fake_services.h"
#include "support/test_support.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace {

using dialogs::SettingsSheetDialog;

// Every decimals key with its value in the preferences.
struct DecimalsKey {
    const char* key;
    int& (*of)(s_KlivenSettingsValues&);
};
const DecimalsKey kDecimals[] = {
    {"Coordinates English",
     [](s_KlivenSettingsValues& v) -> int& { return v.coordinateDecimals.english; }},
    {"Coordinates SI", [](s_KlivenSettingsValues& v) -> int& { return v.coordinateDecimals.si; }},
    {"Coordinates Other",
     [](s_KlivenSettingsValues& v) -> int& { return v.coordinateDecimals.other; }},
    {"Lengths English", [](s_KlivenSettingsValues& v) -> int& { return v.lengthDecimals.english; }},
    {"Lengths SI", [](s_KlivenSettingsValues& v) -> int& { return v.lengthDecimals.si; }},
    {"Lengths Other", [](s_KlivenSettingsValues& v) -> int& { return v.lengthDecimals.other; }},
    {"Forces English", [](s_KlivenSettingsValues& v) -> int& { return v.forceDecimals.english; }},
    {"Forces SI", [](s_KlivenSettingsValues& v) -> int& { return v.forceDecimals.si; }},
    {"Forces Other", [](s_KlivenSettingsValues& v) -> int& { return v.forceDecimals.other; }},
    {"Stresses English",
     [](s_KlivenSettingsValues& v) -> int& { return v.stressDecimals.english; }},
    {"Stresses SI", [](s_KlivenSettingsValues& v) -> int& { return v.stressDecimals.si; }},
    {"Stresses Other", [](s_KlivenSettingsValues& v) -> int& { return v.stressDecimals.other; }},
    {"Unit Weights English",
     [](s_KlivenSettingsValues& v) -> int& { return v.unitWeightDecimals.english; }},
    {"Unit Weights SI", [](s_KlivenSettingsValues& v) -> int& { return v.unitWeightDecimals.si; }},
    {"Unit Weights Other",
     [](s_KlivenSettingsValues& v) -> int& { return v.unitWeightDecimals.other; }},
    {"Angles", [](s_KlivenSettingsValues& v) -> int& { return v.angleDecimals; }},
    {"c/p Ratios", [](s_KlivenSettingsValues& v) -> int& { return v.cpRatioDecimals; }},
    {"Factors of Safety",
     [](s_KlivenSettingsValues& v) -> int& { return v.factorOfSafetyDecimals; }},
    {"r-sub-u Values", [](s_KlivenSettingsValues& v) -> int& { return v.rSubUDecimals; }},
};

using testsupport::Retype;

class SettingsSheetTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetDialogSlots();
        Cpp_KlivenSettings::Reset();
        Cpp_KlivenSettings::SettingsSheetSlot().Set(&sheet);
    }
    void TearDown() override {
        ResetDialogSlots();
        Cpp_KlivenSettings::Reset();
    }
    // Runs the preferences' opener with the action on the sheet.
    bool Edit(std::function<void(SettingsSheetDialog&)> action) {
        testsupport::WhenModal([action](QWidget* modal) {
            auto* dialog = qobject_cast<SettingsSheetDialog*>(modal);
            ASSERT_NE(dialog, nullptr);
            action(*dialog);
            if (dialog->isVisible()) dialog->reject();
        });
        return Cpp_KlivenSettings::EditSettings();
    }
    dialogs::QtSettingsSheet sheet;
    testsupport::FakeServices fakes;
};

// Every value shows in its field and every typed value comes back on OK; Cancel keeps all.
TEST_F(SettingsSheetTest, EveryFieldShowsItsPreferenceAndOkStoresTheTypedValue) {
    s_KlivenSettingsValues start = Cpp_KlivenSettings::Values();
    int n = 0;
    for (const DecimalsKey& d : kDecimals) d.of(start) = n++;  // a distinct value per key
    start.unitWeightOfWater = {62.5, 9810.0, 9.81};
    start.programsDirectory = "/opt/kliven";
    start.showPathOnPrintedOutput = true;
    Cpp_KlivenSettings::SetValues(start);

    for (bool ok : {false, true}) {
        SCOPED_TRACE(ok ? "OK" : "Cancel");
        EXPECT_EQ(Edit([&](SettingsSheetDialog& d) {
                      EXPECT_EQ(d.windowTitle(), "KLIVEN4 PreProcessor Settings");
                      ASSERT_EQ(d.Pages()->count(), 3);
                      EXPECT_EQ(d.Pages()->tabText(0), "Decimals");
                      EXPECT_EQ(d.Pages()->tabText(1), "Values");
                      EXPECT_EQ(d.Pages()->tabText(2), "Miscellaneous");
                      int i = 0;
                      for (const DecimalsKey& k : kDecimals) {
                          SCOPED_TRACE(k.key);
                          QLineEdit* edit = d.DecimalsEdit(k.key);
                          ASSERT_NE(edit, nullptr);
                          EXPECT_EQ(edit->text(), QString::number(i));
                          Retype(edit, QString::number(20 + i++));
                      }
                      EXPECT_EQ(d.WaterEdit(0)->text(), "62.5");
                      EXPECT_EQ(d.WaterEdit(1)->text(), "9810");
                      EXPECT_EQ(d.WaterEdit(2)->text(), "9.81");
                      Retype(d.WaterEdit(0), "62.4");
                      Retype(d.WaterEdit(1), "9800.5");
                      Retype(d.WaterEdit(2), "1e1");
                      EXPECT_EQ(d.ProgramsFolder()->text(), "/opt/kliven");
                      EXPECT_TRUE(d.ShowFullPath()->isChecked());
                      EXPECT_TRUE(d.PromptMultiStage()->isChecked());
                      EXPECT_FALSE(d.SavePermanent()->isChecked());
                      d.ShowFullPath()->click();
                      d.PromptMultiStage()->click();
                      d.LocateAtRuntime()->click();
                      if (ok)
                          QTest::keyClick(d.WaterEdit(2), Qt::Key_Return);
                      else
                          QTest::keyClick(d.WaterEdit(2), Qt::Key_Escape);
                  }),
                  ok);
        const s_KlivenSettingsValues& v = Cpp_KlivenSettings::Values();
        s_KlivenSettingsValues copy = v;
        int i = 0;
        for (const DecimalsKey& k : kDecimals) EXPECT_EQ(k.of(copy), ok ? 20 + i++ : i++) << k.key;
        EXPECT_EQ(v.unitWeightOfWater.english, ok ? 62.4 : 62.5);
        EXPECT_EQ(v.unitWeightOfWater.si, ok ? 9800.5 : 9810.0);
        EXPECT_EQ(v.unitWeightOfWater.other, ok ? 10.0 : 9.81);
        EXPECT_EQ(v.showPathOnPrintedOutput, !ok);
        EXPECT_EQ(v.locatePrograms, ok);
        EXPECT_EQ(v.programsDirectory, "/opt/kliven");
        EXPECT_TRUE(v.defaultDirectory.empty());
        EXPECT_TRUE(fakes.messageBoxes.requests.empty());
    }
    // The prompt switch went off with OK (it lives in memory only).
    EXPECT_TRUE(Edit([](SettingsSheetDialog& d) {
        EXPECT_FALSE(d.PromptMultiStage()->isChecked());
        d.accept();
    }));
}

// A field that holds no number keeps the sheet open on its page with the whole message, and
// nothing is stored until every field reads.
TEST_F(SettingsSheetTest, ABadValueIsRefusedWithItsMessageOnItsPage) {
    struct Case {
        const char* what;
        std::function<QLineEdit*(SettingsSheetDialog&)> field;
        const char* text;
        int page;
        const char* message;
    } cases[] = {
        {"decimals, not an integer",
         [](SettingsSheetDialog& d) { return d.DecimalsEdit("Angles"); }, "2.5", 0,
         "Enter an integer."},
        {"decimals, empty", [](SettingsSheetDialog& d) { return d.DecimalsEdit("Stresses SI"); },
         "", 0, "Enter an integer."},
        {"unit weight, letters", [](SettingsSheetDialog& d) { return d.WaterEdit(1); }, "9800x", 1,
         "Enter a number."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        fakes.messageBoxes.requests.clear();
        EXPECT_FALSE(Edit([&](SettingsSheetDialog& d) {
            Retype(d.DecimalsEdit("Coordinates English"), "9");  // a good change beside the bad
            QLineEdit* bad = c.field(d);
            d.Pages()->setCurrentIndex(2);
            bad->setText(c.text);
            d.accept();
            EXPECT_TRUE(d.isVisible());
            EXPECT_EQ(d.Pages()->currentIndex(), c.page);
            ASSERT_EQ(fakes.messageBoxes.requests.size(), 1u);
            EXPECT_EQ(fakes.messageBoxes.requests[0].caption, "ERROR");
            EXPECT_EQ(fakes.messageBoxes.requests[0].text, c.message);
            EXPECT_EQ(fakes.messageBoxes.requests[0].icon, platform::BoxIcon::Stop);
            EXPECT_EQ(bad->selectedText(), bad->text());
        }));
        EXPECT_EQ(Cpp_KlivenSettings::Values().coordinateDecimals.english, 6);
    }
}

// "<Application directory>" stands for an empty folder both ways; a chosen folder replaces it;
// the programs rule follows the box at once; the save question writes the profile on Yes only.
TEST_F(SettingsSheetTest, FoldersTheProgramsRuleAndTheSaveQuestion) {
    fakes.fileDialogs.folderAnswers.push_back(std::nullopt);  // Cancel: nothing changes
    EXPECT_TRUE(Edit([&](SettingsSheetDialog& d) {
        EXPECT_EQ(d.DataFolder()->text(), "<Application directory>");
        d.SetDataFolderButton()->click();
        EXPECT_EQ(d.DataFolder()->text(), "<Application directory>");
        EXPECT_TRUE(d.ProgramsFolder()->isEnabled());
        EXPECT_TRUE(d.SetProgramsFolderButton()->isEnabled());
        d.LocateAtRuntime()->click();
        EXPECT_FALSE(d.ProgramsFolder()->isEnabled());
        EXPECT_FALSE(d.SetProgramsFolderButton()->isEnabled());
        d.LocateAtRuntime()->click();
        EXPECT_TRUE(d.SetProgramsFolderButton()->isEnabled());
        d.accept();
    }));
    EXPECT_EQ(Cpp_KlivenSettings::Values().defaultDirectory, "");
    ASSERT_EQ(fakes.fileDialogs.folderRequests.size(), 1u);
    EXPECT_EQ(fakes.fileDialogs.folderRequests[0].first,
              "Select default directory for data files.");

    fakes.fileDialogs.folderAnswers.push_back(std::filesystem::path("/data/slopes"));
    fakes.fileDialogs.folderAnswers.push_back(std::filesystem::path("/opt/kliven/bin"));
    for (platform::BoxResult answer : {platform::BoxResult::No, platform::BoxResult::Yes}) {
        const bool yes = answer == platform::BoxResult::Yes;
        SCOPED_TRACE(yes ? "Yes" : "No");
        fakes.messageBoxes.answers.push_back(answer);
        EXPECT_TRUE(Edit([&](SettingsSheetDialog& d) {
            if (!yes) {
                d.SetDataFolderButton()->click();
                d.SetProgramsFolderButton()->click();
            }
            Retype(d.DecimalsEdit("Angles"), yes ? "5" : "4");
            d.SavePermanent()->click();
            d.accept();
        }));
        const platform::MessageBoxRequest& question = fakes.messageBoxes.requests.back();
        EXPECT_EQ(question.caption, "Save settings?");
        EXPECT_EQ(question.text, "Do you want current settings saved as permanent Preferences?");
        EXPECT_EQ(Cpp_KlivenSettings::Values().angleDecimals, yes ? 5 : 4);
        EXPECT_EQ(Cpp_KlivenSettings::Values().defaultDirectory, "/data/slopes");
        EXPECT_EQ(Cpp_KlivenSettings::Values().programsDirectory, "/opt/kliven/bin");
        const auto angles = fakes.profile.values.find({"DECIMALS", "Angles"});
        if (yes) {
            ASSERT_NE(angles, fakes.profile.values.end());
            EXPECT_EQ(angles->second, "5");
        } else {
            EXPECT_EQ(angles, fakes.profile.values.end());
        }
    }
    EXPECT_EQ(fakes.fileDialogs.folderRequests.back().first,
              "Select default directory for KLIVEN and Vistrel executables.");
}

// The "General" command of the running program opens the registered sheet; Cancel says nothing.
TEST(SettingsSheetCommand, GeneralOpensTheSheet) {
    ResetDialogSlots();
    Cpp_KlivenSettings::Reset();
    testsupport::TempDir config;
    setenv("XDG_CONFIG_HOME", config.Path().c_str(), 1);
    {
        app::Application program({"dravonet"});
        app::MainFrame& frame = program.Frame();
        frame.InitialUpdate();
        for (bool ok : {false, true}) {
            platform::Services().StatusLine().SetText("");
            testsupport::WhenModal([ok](QWidget* modal) {
                auto* d = qobject_cast<SettingsSheetDialog*>(modal);
                ASSERT_NE(d, nullptr);
                Retype(d->DecimalsEdit("Forces SI"), "2");
                QTest::keyClick(d->DecimalsEdit("Forces SI"), ok ? Qt::Key_Enter : Qt::Key_Escape);
            });
            frame.OnCommand(32938);
            EXPECT_EQ(Cpp_KlivenSettings::Values().forceDecimals.si, ok ? 2 : 0);
            EXPECT_EQ(platform::Services().StatusLine().Text(), "");
        }
        frame.Doc().SetModifiedFlag(false);
        frame.close();
    }
    ResetDialogSlots();
    Cpp_KlivenSettings::Reset();
    Cpp_FileIO::ResetForTests();
    unsetenv("XDG_CONFIG_HOME");
}

}  // namespace
