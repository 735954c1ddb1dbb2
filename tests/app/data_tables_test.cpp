// The Data-menu tables opened from their commands and tool buttons on a sample problem, driven
// through their real widgets: cells typed, OK or Cancel pressed, the data read back.

#include "app/data_entry.h"
#include "app/main_frame.h"
#include "core/command_ids.h"
#include "core/file_io.h"
#include "dialogs/dialog_registration.h"
#include "dialogs/xy_line_grid_dialog.h"
#include "graphics/line_table_dialogs.h"
#include "gridctrl/grid_ctrl_kdx.h"
#include "model/data_sets.h"
#include "platform/qt/grid_driver.h"
#include "platform/qt/modal_driver.h"
#include "platform/services.h"
#include "support/fake_services.h"
#include "support/test_support.h"

#include <QAction>
#include <QDialog>
#include <QDialogButtonBox>
#include <QTest>
#include <QToolBar>
#include <gtest/gtest.h>

#include <functional>

namespace fs = std::filesystem;

namespace {

using gridctrl::GridCtrlWidget;

std::vector<std::pair<double, double>> PointsOf(const Cpp_Line& line) {
    std::vector<std::pair<double, double>> points;
    for (const Cpp_PointXY* p = line.FirstPoint(); p; p = p->Next())
        points.push_back({p->X(), p->Y()});
    return points;
}

class DataTables : public ::testing::Test {
protected:
    void SetUp() override {
        const fs::path example = dir.Path() / "loaded_embankment.preinput-kliven";
        fs::copy_file(testsupport::ExamplesDir() / "loaded_embankment.preinput-kliven", example);
        ASSERT_TRUE(frame.FileOpen(example));
        frame.Doc().SetModifiedFlag(false);
        dialogs::RegisterDialogWindows(&frame);
    }
    void TearDown() override {
        dialogs::UnregisterDialogWindows();
        frame.Doc().SetModifiedFlag(false);
        Cpp_FileIO::ResetForTests();
    }

    // Runs the command; once its dialog is up, the action runs on it. The dialog's caption.
    QString RunCommand(int id, const std::function<void(QDialog*)>& action) {
        QString caption;
        testsupport::WhenModal([&](QWidget* modal) {
            auto* dialog = qobject_cast<QDialog*>(modal);
            caption = modal->windowTitle();
            if (!dialog) {
                modal->close();
                return;
            }
            action(dialog);
        });
        frame.OnCommand(id);
        return caption;
    }
    static GridCtrlWidget* Table(QDialog* d) { return d->findChild<GridCtrlWidget*>("table"); }
    static gridctrl::CGridCtrlKDX& Grid(QDialog* d) {
        return static_cast<gridctrl::CGridCtrlKDX&>(Table(d)->Grid());
    }
    static void Type(QDialog* d, int row, int col, const QString& text) {
        testsupport::TypeIntoCell(Table(d), row, col, text);
    }
    static void Ok(QDialog* d) { testsupport::PressButton(d, QDialogButtonBox::Ok); }
    static void Cancel(QDialog* d) { testsupport::PressButton(d, QDialogButtonBox::Cancel); }
    // A tool button clicked with the keys held; then a plain click on the selection tool, so no
    // key stays held for the tests after this one.
    void ClickTool(int id, Qt::KeyboardModifiers keys) {
        frame.show();
        QTest::mouseClick(frame.MainToolBar()->widgetForAction(frame.Action(id)), Qt::LeftButton,
                          keys);
        QTest::mouseClick(frame.MainToolBar()->widgetForAction(frame.Action(ID_SELECT_ITEMS)),
                          Qt::LeftButton);
    }
    Cpp_Kliven4DataSet& DataSet() { return *Cpp_Kliven4Data::CurrentDataSet(); }

    testsupport::FakeServices fakes;
    testsupport::TempDir dir;
    app::MainFrame frame;
};

TEST_F(DataTables, SlopeLineTableTakesThePointsInTableOrderAndTheSlopeCountsAsEntered) {
    const auto generated = PointsOf(DataSet().SlopeGeometry().GetSlopeLine());
    ASSERT_GE(generated.size(), 2u);
    int rows = 0;
    const QString caption = RunCommand(32792, [&](QDialog* d) {
        rows = Grid(d).GetRowCount();
        EXPECT_EQ(Grid(d).GetCellText(0, 0), "Point");
        EXPECT_EQ(Grid(d).GetCellText(0, 1), "X");
        EXPECT_EQ(Grid(d).GetCellText(1, 0), "Point: 1");
        EXPECT_EQ(Grid(d).GetCellText(1, 1), "0.000000");
        Type(d, 1, 1, "7.5");
        Type(d, 2, 1, "-3");  // not sorted by x
        Ok(d);
    });
    EXPECT_EQ(caption, "Enter points for slope geometry");
    EXPECT_EQ(rows, 21);  // 20 data rows for up to 19 points and one empty row
    auto expected = generated;
    expected[0].first = 7.5;
    expected[1].first = -3;
    EXPECT_EQ(PointsOf(DataSet().SlopeGeometry().GetSlopeLine()), expected);
    EXPECT_TRUE(DataSet().SlopeGeometry().IsEntered());
    EXPECT_TRUE(frame.Doc().IsModified());
}

TEST_F(DataTables, SlopeLineTableRefusesOnePointAndCancelChangesNothing) {
    const auto before = PointsOf(DataSet().SlopeGeometry().GetSlopeLine());
    RunCommand(32792, [&](QDialog* d) {
        for (int r = Grid(d).GetRowCount() - 1; r >= 2; --r)
            for (int c = 1; c <= 2; ++c) Grid(d).SetCellText(r, c, "");
        Ok(d);
        EXPECT_TRUE(d->isVisible());
        Cancel(d);
    });
    EXPECT_EQ(fakes.messageBoxes.Texts(),
              std::vector<std::string>{"Not enough values (rows of data): 1 values entered, "
                                       "minimum number required = 2"});
    EXPECT_EQ(fakes.messageBoxes.requests[0].caption, "ERROR");
    EXPECT_EQ(PointsOf(DataSet().SlopeGeometry().GetSlopeLine()), before);
    EXPECT_FALSE(DataSet().SlopeGeometry().IsEntered());
    EXPECT_FALSE(frame.Doc().IsModified());
}

TEST_F(DataTables, ThirtySlopePointsOpenWithOneEmptyRowAndTheShiftedToolOpensTheSameTable) {
    Cpp_SlopeLine& slope = DataSet().SlopeGeometry().GetSlopeLine();
    slope.DeleteAllPoints();
    for (int i = 0; i < 30; ++i) slope.AddPoint(i, 50 - i);
    int rows = -1;
    std::string last, afterLast;
    QString caption;
    testsupport::WhenModal([&](QWidget* modal) {
        auto* d = static_cast<QDialog*>(modal);
        caption = d->windowTitle();
        rows = Grid(d).GetRowCount();
        last = Grid(d).GetCellText(30, 2);
        afterLast = Grid(d).GetCellText(31, 1);
        Cancel(d);
    });
    ClickTool(ID_ENTER_SLOPE_LINE, Qt::ShiftModifier);
    EXPECT_EQ(caption, "Enter points for slope geometry");
    EXPECT_EQ(rows, 32);
    EXPECT_EQ(last, "21.000000");
    EXPECT_EQ(afterLast, "");
}

// A table emptied by its opener leaves no hand-entered slope: the slope is generated again.
class EmptyingXYTable final : public SimpleXYLineGridDialog {
public:
    bool Run(s_XYLineTable& table) override {
        table.points.clear();
        return true;
    }
};

TEST_F(DataTables, AnEmptiedSlopeIsGeneratedAgainFromTheProfileLines) {
    const auto generated = PointsOf(DataSet().SlopeGeometry().GetSlopeLine());
    DataSet().SlopeGeometry().GetSlopeLine().AddPoint(200, 0);
    DataSet().SlopeGeometry().SetEnteredFlag(true);
    EmptyingXYTable empty;
    SimpleXYLineGridDialogSlot().Set(&empty);
    EXPECT_TRUE(app::EnterSlopeLine(frame));
    EXPECT_EQ(PointsOf(DataSet().SlopeGeometry().GetSlopeLine()), generated);
    EXPECT_FALSE(DataSet().SlopeGeometry().IsEntered());
}

}  // namespace
