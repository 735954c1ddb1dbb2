#pragma once
// Failures of the slip-surface computations that reach the entry points' table of exceptions.

class Cpp_NoncircularErrors {
public:
    // A point of a noncircular shear surface was shifted beyond the slope.
    class Exc_NoncircSlopeShiftFailed {};
};

class Cpp_ComputationErrors {
public:
    // A circle search started from a radius that cannot be used.
    class Exc_BadInitialRadius {};
};
