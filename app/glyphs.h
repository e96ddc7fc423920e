#pragma once
// The pictures of the flat image buttons: drawn on a white ground, which the button leaves
// transparent.

#include <QIcon>
#include <QImage>
#include <QString>

namespace difonik {

// The picture with every pixel of its bottom-left pixel's colour made transparent.
QImage withTransparentGround(const QImage& picture);

// The glyph from a resource, ground made transparent, as a button icon.
QIcon glyphIcon(const QString& resource);

}  // namespace difonik
