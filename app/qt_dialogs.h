#pragma once
// The modal boxes as Qt shows them.

#include <QPointer>
#include <QString>

#include "app/dialogs.h"

class QWidget;

namespace difonik {

class QtDialogs : public Dialogs {
public:
    // The boxes carry `title`, the application title, whatever the window's caption says.
    explicit QtDialogs(QString title);

    // The window the boxes belong to; they are modal to the whole application either way.
    void setParentWindow(QWidget* window) { parent_ = window; }

    std::optional<QString> askFileToOpen() override;
    void showMessage(const std::string& message) override;
    void showError(const std::string& message) override;

private:
    QString title_;
    QPointer<QWidget> parent_;
    QString lastConfirmedFile_;  // offered again the next time, for the life of the process
};

}  // namespace difonik
