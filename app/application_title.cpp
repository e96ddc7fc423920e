#include "app/application_title.h"

namespace difonik {

QString applicationTitle(const QString& executablePath) {
    QString name = executablePath.mid(executablePath.lastIndexOf(u'/') + 1);
    if (const qsizetype stop = name.indexOf(u'.'); stop >= 0) name.truncate(stop);
    return name.left(1) + name.mid(1).toLower();
}

}  // namespace difonik
