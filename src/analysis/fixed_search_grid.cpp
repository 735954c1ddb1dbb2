#include "analysis/fixed_search_grid.h"

#include <ostream>

#include "analysis/analysis_settings.h"
#include "analysis/number_text.h"
#include "core/tool_option_dialogs.h"
#include "core/world_rect.h"

void Cpp_FixedSearchGrid::Clear() {
    line_ = 0;
    across_ = 0;
    up_ = 0;
    for (auto& c : corners_) c = {};
}

void Cpp_FixedSearchGrid::SetDefaultCounts() {
    if (across_ <= 0) across_ = kDefaultCount;
    if (up_ <= 0) up_ = kDefaultCount;
}

s_tagTypePointXY Cpp_FixedSearchGrid::Center() const {
    if (line_)
        return {(corners_[0].x + corners_[1].x) / 2.0, (corners_[0].y + corners_[1].y) / 2.0};
    return {(corners_[0].x + corners_[1].x + corners_[2].x + corners_[3].x) / 4.0,
            (corners_[0].y + corners_[1].y + corners_[2].y + corners_[3].y) / 4.0};
}

s_tagTypePointXY Cpp_FixedSearchGrid::GridPoint(double u, double v) const {
    const auto& c1 = corners_[0];
    const auto& c2 = corners_[1];
    if (line_) return {c1.x + u * (c2.x - c1.x), c1.y + u * (c2.y - c1.y)};
    const auto& c3 = corners_[2];
    const auto& c4 = corners_[3];
    const double w1 = (1 - u) * (1 - v), w2 = u * (1 - v), w3 = u * v, w4 = (1 - u) * v;
    return {c1.x * w1 + c2.x * w2 + c3.x * w3 + c4.x * w4,
            c1.y * w1 + c2.y * w2 + c3.y * w3 + c4.y * w4};
}

s_tagTypePointXY Cpp_FixedSearchGrid::Corner(int i) const {
    if (i < 1 || i > 4) return corners_[0];
    return corners_[i - 1];
}

bool Cpp_FixedSearchGrid::SetCorner(int i, double x, double y) {
    if (i < 1 || i > 4) return false;
    corners_[i - 1] = {x, y};
    return true;
}

bool Cpp_FixedSearchGrid::Compare() const {
    auto same = [](const s_tagTypePointXY& a, const s_tagTypePointXY& b) {
        return a.x == b.x && a.y == b.y;
    };
    if (line_) return same(corners_[0], corners_[1]);
    return same(corners_[0], corners_[1]) && same(corners_[0], corners_[2]) &&
           same(corners_[0], corners_[3]);
}

bool Cpp_FixedSearchGrid::GetBounds(double& xMin, double& xMax, double& yMin, double& yMax) const {
    Cpp_Extents extents;
    const int used = line_ ? 2 : 4;
    for (int i = 0; i < used; ++i) extents.Add(corners_[i].x, corners_[i].y);
    return extents.Get(xMin, xMax, yMin, yMax);
}

void Cpp_FixedSearchGrid::Transform(double a, double b, double c, double d) {
    for (auto& p : corners_) {
        p.x = a * p.x + b;
        p.y = c * p.y + d;
    }
}

bool Cpp_FixedSearchGrid::WriteKLIVEN4InputDataFile(std::ostream& out) const {
    using analysis_text::DecimalsToKeep;
    using analysis_text::Fixed;
    using analysis_text::Integer;
    const int d = analysis_settings::CoordinateDecimals();
    auto coordinate = [d](double v) { return Fixed(v, 10, DecimalsToKeep(v, d)); };
    if (line_) {
        out << "     " << coordinate(corners_[0].x) << " " << coordinate(corners_[0].y) << " "
            << coordinate(corners_[1].x) << " " << coordinate(corners_[1].y) << " "
            << Integer(across_, 5) << "\n";
        return true;
    }
    out << "     " << Integer(across_, 5) << " " << Integer(up_, 5) << "\n";
    for (const auto& c : corners_)
        out << "     " << coordinate(c.x) << " " << coordinate(c.y) << "\n";
    return true;
}

bool Cpp_FixedSearchGrid::operator==(const Cpp_FixedSearchGrid& other) const {
    if (line_ != other.line_ || across_ != other.across_) return false;
    if (!line_ && up_ != other.up_) return false;
    const int used = line_ ? 2 : 4;
    for (int i = 0; i < used; ++i)
        if (corners_[i].x != other.corners_[i].x || corners_[i].y != other.corners_[i].y)
            return false;
    return true;
}

bool Cpp_FixedSearchGrid::ExchangeWithDialog(s_FixedGridPageType& page, bool toDialog) {
    if (toDialog) {
        page.line = line_ != 0;
        page.pointsAcross = across_;
        page.pointsUp = up_;
        page.pointsAlongLine = across_;
        for (int i = 0; i < 4; ++i) {
            page.corner[i][0] = corners_[i].x;
            page.corner[i][1] = corners_[i].y;
        }
        page.firstEnd[0] = corners_[0].x;
        page.firstEnd[1] = corners_[0].y;
        page.secondEnd[0] = corners_[1].x;
        page.secondEnd[1] = corners_[1].y;
        return true;
    }
    line_ = page.line ? 1 : 0;
    if (page.line) {
        across_ = up_ = page.pointsAlongLine;
        corners_[0] = {page.firstEnd[0], page.firstEnd[1]};
        corners_[1] = {page.secondEnd[0], page.secondEnd[1]};
    } else {
        across_ = page.pointsAcross;
        up_ = page.pointsUp;
        for (int i = 0; i < 4; ++i) corners_[i] = {page.corner[i][0], page.corner[i][1]};
    }
    return true;
}

bool Cpp_FixedSearchGrid::EditToolOptions() {
    s_CircleSearch2ToolOptions options{across_, up_, line_ != 0};
    if (!ToolOptionDialogsSlot().Get().CircleSearch2(options)) return false;
    const bool wasLine = line_ != 0;
    if (options.alongLine && !wasLine) {
        corners_[1] = corners_[2];
    } else if (!options.alongLine && wasLine) {
        for (auto& corner : corners_) corner = {0.0, 0.0};
    }
    line_ = options.alongLine ? 1 : 0;
    across_ = options.pointsAcross;
    up_ = options.pointsUp;
    return true;
}
