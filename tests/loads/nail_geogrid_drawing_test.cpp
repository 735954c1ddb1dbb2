// Nails drawn with a bar across the head, geogrids as thick and thin dashes, and their picking.

#include "load_drawing_fixture.h"
#include "loads/geogrid_data.h"
#include "loads/nail_data.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

using platform::DcRecordKind;

class NailGeogridDrawingTest : public LoadDrawingFixture {
protected:
    Cpp_IndividualNail* Nail(double hx, double hy, double ex, double ey) {
        Cpp_IndividualNail* n = nails.GetIndividualNailList().AddEmptyNail();
        n->headX = hx, n->headY = hy, n->endX = ex, n->endY = ey;
        return n;
    }
    Cpp_Geogrid* Grid(double hx, double y, double ex) {
        Cpp_Geogrid* g = grids.GetIndividualGeogridList().AddEmptyGeogrid();
        g->SetGeometry(hx, y, ex);
        return g;
    }
    Cpp_NailData nails;
    Cpp_GeogridData grids;
};

TEST_F(NailGeogridDrawingTest, NailIsALineWithABarAcrossTheHead) {
    Nail(2, 4, 4, 2);
    ASSERT_TRUE(nails.Draw());
    const auto lines = dc.OfKind(DcRecordKind::Polyline);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].points, (std::vector<platform::DevicePoint>{Px(2, 4), Px(4, 2)}));
    const platform::DevicePoint h = Px(2, 4);
    // 9 * (-2) / 2.83 and 9 * 2 / 2.83, truncated: (-6, 6).
    EXPECT_EQ(lines[1].points,
              (std::vector<platform::DevicePoint>{{h.x - 6, h.y + 6}, {h.x + 6, h.y - 6}}));
    EXPECT_EQ(lines[0].attributes.pen.color, platform::MakeRgb(0, 0, 128));
    EXPECT_EQ(lines[0].attributes.pen.width, 4);  // 3 points at 96 ppi
    dc.Clear();
    Cpp_Graphics::SetOutputMode(Cpp_Graphics::kOutputDxf);
    nails.Draw();
    EXPECT_TRUE(dc.Records().empty());
}

TEST_F(NailGeogridDrawingTest, GeogridAlternatesThickAndThinPiecesCutAtTheEnd) {
    // Two inches at 96 ppi: 192 px = 3.84 world units.
    Grid(1, 5, 4.84);
    ASSERT_TRUE(grids.Draw());
    const auto pieces = dc.OfKind(DcRecordKind::Polyline);
    ASSERT_EQ(pieces.size(), 10u);
    int covered = 0;
    for (size_t i = 0; i < pieces.size(); ++i) {
        const int length = pieces[i].points[1].x - pieces[i].points[0].x;
        EXPECT_EQ(pieces[i].attributes.pen.width, i % 2 == 0 ? 5 : 3);
        if (i + 1 < pieces.size()) {
            EXPECT_NEAR(length, i % 2 == 0 ? 9 : 33, 1) << i;
        }
        covered += length;
    }
    EXPECT_NEAR(covered, 192, 1);
    EXPECT_EQ(pieces[0].points[0], Px(1, 5));
    // A grid running toward -x starts at its head too.
    dc.Clear();
    grids.DeleteAllGeogrids();
    Grid(4, 5, 2);
    grids.Draw();
    const auto back = dc.OfKind(DcRecordKind::Polyline);
    ASSERT_FALSE(back.empty());
    EXPECT_EQ(back[0].points[0], Px(4, 5));
    EXPECT_LT(back[0].points[1].x, back[0].points[0].x);
}

TEST_F(NailGeogridDrawingTest, PickingBySegmentAndByEnds) {
    Nail(1, 1, 5, 1);
    Cpp_IndividualNail* second = Nail(1, 2, 5, 2);
    s_PickType alongSegment{3, 1.8, 0.5};
    EXPECT_EQ(nails.GetIndividualNailList().HitTestA(alongSegment), second);
    s_PickType ends{4.9, 1.1, 0.3};
    bool head = true;
    EXPECT_EQ(nails.GetIndividualNailList().HitTestB(ends, head),
              nails.GetIndividualNailList().Nails()[0].get());
    EXPECT_FALSE(head);
    s_PickType none{3, 1.5, 0.5};
    EXPECT_EQ(nails.GetIndividualNailList().HitTestA(none), nullptr);  // at the radius

    Grid(1, 3, 6);
    s_PickType onGrid{2, 3.1, 0.2};
    EXPECT_NE(grids.GetIndividualGeogridList().HitTestA(onGrid), nullptr);
    s_PickType atHead{1.1, 3, 0.2};
    EXPECT_NE(grids.GetIndividualGeogridList().HitTestB(atHead, head), nullptr);
    EXPECT_TRUE(head);
    double a, b, c, d;
    ASSERT_TRUE(nails.GetBounds(a, b, c, d));
    EXPECT_EQ(a, 1);
    EXPECT_EQ(d, 2);
}

}  // namespace
