#pragma once
// x raised to an integer power by repeated squaring: n = 0 gives 1, a negative n the reciprocal
// of x to the power |n|.

double IntegerPower(double x, int n);
