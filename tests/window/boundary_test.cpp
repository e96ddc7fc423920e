// The widget boundary: every byte 1..255 survives the way from the core into the widgets and
// back, the lists show control characters legibly while keeping the raw bytes, and the glyphs'
// white ground is transparent.

#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QTest>

#include "app/glyphs.h"
#include "app/text_encoding.h"
#include "tests/support/files.h"
#include "tests/support/temp_dir.h"
#include "tests/window/window_under_test.h"

using difonik::test::WindowUnderTest;

namespace {

// Every byte 1..255, with CR and LF only as CR LF pairs, as a text area holds them.
std::string everyByteAsTextAreaText() {
    std::string text;
    for (int byte = 1; byte < 256; ++byte) {
        if (byte == '\r' || byte == '\n') continue;
        text += char(byte);
    }
    return text + "\r\n" + text;
}

std::string everyByte() {
    std::string text;
    for (int byte = 1; byte < 256; ++byte) text += char(byte);
    return text;
}

}  // namespace

class BoundaryTest : public QObject {
    Q_OBJECT
private slots:
    void everyByteRoundTripsThroughAQString();
    void everyByteRoundTripsThroughTheTextArea();
    void helpTextAreaGivesItsLinesWithCrLf_data();
    void helpTextAreaGivesItsLinesWithCrLf();
    void charactersOutsideTheCodePageBecomeQuestionMarks();
    void everyByteRoundTripsThroughTheEditsAndLists();
    void listsShowControlCharactersLegibly();
    void glyphGroundIsTransparent();
};

void BoundaryTest::everyByteRoundTripsThroughAQString() {
    const std::string bytes = everyByte();
    const QString text = difonik::toQString(bytes);
    QCOMPARE(text.size(), qsizetype(255));
    QCOMPARE(difonik::toCp1250(text), bytes);
    QCOMPARE(text.at(0xB3 - 1), QChar(u'ł'));
    QCOMPARE(text.at(0x9F - 1), QChar(u'ź'));
}

// A file holding every byte but NUL goes into the text area and reaches the passes unchanged.
void BoundaryTest::everyByteRoundTripsThroughTheTextArea() {
    difonik::test::TempDir dir;
    const std::string text = everyByteAsTextAreaText();
    difonik::test::writeFile(dir / "bytes.txt", text);
    WindowUnderTest w;
    w.dialogs.filesToOpen.push_back(QString::fromStdString(dir / "bytes.txt"));
    w->Openfromfile1Click();
    QCOMPARE(w.textAreaText(), text);
}

void BoundaryTest::helpTextAreaGivesItsLinesWithCrLf_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("Enter") << "a\nb" << QByteArray("a\r\nb");
    QTest::newRow("paragraph separator") << QString::fromUtf8("a\u2029b") << QByteArray("a\r\nb");
    QTest::newRow("Shift+Enter line separator") << QString::fromUtf8("a\u2028b") << QByteArray("a\r\nb");
    QTest::newRow("empty lines") << "\n\n" << QByteArray("\r\n\r\n");
    QTest::newRow("no-break space kept") << QString::fromUtf8("a\u00A0b") << QByteArray("a\xA0" "b");
    QTest::newRow("tab kept") << "a\tb" << QByteArray("a\tb");
}

void BoundaryTest::helpTextAreaGivesItsLinesWithCrLf() {
    QFETCH(QString, typed);
    QFETCH(QByteArray, bytes);
    QPlainTextEdit edit;
    edit.insertPlainText(typed);
    QCOMPARE(difonik::controlCaption(edit), bytes.toStdString());
    difonik::setControlCaption(edit, bytes.toStdString());
    QCOMPARE(difonik::controlCaption(edit), bytes.toStdString());
}

void BoundaryTest::charactersOutsideTheCodePageBecomeQuestionMarks() {
    QCOMPARE(difonik::toCp1250(QString::fromUtf8("a\u4E2Db\U0001F600c")), std::string("a?b?c"));
}

void BoundaryTest::everyByteRoundTripsThroughTheEditsAndLists() {
    WindowUnderTest w;
    const std::string bytes = everyByte();
    w.find<QLineEdit>("edit_znak").setText(difonik::toQString(bytes));
    w->dodaj_do_alfabetuClick();
    QCOMPARE(w->analysis().alfabet.get(0), bytes);
    w.find<QLineEdit>("edit_nazwa").setText(difonik::toQString(bytes));
    QCOMPARE(difonik::toCp1250(w.find<QLineEdit>("edit_nazwa").text()), bytes);
}

void BoundaryTest::listsShowControlCharactersLegibly() {
    WindowUnderTest w;
    for (const char* entry : {"\r", "\n", "\t", " ", "\xA0", "a"}) {
        w.find<QLineEdit>("edit_znak").setText(difonik::toQString(entry));
        w->dodaj_do_alfabetuClick();
    }
    QStringList shown;
    std::vector<std::string> raw;
    const QAbstractItemModel* model = w.find<QListView>("alfabet").model();
    for (int row = 0; row < model->rowCount(); ++row) {
        shown << model->index(row, 0).data().toString();
        raw.push_back(w->analysis().alfabet.get(row));
    }
    for (const QString& symbol : {QString(u'\u21B5'), QString(u'\u2193'), QString(u'\u21E5'), QString(u'\u2423'),
                                  QString(u'\u237D'), QString(u'a')}) {
        QVERIFY2(shown.contains(symbol), qPrintable(symbol));
    }
    for (const char* entry : {"\r", "\n", "\t", " ", "\xA0", "a"}) {
        QVERIFY(std::find(raw.begin(), raw.end(), std::string(entry)) != raw.end());
    }
}

void BoundaryTest::glyphGroundIsTransparent() {
    Q_INIT_RESOURCE(difonik);
    for (const char* resource : {":/pictures/plus.png", ":/pictures/minus.png", ":/pictures/diskette.png"}) {
        const QImage picture(resource);
        QCOMPARE(picture.size(), QSize(26, 26));
        QCOMPARE(picture.pixelColor(0, 25), QColor(Qt::white));
        const QImage glyph = difonik::withTransparentGround(picture);
        QCOMPARE(qAlpha(glyph.pixel(0, 25)), 0);
        QCOMPARE(qAlpha(glyph.pixel(0, 0)), 0);
        QCOMPARE(qAlpha(glyph.pixel(12, 12)), 255);  // the picture itself stays
    }
}

QTEST_MAIN(BoundaryTest)
#include "boundary_test.moc"
