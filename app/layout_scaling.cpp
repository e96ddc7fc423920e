#include "app/layout_scaling.h"

#include <QWidget>

#include <cmath>

namespace difonik {
namespace {

int scaled(int value, double factor) { return int(std::lround(value * factor)); }

// The controls of the form have names; the inner parts that Qt's widgets lay out themselves
// (viewports, scroll bars) are unnamed or named "qt_...".
bool isFormControl(const QWidget& widget) {
    const QString name = widget.objectName();
    return !name.isEmpty() && !name.startsWith(QLatin1String("qt_"));
}

}  // namespace

void scaleChildGeometry(QWidget& root, double factor) {
    for (QWidget* child : root.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child->isWindow() || !isFormControl(*child)) continue;
        const QRect r = child->geometry();
        child->setGeometry(scaled(r.x(), factor), scaled(r.y(), factor), scaled(r.width(), factor),
                           scaled(r.height(), factor));
        scaleChildGeometry(*child, factor);
    }
}

}  // namespace difonik
