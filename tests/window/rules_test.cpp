// The window's small rules: the application title, the full stop of the error display, the
// automatic menu mnemonics, the caption table's codes, and the font's scaling.

#include <QTest>

#include "app/application_title.h"
#include "app/error_text.h"
#include "app/language_table.h"
#include "app/layout_scaling.h"
#include "app/menu_mnemonics.h"
#include "app/window_font.h"

Q_DECLARE_METATYPE(std::vector<std::string>)

class RulesTest : public QObject {
    Q_OBJECT
private slots:
    void applicationTitleComesFromTheExecutableName_data();
    void applicationTitleComesFromTheExecutableName();
    void errorDisplayAddsAFullStopAfterCodesAbove46_data();
    void errorDisplayAddsAFullStopAfterCodesAbove46();
    void menuBarGetsItsMnemonics_data();
    void menuBarGetsItsMnemonics();
    void captionTableAnswersOnlyTheExactCodes_data();
    void captionTableAnswersOnlyTheExactCodes();
    void fontHeightFollowsThePixelsPerInch_data();
    void fontHeightFollowsThePixelsPerInch();
    void layoutGrowsControlByControl();
};

void RulesTest::applicationTitleComesFromTheExecutableName_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("title");
    QTest::newRow("installed program") << "/usr/local/bin/difonik" << "difonik";
    QTest::newRow("Windows name") << "/opt/difonik/difonik.exe" << "difonik";
    QTest::newRow("capitals") << "/opt/DIFONIK.EXE" << "Difonik";
    QTest::newRow("cut at the first full stop") << "/opt/difonik.old.exe" << "difonik";
    QTest::newRow("first character keeps its case") << "/x/DiFoNiK" << "Difonik";
    QTest::newRow("Polish capitals lower-cased") << QString::fromUtf8("/x/DŹWIĘK") << QString::fromUtf8("Dźwięk");
    QTest::newRow("full stop in a folder name") << "/home/a.b/difonik" << "difonik";
    QTest::newRow("no folder") << "difonik" << "difonik";
    QTest::newRow("name starting with a full stop") << "/x/.difonik" << "";
}

void RulesTest::applicationTitleComesFromTheExecutableName() {
    QFETCH(QString, path);
    QFETCH(QString, title);
    QCOMPARE(difonik::applicationTitle(path), title);
}

void RulesTest::errorDisplayAddsAFullStopAfterCodesAbove46_data() {
    QTest::addColumn<QByteArray>("message");
    QTest::addColumn<QByteArray>("shown");
    const auto row = [](const char* label, const char* message, const char* shown) {
        QTest::newRow(label) << QByteArray(message) << QByteArray(shown);
    };
    row("letter", "Range check error", "Range check error.");
    row("file name", "Cannot open file C:\\a.txt", "Cannot open file C:\\a.txt.");
    row("digit", "Error 5", "Error 5.");
    row("slash", "Cannot create file sample//", "Cannot create file sample//.");
    row("colon", "Name:", "Name:.");
    row("question mark", "Why?", "Why?.");
    row("Polish letter, byte above 127", "B\xB3\xB9" "d \xB3", "B\xB3\xB9" "d \xB3.");
    row("full stop", "Text exceeds memo capacity.", "Text exceeds memo capacity.");
    row("exclamation mark", "Baza zapisana!", "Baza zapisana!");
    row("comma", "one,", "one,");
    row("closing bracket", "(4)", "(4)");
    row("hyphen", "a-", "a-");
    row("space", "trailing ", "trailing ");
    row("line break", "line\n", "line\n");
    row("empty", "", "");
}

void RulesTest::errorDisplayAddsAFullStopAfterCodesAbove46() {
    QFETCH(QByteArray, message);
    QFETCH(QByteArray, shown);
    QCOMPARE(difonik::errorDisplayText(message.toStdString()), shown.toStdString());
}

void RulesTest::menuBarGetsItsMnemonics_data() {
    QTest::addColumn<std::vector<std::string>>("captions");
    QTest::addColumn<std::vector<std::string>>("marked");
    using Captions = std::vector<std::string>;
    QTest::newRow("start-up captions give T, P, E")
        << Captions{"&Tekst", "\aPolski", "English"} << Captions{"&Tekst", "\a&Polski", "&English"};
    QTest::newRow("Polish table gives T, P, E")
        << Captions{"&Tekst", "\aPolski", " English"} << Captions{"&Tekst", "\a&Polski", " &English"};
    QTest::newRow("English table gives T, P, E")
        << Captions{"&Tekst", "Polski", "\aEnglish"} << Captions{"&Tekst", "&Polski", "\a&English"};
    QTest::newRow("captions that have their letters already stay")
        << Captions{"&Tekst", "\a&Polski", "&English"} << Captions{"&Tekst", "\a&Polski", "&English"};
    QTest::newRow("a taken letter moves on to the next free one")
        << Captions{"Plik", "Polski", "Pomoc"} << Captions{"&Plik", "P&olski", "Po&moc"};
    QTest::newRow("a later own letter that is taken is dropped")
        << Captions{"&Tekst", "&Tabela"} << Captions{"&Tekst", "T&abela"};
    QTest::newRow("letters are compared in upper case") << Captions{"abc", "ABD"} << Captions{"&abc", "A&BD"};
    QTest::newRow("digits serve, punctuation and Polish letters do not")
        << Captions{"(1) ok", "\xA3\xF3" "d\xBC 2"} << Captions{"(&1) ok", "\xA3\xF3&d\xBC 2"};
    QTest::newRow("an item without a free character gets none")
        << Captions{"ab", "ba", "- -"} << Captions{"&ab", "&ba", "- -"};
    QTest::newRow("a literal ampersand stays literal") << Captions{"A&&B"} << Captions{"&A&&B"};
}

void RulesTest::menuBarGetsItsMnemonics() {
    using Captions = std::vector<std::string>;
    QFETCH(Captions, captions);
    QFETCH(Captions, marked);
    QCOMPARE(difonik::withMnemonics(captions), marked);
}

void RulesTest::captionTableAnswersOnlyTheExactCodes_data() {
    QTest::addColumn<QString>("code");
    QTest::addColumn<int>("rows");
    QTest::newRow("Pl") << "Pl" << 19;
    QTest::newRow("En") << "En" << 19;
    QTest::newRow("pl") << "pl" << 0;
    QTest::newRow("EN") << "EN" << 0;
    QTest::newRow("PL") << "PL" << 0;
    QTest::newRow("empty") << "" << 0;
    QTest::newRow("En with a NUL after it") << QString::fromLatin1("En\0", 3) << 0;
}

void RulesTest::captionTableAnswersOnlyTheExactCodes() {
    QFETCH(QString, code);
    QFETCH(int, rows);
    const QByteArray bytes = code.toLatin1();
    QCOMPARE(int(difonik::captionsForLanguage(std::string_view(bytes.constData(), std::size_t(bytes.size()))).size()),
             rows);
}

void RulesTest::fontHeightFollowsThePixelsPerInch_data() {
    QTest::addColumn<qreal>("dotsPerInch");
    QTest::addColumn<int>("pixelSize");
    QTest::newRow("96 dpi, the layout's own") << 96.0 << 11;
    QTest::newRow("120 dpi") << 120.0 << 14;
    QTest::newRow("144 dpi") << 144.0 << 17;
    QTest::newRow("192 dpi") << 192.0 << 22;
}

void RulesTest::fontHeightFollowsThePixelsPerInch() {
    QFETCH(qreal, dotsPerInch);
    QFETCH(int, pixelSize);
    QCOMPARE(difonik::fontPixelSize(dotsPerInch), pixelSize);
    const QFont font = difonik::windowFont(pixelSize);
    QCOMPARE(font.pixelSize(), pixelSize);
    const qreal scale = difonik::layoutScale(font, dotsPerInch);
    if (dotsPerInch == 96.0) {
        QCOMPARE(scale, 1.0);
    } else {
        QVERIFY2(scale > 1.0, "a larger font grows the layout");
    }
}

// Every named control grows, each of left, top, width and height rounded on its own; the inner
// parts of Qt's widgets are left to their own layout.
void RulesTest::layoutGrowsControlByControl() {
    QWidget client;
    client.setObjectName("ClientArea");
    auto* box = new QWidget(&client);
    box->setObjectName("GroupBox2");
    box->setGeometry(0, 5, 297, 641);
    auto* memo = new QWidget(box);
    memo->setObjectName("memo_tekst");
    memo->setGeometry(8, 16, 281, 617);
    auto* inner = new QWidget(memo);
    inner->setObjectName("qt_scrollarea_viewport");
    inner->setGeometry(1, 1, 10, 10);
    auto* unnamed = new QWidget(memo);
    unnamed->setGeometry(2, 2, 10, 10);

    difonik::scaleChildGeometry(client, 1.5);
    QCOMPARE(box->geometry(), QRect(0, 8, 446, 962));
    QCOMPARE(memo->geometry(), QRect(12, 24, 422, 926));
    QCOMPARE(inner->geometry(), QRect(1, 1, 10, 10));
    QCOMPARE(unnamed->geometry(), QRect(2, 2, 10, 10));
}

QTEST_MAIN(RulesTest)
#include "rules_test.moc"
