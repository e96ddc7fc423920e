#include "app/text_load.h"

#include <QFile>

#include <string_view>

#include "analysis/errors.h"
#include "analysis/line_breaks.h"
#include "app/text_encoding.h"
#include "storage/text_file.h"

namespace difonik {

std::string readChosenFile(const QString& fullName) {
    try {
        return readWholeFile(QFile::encodeName(fullName).toStdString());
    } catch (const EFOpenError&) {
        // The file system spells names in UTF-8; the message is a Windows-1250 text.
        throw EFOpenError(toCp1250(fullName));
    }
}

std::string textAreaContent(const std::string& fileBytes) {
    const std::string_view beforeNul = std::string_view(fileBytes).substr(0, fileBytes.find('\0'));
    return normaliseLineBreaks(beforeNul);
}

}  // namespace difonik
