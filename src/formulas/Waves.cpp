#include "formulas/Waves.h"

namespace formulas {

long double FrequencyOfPeriod(long double seconds) {
    return 1.0L / seconds;
}

long double PeriodOfFrequency(long double hertz) {
    return 1.0L / hertz;
}

long double Wavelength(long double hertz) {
    return kWaveSpeed / hertz;
}

} // namespace formulas
