#include "core/integer_power.h"

double IntegerPower(double x, int n) {
    // |n| as unsigned, so INT_MIN does not overflow.
    unsigned long long m = n < 0 ? 0ULL - static_cast<unsigned long long>(static_cast<long long>(n))
                                 : static_cast<unsigned long long>(n);
    double result = 1.0;
    double square = x;
    while (m != 0) {
        if (m & 1ULL) result *= square;
        square *= square;
        m >>= 1;
    }
    return n < 0 ? 1.0 / result : result;
}
