#include "platform/dc_state.h"

#include <algorithm>
#include <utility>

namespace platform {

namespace {
template <typename T>
T Exchange(T& field, const T& value, bool& changed) {
    changed = !(field == value);
    return std::exchange(field, value);
}
}  // namespace

Pen DeviceContextState::SetPen(const Pen& pen) {
    bool changed = false;
    Pen old = Exchange(state_.pen, pen, changed);
    if (changed) AttributesChanged(ChangePen);
    return old;
}

Brush DeviceContextState::SetBrush(const Brush& brush) {
    bool changed = false;
    Brush old = Exchange(state_.brush, brush, changed);
    if (changed) AttributesChanged(ChangeBrush);
    return old;
}

Font DeviceContextState::SetFont(const Font& font) {
    bool changed = false;
    Font old = Exchange(state_.font, font, changed);
    if (changed) AttributesChanged(ChangeFont);
    return old;
}

ColorRef DeviceContextState::SetTextColor(ColorRef color) {
    bool changed = false;
    ColorRef old = Exchange(state_.textColor, color, changed);
    if (changed) AttributesChanged(ChangeTextColor);
    return old;
}

ColorRef DeviceContextState::SetBkColor(ColorRef color) {
    bool changed = false;
    ColorRef old = Exchange(state_.bkColor, color, changed);
    if (changed) AttributesChanged(ChangeBkColor);
    return old;
}

BackgroundMode DeviceContextState::SetBkMode(BackgroundMode mode) {
    bool changed = false;
    BackgroundMode old = Exchange(state_.bkMode, mode, changed);
    if (changed) AttributesChanged(ChangeBkMode);
    return old;
}

RasterOp DeviceContextState::SetRop2(RasterOp op) {
    bool changed = false;
    RasterOp old = Exchange(state_.rop, op, changed);
    if (changed) AttributesChanged(ChangeRop);
    return old;
}

unsigned DeviceContextState::SetTextAlign(unsigned align) {
    return std::exchange(state_.textAlign, align);
}

FillMode DeviceContextState::SetPolyFillMode(FillMode mode) {
    return std::exchange(state_.fillMode, mode);
}

void DeviceContextState::SetClipRect(const DeviceRect& rect) {
    state_.clip = DcClip{ClipKind::Rect, rect.Normalized(), {}};
    AttributesChanged(ChangeClip);
}

void DeviceContextState::SetClipPath(const std::vector<DevicePoint>& path) {
    if (path.size() < 3) {
        // A degenerate path encloses nothing.
        state_.clip = DcClip{ClipKind::Rect, DeviceRect{}, {}};
    } else {
        state_.clip = DcClip{ClipKind::Path, {}, path};
    }
    AttributesChanged(ChangeClip);
}

void DeviceContextState::ClearClip() {
    state_.clip = DcClip{};
    AttributesChanged(ChangeClip);
}

DeviceRect DeviceContextState::GetClipBox() const {
    switch (state_.clip.kind) {
    case ClipKind::Rect: return state_.clip.rect;
    case ClipKind::Path: {
        const auto& p = state_.clip.path;
        DeviceRect box{p[0].x, p[0].y, p[0].x, p[0].y};
        for (const auto& q : p) {
            box.left = std::min(box.left, q.x);
            box.top = std::min(box.top, q.y);
            box.right = std::max(box.right, q.x);
            box.bottom = std::max(box.bottom, q.y);
        }
        return box;
    }
    case ClipKind::None: break;
    }
    return PageRect();
}

void DeviceContextState::Save() { saved_.push_back(state_); }

void DeviceContextState::Restore() {
    if (saved_.empty()) return;
    state_ = std::move(saved_.back());
    saved_.pop_back();
    AttributesChanged(ChangeAll);
}

}  // namespace platform
