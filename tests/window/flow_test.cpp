// The analysis through the window's handlers: the buttons (1) to (3), the add and remove buttons
// with the check marks the user sets, the counters, and errors that do not end the program.

#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include "analysis/passes.h"
#include "analysis/display_text.h"
#include "analysis/errors.h"
#include "app/action_guard.h"
#include "app/block_progress_bar.h"
#include "app/text_encoding.h"
#include "tests/window/window_under_test.h"

using difonik::test::WindowUnderTest;

namespace {

std::vector<std::string> entries(const difonik::SymbolList& list) {
    std::vector<std::string> all;
    list.forEach([&all](const std::string& text, bool) { all.push_back(text); });
    return all;
}

}  // namespace

class FlowTest : public QObject {
    Q_OBJECT
private slots:
    void init() { w_ = std::make_unique<WindowUnderTest>(); }
    void cleanup() { w_.reset(); }

    void buttonsOneToThreeBuildTheListsAndCounters();
    void connectionsAreRefusedWhileTheAlphabetIsEmpty();
    void viewsShowTheListsInTheirOrder();
    void checkMarksSetByMouseOrSpaceChooseWhatIsRemoved();
    void addButtonsTakeTheEditTextAsItStands();
    void progressBarIsBackAtZeroAfterAPass();
    void anErrorInAnActionIsShownAndTheNextClickWorks();
    void englishCountersAfterEnglishIsChosen();

private:
    void click(const char* button) { QTest::mouseClick(&w_->find<QWidget>(button), Qt::LeftButton); }
    void typeText(const char* text) { w_->typeIntoTextArea(QString::fromUtf8(text)); }
    std::unique_ptr<WindowUnderTest> w_;
};

void FlowTest::buttonsOneToThreeBuildTheListsAndCounters() {
    typeText("ala ma kota");
    click("button1");
    const difonik::Analysis& analysis = w_->window().analysis();
    QCOMPARE(entries(analysis.alfabet), (std::vector<std::string>{"a", "k", "l", "m", "o", "t"}));
    QCOMPARE(w_->caption("label_alfabetu"), std::string("Alfabet: 6"));
    QCOMPARE(w_->caption("label_powiazan"), std::string("Powiazania: 0"));
    QCOMPARE(w_->caption("label_sampli"), std::string("Sampli: 6"));

    click("button2");
    QCOMPARE(entries(analysis.powiazania), (std::vector<std::string>{"al", "ko", "ma", "ta"}));
    QCOMPARE(w_->caption("label_powiazan"), std::string("Powiazania: 4"));
    QCOMPARE(w_->caption("label_sampli"), std::string("Sampli: 10"));

    click("Button3");
    const std::vector<std::string> once{"a", "k", "l", "m", "o", "t", "al", "ko", "ma", "ta"};
    QCOMPARE(analysis.lista_sampli.entries(), once);
    click("Button3");
    std::vector<std::string> twice = once;
    twice.insert(twice.end(), once.begin(), once.end());
    QCOMPARE(analysis.lista_sampli.entries(), twice);
    QCOMPARE(w_->caption("label_sampli"), std::string("Sampli: 10"));  // not refreshed by (3)
    QCOMPARE(w_->find<QListView>("lista_sampli").model()->rowCount(), 20);
    QVERIFY(w_->dialogs.messages.empty() && w_->dialogs.errors.empty());
}

void FlowTest::connectionsAreRefusedWhileTheAlphabetIsEmpty() {
    typeText("ab");
    click("button2");
    QCOMPARE(w_->dialogs.messages, std::vector<std::string>{difonik::kEmptyAlphabetMessage});
    QCOMPARE(w_->window().analysis().powiazania.count(), 0);
    QCOMPARE(w_->caption("label_powiazan"), std::string("Powiazania : ??"));
}

void FlowTest::viewsShowTheListsInTheirOrder() {
    typeText("Powiazania\nSample");
    click("button1");
    const QAbstractItemModel& shown = *w_->find<QListView>("alfabet").model();
    const difonik::SymbolList& alphabet = w_->window().analysis().alfabet;
    QCOMPARE(shown.rowCount(), alphabet.count());
    for (int row = 0; row < alphabet.count(); ++row) {
        const QString expected = QString::fromStdU16String(difonik::legibleEntry(alphabet.get(row)));
        QCOMPARE(shown.index(row, 0).data().toString(), expected);
    }
    // The text area's Enter is CR LF, and the pass takes both bytes into the alphabet.
    QVERIFY(alphabet.contains("\r") && alphabet.contains("\n"));
}

void FlowTest::checkMarksSetByMouseOrSpaceChooseWhatIsRemoved() {
    typeText("abcd");
    click("button1");
    auto& view = w_->find<QListView>("alfabet");
    QAbstractItemModel& model = *view.model();
    QCOMPARE(model.flags(model.index(0, 0)) & Qt::ItemIsUserCheckable, Qt::ItemIsUserCheckable);

    // Space on the current entry ticks it.
    view.setFocus();
    view.setCurrentIndex(model.index(1, 0));
    QTest::keyClick(&view, Qt::Key_Space);
    QCOMPARE(model.index(1, 0).data(Qt::CheckStateRole).value<Qt::CheckState>(), Qt::Checked);
    // A click on an entry's check box ticks it.
    const QRect entry = view.visualRect(model.index(3, 0));
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, QPoint(entry.left() + 7, entry.center().y()));
    QCOMPARE(model.index(3, 0).data(Qt::CheckStateRole).value<Qt::CheckState>(), Qt::Checked);
    QVERIFY(w_->window().analysis().alfabet.ticked(1) && w_->window().analysis().alfabet.ticked(3));

    // A pass inserts before the ticked entries; the marks move with them.
    typeText("0");
    click("button1");
    QCOMPARE(entries(w_->window().analysis().alfabet), (std::vector<std::string>{"0", "a", "b", "c", "d"}));
    click("usun_z_alfabetu");
    QCOMPARE(entries(w_->window().analysis().alfabet), (std::vector<std::string>{"0", "a", "c"}));
    QCOMPARE(model.rowCount(), 3);
    QCOMPARE(w_->caption("label_alfabetu"), std::string("Alfabet: 3"));
}

void FlowTest::addButtonsTakeTheEditTextAsItStands() {
    w_->find<QLineEdit>("edit_znak").setText("A");
    click("dodaj_do_alfabetu");
    click("dodaj_do_alfabetu");
    w_->find<QLineEdit>("edit_powiazanie").setText("");
    click("dodaj_powiazanie");
    w_->find<QLineEdit>("edit_powiazanie").setText(" Ab c");
    click("dodaj_powiazanie");
    QCOMPARE(entries(w_->window().analysis().alfabet), (std::vector<std::string>{"A", "A"}));
    QCOMPARE(entries(w_->window().analysis().powiazania), (std::vector<std::string>{"", " Ab c"}));
    QCOMPARE(w_->find<QLineEdit>("edit_znak").text(), QString("A"));
    QCOMPARE(w_->caption("label_alfabetu"), std::string("Alfabet: 2"));
    QCOMPARE(w_->caption("label_sampli"), std::string("Sampli: 4"));
    click("usun_powiazanie");  // nothing ticked: only the counters
    QCOMPARE(w_->window().analysis().powiazania.count(), 2);
}

void FlowTest::progressBarIsBackAtZeroAfterAPass() {
    typeText("abcdefgh");
    click("button1");
    const auto& bar = w_->find<difonik::BlockProgressBar>("Progress");
    QCOMPARE(bar.maximum(), 8);
    QCOMPARE(bar.position(), 0);
    QCOMPARE(bar.shownBlocks(), 0);
}

void FlowTest::anErrorInAnActionIsShownAndTheNextClickWorks() {
    // A failing handler, connected the way the window connects its own.
    QPushButton failing("fails", &w_->window());
    QObject::connect(&failing, &QPushButton::clicked, &w_->window(), [this] {
        difonik::runGuarded(w_->dialogs, [] { throw difonik::ERangeError(); });
    });
    QTest::mouseClick(&failing, Qt::LeftButton);
    QCOMPARE(w_->dialogs.errors, std::vector<std::string>{"Range check error"});
    QCOMPARE(QWidget::mouseGrabber(), nullptr);
    typeText("ab");
    click("button1");
    QCOMPARE(w_->caption("label_alfabetu"), std::string("Alfabet: 2"));
    QVERIFY(w_->window().isVisible());
}

void FlowTest::englishCountersAfterEnglishIsChosen() {
    w_->window().English1Click();
    typeText("ab");
    click("button1");
    QCOMPARE(w_->caption("label_alfabetu"), std::string("Alphabet: 2"));
    QCOMPARE(w_->caption("label_powiazan"), std::string("Connections: 0"));
    QCOMPARE(w_->caption("label_sampli"), std::string("Samples: 2"));
}

QTEST_MAIN(FlowTest)
#include "flow_test.moc"
