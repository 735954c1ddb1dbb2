#pragma once
// A main frame on a copy of a bundled example, with the dialog windows registered, and the
// steps the table tests share: run a command and act on its dialog, type into its table, OK
// and Cancel, a tool button clicked with keys held.

#include "app/main_frame.h"
#include "core/command_ids.h"
#include "core/file_io.h"
#include "dialogs/dialog_registration.h"
#include "graphics/line.h"
#include "gridctrl/grid_ctrl_kdx.h"
#include "model/data_sets.h"
#include "platform/qt/grid_driver.h"
#include "platform/qt/modal_driver.h"
#include "support/fake_services.h"
#include "support/test_support.h"

#include <QAction>
#include <QDialog>
#include <QDialogButtonBox>
#include <QTest>
#include <QToolBar>
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <utility>
#include <vector>

namespace testsupport {

inline std::vector<std::pair<double, double>> PointsOf(const Cpp_Line& line) {
    std::vector<std::pair<double, double>> points;
    for (const Cpp_PointXY* p = line.FirstPoint(); p; p = p->Next())
        points.push_back({p->X(), p->Y()});
    return points;
}

// Base: ::testing::Test, or ::testing::TestWithParam<...> for a table of cases.
template <class Base>
class FrameOn : public Base {
protected:
    // Opens a copy of the example (kept in `example`) as an unmodified document.
    void OpenExample(const char* name) {
        example = dir.Path() / name;
        std::filesystem::copy_file(ExamplesDir() / name, example);
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
        WhenModal([&](QWidget* modal) {
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
    static gridctrl::GridCtrlWidget* Table(QDialog* d) {
        return d->findChild<gridctrl::GridCtrlWidget*>("table");
    }
    static gridctrl::CGridCtrlKDX& Grid(QDialog* d) {
        return static_cast<gridctrl::CGridCtrlKDX&>(Table(d)->Grid());
    }
    static void Type(QDialog* d, int row, int col, const QString& text) {
        TypeIntoCell(Table(d), row, col, text);
    }
    // OK that must close the dialog; a dialog left open fails the test and is cancelled.
    void Ok(QDialog* d) {
        PressButton(d, QDialogButtonBox::Ok);
        if (d->isVisible()) {
            ADD_FAILURE() << "still open after OK; messages: "
                          << testing::PrintToString(fakes.messageBoxes.Texts());
            Cancel(d);
        }
    }
    static void Cancel(QDialog* d) { PressButton(d, QDialogButtonBox::Cancel); }
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

    FakeServices fakes;
    TempDir dir;
    std::filesystem::path example;
    app::MainFrame frame;
};

using FrameOnExample = FrameOn<::testing::Test>;

}  // namespace testsupport
