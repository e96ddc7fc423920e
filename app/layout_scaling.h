#pragma once
// Growing the fixed layout of the window with its font.

class QWidget;

namespace difonik {

// Scales the position and size of every named control below `root` (not `root` itself) by
// `factor`, each of left, top, width and height rounded on its own.
void scaleChildGeometry(QWidget& root, double factor);

}  // namespace difonik
