#include "devices/raster/octree_quantiser.h"

#include <algorithm>
#include <new>
#include <vector>

namespace zantor {
namespace {

constexpr int32_t kNone = -1;

struct Node {
  uint64_t count = 0, r = 0, g = 0, b = 0;
  int32_t child[8] = {kNone, kNone, kNone, kNone, kNone, kNone, kNone, kNone};
  int32_t nextReducible = kNone;  // next inner node of the same level
  uint8_t level = 0;
  bool leaf = false;
  uint8_t index = 0;  // palette index of a leaf
};

inline int childIndex(int r, int g, int b, int level) {
  const int bit = 7 - level;
  return (((r >> bit) & 1) << 2) | (((g >> bit) & 1) << 1) | ((b >> bit) & 1);
}

// The nodes live in one pool addressed by index; freed nodes are reused,
// so the pool stays a few thousand nodes whatever the picture size.
class Octree {
 public:
  Octree() {
    for (int32_t& h : reducible_) h = kNone;
    root_ = newNode(0);
  }

  void insert(int r, int g, int b, uint64_t times) {
    int32_t n = root_;
    while (!nodes_[n].leaf) {
      const int level = nodes_[n].level;
      const int c = childIndex(r, g, b, level);
      int32_t next = nodes_[n].child[c];
      if (next == kNone) {
        next = newNode(level + 1);
        nodes_[n].child[c] = next;
      }
      n = next;
    }
    Node& leaf = nodes_[n];
    leaf.count += times;
    leaf.r += times * uint64_t(r);
    leaf.g += times * uint64_t(g);
    leaf.b += times * uint64_t(b);
    while (leaves_ > 256) reduce();
  }

  // Gives each leaf its palette index in a depth-first walk (children 0
  // to 7) and its mean colour; returns the number of entries.
  int palette(uint8_t* red, uint8_t* green, uint8_t* blue) {
    int n = 0;
    walk(root_, n, red, green, blue);
    return n;
  }

  uint8_t lookup(int r, int g, int b) const {
    int32_t n = root_;
    while (!nodes_[n].leaf) {
      const int32_t c = nodes_[n].child[childIndex(r, g, b, nodes_[n].level)];
      if (c == kNone) break;  // a colour never inserted: the nearest branch
      n = c;
    }
    return nodes_[n].index;
  }

 private:
  int32_t newNode(int level) {
    int32_t i;
    if (!free_.empty()) {
      i = free_.back();
      free_.pop_back();
      nodes_[i] = Node{};
    } else {
      i = int32_t(nodes_.size());
      nodes_.emplace_back();
    }
    Node& n = nodes_[i];
    n.level = uint8_t(level);
    if (level == 8) {
      n.leaf = true;
      ++leaves_;
    } else {
      n.nextReducible = reducible_[level];
      reducible_[level] = i;
    }
    return i;
  }

  // Merges the most recently added inner node of the deepest level that
  // still has one into a leaf.  Its children are leaves: every inner node
  // below it would sit in a deeper, non-empty list.
  void reduce() {
    int level = 7;
    while (level >= 0 && reducible_[level] == kNone) --level;
    if (level < 0) return;
    const int32_t i = reducible_[level];
    reducible_[level] = nodes_[i].nextReducible;
    Node& n = nodes_[i];
    for (int32_t& c : n.child) {
      if (c == kNone) continue;
      const Node& k = nodes_[c];
      n.count += k.count;
      n.r += k.r;
      n.g += k.g;
      n.b += k.b;
      free_.push_back(c);
      --leaves_;
      c = kNone;
    }
    n.leaf = true;
    ++leaves_;
  }

  void walk(int32_t i, int& n, uint8_t* red, uint8_t* green, uint8_t* blue) {
    Node& node = nodes_[i];
    if (node.leaf) {
      if (n >= 256) return;  // cannot happen: at most 256 leaves remain
      node.index = uint8_t(n);
      const uint64_t c = node.count ? node.count : 1;
      red[n] = uint8_t(node.r / c);
      green[n] = uint8_t(node.g / c);
      blue[n] = uint8_t(node.b / c);
      ++n;
      return;
    }
    for (int32_t c : node.child)
      if (c != kNone) walk(c, n, red, green, blue);
  }

  std::vector<Node> nodes_;
  std::vector<int32_t> free_;
  int32_t reducible_[8];
  int32_t root_ = kNone;
  int leaves_ = 0;
};

}  // namespace

namespace {

// Inserts one row: a run of equal pixels is inserted once with its length
// as weight.  After its first pixel the colour's leaf exists, so the
// further pixels of the run would create no node and cause no reduction;
// counts and sums equal those of pixel-wise insertion.
void insertRow(Octree& tree, const uint8_t* p, std::size_t n) {
  std::size_t i = 0;
  while (i < n) {
    const uint8_t* q = p + 3 * i;
    std::size_t run = 1;
    while (i + run < n && q[3 * run] == q[0] && q[3 * run + 1] == q[1] && q[3 * run + 2] == q[2])
      ++run;
    tree.insert(q[0], q[1], q[2], run);
    i += run;
  }
}

void mapRow(const Octree& tree, const uint8_t* p, std::size_t n, uint8_t* out, uint32_t& last,
            uint8_t& lastIndex) {
  for (std::size_t k = 0; k < n; ++k, p += 3) {
    const uint32_t key = uint32_t(p[0]) << 16 | uint32_t(p[1]) << 8 | p[2];
    if (key != last) {
      last = key;
      lastIndex = tree.lookup(p[0], p[1], p[2]);
    }
    out[k] = lastIndex;
  }
}

}  // namespace

int qqquantRows(int width, int height, const std::function<void(int y, uint8_t* rgb)>& readRow,
                uint8_t* indices, uint8_t* red, uint8_t* green, uint8_t* blue) {
  for (int i = 0; i < 256; ++i) red[i] = green[i] = blue[i] = 0;
  if (width < 1 || height < 1) return 0;
  const std::size_t w = std::size_t(width);
  try {
    std::vector<uint8_t> row(3 * w);
    Octree tree;
    for (int y = 0; y < height; ++y) {
      readRow(y, row.data());
      insertRow(tree, row.data(), w);
    }
    const int colours = tree.palette(red, green, blue);
    uint32_t last = 0xFFFFFFFFu;
    uint8_t lastIndex = 0;
    for (int y = 0; y < height; ++y) {
      readRow(y, row.data());
      mapRow(tree, row.data(), w, indices + w * std::size_t(y), last, lastIndex);
    }
    return colours;
  } catch (const std::bad_alloc&) {
    return -2;
  }
}

int qqquant(const uint8_t* rgb, int width, int height, uint8_t* indices, uint8_t* red,
            uint8_t* green, uint8_t* blue) {
  const std::size_t rowBytes = 3 * std::size_t(width > 0 ? width : 0);
  return qqquantRows(
      width, height,
      [&](int y, uint8_t* out) {
        const uint8_t* p = rgb + rowBytes * std::size_t(y);
        std::copy(p, p + rowBytes, out);
      },
      indices, red, green, blue);
}

}  // namespace zantor
