#pragma once
// The running program for dialog tests: the application with its registered windows, its main
// frame shown, and every platform service replaced by the fakes (message boxes, file dialogs
// and the status line answer the test). Everything program-wide is put back afterwards.

#include "app/application.h"
#include "app/main_frame.h"
#include "core/dialog_slot.h"
#include "core/file_io.h"
#include "platform/qt/modal_driver.h"
#include "support/fake_services.h"
#include "support/test_support.h"

#include <QApplication>
#include <QTimer>
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

namespace testsupport {

class RunningProgram : public ::testing::Test {
protected:
    void SetUp() override {
        ResetDialogSlots();
        setenv("XDG_CONFIG_HOME", config_.Path().c_str(), 1);
        program_ = std::make_unique<app::Application>(std::vector<std::string>{"dravonet"});
        Frame().InitialUpdate();
        fakes_ = std::make_unique<FakeServices>();
    }
    void TearDown() override {
        Frame().Doc().SetModifiedFlag(false);
        Frame().close();
        fakes_.reset();
        program_.reset();
        ResetDialogSlots();
        Cpp_FileIO::ResetForTests();
        unsetenv("XDG_CONFIG_HOME");
    }

    app::MainFrame& Frame() { return program_->Frame(); }
    FakeServices& Fakes() { return *fakes_; }

    // Runs the command; the action gets the modal window of type D that it opens (a window of
    // another type fails the test and is closed). True when the window was reached.
    template <class D, class Action>
    bool CommandOpens(int command, Action action) {
        bool reached = false;
        // A timer of this call only: when no window opens, nothing is left to fire later.
        QTimer timer;
        QObject::connect(&timer, &QTimer::timeout, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            if (!modal || reached) return;
            timer.stop();
            reached = true;
            auto* dialog = qobject_cast<D*>(modal);
            if (!dialog) {
                ADD_FAILURE() << "another window: " << modal->metaObject()->className();
                modal->close();
                return;
            }
            action(dialog);
        });
        timer.start(10);
        Frame().OnCommand(command);
        return reached;
    }

private:
    TempDir config_;
    std::unique_ptr<app::Application> program_;
    std::unique_ptr<FakeServices> fakes_;
};

}  // namespace testsupport
