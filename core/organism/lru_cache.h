#ifndef VANTREL_ORGANISM_LRU_CACHE_H_
#define VANTREL_ORGANISM_LRU_CACHE_H_

#include <cstddef>
#include <list>
#include <unordered_map>
#include <utility>

namespace vantrel {

// Keeps the most recently used values up to a total cost; the least recently used go
// first. The newest value is always kept, even when it alone exceeds the budget.
template <typename Key, typename Value, typename Hash = std::hash<Key>>
class LruCache {
 public:
  explicit LruCache(std::size_t budget) : budget_(budget) {}

  // The value for `key`, now the most recently used, or nullptr.
  const Value* Find(const Key& key) {
    const auto it = index_.find(key);
    if (it == index_.end()) return nullptr;
    entries_.splice(entries_.begin(), entries_, it->second);
    return &it->second->value;
  }

  // Stores `value` at `cost` and returns it, dropping older entries to stay in budget.
  const Value& Insert(const Key& key, Value value, std::size_t cost) {
    if (const auto it = index_.find(key); it != index_.end()) Erase(it->second);
    entries_.push_front(Entry{key, std::move(value), cost});
    index_.emplace(key, entries_.begin());
    total_ += cost;
    while (total_ > budget_ && entries_.size() > 1) Erase(std::prev(entries_.end()));
    return entries_.front().value;
  }

  std::size_t size() const { return entries_.size(); }
  std::size_t total_cost() const { return total_; }

 private:
  struct Entry {
    Key key;
    Value value;
    std::size_t cost;
  };
  using Iterator = typename std::list<Entry>::iterator;

  void Erase(Iterator it) {
    total_ -= it->cost;
    index_.erase(it->key);
    entries_.erase(it);
  }

  std::size_t budget_;
  std::size_t total_ = 0;
  std::list<Entry> entries_;  // most recently used first
  std::unordered_map<Key, Iterator, Hash> index_;
};

}  // namespace vantrel

#endif  // VANTREL_ORGANISM_LRU_CACHE_H_
