#include "formulas/Conductor.h"

namespace formulas {

long double ConductorResistance(long double metres, long double squareMetres, long double ohmMetres) {
    return metres / squareMetres * ohmMetres;
}

} // namespace formulas
