// "Definition of Nail Properties": the bar and pullout values computed from what is entered
// (through the units in every bar option), and the window driven through its widgets from the
// nail data's opener.

#include "dialogs/list_box.h"
#include "dialogs/nail_geogrid_windows.h"
#include "dialogs/nail_properties_dialog.h"
#include "dialogs/nail_properties_form.h"
#include "loads/nail_data.h"
#include "loads/nail_geogrid_dialogs.h"
#include "platform/qt/modal_driver.h"
#include "support/fake_services.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include <functional>

namespace {

using dialogs::NailPropertiesDialog;
using dialogs::NailPropertiesForm;

// A new type: a 1-inch bar of 60 kips/sq.in. gives 0.785 sq. ins. and 47,124 pounds.
TEST(NailPropertiesForm, ANewTypeComputesItsBar) {
    NailPropertiesForm form({});
    EXPECT_EQ(form.fields.name, "Nail Type 1");
    EXPECT_NEAR(form.fields.barArea.value, 0.7854, 0.0001);
    EXPECT_NEAR(form.fields.barYieldForce.value, 47123.9, 0.1);
    EXPECT_EQ(form.BarDescription(), "Bar Description: Custom");
    EXPECT_TRUE(form.BarStates().diameter);
    EXPECT_FALSE(form.BarStates().area);
}

// By area: the diameter follows through the units, so both options agree for the same bar, and
// the force is the capacity in the force unit shown.
TEST(NailPropertiesForm, BarOptionsAgreeThroughTheUnits) {
    NailPropertiesForm form({});
    form.fields.capacityOption = Cpp_NailProperties::ByAreaAndYieldStress;
    form.fields.barArea = {0.79, 1};        // sq. ins.
    form.fields.barDiameter.unitIndex = 3;  // centimeters
    form.fields.barYieldForce.unitIndex = ForceKips;
    form.ApplyBarOption();
    EXPECT_NEAR(form.fields.barDiameter.value, 1.003 * 2.54, 0.001);
    EXPECT_NEAR(form.fields.barYieldForce.value, 47.4, 1e-9);
    EXPECT_NEAR(form.fields.barYieldForce.value, form.fields.Capacity(ForceKips), 1e-9);
    form.fields.capacityOption = Cpp_NailProperties::ByYieldForce;
    form.ApplyBarOption();
    EXPECT_EQ(form.fields.barArea.value, 0.0);
    EXPECT_EQ(form.fields.barYieldStress.value, 0.0);
    EXPECT_EQ(form.fields.barDiameter.value, 0.0);
}

// A 6-inch hole and 10 lbs./sq.in. give pi x 0.5 ft x 1440 lbs./sq.ft. = 2262 lbs./ft.
TEST(NailPropertiesForm, PulloutResistanceFromBondAndHole) {
    NailPropertiesForm form({});
    form.fields.holeDiameter = {6.0, LengthInches};
    form.fields.bondStress = {10.0, 1};
    form.RecomputePullout();
    EXPECT_NEAR(form.fields.resistancePerLength.value, 188.5, 0.05);
    form.fields.resistancePerLength.unitIndex = 0;
    form.RecomputePullout();
    EXPECT_NEAR(form.fields.resistancePerLength.value, 2261.9, 0.05);
    form.fields.pulloutOption = Cpp_NailProperties::ByResistancePerLength;
    form.ApplyPulloutOption();
    EXPECT_EQ(form.fields.holeDiameter.value, 0.0);
    EXPECT_EQ(form.fields.bondStress.value, 0.0);
}

// A type stored as a standard bar that the (empty) table does not hold is reported on loading.
TEST(NailPropertiesForm, AMissingStandardBarIsReportedOnLoading) {
    Cpp_NailProperties standard;
    standard.capacityOption = Cpp_NailProperties::FromBarTypes;
    standard.barTypeIndex = 2;
    NailPropertiesForm form({Cpp_NailProperties{}, standard});
    EXPECT_TRUE(form.Select(0));
    EXPECT_FALSE(form.Select(1));
    EXPECT_EQ(form.fields.barTypeIndex, 0);
    EXPECT_EQ(form.BarDescription(), "Bar Description: Unknown");
}

class NailPropertiesDialogTest : public ::testing::Test {
protected:
    void SetUp() override { NailGeogridDialogsSlot().Set(&windows_); }
    void TearDown() override { NailGeogridDialogsSlot().Reset(); }

    bool Run(std::function<void(NailPropertiesDialog*)> action) {
        bool reached = false;
        testsupport::WhenModal([&](QWidget* modal) {
            auto* dialog = qobject_cast<NailPropertiesDialog*>(modal);
            if (!dialog) {
                modal->close();
                return;
            }
            reached = true;
            action(dialog);
            if (dialog->isVisible()) dialog->reject();
        });
        const bool ok = nails.EditProperties();
        EXPECT_TRUE(reached);
        return ok;
    }
    static QLineEdit* Edit(QWidget* d, const char* name) { return d->findChild<QLineEdit*>(name); }
    static void Type(QWidget* d, const char* name, const QString& text) {
        QLineEdit* edit = Edit(d, name);
        testsupport::Retype(edit, text);
        emit edit->editingFinished();
    }
    static QComboBox* Combo(QWidget* d, const char* name) { return d->findChild<QComboBox*>(name); }

    testsupport::FakeServices fakes;
    dialogs::QtNailGeogridDialogs windows_;
    Cpp_NailData nails;
};

TEST_F(NailPropertiesDialogTest, ANewTypeShowsItsBarAndIsAdded) {
    EXPECT_TRUE(Run([](NailPropertiesDialog* d) {
        EXPECT_EQ(d->windowTitle(), "Definition of Nail Properties");
        EXPECT_EQ(Edit(d, "description")->text(), "Nail Type 1");
        EXPECT_EQ(Combo(d, "diameterUnit")->currentText(), "Inches");
        EXPECT_EQ(Combo(d, "yieldStressUnit")->currentText(), "kips/sq.in.");
        EXPECT_EQ(Combo(d, "yieldForceUnit")->currentText(), "Pounds");
        EXPECT_EQ(Edit(d, "area")->text().left(5), "0.785");
        EXPECT_EQ(Edit(d, "yieldForce")->text().left(7), "47123.8");
        EXPECT_EQ(d->findChild<QLabel*>("barDescription")->text(), "Bar Description: Custom");
        // No standard bars: that option is not offered.
        EXPECT_EQ(Combo(d, "barOption")->count(), 3);
        Type(d, "holeDiameter", "6");
        Type(d, "bondStress", "10");
        EXPECT_EQ(Edit(d, "resistance")->text().left(5), "188.4");
        Combo(d, "pulloutOption")->setCurrentIndex(1);
        EXPECT_FALSE(Edit(d, "bondStress")->isVisible());
        EXPECT_TRUE(Edit(d, "resistance")->isEnabled());
        QTest::mouseClick(d->findChild<QPushButton*>("addNail"), Qt::LeftButton);
        EXPECT_EQ(Edit(d, "description")->text(), "Nail Type 2");
        d->accept();
    }));
    ASSERT_EQ(nails.NumberOfPropertySets(), 1);
    EXPECT_EQ(nails.Properties()[0].name, "Nail Type 1");
    EXPECT_EQ(nails.Properties()[0].pulloutOption, Cpp_NailProperties::ByResistancePerLength);
    EXPECT_NEAR(nails.Properties()[0].barYieldForce.value, 47123.9, 0.1);
}

// OK with edits not stored in the selected type asks; Yes stores them, No closes without them.
TEST_F(NailPropertiesDialogTest, OkAsksAboutUnstoredEdits) {
    for (bool yes : {true, false}) {
        SCOPED_TRACE(yes);
        Cpp_NailProperties type;
        type.name = "Bar 25";
        type.barDiameter = {1.0, LengthInches};
        type.barYieldStress = {60.0, 3};
        type.barArea = {0.0, 1};
        type.barYieldForce = {0.0, ForcePounds};
        nails.Properties() = {type};
        fakes.messageBoxes.requests.clear();
        fakes.messageBoxes.answers = {yes ? platform::BoxResult::Yes : platform::BoxResult::No};
        EXPECT_TRUE(Run([](NailPropertiesDialog* d) {
            Type(d, "supplemental", "1.5");
            d->accept();
        }));
        ASSERT_EQ(fakes.messageBoxes.requests.size(), 1u);
        EXPECT_EQ(fakes.messageBoxes.requests[0].caption, "Notice");
        EXPECT_EQ(fakes.messageBoxes.requests[0].text,
                  "Data for current nail have changed.  Do you want to accept the changes?");
        EXPECT_EQ(nails.Properties()[0].supplementalFactorOfSafety, yes ? 1.5 : 1.0);
    }
}

}  // namespace
