#include "app/memo_text.h"

#include <QPlainTextEdit>
#include <QTextDocument>

#include <new>
#include <utility>

#include "analysis/errors.h"
#include "app/text_encoding.h"

namespace difonik {

MemoText::MemoText(QPlainTextEdit& edit, std::size_t capacity) : edit_(edit), capacity_(capacity) {
    bytes_ = fromRawDocumentText(edit_.document()->toRawText());
    editWatch_ = QObject::connect(edit_.document(), &QTextDocument::contentsChanged, [this] { stale_ = true; });
}

MemoText::~MemoText() { QObject::disconnect(editWatch_); }

std::string_view MemoText::text() const {
    if (stale_) {
        bytes_ = fromRawDocumentText(edit_.document()->toRawText());
        stale_ = false;
    }
    return bytes_;
}

void MemoText::replace(std::string text) {
    const char* const refusal = "Text exceeds memo capacity";
    if (text.size() > capacity_) throw EInvalidOperation(refusal);
    QString shown;
    try {
        shown = toPlainText(text);
    } catch (const std::bad_alloc&) {
        throw EInvalidOperation(refusal);
    }
    edit_.setUpdatesEnabled(false);
    edit_.setPlainText(shown);
    shown.clear();
    edit_.setUpdatesEnabled(true);
    bytes_ = std::move(text);
    stale_ = false;
}

}  // namespace difonik
