#include "converter/ConvertisseurLists.h"

namespace converter {
namespace {

using formulas::PairPage;

const std::vector<PrefixUnit> kCurrent = {{"uA", -6}, {"mA", -3}, {"A", 0}};
const std::vector<PrefixUnit> kPower = {{"uW", -6}, {"mW", -3}, {"W", 0}, {"KW", 3}, {"MW ", 6}};
const std::vector<PrefixUnit> kResistance = {{"Ohms", 0}, {"KOhms", 3}, {"MOhms", 6}};
const std::vector<PrefixUnit> kVoltageFrom = {{"uV", -6}, {"mV", -3}, {"V", 0}, {"KV", 3}, {"MV ", 6}};
const std::vector<PrefixUnit> kVoltageTo = {{"uV", -6}, {"mV", -3}, {"V", 0}, {"KV", 3}, {"MV", 6}};
const std::vector<PrefixUnit> kCapacitance = {{"pF", -12}, {"nF", -9}, {"uF", -6}, {"F", 0}};
const std::vector<PrefixUnit> kInductance = {{"uH", -6}, {"mH", -3}, {"H", 0}};
const std::vector<PrefixUnit> kFrequency = {{"Hz", 0}, {"KHz", 3}, {"MHz", 6}, {"GHz", 9}};

// Left part, blanks before the arrow, right part; French then English.
struct VariedItem {
    const char* left;
    const char* right;
    int blanks;
    const char* leftEnglish;
    const char* rightEnglish;
    int blanksEnglish;
};

const VariedItem kVaried[] = {
    {"Ampère tours", "Gb", 38, "Ampere tours", "Gb", 38},
    {"Atmosphères", "mm de mercure a 0°C", 38, "Atmospheres", "mm of mercure at 0°C", 38},
    {"Atmosphères", "Pouces de mercure a 32°F", 38, "Atmospheres", "Inches of mercury at 32°F", 38},
    {"Atmosphères", "pied d'eau a 39.1°F", 38, "Atmospheres", "feet of water at 39.1°F", 38},
    {"Atmosphères", "lb/ft ²", 38, "Atmospheres", "lb/ft ²", 38},
    {"Atmosphères", "lb/in ²", 38, "Atmospheres", "lb/in ²", 38},
    {"Atmosphères", "kg/m ²", 38, "Atmospheres", "kg/m ²", 38},
    {"Atmosphères", "tonnes par pied carré", 38, "Atmospheres", "tons per square foot", 38},
    {"Unité de masse atomique", "masse d'électron", 19, "Atomic mass unit", "mass of electron", 32},
    {"Unité de masse atomique", "masse de proton", 19, "Atomic mass unit", "mass of proton", 32},
    {"Unité de masse atomique", "masse de neutron", 19, "Atomic mass unit", "mass of neutron", 32},
    {"Unité de masse atomique", "masse de particule alpha", 19, "Atomic mass unit", "mass of alpha particle",
     32},
    {"Unité de masse atomique", "MeV", 19, "Atomic mass unit", "MeV", 32},
    {"Bars", "dynes par centimètre carré", 51, "Bars", "dynes per square centimeter", 51},
    {"Btu", "ft.lb", 53, "Btu", "ft.lb", 53},
    {"Btu", "Hp - heures", 53, "Btu", "Hp - hours", 53},
    {"Btu", "J", 53, "Btu", "J", 53},
    {"Btu", "kilogramme-mètres", 53, "Btu", "kilogram-meters", 53},
    {"Btu", "kilogramme-calories", 53, "Btu", "kilogram-calories", 53},
    {"Btu", "kWh", 53, "Btu", "kWh", 53},
    {"Btu/h", "Hp", 49, "Btu/h", "Hp", 49},
    {"Btu/(h-ft ²-°F)", "W/cm ²-°C", 38, "Btu/(h-ft ²-°F)", "W/cm ²-°C", 38},
    {"Btu/(h-ft ²-°F)", "W/in ²-°F", 38, "Btu/(h-ft ²-°F)", "W/in ²-°F", 38},
    {"Btu (h-ft ²)/(°F/in)", "(cal/s-cm ²)/(°C/cm)", 32, "Btu (h-ft ²)/(°F/in)", "(cal/s-cm ²)/(°C/cm)", 32},
    {"Btu/min", "ft-lb/s", 46, "Btu/min", "ft-lb/s", 46},
    {"Btu/min", "hp", 46, "Btu/min", "hp", 46},
    {"Btu/min", "kW", 46, "Btu/min", "kW", 46},
    {"Btu/lb", "gramme-calorie par gramme", 49, "Btu/lb", "gram-calorie per gram", 49},
    {"Btu/lb-°F", "gramme-calorie par gramme -°C", 45, "Btu/lb-°F", "gram-calorie per gram -°C", 45},
    {"Btu/s", "kilogramme-mètres/s", 50, "Btu/s", "kilogram-meters/s", 50},
    {"Btu/s", "kW", 50, "Btu/s", "kW", 50},
    {"Btu/ft ²", "gramme par cm carré", 48, "Btu/ft ²", "gram per square centimeter", 48},
    {"cm Hg (0°C)", "atmosphères", 40, "cm Hg (0°C)", "atmospheres", 40},
    {"cm Hg (0°C)", "lb/in ²", 40, "cm Hg (0°C)", "lb/in ²", 40},
    {"cm Hg (0°C)", "pouces d'eau", 40, "cm Hg (0°C)", "inches of water", 40},
    {"cm/°C", "in/°F", 49, "cm/°C", "in/°F", 49},
    {"Centipoises", "poids/pied-heures", 41, "Centipoises", "pound/foot-hours", 41},
    {"ft ³/min", "gal/s", 48, "ft ³/min", "gal/s", 48},
    {"ft ³/min", "cm ³/s", 48, "ft ³/min", "cm ³/s", 48},
    {"ft ³/lb", "cm ³g", 50, "ft ³/lb", "cm ³g", 50},
    {"ft ³/s", "gal/min", 51, "ft ³/s", "gal/min", 51},
    {"m ³", "ft ³", 54, "m ³", "ft ³", 54},
    {"Curie", "désintégration/s", 51, "Curie", "desintegration/s", 51},
    {"Degrées", "radians", 46, "Degrees", "radians", 46},
    {"Degrées", "min", 46, "Degrees", "min", 46},
    {"Degrées/s", "rev/min", 43, "Degrees/s", "rev/min", 43},
    {"Dynes", "g", 49, "Dynes", "g", 49},
    {"Dynes/cm", "lb/ft", 43, "Dynes/cm", "lb/ft", 43},
    {"Dynes/cm ²", "atmosphères", 41, "Dynes/cm ²", "atmospheres", 41},
    {"Électron volts", "calories (15°C)", 38, "Electron volts", "calories (15°C)", 38},
    {"Électron volts", "J", 38, "Electron volts", "J", 38},
    {"Électron volts", "calorie/mole", 38, "Electron volts", "calorie/mole", 38},
    {"Électron volts", "cm¨¹", 38, "Electron volts", "cm¨¹", 38},
    {"Électron volts", "kWh", 38, "Electron volts", "kWh", 38},
    {"Électron volts", "longueur d'onde (microns)", 38, "Electron volts", "microns wavelength", 38},
    {"Pied de H2O a 39.2°F", "atmosphères", 25, "Feet of H2O at 39.2°F", "atmospheres", 25},
    {"Pied de H2O a 39.2°F", "pouce de Hg a 32°F", 25, "Feet of H2O at 39.2°F", "inches of Hg at 32°F", 25},
    {"ft-lb", "Btu ", 54, "ft-lb", "Btu ", 54},
    {"ft-lb", "J(abs)", 54, "ft-lb", "J(abs)", 54},
    {"ft-lb", "kWh", 54, "ft-lb", "kWh", 54},
    {"ft-lb/min", "kW", 47, "ft-lb/min", "kW", 47},
    {"ft-lb/s", "Btu/min", 51, "ft-lb/s", "Btu/min", 51},
    {"ft-lb/s", "kW", 51, "ft-lb/s", "kW", 51},
    {"Gal (liquide US)", "in ³", 36, "Gal (liquide US)", "in ³", 36},
    {"Gal (liquide US)", "ft ³", 36, "Gal (liquide US)", "ft ³", 36},
    {"Gal (liquide US)", "cm ³", 36, "Gal (liquide US)", "cm ³", 36},
    {"Gal/min(eau)", "lb/h (eau)", 40, "Gal/min(water)", "lb/h (water)", 38},
    {"Gramme-calories", "Btu", 34, "Gram-calories", "Btu", 39},
    {"Gramme-calories", "J", 34, "Gram-calories", "J", 39},
    {"Gramme-calories par cm ²", "Btu/ft ²", 20, "Gram-calories per cm ²", "Btu/ft ²", 25},
    {"Gramme-centimètre", "Btu", 30, "Gram-centimeter", "Btu", 35},
    {"Gramme-centimètre", "ergs", 30, "Gram-centimeter", "ergs", 35},
    {"Grammes", "dynes", 46, "Grams", "dynes", 51},
    {"Grammes", "lb", 46, "Grams", "lb", 51},
    {"Grammes", "eV", 46, "Grams", "eV", 51},
    {"Gramme/cm ³", "lb/in ³", 39, "Gram/cm ³", "lb/in ³", 44},
    {"Gramme/cm ³", "lb/ft ³", 39, "Gram/cm ³", "lb/ft ³", 44},
    {"Gramme/cm ²", "cm de Hg", 39, "Gram/cm ²", "cm of Hg", 44},
};

struct LengthItem {
    const char* left;
    int blanks;
    const char* right;
    const char* leftEnglish = nullptr; // where English spells it otherwise
};

const LengthItem kLength[] = {
    {"micron", 12, "mm"},
    {"micron", 12, "m"},
    {"mm", 18, "in"},
    {"mm", 18, "ft"},
    {"cm", 19, "mm"},
    {"cm", 19, "in"},
    {"cm", 19, "ft"},
    {"cm", 19, "yd"},
    {"m", 21, "in"},
    {"m", 21, "ft"},
    {"m", 21, "yd"},
    {"dm", 18, "cm"},
    {"dm", 18, "in"},
    {"m", 21, "dm"},
    {"m", 21, "cm"},
    {"m", 21, "mm"},
    {"dkm", 16, "m"},
    {"dkm", 16, "in"},
    {"hm", 19, "dkm"},
    {"km", 19, "hm"},
    {"km", 19, "mi"},
    {"myriamètre", 2, "km", "myriameter"},
    {"myriamètre", 2, "mi", "myriameter"},
    {"in", 21, "mm"},
    {"in", 21, "cm"},
    {"in", 21, "m"},
    {"ft", 22, "mm"},
    {"ft", 22, "cm"},
    {"ft", 22, "m"},
    {"yd", 19, "m"},
    {"mi", 19, "km"},
};

// Items written out whole: French, English.
struct WholeItem {
    const char* french;
    const char* english;
};

const WholeItem kArea[] = {
    {"pouce ²    =   cm ²", "inches ²    =   cm ²"}, {"pied ²    =   m ²", "feet ²    =   m ²"},
    {"yd ²    =   m ²", "yd ²    =   m ²"},          {"mi ²    =   km ²", "mi ²    =   km ²"},
    {"mm ²    =   pouce ²", "mm ²    =   inches ²"}, {"cm ²    =   pouce ²", "cm ²    =   inches ²"},
    {"m ²    =   yd ²", "m ²    =   yd ²"},          {"km ²    =   mi ²", "km ²    =   mi ²"},
};

const WholeItem kVolume[] = {
    {"pouce ³    =   cm ³", "inches ³    =   cm ³"},
    {"pied ³    =   m ³", "feet ³    =   m ³"},
    {"yd ³    =   m ³", "yd ³    =   m ³"},
    {"liquide(qt) ³    =   L ", "liquid(qt) ³    =   L "},
    {"liquide(gallon) ³    =   L ", "liquid(gallon) ³    =   L "},
    {"cm ³    =   pouce ³", "cm ³    =   inches ³"},
    {"m ³    =   yd ³", "m ³    =   yd ³"},
    {"mL ³    =   onze liquide ", "mL ³    =   liquid onze "},
    {"L ³    =   liquide(qt) ", "L ³    =   liquid(qt) "},
    {"L ³    =   sec(qt) ", "L ³    =   dry(qt) "},
};

const WholeItem kMass[] = {
    {"grain    =   g", "grain    =   g"},
    {"onze (avoir)    =   g", "onze (avoir)    =   g"},
    {"onze (troy)    =   grain", "onze (troy)    =   grain"},
    {"lb (avoir)    =   kg", "lb (avoir)    =   kg"},
    {"lb (troy)   =   kg", "lb (troy)   =   kg"},
    {"tonne (short)   =   tonne métrique", "ton (short)   =   metric ton"},
    {"g   =   grain (troy)", "g   =   grain (troy)"},
    {"g   =   onze (troy)", "g   =   onze (troy)"},
    {"g   =   onze (avoir)", "g   =   onze (avoir)"},
    {"kg   =   lbs (avoir)", "kg   =   lbs (avoir)"},
    {"kg   =   lbs (troy)", "kg   =   lbs (troy)"},
    {"tonne métrique   =   tonne (short)", "metric ton   =   ton (short)"},
};

QString Joined(const char* left, int blanks, const char* sign, int after, const char* right) {
    return QString::fromUtf8(left) + QString(blanks, QChar(' ')) + QLatin1String(sign) +
           QString(after, QChar(' ')) + QString::fromUtf8(right);
}

template <std::size_t N> QStringList Whole(const WholeItem (&items)[N], bool english) {
    QStringList list;
    for (const WholeItem& item : items)
        list << QString::fromUtf8(english ? item.english : item.french);
    return list;
}

} // namespace

const std::vector<PrefixPage>& PrefixPages() {
    static const std::vector<PrefixPage> pages = {
        {"ListBox1", "ListBox2", "Edit1", "Edit2", "Label1", "Label2", kCurrent, kCurrent},
        {"ListBox3", "ListBox4", "Edit3", "Edit4", "Label4", "Label5", kPower, kPower},
        {"ListBox5", "ListBox6", "Edit5", "Edit6", "Label6", "Label7", kResistance, kResistance},
        {"ListBox7", "ListBox8", "Edit7", "Edit8", "Label8", "Label9", kVoltageFrom, kVoltageTo},
        {"ListBox9", "ListBox10", "Edit9", "Edit10", "Label10", "Label11", kCapacitance, kCapacitance},
        {"ListBox11", "ListBox12", "Edit11", "Edit12", "Label12", "Label13", kInductance, kInductance},
        {"ListBox13", "ListBox14", "Edit13", "Edit14", "Label14", "Label15", kFrequency, kFrequency},
    };
    return pages;
}

const std::vector<PairList>& PairLists() {
    static const std::vector<PairList> pages = {
        {PairPage::Varied, "ListBox15", "Label3", "Edit15", "Edit16"},
        {PairPage::Length, "ListBox16", "Label19", "Edit17", "Edit18"},
        {PairPage::Area, "ListBox17", "Label22", "Edit19", "Edit20"},
        {PairPage::Volume, "ListBox18", "Label21", "Edit21", "Edit22"},
        {PairPage::Mass, "ListBox19", "Label23", "Edit23", "Edit24"},
    };
    return pages;
}

QStringList PairItems(PairPage page, bool english) {
    QStringList list;
    switch (page) {
    case PairPage::Varied:
        for (const VariedItem& v : kVaried)
            list << (english ? Joined(v.leftEnglish, v.blanksEnglish, "--->", 3, v.rightEnglish)
                             : Joined(v.left, v.blanks, "--->", 3, v.right));
        return list;
    case PairPage::Length:
        for (const LengthItem& l : kLength)
            list << Joined(english && l.leftEnglish ? l.leftEnglish : l.left, l.blanks, "=", 6, l.right);
        return list;
    case PairPage::Area:
        return Whole(kArea, english);
    case PairPage::Volume:
        return Whole(kVolume, english);
    case PairPage::Mass:
        break;
    }
    return Whole(kMass, english);
}

} // namespace converter
