#include "analysis/symbol_list.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "analysis/errors.h"
#include "core_fakes.h"

namespace difonik {
namespace {

using testing::entriesOf;

const Collation& polish() {
    static const Collation collation("pl_PL");
    return collation;
}

class SymbolListTest : public ::testing::Test {
protected:
    SymbolList list{polish()};
};

TEST_F(SymbolListTest, KeepsEntriesInCollationOrder) {
    for (const char* text : {"ta", "ma", "al", "ko", "\xB3", "l", "m"}) list.add(text);
    EXPECT_EQ(entriesOf(list), (std::vector<std::string>{"al", "ko", "l", "\xB3", "m", "ma", "ta"}));
}

TEST_F(SymbolListTest, FindsWholeEntriesIgnoringCase) {
    list.add("a");
    list.add("\xA3");  // Ł
    list.add("abc");
    EXPECT_EQ(list.findExact("A"), 0);
    EXPECT_EQ(list.findExact("\xB3"), list.findExact("\xA3"));  // ł finds Ł
    EXPECT_GE(list.findExact("ABC"), 0);
    EXPECT_EQ(list.findExact("ab"), -1);  // a prefix of an entry is no entry
    EXPECT_EQ(list.findExact("b"), -1);
    EXPECT_EQ(SymbolList(polish()).findExact(""), -1);
}

TEST_F(SymbolListTest, AcceptsDuplicatesAndFindsTheFirst) {
    list.add("b");
    list.add("A");
    list.add("a");
    list.add("a");
    ASSERT_EQ(list.count(), 4);
    EXPECT_EQ(list.findExact("a"), 0);
    EXPECT_EQ(list.get(0), "A");
    EXPECT_EQ(list.get(3), "b");
}

TEST_F(SymbolListTest, StoresEntriesOfAnyLengthWhole) {
    const std::string longEntry(100000, 'x');
    list.add(longEntry);
    list.add("");
    EXPECT_EQ(list.get(list.findExact(longEntry)), longEntry);
    EXPECT_EQ(list.findExact(""), 0);
}

TEST_F(SymbolListTest, CheckMarksMoveWithTheirEntries) {
    for (const char* text : {"b", "d", "f"}) list.add(text);
    list.setTicked(list.findExact("d"), true);
    list.add("a");
    list.add("e");
    list.add("c");
    EXPECT_TRUE(list.ticked(list.findExact("d")));
    list.remove(list.findExact("a"));
    list.remove(list.findExact("f"));
    EXPECT_TRUE(list.ticked(list.findExact("d")));
    EXPECT_FALSE(list.ticked(list.findExact("e")));
}

// Tells what the list reported, checking the brackets pair up.
class RecordingObserver : public ListObserver {
public:
    void beginInsert(int index) override { open("+" + std::to_string(index)); }
    void endInsert() override { close(); }
    void beginRemove(int index) override { open("-" + std::to_string(index)); }
    void endRemove() override { close(); }
    std::vector<std::string> changes;

private:
    void open(std::string change) {
        EXPECT_FALSE(inside_);
        inside_ = true;
        changes.push_back(std::move(change));
    }
    void close() {
        EXPECT_TRUE(inside_);
        inside_ = false;
    }
    bool inside_ = false;
};

TEST_F(SymbolListTest, TellsItsObserverEachInsertionAndRemovalWithItsIndex) {
    RecordingObserver observer;
    list.setObserver(&observer);
    list.add("m");
    list.add("a");
    list.add("z");
    list.remove(1);
    EXPECT_EQ(observer.changes, (std::vector<std::string>{"+0", "+0", "+2", "-1"}));
}

class RefusingObserver : public RecordingObserver {
public:
    void beginInsert(int) override { throw EOutOfResources(); }
};

TEST_F(SymbolListTest, AnInsertionTheObserverRefusesLeavesTheListAsItWas) {
    list.add("a");
    RefusingObserver refusing;
    list.setObserver(&refusing);
    EXPECT_THROW(list.add("b"), EOutOfResources);
    EXPECT_EQ(entriesOf(list), std::vector<std::string>{"a"});
}

// Thousands of random operations against a plain sorted vector, across many block splits.
TEST_F(SymbolListTest, AgreesWithASimpleModelUnderRandomEdits) {
    std::mt19937 random(7);
    std::vector<std::pair<std::string, bool>> model;  // (key, ticked) in list order
    std::vector<std::string> texts;
    auto modelIndex = [&](const std::string& key) {
        return std::upper_bound(model.begin(), model.end(), key,
                                [](const std::string& k, const auto& entry) { return k < entry.first; }) -
               model.begin();
    };
    for (int step = 0; step < 6000; ++step) {
        const int dice = int(random() % 10);
        if (dice < 6 || model.empty()) {
            const std::string text = {char('a' + random() % 26), char('A' + random() % 26)};
            const std::string key = polish().key(text);
            const auto at = modelIndex(key);
            model.insert(model.begin() + at, {key, false});
            ASSERT_EQ(list.add(text), int(at));
        } else if (dice < 8) {
            const int index = int(random() % model.size());
            model.erase(model.begin() + index);
            list.remove(index);
        } else {
            const int index = int(random() % model.size());
            model[std::size_t(index)].second = !model[std::size_t(index)].second;
            list.setTicked(index, model[std::size_t(index)].second);
        }
        ASSERT_EQ(list.count(), int(model.size()));
    }
    for (int index = 0; index < list.count(); ++index) {
        ASSERT_EQ(polish().key(list.get(index)), model[std::size_t(index)].first) << index;
        ASSERT_EQ(list.ticked(index), model[std::size_t(index)].second) << index;
        const auto first = std::find_if(model.begin(), model.end(),
                                        [&](const auto& e) { return e.first == model[std::size_t(index)].first; });
        ASSERT_EQ(list.findExact(list.get(index)), int(first - model.begin()));
    }
}

}  // namespace
}  // namespace difonik
