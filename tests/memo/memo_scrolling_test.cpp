// Showing, scrolling and moving through a memo: a large text is shown and scrolled to its end
// laying out only what shows, and the caret moves by rows of the wrapped text.

#include "memo_fixture.h"

#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>

using difonik::ByteMemo;
using difonik::test::bytes;
using difonik::test::shownMemo;

namespace {

// `lines` lines of about 80 bytes of Polish-like words.
std::string manyLines(std::size_t lines) {
    std::string text;
    text.reserve(lines * 84);
    for (std::size_t line = 0; line < lines; ++line) {
        if (line > 0) text += "\r\n";
        text += "Wiersz " + std::to_string(line) + ": pchn\xB9\xE6 w t\xEA \xB3\xF3" "d\x9F je\xBF" "a lub o\x9Cm skrzy\xF1 fig.";
    }
    return text;
}

// One line of words with no break at all.
std::string oneLongLine(std::size_t length) {
    std::string text;
    while (text.size() < length) text += "s\xB3owo bez ko\xF1" "ca ";
    return text;
}

bool caretShows(const ByteMemo& memo) {
    const QRect caret = memo.inputMethodQuery(Qt::ImCursorRectangle).toRect();
    return caret.isValid() && memo.viewport()->rect().contains(caret);
}

}  // namespace

class MemoScrollingTest : public QObject {
    Q_OBJECT

private slots:
    void largeTextScrollsToItsEndLayingOutOnlyWhatShows() {
        auto memo = shownMemo();
        memo->setText(manyLines(50'000));
        QVERIFY(!memo->grab().isNull());
        const std::size_t firstScreen = memo->layoutsBuilt();
        QVERIFY2(firstScreen < 200, qPrintable(QString::number(firstScreen)));

        QTest::keyClick(memo.get(), Qt::Key_End, Qt::ControlModifier);
        QVERIFY(!memo->grab().isNull());
        QCOMPARE(memo->cursorPosition(), memo->text().size());
        QCOMPARE(memo->verticalScrollBar()->value(), memo->verticalScrollBar()->maximum());
        QVERIFY(memo->verticalScrollBar()->maximum() > 40'000);
        QVERIFY(caretShows(*memo));

        memo->verticalScrollBar()->setValue(25'000);
        QVERIFY(!memo->grab().isNull());
        QVERIFY2(memo->layoutsBuilt() < 300, qPrintable(QString::number(memo->layoutsBuilt())));
    }

    void aLineWithoutBreaksIsShownAndScrolledInPieces() {
        auto memo = shownMemo();
        const std::string text = oneLongLine(2'000'000);
        memo->setText(text);
        QVERIFY(!memo->grab().isNull());
        QVERIFY(memo->verticalScrollBar()->maximum() > 100);
        QTest::keyClick(memo.get(), Qt::Key_End, Qt::ControlModifier);
        QVERIFY(!memo->grab().isNull());
        QVERIFY(caretShows(*memo));
        QTest::keyClicks(memo.get(), "x");
        QTest::keyClick(memo.get(), Qt::Key_Home, Qt::ControlModifier);
        QTest::keyClicks(memo.get(), "y");
        QVERIFY(!memo->grab().isNull());
        QCOMPARE(memo->text().size(), text.size() + 2);
        QVERIFY2(memo->layoutsBuilt() < 100, qPrintable(QString::number(memo->layoutsBuilt())));
    }

    void theCaretMovesByWrappedRows() {
        auto memo = shownMemo();
        const std::string line = oneLongLine(400);
        memo->setText(line + "\r\nend");
        QTest::keyClick(memo.get(), Qt::Key_End);
        const std::size_t rowEnd = memo->cursorPosition();
        QVERIFY(rowEnd > 10 && rowEnd < 80);
        QTest::keyClick(memo.get(), Qt::Key_Down);
        QVERIFY(memo->cursorPosition() > rowEnd && memo->cursorPosition() < line.size());
        QTest::keyClick(memo.get(), Qt::Key_Home);
        QVERIFY(memo->cursorPosition() > rowEnd);
        QTest::keyClick(memo.get(), Qt::Key_Up);
        QCOMPARE(memo->cursorPosition(), std::size_t(0));
        QTest::keyClick(memo.get(), Qt::Key_End, Qt::ControlModifier);
        QCOMPARE(memo->cursorPosition(), line.size() + 5);
        QTest::keyClick(memo.get(), Qt::Key_Home, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(memo->selectedText(), line + "\r\nend");
    }

    void upAndDownKeepTheColumn() {
        auto memo = shownMemo();
        memo->setText("abcdef\r\nab\r\nabcdef");
        memo->setCursorPosition(4);
        QTest::keyClick(memo.get(), Qt::Key_Down);
        QCOMPARE(memo->cursorPosition(), std::size_t(10));
        QTest::keyClick(memo.get(), Qt::Key_Down);
        QCOMPARE(memo->cursorPosition(), std::size_t(16));
        QTest::keyClick(memo.get(), Qt::Key_Up, Qt::ShiftModifier);
        QCOMPARE(memo->selectedText(), bytes("\r\nabcd"));
    }

    void pageDownMovesViewAndCaretByAPage() {
        auto memo = shownMemo();
        memo->setText(manyLines(1000));
        QTest::keyClick(memo.get(), Qt::Key_PageDown);
        const int value = memo->verticalScrollBar()->value();
        QVERIFY(value > 10);
        QVERIFY(caretShows(*memo));
        QTest::keyClick(memo.get(), Qt::Key_PageUp);
        QCOMPARE(memo->verticalScrollBar()->value(), 0);
        QCOMPARE(memo->cursorPosition(), std::size_t(0));
    }

    void theScrollBarsPageAndArrowMoveRows() {
        auto memo = shownMemo();
        memo->setText(manyLines(1000));  // each line wraps to two rows or more
        QScrollBar* bar = memo->verticalScrollBar();
        bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
        const int page = bar->value();
        QVERIFY2(page > 0 && page <= bar->pageStep() / 2 + 1, qPrintable(QString::number(page)));
        for (int row = 0; row < 4; ++row) bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        QCOMPARE(bar->value(), page + 2);
        bar->triggerAction(QAbstractSlider::SliderPageStepSub);
        for (int row = 0; row < 4; ++row) bar->triggerAction(QAbstractSlider::SliderSingleStepSub);
        QCOMPARE(bar->value(), 0);
    }

    void theWheelScrollsRows() {
        auto memo = shownMemo();
        memo->setText(manyLines(1000));
        const QPointF inside(20, 20);
        QWheelEvent notch(inside, memo->mapToGlobal(inside), {}, {0, -120}, Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(memo->viewport(), &notch);
        QVERIFY(memo->verticalScrollBar()->value() > 0);
        QCOMPARE(memo->cursorPosition(), std::size_t(0));
    }

    void theMouseSetsTheCaretAndSelects() {
        auto memo = shownMemo();
        memo->setText("first line\r\nsecond line");
        const int row = memo->fontMetrics().height();
        QWidget* area = memo->viewport();
        QTest::mouseClick(area, Qt::LeftButton, {}, QPoint(250, row / 2));
        QCOMPARE(memo->cursorPosition(), std::size_t(10));
        QTest::mouseClick(area, Qt::LeftButton, {}, QPoint(1, row + row / 2));
        QCOMPARE(memo->cursorPosition(), std::size_t(12));
        QTest::mouseClick(area, Qt::LeftButton, Qt::ShiftModifier, QPoint(250, row / 2));
        QCOMPARE(memo->selectedText(), bytes("\r\n"));

        QTest::mousePress(area, Qt::LeftButton, {}, QPoint(1, row / 2));
        QTest::mouseMove(area, QPoint(250, row + row / 2));
        QTest::mouseRelease(area, Qt::LeftButton, {}, QPoint(250, row + row / 2));
        QCOMPARE(memo->selectedText(), bytes("first line\r\nsecond line"));

        QTest::mouseDClick(area, Qt::LeftButton, {}, QPoint(memo->fontMetrics().horizontalAdvance("sec"), row + row / 2));
        QCOMPARE(memo->selectedText(), bytes("second"));
    }
};

QTEST_MAIN(MemoScrollingTest)
#include "memo_scrolling_test.moc"
