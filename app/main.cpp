// The program entry: the window, its event loop, and exit status 0 whatever happened. The command
// line is not read; Qt gets a fixed one.

#include <QApplication>
#include <QStyleFactory>

#include "app/action_guard.h"
#include "app/application_title.h"
#include "app/qt_dialogs.h"
#include "app/tdifonik.h"

int main() {
    static int argc = 1;
    static char name[] = "difonik";
    static char* argv[] = {name, nullptr};
    QApplication application(argc, argv);
    // The classic look: group box captions in the frame, bevelled panels, a bar drawn in blocks.
    if (QStyle* classic = QStyleFactory::create(QStringLiteral("Windows"))) QApplication::setStyle(classic);

    difonik::QtDialogs dialogs(difonik::applicationTitle(QCoreApplication::applicationFilePath()));
    // An error while the window is made is shown like any other, and the program ends.
    difonik::runGuarded(dialogs, [&dialogs] {
        difonik::TDifonik window(dialogs);
        dialogs.setParentWindow(&window);
        QApplication::setWindowIcon(window.windowIcon());
        window.show();
        QApplication::exec();
    });
    return 0;
}
