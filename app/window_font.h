#pragma once
// The window's font and the scaling of its layout.

#include <QFont>

namespace difonik {

// The pixel height of the font at a number of pixels per inch: 11 pixels at 96.
int fontPixelSize(qreal dotsPerInch);

// "MS Sans Serif" where it is installed, else Liberation Sans, whose letters come closest; at the
// given pixel height, regular.
QFont windowFont(int pixelSize);

// The factor by which the layout grows: the font's text height at `dotsPerInch` over its height at
// 96 pixels per inch, for which the layout is drawn. 1 when the two heights are equal.
qreal layoutScale(const QFont& font, qreal dotsPerInch);

}  // namespace difonik
