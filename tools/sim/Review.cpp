#include "Review.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <iterator>
#include <string>
#include <thread>

#include "CommandLine.h"
#include "DealRecord.h"
#include "DealReview.h"
#include "JsonDepth.h"
#include "ReviewJson.h"
#include "SafeFile.h"

namespace durak {

namespace {

constexpr const char* kReviewUsage =
    "usage: durak-sim review FILE [--deal K] [--margin X] [--iterations N] [--value-deals N]\n"
    "                       [--threads N]\n"
    "  FILE          a history file (durak-history.jsonl) or one deal record; - reads\n"
    "                standard input\n"
    "  --deal K      the K-th usable deal of the file, 1 the oldest; -1 (the default) the\n"
    "                last, -2 the one before it, ...\n"
    "  --margin X    a move that lowers the chance of not losing by more than X (0..1,\n"
    "                default 0.10) is a mistake\n"
    "  --iterations N  deals the strong player searches for its own move (default 800)\n"
    "  --value-deals N deals searched to value each move (default 1000)\n"
    "  --threads N   decisions judged at once (default: the processors, at most 4); the\n"
    "                review does not depend on it\n";

// The largest file read: far more deals than the history keeps.
constexpr size_t kMaxFileBytes = size_t(256) << 20;

bool ParseShare(const char* text, double& value) {
  if (text == nullptr || *text == '\0') return false;
  char* end = nullptr;
  errno = 0;
  const double v = std::strtod(text, &end);
  if (*end != '\0' || errno != 0 || !std::isfinite(v) || v < 0 || v > 1) return false;
  value = v;
  return true;
}

bool ParseIndex(const char* text, long long& value) {
  if (text == nullptr) return false;
  const bool negative = *text == '-';
  uint64_t v = 0;
  if (!ParseNumber(negative ? text + 1 : text, 1000000000, v) || v == 0) return false;
  value = negative ? -static_cast<long long>(v) : static_cast<long long>(v);
  return true;
}

// The records in the text: one deal record written over several lines, or JSON Lines.
std::vector<TDealRecord> RecordsOf(const std::string& text, int* skipped) {
  if (!NestedTooDeeply(text)) {
    const nlohmann::json whole = nlohmann::json::parse(text, nullptr, false);
    TDealRecord one;
    if (!whole.is_discarded() && whole.is_object() && ParseDealRecord(whole.dump(), one)) {
      *skipped = 0;
      return {one};
    }
  }
  return ParseDealRecords(text, skipped);
}

}  // namespace

int RunReview(int argc, char** argv, std::ostream& out, std::ostream& err) {
  std::string path;
  long long deal = -1;
  TReviewParams params;
  const unsigned processors = std::thread::hardware_concurrency();
  int threads = static_cast<int>(processors == 0 ? 1 : std::min(processors, 4u));
  for (int i = 0; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--help") {
      out << kReviewUsage;
      return 0;
    }
    const char* value = i + 1 < argc ? argv[i + 1] : nullptr;
    bool ok = true;
    uint64_t v = 0;
    if (arg == "--deal") {
      ok = ParseIndex(value, deal);
    } else if (arg == "--margin") {
      ok = ParseShare(value, params.Margin);
    } else if (arg == "--iterations") {
      ok = ParseNumber(value, 1000000, v) && v > 0;
      params.Search.Iterations = static_cast<int>(v);
    } else if (arg == "--value-deals") {
      ok = ParseNumber(value, 1000000, v) && v > 0;
      params.ValueDeals = static_cast<int>(v);
    } else if (arg == "--threads") {
      ok = ParseNumber(value, 64, v) && v > 0;
      threads = static_cast<int>(v);
    } else if (path.empty() && (arg == "-" || arg.rfind("--", 0) != 0)) {
      path = arg;
      continue;
    } else {
      err << "durak-sim review: bad argument '" << arg << "'\n" << kReviewUsage;
      return 2;
    }
    if (!ok) {
      err << "durak-sim review: bad value for " << arg << ": '" << (value ? value : "") << "'\n"
          << kReviewUsage;
      return 2;
    }
    ++i;
  }
  if (path.empty()) {
    err << "durak-sim review: no file named\n" << kReviewUsage;
    return 2;
  }

  std::string text;
  if (path == "-") {
    text.assign(std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>());
  } else {
    switch (ReadRegularFile(path, kMaxFileBytes, &text)) {
      case TFileRead::Read:
        break;
      case TFileRead::Missing:
        err << "durak-sim review: " << path << ": no such file\n";
        return 1;
      case TFileRead::NotRegular:
        err << "durak-sim review: " << path << ": not a regular file\n";
        return 1;
      case TFileRead::TooBig:
        err << "durak-sim review: " << path << ": larger than " << (kMaxFileBytes >> 20) << " MB\n";
        return 1;
      case TFileRead::Failed:
        err << "durak-sim review: " << path << ": cannot be read\n";
        return 1;
    }
  }
  int skipped = 0;
  const std::vector<TDealRecord> records = RecordsOf(text, &skipped);
  if (records.empty()) {
    err << "durak-sim review: " << path << ": no deal record of version " << kDealRecordVersion
        << " in it";
    if (skipped > 0) err << " (" << skipped << " lines skipped)";
    err << '\n';
    return 1;
  }
  const long long count = static_cast<long long>(records.size());
  const long long index = deal > 0 ? deal - 1 : count + deal;
  if (index < 0 || index >= count) {
    err << "durak-sim review: --deal " << deal << ": the file holds " << count
        << (count == 1 ? " deal\n" : " deals\n");
    return 2;
  }
  const TDealRecord& record = records[static_cast<size_t>(index)];
  const TDealReview review = ReviewDeal(record, params, threads);
  out << ReviewJson(record, review, params)
             .dump(-1, ' ', false, nlohmann::json::error_handler_t::replace)
      << '\n';
  return 0;
}

}  // namespace durak
