#include "profile/material_table_drawing.h"

#include "core/format_text.h"
#include "core/preferences.h"
#include "core/text_formats.h"
#include "graphics/drawing_attributes.h"
#include "graphics/graphics.h"
#include "profile/material_properties.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

// Pixels between an unplaced table and the edge of the area, and between two such tables.
constexpr int kMargin = 10;

const s_ColorType kTableColour(30, 7);
s_FontType TextFont() { return s_FontType("Arial", 9); }
s_FontType HeadingFont() { return s_FontType("Arial", 9, 700); }
// The grid inside and the border around.
const s_LineWidthType kGridWidth(static_cast<short>(1));
const s_LineWidthType kBorderWidth(static_cast<short>(2));

std::string UnitWeightCell(const Cpp_MaterialStageData& record) {
    switch (record.GetUnitWeightOption()) {
    case Cpp_MaterialStageData::UnitWeightConstant: {
        std::string format;
        if (!Cpp_Strings::MakeNumberFormat(1, 1, Cpp_KlivenSettings::UnitWeightDecimals(), format))
            format = "%1.2f";
        char text[64];
        std::snprintf(text, sizeof text, format.c_str(), record.GetConstantUnitWeight());
        return text;
    }
    case Cpp_MaterialStageData::UnitWeightLateral: return "Varies laterally";
    case Cpp_MaterialStageData::UnitWeightInterpolated: return "Interpolated";
    default: return "";
    }
}

// The strength as its tool tip says it, on one line.
std::string StrengthCell(const Cpp_MaterialStageData& record) {
    std::string text;
    record.GetShearStrengthRecord().GetToolTipText(text);
    std::string line;
    for (char c : text) {
        if (c == '\n')
            line += ", ";
        else
            line += c;
    }
    return line;
}

// No pore-pressure line given: an empty cell.
std::string PorePressureCell(const Cpp_MaterialStageData& record) {
    std::string text;
    if (record.GetPorePressureOption() != 1) record.GetPorePressureRecord().ShortDescription(text);
    return text;
}

// The pixel sizes of a table of rows on dc.
struct s_TableGeometry {
    std::vector<int> columnWidths;
    int rowHeight = 0;
    int paddingX = 0, paddingY = 0;
    int width = 0, height = 0;
};

s_TableGeometry Measure(platform::DeviceContext& dc, const std::string& title,
                        const std::vector<std::vector<std::string>>& rows) {
    s_TableGeometry g;
    const std::size_t columns = rows.front().size();
    g.columnWidths.assign(columns, 0);
    dc.SetFont(HeadingFont().ForDevice(dc));
    const int headingHeight = dc.GetTextMetrics().height;
    const int titleWidth = dc.GetTextExtent(title).cx;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (i == 1) dc.SetFont(TextFont().ForDevice(dc));
        for (std::size_t j = 0; j < columns && j < rows[i].size(); ++j)
            g.columnWidths[j] = std::max(g.columnWidths[j], dc.GetTextExtent(rows[i][j]).cx);
    }
    const int textHeight = std::max(headingHeight, dc.GetTextMetrics().height);
    g.paddingX = std::max(3, textHeight / 3);
    g.paddingY = std::max(2, textHeight / 5);
    g.rowHeight = textHeight + 2 * g.paddingY;
    for (int& w : g.columnWidths) w += 2 * g.paddingX;
    int width = 0;
    for (int w : g.columnWidths) width += w;
    // A title wider than the columns widens the description column.
    const int titleRoom = titleWidth + 2 * g.paddingX;
    if (titleRoom > width) {
        g.columnWidths[columns > 1 ? 1 : 0] += titleRoom - width;
        width = titleRoom;
    }
    g.width = width;
    g.height = g.rowHeight * static_cast<int>(rows.size() + 1);
    return g;
}

// The top left pixel of a table placed at its anchor.
platform::DevicePoint PlacedCorner(const Cpp_MaterialTableLayout& layout, int width, int height) {
    const platform::DevicePoint a =
        Cpp_Graphics::WorldToPixel(layout.Anchor().x, layout.Anchor().y);
    const int code = layout.AnchorCode() >= 1 && layout.AnchorCode() <= 9 ? layout.AnchorCode() : 1;
    const int column = (code - 1) % 3;  // 0 right, 1 centre, 2 left
    const int row = (code - 1) / 3;     // 0 bottom, 1 middle, 2 top
    const int left = column == 0 ? a.x - width : column == 1 ? a.x - width / 2 : a.x;
    const int bottom = row == 0 ? a.y : row == 1 ? a.y + height / 2 : a.y + height;
    return {left, bottom - height};
}

void DrawTable(platform::DeviceContext& dc, const std::string& title,
               const std::vector<std::vector<std::string>>& rows, const s_TableGeometry& g,
               int left, int top, std::vector<int>& columnLines, std::vector<int>& rowLines) {
    platform::ScopedDcState state(dc);
    const platform::ColorRef colour = kTableColour.RGBColor();
    const int right = left + g.width, bottom = top + g.height;
    dc.FillRect({left, top, right, bottom}, 0xFFFFFF);

    columnLines = {left};
    for (int w : g.columnWidths) columnLines.push_back(columnLines.back() + w);
    columnLines.back() = right;
    rowLines.clear();
    for (std::size_t k = 0; k <= rows.size() + 1; ++k)
        rowLines.push_back(top + g.rowHeight * static_cast<int>(k));

    dc.SetBkMode(platform::BackgroundMode::Transparent);
    dc.SetTextColor(colour);
    dc.SetFont(HeadingFont().ForDevice(dc));
    dc.SetTextAlign(platform::AlignCenter | platform::AlignTop);
    dc.TextOut(left + g.width / 2, top + g.paddingY, title);
    dc.SetTextAlign(platform::AlignLeft | platform::AlignTop);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (i == 1) dc.SetFont(TextFont().ForDevice(dc));
        const int y = rowLines[i + 1] + g.paddingY;
        for (std::size_t j = 0; j < rows[i].size() && j + 1 < columnLines.size(); ++j)
            if (!rows[i][j].empty()) dc.TextOut(columnLines[j] + g.paddingX, y, rows[i][j]);
    }

    dc.SetPen({platform::PenStyle::Solid, kGridWidth.DeviceWidth(dc), colour});
    std::vector<std::vector<platform::DevicePoint>> grid;
    for (std::size_t k = 1; k + 1 < rowLines.size(); ++k)
        grid.push_back({{left, rowLines[k]}, {right, rowLines[k]}});
    // The title spans the columns.
    for (std::size_t j = 1; j + 1 < columnLines.size(); ++j)
        grid.push_back({{columnLines[j], rowLines[1]}, {columnLines[j], bottom}});
    dc.PolyPolyline(grid);
    dc.SetPen({platform::PenStyle::Solid, kBorderWidth.DeviceWidth(dc), colour});
    dc.Polyline({{left, top}, {right, top}, {right, bottom}, {left, bottom}, {left, top}});
}

// The layout of a table that is not drawn: nothing to pick.
void ForgetPlace(Cpp_MaterialTableLayout& layout) {
    layout.SetSize(0, 0);
    layout.SetRectangle(0, 0, 0, 0);
    layout.SetGridLines({}, {});
}

}  // namespace

std::vector<std::vector<std::string>> MaterialTableRows(const Cpp_MaterialPropertyData& data,
                                                        int stage) {
    std::vector<Cpp_MaterialProperties*> materials = data.GetMaterialList().Materials();
    if (materials.empty()) return {};
    std::stable_sort(materials.begin(), materials.end(),
                     [](const Cpp_MaterialProperties* a, const Cpp_MaterialProperties* b) {
                         return a->GetNumber() < b->GetNumber();
                     });
    std::vector<std::vector<std::string>> rows{
        {"Material", "Description", "Unit Weight", "Shear Strength", "Pore Water Pressure"}};
    for (const Cpp_MaterialProperties* m : materials) {
        const Cpp_MaterialStageData& record = m->Stage(stage);
        rows.push_back({FormatText("%1d", m->GetNumber()),
                        m->HasDescription() ? m->Description() : std::string(),
                        UnitWeightCell(record), StrengthCell(record), PorePressureCell(record)});
    }
    return rows;
}

std::string MaterialTableTitle(int stage, bool multiStage) {
    return multiStage ? FormatText("Material Properties - Stage %1d", stage)
                      : std::string("Material Properties");
}

void DrawMaterialTables(Cpp_MaterialPropertyData& data, bool multiStage,
                        const platform::DeviceRect& area) {
    platform::DeviceContext* dc = Cpp_Graphics::GetCurrentDC();
    if (!dc) return;
    // Only the screen's drawing places the tables for picking and dragging; a printed page or
    // a picture on the clipboard leaves them where the view shows them.
    const bool screen = Cpp_Graphics::OutputMode() == Cpp_Graphics::kOutputScreen;
    int below = area.top + kMargin;
    for (int stage = 1; stage <= (multiStage ? 2 : 1); ++stage) {
        if (!data.GetShowTable(stage)) continue;
        Cpp_MaterialTableLayout& layout = data.TableLayout(stage);
        const std::vector<std::vector<std::string>> rows = MaterialTableRows(data, stage);
        if (rows.empty()) {
            if (screen) ForgetPlace(layout);
            continue;
        }
        const std::string title = MaterialTableTitle(stage, multiStage);
        s_TableGeometry g;
        {
            platform::ScopedDcState state(*dc);
            g = Measure(*dc, title, rows);
        }
        platform::DevicePoint corner;
        if (layout.IsAnchored()) {
            corner = PlacedCorner(layout, g.width, g.height);
        } else {
            corner = {area.right - kMargin - g.width, below};
            below += g.height + kMargin;
        }
        std::vector<int> columnLines, rowLines;
        DrawTable(*dc, title, rows, g, corner.x, corner.y, columnLines, rowLines);
        if (!screen) continue;
        const int right = corner.x + g.width, bottom = corner.y + g.height;
        layout.SetSize(std::fabs(Cpp_Graphics::PixelsToWorldLengthX(g.width)),
                       std::fabs(Cpp_Graphics::PixelsToWorldLengthY(g.height)));
        layout.SetRectangle(Cpp_Graphics::PixelToX(corner.x), Cpp_Graphics::PixelToX(right),
                            Cpp_Graphics::PixelToY(corner.y), Cpp_Graphics::PixelToY(bottom));
        layout.SetGridLines(std::move(columnLines), std::move(rowLines));
    }
}
