// The real boxes, answered from a timer while they run modally: the message box, the error
// display and the open dialog.

#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

#include "app/qt_dialogs.h"

namespace {

// Runs `answer` on the modal box once it shows.
void whenModalShows(std::function<void(QWidget&)> answer) {
    QTimer::singleShot(0, [answer] {
        QTRY_VERIFY(QApplication::activeModalWidget() != nullptr);
        answer(*QApplication::activeModalWidget());
    });
}

struct SeenBox {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QStringList buttons;
    bool defaultIsOk = false;
};

SeenBox look(QWidget& widget) {
    auto& box = dynamic_cast<QMessageBox&>(widget);
    SeenBox seen{box.windowTitle(), box.text(), box.icon(), {}, false};
    for (QAbstractButton* button : box.buttons()) seen.buttons << button->text().remove(u'&');
    seen.defaultIsOk = box.defaultButton() == box.button(QMessageBox::Ok);
    return seen;
}

}  // namespace

class QtDialogsTest : public QObject {
    Q_OBJECT
private slots:
    void messageBoxHasTheTitleNoIconAndOneOk_data();
    void messageBoxHasTheTitleNoIconAndOneOk();
    void errorDisplayShowsTheStopIconAndTheFullStop();
    void openDialogTakesAnyNameAndOffersTheLastOneAgain();
};

void QtDialogsTest::messageBoxHasTheTitleNoIconAndOneOk_data() {
    QTest::addColumn<int>("key");
    QTest::newRow("Enter closes it") << int(Qt::Key_Return);
    QTest::newRow("Escape closes it") << int(Qt::Key_Escape);
    QTest::newRow("the close button closes it") << 0;
}

void QtDialogsTest::messageBoxHasTheTitleNoIconAndOneOk() {
    QFETCH(int, key);
    difonik::QtDialogs dialogs("difonik");
    SeenBox seen;
    whenModalShows([&seen, key](QWidget& box) {
        seen = look(box);
        if (key != 0) {
            QTest::keyClick(&box, Qt::Key(key));
        } else {
            box.close();
        }
    });
    dialogs.showMessage("Najpierw <b>to</b>\nbaz\xEA");
    QCOMPARE(seen.title, QString("difonik"));
    QCOMPARE(seen.icon, QMessageBox::NoIcon);
    QCOMPARE(seen.buttons, QStringList{"OK"});
    QVERIFY(seen.defaultIsOk);
    QCOMPARE(seen.text, QString::fromUtf8("Najpierw <b>to</b>\nbazę"));  // shown as plain text
}

void QtDialogsTest::errorDisplayShowsTheStopIconAndTheFullStop() {
    difonik::QtDialogs dialogs("difonik");
    SeenBox seen;
    whenModalShows([&seen](QWidget& box) {
        seen = look(box);
        QTest::keyClick(&box, Qt::Key_Return);
    });
    dialogs.showError("Range check error");
    QCOMPARE(seen.title, QString("difonik"));
    QCOMPARE(seen.icon, QMessageBox::Critical);
    QCOMPARE(seen.text, QString("Range check error."));
    QCOMPARE(seen.buttons, QStringList{"OK"});
}

void QtDialogsTest::openDialogTakesAnyNameAndOffersTheLastOneAgain() {
    difonik::QtDialogs dialogs("difonik");
    const QString typed = QDir::tempPath() + "/difonik-test no such file";  // no extension either
    whenModalShows([typed](QWidget& widget) {
        auto& dialog = dynamic_cast<QFileDialog&>(widget);
        QVERIFY(dialog.testOption(QFileDialog::DontUseNativeDialog));
        QCOMPARE(dialog.fileMode(), QFileDialog::AnyFile);
        QCOMPARE(dialog.acceptMode(), QFileDialog::AcceptOpen);
        QCOMPARE(dialog.nameFilters(), QStringList{"*.txt (*.txt)"});
        QCOMPARE(dialog.selectedNameFilter(), QString("*.txt (*.txt)"));
        QCOMPARE(dialog.defaultSuffix(), QString());
        dialog.selectFile(typed);
        static_cast<QDialog&>(dialog).accept();  // as the Open button does
    });
    QCOMPARE(dialogs.askFileToOpen(), std::optional<QString>(typed));

    QString offered;
    whenModalShows([&offered](QWidget& widget) {
        auto& dialog = dynamic_cast<QFileDialog&>(widget);
        offered = dialog.selectedFiles().value(0);
        dialog.reject();
    });
    QCOMPARE(dialogs.askFileToOpen(), std::nullopt);
    QCOMPARE(offered, typed);
}

QTEST_MAIN(QtDialogsTest)
#include "qt_dialogs_test.moc"
