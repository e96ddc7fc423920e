// Loading a text file into the text area through the menu: what the area holds afterwards, what
// stays untouched, and the errors of a file that cannot be read.

#include <QScrollBar>
#include <QTest>

#include <filesystem>

#include "analysis/errors.h"
#include "app/memo/byte_memo.h"
#include "tests/support/files.h"
#include "tests/support/temp_dir.h"
#include "tests/window/window_under_test.h"

using difonik::test::TempDir;
using difonik::test::WindowUnderTest;

class TextLoadTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        dir_ = std::make_unique<TempDir>();
        w_ = std::make_unique<WindowUnderTest>();
    }
    void cleanup() {
        w_.reset();
        dir_.reset();
    }

    void loadsTheFileWithItsLineBreaksMadeCrLf_data();
    void loadsTheFileWithItsLineBreaksMadeCrLf();
    void anEmptyFileEmptiesTheArea();
    void unchangedContentLeavesTheAreaAsItWas();
    void aCancelledDialogChangesNothing();
    void aFileThatCannotBeOpenedIsReportedAndChangesNothing_data();
    void aFileThatCannotBeOpenedIsReportedAndChangesNothing();
    void aTextTheAreaRefusesKeepsThePreviousContent();
    void theMenuItemRunsTheLoadAndSaveToFileDoesNothing();

private:
    std::string memoText() { return w_->textAreaText(); }
    void load(const std::string& name) {
        w_->dialogs.filesToOpen.push_back(QString::fromStdString(*dir_ / name));
        w_->window().Openfromfile1Click();
    }

    std::unique_ptr<TempDir> dir_;
    std::unique_ptr<WindowUnderTest> w_;
};

void TextLoadTest::loadsTheFileWithItsLineBreaksMadeCrLf_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QByteArray>("loaded");
    const auto row = [](const char* label, QByteArray file, QByteArray loaded) {
        QTest::newRow(label) << file << loaded;
    };
    row("CR LF stays", "ab\r\ncd\r\n", "ab\r\ncd\r\n");
    row("LF becomes CR LF", "ab\ncd\n", "ab\r\ncd\r\n");
    row("CR at the very end", "ab\r", "ab\r\n");
    row("LF CR gives two breaks", "a\n\rb", "a\r\n\r\nb");
    row("CR CR LF gives two breaks", "a\r\r\nb", "a\r\n\r\nb");
    row("cut at the first NUL", QByteArray("ab\ncd\0ef\ngh", 11), "ab\r\ncd");
    row("UTF-16 text keeps what stands before its first zero byte", QByteArray("\xFF\xFE" "a\0b\0", 6),
        "\xFF\xFE" "a");
    row("UTF-8 byte-order mark becomes three characters", "\xEF\xBB\xBFza\xC5\xBC\xC3\xB3\xC5\x82\xC4\x87",
        "\xEF\xBB\xBFza\xC5\xBC\xC3\xB3\xC5\x82\xC4\x87");
    row("Windows-1250 letters unchanged", "\xB3\xF3\xBF\xEA", "\xB3\xF3\xBF\xEA");
}

void TextLoadTest::loadsTheFileWithItsLineBreaksMadeCrLf() {
    QFETCH(QByteArray, file);
    QFETCH(QByteArray, loaded);
    difonik::test::writeFile(*dir_ / "text.txt", file.toStdString());
    load("text.txt");
    QCOMPARE(memoText(), loaded.toStdString());
    QVERIFY(w_->dialogs.errors.empty());
}

void TextLoadTest::anEmptyFileEmptiesTheArea() {
    w_->typeIntoTextArea("something typed");
    difonik::test::writeFile(*dir_ / "empty.txt", "");
    load("empty.txt");
    QCOMPARE(memoText(), std::string());
}

void TextLoadTest::unchangedContentLeavesTheAreaAsItWas() {
    std::string text;
    for (int line = 0; line < 200; ++line) text += "line " + std::to_string(line) + "\n";
    difonik::test::writeFile(*dir_ / "long.txt", text);
    load("long.txt");
    auto& memo = w_->find<difonik::ByteMemo>("memo_tekst");
    memo.setSelection(20, 30);
    memo.verticalScrollBar()->setValue(50);
    const std::string selected = memo.selectedText();

    load("long.txt");  // LF in the file, CR LF in the area: equal after normalisation
    QCOMPARE(memo.selectedText(), selected);
    QCOMPARE(memo.cursorPosition(), std::size_t(30));
    QCOMPARE(memo.verticalScrollBar()->value(), 50);  // a new text would start at the top
}

void TextLoadTest::aCancelledDialogChangesNothing() {
    w_->typeIntoTextArea("kept");
    w_->dialogs.filesToOpen.push_back(QString());  // cancel
    w_->window().Openfromfile1Click();
    QCOMPARE(w_->dialogs.openDialogsShown, 1);
    QCOMPARE(memoText(), std::string("kept"));
    QVERIFY(w_->dialogs.errors.empty());
}

void TextLoadTest::aFileThatCannotBeOpenedIsReportedAndChangesNothing_data() {
    QTest::addColumn<QString>("name");
    QTest::newRow("missing file") << "missing.txt";
    QTest::newRow("typed without extension, only the .txt exists") << "text";
    QTest::newRow("a folder") << "folder";
    QTest::newRow("in a missing folder") << "nowhere/missing.txt";
}

void TextLoadTest::aFileThatCannotBeOpenedIsReportedAndChangesNothing() {
    QFETCH(QString, name);
    difonik::test::writeFile(*dir_ / "text.txt", "other");
    std::filesystem::create_directory(*dir_ / "folder");
    w_->typeIntoTextArea("kept");
    const std::string fullName = *dir_ / name.toStdString();
    w_->dialogs.filesToOpen.push_back(QString::fromStdString(fullName));
    // Through the click, as the user meets it: the error reaches the error display.
    w_->find<QAction>("Openfromfile1").trigger();
    QCOMPARE(w_->dialogs.errors, std::vector<std::string>{"Cannot open file " + fullName});
    QCOMPARE(memoText(), std::string("kept"));
}

void TextLoadTest::aTextTheAreaRefusesKeepsThePreviousContent() {
    difonik::ByteMemo memo(nullptr, 8);
    memo.setText("previous");
    try {
        memo.setText("nine byte");
        QFAIL("the text area took a text beyond its capacity");
    } catch (const difonik::EInvalidOperation& error) {
        QCOMPARE(error.message(), std::string("Text exceeds memo capacity"));
    }
    QCOMPARE(std::string(memo.text()), std::string("previous"));
}

void TextLoadTest::theMenuItemRunsTheLoadAndSaveToFileDoesNothing() {
    difonik::test::writeFile(*dir_ / "text.txt", "from the menu");
    w_->dialogs.filesToOpen.push_back(QString::fromStdString(*dir_ / "text.txt"));
    w_->find<QAction>("Savetofile1").trigger();
    QCOMPARE(w_->dialogs.openDialogsShown, 0);
    w_->find<QAction>("Openfromfile1").trigger();
    QCOMPARE(memoText(), std::string("from the menu"));
}

QTEST_MAIN(TextLoadTest)
#include "text_load_test.moc"
