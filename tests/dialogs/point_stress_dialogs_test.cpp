// The point-stress windows driven through their widgets from the Compute menu of the running
// program: the result lines, the modes, the decimals and the stress log they write.

#include "dialogs/point_stress_dialogs.h"

#include "core/command_ids.h"
#include "core/file_io.h"
#include "dialogs/running_program.h"
#include "editing/selection.h"
#include "editing/selection_list.h"
#include "model/data_sets.h"
#include "model/stress_log.h"
#include "porepressure/pore_pressure.h"
#include "profile/material_properties.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>

#include <string>

namespace {

using dialogs::PointStressDialog;
using testsupport::Retype;

// Two layers over x 0..40: material 1 (120) from 20 down to 10, material 2 (100) below, whose
// pore-water pressure is a constant 62.4.
class PointStressDialogsTest : public testsupport::RunningProgram {
protected:
    void SetUp() override {
        RunningProgram::SetUp();
        Cpp_Kliven4DataSet& ds = *Cpp_Kliven4Data::CurrentDataSet();
        Cpp_ProfileLine* top = ds.ProfileLines().CreateLine(1, 1, "");
        top->AddPoint(0, 20);
        top->AddPoint(40, 20);
        Cpp_ProfileLine* low = ds.ProfileLines().CreateLine(2, 2, "");
        low->AddPoint(0, 10);
        low->AddPoint(40, 10);
        ds.SlopeGeometry().Generate(ds.ProfileLines(), false, nullptr);
        auto& materials = ds.MaterialData().GetMaterialList();
        materials.Create(1)->Stage(1).SetUnitWeight(120.0);
        Cpp_MaterialProperties* second = materials.Create(2);
        second->Stage(1).SetUnitWeight(100.0);
        second->GetPorePressureRecord(1).SetOption(3);
        second->GetPorePressureRecord(1).SetValue(62.4);
    }

    template <class W>
    static W* Child(QWidget* d, const char* name) {
        W* w = d->findChild<W*>(name);
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    static std::string Text(QWidget* d, const char* label) {
        return Child<QLabel>(d, label)->text().toStdString();
    }
    static void ComputeAt(QWidget* d, const char* x, const char* y) {
        Retype(Child<QLineEdit>(d, "x"), x);
        Retype(Child<QLineEdit>(d, "y"), y);
        QTest::keyClick(Child<QLineEdit>(d, "y"), Qt::Key_Return);  // "Compute Now" is default
    }

    testsupport::TempDir dir;
};

// Effective stress: the start lines, one point inside the section with the log in fixed
// columns, then "Tab delimited" and a point beyond the slope, whose overburden fails while
// its pore pressure (by material) is still computed; both rows land in one file.
TEST_F(PointStressDialogsTest, EffectiveStressLinesAndLogOfBothFormats) {
    Cpp_FileIO::SetInputFileName(dir.Path() / "Slope1.dat");
    const auto logPath = dir.Path() / "Slope1.stresses-kliven";
    ASSERT_TRUE(CommandOpens<PointStressDialog>(ID_EFFECTIVE_VERTICAL_STRESS, [&](auto* d) {
        EXPECT_EQ(d->windowTitle(), "Vertical Effective Stress Computation");
        EXPECT_EQ(Child<QLineEdit>(d, "x")->text(), "0");
        EXPECT_EQ(Child<QLineEdit>(d, "y")->text(), "0");
        EXPECT_EQ(Text(d, "depthText"), "Depth below slope: ?????");
        EXPECT_EQ(Text(d, "overburdenText"), "Overburden pressure: ?????");
        EXPECT_EQ(Text(d, "poreText"), "Pore water pressure: ?????");
        EXPECT_EQ(Text(d, "effectiveText"), "Effective overburden pressure: ?????");
        auto* decimals = Child<QSpinBox>(d, "decimals");
        EXPECT_EQ(decimals->value(), 1);
        EXPECT_EQ(decimals->minimum(), 0);
        EXPECT_EQ(decimals->maximum(), 15);
        EXPECT_FALSE(Child<QLineEdit>(d, "profileLineNumber")->isEnabled());
        EXPECT_FALSE(Child<QLineEdit>(d, "materialNumber")->isEnabled());
        auto* tabs = Child<QCheckBox>(d, "tabDelimited");
        EXPECT_FALSE(tabs->isEnabled());

        QTest::mouseClick(Child<QCheckBox>(d, "log"), Qt::LeftButton);
        EXPECT_TRUE(tabs->isEnabled());
        EXPECT_TRUE(d->Log().IsOpen());
        EXPECT_EQ(testsupport::ReadFile(logPath), "");  // created empty

        ComputeAt(d, "10", "5");
        EXPECT_EQ(Text(d, "depthText"), "Depth below slope: 15.0");
        EXPECT_EQ(Text(d, "overburdenText"), "Overburden pressure: 1700.0");
        EXPECT_EQ(Text(d, "poreText"), "Pore water pressure: 62.4");
        EXPECT_EQ(Text(d, "effectiveText"), "Effective vertical overburden pressure: 1637.6");
        EXPECT_EQ(Text(d, "information"),
                  "Pore water pressures were computed using Profile Line 2 - Material 2.\n"
                  "Pore water pressures are specified as constant in this material.");
        EXPECT_TRUE(Child<QLineEdit>(d, "x")->hasSelectedText());

        QTest::mouseClick(tabs, Qt::LeftButton);
        QTest::mouseClick(Child<QRadioButton>(d, "useMaterial"), Qt::LeftButton);
        EXPECT_TRUE(Child<QLineEdit>(d, "materialNumber")->isEnabled());
        Retype(Child<QLineEdit>(d, "materialNumber"), "2");
        ComputeAt(d, "50", "5");
        EXPECT_EQ(Text(d, "depthText"), "Depth below slope: ?????");
        EXPECT_EQ(Text(d, "overburdenText"), "Overburden pressure: ?????");
        EXPECT_EQ(Text(d, "poreText"), "Pore water pressure: 62.4");
        EXPECT_EQ(Text(d, "effectiveText"), "Effective vertical overburden pressure: ?????");
        QTest::mouseClick(Child<QPushButton>(d, "finished"), Qt::LeftButton);
    }));
    ASSERT_EQ(Fakes().messageBoxes.requests.size(), 1u);
    EXPECT_EQ(Fakes().messageBoxes.requests[0].caption, "ERROR");
    EXPECT_EQ(Fakes().messageBoxes.requests[0].text,
              "Unable to compute overburden pressure because point is outside of bounds of "
              "current slope.");
    EXPECT_EQ(testsupport::ReadFile(logPath),
              EffectiveStressLogHeader(false) +
                  "      10.000000       5.000000           15.0         1700.0    |        62.4"
                  "         2            2       |         1637.6\n"
                  "      50.000000\t       5.000000\t???????\t???????\t           62.4\t"
                  "         0\t         2\t???????\n");
    EXPECT_FALSE(Frame().Doc().IsModified());
}

// Overburden: without a data file the log asks for its name and Cancel leaves the box clear;
// a point is computed with the stress decimals; Escape ends the window.
TEST_F(PointStressDialogsTest, OverburdenWithoutDocumentAsksForTheLogName) {
    ASSERT_TRUE(CommandOpens<PointStressDialog>(ID_OVERBURDEN_PRESSURE, [&](auto* d) {
        EXPECT_EQ(d->windowTitle(), "Overburden Pressure Computation");
        EXPECT_EQ(Text(d, "overburdenText"), "Overburden pressure: ?????");
        EXPECT_EQ(d->template findChild<QCheckBox*>("tabDelimited"), nullptr);
        auto* log = Child<QCheckBox>(d, "log");
        QTest::mouseClick(log, Qt::LeftButton);
        EXPECT_FALSE(log->isChecked());
        EXPECT_FALSE(d->Log().IsOpen());
        ComputeAt(d, "10", "15");
        EXPECT_EQ(Text(d, "overburdenText"), "Overburden pressure: 600.0");
        QTest::keyClick(Child<QLineEdit>(d, "x"), Qt::Key_Escape);
    }));
    ASSERT_EQ(Fakes().fileDialogs.saveRequests.size(), 1u);
    EXPECT_EQ(Fakes().fileDialogs.saveRequests[0].title, "Stress Log File");
    EXPECT_TRUE(Fakes().messageBoxes.requests.empty());
}

// Pore water pressure: the mode rule, a profile line given by number, the decimals.
TEST_F(PointStressDialogsTest, PoreWaterPressureByProfileLineWithTheChosenDecimals) {
    ASSERT_TRUE(CommandOpens<PointStressDialog>(ID_PORE_WATER_PRESSURE, [&](auto* d) {
        EXPECT_EQ(d->windowTitle(), "Pore Water Pressure Computation");
        EXPECT_EQ(Text(d, "poreText"), "Pore water pressure: ?????");
        EXPECT_EQ(d->template findChild<QCheckBox*>("log"), nullptr);
        QTest::mouseClick(Child<QRadioButton>(d, "useProfileLine"), Qt::LeftButton);
        EXPECT_TRUE(Child<QLineEdit>(d, "profileLineNumber")->isEnabled());
        EXPECT_FALSE(Child<QLineEdit>(d, "materialNumber")->isEnabled());
        Retype(Child<QLineEdit>(d, "profileLineNumber"), "2");
        Child<QSpinBox>(d, "decimals")->setValue(3);
        ComputeAt(d, "10", "5");
        EXPECT_EQ(Text(d, "poreText"), "Pore water pressure: 62.400");
        EXPECT_EQ(Text(d, "information"),
                  "Pore water pressures were computed using Profile Line 2 - Material 2.\n"
                  "Pore water pressures are specified as constant in this material.");
        Retype(Child<QLineEdit>(d, "profileLineNumber"), "2.5");
        QTest::keyClick(Child<QLineEdit>(d, "profileLineNumber"), Qt::Key_Return);
        EXPECT_TRUE(d->isVisible());
        QTest::mouseClick(Child<QPushButton>(d, "finished"), Qt::LeftButton);
    }));
    ASSERT_EQ(Fakes().messageBoxes.requests.size(), 1u);
    EXPECT_EQ(Fakes().messageBoxes.requests[0].text, "Enter an integer.");
}

// With a point selected the overburden window starts at it; with a point it cannot have (a
// segment) at (0, 0). "Compute Overburden Pressure" of the selection's edit menu shows the
// pressure at the same point in a message box.
TEST_F(PointStressDialogsTest, WindowsAndCommandsStartAtTheSelectedPoint) {
    Cpp_Kliven4DataSet* ds = Cpp_Kliven4Data::CurrentDataSet();
    Cpp_ProfileLine* low = ds->ProfileLines().FindProfileLine(2);
    Cpp_PointXY* second = low->FirstPoint()->Next();
    GetCurrentSelection().Add(ds, 0, SEL_PROFILE_POINT, low, second);
    const auto startsAt = [&](const char* x, const char* y) {
        ASSERT_TRUE(CommandOpens<PointStressDialog>(ID_OVERBURDEN_PRESSURE, [&](auto* d) {
            EXPECT_EQ(Child<QLineEdit>(d, "x")->text().toStdString(), x);
            EXPECT_EQ(Child<QLineEdit>(d, "y")->text().toStdString(), y);
            QTest::mouseClick(Child<QPushButton>(d, "finished"), Qt::LeftButton);
        }));
    };
    startsAt("40", "10");
    Frame().OnCommand(ID_COMPUTE_OVERBURDEN_AT_SELECTION);
    ASSERT_EQ(Fakes().messageBoxes.requests.size(), 1u);
    EXPECT_EQ(Fakes().messageBoxes.requests[0].caption, "Overburden Pressure Calculations");
    EXPECT_EQ(Fakes().messageBoxes.requests[0].text,
              "Computed overburden pressure at X = 40.000000, Y = 10.000000\nOverburden "
              "pressure: 1200.0");
    GetCurrentSelection().Clear();
    GetCurrentSelection().Add(ds, 0, SEL_PROFILE_SEGMENT, low, low->FirstPoint());
    startsAt("0", "0");
}

}  // namespace
