#include "app/control_captions.h"

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTextDocument>

#include "app/menu_captions.h"
#include "app/text_encoding.h"

namespace difonik {
namespace {

template <class Control, class Getter, class Setter>
void writeIfChanged(Control& control, const QString& text, Getter get, Setter set) {
    if ((control.*get)() != text) (control.*set)(text);
}

}  // namespace

void fitToCaption(QLabel& label) { label.resize(label.sizeHint().width(), label.height()); }

void setControlCaption(QObject& control, const std::string& caption) {
    if (auto* item = qobject_cast<QAction*>(&control)) {
        if (menuCaption(*item) != caption) setMenuCaption(*item, caption);
    } else if (auto* box = qobject_cast<QGroupBox*>(&control)) {
        writeIfChanged(*box, toQString(caption), &QGroupBox::title, &QGroupBox::setTitle);
    } else if (auto* button = qobject_cast<QAbstractButton*>(&control)) {
        writeIfChanged(*button, toQString(caption), &QAbstractButton::text, &QAbstractButton::setText);
    } else if (auto* label = qobject_cast<QLabel*>(&control)) {
        if (label->text() == toQString(caption)) return;
        label->setText(toQString(caption));
        fitToCaption(*label);
    } else if (auto* memo = qobject_cast<QPlainTextEdit*>(&control)) {
        if (controlCaption(*memo) != caption) memo->setPlainText(toPlainText(caption));
    } else if (auto* widget = qobject_cast<QWidget*>(&control); widget && widget->isWindow()) {
        writeIfChanged(*widget, toQString(caption), &QWidget::windowTitle, &QWidget::setWindowTitle);
    }
}

std::string controlCaption(const QObject& control) {
    if (auto* item = qobject_cast<const QAction*>(&control)) return menuCaption(*item);
    if (auto* box = qobject_cast<const QGroupBox*>(&control)) return toCp1250(box->title());
    if (auto* button = qobject_cast<const QAbstractButton*>(&control)) return toCp1250(button->text());
    if (auto* label = qobject_cast<const QLabel*>(&control)) return toCp1250(label->text());
    if (auto* memo = qobject_cast<const QPlainTextEdit*>(&control)) {
        return fromRawDocumentText(memo->document()->toRawText());
    }
    if (auto* widget = qobject_cast<const QWidget*>(&control)) return toCp1250(widget->windowTitle());
    return {};
}

}  // namespace difonik
