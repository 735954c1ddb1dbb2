// The data commands under data-entry style 1: each opens its list-style dialog from the frame's
// command, and OK without a change hands the data back as they were; style 2 opens the tables.

#include "app/frame_on_example.h"
#include "app/main_frame.h"
#include "core/file_io.h"
#include "dialogs/dialog_registration.h"
#include "model/data_set.h"
#include "model/data_sets.h"
#include "model/writer.h"
#include "platform/qt/modal_driver.h"
#include "support/fake_services.h"
#include "support/test_support.h"

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

// Data-entry style 1 while it lives; style 2 again at its end.
class ListStyle {
public:
    ListStyle() { Cpp_Kliven4DataSet::SetDataEntryDialogStyle(1); }
    ~ListStyle() { Cpp_Kliven4DataSet::SetDataEntryDialogStyle(2); }
    ListStyle(const ListStyle&) = delete;
    ListStyle& operator=(const ListStyle&) = delete;
};

std::string WrittenData() {
    std::FILE* file = std::tmpfile();
    WriteInputFile(*Cpp_Kliven4Data::CurrentDataSet(), true, false, file);
    std::string text;
    std::rewind(file);
    for (int c = std::fgetc(file); c != EOF; c = std::fgetc(file)) text += static_cast<char>(c);
    std::fclose(file);
    return text;
}

struct Case {
    const char* example;
    int command;
    const char* window;   // object name of the list dialog
    const char* caption;  // its caption
};

class ListDialogCommands : public testsupport::FrameOn<::testing::TestWithParam<Case>> {
protected:
    // Runs the command, pressing OK in every modal window on the way (the main analysis dialog
    // before the noncircular windows); the objects names and captions of the windows.
    std::vector<std::pair<std::string, std::string>> RunPressingOk(int command) {
        std::vector<std::pair<std::string, std::string>> seen;
        auto* timer = new QTimer;
        QWidget* last = nullptr;
        QObject::connect(timer, &QTimer::timeout, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            if (!modal || modal == last) return;
            last = modal;
            seen.push_back({modal->objectName().toStdString(), modal->windowTitle().toStdString()});
            auto* box = modal->findChild<QDialogButtonBox*>();
            if (box && box->button(QDialogButtonBox::Ok))
                box->button(QDialogButtonBox::Ok)->click();
            else
                modal->close();
        });
        timer->start(10);
        frame.OnCommand(command);
        delete timer;
        return seen;
    }
};

TEST_P(ListDialogCommands, OpensTheListDialogAndOkKeepsTheData) {
    const Case c = GetParam();
    OpenExample(c.example);
    const std::string before = WrittenData();
    ListStyle style;
    const auto seen = RunPressingOk(c.command);
    ASSERT_FALSE(seen.empty());
    EXPECT_EQ(seen.back(), (std::pair<std::string, std::string>{c.window, c.caption}));
    EXPECT_EQ(WrittenData(), before);
    EXPECT_TRUE(frame.Doc().IsModified());
    EXPECT_TRUE(fakes.messageBoxes.Texts().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Style1, ListDialogCommands,
    ::testing::Values(Case{"layered_embankment.preinput-kliven", 32773, "profileLineList",
                           "Profile Line Data"},
                      Case{"layered_embankment.preinput-kliven", 32778, "piezometricLineList",
                           "Piezometric Line Data - Stage 1"},
                      Case{"loaded_embankment.preinput-kliven", 32786, "distributedLoadList",
                           "Distributed Load Input Data - Stage 1"},
                      Case{"loaded_embankment.preinput-kliven", 32788, "lineLoadList",
                           "Line Load Data - Stage 1"},
                      Case{"reinforced_embankment.preinput-kliven", 32772, "reinforcementLineList",
                           "Reinforcement Line Data"},
                      Case{"interpolated_pressures.preinput-kliven", 32780, "interpolationList",
                           "Interpolation Data - Pressure Values - Stage 1"},
                      Case{"embankment_noncircular_search.preinput-kliven", 32771,
                           "noncircularSearchList", "Search with Noncircular Slip Surface"}));

// Back at style 2 the same commands open the tables.
TEST(ListDialogStyle2, CommandsOpenTheTables) {
    testsupport::FakeServices fakes;
    testsupport::TempDir dir;
    app::MainFrame frame;
    const fs::path path = dir.Path() / "loaded_embankment.preinput-kliven";
    fs::copy_file(testsupport::ExamplesDir() / "loaded_embankment.preinput-kliven", path);
    ASSERT_TRUE(frame.FileOpen(path));
    dialogs::RegisterDialogWindows(&frame);
    { ListStyle style; }
    std::vector<std::string> captions;
    for (int command : {32786, 32788, 32780, 32772}) {
        testsupport::WhenModal([&](QWidget* modal) {
            captions.push_back(modal->windowTitle().toStdString());
            modal->close();
        });
        frame.OnCommand(command);
    }
    dialogs::UnregisterDialogWindows();
    frame.Doc().SetModifiedFlag(false);
    Cpp_FileIO::ResetForTests();
    EXPECT_EQ(captions,
              (std::vector<std::string>{"Distributed Loads - Stage 1", "Line Load Data - Stage 1",
                                        "Interpolation Data - Pressure Values - Stage 1",
                                        "Reinforcement Lines"}));
}

}  // namespace
