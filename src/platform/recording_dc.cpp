#include "platform/recording_dc.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <sstream>

namespace platform {

const char* KindName(DcRecordKind kind) {
    switch (kind) {
    case DcRecordKind::Line: return "Line";
    case DcRecordKind::Polyline: return "Polyline";
    case DcRecordKind::PolyPolyline: return "PolyPolyline";
    case DcRecordKind::Polygon: return "Polygon";
    case DcRecordKind::FillPolygon: return "FillPolygon";
    case DcRecordKind::Rectangle: return "Rectangle";
    case DcRecordKind::FillRect: return "FillRect";
    case DcRecordKind::Ellipse: return "Ellipse";
    case DcRecordKind::Arc: return "Arc";
    case DcRecordKind::Pixel: return "Pixel";
    case DcRecordKind::Points: return "Points";
    case DcRecordKind::Text: return "Text";
    }
    return "?";
}

DcRecord& RecordingDeviceContext::Add(DcRecordKind kind) {
    DcRecord& record = records_.emplace_back();
    record.kind = kind;
    record.attributes = state_;
    return record;
}

void RecordingDeviceContext::LineTo(int x, int y) {
    Add(DcRecordKind::Line).points = {state_.position, {x, y}};
    state_.position = {x, y};
}

void RecordingDeviceContext::Polyline(const std::vector<DevicePoint>& points) {
    Add(DcRecordKind::Polyline).points = points;
}

void RecordingDeviceContext::PolyPolyline(const std::vector<std::vector<DevicePoint>>& lines) {
    Add(DcRecordKind::PolyPolyline).lines = lines;
}

void RecordingDeviceContext::Polygon(const std::vector<DevicePoint>& points) {
    Add(DcRecordKind::Polygon).points = points;
}

void RecordingDeviceContext::FillPolygon(const std::vector<DevicePoint>& points) {
    Add(DcRecordKind::FillPolygon).points = points;
}

void RecordingDeviceContext::Rectangle(int left, int top, int right, int bottom) {
    Add(DcRecordKind::Rectangle).rect = {left, top, right, bottom};
}

void RecordingDeviceContext::FillRect(const DeviceRect& rect, ColorRef color) {
    DcRecord& r = Add(DcRecordKind::FillRect);
    r.rect = rect;
    r.color = color;
}

void RecordingDeviceContext::Ellipse(int left, int top, int right, int bottom) {
    Add(DcRecordKind::Ellipse).rect = {left, top, right, bottom};
}

void RecordingDeviceContext::Arc(const DeviceRect& box, DevicePoint start, DevicePoint end) {
    DcRecord& r = Add(DcRecordKind::Arc);
    r.rect = box;
    r.points = {start, end};
}

void RecordingDeviceContext::SetPixel(int x, int y, ColorRef color) {
    DcRecord& r = Add(DcRecordKind::Pixel);
    r.points = {{x, y}};
    r.color = color;
}

void RecordingDeviceContext::DrawPoints(const std::vector<DevicePoint>& points, ColorRef color,
                                        int size) {
    DcRecord& r = Add(DcRecordKind::Points);
    r.points = points;
    r.color = color;
    r.size = size;
}

void RecordingDeviceContext::TextOut(int x, int y, const std::string& text) {
    DcRecord& r = Add(DcRecordKind::Text);
    r.points = {{x, y}};
    r.text = text;
}

TextSize RecordingDeviceContext::GetTextExtent(const std::string& text) const {
    const int h = std::abs(state_.font.height);
    return {static_cast<int>(text.size()) * std::max(1, h / 2), h};
}

TextMetrics RecordingDeviceContext::GetTextMetrics() const {
    const int h = std::abs(state_.font.height);
    TextMetrics m;
    m.height = h;
    m.ascent = h * 4 / 5;
    m.descent = h - m.ascent;
    m.averageCharWidth = std::max(1, h / 2);
    m.maxCharWidth = std::max(1, h);
    m.externalLeading = 0;
    return m;
}

std::vector<DcRecord> RecordingDeviceContext::OfKind(DcRecordKind kind) const {
    std::vector<DcRecord> out;
    for (const auto& r : records_)
        if (r.kind == kind) out.push_back(r);
    return out;
}

std::size_t RecordingDeviceContext::Count(DcRecordKind kind) const {
    return static_cast<std::size_t>(std::count_if(
        records_.begin(), records_.end(), [kind](const DcRecord& r) { return r.kind == kind; }));
}

std::vector<std::string> RecordingDeviceContext::Texts() const {
    std::vector<std::string> out;
    for (const auto& r : records_)
        if (r.kind == DcRecordKind::Text) out.push_back(r.text);
    return out;
}

namespace {

const char* PenStyleName(PenStyle s) {
    switch (s) {
    case PenStyle::Solid: return "Solid";
    case PenStyle::Dash: return "Dash";
    case PenStyle::Dot: return "Dot";
    case PenStyle::DashDot: return "DashDot";
    case PenStyle::DashDotDot: return "DashDotDot";
    case PenStyle::Null: return "Null";
    }
    return "?";
}

const char* BrushKindName(BrushKind k) {
    switch (k) {
    case BrushKind::Solid: return "Solid";
    case BrushKind::Hatch: return "Hatch";
    case BrushKind::Pattern: return "Pattern";
    case BrushKind::Hollow: return "Hollow";
    }
    return "?";
}

const char* RopName(RasterOp op) {
    switch (op) {
    case RasterOp::CopyPen: return "Copy";
    case RasterOp::XorPen: return "Xor";
    case RasterOp::NotXorPen: return "NotXor";
    }
    return "?";
}

std::string Hex(ColorRef c) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "#%02X%02X%02X", RedOf(c), GreenOf(c), BlueOf(c));
    return buffer;
}

void WritePoints(std::ostream& out, const std::vector<DevicePoint>& points) {
    for (std::size_t i = 0; i < points.size(); ++i)
        out << (i ? "-" : "") << '(' << points[i].x << ',' << points[i].y << ')';
}

}  // namespace

std::string RecordingDeviceContext::Dump() const {
    std::ostringstream out;
    for (const auto& r : records_) {
        out << KindName(r.kind) << ' ';
        switch (r.kind) {
        case DcRecordKind::Rectangle:
        case DcRecordKind::FillRect:
        case DcRecordKind::Ellipse:
        case DcRecordKind::Arc:
            out << '[' << r.rect.left << ',' << r.rect.top << ',' << r.rect.right << ','
                << r.rect.bottom << "] ";
            break;
        default: break;
        }
        WritePoints(out, r.points);
        for (const auto& line : r.lines) {
            out << " {";
            WritePoints(out, line);
            out << '}';
        }
        if (r.kind == DcRecordKind::Text) out << " \"" << r.text << '"';
        if (r.kind == DcRecordKind::FillRect || r.kind == DcRecordKind::Pixel ||
            r.kind == DcRecordKind::Points)
            out << " color=" << Hex(r.color);
        const auto& a = r.attributes;
        out << " pen=" << PenStyleName(a.pen.style) << '/' << a.pen.width << '/' << Hex(a.pen.color)
            << " brush=" << BrushKindName(a.brush.kind) << '/' << Hex(a.brush.color)
            << " rop=" << RopName(a.rop) << '\n';
    }
    return out.str();
}

}  // namespace platform
