// The option windows of the drawing tools and the selection options, opened through their
// slots and driven through their widgets.

#include "app/data_entry_options.h"
#include "core/tool_option_dialogs.h"
#include "dialogs/tool_option_dialogs.h"
#include "editing/selection_commands.h"
#include "graphics/data_entry_options.h"
#include "platform/qt/modal_driver.h"
#include "support/fake_services.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

#include <functional>

namespace {

class ToolOptionWindows : public ::testing::Test {
protected:
    void SetUp() override {
        ToolOptionDialogsSlot().Set(&windows);
        SelectionOptionsDialogSlot().Set(&selection);
    }
    void TearDown() override {
        ToolOptionDialogsSlot().Reset();
        SelectionOptionsDialogSlot().Reset();
    }
    // Runs the action on the window once it is up; answers what the opener answered.
    bool Open(const std::function<bool()>& run, const std::function<void(QDialog*)>& action) {
        bool reached = false;
        testsupport::WhenModal([&](QWidget* modal) {
            auto* dialog = qobject_cast<QDialog*>(modal);
            if (!dialog) {
                modal->close();
                return;
            }
            reached = true;
            action(dialog);
        });
        const bool ok = run();
        EXPECT_TRUE(reached);
        return ok;
    }
    template <class T = QWidget>
    static T* C(QDialog* d, int id) {
        T* w = d->findChild<T*>(QString("c%1").arg(id));
        EXPECT_NE(w, nullptr) << id;
        return w;
    }
    static QString Label(QDialog* d, int id) {
        return d->findChild<QLabel*>(QString("l%1").arg(id))->text();
    }
    static void Ok(QDialog* d) { testsupport::PressButton(d, QDialogButtonBox::Ok); }
    static void Cancel(QDialog* d) { testsupport::PressButton(d, QDialogButtonBox::Cancel); }

    testsupport::FakeServices fakes;
    dialogs::QtToolOptionDialogs windows;
    dialogs::QtSelectionOptions selection;
};

TEST_F(ToolOptionWindows, CrackStepAndARefusedNumber) {
    s_CrackToolOptions options;
    ASSERT_TRUE(Open([&] { return ToolOptionDialogsSlot().Get().Crack(options); },
                     [&](QDialog* d) {
                         EXPECT_EQ(d->windowTitle(), "Crack Tool Options");
                         EXPECT_EQ(Label(d, 2238), "Delta depth or elevation per wheel click:");
                         EXPECT_EQ(C<QLineEdit>(d, 2238)->text(), "1");
                         testsupport::Retype(C<QLineEdit>(d, 2238), "abc");
                         Ok(d);  // refused: the window stays
                         EXPECT_TRUE(d->isVisible());
                         testsupport::Retype(C<QLineEdit>(d, 2238), "0.25");
                         Ok(d);
                     }));
    EXPECT_EQ(options.step, 0.25);
    EXPECT_EQ(fakes.messageBoxes.Texts(), std::vector<std::string>{"Enter a number."});
    EXPECT_EQ(fakes.messageBoxes.requests[0].caption, "ERROR");

    EXPECT_FALSE(Open([&] { return ToolOptionDialogsSlot().Get().Crack(options); },
                      [&](QDialog* d) {
                          testsupport::Retype(C<QLineEdit>(d, 2238), "9");
                          Cancel(d);
                      }));
    EXPECT_EQ(options.step, 0.25);
}

// "Data Entry Options" from the Settings menu: OK stores the rubber-band switch.
TEST_F(ToolOptionWindows, DataEntryOptionsStoreTheRubberBandSwitch) {
    EXPECT_EQ(RubberBandLinesOption(), 1);
    ASSERT_TRUE(Open(&app::EditDataEntryOptions, [&](QDialog* d) {
        EXPECT_EQ(d->windowTitle(), "Data Entry Options");
        QCheckBox* box = C<QCheckBox>(d, 1983);
        EXPECT_EQ(box->text(), "\"Rubber-band\" lines during data entry");
        EXPECT_TRUE(box->isChecked());
        box->click();
        Ok(d);
    }));
    EXPECT_EQ(RubberBandLinesOption(), 0);
    EXPECT_FALSE(Open(&app::EditDataEntryOptions, [&](QDialog* d) {
        C<QCheckBox>(d, 1983)->click();
        Cancel(d);
    }));
    EXPECT_EQ(RubberBandLinesOption(), 0);
}

// The maximum for scaling is editable only with a load scale; the snap lists hold the five
// options.
TEST_F(ToolOptionWindows, LoadOptionsAndTheSnapList) {
    s_LineLoadToolOptions line;
    ASSERT_TRUE(
        Open([&] { return ToolOptionDialogsSlot().Get().LineLoad(line); },
             [&](QDialog* d) {
                 EXPECT_EQ(d->windowTitle(), "Line Load Data Entry Options");
                 EXPECT_FALSE(C(d, 1964)->isEnabled());
                 QComboBox* snap = C<QComboBox>(d, 1962);
                 QStringList items;
                 for (int i = 0; i < snap->count(); ++i) items << snap->itemText(i);
                 EXPECT_EQ(items,
                           (QStringList{"No snap - snap off", "Snap horizontally to slope",
                                        "Snap vertically to slope", "Snap perpendicularly to slope",
                                        "Snap to point /or/ perpendicularly to line"}));
                 snap->setCurrentIndex(4);
                 testsupport::Retype(C<QLineEdit>(d, 2237), "2.5");
                 Ok(d);
             }));
    EXPECT_EQ(line.snap, 4);
    EXPECT_EQ(line.inclinationStep, 2.5);
    EXPECT_EQ(line.forceStep, 100.0);

    s_DistributedLoadToolOptions distributed;
    distributed.scalingAvailable = true;
    distributed.maximumStress = 500;
    ASSERT_TRUE(Open([&] { return ToolOptionDialogsSlot().Get().DistributedLoad(distributed); },
                     [&](QDialog* d) {
                         EXPECT_EQ(d->windowTitle(), "Distributed Load Data Entry Options");
                         EXPECT_TRUE(C(d, 1935)->isEnabled());
                         EXPECT_EQ(C<QLineEdit>(d, 1935)->text(), "500");
                         EXPECT_EQ(C<QLineEdit>(d, 1988)->text(), "25");
                         testsupport::Retype(C<QLineEdit>(d, 1935), "750");
                         Ok(d);
                     }));
    EXPECT_EQ(distributed.maximumStress, 750);
}

TEST_F(ToolOptionWindows, FixedGridOptionsWithOnePointCountAlongALine) {
    s_CircleSearch2ToolOptions options{5, 7, false};
    ASSERT_TRUE(Open([&] { return ToolOptionDialogsSlot().Get().CircleSearch2(options); },
                     [&](QDialog* d) {
                         EXPECT_EQ(d->windowTitle(),
                                   "Options for \"Fixed Grid\" Search with Circles");
                         EXPECT_EQ(Label(d, 2150), "Number of points across grid:");
                         EXPECT_FALSE(C(d, 2152)->isHidden());
                         C<QCheckBox>(d, 2153)->click();
                         EXPECT_EQ(Label(d, 2150), "Number of points along line:");
                         EXPECT_TRUE(C(d, 2152)->isHidden());
                         EXPECT_FALSE(C(d, 2152)->isEnabled());
                         testsupport::Retype(C<QLineEdit>(d, 2150), "1.5");
                         Ok(d);  // "Enter an integer."
                         testsupport::Retype(C<QLineEdit>(d, 2150), "9");
                         Ok(d);
                     }));
    EXPECT_TRUE(options.alongLine);
    EXPECT_EQ(options.pointsAcross, 9);
    EXPECT_EQ(fakes.messageBoxes.Texts(), std::vector<std::string>{"Enter an integer."});

    s_CircleSearch1ToolOptions floating;
    ASSERT_TRUE(Open([&] { return ToolOptionDialogsSlot().Get().CircleSearch1(floating); },
                     [&](QDialog* d) {
                         EXPECT_EQ(d->windowTitle(),
                                   "Options for \"Floating Grid\"  Search with Circles");
                         EXPECT_FALSE(C(d, 2127)->isEnabled());
                         C<QCheckBox>(d, 2126)->click();
                         EXPECT_TRUE(C(d, 2127)->isEnabled());
                         testsupport::Retype(C<QLineEdit>(d, 2127), "-12");
                         Ok(d);
                     }));
    EXPECT_TRUE(floating.limitCentres);
    EXPECT_EQ(floating.limitElevation, -12);
}

TEST_F(ToolOptionWindows, InterpolationOptionsByKind) {
    struct Case {
        int kind;
        int heads;
        const char* label;
    };
    for (const Case& k : {Case{1, 0, "Change in pore water pressure per wheel click:"},
                          Case{1, 1, "Change in total head per wheel click:"},
                          Case{2, 0, "Change in pore pressure coefficient (ru) per wheel click:"},
                          Case{3, 0, "Change in undrained shear strength per wheel click:"},
                          Case{5, 0, "Change in c/p ratio per wheel click:"},
                          Case{4, 0, "Delta ???? per wheel click"}}) {
        s_InterpolationToolOptions options;
        options.kind = k.kind;
        options.heads = k.heads;
        EXPECT_FALSE(Open([&] { return ToolOptionDialogsSlot().Get().Interpolation(options); },
                          [&](QDialog* d) {
                              EXPECT_EQ(d->windowTitle(), "Interpolation Data Entry Options");
                              EXPECT_EQ(Label(d, 1999), k.label);
                              EXPECT_EQ(C(d, 2030)->isHidden(), k.kind != 1) << k.kind;
                              EXPECT_EQ(C(d, 2000)->isEnabled(), k.kind == 1) << k.kind;
                              Cancel(d);
                          }));
    }

    s_InterpolationToolOptions options;
    options.kind = 1;
    fakes.fileDialogs.openAnswers.push_back(std::filesystem::path("/data/points.upp"));
    ASSERT_TRUE(Open([&] { return ToolOptionDialogsSlot().Get().Interpolation(options); },
                     [&](QDialog* d) {
                         EXPECT_FALSE(C(d, 2020)->isEnabled());
                         EXPECT_FALSE(C(d, 2030)->isEnabled());
                         C<QCheckBox>(d, 2018)->click();
                         EXPECT_TRUE(C(d, 2020)->isEnabled());
                         EXPECT_TRUE(C(d, 2030)->isEnabled());
                         C<QComboBox>(d, 2030)->setCurrentIndex(1);
                         C<QPushButton>(d, 2021)->click();
                         C<QRadioButton>(d, 2002)->click();
                         Ok(d);
                     }));
    EXPECT_TRUE(options.importFromFile);
    EXPECT_EQ(options.fileType, 1);
    EXPECT_EQ(options.fileName, "/data/points.upp");
    EXPECT_EQ(options.heads, 1);
    ASSERT_EQ(fakes.fileDialogs.openRequests.size(), 1u);
    EXPECT_EQ(fakes.fileDialogs.openRequests[0].title,
              "Open SEEP2D file for interpolation point data");
}

TEST_F(ToolOptionWindows, OtherWindowsShowAndReturnTheirFields) {
    s_ReinforcementToolOptions reinforcement;
    ASSERT_TRUE(Open([&] { return ToolOptionDialogsSlot().Get().Reinforcement(reinforcement); },
                     [&](QDialog* d) {
                         EXPECT_EQ(d->windowTitle(), "Reinforcement Data Entry Options");
                         EXPECT_TRUE(C<QRadioButton>(d, 2006)->isChecked());
                         C<QRadioButton>(d, 2007)->click();
                         C<QComboBox>(d, 1805)->setCurrentIndex(1);
                         testsupport::Retype(C<QLineEdit>(d, 1811), "0.5");
                         Ok(d);
                     }));
    EXPECT_EQ(reinforcement.displayedForce, 1);
    EXPECT_EQ(reinforcement.forceApplication, 1);
    EXPECT_EQ(reinforcement.tolerance, 0.5);

    s_NoncircularToolOptions noncircular;
    ASSERT_TRUE(Open([&] { return ToolOptionDialogsSlot().Get().Noncircular(noncircular); },
                     [&](QDialog* d) {
                         EXPECT_EQ(d->windowTitle(), "Noncircular Slip Surface Data Options");
                         testsupport::Retype(C<QLineEdit>(d, 2016), "60");
                         Ok(d);
                     }));
    EXPECT_EQ(noncircular.maximumSteepness, 60);

    for (bool geogrid : {false, true}) {
        s_NailToolOptions nail;
        auto run = [&] {
            return geogrid ? ToolOptionDialogsSlot().Get().Geogrid(nail)
                           : ToolOptionDialogsSlot().Get().Nail(nail);
        };
        ASSERT_TRUE(Open(run, [&](QDialog* d) {
            EXPECT_EQ(d->windowTitle(), geogrid ? "Individual Geogrid Data Entry Options"
                                                : "Individual Nail Data Entry Options");
            QComboBox* snap = C<QComboBox>(d, geogrid ? 1978 : 1960);
            EXPECT_EQ(snap->currentIndex(), 3);
            snap->setCurrentIndex(1);
            Ok(d);
        }));
        EXPECT_EQ(nail.snap, 1);
    }
}

// World distance stores the units setting 2 and reopens on the second radio button.
TEST_F(ToolOptionWindows, SelectionOptionsKeepTheUnitsOneBased) {
    ASSERT_TRUE(Open(&EditSelectedItemOptions, [&](QDialog* d) {
        EXPECT_EQ(d->windowTitle(), "Selection Options");
        EXPECT_TRUE(C<QRadioButton>(d, 2240)->isChecked());
        EXPECT_EQ(C<QRadioButton>(d, 2241)->text(), "Nudge distnace in \"world\" distance");
        C<QRadioButton>(d, 2241)->click();
        testsupport::Retype(C<QLineEdit>(d, 2243), "0.5");
        Ok(d);
    }));
    EXPECT_EQ(NudgeOptions().mode, 2);
    EXPECT_EQ(NudgeOptions().distance, 0.5);
    EXPECT_FALSE(Open(&EditSelectedItemOptions, [&](QDialog* d) {
        EXPECT_TRUE(C<QRadioButton>(d, 2241)->isChecked());
        EXPECT_FALSE(C<QRadioButton>(d, 2240)->isChecked());
        Cancel(d);
    }));
}

}  // namespace
