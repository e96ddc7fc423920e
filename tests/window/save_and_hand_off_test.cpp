// The diskette button and the button (4) as the window wires them: a named base written under
// the sample directory of the current directory, refused names, save errors shown, and the
// sampling program started as the window closes.

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

#include <filesystem>

#include "storage/base_saving.h"
#include "tests/support/files.h"
#include "tests/support/stand_in_sampler.h"
#include "tests/support/temp_dir.h"
#include "tests/window/window_under_test.h"

using difonik::test::CurrentDirectory;
using difonik::test::TempDir;
using difonik::test::WindowUnderTest;
namespace test = difonik::test;

class SaveAndHandOffTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        dir_ = std::make_unique<TempDir>();
        cwd_ = std::make_unique<CurrentDirectory>(dir_->path());
        w_ = std::make_unique<WindowUnderTest>();
    }
    void cleanup() {
        w_.reset();
        cwd_.reset();
        dir_.reset();
    }

    void savesTheSampleListUnderTheTypedName();
    void refusedNamesWriteNothing_data();
    void refusedNamesWriteNothing();
    void aMissingRegisterIsShownAsAnError();
    void buttonFourStartsTheSamplerAndClosesTheWindow();
    void buttonFourClosesTheWindowWithoutASampler();

private:
    void makeSampleDirectory() {
        std::filesystem::create_directory(*dir_ / "sample");
        test::writeFile(*dir_ / "sample/baza.txt", "");
    }
    void click(const char* button) { QTest::mouseClick(&w_->find<QWidget>(button), Qt::LeftButton); }

    std::unique_ptr<TempDir> dir_;
    std::unique_ptr<CurrentDirectory> cwd_;
    std::unique_ptr<WindowUnderTest> w_;
};

void SaveAndHandOffTest::savesTheSampleListUnderTheTypedName() {
    makeSampleDirectory();
    w_->typeIntoTextArea("ala ma kota");
    click("button1");
    click("button2");
    click("Button3");
    w_->find<QLineEdit>("edit_nazwa").setText(QString::fromUtf8("głos"));
    click("SpeedButton1");
    QCOMPARE(w_->dialogs.messages, std::vector<std::string>{difonik::kBaseSavedMessage});
    QVERIFY(w_->dialogs.errors.empty());
    const std::string base = *dir_ / "sample/g\xB3os";  // the name's Windows-1250 bytes
    QCOMPARE(test::readFile(base + "/do_nagrania.txt"),
             std::string("a\r\nk\r\nl\r\nm\r\no\r\nt\r\nal\r\nko\r\nma\r\nta\r\n"));
    QCOMPARE(test::readFile(*dir_ / "sample/baza.txt"), std::string("g\xB3os\r\n"));
    QCOMPARE(test::readFile(base + "/Struktury.dat"), std::string(5544, '\0'));
}

void SaveAndHandOffTest::refusedNamesWriteNothing_data() {
    QTest::addColumn<QString>("name");
    QTest::newRow("empty") << "";
    QTest::newRow("line break") << "a\nb";
    QTest::newRow("dot dot component") << "../outside";
}

void SaveAndHandOffTest::refusedNamesWriteNothing() {
    QFETCH(QString, name);
    makeSampleDirectory();
    const auto before = test::listTree(dir_->path());
    w_->find<QLineEdit>("edit_nazwa").setText(name);
    click("SpeedButton1");
    QCOMPARE(w_->dialogs.messages.size(), std::size_t(1));
    QVERIFY(w_->dialogs.messages[0] != difonik::kBaseSavedMessage);
    QVERIFY(w_->dialogs.errors.empty());
    QCOMPARE(test::listTree(dir_->path()), before);
    QCOMPARE(test::readFile(*dir_ / "sample/baza.txt"), std::string());
}

void SaveAndHandOffTest::aMissingRegisterIsShownAsAnError() {
    std::filesystem::create_directory(*dir_ / "sample");
    w_->find<QLineEdit>("edit_nazwa").setText("baza");
    click("SpeedButton1");
    QCOMPARE(w_->dialogs.errors, std::vector<std::string>{"Cannot open file sample//baza.txt"});
    QVERIFY(w_->dialogs.messages.empty());
    QVERIFY(w_->window().isVisible());
}

void SaveAndHandOffTest::buttonFourStartsTheSamplerAndClosesTheWindow() {
    test::InstalledSampler sampler(dir_->path(), test::standInSamplerScript());
    w_->typeIntoTextArea("ab");
    click("button1");
    click("Button4");
    QVERIFY(!w_->window().isVisible());
    const auto record = test::waitForRecord(*dir_ / "sampler-record.txt");
    QVERIFY(record.has_value());
    QVERIFY2(record->find("argc=0\n") != std::string::npos, record->c_str());
    QVERIFY2(record->find("cwd=" + dir_->path() + "\n") != std::string::npos, record->c_str());
    QVERIFY(w_->dialogs.messages.empty() && w_->dialogs.errors.empty());
}

void SaveAndHandOffTest::buttonFourClosesTheWindowWithoutASampler() {
    click("Button4");
    QVERIFY(!w_->window().isVisible());
    QVERIFY(w_->dialogs.messages.empty() && w_->dialogs.errors.empty());
}

QTEST_MAIN(SaveAndHandOffTest)
#include "save_and_hand_off_test.moc"
