#include "app/memo/block_layouts.h"

#include <QTextOption>

#include <algorithm>

namespace difonik::memo {
namespace {

// Enough for several screens of a tall memo; blocks are short lines of text as a rule.
constexpr std::size_t kKeptLayouts = 512;

}  // namespace

void BlockLayouts::configure(const QFont& font, qreal width, int rowHeight, const QPaintDevice* device) {
    font_ = font;
    width_ = std::max<qreal>(width, 1);
    rowHeight_ = std::max(rowHeight, 1);
    device_ = device;
    entries_.clear();
}

QTextLayout& BlockLayouts::get(std::size_t block, const std::function<QString()>& text) {
    auto found = entries_.find(block);
    if (found == entries_.end()) {
        if (entries_.size() >= kKeptLayouts) evictOldest();
        found = entries_.emplace(block, Entry{layOut(text()), 0}).first;
        ++built_;
    }
    found->second.lastUse = ++uses_;
    return *found->second.layout;
}

std::unique_ptr<QTextLayout> BlockLayouts::layOut(const QString& text) const {
    auto layout = std::make_unique<QTextLayout>(text, font_, device_);
    QTextOption option;
    // Wrap at spaces; a word wider than the memo is broken where it meets the edge.
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout->setTextOption(option);
    layout->setCacheEnabled(true);
    layout->beginLayout();
    for (int row = 0;; ++row) {
        QTextLine line = layout->createLine();
        if (!line.isValid()) break;
        line.setLineWidth(width_);
        line.setPosition(QPointF(0, row * rowHeight_));
    }
    layout->endLayout();
    return layout;
}

void BlockLayouts::evictOldest() {
    const auto oldest = std::min_element(entries_.begin(), entries_.end(), [](const auto& a, const auto& b) {
        return a.second.lastUse < b.second.lastUse;
    });
    entries_.erase(oldest);
}

void BlockLayouts::blocksReplaced(const BlockIndex::Change& change) {
    std::unordered_map<std::size_t, Entry> renumbered;
    for (auto& [block, entry] : entries_) {
        if (block < change.first) {
            renumbered.emplace(block, std::move(entry));
        } else if (block >= change.oldEnd) {
            renumbered.emplace(block - change.oldEnd + change.newEnd, std::move(entry));
        }
    }
    entries_ = std::move(renumbered);
}

}  // namespace difonik::memo
