#pragma once
// Constants in extended precision. Some forms use rounded constants of their own (6.28, 0.314);
// those stay in the formula that uses them.
namespace formulas {

inline constexpr long double kPi = 3.141592653589793238462643383279502884L;
inline constexpr long double kTwoPi = 2.0L * kPi;
inline constexpr long double kDegreesPerRadian = 180.0L / kPi;

} // namespace formulas
