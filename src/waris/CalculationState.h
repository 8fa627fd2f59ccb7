#pragma once

namespace zw::waris {

// The inheritance values that persist between calculations of one run of the program
// (counts and notes of every kind, the estate last read).
class CalculationState {
public:
};

} // namespace zw::waris
