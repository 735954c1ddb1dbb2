// Snap grid and saved views: snapping, grid positions, the document blocks read and written.

#include "graphics/graphic_grid.h"
#include "graphics/graphics_fixture.h"
#include "graphics/views.h"
#include "model/subsystem_registration.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>

namespace {

using platform::DcRecordKind;

// A temporary file holding the text, opened for reading.
class TextFile {
public:
    explicit TextFile(const std::string& text) {
        path_ = dir_.Path() / "block.txt";
        testsupport::WriteFile(path_, text);
        file_ = std::fopen(path_.c_str(), "r");
    }
    ~TextFile() {
        if (file_) std::fclose(file_);
    }
    std::FILE* get() { return file_; }
    std::string Rest() {
        std::string rest;
        for (int c; (c = std::fgetc(file_)) != EOF;) rest += static_cast<char>(c);
        return rest;
    }

private:
    testsupport::TempDir dir_;
    std::filesystem::path path_;
    std::FILE* file_ = nullptr;
};

class GridTest : public GraphicsFixture {
protected:
    void SetUp() override {
        GraphicsFixture::SetUp();
        Cpp_GraphicGrid::Reset();
    }
    void TearDown() override {
        Cpp_GraphicGrid::Reset();
        GraphicsFixture::TearDown();
    }
    static void Settings(double spacing, double hzero, double vzero, int points, int lines) {
        s_GridSettingsType s;
        s.spacing = spacing;
        s.horizontalZero = hzero;
        s.verticalZero = vzero;
        s.pointsIncrement = points;
        s.linesIncrement = lines;
        ASSERT_TRUE(Cpp_GraphicGrid::ApplySettings(s));
    }
};

TEST_F(GridTest, SnappingTable) {
    const struct {
        double spacing, hzero, vzero, x, y, sx, sy;
    } cases[] = {
        {1, 0, 0, 2.5, -2.5, 2.0, -3.0},
        {1, 0.5, 0.5, 2.2, 2.2, 2.5, 2.5},
        {0.25, 0, 0, 1.13, -0.13, 1.25, -0.25},
    };
    for (const auto& c : cases) {
        Settings(c.spacing, c.hzero, c.vzero, 1, 5);
        double x = c.x, y = c.y;
        ASSERT_TRUE(Cpp_GraphicGrid::SnapToGrid(x, y, true));
        EXPECT_DOUBLE_EQ(x, c.sx);
        EXPECT_DOUBLE_EQ(y, c.sy);
    }
    double x = 2.2, y = 2.2;
    EXPECT_FALSE(Cpp_GraphicGrid::SnapToGrid(x, y, false));  // snap off
    EXPECT_EQ(x, 2.2);
    Cpp_GraphicGrid::ToggleSnap();
    EXPECT_TRUE(Cpp_GraphicGrid::SnapToGrid(x, y, false));
}

TEST_F(GridTest, SpacingDoublesAndHalvesExactly) {
    Settings(0.3, 0, 0, 1, 5);
    Cpp_GraphicGrid::IncreaseSpacing();
    Cpp_GraphicGrid::IncreaseSpacing();
    Cpp_GraphicGrid::DecreaseSpacing();
    Cpp_GraphicGrid::DecreaseSpacing();
    EXPECT_EQ(Cpp_GraphicGrid::Spacing(), 0.3);
}

TEST_F(GridTest, PositionsWithMultiplierAndFirstColumn) {
    // 0..100 with spacing 0.01: multiplier 11, 910 columns, step 0.11.
    Cpp_Graphics::SetScaleState(0, 100, 0, 100, 0, 10, 1000, -10, 0, 100, 0, 100);
    Settings(0.01, 0, 0, 1, 5);
    Cpp_GraphicGrid::ComputeGridPositions(0, 0, 1000, 1000);
    EXPECT_EQ(Cpp_GraphicGrid::PointColumns().size(), 910u);
    EXPECT_EQ(Cpp_GraphicGrid::PointColumns()[1], Cpp_Graphics::XToPixel(0.11));
    EXPECT_LE(Cpp_GraphicGrid::VerticalLines().size(), 1000u);

    // A window starting at x = 3.2: first column at 4; the vertical lines are drawn every five
    // spacings counted from the grid zero, at 5, 10, 15 ..., where snapping puts points.
    Cpp_Graphics::SetScaleState(3.2, 40, 0, 30, -32, 10, 300, -10, 3.2, 40, 0, 30);
    Settings(1, 0, 0, 1, 5);
    Cpp_GraphicGrid::ComputeGridPositions(0, 0, 1000, 1000);
    EXPECT_EQ(Cpp_GraphicGrid::PointColumns()[0], Cpp_Graphics::XToPixel(4));
    ASSERT_GE(Cpp_GraphicGrid::VerticalLines().size(), 3u);
    EXPECT_EQ(Cpp_GraphicGrid::VerticalLines()[0], Cpp_Graphics::XToPixel(5));
    EXPECT_EQ(Cpp_GraphicGrid::VerticalLines()[1], Cpp_Graphics::XToPixel(10));
    EXPECT_EQ(Cpp_GraphicGrid::VerticalLines()[2], Cpp_Graphics::XToPixel(15));
}

// Grid lines and points lie at whole multiples of their step from the grid zero, whatever the
// visible window starts at: after the view has moved, horizontal lines at 20, 25, 30 (not 19,
// 24, 29), and with a grid zero of 0.5 every line and point is 0.5 off the multiples.
TEST_F(GridTest, LinesAndPointsLineUpWithTheGridZero) {
    const struct {
        double visXmin, visYmin, zero, spacing;
        int points, lines;
        double firstColumn, firstRow, verticals[3], horizontals[3];
    } cases[] = {
        {3.2, 18.7, 0, 1, 1, 5, 4, 19, {5, 10, 15}, {20, 25, 30}},
        {-7.3, -12.9, 0, 1, 2, 5, -6, -12, {-5, 0, 5}, {-10, -5, 0}},
        {3.2, 18.7, 0.5, 1, 1, 5, 3.5, 19.5, {5.5, 10.5, 15.5}, {20.5, 25.5, 30.5}},
        {1.1, 0.3, 0, 0.25, 2, 4, 1.5, 0.5, {2, 3, 4}, {1, 2, 3}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << "window from " << c.visXmin << ", " << c.visYmin << ", zero " << c.zero);
        const double w = 40, h = 30;
        Cpp_Graphics::SetScaleState(c.visXmin, c.visXmin + w, c.visYmin, c.visYmin + h,
                                    -10 * c.visXmin, 10, 300 + 10 * c.visYmin, -10, c.visXmin,
                                    c.visXmin + w, c.visYmin, c.visYmin + h);
        Settings(c.spacing, c.zero, c.zero, c.points, c.lines);
        Cpp_GraphicGrid::ComputeGridPositions(0, 0, 400, 300);
        ASSERT_FALSE(Cpp_GraphicGrid::PointColumns().empty());
        ASSERT_FALSE(Cpp_GraphicGrid::PointRows().empty());
        EXPECT_EQ(Cpp_GraphicGrid::PointColumns()[0], Cpp_Graphics::XToPixel(c.firstColumn));
        EXPECT_EQ(Cpp_GraphicGrid::PointRows()[0], Cpp_Graphics::YToPixel(c.firstRow));
        ASSERT_GE(Cpp_GraphicGrid::VerticalLines().size(), 3u);
        ASSERT_GE(Cpp_GraphicGrid::HorizontalLines().size(), 3u);
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(Cpp_GraphicGrid::VerticalLines()[i], Cpp_Graphics::XToPixel(c.verticals[i]));
            EXPECT_EQ(Cpp_GraphicGrid::HorizontalLines()[i],
                      Cpp_Graphics::YToPixel(c.horizontals[i]));
        }
    }
}

// A tiny spacing in a huge window still ends with at most 1000 positions per axis.
TEST_F(GridTest, HugeCountsStayBounded) {
    Cpp_Graphics::SetScaleState(-1e12, 1e12, -1e12, 1e12, 500, 1e-9, 500, -1e-9, -1e12, 1e12, -1e12,
                                1e12);
    Settings(1e-6, 0, 0, 1, 5);
    Cpp_GraphicGrid::ComputeGridPositions(0, 0, 1000, 1000);
    EXPECT_LE(Cpp_GraphicGrid::PointColumns().size(), 1000u);
    EXPECT_GT(Cpp_GraphicGrid::PointColumns().size(), 900u);
    EXPECT_LE(Cpp_GraphicGrid::HorizontalLines().size(), 1000u);
}

TEST_F(GridTest, DrawnInBatchesWithOriginMarker) {
    FitSquare(-5, 5, -5, 5);
    Settings(1, 0, 0, 1, 5);
    Cpp_GraphicGrid::ComputeGridPositions(0, 0, 566, 566);
    ASSERT_TRUE(Cpp_GraphicGrid::DrawGrid());
    ASSERT_EQ(dc.Count(DcRecordKind::Points), 1u);
    const auto pts = dc.OfKind(DcRecordKind::Points)[0];
    EXPECT_EQ(pts.points.size(),
              Cpp_GraphicGrid::PointColumns().size() * Cpp_GraphicGrid::PointRows().size());
    ASSERT_EQ(dc.Count(DcRecordKind::PolyPolyline), 1u);
    EXPECT_EQ(dc.OfKind(DcRecordKind::PolyPolyline)[0].attributes.pen.style,
              platform::PenStyle::Dot);
    const auto circles = dc.OfKind(DcRecordKind::Ellipse);
    ASSERT_EQ(circles.size(), 1u);  // the origin marker in red
    EXPECT_EQ(circles[0].attributes.pen.color, 0x0000FFu);
    EXPECT_FALSE(Cpp_GraphicGrid::DrawGrid() == false);
    Cpp_GraphicGrid::FreeGridArrays();
    EXPECT_FALSE(Cpp_GraphicGrid::DrawGrid());
}

TEST_F(GridTest, BlockWritesAndReadsBackExactly) {
    Settings(2.5, 0.5, -1.25, 2, 4);
    Cpp_GraphicGrid::ToggleSnap();
    Cpp_GraphicGrid::ToggleDisplayLines();
    std::ostringstream out;
    Cpp_GraphicGrid::WriteKLIVEN4InputDataFile(out);
    const std::string expected = "GRId settings follow -\n"
                                 "        2.5000000000 = Grid spacing\n"
                                 "        0.5000000000 = Horizontal grid zero\n"
                                 "       -1.2500000000 = Vertical grid zero\n"
                                 "         2 = Points display increment\n"
                                 "         4 = Lines display increment\n"
                                 "1 = Display points\n"
                                 "0 = Do not display lines\n"
                                 "1 = Snap\n";
    EXPECT_EQ(out.str(), expected);
    Cpp_GraphicGrid::Reset();
    TextFile file(expected.substr(expected.find('\n') + 1));
    EXPECT_TRUE(Cpp_GraphicGrid::ReadInput(file.get()));
    std::ostringstream again;
    Cpp_GraphicGrid::WriteKLIVEN4InputDataFile(again);
    EXPECT_EQ(again.str(), expected);
}

TEST_F(GridTest, DamagedBlockStopsAtTheBadLine) {
    TextFile file("1.0 = spacing\n0 = h\n0 = v\n3 4 = two numbers\n7\n");
    EXPECT_FALSE(Cpp_GraphicGrid::ReadInput(file.get()));
    const s_GridSettingsType s = Cpp_GraphicGrid::CurrentSettings();
    EXPECT_EQ(s.pointsIncrement, 1);
    EXPECT_EQ(s.linesIncrement, 5);
    EXPECT_FALSE(s.displayPoints || s.displayLines || s.snap);
}

// Regression: a spacing of 0 or below is refused; the block keeps the spacing it had and is
// reported as damaged, and the grid never loops placing positions.
TEST_F(GridTest, ZeroSpacingIsRefused) {
    Settings(2, 0, 0, 1, 5);
    TextFile file("0.0 = Grid spacing\n0 = h\n0 = v\n1 = p\n5 = l\n1 = d\n1 = d\n0 = s\nCOMpute\n");
    EXPECT_FALSE(Cpp_GraphicGrid::ReadInput(file.get()));
    EXPECT_EQ(Cpp_GraphicGrid::Spacing(), 2.0);
    EXPECT_EQ(file.Rest(), "COMpute\n");  // the block's lines were consumed
    s_GridSettingsType s = Cpp_GraphicGrid::CurrentSettings();
    s.spacing = -1;
    EXPECT_FALSE(Cpp_GraphicGrid::ApplySettings(s));
    EXPECT_EQ(fakes.messageBoxes.requests.size(), 1u);
    EXPECT_EQ(Cpp_GraphicGrid::Spacing(), 2.0);
}

TEST_F(GridTest, ProfileSectionRoundTrip) {
    s_GridSettingsType s = Cpp_GraphicGrid::CurrentSettings();
    s.spacing = 0.5;
    s.pointsIncrement = 2;
    s.linesIncrement = 10;
    s.snap = true;
    s.applyToApplication = true;
    ASSERT_TRUE(Cpp_GraphicGrid::ApplySettings(s));  // English units by default
    EXPECT_EQ(fakes.profile.values.at({"GRAPHICS GRID", "Grid Spacing English"}), "0.500000");
    EXPECT_EQ(fakes.profile.values.at({"GRAPHICS GRID", "Grid Snap"}), "1");
    Cpp_GraphicGrid::Reset();
    Cpp_GraphicGrid::ExchangeSettings(true);
    EXPECT_TRUE(Cpp_GraphicGrid::ApplicationSnap());
    EXPECT_EQ(Cpp_GraphicGrid::UnitDefaults(1).linesIncrement, 10);
    EXPECT_EQ(Cpp_GraphicGrid::UnitDefaults(2).spacing, 0.25);
}

class ViewsTest : public GraphicsFixture {
protected:
    void SetUp() override {
        GraphicsFixture::SetUp();
        ResetViews();
    }
    void TearDown() override {
        ResetViews();
        GraphicsFixture::TearDown();
    }
};

TEST_F(ViewsTest, BlockOfTwoViewsRoundTrips) {
    FitSquare(0, 10, 0, 5);
    ASSERT_TRUE(AssignView(2));
    FitSquare(-3, 7, 1, 2);
    ASSERT_TRUE(AssignView(5));
    EXPECT_FALSE(AssignView(7));
    EXPECT_EQ(FirstUndefinedView(), 1);
    std::ostringstream out;
    WriteViews(out);
    const std::string text = out.str();
    EXPECT_EQ(text.substr(0, text.find("2 = View number")),
              "VIEw data follow -\n2 = Number of views\n");
    const s_ViewRecordType five = *GetView(5);

    ClearViews();
    TextFile file(text.substr(text.find('\n') + 1));
    EXPECT_TRUE(ReadViews(file.get()));
    for (int n = 1; n <= 6; ++n) EXPECT_EQ(GetView(n)->defined, n == 2 || n == 5) << n;
    for (int k = 0; k < 4; ++k) {
        EXPECT_NEAR(GetView(5)->mapping[k], five.mapping[k], 1e-9);
        EXPECT_NEAR(GetView(5)->visible[k], five.visible[k], 1e-9);
    }
    std::ostringstream again;
    WriteViews(again);
    EXPECT_EQ(again.str(), text);
}

// Regression: a row was formatted into a fixed buffer, so a view of large coordinates lost the
// end of its line (and its line end) and the block no longer read back.
TEST_F(ViewsTest, AViewOfLargeCoordinatesRoundTrips) {
    FitSquare(-1e30, 1e30, -5e29, 5e29);
    ASSERT_TRUE(AssignView(1));
    std::ostringstream out;
    WriteViews(out);
    const std::string text = out.str();
    ClearViews();
    TextFile file(text.substr(text.find('\n') + 1));
    EXPECT_TRUE(ReadViews(file.get()));
    EXPECT_TRUE(GetView(1)->defined);
    std::ostringstream again;
    WriteViews(again);
    EXPECT_EQ(again.str(), text);
}

TEST_F(ViewsTest, NoViewsIsTwoLines) {
    std::ostringstream out;
    WriteViews(out);
    EXPECT_EQ(out.str(), "VIEw data follow -\n0 = Number of views\n");
    TextFile file("0 = Number of views\nCOMpute\n");
    EXPECT_TRUE(ReadViews(file.get()));
    EXPECT_EQ(FirstUndefinedView(), 1);
    EXPECT_EQ(file.Rest(), "COMpute\n");
}

// Regression: at most the count of groups is read, and a group whose view number is outside 1
// to 6 is consumed and ignored; nothing is written outside the six records.
TEST_F(ViewsTest, GroupOutsideTheSixRecordsIsIgnored) {
    const std::string group = "1 2 3 4\n5 6 7 8\n9 10 11 12\n";
    TextFile file("2 = Number of views\n9 = View number\n" + group + "3 = View number\n" + group +
                  "COMpute\n");
    EXPECT_FALSE(ReadViews(file.get()));
    EXPECT_TRUE(GetView(3)->defined);
    EXPECT_EQ(GetView(3)->visible[3], 12.0);
    EXPECT_EQ(FirstUndefinedView(), 1);
    EXPECT_EQ(file.Rest(), "COMpute\n");
}

TEST_F(ViewsTest, GoingToAViewRestoresTheMappingWithoutRefit) {
    FitSquare(0, 10, 0, 10);
    AssignView(1);
    const double s = Cpp_Graphics::XScale(), xo = Cpp_Graphics::XOffset();
    FitSquare(0, 100, 0, 100);
    EXPECT_TRUE(GoToView(1));
    EXPECT_EQ(Cpp_Graphics::XScale(), s);
    EXPECT_EQ(Cpp_Graphics::XOffset(), xo);
    EXPECT_FALSE(Cpp_Graphics::ScaleIsStale());
    // An undefined view asks; yes assigns the current view and leaves the drawing alone.
    fakes.messageBoxes.answers.push_back(platform::BoxResult::Yes);
    EXPECT_FALSE(GoToView(4));
    ASSERT_EQ(fakes.messageBoxes.requests.size(), 1u);
    EXPECT_EQ(fakes.messageBoxes.requests[0].text,
              "View number 4 does not exist.  Do you want to assign the current view as view "
              "number 4?");
    EXPECT_TRUE(GetView(4)->defined);
    EXPECT_EQ(Cpp_Graphics::XScale(), s);
    EXPECT_FALSE(GoToView(0));
    for (int n = 1; n <= 6; ++n) AssignView(n);
    EXPECT_EQ(FirstUndefinedView(), 0);
}

}  // namespace

#include "model/data_set.h"
#include "registry/block_readers.h"

namespace {

// The document's VIE and GRI blocks go through the reader dispatcher; a damaged grid block is
// noted in the listing and the rest of the file is still read.
TEST_F(GridTest, BlocksReadThroughTheDispatcher) {
    InitializeBlockReaders();
    ResetViews();
    const std::string text =
        "VIEw data follow -\n1 = Number of views\n4 = View number\n"
        "0 10 0 10\n5 50 500 -50\n0 10 0 10\n"
        "GRId settings follow -\n-3 = Grid spacing\n0 = h\n0 = v\n2 = p\n4 = l\n"
        "1 = Display points\n0 = Do not display lines\n1 = Snap\n"
        "COMpute\n";
    TextFile input(text);
    testsupport::TempDir dir;
    std::FILE* listing = std::fopen((dir.Path() / "out.txt").c_str(), "w+");
    Cpp_Kliven4DataSet ds(1);
    bool end = false;
    Settings(2, 0, 0, 1, 5);
    EXPECT_TRUE(ds.ReadInputData(nullptr, input.get(), listing, end));
    std::fclose(listing);
    EXPECT_TRUE(GetView(4)->defined);
    EXPECT_EQ(GetView(4)->mapping[1], 50.0);
    EXPECT_EQ(Cpp_GraphicGrid::Spacing(), 2.0);
    EXPECT_TRUE(Cpp_GraphicGrid::SnapOn());
    EXPECT_NE(testsupport::ReadFile(dir.Path() / "out.txt").find("grid settings block is damaged"),
              std::string::npos);
    ResetViews();
}

}  // namespace
