// "Geo-Grid Layout" driven through its widgets from the geogrid data's opener.

#include "core/units.h"
#include "dialogs/geogrid_layouts_dialog.h"
#include "dialogs/list_box.h"
#include "dialogs/nail_geogrid_windows.h"
#include "loads/geogrid_data.h"
#include "loads/nail_geogrid_dialogs.h"
#include "platform/qt/modal_driver.h"
#include "support/fake_services.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

#include <functional>

namespace {

using dialogs::GeogridLayoutsDialog;

class GeogridLayoutsDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        NailGeogridDialogsSlot().Set(&windows_);
        Cpp_GeogridProperties type;
        type.name = "Grid A";
        grids.Properties().push_back(type);
        type.name = "Grid B";
        grids.Properties().push_back(type);
    }
    void TearDown() override {
        NailGeogridDialogsSlot().Reset();
        SetUnitSystem(UnitSystemEnglish);
    }
    bool Run(std::function<void(GeogridLayoutsDialog*)> action) {
        bool reached = false;
        testsupport::WhenModal([&](QWidget* modal) {
            auto* dialog = qobject_cast<GeogridLayoutsDialog*>(modal);
            if (!dialog) {
                modal->close();
                return;
            }
            reached = true;
            action(dialog);
            if (dialog->isVisible()) dialog->reject();
        });
        const bool ok = grids.EditLayouts();
        EXPECT_TRUE(reached);
        return ok;
    }
    static QLineEdit* Edit(QWidget* d, const char* name) { return d->findChild<QLineEdit*>(name); }
    static QComboBox* Combo(QWidget* d, const char* name) { return d->findChild<QComboBox*>(name); }
    static void Click(QWidget* d, const char* name) {
        QTest::mouseClick(d->findChild<QPushButton*>(name), Qt::LeftButton);
    }
    // Types the fields of one layout and adds it.
    static void AddLayout(QWidget* d, int type, const char* elevation, const char* layers) {
        Combo(d, "type")->setCurrentIndex(type);
        testsupport::Retype(Edit(d, "elevation"), elevation);
        testsupport::Retype(Edit(d, "layers"), layers);
        Click(d, "addLayout");
    }

    testsupport::FakeServices fakes;
    dialogs::QtNailGeogridDialogs windows_;
    Cpp_GeogridData grids;
};

TEST_F(GeogridLayoutsDialogTest, ANewSIProblemOpensInMetersAndLayoutsAreAdded) {
    SetUnitSystem(UnitSystemSI);
    EXPECT_TRUE(Run([](GeogridLayoutsDialog* d) {
        EXPECT_EQ(d->windowTitle(), "Geo-Grid Layout");
        for (const char* unit : {"elevationUnit", "lengthUnit", "spacingUnit"})
            EXPECT_EQ(Combo(d, unit)->currentText(), "Meters") << unit;
        EXPECT_EQ(d->Layouts()->DataRowCount(), 0);
        EXPECT_EQ(d->Layouts()->RowText(0), "<No layout information>");
        AddLayout(d, 1, "2.5", "4");
        AddLayout(d, 0, "10", "3");
        EXPECT_EQ(d->Layouts()->DataRowCount(), 2);
        d->findChild<QRadioButton*>("right")->click();
        d->accept();
    }));
    ASSERT_EQ(grids.Layouts().size(), 2u);
    EXPECT_EQ(grids.Layouts()[0].geogridType, 1);
    EXPECT_EQ(grids.Layouts()[0].lowestElevation.value, 2.5);
    EXPECT_EQ(grids.Layouts()[0].lowestElevation.unitIndex, LengthMeters);
    EXPECT_EQ(grids.Layouts()[0].numberOfLayers, 4);
    EXPECT_EQ(grids.Layouts()[1].lowestElevation.value, 10.0);
    EXPECT_EQ(grids.layoutFacing, 2);
}

// Deleting the last of three selects the second; Change with nothing changed does nothing;
// Cancel keeps the layouts and the direction.
TEST_F(GeogridLayoutsDialogTest, DeletingTheLastSelectsThePrevious) {
    for (int i = 0; i < 3; ++i) {
        Cpp_GeogridLayout layout;
        layout.numberOfLayers = i + 1;
        layout.lowestElevation = {i * 5.0, 0};
        grids.Layouts().push_back(layout);
    }
    EXPECT_FALSE(Run([](GeogridLayoutsDialog* d) {
        EXPECT_EQ(Edit(d, "layers")->text(), "1");
        d->Layouts()->SetCurSel(2);
        EXPECT_EQ(Edit(d, "layers")->text(), "3");
        Click(d, "changeLayout");
        Click(d, "deleteLayout");
        EXPECT_EQ(d->Layouts()->DataRowCount(), 2);
        EXPECT_EQ(d->Layouts()->CurSel(), 1);
        EXPECT_EQ(Edit(d, "layers")->text(), "2");
        testsupport::Retype(Edit(d, "layers"), "7");
        Click(d, "changeLayout");
        EXPECT_EQ(d->Data().layouts[1].numberOfLayers, 7);
        d->reject();
    }));
    EXPECT_EQ(grids.Layouts().size(), 3u);
    EXPECT_EQ(grids.Layouts()[1].numberOfLayers, 2);
    EXPECT_EQ(grids.layoutFacing, 1);
}

}  // namespace
