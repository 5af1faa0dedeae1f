#include <gtest/gtest.h>

#include <random>

#include "project/DuplicateIdRepair.h"

namespace zuvar {
namespace {

// The repair as the pairs are compared one by one: the reference for the linear one.
bool QuadraticRepair(std::vector<std::uint32_t>& ids, std::uint32_t& lastId) {
  bool changed = false;
  for (std::size_t a = 0; a < ids.size(); ++a) {
    for (std::size_t b = a + 1; b < ids.size(); ++b) {
      if (ids[a] == ids[b]) {
        ids[a] = ++lastId;
        changed = true;
      }
    }
  }
  return changed;
}

void ExpectSameAsReference(std::vector<std::uint32_t> ids, std::uint32_t lastId) {
  std::vector<std::uint32_t> expected = ids;
  std::uint32_t expectedLastId = lastId;
  const bool expectedChanged = QuadraticRepair(expected, expectedLastId);
  const bool changed = TDuplicateIdRepair::Repair(ids, lastId);
  EXPECT_EQ(changed, expectedChanged);
  EXPECT_EQ(ids, expected);
  EXPECT_EQ(lastId, expectedLastId);
}

TEST(DuplicateIdRepairTest, EarlierOfTwoBlocksGetsTheNextId) {
  std::vector<std::uint32_t> ids{5, 5, 3};
  std::uint32_t lastId = 7;
  EXPECT_TRUE(TDuplicateIdRepair::Repair(ids, lastId));
  EXPECT_EQ(ids, (std::vector<std::uint32_t>{8, 5, 3}));
  EXPECT_EQ(lastId, 8u);
}

TEST(DuplicateIdRepairTest, UniqueIdsStayUntouched) {
  std::vector<std::uint32_t> ids{3, 1, 2};
  std::uint32_t lastId = 3;
  EXPECT_FALSE(TDuplicateIdRepair::Repair(ids, lastId));
  EXPECT_EQ(ids, (std::vector<std::uint32_t>{3, 1, 2}));
  EXPECT_EQ(lastId, 3u);
}

TEST(DuplicateIdRepairTest, RenumberedBlockCanCollideAgainWithLaterBlocks) {
  // With LastId below the stored Ids, the new Id 3 meets the later 3, then 4 meets the later 4.
  std::vector<std::uint32_t> ids{1, 1, 3, 4, 1};
  std::uint32_t lastId = 2;
  EXPECT_TRUE(TDuplicateIdRepair::Repair(ids, lastId));
  ExpectSameAsReference({1, 1, 3, 4, 1}, 2);
  // The first 1 meets the second 1 (-> 3), then 3 (-> 4), then 4 (-> 5); the last 1 is not met
  // again because its value is 1, not 5. The second 1 meets the last 1 (-> 6).
  EXPECT_EQ(ids, (std::vector<std::uint32_t>{5, 6, 3, 4, 1}));
  // A collision that comes before the match in the list is not seen again.
  ExpectSameAsReference({1, 3, 1}, 2);
}

TEST(DuplicateIdRepairTest, WrapsLikeTheReferenceAtTheLargestId) {
  ExpectSameAsReference({7, 7, 0, 1, 7}, 4294967295u);
}

TEST(DuplicateIdRepairTest, MatchesTheReferenceOnRandomDiagrams) {
  std::mt19937 random(20261208);
  for (int round = 0; round < 3000; ++round) {
    const std::size_t count = random() % 40;
    const std::uint32_t range = 1 + random() % 30;
    std::vector<std::uint32_t> ids(count);
    for (auto& id : ids) id = random() % range;
    // LastId sometimes below the stored values, so that new Ids collide with later blocks.
    const std::uint32_t lastId = random() % (range + 5);
    ExpectSameAsReference(ids, lastId);
    if (HasFailure()) break;
  }
}

}  // namespace
}  // namespace zuvar
