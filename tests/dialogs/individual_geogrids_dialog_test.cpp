// "Individual Geogrids" driven through its widgets from the geogrid data's opener, over a slope
// face at x = 10 (a vertical face from y = 0 to 20) or a ridge that a level meets twice.

#include "dialogs/individual_geogrids_dialog.h"
#include "dialogs/list_box.h"
#include "dialogs/nail_geogrid_windows.h"
#include "graphics/line.h"
#include "loads/generation_dialogs.h"
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

using dialogs::IndividualGeogridsDialog;

// Answers "Choose an X value" with the second value.
class SecondValue : public Cpp_ReinforcementGenerationDialogs {
public:
    SecondValue() { ReinforcementGenerationDialogsSlot().Set(this); }
    ~SecondValue() override { ReinforcementGenerationDialogsSlot().Reset(); }
    bool EditNailGenerationUnits(int&, int&) override { return false; }
    bool EditGeogridGenerationOptions(s_GeogridGenerationOptions&) override { return false; }
    bool ChooseXValue(const std::vector<double>& values, int& index) override {
        offered = values;
        index = 1;
        return true;
    }
    std::vector<double> offered;
};

class IndividualGeogridsDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        NailGeogridDialogsSlot().Set(&windows_);
        Cpp_GeogridProperties type;
        type.name = "Grid A";
        grids.Properties().push_back(type);
        for (auto [x, y] : {std::pair{0.0, 0.0}, {10.0, 0.0}, {10.0, 20.0}, {40.0, 20.0}})
            face.AddPoint(x, y);
    }
    void TearDown() override { NailGeogridDialogsSlot().Reset(); }
    bool Run(const Cpp_Line& slope, std::function<void(IndividualGeogridsDialog*)> action) {
        bool reached = false;
        testsupport::WhenModal([&](QWidget* modal) {
            auto* dialog = qobject_cast<IndividualGeogridsDialog*>(modal);
            if (!dialog) {
                modal->close();
                return;
            }
            reached = true;
            action(dialog);
            if (dialog->isVisible()) dialog->reject();
        });
        const bool ok = grids.EditIndividualGeogrids(slope);
        EXPECT_TRUE(reached);
        return ok;
    }
    static QLineEdit* Edit(QWidget* d, const char* name) { return d->findChild<QLineEdit*>(name); }
    static void AddGrid(QWidget* d, const char* y, const char* length, bool right = false) {
        testsupport::Retype(Edit(d, "y"), y);
        testsupport::Retype(Edit(d, "length"), length);
        d->findChild<QRadioButton*>(right ? "right" : "left")->click();
        QTest::mouseClick(d->findChild<QPushButton*>("add"), Qt::LeftButton);
    }

    testsupport::FakeServices fakes;
    dialogs::QtNailGeogridDialogs windows_;
    Cpp_GeogridData grids;
    Cpp_Line face;
};

TEST_F(IndividualGeogridsDialogTest, GridsStartAtTheFaceInOrderOfElevation) {
    EXPECT_TRUE(Run(face, [](IndividualGeogridsDialog* d) {
        EXPECT_EQ(d->windowTitle(), "Individual Geogrids");
        EXPECT_EQ(d->List()->RowText(0), "<No individual geogrids>");
        AddGrid(d, "2", "6");
        AddGrid(d, "8", "6", true);
        AddGrid(d, "5", "6");
        EXPECT_EQ(d->List()->CurSel(), 1);
        EXPECT_EQ(Edit(d, "xFace")->text(), "10");
        AddGrid(d, "25", "6");  // above the crest: refused
        EXPECT_EQ(d->List()->DataRowCount(), 3);
        d->accept();
    }));
    ASSERT_EQ(fakes.messageBoxes.requests.size(), 1u);
    EXPECT_EQ(fakes.messageBoxes.requests[0].caption, "ERROR");
    EXPECT_EQ(fakes.messageBoxes.requests[0].text,
              "A geogrid with y = 25.000 (2.500000e+01) does not intersect the slope face.  "
              "Unable to accept the input data.");
    const auto& list = grids.GetIndividualGeogridList().Geogrids();
    ASSERT_EQ(list.size(), 3u);
    EXPECT_EQ(list[0]->headY, 2.0);
    EXPECT_EQ(list[1]->headY, 5.0);
    EXPECT_EQ(list[1]->endX, 16.0);  // facing left: into the slope toward +x
    EXPECT_EQ(list[1]->facing, 1);
    EXPECT_EQ(list[2]->headY, 8.0);
    EXPECT_EQ(list[2]->endX, 4.0);  // facing right
    EXPECT_EQ(list[2]->facing, 2);
}

TEST_F(IndividualGeogridsDialogTest, ALevelMeetingTheFaceTwiceAsksWhichX) {
    SecondValue choose;
    Cpp_Line ridge;
    for (auto [x, y] : {std::pair{0.0, 0.0}, {10.0, 10.0}, {20.0, 0.0}}) ridge.AddPoint(x, y);
    EXPECT_TRUE(Run(ridge, [](IndividualGeogridsDialog* d) {
        AddGrid(d, "5", "3", true);
        d->accept();
    }));
    EXPECT_EQ(choose.offered, (std::vector<double>{5.0, 15.0}));
    ASSERT_EQ(grids.GetIndividualGeogridList().Count(), 1);
    EXPECT_EQ(grids.GetIndividualGeogridList().Geogrids()[0]->headX, 15.0);
    EXPECT_EQ(grids.GetIndividualGeogridList().Geogrids()[0]->endX, 12.0);
}

// A selected grid's edits are stored when another row is chosen, without reordering; deleting
// the last row selects the new last; Cancel keeps the data.
TEST_F(IndividualGeogridsDialogTest, EditsAreStoredOnChoosingAnotherRow) {
    grids.GetIndividualGeogridList().AddGeogrid(2, 6, 0, 1)->SetGeometry(10, 2, 16);
    grids.GetIndividualGeogridList().AddGeogrid(8, 6, 0, 1)->SetGeometry(10, 8, 16);
    grids.GetIndividualGeogridList().AddGeogrid(12, 6, 0, 1)->SetGeometry(10, 12, 16);
    EXPECT_FALSE(Run(face, [](IndividualGeogridsDialog* d) {
        EXPECT_EQ(Edit(d, "y")->text(), "2");
        testsupport::Retype(Edit(d, "y"), "9");
        d->List()->SetCurSel(2);
        EXPECT_EQ(d->Grids()[0].headY, 9.0);  // not moved in the order
        EXPECT_EQ(Edit(d, "y")->text(), "12");
        QTest::mouseClick(d->findChild<QPushButton*>("delete"), Qt::LeftButton);
        EXPECT_EQ(d->List()->CurSel(), 1);
        EXPECT_EQ(Edit(d, "y")->text(), "8");
        d->reject();
    }));
    EXPECT_EQ(grids.GetIndividualGeogridList().Count(), 3);
    EXPECT_EQ(grids.GetIndividualGeogridList().Geogrids()[0]->headY, 2.0);
}

}  // namespace
