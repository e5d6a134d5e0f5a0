#pragma once
// Unit conversions of the converter: decimal prefixes, and pairs of units whose factors come from
// the units' definitions. The caller guards the arithmetic.
#include <vector>

namespace formulas {

// A value in units of 10^from (of one unit) in units of 10^to.
long double ConvertPrefix(long double value, int fromExponent, int toExponent);

enum class PairPage { Varied, Length, Area, Volume, Mass };

// How a value in a pair's left unit becomes one in its right unit.
struct PairConversion {
    enum class Kind {
        Factor,    // right = factor x left
        Reciprocal // right = factor / left (wavelength from photon energy)
    };
    Kind kind;
    long double factor;
    const char* source; // the definitions the factor is built from
};

// The pairs of a page, in the order of its list.
const std::vector<PairConversion>& PairConversions(PairPage page);
// Throws std::out_of_range for an index outside the page's pairs.
long double ConvertPair(PairPage page, int index, long double value);

} // namespace formulas
