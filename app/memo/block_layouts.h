#pragma once
// The laid-out blocks the memo has shown lately, so that painting and caret movement do not lay
// out the same block again. Only blocks that were needed are ever laid out.

#include "app/memo/block_index.h"

#include <QFont>
#include <QTextLayout>

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <unordered_map>

class QPaintDevice;

namespace difonik::memo {

class BlockLayouts {
public:
    // Rows of every layout start rowHeight apart, wrapped at `width`.
    void configure(const QFont& font, qreal width, int rowHeight, const QPaintDevice* device);
    void clear() { entries_.clear(); }

    // The layout of a block, made from `text()` when it is not kept. The reference stays valid
    // until the next change of the blocks, and across calls for at least one other block.
    QTextLayout& get(std::size_t block, const std::function<QString()>& text);

    // Drops the layouts of the replaced blocks and renumbers those after them.
    void blocksReplaced(const BlockIndex::Change& change);

    // How many layouts have been made since the memo was created.
    std::size_t built() const { return built_; }

private:
    struct Entry {
        std::unique_ptr<QTextLayout> layout;
        std::uint64_t lastUse = 0;
    };

    std::unique_ptr<QTextLayout> layOut(const QString& text) const;
    void evictOldest();

    QFont font_;
    qreal width_ = 0;
    int rowHeight_ = 1;
    const QPaintDevice* device_ = nullptr;
    std::unordered_map<std::size_t, Entry> entries_;
    std::uint64_t uses_ = 0;
    std::size_t built_ = 0;
};

}  // namespace difonik::memo
