#pragma once
// The text area `memo_tekst` as the passes see it: its whole text in Windows-1250, lines
// separated by CR LF. The encoded text is kept, and encoded again only after the user has edited
// the area, so that a pass over an unchanged hundred-megabyte text costs no conversion.

#include <QMetaObject>

#include <cstdint>
#include <string>
#include <string_view>

#include "analysis/working_text.h"

class QPlainTextEdit;

namespace difonik {

class MemoText : public TextSource {
public:
    // The most characters a text area takes: Qt's text document counts positions in int.
    static constexpr std::size_t kCapacity = 0x7FFFFFFE;

    explicit MemoText(QPlainTextEdit& edit, std::size_t capacity = kCapacity);
    ~MemoText() override;
    MemoText(const MemoText&) = delete;
    MemoText& operator=(const MemoText&) = delete;

    std::string_view text() const override;

    // Replaces the whole content, with drawing suspended meanwhile. A text longer than the area
    // takes throws EInvalidOperation("Text exceeds memo capacity") and leaves the content as it
    // was. The text holds no NUL; its line breaks are CR LF.
    void replace(std::string text);

private:
    QPlainTextEdit& edit_;
    std::size_t capacity_;
    mutable std::string bytes_;
    mutable bool stale_ = false;  // the user has edited the area since bytes_ was made
    QMetaObject::Connection editWatch_;
};

}  // namespace difonik
