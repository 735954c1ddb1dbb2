// The material properties window driven through its widgets from the commands that open it
// (Ctrl+M, the stage-2 menu item, Shift and Ctrl on the material tool button).

#include "app/main_frame.h"
#include "core/command_ids.h"
#include "core/text_files.h"
#include "core/units.h"
#include "dialogs/dialog_registration.h"
#include "dialogs/material_dialog.h"
#include "gridctrl/grid_ctrl_kdx.h"
#include "gridctrl/grid_ctrl_widget.h"
#include "model/data_set.h"
#include "model/data_set_information.h"
#include "model/data_sets.h"
#include "platform/qt/modal_driver.h"
#include "platform/qt/qt_graph_window.h"
#include "platform/services.h"
#include "profile/material_properties.h"
#include "profile/profile_line.h"
#include "resources/string_table_resource.h"
#include "support/fake_services.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QToolBar>
#include <gtest/gtest.h>

#include <functional>

namespace {

using Dialog = dialogs::MaterialPropertiesDialog;

class MaterialDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string error;
        ASSERT_TRUE(resources::LoadStringTable(error)) << error;
        dialogs::RegisterDialogWindows(&frame);
        auto* data = Cpp_Kliven4Data::CurrentDataSet();
        data->ProfileLines().CreateLine(4, 1, "Clay");
        data->ProfileLines().CreateLine(6, 3, "Sand");
        auto* m = data->MaterialData().GetMaterialList().Create(1);
        m->SetDescription("Clay");
        m->Stage(1).SetUnitWeight(120.0);
        m->GetShearStrengthRecord(1).SetStrengthOption(1);
        m->GetShearStrengthRecord(1).SetParameters({{200.0, 25.0}});
        m->GetPorePressureRecord(1).SetOption(2);
        frame.Doc().SetModifiedFlag(false);
    }
    void TearDown() override {
        dialogs::UnregisterDialogWindows();
        frame.Doc().SetModifiedFlag(false);
    }

    Cpp_MaterialPropertiesList& Materials() {
        return Cpp_Kliven4Data::CurrentDataSet()->MaterialData().GetMaterialList();
    }

    // Runs the command (a menu item, or a tool button with keys held) and the action on the
    // material window once it is up.
    void Open(const std::function<void()>& command, const std::function<void(Dialog*)>& action) {
        bool reached = false;
        testsupport::WhenModal([&](QWidget* modal) {
            auto* dialog = qobject_cast<Dialog*>(modal);
            if (!dialog) {
                modal->close();
                return;
            }
            reached = true;
            action(dialog);
            if (dialog->isVisible()) dialog->reject();
        });
        command();
        EXPECT_TRUE(reached);
    }
    void CtrlM(const std::function<void(Dialog*)>& action) {
        Open([this] { frame.Action(ID_MATERIALS_STAGE1)->trigger(); }, action);
    }

    template <class W>
    static W* Find(Dialog* d, const char* name) {
        auto* w = d->findChild<W*>(name);
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    // Chooses a combo entry with the keyboard, as a user would.
    static void Choose(QComboBox* combo, int index) {
        combo->setFocus();
        QTest::keyClick(combo, Qt::Key_Home);
        for (int i = 0; i < index; ++i) QTest::keyClick(combo, Qt::Key_Down);
        ASSERT_EQ(combo->currentIndex(), index);
    }
    static QStringList Items(QComboBox* combo) {
        QStringList items;
        for (int i = 0; i < combo->count(); ++i) items << combo->itemText(i);
        return items;
    }
    static void Type(Dialog* d, const char* name, const QString& text) {
        testsupport::Retype(Find<QLineEdit>(d, name), text);
    }
    // Clicks near the left end, where a check box has its box and text.
    static void Click(Dialog* d, const char* name) {
        auto* button = Find<QAbstractButton>(d, name);
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
    }
    static void Ok(Dialog* d) { testsupport::PressButton(d, QDialogButtonBox::Ok); }

    testsupport::FakeServices fakes;
    app::MainFrame frame;
};

TEST_F(MaterialDialogTest, CtrlMOffersTheStageOptionsAndStoresTypedCOverPStrength) {
    CtrlM([&](Dialog* d) {
        EXPECT_EQ(d->windowTitle(), "Material Properties - Stage 1");
        auto* strength = Find<QComboBox>(d, "strengthOption");
        EXPECT_EQ(Items(strength),
                  (QStringList{"Conventional linear Mohr-Coulomb envelope",
                               "Linear increase in undrained strength with depth below profile "
                               "line",
                               "Linear increase in undrained strength with depth below a "
                               "horizontal datum",
                               "Constant c/p ratio", "Anisotropic shear strength",
                               "General nonlinear Mohr failure envelope",
                               "Interpolate values of undrained strength, Su",
                               "Very strong material (infinite strength)"}));
        EXPECT_EQ(Items(Find<QComboBox>(d, "porePressureOption")).size(), 6);
        EXPECT_EQ(Find<QLabel>(d, "usageText")->text(), "Material used by profile line number 4.");
        EXPECT_EQ(Find<QLineEdit>(d, "strength1")->text(), "200");

        Choose(strength, 1);  // depth below the profile line
        auto* pressure = Find<QComboBox>(d, "porePressureOption");
        EXPECT_FALSE(pressure->isEnabled());
        EXPECT_EQ(pressure->currentIndex(), 0);
        Choose(strength, 3);  // c/p ratio
        EXPECT_TRUE(pressure->isEnabled());
        EXPECT_EQ(pressure->currentIndex(), 0);
        QStringList labels;
        for (auto* label : d->findChildren<QLabel*>())
            if (label->text().contains("c/p") || label->text().contains("shear strength:") ||
                label->text().contains("c-zero"))
                labels << label->text();
        EXPECT_EQ(labels, (QStringList{"\"c/p\" ratio:", "\"Intercept\" strength (c-zero)",
                                       "Minimum value of shear strength:",
                                       "Maxmum value of shear strength:"}));
        Type(d, "strength1", "0.25");
        Type(d, "strength2", "100");
        Type(d, "strength3", "50");
        Type(d, "strength4", "2000");
        Choose(pressure, 1);
        EXPECT_TRUE(Find<QLineEdit>(d, "porePressureValue")->isVisible());
        Type(d, "porePressureValue", "-5");
        Ok(d);
        EXPECT_FALSE(d->isVisible());
    });
    EXPECT_TRUE(frame.Doc().IsModified());
    auto* m = Materials().FindMaterial(1);
    ASSERT_NE(m, nullptr);
    double cp = 0, c0 = 0, lo = 0, hi = 0;
    m->GetShearStrengthRecord(1).GetCOverPParameters(cp, c0, lo, hi);
    EXPECT_EQ(cp, 0.25);
    EXPECT_EQ(hi, 2000.0);
    EXPECT_EQ(m->GetPorePressureRecord(1).GetValue(), -5.0);
    EXPECT_TRUE(m->GetPorePressureRecord(1).GetNegativeAllowed());

    // The written block reads back equal.
    OutputText out;
    ASSERT_TRUE(Cpp_Kliven4Data::CurrentDataSet()->MaterialData().WriteInputDataFile(out.get(), 1));
    Cpp_MaterialPropertyData again;
    const std::string text = out.Text();
    InputText in(text.substr(text.find('\n') + 1));  // after the block's command line
    OutputText listing;
    ASSERT_TRUE(again.ReadInput(in.get(), listing.get(), 1, false)) << text;
    auto* read = again.GetMaterialList().FindMaterial(1);
    ASSERT_NE(read, nullptr);
    EXPECT_EQ(read->GetShearStrengthRecord(1), m->GetShearStrengthRecord(1));
    EXPECT_EQ(read->GetPorePressureRecord(1), m->GetPorePressureRecord(1));
    EXPECT_EQ(read->GetConstantUnitWeight(1), 120.0);
}

TEST_F(MaterialDialogTest, ANegativeUnitWeightKeepsTheWindowOpenAndCancelChangesNothing) {
    CtrlM([&](Dialog* d) {
        Type(d, "unitWeight", "-1");
        Ok(d);
        EXPECT_TRUE(d->isVisible());
        ASSERT_EQ(fakes.messageBoxes.requests.size(), 1u);
        EXPECT_EQ(fakes.messageBoxes.requests[0].caption, "Material Property Error");
        EXPECT_EQ(fakes.messageBoxes.requests[0].text,
                  "Error: Unit weight is negative - Unit weights must be either positive or "
                  "zero.");
        EXPECT_EQ(fakes.messageBoxes.requests[0].icon, platform::BoxIcon::Stop);
        testsupport::PressButton(d, QDialogButtonBox::Cancel);
    });
    EXPECT_FALSE(frame.Doc().IsModified());
    EXPECT_EQ(Materials().FindMaterial(1)->GetConstantUnitWeight(1), 120.0);
}

TEST_F(MaterialDialogTest, TheListAddsMissingMaterialsAndTablesCarryLateralUnitWeights) {
    CtrlM([&](Dialog* d) {
        auto* list = Find<QListWidget>(d, "materialList");
        ASSERT_EQ(list->count(), 1);
        Click(d, "addMissing");
        ASSERT_EQ(list->count(), 2);
        EXPECT_EQ(list->item(1)->text(), "3");
        // A keyboard selection shows the material (after the zero unit weight is accepted).
        fakes.messageBoxes.answers = {platform::BoxResult::Yes};
        list->setFocus();
        QTest::keyClick(list, Qt::Key_Down);
        EXPECT_EQ(Find<QLineEdit>(d, "materialNumber")->text(), "3");
        EXPECT_EQ(Find<QLineEdit>(d, "description")->text(), "Material number 3");
        EXPECT_EQ(Find<QLabel>(d, "usageText")->text(), "Material used by profile line number 6.");

        Click(d, "variableUnitWeight");
        auto& grid = d->TableGrid(MaterialDialogState::UnitWeightTable);
        EXPECT_TRUE(Find<gridctrl::GridCtrlWidget>(d, "unitWeightTable")->isVisible());
        EXPECT_EQ(grid.GetRowCount(), 6);
        EXPECT_EQ(grid.GetCellText(1, 0), "Point: 1");
        grid.SetCellText(1, 1, "50");
        grid.SetCellText(1, 2, "110");
        grid.SetCellText(2, 1, "10");
        grid.SetCellText(2, 2, "115");
        Ok(d);
        EXPECT_FALSE(d->isVisible());
    });
    auto* m = Materials().FindMaterial(3);
    ASSERT_NE(m, nullptr);
    EXPECT_EQ(m->Description(), "Material number 3");
    EXPECT_EQ(m->Stage(1).GetLateralUnitWeights(),
              (std::vector<s_LateralUnitWeight>{{10.0, 115.0}, {50.0, 110.0}}));
}

TEST_F(MaterialDialogTest, ModifiedToolPressesAndStageTwoOpenTheirStage) {
    struct Case {
        std::function<void()> command;
        QString title;
        int options;
    } cases[] = {
        {[this] { frame.Action(ID_MATERIALS_STAGE2)->trigger(); }, "Material Properties - Stage 2",
         10},
        {[this] {
             frame.show();
             QTest::mouseClick(
                 frame.MainToolBar()->widgetForAction(frame.Action(ID_ENTER_MATERIAL_PROPERTIES)),
                 Qt::LeftButton, Qt::ShiftModifier);
         },
         "Material Properties - Stage 1", 8},
        {[this] {
             QTest::mouseClick(
                 frame.MainToolBar()->widgetForAction(frame.Action(ID_ENTER_MATERIAL_PROPERTIES)),
                 Qt::LeftButton, Qt::ControlModifier);
         },
         "Material Properties - Stage 2", 10},
    };
    for (const auto& c : cases) {
        Open(c.command, [&](Dialog* d) {
            EXPECT_EQ(d->windowTitle(), c.title);
            EXPECT_EQ(Find<QComboBox>(d, "strengthOption")->count(), c.options);
        });
    }
    // A plain click leaves no key held for the tests after this one.
    QTest::mouseClick(frame.MainToolBar()->widgetForAction(frame.Action(ID_SELECT_ITEMS)),
                      Qt::LeftButton);
    EXPECT_EQ(QGuiApplication::keyboardModifiers(), Qt::NoModifier);
    EXPECT_FALSE(frame.Doc().IsModified());
    frame.close();
}

TEST_F(MaterialDialogTest, CopyStageOneToStageTwoMarksTheDocumentOnlyWhenItCopies) {
    for (int id : {ID_COPY_STAGE1_TO_STAGE2, ID_STAGE1_TO_STAGE2_PROPERTIES}) {
        frame.Doc().SetModifiedFlag(false);
        fakes.messageBoxes.answers = {platform::BoxResult::No};
        frame.OnCommand(id);
        EXPECT_FALSE(frame.Doc().IsModified()) << id;
        fakes.messageBoxes.answers = {platform::BoxResult::Yes};
        frame.OnCommand(id);
        EXPECT_TRUE(frame.Doc().IsModified()) << id;
        EXPECT_EQ(Materials().FindMaterial(1)->GetStrengthOption(2), 1);
    }
}

}  // namespace

namespace {

TEST_F(MaterialDialogTest, ANonlinearMaterialShowsItsGraphWhichTheCheckBoxHidesAndRemakes) {
    auto& s = Materials().FindMaterial(1)->GetShearStrengthRecord(1);
    s.SetStrengthOption(7);
    s.SetNonlinearEnvelope({{0, 100}, {500, 400}});
    CtrlM([&](Dialog* d) {
        auto* w = fakes.graphWindow.Open();
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(w->title, "Nonlinear Mohr-Coulomb Shear Strength Envelope");
        EXPECT_TRUE(w->shown);
        QTRY_COMPARE(w->raised, 1);  // above the dialog once it is up

        // A cell edit redraws the graph from the table.
        auto& grid = d->TableGrid(MaterialDialogState::FirstStrengthTable);
        grid.SetCellTextAndNotify(2, 2, "450");
        EXPECT_EQ(w->data[std::pair(0, 0)],
                  (std::vector<platform::GraphPoint>{{0, 100}, {500, 450}}));

        auto* box = Find<QCheckBox>(d, "displayGraphs");
        Click(d, "displayGraphs");
        EXPECT_FALSE(box->isChecked());
        EXPECT_FALSE(w->shown);
        Click(d, "displayGraphs");
        EXPECT_EQ(fakes.graphWindow.windows.size(), 2u);
        EXPECT_TRUE(fakes.graphWindow.Open()->shown);

        Choose(Find<QComboBox>(d, "strengthOption"), 3);  // "Constant c/p ratio"
        EXPECT_FALSE(fakes.graphWindow.Open()->shown);
        EXPECT_FALSE(box->isEnabled());
    });
    // The window goes with the dialog.
    EXPECT_EQ(fakes.graphWindow.Open(), nullptr);
}

}  // namespace

namespace {

// The strength graph window in the running program: it belongs to the material window, so it
// stays above it and takes clicks; it stands beside it, clear of the envelope table; its axes
// name their unit; and it is shown whenever "Display graph(s)" is ticked, also when the
// material is shown again and when the window is opened again.
TEST_F(MaterialDialogTest, TheStrengthGraphStandsBesideTheWindowAboveItWithUnitsOnItsAxes) {
    platform::qt::QtGraphWindow graphs(&frame);
    platform::Services().SetGraphWindow(&graphs);
    auto& s = Materials().FindMaterial(1)->GetShearStrengthRecord(1);
    s.SetStrengthOption(7);
    s.SetNonlinearEnvelope({{0, 100}, {500, 400}});
    Materials().Create(2)->Stage(1).SetUnitWeight(110.0);
    const auto graphWindow = [] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == "graphWindow" && w->isVisible()) return w;
        return static_cast<QWidget*>(nullptr);
    };
    for (int opening = 0; opening < 2; ++opening) {
        CtrlM([&](Dialog* d) {
            QWidget* graph = nullptr;
            QTRY_VERIFY((graph = graphWindow()) != nullptr);
            EXPECT_EQ(graph->parentWidget(), d) << opening;
            // Clear of the envelope table where the screen leaves room beside the window
            // (the test screen may be too narrow for both).
            QWidget* table = d->findChild<QWidget*>("firstStrengthTable");
            ASSERT_NE(table, nullptr);
            const QRect tableOnScreen(table->mapToGlobal(QPoint(0, 0)), table->size());
            const QRect screen = d->screen()->availableGeometry();
            if (d->frameGeometry().width() + 4 + graph->frameGeometry().width() <= screen.width())
                EXPECT_FALSE(graph->frameGeometry().intersects(tableOnScreen)) << opening;
            else
                EXPECT_TRUE(screen.contains(graph->frameGeometry())) << opening;
            auto* widget =
                static_cast<platform::qt::GraphWidget*>(graph->findChild<QWidget*>("graphWidget"));
            ASSERT_NE(widget, nullptr);
            ASSERT_EQ(widget->Graphs().size(), 1u);
            EXPECT_EQ(widget->Graphs()[0].axes[0].title, "Normal Stress (psf)");
            EXPECT_EQ(widget->Graphs()[0].axes[1].title, "Shear Stress (psf)");

            // Another material and back: the graph again.
            auto* list = d->findChild<QListWidget*>("materialList");
            ASSERT_NE(list, nullptr);
            list->setCurrentRow(1);
            QApplication::processEvents();
            EXPECT_EQ(graphWindow(), nullptr);
            list->setCurrentRow(0);
            QTRY_VERIFY(graphWindow() != nullptr);
            Ok(d);
        });
    }
    platform::Services().SetGraphWindow(&fakes.graphWindow);
}

// Beside each dimensioned field stands the unit of the current unit system: in SI a unit
// weight is in N/cu.m., so 19000 and not 19 is what a soil of 19 kN/cu.m. needs.
TEST_F(MaterialDialogTest, DimensionedFieldsShowTheUnitOfTheUnitSystem) {
    const struct {
        int system;
        const char* unitWeight;
        const char* cohesion;
    } cases[] = {{UnitSystemEnglish, "lb/cu.ft.", "psf"}, {UnitSystemSI, "N/cu.m.", "Pa"}};
    for (const auto& c : cases) {
        SetUnitSystem(c.system);
        CtrlM([&](Dialog* d) {
            EXPECT_EQ(Find<QLabel>(d, "unitWeightUnit")->text(), c.unitWeight);
            EXPECT_EQ(Find<QLabel>(d, "strength1Unit")->text(), c.cohesion);
            EXPECT_EQ(Find<QLabel>(d, "strength2Unit")->text(), "degrees");
            EXPECT_FALSE(Find<QLabel>(d, "strength3Unit")->isVisible());
        });
    }
    ResetUnits();
}

TEST(GraphTicks, TickValuesArePlainDecimalsWithTheDecimalsTheirStepNeeds) {
    using platform::qt::GraphWidget;
    EXPECT_EQ(GraphWidget::TickTexts(0, 500), (QStringList{"0", "125", "250", "375", "500"}));
    EXPECT_EQ(GraphWidget::TickTexts(0, 40000),
              (QStringList{"0", "10000", "20000", "30000", "40000"}));
    EXPECT_EQ(GraphWidget::TickTexts(-0.5, 0.5),
              (QStringList{"-0.50", "-0.25", "0.00", "0.25", "0.50"}));
    EXPECT_EQ(GraphWidget::TickTexts(0, 1e7).back(), "10000000");
}

}  // namespace

namespace {

// The material tool's click opens the narrowed window of one material.
TEST_F(MaterialDialogTest, TheMaterialToolOpensOneMaterialWithoutTheList) {
    auto* data = Cpp_Kliven4Data::CurrentDataSet();
    Cpp_ProfileLine* line = data->ProfileLines().FindProfileLine(4);
    line->AddPoint(0, 50);
    line->AddPoint(100, 50);
    Cpp_ProfileLine* sand = data->ProfileLines().FindProfileLine(6);
    sand->AddPoint(0, 20);
    sand->AddPoint(100, 20);
    bool ok = false;
    Open([&] { ok = EditMaterialAtPoint(*data, 50, 50, 0.5); },
         [&](Dialog* d) {
             EXPECT_EQ(d->windowTitle(), "Material Properties - Stage 1");
             EXPECT_EQ(Find<QLabel>(d, "usageText")->text(), "Used by Profile Line number 4.");
             EXPECT_EQ(d->findChild<QListWidget*>("materialList"), nullptr);
             Type(d, "description", "Soft clay");
             Type(d, "unitWeight", "118");
             Ok(d);
         });
    EXPECT_TRUE(ok);
    auto* m = Materials().FindMaterial(1);
    EXPECT_EQ(m->Description(), "Soft clay");
    EXPECT_EQ(m->GetConstantUnitWeight(1), 118.0);

    // Material 3 of line 6 does not exist: Cancel adds nothing.
    Open([&] { ok = EditMaterialAtPoint(*data, 50, 20, 0.5); },
         [&](Dialog* d) {
             EXPECT_EQ(Find<QLineEdit>(d, "description")->text(), "Mat'l for prof. line 6 (Sand)");
         });
    EXPECT_FALSE(ok);
    EXPECT_EQ(Materials().FindMaterial(3), nullptr);
}

}  // namespace

#include "app/draw_view.h"
#include "app/drawing_view.h"
#include "graphics/graphics.h"

#include <QApplication>
#include <QMouseEvent>

namespace {

// A left click of the material tool in the drawing view opens the material of the profile line
// under it; OK marks the document modified, Cancel leaves it as it was.
TEST_F(MaterialDialogTest, AClickOfTheMaterialToolInTheViewOpensTheLineAndOnlyOkMarksTheDocument) {
    app::InitializeView(frame.View()->ViewWindow());
    frame.resize(800, 600);
    frame.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&frame));
    QTest::mouseClick(
        frame.MainToolBar()->widgetForAction(frame.Action(ID_ENTER_MATERIAL_PROPERTIES)),
        Qt::LeftButton);
    ASSERT_EQ(frame.GetEditMode(), 5);

    const QPoint at(200, 150);
    const double x = Cpp_Graphics::PixelToX(at.x()), y = Cpp_Graphics::PixelToY(at.y());
    auto* data = Cpp_Kliven4Data::CurrentDataSet();
    Cpp_ProfileLine* clay = data->ProfileLines().FindProfileLine(4);
    clay->AddPoint(x - 1000, y);
    clay->AddPoint(x + 1000, y);
    Cpp_ProfileLine* sand = data->ProfileLines().FindProfileLine(6);
    sand->AddPoint(x - 1000, y - 500);
    sand->AddPoint(x + 1000, y - 500);
    const auto click = [&] {
        QMouseEvent press(QEvent::MouseButtonPress, at, frame.View()->mapToGlobal(at),
                          Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(frame.View(), &press);
        QMouseEvent release(QEvent::MouseButtonRelease, at, frame.View()->mapToGlobal(at),
                            Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(frame.View(), &release);
    };

    Open(click, [&](Dialog* d) {
        EXPECT_EQ(Find<QLabel>(d, "usageText")->text(), "Used by Profile Line number 4.");
        Type(d, "unitWeight", "99");
        testsupport::PressButton(d, QDialogButtonBox::Cancel);
    });
    EXPECT_FALSE(frame.Doc().IsModified());
    EXPECT_EQ(Materials().FindMaterial(1)->GetConstantUnitWeight(1), 120.0);

    Open(click, [&](Dialog* d) {
        Type(d, "unitWeight", "99");
        Ok(d);
    });
    EXPECT_TRUE(frame.Doc().IsModified());
    EXPECT_EQ(Materials().FindMaterial(1)->GetConstantUnitWeight(1), 99.0);
    QTest::mouseClick(frame.MainToolBar()->widgetForAction(frame.Action(ID_SELECT_ITEMS)),
                      Qt::LeftButton);
    frame.close();
}

}  // namespace
