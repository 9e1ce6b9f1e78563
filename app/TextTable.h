// The texts of the current language, as the language switch loads them from the pack:
// the windows read them by name (TextIds.h); the loader, and tests that name a text by the
// pack's number, reach them by number.
#pragma once

#include <QString>
#include <array>

#include "TextIds.h"

namespace durak {

class TTextTable {
 public:
  // Numbers 1..299: the 206 described texts and the game's own from 207 on; the game's own
  // texts go on in a second block, 1001..1299, once the first is full. Each language's
  // English twin is the number + 300 in the pack, in both blocks.
  static constexpr int kFirstBlockEnd = 300;
  static constexpr int kSecondBlockStart = 1001;
  static constexpr int kCount = 1300;

  const QString& operator[](TextId id) const { return At(id); }
  QString& operator[](TextId id) { return At(id); }

  // Text number n; a number outside the table reads as an empty text.
  const QString& At(int n) const {
    static const QString none;
    return n >= 0 && n < kCount ? FTexts[n] : none;
  }
  QString& At(int n) { return FTexts.at(n); }

  // Whether a language has been loaded: the pack's first text is never empty.
  bool Loaded() const { return !FTexts[kFileMenuText].isEmpty(); }

 private:
  std::array<QString, kCount> FTexts;
};

}  // namespace durak
