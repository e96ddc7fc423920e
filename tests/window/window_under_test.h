#pragma once
// A fresh main window for each test, shown offscreen, with its boxes answered by ScriptedDialogs.

#include <QTest>
#include <QWidget>

#include <memory>
#include <string>

#include "analysis/counters.h"
#include "app/control_captions.h"
#include "app/memo/byte_memo.h"
#include "app/tdifonik.h"
#include "tests/window/scripted_dialogs.h"

namespace difonik::test {

class WindowUnderTest {
public:
    WindowUnderTest() {
        jezyk.clear();  // the language the last test chose must not leak into this one
        window_ = std::make_unique<TDifonik>(dialogs);
        window_->show();
        static_cast<void>(QTest::qWaitForWindowExposed(window_.get()));
    }

    TDifonik& window() { return *window_; }
    TDifonik* operator->() { return window_.get(); }

    // A control by its name; the test fails when there is none.
    template <class Control = QObject>
    Control& find(const char* name) {
        auto* control = window_->objectName() == QLatin1String(name) ? qobject_cast<Control*>(window_.get())
                                                                     : window_->findChild<Control*>(QLatin1String(name));
        if (control == nullptr) throw std::runtime_error(std::string("no control named ") + name);
        return *control;
    }

    std::string caption(const char* name) { return controlCaption(find(name)); }

    // The text area's text as the passes take it.
    std::string textAreaText() { return std::string(find<ByteMemo>("memo_tekst").text()); }

    // Types into the text area `memo_tekst` with key events, as the user does; "\n" is Enter.
    void typeIntoTextArea(const QString& text) {
        auto& area = find<QWidget>("memo_tekst");
        area.setFocus();
        const QStringList lines = text.split(u'\n');
        for (qsizetype line = 0; line < lines.size(); ++line) {
            if (line > 0) QTest::keyClick(&area, Qt::Key_Return);
            QTest::keyClicks(&area, lines[line]);
        }
    }

    ScriptedDialogs dialogs;

private:
    std::unique_ptr<TDifonik> window_;
};

}  // namespace difonik::test
