// The edit menu on a selected interpolation point: "Edit Values" in the "Edit Value" window
// (pressures, or total heads once "Display / Edit Heads" switched the data set to heads), and
// the view's message that shows or hides the interpolation value labels.

#include "app/drawing_view.h"
#include "app/main_frame.h"
#include "core/command_ids.h"
#include "editing/interpolation_tool.h"
#include "editing/selection.h"
#include "editing/selection_list.h"
#include "editing/view_menus.h"
#include "frame_on_example.h"
#include "model/data_set.h"
#include "porepressure/interpolation_data.h"
#include "porepressure/vertex.h"

#include <QLabel>
#include <QLineEdit>
#include <QTimer>

#include <algorithm>

namespace {

class InterpolationValueCommands : public testsupport::FrameOnExample {
protected:
    // Selects the stage-1 pressure point at (0, 16).
    void SelectPressurePoint() {
        OpenExample("interpolated_pressures.preinput-kliven");
        for (const auto& s : DataSet().InterpolationData(1)->DataSets())
            if (s->Kind() == 1) set = s.get();
        ASSERT_NE(set, nullptr);
        for (Cpp_VERTEX* v = set->GetVertexList().First(); v; v = v->Next())
            if (v->X() == 0.0 && v->Y() == 16.0) vertex = v;
        ASSERT_NE(vertex, nullptr);
        s_SelectionReferences refs;
        refs.ref1 = set;
        refs.ref2 = vertex;
        refs.x = vertex->X();
        refs.y = vertex->Y();
        GetCurrentSelection().AddItem(&DataSet(), 1, SEL_PRESSURE_POINT, refs);
    }
    // "Edit Values": the window's caption and label; the text typed, then OK or Cancel.
    std::pair<QString, QString> EditValue(const QString& typed, bool ok, QString* shown = nullptr) {
        QString label;
        const QString caption = RunCommand(ID_EDIT_VALUES, [&](QDialog* d) {
            auto* text = d->findChild<QLabel*>("label");
            auto* edit = d->findChild<QLineEdit*>("value");
            if (!text || !edit) {
                ADD_FAILURE() << "no label or value field";
                Cancel(d);
                return;
            }
            label = text->text();
            if (shown) *shown = edit->text();
            edit->setText(typed);
            if (ok)
                Ok(d);
            else
                Cancel(d);
        });
        return {caption, label};
    }
    Cpp_InterpolationDataSet* set = nullptr;
    Cpp_VERTEX* vertex = nullptr;
};

TEST_F(InterpolationValueCommands, EditValuesTakesAPressureOrAHead) {
    SelectPressurePoint();
    const double gammaW = Cpp_InterpolationData::UnitWeightOfWater();

    // Cancel leaves the point and the document alone.
    EXPECT_EQ(EditValue("1", false),
              std::make_pair(QString("Edit Value"), QString("Pore water pressure:")));
    EXPECT_EQ(vertex->FirstValue(), 748.8);
    EXPECT_FALSE(frame.Doc().IsModified());

    EditValue("500", true);
    EXPECT_EQ(vertex->FirstValue(), 500.0);
    EXPECT_DOUBLE_EQ(vertex->SecondValue(), 16.0 + 500.0 / gammaW);
    EXPECT_TRUE(frame.Doc().IsModified());

    // Heads: the same point is edited as its total head.
    frame.Doc().SetModifiedFlag(false);
    frame.OnCommand(ID_EDIT_HEADS);
    EXPECT_TRUE(set->GetOptionFlag());
    EXPECT_TRUE(frame.Doc().IsModified());
    QString shown;
    EXPECT_EQ(EditValue("30", true, &shown).second, "Total hydraulic head:");
    EXPECT_NEAR(shown.toDouble(), 16.0 + 500.0 / gammaW, 0.01);
    EXPECT_EQ(vertex->SecondValue(), 30.0);
    EXPECT_DOUBLE_EQ(vertex->FirstValue(), gammaW * (30.0 - 16.0));
    frame.OnCommand(ID_EDIT_HEADS);
    EXPECT_FALSE(set->GetOptionFlag());
}

TEST_F(InterpolationValueCommands, TheEditMenuOfAPressurePointOffersBoth) {
    SelectPressurePoint();
    std::vector<int> ids;
    for (const s_MenuEntry& e : EditContextMenu(GetCurrentSelection())) ids.push_back(e.id);
    EXPECT_NE(std::find(ids.begin(), ids.end(), ID_EDIT_VALUES), ids.end());
    EXPECT_NE(std::find(ids.begin(), ids.end(), ID_EDIT_HEADS), ids.end());
}

// Without a selected interpolation point neither command does anything.
TEST_F(InterpolationValueCommands, WithoutAnInterpolationPointNothingHappens) {
    OpenExample("interpolated_pressures.preinput-kliven");
    // A window that opened would be closed by this watch (and noted).
    bool opened = false;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            opened = true;
            modal->close();
        }
    });
    watch.start(10);
    frame.OnCommand(ID_EDIT_VALUES);
    frame.OnCommand(ID_EDIT_HEADS);
    watch.stop();
    EXPECT_FALSE(opened);
    EXPECT_FALSE(frame.Doc().IsModified());
}

TEST_F(InterpolationValueCommands, TheDisplayMessageShowsAndHidesTheValueLabels) {
    OpenExample("interpolated_pressures.preinput-kliven");
    for (bool show : {true, true, false}) {
        frame.View()->OnInterpolationDisplayMessage(show);
        EXPECT_EQ(Cpp_InterpolationTool::ShowPointValues(), show);
    }
}

}  // namespace
