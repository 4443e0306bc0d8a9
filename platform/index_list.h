#pragma once
// A doubly linked list threaded through an array of nodes by index. The list keeps
// only its ends and its length; each node carries its own `prev` and `next`, so
// several lists can share one contiguous array and move nodes between them without
// allocating. Every operation is O(1).

#include <cstdint>

inline constexpr std::int32_t kNoIndex = -1;

struct ListLinks {
  std::int32_t prev = kNoIndex;
  std::int32_t next = kNoIndex;
};

class IndexList {
 public:
  std::int32_t first() const { return head_; }
  std::int32_t last() const { return tail_; }
  std::int32_t size() const { return size_; }
  bool empty() const { return size_ == 0; }

  template <class Node>
  static std::int32_t next(const Node* nodes, std::int32_t i) {
    return nodes[i].links.next;
  }

  template <class Node>
  void pushBack(Node* nodes, std::int32_t i) {
    nodes[i].links.prev = tail_;
    nodes[i].links.next = kNoIndex;
    if (tail_ == kNoIndex) {
      head_ = i;
    } else {
      nodes[tail_].links.next = i;
    }
    tail_ = i;
    ++size_;
  }

  // Never called on an empty list.
  template <class Node>
  std::int32_t popBack(Node* nodes) {
    const std::int32_t i = tail_;
    unlink(nodes, i);
    return i;
  }

  // Removes node i and returns the node that followed it, so that a forward walk
  // can unlink the node it is visiting and carry on.
  template <class Node>
  std::int32_t unlink(Node* nodes, std::int32_t i) {
    const ListLinks links = nodes[i].links;
    if (links.prev == kNoIndex) {
      head_ = links.next;
    } else {
      nodes[links.prev].links.next = links.next;
    }
    if (links.next == kNoIndex) {
      tail_ = links.prev;
    } else {
      nodes[links.next].links.prev = links.prev;
    }
    --size_;
    return links.next;
  }

 private:
  std::int32_t head_ = kNoIndex;
  std::int32_t tail_ = kNoIndex;
  std::int32_t size_ = 0;
};
