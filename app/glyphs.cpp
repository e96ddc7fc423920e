#include "app/glyphs.h"

#include <QPixmap>

namespace difonik {

QImage withTransparentGround(const QImage& picture) {
    if (picture.isNull()) return picture;
    QImage image = picture.convertToFormat(QImage::Format_ARGB32);
    const QRgb ground = image.pixel(0, image.height() - 1);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (line[x] == ground) line[x] = qRgba(0, 0, 0, 0);
        }
    }
    return image;
}

QIcon glyphIcon(const QString& resource) {
    return QIcon(QPixmap::fromImage(withTransparentGround(QImage(resource))));
}

}  // namespace difonik
