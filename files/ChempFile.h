// The champions file durak.r: a plain sequence of 60-byte records, one player each, highest
// rating first. Names and passwords are short strings in the Windows-1251 code page.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace durak {

struct TChempRec {
  std::array<uint8_t, 26> Name{};  // length byte, then up to 25 characters
  std::array<uint8_t, 13> Pass{};  // length byte, then up to 12 characters
  uint8_t Padding = 0;
  int32_t Games = 0;
  int32_t Wins = 0;
  int32_t Losses = 0;
  double Rating = 0.5;

  static constexpr size_t kSize = 60;
  static constexpr size_t kNameChars = 25;
  static constexpr size_t kPassChars = 12;

  // UTF-8 text of the fields; a length byte larger than its field counts as the field's size.
  std::string NameText() const;
  std::string PassText() const;
  // Stores the text cut to the field's size, in Windows-1251 (other characters become '?').
  void SetName(const std::string& utf8);
  void SetPass(const std::string& utf8);

  std::array<uint8_t, kSize> Encode() const;
  static TChempRec Decode(const uint8_t* bytes);
};

using TChempTab = std::vector<TChempRec>;

// Whether two short strings hold the same characters (case-sensitive).
bool SameShortString(const uint8_t* a, const uint8_t* b, size_t capacity);

// The most players a champions table holds; a larger file is no table of people.
constexpr size_t kMaxChampions = 10000;

// Missing: no file, and none could be created there. TooBig: more than kMaxChampions
// records.
enum class TReadResult { Read, Created, Unreadable, Missing, TooBig };

// Reads the table; a missing file is created empty. Anything there that cannot be read (not
// a regular file, not readable, too big) gives an empty table and Unreadable or TooBig, and
// is left as it is. Bytes after the last whole record are ignored.
TReadResult ReadTab(const std::string& path, TChempTab* table);
// Sorts the table, then writes it through a temporary file renamed over the old one.
bool WriteTab(const std::string& path, TChempTab& table);
// One change to the file as it is now: takes the file's lock, rereads it, applies the
// change to the rows as read, sorts and writes them, and lets the lock go. *table is the
// table after the change also when it could not be written (then the rows as far as they
// could be read); returns whether the change is in the file.
bool ChangeTab(const std::string& path, const std::function<void(TChempTab&)>& change,
               TChempTab* table);

// Why a change did not reach the file.
enum class TChangeResult {
  Saved,
  Busy,    // another program held the file's lock for the whole wait: try again later
  TooBig,  // more than kMaxChampions records, in the file or after the change: left alone
  Failed,  // not readable or not writable
};
// ChangeTab, telling why a change was not saved.
// waitMillis: how long another program's lock on the file is waited for; evenIfBusy writes
// the file after that wait all the same (at the game's end, when there is no later chance:
// the write is whole either way, only another writer's change at that moment might be
// overwritten).
TChangeResult ChangeTabFor(const std::string& path, const std::function<void(TChempTab&)>& change,
                           TChempTab* table, int waitMillis = 3000, bool evenIfBusy = false);

// Highest rating first; equal ratings keep exactly the order the exchange sort gives them
// (for i, for j from the last down to i + 1, exchange i and j when j's rating is greater).
void SortBy(TChempTab& table);
// Index of the first record whose name is exactly the given short string, or -1.
int GetPos(const std::array<uint8_t, 26>& name, const TChempTab& table);

// Windows-1251 <-> UTF-8 for player names and passwords.
std::string Cp1251ToUtf8(const std::string& bytes);
std::string Utf8ToCp1251(const std::string& utf8);

}  // namespace durak
