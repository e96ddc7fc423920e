#include "app/text_load.h"

#include <QFile>

#include "analysis/errors.h"
#include "analysis/line_breaks.h"
#include "app/memo/memo_content.h"
#include "app/text_encoding.h"
#include "storage/text_file.h"

namespace difonik {

std::string readChosenFile(const QString& fullName) {
    try {
        // With room for the CRs that its line breaks may lack, so that they go in without a copy.
        return readWholeFile(QFile::encodeName(fullName).toStdString(), kLineBreakGrowthPerKibibyte);
    } catch (const EFOpenError&) {
        // The file system spells names in UTF-8; the message is a Windows-1250 text.
        throw EFOpenError(toCp1250(fullName));
    }
}

std::string textAreaContent(std::string fileBytes) {
    // In place: a long text is not copied for its line breaks.
    memo::cutAtNul(fileBytes);
    normaliseLineBreaksInPlace(fileBytes);
    return fileBytes;
}

}  // namespace difonik
