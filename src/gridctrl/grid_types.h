#pragma once
// The small value types of the grid control: cell identifiers and blocks, the cell state
// flags, the text format flags, the attribute record, key and scroll codes.
// No toolkit types: the grid's model and its tests use these without a window.

#include "platform/device_context.h"

#include <cstdint>
#include <optional>
#include <string>

namespace gridctrl {

using platform::ColorRef;
using platform::DevicePoint;
using platform::DeviceRect;
using platform::Font;
using platform::TextSize;

// A colour of "use the default cell's".
constexpr ColorRef CLR_DEFAULT = 0xFF000000;

// A cell: (row, column); (-1, -1) is no cell.
struct CCellID {
    int row = -1;
    int col = -1;
    CCellID() = default;
    CCellID(int r, int c) : row(r), col(c) {}
    bool IsValid() const { return row >= 0 && col >= 0; }
    friend bool operator==(const CCellID&, const CCellID&) = default;
};

// A block of cells, both ends inclusive; (-1, -1, -1, -1) is the empty block.
struct CCellBlock {
    int minRow = -1;
    int minCol = -1;
    int maxRow = -1;
    int maxCol = -1;
    CCellBlock() = default;
    CCellBlock(int r1, int c1, int r2, int c2) : minRow(r1), minCol(c1), maxRow(r2), maxCol(c2) {}
    // All four at least 0 and the ends in order.
    bool IsValid() const {
        return minRow >= 0 && minCol >= 0 && maxRow >= 0 && maxCol >= 0 && minRow <= maxRow &&
               minCol <= maxCol;
    }
    // Well-formed and inside the block `grid`.
    bool InRange(const CCellBlock& grid) const {
        return IsValid() && minRow >= grid.minRow && maxRow <= grid.maxRow &&
               minCol >= grid.minCol && maxCol <= grid.maxCol;
    }
    bool Contains(int row, int col) const {
        return IsValid() && row >= minRow && row <= maxRow && col >= minCol && col <= maxCol;
    }
    bool Contains(const CCellID& c) const { return Contains(c.row, c.col); }
    CCellID TopLeft() const { return {minRow, minCol}; }
    friend bool operator==(const CCellBlock&, const CCellBlock&) = default;
};

// Cell state flags.
enum CellState : unsigned {
    GVIS_FOCUSED = 0x01,
    GVIS_SELECTED = 0x02,
    GVIS_DROPHILITED = 0x04,
    GVIS_READONLY = 0x08,
    GVIS_FIXED = 0x10,
    GVIS_FIXEDROW = 0x20,
    GVIS_FIXEDCOL = 0x40,
    GVIS_MODIFIED = 0x80,
};

// Text format flags of a cell (the values of the DrawText flag set).
enum TextFormat : unsigned {
    DT_TOP = 0x0,
    DT_LEFT = 0x0,
    DT_CENTER = 0x1,
    DT_RIGHT = 0x2,
    DT_VCENTER = 0x4,
    DT_BOTTOM = 0x8,
    DT_WORDBREAK = 0x10,
    DT_SINGLELINE = 0x20,
    DT_NOPREFIX = 0x800,
    DT_END_ELLIPSIS = 0x8000,
};
// A format of "use the default cell's".
constexpr unsigned kDefaultFormat = 0xFFFFFFFFu;

// Which members of a GridItem apply.
enum GridItemMask : unsigned {
    GVIF_TEXT = 0x01,
    GVIF_IMAGE = 0x02,
    GVIF_PARAM = 0x04,
    GVIF_STATE = 0x08,
    GVIF_BKCLR = 0x10,
    GVIF_FGCLR = 0x20,
    GVIF_FORMAT = 0x40,
    GVIF_FONT = 0x80,
    GVIF_MARGIN = 0x100,
};

// The cell-attribute record.
struct GridItem {
    int row = 0;
    int col = 0;
    unsigned mask = 0;
    unsigned state = 0;
    unsigned format = 0;
    int image = -1;
    ColorRef backColour = CLR_DEFAULT;
    ColorRef textColour = CLR_DEFAULT;
    std::intptr_t data = 0;
    std::optional<Font> font;
    unsigned margin = 0;
    std::string text;
};

// An item of a grid's pop-up menu: its text and the command it sends.
struct GridMenuItem {
    std::string text;
    int command = 0;
    friend bool operator==(const GridMenuItem&, const GridMenuItem&) = default;
};

// Key codes (virtual keys).
enum GridKey : unsigned {
    VK_LBUTTON = 0x01,
    VK_BACK = 0x08,
    VK_TAB = 0x09,
    VK_RETURN = 0x0D,
    VK_ESCAPE = 0x1B,
    VK_PRIOR = 0x21,
    VK_NEXT = 0x22,
    VK_END = 0x23,
    VK_HOME = 0x24,
    VK_LEFT = 0x25,
    VK_UP = 0x26,
    VK_RIGHT = 0x27,
    VK_DOWN = 0x28,
    VK_INSERT = 0x2D,
    VK_DELETE = 0x2E,
    VK_KEY_A = 0x41,
    VK_KEY_C = 0x43,
    VK_KEY_V = 0x56,
    VK_KEY_X = 0x58,
    VK_ADD = 0x6B,
    VK_F2 = 0x71,
    // Not a key: a single click on the focus cell started the edit. The editor then holds the
    // whole text selected, so typing replaces it as it does after a typed first character.
    VK_CLICK_EDIT = 0x110000,
};

// Scroll requests; the line and page codes serve both bars (up = left, down = right).
enum ScrollCode : int {
    SB_LINEUP = 0,
    SB_LINEDOWN = 1,
    SB_PAGEUP = 2,
    SB_PAGEDOWN = 3,
    SB_THUMBPOSITION = 4,
    SB_THUMBTRACK = 5,
    SB_TOP = 6,
    SB_BOTTOM = 7,
    SB_ENDSCROLL = 8,
};
enum class ScrollBar { Horizontal, Vertical };

// Drop effects of the drop target.
enum class DropEffect { None, Copy, Move };

// The cursor the grid wants over a point.
enum class GridCursor { Arrow, SizeWE, SizeNS };

// Colours the grid takes from the system (the application's palette).
struct GridSystemColours {
    ColorRef windowText = platform::MakeRgb(0, 0, 0);
    ColorRef window = platform::MakeRgb(255, 255, 255);
    ColorRef face = platform::MakeRgb(192, 192, 192);
    ColorRef shadow = platform::MakeRgb(128, 128, 128);
    ColorRef light = platform::MakeRgb(255, 255, 255);
    ColorRef darkShadow = platform::MakeRgb(0, 0, 0);
    ColorRef highlight = platform::MakeRgb(0, 0, 128);
    ColorRef highlightText = platform::MakeRgb(255, 255, 255);
    ColorRef infoBackground = platform::MakeRgb(255, 255, 225);
    ColorRef infoText = platform::MakeRgb(0, 0, 0);
    friend bool operator==(const GridSystemColours&, const GridSystemColours&) = default;
};

}  // namespace gridctrl
