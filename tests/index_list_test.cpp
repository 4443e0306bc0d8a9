#include "platform/index_list.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct Node {
  ListLinks links;
};

std::vector<int> contents(const IndexList& list, const Node* nodes) {
  std::vector<int> out;
  for (auto i = list.first(); i != kNoIndex; i = IndexList::next(nodes, i)) out.push_back(i);
  return out;
}

TEST(IndexList, AppendPopAndUnlinkDuringAWalk) {
  Node nodes[5];
  IndexList list;
  EXPECT_TRUE(list.empty());
  for (int i = 0; i < 5; ++i) list.pushBack(nodes, i);
  EXPECT_EQ(contents(list, nodes), (std::vector<int>{0, 1, 2, 3, 4}));

  EXPECT_EQ(list.popBack(nodes), 4);
  EXPECT_EQ(list.size(), 4);

  // Unlink the first, a middle and the last node while walking forward.
  std::vector<int> visited;
  for (auto i = list.first(); i != kNoIndex;) {
    visited.push_back(i);
    i = (i == 0 || i == 2 || i == 3) ? list.unlink(nodes, i) : IndexList::next(nodes, i);
  }
  EXPECT_EQ(visited, (std::vector<int>{0, 1, 2, 3}));
  EXPECT_EQ(contents(list, nodes), (std::vector<int>{1}));
  EXPECT_EQ(list.first(), 1);
  EXPECT_EQ(list.last(), 1);

  EXPECT_EQ(list.popBack(nodes), 1);
  EXPECT_TRUE(list.empty());
  EXPECT_EQ(list.first(), kNoIndex);
  EXPECT_EQ(list.last(), kNoIndex);
  list.pushBack(nodes, 3);
  EXPECT_EQ(contents(list, nodes), (std::vector<int>{3}));
}

TEST(IndexList, TwoListsShareOneNodeArray) {
  Node nodes[4];
  IndexList a, b;
  for (int i = 0; i < 4; ++i) a.pushBack(nodes, i);
  b.pushBack(nodes, a.popBack(nodes));
  b.pushBack(nodes, a.unlink(nodes, 1) - 1);  // unlink(1) returns 2; move node 1
  EXPECT_EQ(contents(a, nodes), (std::vector<int>{0, 2}));
  EXPECT_EQ(contents(b, nodes), (std::vector<int>{3, 1}));
}

}  // namespace
