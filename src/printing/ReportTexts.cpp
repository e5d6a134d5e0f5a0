#include "printing/ReportTexts.h"

#include "ui/Language.h"

#include <QHash>

namespace printing {
namespace {

const QHash<QString, QString>& English() {
    static const QHash<QString, QString> texts = [] {
        const char* const pairs[][2] = {
            // The shared layouts.
            {"Schémas et formule :", "Diagrams and formula:"},
            {"Valeurs saisie:", "Values entered:"},
            {"Valeur saisie:", "Value entered:"},
            {"Résultat:", "Result:"},
            {"Formule:", "Formula:"},
            {"Ohmbrix 2.0 - © 2026 Kelmora. Imprimé depuis le guide Ohmbrix.",
             "Ohmbrix 2.0 - © 2026 Kelmora. Printed from the Ohmbrix guide."},
            {"Page %1 de %2", "Page %1 of %2"},
            // The colour code, the searched value, the EIA standard, the memory device.
            {"Code de la résistance", "Resistor color code"},
            {"Couleurs choisie:", "Colors chosen:"},
            {"Tolérance:", "Tolerance:"},
            {"Valeur recherchée", "Resistor search"},
            {"Standard de EIA", "EIA standard"},
            {"Unité de mesure:", "Unit of measure:"},
            // The calculators' titles and lines.
            {"Résistance du conducteur", "Resistance of a conductor"},
            {"R = Résistance du conducteur (Ohms) :", "R = Resistance of the conductor (Ohms):"},
            {"L = Longueur du conducteur (Mètres) :", "L = Length of the conductor (Meters):"},
            {"A = Numéro de jauge (AWG) :", "A = Gauge number (AWG):"},
            {"p = Type de conducteur (résistivité) :", "p = Type of conductor (resistivity):"},
            {"Résistance en série", "Resistors in series"},
            {"Résistance en parallèle", "Resistors in parallel"},
            {"Condensateur en série", "Capacitors in series"},
            {"Condensateur en parallèle", "Capacitors in parallel"},
            {"Inductance en série", "Inductance in series"},
            {"Inductance en parallèle", "Inductance in parallel"},
            {"Réactance capacitive", "Capacitive reactance"},
            {"Réactance inductive", "Inductive reactance"},
            {"Impédance en circuit série RL et RC", "Impedance in series RL and RC circuits"},
            {"Impédance en circuit série RLC", "Impedance in a series RLC circuit"},
            {"Impédance en circuit série LC", "Impedance in a series LC circuit"},
            {"Impédance en circuit parallèle RL", "Impedance in a parallel RL circuit"},
            {"Impédance en circuit parallèle RC", "Impedance in a parallel RC circuit"},
            {"Impédance en circuit parallèle LC", "Impedance in a parallel LC circuit"},
            {"Degrés =", "Degrees ="},
            {"Résonance", "Resonance"},
            {"Produit L X C", "Product L X C"},
            {"Constante de temp RL", "Time constant RL"},
            {"Constante de temp RC", "Time constant RC"},
            {"Inductance d'une bobine cylindrique à noyau d'air",
             "Inductance of an air-core cylindrical coil"},
            {"Inductance d'une bobine à noyau d'air", "Inductance of an air-core coil"},
            {"Inductance d'un câble coxial", "Inductance of a coaxial cable"},
            {"Fréquence", "Frequency"},
            {"Période", "Period"},
            {"Longueur d'onde", "Wavelength"},
            {"L'ongueur d'onde =", "Wavelength ="},
            // The tables.
            {"Tableur du produit LC", "Table of the LC product"},
            {"%1 : réactance en ohms (%2 de haut en bas, %3 de gauche à droite)",
             "%1: reactance in ohms (%2 from top to bottom, %3 from left to right)"},
            {"Tableur de la réactance capacitive", "Table of capacitive reactance"},
            {"Tableur de la réactance inductive", "Table of inductive reactance"},
            {"Tableur de deux condensateurs en série", "Table of two capacitors in series"},
            {"Tableur de deux résistances parallèle", "Table of two resistors in parallel"},
            {"Tableur de l'impédance en circuit série R et X", "Table of impedance in series R and X"},
            {"Ct = C1 × C2 / (C1 + C2), dans l'unité des valeurs, C1 de %1 à %2",
             "Ct = C1 × C2 / (C1 + C2), in the unit of the values, C1 from %1 to %2"},
            {"Rt = R1 × R2 / (R1 + R2) en Ohms, R1 de %1 à %2 Ohms",
             "Rt = R1 × R2 / (R1 + R2) in Ohms, R1 from %1 to %2 Ohms"},
            {"Z = √(R² + X²) en Ohms, R de %1 à %2 Ohms", "Z = √(R² + X²) in Ohms, R from %1 to %2 Ohms"},
        };
        QHash<QString, QString> map;
        for (const auto& pair : pairs)
            map.insert(QString::fromUtf8(pair[0]), QString::fromUtf8(pair[1]));
        return map;
    }();
    return texts;
}

} // namespace

QString ReportText(const QString& french) {
    if (!ui::IsEnglish()) return french;
    return English().value(french, french);
}

} // namespace printing
