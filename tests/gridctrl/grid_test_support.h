#pragma once
// Helpers of the grid tests: an owner that records every notification, a window of a fixed
// size with a measurer of fixed-width text, and a painter that records what is drawn.

#include "gridctrl/grid_ctrl.h"

#include <functional>
#include <string>
#include <vector>

namespace gridtest {

using namespace gridctrl;

// Notification codes as the owner protocol numbers them.
enum Code {
    Click = -2,
    DoubleClick = -3,
    RightClick = -5,
    Changing = -100,
    Changed = -101,
    BeginEdit = -105,
    EndEdit = -106,
    OptionChanged = -402
};

struct Note {
    int code = 0;
    CCellID cell;
    int index = 0;
    std::string textDuring;  // the cell's text while -106 was being answered
};

class OwnerFake final : public GridOwner {
public:
    explicit OwnerFake(CGridCtrl* grid = nullptr) : grid_(grid) {}
    void OnClick(CCellID c) override { notes.push_back({Click, c, 0, {}}); }
    void OnDoubleClick(CCellID c) override { notes.push_back({DoubleClick, c, 0, {}}); }
    void OnRightClick(CCellID c) override { notes.push_back({RightClick, c, 0, {}}); }
    void OnSelectionChanging(CCellID c) override { notes.push_back({Changing, c, 0, {}}); }
    void OnSelectionChanged(CCellID c) override { notes.push_back({Changed, c, 0, {}}); }
    int OnBeginEdit(CCellID c) override {
        notes.push_back({BeginEdit, c, 0, {}});
        return beginEditAnswer;
    }
    int OnEndEdit(CCellID c) override {
        notes.push_back({EndEdit, c, 0, grid_ ? grid_->GetCellText(c.row, c.col) : ""});
        return endEditAnswer;
    }
    int OnOptionChanged(CCellID c, int index) override {
        notes.push_back({OptionChanged, c, index, {}});
        return 0;
    }
    void OnClickCommand() override { ++commands; }

    int Count(int code) const {
        int n = 0;
        for (const Note& note : notes) n += note.code == code;
        return n;
    }
    std::vector<int> Codes() const {
        std::vector<int> codes;
        for (const Note& note : notes) codes.push_back(note.code);
        return codes;
    }

    std::vector<Note> notes;
    int beginEditAnswer = 0;
    int endEditAnswer = 0;
    int commands = 0;

private:
    CGridCtrl* grid_;
};

// Text is 7 pixels a character wide and 14 high, on one line per line feed (or broken at the
// width given with word breaks).
class FixedMeasurer final : public GridMeasurer {
public:
    TextSize MeasureText(const std::string& text, const Font&, unsigned format,
                         int width) const override {
        int lines = 1, longest = 0, current = 0;
        for (char ch : text) {
            if (ch == '\n') {
                ++lines;
                current = 0;
            } else {
                longest = std::max(longest, ++current);
            }
        }
        if ((format & DT_WORDBREAK) && !(format & DT_SINGLELINE) && width > 0)
            return {std::min(longest * 7, width), lines * 14};
        return {static_cast<int>(text.size()) * 7, 14};
    }
};

class FakeWindow final : public GridWindow {
public:
    FakeWindow(int w = 300, int h = 200) : width(w), height(h) {}
    int ClientWidth() const override { return width - (bars.vertical ? kBar : 0); }
    int ClientHeight() const override { return height - (bars.horizontal ? kBar : 0); }
    int VScrollWidth() const override { return kBar; }
    int HScrollHeight() const override { return kBar; }
    void ApplyScrollBars(const ScrollBarState& s) override { bars = s; }
    void Invalidate(const DeviceRect&) override {}
    void InvalidateAll() override {}
    const GridMeasurer* Measurer() const override { return &measurer; }
    InPlaceEditor* OpenTextEditor(const TextEditorRequest&) override { return nullptr; }
    InPlaceEditor* OpenListEditor(const ListEditorRequest&) override { return nullptr; }
    void ShowTitleTip(const TitleTipRequest&) override {}
    void HideTitleTip() override {}
    void StartAutoScroll(int) override {}
    void StopAutoScroll() override {}
    void SetCursorShape(GridCursor) override {}
    void ShowSizingLine(bool, int) override {}
    void TakeFocus() override {}
    DevicePoint PointerPosition() const override { return pointer; }

    static constexpr int kBar = 16;
    int width;
    int height;
    ScrollBarState bars;
    FixedMeasurer measurer;
    DevicePoint pointer;
};

// Records fills, frames, lines and texts.
class RecordingPainter final : public GridPainter {
public:
    struct Fill {
        DeviceRect rect;
        ColorRef colour;
    };
    struct Text {
        DeviceRect rect;
        std::string text;
        unsigned format;
        ColorRef colour;
        Font font;
    };
    struct Stroke {
        int x1, y1, x2, y2;
        ColorRef colour;
    };
    void FillRect(const DeviceRect& r, ColorRef c) override { fills.push_back({r, c}); }
    void FrameRect(const DeviceRect& r, ColorRef c) override { frames.push_back({r, c}); }
    void Line(int x1, int y1, int x2, int y2, ColorRef c) override {
        lines.push_back({x1, y1, x2, y2, c});
    }
    void DrawText(const DeviceRect& r, const std::string& t, unsigned f, ColorRef c,
                  const Font& font) override {
        texts.push_back({r, t, f, c, font});
    }
    void DropButton(const DeviceRect& r) override { buttons.push_back(r); }

    std::vector<Fill> fills;
    std::vector<Fill> frames;
    std::vector<Stroke> lines;
    std::vector<Text> texts;
    std::vector<DeviceRect> buttons;
};

// A grid of `rows` x `cols` with one fixed row and column, its window attached, cell (r, c)
// holding "rRcC" unless told otherwise, columns 50 and rows 20 pixels.
inline void Fill(CGridCtrl& grid, int rows, int cols, int fixedRows = 1, int fixedCols = 1) {
    grid.SetRowCount(rows);
    grid.SetColumnCount(cols);
    grid.SetFixedRowCount(fixedRows);
    grid.SetFixedColumnCount(fixedCols);
    for (int r = 0; r < rows; ++r) grid.SetRowHeight(r, 20);
    for (int c = 0; c < cols; ++c) grid.SetColumnWidth(c, 50);
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < cols; ++c)
            grid.SetCellText(r, c, "r" + std::to_string(r) + "c" + std::to_string(c));
    grid.SetModified(false);
}

}  // namespace gridtest
