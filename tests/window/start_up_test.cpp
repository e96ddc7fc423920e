// The window as it opens: captions, geometry, focus and tab order, and how its controls behave.

#include <QAbstractItemView>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include "app/block_progress_bar.h"
#include "app/memo/byte_memo.h"
#include "app/text_encoding.h"
#include "tests/window/window_under_test.h"

using difonik::test::WindowUnderTest;

class StartUpTest : public QObject {
    Q_OBJECT
private slots:
    void init() { w_ = std::make_unique<WindowUnderTest>(); }
    void cleanup() { w_.reset(); }

    void showsTheStartUpCaptions_data();
    void showsTheStartUpCaptions();
    void placesEveryControlAsDescribed_data();
    void placesEveryControlAsDescribed();
    void labelsAreAsWideAsTheirCaptions_data();
    void labelsAreAsWideAsTheirCaptions();
    void clientAreaIsFixedAt951By694();
    void helpTextHasItsFourteenLines();
    void focusStartsInEditZnakAndTabVisitsTheControlsInOrder();
    void onlyTheListsEditsTextsAndPushButtonsTakeFocus();
    void enterAndEscapePressNoButton();
    void textAreasMoveFocusOnTabAndAlwaysShowTheirScrollBar();
    void editsHaveNoLengthLimitAndSelectAllWhenTabbedInto();
    void menuBarHoldsTheTwoLanguageItemsBesideTheTextMenu();
    void progressBarStartsEmptyAtMaximum100();
    void windowHasACloseButtonOnly();

private:
    std::unique_ptr<WindowUnderTest> w_;
};

void StartUpTest::showsTheStartUpCaptions_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QByteArray>("caption");
    const auto row = [](const char* control, const char* caption) {
        QTest::newRow(control) << QString::fromLatin1(control) << QByteArray(caption);
    };
    row("TDifonik", ".:: Difonik ::.");
    row("GroupBox2", " Tekst do analizy ");
    row("GroupBox1", "Alfabet");
    row("button1", "(1) Buduj Alfabet");
    row("GroupBox3", "Powiazania");
    row("button2", "(2) Analiza powiazan");
    row("GroupBox5", "Sample");
    row("Button3", "(3) Sample");
    row("GroupBox4", "  Informacje ");
    row("label_alfabetu", "Alfabet: ??");
    row("label_powiazan", "Powiazania : ??");
    row("label_sampli", "Sampli: ??");
    row("Label1", "Nowy:");
    row("Label2", "Nowy:");
    row("StaticText1", "Nazwa bazy:");
    row("Button4", "(4) Samplowanie");
    row("edit_znak", "");
    row("edit_powiazanie", "");
    row("edit_nazwa", "");
    row("Plik1", "&Tekst");
    row("Openfromfile1", "&Otworz z pliku");
    row("Savetofile1", "&Zapisz do pliku");
    row("Polski1", "\a&Polski");  // the marker, then the mnemonic the bar gave it
    row("English1", "&English");
}

void StartUpTest::showsTheStartUpCaptions() {
    QFETCH(QString, control);
    QFETCH(QByteArray, caption);
    QObject* target = control == "Plik1" ? w_->find<QMenu>("Plik1").menuAction() : &w_->find(qPrintable(control));
    if (auto* edit = qobject_cast<QLineEdit*>(target)) {
        QCOMPARE(difonik::toCp1250(edit->text()), caption.toStdString());
    } else {
        QCOMPARE(difonik::controlCaption(*target), caption.toStdString());
    }
}

void StartUpTest::placesEveryControlAsDescribed_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("parent");
    QTest::addColumn<QRect>("geometry");
    const auto row = [](const char* control, const char* parent, int left, int top, int width, int height) {
        QTest::newRow(control) << QString::fromLatin1(control) << QString::fromLatin1(parent)
                               << QRect(left, top, width, height);
    };
    row("GroupBox2", "ClientArea", 0, 5, 297, 641);
    row("memo_tekst", "GroupBox2", 8, 16, 281, 617);
    row("Progress", "ClientArea", 0, 661, 289, 16);
    row("Panel1", "ClientArea", 304, 8, 129, 678);
    row("GroupBox1", "Panel1", 8, 8, 113, 633);
    row("alfabet", "GroupBox1", 8, 24, 97, 529);
    row("dodaj_do_alfabetu", "GroupBox1", 16, 560, 30, 30);
    row("usun_z_alfabetu", "GroupBox1", 64, 560, 30, 30);
    row("edit_znak", "GroupBox1", 56, 600, 41, 21);
    row("button1", "Panel1", 8, 648, 113, 25);
    row("Panel2", "ClientArea", 440, 8, 129, 678);
    row("GroupBox3", "Panel2", 8, 8, 113, 633);
    row("powiazania", "GroupBox3", 8, 24, 97, 529);
    row("dodaj_powiazanie", "GroupBox3", 16, 560, 30, 30);
    row("usun_powiazanie", "GroupBox3", 64, 560, 30, 30);
    row("edit_powiazanie", "GroupBox3", 56, 600, 41, 21);
    row("button2", "Panel2", 8, 648, 113, 25);
    row("Panel4", "ClientArea", 576, 8, 129, 678);
    row("GroupBox5", "Panel4", 8, 8, 113, 633);
    row("lista_sampli", "GroupBox5", 8, 24, 97, 601);
    row("Button3", "Panel4", 8, 648, 113, 25);
    row("Panel3", "ClientArea", 712, 8, 225, 681);
    row("GroupBox4", "Panel3", 8, 8, 209, 105);
    row("Memo1", "Panel3", 8, 120, 209, 305);
    row("Image1", "Panel3", 8, 432, 209, 153);
    row("edit_nazwa", "Panel3", 96, 616, 81, 21);
    row("SpeedButton1", "Panel3", 190, 612, 28, 28);
    row("Button4", "Panel3", 48, 648, 121, 25);
}

void StartUpTest::placesEveryControlAsDescribed() {
    QFETCH(QString, control);
    QFETCH(QString, parent);
    QFETCH(QRect, geometry);
    const auto& widget = w_->find<QWidget>(qPrintable(control));
    QCOMPARE(widget.parentWidget()->objectName(), parent);
    QCOMPARE(widget.geometry(), geometry);
}

// Labels size themselves to their captions: left, top and height are fixed, the width follows
// the caption in the window's font.
void StartUpTest::labelsAreAsWideAsTheirCaptions_data() {
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("parent");
    QTest::addColumn<QPoint>("topLeft");
    QTest::addColumn<int>("height");
    const auto row = [](const char* label, const char* parent, int left, int top, int height) {
        QTest::newRow(label) << QString::fromLatin1(label) << QString::fromLatin1(parent) << QPoint(left, top)
                             << height;
    };
    row("Label1", "GroupBox1", 16, 608, 13);
    row("Label2", "GroupBox3", 16, 608, 13);
    row("label_alfabetu", "GroupBox4", 40, 24, 13);
    row("label_powiazan", "GroupBox4", 40, 48, 13);
    row("label_sampli", "GroupBox4", 40, 72, 13);
    row("StaticText1", "Panel3", 32, 624, 17);
}

void StartUpTest::labelsAreAsWideAsTheirCaptions() {
    QFETCH(QString, label);
    QFETCH(QString, parent);
    QFETCH(QPoint, topLeft);
    QFETCH(int, height);
    const auto& widget = w_->find<QLabel>(qPrintable(label));
    QCOMPARE(widget.parentWidget()->objectName(), parent);
    QCOMPARE(widget.pos(), topLeft);
    QCOMPARE(widget.height(), height);
    QCOMPARE(widget.width(), widget.sizeHint().width());
}

void StartUpTest::clientAreaIsFixedAt951By694() {
    auto& window = w_->window();
    const auto& client = w_->find<QWidget>("ClientArea");
    QCOMPARE(client.size(), QSize(951, 694));
    QCOMPARE(window.centralWidget(), &client);
    QCOMPARE(window.minimumSize(), window.maximumSize());
    QCOMPARE(window.height(), 694 + window.menuBar()->height());
}

void StartUpTest::helpTextHasItsFourteenLines() {
    const std::string help = w_->caption("Memo1");
    const std::string expected =
        "Program buduje alfabet, tworzy baz\xEA \r\n"
        "difon\xF3w, oraz s\xB3u\xBFy dla danego j\xEAzyka. \r\n"
        "Prosz\xEA  wczyta\xE6 z pliku lub wpisa\xE6 \r\n"
        "r\xEA" "cznie  mo\xBFliwie najd\xB3uzszy tekst \r\n"
        "w dowolnym j\xEAzyku a nastepnie \r\n"
        "klikaj\xB9" "c w przyciski  oznaczone \r\n"
        "od (1) do (3) zostanie \r\n"
        "przeprowadzona analiza tekstu. \r\n"
        "Nastepnie prosz\xEA poda\xE6 nazw\xEA \r\n"
        "tworzonej bazy i klikn\xB9\xE6 ikon\xEA \r\n"
        "dyskietki, by zapisac dane.\r\n"
        "Kolejnym  etapem jest przypisywanie \r\n"
        "odpowiednik\xF3w d\x9Fwi\xEAkowych wzorcom \r\n"
        "znakowym. By tego dokona\xE6 kliknij (4). ";
    QCOMPARE(help, expected);
}

void StartUpTest::focusStartsInEditZnakAndTabVisitsTheControlsInOrder() {
    auto& window = w_->window();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QCOMPARE(QApplication::focusWidget(), &w_->find<QWidget>("edit_znak"));
    const QStringList order{"alfabet",   "button1",    "memo_tekst",   "powiazania", "edit_powiazanie",
                            "button2",   "Memo1",      "edit_nazwa",   "Button4",    "lista_sampli",
                            "Button3",   "edit_znak"};
    for (const QString& next : order) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), next);
    }
}

void StartUpTest::onlyTheListsEditsTextsAndPushButtonsTakeFocus() {
    for (const char* name : {"dodaj_do_alfabetu", "usun_z_alfabetu", "dodaj_powiazanie", "usun_powiazanie",
                             "SpeedButton1", "Progress", "Image1", "Label1", "label_sampli", "StaticText1",
                             "Panel1", "GroupBox1"}) {
        QCOMPARE(w_->find<QWidget>(name).focusPolicy(), Qt::NoFocus);
    }
    for (const char* name : {"dodaj_do_alfabetu", "usun_z_alfabetu", "dodaj_powiazanie", "usun_powiazanie",
                             "SpeedButton1"}) {
        const auto& button = w_->find<QToolButton>(name);
        QVERIFY2(button.autoRaise(), name);
        QCOMPARE(button.iconSize(), QSize(26, 26));
        QVERIFY2(!button.icon().isNull(), name);
    }
}

void StartUpTest::enterAndEscapePressNoButton() {
    int clicks = 0;
    for (QPushButton* button : w_->window().findChildren<QPushButton*>()) {
        QVERIFY(!button->isDefault() && !button->autoDefault());
        connect(button, &QPushButton::clicked, [&clicks] { ++clicks; });
    }
    for (const char* edit : {"edit_znak", "edit_powiazanie", "edit_nazwa"}) {
        QTest::keyClick(&w_->find<QWidget>(edit), Qt::Key_Return);
        QTest::keyClick(&w_->find<QWidget>(edit), Qt::Key_Escape);
    }
    QCOMPARE(clicks, 0);
    QVERIFY(w_->window().isVisible());
}

void StartUpTest::textAreasMoveFocusOnTabAndAlwaysShowTheirScrollBar() {
    auto& help = w_->find<QPlainTextEdit>("Memo1");
    QVERIFY(help.tabChangesFocus());
    QVERIFY(!help.isReadOnly());
    QCOMPARE(help.lineWrapMode(), QPlainTextEdit::WidgetWidth);
    QCOMPARE(help.verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);

    auto& text = w_->find<difonik::ByteMemo>("memo_tekst");
    QCOMPARE(text.verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    w_->window().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w_->window()));
    w_->typeIntoTextArea("ab\n");
    QTest::keyClick(&text, Qt::Key_Tab);
    QCOMPARE(w_->textAreaText(), std::string("ab\r\n"));
    QCOMPARE(QApplication::focusWidget(), &w_->find<QWidget>("powiazania"));
}

void StartUpTest::editsHaveNoLengthLimitAndSelectAllWhenTabbedInto() {
    auto& edit = w_->find<QLineEdit>("edit_powiazanie");
    QCOMPARE(edit.maxLength(), std::numeric_limits<int>::max());
    edit.setText(QString(40000, u'x'));
    QCOMPARE(edit.text().size(), 40000);
    auto& before = w_->find<QWidget>("powiazania");
    w_->window().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w_->window()));
    before.setFocus();
    QTest::keyClick(&before, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), &edit);
    QCOMPARE(edit.selectedText(), edit.text());
}

void StartUpTest::menuBarHoldsTheTwoLanguageItemsBesideTheTextMenu() {
    QMenuBar* bar = w_->window().menuBar();
    QCOMPARE(bar->objectName(), QString("MainMenu"));
    const QList<QAction*> items = bar->actions();
    QCOMPARE(items.size(), 3);
    QCOMPARE(items[0]->menu(), &w_->find<QMenu>("Plik1"));
    QCOMPARE(items[1], &w_->find<QAction>("Polski1"));
    QCOMPARE(items[2], &w_->find<QAction>("English1"));
    QVERIFY(items[1]->menu() == nullptr && items[2]->menu() == nullptr);
    QCOMPARE(w_->find<QMenu>("Plik1").actions(),
             (QList<QAction*>{&w_->find<QAction>("Openfromfile1"), &w_->find<QAction>("Savetofile1")}));
    for (QAction* item : w_->window().findChildren<QAction*>()) QVERIFY(item->shortcut().isEmpty());
    // The marker must read as a mark on screen, not as an invisible control character.
    QVERIFY(!items[1]->text().contains(QChar(7)));
    QVERIFY(items[1]->text().startsWith(QString::fromUtf8("\u2022")));
}

void StartUpTest::progressBarStartsEmptyAtMaximum100() {
    const auto& bar = w_->find<difonik::BlockProgressBar>("Progress");
    QCOMPARE(bar.maximum(), 100);
    QCOMPARE(bar.position(), 0);
    QCOMPARE(bar.shownBlocks(), 0);
}

void StartUpTest::windowHasACloseButtonOnly() {
    const Qt::WindowFlags flags = w_->window().windowFlags();
    QVERIFY(flags & Qt::WindowCloseButtonHint);
    QVERIFY(flags & Qt::WindowTitleHint);
    QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
    QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
}

QTEST_MAIN(StartUpTest)
#include "start_up_test.moc"
