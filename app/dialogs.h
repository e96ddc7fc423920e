#pragma once
// The modal boxes the window opens, behind one interface, so that tests can answer them in
// advance and nothing blocks on a box.

#include <QString>

#include <optional>
#include <string>

namespace difonik {

class Dialogs {
public:
    virtual ~Dialogs() = default;

    // The open dialog: the full name of the file the user confirmed, or nothing when the user
    // cancelled.
    virtual std::optional<QString> askFileToOpen() = 0;

    // A plain message (Windows-1250): no icon, one "OK".
    virtual void showMessage(const std::string& message) = 0;

    // An error's message (Windows-1250), as the error display shows it: stop icon, one "OK". The
    // display adds the closing full stop itself.
    virtual void showError(const std::string& message) = 0;
};

}  // namespace difonik
