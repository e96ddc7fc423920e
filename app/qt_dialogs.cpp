#include "app/qt_dialogs.h"

#include <QFileDialog>
#include <QMessageBox>

#include <utility>

#include "app/error_text.h"
#include "app/text_encoding.h"

namespace difonik {
namespace {

// One "OK" that is both the default and the escape button, so that Enter, Escape and the close
// button all close the box. Plain text: a message is never read as markup.
void showBox(QWidget* parent, QMessageBox::Icon icon, const QString& title, const std::string& text) {
    QMessageBox box(icon, title, toQString(text), QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    box.setWindowModality(Qt::ApplicationModal);
    box.setDefaultButton(QMessageBox::Ok);
    box.setEscapeButton(QMessageBox::Ok);
    box.exec();
}

}  // namespace

QtDialogs::QtDialogs(QString title) : title_(std::move(title)) {}

std::optional<QString> QtDialogs::askFileToOpen() {
    QFileDialog dialog(parent_);
    // Qt's own dialog, so that the options below hold on every desktop: any typed name passes
    // (no existence test), no suffix is added, and the "*.txt" filter is selected.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(QStringLiteral("*.txt (*.txt)"));
    dialog.setDefaultSuffix(QString());
    if (!lastConfirmedFile_.isEmpty()) dialog.selectFile(lastConfirmedFile_);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    const QStringList chosen = dialog.selectedFiles();
    if (chosen.isEmpty()) return std::nullopt;
    lastConfirmedFile_ = chosen.first();
    return lastConfirmedFile_;
}

void QtDialogs::showMessage(const std::string& message) {
    showBox(parent_, QMessageBox::NoIcon, title_, message);
}

void QtDialogs::showError(const std::string& message) {
    showBox(parent_, QMessageBox::Critical, title_, errorDisplayText(message));
}

}  // namespace difonik
