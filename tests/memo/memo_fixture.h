#pragma once
// A memo the size of `memo_tekst`, shown and focused, and ways to type into it.

#include "app/memo/byte_memo.h"

#include <QApplication>
#include <QList>
#include <QTest>

#include <memory>
#include <string>

namespace difonik::test {

inline std::unique_ptr<ByteMemo> shownMemo(std::size_t capacity = ByteMemo::kCapacity) {
    auto memo = std::make_unique<ByteMemo>(nullptr, capacity);
    memo->resize(281, 617);
    memo->show();
    QApplication::setActiveWindow(memo.get());
    memo->setFocus();
    return memo;
}

// QTest::keyClicks takes ASCII only (it asserts on anything else), so letters such as "ą" are
// sent one key event each with their text.
inline void typeText(QWidget* widget, const QString& text) {
    for (const char32_t character : text.toUcs4()) {
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString::fromUcs4(&character, 1), Qt::NoModifier);
    }
}

// Windows-1250 bytes written as a string literal with embedded NULs allowed.
template <std::size_t N>
std::string bytes(const char (&literal)[N]) {
    return std::string(literal, N - 1);
}

}  // namespace difonik::test
