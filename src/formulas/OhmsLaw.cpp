#include "formulas/OhmsLaw.h"

#include <cmath>

namespace formulas {

long double OhmsLaw(int formula, long double a, long double b) {
    switch (formula) {
    case 1:
        return a / b; // I = E / R
    case 2:
        return a / b; // I = P / E
    case 3:
        return std::sqrt(a / b); // I = sqrt(P / R)
    case 4:
        return a / b; // R = E / I
    case 5:
        return a * a / b; // R = E² / P
    case 6:
        return a / (b * b); // R = P / I²
    case 7:
        return a * b; // E = I × R
    case 8:
        return a / b; // E = P / I
    case 9:
        return std::sqrt(a * b); // E = sqrt(P × R)
    case 10:
        return a * b; // P = I × E
    case 11:
        return a * a * b; // P = I² × R
    case 12:
        return a * a / b; // P = E² / R
    default:
        return 0;
    }
}

} // namespace formulas
