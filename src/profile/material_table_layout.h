#pragma once
// Where the table of material properties of a stage stands in the drawing: an anchor point and
// which point of the table it is (codes 1 to 9: right, centre, left by x; bottom, middle, top by
// y), the table's size and rectangle, and the pixel positions of its grid lines, for picking and
// for dragging the table to another place. The drawing of the table on the screen fills in its
// size, rectangle and grid lines; until it has been drawn the table is never hit or dragged.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "graphics/pick.h"
#include "platform/device_context.h"

class Cpp_MaterialTableLayout {
public:
    struct s_Point {
        double x = 0.0;
        double y = 0.0;
        bool operator==(const s_Point&) const = default;
    };
    // A picked grid line: the column of a vertical line or the row of a horizontal one (-1 for
    // the other), and whether it is the first or last of its kind.
    struct s_GridLineHit {
        bool border = false;
        int column = -1;
        int row = -1;
    };

    Cpp_MaterialTableLayout() = default;
    ~Cpp_MaterialTableLayout() { FreeArrays(); }
    Cpp_MaterialTableLayout(const Cpp_MaterialTableLayout&) = delete;
    Cpp_MaterialTableLayout& operator=(const Cpp_MaterialTableLayout&) = delete;

    void FreeArrays();

    // The point of a table whose lower-left corner is (x, y) that the anchor code names; false
    // for a code outside 1 to 9.
    bool GetAnchorPoint(double x, double y, s_Point& point) const;
    // Strictly inside the table's rectangle: the pick is marked hit.
    bool HitTestBox(s_PickType& pick) const;
    // Within 5 pixels of a grid line and along it (5 pixels beyond its ends).
    bool HitTestGridLines(s_PickType& pick, s_GridLineHit& hit) const;
    // A drag begins at the cursor pixel: the grab offset is the table's lower left corner less
    // the cursor, and the outline lies on the table where it stands.
    void BeginDrag(int cursorX, int cursorY);
    // The outline of the drag in XOR (drawn again, it is gone).
    void DrawDragOutline(platform::DeviceContext& dc) const { DrawOutline(dc); }
    // The outline during a drag, in XOR on dc; the cursor x in the high 16 bits, y in the low.
    void DragMove(platform::DeviceContext& dc, std::uint32_t cursor);
    // Erases the outline and anchors the table where it was dropped.
    void DragEnd(platform::DeviceContext& dc, std::uint32_t cursor);
    // Picking by kind may choose the table (always).
    static bool GetMaterialTableSelectable() { return true; }

    bool IsAnchored() const { return anchored_; }
    int AnchorCode() const { return anchorCode_; }
    void SetAnchorCode(int code) { anchorCode_ = code; }
    bool IsShown() const { return shown_; }
    void SetShown(bool shown) { shown_ = shown; }
    s_Point Anchor() const { return anchor_; }

    // What a drawing of the table would fill in.
    void SetSize(double width, double height) {
        width_ = width;
        height_ = height;
    }
    void SetRectangle(double left, double right, double top, double bottom) {
        left_ = left, right_ = right, top_ = top, bottom_ = bottom;
    }
    void SetGridLines(std::vector<int> columnLines, std::vector<int> rowLines) {
        columnLines_ = std::move(columnLines);
        rowLines_ = std::move(rowLines);
    }
    // Where the table was last drawn on the screen: its grid lines (pixels, the borders first
    // and last) and its rectangle (world).
    const std::vector<int>& ColumnLines() const { return columnLines_; }
    const std::vector<int>& RowLines() const { return rowLines_; }
    double Left() const { return left_; }
    double Bottom() const { return bottom_; }
    // The pixel offset of the cursor from the table's corner when a drag begins.
    void SetGrabOffset(int x, int y) {
        grabX_ = static_cast<short>(x);
        grabY_ = static_cast<short>(y);
    }
    platform::DeviceRect DragOutline() const {
        return {outlineLeft_, outlineTop_, outlineRight_, outlineBottom_};
    }

private:
    void DrawOutline(platform::DeviceContext& dc) const;

    bool anchored_ = false;
    int anchorCode_ = 1;
    bool shown_ = false;
    bool flags_[4] = {true, true, true, true};
    unsigned char option_ = 0;
    s_Point anchor_;
    std::vector<std::unique_ptr<std::string>> textBlocks_;
    std::vector<int> columnLines_;
    std::vector<int> rowLines_;
    double width_ = 0.0;
    double height_ = 0.0;
    double left_ = 0.0, right_ = 0.0, top_ = 0.0, bottom_ = 0.0;
    std::uint32_t lastCursor_ = 0;
    short grabY_ = 0, grabX_ = 0;
    int outlineTop_ = 0, outlineLeft_ = 0, outlineBottom_ = 0, outlineRight_ = 0;
};
