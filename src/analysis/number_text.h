#pragma once
// Number texts of the analysis block and its echo: printf conversions in the C locale, and the
// decimals a value needs to read back as itself.

#include <string>

namespace analysis_text {

// "%w.df"
std::string Fixed(double value, int width, int decimals);
// "%w.de"
std::string Exponential(double value, int width, int decimals);
// "%wld"
std::string Integer(long value, int width);
// At least minDecimals, raised (up to 20) until the fixed text reads back as the same double.
int DecimalsToKeep(double value, int minDecimals);
// Fixed text of width 1 with DecimalsToKeep decimals.
std::string Exact(double value, int minDecimals);
// "%1.de" with at least minDecimals, raised until the text reads back as the same double.
std::string ExactExponential(double value, int minDecimals);

// Angles: the one conversion used both when reading degrees and when writing them, so an
// angle written reads back as the same radians.
double DegreesToRadians(double degrees);
double RadiansToDegrees(double radians);
// Degrees of the angle with at least minDecimals, raised until they read back as the same
// radians; the field is right-aligned in width.
std::string ExactDegrees(double radians, int width, int minDecimals);

// Decimals that show a small value: ceil(-log10(|fraction|)) when that is above the given
// decimals (at most maxDecimals), else the given decimals.
int DecimalsForSmallValue(double value, int decimals, int maxDecimals);

}  // namespace analysis_text

namespace analysis_convert {

// The integer part of a value from the file; false when it is not finite or lies outside the
// range of an int.
bool ToInt(double value, int& result);

}  // namespace analysis_convert
