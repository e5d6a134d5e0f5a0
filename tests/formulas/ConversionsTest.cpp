#include "formulas/Conversions.h"

#include <cmath>
#include <gtest/gtest.h>
#include <stdexcept>

namespace {

using formulas::ConvertPair;
using formulas::PairPage;

struct Expected {
    const char* pair;
    long double one; // what 1 in the left unit is in the right unit
};

// Worked out separately at 40 digits from the definitions (international inch and pound, gn,
// atm, Btu_IT and cal_IT, cal_th and cal_15, CODATA 2018 and the exact constants of the 2019 SI)
// and checked against the rounded factors of the published tables (NIST SP 811, CRC handbook).
const Expected kVaried[] = {
    {"At to Gb", 1.25663706143591730L},
    {"atm to mmHg", 759.999891725611280L},
    {"atm to inHg", 29.9212555797484756L},
    {"atm to ftH2O", 33.8994876633411153L},
    {"atm to lbf/ft2", 2116.21662367393662L},
    {"atm to psi", 14.6959487755134487L},
    {"atm to kgf/m2", 10332.2745279988579L},
    {"atm to tonf/ft2", 1.05810831183696831L},
    {"u to m_e", 1822.88848620869243L},
    {"u to m_p", 0.992776097861782113L},
    {"u to m_n", 0.991409519838568943L},
    {"u to m_alpha", 0.249905899237713498L},
    {"u to MeV", 931.49410242L},
    {"bar to dyn/cm2", 1000000L},
    {"Btu to ft lbf", 778.169262265964925L},
    {"Btu to hp h", 0.000393014778922204508L},
    {"Btu to J", 1055.05585262L},
    {"Btu to kgf m", 107.585755851386559L},
    {"Btu to kcal", 0.251995761111111111L},
    {"Btu to kWh", 0.000293071070172222222L},
    {"Btu/h to hp", 0.000393014778922204508L},
    {"Btu/(h ft2 F) to W/(cm2 C)", 0.000567826334111348778L},
    {"Btu/(h ft2 F) to W/(in2 F)", 0.00203521576508487654L},
    {"Btu in/(h ft2 F) to cal/(s cm C)", 0.000344482394344804122L},
    {"Btu/min to ft lbf/s", 12.9694877044327488L},
    {"Btu/min to hp", 0.0235808867353322705L},
    {"Btu/min to kW", 0.0175842642103333333L},
    {"Btu/lb to cal/g", 0.555555555555555556L},
    {"Btu/(lb F) to cal/(g C)", 1.00000000000000000L},
    {"Btu/s to kgf m/s", 107.585755851386559L},
    {"Btu/s to kW", 1.05505585262L},
    {"Btu/ft2 to cal/cm2", 0.271245979799058364L},
    {"cmHg to atm", 0.0131578966113989637L},
    {"cmHg to psi", 0.193367774594621157L},
    {"cmHg to inH2O", 5.35255144624364443L},
    {"cm/C to in/F", 0.218722659667541557L},
    {"cP to lb/(ft h)", 2.41908831050222472L},
    {"cfm to gal/s", 0.124675324675324675L},
    {"cfm to cm3/s", 471.9474432000000L},
    {"ft3/lb to cm3/g", 62.4279605761446120L},
    {"ft3/s to gal/min", 448.831168831168831L},
    {"m3 to ft3", 35.3146667214885903L},
    {"Ci to Bq", 3.7e+10L},
    {"deg to rad", 0.0174532925199432958L},
    {"deg to arcmin", 60L},
    {"deg/s to rpm", 0.166666666666666667L},
    {"dyn to gf", 0.00101971621297792824L},
    {"dyn/cm to lbf/ft", 0.0000685217658567917552L},
    {"dyn/cm2 to atm", 9.86923266716012830e-7L},
    {"eV to cal15", 3.82764736490037747e-20L},
    {"eV to J", 1.602176634e-19L},
    {"eV to cal/mol", 23060.5478306190293L},
    {"eV to 1/cm", 8065.54393734921164L},
    {"eV to kWh", 4.45049065e-26L},
    {"eV to um (1 eV)", 1.23984198433200262L},
    {"ftH2O to atm", 0.0294989708968787565L},
    {"ftH2O to inHg", 0.882646247545071386L},
    {"ft lbf to Btu", 0.00128506746345657782L},
    {"ft lbf to J", 1.35581794833140040L},
    {"ft lbf to kWh", 3.76616096758722333e-7L},
    {"ft lbf/min to kW", 0.00002259696580552334L},
    {"ft lbf/s to Btu/min", 0.0771040478073946690L},
    {"ft lbf/s to kW", 0.0013558179483314004L},
    {"gal to in3", 231L},
    {"gal to ft3", 0.133680555555555556L},
    {"gal to cm3", 3785.411784000000L},
    {"gpm water to lb/h", 500.710246841680516L},
    {"cal to Btu", 0.00396832071932779645L},
    {"cal to J", 4.1868L},
    {"cal/cm2 to Btu/ft2", 3.68669058520539047L},
    {"gf cm to Btu", 9.29491076292059212e-8L},
    {"gf cm to erg", 980.665L},
    {"gf to dyn", 980.665L},
    {"g to lb", 0.00220462262184877581L},
    {"g to eV", 5.60958860380445194e+32L},
    {"g/cm3 to lb/in3", 0.0361272920000836875L},
    {"g/cm3 to lb/ft3", 62.4279605761446120L},
    {"gf/cm2 to cmHg", 0.0735559135276680569L},
};

void ExpectPage(PairPage page, const long double* expected, std::size_t count, const char* const* names) {
    ASSERT_EQ(formulas::PairConversions(page).size(), count);
    for (std::size_t i = 0; i < count; ++i) {
        const long double got = ConvertPair(page, static_cast<int>(i), 1);
        EXPECT_LE(std::fabs(got - expected[i]), std::fabs(expected[i]) * 1e-17L)
            << (names ? names[i] : "") << " row " << i + 1 << ": " << double(got);
        EXPECT_NE(std::string(formulas::PairConversions(page)[i].source), "") << i;
    }
}

TEST(Conversions, VariedPairsFollowTheirDefinitions) {
    long double values[std::size(kVaried)];
    const char* names[std::size(kVaried)];
    for (std::size_t i = 0; i < std::size(kVaried); ++i) {
        values[i] = kVaried[i].one;
        names[i] = kVaried[i].pair;
    }
    ExpectPage(PairPage::Varied, values, std::size(kVaried), names);
}

TEST(Conversions, LengthAreaVolumeMassFollowTheirDefinitions) {
    const long double length[] = {0.001L,
                                  0.000001L,
                                  0.0393700787401574803L,
                                  0.00328083989501312336L,
                                  10L,
                                  0.393700787401574803L,
                                  0.0328083989501312336L,
                                  0.0109361329833770779L,
                                  39.3700787401574803L,
                                  3.28083989501312336L,
                                  1.09361329833770779L,
                                  10L,
                                  3.93700787401574803L,
                                  10L,
                                  100L,
                                  1000L,
                                  10L,
                                  393.700787401574803L,
                                  10L,
                                  10L,
                                  0.621371192237333970L,
                                  10L,
                                  6.21371192237333970L,
                                  25.4L,
                                  2.54L,
                                  0.0254L,
                                  304.8L,
                                  30.48L,
                                  0.3048L,
                                  0.9144L,
                                  1.609344L};
    const long double area[] = {6.45160000L,
                                0.09290304L,
                                0.83612736L,
                                2.589988110336L,
                                0.00155000310000620001L,
                                0.155000310000620001L,
                                1.19599004630108026L,
                                0.386102158542445847L};
    const long double volume[] = {16.387064L,           0.028316846592L,        0.764554857984L,
                                  0.946352946000L,      3.785411784000L,        0.0610237440947322840L,
                                  1.30795061931439223L, 0.0338140227018429972L, 1.05668820943259366L,
                                  0.908082984268855892L};
    const long double mass[] = {0.06479891000L,       28.349523125000L,       480L,
                                0.45359237L,          0.37324172160L,         0.90718474L,
                                15.4323583529414307L, 0.0321507465686279805L, 0.0352739619495804129L,
                                2.20462262184877581L, 2.67922888071899838L,   1.10231131092438790L};
    ExpectPage(PairPage::Length, length, std::size(length), nullptr);
    ExpectPage(PairPage::Area, area, std::size(area), nullptr);
    ExpectPage(PairPage::Volume, volume, std::size(volume), nullptr);
    ExpectPage(PairPage::Mass, mass, std::size(mass), nullptr);
}

TEST(Conversions, PhotonWavelengthIsHcOverE) {
    // 1239.841 984 nm eV: 2 eV is red light, 0.5 eV near infrared.
    EXPECT_NEAR(double(ConvertPair(PairPage::Varied, 54, 2)), 0.61992099216600131, 1e-16);
    EXPECT_NEAR(double(ConvertPair(PairPage::Varied, 54, 0.5L)), 2.4796839686640052, 1e-15);
    EXPECT_NEAR(double(ConvertPair(PairPage::Varied, 45, 360)), 60, 1e-13); // 360 deg/s is 60 rev/min
}

TEST(Conversions, PrefixesAndRange) {
    const struct {
        long double value;
        int from, to;
        long double expected;
    } rows[] = {
        {1, -6, -3, 0.001L}, {1500, -3, 0, 1.5L},  {2, 3, 6, 0.002L}, {3, 6, -6, 3e12L},
        {1, -12, 0, 1e-12L}, {47, -9, -6, 0.047L}, {7, 9, 0, 7e9L},   {-2.5L, 0, 0, -2.5L},
    };
    for (const auto& r : rows)
        EXPECT_EQ(formulas::ConvertPrefix(r.value, r.from, r.to), r.expected) << r.from << " " << r.to;
    EXPECT_THROW(ConvertPair(PairPage::Length, 31, 1), std::out_of_range);
    EXPECT_THROW(ConvertPair(PairPage::Mass, -1, 1), std::out_of_range);
}

} // namespace
