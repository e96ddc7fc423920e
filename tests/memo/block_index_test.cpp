// The memo's bytes and its index of display blocks under edits: the gap buffer must hold exactly
// the edited text, and the index updated after each edit must equal one built afresh.

#include "app/memo/block_index.h"
#include "app/memo/caret_steps.h"
#include "app/memo/text_buffer.h"

#include <QTest>

#include <random>
#include <string>
#include <vector>

using difonik::memo::BlockIndex;
using difonik::memo::TextBuffer;

Q_DECLARE_METATYPE(std::string)
Q_DECLARE_METATYPE(std::vector<std::size_t>)

namespace {

constexpr std::size_t kLong = BlockIndex::kLongLine;

std::vector<std::size_t> startsOf(const BlockIndex& index) {
    std::vector<std::size_t> starts;
    for (std::size_t block = 0; block < index.count(); ++block) starts.push_back(index.start(block));
    return starts;
}

// Text made of words, spaces and CR LF breaks, with the given chance of a break after a word and
// of a word far longer than a block.
std::string randomText(std::mt19937& random, std::size_t length, int breakPercent, int hugeWordPercent) {
    std::string text;
    while (text.size() < length) {
        const bool huge = int(random() % 100) < hugeWordPercent;
        text.append(huge ? kLong + random() % kLong : 1 + random() % 9, char('a' + random() % 26));
        text += int(random() % 100) < breakPercent ? "\r\n" : " ";
    }
    return text;
}

// A position no CR LF is split at.
std::size_t randomPosition(std::mt19937& random, const std::string& text) {
    std::size_t position = random() % (text.size() + 1);
    if (position > 0 && position < text.size() && text[position - 1] == '\r') --position;
    return position;
}

}  // namespace

class BlockIndexTest : public QObject {
    Q_OBJECT

private slots:
    void blocksOfAText_data() {
        QTest::addColumn<std::string>("text");
        QTest::addColumn<std::vector<std::size_t>>("starts");
        const std::string longWord(kLong + 10, 'x');
        const std::string spaced = std::string(100, 'a') + " " + std::string(kLong, 'b');
        QTest::newRow("empty text is one empty block") << std::string() << std::vector<std::size_t>{0};
        QTest::newRow("a line without a break") << std::string("ab") << std::vector<std::size_t>{0};
        QTest::newRow("a final break opens an empty last line")
            << std::string("ab\r\n") << std::vector<std::size_t>{0, 4};
        QTest::newRow("an empty line between two") << std::string("a\r\n\r\nb") << std::vector<std::size_t>{0, 3, 5};
        QTest::newRow("a long word is cut at the limit") << longWord << std::vector<std::size_t>{0, kLong};
        QTest::newRow("a long line is cut after its last space") << spaced << std::vector<std::size_t>{0, 101};
        QTest::newRow("a CR LF just past the limit still ends the line")
            << std::string(kLong - 1, 'x') + "\r\nz" << std::vector<std::size_t>{0, kLong + 1};
    }

    void blocksOfAText() {
        QFETCH(std::string, text);
        QFETCH(std::vector<std::size_t>, starts);
        QCOMPARE(startsOf(BlockIndex::of(text)), starts);
    }

    void editsKeepTextAndIndexAsIfBuiltAfresh_data() {
        QTest::addColumn<int>("breakPercent");
        QTest::addColumn<int>("hugeWordPercent");
        QTest::newRow("short lines") << 20 << 0;
        QTest::newRow("one long line of words") << 0 << 0;
        QTest::newRow("long words without spaces") << 0 << 50;
        QTest::newRow("short and long lines mixed") << 5 << 5;
    }

    void editsKeepTextAndIndexAsIfBuiltAfresh() {
        QFETCH(int, breakPercent);
        QFETCH(int, hugeWordPercent);
        std::mt19937 random(20240611);
        std::string model = randomText(random, 5 * kLong, breakPercent, hugeWordPercent);
        TextBuffer text;
        text.assign(model);
        BlockIndex index = BlockIndex::of(model);
        for (int step = 0; step < 400; ++step) {
            const std::size_t from = randomPosition(random, model);
            const std::size_t to = std::min(model.size(), std::max(from, randomPosition(random, model)));
            const std::size_t removed = random() % 3 == 0 ? to - from : std::min<std::size_t>(to - from, 3);
            const std::size_t end = difonik::memo::validPosition(text, from + removed);
            const std::string inserted = randomText(random, random() % 4 == 0 ? kLong / 2 : 1, breakPercent,
                                                    hugeWordPercent / 5);
            model.replace(from, end - from, inserted);
            text.replace(from, end - from, inserted);
            index.update(text, from, end - from, inserted.size());
            if (step % 7 == 0) QCOMPARE(std::string(text.view()), model);
            QCOMPARE(text.copy(0, text.size()), model);
            QCOMPARE(startsOf(index), startsOf(BlockIndex::of(model)));
        }
    }

    void windowAcrossTheGapGivesTheBytesInOrder() {
        TextBuffer text;
        text.assign("abcdef");
        text.replace(3, 0, "XY");
        std::string scratch;
        QCOMPARE(std::string(text.window(1, 6, scratch)), std::string("bcXYde"));
        QCOMPARE(std::string(text.window(0, 3, scratch)), std::string("abc"));
        QCOMPARE(std::string(text.window(5, 3, scratch)), std::string("def"));
    }
};

QTEST_GUILESS_MAIN(BlockIndexTest)
#include "block_index_test.moc"
