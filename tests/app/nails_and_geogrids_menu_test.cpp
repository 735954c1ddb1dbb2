// Nails and geogrids within the user's reach: the "Nails and Geogrids" submenu of Data with the
// windows, the placing tools and the two generations, and the two tool-bar buttons.

#include "app/main_frame.h"
#include "app/tool_bars.h"
#include "core/command_ids.h"
#include "editing/edit_modes.h"
#include "frame_on_example.h"
#include "loads/loads_data.h"
#include "loads/loads_test_support.h"
#include "model/data_set.h"

#include <QDockWidget>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QToolBar>

namespace {

class NailsAndGeogridsMenu : public testsupport::FrameOnExample {
protected:
    QMenu* Submenu() const { return frame.findChild<QMenu*>("nailsAndGeogrids"); }
    QAction* Item(const QString& text) const {
        for (QAction* a : Submenu()->actions())
            if (a->text() == text) return a;
        ADD_FAILURE() << "no item " << text.toStdString();
        return nullptr;
    }
};

TEST_F(NailsAndGeogridsMenu, DataHoldsTheSubmenuWithItsCommandsInOrder) {
    QMenu* submenu = Submenu();
    ASSERT_NE(submenu, nullptr);
    QMenu* data = nullptr;
    for (QAction* a : frame.menuBar()->actions())
        if (a->text() == "Data") data = a->menu();
    ASSERT_NE(data, nullptr);
    EXPECT_TRUE(data->actions().contains(submenu->menuAction()));
    EXPECT_EQ(submenu->title(), "Nails and Geogrids");
    QStringList items;
    std::vector<int> ids;
    for (QAction* a : submenu->actions())
        if (!a->isSeparator()) items << a->text();
    EXPECT_EQ(items, (QStringList{"Define Nail Properties", "Nail Layouts", "Enter Nail Data",
                                  "Generate Reinforcement for Nails", "Define Geogrid Properties",
                                  "Geogrid Layouts", "Individual Geogrids", "Enter Geogrid Data",
                                  "Generate Reinforcement for Geogrids"}));
    const int expected[] = {ID_DEFINE_NAIL_PROPERTIES,
                            ID_NAIL_LAYOUTS,
                            ID_ENTER_NAIL_DATA,
                            ID_GENERATE_NAIL_REINFORCEMENT,
                            ID_DEFINE_GEOGRID_PROPERTIES,
                            ID_GEOGRID_LAYOUTS,
                            ID_INDIVIDUAL_GEOGRIDS,
                            ID_ENTER_GEOGRID_DATA,
                            ID_GENERATE_GEOGRID_REINFORCEMENT};
    for (int id : expected) EXPECT_TRUE(submenu->actions().contains(frame.Action(id))) << id;
}

// Each window opens from its item; Cancel leaves the document as it was.
TEST_F(NailsAndGeogridsMenu, EachWindowOpensFromItsItem) {
    OpenExample("reinforced_embankment.preinput-kliven");
    for (const char* text : {"Define Nail Properties", "Nail Layouts", "Define Geogrid Properties",
                             "Geogrid Layouts", "Individual Geogrids"}) {
        SCOPED_TRACE(text);
        QAction* item = Item(text);
        ASSERT_NE(item, nullptr);
        bool opened = false;
        testsupport::WhenModal([&](QWidget* modal) {
            opened = qobject_cast<QDialog*>(modal) != nullptr;
            if (auto* d = qobject_cast<QDialog*>(modal))
                d->reject();
            else
                modal->close();
        });
        item->trigger();
        EXPECT_TRUE(opened);
        EXPECT_FALSE(frame.Doc().IsModified());
    }
}

// The two generations of the sample problem, each from its item: the nails' lines, then the
// geogrids' lines in place of all others.
TEST_F(NailsAndGeogridsMenu, TheGenerationsMakeTheReinforcementLines) {
    OpenExample("reinforced_embankment.preinput-kliven");
    ScriptedGenerationDialogs dialogs;
    dialogs.geogridOptions.stopIfNotDeveloped = false;
    const Cpp_ReinforcementLineList& lines = DataSet().Loads().reinforcement;

    fakes.messageBoxes.answers.push_back(platform::BoxResult::No);  // keep the file's line
    Item("Generate Reinforcement for Nails")->trigger();
    EXPECT_EQ(dialogs.nailUnitRuns, 1);
    ASSERT_EQ(lines.Count(), 5);
    EXPECT_EQ(lines.FindLine(5)->Description(), "Nail number 4");
    EXPECT_TRUE(frame.Doc().IsModified());

    frame.Doc().SetModifiedFlag(false);
    fakes.messageBoxes.answers.push_back(platform::BoxResult::Yes);  // replace them
    Item("Generate Reinforcement for Geogrids")->trigger();
    ASSERT_EQ(lines.Count(), 4);
    EXPECT_EQ(lines.FindLine(1)->Description(), "Goegrid number 1");
    EXPECT_TRUE(frame.Doc().IsModified());
}

// The placing tools: from the menu and from their tool-bar buttons, now shown.
TEST_F(NailsAndGeogridsMenu, ThePlacingToolsComeFromTheMenuAndTheButtons) {
    OpenExample("reinforced_embankment.preinput-kliven");
    frame.resize(1800, 800);  // every tool-bar button in view
    frame.show();
    for (int id : {ID_ENTER_NAIL_DATA, ID_ENTER_GEOGRID_DATA}) {
        EXPECT_TRUE(frame.Action(id)->isVisible()) << id;
        QWidget* button = frame.MainToolBar()->widgetForAction(frame.Action(id));
        ASSERT_NE(button, nullptr);
        EXPECT_TRUE(button->isVisible()) << id;
    }
    Item("Enter Nail Data")->trigger();
    EXPECT_EQ(frame.GetEditMode(), EditModeNails);
    EXPECT_TRUE(frame.DialogBar(app::BarNails)->isVisible());
    EXPECT_TRUE(frame.Action(ID_ENTER_NAIL_DATA)->isChecked());

    QTest::mouseClick(frame.MainToolBar()->widgetForAction(frame.Action(ID_ENTER_GEOGRID_DATA)),
                      Qt::LeftButton);
    EXPECT_EQ(frame.GetEditMode(), EditModeGeogrids);
    EXPECT_TRUE(frame.DialogBar(app::BarGeogrids)->isVisible());
    EXPECT_FALSE(frame.DialogBar(app::BarNails)->isVisible());
    EXPECT_TRUE(frame.Action(ID_ENTER_GEOGRID_DATA)->isChecked());
    EXPECT_FALSE(frame.Action(ID_ENTER_NAIL_DATA)->isChecked());
}

}  // namespace
