// The champions table's order: highest rating first, and among equal ratings exactly the
// order that the table's exchange sort gives (for i, for j from the end down to i + 1,
// exchange records i and j when j's rating is greater). That sort compares every pair, so
// a table of 100,000 players took seconds; this reaches the same order in O(n log n).
//
// How. Records of different ratings simply come out highest first, so only the order inside
// each group of equal ratings v is in question, and that order depends only on which
// records are greater than v (G), equal to it (V) or smaller (L) — the exchange sort on the
// three-valued table puts the V records in the same order. On a three-valued table the sort
// runs in two phases:
//  - While a G record is left, pass i outputs a G record: the one at i when there is one,
//    else the rightmost G record, which is at a position >= g (g = number of G records); its
//    place is taken by the record at i when that is a V, or, when it is an L, by the
//    rightmost V record right of every G record (that V's old place gets the L). The V
//    records right of the G record in use therefore form a queue: the V at the head of a
//    pass joins it, an L at the head moves its oldest member to the newest place.
//  - Then each pass outputs the V record at i when there is one, else the rightmost V.
// Runs of L heads rotate the queue, done here with a balanced tree in O(log n) each, so
// every group costs O(size log n).
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <random>
#include <vector>

#include "ChempFile.h"

namespace durak {

namespace {

// Positions of the records greater than the group at hand: counts and the k-th smallest.
class TPositionSet {
 public:
  explicit TPositionSet(int n) : n_(n), tree_(static_cast<size_t>(n) + 1, 0) {
    while (top_ * 2 <= n_) top_ *= 2;
  }
  void Add(int p) {
    for (int i = p + 1; i <= n_; i += i & -i) ++tree_[i];
    ++count_;
  }
  int Count() const { return count_; }
  // How many positions are at most p.
  int CountUpTo(int p) const {
    int s = 0;
    for (int i = std::min(p + 1, n_); i > 0; i -= i & -i) s += tree_[i];
    return s;
  }
  // The k-th smallest position, k from 1.
  int Select(int k) const {
    int at = 0;
    for (int step = top_; step > 0; step /= 2)
      if (at + step <= n_ && tree_[at + step] < k) {
        at += step;
        k -= tree_[at];
      }
    return at;  // the tree counts from 1, positions from 0
  }

 private:
  int n_;
  int top_ = 1;
  int count_ = 0;
  std::vector<int> tree_;
};

// A queue of records that can be rotated in O(log n): an implicit treap. A record is
// "moved" once it has been put at the place of a G record (its place is then known from
// when it was put there, not from where it started).
class TRotatingQueue {
 public:
  void Reset() {
    nodes_.clear();
    root_ = -1;
  }
  void PushBack(int record, bool moved) {
    nodes_.push_back({record, moved, false, 1, static_cast<uint32_t>(rng_()), -1, -1});
    root_ = Merge(root_, static_cast<int>(nodes_.size()) - 1);
  }
  int Size() const { return SizeOf(root_); }
  // k passes with an L at the head: each takes the oldest record and makes it the newest,
  // moved.
  void Rotate(int64_t k) {
    const int s = Size();
    if (s == 0 || k == 0) return;
    if (k >= s) {
      int a, b;
      Split(root_, static_cast<int>(k % s), a, b);
      root_ = Merge(b, a);
      MarkMoved(root_);
    } else {
      int a, b;
      Split(root_, static_cast<int>(k), a, b);
      MarkMoved(a);
      root_ = Merge(b, a);
    }
  }
  // The records oldest first, with whether each has been moved.
  void Collect(std::vector<std::pair<int, bool>>* out) {
    out->clear();
    std::vector<int> stack;
    int t = root_;
    while (t >= 0 || !stack.empty()) {
      while (t >= 0) {
        Push(t);
        stack.push_back(t);
        t = nodes_[t].left;
      }
      t = stack.back();
      stack.pop_back();
      out->push_back({nodes_[t].record, nodes_[t].moved});
      t = nodes_[t].right;
    }
  }

 private:
  struct TNode {
    int record;
    bool moved;
    bool markAll;  // every record below is moved (not yet passed down)
    int size;
    uint32_t priority;
    int left, right;
  };
  int SizeOf(int t) const { return t < 0 ? 0 : nodes_[t].size; }
  void MarkMoved(int t) {
    if (t < 0) return;
    nodes_[t].moved = true;
    nodes_[t].markAll = true;
  }
  void Push(int t) {
    if (!nodes_[t].markAll) return;
    MarkMoved(nodes_[t].left);
    MarkMoved(nodes_[t].right);
    nodes_[t].markAll = false;
  }
  void Update(int t) { nodes_[t].size = 1 + SizeOf(nodes_[t].left) + SizeOf(nodes_[t].right); }
  int Merge(int a, int b) {
    if (a < 0) return b;
    if (b < 0) return a;
    if (nodes_[a].priority > nodes_[b].priority) {
      Push(a);
      nodes_[a].right = Merge(nodes_[a].right, b);
      Update(a);
      return a;
    }
    Push(b);
    nodes_[b].left = Merge(a, nodes_[b].left);
    Update(b);
    return b;
  }
  // The first k records into a, the rest into b.
  void Split(int t, int k, int& a, int& b) {
    if (t < 0) {
      a = b = -1;
      return;
    }
    Push(t);
    if (SizeOf(nodes_[t].left) < k) {
      Split(nodes_[t].right, k - SizeOf(nodes_[t].left) - 1, nodes_[t].right, b);
      a = t;
    } else {
      Split(nodes_[t].left, k, a, nodes_[t].left);
      b = t;
    }
    Update(t);
  }

  std::vector<TNode> nodes_;
  int root_ = -1;
  std::mt19937 rng_{20261208u};
};

// The order of one group of equal ratings: `group` holds its positions, ascending; `greater`
// the positions of every greater rating. Appends the group's positions in sorted order.
void OrderGroup(const std::vector<int>& group, const TPositionSet& greater, TRotatingQueue& queue,
                std::vector<int>* out) {
  const int c = static_cast<int>(group.size());
  const int g = greater.Count();
  if (c == 1) {
    out->push_back(group[0]);
    return;
  }
  // The G records at positions >= g, used from the right: R(t) is the t-th of them.
  const int m = g - greater.CountUpTo(g - 1);
  const auto R = [&](int t) { return greater.Select(g - t + 1); };

  // What happens to the group's records in the first phase, by pass: a record left of g is
  // the head of pass t and joins the queue as moved; a record right of g joins the queue
  // (unmoved, at its own place) before pass t, once the G records in use have passed it.
  struct TEvent {
    int step;
    int kind;  // 0 joins before the pass, 1 is the pass's head
    int position;
  };
  std::vector<TEvent> events;
  std::vector<std::pair<int, int>> placed;  // (final place before the second phase, record)
  for (int p : group) {
    if (p < g) {
      events.push_back({p + 1 - greater.CountUpTo(p), 1, p});
    } else {
      const int t = g - greater.CountUpTo(p) + 1;
      if (t > m)
        placed.push_back({p, p});  // left of every G record in use: never moves
      else
        events.push_back({t, 0, p});
    }
  }
  // By pass; those joining before the same pass come rightmost first.
  std::sort(events.begin(), events.end(), [](const TEvent& a, const TEvent& b) {
    if (a.step != b.step) return a.step < b.step;
    if (a.kind != b.kind) return a.kind < b.kind;
    return a.position > b.position;
  });
  queue.Reset();
  int next = 1;  // the first pass not yet run
  for (const TEvent& e : events) {
    queue.Rotate(e.step - next);  // the passes before it have an L at the head
    next = e.step;
    if (e.kind == 0) {
      queue.PushBack(e.position, false);
    } else {
      queue.PushBack(e.position, true);
      next = e.step + 1;
    }
  }
  queue.Rotate(static_cast<int64_t>(m) - next + 1);
  // Each pass puts exactly one moved record at its G place, so the moved records still in
  // the queue are those of the last passes, oldest first.
  std::vector<std::pair<int, bool>> members;
  queue.Collect(&members);
  const int moved = static_cast<int>(
      std::count_if(members.begin(), members.end(), [](const auto& x) { return x.second; }));
  int k = 0;
  for (const auto& [record, wasMoved] : members)
    placed.push_back({wasMoved ? R(m - moved + ++k) : record, record});

  // Second phase: pass i (from g) outputs the group's record at i, else its rightmost.
  std::sort(placed.begin(), placed.end());
  size_t left = 0, right = placed.size();
  for (int i = g; i < g + c; ++i) {
    if (left < right && placed[left].first == i)
      out->push_back(placed[left++].second);
    else
      out->push_back(placed[--right].second);
  }
}

// The order the exchange sort gives to ratings, none of them NaN: positions, first to last.
std::vector<int> ExchangeOrder(const std::vector<double>& rating) {
  const int n = static_cast<int>(rating.size());
  std::vector<int> byRating(static_cast<size_t>(n));
  for (int i = 0; i < n; ++i) byRating[i] = i;
  std::stable_sort(byRating.begin(), byRating.end(),
                   [&](int a, int b) { return rating[a] > rating[b]; });
  TPositionSet greater(n);
  TRotatingQueue queue;
  std::vector<int> order, group;
  order.reserve(static_cast<size_t>(n));
  for (int i = 0; i < n;) {
    int j = i;
    while (j < n && !(rating[byRating[i]] > rating[byRating[j]])) ++j;
    group.assign(byRating.begin() + i, byRating.begin() + j);
    std::sort(group.begin(), group.end());
    OrderGroup(group, greater, queue, &order);
    for (int p : group) greater.Add(p);
    i = j;
  }
  return order;
}

}  // namespace

void SortBy(TChempTab& table) {
  // A NaN rating is never greater nor smaller: such a record never moves, and the others are
  // sorted among the remaining places as if it were not there.
  std::vector<int> places;
  std::vector<double> ratings;
  for (size_t i = 0; i < table.size(); ++i)
    if (!std::isnan(table[i].Rating)) {
      places.push_back(static_cast<int>(i));
      ratings.push_back(table[i].Rating);
    }
  const std::vector<int> order = ExchangeOrder(ratings);
  TChempTab sorted = table;
  for (size_t k = 0; k < order.size(); ++k) sorted[places[k]] = table[places[order[k]]];
  table.swap(sorted);
}

}  // namespace durak
