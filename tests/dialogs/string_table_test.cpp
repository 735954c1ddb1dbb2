// The string table as the program fills it at start-up from its resources, serving prompts, tool
// tips and the message boxes named by string ids.

#include "core/message_boxes.h"
#include "core/string_table.h"
#include "editing/tool_table.h"
#include "graphics/prompts.h"
#include "platform/qt/modal_driver.h"
#include "platform/qt/qt_message_boxes.h"
#include "platform/services.h"
#include "resources/string_table_resource.h"
#include "support/fake_services.h"

#include <QMessageBox>
#include <QPushButton>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

class ResourceStringTable : public ::testing::Test {
protected:
    void SetUp() override {
        std::string error;
        ASSERT_TRUE(resources::LoadStringTable(error)) << error;
        EXPECT_EQ(error, "");
    }
    void TearDown() override {
        ResetStringTable();
        ResetPrompts();
        platform::Services().Reset();
    }
};

TEST_F(ResourceStringTable, PromptsAndToolTipsShowTheResourceTexts) {
    testsupport::FakeServices fakes;
    SetToolPrompt(true, 1, {});
    EXPECT_EQ(fakes.statusLine.Text(), "Select item to modify, etc.");
    SetToolPrompt(true, 3, {});
    EXPECT_EQ(GetStatusText(),
              "Left-click to enter distributed load point; Shift key to track x-y; Wheel for "
              "normal stress; Ctrl-wheel for shear stress; Shift-ctrl to use piezometric line.");
    EXPECT_EQ(GetStatusTextId(), 1317);
    SetToolTipFromId(510);
    std::string tip;
    ASSERT_TRUE(GetToolTipText(tip));
    EXPECT_EQ(tip, "Set  first corner of \"zoom\" box.");
}

// A box named by a caption id and a text id shows both texts of the table on screen.
TEST_F(ResourceStringTable, AMessageBoxNamedByStringIdsShowsTheirTexts) {
    QWidget main;
    platform::qt::QtMessageBoxes boxes;
    boxes.SetMainWindow(&main);
    platform::Services().SetMessageBoxes(&boxes);
    QString caption, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    testsupport::WhenModal([&](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        ASSERT_NE(box, nullptr);
        caption = box->windowTitle();
        text = box->text();
        icon = box->icon();
        box->button(QMessageBox::Ok)->click();
    });
    EXPECT_TRUE(AskOkCancelFromResources(&main, 5310, 15360));
    EXPECT_EQ(caption.toStdString(), "Piezometric Line Error");
    EXPECT_EQ(text.toStdString(), "Error: Bad unit weight of fluid.  Zero or negative values are "
                                  "not allowed for the unit weight of fluid.");
    EXPECT_EQ(icon, QMessageBox::Question);
}

}  // namespace
