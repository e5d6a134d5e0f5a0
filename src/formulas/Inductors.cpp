#include "formulas/Inductors.h"

#include <cmath>

namespace formulas {

long double CylindricalCoilInductance(long double turns, long double diameterMetres,
                                      long double lengthMetres) {
    return 2.2L * diameterMetres * diameterMetres * turns * turns / (diameterMetres + 2.2L * lengthMetres);
}

long double CoaxialInductance(long double lengthMetres, long double outerDiameter,
                              long double innerDiameter) {
    return 0.46L * lengthMetres * std::log10(1.28L * outerDiameter / innerDiameter);
}

} // namespace formulas
