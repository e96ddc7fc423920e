// The interface language: the caption table of both languages, the marker of the chosen item,
// the exact language codes, and the Alt letters of the menu bar.

#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTest>

#include "app/language_table.h"
#include "tests/window/window_under_test.h"

using difonik::test::WindowUnderTest;

namespace {

// The caption as the user reads it: the mnemonic mark that the menu bar adds is left out.
std::string plain(const std::string& caption) {
    std::string text;
    for (const char c : caption) {
        if (c != '&') text += c;
    }
    return text;
}

}  // namespace

class LanguageTest : public QObject {
    Q_OBJECT
private slots:
    void init() { w_ = std::make_unique<WindowUnderTest>(); }
    void cleanup() { w_.reset(); }

    void writesTheCaptionsOfTheChosenLanguage_data();
    void writesTheCaptionsOfTheChosenLanguage();
    void helpTextsAreSingleLinesOfTheirLength();
    void marksTheChosenItemAndSpacesEnglishAfterPolish();
    void otherCodesChangeNothing_data();
    void otherCodesChangeNothing();
    void choosingALanguageAgainPutsBackCountersAndHelpText();
    void altLettersSwitchTheLanguageInBothLanguages();
    void menuItemsActOnClick();
    void textMenuKeepsItsPolishCaptions();

private:
    std::unique_ptr<WindowUnderTest> w_;
};

void LanguageTest::writesTheCaptionsOfTheChosenLanguage_data() {
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QByteArray>("caption");
    const auto rows = [](const char* code, std::initializer_list<std::pair<const char*, const char*>> captions) {
        for (const auto& [control, caption] : captions) {
            QTest::addRow("%s %s", code, control) << QString(code) << QString(control) << QByteArray(caption);
        }
    };
    rows("Pl", {{"Polski1", "\aPolski"},
                {"English1", " English"},
                {"TDifonik", ".::Difonik::."},
                {"GroupBox1", "Alfabet"},
                {"GroupBox2", "Tekst do analizy"},
                {"GroupBox3", "Powiazania"},
                {"GroupBox4", "Informacje"},
                {"GroupBox5", "Sample"},
                {"button1", "(1)Buduj alfabet"},
                {"button2", "(2)Analiza powiazan"},
                {"Button3", "(3)Sample"},
                {"Button4", "(4)Samplowanie"},
                {"Label1", "Nowy:"},
                {"Label2", "Nowy:"},
                {"label_alfabetu", "Alfabet: ??"},
                {"label_powiazan", "Powiazania: ??"},
                {"label_sampli", "Sampli: ??"},
                {"StaticText1", "Nazwa bazy:"}});
    rows("En", {{"English1", "\aEnglish"},
                {"Polski1", "Polski"},
                {"TDifonik", ".::Difonik::."},
                {"GroupBox1", "Alphabet"},
                {"GroupBox2", "Text for analysis"},
                {"GroupBox3", "Powiazania"},
                {"GroupBox4", "Informations"},
                {"GroupBox5", "Samples"},
                {"button1", "(1)Build alphabet"},
                {"button2", "(2)Connections analysis"},
                {"Button3", "(3)Samples"},
                {"Button4", "(4)Sampling"},
                {"Label1", "New:"},
                {"Label2", "New:"},
                {"label_alfabetu", "Alphabet: ??"},
                {"label_powiazan", "Connections: ??"},
                {"label_sampli", "Samples: ??"},
                {"StaticText1", "Base name:"}});
}

void LanguageTest::writesTheCaptionsOfTheChosenLanguage() {
    QFETCH(QString, code);
    QFETCH(QString, control);
    QFETCH(QByteArray, caption);
    w_->window().ustaw_jezyk(code.toStdString());
    QCOMPARE(plain(w_->caption(qPrintable(control))), caption.toStdString());
}

void LanguageTest::helpTextsAreSingleLinesOfTheirLength() {
    w_->window().Polski1Click();
    const std::string polish = w_->caption("Memo1");
    QCOMPARE(polish.size(), std::size_t(457));
    QVERIFY(polish.find('\n') == std::string::npos);
    QVERIFY(polish.rfind("Program buduje alfabet, tworzy baz\xEA difon\xF3w", 0) == 0);
    QVERIFY(polish.find("Prosz\xEA  wczyta\xE6") != std::string::npos);
    QVERIFY(polish.find("r\xEA" "cznie  mo\xBFliwie") != std::string::npos);
    QVERIFY(polish.find("przyciski  oznaczone") != std::string::npos);
    QVERIFY(polish.find("Kolejnym  etapem") != std::string::npos);
    QVERIFY(polish.find("kliknij (4).") == polish.size() - 12);

    w_->window().English1Click();
    const std::string english = w_->caption("Memo1");
    QCOMPARE(english.size(), std::size_t(433));
    QVERIFY(english.rfind("The program builds alphabet,", 0) == 0);
    QVERIFY(english.find("click the (4).") == english.size() - 14);
}

void LanguageTest::marksTheChosenItemAndSpacesEnglishAfterPolish() {
    auto& window = w_->window();
    window.English1Click();
    QCOMPARE(w_->caption("English1"), std::string("\a&English"));
    QCOMPARE(w_->caption("Polski1"), std::string("&Polski"));
    window.Polski1Click();
    QCOMPARE(w_->caption("Polski1"), std::string("\a&Polski"));
    QCOMPARE(w_->caption("English1"), std::string(" &English"));
}

void LanguageTest::otherCodesChangeNothing_data() {
    QTest::addColumn<QString>("code");
    QTest::newRow("empty") << "";
    QTest::newRow("small pl") << "pl";
    QTest::newRow("capital EN") << "EN";
    QTest::newRow("English spelled out") << "English";
    QTest::newRow("Pl with a space") << "Pl ";
}

void LanguageTest::otherCodesChangeNothing() {
    QFETCH(QString, code);
    const QList<QObject*> controls = w_->window().findChildren<QObject*>();
    std::vector<std::string> before;
    for (QObject* control : controls) before.push_back(difonik::controlCaption(*control));
    w_->window().ustaw_jezyk(code.toStdString());
    for (qsizetype i = 0; i < controls.size(); ++i) {
        QCOMPARE(difonik::controlCaption(*controls[i]), before[std::size_t(i)]);
    }
    QCOMPARE(w_->caption("TDifonik"), std::string(".:: Difonik ::."));
    QCOMPARE(difonik::jezyk, std::string());
}

void LanguageTest::choosingALanguageAgainPutsBackCountersAndHelpText() {
    auto& window = w_->window();
    window.English1Click();
    w_->find<QPlainTextEdit>("Memo1").setPlainText("typed by the user");
    window.usun_z_alfabetuClick();  // a refresh: the counters show numbers
    QCOMPARE(w_->caption("label_alfabetu"), std::string("Alphabet: 0"));
    window.English1Click();
    QCOMPARE(w_->caption("label_alfabetu"), std::string("Alphabet: ??"));
    QCOMPARE(w_->caption("label_powiazan"), std::string("Connections: ??"));
    QCOMPARE(w_->caption("label_sampli"), std::string("Samples: ??"));
    QCOMPARE(w_->caption("Memo1").size(), std::size_t(433));
}

void LanguageTest::altLettersSwitchTheLanguageInBothLanguages() {
    auto& window = w_->window();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(&window, Qt::Key_E, Qt::AltModifier);
    QCOMPARE(w_->caption("button1"), std::string("(1)Build alphabet"));
    QTest::keyClick(&window, Qt::Key_P, Qt::AltModifier);
    QCOMPARE(w_->caption("button1"), std::string("(1)Buduj alfabet"));
    QTest::keyClick(&window, Qt::Key_E, Qt::AltModifier);
    QCOMPARE(w_->caption("button1"), std::string("(1)Build alphabet"));
}

void LanguageTest::menuItemsActOnClick() {
    QMenuBar* bar = w_->window().menuBar();
    auto& english = w_->find<QAction>("English1");
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(&english).center());
    QCOMPARE(w_->caption("GroupBox5"), std::string("Samples"));
    QCOMPARE(difonik::jezyk, std::string("En"));
}

void LanguageTest::textMenuKeepsItsPolishCaptions() {
    w_->window().English1Click();
    QCOMPARE(w_->caption("Openfromfile1"), std::string("&Otworz z pliku"));
    QCOMPARE(w_->caption("Savetofile1"), std::string("&Zapisz do pliku"));
    QCOMPARE(difonik::controlCaption(*w_->find<QMenu>("Plik1").menuAction()), std::string("&Tekst"));
}

QTEST_MAIN(LanguageTest)
#include "language_test.moc"
