// "Geo-Grid Properties" driven through its widgets, opened by the geogrid data's opener as its
// command opens it.

#include "dialogs/geogrid_properties_dialog.h"
#include "dialogs/list_box.h"
#include "dialogs/nail_geogrid_windows.h"
#include "loads/geogrid_data.h"
#include "loads/nail_geogrid_dialogs.h"
#include "platform/qt/modal_driver.h"
#include "support/fake_services.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include <functional>

namespace {

using dialogs::GeogridPropertiesDialog;

class GeogridPropertiesDialogTest : public ::testing::Test {
protected:
    void SetUp() override { NailGeogridDialogsSlot().Set(&windows_); }
    void TearDown() override { NailGeogridDialogsSlot().Reset(); }

    bool Run(std::function<void(GeogridPropertiesDialog*)> action) {
        bool reached = false;
        testsupport::WhenModal([&](QWidget* modal) {
            auto* dialog = qobject_cast<GeogridPropertiesDialog*>(modal);
            if (!dialog) {
                modal->close();
                return;
            }
            reached = true;
            action(dialog);
            if (dialog->isVisible()) dialog->reject();
        });
        const bool ok = grids.EditProperties();
        EXPECT_TRUE(reached);
        return ok;
    }
    static QLineEdit* Edit(QWidget* d, const char* name) { return d->findChild<QLineEdit*>(name); }
    static void Type(QWidget* d, const char* name, const QString& text) {
        QLineEdit* edit = Edit(d, name);
        testsupport::Retype(edit, text);
        emit edit->editingFinished();
    }
    static void Click(QWidget* d, const char* name) {
        QTest::mouseClick(d->findChild<QPushButton*>(name), Qt::LeftButton);
    }

    testsupport::FakeServices fakes;
    dialogs::QtNailGeogridDialogs windows_;
    Cpp_GeogridData grids;
};

TEST_F(GeogridPropertiesDialogTest, ANewTypeIsComputedFromTheUltimateStrength) {
    EXPECT_TRUE(Run([](GeogridPropertiesDialog* d) {
        EXPECT_EQ(d->windowTitle(), "Geo-Grid Properties");
        EXPECT_EQ(Edit(d, "description")->text(), "Grid Type 1");
        auto* option = d->findChild<QComboBox*>("strengthOption");
        EXPECT_EQ(option->currentText(), "Computed from ultimate and factors of safety");
        // No standard geogrids: the standard list is not offered.
        EXPECT_EQ(option->count(), 2);
        EXPECT_EQ(Edit(d, "fsInstallation")->text(), "3");
        EXPECT_EQ(Edit(d, "fsCreep")->text(), "5");
        EXPECT_EQ(Edit(d, "fsBiological")->text(), "1.3");
        EXPECT_EQ(Edit(d, "fsChemical")->text(), "2");
        EXPECT_FALSE(Edit(d, "allowable")->isEnabled());
        EXPECT_TRUE(Edit(d, "fsCreep")->isVisible());
        EXPECT_FALSE(Edit(d, "fsStrength")->isVisible());
        Type(d, "ultimate", "100");
        EXPECT_EQ(Edit(d, "allowable")->text(), "2.56");
        d->findChild<QCheckBox*>("oneFactor")->click();
        EXPECT_TRUE(Edit(d, "fsStrength")->isVisible());
        EXPECT_FALSE(Edit(d, "fsCreep")->isVisible());
        Type(d, "fsStrength", "2");
        Type(d, "ultimate", "50");
        EXPECT_EQ(Edit(d, "allowable")->text(), "25");
        Click(d, "addGrid");
        EXPECT_EQ(Edit(d, "description")->text(), "Grid Type 2");
        EXPECT_EQ(d->TypeList()->DataRowCount(), 1);
        QTest::keyClick(Edit(d, "alpha"), Qt::Key_Enter);
    }));
    ASSERT_EQ(grids.NumberOfPropertySets(), 1);
    const Cpp_GeogridProperties& added = grids.Properties()[0];
    EXPECT_EQ(added.name, "Grid Type 1");
    EXPECT_EQ(added.strengthOption, Cpp_GeogridProperties::FromUltimateAndFactors);
    EXPECT_TRUE(added.oneFactorOfSafety);
    EXPECT_EQ(added.ultimateStrength.value, 50.0);
    EXPECT_EQ(added.allowableStrength.value, 25.0);
}

TEST_F(GeogridPropertiesDialogTest, OptionsAndTypesFollowTheChoices) {
    Cpp_GeogridProperties a;
    a.name = "Grid A";
    Cpp_GeogridProperties b;
    b.name = "Grid B";
    b.interactionOption = Cpp_GeogridProperties::InteractionFromEquation;
    b.rho = 30;
    b.fq = 1;
    b.alphaBeta = 0.5;
    grids.Properties() = {a, b};
    EXPECT_TRUE(Run([](GeogridPropertiesDialog* d) {
        EXPECT_EQ(d->TypeList()->DataRowCount(), 2);
        EXPECT_EQ(Edit(d, "description")->text(), "Grid A");
        d->TypeList()->SetCurSel(1);
        EXPECT_EQ(Edit(d, "description")->text(), "Grid B");
        EXPECT_EQ(Edit(d, "fStar")->text().left(5), "1.077");
        EXPECT_FALSE(Edit(d, "fStar")->isEnabled());
        d->findChild<QComboBox*>("pulloutOption")->setCurrentIndex(0);
        EXPECT_TRUE(Edit(d, "fStar")->isEnabled());
        EXPECT_EQ(Edit(d, "rho")->text(), "0");
        Type(d, "description", "Grid B2");
        Click(d, "changeGrid");
        Type(d, "description", "Grid C");
        Click(d, "addGrid");
        EXPECT_EQ(Edit(d, "description")->text(), "Grid Type 4");
        d->accept();
    }));
    ASSERT_EQ(grids.NumberOfPropertySets(), 3);
    EXPECT_EQ(grids.Properties()[1].name, "Grid B2");
    EXPECT_EQ(grids.Properties()[1].interactionOption, Cpp_GeogridProperties::InteractionSpecified);
    EXPECT_EQ(grids.Properties()[2].name, "Grid C");
}

TEST_F(GeogridPropertiesDialogTest, CancelAndBadNumbersKeepTheTypes) {
    Cpp_GeogridProperties a;
    a.name = "Grid A";
    grids.Properties() = {a};
    EXPECT_FALSE(Run([](GeogridPropertiesDialog* d) {
        Type(d, "description", "Changed");
        Click(d, "changeGrid");
        Type(d, "alpha", "x");
        d->accept();
        EXPECT_TRUE(d->isVisible());
        d->reject();
    }));
    ASSERT_EQ(fakes.messageBoxes.requests.size(), 1u);
    EXPECT_EQ(fakes.messageBoxes.requests[0].text, "Enter a number.");
    EXPECT_EQ(grids.Properties()[0].name, "Grid A");
}

}  // namespace
