#include "app/menu_captions.h"

#include <QAction>
#include <QMenuBar>

#include <vector>

#include "app/menu_mnemonics.h"
#include "app/text_encoding.h"

namespace difonik {
namespace {

constexpr char kMarker = '\a';
constexpr char16_t kShownMarker = u'\u2022';

}  // namespace

QString shownMenuCaption(const std::string& caption) {
    QString shown = toQString(caption);
    shown.replace(QChar(kMarker), QChar(kShownMarker));
    return shown;
}

std::string menuCaptionFromShown(const QString& shown) {
    QString text = shown;
    text.replace(QChar(kShownMarker), QChar(kMarker));
    return toCp1250(text);
}

void setMenuCaption(QAction& item, const std::string& caption) {
    item.setData(QByteArray::fromStdString(caption));
    item.setText(shownMenuCaption(caption));
}

std::string menuCaption(const QAction& item) {
    const QVariant stored = item.data();
    return stored.isValid() ? stored.toByteArray().toStdString() : menuCaptionFromShown(item.text());
}

void rebuildMnemonics(QMenuBar& bar) {
    const QList<QAction*> items = bar.actions();
    std::vector<std::string> captions;
    for (const QAction* item : items) captions.push_back(menuCaption(*item));
    const std::vector<std::string> marked = withMnemonics(captions);
    for (qsizetype i = 0; i < items.size(); ++i) {
        if (marked[std::size_t(i)] != captions[std::size_t(i)]) setMenuCaption(*items[i], marked[std::size_t(i)]);
    }
}

}  // namespace difonik
