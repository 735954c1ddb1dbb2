#include "porepressure/exact_predicates.h"

#include <cmath>
#include <vector>

namespace exact {
namespace {

constexpr double kEpsilon = 1.1102230246251565e-16;  // 2^-53
constexpr double kOrientBound = (3.0 + 16.0 * kEpsilon) * kEpsilon;
constexpr double kInCircleBound = (10.0 + 96.0 * kEpsilon) * kEpsilon;

// An expansion: doubles of increasing magnitude that do not overlap; their exact sum is the
// value, and the sign of the largest one is its sign.
using Expansion = std::vector<double>;

inline void TwoSum(double a, double b, double& x, double& y) {
    x = a + b;
    const double bv = x - a;
    const double av = x - bv;
    y = (a - av) + (b - bv);
}

inline void TwoProduct(double a, double b, double& x, double& y) {
    x = a * b;
    y = std::fma(a, b, -x);
}

Expansion Difference(double a, double b) {
    double x, y;
    TwoSum(a, -b, x, y);
    Expansion e;
    if (y != 0.0) e.push_back(y);
    if (x != 0.0) e.push_back(x);
    return e;
}

// e + b, keeping the expansion form (zero components dropped).
Expansion Grow(const Expansion& e, double b) {
    Expansion h;
    h.reserve(e.size() + 1);
    double q = b;
    for (double c : e) {
        double x, y;
        TwoSum(q, c, x, y);
        if (y != 0.0) h.push_back(y);
        q = x;
    }
    if (q != 0.0 || h.empty()) h.push_back(q);
    if (h.size() == 1 && h[0] == 0.0) h.clear();
    return h;
}

Expansion Sum(Expansion e, const Expansion& f) {
    for (double c : f) e = Grow(e, c);
    return e;
}

Expansion Negate(Expansion e) {
    for (double& c : e) c = -c;
    return e;
}

Expansion Scale(const Expansion& e, double b) {
    Expansion r;
    for (double c : e) {
        double x, y;
        TwoProduct(c, b, x, y);
        r = Grow(r, y);
        r = Grow(r, x);
    }
    return r;
}

Expansion Product(const Expansion& e, const Expansion& f) {
    Expansion r;
    for (double c : f) r = Sum(r, Scale(e, c));
    return r;
}

int Sign(const Expansion& e) {
    for (auto it = e.rbegin(); it != e.rend(); ++it)
        if (*it != 0.0) return *it > 0.0 ? 1 : -1;
    return 0;
}

int Sign(double v) { return v > 0.0 ? 1 : (v < 0.0 ? -1 : 0); }

}  // namespace

int Orientation(double ax, double ay, double bx, double by, double cx, double cy) {
    const double left = (ax - cx) * (by - cy);
    const double right = (ay - cy) * (bx - cx);
    const double det = left - right;
    const double bound = kOrientBound * (std::fabs(left) + std::fabs(right));
    if (det > bound || -det > bound) return Sign(det);
    // Differences without rounding (points of a grid, for one): two exact products.
    {
        double acx, acxe, bcy, bcye, acy, acye, bcx, bcxe;
        TwoSum(ax, -cx, acx, acxe);
        TwoSum(by, -cy, bcy, bcye);
        TwoSum(ay, -cy, acy, acye);
        TwoSum(bx, -cx, bcx, bcxe);
        if (acxe == 0.0 && bcye == 0.0 && acye == 0.0 && bcxe == 0.0) {
            double l, le, r, re;
            TwoProduct(acx, bcy, l, le);
            TwoProduct(acy, bcx, r, re);
            // (l + le) - (r + re) exactly, as an expansion of four terms at most.
            double e[4];
            int n = 0;
            for (double c : {le, -re, l, -r}) {
                double q = c;
                int m = 0;
                for (int i = 0; i < n; ++i) {
                    double x, y;
                    TwoSum(q, e[i], x, y);
                    if (y != 0.0) e[m++] = y;
                    q = x;
                }
                if (q != 0.0) e[m++] = q;
                n = m;
            }
            return n == 0 ? 0 : Sign(e[n - 1]);
        }
    }
    const Expansion acx = Difference(ax, cx), bcy = Difference(by, cy);
    const Expansion acy = Difference(ay, cy), bcx = Difference(bx, cx);
    return Sign(Sum(Product(acx, bcy), Negate(Product(acy, bcx))));
}

double InCircleApprox(double ax, double ay, double bx, double by, double cx, double cy, double dx,
                      double dy, double& errorBound) {
    const double adx = ax - dx, ady = ay - dy;
    const double bdx = bx - dx, bdy = by - dy;
    const double cdx = cx - dx, cdy = cy - dy;
    const double bdxcdy = bdx * cdy, cdxbdy = cdx * bdy;
    const double cdxady = cdx * ady, adxcdy = adx * cdy;
    const double adxbdy = adx * bdy, bdxady = bdx * ady;
    const double alift = adx * adx + ady * ady;
    const double blift = bdx * bdx + bdy * bdy;
    const double clift = cdx * cdx + cdy * cdy;
    const double det =
        alift * (bdxcdy - cdxbdy) + blift * (cdxady - adxcdy) + clift * (adxbdy - bdxady);
    const double permanent = (std::fabs(bdxcdy) + std::fabs(cdxbdy)) * alift +
                             (std::fabs(cdxady) + std::fabs(adxcdy)) * blift +
                             (std::fabs(adxbdy) + std::fabs(bdxady)) * clift;
    errorBound = kInCircleBound * permanent;
    return det;
}

int InCircle(double ax, double ay, double bx, double by, double cx, double cy, double dx,
             double dy) {
    double bound = 0.0;
    const double det = InCircleApprox(ax, ay, bx, by, cx, cy, dx, dy, bound);
    if (det > bound || -det > bound) return Sign(det);
    // Every operation without rounding (small coordinates of a grid, for one): the rounded
    // value is the exact one.
    {
        bool exact = true;
        auto diff = [&exact](double a, double b) {
            double x, y;
            TwoSum(a, -b, x, y);
            exact = exact && y == 0.0;
            return x;
        };
        auto mul = [&exact](double a, double b) {
            const double x = a * b;
            exact = exact && std::fma(a, b, -x) == 0.0;
            return x;
        };
        auto add = [&exact](double a, double b) {
            double x, y;
            TwoSum(a, b, x, y);
            exact = exact && y == 0.0;
            return x;
        };
        const double adx = diff(ax, dx), ady = diff(ay, dy);
        const double bdx = diff(bx, dx), bdy = diff(by, dy);
        const double cdx = diff(cx, dx), cdy = diff(cy, dy);
        const double alift = add(mul(adx, adx), mul(ady, ady));
        const double blift = add(mul(bdx, bdx), mul(bdy, bdy));
        const double clift = add(mul(cdx, cdx), mul(cdy, cdy));
        const double bc = diff(mul(bdx, cdy), mul(cdx, bdy));
        const double ca = diff(mul(cdx, ady), mul(adx, cdy));
        const double ab = diff(mul(adx, bdy), mul(bdx, ady));
        const double value = add(add(mul(alift, bc), mul(blift, ca)), mul(clift, ab));
        if (exact) return Sign(value);
    }
    const Expansion adx = Difference(ax, dx), ady = Difference(ay, dy);
    const Expansion bdx = Difference(bx, dx), bdy = Difference(by, dy);
    const Expansion cdx = Difference(cx, dx), cdy = Difference(cy, dy);
    const Expansion alift = Sum(Product(adx, adx), Product(ady, ady));
    const Expansion blift = Sum(Product(bdx, bdx), Product(bdy, bdy));
    const Expansion clift = Sum(Product(cdx, cdx), Product(cdy, cdy));
    const Expansion bc = Sum(Product(bdx, cdy), Negate(Product(cdx, bdy)));
    const Expansion ca = Sum(Product(cdx, ady), Negate(Product(adx, cdy)));
    const Expansion ab = Sum(Product(adx, bdy), Negate(Product(bdx, ady)));
    return Sign(Sum(Sum(Product(alift, bc), Product(blift, ca)), Product(clift, ab)));
}

}  // namespace exact
