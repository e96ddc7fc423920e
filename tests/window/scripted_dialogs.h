#pragma once
// A stand-in for the modal boxes: answers the open dialog from a script and records every message
// and error, so that no test blocks on a box.

#include <QString>

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "app/dialogs.h"

namespace difonik::test {

class ScriptedDialogs : public Dialogs {
public:
    // The answers of the open dialog, in order: the confirmed full name, or an empty name where
    // the user cancels. When no answer is left the user cancels too.
    std::deque<QString> filesToOpen;
    int openDialogsShown = 0;
    std::vector<std::string> messages;
    std::vector<std::string> errors;  // the messages of the errors, before the display's full stop

    std::optional<QString> askFileToOpen() override {
        ++openDialogsShown;
        if (filesToOpen.empty()) return std::nullopt;
        const QString answer = filesToOpen.front();
        filesToOpen.pop_front();
        if (answer.isEmpty()) return std::nullopt;
        return answer;
    }
    void showMessage(const std::string& message) override { messages.push_back(message); }
    void showError(const std::string& message) override { errors.push_back(message); }
};

}  // namespace difonik::test
