// The nail and geogrid commands, carried out through the command table: the windows they open,
// and what OK, Cancel and a refusal leave in the document.

#include "app/main_frame.h"
#include "app/tool_bars.h"
#include "dialogs/dialog_bar_widget.h"
#include "loads/geogrid_data.h"
#include "loads/nail_geogrid_dialogs.h"
#include "model/data_set.h"
#include "model/data_sets.h"
#include "support/fake_services.h"

#include <QComboBox>
#include <QDockWidget>

#include <gtest/gtest.h>

namespace {

// Answers every window with `ok`, adding one type to the properties windows.
class AnsweringWindows : public Cpp_NailGeogridDialogs {
public:
    AnsweringWindows() { NailGeogridDialogsSlot().Set(this); }
    ~AnsweringWindows() override { NailGeogridDialogsSlot().Reset(); }
    bool EditNailProperties(std::vector<Cpp_NailProperties>& types) override {
        types.emplace_back();
        return ok;
    }
    bool EditNailLayouts(std::array<s_NailLayoutPage, 8>&,
                         const std::vector<std::string>&) override {
        return ok;
    }
    bool EditGeogridProperties(s_GeogridPropertiesDialogData& data) override {
        data.types.emplace_back();
        return ok;
    }
    bool EditGeogridLayouts(s_GeogridLayoutsDialogData&) override { return ok; }
    bool EditIndividualGeogrids(s_IndividualGeogridsDialogData&) override { return ok; }
    bool ok = true;
};

TEST(ReinforcementCommands, WindowsMarkTheDocumentOnlyAfterOk) {
    testsupport::FakeServices fakes;
    app::MainFrame frame;
    AnsweringWindows windows;
    Cpp_GeogridData& grids = *Cpp_Kliven4Data::CurrentDataSet()->Geogrids();

    // Without a geogrid type the layouts are refused and nothing is modified.
    frame.OnCommand(ID_GEOGRID_LAYOUTS);
    EXPECT_FALSE(frame.Doc().IsModified());
    ASSERT_EQ(fakes.messageBoxes.requests.size(), 1u);
    EXPECT_EQ(fakes.messageBoxes.requests[0].caption, "Error");
    EXPECT_EQ(fakes.messageBoxes.requests[0].text,
              "There are no grid properties defined.  You must first enter grid properties "
              "before entering the grid layouts.");

    windows.ok = false;
    frame.OnCommand(ID_DEFINE_GEOGRID_PROPERTIES);
    EXPECT_FALSE(frame.Doc().IsModified());
    EXPECT_EQ(grids.NumberOfPropertySets(), 0);

    windows.ok = true;
    frame.OnCommand(ID_DEFINE_GEOGRID_PROPERTIES);
    EXPECT_TRUE(frame.Doc().IsModified());
    EXPECT_EQ(grids.NumberOfPropertySets(), 1);

    frame.Doc().SetModifiedFlag(false);
    for (int id :
         {ID_GEOGRID_LAYOUTS, ID_INDIVIDUAL_GEOGRIDS, ID_NAIL_LAYOUTS, ID_DEFINE_NAIL_PROPERTIES}) {
        frame.Doc().SetModifiedFlag(false);
        frame.OnCommand(id);
        EXPECT_TRUE(frame.Doc().IsModified()) << id;
    }
    frame.Doc().SetModifiedFlag(false);
    frame.OnCommand(ID_INDIVIDUAL_NAILS);  // nothing behind it
    EXPECT_FALSE(frame.Doc().IsModified());
}

TEST(ReinforcementCommands, WithoutTheWindowsTheCommandDoesNothing) {
    testsupport::FakeServices fakes;
    app::MainFrame frame;
    NailGeogridDialogsSlot().Reset();
    frame.OnCommand(ID_DEFINE_NAIL_PROPERTIES);
    EXPECT_EQ(fakes.statusLine.text, "");
    EXPECT_FALSE(frame.Doc().IsModified());
}

// A generation that stops before it starts marks nothing.
TEST(ReinforcementCommands, AGenerationWithoutDataChangesNothing) {
    testsupport::FakeServices fakes;
    app::MainFrame frame;
    frame.OnCommand(ID_GENERATE_NAIL_REINFORCEMENT);
    EXPECT_FALSE(frame.Doc().IsModified());
    ASSERT_EQ(fakes.messageBoxes.requests.size(), 1u);
    EXPECT_EQ(fakes.messageBoxes.requests[0].text,
              "No nail properties - cannot generate reinforcement lines.  Enter nail properties "
              "first");
}

}  // namespace

namespace {

// The nail mode shows "Nail Layout Entry" with the data set's types.
TEST(ReinforcementCommands, TheNailModeShowsItsBar) {
    testsupport::FakeServices fakes;
    app::MainFrame frame;
    Cpp_NailProperties type;
    type.name = "Bar 25";
    Cpp_Kliven4Data::CurrentDataSet()->SoilNails()->Properties().push_back(type);
    frame.SetEditMode(ID_ENTER_NAIL_DATA);
    QDockWidget* dock = frame.DialogBar(app::BarNails);
    ASSERT_NE(dock, nullptr);
    EXPECT_EQ(dock->windowTitle(), "Nail Layout Entry");
    EXPECT_FALSE(dock->isHidden());
    ASSERT_NE(frame.DialogBarWindow(app::BarNails), nullptr);
    auto* types = frame.DialogBarWindow(app::BarNails)->findChild<QComboBox*>("c1956");
    ASSERT_NE(types, nullptr);
    EXPECT_EQ(types->count(), 1);
    EXPECT_EQ(types->itemText(0), "Bar 25");
    frame.Doc().SetModifiedFlag(false);
}

}  // namespace
