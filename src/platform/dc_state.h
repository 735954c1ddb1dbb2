#pragma once
// The attribute state every device context keeps (pen, brush, font, colours, modes, clip and
// current position), with the save/restore stack. Backends derive from DeviceContextState and
// only draw; they learn of attribute changes through AttributesChanged().

#include "platform/device_context.h"

#include <vector>

namespace platform {

enum class ClipKind { None, Rect, Path };

struct DcClip {
    ClipKind kind = ClipKind::None;
    DeviceRect rect;                // ClipKind::Rect (normalized)
    std::vector<DevicePoint> path;  // ClipKind::Path
    friend bool operator==(const DcClip&, const DcClip&) = default;
};

struct DcAttributes {
    Pen pen;
    Brush brush;
    Font font;
    ColorRef textColor = 0x000000;
    ColorRef bkColor = 0xFFFFFF;
    BackgroundMode bkMode = BackgroundMode::Opaque;
    RasterOp rop = RasterOp::CopyPen;
    unsigned textAlign = AlignLeft | AlignTop;
    FillMode fillMode = FillMode::Alternate;
    DcClip clip;
    DevicePoint position;
    friend bool operator==(const DcAttributes&, const DcAttributes&) = default;
};

// Bits passed to AttributesChanged().
enum DcChange : unsigned {
    ChangePen = 1u << 0,
    ChangeBrush = 1u << 1,
    ChangeFont = 1u << 2,
    ChangeTextColor = 1u << 3,
    ChangeBkColor = 1u << 4,
    ChangeBkMode = 1u << 5,
    ChangeRop = 1u << 6,
    ChangeClip = 1u << 7,
    ChangeAll = 0xFFFFFFFFu,
};

class DeviceContextState : public DeviceContext {
public:
    Pen SetPen(const Pen& pen) override;
    Brush SetBrush(const Brush& brush) override;
    Font SetFont(const Font& font) override;
    ColorRef SetTextColor(ColorRef color) override;
    ColorRef SetBkColor(ColorRef color) override;
    BackgroundMode SetBkMode(BackgroundMode mode) override;
    RasterOp SetRop2(RasterOp op) override;
    unsigned SetTextAlign(unsigned align) override;
    FillMode SetPolyFillMode(FillMode mode) override;
    Pen GetPen() const override { return state_.pen; }
    Brush GetBrush() const override { return state_.brush; }
    Font GetFont() const override { return state_.font; }
    RasterOp GetRop2() const override { return state_.rop; }
    ColorRef GetTextColor() const override { return state_.textColor; }
    ColorRef GetBkColor() const override { return state_.bkColor; }
    BackgroundMode GetBkMode() const override { return state_.bkMode; }
    unsigned GetTextAlign() const override { return state_.textAlign; }
    FillMode GetPolyFillMode() const override { return state_.fillMode; }
    DevicePoint GetCurrentPosition() const override { return state_.position; }

    void MoveTo(int x, int y) override { state_.position = {x, y}; }

    void SetClipRect(const DeviceRect& rect) override;
    void SetClipPath(const std::vector<DevicePoint>& path) override;
    void ClearClip() override;
    DeviceRect GetClipBox() const override;

    void Save() override;
    // Restore without a matching Save does nothing.
    void Restore() override;

    const DcAttributes& Attributes() const { return state_; }

protected:
    // Called after an attribute changed (a mask of DcChange bits).
    virtual void AttributesChanged(unsigned /*changes*/) {}
    DcAttributes state_;

private:
    std::vector<DcAttributes> saved_;
};

}  // namespace platform
