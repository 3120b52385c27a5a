#include "organism/lru_cache.h"

#include <gtest/gtest.h>

#include <string>

namespace vantrel {
namespace {

TEST(LruCacheTest, DropsTheLeastRecentlyUsedBeyondTheBudget) {
  LruCache<std::string, int> cache(30);
  cache.Insert("a", 1, 10);
  cache.Insert("b", 2, 10);
  cache.Insert("c", 3, 10);
  ASSERT_NE(cache.Find("a"), nullptr);  // "b" is now the least recently used
  cache.Insert("d", 4, 10);
  EXPECT_EQ(cache.Find("b"), nullptr);
  EXPECT_EQ(*cache.Find("a"), 1);
  EXPECT_EQ(cache.total_cost(), 30u);
  cache.Insert("a", 5, 5);  // replacing frees the old cost
  EXPECT_EQ(*cache.Find("a"), 5);
  EXPECT_EQ(cache.total_cost(), 25u);
  cache.Insert("huge", 6, 100);  // the newest stays, alone
  EXPECT_EQ(cache.size(), 1u);
}

}  // namespace
}  // namespace vantrel
