// What the memo holds: every byte it is given comes back, line breaks are CR LF, a NUL ends the
// text, and a text it cannot hold is refused whole.

#include "memo_fixture.h"

#include "analysis/cp1250.h"
#include "analysis/errors.h"

#include <QSignalSpy>
#include <QTest>

using difonik::ByteMemo;
using difonik::test::bytes;
using difonik::test::shownMemo;

Q_DECLARE_METATYPE(std::string)

namespace {

// Every byte 1..255 but CR and LF, a few to a line so that the lines wrap and break.
std::string everyByte() {
    std::string text;
    for (int byte = 1; byte < 256; ++byte) {
        if (byte == '\r' || byte == '\n') continue;
        text += char(byte);
        if (byte % 40 == 0) text += "\r\n";
    }
    return text;
}

}  // namespace

class MemoContentTest : public QObject {
    Q_OBJECT

private slots:
    void everyByteIsKeptAndShown() {
        auto memo = shownMemo();
        const std::string text = everyByte();
        memo->setText(text);
        QCOMPARE(std::string(memo->text()), text);
        // What a line shows is the code page's character for each of its bytes.
        memo->setCursorPosition(0);
        const QString shown = memo->inputMethodQuery(Qt::ImSurroundingText).toString();
        const std::size_t firstBreak = text.find("\r\n");
        QCOMPARE(shown.size(), qsizetype(firstBreak));
        for (qsizetype i = 0; i < shown.size(); ++i) {
            QCOMPARE(shown.at(i).unicode(), difonik::cp1250::toUnicode(static_cast<unsigned char>(text[std::size_t(i)])));
        }
        QVERIFY(!memo->grab().isNull());
    }

    void setTextMakesEveryBreakCrLfAndStopsAtNul_data() {
        QTest::addColumn<std::string>("given");
        QTest::addColumn<std::string>("held");
        QTest::newRow("CR LF breaks are kept") << bytes("a\r\nb") << bytes("a\r\nb");
        QTest::newRow("a lone LF becomes CR LF") << bytes("a\nb") << bytes("a\r\nb");
        QTest::newRow("a lone CR becomes CR LF") << bytes("a\rb") << bytes("a\r\nb");
        QTest::newRow("LF CR is two breaks") << bytes("a\n\rb") << bytes("a\r\n\r\nb");
        QTest::newRow("a CR at the end becomes a final break") << bytes("a\r") << bytes("a\r\n");
        QTest::newRow("a NUL ends the text") << bytes("ab\0c\nd") << bytes("ab");
        QTest::newRow("a NUL first gives an empty text") << bytes("\0abc") << std::string();
    }

    void setTextMakesEveryBreakCrLfAndStopsAtNul() {
        QFETCH(std::string, given);
        QFETCH(std::string, held);
        auto memo = shownMemo();
        memo->setText(given);
        QCOMPARE(std::string(memo->text()), held);
    }

    void refusedTextLeavesThePreviousOne_data() {
        QTest::addColumn<std::string>("given");
        QTest::newRow("longer than the capacity") << std::string(11, 'x');
        QTest::newRow("longer once its breaks are CR LF") << bytes("a\nb\nc\nd\ne\n");
    }

    void refusedTextLeavesThePreviousOne() {
        QFETCH(std::string, given);
        auto memo = shownMemo(10);
        memo->setText("abc");
        memo->setCursorPosition(2);
        try {
            memo->setText(given);
            QFAIL("the memo took a text beyond its capacity");
        } catch (const difonik::EInvalidOperation& error) {
            QCOMPARE(error.message(), std::string("Text exceeds memo capacity"));
        }
        QCOMPARE(std::string(memo->text()), std::string("abc"));
        QCOMPARE(memo->cursorPosition(), std::size_t(2));
    }

    void textAtTheCapacityIsTaken() {
        auto memo = shownMemo(10);
        memo->setText(std::string(10, 'x'));
        QCOMPARE(memo->text().size(), std::size_t(10));
    }

    void typingBeyondTheCapacityIsRefused() {
        auto memo = shownMemo(4);
        memo->setText("abc");
        memo->setCursorPosition(3);
        QTest::keyClicks(memo.get(), "de");
        QCOMPARE(std::string(memo->text()), std::string("abcd"));
        QTest::keyClick(memo.get(), Qt::Key_Return);
        QCOMPARE(std::string(memo->text()), std::string("abcd"));
    }

    void setTextStartsAfresh() {
        auto memo = shownMemo();
        QSignalSpy edited(memo.get(), &ByteMemo::textEdited);
        memo->setText("first\r\ntext");
        memo->setCursorPosition(7);
        QTest::keyClicks(memo.get(), "x");
        QCOMPARE(edited.count(), 1);
        memo->setText("second");
        QCOMPARE(edited.count(), 1);
        QCOMPARE(memo->cursorPosition(), std::size_t(0));
        QVERIFY(!memo->isUndoAvailable());
        QTest::keyClick(memo.get(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(std::string(memo->text()), std::string("second"));
    }

    void textIsHandedOverWithoutCopies() {
        auto memo = shownMemo();
        std::string text = std::string(1000, 'x') + "\r\n" + std::string(1000, 'y');
        const char* const given = text.data();
        memo->setText(std::move(text));
        QCOMPARE(static_cast<const void*>(memo->text().data()), static_cast<const void*>(given));
        // After an edit the view closes up once and then stays put until the next edit.
        memo->setCursorPosition(10);
        QTest::keyClicks(memo.get(), "ab");
        const std::string_view view = memo->text();
        QCOMPARE(view.substr(8, 6), std::string_view("xxabxx"));
        QCOMPARE(static_cast<const void*>(memo->text().data()), static_cast<const void*>(view.data()));
    }
};

QTEST_MAIN(MemoContentTest)
#include "memo_content_test.moc"
