#pragma once
// Resonance of an inductor and a capacitor. The caller guards the arithmetic.
namespace formulas {

// f0 = 1 / (2 pi sqrt(L C)), hertz from henries and farads; 2 pi to full extended precision.
long double ResonantFrequency(long double henries, long double farads);
// LC = 1 / (2 pi f)^2: in henry x farad from hertz, in microhenry x microfarad from megahertz.
long double ResonantProductLC(long double frequency);
// The wavelength of the LC product table, in metres from kilohertz, with light at 300 000 km/s.
long double TableWavelength(long double kilohertz);

} // namespace formulas
