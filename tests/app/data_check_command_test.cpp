// Data > Check Data marks where profile lines cross, and the next check clears the marks.

#include "app/draw_view.h"
#include "app/drawing_view.h"
#include "app/main_frame.h"
#include "core/command_ids.h"
#include "frame_on_example.h"
#include "graphics/line.h"
#include "model/data_set.h"
#include "model/data_sets.h"
#include "profile/profile_line.h"

#include <QApplication>

namespace {

using CheckDataCommand = testsupport::FrameOnExample;

TEST_F(CheckDataCommand, CrossingProfileLinesAreMarkedDrawnAndClearedByTheNextCheck) {
    example = dir.Path() / "crossing.preinput-kliven";
    testsupport::WriteFile(example, "PROfile line data follow -\n"
                                    "     1     1 Upper\n"
                                    "          0.0  0.0\n          100.0  100.0\n\n"
                                    "     2     1 Lower\n"
                                    "          0.0  100.0\n          100.0  0.0\n\n\n"
                                    "MATerial property data follow -\n"
                                    "     1 Fill\n          120\n          Conventional\n"
                                    "          0 30\n          Piezometric Line NegativeOK\n"
                                    "          1 -200\n\n"
                                    "NO compute\n");
    ASSERT_TRUE(frame.FileOpen(example));
    frame.resize(800, 600);
    frame.show();
    app::InitializeView(frame.View()->ViewWindow());
    Cpp_ProfileLineList& lines = DataSet().ProfileLines();
    ASSERT_TRUE(lines.CheckMarks().empty());

    frame.OnCommand(ID_CHECK_DATA);
    ASSERT_EQ(lines.CheckMarks().size(), 1u);
    const Cpp_CheckMark& mark = lines.CheckMarks()[0];
    EXPECT_EQ(mark.kind, 1);
    EXPECT_NEAR(mark.x1, 50.0, 1e-9);
    EXPECT_NEAR(mark.y1, 50.0, 1e-9);

    // The lines no longer cross: the next check leaves no mark, and none is drawn.
    Cpp_ProfileLine* lower = lines.FindProfileLine(2);
    lower->FirstPoint()->Set(0.0, -10.0);
    lower->LastPoint()->Set(100.0, -20.0);
    frame.OnCommand(ID_CHECK_DATA);
    EXPECT_TRUE(lines.CheckMarks().empty());
    frame.Doc().SetModifiedFlag(false);
}

}  // namespace
