#pragma once
// Frequency, period and wavelength of a wave. The caller guards the arithmetic.
namespace formulas {

// The propagation speed of an electromagnetic wave as the wave window states it, in metres per
// second (rounded up from the defined 299 792 458 m/s).
inline constexpr long double kWaveSpeed = 299820000.0L;

// f = 1 / T: hertz from seconds.
long double FrequencyOfPeriod(long double seconds);
// T = 1 / f: seconds from hertz.
long double PeriodOfFrequency(long double hertz);
// lambda = V / f: metres from hertz.
long double Wavelength(long double hertz);

} // namespace formulas
