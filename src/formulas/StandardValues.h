#pragma once
// The standard (preferred) values of resistors, capacitors and inductors, E3 to E192: the series
// tables, the nearest value and its neighbours, the tolerance, the colour rings and the SMD codes.
// Values are in base units (ohms, farads, henries).
#include <QString>
#include <vector>

namespace formulas {

enum class Series { E3, E6, E12, E24, E48, E96, E192 };
inline constexpr Series kAllSeries[] = {Series::E3,  Series::E6,  Series::E12, Series::E24,
                                        Series::E48, Series::E96, Series::E192};

const char* SeriesName(Series series); // "E12"
// One decade of the series as three-figure mantissas, 100 (1.00) to 988 (9.88), rising.
const std::vector<int>& SeriesMantissas(Series series);
// Significant figures the series is written with: 2 for E3 to E24, 3 for E48 to E192.
int SignificantFigures(Series series);

// The tolerance the series is made for, in percent; E3's is wider than 20 % (`over`).
struct SeriesTolerance {
    long double percent;
    bool over;
};
SeriesTolerance Tolerance(Series series);

// mantissa / 100 × 10^exponent: 4.7 kΩ is {470, 3}.
struct StandardValue {
    int mantissa = 0;
    int exponent = 0;
    long double Value() const;
    bool operator==(const StandardValue& o) const { return mantissa == o.mantissa && exponent == o.exponent; }
};

// The standard value nearest to `value` (> 0, finite), the one just below and the one just above
// it. A value equal to a standard value (to 1e-12 relative) is its own nearest; its neighbours
// are then the values on either side. Halfway between two values, the upper one wins: at equal
// difference it is the nearer in ratio, the measure the series are spaced by.
struct Neighbours {
    StandardValue nearest;
    StandardValue below;
    StandardValue above;
};
Neighbours FindNeighbours(long double value, Series series);

// (value - target) / target, in percent.
long double DeviationPercent(long double value, long double target);

// The colour rings of a resistor: significant figures, then the power of ten of the multiplier
// ring (-2 silver, -1 gold, 0 black ... 9 white). Empty figures when no multiplier ring fits.
struct RingCode {
    std::vector<int> figures;
    int power = 0;
};
RingCode Rings(const StandardValue& value, int figures);
// The tolerance ring's percent for the series (20: no ring).
long double ToleranceRingPercent(Series series);

// The SMD resistor marking with `figures` significant figures (3-digit code: 2, 4-digit: 3):
// "473", "4R7", "R47", "1002", "10R0". Empty when the value has no such code.
QString SmdCode(const StandardValue& value, int figures);
// The EIA-96 marking, the E96 index then the multiplier letter ("01C" for 10 kΩ); empty when the
// mantissa is not an E96 value or the multiplier has no letter.
QString Eia96Code(const StandardValue& value);

// The values of the series from `low` to `high` inclusive (to 1e-12 relative), rising.
std::vector<StandardValue> ValuesInSpan(Series series, long double low, long double high);

} // namespace formulas
