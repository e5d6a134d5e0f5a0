#pragma once
// Pictures of the Ohm's law memory device: the wheel, the ohm sign, the twelve formulas (small
// on the wheel's buttons, larger in the formula files the build writes).
#include <QColor>
#include <QImage>
#include <QString>

namespace pictures::ohmslaw {

constexpr int kFormulaCount = 12;

// The wheel is 345 x 329; its centre and radii, in the picture's own coordinates.
constexpr int kWheelWidth = 345;
constexpr int kWheelHeight = 329;
constexpr double kWheelCentreX = 172;
constexpr double kWheelCentreY = 162;
constexpr double kWheelRadius = 160;
constexpr double kHubRadius = 46;

// Quadrant colours: P top left, I top right, E bottom left, R bottom right.
QColor PowerColour();
QColor CurrentColour();
QColor VoltageColour();
QColor ResistanceColour();
QColor HubColour();

QImage WheelPicture();
// "(Ω)", small, for the unit line of a resistance result.
QImage OhmSignPicture();

// Formula 1 to 12 (the wheel's numbering), without its "X =" part.
// The button picture is 29 x 21 on white; white is what the button makes transparent.
QImage FormulaButtonPicture(int formula);
// The formula file, 81 x 40 on white.
QImage FormulaFilePicture(int formula);
// The file's name under the picture root, e.g. "formule/EdivRC.bmp".
QString FormulaFileName(int formula);

} // namespace pictures::ohmslaw
