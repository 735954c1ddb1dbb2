// "Set View", "Largest value for scaling" and "Units Selection" driven through their widgets,
// each opened by the operation its command runs; and the unit lists.

#include "core/units.h"
#include "dialogs/unit_lists.h"
#include "dialogs/view_units_dialogs.h"
#include "graphics/graphics.h"
#include "graphics/views.h"
#include "platform/qt/modal_driver.h"
#include "support/fake_services.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

#include <functional>

namespace {

// Runs open(); once the dialog of type D is up, the action runs on it.
template <class D>
bool Drive(const std::function<bool()>& open, std::function<void(D*)> action) {
    bool reached = false;
    testsupport::WhenModal([&](QWidget* modal) {
        auto* dialog = qobject_cast<D*>(modal);
        if (!dialog) {
            modal->close();
            return;
        }
        reached = true;
        action(dialog);
    });
    const bool ok = open();
    EXPECT_TRUE(reached);
    return ok;
}

QComboBox* Combo(QDialog* d, const char* name) { return d->findChild<QComboBox*>(name); }

class ViewUnitsDialogsTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetViewsDialogSlot().Set(&setViews);
        Cpp_Graphics::LargestValueDialogSlot().Set(&largest);
        UnitsSelectionDialogSlot().Set(&units);
    }
    void TearDown() override {
        SetViewsDialogSlot().Reset();
        Cpp_Graphics::LargestValueDialogSlot().Reset();
        UnitsSelectionDialogSlot().Reset();
    }

    testsupport::FakeServices fakes;
    dialogs::QtSetViews setViews;
    dialogs::QtLargestValue largest;
    dialogs::QtUnitsSelection units;
};

TEST_F(ViewUnitsDialogsTest, SetViewOpensOnTheFirstUndefinedViewAndStoresTheChoice) {
    ASSERT_TRUE(AssignView(1));
    ASSERT_TRUE(AssignView(2));
    ASSERT_TRUE(Drive<dialogs::CmSetViews>(&SetViewsDialog, [](dialogs::CmSetViews* d) {
        EXPECT_EQ(d->windowTitle(), "Set View");
        EXPECT_EQ(Combo(d, "view")->currentText(), "3");
        EXPECT_EQ(Combo(d, "view")->count(), 6);
        EXPECT_FALSE(d->findChild<QCheckBox*>("clearAll")->isChecked());
        Combo(d, "view")->setCurrentIndex(4);
        testsupport::PressButton(d, QDialogButtonBox::Ok);
    }));
    EXPECT_TRUE(GetView(5)->defined);
    EXPECT_FALSE(GetView(3)->defined);
    // Cancel changes nothing and says nothing.
    EXPECT_FALSE(Drive<dialogs::CmSetViews>(&SetViewsDialog, [](dialogs::CmSetViews* d) {
        Combo(d, "view")->setCurrentIndex(5);
        testsupport::PressButton(d, QDialogButtonBox::Cancel);
    }));
    EXPECT_FALSE(GetView(6)->defined);
    EXPECT_EQ(fakes.statusLine.Text(), "");
    // With all six defined it opens on "1"; "Clear all views" clears them.
    for (int n = 1; n <= 6; ++n) AssignView(n);
    ASSERT_TRUE(Drive<dialogs::CmSetViews>(&SetViewsDialog, [](dialogs::CmSetViews* d) {
        EXPECT_EQ(Combo(d, "view")->currentText(), "1");
        QTest::mouseClick(d->findChild<QCheckBox*>("clearAll"), Qt::LeftButton);
        testsupport::PressButton(d, QDialogButtonBox::Ok);
    }));
    for (int n = 1; n <= 6; ++n) EXPECT_FALSE(GetView(n)->defined) << n;
}

TEST_F(ViewUnitsDialogsTest, LargestValueShowsItsQuantityAndReturnsTheTypedValue) {
    const std::pair<int, const char*> labels[] = {{2, "Largest value for distributed load"},
                                                  {3, "Largest value for line load"},
                                                  {4, "Largest value for reinforcement force"}};
    for (const auto& [kind, label] : labels) {
        double value = 250;
        ASSERT_TRUE(Drive<dialogs::CmLargestValueForScaling>(
            [&] { return Cpp_Graphics::GetLargestValueForScaling(kind, value); },
            [&](dialogs::CmLargestValueForScaling* d) {
                EXPECT_EQ(d->windowTitle(), "Largest value for scaling");
                EXPECT_EQ(d->findChild<QLabel*>("label")->text(), label);
                EXPECT_EQ(d->findChild<QLineEdit*>("value")->text(), "250");
                testsupport::Retype(d->findChild<QLineEdit*>("value"), "1500.5");
                testsupport::PressButton(d, QDialogButtonBox::Ok);
            }));
        EXPECT_EQ(value, 1500.5) << kind;
    }
    // Quantity 1 has no dialog.
    double value = 7;
    EXPECT_FALSE(Cpp_Graphics::GetLargestValueForScaling(1, value));
    EXPECT_EQ(value, 7);
}

// A largest value that is no number, zero or negative would scale every arrow to nothing or
// turn it round: it is refused and the dialog stays open on the field.
TEST_F(ViewUnitsDialogsTest, ALargestValueThatIsNoNumberOrNotAboveZeroIsRefused) {
    const std::pair<const char*, const char*> cases[] = {
        {"abc", "Enter a number."},
        {"0", "Enter a value greater than 0."},
        {"-12", "Enter a value greater than 0."},
        {"", "Enter a number."},
    };
    for (const auto& [text, message] : cases) {
        fakes.messageBoxes.requests.clear();
        double value = 80;
        EXPECT_FALSE(Drive<dialogs::CmLargestValueForScaling>(
            [&] { return Cpp_Graphics::GetLargestValueForScaling(3, value); },
            [&](dialogs::CmLargestValueForScaling* d) {
                QLineEdit* edit = d->findChild<QLineEdit*>("value");
                testsupport::Retype(edit, text);
                testsupport::PressButton(d, QDialogButtonBox::Ok);
                EXPECT_TRUE(d->isVisible()) << text;
                EXPECT_EQ(edit->selectedText(), edit->text()) << text;
                testsupport::PressButton(d, QDialogButtonBox::Cancel);
            }));
        ASSERT_EQ(fakes.messageBoxes.requests.size(), 1u) << text;
        const platform::MessageBoxRequest& box = fakes.messageBoxes.requests[0];
        EXPECT_EQ(box.caption, "ERROR");
        EXPECT_EQ(box.text, message);
        EXPECT_EQ(box.icon, platform::BoxIcon::Stop);
        EXPECT_EQ(value, 80) << text;
    }
}

TEST_F(ViewUnitsDialogsTest, UnitsSelectionLocksTheUnitsOfEnglishAndSIAndStoresOtherUnits) {
    SetUnitSystem(UnitSystemEnglish);
    ASSERT_TRUE(Drive<dialogs::CmUnitsSelection>(&RunUnitsDialog, [](dialogs::CmUnitsSelection* d) {
        EXPECT_EQ(d->windowTitle(), "Units Selection");
        QComboBox* system = Combo(d, "units");
        QComboBox* force = Combo(d, "forceUnits");
        QComboBox* length = Combo(d, "lengthUnits");
        EXPECT_EQ(system->currentText(), "English");
        EXPECT_EQ(force->currentText(), "Pounds");
        EXPECT_EQ(length->currentText(), "Feet");
        EXPECT_FALSE(force->isEnabled());
        EXPECT_FALSE(length->isEnabled());
        system->setCurrentIndex(1);
        EXPECT_EQ(force->currentText(), "Newtons");
        EXPECT_EQ(length->currentText(), "Meters");
        EXPECT_FALSE(force->isEnabled());
        EXPECT_FALSE(length->isEnabled());
        system->setCurrentIndex(2);
        EXPECT_EQ(force->currentText(), "Newtons");
        EXPECT_EQ(length->currentText(), "Meters");
        EXPECT_TRUE(force->isEnabled());
        EXPECT_TRUE(length->isEnabled());
        force->setCurrentIndex(4);
        testsupport::PressButton(d, QDialogButtonBox::Ok);
    }));
    EXPECT_EQ(GetUnitSystem(), UnitSystemOther);
    int lengthIndex = -1, forceIndex = -1;
    ASSERT_TRUE(GetOtherUnits(lengthIndex, forceIndex));
    EXPECT_EQ(lengthIndex, 4);  // Meters
    EXPECT_EQ(forceIndex, 4);   // KiloNewtons
    // Cancel keeps the units as they were.
    EXPECT_FALSE(
        Drive<dialogs::CmUnitsSelection>(&RunUnitsDialog, [](dialogs::CmUnitsSelection* d) {
            EXPECT_EQ(Combo(d, "units")->currentText(), "Other");
            EXPECT_EQ(Combo(d, "forceUnits")->currentText(), "KiloNewtons");
            Combo(d, "units")->setCurrentIndex(0);
            testsupport::PressButton(d, QDialogButtonBox::Cancel);
        }));
    EXPECT_EQ(GetUnitSystem(), UnitSystemOther);
}

TEST(UnitLists, EachListHoldsItsUnitsInCodeOrderWithNoneChosen) {
    const struct {
        dialogs::UnitsList* list;
        QStringList entries;
    } lists[] = {
        {new dialogs::CmLengthUnitsList,
         {"Feet", "Inches", "Millimeters", "Centimeters", "Meters"}},
        {new dialogs::CmForceUnitsList,
         {"Pounds", "Kips", "Kilograms force", "Newtons", "KiloNewtons"}},
        {new dialogs::CmForcePerLengthUnitsList,
         {"lbs./ft.", "lbs./in.", "kips/ft.", "kips/in.", "kgf/mm.", "kgf/cm.", "kgf/m", "N/mm.",
          "N/cm.", "N/m", "kN/mm.", "kN/cm.", "kN/m"}},
        {new dialogs::CmAreaUnitsList, {"sq. ft.", "sq. ins.", "sq. mm.", "sq. cm.", "sq. m."}},
        {new dialogs::CmStressUnitsList,
         {"lbs./sq.ft.", "lbs./sq.in.", "kips/sq.ft.", "kips/sq.in.", "pascal", "kilo-pascal"}},
    };
    for (const auto& [list, entries] : lists) {
        QStringList shown;
        for (int i = 0; i < list->count(); ++i) shown << list->itemText(i);
        EXPECT_EQ(shown, entries);
        EXPECT_EQ(list->currentIndex(), -1);
        delete list;
    }
}

}  // namespace
