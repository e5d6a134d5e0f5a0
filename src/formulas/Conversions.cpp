#include "formulas/Conversions.h"
#include "formulas/Constants.h"

#include <stdexcept>

namespace formulas {
namespace {

// Every unit in SI base units, from its definition.
constexpr long double kInch = 0.0254L;   // international yard and pound agreement, 1959
constexpr long double kFoot = 0.3048L;   // idem
constexpr long double kYard = 0.9144L;   // idem
constexpr long double kMile = 1609.344L; // idem (5280 ft)
constexpr long double kInch2 = kInch * kInch;
constexpr long double kInch3 = kInch2 * kInch;
constexpr long double kFoot2 = kFoot * kFoot;
constexpr long double kFoot3 = kFoot2 * kFoot;
constexpr long double kYard2 = kYard * kYard;
constexpr long double kYard3 = kYard2 * kYard;
constexpr long double kMile2 = kMile * kMile;

constexpr long double kPound = 0.45359237L; // avoirdupois, 1959 agreement
constexpr long double kGrain = kPound / 7000;
constexpr long double kOunce = kPound / 16;
constexpr long double kTroyOunce = 480 * kGrain;
constexpr long double kTroyPound = 5760 * kGrain;
constexpr long double kShortTon = 2000 * kPound;

constexpr long double kGravity = 9.80665L; // standard acceleration of gravity, 3rd CGPM 1901
constexpr long double kPoundForce = kPound * kGravity;
constexpr long double kGramForce = 1e-3L * kGravity;
constexpr long double kDyne = 1e-5L;
constexpr long double kErg = 1e-7L;

constexpr long double kAtmosphere = 101325; // standard atmosphere, 10th CGPM 1954
constexpr long double kMercury = 13595.1L;  // kg/m3, mercury at 0 degC (conventional column)
constexpr long double kMmMercury = kMercury * kGravity * 1e-3L;
constexpr long double kCmMercury = kMercury * kGravity * 1e-2L;
constexpr long double kInchMercury = kMercury * kGravity * kInch;
constexpr long double kWater = 999.972L; // kg/m3, water at its greatest density (39.2 degF)
constexpr long double kFootWater = kWater * kGravity * kFoot;
constexpr long double kInchWater = kWater * kGravity * kInch;

constexpr long double kBtu = 1055.05585262L; // International Table Btu (NIST SP 811)
constexpr long double kCalorie = 4.1868L;    // International Table calorie
constexpr long double kCalorieTh = 4.184L;   // thermochemical calorie
constexpr long double kCalorie15 = 4.18580L; // 15 degC calorie (NIST SP 811)
constexpr long double kFootPound = kFoot * kPoundForce;
constexpr long double kHorsepower = 550 * kFootPound; // mechanical: 550 ft lbf/s
constexpr long double kKilowattHour = 3.6e6L;
constexpr long double kFahrenheitDegree = 5.0L / 9; // kelvin

// Exact constants of the 2019 SI.
constexpr long double kElectronVolt = 1.602176634e-19L;
constexpr long double kPlanck = 6.62607015e-34L;
constexpr long double kLight = 299792458;
constexpr long double kAvogadro = 6.02214076e23L;
// CODATA 2018 recommended values, relative atomic masses and the mass-energy of 1 u.
constexpr long double kElectronInU = 5.48579909065e-4L;
constexpr long double kProtonInU = 1.007276466621L;
constexpr long double kNeutronInU = 1.00866491595L;
constexpr long double kAlphaInU = 4.001506179127L;
constexpr long double kAtomicMassMeV = 931.49410242L;

constexpr long double kGallon = 231 * kInch3; // US liquid gallon
constexpr long double kLiquidQuart = kGallon / 4;
constexpr long double kFluidOunce = kGallon / 128;
constexpr long double kDryQuart = 67.200625L * kInch3; // US dry quart
constexpr long double kLitre = 1e-3L;

using Kind = PairConversion::Kind;

constexpr PairConversion F(long double factor, const char* source) {
    return {Kind::Factor, factor, source};
}

const std::vector<PairConversion> kVaried = {
    F(4 * kPi / 10, "1 Gb = 10/(4 pi) A turn (CGS-EMU)"),
    F(kAtmosphere / kMmMercury, "atm 101 325 Pa; mmHg (0 degC) 13.5951 g/cm3 x gn x 1 mm"),
    F(kAtmosphere / kInchMercury, "inHg (32 degF) 13.5951 g/cm3 x gn x 1 in (NIST SP 811)"),
    F(kAtmosphere / kFootWater, "ft of water at greatest density 0.999972 g/cm3 x gn x 1 ft (NIST SP 811)"),
    F(kAtmosphere / (kPoundForce / kFoot2), "lbf = 0.45359237 kg x gn; ft = 0.3048 m"),
    F(kAtmosphere / (kPoundForce / kInch2), "lbf = 0.45359237 kg x gn; in = 0.0254 m"),
    F(kAtmosphere / kGravity, "kgf = gn x 1 kg"),
    F(kAtmosphere / (2000 * kPoundForce / kFoot2), "short ton-force 2000 lbf per ft2"),
    F(1 / kElectronInU, "m_e = 5.485 799 090 65e-4 u (CODATA 2018)"),
    F(1 / kProtonInU, "m_p = 1.007 276 466 621 u (CODATA 2018)"),
    F(1 / kNeutronInU, "m_n = 1.008 664 915 95 u (CODATA 2018)"),
    F(1 / kAlphaInU, "m_alpha = 4.001 506 179 127 u (CODATA 2018)"),
    F(kAtomicMassMeV, "m_u c2 = 931.494 102 42 MeV (CODATA 2018)"),
    F(1e5L / (kDyne / 1e-4L), "bar 1e5 Pa; dyn/cm2 0.1 Pa"),
    F(kBtu / kFootPound, "Btu_IT 1055.055 852 62 J (NIST SP 811); ft lbf"),
    F(kBtu / (kHorsepower * 3600), "hp = 550 ft lbf/s"),
    F(kBtu, "Btu_IT 1055.055 852 62 J"),
    F(kBtu / kGravity, "kgf m = gn x 1 kg x 1 m"),
    F(kBtu / (1000 * kCalorie), "kcal_IT 4186.8 J"),
    F(kBtu / kKilowattHour, "kWh 3.6e6 J"),
    F(kBtu / 3600 / kHorsepower, "Btu_IT/h; hp = 550 ft lbf/s"),
    F(kBtu / 3600 / kFoot2 / kFahrenheitDegree * 1e-4L, "W/(cm2 degC); degF = 5/9 K"),
    F(kBtu / 3600 / kFoot2 * kInch2, "W/(in2 degF)"),
    F(kBtu* kInch / (3600 * kFoot2 * kFahrenheitDegree) / (kCalorie / 1e-2L),
      "Btu_IT in/(h ft2 degF) to cal_IT/(s cm degC)"),
    F(kBtu / 60 / kFootPound, "Btu_IT/min to ft lbf/s"),
    F(kBtu / 60 / kHorsepower, "Btu_IT/min to hp (550 ft lbf/s)"),
    F(kBtu / 60 / 1000, "Btu_IT/min to kW"),
    F(kBtu / kPound / (kCalorie / 1e-3L), "Btu_IT/lb 2326 J/kg; cal_IT/g 4186.8 J/kg"),
    F(kBtu / (kPound * kFahrenheitDegree) / (kCalorie / 1e-3L), "Btu_IT/(lb degF) = cal_IT/(g degC)"),
    F(kBtu / kGravity, "Btu_IT/s to kgf m/s"),
    F(kBtu / 1000, "Btu_IT/s to kW"),
    F(kBtu / kFoot2 / (kCalorie / 1e-4L), "Btu_IT/ft2 to cal_IT/cm2 (the energy per area the pair means)"),
    F(kCmMercury / kAtmosphere, "cmHg (0 degC) 13.5951 g/cm3 x gn x 1 cm"),
    F(kCmMercury / (kPoundForce / kInch2), "cmHg to lbf/in2"),
    F(kCmMercury / kInchWater, "inch of water at greatest density (39.2 degF, NIST SP 811)"),
    F(1e-2L / (kInch / kFahrenheitDegree), "cm/degC to in/degF; degF = 5/9 K"),
    F(1e-3L / (kPound / (kFoot * 3600)), "cP 1e-3 Pa s; lb/(ft h)"),
    F(kFoot3 / 60 / kGallon, "US gallon 231 in3"),
    F(kFoot3 / 60 / 1e-6L, "ft3 = 0.3048^3 m3"),
    F(kFoot3 / kPound / (1e-6L / 1e-3L), "ft3/lb to cm3/g"),
    F(kFoot3 / kGallon * 60, "ft3/s to US gal/min"),
    F(1 / kFoot3, "m3 to ft3"),
    F(3.7e10L, "Ci = 3.7e10 Bq exactly"),
    F(kPi / 180, "pi rad = 180 deg"),
    F(60, "1 deg = 60 arcmin"),
    F(60.0L / 360, "1 rev = 360 deg; 1 min = 60 s"),
    F(kDyne / kGramForce, "dyn 1e-5 N; gf = gn x 1 g"),
    F((kDyne / 1e-2L) / (kPoundForce / kFoot), "dyn/cm to lbf/ft"),
    F((kDyne / 1e-4L) / kAtmosphere, "dyn/cm2 0.1 Pa"),
    F(kElectronVolt / kCalorie15, "eV = e x 1 V exactly; cal_15 4.1858 J (NIST SP 811)"),
    F(kElectronVolt, "eV = 1.602 176 634e-19 J exactly (SI 2019)"),
    F(kElectronVolt* kAvogadro / kCalorieTh, "N_A exact (SI 2019); molar energies in cal_th 4.184 J"),
    F(kElectronVolt / (kPlanck * kLight) / 100, "wavenumber E/(hc); h and c exact (SI 2019)"),
    F(kElectronVolt / kKilowattHour, "eV to kWh"),
    {Kind::Reciprocal, kPlanck* kLight / kElectronVolt * 1e6L, "lambda = hc/E in micrometres (SI 2019)"},
    F(kFootWater / kAtmosphere, "ft of water at 39.2 degF (NIST SP 811)"),
    F(kFootWater / kInchMercury, "ft of water (39.2 degF) to inHg (32 degF)"),
    F(kFootPound / kBtu, "ft lbf to Btu_IT"),
    F(kFootPound, "ft lbf = 0.3048 m x 0.45359237 kg x gn"),
    F(kFootPound / kKilowattHour, "ft lbf to kWh"),
    F(kFootPound / 60 / 1000, "ft lbf/min to kW"),
    F(kFootPound * 60 / kBtu, "ft lbf/s to Btu_IT/min"),
    F(kFootPound / 1000, "ft lbf/s to kW"),
    F(231, "US gallon = 231 in3 exactly"),
    F(kGallon / kFoot3, "US gallon to ft3"),
    F(kGallon / 1e-6L, "US gallon = 3785.411 784 cm3"),
    F(kGallon* kWater / kPound * 60, "water at greatest density 0.999972 kg/L"),
    F(kCalorie / kBtu, "cal_IT 4.1868 J; Btu_IT"),
    F(kCalorie, "cal_IT 4.1868 J"),
    F((kCalorie / 1e-4L) / (kBtu / kFoot2), "cal_IT/cm2 to Btu_IT/ft2"),
    F(kGramForce * 1e-2L / kBtu, "gf cm = gn x 1 g x 1 cm"),
    F(kGramForce * 1e-2L / kErg, "gf cm to erg (1e-7 J)"),
    F(kGramForce / kDyne, "gf to dyn"),
    F(1e-3L / kPound, "g to lb (0.45359237 kg)"),
    F(1e-3L * kLight * kLight / kElectronVolt, "E = m c2; c and e exact (SI 2019)"),
    F(1e3L / (kPound / kInch3), "g/cm3 1000 kg/m3 to lb/in3"),
    F(1e3L / (kPound / kFoot3), "g/cm3 to lb/ft3"),
    F((kGramForce / 1e-4L) / kCmMercury, "gf/cm2 to cmHg (0 degC)"),
};

const std::vector<PairConversion> kLength = {
    F(1e-3L, "micron = 1e-6 m"),
    F(1e-6L, "micron = 1e-6 m"),
    F(1e-3L / kInch, "in = 25.4 mm"),
    F(1e-3L / kFoot, "ft = 304.8 mm"),
    F(10, "SI prefixes"),
    F(1e-2L / kInch, "in = 2.54 cm"),
    F(1e-2L / kFoot, "ft = 30.48 cm"),
    F(1e-2L / kYard, "yd = 91.44 cm"),
    F(1 / kInch, "in = 0.0254 m"),
    F(1 / kFoot, "ft = 0.3048 m"),
    F(1 / kYard, "yd = 0.9144 m"),
    F(10, "SI prefixes"),
    F(0.1L / kInch, "in = 0.254 dm"),
    F(10, "SI prefixes"),
    F(100, "SI prefixes"),
    F(1000, "SI prefixes"),
    F(10, "decametre = 10 m"),
    F(10 / kInch, "in = 0.0254 m"),
    F(10, "hectometre = 10 dam"),
    F(10, "km = 10 hm"),
    F(1000 / kMile, "mi = 1609.344 m"),
    F(10, "myriametre = 10 km"),
    F(1e4L / kMile, "mi = 1609.344 m"),
    F(25.4L, "in = 25.4 mm"),
    F(2.54L, "in = 2.54 cm"),
    F(kInch, "in = 0.0254 m"),
    F(304.8L, "ft = 304.8 mm"),
    F(30.48L, "ft = 30.48 cm"),
    F(kFoot, "ft = 0.3048 m"),
    F(kYard, "yd = 0.9144 m"),
    F(kMile / 1000, "mi = 1.609344 km"),
};

const std::vector<PairConversion> kArea = {
    F(kInch2 / 1e-4L, "in = 2.54 cm"), F(kFoot2, "ft = 0.3048 m"),
    F(kYard2, "yd = 0.9144 m"),        F(kMile2 / 1e6L, "mi = 1.609344 km"),
    F(1e-6L / kInch2, "in = 25.4 mm"), F(1e-4L / kInch2, "in = 2.54 cm"),
    F(1 / kYard2, "yd = 0.9144 m"),    F(1e6L / kMile2, "mi = 1.609344 km"),
};

const std::vector<PairConversion> kVolume = {
    F(kInch3 / 1e-6L, "in = 2.54 cm"),
    F(kFoot3, "ft = 0.3048 m"),
    F(kYard3, "yd = 0.9144 m"),
    F(kLiquidQuart / kLitre, "US liquid quart = 57.75 in3"),
    F(kGallon / kLitre, "US liquid gallon = 231 in3"),
    F(1e-6L / kInch3, "in = 2.54 cm"),
    F(1 / kYard3, "yd = 0.9144 m"),
    F(1e-6L / kFluidOunce, "US fluid ounce = 1/128 US gallon"),
    F(kLitre / kLiquidQuart, "US liquid quart = 57.75 in3"),
    F(kLitre / kDryQuart, "US dry quart = 67.200 625 in3"),
};

const std::vector<PairConversion> kMass = {
    F(kGrain / 1e-3L, "grain = 1/7000 lb"),
    F(kOunce / 1e-3L, "oz = 1/16 lb"),
    F(kTroyOunce / kGrain, "troy oz = 480 grains"),
    F(kPound, "lb = 0.45359237 kg"),
    F(kTroyPound, "troy lb = 5760 grains"),
    F(kShortTon / 1000, "short ton = 2000 lb; tonne = 1000 kg"),
    F(1e-3L / kGrain, "grain = 64.798 91 mg"),
    F(1e-3L / kTroyOunce, "troy oz = 480 grains"),
    F(1e-3L / kOunce, "oz = 1/16 lb"),
    F(1 / kPound, "lb = 0.45359237 kg"),
    F(1 / kTroyPound, "troy lb = 5760 grains"),
    F(1000 / kShortTon, "short ton = 2000 lb"),
};

} // namespace

long double ConvertPrefix(long double value, int fromExponent, int toExponent) {
    // Powers of ten up to 10^27 are exact in extended precision; dividing by one keeps the
    // result correctly rounded where multiplying by an inexact 10^-n would not.
    long double scale = 1;
    for (int n = fromExponent > toExponent ? fromExponent - toExponent : toExponent - fromExponent; n > 0;
         --n)
        scale *= 10;
    return fromExponent >= toExponent ? value * scale : value / scale;
}

const std::vector<PairConversion>& PairConversions(PairPage page) {
    switch (page) {
    case PairPage::Varied:
        return kVaried;
    case PairPage::Length:
        return kLength;
    case PairPage::Area:
        return kArea;
    case PairPage::Volume:
        return kVolume;
    case PairPage::Mass:
        break;
    }
    return kMass;
}

long double ConvertPair(PairPage page, int index, long double value) {
    const PairConversion& pair = PairConversions(page).at(static_cast<std::size_t>(index));
    return pair.kind == PairConversion::Kind::Factor ? pair.factor * value : pair.factor / value;
}

} // namespace formulas
