// The champions table's order on large and random tables: the same order, record for record,
// as the exchange sort the table has always used, equal ratings included.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

#include "ChempFile.h"

namespace durak::testing {
namespace {

// The exchange sort as the table has always done it: for i, for j from the last down to
// i + 1, exchange records i and j when j's rating is greater.
void ExchangeSort(TChempTab& t) {
  const int n = static_cast<int>(t.size());
  for (int i = 0; i <= n - 2; ++i)
    for (int j = n - 1; j >= i + 1; --j)
      if (t[j].Rating > t[i].Rating) std::swap(t[i], t[j]);
}

// A table whose records are told apart by their games count, with ratings from a few
// values (many ties), or from many.
TChempTab RandomTable(std::mt19937& rng, int n, int distinct, bool oddValues) {
  TChempTab t(static_cast<size_t>(n));
  const double odd[] = {std::numeric_limits<double>::quiet_NaN(), -0.0, 0.0,
                        std::numeric_limits<double>::infinity(), -1.0};
  for (int i = 0; i < n; ++i) {
    t[i].Games = i;
    const int pick = static_cast<int>(rng() % static_cast<unsigned>(distinct));
    t[i].Rating = pick / static_cast<double>(distinct);
    if (oddValues && rng() % 8 == 0) t[i].Rating = odd[rng() % 5];
  }
  return t;
}

std::vector<int32_t> Order(const TChempTab& t) {
  std::vector<int32_t> ids;
  for (const TChempRec& r : t) ids.push_back(r.Games);
  return ids;
}

TEST(ChempSort, SameOrderAsTheExchangeSortOnRandomTables) {
  std::mt19937 rng(1208);
  int tables = 0;
  for (int n : {0, 1, 2, 3, 5, 8, 13, 40, 100, 300, 1000}) {
    for (int distinct : {1, 2, 3, 5, 17, 1000}) {
      for (int round = 0; round < (n <= 100 ? 40 : 3); ++round) {
        const TChempTab table = RandomTable(rng, n, distinct, round % 2 == 1);
        TChempTab expected = table, got = table;
        ExchangeSort(expected);
        SortBy(got);
        ASSERT_EQ(Order(got), Order(expected))
            << "n " << n << ", " << distinct << " ratings, round " << round;
        ++tables;
      }
    }
  }
  EXPECT_GT(tables, 1500);
}

TEST(ChempSort, TablesTheGameWritesAndWorstCases) {
  // Already sorted, sorted backwards, one new 0.5 player among many equal ones, and the
  // layouts that make the exchange sort exchange most.
  std::vector<std::vector<double>> cases;
  std::vector<double> ascending, descending, equal, sawtooth;
  for (int i = 0; i < 400; ++i) {
    ascending.push_back(i / 400.0);
    descending.push_back(1 - i / 400.0);
    equal.push_back(i % 50 == 0 ? 0.25 : 0.5);
    sawtooth.push_back((i % 7) / 7.0);
  }
  cases = {ascending, descending, equal, sawtooth};
  std::vector<double> halves;  // two runs: a low block, then a descending block
  for (int i = 0; i < 200; ++i) halves.push_back(i % 3 / 10.0);
  for (int i = 0; i < 200; ++i) halves.push_back(1 - i / 400.0);
  cases.push_back(halves);
  for (const auto& ratings : cases) {
    TChempTab t(ratings.size());
    for (size_t i = 0; i < t.size(); ++i) {
      t[i].Games = static_cast<int32_t>(i);
      t[i].Rating = ratings[i];
    }
    TChempTab expected = t;
    ExchangeSort(expected);
    SortBy(t);
    EXPECT_EQ(Order(t), Order(expected));
  }
}

TEST(ChempSort, HundredThousandPlayersAreSortedHighestFirst) {
  std::mt19937 rng(5);
  TChempTab t = RandomTable(rng, 100000, 301, false);
  SortBy(t);
  for (size_t i = 1; i < t.size(); ++i) ASSERT_GE(t[i - 1].Rating, t[i].Rating) << i;
  std::vector<int32_t> ids = Order(t);
  std::sort(ids.begin(), ids.end());
  for (size_t i = 0; i < ids.size(); ++i) ASSERT_EQ(ids[i], static_cast<int32_t>(i));
}

}  // namespace
}  // namespace durak::testing
