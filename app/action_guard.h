#pragma once
// The one place where the errors of the window's actions end: an error that a click handler lets
// escape is shown by the error display, and the program goes on with the next input.

#include <functional>

namespace difonik {

class Dialogs;

// Runs the action; an error that escapes it ends it there and is shown. What the action did
// before the error stays done.
void runGuarded(Dialogs& dialogs, const std::function<void()>& action) noexcept;

// A slot for connect() that runs a member handler of `receiver` guarded.
template <class Receiver>
auto guarded(Dialogs& dialogs, Receiver* receiver, void (Receiver::*handler)()) {
    return [&dialogs, receiver, handler] { runGuarded(dialogs, [&] { (receiver->*handler)(); }); };
}

}  // namespace difonik
