#pragma once
// The grid's painter and measurer over Qt: a QPainter for the paint pass, QFontMetrics for
// text sizes; and the conversions of fonts and colours between the grid and Qt.

#include "gridctrl/grid_painter.h"

#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <optional>

class QPainter;
class QWidget;

namespace gridctrl {

QFont ToQFont(const Font& font);
Font FromQFont(const QFont& font);
QColor ToQColor(ColorRef colour);
ColorRef FromQColor(const QColor& colour);
// Qt's alignment and text flags for a cell format (DrawText flags); eliding is separate.
int QtTextFlags(unsigned format);

class QtGridMeasurer final : public GridMeasurer {
public:
    TextSize MeasureText(const std::string& text, const Font& font, unsigned format,
                         int width) const override;

private:
    const QFontMetrics& Metrics(const Font& font) const;
    mutable std::optional<Font> font_;
    mutable std::optional<QFontMetrics> metrics_;
};

class QtGridPainter final : public GridPainter {
public:
    // `widget` gives the style of the drop-down buttons.
    QtGridPainter(QPainter& painter, const QWidget* widget);
    void FillRect(const DeviceRect& rect, ColorRef colour) override;
    void FrameRect(const DeviceRect& rect, ColorRef colour) override;
    void Line(int x1, int y1, int x2, int y2, ColorRef colour) override;
    void DrawText(const DeviceRect& rect, const std::string& text, unsigned format, ColorRef colour,
                  const Font& font) override;
    void DropButton(const DeviceRect& rect) override;

private:
    QPainter& painter_;
    const QWidget* widget_;
    std::optional<Font> font_;
};

}  // namespace gridctrl
