#pragma once
// A recording device context over a fitted square view, and small triangulated point sets whose
// values follow a given function.

#include "graphics/graphics_fixture.h"
#include "porepressure/delaunay.h"
#include "porepressure/triangle.h"
#include "porepressure/vertex.h"

#include <functional>
#include <memory>

// A triangulated grid of (n + 1) x (n + 1) points over [0, size] x [0, size].
struct GridMesh {
    Cpp_VertexList vertices;
    Cpp_TriangleList triangles;
    GridMesh(int n, double size, const std::function<double(double, double)>& value) {
        int number = 0;
        for (int i = 0; i <= n; ++i)
            for (int j = 0; j <= n; ++j) {
                const double x = size * i / n, y = size * j / n;
                vertices.AddVertex(++number, x, y, value(x, y));
            }
        RegisterVertexList(&vertices);
        TriangulatePoints(1, triangles, vertices, false);
    }
};

class PpDrawingFixture : public GraphicsFixture {
protected:
    void SetUp() override {
        GraphicsFixture::SetUp();
        ResetTriangulationGlobals();
        FitSquare(0, 100, 0, 100);  // 5 pixels per unit
    }
    void TearDown() override {
        ResetTriangulationGlobals();
        GraphicsFixture::TearDown();
    }
};
