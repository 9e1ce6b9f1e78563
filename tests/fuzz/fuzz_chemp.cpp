// The champions file: whatever durak.r holds, it reads as its whole records, every record
// encodes back to its own 60 bytes, and a sorted write reads back as the same table.
#include <algorithm>
#include <array>
#include <climits>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "ChempFile.h"
#include "FuzzSupport.h"

using namespace durak;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string path = fuzz::ScratchPath("durak.r");
  fuzz::WriteBytes(path, data, size);

  TChempTab table;
  FUZZ_CHECK(ReadTab(path, &table) == TReadResult::Read);
  FUZZ_CHECK(table.size() == size / TChempRec::kSize);

  for (size_t i = 0; i < table.size(); ++i) {
    const uint8_t* bytes = data + i * TChempRec::kSize;
    const TChempRec& r = table[i];
    // Byte for byte: nothing the game does not understand is lost.
    const auto encoded = r.Encode();
    FUZZ_CHECK(std::memcmp(encoded.data(), bytes, TChempRec::kSize) == 0);
    const TChempRec again = TChempRec::Decode(encoded.data());
    FUZZ_CHECK(again.Encode() == encoded);

    const std::string name = r.NameText();
    const std::string pass = r.PassText();
    // Every Windows-1251 byte is at most three bytes of UTF-8 (or a question mark).
    FUZZ_CHECK(name.size() <= 3 * TChempRec::kNameChars);
    FUZZ_CHECK(pass.size() <= 3 * TChempRec::kPassChars);
    TChempRec copy;
    copy.SetName(name);
    copy.SetPass(pass);
    FUZZ_CHECK(copy.Name[0] <= TChempRec::kNameChars && copy.Pass[0] <= TChempRec::kPassChars);
    FUZZ_CHECK(copy.NameText().size() <= 3 * TChempRec::kNameChars);
    FUZZ_CHECK(GetPos(r.Name, table) >= 0 && GetPos(r.Name, table) <= static_cast<int>(i));
  }

  // Sorting only reorders the records.
  TChempTab sorted = table;
  SortBy(sorted);
  std::vector<std::array<uint8_t, TChempRec::kSize>> before, after;
  for (const TChempRec& r : table) before.push_back(r.Encode());
  for (const TChempRec& r : sorted) after.push_back(r.Encode());
  std::sort(before.begin(), before.end());
  std::sort(after.begin(), after.end());
  FUZZ_CHECK(before == after);

  TChempTab written = table;
  FUZZ_CHECK(WriteTab(path, written));
  for (size_t i = 0; i < written.size(); ++i) FUZZ_CHECK(written[i].Encode() == sorted[i].Encode());
  const std::string file = fuzz::ReadBytes(path);
  FUZZ_CHECK(file.size() == written.size() * TChempRec::kSize);
  for (size_t i = 0; i < written.size(); ++i) {
    const auto encoded = written[i].Encode();
    FUZZ_CHECK(std::memcmp(encoded.data(), file.data() + i * TChempRec::kSize, TChempRec::kSize) ==
               0);
  }
  TChempTab reread;
  FUZZ_CHECK(ReadTab(path, &reread) == TReadResult::Read);
  FUZZ_CHECK(reread.size() == written.size());

  // A change under the file's lock lands on the rows as stored: a deal added to the first
  // row keeps every other record and saturates instead of wrapping.
  TChempTab changed;
  const bool saved = ChangeTab(
      path,
      [](TChempTab& t) {
        if (t.empty()) return;
        if (t[0].Games < INT32_MAX) ++t[0].Games;
      },
      &changed);
  FUZZ_CHECK(saved);
  FUZZ_CHECK(changed.size() == written.size());
  FUZZ_CHECK(fuzz::ReadBytes(path).size() == changed.size() * TChempRec::kSize);
  for (const TChempRec& r : changed) FUZZ_CHECK(GetPos(r.Name, changed) >= 0);
  return 0;
}
