// The windows shown before reinforcement lines are generated, driven through their widgets.

#include "core/units.h"
#include "dialogs/generation_units_dialogs.h"
#include "platform/qt/modal_driver.h"
#include "support/fake_services.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

namespace {

TEST(GenerationUnitsDialogs, GeogridOptionsShowOnlyTheStoredIncrementKind) {
    testsupport::FakeServices fakes;
    s_GeogridGenerationOptions stored;
    stored.incrementOption = s_GeogridGenerationOptions::IncrementDistance;
    stored.numberOfIncrements = 40;
    stored.incrementDistance = 0.25;
    stored.stopIfNotDeveloped = true;
    stored.lengthUnit = LengthMeters;
    stored.forceUnit = ForceNewtons;
    for (bool ok : {false, true}) {
        s_GeogridGenerationOptions options = stored;
        testsupport::WhenModal([ok](QWidget* d) {
            EXPECT_EQ(d->windowTitle(), "Reinforcement Generation for Geogrids");
            EXPECT_EQ(d->findChild<QLineEdit*>("distance")->text(), "0.25");
            EXPECT_EQ(d->findChild<QLineEdit*>("number")->text(), "0");
            EXPECT_EQ(d->findChild<QComboBox*>("lengthUnit")->currentText(), "Meters");
            EXPECT_EQ(d->findChild<QComboBox*>("forceUnit")->currentText(), "Newtons");
            testsupport::Retype(d->findChild<QLineEdit*>("distance"), "0.5");
            d->findChild<QCheckBox*>("stop")->click();
            d->findChild<QComboBox*>("forceUnit")->setCurrentIndex(ForceKilonewtons);
            QTest::keyClick(d->findChild<QLineEdit*>("distance"),
                            ok ? Qt::Key_Enter : Qt::Key_Escape);
        });
        EXPECT_EQ(dialogs::RunGeogridGenerationDialog(nullptr, options), ok);
        EXPECT_EQ(options.incrementDistance, ok ? 0.5 : 0.25);
        EXPECT_EQ(options.numberOfIncrements, 40);  // not the number shown
        EXPECT_EQ(options.stopIfNotDeveloped, !ok);
        EXPECT_EQ(options.forceUnit, ok ? ForceKilonewtons : ForceNewtons);
    }
}

TEST(GenerationUnitsDialogs, NailUnitsAreChosenFromTheLists) {
    testsupport::FakeServices fakes;
    int length = LengthFeet, force = ForcePounds;
    testsupport::WhenModal([](QWidget* d) {
        EXPECT_EQ(d->windowTitle(), "Reinforcement Generation for Soil Nails");
        EXPECT_EQ(d->findChild<QComboBox*>("lengthUnit")->currentText(), "Feet");
        EXPECT_EQ(d->findChild<QComboBox*>("forceUnit")->currentText(), "Pounds");
        d->findChild<QComboBox*>("lengthUnit")->setCurrentIndex(LengthInches);
        d->findChild<QComboBox*>("forceUnit")->setCurrentIndex(ForceKips);
        testsupport::PressButton(d, QDialogButtonBox::Ok);
    });
    EXPECT_TRUE(dialogs::RunNailGenerationDialog(nullptr, length, force));
    EXPECT_EQ(length, LengthInches);
    EXPECT_EQ(force, ForceKips);
}

}  // namespace
