#include "app/window_font.h"

#include <QFontDatabase>
#include <QFontMetrics>

#include <cmath>

namespace difonik {
namespace {

constexpr int kDesignPixelSize = 11;
constexpr qreal kDesignDotsPerInch = 96.0;

int textHeight(QFont font, int pixelSize) {
    font.setPixelSize(pixelSize);
    return QFontMetrics(font).height();
}

}  // namespace

int fontPixelSize(qreal dotsPerInch) {
    return std::max(1, int(std::lround(kDesignPixelSize * dotsPerInch / kDesignDotsPerInch)));
}

QFont windowFont(int pixelSize) {
    const QString family =
        QFontDatabase::hasFamily(QStringLiteral("MS Sans Serif")) ? QStringLiteral("MS Sans Serif") : QStringLiteral("Liberation Sans");
    QFont font(family);
    font.setPixelSize(pixelSize);
    font.setWeight(QFont::Normal);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

qreal layoutScale(const QFont& font, qreal dotsPerInch) {
    const int designHeight = textHeight(font, kDesignPixelSize);
    const int height = textHeight(font, fontPixelSize(dotsPerInch));
    return designHeight > 0 && height != designHeight ? qreal(height) / designHeight : 1.0;
}

}  // namespace difonik
