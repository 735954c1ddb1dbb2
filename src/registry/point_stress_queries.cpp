#include "registry/point_stress_queries.h"

#include <utility>

namespace {

Cpp_PiezometricPressureQuery& PiezometricQuery() {
    static Cpp_PiezometricPressureQuery query;
    return query;
}

Cpp_InterpolatedValueQuery& InterpolationQuery() {
    static Cpp_InterpolatedValueQuery query;
    return query;
}

}  // namespace

void RegisterPiezometricPressureQuery(Cpp_PiezometricPressureQuery query) {
    PiezometricQuery() = std::move(query);
}

void RegisterInterpolatedValueQuery(Cpp_InterpolatedValueQuery query) {
    InterpolationQuery() = std::move(query);
}

const Cpp_PiezometricPressureQuery& RegisteredPiezometricPressureQuery() {
    return PiezometricQuery();
}

const Cpp_InterpolatedValueQuery& RegisteredInterpolatedValueQuery() {
    return InterpolationQuery();
}
