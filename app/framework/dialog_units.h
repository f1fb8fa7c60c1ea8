// Dialog units to pixels, as the platform converts a template's rectangles.
#pragma once

#include <QFont>
#include <QRect>
#include <QStringList>

namespace kelvor::fw {

// a * b / c rounded to nearest, halves away from zero; -1 when c is 0.
int MulDiv(int a, int b, int c);

struct BaseUnits {
    int x;  // average width of the 52 letters A-Z a-z, rounded: (width / 26 + 1) / 2
    int y;  // the font's height
};

BaseUnits BaseUnitsOf(const QFont& font);

// x, width: MulDiv(v, base.x, 4); y, height: MulDiv(v, base.y, 8).
QRect DialogRectToPixels(const BaseUnits& base, int x, int y, int cx, int cy);

// The families tried for a template's face name (most wanted first).
QStringList FontFamiliesFor(const QString& faceName);

// The template font: those families at pointSize points taken at 96 dpi,
// set as a pixel size so the layout does not depend on the screen.
QFont DialogFont(const char* faceNameUtf8, int pointSize);

}  // namespace kelvor::fw
