#include "app/action_guard.h"

#include <QWidget>

#include <new>

#include "analysis/errors.h"
#include "app/dialogs.h"

namespace difonik {
namespace {

void releaseMouse() {
    if (QWidget* grabber = QWidget::mouseGrabber()) grabber->releaseMouse();
}

void show(Dialogs& dialogs, const std::string& message) noexcept {
    releaseMouse();
    try {
        dialogs.showError(message);
    } catch (...) {
        // A box that cannot be shown leaves nothing more to do; the program goes on.
    }
}

}  // namespace

void runGuarded(Dialogs& dialogs, const std::function<void()>& action) noexcept {
    // Errors never travel through Qt's own frames: Qt does not promise to survive that.
    try {
        action();
    } catch (const Exception& error) {
        show(dialogs, error.message());
    } catch (const std::bad_alloc&) {
        show(dialogs, "Out of memory");
    } catch (const std::exception& error) {
        show(dialogs, error.what());
    }
}

}  // namespace difonik
