// The progress bar: blocks in proportion to the position, and the positions at which a pass must
// tell it something because its drawing changes there.

#include <QTest>

#include <limits>

#include "app/block_progress_bar.h"

class ProgressBarTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        bar_ = std::make_unique<difonik::BlockProgressBar>();
        bar_->resize(289, 16);  // its size in the window
    }
    void cleanup() { bar_.reset(); }

    void fillsBlocksInProportion_data();
    void fillsBlocksInProportion();
    void nextVisiblePositionIsWhereTheBlocksChange_data();
    void nextVisiblePositionIsWhereTheBlocksChange();
    void repaintsOnlyWhenTheBlocksChange();

private:
    std::unique_ptr<difonik::BlockProgressBar> bar_;
};

void ProgressBarTest::fillsBlocksInProportion_data() {
    QTest::addColumn<qint64>("maximum");
    QTest::addColumn<qint64>("position");
    QTest::addColumn<QString>("expected");  // "none", "half", "all"
    QTest::newRow("start") << qint64(100) << qint64(0) << "none";
    QTest::newRow("half way") << qint64(100) << qint64(50) << "half";
    QTest::newRow("at the maximum") << qint64(100) << qint64(100) << "all";
    QTest::newRow("one above the maximum, as a pair at the end leaves it") << qint64(2) << qint64(3) << "all";
    QTest::newRow("maximum beyond 16 bits") << qint64(100'000'000) << qint64(50'000'000) << "half";
    QTest::newRow("empty text, position 0") << qint64(0) << qint64(0) << "none";
}

void ProgressBarTest::fillsBlocksInProportion() {
    QFETCH(qint64, maximum);
    QFETCH(qint64, position);
    QFETCH(QString, expected);
    bar_->setMaximum(maximum);
    bar_->setPosition(position);
    const int all = bar_->blockCount();
    QVERIFY(all > 10);
    const int shown = bar_->shownBlocks();
    if (expected == "none") QCOMPARE(shown, 0);
    if (expected == "all") QCOMPARE(shown, all);
    if (expected == "half") QVERIFY2(qAbs(shown - all / 2) <= 1, qPrintable(QString::number(shown)));
}

void ProgressBarTest::nextVisiblePositionIsWhereTheBlocksChange_data() {
    QTest::addColumn<qint64>("maximum");
    QTest::newRow("short text") << qint64(7);
    QTest::newRow("as many positions as pixels") << qint64(285);
    QTest::newRow("ten thousand") << qint64(10'007);
    QTest::newRow("a hundred megabytes") << qint64(100'000'000);
}

// Walking from 0 by nextVisiblePosition meets every change of the drawing, and nothing changes
// between two of the positions it gives.
void ProgressBarTest::nextVisiblePositionIsWhereTheBlocksChange() {
    QFETCH(qint64, maximum);
    bar_->setMaximum(maximum);
    qint64 position = 0;
    int changes = 0;
    while (true) {
        const qint64 next = bar_->nextVisiblePosition(position);
        QVERIFY(next > position);
        if (next == std::numeric_limits<qint64>::max()) break;
        QCOMPARE(bar_->blocksAt(next - 1), bar_->blocksAt(position));
        QVERIFY(bar_->blocksAt(next) > bar_->blocksAt(position));
        position = next;
        ++changes;
    }
    QCOMPARE(bar_->blocksAt(position), bar_->blockCount());
    QCOMPARE(changes, int(std::min<qint64>(maximum, bar_->blockCount())));
}

void ProgressBarTest::repaintsOnlyWhenTheBlocksChange() {
    bar_->show();
    QVERIFY(QTest::qWaitForWindowExposed(bar_.get()));
    int paints = 0;
    struct Counter : QObject {
        int& count;
        explicit Counter(int& c) : count(c) {}
        bool eventFilter(QObject*, QEvent* event) override {
            if (event->type() == QEvent::Paint) ++count;
            return false;
        }
    } counter(paints);
    bar_->installEventFilter(&counter);
    bar_->setMaximum(1'000'000);
    bar_->setPosition(0);
    for (qint64 position = 1; position <= 1'000'000; position += 97) bar_->setPosition(position);
    // Painted at once, without the event loop, and once per block at most.
    QVERIFY(paints > 0);
    QVERIFY2(paints <= bar_->blockCount(), qPrintable(QString::number(paints)));
    bar_->removeEventFilter(&counter);
}

QTEST_MAIN(ProgressBarTest)
#include "progress_bar_test.moc"
