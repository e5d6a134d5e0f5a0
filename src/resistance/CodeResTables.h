#pragma once
// The colour code: ring colours, list items in both languages, multipliers and tolerances.
#include "pictures/Palette.h"

#include <QColor>
#include <QStringList>

namespace resistance {

// The platform's 3-D light colour; gold rings and the window background use it.
using palette::k3DLight;
// The platform's inactive-caption colour; the resistor body uses it.
using palette::kInactiveCaption;
inline const QColor& kRingSilver = palette::kSilver;

// Digit colours 0 to 9, shared by the rings and the search discs.
inline QColor DigitColour(int digit) {
    static const QColor colours[10] = {
        {0, 0, 0},   {128, 0, 0}, {255, 0, 0},   {255, 128, 0},   {255, 255, 0},
        {0, 128, 0}, {0, 0, 255}, {128, 0, 128}, {128, 128, 128}, {255, 255, 255},
    };
    return colours[digit];
}

inline const QStringList& DigitNamesFrench() {
    static const QStringList names = {"Noir", "Brun", "Rouge",  "Orange", "Jaune",
                                      "Vert", "Bleu", "Violet", "Gris",   "Blanc"};
    return names;
}
inline const QStringList& DigitNamesEnglish() {
    static const QStringList names = {"Black", "Brown", "Red",    "Orange", "Yellow",
                                      "Green", "Blue",  "Violet", "Gray",   "White"};
    return names;
}

// Multiplier ring: black to blue are powers of ten, then gold 0.1 and silver 0.01. The power of
// ten is kept so the factor is exact (the fractions divide instead of multiplying by 0.1).
struct Multiplier {
    const char* french;
    const char* english;
    int power;
    QColor colour;
};
inline const Multiplier kMultipliers[9] = {
    {"Noir", "Black", 0, DigitColour(0)},   {"Brun", "Brown", 1, DigitColour(1)},
    {"Rouge", "Red", 2, DigitColour(2)},    {"Orange", "Orange", 3, DigitColour(3)},
    {"Jaune", "Yellow", 4, DigitColour(4)}, {"Vert", "Green", 5, DigitColour(5)},
    {"Bleu", "Blue", 6, DigitColour(6)},    {"Or", "Gold", -1, k3DLight},
    {"Argent", "Silver", -2, kRingSilver},
};

// Tolerance ring, in percent; "Aucun" has no ring (an invalid colour).
struct Tolerance {
    const char* french;
    const char* english;
    int percent;
    QColor colour;
};
inline const Tolerance kTolerances[7] = {
    {"Brun        +-  1%", "Brown", 1, DigitColour(1)}, {"Rouge     +-  2%", "Red", 2, DigitColour(2)},
    {"Orange    +-  3%", "Orange", 3, DigitColour(3)},  {"Jaune      +-  4%", "Yellow", 4, DigitColour(4)},
    {"Or            +-  5%", "Gold", 5, k3DLight},      {"Argent     +- 10%", "Silver", 10, kRingSilver},
    {"Aucun     +- 20% ", "None", 20, QColor()},
};

// Multiplier disc of the search, by row: .01, .1, 1, 10 ... 1 M.
struct SearchMultiplier {
    const char* text;
    QColor colour;
    const char* french;
    const char* english;
};
inline const SearchMultiplier kSearchMultipliers[9] = {
    {"X .01", kRingSilver, "Argent", "Silver"},    {"X .1", QColor(128, 128, 128), "Or", "Gold"},
    {"X 1", DigitColour(0), "Noir", "Black"},      {"X 10", DigitColour(1), "Brun", "Brown"},
    {"X 100", DigitColour(2), "Rouge", "Red"},     {"X 1 K", DigitColour(3), "Orange", "Orange"},
    {"X 10 K", DigitColour(4), "Jaune", "Yellow"}, {"X 100 K", DigitColour(5), "Vert", "Green"},
    {"X 1 M", DigitColour(6), "Bleu", "Blue"},
};

} // namespace resistance
