// Editing the memo from the keyboard, the mouse, the clipboard and an input method, as the
// system's multi-line text field edits.

#include "memo_fixture.h"

#include "analysis/working_text.h"

#include <QAction>
#include <QClipboard>
#include <QHBoxLayout>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

using difonik::ByteMemo;
using difonik::test::bytes;
using difonik::test::shownMemo;
using difonik::test::typeText;

Q_DECLARE_METATYPE(std::string)

class MemoEditingTest : public QObject {
    Q_OBJECT

    enum class Change { TypeInTheMiddle, DeleteFirst, PasteOverAll, NewText };

private slots:
    void init() { QApplication::clipboard()->clear(); }

    void typedTextIsStoredInTheCodePage_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<std::string>("held");
        QTest::newRow("plain letters") << QString("Abc 12,") << bytes("Abc 12,");
        QTest::newRow("Polish small letters")
            << QString::fromUtf8("ąćęłńóśźż") << bytes("\xB9\xE6\xEA\xB3\xF1\xF3\x9C\x9F\xBF");
        QTest::newRow("Polish capitals")
            << QString::fromUtf8("ĄĆĘŁŃÓŚŹŻ") << bytes("\xA5\xC6\xCA\xA3\xD1\xD3\x8C\x8F\xAF");
        QTest::newRow("a letter the code page lacks becomes ?") << QString::fromUtf8("aЖb") << bytes("a?b");
        QTest::newRow("a character beyond 16 bits becomes one ?") << QString::fromUtf8("a😀b") << bytes("a?b");
    }

    void typedTextIsStoredInTheCodePage() {
        QFETCH(QString, typed);
        QFETCH(std::string, held);
        auto memo = shownMemo();
        typeText(memo.get(), typed);
        QCOMPARE(std::string(memo->text()), held);
    }

    void enterInsertsCrLf() {
        auto memo = shownMemo();
        QTest::keyClicks(memo.get(), "ab");
        QTest::keyClick(memo.get(), Qt::Key_Return);
        QTest::keyClick(memo.get(), Qt::Key_Enter);
        QTest::keyClicks(memo.get(), "c");
        QCOMPARE(std::string(memo->text()), bytes("ab\r\n\r\nc"));
        QCOMPARE(memo->cursorPosition(), std::size_t(7));
    }

    void aLineBreakIsOneCharacter_data() {
        QTest::addColumn<std::size_t>("start");
        QTest::addColumn<int>("key");
        QTest::addColumn<std::string>("held");
        QTest::addColumn<std::size_t>("cursor");
        QTest::newRow("Backspace after CR LF removes both") << std::size_t(4) << int(Qt::Key_Backspace)
                                                           << bytes("abcd") << std::size_t(2);
        QTest::newRow("Delete before CR LF removes both") << std::size_t(2) << int(Qt::Key_Delete)
                                                         << bytes("abcd") << std::size_t(2);
        QTest::newRow("Right before CR LF steps over both") << std::size_t(2) << int(Qt::Key_Right)
                                                           << bytes("ab\r\ncd") << std::size_t(4);
        QTest::newRow("Left after CR LF steps over both") << std::size_t(4) << int(Qt::Key_Left)
                                                         << bytes("ab\r\ncd") << std::size_t(2);
    }

    void aLineBreakIsOneCharacter() {
        QFETCH(std::size_t, start);
        QFETCH(int, key);
        QFETCH(std::string, held);
        QFETCH(std::size_t, cursor);
        auto memo = shownMemo();
        memo->setText("ab\r\ncd");
        memo->setCursorPosition(start);
        QTest::keyClick(memo.get(), Qt::Key(key));
        QCOMPARE(std::string(memo->text()), held);
        QCOMPARE(memo->cursorPosition(), cursor);
    }

    void aPositionInsideCrLfMovesBeforeIt() {
        auto memo = shownMemo();
        memo->setText("ab\r\ncd");
        memo->setCursorPosition(3);
        QCOMPARE(memo->cursorPosition(), std::size_t(2));
        memo->setCursorPosition(100);
        QCOMPARE(memo->cursorPosition(), std::size_t(6));
    }

    void tabMovesTheFocusAndIsNotTyped() {
        QWidget window;
        auto* layout = new QHBoxLayout(&window);
        auto* before = new QLineEdit;
        auto* memo = new ByteMemo;
        auto* after = new QLineEdit;
        layout->addWidget(before);
        layout->addWidget(memo);
        layout->addWidget(after);
        window.show();
        QApplication::setActiveWindow(&window);
        memo->setFocus();
        QVERIFY(QTest::qWaitForWindowActive(&window));

        QTest::keyClick(memo, Qt::Key_Tab);
        QVERIFY(after->hasFocus());
        memo->setFocus();
        QTest::keyClick(memo, Qt::Key_Backtab, Qt::ShiftModifier);
        QVERIFY(before->hasFocus());
        QVERIFY(memo->text().empty());
    }

    void pasteIsCutAtNulAndGetsCrLfBreaks() {
        auto memo = shownMemo();
        QApplication::clipboard()->setText(QString::fromUtf8("a\nb\rc\0d", 7));
        QTest::keyClick(memo.get(), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(std::string(memo->text()), bytes("a\r\nb\r\nc"));
    }

    void pasteReplacesTheSelection() {
        auto memo = shownMemo();
        memo->setText("one two three");
        memo->setSelection(4, 7);
        QApplication::clipboard()->setText(QString::fromUtf8("dwa ó"));
        memo->paste();
        QCOMPARE(std::string(memo->text()), bytes("one dwa \xF3 three"));
    }

    void copyGivesUnicodeWithNewlines() {
        auto memo = shownMemo();
        memo->setText(bytes("\xB3\xF3" "d\x9F\r\nma"));
        QTest::keyClick(memo.get(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(memo.get(), Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), QString::fromUtf8("łódź\nma"));
        QCOMPARE(std::string(memo->text()), bytes("\xB3\xF3" "d\x9F\r\nma"));
    }

    void selectionAndCut() {
        auto memo = shownMemo();
        memo->setText("ab\r\ncd");
        memo->setCursorPosition(1);
        QTest::keyClick(memo.get(), Qt::Key_Right, Qt::ShiftModifier);
        QTest::keyClick(memo.get(), Qt::Key_Right, Qt::ShiftModifier);
        QTest::keyClick(memo.get(), Qt::Key_Right, Qt::ShiftModifier);
        QCOMPARE(memo->selectedText(), bytes("b\r\nc"));
        QTest::keyClick(memo.get(), Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(std::string(memo->text()), bytes("ad"));
        QCOMPARE(QApplication::clipboard()->text(), QString("b\nc"));
        QCOMPARE(memo->cursorPosition(), std::size_t(1));
    }

    void typingReplacesTheSelection() {
        auto memo = shownMemo();
        memo->setText("hello world");
        memo->setSelection(0, 5);
        QTest::keyClicks(memo.get(), "J");
        QCOMPARE(std::string(memo->text()), bytes("J world"));
    }

    void undoAndRedoStepByStep() {
        auto memo = shownMemo();
        QSignalSpy edited(memo.get(), &ByteMemo::textEdited);
        QTest::keyClicks(memo.get(), "abc");
        QTest::keyClick(memo.get(), Qt::Key_Left);  // the caret moved: the next typing is a new step
        QTest::keyClicks(memo.get(), "X");
        QTest::keyClick(memo.get(), Qt::Key_Backspace);
        QTest::keyClick(memo.get(), Qt::Key_Backspace);
        QCOMPARE(std::string(memo->text()), bytes("ac"));

        const std::vector<std::string> steps{"abXc", "abc", ""};
        for (const std::string& expected : steps) {
            QTest::keyClick(memo.get(), Qt::Key_Z, Qt::ControlModifier);
            QCOMPARE(std::string(memo->text()), expected);
        }
        QVERIFY(!memo->isUndoAvailable());
        QTest::keyClick(memo.get(), Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(std::string(memo->text()), bytes("abc"));
        QCOMPARE(memo->cursorPosition(), std::size_t(3));
        QTest::keyClick(memo.get(), Qt::Key_Y, Qt::ControlModifier);
        QTest::keyClick(memo.get(), Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(std::string(memo->text()), bytes("ac"));
        QVERIFY(!memo->isRedoAvailable());
        QCOMPARE(edited.count(), 6 + 3 + 3);
    }

    void undoGivesBackTheSelection() {
        auto memo = shownMemo();
        memo->setText("ab\r\ncd");
        memo->setSelection(1, 5);
        QTest::keyClick(memo.get(), Qt::Key_Delete);
        QCOMPARE(std::string(memo->text()), bytes("ad"));
        memo->undo();
        QCOMPARE(std::string(memo->text()), bytes("ab\r\ncd"));
        QCOMPARE(memo->selectedText(), bytes("b\r\nc"));
        memo->redo();
        QCOMPARE(std::string(memo->text()), bytes("ad"));
    }

    void aNewEditDropsTheRedoSteps() {
        auto memo = shownMemo();
        QTest::keyClicks(memo.get(), "ab");
        memo->undo();
        QTest::keyClicks(memo.get(), "c");
        QVERIFY(!memo->isRedoAvailable());
        QCOMPARE(std::string(memo->text()), bytes("c"));
    }

    void inputMethodCommitIsTyped() {
        auto memo = shownMemo();
        QInputMethodEvent preedit(QString::fromUtf8("ż"), {});
        QApplication::sendEvent(memo.get(), &preedit);
        QVERIFY(memo->text().empty());
        QInputMethodEvent commit;
        commit.setCommitString(QString::fromUtf8("żółć"));
        QApplication::sendEvent(memo.get(), &commit);
        QCOMPARE(std::string(memo->text()), bytes("\xBF\xF3\xB3\xE6"));
    }

    void altWithALetterReachesTheWindowsShortcut() {
        QWidget window;
        auto* memo = new ByteMemo(&window);
        QAction language(&window);
        language.setShortcut(QKeySequence(Qt::ALT | Qt::Key_P));
        window.addAction(&language);
        QSignalSpy triggered(&language, &QAction::triggered);
        window.show();
        QApplication::setActiveWindow(&window);
        memo->setFocus();
        QVERIFY(QTest::qWaitForWindowActive(&window));

        QTest::keyClick(memo, Qt::Key_P, Qt::AltModifier);
        QCOMPARE(triggered.count(), 1);
        QTest::keyClick(memo, Qt::Key_Q, Qt::AltModifier);
        QVERIFY(memo->text().empty());
        // AltGr arrives as Ctrl+Alt on some systems and types its letter.
        QTest::sendKeyEvent(QTest::Click, memo, Qt::Key_A, QString::fromUtf8("ą"), Qt::ControlModifier | Qt::AltModifier);
        QCOMPARE(std::string(memo->text()), bytes("\xB9"));
    }

    // A pass's snapshot holds the memo's own bytes rather than a copy of them; whatever the memo
    // does afterwards, the snapshot keeps the text it took.
    void aSnapshotKeepsItsTextWhileTheMemoChanges_data() {
        QTest::addColumn<int>("change");
        QTest::addColumn<std::string>("after");
        QTest::newRow("typing in the middle") << int(Change::TypeInTheMiddle) << bytes("abXc\r\nde");
        QTest::newRow("deleting the first byte") << int(Change::DeleteFirst) << bytes("bc\r\nde");
        QTest::newRow("pasting over everything") << int(Change::PasteOverAll) << bytes("pasted");
        QTest::newRow("a new text") << int(Change::NewText) << bytes("new");
    }

    void aSnapshotKeepsItsTextWhileTheMemoChanges() {
        QFETCH(int, change);
        QFETCH(std::string, after);
        auto memo = shownMemo();
        memo->setText("abc\r\nd");
        memo->setCursorPosition(6);
        QTest::keyClicks(memo.get(), "e");  // the buffer's gap now lies at the end of the text
        difonik::snapshot(*memo);
        QCOMPARE(static_cast<const void*>(difonik::tekst.data()), static_cast<const void*>(memo->text().data()));

        switch (Change(change)) {
        case Change::TypeInTheMiddle:
            memo->setCursorPosition(2);
            QTest::keyClicks(memo.get(), "X");
            break;
        case Change::DeleteFirst:
            memo->setCursorPosition(0);
            QTest::keyClick(memo.get(), Qt::Key_Delete);
            break;
        case Change::PasteOverAll:
            QApplication::clipboard()->setText(QStringLiteral("pasted"));
            memo->selectAll();
            memo->paste();
            break;
        case Change::NewText: memo->setText("new"); break;
        }
        QCOMPARE(std::string(memo->text()), after);
        QCOMPARE(std::string(difonik::tekst), bytes("abc\r\nde"));
        difonik::snapshot(*memo);
        QCOMPARE(std::string(difonik::tekst), after);
    }

    // Passes and edits by turns: each snapshot keeps its text while the memo reuses the bytes
    // that an earlier snapshot has let go of.
    void snapshotsAndEditsByTurns() {
        auto memo = shownMemo();
        memo->setText("abc\r\nd");
        std::string expected = "abc\r\nd";
        for (const char key : {'x', 'y', 'z', 'w'}) {
            difonik::snapshot(*memo);
            memo->setCursorPosition(1);
            QTest::keyClicks(memo.get(), QString(QChar(key)));
            QCOMPARE(std::string(difonik::tekst), expected);
            expected.insert(1, 1, key);
            QCOMPARE(std::string(memo->text()), expected);
        }
        // The last snapshot still holds bytes the memo had lent; a paste beyond the memo's spare
        // room must not grow into them.
        const std::string held(difonik::tekst);
        QApplication::clipboard()->setText(QString(10'000, QLatin1Char('p')));
        memo->paste();
        QCOMPARE(std::string(difonik::tekst), held);
        QCOMPARE(memo->text().size(), expected.size() + 10'000);
    }

    void controlKeysTypeNothing() {
        auto memo = shownMemo();
        memo->setText("abc");
        QTest::keyClick(memo.get(), Qt::Key_Escape);
        QTest::keyClick(memo.get(), Qt::Key_Q, Qt::ControlModifier);
        QCOMPARE(std::string(memo->text()), bytes("abc"));
    }
};

QTEST_MAIN(MemoEditingTest)
#include "memo_editing_test.moc"
