#pragma once
// The unit a dimensioned value has in the current unit system, as a short name to show beside
// a field, a column or an axis: English is feet and pounds, SI metres and newtons, the other
// system its chosen length and force units.
//
//     UnitName(Quantity::Stress)        // "psf" in English, "Pa" in SI
//     WithUnit("Normal Stress", Quantity::Stress)   // "Normal Stress (psf)"

#include <string>

enum class Quantity { Length, Force, Stress, UnitWeight, ForcePerLength };

// The length and force unit indices of a unit system (1 English, 2 SI, 3 other).
void UnitIndicesOf(int unitSystem, int& lengthIndex, int& forceIndex);
// The short name in the unit system ("ft.", "N.", "psf", "lbs/ft"). A unit weight (and a
// stress per length) is the force over the cubed length: "lb/cu.ft.", "N/cu.m.". "??" where
// the system's pair of units has no name.
std::string UnitName(Quantity quantity, int unitSystem);
std::string UnitName(Quantity quantity);
// The text with the current unit in parentheses after it.
std::string WithUnit(const std::string& text, Quantity quantity);
