#pragma once
// A device context that draws nothing and keeps every primitive with the attributes in force
// (pen, brush, font, text and background colours, background mode, raster operation, text
// alignment, fill mode and clip), so tests can check what a drawing routine drew.
//
// Text is measured without a font engine: every character is averageCharWidth = max(1,
// height / 2) pixels wide and a line is `height` pixels high (ascent 4/5 of it).

#include "platform/dc_state.h"

#include <cstddef>
#include <string>
#include <vector>

namespace platform {

enum class DcRecordKind {
    Line,          // LineTo: points = {from, to}
    Polyline,      // points = the vertices
    PolyPolyline,  // lines = the polylines
    Polygon,       // points = the vertices (filled and outlined)
    FillPolygon,   // points = the vertices (filled only)
    Rectangle,     // rect
    FillRect,      // rect, color
    Ellipse,       // rect
    Arc,           // rect = the box, points = {start, end}
    Pixel,         // points = {the pixel}, color
    Points,        // points, color, size
    Text,          // points = {the reference point}, text
};

struct DcRecord {
    DcRecordKind kind = DcRecordKind::Line;
    std::vector<DevicePoint> points;
    std::vector<std::vector<DevicePoint>> lines;
    DeviceRect rect;
    std::string text;
    ColorRef color = 0;
    int size = 0;
    DcAttributes attributes;  // everything in force when the primitive was drawn
};

const char* KindName(DcRecordKind kind);

class RecordingDeviceContext : public DeviceContextState {
public:
    RecordingDeviceContext() = default;
    RecordingDeviceContext(int width, int height) : page_{0, 0, width, height} {}

    void LineTo(int x, int y) override;
    void Polyline(const std::vector<DevicePoint>& points) override;
    void PolyPolyline(const std::vector<std::vector<DevicePoint>>& lines) override;
    void Polygon(const std::vector<DevicePoint>& points) override;
    void FillPolygon(const std::vector<DevicePoint>& points) override;
    void Rectangle(int left, int top, int right, int bottom) override;
    void FillRect(const DeviceRect& rect, ColorRef color) override;
    void Ellipse(int left, int top, int right, int bottom) override;
    void Arc(const DeviceRect& box, DevicePoint start, DevicePoint end) override;
    void SetPixel(int x, int y, ColorRef color) override;
    void DrawPoints(const std::vector<DevicePoint>& points, ColorRef color, int size) override;
    void TextOut(int x, int y, const std::string& text) override;
    TextSize GetTextExtent(const std::string& text) const override;
    TextMetrics GetTextMetrics() const override;

    int PixelsPerInchX() const override { return ppiX_; }
    int PixelsPerInchY() const override { return ppiY_; }
    DeviceRect PageRect() const override { return page_; }
    DeviceRect PhysicalPageRect() const override { return hasPhysical_ ? physical_ : page_; }
    bool IsPrinting() const override { return printing_; }

    // What the tests set up.
    void SetPixelsPerInch(int x, int y) { ppiX_ = x, ppiY_ = y; }
    void SetPageRect(const DeviceRect& page) { page_ = page; }
    void SetPhysicalPageRect(const DeviceRect& sheet) { physical_ = sheet, hasPhysical_ = true; }
    void SetPrinting(bool printing) { printing_ = printing; }

    // What the tests ask.
    const std::vector<DcRecord>& Records() const { return records_; }
    std::vector<DcRecord> OfKind(DcRecordKind kind) const;
    std::size_t Count(DcRecordKind kind) const;
    std::vector<std::string> Texts() const;
    void Clear() { records_.clear(); }
    // One line per record ("Line (1,2)-(3,4) pen=Solid/1/#000000 rop=Copy"), handy in
    // failure messages and exact comparisons.
    std::string Dump() const;

private:
    DcRecord& Add(DcRecordKind kind);

    std::vector<DcRecord> records_;
    DeviceRect page_{0, 0, 1000, 800};
    DeviceRect physical_;
    bool hasPhysical_ = false;
    int ppiX_ = 96;
    int ppiY_ = 96;
    bool printing_ = false;
};

}  // namespace platform
