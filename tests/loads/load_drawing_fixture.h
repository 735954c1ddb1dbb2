#pragma once
// A recording device context current on the screen, a 50-pixel-per-unit mapping with world
// (0, 0) at pixel (33, 533), the load scales back at their start and the palette made.

#include "core/preferences.h"
#include "graphics/graphics_fixture.h"
#include "graphics/palette.h"
#include "loads/load_drawing_support.h"

#include <algorithm>
#include <vector>

class LoadDrawingFixture : public GraphicsFixture {
protected:
    void SetUp() override {
        GraphicsFixture::SetUp();
        Cpp_KlivenSettings::Reset();
        loads::ResetLoadScales();
        Cpp_WindowsPalette::Create();
        FitSquare(0, 10, 0, 10);
    }
    void TearDown() override {
        loads::ResetLoadScales();
        GraphicsFixture::TearDown();
    }

    static platform::DevicePoint Px(double x, double y) { return Cpp_Graphics::WorldToPixel(x, y); }

    // Closed polylines (outlines), in order.
    std::vector<platform::DcRecord> ClosedPolylines() const {
        std::vector<platform::DcRecord> out;
        for (const auto& r : dc.OfKind(platform::DcRecordKind::Polyline))
            if (r.points.size() > 2 && r.points.front() == r.points.back()) out.push_back(r);
        return out;
    }
};
