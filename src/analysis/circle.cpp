#include "analysis/circle.h"

#include <cmath>

void Cpp_Circle::SetRadiusThroughPoint(double x, double y) { radius_ = std::hypot(x - x_, y - y_); }
