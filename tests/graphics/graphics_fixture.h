#pragma once
// A clean drawing state for each test: the mapping reset, a recording device context current
// on the screen output mode, and fakes of the platform services.

#include "graphics/graphics.h"
#include "platform/recording_dc.h"
#include "support/fake_services.h"

#include <gtest/gtest.h>

class FakeWindow : public Cpp_Graphics::ViewWindow {
public:
    FakeWindow(platform::DeviceRect client, int ppi) : client_(client), ppi_(ppi) {}
    platform::DeviceRect ClientRect() const override { return client_; }
    int PixelsPerInchX() const override { return ppi_; }
    int PixelsPerInchY() const override { return ppi_; }

private:
    platform::DeviceRect client_;
    int ppi_;
};

class GraphicsFixture : public ::testing::Test {
protected:
    void SetUp() override {
        Cpp_Graphics::Reset();
        Cpp_Graphics::SetCurrentDC(&dc);
        Cpp_Graphics::SetOutputMode(Cpp_Graphics::kOutputScreen);
    }
    void TearDown() override { Cpp_Graphics::Reset(); }

    // Fits the world window into a 500 x 500 drawing area at 96 ppi (the rectangle given to
    // the fit adds the axis margin of 24 px and the tenth-inch gap of 9 px on each side).
    static void FitSquare(double xmin, double xmax, double ymin, double ymax) {
        Cpp_Graphics::SetWindow(xmin, xmax, ymin, ymax);
        Cpp_Graphics::InvalidateScale();
        ASSERT_TRUE(Cpp_Graphics::SetScaleToFit(2, 0, 566, 566, 0, 96, 96));
    }

    testsupport::FakeServices fakes;
    platform::RecordingDeviceContext dc;
};
